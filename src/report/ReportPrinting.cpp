#include "report/ReportPrinting.h"

#include "report/ReportRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace ReportPrinting {

void setPaper(QPrinter &printer, const PreparedPage &page)
{
    const double w = page.paperMm.width(), h = page.paperMm.height();
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    printer.setPageLayout(QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool print(const PreparedReport &r, QPrinter &printer, int fromPage, int toPage)
{
    if (r.pages.empty())
        return false;
    const int first = std::clamp(fromPage > 0 ? fromPage : 1, 1, r.pageCount());
    const int last = std::clamp(toPage > 0 ? toPage : r.pageCount(), first, r.pageCount());
    printer.setFullPage(true);
    setPaper(printer, r.pages[size_t(first - 1)]);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    ReportRenderer renderer;
    RenderOptions o;
    o.nonPrintable = false;
    o.printing = true;
    o.offsetMm = r.printOffsetMm;
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            setPaper(printer, r.pages[size_t(i - 1)]);
            printer.newPage();
        }
        renderer.render(p, r.pages[size_t(i - 1)], o);
    }
    return p.end();
}

} // namespace ReportPrinting
