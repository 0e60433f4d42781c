// The designer's document: placing objects, every change undone and redone,
// templates written back unchanged, variables, and the scanned form left out of print.
#include "report/ui/DesignerDocument.h"
#include "report/ui/DesignerEntry.h"
#include "report/ui/DesignerVariables.h"

#include "report/Fr3Reader.h"
#include "report/Fr3Writer.h"
#include "report/MemoryDataSource.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFieldTable.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportTemplate.h"

#include "core/Messages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QString kFixture = QStringLiteral(DESIGNER_FIXTURES "/fixture_waybill.fr3");

ReportTemplate readFixture()
{
    ReportTemplate t;
    if (!Fr3Reader::readFile(kFixture, t))
        qFatal("fixture not readable");
    return t;
}

std::shared_ptr<MemoryDataSource> recipients()
{
    const QStringList columns = {QStringLiteral("F_LXRemp"), QStringLiteral("F_YF"), QStringLiteral("F_KDcode")};
    std::vector<QVector<QVariant>> rows{{QStringLiteral("张三"), 12.5, QStringLiteral("1234567890")}};
    return std::make_shared<MemoryDataSource>(QStringLiteral("收件信息"), columns, std::move(rows),
                                              ReportFieldTable::recipient());
}

QByteArray pictureBytes(const QColor &c)
{
    QImage img(230, 127, QImage::Format_RGB32);
    img.fill(c);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

bool near(const QRectF &a, const QRectF &b, double tol = 0.01)
{
    return qAbs(a.x() - b.x()) <= tol && qAbs(a.y() - b.y()) <= tol && qAbs(a.width() - b.width()) <= tol &&
           qAbs(a.height() - b.height()) <= tol;
}

QString rectText(const QRectF &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestDesignerDocument : public QObject
{
    Q_OBJECT

private slots:
    void placesObjectsWhereTheyPrint_data();
    void placesObjectsWhereTheyPrint();
    void moveAndResizeSurviveSaving_data();
    void moveAndResizeSurviveSaving();
    void roundTripKeepsEverythingElse();
    void shippedTemplatesSurviveTheDesigner_data();
    void shippedTemplatesSurviveTheDesigner();
    void everyChangeUndoesAndRedoes_data();
    void everyChangeUndoesAndRedoes();
    void frontAndBackKeepTheOthersInOrder();
    void arrowKeyStepsMergeIntoOneUndo();
    void namesStayUnique();
    void insertIntoEmptyTemplateMakesBand();
    void variablesAreReplaced_data();
    void variablesAreReplaced();
    void scannedFormShowsInPreviewNotInPrint();
};

// What the designer shows is where it prints: the fixture's band lies 5 mm lower in
// the file than it prints, and the designer follows the printing.
void TestDesignerDocument::placesObjectsWhereTheyPrint_data()
{
    QTest::addColumn<QString>("object");
    QTest::newRow("memo in master band") << QStringLiteral("memRecipient");
    QTest::newRow("formatted memo") << QStringLiteral("memFee");
    QTest::newRow("memo in footer after the band") << QStringLiteral("memSum");
}

void TestDesignerDocument::placesObjectsWhereTheyPrint()
{
    QFETCH(QString, object);
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(kFixture));
    engine.bindDataset(recipients(), QStringLiteral("frxMain"));
    // Room for the footer on the first page.
    engine.report().findBand(QStringLiteral("MDmain"))->setHeightMm(100);
    DesignerDocument doc(engine.report());
    const QRectF designed = doc.objectRectMm(*doc.object(object));
    auto prepared = engine.prepare();
    QVERIFY(prepared && prepared->pageCount() == 1);
    bool found = false;
    for (const PreparedItem &item : prepared->pages.front().items)
        if (item.object->name == object) {
            found = true;
            QVERIFY2(near(item.rectMm, designed), qPrintable(rectText(item.rectMm) + " vs " + rectText(designed)));
        }
    QVERIFY(found);
}

void TestDesignerDocument::moveAndResizeSurviveSaving_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QPointF>("move");
    QTest::addColumn<QSizeF>("resize");
    QTest::newRow("memo, fractions") << QStringLiteral("memRecipient") << QPointF(12.34, -5.67) << QSizeF(3.21, 1.05);
    QTest::newRow("memo, tenth steps") << QStringLiteral("memFee") << QPointF(0.1, 0.1) << QSizeF(-0.1, 0.3);
    QTest::newRow("horizontal line stays flat") << QStringLiteral("Line1") << QPointF(-3.33, 7.77) << QSizeF(10, 5);
    QTest::newRow("barcode up and left") << QStringLiteral("BarCode1") << QPointF(-20.05, -30.45) << QSizeF(-5.5, 2);
    QTest::newRow("kept unknown object") << QStringLiteral("CheckBox1") << QPointF(1.11, 2.22) << QSizeF(0.5, 0.5);
    QTest::newRow("memo in second band") << QStringLiteral("memSum") << QPointF(9.99, 0.01) << QSizeF(0, 0);
}

void TestDesignerDocument::moveAndResizeSurviveSaving()
{
    QFETCH(QString, object);
    QFETCH(QPointF, move);
    QFETCH(QSizeF, resize);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.fr3"));
    ReportTemplate t = readFixture();
    QRectF expected;
    {
        DesignerDocument doc(t);
        ReportObject *o = doc.object(object);
        QVERIFY(o);
        expected = doc.objectRectMm(*o).translated(move);
        const bool line = o->kind() == ReportObject::Kind::Line;
        expected.setSize(QSizeF(expected.width() + resize.width(), line ? 0 : expected.height() + resize.height()));
        doc.moveObjects({o}, move);
        doc.resizeObjects({o}, resize);
        QVERIFY2(near(doc.objectRectMm(*o), expected), qPrintable(rectText(doc.objectRectMm(*o))));
        QVERIFY(Fr3Writer::writeFile(t, file));
    }
    ReportTemplate back;
    QVERIFY(Fr3Reader::readFile(file, back));
    DesignerDocument doc(back);
    const QRectF got = doc.objectRectMm(*doc.object(object));
    QVERIFY2(near(got, expected), qPrintable(rectText(got) + " expected " + rectText(expected)));
}

// A designer session changes only what was edited: the file written without changes
// is what the engine writes, and after one move only that object's element differs.
void TestDesignerDocument::roundTripKeepsEverythingElse()
{
    ReportTemplate plain = readFixture();
    const QByteArray reference = Fr3Writer::toData(plain);
    ReportTemplate t = readFixture();
    DesignerDocument doc(t);
    QCOMPARE(Fr3Writer::toData(t), reference);

    doc.moveObjects({doc.object(QStringLiteral("memFee"))}, QPointF(1, 1));
    const QByteArray moved = Fr3Writer::toData(t);
    for (const char *kept : {"TfrxCheckBoxView", "TfrxDialogPage", "ScriptText.Text", "HightQuality", "TfrxDataPage",
                             "BackPicture.PropData"})
        QVERIFY2(moved.contains(kept), kept);
    const QList<QByteArray> a = reference.split('\n'), b = moved.split('\n');
    QCOMPARE(a.size(), b.size());
    int differing = 0;
    for (int i = 0; i < a.size(); ++i)
        if (a.at(i) != b.at(i)) {
            ++differing;
            QVERIFY(b.at(i).contains("memFee"));
        }
    QCOMPARE(differing, 1);
}

void TestDesignerDocument::shippedTemplatesSurviveTheDesigner_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(QStringLiteral(SHIPPED_TEMPLATES));
    for (const QString &f : dir.entryList({QStringLiteral("*.fr3")}, QDir::Files))
        QTest::newRow(qPrintable(f)) << dir.filePath(f);
}

// Every template the program ships opens in the designer and, after one object is
// moved and moved back, is written exactly as the engine writes it.
void TestDesignerDocument::shippedTemplatesSurviveTheDesigner()
{
    QFETCH(QString, file);
    ReportTemplate t;
    QVERIFY(Fr3Reader::readFile(file, t));
    const QByteArray reference = Fr3Writer::toData(t);
    DesignerDocument doc(t);
    const QList<ReportObject *> objects = doc.allObjects();
    QVERIFY(!objects.isEmpty());
    doc.moveObjects({objects.last()}, {1.5, -0.5});
    QVERIFY(Fr3Writer::toData(t) != reference);
    doc.moveObjects({objects.last()}, {-1.5, 0.5});
    QCOMPARE(Fr3Writer::toData(t), reference);
}

void TestDesignerDocument::everyChangeUndoesAndRedoes_data()
{
    using Op = std::function<void(DesignerDocument &)>;
    QTest::addColumn<Op>("op");
    const auto obj = [](DesignerDocument &d, const char *n) { return d.object(QLatin1String(n)); };
    QTest::newRow("move") << Op([=](DesignerDocument &d) { d.moveObjects({obj(d, "memFee")}, {3, 4}); });
    QTest::newRow("resize") << Op([=](DesignerDocument &d) { d.resizeObjects({obj(d, "memFee")}, {3, 4}); });
    QTest::newRow("text") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee")}, DesignerProperty::Text, QStringLiteral("运费：[fYF]"));
    });
    QTest::newRow("bold on two") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee"), obj(d, "memDate")}, DesignerProperty::Bold, true);
    });
    QTest::newRow("frame") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee")}, DesignerProperty::FrameSides, int(ReportFrame::Top | ReportFrame::Bottom));
    });
    QTest::newRow("fill none") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "Shape1")}, DesignerProperty::FillColor, QColor());
    });
    QTest::newRow("display format") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee")}, DesignerProperty::FormatString, QStringLiteral("#,##0.00"));
    });
    QTest::newRow("not printed") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee")}, DesignerProperty::Printable, false);
    });
    QTest::newRow("rename") << Op([=](DesignerDocument &d) {
        d.setProperty({obj(d, "memFee")}, DesignerProperty::Name, QStringLiteral("memFreight"));
    });
    QTest::newRow("insert field") << Op([](DesignerDocument &d) {
        d.insertField(QStringLiteral("[收件信息.\"手机\"]"), {20, 30});
    });
    QTest::newRow("insert line") << Op([](DesignerDocument &d) { d.insertObject(ReportObject::Kind::Line, {10, 10, 50, 0}); });
    QTest::newRow("delete two bands' objects") << Op([=](DesignerDocument &d) {
        d.deleteObjects({obj(d, "memSum"), obj(d, "memFee"), obj(d, "memRecipient")});
    });
    QTest::newRow("to front") << Op([=](DesignerDocument &d) { d.bringToFront({obj(d, "memRecipient")}); });
    QTest::newRow("to back") << Op([=](DesignerDocument &d) { d.sendToBack({obj(d, "BarCode1")}); });
    QTest::newRow("align left") << Op([=](DesignerDocument &d) {
        d.align({obj(d, "memRecipient"), obj(d, "memFee"), obj(d, "memDate")}, DesignerDocument::Align::Left);
    });
    QTest::newRow("same size") << Op([=](DesignerDocument &d) {
        d.makeSameSize({obj(d, "memRecipient"), obj(d, "memFee")}, true, true);
    });
    QTest::newRow("paste") << Op([=](DesignerDocument &d) {
        d.paste(d.copyData({obj(d, "memFee"), obj(d, "Line1")}), {5, 5});
    });
    QTest::newRow("add band") << Op([](DesignerDocument &d) {
        d.addBand(ReportBand::Kind::PageHeader, QStringLiteral("PageHeader1"), 10);
    });
    QTest::newRow("remove band") << Op([](DesignerDocument &d) { d.removeBand(d.band(QStringLiteral("MDmain"))); });
    QTest::newRow("rename band") << Op([](DesignerDocument &d) { d.renameBand(d.band(QStringLiteral("Footer1")), QStringLiteral("Footer9")); });
    QTest::newRow("band height") << Op([](DesignerDocument &d) { d.setBandHeightMm(d.band(QStringLiteral("MDmain")), 80); });
    QTest::newRow("band without dataset") << Op([](DesignerDocument &d) {
        d.setBandDataset(d.band(QStringLiteral("MDmain")), QString(), QString(), 1);
    });
    QTest::newRow("page") << Op([](DesignerDocument &d) {
        DesignerPageSettings s = d.pageSettings();
        s.paperSize = 9;
        s.width = 297;
        s.height = 210;
        s.landscape = true;
        s.leftMargin = 5;
        s.printOffsetMm = {-2.5, 1.25};
        d.setPageSettings(s);
    });
    QTest::newRow("scanned form replaced") << Op([](DesignerDocument &d) { d.placeWaybillPicture(pictureBytes(Qt::red)); });
}

void TestDesignerDocument::everyChangeUndoesAndRedoes()
{
    QFETCH(std::function<void(DesignerDocument &)>, op);
    ReportTemplate t = readFixture();
    DesignerDocument doc(t);
    const QByteArray before = Fr3Writer::toData(t);
    op(doc);
    const QByteArray after = Fr3Writer::toData(t);
    QVERIFY(after != before);
    QCOMPARE(doc.undoStack().count(), 1);
    QVERIFY(doc.isModified());
    doc.undoStack().undo();
    QCOMPARE(Fr3Writer::toData(t), before);
    QVERIFY(!doc.isModified());
    doc.undoStack().redo();
    QCOMPARE(Fr3Writer::toData(t), after);
}

void TestDesignerDocument::frontAndBackKeepTheOthersInOrder()
{
    ReportTemplate t = readFixture();
    DesignerDocument doc(t);
    ReportBand *band = nullptr;
    for (const auto &b : doc.page().bands)
        if (b->objects.size() >= 3)
            band = b.get();
    QVERIFY(band);
    const auto names = [band] {
        QStringList n;
        for (const auto &o : band->objects)
            n << o->name;
        return n;
    };
    const QStringList start = names();
    doc.bringToFront({doc.object(start[0])});
    QCOMPARE(names(), start.mid(1) + start.mid(0, 1));
    doc.sendToBack({doc.object(start[2])});
    const QStringList expected = QStringList{start[2], start[1]} + start.mid(3) + start.mid(0, 1);
    QCOMPARE(names(), expected);
}

void TestDesignerDocument::arrowKeyStepsMergeIntoOneUndo()
{
    ReportTemplate t = readFixture();
    DesignerDocument doc(t);
    ReportObject *o = doc.object(QStringLiteral("memRecipient"));
    const QRectF start = doc.objectRectMm(*o);
    for (int i = 0; i < 7; ++i)
        doc.moveObjects({o}, {0.1, 0}, true);
    doc.moveObjects({o}, {0, 1}, true);
    QVERIFY(near(doc.objectRectMm(*o), start.translated(0.7, 1), 1e-6));
    QCOMPARE(doc.undoStack().count(), 1);
    doc.undoStack().undo();
    QVERIFY(near(doc.objectRectMm(*o), start, 1e-9));
}

void TestDesignerDocument::namesStayUnique()
{
    ReportTemplate t = readFixture();
    DesignerDocument doc(t);
    QList<QPair<QString, int>> messages;
    const auto old = setMessageHandler([&](const QString &text, int kind) {
        messages.append({text, kind});
        return 0;
    });
    QVERIFY(!doc.setProperty({doc.object(QStringLiteral("memFee"))}, DesignerProperty::Name, QStringLiteral("MEMDATE")));
    QVERIFY(!doc.setProperty({doc.object(QStringLiteral("memFee"))}, DesignerProperty::Name, QStringLiteral("MDmain")));
    QVERIFY(!doc.setProperty({doc.object(QStringLiteral("memFee"))}, DesignerProperty::Name, QStringLiteral("a b")));
    QVERIFY(!doc.renameBand(doc.band(QStringLiteral("Footer1")), QStringLiteral("memFee")));
    setMessageHandler(old);
    QCOMPARE(messages.size(), 4);
    QCOMPARE(doc.undoStack().count(), 0);
    const QList<ReportObject *> pasted = doc.paste(doc.copyData({doc.object(QStringLiteral("memFee"))}), {0, 0});
    QCOMPARE(pasted.size(), 1);
    QVERIFY(pasted.front()->name != QLatin1String("memFee"));
    QCOMPARE(doc.object(pasted.front()->name), pasted.front());
}

// A new template gets what is needed to hold an object; a waybill one starts with "MDmain".
void TestDesignerDocument::insertIntoEmptyTemplateMakesBand()
{
    ReportTemplate plain;
    DesignerDocument list(plain);
    QCOMPARE(list.page().bands.size(), size_t(0));
    ReportMemo *m = list.insertField(QStringLiteral("[Date]"), {30, 40});
    QVERIFY(m);
    QCOMPARE(list.page().bands.size(), size_t(1));
    QVERIFY(near(list.objectRectMm(*m), QRectF(30, 40, 40, 6)));
    list.undoStack().undo();
    QCOMPARE(list.page().bands.size(), size_t(0));

    ReportTemplate waybill;
    DesignerDocument doc(waybill, true);
    ReportBand *md = doc.band(QStringLiteral("MDmain"));
    QVERIFY(md);
    QCOMPARE(md->kind, ReportBand::Kind::MasterData);
    QCOMPARE(md->rowCount, 1);
    QCOMPARE(doc.proposedBandName(ReportBand::Kind::MasterData), QStringLiteral("MasterData1"));
}

void TestDesignerDocument::variablesAreReplaced_data()
{
    QTest::addColumn<bool>("waybill");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("list report") << false
                                 << QStringList{QStringLiteral(" 自定义变量"), QStringLiteral("sCurKHname"),
                                                QStringLiteral("memoDate"), QStringLiteral("memoCaption")};
    QTest::newRow("waybill") << true
                             << QStringList{QStringLiteral(" 自定义变量"), QStringLiteral("sHPname"), QStringLiteral("iSL"),
                                            QStringLiteral("fZL"), QStringLiteral("fYF"), QStringLiteral("fBJF"),
                                            QStringLiteral("fFYtotal"), QStringLiteral("sFJemp"), QStringLiteral("dFJdate")};
}

// Designing twice in a row leaves exactly the list in the saved file; the fixture's
// own category " 其它" and its variable are gone.
void TestDesignerDocument::variablesAreReplaced()
{
    QFETCH(bool, waybill);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kd.fr3"));
    QVERIFY(QFile::copy(kFixture, file));
    DesignRequest r;
    if (waybill)
        r.variables = DesignerVariables::waybillVariables();
    for (int round = 0; round < 2; ++round) {
        ReportEngine engine;
        QVERIFY(PrepareDesign(engine, file, r));
        QVERIFY(engine.saveToFile());
    }
    ReportTemplate back;
    QVERIFY(Fr3Reader::readFile(file, back));
    QStringList names;
    for (const ReportVariable &v : back.variables)
        names << v.name;
    QCOMPARE(names, expected);
    if (waybill) {
        QCOMPARE(back.variableValue(QStringLiteral("fYF")), QStringLiteral("0"));
        QCOMPARE(back.variableValue(QStringLiteral("sHPname")), QStringLiteral("''"));
    } else {
        QCOMPARE(back.variableValue(QStringLiteral("memoDate")), QString());
    }
}

// The scanned form is in the preview and out of print: the PDF holds no picture
// until the form is made printable.
void TestDesignerDocument::scannedFormShowsInPreviewNotInPrint()
{
    ReportEngine engine;
    engine.bindDataset(recipients(), QStringLiteral("frxMain"));
    DesignerDocument doc(engine.report(), true);
    ReportPicture *form = doc.placeWaybillPicture(pictureBytes(QColor(255, 0, 0)));
    QVERIFY(form);
    QVERIFY(!form->printable);
    QVERIFY(near(doc.objectRectMm(*form), QRectF(0, 0, 210, 297)));
    QCOMPARE(doc.band(QStringLiteral("MDmain"))->objects.front().get(), static_cast<ReportObject *>(form));
    doc.insertField(QStringLiteral("[收件信息.\"收件人\"]"), {100, 100});
    QVERIFY(!doc.placeWaybillPicture("not a picture"));

    auto prepared = engine.prepare();
    QVERIFY(prepared && prepared->pageCount() == 1);
    const QImage shown = ReportExport::pageImage(*prepared, 0, 30, true);
    const QImage printed = ReportExport::pageImage(*prepared, 0, 30, false);
    QCOMPARE(shown.pixelColor(20, 20), QColor(255, 0, 0));
    QCOMPARE(printed.pixelColor(20, 20), QColor(Qt::white));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("w.pdf"));
    const auto pdfBytes = [&] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    QVERIFY(!pdfBytes().contains("/Subtype /Image"));
    doc.setProperty({form}, DesignerProperty::Printable, true);
    prepared = engine.prepare();
    QVERIFY(ReportExport::toPdf(*prepared, pdf));
    QVERIFY(pdfBytes().contains("/Subtype /Image"));
}

QTEST_MAIN(TestDesignerDocument)
#include "test_designer_document.moc"
