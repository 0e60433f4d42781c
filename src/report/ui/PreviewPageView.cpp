#include "report/ui/PreviewPageView.h"

#include <QPainter>

namespace {
constexpr int kBorder = 16;
}

PreviewPageView::PreviewPageView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageView::setReport(std::shared_ptr<PreparedReport> report)
{
    m_report = std::move(report);
    m_page = 0;
    m_marked = -1;
    updateGeometry();
    adjustSize();
    update();
}

void PreviewPageView::setPage(int page)
{
    m_page = page;
    m_marked = -1;
    updateGeometry();
    adjustSize();
    update();
}

void PreviewPageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    updateGeometry();
    adjustSize();
    update();
}

QSizeF PreviewPageView::paperPixels(double zoom) const
{
    QSizeF mm(210, 297);
    if (m_report && m_page >= 0 && m_page < m_report->pageCount())
        mm = m_report->pages[size_t(m_page)].paperMm;
    const double perMm = logicalDpiX() / 25.4 * zoom;
    return mm * perMm;
}

double PreviewPageView::zoomForWidth(int width) const
{
    const QSizeF one = paperPixels(1.0);
    return one.width() > 0 ? (width - 2 * kBorder - 4) / one.width() : 1.0;
}

double PreviewPageView::zoomForPage(const QSize &area) const
{
    const QSizeF one = paperPixels(1.0);
    if (one.isEmpty())
        return 1.0;
    return std::min((area.width() - 2 * kBorder - 4) / one.width(), (area.height() - 2 * kBorder - 4) / one.height());
}

QSize PreviewPageView::sizeHint() const
{
    const QSizeF p = paperPixels(m_zoom);
    return QSize(qCeil(p.width()) + 2 * kBorder, qCeil(p.height()) + 2 * kBorder);
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    if (!m_report || m_page < 0 || m_page >= m_report->pageCount())
        return;
    const QSizeF paper = paperPixels(m_zoom);
    const QPointF origin(std::max<double>(kBorder, (width() - paper.width()) / 2), kBorder);
    const QRectF sheet(origin, paper);
    p.fillRect(sheet.translated(3, 3), QColor(70, 70, 70));
    p.fillRect(sheet, Qt::white);
    p.save();
    p.translate(origin);
    p.scale(m_zoom, m_zoom);
    p.setClipRect(QRectF(QPointF(0, 0), paper / m_zoom));
    RenderOptions o;
    o.nonPrintable = true;
    o.background = true;
    const PreparedPage &page = m_report->pages[size_t(m_page)];
    m_renderer.render(p, page, o);
    if (m_marked >= 0 && m_marked < int(page.items.size())) {
        const double perMm = logicalDpiX() / 25.4;
        const QRectF r = page.items[size_t(m_marked)].rectMm;
        const QRectF box(r.x() * perMm, r.y() * perMm, r.width() * perMm, r.height() * perMm);
        p.fillRect(box, QColor(255, 220, 0, 90));
        p.setPen(QPen(QColor(230, 120, 0), 1.5 / m_zoom));
        p.drawRect(box);
    }
    p.restore();
}
