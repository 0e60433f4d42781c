#include "core/Dates.h"

namespace Dates {

QString fromValue(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return text(v.toDate());
    case QMetaType::QDateTime: {
        const QDateTime t = v.toDateTime();
        return t.time() == QTime(0, 0) ? text(t.date()) : text(t);
    }
    default:
        break;
    }
    QString s = v.toString().trimmed();
    s.replace(QLatin1Char('T'), QLatin1Char(' '));
    if (s.endsWith(QLatin1String(" 00:00:00")))
        s.chop(9);
    return s;
}

QDate dateOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return QDate::fromString(fromValue(v).left(10), QStringLiteral("yyyy-MM-dd"));
}

QString display(const QVariant &v, const QString &limit, bool blankAtLimit)
{
    const QString s = fromValue(v);
    if (s.isEmpty())
        return s;
    const int c = s.compare(limit);
    if (c < 0 || (blankAtLimit && c == 0))
        return {};
    return s;
}

} // namespace Dates
