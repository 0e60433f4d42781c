#pragma once

#include "widgets/SortText.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// A statement text with its bound values.
struct BoundSql
{
    QString text;
    QVariantList values;
};

// The statements with which a list model reads one base statement: the base
// becomes a sub-select and the filter, the order, counting, sums and windows go
// around it. Only field names that the caller checked against the result's
// columns are put into the text; every value is bound.
class ListStatement
{
public:
    // A trailing "order by" of plain field names is taken off the base and kept
    // as its default order, so that a sort can replace it.
    void setBase(const QString &sql, const QVariantList &values);
    // Puts the base's own order back inside (for an order that names fields the
    // result does not have).
    void keepBaseOrderInside();

    const QList<SortTerm> &baseOrder() const { return m_baseOrder; }
    QString base() const { return m_base; }

    // Equality conditions, in order.
    void setFilter(const QList<QPair<QString, QVariant>> &equalities) { m_filter = equalities; }
    // The order of the rows, ties broken by the unique key (when there is one).
    // With no order and the base's order kept inside, the base's order stands.
    void setOrder(const QList<SortTerm> &order, const QString &keyField);
    const QList<SortTerm> &order() const { return m_order; }
    // Whether NULL sorts below every value (SQLite) or above (PostgreSQL).
    void setNullsSmallest(bool v) { m_nullsSmallest = v; }

    BoundSql describe() const;  // no rows, only the columns
    BoundSql window(int offset, int limit) const;
    // count(*) first, then one sum per field.
    BoundSql aggregate(const QStringList &sumFields) const;
    // Over the next `limit` rows by key after the key `after` (from the first row
    // when there is none): count(*), max(key), then one sum per field.
    BoundSql sumsAfterKey(const QStringList &sumFields, const QString &keyField, const QVariant &after,
                          int limit) const;
    // The key values of the listed keys, in list order.
    BoundSql keysInOrder(const QString &keyField, const QList<qint64> &keys) const;
    BoundSql allKeys(const QString &keyField) const;
    // Keys of rows offset .. offset+limit-1.
    BoundSql keyWindow(const QString &keyField, int offset, int limit) const;
    // The order fields of one row.
    BoundSql orderValuesOf(const QString &keyField, qint64 key) const;
    // How many rows come before a row whose order fields hold `values`.
    BoundSql countBefore(const QVariantList &values) const;
    // The key of the first row whose field, as text, starts with `prefix`
    // (letter case ignored); likeOperator is "like" or "ilike".
    BoundSql firstWithPrefix(const QString &keyField, const QString &fieldAsText, const QString &likeOperator,
                             const QString &prefix) const;

private:
    QString from() const;  // "select ... from (base) q where ..." without the select list
    QString where(const QString &extra = {}) const;
    QString orderBy() const;
    QVariantList baseAndFilterValues() const;

    QString m_sql;       // as given
    QString m_base;      // without the order taken off
    QVariantList m_values;
    QList<SortTerm> m_baseOrder;
    QList<QPair<QString, QVariant>> m_filter;
    QList<SortTerm> m_order;
    bool m_orderInside = false;  // the base keeps its own order; no outer order unless sorted
    bool m_nullsSmallest = true;
};

// A value read back, bound again for a comparison: dates as text.
QVariant bindableValue(const QVariant &v);
