#pragma once

#include <QString>
#include <QVariantList>

// A statement with "?" placeholders and the values bound to them, in order.
struct SqlStatement
{
    QString text;
    QVariantList values;

    bool operator==(const SqlStatement &o) const = default;

    // Appends text and its values.
    SqlStatement &add(const QString &more, const QVariantList &moreValues = {})
    {
        text += more;
        values += moreValues;
        return *this;
    }
    SqlStatement &add(const SqlStatement &more) { return add(more.text, more.values); }
};

// The record scope of the logged-in operator as a condition on the salesman
// column: empty for scope 0 (all records), "col = ?" with the operator's name for
// scope 1, "col in (?, ?, …)" with the listed salesmen for scope 2. Scope 2 with
// an empty list sees no record ("1 = 0"), never a failing statement.
SqlStatement RecordScopeCondition(const QString &column = QStringLiteral("F_empName"));

// The salesman pick list under the operator's scope: scope 1 holds only the
// operator; scope 2 the listed salesmen that are in the dictionary; scope 0 the
// given unrestricted statement. Returns the items with the leading empty entry.
QStringList SalesmanItems(const SqlStatement &unrestricted);
