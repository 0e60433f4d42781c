#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Seed.h"
#include "widgets/DataGrid.h"
#include "widgets/GridLayout.h"
#include "widgets/SqlListModel.h"

#include "support/TestSupport.h"

#include <QHeaderView>
#include <QtTest>

#include <memory>

using TestSupport::MessageRecorder;

namespace {

GridColumn designed(const char *field, const char *title)
{
    GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QString::fromUtf8(title);
    return c;
}

int layoutRows(const QString &name)
{
    return dmData().QueryInt(QStringLiteral("select count(*) from cfg_Grid where F_name = ?"), {name});
}

} // namespace

// Stored column layouts on both backends.
class TestGridLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

private slots:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
    }
    void cleanup() { m_home.reset(); }

    void loadBuildsTheSeededColumns()
    {
        DataGrid grid;
        LoadGridLayout(&grid, QStringLiteral("WBXmain"));
        const Seed::GridLayout &seed = Seed::gridLayouts().front();
        QCOMPARE(grid.gridColumnCount(), int(seed.columns.size()));
        const GridColumn yf = grid.column(grid.columnOfField(QStringLiteral("F_YF")));
        QCOMPARE(yf.title, QStringLiteral("运费"));
        QCOMPARE(yf.footerKind, FooterKind::Sum);
        QCOMPARE(yf.displayFormat, QStringLiteral("#,##0.00"));
        QCOMPARE(yf.alignment, Qt::Alignment(Qt::AlignRight));
        QCOMPARE(grid.column(0).footerKind, FooterKind::Text);
        QCOMPARE(grid.column(0).footerValue, QStringLiteral("合计"));
    }

    // Save then load gives the same columns: order, widths, visibility,
    // alignment, formats, footers; titles come back centred.
    void saveThenLoadGivesTheSameColumns()
    {
        DataGrid grid;
        grid.resize(900, 300);
        LoadGridLayout(&grid, QStringLiteral("KDFHtotalTJ"));
        QCOMPARE(grid.gridColumnCount(), 7);
        GridColumn c = grid.column(1);
        c.title = QStringLiteral("单'数%");  // a quote is an ordinary character
        c.titleAlignment = Qt::AlignLeft;
        c.displayFormat = QStringLiteral("￥,0.00######;-￥,0.00######");
        c.footerKind = FooterKind::Text;
        c.footerValue = QStringLiteral("共'计");
        c.alignment = Qt::AlignHCenter;
        c.readOnly = false;
        grid.setColumn(1, c);
        grid.horizontalHeader()->resizeSection(2, 123);
        grid.setGridColumnVisible(3, false);
        grid.horizontalHeader()->moveSection(grid.horizontalHeader()->visualIndex(6), 0);
        const QList<GridColumn> saved = grid.columns();
        QCOMPARE(saved.first().field, QStringLiteral("FYtotal"));

        MessageRecorder messages;
        SaveGridLayout(&grid, QStringLiteral("KDFHtotalTJ"));
        QVERIFY(messages.shown.isEmpty());

        DataGrid again;
        again.setColumns({designed("F_other", "别的")});
        LoadGridLayout(&again, QStringLiteral("KDFHtotalTJ"));
        const QList<GridColumn> loaded = again.columns();
        QCOMPARE(loaded.size(), saved.size());
        for (int i = 0; i < saved.size(); ++i) {
            GridColumn want = saved.at(i);
            want.titleAlignment = Qt::AlignHCenter;
            QCOMPARE(loaded.at(i).field, want.field);
            QCOMPARE(loaded.at(i), want);
        }
        QCOMPARE(loaded.at(3).width, 123);
        QVERIFY(again.isColumnHidden(4));  // the hidden column, now at its shown place
        QCOMPARE(layoutRows(QStringLiteral("KDFHtotalTJ")), 7);
    }

    void saveOnlyUpdatesExistingRows()
    {
        DataGrid grid;
        LoadGridLayout(&grid, QStringLiteral("KDtypeSET"));
        QList<GridColumn> cols = grid.columns();
        cols << designed("F_KDweb", "网址");  // no row for this field
        cols[0].width = 222;
        grid.setColumns(cols);
        const int before = dmData().QueryInt(QStringLiteral("select count(*) from cfg_Grid"));
        SaveGridLayout(&grid, QStringLiteral("KDTYPEset"));  // the name in any case
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from cfg_Grid")), before);
        QCOMPARE(dmData().QueryInt(QStringLiteral("select F_Width from cfg_Grid where F_name = ? and F_FieldName = ?"),
                                   {QStringLiteral("KDtypeSET"), QStringLiteral("F_name")}),
                 222);
    }

    void layoutWithoutRowsKeepsTheDesignedColumns()
    {
        DataGrid grid;
        const QList<GridColumn> mine{designed("F_code", "编号"), designed("F_name", "公司名称")};
        grid.setColumns(mine);
        MessageRecorder messages;
        LoadGridLayout(&grid, QStringLiteral("NoSuchLayout"));
        QCOMPARE(grid.columns(), mine);
        QVERIFY(messages.shown.isEmpty());
    }

    // Rows without a field are skipped, a missing field shows empty cells and
    // footer, an unknown alignment code leaves the field's own alignment.
    void missingFieldAndOddRows()
    {
        TdmData &dm = dmData();
        const QString insert = QStringLiteral(
            "insert into cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly, F_DisplayFormat, "
            "F_FooterValue, F_FooterType, F_Alignment, F_Order) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const QString n = QStringLiteral("Test1");
        QVERIFY(dm.ExecSql(insert, {n, QStringLiteral("F_nothing"), QStringLiteral("无此字段"), 60, true, true,
                                    QStringLiteral("0.00"), QString(), 2, 2, 1}));
        QVERIFY(dm.ExecSql(insert, {n, QString(), QStringLiteral("空"), 60, true, true, QString(), QString(), 0, 0, 0}));
        QVERIFY(dm.ExecSql(insert, {n, QStringLiteral("F_code"), QStringLiteral("编号"), 90, true, true, QString(),
                                    QStringLiteral("合计"), 1, 7, 2}));
        QVERIFY(dm.ExecSql(insert, {n, QStringLiteral("F_YF"), QStringLiteral("运费"), 70, true, true,
                                    QStringLiteral("0.00"), QString(), 2, 9, 3}));
        QVERIFY(dm.ExecSql(QStringLiteral("insert into t_client (F_code, F_YF) values (?, ?)"),
                           {QStringLiteral("Y2012110001"), 12.5}));

        SqlListModel list;
        QVERIFY(list.open(QStringLiteral("select * from t_client order by F_code")));
        DataGrid grid;
        grid.setListModel(&list);
        LoadGridLayout(&grid, n);
        QCOMPARE(grid.gridColumnCount(), 3);
        QCOMPARE(grid.column(0).field, QStringLiteral("F_nothing"));
        QCOMPARE(grid.cellText(0, 0), QString());
        QCOMPARE(grid.footerText(0), QString());
        QCOMPARE(grid.cellText(0, 1), QStringLiteral("Y2012110001"));
        QCOMPARE(grid.footerText(1), QStringLiteral("合计"));
        QCOMPARE(grid.columnAlignment(1), Qt::Alignment(Qt::AlignLeft));   // text field, code 7
        QCOMPARE(grid.columnAlignment(2), Qt::Alignment(Qt::AlignRight));  // number field, code 9
        QCOMPARE(grid.cellText(0, 2), QStringLiteral("12.50"));
        QCOMPARE(grid.footerText(2), QStringLiteral("12.50"));
    }

    void codes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("footer");
        QTest::newRow("0") << 0 << int(Qt::AlignLeft) << int(FooterKind::None);
        QTest::newRow("1") << 1 << int(Qt::AlignHCenter) << int(FooterKind::Text);
        QTest::newRow("2") << 2 << int(Qt::AlignRight) << int(FooterKind::Sum);
        QTest::newRow("other") << 5 << 0 << int(FooterKind::None);
        QTest::newRow("negative") << -1 << 0 << int(FooterKind::None);
    }
    void codes()
    {
        QFETCH(int, code);
        QFETCH(int, alignment);
        QFETCH(int, footer);
        QCOMPARE(int(GridLayoutCodes::alignmentFromCode(code)), alignment);
        QCOMPARE(int(GridLayoutCodes::footerKindFromCode(code)), footer);
        if (code >= 0 && code <= 2) {
            QCOMPARE(GridLayoutCodes::alignmentCode(GridLayoutCodes::alignmentFromCode(code)), code);
            QCOMPARE(GridLayoutCodes::footerCode(GridLayoutCodes::footerKindFromCode(code)), code);
        }
    }
};

QTEST_MAIN(TestGridLayout)
#include "test_grid_layout.moc"
