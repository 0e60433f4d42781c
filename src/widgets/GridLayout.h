#pragma once

#include "widgets/GridColumn.h"

#include <QString>
#include <QVariant>

class DataGrid;

// Stored column layouts (cfg_Grid), one row per column under a layout name.
// The codes: alignment 0 left, 1 centre, 2 right; footer 0 none, 1 fixed text,
// 2 sum.
namespace GridLayoutCodes {

Qt::Alignment alignmentFromCode(int code);  // no alignment (the field's default) for other codes
int alignmentCode(Qt::Alignment alignment);  // left for anything not centre or right
FooterKind footerKindFromCode(int code);     // none for other codes
int footerCode(FooterKind kind);

// A column from the values of one stored row; its title is always centred.
GridColumn columnFromRow(const QString &field, const QString &caption, int width, bool visible, bool readOnly,
                         const QString &displayFormat, const QString &footerValue, int footerType, int alignment);

} // namespace GridLayoutCodes

// Replaces the grid's columns by the layout's rows (those naming a field, in
// their order); a layout without rows leaves the designed columns. A database
// failure shows the failure message; the columns read so far stay.
void LoadGridLayout(DataGrid *grid, const QString &name);
// Writes every column of the grid, at its shown position, into the layout's
// existing row for its field; nothing is inserted or deleted. A failing column
// shows the failure message and the next one is still written. The question
// whether to save belongs to the caller.
void SaveGridLayout(DataGrid *grid, const QString &name);
// Lets the user tick the columns to show (TFrmDispFieldXZ); not stored.
void ChooseVisibleColumns(DataGrid *grid);
