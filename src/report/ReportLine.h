#pragma once

#include "report/ReportObject.h"

// A line from (left, top) to (left + width, top + height); horizontal when the
// height is 0, vertical when the width is 0. Colour and width come from the frame.
class ReportLine : public ReportObjectOf<ReportLine>
{
public:
    ReportLine() : ReportObjectOf(Kind::Line) {}
    QString typeName() const override { return QStringLiteral("TfrxLineView"); }

    ReportFrame frame;
    bool diagonal = false;
};
