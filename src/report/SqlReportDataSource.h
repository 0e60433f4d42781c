#pragma once

#include "report/MemoryDataSource.h"

#include <QVariantList>

#include <memory>

// A row source over a statement with bound values, run on the data module's
// connection when the report first reads it. A failing statement gives no rows
// (the data module has shown its message and logged the driver's text).
class SqlReportDataSource : public MemoryDataSource
{
public:
    SqlReportDataSource(const QString &name, const QString &sql, const QVariantList &values = {},
                        const ReportFieldTable &fields = {});

    static std::shared_ptr<SqlReportDataSource> create(const QString &name, const QString &sql,
                                                       const QVariantList &values = {},
                                                       const ReportFieldTable &fields = {});

    bool isOpen() const { return m_open; }
    // Runs the statement again on the next read.
    void reopen() { m_open = false; }

protected:
    void ensureOpen() override;

private:
    QString m_sql;
    QVariantList m_values;
    bool m_open = false;
};
