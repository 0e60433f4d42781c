// Dispatch over a demo database of 20,000 records:
// (1) batch dispatch of 10,000 selected records in the main window, from the
//     command to the prepared preview (questions answered yes);
// (2) marlo-cli dispatch of 1,000 records to a PDF, as a whole process.
// Usage: bench_dispatch [PROGRAM_FOLDER]  (made with the demo data when missing)

#include "support/BenchDemo.h"
#include "support/BenchTiming.h"

#include "core/Messages.h"
#include "main/DispatchCommands.h"
#include "main/MainListPanel.h"
#include "main/MainSearchBar.h"
#include "main/RecordList.h"
#include "main/TFrmMain.h"
#include "operators/Login.h"
#include "report/PreparedReport.h"
#include "report/ui/PreviewReport.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/SqlListModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QStringList firstCodes(int n)
{
    QStringList codes;
    QSqlQuery q(dmData().db());
    if (dmData().run(q, QStringLiteral("select F_code from t_client order by F_ID limit ?"), {n}))
        while (q.next())
            codes << q.value(0).toString();
    return codes;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString home = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/marlo-bench-dispatch");
    if (!openDemoFolder(home, 20000))
        return 1;
    Login::ApplyLogin(QStringLiteral("admin"));
    setMessageHandler([](const QString &, int) { return MessYes; });

    TFrmMain w;
    w.SetLimits();
    w.show();
    w.Panel1->dtpFromDate->setChecked(false);  // every date
    w.Panel1->dtpToDate->setChecked(false);
    w.RefreshRecordList();
    w.pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag2"))->click();  // all records
    SqlListModel *list = w.records->QryMain;

    QElapsedTimer timer;
    double prepared = 0;
    int pages = 0;
    ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) {
        prepared = timer.nsecsElapsed() / 1e6;
        pages = r ? int(r->pages.size()) : 0;
    });
    std::vector<double> batch;
    for (int run = 0; run < 5; ++run) {
        list->clearSelection();
        list->selectRange(0, 9999);
        prepared = 0;
        timer.start();
        w.dispatch->batchDispatch();
        batch.push_back(prepared);
    }
    std::printf("batch dispatch of %d selected records to the prepared preview (%d pages): %8.1f ms median\n",
                list->selectedCount(), pages, median(batch));

    const QStringList codes = firstCodes(1000);
    const QString pdf = home + QStringLiteral("/bench-waybills.pdf");
    dmData().close();  // the command opens the file itself
    std::vector<double> cli;
    for (int run = 0; run < 5; ++run) {
        QProcess p;
        timer.start();
        p.start(QStringLiteral(MARLO_CLI_PATH),
                {QStringLiteral("--home"), home, QStringLiteral("dispatch"), QStringLiteral("--courier"), QStringLiteral("顺丰快递"),
                 QStringLiteral("--codes"), codes.join(QLatin1Char(',')), QStringLiteral("--goods"), QStringLiteral("合同"),
                 QStringLiteral("--freight"), QStringLiteral("12"), QStringLiteral("--pdf"), pdf});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            std::printf("marlo-cli dispatch failed: %s\n", p.readAllStandardError().constData());
            return 1;
        }
        cli.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("marlo-cli dispatch of %lld records to PDF, whole process:              %8.1f ms median\n",
                static_cast<long long>(codes.size()), median(cli));
    return 0;
}
