#include "report/ListTableSource.h"

ListTableSource::ListTableSource(QList<TableColumn> columns, QStringList fields, std::vector<QVector<QVariant>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
    for (const TableColumn &c : m_columns) {
        int index = -1;
        for (int i = 0; i < fields.size(); ++i)
            if (fields.at(i).compare(c.field, Qt::CaseInsensitive) == 0)
                index = i;
        m_index << index;
    }
}

QVariant ListTableSource::value(int row, int c)
{
    if (row < 0 || row >= int(m_rows.size()) || c < 0 || c >= m_index.size() || m_index.at(c) < 0)
        return {};
    return m_rows[size_t(row)].value(m_index.at(c));
}
