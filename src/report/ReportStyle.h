#pragma once

#include "report/ReportUnits.h"

#include <QFont>
#include <QList>
#include <QPair>
#include <QString>

// Small value types shared by the template objects: attributes kept as read,
// fonts, frames, alignment and display formats, in the terms of the file.

// Attributes the model does not interpret, in file order, written back verbatim.
struct ExtraAttributes
{
    QList<QPair<QString, QString>> items;

    QString value(const QString &name) const;
    bool contains(const QString &name) const;
    void set(const QString &name, const QString &value);
    void remove(const QString &name);
    bool operator==(const ExtraAttributes &o) const { return items == o.items; }
};

struct ReportFont
{
    enum Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    QString name = QStringLiteral("Arial");
    int height = -13;  // Font.Height: negative = character height in pixels at 96 per inch
    int style = 0;     // Style bits
    qint64 color = ReportUnits::ClBlack;
    int charset = 1;   // Font.Charset (1 default, 134 GB2312); kept for the file

    double pixelSize() const { return height < 0 ? -height : height * 0.8; }  // cell height includes leading
    double pointSize() const { return pixelSize() * 72.0 / 96.0; }
    void setPointSize(double pt) { height = -qRound(pt * 96.0 / 72.0); }
    bool operator==(const ReportFont &o) const = default;
};

struct ReportFrame
{
    enum Side { Left = 1, Right = 2, Top = 4, Bottom = 8, All = 15 };

    int typ = 0;  // Frame.Typ: Side bits
    double width = 1;  // pixels
    qint64 color = ReportUnits::ClBlack;
    QString style = QStringLiteral("fsSolid");  // fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble
    bool operator==(const ReportFrame &o) const = default;
};

enum class HAlign { Left, Center, Right, Block };
enum class VAlign { Top, Center, Bottom };

HAlign parseHAlign(const QString &s);
QString hAlignName(HAlign a);
VAlign parseVAlign(const QString &s);
QString vAlignName(VAlign a);

struct ReportDisplayFormat
{
    QString kind = QStringLiteral("fkText");  // fkText, fkNumeric, fkDateTime, fkBoolean
    QString formatStr;
    QString decimalSeparator;  // DisplayFormat.DecimalSeparator when the file gives one

    bool isSet() const { return kind != QLatin1String("fkText") && !formatStr.isEmpty(); }
    bool operator==(const ReportDisplayFormat &o) const = default;
};
