#include "core/PubUnit.h"

namespace PubUnit {

LoginGlobals &globals()
{
    static LoginGlobals g;
    return g;
}

void resetGlobals() { globals() = LoginGlobals(); }

QString keyValue(int slot)
{
    const QStringList &kv = globals().KeyValues;
    return slot >= 1 && slot <= kv.size() ? kv.at(slot - 1) : QString();
}

QStringList salesmanNames(const QString &quotedList)
{
    QStringList names;
    for (QString part : quotedList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        part = part.trimmed();
        if (part.size() >= 2 && part.startsWith(QLatin1Char('\'')) && part.endsWith(QLatin1Char('\'')))
            part = part.mid(1, part.size() - 2);
        if (!part.isEmpty())
            names << part;
    }
    return names;
}

} // namespace PubUnit
