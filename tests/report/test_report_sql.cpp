// Report datasets over the database on both backends, the shipped templates over
// them, and the command-line render.
#include "report/Fr3Reader.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFieldTable.h"
#include "report/ReportMemo.h"
#include "report/ReportTemplate.h"
#include "report/SqlReportDataSource.h"

#include "core/DataModule.h"

#include "support/PdfText.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

void addRecord(const QString &code, const QString &name, const QString &person, const QString &date)
{
    QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_LXRemp, F_GDphone, F_FHdate, F_YF, F_KDcode) "
                                            "values (?, ?, ?, ?, ?, ?, ?)"),
                             {code, name, person, QStringLiteral("0571-8888"), date, 12.5, QStringLiteral("SF") + code}));
}

std::shared_ptr<SqlReportDataSource> recipients()
{
    return SqlReportDataSource::create(ReportDatasetNames::Recipient, QStringLiteral("select * from t_client order by F_code"),
                                       {}, ReportFieldTable::recipient());
}

void bindAll(ReportEngine &e)
{
    e.bindDataset(recipients(), QStringLiteral("frxMain"));
    e.bindDataset(SqlReportDataSource::create(ReportDatasetNames::Sender, QStringLiteral("select * from sysInfo"), {},
                                              ReportFieldTable::sender()),
                  QStringLiteral("frxDBDataset1"));
    e.bindDataset(SqlReportDataSource::create(ReportDatasetNames::CourierImage,
                                              QStringLiteral("select * from t_KDimage order by F_ID"), {},
                                              ReportFieldTable::courierImage()),
                  QStringLiteral("frxImage"));
}

QString shipped(const QString &name)
{
    return QStringLiteral(MARLO_SHIPPED_QR "/") + name + QStringLiteral(".fr3");
}

} // namespace

class TestReportSql : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fieldsByDisplayName();
    void opensOnFirstRead();
    void waybillBatchAndSingle();
    void everyShippedTemplatePrepares_data();
    void everyShippedTemplatePrepares();
    void commandLineRender();

private:
    std::unique_ptr<TestSupport::TempHome> m_home;
};

void TestReportSql::init()
{
    m_home = std::make_unique<TestSupport::TempHome>();
    QString error;
    QVERIFY2(TestSupport::openFreshDatabase(&error), qPrintable(error));
    QVERIFY(dmData().ExecSql(QStringLiteral("update sysInfo set F_name = ?, F_LXRemp = ?, F_bakPath = ?"),
                             {QStringLiteral("寄件公司"), QStringLiteral("王五"), QStringLiteral("/backup")}));
    addRecord(QStringLiteral("Y201303001"), QStringLiteral("甲公司"), QStringLiteral("张三"), QStringLiteral("2013-03-05"));
    addRecord(QStringLiteral("Y201303002"), QStringLiteral("乙公司"), QStringLiteral("李四"), QStringLiteral("1900-08-14"));
    addRecord(QStringLiteral("Y201303003"), QStringLiteral("丙公司"), QStringLiteral("王二"), QStringLiteral("2013-03-07"));
}

void TestReportSql::cleanup()
{
    dmData().close();
    m_home.reset();
}

void TestReportSql::fieldsByDisplayName()
{
    ReportEngine e;
    ReportPage *page = e.report().addPage();
    auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
    band->name = QStringLiteral("MDmain");
    band->dataSetName = ReportDatasetNames::Recipient;
    band->setHeightMm(10);
    auto memo = std::make_unique<ReportMemo>();
    memo->name = QStringLiteral("m");
    memo->text = QStringLiteral("[收件信息.\"公司名称\"]/[收件信息.\"收件人\"]/[收件信息.\"发货日期\"]/[收件信息.\"运费\"]/"
                                "[寄件信息.\"公司名称\"]/[寄件信息.\"F_bakPath\"]");
    memo->setRectMm(QRectF(0, 0, 150, 8));
    band->addObject(std::move(memo));
    page->addBand(std::move(band));
    bindAll(e);
    auto p = e.prepare();
    QCOMPARE(p->pageCount(), 1);
    QStringList texts;
    for (const PreparedItem &i : p->pages[0].items)
        texts << i.text;
    // Same text on both backends: dates as yyyy-MM-dd, the empty date blank, hidden sender fields empty.
    QCOMPARE(texts, QStringList({QStringLiteral("甲公司/张三/2013-03-05/12.5/寄件公司/"),
                                 QStringLiteral("乙公司/李四//12.5/寄件公司/"),
                                 QStringLiteral("丙公司/王二/2013-03-07/12.5/寄件公司/")}));
    auto sender = SqlReportDataSource::create(ReportDatasetNames::Sender, QStringLiteral("select * from sysInfo"), {},
                                              ReportFieldTable::sender());
    QVERIFY(sender->fieldNames().contains(QStringLiteral("城市")));
    QVERIFY(!sender->fieldNames().contains(QStringLiteral("F_bakPath")));
    QVERIFY(recipients()->fieldNames().contains(QStringLiteral("快递单号")));
}

void TestReportSql::opensOnFirstRead()
{
    auto ds = recipients();
    addRecord(QStringLiteral("Y201303004"), QStringLiteral("丁公司"), QStringLiteral("赵六"), QStringLiteral("2013-03-08"));
    QVERIFY(!ds->isOpen());
    QCOMPARE(ds->rowCount(), 4);
    QVERIFY(ds->isOpen());
    ds->setScope(MemoryDataSource::Scope::CurrentRecordOnly);
    ds->setCurrentRow(2);
    QCOMPARE(ds->rowCount(), 1);
    QCOMPARE(ds->value(0, ds->fieldIndex(QStringLiteral("公司名称"))).toString(), QStringLiteral("丙公司"));
}

void TestReportSql::waybillBatchAndSingle()
{
    ReportEngine e;
    QVERIFY(e.loadFromFile(shipped(QStringLiteral("kdSF"))));
    bindAll(e);
    e.setValueCallback([](const QString &n, QVariant &v) {
        if (n == QLatin1String("fYF"))
            v = 23.0;
        else if (n == QLatin1String("dFJdate"))
            v = QStringLiteral("2013-03-05");
        else
            return false;
        return true;
    });
    // Batch: the dataset, row count 0: one waybill per row.
    QVERIFY(e.setBandDataset(QStringLiteral("MDmain"), ReportDatasetNames::Recipient, 0));
    auto batch = e.prepare();
    QCOMPARE(batch->pageCount(), 3);
    auto textOf = [](const PreparedPage &p, const char *name) {
        for (const PreparedItem &i : p.items)
            if (i.object->name == QLatin1String(name))
                return i.text;
        return QStringLiteral("<none>");
    };
    QCOMPARE(textOf(batch->pages[1], "memSJCompany"), QStringLiteral("乙公司"));
    QCOMPARE(textOf(batch->pages[1], "memFJCompany"), QStringLiteral("寄件公司"));
    QCOMPARE(textOf(batch->pages[1], "memYF"), QStringLiteral("23.00"));
    QCOMPARE(textOf(batch->pages[1], "memFJdate"), QStringLiteral("2013-03-05"));
    QCOMPARE(textOf(batch->pages[2], "memKDcode"), QStringLiteral("SFY201303003"));
    // Single: no dataset, row count 1: the current record.
    auto current = recipients();
    current->setCurrentRow(2);
    e.bindDataset(current, QStringLiteral("frxMain"));
    QVERIFY(e.setBandDataset(QStringLiteral("MDmain"), QString(), 1));
    auto single = e.prepare();
    QCOMPARE(single->pageCount(), 1);
    QCOMPARE(textOf(single->pages[0], "memSJCompany"), QStringLiteral("丙公司"));
    QCOMPARE(single->pages[0].paperMm, QSizeF(230, 127));
}

void TestReportSql::everyShippedTemplatePrepares_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("paper");
    for (const char *n : {"kdEMS", "kdSF", "kdSTO", "kdYTO", "kdHT", "kdZTO"})
        QTest::newRow(n) << QString::fromLatin1(n) << QSizeF(230, 127);
    QTest::newRow("frKDfahuoBill") << "frKDfahuoBill" << QSizeF(210, 297);
    QTest::newRow("frKDfahuoList") << "frKDfahuoList" << QSizeF(297, 210);
    QTest::newRow("frKHxingFeng") << "frKHxingFeng" << QSizeF(220, 110);
    QTest::newRow("frKHbiaoqian") << "frKHbiaoqian" << QSizeF(210, 297);
    QTest::newRow("frKDFHdetailTJ") << "frKDFHdetailTJ" << QSizeF(297, 210);
    QTest::newRow("frKDFHtotalTJ") << "frKDFHtotalTJ" << QSizeF(210, 297);
    QTest::newRow("frStatFx") << "frStatFx" << QSizeF(210, 297);
}

void TestReportSql::everyShippedTemplatePrepares()
{
    QFETCH(QString, name);
    QFETCH(QSizeF, paper);
    TestSupport::MessageRecorder messages;
    ReportEngine e;
    QVERIFY(e.loadFromFile(shipped(name)));
    QVERIFY(!e.report().isEmpty());
    bindAll(e);
    e.bindDataset(SqlReportDataSource::create(ReportDatasetNames::DataModule,
                                              QStringLiteral("select F_name, count(*) as DJnum, sum(F_YF) as YF from t_client group by F_name"),
                                              {}),
                  QStringLiteral("frxDBDataSet1"));
    const bool waybill = e.findBand(QStringLiteral("MDmain")) != nullptr;
    QCOMPARE(waybill, name.startsWith(QLatin1String("kd")));
    if (name == QLatin1String("frStatFx")) {
        QVERIFY(e.setMemoText(QStringLiteral("Memo1"), QStringLiteral("省份/快递发送档案统计分析直方图")));
        QVERIFY(e.setMemoText(QStringLiteral("Memo2"), QStringLiteral("省    份")));
    }
    auto p = e.prepare();
    QVERIFY(p && p->pageCount() >= 1);
    QCOMPARE(p->pages[0].paperMm, paper);
    for (const PreparedPage &page : p->pages)
        for (const PreparedItem &i : page.items)
            QVERIFY2(i.rectMm.right() <= paper.width() + 0.01 && i.rectMm.bottom() <= paper.height() + 0.01,
                     qPrintable(i.object->name));
    QVERIFY(messages.shown.isEmpty());
}

void TestReportSql::commandLineRender()
{
    if (TestSupport::backend() != Backend::SQLite)
        QSKIP("the command-line tool reads the program folder's own database");
    const QString pdf = m_home->path() + QStringLiteral("/out.pdf");
    dmData().close();
    QProcess p;
    p.start(QStringLiteral(MARLO_CLI),
            {QStringLiteral("--home"), m_home->path(), QStringLiteral("render"), QStringLiteral("--template"), shipped(QStringLiteral("kdEMS")),
             QStringLiteral("--pdf"), pdf, QStringLiteral("--png"), m_home->path() + QStringLiteral("/png"), QStringLiteral("--codes"),
             QStringLiteral("Y201303001,Y201303003"), QStringLiteral("--var"), QStringLiteral("sHPname=样品")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("2 page(s)")));
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QCOMPARE(QDir(m_home->path() + QStringLiteral("/png")).entryList(QDir::Files).size(), 2);
    const QString out = TestSupport::pdfText(pdf);
    QVERIFY(!out.isEmpty());  // pdftotext read the file
    QVERIFY(out.contains(QStringLiteral("样品")));
    QVERIFY(out.contains(QStringLiteral("丙公司")));
    QVERIFY(!out.contains(QStringLiteral("乙公司")));
}

QTEST_MAIN(TestReportSql)
#include "test_report_sql.moc"
