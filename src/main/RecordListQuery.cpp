#include "main/RecordListQuery.h"

#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/PubUnit.h"

namespace RecordListQuery {

namespace {

struct SearchField
{
    const char *title;
    const char *column;
};

constexpr SearchField kSearchFields[] = {
    {"公司名称", "F_name"},   {"编    号", "F_code"},    {"城    区", "F_area"},    {"地    址", "F_address"},
    {"收 件 人", "F_LXRemp"}, {"邮    编", "F_postcode"}, {"固定电话", "F_GDphone"}, {"联系手机", "F_SJphone"},
    {"收件地址", "F_MDaddress"}, {"备    注", "F_memo1"},
};

struct ListType
{
    const char *column;
    const char *title;
};

constexpr ListType kListTypes[] = {
    {"F_HPname", "物品名称"}, {"F_empName", "业 务 员"}, {"F_KDtype", "快递类型"}, {"F_FJemp", "发 件 人"}};

QString like(const QString &column) { return dmData().dialect().like(column); }

} // namespace

const QStringList &searchFieldTitles()
{
    static const QStringList titles = [] {
        QStringList t;
        for (const SearchField &f : kSearchFields)
            t << QString::fromUtf8(f.title);
        return t;
    }();
    return titles;
}

QString searchFieldColumn(int index)
{
    return index >= 0 && index < int(std::size(kSearchFields)) ? QLatin1String(kSearchFields[index].column) : QString();
}

QString listTypeColumn(int listType)
{
    return listType >= 1 && listType <= 4 ? QLatin1String(kListTypes[listType - 1].column) : QString();
}

QString listTypeTitle(int listType)
{
    return listType >= 1 && listType <= 4 ? QString::fromUtf8(kListTypes[listType - 1].title) : QString();
}

SqlStatement build(const Filter &f)
{
    SqlStatement s{QStringLiteral("select * from T_client "), {}};
    const SqlStatement scope = RecordScopeCondition();
    if (scope.text.isEmpty())
        s.add(QStringLiteral("where (1=1) "));
    else
        s.add(QStringLiteral("where (") + scope.text + QStringLiteral(") "), scope.values);
    if (f.from)
        s.add(QStringLiteral("and F_date >= ? "), {Dates::text(*f.from)});
    if (f.to)
        s.add(QStringLiteral("and F_date <= ? "), {Dates::text(*f.to)});
    const QString column = searchFieldColumn(f.searchField);
    if (!column.isEmpty())
        s.add(QStringLiteral("and ") + like(column) + QLatin1Char(' '),
              {QLatin1Char('%') + f.searchText.trimmed() + QLatin1Char('%')});
    if (!f.treeTab) {
        const QString itemColumn = listTypeColumn(f.listType);
        if (f.itemRow > 0 && !itemColumn.isEmpty())
            s.add(QStringLiteral("and ") + itemColumn + QStringLiteral(" = ? "), {f.itemValue});
    } else if (f.node && f.node->kind == 1) {
        s.add(QStringLiteral("and F_sheng = ? "), {f.node->ownText.trimmed()});
    } else if (f.node && f.node->kind == 2) {
        s.add(QStringLiteral("and F_sheng = ? and F_city = ? "), {f.node->parentText.trimmed(), f.node->ownText.trimmed()});
    }
    s.add(QStringLiteral(" order by F_code"));
    return s;
}

SqlStatement itemListStatement(int listType)
{
    const QString column = listTypeColumn(listType);
    if (column.isEmpty())
        return {};
    SqlStatement s{QStringLiteral("select distinct ") + column + QStringLiteral(" as F_name from t_client where (") + column +
                       QStringLiteral(" <> '') "),
                   {}};
    if (listType == 2) {
        const SqlStatement scope = RecordScopeCondition();
        if (!scope.text.isEmpty())
            s.add(QStringLiteral("and (") + scope.text + QStringLiteral(") "), scope.values);
    }
    s.add(QStringLiteral("group by ") + column + QStringLiteral(" order by ") + column);
    return s;
}

QString dispatchFilter(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("F_useFlag = false");
    case 1:
        return QStringLiteral("F_useFlag = true");
    default:
        return {};
    }
}

SqlStatement regionStatement()
{
    return {QStringLiteral("select F_sheng, F_city from t_client where F_sheng <> '' "
                           "group by F_sheng, F_city order by F_sheng, F_city"),
            {}};
}

} // namespace RecordListQuery
