#include "report/Fr3Reader.h"

#include "report/ReportBarcode.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"
#include "report/ReportTemplate.h"
#include "report/ReportUnknownObject.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

using namespace ReportUnits;

// The attributes of one element; known ones are taken, the rest kept in order.
class Attrs
{
public:
    explicit Attrs(const QXmlStreamAttributes &a)
    {
        for (const QXmlStreamAttribute &x : a)
            m_items.append({x.qualifiedName().toString(), x.value().toString()});
        m_taken.resize(m_items.size());
    }

    bool has(const QString &name) const { return find(name) >= 0; }
    QString text(const QString &name, const QString &def = QString())
    {
        const int i = find(name);
        if (i < 0)
            return def;
        m_taken[i] = true;
        return m_items.at(i).second;
    }
    double num(const QString &name, double def)
    {
        const int i = find(name);
        if (i < 0)
            return def;
        m_taken[i] = true;
        return parseNumber(m_items.at(i).second, def);
    }
    int integer(const QString &name, int def) { return int(qRound64(num(name, def))); }
    qint64 color(const QString &name, qint64 def)
    {
        const int i = find(name);
        if (i < 0)
            return def;
        m_taken[i] = true;
        const QString v = m_items.at(i).second.trimmed();
        if (v == QLatin1String("clNone"))
            return ClNone;
        if (v == QLatin1String("clBlack"))
            return ClBlack;
        if (v == QLatin1String("clWhite"))
            return ClWhite;
        bool ok = false;
        const qint64 n = v.startsWith(QLatin1Char('$')) ? v.mid(1).toLongLong(&ok, 16) : v.toLongLong(&ok);
        return ok ? n : def;
    }
    bool flag(const QString &name, bool def) { return parseBool(text(name), def); }

    ExtraAttributes rest() const
    {
        ExtraAttributes out;
        for (int i = 0; i < m_items.size(); ++i)
            if (!m_taken.at(i))
                out.items.append(m_items.at(i));
        return out;
    }

private:
    int find(const QString &name) const
    {
        for (int i = 0; i < m_items.size(); ++i)
            if (m_items.at(i).first == name)
                return i;
        return -1;
    }
    QList<QPair<QString, QString>> m_items;
    QList<bool> m_taken;
};

// Band elements of FastReport that this engine keeps as bands without printing them.
const QSet<QString> &otherBandElements()
{
    static const QSet<QString> s = {
        QStringLiteral("TfrxGroupHeader"), QStringLiteral("TfrxGroupFooter"), QStringLiteral("TfrxChild"),
        QStringLiteral("TfrxDetailData"), QStringLiteral("TfrxSubdetailData"), QStringLiteral("TfrxDetailHeader"),
        QStringLiteral("TfrxDetailFooter"), QStringLiteral("TfrxColumnHeader"), QStringLiteral("TfrxColumnFooter"),
        QStringLiteral("TfrxOverlay"), QStringLiteral("TfrxDataBand4"), QStringLiteral("TfrxDataBand5"),
        QStringLiteral("TfrxDataBand6"),
    };
    return s;
}

class Reader
{
public:
    Reader(const QByteArray &data, ReportTemplate &out) : m_xml(data), m_out(out) {}

    bool run(QString *error)
    {
        m_out.clear();
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement()) {
                if (m_xml.name() != QLatin1String("TfrxReport")) {
                    fail(QStringLiteral("根元素是 %1，不是 TfrxReport").arg(m_xml.name().toString()));
                    break;
                }
                readRoot();
                break;
            }
        }
        if (!m_error.isEmpty() || m_xml.hasError() || m_rootSeen == false) {
            if (m_error.isEmpty())
                m_error = m_xml.hasError()
                              ? QStringLiteral("第 %1 行：%2").arg(m_xml.lineNumber()).arg(m_xml.errorString())
                              : QStringLiteral("没有报表内容");
            if (error)
                *error = m_error;
            const QString name = m_out.fileName;
            m_out.clear();
            m_out.fileName = name;
            return false;
        }
        return true;
    }

    QString folder;

private:
    void fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }

    // The current element and everything inside it as XML text.
    QString capture()
    {
        QString text;
        QXmlStreamWriter w(&text);
        w.writeCurrentToken(m_xml);
        int depth = 1;
        while (depth > 0 && !m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                ++depth;
            else if (m_xml.isEndElement())
                --depth;
            if (m_xml.isCharacters() && m_xml.isWhitespace())
                continue;
            w.writeCurrentToken(m_xml);
        }
        return text;
    }

    void readRoot()
    {
        m_rootSeen = true;
        Attrs a(m_xml.attributes());
        m_out.printOffsetMm = QPointF(a.num(QStringLiteral("PrintOffset.X"), 0), a.num(QStringLiteral("PrintOffset.Y"), 0));
        m_out.extra = a.rest();
        while (m_xml.readNextStartElement()) {
            const QStringView n = m_xml.name();
            if (n == QLatin1String("Datasets"))
                readDatasets();
            else if (n == QLatin1String("Variables"))
                readVariables();
            else if (n == QLatin1String("TfrxReportPage"))
                readPage();
            else
                m_out.extraChildren << capture();
        }
    }

    void readDatasets()
    {
        while (m_xml.readNextStartElement()) {
            const QXmlStreamAttributes a = m_xml.attributes();
            m_out.datasets.append({a.value(QLatin1String("DataSet")).toString(), a.value(QLatin1String("DataSetName")).toString()});
            m_xml.skipCurrentElement();
        }
    }

    void readVariables()
    {
        while (m_xml.readNextStartElement()) {
            const QXmlStreamAttributes a = m_xml.attributes();
            m_out.variables.append({a.value(QLatin1String("Name")).toString(), a.value(QLatin1String("Value")).toString()});
            m_xml.skipCurrentElement();
        }
    }

    void readPage()
    {
        auto page = std::make_unique<ReportPage>();
        Attrs a(m_xml.attributes());
        page->name = a.text(QStringLiteral("Name"), page->name);
        page->paperWidth = a.num(QStringLiteral("PaperWidth"), 210);
        page->paperHeight = a.num(QStringLiteral("PaperHeight"), 297);
        page->paperSize = a.integer(QStringLiteral("PaperSize"), 9);
        page->leftMargin = a.num(QStringLiteral("LeftMargin"), 10);
        page->rightMargin = a.num(QStringLiteral("RightMargin"), 10);
        page->topMargin = a.num(QStringLiteral("TopMargin"), 10);
        page->bottomMargin = a.num(QStringLiteral("BottomMargin"), 10);
        page->landscape = a.text(QStringLiteral("Orientation")) == QLatin1String("poLandscape");
        const QString back = a.text(QStringLiteral("BackPicture.PropData"));
        if (!back.isEmpty())
            page->backPicture.setPropData(back);
        page->backPictureVisible = a.flag(QStringLiteral("BackPictureVisible"), true);
        page->backPicturePrintable = a.flag(QStringLiteral("BackPicturePrintable"), false);
        page->extra = a.rest();
        while (m_xml.readNextStartElement()) {
            const QString n = m_xml.name().toString();
            const ReportBand::Kind k = ReportBand::kindOf(n);
            if (k != ReportBand::Kind::Other || otherBandElements().contains(n))
                page->bands.push_back(readBand(k, n));
            else
                page->extraChildren << capture();
        }
        m_out.pages.push_back(std::move(page));
    }

    std::unique_ptr<ReportBand> readBand(ReportBand::Kind k, const QString &element)
    {
        auto band = std::make_unique<ReportBand>(k);
        if (k == ReportBand::Kind::Other)
            band->element = element;
        Attrs a(m_xml.attributes());
        band->name = a.text(QStringLiteral("Name"));
        band->left = a.num(QStringLiteral("Left"), 0);
        band->top = a.num(QStringLiteral("Top"), 0);
        band->width = a.num(QStringLiteral("Width"), 0);
        band->height = a.num(QStringLiteral("Height"), 0);
        band->dataSet = a.text(QStringLiteral("DataSet"));
        band->dataSetName = a.text(QStringLiteral("DataSetName"));
        band->rowCount = a.integer(QStringLiteral("RowCount"), 0);
        band->columns = a.integer(QStringLiteral("Columns"), 0);
        band->columnWidth = a.num(QStringLiteral("ColumnWidth"), 0);
        band->columnGap = a.num(QStringLiteral("ColumnGap"), 0);
        band->stretched = a.flag(QStringLiteral("Stretched"), false);
        band->startNewPage = a.flag(QStringLiteral("StartNewPage"), false);
        band->reprintOnNewPage = a.flag(QStringLiteral("ReprintOnNewPage"), false);
        band->printOnFirstPage = a.flag(QStringLiteral("PrintOnFirstPage"), true);
        band->printOnLastPage = a.flag(QStringLiteral("PrintOnLastPage"), true);
        band->extra = a.rest();
        while (m_xml.readNextStartElement()) {
            if (auto o = readObject())
                band->objects.push_back(std::move(o));
            else
                band->extraChildren << capture();
        }
        return band;
    }

    static ReportFont readFont(Attrs &a, const ReportFont &def = ReportFont())
    {
        ReportFont f;
        f.name = a.text(QStringLiteral("Font.Name"), def.name);
        f.height = a.integer(QStringLiteral("Font.Height"), def.height);
        f.style = a.integer(QStringLiteral("Font.Style"), def.style);
        f.color = a.color(QStringLiteral("Font.Color"), def.color);
        f.charset = a.integer(QStringLiteral("Font.Charset"), def.charset);
        return f;
    }

    static ReportFrame readFrame(Attrs &a)
    {
        ReportFrame f;
        f.typ = a.integer(QStringLiteral("Frame.Typ"), 0);
        f.width = a.num(QStringLiteral("Frame.Width"), 1);
        f.color = a.color(QStringLiteral("Frame.Color"), ClBlack);
        f.style = a.text(QStringLiteral("Frame.Style"), f.style);
        return f;
    }

    void readCommon(ReportObject &o, Attrs &a)
    {
        o.name = a.text(QStringLiteral("Name"));
        o.left = a.num(QStringLiteral("Left"), 0);
        o.top = a.num(QStringLiteral("Top"), 0);
        o.width = a.num(QStringLiteral("Width"), 0);
        o.height = a.num(QStringLiteral("Height"), 0);
        o.printable = a.flag(QStringLiteral("Printable"), true);
        o.visible = a.flag(QStringLiteral("Visible"), true);
    }

    // The object at the reader, or null (reader untouched) when it is no object.
    std::unique_ptr<ReportObject> readObject()
    {
        const QString n = m_xml.name().toString();
        Attrs a(m_xml.attributes());
        std::unique_ptr<ReportObject> obj;
        if (n == QLatin1String("TfrxMemoView")) {
            auto m = std::make_unique<ReportMemo>();
            for (const char *attr : {"Text", "Memo.Text", "Memo.UTF8W"})
                if (a.has(QLatin1String(attr))) {
                    m->textAttribute = QLatin1String(attr);
                    m->text = a.text(m->textAttribute);
                    break;
                }
            m->font = readFont(a);
            m->parentFont = a.flag(QStringLiteral("ParentFont"), false);
            m->hAlign = parseHAlign(a.text(QStringLiteral("HAlign")));
            m->vAlign = parseVAlign(a.text(QStringLiteral("VAlign")));
            m->wordWrap = a.flag(QStringLiteral("WordWrap"), true);
            m->autoWidth = a.flag(QStringLiteral("AutoWidth"), false);
            m->stretchMode = a.text(QStringLiteral("StretchMode"), m->stretchMode);
            m->frame = readFrame(a);
            m->fillColor = a.color(QStringLiteral("Color"), ClNone);
            m->displayFormat.kind = a.text(QStringLiteral("DisplayFormat.Kind"), m->displayFormat.kind);
            m->displayFormat.formatStr = a.text(QStringLiteral("DisplayFormat.FormatStr"));
            m->displayFormat.decimalSeparator = a.text(QStringLiteral("DisplayFormat.DecimalSeparator"));
            m->gapX = a.num(QStringLiteral("GapX"), 2);
            m->gapY = a.num(QStringLiteral("GapY"), 1);
            m->lineSpacing = a.num(QStringLiteral("LineSpacing"), 2);
            m->rotation = a.integer(QStringLiteral("Rotation"), 0);
            m->hideZeros = a.flag(QStringLiteral("HideZeros"), false);
            m->dataSet = a.text(QStringLiteral("DataSet"));
            m->dataSetName = a.text(QStringLiteral("DataSetName"));
            m->dataField = a.text(QStringLiteral("DataField"));
            obj = std::move(m);
        } else if (n == QLatin1String("TfrxPictureView")) {
            auto p = std::make_unique<ReportPicture>();
            const QString data = a.text(QStringLiteral("Picture.PropData"));
            if (!data.isEmpty())
                p->picture.setPropData(data);
            p->fileLink = a.text(QStringLiteral("FileLink"));
            if (p->picture.isNull() && !p->fileLink.isEmpty())
                loadLinked(*p);
            p->stretched = a.flag(QStringLiteral("Stretched"), true);
            p->keepAspectRatio = a.flag(QStringLiteral("KeepAspectRatio"), true);
            p->center = a.flag(QStringLiteral("Center"), false);
            p->frame = readFrame(a);
            p->fillColor = a.color(QStringLiteral("Color"), ClNone);
            p->dataSetName = a.text(QStringLiteral("DataSetName"));
            p->dataField = a.text(QStringLiteral("DataField"));
            obj = std::move(p);
        } else if (n == QLatin1String("TfrxLineView")) {
            auto l = std::make_unique<ReportLine>();
            l->frame = readFrame(a);
            l->diagonal = a.flag(QStringLiteral("Diagonal"), false);
            obj = std::move(l);
        } else if (n == QLatin1String("TfrxShapeView")) {
            auto s = std::make_unique<ReportShape>();
            s->shape = a.text(QStringLiteral("Shape"), s->shape);
            s->frame = readFrame(a);
            s->fillColor = a.color(QStringLiteral("Color"), ClNone);
            s->curve = a.num(QStringLiteral("Curve"), 0);
            obj = std::move(s);
        } else if (n == QLatin1String("TfrxBarCodeView")) {
            auto b = std::make_unique<ReportBarcode>();
            b->barType = a.text(QStringLiteral("BarType"), b->barType);
            b->text = a.text(QStringLiteral("Text"));
            b->expression = a.text(QStringLiteral("Expression"));
            b->dataSetName = a.text(QStringLiteral("DataSetName"));
            b->dataField = a.text(QStringLiteral("DataField"));
            b->showText = a.flag(QStringLiteral("ShowText"), true);
            b->rotation = a.integer(QStringLiteral("Rotation"), 0);
            b->zoom = a.num(QStringLiteral("Zoom"), 1);
            b->font = readFont(a);
            b->color = a.color(QStringLiteral("Color"), ClWhite);
            obj = std::move(b);
        } else if (n.startsWith(QLatin1String("Tfrx")) && a.has(QStringLiteral("Name")) &&
                   a.has(QStringLiteral("Left")) && a.has(QStringLiteral("Top"))) {
            obj = std::make_unique<ReportUnknownObject>(n);
        } else {
            return nullptr;
        }
        readCommon(*obj, a);
        obj->extra = a.rest();
        while (m_xml.readNextStartElement())
            obj->extraChildren << capture();
        return obj;
    }

    void loadLinked(ReportPicture &p)
    {
        QString path = p.fileLink;
        if (QFileInfo(path).isRelative() && !folder.isEmpty())
            path = folder + QLatin1Char('/') + path;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            p.picture.setFileBytes(f.readAll());
    }

    QXmlStreamReader m_xml;
    ReportTemplate &m_out;
    QString m_error;
    bool m_rootSeen = false;
};

} // namespace

namespace Fr3Reader {

bool readData(const QByteArray &data, ReportTemplate &out, QString *error)
{
    Reader r(data, out);
    return r.run(error);
}

bool readFile(const QString &fileName, ReportTemplate &out, QString *error)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        out.clear();
        if (error)
            *error = f.errorString();
        return false;
    }
    out.clear();
    out.fileName = fileName;
    Reader r(f.readAll(), out);
    r.folder = QFileInfo(fileName).absolutePath();
    const bool ok = r.run(error);
    out.fileName = fileName;
    return ok;
}

} // namespace Fr3Reader
