#pragma once

#include <QByteArray>
#include <QString>

class ReportTemplate;

// Writes the model as FastReport 4 XML: numbers with a point, known properties
// under their FastReport names, everything else as it was read.
namespace Fr3Writer {

QByteArray toData(const ReportTemplate &report);
// Writes atomically (a failed write leaves the old file); false with a reason.
bool writeFile(const ReportTemplate &report, const QString &fileName, QString *error = nullptr);

} // namespace Fr3Writer
