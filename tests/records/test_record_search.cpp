#include "core/DataModule.h"
#include "core/PubUnit.h"
#include "widgets/CheckDateEdit.h"
#include "records/SearchCriteria.h"
#include "records/TDlgCltCx.h"

#include "DialogDriver.h"
#include "RecordFixture.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace F = RecordFixture;

Q_DECLARE_METATYPE(SearchCriteria)

namespace {

// Three records that differ in every searched column.
void insertCases()
{
    const QStringList cols = {"F_code",    "F_name",    "F_KDcode",    "F_sheng",   "F_city",  "F_area",
                              "F_address", "F_LXRemp",  "F_postcode",  "F_GDphone", "F_SJphone", "F_MDaddress",
                              "F_empName", "F_HPname",  "F_FJemp",     "F_KDtype"};
    const QList<QStringList> rows = {
        {"A01", "北京科技有限公司", "SF1001", "北京", "北京市", "海淀区", "中关村大街1号", "王五", "100080", "010-1234",
         "13800000001", "海淀收件点", "张三", "文件", "小李", "顺丰快递"},
        {"A02", "上海100贸易", "ZT2002", "上海", "上海市", "浦东新区", "世纪大道_8号", "赵六", "200120", "021-5678",
         "13900000002", "浦东仓库", "李四", "样品", "小王", "中通顺丰"},
        {"A03", "O'Brien 商行", "", "广东", "广州市", "天河区", "体育西路\\3号", "钱七", "510000", "020-9999",
         "13700000003", "", "张三", "文件", "小李", "顺丰"},
    };
    const QList<QVariantList> extra = {
        {true, QStringLiteral("2024-03-05"), QStringLiteral("2024-03-06")},
        {false, QStringLiteral("2024-04-10"), QVariant()},
        {true, QVariant(), QStringLiteral("2024-05-01")},
    };
    for (int r = 0; r < rows.size(); ++r) {
        QVariantMap m;
        for (int c = 0; c < cols.size(); ++c)
            m.insert(cols.at(c), rows.at(r).at(c));
        m.insert(QStringLiteral("F_useFlag"), extra.at(r).at(0));
        if (!extra.at(r).at(1).isNull())
            m.insert(QStringLiteral("F_date"), extra.at(r).at(1));
        if (!extra.at(r).at(2).isNull())
            m.insert(QStringLiteral("F_FHdate"), extra.at(r).at(2));
        F::insert(m);
    }
}

QStringList codesOf(SqlStatement s)
{
    s.add(QStringLiteral("order by F_code"));
    QStringList out;
    QSqlQuery q(dmData().db());
    if (!dmData().OpenQuery(q, s.text, s.values))
        return {QStringLiteral("failed")};
    while (q.next())
        out << q.value(0 + q.record().indexOf(QStringLiteral("F_code"))).toString();
    return out;
}

SearchCriteria with(std::function<void(SearchCriteria &)> f)
{
    SearchCriteria c;
    f(c);
    return c;
}

} // namespace

class TestRecordSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
        PubUnit::resetGlobals();
        insertCases();
    }

    void cleanup()
    {
        PubUnit::resetGlobals();
        m_home.reset();
    }

    void nothingFilledIn()
    {
        const SqlStatement s = BuildSearchStatement(SearchCriteria());
        QCOMPARE(s.text, QStringLiteral("select * from T_client where (1=1) "));
        QVERIFY(s.values.isEmpty());
    }

    void search_data()
    {
        using C = SearchCriteria;
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("salesmen");
        QTest::addColumn<SearchCriteria>("criteria");
        QTest::addColumn<QStringList>("codes");
        const QStringList all{"A01", "A02", "A03"};
        auto row = [](const char *name, int scope, const QString &salesmen, const SearchCriteria &c, const QStringList &codes) {
            QTest::newRow(name) << scope << salesmen << c << codes;
        };
        row("nothing", 0, {}, C(), all);
        row("name anywhere", 0, {}, with([](C &c) { c.name = QStringLiteral(" 科技 "); }), {"A01"});
        row("name with quote", 0, {}, with([](C &c) { c.name = QStringLiteral("O'B"); }), {"A03"});
        row("own % is a wildcard", 0, {}, with([](C &c) { c.name = QStringLiteral("上海%贸易"); }), {"A02"});
        row("own _ is a wildcard", 0, {}, with([](C &c) { c.name = QStringLiteral("上海1_0"); }), {"A02"});
        row("waybill number", 0, {}, with([](C &c) { c.KDcode = QStringLiteral("1001"); }), {"A01"});
        row("province", 0, {}, with([](C &c) { c.sheng = QStringLiteral("广"); }), {"A03"});
        row("city", 0, {}, with([](C &c) { c.city = QStringLiteral("州"); }), {"A03"});
        row("district", 0, {}, with([](C &c) { c.area = QStringLiteral("浦东"); }), {"A02"});
        row("address with backslash", 0, {}, with([](C &c) { c.address = QStringLiteral("\\3"); }), {"A03"});
        row("recipient", 0, {}, with([](C &c) { c.LXRemp = QStringLiteral("王"); }), {"A01"});
        row("postcode", 0, {}, with([](C &c) { c.postCode = QStringLiteral("0080"); }), {"A01"});
        row("phone", 0, {}, with([](C &c) { c.GDphone = QStringLiteral("021"); }), {"A02"});
        row("mobile", 0, {}, with([](C &c) { c.SJphone = QStringLiteral("0003"); }), {"A03"});
        row("delivery address", 0, {}, with([](C &c) { c.MDaddress = QStringLiteral("仓库"); }), {"A02"});
        row("salesman", 0, {}, with([](C &c) { c.empName = QStringLiteral("张"); }), {"A01", "A03"});
        row("goods", 0, {}, with([](C &c) { c.HPname = QStringLiteral("样"); }), {"A02"});
        row("sender", 0, {}, with([](C &c) { c.FJemp = QStringLiteral("小李"); }), {"A01", "A03"});
        row("courier: start only", 0, {}, with([](C &c) { c.KDtype = QStringLiteral("顺丰"); }), {"A01", "A03"});
        row("courier: not inside", 0, {}, with([](C &c) { c.KDtype = QStringLiteral("快递"); }), {});
        row("not sent", 0, {}, with([](C &c) { c.sent = C::NotSent; }), {"A02"});
        row("sent", 0, {}, with([](C &c) { c.sent = C::SentOnly; }), {"A01", "A03"});
        row("date row, both open", 0, {}, with([](C &c) { c.dateRange = true; }), {"A01", "A02"});
        row("date row, from", 0, {}, with([](C &c) {
                c.dateRange = true;
                c.dateFrom = QDate(2024, 4, 1);
            }), {"A02"});
        row("date row, to", 0, {}, with([](C &c) {
                c.dateRange = true;
                c.dateTo = QDate(2024, 3, 31);
            }), {"A01"});
        row("dispatch row, both open", 0, {}, with([](C &c) { c.dispatchRange = true; }), {"A01", "A03"});
        row("dispatch row, closed", 0, {}, with([](C &c) {
                c.dispatchRange = true;
                c.dispatchFrom = QDate(2024, 4, 1);
                c.dispatchTo = QDate(2024, 5, 1);
            }), {"A03"});
        row("fields and state together", 0, {}, with([](C &c) {
                c.name = QStringLiteral("公司");
                c.sent = C::SentOnly;
                c.FJemp = QStringLiteral("李");
            }), {"A01"});
        row("scope own", 1, {}, C(), {"A01", "A03"});
        row("scope own kept", 1, {}, with([](C &c) { c.name = QStringLiteral("上海"); }), {});
        row("scope listed", 2, QStringLiteral("'李四','O''X'"), C(), {"A02"});
        row("scope listed, empty list", 2, QString(), C(), {});
    }

    void search()
    {
        QFETCH(int, scope);
        QFETCH(QString, salesmen);
        QFETCH(SearchCriteria, criteria);
        QFETCH(QStringList, codes);
        PubUnit::globals().OperatorScope = scope;
        PubUnit::globals().OperatorSalesmen = salesmen;
        PubUnit::globals().CurrentOperator = QStringLiteral("张三");
        const SqlStatement s = BuildSearchStatement(criteria);
        QVERIFY(s.text.startsWith(QStringLiteral("select * from T_client where (")));
        QVERIFY(s.text.endsWith(QLatin1Char(' ')));
        QCOMPARE(codesOf(s), codes);
    }

    void dialogBuildsWhatItShows()
    {
        SqlStatement got;
        SearchCriteria seen;
        bool pickersWereOff = false;
        whenShown<TDlgCltCx>([&](TDlgCltCx *d) {
            QVERIFY(d->rbAll->isChecked());
            pickersWereOff = !d->dtpfromDate->isEnabled() && !d->dtptoDate1->isEnabled();
            QCOMPARE(d->dtpfromDate->date(), QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1));
            QVERIFY(!d->dtpfromDate->isChecked());
            d->edtName->setText(QStringLiteral("科技"));
            d->cbbKDtype->setFocus();
            d->cbbKDtype->setEditText(QStringLiteral("顺"));
            d->rbSent->setChecked(true);
            d->CheckBox1->setChecked(true);
            QVERIFY(d->dtpfromDate->isEnabled() && d->dtptoDate->isEnabled());
            d->dtptoDate->setChecked(true);
            d->dtptoDate->setDate(QDate(2024, 3, 31));
            seen = d->criteria();
            QTest::keyClick(d->edtName, Qt::Key_S, Qt::ControlModifier);
        });
        got = ShowSearch();
        QVERIFY(pickersWereOff);
        QVERIFY(seen.dateRange && !seen.dateFrom.isValid() && seen.dateTo == QDate(2024, 3, 31));
        QCOMPARE(got, BuildSearchStatement(seen));
        QCOMPARE(codesOf(got), QStringList{"A01"});
    }

    void closingReturnsNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << QStringLiteral("button");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("window close") << QStringLiteral("window");
    }

    void closingReturnsNothing()
    {
        QFETCH(QString, how);
        whenShown<TDlgCltCx>([&](TDlgCltCx *d) {
            d->edtName->setText(QStringLiteral("科技"));
            if (how == QLatin1String("button"))
                d->Button2->click();
            else if (how == QLatin1String("esc"))
                QTest::keyClick(d->edtName, Qt::Key_Escape);
            else
                d->close();
        });
        const SqlStatement s = ShowSearch();
        QVERIFY(s.text.isEmpty());
        QVERIFY(s.values.isEmpty());
    }

    void ownScopeLocksTheSalesmanBox()
    {
        PubUnit::globals().OperatorScope = 1;
        PubUnit::globals().CurrentOperator = QStringLiteral("张三");
        TDlgCltCx d;
        d.show();
        QVERIFY(!d.cbbEmpName->isEnabled());
        QCOMPARE(d.cbbEmpName->currentText(), QStringLiteral("张三"));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        TDlgCltCx d;
        d.show();
        d.CheckBox1->setChecked(true);
        QVERIFY(d.grab().save(dir + QStringLiteral("/search.png")));
        qInfo() << "search size" << d.size();
    }
};

QTEST_MAIN(TestRecordSearch)
#include "test_record_search.moc"
