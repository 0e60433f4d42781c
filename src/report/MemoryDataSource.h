#pragma once

#include "report/ReportDataSource.h"
#include "report/ReportFieldTable.h"

#include <QVector>

#include <vector>

// A row source over rows held in memory: columns by name, display names from a
// field table. Base of the SQL source, which fills the rows when first read.
class MemoryDataSource : public ReportDataSource
{
public:
    enum class Scope { AllRows, CurrentRecordOnly };

    MemoryDataSource(const QString &name, const ReportFieldTable &fields = {});
    MemoryDataSource(const QString &name, const QStringList &columns, std::vector<QVector<QVariant>> rows,
                     const ReportFieldTable &fields = {});

    QString name() const override { return m_name; }
    QStringList fieldNames() override;
    int fieldIndex(const QString &displayName) override;
    int rowCount() override;
    int currentRow() override;
    QVariant value(int row, int field) override;

    // The row of "the current record"; with CurrentRecordOnly it is the only row seen.
    void setCurrentRow(int row) { m_current = row; }
    void setScope(Scope s) { m_scope = s; }
    Scope scope() const { return m_scope; }
    void appendRow(QVector<QVariant> row) { m_rows.push_back(std::move(row)); }

protected:
    // Called before the rows are read; the SQL source runs its statement here.
    virtual void ensureOpen() {}
    void setColumns(const QStringList &columns);
    std::vector<QVector<QVariant>> &rows() { return m_rows; }

private:
    int actualRow(int row);

    QString m_name;
    ReportFieldTable m_fields;
    QStringList m_columns;  // source column names
    QStringList m_display;  // display name per column
    QVector<bool> m_hidden;
    std::vector<QVector<QVariant>> m_rows;
    int m_current = 0;
    Scope m_scope = Scope::AllRows;
};
