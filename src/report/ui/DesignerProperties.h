#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class ReportObject;

// The editable properties of template objects, read and written as plain values so
// that the property panel, the undo commands and tests share one path. Geometry is
// not here: it goes through the document, which knows where each band lies.
enum class DesignerProperty {
    Name,
    Text,          // QString: memo text with [expressions], barcode text
    FontName,      // QString: the template's font name (宋体, Arial, ...)
    FontSize,      // double, points
    Bold,          // bool
    Italic,        // bool
    Underline,     // bool
    FontColor,     // QColor
    HAlign,        // int: ::HAlign
    VAlign,        // int: ::VAlign
    WordWrap,      // bool
    FrameSides,    // int: ReportFrame::Side bits
    FrameWidth,    // double, template pixels
    FrameColor,    // QColor
    FillColor,     // QColor; invalid = none
    FormatKind,    // QString: fkText, fkNumeric, fkDateTime, fkBoolean
    FormatString,  // QString
    Printable,     // bool
    Picture,       // QByteArray: the picture file's bytes
    KeepAspect,    // bool
    BarType,       // QString: bcCode128, ...
    ShapeKind,     // QString: skRectangle, ...
};

namespace DesignerProperties {

bool applies(const ReportObject &o, DesignerProperty p);
QVariant value(const ReportObject &o, DesignerProperty p);
// Sets a property; a property that does not apply to the object is ignored.
void setValue(ReportObject &o, DesignerProperty p, const QVariant &v);
// The label shown for a property.
QString label(DesignerProperty p);

} // namespace DesignerProperties
