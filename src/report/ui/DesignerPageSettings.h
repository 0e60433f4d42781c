#pragma once

#include <QList>
#include <QPointF>
#include <QString>

class ReportPage;
class ReportTemplate;

// The settings of the page dialog as one value: paper, orientation, margins and the
// template's print offset, all in millimetres. Width and height are those of the
// paper as it lies (swapped in landscape), as the file holds them.
struct DesignerPageSettings
{
    int paperSize = 9;  // Windows paper number; 256 custom
    double width = 210, height = 297;
    bool landscape = false;
    double leftMargin = 10, topMargin = 10, rightMargin = 10, bottomMargin = 10;
    QPointF printOffsetMm;

    static DesignerPageSettings of(const ReportTemplate &report, const ReportPage &page);
    void applyTo(ReportTemplate &report, ReportPage &page) const;
    bool operator==(const DesignerPageSettings &o) const = default;
};

// The paper sizes the page dialog offers, portrait width × height in millimetres.
struct DesignerPaper
{
    int number;
    QString name;
    double width, height;
};

namespace DesignerPapers {

inline constexpr int Custom = 256;
const QList<DesignerPaper> &all();  // A4, A5, B5, DL envelope, then custom
// The offered paper of this number, or null (custom and unknown numbers).
const DesignerPaper *byNumber(int number);
// The offered paper whose size matches (either orientation, 0.5 mm tolerance), or null.
const DesignerPaper *bySize(double width, double height);

} // namespace DesignerPapers
