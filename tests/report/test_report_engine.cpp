// Expressions, the value callback, display formats and the band rules of the engine.
#include "report/MemoryDataSource.h"
#include "report/ReportEngine.h"
#include "report/ReportFieldTable.h"
#include "report/ReportMemo.h"
#include "report/ReportTemplate.h"
#include "report/ReportUnits.h"

#include <QDate>
#include <QtTest>

namespace {

using Rows = std::vector<QVector<QVariant>>;

const QStringList kRecipientColumns = {QStringLiteral("F_ID"), QStringLiteral("F_name"), QStringLiteral("F_LXRemp"),
                                       QStringLiteral("F_YF"), QStringLiteral("F_FHdate"), QStringLiteral("F_KDcode")};

std::shared_ptr<MemoryDataSource> recipients(int n)
{
    Rows rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back({i, QStringLiteral("公司%1").arg(i), QStringLiteral("收件人%1").arg(i), 10.0 * i,
                        QStringLiteral("2013-03-0%1").arg(i % 9 + 1), QStringLiteral("00%1").arg(i)});
    return std::make_shared<MemoryDataSource>(QStringLiteral("收件信息"), kRecipientColumns, std::move(rows),
                                              ReportFieldTable::recipient());
}

std::shared_ptr<MemoryDataSource> sender()
{
    Rows rows{{QStringLiteral("寄件公司"), QStringLiteral("王五"), QStringLiteral("D:\\backup")}};
    return std::make_shared<MemoryDataSource>(
        QStringLiteral("寄件信息"), QStringList{QStringLiteral("F_name"), QStringLiteral("F_LXRemp"), QStringLiteral("F_bakPath")},
        std::move(rows), ReportFieldTable::sender());
}

ReportMemo *addMemo(ReportBand &band, const QString &name, const QString &text, double topMm = 0, double heightMm = 5)
{
    auto m = std::make_unique<ReportMemo>();
    m->name = name;
    m->text = text;
    m->setRectMm(QRectF(10, topMm, 80, heightMm));
    return static_cast<ReportMemo *>(band.addObject(std::move(m)));
}

ReportBand *addBand(ReportPage &page, ReportBand::Kind kind, const QString &name, double heightMm, double topPx)
{
    auto b = std::make_unique<ReportBand>(kind);
    b->name = name;
    b->setHeightMm(heightMm);
    b->top = topPx;
    return page.addBand(std::move(b));
}

// A one-page report with one master band "MDmain" holding one memo "m".
struct OneMemo
{
    ReportEngine engine;
    ReportBand *band = nullptr;
    ReportMemo *memo = nullptr;

    explicit OneMemo(const QString &text)
    {
        ReportPage *page = engine.report().addPage();
        band = addBand(*page, ReportBand::Kind::MasterData, QStringLiteral("MDmain"), 10, 20);
        band->rowCount = 1;
        memo = addMemo(*band, QStringLiteral("m"), text);
        engine.report().addCategory(QStringLiteral("自定义变量"));
        engine.report().addVariable(QStringLiteral("自定义变量"), QStringLiteral("fYF"), QStringLiteral("0"));
        engine.report().addVariable(QStringLiteral("自定义变量"), QStringLiteral("sNote"), QStringLiteral("'保留文字'"));
        engine.report().addVariable(QStringLiteral("自定义变量"), QStringLiteral("dFJdate"), QString());
        auto r = recipients(3);
        r->setCurrentRow(1);
        engine.bindDataset(r, QStringLiteral("frxMain"));
        engine.bindDataset(sender(), QStringLiteral("frxDBDataset1"));
    }

    QString render()
    {
        auto p = engine.prepare();
        if (!p || p->pages.empty() || p->pages[0].items.empty())
            return QStringLiteral("<nothing>");
        return p->pages[0].items[0].text;
    }
};

QStringList memoTexts(const PreparedReport &r, const QString &name)
{
    QStringList out;
    for (const PreparedPage &p : r.pages)
        for (const PreparedItem &i : p.items)
            if (i.object->name == name)
                out << i.text;
    return out;
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void expressions_data();
    void expressions();
    void callbackSeesExactNames();
    void callbackErrorsAreSwallowed();
    void displayFormats_data();
    void displayFormats();
    void masterRowRules_data();
    void masterRowRules();
    void batchPrintsOneWaybillPerRow();
    void pageBreaksHeadersFootersAndSums();
    void stretchedBandPushesTheNextOne();
    void findAndSetByName();
    void labelsInColumns();
};

void TestReportEngine::expressions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("field by display name") << "[收件信息.\"收件人\"]" << "收件人2";
    QTest::newRow("field in angle brackets") << "[<收件信息.\"公司名称\">]" << "公司2";
    QTest::newRow("field name other case") << "[收件信息.\"f_id\"]" << "2";
    QTest::newRow("dataset by component name") << "[frxMain.\"收件人\"]" << "收件人2";
    QTest::newRow("text around") << "寄：[寄件信息.\"公司名称\"]，收：[收件信息.\"公司名称\"]" << "寄：寄件公司，收：公司2";
    QTest::newRow("hidden field") << "[寄件信息.\"F_bakPath\"]" << "";
    QTest::newRow("arithmetic") << "[收件信息.\"运费\" * 2 + 1]" << "41";
    QTest::newRow("text join") << "['单号' + 收件信息.\"快递单号\"]" << "单号002";
    QTest::newRow("answered variable") << "[fYF]" << "12.5";
    QTest::newRow("other case: stored value") << "[FYF]" << "0";
    QTest::newRow("stored text") << "[sNote]" << "保留文字";
    QTest::newRow("unknown name") << "[nothing]" << "";
    QTest::newRow("line number") << "[Line#]" << "1";
    QTest::newRow("page of pages") << "[Page#]/[TotalPages#]" << "1/1";
    QTest::newRow("format function") << "[FormatFloat('0.00', 3)]" << "3.00";
    QTest::newRow("open bracket kept") << "[收件信息.\"收件人\"" << "[收件信息.\"收件人\"";
    QTest::newRow("quote inside text") << "['a]b']" << "a]b";
}

void TestReportEngine::expressions()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    OneMemo r(text);
    r.engine.setValueCallback([](const QString &name, QVariant &v) {
        if (name == QLatin1String("fYF")) {
            v = 12.5;
            return true;
        }
        return false;
    });
    QCOMPARE(r.render(), expected);
}

void TestReportEngine::callbackSeesExactNames()
{
    OneMemo r(QStringLiteral("[fYF][FYF][收件信息.\"收件人\"][Date][Page#][sNote]"));
    QStringList asked;
    r.engine.setValueCallback([&](const QString &name, QVariant &) {
        asked << name;
        return false;
    });
    QVERIFY(r.render().startsWith(QStringLiteral("00收件人2")));
    // Fields and built-ins are never asked; variables are, each with its own spelling.
    QCOMPARE(asked, QStringList({QStringLiteral("fYF"), QStringLiteral("FYF"), QStringLiteral("sNote")}));
}

void TestReportEngine::callbackErrorsAreSwallowed()
{
    OneMemo r(QStringLiteral("[sNote]"));
    r.engine.setValueCallback([](const QString &, QVariant &) -> bool { throw std::runtime_error("broken"); });
    QCOMPARE(r.render(), QStringLiteral("保留文字"));
}

void TestReportEngine::displayFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("delphi %2.2f") << "[fYF]" << "fkNumeric" << "%2.2f" << "12.50";
    QTest::newRow("delphi %g") << "[fYF]" << "fkNumeric" << "%g" << "12.5";
    QTest::newRow("format float") << "[收件信息.\"运费\" * 100]" << "fkNumeric" << "#,##0.00" << "2,000.00";
    QTest::newRow("text date stays text") << "[dFJdate]" << "fkDateTime" << "yyyy年mm月dd日" << "2013-03-05";
    QTest::newRow("date value") << "[dDate]" << "fkDateTime" << "yyyy年mm月dd日" << "2013年03月05日";
    QTest::newRow("date field as text") << "[收件信息.\"发货日期\"]" << "fkDateTime" << "yyyy/mm/dd" << "2013/03/03";
    QTest::newRow("empty date blank") << "[dEmpty]" << "fkDateTime" << "yyyy-mm-dd" << "";
    QTest::newRow("empty date text blank") << "[sEmpty]" << "fkText" << "" << "";
    QTest::newRow("text in number format") << "[sNote]" << "fkNumeric" << "%2.2f" << "保留文字";
    QTest::newRow("boolean") << "[bFlag]" << "fkBoolean" << "否,是" << "是";
}

void TestReportEngine::displayFormats()
{
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    OneMemo r(text);
    r.memo->displayFormat.kind = kind;
    r.memo->displayFormat.formatStr = format;
    r.engine.setValueCallback([](const QString &name, QVariant &v) {
        if (name == QLatin1String("fYF"))
            v = 12.5;
        else if (name == QLatin1String("dFJdate"))
            v = QStringLiteral("2013-03-05");
        else if (name == QLatin1String("dDate"))
            v = QDate(2013, 3, 5);
        else if (name == QLatin1String("dEmpty"))
            v = QDate(1900, 8, 14);
        else if (name == QLatin1String("sEmpty"))
            v = QStringLiteral("1900-08-14");
        else if (name == QLatin1String("bFlag"))
            v = true;
        else
            return false;
        return true;
    });
    QCOMPARE(r.render(), expected);
}

void TestReportEngine::masterRowRules_data()
{
    QTest::addColumn<QString>("dataset");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("no dataset, row count 1: current record") << "" << 1 << 4 << QStringList{"收件人2"};
    QTest::newRow("no dataset, row count 3") << "" << 3 << 4 << QStringList{"收件人2", "收件人2", "收件人2"};
    QTest::newRow("no dataset, row count 0") << "" << 0 << 4 << QStringList{};
    QTest::newRow("dataset, row count 0: every row") << "收件信息" << 0 << 3 << QStringList{"收件人1", "收件人2", "收件人3"};
    QTest::newRow("dataset overrides row count") << "收件信息" << 1 << 2 << QStringList{"收件人1", "收件人2"};
    QTest::newRow("dataset without rows") << "收件信息" << 0 << 0 << QStringList{};
    QTest::newRow("dataset not bound") << "快递图片" << 0 << 3 << QStringList{};
}

void TestReportEngine::masterRowRules()
{
    QFETCH(QString, dataset);
    QFETCH(int, rowCount);
    QFETCH(int, rows);
    QFETCH(QStringList, printed);
    OneMemo r(QStringLiteral("[收件信息.\"收件人\"]"));
    auto src = recipients(rows);
    src->setCurrentRow(1);
    r.engine.bindDataset(src, QStringLiteral("frxMain"));
    ReportBand *footer = addBand(*r.engine.report().pages.front(), ReportBand::Kind::Footer, QStringLiteral("F"), 5, 100);
    addMemo(*footer, QStringLiteral("f"), QStringLiteral("footer"));
    QVERIFY(r.engine.setBandDataset(QStringLiteral("MDmain"), dataset, rowCount));
    auto p = r.engine.prepare();
    QVERIFY(p);
    QCOMPARE(memoTexts(*p, QStringLiteral("m")), printed);
    QCOMPARE(memoTexts(*p, QStringLiteral("f")).size(), printed.isEmpty() ? 0 : 1);
}

void TestReportEngine::batchPrintsOneWaybillPerRow()
{
    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    page->paperWidth = 230;
    page->paperHeight = 127;
    page->leftMargin = page->rightMargin = page->topMargin = page->bottomMargin = 0;
    ReportBand *md = addBand(*page, ReportBand::Kind::MasterData, QStringLiteral("MDmain"), 120, 0);
    ReportMemo *m = addMemo(*md, QStringLiteral("name"), QStringLiteral("[收件信息.\"收件人\"] [sHPname]"), 40);
    addMemo(*md, QStringLiteral("pg"), QStringLiteral("[Page#]"), 60);
    engine.bindDataset(recipients(5), QStringLiteral("frxMain"));
    engine.setValueCallback([](const QString &n, QVariant &v) {
        if (n != QLatin1String("sHPname"))
            return false;
        v = QStringLiteral("文件");
        return true;
    });
    QVERIFY(engine.setBandDataset(QStringLiteral("MDmain"), QStringLiteral("收件信息"), 0));
    auto p = engine.prepare();
    QCOMPARE(p->pageCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const PreparedPage &pg = p->pages[size_t(i)];
        QCOMPARE(pg.paperMm, QSizeF(230, 127));
        QCOMPARE(pg.items.size(), size_t(2));
        QCOMPARE(pg.items[0].text, QStringLiteral("收件人%1 文件").arg(i + 1));
        QCOMPARE(pg.items[0].rectMm.topLeft(), QPointF(10, 40));
        QCOMPARE(pg.items[1].text, QString::number(i + 1));
    }
    QCOMPARE(m->text, QStringLiteral("[收件信息.\"收件人\"] [sHPname]"));
}

void TestReportEngine::pageBreaksHeadersFootersAndSums()
{
    // A4 with 10 mm margins: 277 mm for bands. Title 20, page header 10, page footer 10,
    // rows 10: page 1 holds title + header + 23 rows (20+10+230=260, one more is 270 > 267).
    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    ReportBand *title = addBand(*page, ReportBand::Kind::ReportTitle, QStringLiteral("T"), 20, 0);
    addMemo(*title, QStringLiteral("title"), QStringLiteral("快递发货列表"));
    ReportBand *ph = addBand(*page, ReportBand::Kind::PageHeader, QStringLiteral("PH"), 10, 100);
    addMemo(*ph, QStringLiteral("ph"), QStringLiteral("第[Page#]页"));
    ReportBand *md = addBand(*page, ReportBand::Kind::MasterData, QStringLiteral("MD"), 10, 200);
    md->dataSetName = QStringLiteral("收件信息");
    addMemo(*md, QStringLiteral("row"), QStringLiteral("[Line#] [收件信息.\"运费\"]"));
    ReportBand *footer = addBand(*page, ReportBand::Kind::Footer, QStringLiteral("F"), 10, 300);
    addMemo(*footer, QStringLiteral("sum"), QStringLiteral("[SUM(<收件信息.\"运费\">,MD)]/[COUNT(MD)]"));
    ReportBand *pf = addBand(*page, ReportBand::Kind::PageFooter, QStringLiteral("PF"), 10, 400);
    addMemo(*pf, QStringLiteral("pf"), QStringLiteral("[Page#]/[TotalPages#] [SUM(<收件信息.\"运费\">)]"));
    engine.bindDataset(recipients(30));

    auto p = engine.prepare();
    QCOMPARE(p->pageCount(), 2);
    QCOMPARE(memoTexts(*p, QStringLiteral("title")).size(), 1);
    QCOMPARE(memoTexts(*p, QStringLiteral("ph")), QStringList({QStringLiteral("第1页"), QStringLiteral("第2页")}));
    const QStringList rows = memoTexts(*p, QStringLiteral("row"));
    QCOMPARE(rows.size(), 30);
    QCOMPARE(rows.last(), QStringLiteral("30 300"));
    int onFirst = 0;
    for (const PreparedItem &i : p->pages[0].items)
        if (i.object->name == QLatin1String("row")) {
            ++onFirst;
            QVERIFY(i.rectMm.bottom() <= 297 - 10 - 10 + 0.01);
        }
    QCOMPARE(onFirst, 23);
    QCOMPARE(memoTexts(*p, QStringLiteral("sum")), QStringList({QStringLiteral("4650/30")}));
    // Page footers add up their own page's rows: 10+...+230 = 2760, 240+...+300 = 1890.
    QCOMPARE(memoTexts(*p, QStringLiteral("pf")), QStringList({QStringLiteral("1/2 2760"), QStringLiteral("2/2 1890")}));
    for (const PreparedItem &i : p->pages[1].items)
        if (i.object->name == QLatin1String("pf"))
            QCOMPARE(i.rectMm.top(), 297.0 - 10 - 10);
    // Page 2 starts with the page header, then rows.
    QCOMPARE(p->pages[1].items[0].object->name, QStringLiteral("ph"));
    QCOMPARE(p->pages[1].items[0].rectMm.top(), 10.0);
    QCOMPARE(p->pages[1].items[1].rectMm.top(), 20.0);
}

void TestReportEngine::stretchedBandPushesTheNextOne()
{
    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    ReportBand *md = addBand(*page, ReportBand::Kind::MasterData, QStringLiteral("MD"), 6, 0);
    md->rowCount = 2;
    md->stretched = true;
    ReportMemo *m = addMemo(*md, QStringLiteral("long"), QString(200, QChar(0x5B57)), 0, 6);
    m->stretchMode = QStringLiteral("smActualHeight");
    auto p = engine.prepare();
    QCOMPARE(p->pages[0].items.size(), size_t(2));
    const QRectF first = p->pages[0].items[0].rectMm, second = p->pages[0].items[1].rectMm;
    QVERIFY2(first.height() > 20, qPrintable(QString::number(first.height())));
    QVERIFY(second.top() >= first.bottom() - 0.01);

    // Cells of a list row: the long one wraps, the others follow the row's height.
    md->objects.clear();
    ReportMemo *cell = addMemo(*md, QStringLiteral("cell"), QStringLiteral("北京华联商厦股份有限公司北京华联商厦股份有限公司"), 0, 6);
    cell->setRectMm(QRectF(0, 0, 38, 6));
    cell->stretchMode = QStringLiteral("smMaxHeight");
    ReportMemo *other = addMemo(*md, QStringLiteral("other"), QStringLiteral("1"), 0, 6);
    other->stretchMode = QStringLiteral("smMaxHeight");
    p = engine.prepare();
    QCOMPARE(p->pages[0].items.size(), size_t(4));
    QVERIFY(p->pages[0].items[0].rectMm.height() > 9);
    QCOMPARE(p->pages[0].items[1].rectMm.height(), p->pages[0].items[0].rectMm.height());
    QCOMPARE(p->pages[0].items[2].rectMm.top(), p->pages[0].items[0].rectMm.bottom());
}

void TestReportEngine::findAndSetByName()
{
    OneMemo r(QStringLiteral("x"));
    QVERIFY(r.engine.findBand(QStringLiteral("mdMAIN")) == r.band);
    QVERIFY(r.engine.findObject(QStringLiteral("M")) == r.memo);
    QVERIFY(!r.engine.setBandDataset(QStringLiteral("nosuch"), QString(), 1));
    QVERIFY(r.engine.setBandDataset(QStringLiteral("MDmain"), QStringLiteral("收件信息"), 0));
    QCOMPARE(r.band->dataSetName, QStringLiteral("收件信息"));
    QCOMPARE(r.band->dataSet, QStringLiteral("frxMain"));
    QVERIFY(r.engine.setMemoText(QStringLiteral("m"), QStringLiteral("新标题")));
    QVERIFY(!r.engine.setMemoText(QStringLiteral("MDmain"), QStringLiteral("x")));
    QCOMPARE(r.render(), QStringLiteral("新标题"));
}

void TestReportEngine::labelsInColumns()
{
    // Three labels across, rows down, a new page after eight rows.
    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    page->leftMargin = page->rightMargin = page->topMargin = page->bottomMargin = 0;
    ReportBand *md = addBand(*page, ReportBand::Kind::MasterData, QStringLiteral("MD"), 297.0 / 8, 0);
    md->dataSetName = QStringLiteral("收件信息");
    md->columns = 3;
    md->columnWidth = ReportUnits::pxFromMm(70);
    addMemo(*md, QStringLiteral("l"), QStringLiteral("[收件信息.\"收件人\"]"), 2);
    engine.bindDataset(recipients(26));
    auto p = engine.prepare();
    QCOMPARE(p->pageCount(), 2);
    QCOMPARE(p->pages[0].items.size(), size_t(24));
    QCOMPARE(p->pages[1].items.size(), size_t(2));
    const auto &items = p->pages[0].items;
    QCOMPARE(items[1].rectMm.left() - items[0].rectMm.left(), 70.0);
    QCOMPARE(items[1].rectMm.top(), items[0].rectMm.top());
    QCOMPARE(items[3].rectMm.left(), items[0].rectMm.left());
    QVERIFY(qAbs(items[3].rectMm.top() - items[0].rectMm.top() - 297.0 / 8) < 1e-6);
    QCOMPARE(p->pages[1].items[1].text, QStringLiteral("收件人26"));
}

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
