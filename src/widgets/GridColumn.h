#pragma once

#include <QString>
#include <Qt>

// What a grid column's footer cell shows.
enum class FooterKind { None, Text, Sum };
// The title's sort marker; the form decides what a marker means for the rows.
enum class SortMarker { None, Ascending, Descending };

// One column of a DataGrid: the data field it shows and how it shows it.
struct GridColumn
{
    QString field;
    QString title;
    Qt::Alignment titleAlignment = Qt::AlignHCenter;
    int width = 80;
    bool visible = true;
    bool readOnly = false;
    QString displayFormat;  // cells and footer, through DisplayFormat::format
    FooterKind footerKind = FooterKind::None;
    QString footerValue;    // the text of a fixed-text footer
    // Horizontal alignment of cells and footer; 0 follows the field: numbers
    // right, everything else left.
    Qt::Alignment alignment = {};
    SortMarker marker = SortMarker::None;

    bool operator==(const GridColumn &) const = default;
};

// Title clicks move a marker from none or descending to ascending and from
// ascending to descending.
inline SortMarker nextSortMarker(SortMarker m)
{
    return m == SortMarker::Ascending ? SortMarker::Descending : SortMarker::Ascending;
}
