#pragma once

#include "report/TableSource.h"

#include <QList>
#include <QVector>

#include <vector>

// A table over rows held in memory; a column whose field is not among the row
// fields reads as missing.
class ListTableSource : public TableSource
{
public:
    ListTableSource(QList<TableColumn> columns, QStringList fields, std::vector<QVector<QVariant>> rows);

    int columnCount() override { return int(m_columns.size()); }
    TableColumn column(int c) override { return m_columns.value(c); }
    int rowCount() override { return int(m_rows.size()); }
    QVariant value(int row, int c) override;
    bool hasFooter() override { return m_footer; }
    void setFooter(bool on) { m_footer = on; }

private:
    QList<TableColumn> m_columns;
    QVector<int> m_index;  // row field index per column, -1 when missing
    std::vector<QVector<QVariant>> m_rows;
    bool m_footer = false;
};
