#pragma once

#include <QString>
#include <QVariant>

// Display formats as stored layouts and templates write them, in the Delphi
// manner: number formats ("0.00", "#,##0.00", "￥,0.00######;-￥,0.00######",
// sections for positive;negative;zero) and date formats ("yyyy-mm-dd",
// "yyyy年mm月dd日", "hh:nn:ss"). The one formatter of grid cells, footers,
// reports and spreadsheet export.
namespace DisplayFormat {

bool isDateFormat(const QString &format);

// Whether a value holds a number (integer or floating point), not text.
bool isNumberValue(const QVariant &value);

// A number in a number format; an empty format gives the shortest plain text.
QString formatNumber(double value, const QString &format);
// A date/time in a date format.
QString formatDateTime(const QDateTime &value, const QString &format);

// Any value: numbers with number formats, dates with date formats; numbers and
// dates held as text ("12.5", "2012-11-01 08:30:00") are formatted like numbers
// and dates. A value that does not fit its format is shown as its text.
QString format(const QVariant &value, const QString &format);

} // namespace DisplayFormat
