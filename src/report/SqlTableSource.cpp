#include "report/SqlTableSource.h"

#include "core/DataModule.h"

#include <QSqlRecord>

SqlTableSource::SqlTableSource(QList<TableColumn> columns, const QString &sql, const QVariantList &values)
    : m_columns(std::move(columns)), m_sql(sql), m_values(values)
{
}

int SqlTableSource::rowCount()
{
    if (m_count < 0) {
        QString inner = m_sql.trimmed();
        while (inner.endsWith(QLatin1Char(';')))
            inner.chop(1);
        m_count = dmData().QueryInt(QStringLiteral("select count(*) from (%1) counted").arg(inner), m_values);
    }
    return m_count;
}

bool SqlTableSource::seek(int row)
{
    if (!m_open || row < m_row) {
        m_query = dmData().query();
        m_query.setForwardOnly(true);
        m_row = -1;
        m_open = true;
        if (!dmData().OpenQuery(m_query, m_sql, m_values))
            return false;
        const QSqlRecord rec = m_query.record();
        m_index.clear();
        for (const TableColumn &c : m_columns)
            m_index << rec.indexOf(c.field);
    }
    while (m_row < row) {
        if (!m_query.next())
            return false;
        ++m_row;
    }
    return m_query.isValid();
}

QVariant SqlTableSource::value(int row, int c)
{
    if (!seek(row) || c < 0 || c >= m_index.size() || m_index.at(c) < 0)
        return {};
    return m_query.value(m_index.at(c));
}
