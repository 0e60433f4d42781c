#include "WaybillPicture.h"

#include <QFont>
#include <QPainter>

QImage waybillPicture(const QSize &size, const QString &mark)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 235));
    QPainter p(&image);
    const double sx = size.width() / 870.0;
    const double sy = size.height() / 480.0;
    p.scale(sx, sy);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawRect(10, 10, 850, 460);
    const struct
    {
        QRect box;
        const char *label;
    } boxes[] = {
        {{20, 60, 410, 170}, "寄件人 姓名 / 公司 / 地址 / 电话"},
        {{440, 60, 410, 170}, "收件人 姓名 / 公司 / 地址 / 电话"},
        {{20, 240, 270, 110}, "内件品名 · 数量"},
        {{300, 240, 270, 110}, "重量(公斤) · 运费 · 保价费"},
        {{580, 240, 270, 110}, "寄件日期 · 寄件人签名"},
        {{20, 360, 830, 100}, "快递单号"},
    };
    for (const auto &b : boxes) {
        p.drawRect(b.box);
        p.drawText(b.box.adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(b.label));
    }
    QFont title = font;
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(20, 14, 830, 40), Qt::AlignCenter, QStringLiteral("国内快递详情单"));
    if (!mark.isEmpty()) {
        p.setFont(font);
        p.drawText(QRect(700, 18, 150, 30), Qt::AlignRight, mark);
    }
    return image;
}
