#include "report/Fr3Writer.h"

#include "report/ReportBarcode.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"
#include "report/ReportTemplate.h"
#include "report/ReportUnknownObject.h"

#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

using namespace ReportUnits;

class Writer
{
public:
    explicit Writer(QByteArray *out) : m_w(out) { m_w.setAutoFormatting(true); }

    void run(const ReportTemplate &r)
    {
        m_w.writeStartDocument();
        m_w.writeStartElement(QStringLiteral("TfrxReport"));
        writeExtra(r.extra);
        if (!r.printOffsetMm.isNull()) {
            num(QStringLiteral("PrintOffset.X"), r.printOffsetMm.x());
            num(QStringLiteral("PrintOffset.Y"), r.printOffsetMm.y());
        }
        m_w.writeStartElement(QStringLiteral("Datasets"));
        for (const ReportDatasetRef &d : r.datasets) {
            m_w.writeEmptyElement(QStringLiteral("item"));
            m_w.writeAttribute(QStringLiteral("DataSet"), d.dataSet);
            m_w.writeAttribute(QStringLiteral("DataSetName"), d.dataSetName);
        }
        m_w.writeEndElement();
        m_w.writeStartElement(QStringLiteral("Variables"));
        for (const ReportVariable &v : r.variables) {
            m_w.writeEmptyElement(QStringLiteral("item"));
            m_w.writeAttribute(QStringLiteral("Name"), v.name);
            if (!v.isCategory())
                m_w.writeAttribute(QStringLiteral("Value"), v.value);
        }
        m_w.writeEndElement();
        writeChildren(r.extraChildren);
        for (const auto &p : r.pages)
            writePage(*p);
        m_w.writeEndElement();
        m_w.writeEndDocument();
    }

private:
    void text(const QString &name, const QString &value) { m_w.writeAttribute(name, value); }
    void num(const QString &name, double v) { m_w.writeAttribute(name, formatNumber(v)); }
    void integer(const QString &name, qint64 v) { m_w.writeAttribute(name, QString::number(v)); }
    void flag(const QString &name, bool v) { m_w.writeAttribute(name, formatBool(v)); }

    void writeExtra(const ExtraAttributes &e)
    {
        for (const auto &a : e.items)
            m_w.writeAttribute(a.first, a.second);
    }

    // Child elements kept as XML text.
    void writeChildren(const QStringList &children)
    {
        for (const QString &xml : children) {
            QXmlStreamReader r(xml);
            while (!r.atEnd()) {
                r.readNext();
                if (r.isStartDocument() || r.isEndDocument() || (r.isCharacters() && r.isWhitespace()))
                    continue;
                if (r.hasError())
                    break;
                m_w.writeCurrentToken(r);
            }
        }
    }

    void writePage(const ReportPage &p)
    {
        m_w.writeStartElement(QStringLiteral("TfrxReportPage"));
        text(QStringLiteral("Name"), p.name);
        if (p.landscape)
            text(QStringLiteral("Orientation"), QStringLiteral("poLandscape"));
        num(QStringLiteral("PaperWidth"), p.paperWidth);
        num(QStringLiteral("PaperHeight"), p.paperHeight);
        integer(QStringLiteral("PaperSize"), p.paperSize);
        num(QStringLiteral("LeftMargin"), p.leftMargin);
        num(QStringLiteral("RightMargin"), p.rightMargin);
        num(QStringLiteral("TopMargin"), p.topMargin);
        num(QStringLiteral("BottomMargin"), p.bottomMargin);
        if (!p.backPicture.isNull()) {
            text(QStringLiteral("BackPicture.PropData"), p.backPicture.propData());
            if (!p.backPictureVisible)
                flag(QStringLiteral("BackPictureVisible"), false);
            if (p.backPicturePrintable)
                flag(QStringLiteral("BackPicturePrintable"), true);
        }
        writeExtra(p.extra);
        for (const auto &b : p.bands)
            writeBand(*b);
        writeChildren(p.extraChildren);
        m_w.writeEndElement();
    }

    void writeBand(const ReportBand &b)
    {
        m_w.writeStartElement(b.typeName());
        text(QStringLiteral("Name"), b.name);
        num(QStringLiteral("Height"), b.height);
        num(QStringLiteral("Left"), b.left);
        num(QStringLiteral("Top"), b.top);
        num(QStringLiteral("Width"), b.width);
        if (!b.dataSet.isEmpty())
            text(QStringLiteral("DataSet"), b.dataSet);
        if (!b.dataSetName.isEmpty())
            text(QStringLiteral("DataSetName"), b.dataSetName);
        if (b.kind == ReportBand::Kind::MasterData || b.rowCount != 0)
            integer(QStringLiteral("RowCount"), b.rowCount);
        if (b.columns > 0)
            integer(QStringLiteral("Columns"), b.columns);
        if (b.kind == ReportBand::Kind::MasterData || b.columnWidth != 0 || b.columnGap != 0) {
            num(QStringLiteral("ColumnWidth"), b.columnWidth);
            num(QStringLiteral("ColumnGap"), b.columnGap);
        }
        if (b.stretched)
            flag(QStringLiteral("Stretched"), true);
        if (b.startNewPage)
            flag(QStringLiteral("StartNewPage"), true);
        if (b.reprintOnNewPage)
            flag(QStringLiteral("ReprintOnNewPage"), true);
        if (!b.printOnFirstPage)
            flag(QStringLiteral("PrintOnFirstPage"), false);
        if (!b.printOnLastPage)
            flag(QStringLiteral("PrintOnLastPage"), false);
        writeExtra(b.extra);
        for (const auto &o : b.objects)
            writeObject(*o);
        writeChildren(b.extraChildren);
        m_w.writeEndElement();
    }

    void writeFont(const ReportFont &f)
    {
        integer(QStringLiteral("Font.Charset"), f.charset);
        integer(QStringLiteral("Font.Color"), f.color);
        integer(QStringLiteral("Font.Height"), f.height);
        text(QStringLiteral("Font.Name"), f.name);
        integer(QStringLiteral("Font.Style"), f.style);
    }

    void writeFrame(const ReportFrame &f)
    {
        if (f.color != ClBlack)
            integer(QStringLiteral("Frame.Color"), f.color);
        if (f.style != QLatin1String("fsSolid"))
            text(QStringLiteral("Frame.Style"), f.style);
        if (f.typ != 0)
            integer(QStringLiteral("Frame.Typ"), f.typ);
        if (f.width != 1)
            num(QStringLiteral("Frame.Width"), f.width);
    }

    void writeColor(const QString &name, qint64 c, qint64 def)
    {
        if (c != def)
            integer(name, c);
    }

    void writeObject(const ReportObject &o)
    {
        m_w.writeStartElement(o.typeName());
        text(QStringLiteral("Name"), o.name);
        num(QStringLiteral("Left"), o.left);
        num(QStringLiteral("Top"), o.top);
        num(QStringLiteral("Width"), o.width);
        num(QStringLiteral("Height"), o.height);
        if (!o.printable)
            flag(QStringLiteral("Printable"), false);
        if (!o.visible)
            flag(QStringLiteral("Visible"), false);
        switch (o.kind()) {
        case ReportObject::Kind::Memo: writeMemo(static_cast<const ReportMemo &>(o)); break;
        case ReportObject::Kind::Picture: writePicture(static_cast<const ReportPicture &>(o)); break;
        case ReportObject::Kind::Line: {
            const auto &l = static_cast<const ReportLine &>(o);
            if (l.diagonal)
                flag(QStringLiteral("Diagonal"), true);
            writeFrame(l.frame);
            break;
        }
        case ReportObject::Kind::Shape: {
            const auto &s = static_cast<const ReportShape &>(o);
            writeColor(QStringLiteral("Color"), s.fillColor, ClNone);
            if (s.curve != 0)
                num(QStringLiteral("Curve"), s.curve);
            writeFrame(s.frame);
            text(QStringLiteral("Shape"), s.shape);
            break;
        }
        case ReportObject::Kind::Barcode: writeBarcode(static_cast<const ReportBarcode &>(o)); break;
        case ReportObject::Kind::Unknown: break;
        }
        writeExtra(o.extra);
        writeChildren(o.extraChildren);
        m_w.writeEndElement();
    }

    void writeMemo(const ReportMemo &m)
    {
        if (m.autoWidth)
            flag(QStringLiteral("AutoWidth"), true);
        if (m.stretchMode != QLatin1String("smDontStretch"))
            text(QStringLiteral("StretchMode"), m.stretchMode);
        writeColor(QStringLiteral("Color"), m.fillColor, ClNone);
        if (!m.dataSet.isEmpty())
            text(QStringLiteral("DataSet"), m.dataSet);
        if (!m.dataSetName.isEmpty())
            text(QStringLiteral("DataSetName"), m.dataSetName);
        if (!m.dataField.isEmpty())
            text(QStringLiteral("DataField"), m.dataField);
        if (m.displayFormat.kind != QLatin1String("fkText") || !m.displayFormat.formatStr.isEmpty()) {
            if (!m.displayFormat.decimalSeparator.isEmpty())
                text(QStringLiteral("DisplayFormat.DecimalSeparator"), m.displayFormat.decimalSeparator);
            text(QStringLiteral("DisplayFormat.FormatStr"), m.displayFormat.formatStr);
            text(QStringLiteral("DisplayFormat.Kind"), m.displayFormat.kind);
        }
        writeFont(m.font);
        writeFrame(m.frame);
        if (m.gapX != 2)
            num(QStringLiteral("GapX"), m.gapX);
        if (m.gapY != 1)
            num(QStringLiteral("GapY"), m.gapY);
        text(QStringLiteral("HAlign"), hAlignName(m.hAlign));
        if (m.hideZeros)
            flag(QStringLiteral("HideZeros"), true);
        if (m.lineSpacing != 2)
            num(QStringLiteral("LineSpacing"), m.lineSpacing);
        flag(QStringLiteral("ParentFont"), m.parentFont);
        if (m.rotation != 0)
            integer(QStringLiteral("Rotation"), m.rotation);
        text(QStringLiteral("VAlign"), vAlignName(m.vAlign));
        if (!m.wordWrap)
            flag(QStringLiteral("WordWrap"), false);
        text(m.textAttribute.isEmpty() ? QStringLiteral("Text") : m.textAttribute, m.text);
    }

    void writePicture(const ReportPicture &p)
    {
        writeColor(QStringLiteral("Color"), p.fillColor, ClNone);
        if (!p.dataSetName.isEmpty())
            text(QStringLiteral("DataSetName"), p.dataSetName);
        if (!p.dataField.isEmpty())
            text(QStringLiteral("DataField"), p.dataField);
        if (!p.fileLink.isEmpty())
            text(QStringLiteral("FileLink"), p.fileLink);
        writeFrame(p.frame);
        if (p.center)
            flag(QStringLiteral("Center"), true);
        if (!p.keepAspectRatio)
            flag(QStringLiteral("KeepAspectRatio"), false);
        if (!p.stretched)
            flag(QStringLiteral("Stretched"), false);
        // A linked picture stays a link; only embedded ones are written into the file.
        if (!p.picture.isNull() && p.fileLink.isEmpty())
            text(QStringLiteral("Picture.PropData"), p.picture.propData());
    }

    void writeBarcode(const ReportBarcode &b)
    {
        text(QStringLiteral("BarType"), b.barType);
        writeColor(QStringLiteral("Color"), b.color, ClWhite);
        if (!b.dataSetName.isEmpty())
            text(QStringLiteral("DataSetName"), b.dataSetName);
        if (!b.dataField.isEmpty())
            text(QStringLiteral("DataField"), b.dataField);
        if (!b.expression.isEmpty())
            text(QStringLiteral("Expression"), b.expression);
        writeFont(b.font);
        if (b.rotation != 0)
            integer(QStringLiteral("Rotation"), b.rotation);
        if (!b.showText)
            flag(QStringLiteral("ShowText"), false);
        text(QStringLiteral("Text"), b.text);
        if (b.zoom != 1)
            num(QStringLiteral("Zoom"), b.zoom);
    }

    QXmlStreamWriter m_w;
};

} // namespace

namespace Fr3Writer {

QByteArray toData(const ReportTemplate &report)
{
    QByteArray out;
    Writer w(&out);
    w.run(report);
    return out;
}

bool writeFile(const ReportTemplate &report, const QString &fileName, QString *error)
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(toData(report)) < 0 || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

} // namespace Fr3Writer
