#include "settings/TDLGaddText.h"

#include "core/Messages.h"
#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TDLGaddText::TDLGaddText(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DLGaddText"));
    setWindowTitle(QStringLiteral("请输入要增加的标题名称"));
    setFont(formFont());

    auto *GroupBox1 = new QGroupBox(this);
    auto *Label1 = new QLabel(QStringLiteral("名    称："), GroupBox1);
    edtName = new QLineEdit(GroupBox1);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setMaxLength(255);  // t_code.F_name
    edtName->setMinimumWidth(220);
    Label1->setBuddy(edtName);
    auto *row = new QHBoxLayout(GroupBox1);
    row->addWidget(Label1);
    row->addWidget(edtName, 1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("关闭"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TDLGaddText::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *main = new QVBoxLayout(this);
    main->addWidget(GroupBox1);
    main->addLayout(buttons);

    new FormKeys(this, nullptr, BitBtn2);
    setTabOrder(edtName, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    edtName->setFocus();
}

void TDLGaddText::BitBtn1Click()
{
    if (edtName->text().trimmed().isEmpty()) {
        ShowMess(QStringLiteral("名称不能为空！"), MessInfo);
        edtName->setFocus();
        return;
    }
    accept();
}

bool TDLGaddText::AskText(QString &text)
{
    adjustSize();
    DispFormPos(this, 0);
    if (exec() != Accepted)
        return false;
    text = edtName->text();
    return true;
}

std::optional<QString> AskText(QWidget *parent)
{
    TDLGaddText dlg(parent);
    QString text;
    if (!dlg.AskText(text))
        return std::nullopt;
    return text;
}
