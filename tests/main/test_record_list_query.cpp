#include "core/DataModule.h"
#include "core/PubUnit.h"
#include "main/RecordListQuery.h"

#include "support/TestSupport.h"

#include <QSqlQuery>
#include <QtTest>

using RecordListQuery::Filter;
using RecordListQuery::RegionNode;

Q_DECLARE_METATYPE(Filter)

class TestRecordListQuery : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

    static void setScope(int scope, const QString &salesmen = {})
    {
        PubUnit::globals().CurrentOperator = QStringLiteral("张三");
        PubUnit::globals().OperatorScope = scope;
        PubUnit::globals().OperatorSalesmen = salesmen;
    }

    static QStringList codesOf(const SqlStatement &s)
    {
        QSqlQuery q(dmData().db());
        if (!dmData().run(q, s.text, s.values))
            return {QStringLiteral("<failed>")};
        QStringList codes;
        while (q.next())
            codes << q.value(QStringLiteral("F_code")).toString();
        return codes;
    }

    static void addRecord(const QString &code, const QString &name, const QString &emp, const QString &date,
                          const QString &sheng = {}, const QString &city = {}, const QVariant &memo = QVariant())
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_empName, F_date, F_sheng, F_city, "
                                                "F_memo1, F_HPname, F_useFlag) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                 {code, name, emp, date, sheng, city, memo, QStringLiteral("文件"), false}));
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QVERIFY(TestSupport::openFreshDatabase());
        setScope(0);
    }

    void cleanup() { m_home.reset(); }

    void statementText_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QVariantList>("values");

        Filter none;
        QTest::newRow("scope 0, nothing chosen") << 0 << none << QStringLiteral("(1=1) ") << QVariantList();
        QTest::newRow("scope 1") << 1 << none << QStringLiteral("(F_empName = ?) ") << QVariantList{QStringLiteral("张三")};
        QTest::newRow("scope 2") << 2 << none << QStringLiteral("(F_empName in (?,?)) ")
                                 << QVariantList{QStringLiteral("李四"), QStringLiteral("王五")};

        Filter dates;
        dates.from = QDate(2012, 11, 1);
        dates.to = QDate(2012, 11, 27);
        QTest::newRow("both dates") << 0 << dates << QStringLiteral("(1=1) and F_date >= ? and F_date <= ? ")
                                    << QVariantList{QStringLiteral("2012-11-01"), QStringLiteral("2012-11-27")};
        Filter to;
        to.to = QDate(2012, 11, 27);
        QTest::newRow("upper date only") << 0 << to << QStringLiteral("(1=1) and F_date <= ? ")
                                         << QVariantList{QStringLiteral("2012-11-27")};

        Filter search;
        search.searchField = 3;
        search.searchText = QStringLiteral("  O'Neil 路 ");
        QTest::newRow("search with a quote") << 0 << search << QStringLiteral("(1=1) and F_address like ? ")
                                             << QVariantList{QStringLiteral("%O'Neil 路%")};
        Filter emptyText;
        emptyText.searchField = 0;
        QTest::newRow("search field, empty text") << 0 << emptyText << QStringLiteral("(1=1) and F_name like ? ")
                                                  << QVariantList{QStringLiteral("%%")};
        Filter noField;
        noField.searchText = QStringLiteral("华");
        QTest::newRow("text without field") << 0 << noField << QStringLiteral("(1=1) ") << QVariantList();

        Filter item;
        item.listType = 2;
        item.itemRow = 3;
        item.itemValue = QStringLiteral("李四 ");
        QTest::newRow("item value as typed") << 0 << item << QStringLiteral("(1=1) and F_empName = ? ")
                                             << QVariantList{QStringLiteral("李四 ")};
        Filter all = item;
        all.itemRow = 0;
        QTest::newRow("item 全部") << 0 << all << QStringLiteral("(1=1) ") << QVariantList();

        Filter treeRoot = item;  // the item list does not filter while the tree page is shown
        treeRoot.treeTab = true;
        treeRoot.node = RegionNode{0, QStringLiteral("000"), QStringLiteral("区  域")};
        QTest::newRow("tree root") << 0 << treeRoot << QStringLiteral("(1=1) ") << QVariantList();
        Filter province = treeRoot;
        province.node = RegionNode{1, QStringLiteral("区  域"), QStringLiteral(" 广东 ")};
        QTest::newRow("province node") << 0 << province << QStringLiteral("(1=1) and F_sheng = ? ")
                                       << QVariantList{QStringLiteral("广东")};

        Filter example;
        example.from = QDate(2012, 11, 1);
        example.to = QDate(2012, 11, 27);
        example.searchField = 0;
        example.searchText = QStringLiteral("华");
        example.treeTab = true;
        example.node = RegionNode{2, QStringLiteral("广东"), QStringLiteral("广州")};
        QTest::newRow("the worked example")
            << 0 << example
            << QStringLiteral("(1=1) and F_date >= ? and F_date <= ? and F_name like ? and F_sheng = ? and F_city = ? ")
            << QVariantList{QStringLiteral("2012-11-01"), QStringLiteral("2012-11-27"), QStringLiteral("%华%"),
                            QStringLiteral("广东"), QStringLiteral("广州")};
    }

    void statementText()
    {
        QFETCH(int, scope);
        QFETCH(Filter, filter);
        QFETCH(QString, where);
        QFETCH(QVariantList, values);
        setScope(scope, QStringLiteral("'李四','王五'"));
        const SqlStatement s = RecordListQuery::build(filter);
        QString expected = QStringLiteral("select * from T_client where ") + where + QStringLiteral(" order by F_code");
        if (dmData().dialect().isPostgres())
            expected.replace(QStringLiteral(" like ?"), QStringLiteral(" ilike ? escape ''"));
        QCOMPARE(s.text, expected);
        QCOMPARE(s.values, values);
    }

    void statementsRunOnTheDatabase()
    {
        addRecord(QStringLiteral("Y1"), QStringLiteral("华为"), QStringLiteral("张三"), QStringLiteral("2012-11-01"),
                  QStringLiteral("广东"), QStringLiteral("深圳"), QStringLiteral("急"));
        addRecord(QStringLiteral("Y2"), QStringLiteral("O'Neil & 华"), QStringLiteral("李四"), QStringLiteral("2012-11-27 10:00:00"),
                  QStringLiteral("广东"), QStringLiteral("广州"));
        addRecord(QStringLiteral("Y3"), QStringLiteral("联想"), QStringLiteral("王五"), QStringLiteral("2012-11-27"),
                  QStringLiteral("北京"), QStringLiteral("北京"));

        Filter f;
        f.to = QDate(2012, 11, 27);
        QCOMPARE(codesOf(RecordListQuery::build(f)), QStringList({QStringLiteral("Y1"), QStringLiteral("Y3")}));  // time after midnight is out

        Filter memo;
        memo.searchField = 9;
        QCOMPARE(codesOf(RecordListQuery::build(memo)), QStringList{QStringLiteral("Y1")});  // a null memo drops out

        Filter quote;
        quote.searchField = 0;
        quote.searchText = QStringLiteral("o'neil");
        QCOMPARE(codesOf(RecordListQuery::build(quote)), QStringList{QStringLiteral("Y2")});

        Filter city;
        city.treeTab = true;
        city.node = RegionNode{2, QStringLiteral("广东"), QStringLiteral("广州")};
        QCOMPARE(codesOf(RecordListQuery::build(city)), QStringList{QStringLiteral("Y2")});

        setScope(1);
        QCOMPARE(codesOf(RecordListQuery::build({})), QStringList{QStringLiteral("Y1")});
        setScope(2, QStringLiteral("'李四','王五'"));
        QCOMPARE(codesOf(RecordListQuery::build({})), QStringList({QStringLiteral("Y2"), QStringLiteral("Y3")}));
        setScope(2, QString());
        QCOMPARE(codesOf(RecordListQuery::build({})), QStringList());  // an empty list sees nothing, and does not fail
    }

    void itemListsAndRegions()
    {
        addRecord(QStringLiteral("Y1"), QStringLiteral("a"), QStringLiteral("张三"), QStringLiteral("2012-01-01"),
                  QStringLiteral("广东"), QStringLiteral("深圳"));
        addRecord(QStringLiteral("Y2"), QStringLiteral("b"), QStringLiteral("李四"), QStringLiteral("2012-01-01"),
                  QStringLiteral("广东"), QStringLiteral("广州"));
        addRecord(QStringLiteral("Y3"), QStringLiteral("c"), QString(), QStringLiteral("2012-01-01"), QStringLiteral("北京"), QString());
        const SqlStatement salesmen = RecordListQuery::itemListStatement(2);
        // Code point order on both backends: 张 (U+5F20) before 李 (U+674E).
        QCOMPARE(dmData().FillItems(salesmen.text, salesmen.values),
                 QStringList({QString(), QStringLiteral("张三"), QStringLiteral("李四")}));
        setScope(1);
        const SqlStatement own = RecordListQuery::itemListStatement(2);
        QCOMPARE(dmData().FillItems(own.text, own.values), QStringList({QString(), QStringLiteral("张三")}));
        QCOMPARE(RecordListQuery::dispatchFilter(2), QString());

        QSqlQuery q(dmData().db());
        QVERIFY(dmData().run(q, RecordListQuery::regionStatement().text));
        QStringList pairs;
        while (q.next())
            pairs << q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
        QCOMPARE(pairs.size(), 3);
        QVERIFY(pairs.contains(QStringLiteral("北京/")));
        QVERIFY(pairs.contains(QStringLiteral("广东/广州")));
    }
};

QTEST_GUILESS_MAIN(TestRecordListQuery)
#include "test_record_list_query.moc"
