#include "records/TFrmUserInfo.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "settings/CodeStatements.h"
#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"
#include "widgets/NumberEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString AmountFormat = QStringLiteral("0.######");

} // namespace

namespace SenderInfoStore {

SenderInfo load()
{
    SenderInfo s;
    QSqlQuery q(dmData().db());
    if (!dmData().OpenQuery(q, QStringLiteral("select * from sysInfo")) || !q.next())
        return s;
    auto text = [&q](const char *field) { return q.value(QString::fromLatin1(field)).toString(); };
    auto number = [&q](const char *field) { return q.value(QString::fromLatin1(field)).toDouble(); };
    s.name = text("F_name");
    s.contact = text("F_LXRemp");
    s.fixedPhone = text("F_GDphone");
    s.mobile = text("F_SJphone");
    s.province = text("F_sheng");
    s.city = text("F_city");
    s.district = text("F_area");
    s.address = text("F_address");
    s.postcode = text("F_postcode");
    s.memo = text("F_memo1");
    s.goods = text("F_HPname");
    s.quantity = number("F_SL");
    s.weight = number("F_ZL");
    s.freight = number("F_YF");
    s.insurance = number("F_BJF");
    s.totalFee = number("F_FYtotal");
    s.sender = text("F_FJemp");
    return s;
}

bool save(const SenderInfo &i)
{
    // The table holds exactly one row, so the update needs no condition.
    return dmData().ExecSql(
        QStringLiteral("update sysInfo set F_name = ?, F_LXRemp = ?, F_GDphone = ?, F_SJphone = ?, F_sheng = ?, "
                       "F_city = ?, F_area = ?, F_address = ?, F_postcode = ?, F_memo1 = ?, F_HPname = ?, F_SL = ?, "
                       "F_ZL = ?, F_YF = ?, F_BJF = ?, F_FYtotal = ?, F_FJemp = ?"),
        {i.name.trimmed(), i.contact.trimmed(), i.fixedPhone.trimmed(), i.mobile.trimmed(), i.province.trimmed(),
         i.city.trimmed(), i.district.trimmed(), i.address.trimmed(), i.postcode.trimmed(), i.memo.trimmed(),
         i.goods.trimmed(), i.quantity, i.weight, i.freight, i.insurance, i.totalFee, i.sender.trimmed()});
}

SenderInfo cleared()
{
    return SenderInfo{};
}

double totalFee(double freight, double insurance)
{
    return freight + insurance;
}

} // namespace SenderInfoStore

TFrmUserInfo::TFrmUserInfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmUserInfo"));
    setWindowTitle(QStringLiteral("发件档案信息"));
    setFont(formFont());

    auto *main = new QVBoxLayout(this);
    main->addWidget(buildSenderBox());

    auto button = [this](const char *name, const QString &caption, QStyle::StandardPixmap icon) {
        auto *b = new QPushButton(style()->standardIcon(icon), caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    BitBtn1 = button("BitBtn1", QStringLiteral("重填"), QStyle::SP_DialogResetButton);
    BitBtn3 = button("BitBtn3", QStringLiteral("修改"), QStyle::SP_BrowserReload);
    BitBtn2 = button("BitBtn2", QStringLiteral("保存"), QStyle::SP_DialogSaveButton);
    BitBtn4 = button("BitBtn4", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmUserInfo::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmUserInfo::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmUserInfo::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn2, BitBtn4})
        buttons->addWidget(b);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    connect(ceYF, &NumberEdit::valueChanged, this, &TFrmUserInfo::ceYFChange);
    connect(ceBJF, &NumberEdit::valueChanged, this, &TFrmUserInfo::ceYFChange);
    cbbHPname->installEventFilter(this);
    cbbFJemp->installEventFilter(this);

    // Ctrl+S saves and Esc closes; Enter moves on outside the remarks.
    new FormKeys(this, BitBtn2, BitBtn4);
}

QWidget *TFrmUserInfo::buildSenderBox()
{
    auto *box = new QGroupBox(QStringLiteral(" 发件信息 "), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(6);

    auto edit = [box](const char *name, int width) {
        auto *e = new QLineEdit(box);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(width);
        return e;
    };
    auto combo = [box](const char *name) { return EditableCombo(name, box); };
    auto number = [box](const char *name, const QString &format) {
        auto *n = new NumberEdit(box);
        n->setObjectName(QString::fromLatin1(name));
        n->setDisplayFormat(format);
        n->setAlignment(Qt::AlignRight);
        return n;
    };
    edtName = edit("edtName", 255);
    edtLXRemp = edit("edtLXRemp", 50);
    edtGDphone = edit("edtGDphone", 50);
    edtSJphone = edit("edtSJphone", 50);
    cbbSheng = combo("cbbSheng");
    cbbCity = combo("cbbCity");
    edtArea = edit("edtArea", 50);
    edtAddress = edit("edtAddress", 255);
    edtPostCode = edit("edtPostCode", 50);
    Memo1 = new QPlainTextEdit(box);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(64);
    cbbHPname = combo("cbbHPname");
    rceSL = number("rceSL", AmountFormat);
    rceZL = number("rceZL", AmountFormat);
    ceYF = number("ceYF", NumberEdit::MoneyFormat);
    ceBJF = number("ceBJF", NumberEdit::MoneyFormat);
    ceFYtotal = number("ceFYtotal", NumberEdit::MoneyFormat);
    cbbFJemp = combo("cbbFJemp");
    for (QWidget *w : {static_cast<QWidget *>(edtName), static_cast<QWidget *>(edtGDphone),
                       static_cast<QWidget *>(edtSJphone), static_cast<QWidget *>(edtAddress),
                       static_cast<QWidget *>(edtPostCode)})
        MarkChineseInput(w);

    auto label = [box](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, box);
        l->setBuddy(buddy);
        return l;
    };
    // Two columns of fields, the address and remarks across both.
    const struct
    {
        const char *caption;
        QWidget *field;
        int row, column;
    } cells[] = {
        {"公司名称：", edtName, 0, 0},   {"收 件 人：", edtLXRemp, 1, 0}, {"固定电话：", edtGDphone, 1, 2},
        {"联系手机：", edtSJphone, 2, 0}, {"邮    编：", edtPostCode, 2, 2}, {"省    份：", cbbSheng, 3, 0},
        {"城    市：", cbbCity, 3, 2},   {"城    区：", edtArea, 4, 0},  {"地    址：", edtAddress, 5, 0},
        {"备    注：", Memo1, 6, 0},      {"物品名称：", cbbHPname, 7, 0}, {"发 件 人：", cbbFJemp, 7, 2},
        {"数    量：", rceSL, 8, 0},      {"重    量：", rceZL, 8, 2},   {"运    费：", ceYF, 9, 0},
        {"保 价 费：", ceBJF, 9, 2},      {"费用合计：", ceFYtotal, 10, 0},
    };
    for (const auto &c : cells) {
        const Qt::Alignment place = Qt::AlignRight | (c.field == Memo1 ? Qt::AlignTop : Qt::AlignVCenter);
        g->addWidget(label(QString::fromUtf8(c.caption), c.field), c.row, c.column, place);
        const bool wide = c.field == edtName || c.field == edtAddress || c.field == Memo1;
        g->addWidget(c.field, c.row, c.column + 1, 1, wide ? 3 : 1);
    }
    for (QWidget *w : {static_cast<QWidget *>(edtLXRemp), static_cast<QWidget *>(edtGDphone)})
        w->setMinimumWidth(150);

    // The fixed icon on the group box's right edge.
    auto *icon = new QLabel(box);
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    icon->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    g->addWidget(icon, 10, 2, 1, 2, Qt::AlignRight | Qt::AlignBottom);

    // The tab order follows the rows, left to right.
    QWidget *order[] = {edtName,  edtLXRemp, edtGDphone, edtSJphone, edtPostCode, cbbSheng, cbbCity,
                        edtArea,  edtAddress, Memo1,     cbbHPname,  cbbFJemp,    rceSL,    rceZL,
                        ceYF,     ceBJF,      ceFYtotal};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    return box;
}

void TFrmUserInfo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFrmUserInfo::FormShow()
{
    ApplyInputMethod(this);
    FillFields(true);
    edtName->setFocus();
}

void TFrmUserInfo::FillFields(bool fromDatabase)
{
    setValues(fromDatabase ? SenderInfoStore::load() : SenderInfoStore::cleared());
}

SenderInfo TFrmUserInfo::values() const
{
    SenderInfo s;
    s.name = edtName->text();
    s.contact = edtLXRemp->text();
    s.fixedPhone = edtGDphone->text();
    s.mobile = edtSJphone->text();
    s.province = cbbSheng->currentText();
    s.city = cbbCity->currentText();
    s.district = edtArea->text();
    s.address = edtAddress->text();
    s.postcode = edtPostCode->text();
    s.memo = Memo1->toPlainText();
    s.goods = cbbHPname->currentText();
    s.quantity = rceSL->value();
    s.weight = rceZL->value();
    s.freight = ceYF->value();
    s.insurance = ceBJF->value();
    s.totalFee = ceFYtotal->value();
    s.sender = cbbFJemp->currentText();
    return s;
}

void TFrmUserInfo::setValues(const SenderInfo &s)
{
    edtName->setText(s.name);
    edtLXRemp->setText(s.contact);
    edtGDphone->setText(s.fixedPhone);
    edtSJphone->setText(s.mobile);
    cbbSheng->setEditText(s.province);
    cbbCity->setEditText(s.city);
    edtArea->setText(s.district);
    edtAddress->setText(s.address);
    edtPostCode->setText(s.postcode);
    Memo1->setPlainText(s.memo);
    cbbHPname->setEditText(s.goods);
    rceSL->setValue(s.quantity);
    rceZL->setValue(s.weight);
    ceYF->setValue(s.freight);
    ceBJF->setValue(s.insurance);
    // Last, so that the stored total stands rather than the sum of the two fees.
    ceFYtotal->setValue(s.totalFee);
    cbbFJemp->setEditText(s.sender);
}

void TFrmUserInfo::BitBtn1Click()
{
    FillFields(false);
}

void TFrmUserInfo::BitBtn3Click()
{
    FillFields(true);
}

void TFrmUserInfo::BitBtn2Click()
{
    if (!SenderInfoStore::save(values()))
        return;
    m_saved = true;
    PubUnit::globals().ReportOwnerName = dmData().QueryText(QStringLiteral("select F_code from sysInfo"));
    ShowMess(QStringLiteral("当前更改成功！"), MessInfo);
}

void TFrmUserInfo::ceYFChange()
{
    ceFYtotal->setValue(SenderInfoStore::totalFee(ceYF->value(), ceBJF->value()));
}

void TFrmUserInfo::cbbHPnameEnter()
{
    const SqlStatement s = CodeStatements::comboItems(QStringLiteral("HPname"));
    FillItems(s.text, s.values, cbbHPname);
}

void TFrmUserInfo::cbbFJempEnter()
{
    const SqlStatement s = CodeStatements::comboItems(QStringLiteral("FJemp"));
    FillItems(s.text, s.values, cbbFJemp);
}

bool TFrmUserInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == cbbHPname)
            cbbHPnameEnter();
        else if (watched == cbbFJemp)
            cbbFJempEnter();
    }
    return QDialog::eventFilter(watched, event);
}

bool ShowUserInfo(QWidget *parent)
{
    TFrmUserInfo form(parent);
    DispFormPos(&form, 1);
    form.exec();
    return form.wasSaved();
}
