#pragma once

#include <QColor>
#include <QString>

// Units and value conventions of template files: positions and sizes are pixels at
// 96 per inch, paper sizes and margins millimetres, colours Windows colour numbers
// (0x00BBGGRR; clNone = 536870911 is "no colour"; negative numbers are system colours).
namespace ReportUnits {

inline constexpr double PxPerMm = 96.0 / 25.4;  // 3.7795...
inline constexpr double mmFromPx(double px) { return px / PxPerMm; }
inline constexpr double pxFromMm(double mm) { return mm * PxPerMm; }

inline constexpr qint64 ClNone = 536870911;
inline constexpr qint64 ClBlack = 0;
inline constexpr qint64 ClWhite = 16777215;

// A colour number as Qt colour; clNone gives an invalid (transparent) colour.
QColor toColor(qint64 windowsColor);
// The colour number of a Qt colour; invalid or fully transparent gives clNone.
qint64 fromColor(const QColor &c);

// Numbers as files hold them: "12.5" or "12,5" (locale of the writing machine).
double parseNumber(const QString &text, double def = 0.0, bool *ok = nullptr);
// The shortest exact text with a point ("18.89765", "0", "-3.5").
QString formatNumber(double value);
// "True"/"False" (any case); def for anything else.
bool parseBool(const QString &text, bool def = false);
inline QString formatBool(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace ReportUnits
