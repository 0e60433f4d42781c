#include "main/TFrmAbout.h"

#include "core/PubUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TFrmAbout::TFrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("关于我们"));
    auto *column = new QVBoxLayout(this);
    auto *name = new QLabel(PubUnit::ProductName.trimmed(), this);
    QFont big = name->font();
    big.setPixelSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);
    auto *version = new QLabel(QStringLiteral("版本 ") + PubUnit::ProductVersion.trimmed(), this);
    version->setAlignment(Qt::AlignCenter);
    column->addWidget(version);
    auto *publisher = new QLabel(PubUnit::PublisherCaption, this);
    publisher->setAlignment(Qt::AlignCenter);
    column->addWidget(publisher);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 160)));
}
