#include "report/MemoryDataSource.h"

MemoryDataSource::MemoryDataSource(const QString &name, const ReportFieldTable &fields)
    : m_name(name), m_fields(fields)
{
}

MemoryDataSource::MemoryDataSource(const QString &name, const QStringList &columns, std::vector<QVector<QVariant>> rows,
                                   const ReportFieldTable &fields)
    : m_name(name), m_fields(fields), m_rows(std::move(rows))
{
    setColumns(columns);
}

void MemoryDataSource::setColumns(const QStringList &columns)
{
    m_columns = columns;
    m_display.clear();
    m_hidden.clear();
    for (const QString &c : columns) {
        const ReportFieldTable::Entry *e = m_fields.forColumn(c);
        m_display << (e ? e->display : c);
        m_hidden << (e && e->hidden);
    }
}

QStringList MemoryDataSource::fieldNames()
{
    ensureOpen();
    QStringList out;
    for (int i = 0; i < m_display.size(); ++i)
        if (!m_hidden.at(i))
            out << m_display.at(i);
    return out;
}

int MemoryDataSource::fieldIndex(const QString &displayName)
{
    ensureOpen();
    for (int i = 0; i < m_display.size(); ++i)
        if (!m_hidden.at(i) && m_display.at(i).compare(displayName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int MemoryDataSource::rowCount()
{
    ensureOpen();
    if (m_scope == Scope::CurrentRecordOnly)
        return m_current >= 0 && m_current < int(m_rows.size()) ? 1 : 0;
    return int(m_rows.size());
}

int MemoryDataSource::currentRow()
{
    return m_scope == Scope::CurrentRecordOnly ? 0 : m_current;
}

int MemoryDataSource::actualRow(int row)
{
    return m_scope == Scope::CurrentRecordOnly ? m_current : row;
}

QVariant MemoryDataSource::value(int row, int field)
{
    ensureOpen();
    const int r = actualRow(row);
    if (r < 0 || r >= int(m_rows.size()) || field < 0)
        return {};
    const QVector<QVariant> &values = m_rows[size_t(r)];
    return field < values.size() ? values.at(field) : QVariant();
}
