#pragma once

#include "report/PreparedReport.h"
#include "report/ReportRenderer.h"

#include <QWidget>

#include <memory>

// Draws one prepared page at a zoom factor, on grey, with the scanned form and the
// objects that never print, as the preview shows them. A found text is marked.
class PreviewPageView : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPageView(QWidget *parent = nullptr);

    void setReport(std::shared_ptr<PreparedReport> report);
    void setPage(int page);
    int page() const { return m_page; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    void setMarked(int item) { m_marked = item; update(); }
    // The zoom at which a page of the report fits the given width or the whole area.
    double zoomForWidth(int width) const;
    double zoomForPage(const QSize &area) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QSizeF paperPixels(double zoom) const;

    std::shared_ptr<PreparedReport> m_report;
    ReportRenderer m_renderer;
    int m_page = 0;
    int m_marked = -1;
    double m_zoom = 1.0;
};
