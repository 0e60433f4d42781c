// The preview window and the entry points of the report windows.
#include "report/ui/PreviewPageView.h"
#include "report/ui/PreviewReport.h"
#include "report/ui/TfrmReportPreview.h"

#include "report/Fr3Writer.h"
#include "report/GridPrinter.h"
#include "report/ListTableSource.h"
#include "report/MemoryDataSource.h"
#include "report/ReportMemo.h"

#include "core/ProgramFolder.h"

#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QtTest>

namespace {

std::shared_ptr<PreparedReport> threePages()
{
    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
    band->name = QStringLiteral("MD");
    band->rowCount = 3;
    band->startNewPage = true;
    band->setHeightMm(20);
    auto memo = std::make_unique<ReportMemo>();
    memo->name = QStringLiteral("m");
    memo->text = QStringLiteral("第[Line#]张 收件人");
    memo->setRectMm(QRectF(20, 5, 80, 8));
    band->addObject(std::move(memo));
    page->addBand(std::move(band));
    return engine.prepare();
}

void writeTemplate(const QString &name)
{
    ReportTemplate t;
    ReportPage *page = t.addPage();
    auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
    band->name = QStringLiteral("MasterData1");
    band->dataSetName = QStringLiteral("frxDM");
    band->setHeightMm(8);
    auto memo = std::make_unique<ReportMemo>();
    memo->name = QStringLiteral("m");
    memo->text = QStringLiteral("[frxDM.\"F_name\"] [sCurKHname]");
    memo->setRectMm(QRectF(0, 0, 100, 6));
    band->addObject(std::move(memo));
    page->addBand(std::move(band));
    QDir().mkpath(ProgramFolder::reportFolder());
    QVERIFY(Fr3Writer::writeFile(t, ReportEngine::templateFile(name)));
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void windowNavigatesFindsAndExports();
    void previewReportBindsFrxDM();
    void previewReportOnEmptyDataShowsNothing();
    void printGridGoesToPreview();
};

void TestReportPreview::windowNavigatesFindsAndExports()
{
    TestSupport::TempHome home;
    TestSupport::MessageRecorder messages;
    TfrmReportPreview w(threePages());
    w.resize(900, 700);
    w.show();
    QCOMPARE(w.zoom(), 1.0);
    QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("cbbZoom"))->currentText(), QStringLiteral("100%"));
    QCOMPARE(w.currentPage(), 0);
    w.goToPage(5);
    QCOMPARE(w.currentPage(), 2);
    QCOMPARE(w.findChild<QSpinBox *>(QStringLiteral("sePage"))->value(), 3);
    QTest::keyClick(&w, Qt::Key_PageUp);
    QCOMPARE(w.currentPage(), 1);

    QVERIFY(w.findNext(QStringLiteral("第3张")));
    QCOMPARE(w.currentPage(), 2);
    QVERIFY(w.findNext(QStringLiteral("收件人")));
    QCOMPARE(w.currentPage(), 0);  // wraps round to the first hit
    QVERIFY(!w.findNext(QStringLiteral("没有的字")));

    const QImage shot = w.grab().toImage();
    shot.save(QDir::tempPath() + QStringLiteral("/marlo-preview.png"));
    QVERIFY(!shot.isNull());

    for (const char *format : {"pdf", "png", "jpg", "bmp", "csv", "txt", "html"}) {
        const QString f = QString::fromLatin1(format);
        const QString file = home.path() + QStringLiteral("/out.") + f;
        QVERIFY2(w.exportTo(f, file), format);
        const QString check = (f == QLatin1String("png") || f == QLatin1String("jpg") || f == QLatin1String("bmp"))
                                  ? home.path() + QStringLiteral("/out_1.") + f
                                  : file;
        QVERIFY2(QFileInfo(check).size() > 0, format);
    }
    QFile text(home.path() + QStringLiteral("/out.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(text.readAll()).contains(QStringLiteral("第2张 收件人")));
    QVERIFY(messages.shown.isEmpty());
}

void TestReportPreview::previewReportBindsFrxDM()
{
    TestSupport::TempHome home;
    writeTemplate(QStringLiteral("frKDFHdetailTJ"));
    std::vector<QVector<QVariant>> rows{{QStringLiteral("甲")}, {QStringLiteral("乙")}};
    auto ds = std::make_shared<MemoryDataSource>(QStringLiteral("QryTable"), QStringList{QStringLiteral("F_name")}, rows);
    std::shared_ptr<PreparedReport> shown;
    auto old = ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) { shown = r; });
    ReportEngine::shared().setValueCallback([](const QString &n, QVariant &v) {
        if (n != QLatin1String("sCurKHname"))
            return false;
        v = QStringLiteral("本公司");
        return true;
    });
    PreviewReport(QStringLiteral("frKDFHdetailTJ"), ds);
    QVERIFY(shown);
    QCOMPARE(shown->pageCount(), 1);
    QCOMPARE(shown->pages[0].items.size(), size_t(2));
    QCOMPARE(shown->pages[0].items[1].text, QStringLiteral("乙 本公司"));

    // A missing template previews an empty report, without a message.
    TestSupport::MessageRecorder messages;
    shown.reset();
    PreviewReport(QStringLiteral("frNoSuchReport"), ds);
    QVERIFY(shown);
    QCOMPARE(shown->pageCount(), 0);
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(ReportEngine::shared().fileName().isEmpty());
    ReportEngine::shared().setValueCallback({});
    ReportUi::setPreviewHandler(old);
}

void TestReportPreview::previewReportOnEmptyDataShowsNothing()
{
    TestSupport::TempHome home;
    writeTemplate(QStringLiteral("frKDFHtotalTJ"));
    auto ds = std::make_shared<MemoryDataSource>(QStringLiteral("QryTable"), QStringList{QStringLiteral("F_name")},
                                                 std::vector<QVector<QVariant>>{});
    bool called = false;
    auto old = ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport>) { called = true; });
    TestSupport::MessageRecorder messages;
    PreviewReport(QStringLiteral("frKDFHtotalTJ"), ds);
    QVERIFY(!called);
    QVERIFY(messages.shown.isEmpty());
    ReportUi::setPreviewHandler(old);
}

void TestReportPreview::printGridGoesToPreview()
{
    std::vector<QVector<QVariant>> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back({QStringLiteral("广东省"), i, 12.5 * i});
    TableColumn a, b, c;
    a.title = QStringLiteral("名称");
    a.field = QStringLiteral("F_name");
    a.width = 132;
    b.title = QStringLiteral("单数");
    b.field = QStringLiteral("F_DJnum");
    b.width = 60;
    b.alignment = Qt::AlignRight;
    c.title = QStringLiteral("运费");
    c.field = QStringLiteral("F_YF");
    c.displayFormat = QStringLiteral("#,##0.00");
    c.width = 80;
    c.alignment = Qt::AlignRight;
    c.footer = QStringLiteral("248,750.00");
    ListTableSource t({a, b, c}, {QStringLiteral("F_name"), QStringLiteral("F_DJnum"), QStringLiteral("F_YF")}, rows);
    t.setFooter(true);
    std::shared_ptr<PreparedReport> shown;
    auto old = ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) { shown = r; });
    PrintGrid(t, QStringLiteral("快递发送档案统计分析图表"), 1, QStringLiteral("date"), PeriodCaption(false, {}, false, {}));
    ReportUi::setPreviewHandler(old);
    QVERIFY(shown);
    QVERIFY(shown->pageCount() >= 4);
    PreviewPageView view;
    view.setReport(shown);
    view.setPage(shown->pageCount() - 1);
    view.resize(view.sizeHint());
    QVERIFY(view.grab().toImage().save(QDir::tempPath() + QStringLiteral("/marlo-gridprint.png")));
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
