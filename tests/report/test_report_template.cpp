// Reading and writing .fr3 templates as offices have them.
#include "report/EmbeddedPicture.h"
#include "report/Fr3Reader.h"
#include "report/Fr3Writer.h"
#include "report/ReportBarcode.h"
#include "report/ReportEngine.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"
#include "report/ReportTemplate.h"
#include "report/ReportUnits.h"

#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fixture() { return QStringLiteral(REPORT_TEST_DATA "/fixture_waybill.fr3"); }

QByteArray fileBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class T>
T *object(const ReportTemplate &r, const char *name)
{
    return dynamic_cast<T *>(r.findObject(QString::fromUtf8(name)));
}

} // namespace

class TestReportTemplate : public QObject
{
    Q_OBJECT

private slots:
    void readsFixture();
    void roundTripKeepsEverything();
    void editedPropertyChangesOnlyItself();
    void numbers_data();
    void numbers();
    void pictureEncoding_data();
    void pictureEncoding();
    void damaged_data();
    void damaged();
    void missingFileIsAnEmptyReport();
    void variables();
    void modelEditing();
};

void TestReportTemplate::readsFixture()
{
    ReportTemplate r;
    QString error;
    QVERIFY2(Fr3Reader::readFile(fixture(), r, &error), qPrintable(error));
    QCOMPARE(r.printOffsetMm, QPointF(1.5, -0.75));
    QCOMPARE(r.datasets.size(), 2);
    QCOMPARE(r.datasets.at(0).dataSetName, QStringLiteral("收件信息"));
    QCOMPARE(r.categories(), QStringList({QStringLiteral("自定义变量"), QStringLiteral("其它")}));
    QCOMPARE(r.variablesOf(QStringLiteral("自定义变量")),
             QStringList({QStringLiteral("sHPname"), QStringLiteral("fYF"), QStringLiteral("dFJdate")}));
    QCOMPARE(r.variableValue(QStringLiteral("sNote")), QStringLiteral("'保留文字'"));
    QVERIFY(r.extra.value(QStringLiteral("ScriptText.Text")).contains(QStringLiteral("never run")));

    QCOMPARE(r.pages.size(), size_t(1));
    const ReportPage &page = *r.pages.front();
    QCOMPARE(page.paperSizeMm(), QSizeF(230, 127));
    QCOMPARE(page.leftMargin, 0.0);
    QCOMPARE(page.backPicture.graphicClass(), QStringLiteral("TJPEGImage"));

    ReportBand *md = r.findBand(QStringLiteral("mdmain"));
    QVERIFY(md);
    QCOMPARE(md->kind, ReportBand::Kind::MasterData);
    QCOMPARE(md->height, 472.44);
    QCOMPARE(md->boundDataset(), QStringLiteral("收件信息"));
    QCOMPARE(md->rowCount, 0);

    auto *memo = object<ReportMemo>(r, "memRecipient");
    QVERIFY(memo);
    QCOMPARE(memo->text, QStringLiteral("[收件信息.\"收件人\"]"));
    QCOMPARE(memo->textAttribute, QStringLiteral("Memo.Text"));
    QCOMPARE(memo->left, 188.97637);
    QCOMPARE(memo->font.name, QStringLiteral("宋体"));
    QCOMPARE(memo->font.height, -16);
    QCOMPARE(memo->font.style, int(ReportFont::Bold));
    QCOMPARE(ReportUnits::toColor(memo->font.color), QColor(255, 0, 0));
    QCOMPARE(memo->frame.typ, int(ReportFrame::All));
    QCOMPARE(memo->frame.width, 0.5);
    QCOMPARE(memo->hAlign, HAlign::Center);
    QCOMPARE(memo->vAlign, VAlign::Center);
    QCOMPARE(memo->extra.value(QStringLiteral("Highlight.Font.Color")), QStringLiteral("-16777208"));

    auto *fee = object<ReportMemo>(r, "memFee");
    QCOMPARE(fee->displayFormat.kind, QStringLiteral("fkNumeric"));
    QCOMPARE(fee->displayFormat.formatStr, QStringLiteral("%2.2f"));
    QCOMPARE(object<ReportMemo>(r, "memDate")->wordWrap, false);

    auto *pic = object<ReportPicture>(r, "picForm");
    QVERIFY(pic);
    QVERIFY(!pic->printable);
    QCOMPARE(pic->picture.fileBytes(), fileBytes(QStringLiteral(REPORT_TEST_DATA "/tiny.jpg")));
    QCOMPARE(pic->picture.image().size(), QSize(16, 8));

    auto *line = object<ReportLine>(r, "Line1");
    QCOMPARE(line->frame.width, 1.5);
    QCOMPARE(line->frame.color, qint64(8421504));
    auto *shape = object<ReportShape>(r, "Shape1");
    QCOMPARE(shape->shape, QStringLiteral("skRoundRectangle"));
    QCOMPARE(shape->width, 120.5);
    auto *bar = object<ReportBarcode>(r, "BarCode1");
    QCOMPARE(bar->expression, QStringLiteral("<收件信息.\"快递单号\">"));

    ReportObject *unknown = r.findObject(QStringLiteral("CheckBox1"));
    QVERIFY(unknown);
    QCOMPARE(unknown->kind(), ReportObject::Kind::Unknown);
    QCOMPARE(unknown->typeName(), QStringLiteral("TfrxCheckBoxView"));
    QCOMPARE(unknown->extra.value(QStringLiteral("CheckStyle")), QStringLiteral("csCross"));

    bool dialog = false;
    for (const QString &x : r.extraChildren)
        dialog = dialog || (x.contains(QStringLiteral("TfrxDialogPage")) && x.contains(QStringLiteral("确定")));
    QVERIFY(dialog);
}

void TestReportTemplate::roundTripKeepsEverything()
{
    ReportTemplate a;
    QVERIFY(Fr3Reader::readFile(fixture(), a));
    const QByteArray once = Fr3Writer::toData(a);
    ReportTemplate b;
    QString error;
    QVERIFY2(Fr3Reader::readData(once, b, &error), qPrintable(error));
    // Writing what was read back gives the same file: nothing lost, nothing added.
    QCOMPARE(QString::fromUtf8(Fr3Writer::toData(b)), QString::fromUtf8(once));

    // Embedded pictures go back byte for byte; decimals are written with a point.
    const QString original = QString::fromUtf8(fileBytes(fixture()));
    const QString hex = object<ReportPicture>(b, "picForm")->picture.propData();
    QVERIFY(original.contains(hex));
    QCOMPARE(b.pages.front()->backPicture.propData(), hex);
    QVERIFY(once.contains("Left=\"188.97637\""));
    QVERIFY(once.contains("Frame.Width=\"0.5\""));
    QVERIFY(once.contains("PrintOffset.X=\"1.5\""));
    QVERIFY(once.contains("ShowMessage(&apos;never run&apos;)") || once.contains("ShowMessage('never run')"));
    QVERIFY(once.contains("TfrxCheckBoxView"));
    QVERIFY(once.contains("CheckColor=\"32768\""));
    QVERIFY(once.contains("TfrxButtonControl"));
    QVERIFY(once.contains("Name=\" 自定义变量\""));
    QCOMPARE(b.variables, a.variables);
    QCOMPARE(b.datasets, a.datasets);
    QCOMPARE(b.printOffsetMm, a.printOffsetMm);
    QCOMPARE(object<ReportMemo>(b, "memRecipient")->text, object<ReportMemo>(a, "memRecipient")->text);
    QCOMPARE(object<ReportMemo>(b, "memRecipient")->textAttribute, QStringLiteral("Memo.Text"));
}

void TestReportTemplate::editedPropertyChangesOnlyItself()
{
    ReportTemplate a;
    QVERIFY(Fr3Reader::readFile(fixture(), a));
    const QByteArray before = Fr3Writer::toData(a);
    object<ReportMemo>(a, "memFee")->text = QStringLiteral("[fFYtotal]");
    const QByteArray after = Fr3Writer::toData(a);
    const QList<QByteArray> l1 = before.split('\n'), l2 = after.split('\n');
    QCOMPARE(l1.size(), l2.size());
    int changed = 0;
    for (int i = 0; i < l1.size(); ++i)
        if (l1.at(i) != l2.at(i)) {
            ++changed;
            QVERIFY(l2.at(i).contains("[fFYtotal]"));
        }
    QCOMPARE(changed, 1);
}

void TestReportTemplate::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "18.89765" << 18.89765;
    QTest::newRow("comma") << "18,89765" << 18.89765;
    QTest::newRow("negative comma") << "-0,75" << -0.75;
    QTest::newRow("integer") << "472" << 472.0;
    QTest::newRow("blank around") << " 3,5 " << 3.5;
    QTest::newRow("not a number") << "abc" << -1.0;
}

void TestReportTemplate::numbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReportUnits::parseNumber(text, -1.0), value);
    if (value != -1.0)
        QCOMPARE(ReportUnits::parseNumber(ReportUnits::formatNumber(value)), value);
}

void TestReportTemplate::pictureEncoding_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("graphicClass");
    QTest::newRow("png") << "PNG" << "TPngImage";
    QTest::newRow("jpeg") << "JPEG" << "TJPEGImage";
    QTest::newRow("bmp") << "BMP" << "TBitmap";
}

void TestReportTemplate::pictureEncoding()
{
    QFETCH(QString, format);
    QFETCH(QString, graphicClass);
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::green);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QVERIFY(img.save(&buf, format.toLatin1().constData()));

    EmbeddedPicture p;
    p.setFileBytes(bytes);
    QCOMPARE(p.graphicClass(), graphicClass);
    const QString hex = p.propData();
    // Property name "Data" as a length-prefixed string, then a binary value.
    QVERIFY(hex.startsWith(QStringLiteral("0444617461") + QStringLiteral("0A")));
    EmbeddedPicture q;
    QVERIFY(q.setPropData(hex));
    QCOMPARE(q.graphicClass(), graphicClass);
    QCOMPARE(q.fileBytes(), bytes);
    QCOMPARE(q.image().size(), QSize(20, 10));
    QCOMPARE(q.propData(), hex);
}

void TestReportTemplate::damaged_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("not xml") << QByteArray("this is no report");
    QTest::newRow("other root") << QByteArray("<?xml version=\"1.0\"?><TfrxDialog Name=\"x\"/>");
    QTest::newRow("cut off") << QByteArray("<?xml version=\"1.0\"?><TfrxReport><TfrxReportPage Name=\"P\"><TfrxMasterData Name=\"M\" Height=\"3\">");
    QTest::newRow("empty") << QByteArray();
}

void TestReportTemplate::damaged()
{
    QFETCH(QByteArray, data);
    TestSupport::TempHome home;
    const QString file = home.path() + QStringLiteral("/坏模板.fr3");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    TestSupport::MessageRecorder messages;
    ReportEngine engine;
    QVERIFY(!engine.loadFromFile(file));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.at(0).first.contains(file));
    QCOMPARE(messages.shown.at(0).second, 3);
    QVERIFY(engine.report().isEmpty());
    auto prepared = engine.prepare();
    QVERIFY(prepared);
    QCOMPARE(prepared->pageCount(), 0);
}

void TestReportTemplate::missingFileIsAnEmptyReport()
{
    TestSupport::MessageRecorder messages;
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(fixture()));
    QVERIFY(!engine.report().isEmpty());
    QVERIFY(engine.loadFromFile(QStringLiteral("/nonexistent/Qr/.fr3")));
    QVERIFY(engine.report().isEmpty());
    QVERIFY(engine.fileName().isEmpty());
    QVERIFY(messages.shown.isEmpty());
}

void TestReportTemplate::variables()
{
    ReportTemplate r;
    QVERIFY(Fr3Reader::readFile(fixture(), r));
    // The design command's replacement of the variable list, twice in a row.
    for (int round = 0; round < 2; ++round) {
        r.clearVariables();
        r.addCategory(QStringLiteral(" 自定义变量"));
        for (const char *n : {"sHPname", "iSL", "fZL", "fYF", "fBJF", "fFYtotal", "sFJemp", "dFJdate"})
            r.addVariable(QStringLiteral("自定义变量"), QString::fromLatin1(n), QString());
    }
    QCOMPARE(r.variables.size(), 9);
    QCOMPARE(r.variables.at(0).name, QStringLiteral(" 自定义变量"));
    QCOMPARE(r.variablesOf(QStringLiteral("自定义变量")).size(), 8);
    QCOMPARE(r.variablesOf(QStringLiteral("自定义变量")).last(), QStringLiteral("dFJdate"));
    QCOMPARE(r.variableIndex(QStringLiteral("fyf")), -1);
    ReportTemplate back;
    QVERIFY(Fr3Reader::readData(Fr3Writer::toData(r), back));
    QCOMPARE(back.variables, r.variables);
}

void TestReportTemplate::modelEditing()
{
    ReportTemplate r;
    QVERIFY(Fr3Reader::readFile(fixture(), r));
    ReportBand *band = nullptr;
    ReportObject *memo = r.findObject(QStringLiteral("memFee"), &band);
    QVERIFY(memo && band);
    auto copy = memo->clone();
    copy->name = r.uniqueName(QStringLiteral("Memo"));
    QCOMPARE(copy->name, QStringLiteral("Memo1"));
    copy->setRectMm(QRectF(50, 20, 30, 5));
    QCOMPARE(copy->left, 50 * ReportUnits::PxPerMm);
    QCOMPARE(copy->rectMm().topLeft(), QPointF(50, 20));
    band->addObject(std::move(copy), 0);
    QCOMPARE(band->objects.front()->name, QStringLiteral("Memo1"));
    band->moveObject(0, int(band->objects.size()) - 1);
    QCOMPARE(band->objects.back()->name, QStringLiteral("Memo1"));
    // The copy is independent of its original.
    static_cast<ReportMemo *>(band->objects.back().get())->text = QStringLiteral("x");
    QCOMPARE(static_cast<ReportMemo *>(memo)->text, QStringLiteral("[fYF]"));
    QVERIFY(band->takeObject(band->indexOf(memo)));
    QVERIFY(!r.findObject(QStringLiteral("memFee")));
    ReportTemplate copyOfAll(r);
    QVERIFY(copyOfAll.findObject(QStringLiteral("Memo1")) != r.findObject(QStringLiteral("Memo1")));
    QCOMPARE(Fr3Writer::toData(copyOfAll), Fr3Writer::toData(r));
}

QTEST_MAIN(TestReportTemplate)
#include "test_report_template.moc"
