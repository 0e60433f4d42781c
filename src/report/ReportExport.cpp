#include "report/ReportExport.h"

#include "report/ReportMemo.h"
#include "report/ReportRenderer.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringConverter>

#include <algorithm>

namespace {

QPageLayout layoutFor(const PreparedPage &p)
{
    const double w = p.paperMm.width(), h = p.paperMm.height();
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

bool writeText(const QString &fileName, const QString &text, QString *error)
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    f.write(text.toUtf8());
    if (!f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

bool isTextItem(const PreparedItem &i)
{
    return i.object->kind() == ReportObject::Kind::Memo && !i.text.trimmed().isEmpty();
}

QString csvField(QString s)
{
    s.remove(QLatin1Char('\r'));
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n'))) {
        s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        s = QLatin1Char('"') + s + QLatin1Char('"');
    }
    return s;
}

} // namespace

namespace ReportExport {

bool toPdf(const PreparedReport &r, const QString &fileName, bool applyOffset, QString *error, const Progress &progress)
{
    if (r.pages.empty()) {
        if (error)
            *error = QStringLiteral("报表没有页面");
        return false;
    }
    QPdfWriter pdf(fileName);
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("Marlo"));
    pdf.setTitle(r.title);
    pdf.setPageLayout(layoutFor(r.pages.front()));
    QPainter p;
    if (!p.begin(&pdf)) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(fileName);
        return false;
    }
    ReportRenderer renderer;
    RenderOptions o;
    o.nonPrintable = false;
    o.printing = true;
    if (applyOffset)
        o.offsetMm = r.printOffsetMm;
    for (size_t i = 0; i < r.pages.size(); ++i) {
        if (i > 0) {
            pdf.setPageLayout(layoutFor(r.pages[i]));
            pdf.newPage();
        }
        renderer.render(p, r.pages[i], o);
        if (progress && !progress(int(i) + 1, int(r.pages.size()))) {
            p.end();
            QFile::remove(fileName);
            return false;
        }
    }
    if (!p.end()) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(fileName);
        return false;
    }
    return true;
}

QImage pageImage(const PreparedReport &r, int page, double dpi, bool nonPrintable)
{
    if (page < 0 || page >= r.pageCount())
        return {};
    const PreparedPage &pg = r.pages[size_t(page)];
    const double perMm = dpi / 25.4;
    QImage img(qMax(1, qRound(pg.paperMm.width() * perMm)), qMax(1, qRound(pg.paperMm.height() * perMm)),
               QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    QPainter p(&img);
    ReportRenderer renderer;
    RenderOptions o;
    o.nonPrintable = nonPrintable;
    o.background = nonPrintable;
    renderer.render(p, pg, o);
    return img;
}

bool toImages(const PreparedReport &r, const QString &fileName, double dpi, QStringList *written, QString *error)
{
    const QFileInfo fi(fileName);
    QString ext = fi.suffix().toLower();
    const char *format = ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") ? "JPEG"
                         : ext == QLatin1String("bmp")                                ? "BMP"
                                                                                      : "PNG";
    for (int i = 0; i < r.pageCount(); ++i) {
        const QString name = r.pageCount() == 1 ? fileName
                                                : fi.path() + QLatin1Char('/') + fi.completeBaseName() +
                                                      QStringLiteral("_%1.").arg(i + 1) + fi.suffix();
        if (!pageImage(r, i, dpi).save(name, format, 90)) {
            if (error)
                *error = QStringLiteral("无法写入文件 %1").arg(name);
            return false;
        }
        if (written)
            *written << name;
    }
    return true;
}

QList<QStringList> pageLines(const PreparedPage &page)
{
    std::vector<const PreparedItem *> items;
    for (const PreparedItem &i : page.items)
        if (isTextItem(i) && i.object->printable)
            items.push_back(&i);
    std::stable_sort(items.begin(), items.end(), [](const PreparedItem *a, const PreparedItem *b) {
        return a->rectMm.top() < b->rectMm.top();
    });
    QList<QStringList> lines;
    size_t i = 0;
    while (i < items.size()) {
        const double top = items[i]->rectMm.top();
        const double limit = top + std::max(1.0, items[i]->rectMm.height() / 2);
        std::vector<const PreparedItem *> line;
        while (i < items.size() && items[i]->rectMm.top() < limit)
            line.push_back(items[i++]);
        std::stable_sort(line.begin(), line.end(), [](const PreparedItem *a, const PreparedItem *b) {
            return a->rectMm.left() < b->rectMm.left();
        });
        QStringList texts;
        for (const PreparedItem *x : line)
            texts << x->text;
        lines << texts;
    }
    return lines;
}

bool toCsv(const PreparedReport &r, const QString &fileName, QString *error)
{
    QString out;
    for (const PreparedPage &p : r.pages)
        for (const QStringList &line : pageLines(p)) {
            QStringList fields;
            for (const QString &t : line)
                fields << csvField(t);
            out += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
        }
    return writeText(fileName, out, error);
}

bool toText(const PreparedReport &r, const QString &fileName, QString *error)
{
    QString out;
    for (int i = 0; i < r.pageCount(); ++i) {
        if (i > 0)
            out += QChar(0x0C);
        for (const QStringList &line : pageLines(r.pages[size_t(i)])) {
            QStringList texts;
            for (QString t : line)
                texts << t.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
            out += texts.join(QStringLiteral("  ")) + QStringLiteral("\r\n");
        }
    }
    return writeText(fileName, out, error);
}

bool toHtml(const PreparedReport &r, const QString &fileName, QString *error)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
                                 "<style>body{background:#888}.page{position:relative;background:#fff;margin:8mm auto;"
                                 "overflow:hidden}.t{position:absolute;overflow:hidden;white-space:pre-wrap}</style>"
                                 "</head><body>\n")
                      .arg(r.title.toHtmlEscaped());
    for (const PreparedPage &p : r.pages) {
        out += QStringLiteral("<div class=\"page\" style=\"width:%1mm;height:%2mm\">\n")
                   .arg(p.paperMm.width())
                   .arg(p.paperMm.height());
        for (const PreparedItem &i : p.items) {
            if (!isTextItem(i) || !i.object->printable)
                continue;
            const auto *m = static_cast<const ReportMemo *>(i.object);
            const char *align = m->hAlign == HAlign::Center ? "center" : m->hAlign == HAlign::Right ? "right" : "left";
            out += QStringLiteral("<div class=\"t\" style=\"left:%1mm;top:%2mm;width:%3mm;height:%4mm;"
                                  "font-size:%5pt;text-align:%6%7\">%8</div>\n")
                       .arg(i.rectMm.x(), 0, 'f', 2)
                       .arg(i.rectMm.y(), 0, 'f', 2)
                       .arg(i.rectMm.width(), 0, 'f', 2)
                       .arg(i.rectMm.height(), 0, 'f', 2)
                       .arg(m->font.pointSize(), 0, 'f', 1)
                       .arg(QLatin1String(align))
                       .arg(m->font.style & ReportFont::Bold ? QStringLiteral(";font-weight:bold") : QString())
                       .arg(i.text.toHtmlEscaped());
        }
        out += QStringLiteral("</div>\n");
    }
    out += QStringLiteral("</body></html>\n");
    return writeText(fileName, out, error);
}

QList<TextHit> find(const PreparedReport &r, const QString &text, Qt::CaseSensitivity cs)
{
    QList<TextHit> hits;
    if (text.isEmpty())
        return hits;
    for (int p = 0; p < r.pageCount(); ++p) {
        const PreparedPage &page = r.pages[size_t(p)];
        for (int i = 0; i < int(page.items.size()); ++i)
            if (page.items[size_t(i)].text.contains(text, cs))
                hits.append({p, i});
    }
    return hits;
}

} // namespace ReportExport
