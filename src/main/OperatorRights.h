#pragma once

#include <QSet>
#include <QString>

#include <functional>

// Which commands of the main window an operator may use: every one for the
// system operator "admin" (any case, surrounding blanks ignored), otherwise those
// whose right the operator holds. A top-level menu shows while at least one of
// its rights is held.
class OperatorRights
{
public:
    static OperatorRights compute(const QString &operatorName, const std::function<bool(const QString &code)> &hasRight);

    bool allows(const QString &code) const { return m_codes.contains(code); }
    bool menuVisible(const QString &menuName) const;  // "mi100" … "mi500"
    const QSet<QString> &codes() const { return m_codes; }

private:
    QSet<QString> m_codes;
};
