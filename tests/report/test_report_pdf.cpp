// Rendered output: text positions in PDFs to within 0.5 mm, the print offset,
// objects that never print, paper sizes and Chinese text.
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFonts.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportPrinting.h"

#include "support/PdfText.h"

#include <QPrinter>

#include <QBuffer>
#include <QFontDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double kMmPerPt = 25.4 / 72.0;

struct Word
{
    QString text;
    QRectF mm;
};

// The words of every page, in millimetres.
QList<QList<Word>> pdfWords(const QString &pdf)
{
    QList<QList<Word>> pages;
    for (const QList<TestSupport::PdfWord> &page : TestSupport::pdfWords(pdf)) {
        QList<Word> words;
        for (const TestSupport::PdfWord &w : page)
            words.append({w.text, QRectF(w.box.topLeft() * kMmPerPt, w.box.bottomRight() * kMmPerPt)});
        pages.append(words);
    }
    return pages;
}

QString pageSize(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(QString::fromUtf8(p.readAllStandardOutput()));
    if (!m.hasMatch())
        return {};
    return QStringLiteral("%1x%2").arg(qRound(m.captured(1).toDouble() * kMmPerPt)).arg(qRound(m.captured(2).toDouble() * kMmPerPt));
}

struct Sheet
{
    ReportEngine engine;
    ReportPage *page = nullptr;
    ReportBand *band = nullptr;

    Sheet(double w, double h)
    {
        page = engine.report().addPage();
        page->paperWidth = w;
        page->paperHeight = h;
        page->leftMargin = page->topMargin = page->rightMargin = page->bottomMargin = 0;
        auto b = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
        b->name = QStringLiteral("MDmain");
        b->rowCount = 1;
        b->setHeightMm(h);
        band = page->addBand(std::move(b));
    }

    ReportMemo *memo(const QString &text, const QRectF &mm, HAlign align = HAlign::Left, const QString &font = QStringLiteral("Arial"))
    {
        auto m = std::make_unique<ReportMemo>();
        m->name = engine.report().uniqueName(QStringLiteral("Memo"));
        m->text = text;
        m->setRectMm(mm);
        m->gapX = m->gapY = 0;
        m->hAlign = align;
        m->font.name = font;
        m->font.setPointSize(12);
        return static_cast<ReportMemo *>(band->addObject(std::move(m)));
    }
};

const Word *findWord(const QList<Word> &words, const QString &text)
{
    for (const Word &w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void positions_data();
    void positions();
    void printOffset();
    void printerPrintsFullPage();
    void nonPrintableObjectsAndBackground();
    void paperSizes_data();
    void paperSizes();
    void fontSubstitutes_data();
    void fontSubstitutes();
    void pictureAndTextExports();

private:
    QTemporaryDir m_dir;
};

void TestReportPdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestReportPdf::positions_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QString>("font");
    QTest::newRow("left 50 mm") << int(HAlign::Left) << QRectF(50, 30, 60, 8) << "Arial";
    QTest::newRow("left fractions") << int(HAlign::Left) << QRectF(12.35, 97.6, 40, 8) << "Times New Roman";
    QTest::newRow("right edge") << int(HAlign::Right) << QRectF(120, 60, 70, 8) << "Arial";
    QTest::newRow("centred") << int(HAlign::Center) << QRectF(20, 110, 100, 8) << "Arial";
    QTest::newRow("song typeface") << int(HAlign::Left) << QRectF(150.5, 10, 50, 8) << "宋体";
}

void TestReportPdf::positions()
{
    QFETCH(int, align);
    QFETCH(QRectF, rect);
    QFETCH(QString, font);
    Sheet s(230, 127);
    ReportMemo *m = s.memo(QStringLiteral("HWB4711"), rect, HAlign(align), font);
    auto prepared = s.engine.prepare();
    const QString pdf = m_dir.filePath(QStringLiteral("pos.pdf"));
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    const auto pages = pdfWords(pdf);
    QCOMPARE(pages.size(), 1);
    const Word *w = findWord(pages[0], QStringLiteral("HWB4711"));
    QVERIFY(w);
    const double tolerance = 0.5;
    // The first glyph's side bearing is part of the word box; the text starts at the memo's edge.
    if (HAlign(align) == HAlign::Left)
        QVERIFY2(qAbs(w->mm.left() - rect.left()) <= tolerance, qPrintable(QString::number(w->mm.left())));
    else if (HAlign(align) == HAlign::Right)
        QVERIFY2(qAbs(w->mm.right() - rect.right()) <= tolerance, qPrintable(QString::number(w->mm.right())));
    else
        QVERIFY2(qAbs(w->mm.center().x() - rect.center().x()) <= tolerance, qPrintable(QString::number(w->mm.center().x())));
    // Top-aligned: the line box starts at the memo's top; its height is the font's.
    QVERIFY2(qAbs(w->mm.top() - rect.top()) <= tolerance, qPrintable(QString::number(w->mm.top())));
    QVERIFY(w->mm.height() > 3 && w->mm.height() < 6.5);
    Q_UNUSED(m);
}

void TestReportPdf::printOffset()
{
    Sheet s(230, 127);
    s.memo(QStringLiteral("OFFSET"), QRectF(50, 30, 60, 8));
    s.engine.report().printOffsetMm = QPointF(2.5, -1.5);
    auto prepared = s.engine.prepare();
    const QString pdf = m_dir.filePath(QStringLiteral("offset.pdf")), plain = m_dir.filePath(QStringLiteral("plain.pdf"));
    QVERIFY(ReportExport::toPdf(*prepared, pdf, true));
    QVERIFY(ReportExport::toPdf(*prepared, plain, false));
    const QList<Word> shiftedWords = pdfWords(pdf).value(0), plainWords = pdfWords(plain).value(0);
    const Word *shifted = findWord(shiftedWords, QStringLiteral("OFFSET"));
    const Word *unshifted = findWord(plainWords, QStringLiteral("OFFSET"));
    QVERIFY(shifted && unshifted);
    QVERIFY(qAbs(shifted->mm.left() - unshifted->mm.left() - 2.5) < 0.05);
    QVERIFY(qAbs(shifted->mm.top() - unshifted->mm.top() + 1.5) < 0.05);
    QVERIFY(qAbs(unshifted->mm.left() - 50) <= 0.5);
}

void TestReportPdf::printerPrintsFullPage()
{
    // The printer path: the paper's corner is the origin, whatever the printable area.
    Sheet s(230, 127);
    s.memo(QStringLiteral("PRINTER"), QRectF(50, 30, 60, 8));
    s.engine.report().printOffsetMm = QPointF(1, 2);
    auto prepared = s.engine.prepare();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath(QStringLiteral("printer.pdf"));
    printer.setOutputFileName(pdf);
    QVERIFY(ReportPrinting::print(*prepared, printer));
    QCOMPARE(pageSize(pdf), QStringLiteral("230x127"));
    const QList<Word> words = pdfWords(pdf).value(0);
    const Word *w = findWord(words, QStringLiteral("PRINTER"));
    QVERIFY(w);
    QVERIFY2(qAbs(w->mm.left() - 51) <= 0.5, qPrintable(QString::number(w->mm.left())));
    QVERIFY2(qAbs(w->mm.top() - 32) <= 0.5, qPrintable(QString::number(w->mm.top())));
}

void TestReportPdf::nonPrintableObjectsAndBackground()
{
    Sheet s(230, 127);
    s.memo(QStringLiteral("PRINTED"), QRectF(10, 10, 60, 8));
    s.memo(QStringLiteral("FORMONLY"), QRectF(10, 30, 60, 8))->printable = false;
    QImage form(230, 127, QImage::Format_RGB32);
    form.fill(QColor(255, 0, 0));
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    form.save(&buf, "PNG");
    s.page->backPicture.setFileBytes(png);
    auto prepared = s.engine.prepare();
    const QString pdf = m_dir.filePath(QStringLiteral("np.pdf"));
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    const auto words = pdfWords(pdf).value(0);
    QVERIFY(findWord(words, QStringLiteral("PRINTED")));
    QVERIFY(!findWord(words, QStringLiteral("FORMONLY")));
    // Pictures of the page show the scanned form only on screen (preview), not in print.
    const QImage printed = ReportExport::pageImage(*prepared, 0, 50, false);
    QCOMPARE(printed.pixelColor(printed.width() - 3, printed.height() - 3), QColor(Qt::white));
    const QImage preview = ReportExport::pageImage(*prepared, 0, 50, true);
    QCOMPARE(preview.pixelColor(preview.width() - 3, preview.height() - 3), QColor(255, 0, 0));
    s.page->backPicturePrintable = true;
    prepared = s.engine.prepare();
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    p.waitForFinished(30000);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).count(QLatin1Char('\n')) >= 3);
}

void TestReportPdf::paperSizes_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<QString>("expected");
    QTest::newRow("waybill") << 230.0 << 127.0 << "230x127";
    QTest::newRow("A4") << 210.0 << 297.0 << "210x297";
    QTest::newRow("A4 landscape") << 297.0 << 210.0 << "297x210";
    QTest::newRow("envelope DL") << 220.0 << 110.0 << "220x110";
}

void TestReportPdf::paperSizes()
{
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(QString, expected);
    Sheet s(w, h);
    s.page->landscape = w > h;
    ReportMemo *corner = s.memo(QStringLiteral("END"), QRectF(w - 20, h - 10, 20, 8), HAlign::Right);
    auto prepared = s.engine.prepare();
    const QString pdf = m_dir.filePath(QStringLiteral("size.pdf"));
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    QCOMPARE(pageSize(pdf), expected);
    const QList<Word> words = pdfWords(pdf).value(0);
    const Word *word = findWord(words, QStringLiteral("END"));
    QVERIFY(word);
    QVERIFY(qAbs(word->mm.right() - w) <= 0.5);
    Q_UNUSED(corner);
}

void TestReportPdf::fontSubstitutes_data()
{
    QTest::addColumn<QString>("font");
    QTest::newRow("宋体") << "宋体";
    QTest::newRow("黑体") << "黑体";
    QTest::newRow("楷体") << "楷体_GB2312";
    QTest::newRow("仿宋") << "仿宋";
    QTest::newRow("Arial") << "Arial";
    QTest::newRow("Times New Roman") << "Times New Roman";
}

void TestReportPdf::fontSubstitutes()
{
    QFETCH(QString, font);
    const QString family = ReportFonts::family(font);
    QVERIFY2(QFontDatabase::hasFamily(family), qPrintable(family));
    Sheet s(230, 127);
    s.memo(QStringLiteral("收件人张三"), QRectF(20, 20, 80, 8), HAlign::Left, font);
    auto prepared = s.engine.prepare();
    const QString pdf = m_dir.filePath(QStringLiteral("font.pdf"));
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    QVERIFY(findWord(pdfWords(pdf).value(0), QStringLiteral("收件人张三")));
}

void TestReportPdf::pictureAndTextExports()
{
    Sheet s(100, 50);
    s.memo(QStringLiteral("甲;乙"), QRectF(10, 10, 20, 5));
    s.memo(QStringLiteral("B"), QRectF(40, 10, 20, 5));
    s.memo(QStringLiteral("C"), QRectF(10, 20, 20, 5));
    auto prepared = s.engine.prepare();
    QStringList files;
    QVERIFY(ReportExport::toImages(*prepared, m_dir.filePath(QStringLiteral("page.png")), 96, &files));
    QCOMPARE(files.size(), 1);
    QCOMPARE(QImage(files.first()).size(), QSize(378, 189));
    const QString csv = m_dir.filePath(QStringLiteral("r.csv"));
    QVERIFY(ReportExport::toCsv(*prepared, csv));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("\"甲;乙\";B\r\nC\r\n"));
}

QTEST_MAIN(TestReportPdf)
#include "test_report_pdf.moc"
