#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// A named row source that templates read as `Name."Field"`. Rows are read by
// index; the source opens itself on the first call that needs its rows. Field
// names are the display names templates use, looked up without regard to case.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;

    // The name templates use, e.g. "收件信息".
    virtual QString name() const = 0;
    // The display names offered to templates (designer lists); hidden fields are left out.
    virtual QStringList fieldNames() = 0;
    // Index of a display name (case-insensitive), -1 when the source has no such field.
    virtual int fieldIndex(const QString &displayName) = 0;
    virtual int rowCount() = 0;
    // The row a band without a dataset of its own reads ("the current record").
    virtual int currentRow() { return 0; }
    virtual QVariant value(int row, int field) = 0;
};
