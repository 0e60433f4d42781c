#include "report/ui/DesignerPageSettings.h"

#include "report/ReportTemplate.h"

#include <cmath>

DesignerPageSettings DesignerPageSettings::of(const ReportTemplate &report, const ReportPage &page)
{
    DesignerPageSettings s;
    s.paperSize = page.paperSize;
    s.width = page.paperWidth;
    s.height = page.paperHeight;
    s.landscape = page.landscape;
    s.leftMargin = page.leftMargin;
    s.topMargin = page.topMargin;
    s.rightMargin = page.rightMargin;
    s.bottomMargin = page.bottomMargin;
    s.printOffsetMm = report.printOffsetMm;
    return s;
}

void DesignerPageSettings::applyTo(ReportTemplate &report, ReportPage &page) const
{
    page.paperSize = paperSize;
    page.paperWidth = width;
    page.paperHeight = height;
    page.landscape = landscape;
    page.leftMargin = leftMargin;
    page.topMargin = topMargin;
    page.rightMargin = rightMargin;
    page.bottomMargin = bottomMargin;
    report.printOffsetMm = printOffsetMm;
}

namespace DesignerPapers {

const QList<DesignerPaper> &all()
{
    static const QList<DesignerPaper> papers = {
        {9, QStringLiteral("A4"), 210, 297},
        {11, QStringLiteral("A5"), 148, 210},
        {13, QStringLiteral("B5"), 182, 257},
        {27, QStringLiteral("DL 信封"), 110, 220},
        {Custom, QStringLiteral("自定义"), 0, 0},
    };
    return papers;
}

const DesignerPaper *byNumber(int number)
{
    for (const DesignerPaper &p : all())
        if (p.number == number && p.number != Custom)
            return &p;
    return nullptr;
}

const DesignerPaper *bySize(double width, double height)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 0.5; };
    for (const DesignerPaper &p : all())
        if (p.number != Custom && ((near(p.width, width) && near(p.height, height)) ||
                                   (near(p.width, height) && near(p.height, width))))
            return &p;
    return nullptr;
}

} // namespace DesignerPapers
