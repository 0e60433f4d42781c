// The main window's record list over a demo database of 1,000,000 records:
// (a) RefreshRecordList to the first screen with count and sums, with the default
// filters (this month, not dispatched) and with both date bounds unticked;
// (b) one typed character in the search text with a search field chosen, beside a
// bare full scan with like '%华%'; (c) the main window shown, region tree included.
// Usage: bench_recordlist [PROGRAM_FOLDER]  (made with marlo-cli demo when missing)

#include "support/BenchDemo.h"
#include "support/BenchTiming.h"

#include "core/PubUnit.h"
#include "main/MainSearchBar.h"
#include "main/RecordList.h"
#include "main/TFrmMain.h"
#include "operators/Login.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/DataGrid.h"
#include "widgets/SqlListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void firstScreen(TFrmMain &w)
{
    // What the grid shows first: the rows of one screen, the count and the footer.
    SqlListModel *list = w.records->QryMain;
    for (int r = 0; r < std::min(30, list->rowCount()); ++r)
        list->value(r, 0);
    w.records->lblCLTnum->text();
    qApp->processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString home = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/marlo-bench-recordlist");
    if (!openDemoFolder(home, 1000000))
        return 1;
    Login::ApplyLogin(QStringLiteral("admin"));

    QElapsedTimer start;
    start.start();
    auto *w = new TFrmMain;
    w->SetLimits();
    w->show();
    firstScreen(*w);
    const double startup = start.nsecsElapsed() / 1e6;

    const double defaults = medianMs(9, [&] {
        w->RefreshRecordList();
        firstScreen(*w);
    });
    w->Panel1->dtpFromDate->setChecked(false);
    w->Panel1->dtpToDate->setChecked(false);
    const double unbounded = medianMs(9, [&] {
        w->RefreshRecordList();
        firstScreen(*w);
    });
    w->Panel1->ComboBox1->setCurrentIndex(0);
    int n = 0;
    const double typed = medianMs(9, [&] {
        w->Panel1->Edit1->setText(n++ % 2 ? QStringLiteral("华") : QStringLiteral("华泰"));
        firstScreen(*w);
    });
    const double bare = medianMs(5, [&] {
        QSqlQuery q(dmData().db());
        q.exec(QStringLiteral("select count(*) from t_client where F_name like '%华%'"));
        q.next();
    });
    std::printf("start-up to the shown main window (region tree included): %8.1f ms\n", startup);
    std::printf("(a) refresh, default filters (this month, 未发):      %8.1f ms median\n", defaults);
    std::printf("(a) refresh, both date bounds unticked:               %8.1f ms median\n", unbounded);
    std::printf("(b) one typed character, search field 公司名称:        %8.1f ms median\n", typed);
    std::printf("    bare like '%%华%%' count on the same connection:     %8.1f ms median\n", bare);
    w->hide();
    return 0;
}
