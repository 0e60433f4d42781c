#include "cli/CliCommand.h"

#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFieldTable.h"
#include "report/SqlReportDataSource.h"

#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

QString templatePath(const QString &name)
{
    if (QFileInfo::exists(name))
        return name;
    const QString inQr = ProgramFolder::reportFolder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(inQr))
        return inQr;
    return ReportEngine::templateFile(name);
}

// render --template FILE --pdf OUT [--png DIR] [--codes CODE,...] [--var NAME=VALUE ...]
int runRender(const QStringList &arguments)
{
    QStringList args = arguments;
    const QString templ = Cli::takeOption(args, QStringLiteral("--template"));
    const QString pdf = Cli::takeOption(args, QStringLiteral("--pdf"));
    const QString png = Cli::takeOption(args, QStringLiteral("--png"));
    const QString codes = Cli::takeOption(args, QStringLiteral("--codes"));
    QHash<QString, QString> vars;
    for (QString v = Cli::takeOption(args, QStringLiteral("--var")); !v.isEmpty(); v = Cli::takeOption(args, QStringLiteral("--var"))) {
        const int eq = v.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            Cli::error(QStringLiteral("--var wants NAME=VALUE, not %1").arg(v));
            return 2;
        }
        vars.insert(v.left(eq), v.mid(eq + 1));
    }
    if (templ.isEmpty() || pdf.isEmpty() || !args.isEmpty()) {
        Cli::error(QStringLiteral("usage: render --template FILE --pdf OUT [--png DIR] [--codes CODE,...] [--var NAME=VALUE ...]"));
        return 2;
    }
    const QString file = templatePath(templ);
    if (!QFileInfo::exists(file)) {
        Cli::error(QStringLiteral("no template %1").arg(templ));
        return 1;
    }
    if (!Cli::openDatabase(false))
        return 1;

    ReportEngine engine;
    if (!engine.loadFromFile(file))
        return 1;

    QString sql = QStringLiteral("select * from t_client");
    QVariantList values;
    const QStringList codeList = codes.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!codeList.isEmpty()) {
        QStringList marks;
        for (const QString &c : codeList) {
            marks << QStringLiteral("?");
            values << c.trimmed();
        }
        sql += QStringLiteral(" where F_code in (%1)").arg(marks.join(QLatin1Char(',')));
    }
    sql += QStringLiteral(" order by F_code");
    engine.bindDataset(SqlReportDataSource::create(ReportDatasetNames::Recipient, sql, values, ReportFieldTable::recipient()),
                       QStringLiteral("frxMain"));
    engine.bindDataset(SqlReportDataSource::create(ReportDatasetNames::CourierImage, QStringLiteral("select * from t_KDimage order by F_ID"),
                                                   {}, ReportFieldTable::courierImage()),
                       QStringLiteral("frxImage"));
    engine.bindDataset(SqlReportDataSource::create(ReportDatasetNames::Sender, QStringLiteral("select * from sysInfo"), {},
                                                   ReportFieldTable::sender()),
                       QStringLiteral("frxDBDataset1"));
    engine.bindDataset(SqlReportDataSource::create(ReportDatasetNames::DataModule, sql, values), QStringLiteral("frxDBDataSet1"));
    // A waybill template prints once per record, as a batch does.
    engine.setBandDataset(QStringLiteral("MDmain"), ReportDatasetNames::Recipient, 0);
    engine.setValueCallback([vars](const QString &name, QVariant &value) {
        const auto it = vars.constFind(name);
        if (it == vars.constEnd())
            return false;
        value = *it;
        return true;
    });

    auto prepared = engine.prepare();
    if (!prepared)
        return 1;
    QString error;
    if (!ReportExport::toPdf(*prepared, pdf, true, &error)) {
        Cli::error(error);
        return 1;
    }
    if (!png.isEmpty()) {
        QDir().mkpath(png);
        QStringList written;
        if (!ReportExport::toImages(*prepared, png + QLatin1Char('/') + QFileInfo(file).completeBaseName() + QStringLiteral(".png"),
                                    96, &written, &error)) {
            Cli::error(error);
            return 1;
        }
    }
    Cli::print(QStringLiteral("%1: %2 page(s) to %3").arg(QFileInfo(file).fileName()).arg(prepared->pageCount()).arg(pdf));
    return 0;
}

const CliRegistration render{{QStringLiteral("render"),
                              QStringLiteral("--template FILE --pdf OUT [--png DIR] [--codes CODE,...] [--var NAME=VALUE ...]"),
                              runRender}};

} // namespace
