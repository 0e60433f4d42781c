#include "support/PdfText.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace TestSupport {

namespace {

QByteArray pdftotext(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), arguments);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

QList<QList<PdfWord>> pdfWords(const QString &pdf)
{
    QXmlStreamReader xml(pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    QList<QList<PdfWord>> pages;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append(QList<PdfWord>());
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const auto a = xml.attributes();
            const QPointF topLeft(a.value(QLatin1String("xMin")).toDouble(), a.value(QLatin1String("yMin")).toDouble());
            const QPointF bottomRight(a.value(QLatin1String("xMax")).toDouble(), a.value(QLatin1String("yMax")).toDouble());
            pages.last().append({xml.readElementText(), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

QString pdfText(const QString &pdf) { return QString::fromUtf8(pdftotext({pdf, QStringLiteral("-")})); }

} // namespace TestSupport
