#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How the columns of a row source appear to templates: a display name per column,
// and columns that are hidden from templates. Columns the table does not list are
// offered under their own names.
class ReportFieldTable
{
public:
    struct Entry
    {
        QString column;
        QString display;
        bool hidden = false;
    };

    ReportFieldTable() = default;
    explicit ReportFieldTable(QVector<Entry> entries) : m_entries(std::move(entries)) {}

    // The entry for a column (case-insensitive), or null.
    const Entry *forColumn(const QString &column) const;
    const QVector<Entry> &entries() const { return m_entries; }

    // The display names of the program's datasets.
    static const ReportFieldTable &recipient();     // "收件信息": t_client / tempCLT
    static const ReportFieldTable &courierImage();  // "快递图片": t_KDimage
    static const ReportFieldTable &sender();        // "寄件信息": sysInfo, with hidden fields

private:
    QVector<Entry> m_entries;
};

// Dataset names used by the program.
namespace ReportDatasetNames {
inline const QString Recipient = QStringLiteral("收件信息");
inline const QString CourierImage = QStringLiteral("快递图片");
inline const QString Sender = QStringLiteral("寄件信息");
inline const QString DataModule = QStringLiteral("frxDM");
} // namespace ReportDatasetNames
