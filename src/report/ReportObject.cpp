#include "report/ReportObject.h"

void ReportObject::setRectPx(const QRectF &r)
{
    left = r.x();
    top = r.y();
    width = r.width();
    height = r.height();
}

QRectF ReportObject::rectMm() const
{
    using namespace ReportUnits;
    return {mmFromPx(left), mmFromPx(top), mmFromPx(width), mmFromPx(height)};
}

void ReportObject::setRectMm(const QRectF &r)
{
    using namespace ReportUnits;
    setRectPx({pxFromMm(r.x()), pxFromMm(r.y()), pxFromMm(r.width()), pxFromMm(r.height())});
}
