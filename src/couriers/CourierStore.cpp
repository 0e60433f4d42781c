#include "couriers/CourierStore.h"

#include "core/DataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlQuery>

namespace CourierStore {

QString listStatement(bool includeStopped)
{
    if (includeStopped)
        return QStringLiteral("select * from t_KDimage order by F_ID");
    return QStringLiteral("select * from t_KDimage where F_useFlag = %1 order by F_ID")
        .arg(dmData().dialect().boolLiteral(false));
}

int idOfName(const QString &name)
{
    QSqlQuery q(dmData().db());
    const QString sql = QStringLiteral("select F_ID from t_KDimage where ") +
                        dmData().dialect().equalsIgnoreCase(QStringLiteral("F_name"));
    if (!dmData().run(q, sql, {name}) || !q.next())
        return 0;
    return q.value(0).toInt();
}

bool nameTaken(int existingId, int ownId)
{
    return existingId > 0 && existingId != ownId;
}

bool hasWebScheme(const QString &address)
{
    return address.trimmed().contains(QLatin1String("http://"));
}

QString pictureCopyTarget(const QString &chosenPath, const QString &imageFolder)
{
    return QDir(imageFolder).filePath(QFileInfo(chosenPath.trimmed()).fileName());
}

PictureCopy storePicture(const QString &source, const QImage &shown, const QString &target)
{
    if (QFileInfo::exists(target))
        return PictureCopy::KeptExisting;
    const bool haveSource = QFileInfo(source).isFile();
    if (!haveSource && shown.isNull())
        return PictureCopy::NothingToCopy;
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return PictureCopy::Failed;
    if (haveSource)
        return QFile::copy(source, target) ? PictureCopy::Written : PictureCopy::Failed;
    return shown.save(target) ? PictureCopy::Written : PictureCopy::Failed;
}

bool save(const CourierType &type, int id)
{
    TdmData &dm = dmData();
    if (!dm.BeginTrans())
        return false;
    QSqlQuery q(dm.db());
    bool ok = false;
    if (id > 0)
        ok = dm.run(q,
                    QStringLiteral("update t_KDimage set F_name = ?, F_imagePath = ?, F_useFlag = ?, "
                                   "F_BBfileName = ?, F_KDweb = ? where F_ID = ?"),
                    {type.name, type.imagePath, type.stopped, type.templateName, type.web, id});
    else
        ok = dm.run(q,
                    QStringLiteral("insert into t_KDimage (F_name, F_imagePath, F_useFlag, F_BBfileName, F_KDweb) "
                                   "values (?, ?, ?, ?, ?)"),
                    {type.name, type.imagePath, type.stopped, type.templateName, type.web});
    if (ok && dm.CommitTrans())
        return true;
    dm.RollbackTrans();
    return false;
}

bool remove(int id)
{
    return dmData().ExecSql(QStringLiteral("delete from t_KDimage where F_ID = ?"), {id});
}

} // namespace CourierStore
