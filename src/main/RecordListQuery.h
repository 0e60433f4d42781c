#pragma once

#include "core/SqlStatement.h"

#include <QDate>
#include <QString>

#include <optional>

// The statements of the main window's record list, built from the state of its
// filters. Values are bound, never spliced; the conditions come in the order the
// list has always used: scope, dates, search field, item list or region tree.
namespace RecordListQuery {

// A node of the region tree: 0 the root, 1 a province, 2 a city.
struct RegionNode
{
    int kind = 0;
    QString parentText;
    QString ownText;
};

struct Filter
{
    std::optional<QDate> from;  // set while its check box is ticked
    std::optional<QDate> to;
    int searchField = -1;       // index of ComboBox1, -1 when none is chosen
    QString searchText;
    bool treeTab = false;       // the region tree page instead of the item list
    int listType = 1;           // 1 goods, 2 salesman, 3 courier type, 4 sender
    int itemRow = 0;            // 0 is "全部"
    QString itemValue;          // the value cell as typed
    std::optional<RegionNode> node;  // the selected tree node
};

// The search fields of ComboBox1, in order, and the column each searches.
const QStringList &searchFieldTitles();
QString searchFieldColumn(int index);  // empty when out of range

// Columns and titles of the item list types 1-4.
QString listTypeColumn(int listType);
QString listTypeTitle(int listType);

// "select * from T_client where (scope) and … order by F_code"
SqlStatement build(const Filter &f);

// The statement that refills the item list for a type (salesmen under the scope).
SqlStatement itemListStatement(int listType);

// The filter of the dispatch-state radio group: 0 not dispatched, 1 dispatched, 2 all.
QString dispatchFilter(int index);

// One grouped query for every province and its cities.
SqlStatement regionStatement();

} // namespace RecordListQuery
