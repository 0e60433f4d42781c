#include "report/SqlReportDataSource.h"

#include "core/DataModule.h"

#include <QSqlQuery>
#include <QSqlRecord>

SqlReportDataSource::SqlReportDataSource(const QString &name, const QString &sql, const QVariantList &values,
                                         const ReportFieldTable &fields)
    : MemoryDataSource(name, fields), m_sql(sql), m_values(values)
{
}

std::shared_ptr<SqlReportDataSource> SqlReportDataSource::create(const QString &name, const QString &sql,
                                                                 const QVariantList &values,
                                                                 const ReportFieldTable &fields)
{
    return std::make_shared<SqlReportDataSource>(name, sql, values, fields);
}

void SqlReportDataSource::ensureOpen()
{
    if (m_open)
        return;
    m_open = true;
    rows().clear();
    QSqlQuery q = dmData().query();
    q.setForwardOnly(true);
    if (!dmData().OpenQuery(q, m_sql, m_values)) {
        setColumns({});
        return;
    }
    const QSqlRecord rec = q.record();
    QStringList columns;
    for (int i = 0; i < rec.count(); ++i)
        columns << rec.fieldName(i);
    setColumns(columns);
    const int n = rec.count();
    while (q.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = q.value(i);
        rows().push_back(std::move(row));
    }
}
