#pragma once

#include "report/PreparedReport.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>

#include <unordered_map>

class QPainter;
class ReportMemo;

struct RenderOptions
{
    QPointF offsetMm;          // print offset: everything moves right / down
    bool nonPrintable = true;  // draw objects marked Printable="False" (preview, designer)
    bool background = true;    // draw the page's background picture when it is visible
    bool printing = false;     // printer and PDF: background only when the page says it prints
    QColor paper;              // fill the paper first (pictures); invalid: leave as is
};

// The one renderer of prepared pages onto any QPainter: preview, printer, PDF and
// pictures draw alike. Positions are exact: the painter's origin is the paper's
// top-left corner and 1 mm is the device's resolution / 25.4 pixels, so an object
// at 50 mm from the left edge lands at 50 mm, never fitted to a printable area.
// A zoomed view scales the painter before calling render().
class ReportRenderer
{
public:
    void render(QPainter &p, const PreparedPage &page, const RenderOptions &options = {});

private:
    struct FontEntry
    {
        QFont font;
        QFontMetricsF metrics{QFont()};
        double ascent = 0, descent = 0;
    };
    const FontEntry &fontFor(const ReportMemo &m, QPainter &p);
    void drawMemo(QPainter &p, const ReportMemo &m, const QRectF &r, const QString &text);
    void drawFrame(QPainter &p, const QRectF &r, int sides, double widthPx, qint64 color, const QString &style);
    void drawItem(QPainter &p, const PreparedItem &item, const QRectF &r);

    std::unordered_map<const ReportObject *, FontEntry> m_fonts;
    double m_scale = 1;  // device pixels per mm
    double m_px = 1;     // device pixels per template pixel
    int m_deviceDpi = 0;
};
