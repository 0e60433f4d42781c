#pragma once

#include "report/EmbeddedPicture.h"
#include "report/ReportObject.h"

// A picture: embedded (`Picture.PropData`) or read from a file (`FileLink`,
// relative names taken from the template's folder).
class ReportPicture : public ReportObjectOf<ReportPicture>
{
public:
    ReportPicture() : ReportObjectOf(Kind::Picture) {}
    QString typeName() const override { return QStringLiteral("TfrxPictureView"); }

    EmbeddedPicture picture;
    QString fileLink;
    bool stretched = true;
    bool keepAspectRatio = true;
    bool center = false;
    ReportFrame frame;
    qint64 fillColor = ReportUnits::ClNone;
    QString dataSetName;
    QString dataField;
};
