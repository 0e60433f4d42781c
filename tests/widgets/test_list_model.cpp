#include "core/DataModule.h"
#include "core/Messages.h"
#include "widgets/SqlListModel.h"

#include "support/TestSupport.h"

#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <memory>

using TestSupport::MessageRecorder;

namespace {

const QString kAll = QStringLiteral("select * from t_client where (1=1) order by F_code");
constexpr int kRows = 60;
const char *const kProvinces[] = {"广东", "湖南", "浙江"};

struct Fixture
{
    qint64 id;
    QString code;
    QString sheng;
    QVariant zf1;  // NULL for every fifth row, few distinct values otherwise
    QString date;
    bool sent;
    double yf;
    double sl;
};

} // namespace

// The SQL list model on a small t_client: codes inserted out of key order, NULLs
// and duplicates in the sorted columns, read in windows of 7 rows.
class TestListModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;
    QList<Fixture> m_rows;

    std::unique_ptr<SqlListModel> model(const QString &sql = kAll, const QVariantList &values = {})
    {
        auto m = std::make_unique<SqlListModel>();
        m->setWindowSize(7);
        m->setCachedWindows(3);
        m->open(sql, values);
        return m;
    }

    // The keys in list order, read row by row through the windows.
    static QList<qint64> keysOf(const ListModel &m)
    {
        QList<qint64> out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.value(r, QStringLiteral("F_ID")).toLongLong();
        return out;
    }

    QList<qint64> expected(std::function<bool(const Fixture &)> keep,
                           std::function<bool(const Fixture &, const Fixture &)> less) const
    {
        QList<Fixture> rows;
        std::copy_if(m_rows.begin(), m_rows.end(), std::back_inserter(rows), keep);
        std::stable_sort(rows.begin(), rows.end(), less);
        QList<qint64> out;
        for (const Fixture &f : rows)
            out << f.id;
        return out;
    }

private slots:
    void initTestCase()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
        TdmData &dm = dmData();
        QVERIFY(dm.BeginTrans());
        for (int i = 1; i <= kRows; ++i) {
            Fixture f;
            f.code = QStringLiteral("Y201211%1").arg((i * 37) % kRows, 4, 10, QLatin1Char('0'));
            f.sheng = QString::fromUtf8(kProvinces[i % 3]);
            f.zf1 = i % 5 == 0 ? QVariant() : QVariant(QStringLiteral("v%1").arg(i % 4));
            f.date = QStringLiteral("2012-11-%1").arg(1 + i % 20, 2, 10, QLatin1Char('0'));
            f.sent = i % 4 == 0;
            f.yf = i * 1.5;
            f.sl = i % 5;
            const QString name = i == 7 ? QStringLiteral("abc%公司") : QStringLiteral("华南公司%1").arg(i);
            QVERIFY(dm.ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_sheng, F_ZF1, F_date, F_useFlag, "
                                              "F_YF, F_SL) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                               {f.code, name, f.sheng, f.zf1.isNull() ? QVariant(QMetaType(QMetaType::QString)) : f.zf1,
                                f.date, f.sent, f.yf, f.sl}));
            f.id = dm.QueryInt(QStringLiteral("select max(F_ID) from t_client"));
            m_rows << f;
        }
        QVERIFY(dm.CommitTrans());
    }
    void cleanupTestCase() { m_home.reset(); }

    void windowsAreReadAsTheViewReachesThem()
    {
        auto m = model();
        QCOMPARE(m->rowCount(), kRows);
        QCOMPARE(m->windowsFetched(), 1);  // the first screen
        const QList<qint64> want = expected([](const Fixture &) { return true; },
                                            [](const Fixture &a, const Fixture &b) { return a.code < b.code; });
        QCOMPARE(m->value(kRows - 1, QStringLiteral("F_ID")).toLongLong(), want.last());
        QCOMPARE(m->windowsFetched(), 2);
        QCOMPARE(m->value(kRows - 2, QStringLiteral("F_ID")).toLongLong(), want.at(kRows - 2));
        QCOMPARE(m->windowsFetched(), 2);  // same window, from the cache
        QCOMPARE(keysOf(*m), want);        // every window, older ones dropped from the cache
        QVERIFY(m->windowsFetched() >= (kRows + 6) / 7);
        QCOMPARE(m->value(0, QStringLiteral("f_code")).toString(), m->value(0, QStringLiteral("F_CODE")).toString());
    }

    void footerSumsMatchSql_data()
    {
        QTest::addColumn<QVariant>("sent");  // the dispatch-state filter; invalid for all
        QTest::addColumn<bool>("sliced");   // added up in slices of keys between events
        QTest::newRow("all") << QVariant() << false;
        QTest::newRow("not sent") << QVariant(false) << false;
        QTest::newRow("sent") << QVariant(true) << false;
        QTest::newRow("all, sliced") << QVariant() << true;
        QTest::newRow("not sent, sliced") << QVariant(false) << true;
    }
    void footerSumsMatchSql()
    {
        QFETCH(QVariant, sent);
        QFETCH(bool, sliced);
        const QString province = QString::fromUtf8(kProvinces[1]);
        SqlListModel *m = new SqlListModel(this);
        if (sliced)
            m->setSumSlices(0, 7);
        m->setSumFields({QStringLiteral("F_YF"), QStringLiteral("f_sl"), QStringLiteral("F_nothing")});
        QVERIFY(m->open(QStringLiteral("select * from t_client where (1=1) and F_sheng = ? order by F_code"), {province}));
        QCOMPARE(m->sumsPending(), sliced);
        if (sent.isValid())
            QVERIFY(m->setFilter(QStringLiteral("F_useFlag"), sent));  // starts the slices again
        QTRY_VERIFY(!m->sumsPending());
        QString where = QStringLiteral("F_sheng = ?");
        QVariantList values{province};
        if (sent.isValid()) {
            where += QStringLiteral(" and F_useFlag = ?");
            values << sent;
        }
        TdmData &dm = dmData();
        QCOMPARE(m->rowCount(), dm.QueryInt(QStringLiteral("select count(*) from t_client where ") + where, values));
        QCOMPARE(m->sum(QStringLiteral("F_YF")).toDouble(),
                 dm.QueryText(QStringLiteral("select sum(F_YF) from t_client where ") + where, values).toDouble());
        QCOMPARE(m->sum(QStringLiteral("F_SL")).toDouble(),
                 dm.QueryText(QStringLiteral("select sum(F_SL) from t_client where ") + where, values).toDouble());
        QVERIFY(!m->sum(QStringLiteral("F_nothing")).isValid());
        QVERIFY(m->rowCount() > 0);
        delete m;
    }

    void selectionAndCurrentSurviveRefilterAndSort()
    {
        auto m = model();
        const QList<qint64> keys = keysOf(*m);
        // Rows 3 (not sent) and the first sent one, wherever they are.
        const qint64 unsent = *std::find_if(keys.begin(), keys.end(), [&](qint64 k) {
            return !std::find_if(m_rows.begin(), m_rows.end(), [&](const Fixture &f) { return f.id == k; })->sent;
        });
        const qint64 sentKey = *std::find_if(keys.begin(), keys.end(), [&](qint64 k) {
            return std::find_if(m_rows.begin(), m_rows.end(), [&](const Fixture &f) { return f.id == k; })->sent;
        });
        m->setSelected(int(keys.indexOf(sentKey)), true);
        m->setSelected(int(keys.indexOf(unsent)), true);
        m->selectRange(50, 52);
        QCOMPARE(m->selectedCount(), 5);
        QVERIFY(m->locate(unsent));
        QCOMPARE(m->currentKey(), unsent);

        QVERIFY(m->setFilter(QStringLiteral("F_useFlag"), false));
        const QList<qint64> listed = keysOf(*m);
        QVERIFY(!listed.contains(sentKey));
        QVERIFY(!m->selectedKeys().contains(sentKey));
        QVERIFY(m->selectedKeys().contains(unsent));
        for (qint64 k : m->selectedKeys())
            QVERIFY(listed.contains(k));
        QCOMPARE(m->currentKey(), unsent);
        QCOMPARE(m->current(QStringLiteral("F_ID")).toLongLong(), unsent);

        QVERIFY(m->setSortText(QStringLiteral("F_code DESC,")));
        QCOMPARE(m->currentKey(), unsent);
        QCOMPARE(m->keyAt(m->currentRow()), unsent);
        // In list order.
        QList<qint64> inOrder;
        for (qint64 k : keysOf(*m))
            if (m->selectedKeys().contains(k))
                inOrder << k;
        QCOMPARE(m->selectedKeys(), inOrder);

        m->clearFilter();
        QVERIFY(!m->selectedKeys().contains(sentKey));  // a dropped key does not come back
        QCOMPARE(m->rowCount(), kRows);
    }

    // The row of every key, found by SQL, matches where the windows put it, with
    // NULLs and duplicates in the order fields.
    void locateMatchesTheOrder_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QVariant>("sent");
        QTest::newRow("statement order") << "" << QVariant();
        QTest::newRow("nulls ascending") << "F_ZF1 ASC," << QVariant();
        QTest::newRow("nulls descending") << "f_zf1 DESC," << QVariant();
        QTest::newRow("two fields") << "F_ZF1 ASC,F_code DESC," << QVariant(false);
        QTest::newRow("dates") << "F_date DESC,F_sheng ASC," << QVariant(true);
        QTest::newRow("booleans") << "F_useFlag ASC," << QVariant();
        QTest::newRow("numbers") << "F_SL DESC" << QVariant();
    }
    void locateMatchesTheOrder()
    {
        QFETCH(QString, sort);
        QFETCH(QVariant, sent);
        auto m = model();
        if (sent.isValid())
            m->setFilter(QStringLiteral("F_useFlag"), sent);
        QVERIFY(m->setSortText(sort));
        const QList<qint64> keys = keysOf(*m);
        QCOMPARE(QSet<qint64>(keys.begin(), keys.end()).size(), keys.size());
        auto fresh = model();
        if (sent.isValid())
            fresh->setFilter(QStringLiteral("F_useFlag"), sent);
        fresh->setSortText(sort);
        for (int r = 0; r < keys.size(); ++r)
            QCOMPARE(fresh->rowOfKey(keys.at(r)), r);  // cache empty: found by SQL
        QCOMPARE(fresh->rowOfKey(-5), -1);
        if (!sort.isEmpty()) {
            // The first sort field really orders the rows (NULL where the backend puts it).
            QList<SortTerm> terms;
            SortText::parse(sort, &terms);
            const int f = m->fieldIndex(terms.first().field);
            for (int r = 1; r < keys.size(); ++r) {
                const QVariant a = m->value(r - 1, f), b = m->value(r, f);
                if (a.isNull() || b.isNull())
                    continue;
                const auto c = QVariant::compare(a, b);
                QVERIFY2(terms.first().ascending ? c != QPartialOrdering::Greater : c != QPartialOrdering::Less,
                         qPrintable(QStringLiteral("row %1").arg(r)));
            }
        }
    }

    void multiColumnSortText()
    {
        auto m = model();
        QVERIFY(m->setSortText(QStringLiteral("f_sheng ASC,f_code DESC,")));
        QCOMPARE(m->sort().size(), 2);
        const QList<qint64> keys = keysOf(*m);
        for (int r = 1; r < keys.size(); ++r) {
            const QString s0 = m->value(r - 1, QStringLiteral("F_sheng")).toString();
            const QString s1 = m->value(r, QStringLiteral("F_sheng")).toString();
            QVERIFY(s0 <= s1 || TestSupport::backend() == Backend::PostgreSQL);  // text order is the server's
            if (s0 == s1)
                QVERIFY(m->value(r - 1, QStringLiteral("F_code")).toString() >
                        m->value(r, QStringLiteral("F_code")).toString());
        }
        QVERIFY(m->setSort({}));
        QCOMPARE(keysOf(*m), keysOf(*model()));  // back to the statement's order
    }

    void badSortsAreRefused_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::newRow("unknown field") << "F_nothing ASC,";
        QTest::newRow("injection") << "F_code; delete from t_client";
        QTest::newRow("expression") << "(select 1) ASC";
    }
    void badSortsAreRefused()
    {
        QFETCH(QString, sort);
        auto m = model();
        MessageRecorder messages;
        const QList<qint64> before = keysOf(*m);
        QVERIFY(!m->setSortText(sort));
        QCOMPARE(keysOf(*m), before);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from t_client")), kRows);
    }

    void incrementalSearch_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::newRow("chinese") << "F_name" << "华南公司1" << true;
        QTest::newRow("letter case") << "F_name" << "ABC" << true;
        QTest::newRow("percent is a character") << "F_name" << "abc%公" << true;
        QTest::newRow("percent does not match anything") << "F_name" << "%" << false;
        QTest::newRow("underscore is a character") << "F_name" << "a_c" << false;
        QTest::newRow("quote") << "F_name" << "o'b" << false;
        QTest::newRow("date") << "F_date" << "2012-11-0" << true;
        QTest::newRow("number") << "F_YF" << "1.5" << true;
    }
    void incrementalSearch()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, found);
        auto m = model();
        MessageRecorder messages;
        const int row = m->findPrefix(m->fieldIndex(field), text);
        QCOMPARE(row >= 0, found);
        QVERIFY(messages.shown.isEmpty());
        if (!found)
            return;
        const QVariant v = m->value(row, field);
        QVERIFY(v.toString().startsWith(text, Qt::CaseInsensitive) || field == QLatin1String("F_date"));
        for (int r = 0; r < row; ++r)  // the first such row
            QVERIFY(!m->value(r, field).toString().startsWith(text, Qt::CaseInsensitive));
    }

    void statementShapes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<int>("rows");
        QTest::newRow("quote in a value") << "select * from t_client where F_name = ? order by F_code"
                                          << QVariantList{QStringLiteral("o'brien\\%")} << 0;
        QTest::newRow("order by a field not listed") << "select F_ID, F_name from t_client order by F_code"
                                                     << QVariantList{} << kRows;
        QTest::newRow("no order, trailing blank") << "select * from T_client Where (1=1) " << QVariantList{} << kRows;
        QTest::newRow("grouped, no key")
            << "select F_sheng as F_name, count(*) as DJnum, sum(F_YF) as YF from T_client Where (1=1)  Group By F_sheng "
            << QVariantList{} << 3;
    }
    void statementShapes()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(int, rows);
        MessageRecorder messages;
        auto m = model(sql, values);
        QVERIFY(m->isOpen());
        QCOMPARE(m->rowCount(), rows);
        QVERIFY(messages.shown.isEmpty());
        if (m->fieldIndex(QStringLiteral("DJnum")) >= 0) {
            m->setSumFields({QStringLiteral("DJnum")});
            QCOMPARE(m->sum(QStringLiteral("djnum")).toInt(), kRows);
            m->setSelected(1, true);
            QCOMPARE(m->selectedKeys(), QList<qint64>{1});
        }
        if (sql.contains(QLatin1String("F_ID, F_name"))) {
            const QList<qint64> want = expected([](const Fixture &) { return true; },
                                                [](const Fixture &a, const Fixture &b) { return a.code < b.code; });
            QCOMPARE(keysOf(*m), want);
        }
    }

    void failedOpenIsEmptyAndSaysSo()
    {
        MessageRecorder messages;
        auto m = model(QStringLiteral("select * from t_nothing order by F_code"));
        QVERIFY(!m->isOpen());
        QCOMPARE(m->rowCount(), 0);
        QCOMPARE(m->currentRow(), -1);
        QCOMPARE(messages.texts(), QStringList{Msg::OpenFailed});
    }

    void refreshSeesChangedRows()
    {
        auto m = model();
        m->setFilter(QStringLiteral("F_useFlag"), false);
        const int before = m->rowCount();
        const qint64 key = m->keyAt(3);
        QVERIFY(m->locate(key));
        const qint64 other = m->keyAt(5);
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_client set F_useFlag = ? where F_ID = ?"), {true, other}));
        QVERIFY(m->refresh());
        QCOMPARE(m->rowCount(), before - 1);
        QCOMPARE(m->currentKey(), key);
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_client set F_useFlag = ? where F_ID = ?"), {false, other}));
    }
};

QTEST_MAIN(TestListModel)
#include "test_list_model.moc"
