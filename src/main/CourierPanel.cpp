#include "main/CourierPanel.h"

#include "core/Seed.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CourierPanel::CourierPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pKDtype"));
    setMinimumWidth(110);
    resize(144, height());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    header = new QLabel(QStringLiteral("快递单类型"), this);
    header->setObjectName(QStringLiteral("Panel6"));
    header->setAlignment(Qt::AlignCenter);
    header->setFixedHeight(28);
    QFont f = header->font();
    f.setPixelSize(16);
    header->setFont(f);
    header->setStyleSheet(QStringLiteral("color: white; background: #1f5fa8;"));
    lbKDlist = new QListWidget(this);
    lbKDlist->setObjectName(QStringLiteral("lbKDlist"));
    QFont big = lbKDlist->font();
    big.setPointSize(11);
    lbKDlist->setFont(big);
    for (const Seed::Courier &c : Seed::couriers())
        lbKDlist->addItem(QString::fromUtf8(c.name));
    btnKDset = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("快递单设计"), this);
    btnKDset->setObjectName(QStringLiteral("btnKDset"));
    btnKDweb = new QPushButton(style()->standardIcon(QStyle::SP_DriveNetIcon), QStringLiteral("快递网站"), this);
    btnKDweb->setObjectName(QStringLiteral("btnKDweb"));
    column->addWidget(header);
    column->addWidget(lbKDlist, 1);
    column->addWidget(btnKDset);
    column->addWidget(btnKDweb);
}
