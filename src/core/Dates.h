#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Dates travel as "yyyy-MM-dd" text, times as "hh:mm:ss". A date the user left
// empty is stored as 1900-08-14; a date whose text sorts below "1901-08-14" is
// shown blank.
namespace Dates {

inline const QDate EmptyDate(1900, 8, 14);
inline const QString EmptyDateText = QStringLiteral("1900-08-14");
inline const QString BlankBelow = QStringLiteral("1901-08-14");

inline QString text(const QDate &d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }
inline QString text(const QDateTime &t) { return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }
inline QString timeText(const QTime &t) { return t.toString(QStringLiteral("hh:mm:ss")); }
inline QString today() { return text(QDate::currentDate()); }

// A value read from a date column (QDate, QDateTime or text, by backend) as
// "yyyy-MM-dd", followed by " hh:mm:ss" when it carries a time of day.
QString fromValue(const QVariant &v);
// The date of such a value; invalid when it holds none.
QDate dateOf(const QVariant &v);
// The display rule: blank when the text is not above limit (plain text comparison).
QString display(const QVariant &v, const QString &limit = QStringLiteral("1901-08-14"), bool blankAtLimit = false);

} // namespace Dates
