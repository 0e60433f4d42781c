#include "app/TfrmSplash.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

// The product picture: drawn, so that no image asset is needed.
QPixmap splashPicture(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
    g.setColorAt(1, QColor(0xe8, 0xf1, 0xfa));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("WenQuanYi Micro Hei"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 60, size.width(), 50), Qt::AlignCenter, QStringLiteral("Marlo快递单打印软件"));
    title.setPixelSize(16);
    title.setBold(false);
    p.setFont(title);
    p.drawText(QRect(0, 110, size.width(), 30), Qt::AlignCenter, QStringLiteral("v1.80 企业版"));
    return pm;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("系统登录 splash 界面"));
    setFixedSize(470, 294);
    auto *picture = new QLabel(this);
    picture->setGeometry(rect());
    picture->setPixmap(splashPicture(size()));
    picture->setScaledContents(true);
    Label1 = new QLabel(QStringLiteral("系统正在启动，请稍候 ....."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f(QStringLiteral("SimSun"));
    f.setPixelSize(14);
    Label1->setFont(f);
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    Label1->setGeometry(16, height() - 40, width() - 32, 24);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TfrmSplash::setStatus(const QString &text)
{
    Label1->setText(text);
    Label1->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
