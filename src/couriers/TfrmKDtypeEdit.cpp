#include "couriers/TfrmKDtypeEdit.h"

#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"
#include "couriers/TfrmImageDisp.h"
#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/RecordNavigator.h"
#include "widgets/SqlListModel.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int TextWidth = 255;  // the text columns of t_KDimage

} // namespace

TfrmKDtypeEdit::TfrmKDtypeEdit(SqlListModel *table, QWidget *parent) : QDialog(parent), m_table(table)
{
    setObjectName(QStringLiteral("frmKDtypeEdit"));
    setWindowTitle(QStringLiteral("快递单类型 - 编辑"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFont(formFont());
    resize(640, 520);

    Action1 = new QAction(QStringLiteral("载入快递单图片"), this);
    Action1->setObjectName(QStringLiteral("Action1"));
    Action2 = new QAction(QStringLiteral("清空图片显示"), this);
    Action2->setObjectName(QStringLiteral("Action2"));
    connect(Action1, &QAction::triggered, this, &TfrmKDtypeEdit::Action1Execute);
    connect(Action2, &QAction::triggered, this, &TfrmKDtypeEdit::Action2Execute);

    auto *main = new QVBoxLayout(this);
    main->addWidget(buildFields());
    main->addWidget(buildPicture(), 1);

    Button1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TfrmKDtypeEdit::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    main->addLayout(buttons);

    setTabOrder(edtName, cbUseFlag);
    setTabOrder(cbUseFlag, CheckBox1);
    setTabOrder(CheckBox1, edtBBfileName);
    setTabOrder(edtBBfileName, edtKDweb);
    setTabOrder(edtKDweb, sbGDpath);
    setTabOrder(sbGDpath, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Button1);
    setTabOrder(Button1, Button2);

    new FormKeys(this, Button1, Button2);
    SetEditMode(false);
}

QWidget *TfrmKDtypeEdit::buildFields()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto label = [box](const QString &text) { return new QLabel(text, box); };

    edtName = new QLineEdit(box);
    edtName->setObjectName(QStringLiteral("edtName"));
    cbUseFlag = new QCheckBox(QStringLiteral("停用"), box);
    cbUseFlag->setObjectName(QStringLiteral("cbUseFlag"));
    CheckBox1 = new QCheckBox(QStringLiteral("连续新增"), box);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    // The box and the navigator share one place; only one of them is shown.
    auto *spot = new QWidget(box);
    auto *stack = new QStackedLayout(spot);
    stack->addWidget(CheckBox1);
    stack->addWidget(buildNavigator());

    edtImagePath = new QLineEdit(box);
    edtImagePath->setObjectName(QStringLiteral("edtImagePath"));
    edtImagePath->setReadOnly(true);
    edtImagePath->setFocusPolicy(Qt::ClickFocus);
    QPalette aqua = edtImagePath->palette();
    aqua.setColor(QPalette::Base, QColor(0, 255, 255));
    edtImagePath->setPalette(aqua);
    edtBBfileName = new QLineEdit(box);
    edtBBfileName->setObjectName(QStringLiteral("edtBBfileName"));
    edtKDweb = new QLineEdit(box);
    edtKDweb->setObjectName(QStringLiteral("edtKDweb"));
    for (QLineEdit *e : {edtName, edtImagePath, edtBBfileName, edtKDweb})
        e->setMaxLength(TextWidth);
    sbGDpath = new QToolButton(box);
    sbGDpath->setObjectName(QStringLiteral("sbGDpath"));
    sbGDpath->setText(QStringLiteral("打开"));
    sbGDpath->setIcon(style()->standardIcon(QStyle::SP_DirLinkIcon));
    sbGDpath->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    sbGDpath->setAutoRaise(true);
    connect(sbGDpath, &QToolButton::clicked, this, &TfrmKDtypeEdit::sbGDpathClick);

    grid->addWidget(label(QStringLiteral("快 递  名 称：")), 0, 0);
    grid->addWidget(edtName, 0, 1);
    auto *flags = new QHBoxLayout;
    flags->addWidget(cbUseFlag);
    flags->addWidget(spot);
    flags->addStretch(1);
    grid->addLayout(flags, 0, 2, 1, 2);
    grid->addWidget(label(QStringLiteral("图片据在位置：")), 1, 0);
    grid->addWidget(edtImagePath, 1, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("报表文件名称：")), 2, 0);
    grid->addWidget(edtBBfileName, 2, 1);
    grid->addWidget(label(QStringLiteral("快递查件网站：")), 3, 0);
    grid->addWidget(edtKDweb, 3, 1, 1, 2);
    grid->addWidget(sbGDpath, 3, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget *TfrmKDtypeEdit::buildNavigator()
{
    auto *navigator = new RecordNavigator(this);
    DBNavigator1 = navigator;
    nbFirst = navigator->button(RecordNavigator::First);
    nbPrior = navigator->button(RecordNavigator::Prior);
    nbNext = navigator->button(RecordNavigator::Next);
    nbLast = navigator->button(RecordNavigator::Last);
    connect(navigator, &RecordNavigator::moveClicked, this, &TfrmKDtypeEdit::DBNavigator1Click);
    return DBNavigator1;
}

QWidget *TfrmKDtypeEdit::buildPicture()
{
    auto *area = new QWidget(this);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    auto *group = new QGroupBox(area);
    auto *inGroup = new QVBoxLayout(group);
    Image1 = new QLabel(group);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(200, 150);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setContextMenuPolicy(Qt::ActionsContextMenu);
    Image1->addActions({Action1, Action2});
    Image1->installEventFilter(this);
    auto *caption = new QLabel(QStringLiteral("(快递单图片)"), group);
    caption->setAlignment(Qt::AlignCenter);
    inGroup->addWidget(Image1, 1);
    inGroup->addWidget(caption);
    row->addWidget(group, 1);

    auto *side = new QVBoxLayout;
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), Action1->text(), area);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), Action2->text(), area);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, Action1, &QAction::trigger);
    connect(BitBtn2, &QPushButton::clicked, Action2, &QAction::trigger);
    side->addWidget(BitBtn1);
    side->addWidget(BitBtn2);
    side->addStretch(1);
    row->addLayout(side);
    return area;
}

bool TfrmKDtypeEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        Action1->trigger();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int TfrmKDtypeEdit::ShowEditor(int mode)
{
    PrepareEditor(mode);
    return exec();
}

void TfrmKDtypeEdit::PrepareEditor(int mode)
{
    SetEditMode(mode == Modify);
    FillFields(m_modify);
}

void TfrmKDtypeEdit::SetEditMode(bool modify)
{
    m_modify = modify;
    CheckBox1->setVisible(!modify);
    DBNavigator1->setVisible(modify);
    if (auto *stack = qobject_cast<QStackedLayout *>(CheckBox1->parentWidget()->layout()))
        stack->setCurrentWidget(modify ? DBNavigator1 : static_cast<QWidget *>(CheckBox1));
    setWindowTitle(modify ? QStringLiteral("快递管理 - 修改") : QStringLiteral("快递管理 - 新增"));
    updateNavigator();
}

void TfrmKDtypeEdit::updateNavigator()
{
    const int rows = m_table ? m_table->rowCount() : 0;
    const int row = m_table ? m_table->currentRow() : -1;
    nbFirst->setEnabled(rows > 0 && row > 0);
    nbPrior->setEnabled(rows > 0 && row > 0);
    nbNext->setEnabled(rows > 0 && row < rows - 1);
    nbLast->setEnabled(rows > 0 && row < rows - 1);
}

void TfrmKDtypeEdit::DBNavigator1Click(int move)
{
    if (!m_table || m_table->isEmpty())
        return;
    const int last = m_table->rowCount() - 1;
    const int row = m_table->currentRow();
    const int target = move == 0 ? 0 : move == 1 ? row - 1 : move == 2 ? row + 1 : last;
    m_table->setCurrentRow(qBound(0, target, last));
    FillFields(true);
    updateNavigator();
}

void TfrmKDtypeEdit::FillFields(bool fromRow)
{
    const bool haveRow = fromRow && m_table && m_table->currentRow() >= 0;
    edtName->setText(haveRow ? m_table->current(QStringLiteral("F_name")).toString() : QString());
    cbUseFlag->setChecked(haveRow && m_table->current(QStringLiteral("F_useFlag")).toBool());
    edtImagePath->setText(haveRow ? m_table->current(QStringLiteral("F_imagePath")).toString() : QString());
    edtBBfileName->setText(haveRow ? m_table->current(QStringLiteral("F_BBfileName")).toString() : QString());
    edtKDweb->setText(haveRow ? m_table->current(QStringLiteral("F_KDweb")).toString() : QString());
    showPicture(edtImagePath->text().trimmed());
}

void TfrmKDtypeEdit::showPicture(const QString &path)
{
    // A missing or unreadable file leaves the picture area empty, without a message.
    QImage image;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    m_picture = image;
    if (image.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(image));
}

void TfrmKDtypeEdit::clearPicture()
{
    m_picture = QImage();
    Image1->clear();
}

CourierType TfrmKDtypeEdit::values() const
{
    CourierType t;
    t.name = edtName->text().trimmed();
    t.imagePath = edtImagePath->text().trimmed();
    t.stopped = cbUseFlag->isChecked();
    t.templateName = edtBBfileName->text().trimmed();
    t.web = edtKDweb->text().trimmed();
    return t;
}

void TfrmKDtypeEdit::Action1Execute()
{
    const QString chosen = ShowImageViewer(this, edtImagePath->text(), m_picture);
    if (chosen == edtImagePath->text())
        return;
    edtImagePath->setText(chosen);
    if (chosen.isEmpty())
        clearPicture();
    else
        showPicture(chosen);
}

void TfrmKDtypeEdit::Action2Execute()
{
    edtImagePath->clear();
    clearPicture();
}

void TfrmKDtypeEdit::sbGDpathClick()
{
    if (!CourierStore::hasWebScheme(edtKDweb->text())) {
        ShowMess(QStringLiteral("请输入正确的网址！"), MessWarning);
        edtKDweb->setFocus();
        return;
    }
    UiHooks::openDocument(edtKDweb->text().trimmed());
}

bool TfrmKDtypeEdit::locateName(const QString &name)
{
    if (!m_table)
        return false;
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->value(row, QStringLiteral("F_name")).toString() == name) {
            m_table->setCurrentRow(row);
            return true;
        }
    return false;
}

void TfrmKDtypeEdit::Button1Click()
{
    const int typeId = m_modify && m_table ? m_table->current(QStringLiteral("F_ID")).toInt() : 0;
    const QString name = edtName->text().trimmed();
    if (name.isEmpty()) {
        ShowMess(QStringLiteral("当前快递名称不能为空！"), MessInfo);
        edtName->setFocus();
        return;
    }
    if (CourierStore::nameTaken(CourierStore::idOfName(name), typeId)) {
        ShowMess(QStringLiteral("快递名称重复，请重新输入！"), MessInfo);
        edtName->setFocus();
        return;
    }

    const QString path = edtImagePath->text().trimmed();
    if (!path.isEmpty()) {
        const QString target = CourierStore::pictureCopyTarget(path, ProgramFolder::imageFolder());
        if (CourierStore::storePicture(path, m_picture, target) == CourierStore::PictureCopy::Failed) {
            ShowMess(QStringLiteral("快递单图片无法保存到：") + target, MessError);
            return;
        }
        edtImagePath->setText(target);
    }
    if (!CourierStore::save(values(), typeId)) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), MessError);
        return;
    }
    if (m_table) {
        m_table->refresh();
        locateName(name);
    }
    if (m_modify || !CheckBox1->isChecked())
        accept();
    else
        FillFields(false);
    edtName->setFocus();
    SetEditMode(false);
}
