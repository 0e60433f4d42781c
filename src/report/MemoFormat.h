#pragma once

#include "report/ReportStyle.h"

#include <QVariant>

// A value as a memo shows it under its display format. Numeric formats are either
// Delphi Format() patterns ("%2.2f", "%d", "%g", "%n", "%m") or FormatFloat
// patterns ("#,##0.00"); date formats go through DisplayFormat, and a date given
// as text stays text unless it came from a dataset field (fromField), whose
// backends hand dates over as text or as dates.
namespace MemoFormat {

QString format(const QVariant &value, const ReportDisplayFormat &format, bool fromField, bool hideZeros = false);
// Delphi's Format() for one numeric argument.
QString delphiFormat(const QString &pattern, double value);

} // namespace MemoFormat
