#pragma once

#include "report/ReportStyle.h"

#include <QFont>
#include <QString>

// Fonts of templates on this machine. Windows names that are not installed map to
// an installed font of the same kind (宋体/仿宋 → a Ming serif, 黑体 → a sans,
// 楷体 → a Kai script, Arial → a metric-compatible sans, Times New Roman → a
// metric-compatible serif), with a CJK font behind each so that Chinese text never
// shows as boxes.
namespace ReportFonts {

// The installed family used for a template's font name.
QString family(const QString &templateName);
// The font to draw with: family list, size in points (exact, device independent),
// style bits; no hinting so widths do not depend on the output resolution.
QFont font(const ReportFont &f);

} // namespace ReportFonts
