#pragma once

#include <QByteArray>
#include <QString>

class ReportTemplate;

// Reads FastReport 4 XML templates into the model. Numbers may use a point or a
// comma as decimal separator; text may be `Text`, `Memo.Text` or `Memo.UTF8W`;
// everything not interpreted is kept for writing back.
namespace Fr3Reader {

// False with a one-line reason in *error when the data is not a report of this
// kind (the template is then empty).
bool readData(const QByteArray &data, ReportTemplate &out, QString *error = nullptr);
// Reads a file; linked pictures are looked up relative to its folder. Sets fileName.
bool readFile(const QString &fileName, ReportTemplate &out, QString *error = nullptr);

} // namespace Fr3Reader
