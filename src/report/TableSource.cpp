#include "report/TableSource.h"

#include "core/Dates.h"
#include "core/DisplayFormat.h"

QString TableSource::displayText(int row, int c)
{
    const QVariant v = value(row, c);
    if (!v.isValid() || v.isNull())
        return {};
    const int t = v.typeId();
    if (t == QMetaType::QDate || t == QMetaType::QDateTime) {
        if (Dates::display(v).isEmpty())
            return {};
    } else if (t == QMetaType::QString) {
        const QString s = v.toString();
        if (s.size() >= 10 && s.at(4) == QLatin1Char('-') && s.at(7) == QLatin1Char('-') && Dates::display(v).isEmpty())
            return {};
    }
    return DisplayFormat::format(v, column(c).displayFormat);
}
