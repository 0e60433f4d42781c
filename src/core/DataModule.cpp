#include "core/DataModule.h"

#include "core/Backup.h"
#include "core/Dates.h"
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "core/RecordCode.h"
#include "core/Schema.h"
#include "core/UiHooks.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>
#include <QSqlRecord>
#include <QTime>


TdmData &TdmData::instance()
{
    static TdmData *module = new TdmData;  // lives for the whole run
    return *module;
}

void TdmData::close()
{
    if (QSqlDatabase::contains(QLatin1String(kConnection))) {
        {
            QSqlDatabase d = QSqlDatabase::database(QLatin1String(kConnection), false);
            if (d.isOpen() && !m_dialect.isPostgres())
                QSqlQuery(d).exec(QStringLiteral("pragma optimize"));  // statistics grown stale
            d.close();
        }
        QSqlDatabase::removeDatabase(QLatin1String(kConnection));
    }
    m_connected = false;
}

bool TdmData::openFile(const QString &fileName, bool createIfMissing, QString *error)
{
    close();
    const bool exists = QFileInfo::exists(fileName);
    if (!exists && !createIfMissing) {
        if (error)
            *error = QStringLiteral("no database file %1").arg(fileName);
        return false;
    }
    if (!exists)
        QDir().mkpath(QFileInfo(fileName).absolutePath());
    m_dialect = SqlDialect(Backend::SQLite);
    m_file = QFileInfo(fileName).absoluteFilePath();
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kConnection));
    d.setDatabaseName(m_file);
    // Two desks on one file wait for each other instead of failing at once.
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=8000"));
    return finishOpen(error);
}

bool TdmData::openServer(const ServerSettings &server, QString *error)
{
    close();
    m_dialect = SqlDialect(Backend::PostgreSQL);
    m_file.clear();
    m_server = server;
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QLatin1String(kConnection));
    d.setHostName(server.host);
    d.setPort(server.port);
    d.setDatabaseName(server.database);
    d.setUserName(server.user);
    d.setPassword(server.password);
    d.setConnectOptions(QStringLiteral("connect_timeout=5"));
    return finishOpen(error);
}

bool TdmData::finishOpen(QString *error)
{
    QSqlDatabase d = QSqlDatabase::database(QLatin1String(kConnection), false);
    auto fail = [&](const QString &why) {
        ErrorLog::write(QStringLiteral("connect %1").arg(describe()), why);
        if (error)
            *error = why;
        close();
        return false;
    };
    if (!d.open())
        return fail(d.lastError().text());
    QSqlQuery q(d);
    if (!m_dialect.isPostgres()) {
        // A rollback journal, not WAL: safe for a file in a shared network folder.
        q.exec(QStringLiteral("pragma journal_mode=delete"));
        q.exec(QStringLiteral("pragma synchronous=full"));
        // Reading through a memory map makes full scans (searching text anywhere
        // in a column) about twice as fast. Not for a file on a network share,
        // where a lost connection would end the program instead of failing a read.
        if (!isNetworkFileSystem(m_file))
            q.exec(QStringLiteral("pragma mmap_size=1073741824"));
    } else {
        q.exec(QStringLiteral("set client_min_messages to warning"));
    }
    const bool empty = d.tables().isEmpty();
    if (empty) {
        QString why;
        if (!Schema::create(d, m_dialect, &why))
            return fail(why);
    } else if (!Schema::isProgramDatabase(d)) {
        return fail(QStringLiteral("%1 is not a database of this program").arg(describe()));
    } else if (QString why; !Schema::upgrade(d, &why)) {
        return fail(why);
    }
    m_connected = true;
    if (!empty && !m_dialect.isPostgres() && !hasStatistics(d))
        UpdateStatistics();
    return true;
}

bool TdmData::isNetworkFileSystem(const QString &file)
{
    const QByteArray type = QStorageInfo(QFileInfo(file).absolutePath()).fileSystemType().toLower();
    static const QByteArrayList network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "ncpfs"};
    return network.contains(type) || type.startsWith("fuse") || type.isEmpty();
}

bool TdmData::hasStatistics(const QSqlDatabase &d) const
{
    // A file that never had statistics and holds records (a copy from an older
    // version or filled outside the program) gets them once at opening.
    QSqlQuery q(d);
    if (q.exec(QStringLiteral("select count(*) from sqlite_stat1 where tbl = 't_client'")) && q.next() &&
        q.value(0).toInt() > 0)
        return true;
    return !q.exec(QStringLiteral("select 1 from t_client limit 1")) || !q.next();
}

bool TdmData::UpdateStatistics()
{
    QSqlQuery q(db());
    if (q.exec(QStringLiteral("analyze")))
        return true;
    logFailure(QStringLiteral("analyze"), q.lastError().text());
    return false;
}

QString TdmData::describe() const
{
    if (!m_dialect.isPostgres())
        return m_file;
    return QStringLiteral("%1@%2:%3/%4").arg(m_server.user, m_server.host).arg(m_server.port).arg(m_server.database);
}

QSqlDatabase TdmData::db()
{
    QSqlDatabase d = QSqlDatabase::database(QLatin1String(kConnection), false);
    if (d.isValid() && !d.isOpen() && m_connected && !d.open())
        ErrorLog::write(QStringLiteral("reconnect %1").arg(describe()), d.lastError().text());
    return d;
}

QSqlQuery TdmData::query() { return QSqlQuery(db()); }

void TdmData::logFailure(const QString &sql, const QString &driverText)
{
    ErrorLog::write(QStringLiteral("statement failed on %1").arg(describe()),
                    sql.simplified() + QStringLiteral("\n") + driverText);
}

void TdmData::checkLost()
{
    // A server that went away leaves the connection open but dead; close it so that
    // the next use opens it again.
    QSqlDatabase d = QSqlDatabase::database(QLatin1String(kConnection), false);
    if (!d.isOpen() || !m_dialect.isPostgres())
        return;
    QSqlQuery probe(d);
    if (!probe.exec(QStringLiteral("select 1")))
        d.close();
}

bool TdmData::run(QSqlQuery &q, const QString &sql, const QVariantList &values)
{
    q.finish();
    bool ok = false;
    if (values.isEmpty()) {
        ok = q.exec(sql);
    } else if (q.prepare(sql)) {
        for (const QVariant &v : values)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok) {
        logFailure(sql, q.lastError().text());
        checkLost();
    }
    return ok;
}

bool TdmData::ExecSql(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db());
    if (run(q, sql, values))
        return true;
    ShowMess(Msg::OperationFailed, MessError);
    return false;
}

QString TdmData::QueryText(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!run(q, sql, values)) {
        ShowMess(Msg::OperationFailed, MessError);
        return {};
    }
    if (!q.next())
        return {};
    const QVariant v = q.value(0);
    const int type = v.typeId();
    if (type == QMetaType::QDate || type == QMetaType::QDateTime)
        return Dates::fromValue(v);
    return v.toString();
}

int TdmData::QueryInt(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!run(q, sql, values)) {
        ShowMess(Msg::OperationFailed, MessError);
        return 0;
    }
    if (!q.next() || q.value(0).isNull())
        return 0;
    return q.value(0).toInt();
}

bool TdmData::OpenQuery(QSqlQuery &q, const QString &sql, const QVariantList &values)
{
    if (run(q, sql, values))
        return true;
    q.finish();
    ShowMess(Msg::OpenFailed, MessError);
    return false;
}

QStringList TdmData::FillItems(const QString &sql, const QVariantList &values)
{
    QStringList items{QString()};
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!run(q, sql, values)) {
        ShowMess(Msg::OperationFailed, MessError);
        return items;
    }
    while (q.next()) {
        const QString v = q.value(0).toString();
        if (!v.trimmed().isEmpty())
            items << v;
    }
    return items;
}

void TdmData::WriteLog(const QString &what)
{
    QSqlQuery q(db());
    run(q, QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(?,?,?,?)"),
        {PubUnit::globals().CurrentOperator, what, Dates::today(), Dates::timeText(QTime::currentTime())});
}

QString TdmData::NextRecordCode(const QString &sql, const QVariantList &values, const QString &prefix, int width)
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!run(q, sql, values)) {
        ShowMess(Msg::OperationFailed, MessError);
        return {};
    }
    const QString highest = q.next() ? q.value(0).toString() : QString();
    bool ok = false;
    const QString code = RecordCode::next(highest, prefix, width, QDate::currentDate(), &ok);
    if (!ok) {
        ErrorLog::write(QStringLiteral("next record number"), QStringLiteral("%1 does not end in a counter").arg(highest));
        ShowMess(QStringLiteral("编号“%1”的末尾不是数字，无法生成新的编号！").arg(highest), MessError);
    }
    return code;
}

bool TdmData::HasRight(const QString &code)
{
    return QueryInt(QStringLiteral("select o.F_ID from OperLimit o left join Limits l on o.F_lmtName = l.F_name "
                                   "where (o.F_OperName = ?) and (l.F_code = ?)"),
                    {PubUnit::globals().CurrentOperator, code}) > 0;
}

void TdmData::AutoBackup()
{
    const QString folder = QueryText(QStringLiteral("select F_bakPath from sysInfo")).trimmed();
    if (!Backup::ensureFolder(folder))
        return;
    const QString target = Backup::dailyFileName(folder, QDate::currentDate());
    if (QFileInfo::exists(target))
        return;  // at most one automatic backup a day; the day's file is never replaced
    UiHooks::BusyScope busy;
    QString why;
    if (!Backup::writeCopy(*this, target, &why)) {
        ErrorLog::write(QStringLiteral("automatic backup to %1").arg(target), why);
        ShowMess(Msg::BackupFailed, MessError);
    }
}

bool TdmData::BeginTrans() { return db().transaction(); }
bool TdmData::CommitTrans() { return db().commit(); }
bool TdmData::RollbackTrans() { return db().rollback(); }
