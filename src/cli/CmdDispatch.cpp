#include "cli/CliCommand.h"

#include "core/DataModule.h"
#include "core/Startup.h"
#include "main/DispatchService.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"

#include <QSqlQuery>

namespace {

double number(QStringList &args, const QString &option, bool *ok)
{
    const QString text = Cli::takeOption(args, option, QStringLiteral("0"));
    bool good = false;
    const double v = text.toDouble(&good);
    if (!good)
        *ok = false;
    return v;
}

// The batch dispatch of the main window without a window: the records of the
// given codes are dispatched in one transaction and their waybills written to PDF.
int runDispatch(const QStringList &arguments)
{
    QStringList args = arguments;
    DispatchService::Values v;
    v.courier = Cli::takeOption(args, QStringLiteral("--courier"));
    const QStringList codes = Cli::takeOption(args, QStringLiteral("--codes")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QString pdf = Cli::takeOption(args, QStringLiteral("--pdf"));
    v.goods = Cli::takeOption(args, QStringLiteral("--goods"));
    v.sender = Cli::takeOption(args, QStringLiteral("--sender"));
    v.waybill = Cli::takeOption(args, QStringLiteral("--waybill"));
    bool ok = true;
    v.quantity = number(args, QStringLiteral("--qty"), &ok);
    v.weight = number(args, QStringLiteral("--weight"), &ok);
    v.freight = number(args, QStringLiteral("--freight"), &ok);
    v.insurance = number(args, QStringLiteral("--insurance"), &ok);
    v.total = v.freight + v.insurance;
    const QString date = Cli::takeOption(args, QStringLiteral("--date"), QDate::currentDate().toString(Qt::ISODate));
    v.date = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
    if (!ok || !v.date.isValid() || v.courier.isEmpty() || codes.isEmpty() || pdf.isEmpty() || !args.isEmpty()) {
        Cli::error(QStringLiteral("usage: dispatch --courier NAME --codes CODE,... [--goods G --qty N --weight N --freight N "
                                  "--insurance N --sender S --date yyyy-MM-dd --waybill NO] --pdf OUT"));
        return 2;
    }
    if (!Cli::openDatabase(false))
        return 1;
    Startup::InstallShippedFiles();
    const DispatchService::Courier courier = DispatchService::LoadCourier(v.courier);
    if (courier.id == 0) {
        Cli::error(QStringLiteral("no courier type named %1").arg(v.courier));
        return 1;
    }
    QList<qint64> ids;
    QSqlQuery q(dmData().db());
    for (const QString &code : codes) {
        if (!dmData().run(q, QStringLiteral("select F_ID from t_client where F_code = ?"), {code.trimmed()}) || !q.next()) {
            Cli::error(QStringLiteral("no record with the code %1").arg(code));
            return 1;
        }
        ids << q.value(0).toLongLong();
    }
    const DispatchService::BatchResult r = DispatchService::FillBatchTable(ids, v);
    if (!r.ok) {
        Cli::error(DispatchService::batchFailureMessage(r));
        return 1;
    }
    ReportEngine engine;
    DispatchService::prepareWaybills(engine, courier, true, 0, v);
    const auto pages = engine.prepare();
    QString why;
    if (!pages || !ReportExport::toPdf(*pages, pdf, true, &why)) {
        Cli::error(QStringLiteral("the waybills could not be written to %1: %2").arg(pdf, why));
        return 1;
    }
    Cli::print(QStringLiteral("%1 records dispatched with %2, %3 waybills in %4").arg(r.rows).arg(courier.name).arg(pages->pageCount()).arg(pdf));
    return 0;
}

const CliRegistration dispatch{{QStringLiteral("dispatch"),
                                QStringLiteral("--courier NAME --codes CODE,... [--goods --qty --weight --freight --insurance "
                                               "--sender --date yyyy-MM-dd --waybill NO] --pdf OUT"),
                                runDispatch}};

} // namespace
