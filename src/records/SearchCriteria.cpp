#include "records/SearchCriteria.h"

#include "core/DataModule.h"
#include "core/Dates.h"

#include <QPair>

namespace {

QString bound(const QDate &d, const QString &open)
{
    return d.isValid() ? Dates::text(d) : open;
}

void addRange(SqlStatement &s, const QString &column, const QDate &from, const QDate &to)
{
    s.add(QStringLiteral("and (%1 >= ? and %1 <= ?) ").arg(column),
          {bound(from, OpenLowerBound), bound(to, OpenUpperBound)});
}

} // namespace

SqlStatement BuildSearchStatement(const SearchCriteria &c)
{
    return BuildSearchStatement(c, RecordScopeCondition());
}

SqlStatement BuildSearchStatement(const SearchCriteria &c, const SqlStatement &scope)
{
    SqlStatement s{QStringLiteral("select * from T_client "), {}};
    if (scope.text.isEmpty())
        s.add(QStringLiteral("where (1=1) "));
    else
        s.add(QStringLiteral("where (") + scope.text + QStringLiteral(") "), scope.values);

    const QList<QPair<const char *, const QString *>> anywhere = {
        {"F_name", &c.name},         {"F_KDcode", &c.KDcode},   {"F_sheng", &c.sheng},
        {"F_city", &c.city},         {"F_Area", &c.area},       {"F_Address", &c.address},
        {"F_LXRemp", &c.LXRemp},     {"F_postCode", &c.postCode}, {"F_GDphone", &c.GDphone},
        {"F_SJphone", &c.SJphone},   {"F_MDaddress", &c.MDaddress}, {"F_empName", &c.empName},
        {"F_HPname", &c.HPname},     {"F_FJemp", &c.FJemp},
    };
    const SqlDialect &d = dmData().dialect();
    for (const auto &[column, value] : anywhere) {
        const QString v = value->trimmed();
        if (!v.isEmpty())
            s.add(QStringLiteral("and ") + d.like(QString::fromLatin1(column)) + QLatin1Char(' '),
                  {QLatin1Char('%') + v + QLatin1Char('%')});
    }
    if (const QString v = c.KDtype.trimmed(); !v.isEmpty())
        s.add(QStringLiteral("and ") + d.like(QStringLiteral("F_KDtype")) + QLatin1Char(' '), {v + QLatin1Char('%')});

    if (c.sent == SearchCriteria::NotSent)
        s.add(QStringLiteral("and F_useFlag = ? "), {false});
    else if (c.sent == SearchCriteria::SentOnly)
        s.add(QStringLiteral("and F_useFlag = ? "), {true});
    if (c.dateRange)
        addRange(s, QStringLiteral("F_date"), c.dateFrom, c.dateTo);
    if (c.dispatchRange)
        addRange(s, QStringLiteral("F_FHdate"), c.dispatchFrom, c.dispatchTo);
    return s;
}
