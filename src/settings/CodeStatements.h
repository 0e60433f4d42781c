#pragma once

#include "core/SqlStatement.h"

#include <QString>

// Statements over the code dictionary t_code. Type keys compare without regard
// to letter case, so "HPname" reads what the dictionary form wrote as "hpname".
namespace CodeStatements {

// "lower(F_type) = lower(?)" with the key.
SqlStatement typeIs(const QString &key);
// Every entry of a list, in the order they were added (the dictionary form); the
// identifier comes as codeID so that rows added in the grid get keys of their own.
SqlStatement dictionaryList(const QString &key);
// The picker's first list: the non-empty names, by name.
SqlStatement pickList(const QString &key);
// The picker's search: the names containing the trimmed text (all when empty).
SqlStatement pickSearch(const QString &key, const QString &text);
// The distinct non-empty names for a drop-down list.
SqlStatement comboItems(const QString &key);
SqlStatement insertEntry(const QString &key, const QString &name);

// The type key of a dictionary tab: its object name without the first letter
// ("tempname" -> "empname", "TabSheet1" -> "abSheet1").
QString keyOfTab(const QString &tabName);

} // namespace CodeStatements
