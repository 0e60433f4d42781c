#include "main/DispatchPanel.h"

#include "widgets/CheckDateEdit.h"
#include "widgets/FormHelpers.h"
#include "widgets/NumberEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

NumberEdit *numberEdit(const char *name, QWidget *parent, bool money)
{
    auto *e = new NumberEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (money)
        e->setDisplayFormat(NumberEdit::MoneyFormat);
    return e;
}

} // namespace

DispatchPanel::DispatchPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel9"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(94);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    cbbHPname = EditableCombo("cbbHPname", this);
    rceSL = numberEdit("rceSL", this, false);
    rceZL = numberEdit("rceZL", this, false);
    ceYF = numberEdit("ceYF", this, true);
    ceBJF = numberEdit("ceBJF", this, true);
    ceFYtotal = numberEdit("ceFYtotal", this, true);
    cbbFJemp = EditableCombo("cbbFJemp", this);
    dtpFHdate = new CheckDateEdit(this);
    dtpFHdate->setObjectName(QStringLiteral("dtpFHdate"));
    dtpFHdate->setCheckable(false);
    edtKDcode = new QLineEdit(this);
    edtKDcode->setObjectName(QStringLiteral("edtKDcode"));
    edtKDcode->setMaxLength(50);
    MarkChineseInput(edtKDcode);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("单件发货"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_MediaSeekForward), QStringLiteral("批量发货"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));

    auto place = [&](int row, int col, const QString &label, QWidget *w) {
        auto *l = new QLabel(label, this);
        l->setBuddy(w);
        grid->addWidget(l, row, col * 2);
        grid->addWidget(w, row, col * 2 + 1);
    };
    place(0, 0, QStringLiteral("物品名称："), cbbHPname);
    place(0, 1, QStringLiteral("数    量："), rceSL);
    place(0, 2, QStringLiteral("重    量："), rceZL);
    place(1, 0, QStringLiteral("运    费："), ceYF);
    place(1, 1, QStringLiteral("保 价 费："), ceBJF);
    place(1, 2, QStringLiteral("费用合计："), ceFYtotal);
    place(2, 0, QStringLiteral("发 件 人："), cbbFJemp);
    place(2, 1, QStringLiteral("日    期："), dtpFHdate);
    place(2, 2, QStringLiteral("快递单号："), edtKDcode);
    grid->addWidget(BitBtn2, 0, 6, 1, 1);
    grid->addWidget(BitBtn3, 1, 6, 1, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{cbbHPname, rceSL, rceZL, ceYF, ceBJF, ceFYtotal, cbbFJemp, dtpFHdate, edtKDcode})
        w->setMinimumWidth(64);
    dtpFHdate->setMinimumWidth(dtpFHdate->fontMetrics().horizontalAdvance(QStringLiteral("2026-12-31")) + 30);
    for (int c : {1, 3, 5})
        grid->setColumnStretch(c, 1);
}
