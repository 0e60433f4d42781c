#include "records/TDlgCltCx.h"

#include "core/DataModule.h"
#include "core/PubUnit.h"
#include "widgets/CheckDateEdit.h"
#include "settings/CodeStatements.h"
#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLineEdit *lineEdit(const char *name, bool chinese, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(255);
    if (chinese)
        MarkChineseInput(e);
    return e;
}

QComboBox *comboBox(const char *name, QWidget *parent)
{
    QComboBox *b = EditableCombo(name, parent);
    b->lineEdit()->setMaxLength(255);
    b->setMinimumContentsLength(14);
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Names of places and people are typed in Chinese.
    MarkChineseInput(b);
    return b;
}

CheckDateEdit *datePicker(const char *name, QWidget *parent)
{
    auto *d = new CheckDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setEnabled(false);
    return d;
}

} // namespace

TDlgCltCx::TDlgCltCx(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgCltCx"));
    setWindowTitle(QStringLiteral("快递单据查询对话框"));
    setFont(formFont());

    auto *fields = new QGroupBox(this);
    // Created in the order of the tab chain, row by row.
    edtName = lineEdit("edtName", true, fields);
    edtKDcode = lineEdit("edtKDcode", true, fields);
    cbbSheng = comboBox("cbbSheng", fields);
    cbbCity = comboBox("cbbCity", fields);
    edtArea = lineEdit("edtArea", true, fields);
    edtLXRemp = lineEdit("edtLXRemp", true, fields);
    edtAddress = lineEdit("edtAddress", true, fields);
    edtPostCode = lineEdit("edtPostCode", true, fields);
    edtGDphone = lineEdit("edtGDphone", true, fields);
    edtSJphone = lineEdit("edtSJphone", true, fields);
    cbbEmpName = comboBox("cbbEmpName", fields);
    edtMDaddress = lineEdit("edtMDaddress", true, fields);
    cbbHPname = comboBox("cbbHPname", fields);
    cbbFJemp = comboBox("cbbFJemp", fields);
    cbbKDtype = comboBox("cbbKDtype", fields);

    auto *g = new QGridLayout(fields);
    g->setColumnMinimumWidth(1, 180);
    g->setColumnMinimumWidth(3, 180);
    auto put = [&](const QString &caption, QWidget *w, int row, int col, int span = 1) {
        auto *l = new QLabel(caption, fields);
        l->setBuddy(w);
        g->addWidget(l, row, col);
        g->addWidget(w, row, col + 1, 1, span);
    };
    put(QStringLiteral("公司名称："), edtName, 0, 0);
    put(QStringLiteral("快递单号："), edtKDcode, 0, 2);
    put(QStringLiteral("省    份："), cbbSheng, 1, 0);
    put(QStringLiteral("城    市："), cbbCity, 1, 2);
    put(QStringLiteral("城    区："), edtArea, 2, 0);
    put(QStringLiteral("收 件 人："), edtLXRemp, 2, 2);
    put(QStringLiteral("地    址："), edtAddress, 3, 0, 3);
    put(QStringLiteral("邮    编："), edtPostCode, 4, 0);
    put(QStringLiteral("固定电话："), edtGDphone, 4, 2);
    put(QStringLiteral("联系手机："), edtSJphone, 5, 0);
    put(QStringLiteral("业 务 员："), cbbEmpName, 5, 2);
    put(QStringLiteral("收件地址："), edtMDaddress, 6, 0, 3);
    put(QStringLiteral("物品名称："), cbbHPname, 7, 0);
    put(QStringLiteral("发 件 人："), cbbFJemp, 7, 2);
    put(QStringLiteral("快递类型："), cbbKDtype, 8, 0);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    rbAll = new QRadioButton(QStringLiteral("全  部"), RadioGroup1);
    rbNotSent = new QRadioButton(QStringLiteral("未  发"), RadioGroup1);
    rbSent = new QRadioButton(QStringLiteral("已  发"), RadioGroup1);
    rbAll->setChecked(true);
    auto *radios = new QHBoxLayout(RadioGroup1);
    for (QRadioButton *r : {rbAll, rbNotSent, rbSent})
        radios->addWidget(r, 1);

    auto *dates = new QGroupBox(this);
    auto *dg = new QGridLayout(dates);
    CheckBox1 = new QCheckBox(QStringLiteral("日    期：  自"), dates);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    dtpfromDate = datePicker("dtpfromDate", dates);
    dtptoDate = datePicker("dtptoDate", dates);
    CheckBox2 = new QCheckBox(QStringLiteral("发货日期：  自"), dates);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    dtpfromDate1 = datePicker("dtpfromDate1", dates);
    dtptoDate1 = datePicker("dtptoDate1", dates);
    dg->addWidget(CheckBox1, 0, 0);
    dg->addWidget(dtpfromDate, 0, 1);
    dg->addWidget(new QLabel(QStringLiteral("至"), dates), 0, 2);
    dg->addWidget(dtptoDate, 0, 3);
    dg->addWidget(CheckBox2, 1, 0);
    dg->addWidget(dtpfromDate1, 1, 1);
    dg->addWidget(new QLabel(QStringLiteral("至"), dates), 1, 2);
    dg->addWidget(dtptoDate1, 1, 3);
    dg->setColumnStretch(1, 1);
    dg->setColumnStretch(3, 1);
    connect(CheckBox1, &QCheckBox::toggled, this, &TDlgCltCx::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TDlgCltCx::CheckBox2Click);

    Button1 = new QPushButton(QStringLiteral("查询(&P)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("关闭(&C)"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
    }
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *main = new QVBoxLayout(this);
    main->addWidget(fields);
    main->addWidget(RadioGroup1);
    main->addWidget(dates);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    new FormKeys(this, Button1, Button2);
    for (QComboBox *b : {cbbSheng, cbbCity, cbbEmpName, cbbHPname, cbbFJemp, cbbKDtype})
        b->installEventFilter(this);
}

void TDlgCltCx::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TDlgCltCx::FormShow()
{
    ApplyInputMethod(this);
    const PubUnit::LoginGlobals &g = PubUnit::globals();
    cbbEmpName->clear();
    cbbEmpName->addItems(SalesmanItems(CodeStatements::comboItems(QStringLiteral("empname"))));
    if (g.OperatorScope == 1) {
        cbbEmpName->setEditText(g.CurrentOperator);
        cbbEmpName->setEnabled(false);
        cbbEmpName->setStyleSheet(QStringLiteral("QComboBox { background: aqua; color: black; }"));
    }
    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    for (CheckDateEdit *d : {dtpfromDate, dtpfromDate1})
        d->setDate(first);
    for (CheckDateEdit *d : {dtptoDate, dtptoDate1})
        d->setDate(today);
    for (CheckDateEdit *d : {dtpfromDate, dtptoDate, dtpfromDate1, dtptoDate1})
        d->setChecked(false);
    edtName->setFocus();
}

void TDlgCltCx::CheckBox1Click()
{
    dtpfromDate->setEnabled(CheckBox1->isChecked());
    dtptoDate->setEnabled(CheckBox1->isChecked());
}

void TDlgCltCx::CheckBox2Click()
{
    dtpfromDate1->setEnabled(CheckBox2->isChecked());
    dtptoDate1->setEnabled(CheckBox2->isChecked());
}

bool TDlgCltCx::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == cbbSheng)
            cbbShengEnter();
        else if (watched == cbbCity)
            cbbCityEnter();
        else if (watched == cbbEmpName)
            cbbEmpNameEnter();
        else if (watched == cbbHPname)
            cbbHPnameEnter();
        else if (watched == cbbFJemp)
            cbbFJempEnter();
        else if (watched == cbbKDtype)
            cbbKDtypeEnter();
    }
    return QDialog::eventFilter(watched, event);
}

void TDlgCltCx::cbbShengEnter()
{
    FillItems(QStringLiteral("select distinct F_sheng from t_client where (F_sheng <> '') group by F_sheng"), {}, cbbSheng);
}

void TDlgCltCx::cbbCityEnter()
{
    FillItems(QStringLiteral("select distinct F_city from t_client where (F_city <> '') and F_sheng = ? group by F_city"),
              {cbbSheng->currentText().trimmed()}, cbbCity);
}

void TDlgCltCx::cbbEmpNameEnter()
{
    // The operator's scope limits the list here as everywhere.
    const QString text = cbbEmpName->currentText();
    cbbEmpName->clear();
    cbbEmpName->addItems(SalesmanItems(CodeStatements::comboItems(QStringLiteral("empname"))));
    cbbEmpName->setEditText(text);
}

void TDlgCltCx::cbbHPnameEnter()
{
    const SqlStatement s = CodeStatements::comboItems(QStringLiteral("HPname"));
    FillItems(s.text, s.values, cbbHPname);
}

void TDlgCltCx::cbbFJempEnter()
{
    const SqlStatement s = CodeStatements::comboItems(QStringLiteral("FJemp"));
    FillItems(s.text, s.values, cbbFJemp);
}

void TDlgCltCx::cbbKDtypeEnter()
{
    FillItems(QStringLiteral("select distinct F_name from t_KDimage where (F_name <> '') group by F_name"), {}, cbbKDtype);
}

SearchCriteria TDlgCltCx::criteria() const
{
    SearchCriteria c;
    c.name = edtName->text();
    c.KDcode = edtKDcode->text();
    c.sheng = cbbSheng->currentText();
    c.city = cbbCity->currentText();
    c.area = edtArea->text();
    c.address = edtAddress->text();
    c.LXRemp = edtLXRemp->text();
    c.postCode = edtPostCode->text();
    c.GDphone = edtGDphone->text();
    c.SJphone = edtSJphone->text();
    c.MDaddress = edtMDaddress->text();
    c.empName = cbbEmpName->currentText();
    c.HPname = cbbHPname->currentText();
    c.FJemp = cbbFJemp->currentText();
    c.KDtype = cbbKDtype->currentText();
    c.sent = rbNotSent->isChecked() ? SearchCriteria::NotSent : rbSent->isChecked() ? SearchCriteria::SentOnly
                                                                                      : SearchCriteria::All;
    c.dateRange = CheckBox1->isChecked();
    c.dateFrom = dtpfromDate->checkedDate().value_or(QDate());
    c.dateTo = dtptoDate->checkedDate().value_or(QDate());
    c.dispatchRange = CheckBox2->isChecked();
    c.dispatchFrom = dtpfromDate1->checkedDate().value_or(QDate());
    c.dispatchTo = dtptoDate1->checkedDate().value_or(QDate());
    return c;
}

SqlStatement TDlgCltCx::ShowSearch()
{
    const SqlStatement scope = RecordScopeCondition();  // the scope as it stands when the dialog opens
    DispFormPos(this, 1);
    if (exec() != Accepted)
        return {};
    return BuildSearchStatement(criteria(), scope);
}

SqlStatement ShowSearch(QWidget *parent)
{
    TDlgCltCx dlg(parent);
    return dlg.ShowSearch();
}
