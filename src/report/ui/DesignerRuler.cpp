#include "report/ui/DesignerRuler.h"

#include "report/ui/DesignerCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

DesignerRuler::DesignerRuler(Qt::Orientation orientation, DesignerCanvas &canvas, QWidget *parent)
    : QWidget(parent), m_orientation(orientation), m_canvas(canvas)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DesignerRuler::setMarker(double mm)
{
    m_marker = mm;
    update();
}

void DesignerRuler::setExtent(double fromMm, double toMm)
{
    m_from = fromMm;
    m_to = toMm;
    update();
}

void DesignerRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf2, 0xf2, 0xf2));
    const bool h = m_orientation == Qt::Horizontal;
    const double ppm = m_canvas.pixelsPerMm();
    const double origin = h ? m_canvas.toView({0, 0}).x() : m_canvas.toView({0, 0}).y();
    const int length = h ? width() : height();
    const auto pos = [&](double mm) { return origin + mm * ppm; };

    if (m_to > m_from) {
        const double a = pos(m_from), b = pos(m_to);
        p.fillRect(h ? QRectF(a, 0, b - a, Thickness) : QRectF(0, a, Thickness, b - a), QColor(0xc8, 0xdc, 0xf5));
    }

    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(QColor(0x60, 0x60, 0x60));
    // Ticks at least 3 pixels apart, numbers at least 32; only over the paper.
    int step = 1;
    for (int s : {1, 5, 10, 50})
        if (s * ppm >= 3) {
            step = s;
            break;
        }
    int labelEvery = 100;
    for (int s : {10, 20, 50, 100})
        if (s * ppm >= 32) {
            labelEvery = s;
            break;
        }
    const QSizeF paper = m_canvas.paperSizeMm();
    const double extent = h ? paper.width() : paper.height();
    const int first = std::max(0, int(std::floor(-origin / ppm / step)) * step);
    const int last = std::min(int(std::floor(extent)), int(std::ceil((length - origin) / ppm)));
    for (int mm = first; mm <= last; mm += step) {
        const double x = pos(mm);
        const int tick = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        if (h)
            p.drawLine(QPointF(x, Thickness - tick), QPointF(x, Thickness));
        else
            p.drawLine(QPointF(Thickness - tick, x), QPointF(Thickness, x));
        if (mm % labelEvery == 0) {
            const QString t = QString::number(mm);
            if (h) {
                p.drawText(QPointF(x + 2, 10), t);
            } else {
                p.save();
                p.translate(10, x + 2);
                p.rotate(90);
                p.drawText(QPointF(0, 0), t);
                p.restore();
            }
        }
    }
    p.setPen(QColor(0xd0, 0x20, 0x20));
    const double m = pos(m_marker);
    if (m >= 0 && m <= length) {
        if (h)
            p.drawLine(QPointF(m, 0), QPointF(m, Thickness));
        else
            p.drawLine(QPointF(0, m), QPointF(Thickness, m));
    }
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    if (h)
        p.drawLine(0, Thickness - 1, width(), Thickness - 1);
    else
        p.drawLine(Thickness - 1, 0, Thickness - 1, height());
}
