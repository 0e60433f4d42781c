#include "core/RecordCode.h"

namespace RecordCode {

QString next(const QString &highest, const QString &prefix, int width, const QDate &today, bool *ok)
{
    QString head;
    QString counter;
    if (!highest.isEmpty()) {
        head = highest.left(qMax(0, highest.size() - width));
        counter = highest.right(width);
    } else {
        head = prefix + today.toString(QStringLiteral("yyyyMM"));
        counter = QString(width, QLatin1Char('0'));
    }
    // "1" + counter, plus one, without its first digit: the counter + 1 in exactly
    // `width` digits (999 -> 1999 + 1 = 2000 -> 000).
    bool valid = false;
    const qulonglong n = (QLatin1Char('1') + counter).toULongLong(&valid);
    if (ok)
        *ok = valid;
    if (!valid)
        return {};
    return head + QString::number(n + 1).mid(1);
}

} // namespace RecordCode
