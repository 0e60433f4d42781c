#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString g_override;

bool isWritableFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.marlo-probe-XXXXXX"));
    return probe.open();
}

QString detect()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (isWritableFolder(exeDir))
        return exeDir;
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty())
        user = QDir::homePath() + QStringLiteral("/.marlo");
    QDir().mkpath(user);
    return user;
}

} // namespace

namespace ProgramFolder {

QString path()
{
    if (!g_override.isEmpty())
        return g_override;
    static const QString detected = QDir::cleanPath(detect());
    return detected;
}

void setPath(const QString &folder)
{
    QDir().mkpath(folder);
    g_override = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString file(const QString &relative) { return path() + QLatin1Char('/') + relative; }
QString dataFolder() { return path() + QStringLiteral("/data/"); }
QString reportFolder() { return file(QStringLiteral("Qr")); }
QString imageFolder() { return file(QStringLiteral("images")); }
QString logFolder() { return file(QStringLiteral("logs")); }
QString configFile() { return file(QStringLiteral("Config.ini")); }

} // namespace ProgramFolder
