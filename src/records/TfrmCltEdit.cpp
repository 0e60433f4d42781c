#include "records/TfrmCltEdit.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "core/Schema.h"
#include "core/SqlStatement.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/NumberEdit.h"
#include "widgets/RecordNavigator.h"
#include "records/RecordListHost.h"
#include "records/RecordStore.h"
#include "settings/FormKeys.h"
#include "settings/TDLGcodeNewXZ.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString SaveFailed = QStringLiteral("保存失败，请检测数据库连接！");
const QColor CopyCodeColour(163, 149, 242);

int columnWidth(const QString &column)
{
    const TableDef *t = Schema::table(QStringLiteral("t_client"));
    const ColumnDef *c = t ? t->column(column) : nullptr;
    return c && c->width > 0 ? c->width : 255;
}

QLineEdit *lineEdit(const char *name, const char *column, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(columnWidth(QString::fromLatin1(column)));
    return e;
}

QComboBox *comboBox(const char *name, const char *column, QWidget *parent)
{
    QComboBox *b = EditableCombo(name, parent);
    b->lineEdit()->setMaxLength(columnWidth(QString::fromLatin1(column)));
    b->setMinimumContentsLength(14);
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return b;
}

QToolButton *pickerButton(const char *name, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("…"));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);  // a speed button, outside the tab order
    return b;
}

QLabel *label(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLineEdit *shownOnly(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    return e;
}

NumberEdit *numberShown(const char *name, const QString &format, QWidget *parent)
{
    auto *e = new NumberEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setDisplayFormat(format);
    return e;
}

} // namespace

TfrmCltEdit::TfrmCltEdit(RecordListHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_host(host)
{
    setObjectName(QStringLiteral("frmCltEdit"));
    setWindowTitle(QStringLiteral("客户档案 - 编辑"));
    setFont(formFont());

    auto *main = new QVBoxLayout(this);
    main->addWidget(buildRecipientBox());
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    PageControl1->addTab(buildMemoPage(), QStringLiteral(" 备注信息 "));
    PageControl1->addTab(buildCustomPage(), QStringLiteral(" 自定义项 "));
    PageControl1->addTab(buildDispatchPage(), QStringLiteral(" 发件信息 "));
    PageControl1->setCurrentWidget(TabDispatch);
    main->addWidget(PageControl1);
    main->addWidget(buildBottomPanel());
    main->setSizeConstraint(QLayout::SetFixedSize);

    new FormKeys(this, Button1, Button2);
    cbbSheng->installEventFilter(this);
    cbbCity->installEventFilter(this);
}

QWidget *TfrmCltEdit::buildRecipientBox()
{
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(6);
    g->setColumnMinimumWidth(1, 190);
    g->setColumnMinimumWidth(4, 190);
    g->setColumnMinimumWidth(3, 70);

    // Created in the order of the tab chain.
    edtName = lineEdit("edtName", "F_name", box);
    cbbSheng = comboBox("cbbSheng", "F_sheng", box);
    sbSheng = pickerButton("sbSheng", QStringLiteral("省份资料"), box);
    cbbCity = comboBox("cbbCity", "F_city", box);
    sbCity = pickerButton("sbCity", QStringLiteral("城市资料"), box);
    edtArea = lineEdit("edtArea", "F_area", box);
    edtLXRemp = lineEdit("edtLXRemp", "F_LXRemp", box);
    edtAddress = lineEdit("edtAddress", "F_address", box);
    edtPostCode = lineEdit("edtPostCode", "F_postcode", box);
    edtGDphone = lineEdit("edtGDphone", "F_GDphone", box);
    edtSJphone = lineEdit("edtSJphone", "F_SJphone", box);
    cbbEmpName = comboBox("cbbEmpName", "F_empName", box);
    sbEmpName = pickerButton("sbEmpName", QStringLiteral("业务员资料"), box);
    edtMDaddress = lineEdit("edtMDaddress", "F_MDaddress", box);
    dtpDate = new QDateEdit(QDate::currentDate(), box);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpDate->setCalendarPopup(true);
    cbUseFlag = new QCheckBox(QStringLiteral("已发否"), box);
    cbUseFlag->setObjectName(QStringLiteral("cbUseFlag"));
    cbUseFlag->setFocusPolicy(Qt::ClickFocus);

    edtcode = new QLineEdit(box);
    edtcode->setObjectName(QStringLiteral("edtcode"));
    edtcode->setReadOnly(true);
    edtcode->setFrame(false);
    edtcode->setFocusPolicy(Qt::NoFocus);
    QFont codeFont = formFont();
    codeFont.setPixelSize(15);
    edtcode->setFont(codeFont);
    edtcode->setBackgroundRole(QPalette::Button);
    edtcode->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); }"));

    for (QWidget *w : {static_cast<QWidget *>(edtName), static_cast<QWidget *>(edtAddress),
                       static_cast<QWidget *>(edtPostCode), static_cast<QWidget *>(edtGDphone),
                       static_cast<QWidget *>(edtSJphone), static_cast<QWidget *>(edtMDaddress),
                       // Names and places are typed in Chinese; an input method that is
                       // switched off could not be switched back on here.
                       static_cast<QWidget *>(edtLXRemp), static_cast<QWidget *>(edtArea),
                       static_cast<QWidget *>(cbbSheng), static_cast<QWidget *>(cbbCity),
                       static_cast<QWidget *>(cbbEmpName)})
        MarkChineseInput(w);

    auto *noLabel = label(QStringLiteral("NO."), edtcode, box);
    noLabel->setFont(codeFont);
    g->addWidget(label(QStringLiteral("公司名称："), edtName, box), 0, 0);
    g->addWidget(edtName, 0, 1, 1, 2);
    g->addWidget(noLabel, 0, 3, Qt::AlignRight);
    g->addWidget(edtcode, 0, 4, 1, 2);
    g->addWidget(label(QStringLiteral("省    份："), cbbSheng, box), 1, 0);
    g->addWidget(cbbSheng, 1, 1);
    g->addWidget(sbSheng, 1, 2);
    g->addWidget(label(QStringLiteral("城    市："), cbbCity, box), 1, 3);
    g->addWidget(cbbCity, 1, 4);
    g->addWidget(sbCity, 1, 5);
    g->addWidget(label(QStringLiteral("城    区："), edtArea, box), 2, 0);
    g->addWidget(edtArea, 2, 1, 1, 2);
    g->addWidget(label(QStringLiteral("收 件 人："), edtLXRemp, box), 2, 3);
    g->addWidget(edtLXRemp, 2, 4, 1, 2);
    g->addWidget(label(QStringLiteral("地    址："), edtAddress, box), 3, 0);
    g->addWidget(edtAddress, 3, 1, 1, 5);
    g->addWidget(label(QStringLiteral("邮    编："), edtPostCode, box), 4, 0);
    g->addWidget(edtPostCode, 4, 1, 1, 2);
    g->addWidget(label(QStringLiteral("固定电话："), edtGDphone, box), 4, 3);
    g->addWidget(edtGDphone, 4, 4, 1, 2);
    g->addWidget(label(QStringLiteral("联系手机："), edtSJphone, box), 5, 0);
    g->addWidget(edtSJphone, 5, 1, 1, 2);
    g->addWidget(label(QStringLiteral("业 务 员："), cbbEmpName, box), 5, 3);
    g->addWidget(cbbEmpName, 5, 4);
    g->addWidget(sbEmpName, 5, 5);
    g->addWidget(label(QStringLiteral("收件地址："), edtMDaddress, box), 6, 0);
    g->addWidget(edtMDaddress, 6, 1, 1, 5);
    g->addWidget(label(QStringLiteral("日    期："), dtpDate, box), 7, 0);
    g->addWidget(dtpDate, 7, 1, 1, 2);
    g->addWidget(cbUseFlag, 7, 4, 1, 2);

    connect(sbSheng, &QToolButton::clicked, this, &TfrmCltEdit::sbShengClick);
    connect(sbCity, &QToolButton::clicked, this, &TfrmCltEdit::sbCityClick);
    connect(sbEmpName, &QToolButton::clicked, this, &TfrmCltEdit::sbEmpNameClick);
    return box;
}

QWidget *TfrmCltEdit::buildMemoPage()
{
    TabMemo = new QWidget(this);
    TabMemo->setObjectName(QStringLiteral("TabMemo"));
    memo1 = new QPlainTextEdit(TabMemo);
    memo1->setObjectName(QStringLiteral("memo1"));
    memo1->setFocusPolicy(Qt::ClickFocus);
    MarkChineseInput(memo1);
    auto *l = new QVBoxLayout(TabMemo);
    l->addWidget(memo1);
    return TabMemo;
}

QWidget *TfrmCltEdit::buildCustomPage()
{
    TabCustom = new QWidget(this);
    TabCustom->setObjectName(QStringLiteral("TabCustom"));
    auto *g = new QGridLayout(TabCustom);
    const char *textNames[] = {"一", "二", "三", "四", "五"};
    for (int i = 0; i < 5; ++i) {
        edtZF[i] = lineEdit(qPrintable(QStringLiteral("edtZF%1").arg(i + 1)), qPrintable(QStringLiteral("F_ZF%1").arg(i + 1)),
                            TabCustom);
        MarkChineseInput(edtZF[i]);
        lblZF[i] = label(QStringLiteral("字符项%1：").arg(QString::fromUtf8(textNames[i])), edtZF[i], TabCustom);
        lblZF[i]->setObjectName(QStringLiteral("lblZF%1").arg(i + 1));
        g->addWidget(lblZF[i], i, 0);
        g->addWidget(edtZF[i], i, 1);
    }
    for (int i = 0; i < 3; ++i) {
        rceSZ[i] = new NumberEdit(TabCustom);
        rceSZ[i]->setObjectName(QStringLiteral("rceSZ%1").arg(i + 1));
        lblSZ[i] = label(QStringLiteral("数值项%1：").arg(QString::fromUtf8(textNames[i])), rceSZ[i], TabCustom);
        lblSZ[i]->setObjectName(QStringLiteral("lblSZ%1").arg(i + 1));
        g->addWidget(lblSZ[i], i, 2);
        g->addWidget(rceSZ[i], i, 3);
    }
    for (int i = 0; i < 3; ++i) {
        dtpRQ[i] = new CheckDateEdit(TabCustom);
        dtpRQ[i]->setObjectName(QStringLiteral("dtpRQ%1").arg(i + 1));
        dtpRQ[i]->dateEdit()->setFocusPolicy(Qt::ClickFocus);
        dtpRQ[i]->checkBox()->setFocusPolicy(Qt::ClickFocus);
        lblRQ[i] = label(QStringLiteral("日期项%1：").arg(QString::fromUtf8(textNames[i])), dtpRQ[i], TabCustom);
        lblRQ[i]->setObjectName(QStringLiteral("lblRQ%1").arg(i + 1));
        g->addWidget(lblRQ[i], 3 + i, 2);
        g->addWidget(dtpRQ[i], 3 + i, 3);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(6, 1);
    return TabCustom;
}

QWidget *TfrmCltEdit::buildDispatchPage()
{
    TabDispatch = new QWidget(this);
    TabDispatch->setObjectName(QStringLiteral("TabDispatch"));
    auto *g = new QGridLayout(TabDispatch);
    edtHPname = shownOnly("edtHPname", TabDispatch);
    rceSL = numberShown("rceSL", {}, TabDispatch);
    rceZL = numberShown("rceZL", {}, TabDispatch);
    ceYF = numberShown("ceYF", NumberEdit::MoneyFormat, TabDispatch);
    ceBJF = numberShown("ceBJF", NumberEdit::MoneyFormat, TabDispatch);
    ceFYtotal = numberShown("ceFYtotal", NumberEdit::MoneyFormat, TabDispatch);
    edtFJemp = shownOnly("edtFJemp", TabDispatch);
    edtFHdate = shownOnly("edtFHdate", TabDispatch);
    edtKDtype = shownOnly("edtKDtype", TabDispatch);
    edtKDcode = shownOnly("edtKDcode", TabDispatch);
    const QList<QPair<QString, QLineEdit *>> left = {{QStringLiteral("物品名称："), edtHPname},
                                                    {QStringLiteral("数    量："), rceSL},
                                                    {QStringLiteral("重    量："), rceZL},
                                                    {QStringLiteral("运    费："), ceYF},
                                                    {QStringLiteral("保 价 费："), ceBJF}};
    const QList<QPair<QString, QLineEdit *>> right = {{QStringLiteral("费用合计："), ceFYtotal},
                                                     {QStringLiteral("发 件 人："), edtFJemp},
                                                     {QStringLiteral("日    期："), edtFHdate},
                                                     {QStringLiteral("快递类型："), edtKDtype},
                                                     {QStringLiteral("快递单号："), edtKDcode}};
    for (int i = 0; i < 5; ++i) {
        g->addWidget(label(left[i].first, left[i].second, TabDispatch), i, 0);
        g->addWidget(left[i].second, i, 1);
        g->addWidget(label(right[i].first, right[i].second, TabDispatch), i, 2);
        g->addWidget(right[i].second, i, 3);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    TabDispatch->setStyleSheet(QStringLiteral("QLineEdit { background: aqua; color: black; }"));
    // The page can be looked at but nothing on it can be changed.
    TabDispatch->setEnabled(false);
    return TabDispatch;
}

QWidget *TfrmCltEdit::buildBottomPanel()
{
    auto *Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);

    CheckBox1 = new QCheckBox(QStringLiteral("连续新增"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto *navigator = new RecordNavigator(Panel1);
    DBNavigator1 = navigator;
    nbFirst = navigator->button(RecordNavigator::First);
    nbPrior = navigator->button(RecordNavigator::Prior);
    nbNext = navigator->button(RecordNavigator::Next);
    nbLast = navigator->button(RecordNavigator::Last);
    connect(navigator, &RecordNavigator::moveClicked, this, &TfrmCltEdit::DBNavigator1Click);
    // The box and the navigator share one place; only one of them is shown.
    auto *spot = new QWidget(Panel1);
    auto *stack = new QStackedLayout(spot);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(CheckBox1);
    stack->addWidget(DBNavigator1);

    Button1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
    }
    connect(Button1, &QPushButton::clicked, this, &TfrmCltEdit::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    row->addWidget(spot);
    row->addStretch();
    row->addWidget(Button1);
    row->addWidget(Button2);
    return Panel1;
}

void TfrmCltEdit::SetEditMode(bool modify)
{
    m_modify = modify;
    CheckBox1->setVisible(!modify);
    DBNavigator1->setVisible(modify);
    setWindowTitle(modify ? QStringLiteral("快递发件 - 修改") : QStringLiteral("快递发件 - 新增"));
    updateNavigator();
}

void TfrmCltEdit::updateNavigator()
{
    const bool empty = m_host.recordCount() == 0;
    nbFirst->setEnabled(!empty && !m_host.atFirst());
    nbPrior->setEnabled(!empty && !m_host.atFirst());
    nbNext->setEnabled(!empty && !m_host.atLast());
    nbLast->setEnabled(!empty && !m_host.atLast());
}

void TfrmCltEdit::setValues(const RecordValues &v)
{
    edtcode->setText(v.code);
    edtName->setText(v.name);
    cbbSheng->setEditText(v.sheng);
    cbbCity->setEditText(v.city);
    edtArea->setText(v.area);
    edtAddress->setText(v.address);
    edtLXRemp->setText(v.LXRemp);
    edtPostCode->setText(v.postCode);
    edtGDphone->setText(v.GDphone);
    edtSJphone->setText(v.SJphone);
    edtMDaddress->setText(v.MDaddress);
    cbbEmpName->setEditText(v.empName);
    dtpDate->setDate(v.date.isValid() ? v.date : QDate::currentDate());
    cbUseFlag->setChecked(v.useFlag);
    memo1->setPlainText(v.memo1);
    for (int i = 0; i < 5; ++i)
        edtZF[i]->setText(v.ZF[i]);
    for (int i = 0; i < 3; ++i) {
        rceSZ[i]->setValue(v.SZ[i]);
        dtpRQ[i]->setDate(v.RQ[i].isValid() ? v.RQ[i] : QDate::currentDate());
        dtpRQ[i]->setChecked(v.RQ[i].isValid());
    }
    edtHPname->setText(v.HPname);
    rceSL->setValue(v.SL);
    rceZL->setValue(v.ZL);
    ceYF->setValue(v.YF);
    ceBJF->setValue(v.BJF);
    ceFYtotal->setValue(v.FYtotal);
    edtFJemp->setText(v.FJemp);
    edtFHdate->setText(v.FHdate);
    edtKDtype->setText(v.KDtype);
    edtKDcode->setText(v.KDcode);
}

RecordValues TfrmCltEdit::values() const
{
    RecordValues v;
    v.code = edtcode->text();
    v.name = edtName->text();
    v.sheng = cbbSheng->currentText();
    v.city = cbbCity->currentText();
    v.area = edtArea->text();
    v.address = edtAddress->text();
    v.LXRemp = edtLXRemp->text();
    v.postCode = edtPostCode->text();
    v.GDphone = edtGDphone->text();
    v.SJphone = edtSJphone->text();
    v.MDaddress = edtMDaddress->text();
    v.empName = cbbEmpName->currentText();
    v.date = dtpDate->date();
    v.useFlag = cbUseFlag->isChecked();
    v.memo1 = memo1->toPlainText();
    for (int i = 0; i < 5; ++i)
        v.ZF[i] = edtZF[i]->text();
    for (int i = 0; i < 3; ++i) {
        v.SZ[i] = rceSZ[i]->value();
        v.RQ[i] = dtpRQ[i]->checkedDate().value_or(QDate());
    }
    return v;
}

void TfrmCltEdit::FillFields(bool fromRow)
{
    edtcode->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); }"));
    if (fromRow) {
        RecordValues v;
        if (RecordStore::readRecord(m_host.currentRecordId(), v))
            setValues(v);
        return;
    }
    RecordValues empty;
    empty.code = RecordStore::drawCode(4);
    setValues(empty);
}

void TfrmCltEdit::PrepareEditor(int mode)
{
    switch (mode) {
    case Modify:
        SetEditMode(true);
        FillFields(true);
        break;
    case Copy:
        SetEditMode(false);
        FillFields(true);
        if (PubUnit::globals().AutoCodeEnabled) {
            edtcode->setText(RecordStore::drawCode(3));
            edtcode->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(CopyCodeColour.name()));
        } else {
            edtcode->clear();
        }
        break;
    default:
        SetEditMode(false);
        FillFields(false);
        break;
    }
}

int TfrmCltEdit::ShowEditor(int mode)
{
    PrepareEditor(mode);
    adjustSize();
    DispFormPos(this, 1);
    return exec();
}

void TfrmCltEdit::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TfrmCltEdit::FormShow()
{
    ApplyInputMethod(this);
    const PubUnit::LoginGlobals &g = PubUnit::globals();
    const QString text = cbbEmpName->currentText();
    cbbEmpName->clear();
    cbbEmpName->addItems(SalesmanItems(
        {QStringLiteral("select F_name from t_code where (F_name <> '') and ") +
             dmData().dialect().equalsIgnoreCase(QStringLiteral("F_type")),
         {QStringLiteral("empname")}}));
    if (g.OperatorScope == 1) {
        cbbEmpName->setEditText(g.CurrentOperator);
        cbbEmpName->setEnabled(false);
        sbEmpName->setEnabled(false);
        cbbEmpName->setStyleSheet(QStringLiteral("QComboBox { background: aqua; color: black; }"));
    } else {
        cbbEmpName->setEditText(text);
    }

    auto caption = [](int slot, const QString &designed) {
        const QString v = PubUnit::keyValue(slot);
        return (v.isEmpty() ? designed : v) + QStringLiteral("：");
    };
    const char *numbers[] = {"一", "二", "三", "四", "五"};
    for (int i = 0; i < 5; ++i)
        lblZF[i]->setText(caption(1 + i, QStringLiteral("字符项") + QString::fromUtf8(numbers[i])));
    for (int i = 0; i < 3; ++i) {
        lblSZ[i]->setText(caption(6 + i, QStringLiteral("数值项") + QString::fromUtf8(numbers[i])));
        lblRQ[i]->setText(caption(9 + i, QStringLiteral("日期项") + QString::fromUtf8(numbers[i])));
    }
    edtName->setFocus();
}

bool TfrmCltEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == cbbSheng)
            cbbShengEnter();
        else if (watched == cbbCity)
            cbbCityEnter();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCltEdit::cbbShengEnter()
{
    FillItems(QStringLiteral("select distinct F_sheng from t_client where (F_sheng <> '') group by F_sheng"), {}, cbbSheng);
}

void TfrmCltEdit::cbbCityEnter()
{
    FillItems(QStringLiteral("select distinct F_city from t_client where (F_city <> '') and F_sheng = ? group by F_city"),
              {cbbSheng->currentText().trimmed()}, cbbCity);
}

void TfrmCltEdit::sbShengClick()
{
    PickCode(QStringLiteral("sheng"), QStringLiteral("省份资料"), cbbSheng, this);
}

void TfrmCltEdit::sbCityClick()
{
    PickCode(QStringLiteral("city"), QStringLiteral("城市资料"), cbbCity, this);
}

void TfrmCltEdit::sbEmpNameClick()
{
    PickCode(QStringLiteral("empname"), QStringLiteral("业务员资料"), cbbEmpName, this);
}

void TfrmCltEdit::DBNavigator1Click(int move)
{
    static const RecordListHost::Move moves[] = {RecordListHost::Move::First, RecordListHost::Move::Prior,
                                                 RecordListHost::Move::Next, RecordListHost::Move::Last};
    if (m_host.moveCurrent(moves[move]))
        FillFields(true);
    updateNavigator();
}

void TfrmCltEdit::Button1Click()
{
    const int recordId = m_modify ? m_host.currentRecordId() : 0;
    const RecordStore::SaveResult saved = RecordStore::save(values(), recordId);
    if (!saved.ok) {
        ShowMess(SaveFailed, MessError);
        return;
    }
    edtcode->setText(saved.code);
    m_host.reopenOn(saved.recordId);
    m_host.showStatus(QStringLiteral("客户总数：") + QString::number(m_host.recordCount()));
    if (m_modify || !CheckBox1->isChecked()) {
        accept();
    } else {
        FillFields(false);
        edtName->setFocus();
    }
    SetEditMode(false);
}

int ShowEditor(RecordListHost &host, int mode, QWidget *parent)
{
    TfrmCltEdit form(host, parent);
    return form.ShowEditor(mode);
}
