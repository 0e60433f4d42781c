#pragma once

#include "report/ReportObject.h"

// A rectangle, rounded rectangle, ellipse, triangle, diamond or diagonal.
class ReportShape : public ReportObjectOf<ReportShape>
{
public:
    ReportShape() : ReportObjectOf(Kind::Shape) {}
    QString typeName() const override { return QStringLiteral("TfrxShapeView"); }

    QString shape = QStringLiteral("skRectangle");  // skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2
    ReportFrame frame;
    qint64 fillColor = ReportUnits::ClNone;
    double curve = 0;  // corner radius of rounded rectangles, in tenths of the shorter side
};
