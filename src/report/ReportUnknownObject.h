#pragma once

#include "report/ReportObject.h"

// An object of a kind this engine does not draw (check box, rich text, chart, ...).
// It keeps its element verbatim; the designer may still move it.
class ReportUnknownObject : public ReportObjectOf<ReportUnknownObject>
{
public:
    explicit ReportUnknownObject(const QString &elementName = QString())
        : ReportObjectOf(Kind::Unknown), element(elementName) {}
    QString typeName() const override { return element; }

    QString element;
};
