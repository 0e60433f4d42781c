#include "widgets/TFrmDispFieldXZ.h"

#include "widgets/FormFont.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrmDispFieldXZ::TFrmDispFieldXZ(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmDispFieldXZ"));
    setWindowTitle(QStringLiteral("字段列表"));
    setFont(formFont());
    setFixedSize(289, 322);

    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    BitBtn1 = new QPushButton(QStringLiteral("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("取消"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(CheckListBox1, 1);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);  // Esc rejects as well
}

void TFrmDispFieldXZ::fill(const QStringList &titles, const QList<bool> &visible)
{
    CheckListBox1->clear();
    for (int i = 0; i < titles.size(); ++i) {
        auto *item = new QListWidgetItem(titles.at(i), CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(visible.value(i) ? Qt::Checked : Qt::Unchecked);
    }
}

QList<bool> TFrmDispFieldXZ::ticked() const
{
    QList<bool> out;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        out << (CheckListBox1->item(i)->checkState() == Qt::Checked);
    return out;
}
