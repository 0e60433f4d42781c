#include "core/SqlStatement.h"

#include "core/DataModule.h"
#include "core/PubUnit.h"

#include <QStringList>

SqlStatement RecordScopeCondition(const QString &column)
{
    const PubUnit::LoginGlobals &g = PubUnit::globals();
    switch (g.OperatorScope) {
    case 1:
        return {column + QStringLiteral(" = ?"), {g.CurrentOperator}};
    case 2: {
        const QStringList names = PubUnit::salesmanNames(g.OperatorSalesmen);
        if (names.isEmpty())
            return {QStringLiteral("1 = 0"), {}};
        QVariantList values;
        for (const QString &n : names)
            values << n;
        return {column + QStringLiteral(" in (") + QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                    QLatin1Char(')'),
                values};
    }
    default:
        return {};
    }
}

QStringList SalesmanItems(const SqlStatement &unrestricted)
{
    const PubUnit::LoginGlobals &g = PubUnit::globals();
    if (g.OperatorScope == 1)
        return {QString(), g.CurrentOperator};
    if (g.OperatorScope == 2) {
        const SqlStatement scope = RecordScopeCondition(QStringLiteral("F_name"));
        return dmData().FillItems(QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'empname' and (") +
                                      scope.text + QStringLiteral(") group by F_name"),
                                  scope.values);
    }
    return dmData().FillItems(unrestricted.text, unrestricted.values);
}
