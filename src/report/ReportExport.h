#pragma once

#include "report/PreparedReport.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// Outputs of a prepared report that need no window: PDF, pictures, and the text
// forms (CSV with ";", plain text, HTML). Each returns false with *error set when
// the file cannot be written.
namespace ReportExport {

using Progress = std::function<bool(int done, int total)>;

// Paper sizes and positions as prepared; the template's print offset moves
// everything when applyOffset (a PDF that goes to a printer).
bool toPdf(const PreparedReport &r, const QString &fileName, bool applyOffset = true, QString *error = nullptr,
           const Progress &progress = {});
// One picture of a page at the given resolution, on white paper.
QImage pageImage(const PreparedReport &r, int page, double dpi, bool nonPrintable = false);
// Pictures of all pages: fileName for one page; for several, name_1.ext, name_2.ext, ...
// The format follows the extension (png, jpg/jpeg, bmp). The written files in *written.
bool toImages(const PreparedReport &r, const QString &fileName, double dpi = 150, QStringList *written = nullptr,
              QString *error = nullptr);
// Text lines of a page: items whose tops lie within a line's height form one line,
// read left to right.
QList<QStringList> pageLines(const PreparedPage &page);
bool toCsv(const PreparedReport &r, const QString &fileName, QString *error = nullptr);
bool toText(const PreparedReport &r, const QString &fileName, QString *error = nullptr);
bool toHtml(const PreparedReport &r, const QString &fileName, QString *error = nullptr);

// Every text of the report in page order, for "find".
struct TextHit
{
    int page = 0;
    int item = 0;
};
QList<TextHit> find(const PreparedReport &r, const QString &text, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

} // namespace ReportExport
