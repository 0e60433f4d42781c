#include "main/OperatorRights.h"

#include "core/Rights.h"

OperatorRights OperatorRights::compute(const QString &operatorName, const std::function<bool(const QString &)> &hasRight)
{
    OperatorRights r;
    const bool admin = operatorName.trimmed().toLower() == QLatin1String("admin");
    for (const RightDef &def : kRights) {
        const QString code = QString::fromLatin1(def.code);
        if (admin || hasRight(code))
            r.m_codes.insert(code);
    }
    return r;
}

bool OperatorRights::menuVisible(const QString &menuName) const
{
    for (const QString &code : m_codes)
        if (rightMenuGroup(code) == menuName)
            return true;
    return false;
}
