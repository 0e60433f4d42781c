// Grid printing and spreadsheet export over a table: paging, title lines and
// footers; the workbook read back from the .xlsx file.
#include "report/GridPrinter.h"
#include "report/ListTableSource.h"
#include "report/SqlTableSource.h"
#include "report/XlsxExport.h"

#include "core/DataModule.h"
#include "core/UiHooks.h"

#include "support/TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

TableColumn col(const QString &title, const QString &field, const QString &format = {}, int width = 80,
                Qt::Alignment a = Qt::AlignLeft, bool visible = true, const QString &footer = {})
{
    TableColumn c;
    c.title = title;
    c.field = field;
    c.displayFormat = format;
    c.width = width;
    c.alignment = a;
    c.visible = visible;
    c.footer = footer;
    return c;
}

ListTableSource rows(int n, int width = 120)
{
    std::vector<QVector<QVariant>> data;
    for (int i = 1; i <= n; ++i)
        data.push_back({QStringLiteral("公司%1").arg(i), QStringLiteral("013%1").arg(i, 8, 10, QLatin1Char('0')), 10.5 * i,
                        QStringLiteral("隐藏")});
    ListTableSource t({col(QStringLiteral("公司名称"), QStringLiteral("F_name"), {}, width),
                       col(QStringLiteral("手机"), QStringLiteral("F_SJphone"), {}, width),
                       col(QStringLiteral("运费"), QStringLiteral("F_YF"), QStringLiteral("0.00"), 60, Qt::AlignRight, true,
                           QStringLiteral("合计")),
                       col(QStringLiteral("备注"), QStringLiteral("F_memo1"), {}, 80, Qt::AlignLeft, false)},
                      {QStringLiteral("F_name"), QStringLiteral("F_SJphone"), QStringLiteral("F_YF"), QStringLiteral("F_memo1")},
                      std::move(data));
    t.setFooter(true);
    return t;
}

QStringList texts(const PreparedPage &p)
{
    QStringList out;
    for (const PreparedItem &i : p.items)
        out << i.text;
    return out;
}

QString unzipEntry(const QString &zip, const QString &entry)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, entry});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Cells of a worksheet as "A1" -> content (inline text or value).
QMap<QString, QString> cells(const QString &sheetXml)
{
    QMap<QString, QString> out;
    static const QRegularExpression cell(QStringLiteral("<c r=\"([A-Z]+\\d+)\"([^>]*)>(.*?)</c>"));
    static const QRegularExpression inner(QStringLiteral("<(?:t|v)[^>]*>(.*?)</(?:t|v)>"));
    auto it = cell.globalMatch(sheetXml);
    while (it.hasNext()) {
        const auto m = it.next();
        const auto v = inner.match(m.captured(3));
        out.insert(m.captured(1), v.hasMatch() ? v.captured(1) : QString());
    }
    return out;
}

} // namespace

class TestReportTable : public QObject
{
    Q_OBJECT

private slots:
    void periodCaption_data();
    void periodCaption();
    void footerText_data();
    void footerText();
    void gridPagesAndFooter();
    void gridFitModes();
    void workbookReadBack();
    void exportAsksAndOpens();
    void excelFormats_data();
    void excelFormats();
};

void TestReportTable::periodCaption_data()
{
    QTest::addColumn<bool>("fromTicked");
    QTest::addColumn<bool>("toTicked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both") << true << true << "统计日期：自 2013年03月05日 至 2013年12月31日";
    QTest::newRow("neither") << false << false << "统计日期：自 启用系统 至 记帐最后一天";
    QTest::newRow("start only") << true << false << "统计日期：自 2013年03月05日 至 记帐最后一天";
}

void TestReportTable::periodCaption()
{
    QFETCH(bool, fromTicked);
    QFETCH(bool, toTicked);
    QFETCH(QString, expected);
    QCOMPARE(PeriodCaption(fromTicked, QDate(2013, 3, 5), toTicked, QDate(2013, 12, 31)), expected);
}

void TestReportTable::footerText_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date") << "date" << "打印日期：2013年03月05日";
    QTest::newRow("text") << " 经办人 " << "经办人";
    QTest::newRow("blank") << "  " << "";
}

void TestReportTable::footerText()
{
    QFETCH(QString, selector);
    QFETCH(QString, expected);
    QCOMPARE(GridPrinter::footerText(selector, QDate(2013, 3, 5)), expected);
}

void TestReportTable::gridPagesAndFooter()
{
    ListTableSource t = rows(120);
    GridPrintOptions o;
    o.title = QStringLiteral("快递发货明细统计表");
    o.fitMode = 1;
    o.rightFooter = QStringLiteral("date");
    o.leftHeader = QStringLiteral("统计日期：自 启用系统 至 记帐最后一天");
    auto r = GridPrinter::prepare(t, o);
    QVERIFY(r);
    const int pages = r->pageCount();
    QVERIFY2(pages >= 2 && pages <= 4, qPrintable(QString::number(pages)));
    int rowsSeen = 0;
    for (int i = 0; i < pages; ++i) {
        const QStringList x = texts(r->pages[size_t(i)]);
        QCOMPARE(r->pages[size_t(i)].paperMm, QSizeF(210, 297));
        QCOMPARE(x.count(QStringLiteral("公司名称")), 1);  // titles on every page
        QVERIFY(!x.contains(QStringLiteral("备注")));       // hidden column
        QVERIFY(!x.contains(QStringLiteral("隐藏")));
        QCOMPARE(x.count(o.leftHeader), 1);
        QCOMPARE(x.count(o.title), i == 0 ? 1 : 0);
        QVERIFY(x.contains(QStringLiteral("第 %1 页 / 共 %2 页").arg(i + 1).arg(pages)));
        QVERIFY(x.contains(GridPrinter::footerText(QStringLiteral("date"))));
        QCOMPARE(x.contains(QStringLiteral("合计")), i == pages - 1);  // the grid's footer row, once, at the end
        for (const QString &s : x)
            if (s.startsWith(QStringLiteral("公司")) && s != QStringLiteral("公司名称"))
                ++rowsSeen;
        for (const PreparedItem &it : r->pages[size_t(i)].items)
            QVERIFY(it.rectMm.bottom() <= 297 - 10 + 0.01 && it.rectMm.right() <= 210 - 10 + 0.01);
    }
    QCOMPARE(rowsSeen, 120);
    QVERIFY(texts(r->pages[0]).contains(QStringLiteral("10.50")));
    QVERIFY(texts(r->pages[0]).contains(QStringLiteral("01300000001")));
}

void TestReportTable::gridFitModes()
{
    // Wide columns: landscape, squeezed to the page width; mode 0 grows rows for long text.
    std::vector<QVector<QVariant>> data{{QString(150, QChar(0x5B57)), QStringLiteral("x")}};
    QList<TableColumn> cols{col(QStringLiteral("地址"), QStringLiteral("a"), {}, 600), col(QStringLiteral("X"), QStringLiteral("b"), {}, 600)};
    ListTableSource t(cols, {QStringLiteral("a"), QStringLiteral("b")}, data);
    GridPrintOptions o;
    o.fitMode = 0;
    auto wrapped = GridPrinter::prepare(t, o);
    o.fitMode = 1;
    auto single = GridPrinter::prepare(t, o);
    QCOMPARE(wrapped->pages[0].paperMm, QSizeF(297, 210));
    auto cellOf = [](const PreparedReport &r) {
        for (const PreparedItem &i : r.pages[0].items)
            if (i.text.size() == 150)
                return i.rectMm;
        return QRectF();
    };
    QVERIFY(cellOf(*wrapped).height() > 2 * cellOf(*single).height());
    QCOMPARE(cellOf(*single).left(), 10.0);
    QCOMPARE(cellOf(*single).width(), (297.0 - 20) / 2);
}

void TestReportTable::workbookReadBack()
{
    TestSupport::TempHome home;
    QString error;
    QVERIFY2(TestSupport::openFreshDatabase(&error), qPrintable(error));
    QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_GDphone, F_SZ1, F_RQ1) values (?, ?, ?, ?, ?)"),
                             {QStringLiteral("Y2013030001"), QStringLiteral("甲公司 <&>"), QStringLiteral("0571-88886666"), 1234.5,
                              QStringLiteral("2013-03-05")}));
    QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_GDphone, F_SZ1, F_RQ1) values (?, ?, ?, ?, ?)"),
                             {QStringLiteral("Y2013030002"), QStringLiteral("乙公司"), QStringLiteral("010"), 0.0,
                              QStringLiteral("1900-08-14")}));
    SqlTableSource t({col(QStringLiteral("编号"), QStringLiteral("F_code")),
                      col(QStringLiteral("公司名称"), QStringLiteral("F_name")),
                      col(QStringLiteral("电话"), QStringLiteral("F_GDphone")),
                      col(QStringLiteral("数值项一"), QStringLiteral("F_SZ1"), QStringLiteral("#,##0.00")),
                      col(QStringLiteral("日期项一"), QStringLiteral("F_RQ1"), QStringLiteral("yyyy-mm-dd")),
                      col(QStringLiteral("隐藏列"), QStringLiteral("F_memo1"), {}, 80, Qt::AlignLeft, false),
                      col(QStringLiteral("无此字段"), QStringLiteral("F_nosuch"))},
                     QStringLiteral("select * from t_client order by F_code"));
    QCOMPARE(t.rowCount(), 2);
    const QString file = home.path() + QStringLiteral("/快递发货统计列表.xlsx");
    int progressCalls = 0;
    QVERIFY2(XlsxExport::write(t, file, QStringLiteral("快递发货统计列表"), [&](int, int) { ++progressCalls; return true; }, &error),
             qPrintable(error));
    QVERIFY(progressCalls > 0);
    QVERIFY(unzipEntry(file, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"快递发货统计列表\"")));
    const QMap<QString, QString> c = cells(unzipEntry(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    QCOMPARE(c.value(QStringLiteral("A1")), QStringLiteral("编号"));
    QCOMPARE(c.value(QStringLiteral("F1")), QStringLiteral("隐藏列"));
    QCOMPARE(c.value(QStringLiteral("G1")), QStringLiteral("无此字段"));
    QCOMPARE(c.value(QStringLiteral("B2")), QStringLiteral("甲公司 &lt;&amp;&gt;"));
    QCOMPARE(c.value(QStringLiteral("C2")), QStringLiteral("0571-88886666"));
    QCOMPARE(c.value(QStringLiteral("C3")), QStringLiteral("010"));
    QCOMPARE(c.value(QStringLiteral("D2")).toDouble(), 1234.5);
    QCOMPARE(c.value(QStringLiteral("D3")).toDouble(), 0.0);
    QCOMPARE(c.value(QStringLiteral("E2")).toDouble(), 41338.0);  // 2013-03-05 as an Excel date
    QVERIFY(!c.contains(QStringLiteral("E3")));  // the empty date stays blank
    QVERIFY(!c.contains(QStringLiteral("G2")) && !c.contains(QStringLiteral("G3")));
    const QString styles = unzipEntry(file, QStringLiteral("xl/styles.xml"));
    QVERIFY(styles.contains(QStringLiteral("formatCode=\"#,##0.00\"")));
    QVERIFY(styles.contains(QStringLiteral("formatCode=\"yyyy-mm-dd\"")));
    QVERIFY(styles.contains(QStringLiteral("formatCode=\"@\"")));
}

void TestReportTable::exportAsksAndOpens()
{
    TestSupport::TempHome home;
    ListTableSource t = rows(3);
    QString proposed, opened;
    const UiHooks::Hooks saved = UiHooks::hooks();
    UiHooks::hooks().saveFile = [&](const UiHooks::FileRequest &r) -> std::optional<QString> {
        proposed = r.fileName;
        return home.path() + QStringLiteral("/out");
    };
    UiHooks::hooks().openDocument = [&](const QString &f) {
        opened = f;
        return true;
    };
    QVERIFY(XlsxExport::exportTable(t, QStringLiteral("快递发货明细统计列表"), true));
    QCOMPARE(proposed, QStringLiteral("快递发货明细统计列表.xlsx"));
    QCOMPARE(opened, home.path() + QStringLiteral("/out.xlsx"));
    QVERIFY(QFileInfo::exists(opened));
    opened.clear();
    UiHooks::hooks().saveFile = [](const UiHooks::FileRequest &) -> std::optional<QString> { return std::nullopt; };
    QVERIFY(!XlsxExport::exportTable(t, QStringLiteral("x"), true));
    QVERIFY(opened.isEmpty());
    UiHooks::hooks() = saved;
}

void TestReportTable::excelFormats_data()
{
    QTest::addColumn<QString>("delphi");
    QTest::addColumn<QString>("excel");
    QTest::newRow("amount") << "0.00" << "0.00";
    QTest::newRow("grouped") << "#,##0.00" << "#,##0.00";
    QTest::newRow("currency") << "￥,0.00" << "\"￥\"#,##0.00";
    QTest::newRow("sections") << "0.00;-0.00" << "0.00;\"-\"0.00";
    QTest::newRow("date") << "yyyy-mm-dd" << "yyyy-mm-dd";
    QTest::newRow("time") << "yyyy-mm-dd hh:nn:ss" << "yyyy-mm-dd hh:mm:ss";
    QTest::newRow("chinese date") << "yyyy年mm月dd日" << "yyyy\"年\"mm\"月\"dd\"日\"";
    QTest::newRow("text") << "" << "@";
}

void TestReportTable::excelFormats()
{
    QFETCH(QString, delphi);
    QFETCH(QString, excel);
    QCOMPARE(XlsxExport::excelFormat(delphi), excel);
}

QTEST_MAIN(TestReportTable)
#include "test_report_table.moc"
