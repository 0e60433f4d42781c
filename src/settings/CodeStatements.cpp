#include "settings/CodeStatements.h"

#include "core/DataModule.h"

namespace CodeStatements {

SqlStatement typeIs(const QString &key)
{
    return {dmData().dialect().equalsIgnoreCase(QStringLiteral("F_type")), {key}};
}

SqlStatement dictionaryList(const QString &key)
{
    return SqlStatement{QStringLiteral("select F_ID as codeID, F_name, F_type from t_code where "), {}}
        .add(typeIs(key))
        .add(QStringLiteral(" order by F_ID"));
}

SqlStatement pickList(const QString &key)
{
    return SqlStatement{QStringLiteral("select F_name, F_type from t_code where (F_name <> '') and "), {}}
        .add(typeIs(key))
        .add(QStringLiteral(" order by F_name"));
}

SqlStatement pickSearch(const QString &key, const QString &text)
{
    SqlStatement s{QStringLiteral("select F_name, F_type from t_code where "), {}};
    s.add(typeIs(key));
    const QString value = text.trimmed();
    if (!value.isEmpty())
        s.add(QStringLiteral(" and ") + dmData().dialect().like(QStringLiteral("F_name")),
              {QLatin1Char('%') + value + QLatin1Char('%')});
    return s;
}

SqlStatement comboItems(const QString &key)
{
    return SqlStatement{QStringLiteral("select distinct F_name from t_code where (F_name <> '') and "), {}}.add(typeIs(key));
}

SqlStatement insertEntry(const QString &key, const QString &name)
{
    return {QStringLiteral("insert into t_code (F_name, F_type) values (?, ?)"), {name, key}};
}

QString keyOfTab(const QString &tabName)
{
    return tabName.mid(1);
}

} // namespace CodeStatements
