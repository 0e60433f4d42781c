#include "core/ErrorLog.h"

#include "core/Dates.h"
#include "core/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace ErrorLog {

QString currentFile()
{
    return ProgramFolder::logFolder() + QStringLiteral("/marlo-%1.log")
                                            .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}

void write(const QString &context, const QString &detail)
{
    QDir().mkpath(ProgramFolder::logFolder());
    QFile f(currentFile());
    if (!f.open(QIODevice::Append | QIODevice::Text))
        return;
    const QString line = QStringLiteral("%1 %2\n    %3\n")
                             .arg(Dates::text(QDateTime::currentDateTime()),
                                  context, QString(detail).replace(QLatin1Char('\n'), QStringLiteral("\n    ")));
    f.write(line.toUtf8());
}

} // namespace ErrorLog
