#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace TestSupport {

// A word of a PDF page as pdftotext -bbox places it, in points from the page's
// top left.
struct PdfWord
{
    QString text;
    QRectF box;
};

// The words of every page; empty when pdftotext cannot read the file.
QList<QList<PdfWord>> pdfWords(const QString &pdf);
// The text of every page, as pdftotext writes it.
QString pdfText(const QString &pdf);

} // namespace TestSupport
