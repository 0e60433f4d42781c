#include "widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

RecordNavigator::RecordNavigator(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DBNavigator1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const struct
    {
        const char *name;
        QStyle::StandardPixmap icon;
        const char *hint;
    } buttons[] = {
        {"nbFirst", QStyle::SP_MediaSkipBackward, "第一条"},
        {"nbPrior", QStyle::SP_MediaSeekBackward, "上一条"},
        {"nbNext", QStyle::SP_MediaSeekForward, "下一条"},
        {"nbLast", QStyle::SP_MediaSkipForward, "最后一条"},
    };
    for (int move = First; move <= Last; ++move) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(buttons[move].name));
        b->setIcon(style()->standardIcon(buttons[move].icon));
        b->setToolTip(QString::fromUtf8(buttons[move].hint));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, move] { emit moveClicked(move); });
        row->addWidget(b);
        m_buttons[move] = b;
    }
}
