#include "cli/CliCommand.h"

#include "core/DataModule.h"
#include "core/ProgramFolder.h"
#include "core/Schema.h"
#include "core/Startup.h"

#include <QSqlQuery>
#include <QSqlError>

namespace {

int runInit(const QStringList &)
{
    if (!Cli::openDatabase(true))
        return 1;
    Startup::InstallShippedFiles();
    Cli::print(QStringLiteral("program folder %1 ready, database %2").arg(ProgramFolder::path(), dmData().describe()));
    return 0;
}

int runCheck(const QStringList &)
{
    if (!Cli::openDatabase(false))
        return 1;
    TdmData &data = dmData();
    QSqlQuery q(data.db());
    if (data.backend() == Backend::SQLite) {
        if (!q.exec(QStringLiteral("pragma integrity_check")) || !q.next() || q.value(0).toString() != QLatin1String("ok")) {
            Cli::error(QStringLiteral("integrity check failed: %1%2").arg(q.value(0).toString(), q.lastError().text()));
            return 2;
        }
    }
    Cli::print(QStringLiteral("database %1, schema version %2: ok").arg(data.describe()).arg(Schema::storedVersion(data.db())));
    for (const TableDef &t : Schema::tables()) {
        if (!q.exec(QStringLiteral("select count(*) from %1").arg(t.name)) || !q.next()) {
            Cli::error(QStringLiteral("table %1: %2").arg(t.name, q.lastError().text()));
            return 2;
        }
        Cli::print(QStringLiteral("%1 %2").arg(t.name, -16).arg(q.value(0).toLongLong()));
    }
    return 0;
}

const CliRegistration init{{QStringLiteral("init"), QString(), runInit}};
const CliRegistration check{{QStringLiteral("check"), QString(), runCheck}};

} // namespace
