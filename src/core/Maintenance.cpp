#include "core/Maintenance.h"

#include "core/DataModule.h"
#include "core/ErrorLog.h"

#include <QSqlError>
#include <QSqlQuery>

bool CompactDatabase(TdmData &data)
{
    QSqlQuery q(data.db());
    if (data.backend() == Backend::SQLite) {
        if (!q.exec(QStringLiteral("pragma integrity_check")) || !q.next() ||
            q.value(0).toString() != QLatin1String("ok")) {
            ErrorLog::write(QStringLiteral("integrity check"), q.lastError().text() + q.value(0).toString());
            return false;
        }
        q.finish();
        if (!q.exec(QStringLiteral("vacuum"))) {
            ErrorLog::write(QStringLiteral("vacuum"), q.lastError().text());
            return false;
        }
        return data.UpdateStatistics();
    }
    if (!q.exec(QStringLiteral("vacuum analyze"))) {
        ErrorLog::write(QStringLiteral("vacuum analyze"), q.lastError().text());
        return false;
    }
    return true;
}
