#include "couriers/TfrmKDtypeSet.h"

#include "core/Messages.h"
#include "core/PubUnit.h"
#include "couriers/CourierStore.h"
#include "couriers/TfrmKDtypeEdit.h"
#include "widgets/DataGrid.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"
#include "widgets/GridLayout.h"
#include "widgets/SqlListModel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TfrmKDtypeSet::TfrmKDtypeSet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKDtypeSet"));
    setWindowTitle(QStringLiteral("快递设置"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFont(formFont());
    setSizeGripEnabled(true);
    resize(820, 540);

    QryTable = new SqlListModel(this);
    QryTable->setObjectName(QStringLiteral("QryTable"));
    connect(QryTable, &ListModel::currentRowChanged, this, &TfrmKDtypeSet::QryTableAfterScroll);
    connect(QryTable, &QAbstractItemModel::modelReset, this, &TfrmKDtypeSet::QryTableAfterScroll);

    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setListModel(QryTable);
    DBGridEh1->setReadOnly(true);
    DBGridEh1->setRowStyleHook(DataGrid::redWhenTrue(QStringLiteral("F_useFlag")));
    DBGridEh1->setMinimumWidth(320);
    const struct
    {
        const char *field;
        const char *title;
        int width;
    } designed[] = {{"F_name", "快递名称", 100}, {"F_imagePath", "图片所在位置", 120}, {"F_BBfileName", "报表文件名称", 90}};
    QList<GridColumn> columns;
    for (const auto &d : designed) {
        GridColumn c;
        c.field = QString::fromLatin1(d.field);
        c.title = QString::fromUtf8(d.title);
        c.width = d.width;
        columns << c;
    }
    DBGridEh1->setColumns(columns);
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, &TfrmKDtypeSet::DBGridEh1DblClick);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(DBGridEh1);
    splitter->addWidget(buildPicturePanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({340, 480});

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        if (i == 2)
            StatusBar1->addPermanentWidget(panel);
        else
            StatusBar1->addWidget(panel, i == 1 ? 1 : 0);
        m_panels << panel;
    }
    m_panels[0]->setFixedWidth(40);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addWidget(buildTopPanel());
    main->addWidget(splitter, 1);
    main->addWidget(StatusBar1);

    FormShow();
}

QWidget *TfrmKDtypeSet::buildTopPanel()
{
    Panel29 = new QWidget(this);
    Panel29->setObjectName(QStringLiteral("Panel29"));
    Panel29->setAttribute(Qt::WA_StyledBackground);
    Panel29->setStyleSheet(QStringLiteral("#Panel29 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                          "stop:0 #3a6ea5, stop:1 #c9dcf0); }"));
    auto *row = new QHBoxLayout(Panel29);
    row->setContentsMargins(12, 8, 12, 8);
    auto *title = new QLabel(QStringLiteral("快递设置"), Panel29);
    QFont big = formFont();
    big.setPixelSize(19);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    row->addWidget(title);
    row->addStretch(1);

    cbUseFlag = new QCheckBox(QStringLiteral("包含已停用"), Panel29);
    cbUseFlag->setObjectName(QStringLiteral("cbUseFlag"));
    connect(cbUseFlag, &QCheckBox::clicked, this, &TfrmKDtypeSet::cbUseFlagClick);
    row->addWidget(cbUseFlag);
    row->addSpacing(16);

    auto button = [this](const char *name, const QString &caption, QStyle::StandardPixmap icon) {
        auto *b = new QToolButton(Panel29);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        return b;
    };
    sbAdd = button("sbAdd", QStringLiteral("新增(&A)"), QStyle::SP_FileDialogNewFolder);
    sbEdit = button("sbEdit", QStringLiteral("修改(&E)"), QStyle::SP_FileDialogDetailedView);
    sbDel = button("sbDel", QStringLiteral("删除(&D)"), QStyle::SP_TrashIcon);
    connect(sbAdd, &QToolButton::clicked, this, &TfrmKDtypeSet::sbAddClick);
    connect(sbEdit, &QToolButton::clicked, this, &TfrmKDtypeSet::sbEditClick);
    connect(sbDel, &QToolButton::clicked, this, &TfrmKDtypeSet::sbDelClick);
    row->addWidget(sbAdd);
    row->addWidget(sbEdit);
    row->addWidget(sbDel);
    return Panel29;
}

QWidget *TfrmKDtypeSet::buildPicturePanel()
{
    auto *panel = new QWidget(this);
    auto *layout = new QVBoxLayout(panel);
    auto *group = new QGroupBox(panel);
    auto *inGroup = new QVBoxLayout(group);
    Image1 = new QLabel(group);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setMinimumSize(200, 150);
    inGroup->addWidget(Image1, 1);
    auto *caption = new QLabel(QStringLiteral("(快递单图片)"), group);
    caption->setAlignment(Qt::AlignCenter);
    inGroup->addWidget(caption);
    layout->addWidget(group);
    return panel;
}

void TfrmKDtypeSet::FormShow()
{
    LoadGridLayout(DBGridEh1, QStringLiteral("KDtypeSET"));
    RefreshList();
    m_panels[2]->setText(PubUnit::PublisherCaption + QStringLiteral("  "));
}

void TfrmKDtypeSet::RefreshList()
{
    QryTable->open(CourierStore::listStatement(cbUseFlag->isChecked()));
    m_panels[1]->setText(recordCountText());
    QryTableAfterScroll();
}

QString TfrmKDtypeSet::recordCountText() const
{
    return QStringLiteral("记录数：") + QString::number(QryTable->rowCount());
}

void TfrmKDtypeSet::cbUseFlagClick()
{
    RefreshList();
}

void TfrmKDtypeSet::QryTableAfterScroll()
{
    // A missing or unreadable picture leaves the area empty, without a message.
    const QString path = QryTable->currentRow() >= 0 ? QryTable->current(QStringLiteral("F_imagePath")).toString().trimmed()
                                                     : QString();
    QImage image;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    if (image.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(image));
}

void TfrmKDtypeSet::runEditor(int mode)
{
    TfrmKDtypeEdit editor(QryTable, this);
    DispFormPos(&editor, 1);
    editor.ShowEditor(mode);
    m_panels[1]->setText(recordCountText());
    QryTableAfterScroll();
}

void TfrmKDtypeSet::sbAddClick()
{
    runEditor(TfrmKDtypeEdit::New);
}

void TfrmKDtypeSet::sbEditClick()
{
    if (QryTable->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要修改！"), MessError);
        return;
    }
    runEditor(TfrmKDtypeEdit::Modify);
}

void TfrmKDtypeSet::DBGridEh1DblClick()
{
    if (sbEdit->isEnabled())
        sbEditClick();
}

void TfrmKDtypeSet::sbDelClick()
{
    if (QryTable->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要删除！"), MessError);
        return;
    }
    const int id = QryTable->current(QStringLiteral("F_ID")).toInt();
    const QString name = QryTable->current(QStringLiteral("F_name")).toString();
    const QString templateName = QryTable->current(QStringLiteral("F_BBfileName")).toString().trimmed();
    QString question = QStringLiteral("确定要删除快递类型“%1”吗？").arg(name);
    if (!templateName.isEmpty())
        question += QStringLiteral("\n（快递单模板文件%1.fr3仍保留在Qr文件夹中）").arg(templateName);
    if (!AskYes(question))
        return;
    const int row = QryTable->currentRow();
    if (!CourierStore::remove(id))
        return;
    RefreshList();
    if (!QryTable->isEmpty())
        QryTable->setCurrentRow(qMin(row, QryTable->rowCount() - 1));
}

void ShowCourierTypes(QWidget *parent)
{
    TfrmKDtypeSet form(parent);
    DispFormPos(&form, 1);
    form.exec();
}
