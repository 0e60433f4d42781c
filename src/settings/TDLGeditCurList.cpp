#include "settings/TDLGeditCurList.h"

#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLGeditCurList::TDLGeditCurList(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DLGeditCurList"));
    setWindowTitle(QStringLiteral("批量修改当前列"));
    setFont(formFont());

    auto *GroupBox1 = new QGroupBox(this);
    auto *Label1 = new QLabel(QStringLiteral("请输入要填写的字段值："), GroupBox1);
    edtCurValue = new QLineEdit(GroupBox1);
    edtCurValue->setObjectName(QStringLiteral("edtCurValue"));
    edtCurValue->setMaxLength(255);
    edtCurValue->setMinimumWidth(260);
    Label1->setBuddy(edtCurValue);
    auto *box = new QVBoxLayout(GroupBox1);
    box->addWidget(Label1);
    box->addWidget(edtCurValue);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setDefault(true);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *main = new QVBoxLayout(this);
    main->addWidget(GroupBox1);
    main->addLayout(buttons);
    edtCurValue->setFocus();
}

QString TDLGeditCurList::AskValue(const QString &)
{
    adjustSize();
    DispFormPos(this, 0);
    return exec() == Accepted ? edtCurValue->text() : QString();
}

QString AskValue(const QString &fieldName, QWidget *parent)
{
    TDLGeditCurList dlg(parent);
    return dlg.AskValue(fieldName);
}
