#include "core/Backup.h"

#include "core/DataModule.h"
#include "core/DatabaseCopy.h"
#include "core/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace Backup {

QString dailyFileName(const QString &folder, const QDate &day)
{
    return QDir::cleanPath(folder + QStringLiteral("/dp") + day.toString(QStringLiteral("yyyyMMdd")) +
                           QStringLiteral(".back"));
}

bool dueToday(int mode, const QDate &day)
{
    switch (mode) {
    case 1:
        return true;
    case 2:
        return day.dayOfWeek() == Qt::Monday;
    case 3:
        return day.day() == 1;
    default:
        return false;
    }
}

bool ensureFolder(const QString &folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return true;
    if (ShowMess(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"), MessQuestion) == MessNo)
        return false;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        ShowMess(QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"), MessError);
        return false;
    }
    return true;
}

bool writeCopy(TdmData &data, const QString &target, QString *error)
{
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    bool ok = false;
    if (data.backend() == Backend::SQLite) {
        QSqlQuery q(data.db());
        ok = q.prepare(QStringLiteral("vacuum into ?"));
        if (ok) {
            q.addBindValue(partial);
            ok = q.exec();
        }
        if (!ok && error)
            *error = q.lastError().text();
    } else {
        ok = DatabaseCopy::toFile(data.db(), data.dialect(), partial, error);
    }
    if (ok) {
        QFile::remove(target);
        ok = QFile::rename(partial, target);
        if (!ok && error)
            *error = QStringLiteral("cannot rename %1 to %2").arg(partial, target);
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}

} // namespace Backup
