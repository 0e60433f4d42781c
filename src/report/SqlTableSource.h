#pragma once

#include "report/TableSource.h"

#include <QList>
#include <QSqlQuery>
#include <QVariantList>
#include <QVector>

// A table over a statement with bound values on the data module's connection,
// read forward row by row (nothing held but the current row), for long exports.
// The row count comes from a count over the same statement.
class SqlTableSource : public TableSource
{
public:
    SqlTableSource(QList<TableColumn> columns, const QString &sql, const QVariantList &values = {});

    int columnCount() override { return int(m_columns.size()); }
    TableColumn column(int c) override { return m_columns.value(c); }
    int rowCount() override;
    QVariant value(int row, int c) override;
    bool hasFooter() override { return m_footer; }
    void setFooter(bool on) { m_footer = on; }

private:
    bool seek(int row);

    QList<TableColumn> m_columns;
    QString m_sql;
    QVariantList m_values;
    QSqlQuery m_query;
    QVector<int> m_index;
    int m_row = -1;  // the row the query stands on
    int m_count = -1;
    bool m_open = false;
    bool m_footer = false;
};
