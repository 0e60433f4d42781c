#pragma once

#include <QRectF>
#include <QString>

class QPainter;
class ReportBarcode;

// Draws a barcode into a rectangle (device pixels) with zint: bars scaled to the
// rectangle, the human-readable text under them when the object shows it.
namespace BarcodePainter {

// False when the text cannot be encoded in that symbology (nothing is drawn).
bool draw(QPainter &p, const QRectF &r, const ReportBarcode &b, const QString &text);
// The zint symbology for a FastReport bar type name.
int symbology(const QString &barType);

} // namespace BarcodePainter
