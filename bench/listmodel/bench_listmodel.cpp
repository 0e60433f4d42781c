// The SQL list model over 1,000,000 t_client rows on SQLite: opening a statement
// to the first screen of rows with count and footer sums, and one scroll to the
// middle of the list. Prints the median of several runs per case.
//
//   bench_listmodel [folder]   (default /tmp/marlo-bench-listmodel-2; the generated
//                               database is kept there between runs)

#include "support/BenchTiming.h"

#include "core/DataModule.h"
#include "core/ProgramFolder.h"
#include "widgets/SqlListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRows = 1000000;
constexpr int kRuns = 9;
constexpr int kScreenRows = 30;

bool generate()
{
    std::printf("generating %d rows (kept for later runs)...\n", kRows);
    std::fflush(stdout);
    QSqlQuery q(dmData().db());
    QElapsedTimer t;
    t.start();
    if (!dmData().BeginTrans())
        return false;
    // Recipients entered day by day over a thousand days (record numbers and dates
    // grow with the key, as the program writes them), one in three dispatched.
    const bool ok = dmData().run(q, QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
        "insert into t_client (F_mainID, F_code, F_name, F_LXRemp, F_sheng, F_city, F_area, F_address, F_MDaddress, "
        "F_postcode, F_GDphone, F_SJphone, F_empName, F_date, F_memo1, F_useFlag, F_ZF1, F_ZF2, F_ZF3, F_ZF4, F_ZF5, "
        "F_SZ1, F_SZ2, F_SZ3, F_RQ1, F_RQ2, F_RQ3, F_HPname, F_SL, F_ZL, F_YF, F_BJF, F_FYtotal, F_FJemp, F_FHdate, "
        "F_KDtype, F_KDcode, F_type) "
        "select 0, 'Y' || strftime('%Y%m', date('2012-01-01', '+' || ((i - 1) / 1000) || ' days')) "
        "|| substr('0000000' || i, -7), '华南贸易有限公司' || (i % 5000), "
        "'张三' || (i % 300), "
        "case i % 5 when 0 then '广东' when 1 then '湖南' when 2 then '浙江' when 3 then '江苏' else '北京' end, "
        "'城市' || (i % 40), '城区' || (i % 12), '中山路' || (i % 999) || '号大厦' || (i % 30) || '楼', "
        "'收件地址' || (i % 777), '510000', '020-8888' || (i % 10000), '1380013' || substr('0000' || (i % 10000), -4), "
        "'业务员' || (i % 20), date('2012-01-01', '+' || ((i - 1) / 1000) || ' days'), '备注' || (i % 50), (i % 3 = 0), "
        "'', '', '', '', '', i % 100, 0, 0, '1900-08-14', '1900-08-14', '1900-08-14', '文件', 1 + i % 3, "
        "(i % 50) / 10.0, 10 + i % 20, i % 7, 10 + i % 20 + i % 7, '发件人' || (i % 5), "
        "date('2012-01-01', '+' || ((i - 1) / 1000 + i % 5) || ' days'), '顺丰快递', 'SF' || i, '' from n"),
        {kRows});
    if (!ok || !dmData().CommitTrans()) {
        dmData().RollbackTrans();
        return false;
    }
    dmData().run(q, QStringLiteral("analyze"));
    std::printf("generated in %.1f s\n", t.elapsed() / 1000.0);
    return true;
}

// Reads one screen of rows, every field, as the view paints them.
void readScreen(const SqlListModel &m, int first)
{
    for (int r = first; r < first + kScreenRows && r < m.rowCount(); ++r)
        for (int f = 0; f < m.fieldCount(); ++f)
            (void)m.value(r, f);
}

struct Case
{
    const char *name;
    QString sql;
    QVariantList values;
    QVariant sent;  // dispatch-state filter; invalid for all
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/marlo-bench-listmodel-2");
    ProgramFolder::setPath(folder);
    QString why;
    if (!dmData().openFile(ProgramFolder::file(QStringLiteral("data/mlHalvo.db")), true, &why)) {
        std::fprintf(stderr, "cannot open the database: %s\n", qPrintable(why));
        return 1;
    }
    if (dmData().QueryInt(QStringLiteral("select count(*) from t_client")) != kRows) {
        dmData().ExecSql(QStringLiteral("delete from t_client"));
        if (!generate()) {
            std::fprintf(stderr, "generating the rows failed\n");
            return 1;
        }
    }

    const QString list = QStringLiteral("select * from T_client where (1=1) ");
    const QStringList sums{"F_SL", "F_ZL", "F_YF", "F_BJF", "F_FYtotal"};
    const QList<Case> cases = {
        {"all records, 全部", list + QStringLiteral(" order by F_code"), {}, QVariant()},
        {"all records, 未发", list + QStringLiteral(" order by F_code"), {}, QVariant(false)},
        {"one month, 未发",
         list + QStringLiteral("and F_date >= ? and F_date <= ?  order by F_code"),
         {QStringLiteral("2013-06-01"), QStringLiteral("2013-06-30")}, QVariant(false)},
        {"sorted by province and code, 全部", list + QStringLiteral(" order by F_code"), {}, QVariant()},
    };

    std::printf("open: statement to the first screen with the count (footer sums still adding up in slices)\n"
                "sums: the rest of the footer sums, when asked for at once\n"
                "scroll: one screen in the middle of the list\n\n");
    std::printf("%-36s %9s %9s %9s %9s\n", "statement", "rows", "open ms", "sums ms", "scroll ms");
    for (const Case &c : cases) {
        std::vector<double> open, scroll, sumTimes;
        int rows = 0;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer t;
            t.start();
            SqlListModel m;
            m.setSumFields(sums);
            if (c.sent.isValid())
                m.setFilter(QStringLiteral("F_useFlag"), c.sent);
            m.open(c.sql, c.values);
            if (QLatin1String(c.name).contains(QLatin1String("province")))
                m.setSortText(QStringLiteral("f_sheng ASC,f_code DESC,"));
            readScreen(m, 0);
            open.push_back(t.nsecsElapsed() / 1e6);
            t.restart();
            m.finishSums();
            sumTimes.push_back(t.nsecsElapsed() / 1e6);
            rows = m.rowCount();
            t.restart();
            readScreen(m, rows / 2);
            scroll.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("%-36s %9d %9.1f %9.1f %9.1f\n", c.name, rows, median(open), median(sumTimes), median(scroll));
    }
    return 0;
}
