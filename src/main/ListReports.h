#pragma once

#include <QString>

class QWidget;
class RecordList;

// The list outputs of the main window: a report template over the current record
// or over every listed record, with the sender row, in the preview.
namespace ListReports {

enum class Rows { Current, Listed };

void preview(const QString &reportName, Rows rows, RecordList &records, QWidget *parent);

} // namespace ListReports
