#include "report/ReportRenderer.h"

#include "report/BarcodePainter.h"
#include "report/ReportBarcode.h"
#include "report/ReportFonts.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

using namespace ReportUnits;

Qt::PenStyle penStyle(const QString &s)
{
    if (s == QLatin1String("fsDash"))
        return Qt::DashLine;
    if (s == QLatin1String("fsDot"))
        return Qt::DotLine;
    if (s == QLatin1String("fsDashDot"))
        return Qt::DashDotLine;
    if (s == QLatin1String("fsDashDotDot"))
        return Qt::DashDotDotLine;
    return Qt::SolidLine;
}

int alignFlags(const ReportMemo &m)
{
    int f = 0;
    switch (m.hAlign) {
    case HAlign::Left: f |= Qt::AlignLeft; break;
    case HAlign::Center: f |= Qt::AlignHCenter; break;
    case HAlign::Right: f |= Qt::AlignRight; break;
    case HAlign::Block: f |= Qt::AlignJustify; break;
    }
    switch (m.vAlign) {
    case VAlign::Top: f |= Qt::AlignTop; break;
    case VAlign::Center: f |= Qt::AlignVCenter; break;
    case VAlign::Bottom: f |= Qt::AlignBottom; break;
    }
    return f;
}

} // namespace

const ReportRenderer::FontEntry &ReportRenderer::fontFor(const ReportMemo &m, QPainter &p)
{
    auto it = m_fonts.find(&m);
    if (it != m_fonts.end())
        return it->second;
    FontEntry e;
    e.font = ReportFonts::font(m.font);
    e.metrics = QFontMetricsF(e.font, p.device());
    e.ascent = e.metrics.ascent();
    e.descent = e.metrics.descent();
    return m_fonts.emplace(&m, std::move(e)).first->second;
}

void ReportRenderer::drawFrame(QPainter &p, const QRectF &r, int sides, double widthPx, qint64 color,
                               const QString &style)
{
    if (!sides)
        return;
    QPen pen(toColor(color));
    pen.setWidthF(std::max(widthPx * m_px, 0.5));
    pen.setStyle(penStyle(style));
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if ((sides & ReportFrame::All) == ReportFrame::All && pen.style() == Qt::SolidLine) {
        p.drawRect(r);
        return;
    }
    if (sides & ReportFrame::Left)
        p.drawLine(r.topLeft(), r.bottomLeft());
    if (sides & ReportFrame::Right)
        p.drawLine(r.topRight(), r.bottomRight());
    if (sides & ReportFrame::Top)
        p.drawLine(r.topLeft(), r.topRight());
    if (sides & ReportFrame::Bottom)
        p.drawLine(r.bottomLeft(), r.bottomRight());
}

void ReportRenderer::drawMemo(QPainter &p, const ReportMemo &m, const QRectF &r, const QString &text)
{
    const QColor fill = toColor(m.fillColor);
    if (fill.isValid())
        p.fillRect(r, fill);
    if (!text.isEmpty()) {
        const FontEntry &f = fontFor(m, p);
        p.setFont(f.font);
        p.setPen(toColor(m.font.color).isValid() ? toColor(m.font.color) : QColor(Qt::black));
        QRectF box = r;
        const bool turned = m.rotation == 90 || m.rotation == 270;
        if (m.rotation != 0) {
            p.save();
            p.translate(r.center());
            p.rotate(-m.rotation);
            box = turned ? QRectF(-r.height() / 2, -r.width() / 2, r.height(), r.width())
                         : QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height());
        }
        const QRectF inner = box.adjusted(m.gapX * m_px, m.gapY * m_px, -m.gapX * m_px, -m.gapY * m_px);
        const bool oneLine = !text.contains(QLatin1Char('\n'));
        double advance = 0;
        if (oneLine)
            advance = f.metrics.horizontalAdvance(text);
        if (oneLine && (!m.wordWrap || advance <= inner.width() + 0.5)) {
            // The common case, drawn without a layout pass: one line placed by alignment.
            double x = inner.left();
            if (m.hAlign == HAlign::Center)
                x = inner.left() + (inner.width() - advance) / 2;
            else if (m.hAlign == HAlign::Right)
                x = inner.right() - advance;
            double y = inner.top() + f.ascent;
            if (m.vAlign == VAlign::Center)
                y = inner.top() + (inner.height() - f.ascent - f.descent) / 2 + f.ascent;
            else if (m.vAlign == VAlign::Bottom)
                y = inner.bottom() - f.descent;
            // Text wider than its memo is cut at the memo's edge, as templates expect.
            const bool clip = advance > inner.width() + 0.5;
            if (clip) {
                p.save();
                p.setClipRect(box, Qt::IntersectClip);
            }
            p.drawText(QPointF(x, y), text);
            if (clip)
                p.restore();
        } else {
            QString t = text;
            t.remove(QLatin1Char('\r'));
            p.save();
            p.setClipRect(box, Qt::IntersectClip);
            p.drawText(inner, alignFlags(m) | (m.wordWrap ? Qt::TextWordWrap : 0), t);
            p.restore();
        }
        if (m.rotation != 0)
            p.restore();
    }
    drawFrame(p, r, m.frame.typ, m.frame.width, m.frame.color, m.frame.style);
}

void ReportRenderer::drawItem(QPainter &p, const PreparedItem &item, const QRectF &r)
{
    const ReportObject &o = *item.object;
    switch (o.kind()) {
    case ReportObject::Kind::Memo:
        drawMemo(p, static_cast<const ReportMemo &>(o), r, item.text);
        break;
    case ReportObject::Kind::Picture: {
        const auto &pic = static_cast<const ReportPicture &>(o);
        const QColor fill = toColor(pic.fillColor);
        if (fill.isValid())
            p.fillRect(r, fill);
        const QImage &img = item.image.isNull() ? pic.picture.image() : item.image;
        if (!img.isNull()) {
            QRectF target = r;
            if (!pic.stretched) {
                target = QRectF(r.topLeft(), QSizeF(img.width() * m_px, img.height() * m_px));
                if (pic.center)
                    target.moveCenter(r.center());
            } else if (pic.keepAspectRatio) {
                QSizeF s = img.size();
                s.scale(r.size(), Qt::KeepAspectRatio);
                target = QRectF(r.topLeft(), s);
                if (pic.center)
                    target.moveCenter(r.center());
            }
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            p.drawImage(target, img);
            p.restore();
        }
        drawFrame(p, r, pic.frame.typ, pic.frame.width, pic.frame.color, pic.frame.style);
        break;
    }
    case ReportObject::Kind::Line: {
        const auto &l = static_cast<const ReportLine &>(o);
        QPen pen(toColor(l.frame.color).isValid() ? toColor(l.frame.color) : QColor(Qt::black));
        pen.setWidthF(std::max(l.frame.width * m_px, 0.5));
        pen.setStyle(penStyle(l.frame.style));
        p.setPen(pen);
        p.drawLine(r.topLeft(), r.bottomRight());
        break;
    }
    case ReportObject::Kind::Shape: {
        const auto &s = static_cast<const ReportShape &>(o);
        QPen pen(toColor(s.frame.color).isValid() ? toColor(s.frame.color) : QColor(Qt::black));
        pen.setWidthF(std::max(s.frame.width * m_px, 0.5));
        pen.setStyle(penStyle(s.frame.style));
        p.setPen(pen);
        const QColor fill = toColor(s.fillColor);
        p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        if (s.shape == QLatin1String("skEllipse")) {
            p.drawEllipse(r);
        } else if (s.shape == QLatin1String("skRoundRectangle")) {
            const double radius = std::min(r.width(), r.height()) * (s.curve > 0 ? s.curve : 2) / 20.0;
            p.drawRoundedRect(r, radius, radius);
        } else if (s.shape == QLatin1String("skTriangle")) {
            p.drawPolygon(QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()}));
        } else if (s.shape == QLatin1String("skDiamond")) {
            p.drawPolygon(QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                                     QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())}));
        } else if (s.shape == QLatin1String("skDiagonal1")) {
            p.drawLine(r.bottomLeft(), r.topRight());
        } else if (s.shape == QLatin1String("skDiagonal2")) {
            p.drawLine(r.topLeft(), r.bottomRight());
        } else {
            p.drawRect(r);
        }
        p.setBrush(Qt::NoBrush);
        break;
    }
    case ReportObject::Kind::Barcode: {
        const auto &b = static_cast<const ReportBarcode &>(o);
        const QColor fill = toColor(b.color);
        if (fill.isValid() && fill != QColor(Qt::white))
            p.fillRect(r, fill);
        BarcodePainter::draw(p, r, b, item.text);
        break;
    }
    case ReportObject::Kind::Unknown:
        break;
    }
}

void ReportRenderer::render(QPainter &p, const PreparedPage &page, const RenderOptions &o)
{
    const int dpi = p.device() ? p.device()->logicalDpiX() : 96;
    m_scale = dpi / 25.4;
    m_px = m_scale / PxPerMm;
    if (dpi != m_deviceDpi) {
        m_fonts.clear();
        m_deviceDpi = dpi;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF paper(0, 0, page.paperMm.width() * m_scale, page.paperMm.height() * m_scale);
    if (o.paper.isValid())
        p.fillRect(paper, o.paper);
    const double dx = o.offsetMm.x(), dy = o.offsetMm.y();
    if (page.page && !page.page->backPicture.isNull() && o.background &&
        (o.printing ? page.page->backPicturePrintable : page.page->backPictureVisible)) {
        p.drawImage(paper.translated(dx * m_scale, dy * m_scale), page.page->backPicture.image());
    }
    for (const PreparedItem &item : page.items) {
        if (!item.object->printable && !o.nonPrintable)
            continue;
        const QRectF r((item.rectMm.x() + dx) * m_scale, (item.rectMm.y() + dy) * m_scale,
                       item.rectMm.width() * m_scale, item.rectMm.height() * m_scale);
        drawItem(p, item, r);
    }
    p.restore();
}
