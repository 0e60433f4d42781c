#pragma once

#include "core/Settings.h"
#include "core/SqlDialect.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The data module: owns the program's one database connection and the small set
// of operations through which every form runs its statements. Statements carry
// "?" placeholders; values are always bound, never spliced into the text.
// Failures show the short user message, write the driver's text to logs/ and give
// the caller false, empty text or 0.
class TdmData : public QObject
{
    Q_OBJECT
public:
    static TdmData &instance();

    // Opens the embedded database file. With createIfMissing a missing file is
    // created with every table and seed row; an existing file must be a database
    // of this program.
    bool openFile(const QString &fileName, bool createIfMissing, QString *error = nullptr);
    // Opens a PostgreSQL database; an empty one gets every table and seed row.
    bool openServer(const ServerSettings &server, QString *error = nullptr);
    void close();

    bool isConnected() const { return m_connected; }
    bool ConnectOk = false;  // set by the start-up connection

    QSqlDatabase db();  // reopens a connection that was closed or lost
    const SqlDialect &dialect() const { return m_dialect; }
    Backend backend() const { return m_dialect.backend(); }
    QString databaseFile() const { return m_file; }  // embedded file, empty for a server
    ServerSettings server() const { return m_server; }  // the server last opened
    QString describe() const;  // the file name or user@host:port/db

    // Runs a statement without showing anything; false on failure (logged).
    bool run(QSqlQuery &q, const QString &sql, const QVariantList &values = {});
    QSqlQuery query();  // a query on the connection

    bool ExecSql(const QString &sql, const QVariantList &values = {});
    QString QueryText(const QString &sql, const QVariantList &values = {});
    int QueryInt(const QString &sql, const QVariantList &values = {});
    bool OpenQuery(QSqlQuery &q, const QString &sql, const QVariantList &values = {});
    // The drop-down items of a statement: an empty entry first, then each
    // non-blank first column, untrimmed. On failure the items read so far.
    QStringList FillItems(const QString &sql, const QVariantList &values = {});
    void WriteLog(const QString &what);
    // Empty (after a message) when the highest number cannot be read or continued.
    QString NextRecordCode(const QString &sql, const QVariantList &values, const QString &prefix, int width);
    bool HasRight(const QString &code);
    void AutoBackup();

    // Refreshes the statistics the query planner chooses its indexes by; run
    // after bulk changes (SQLite keeps none of its own).
    bool UpdateStatistics();

    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();

    // Logs a failure of `sql` with the driver's text.
    void logFailure(const QString &sql, const QString &driverText);

private:
    TdmData() = default;
    bool finishOpen(QString *error);
    bool hasStatistics(const QSqlDatabase &d) const;
    static bool isNetworkFileSystem(const QString &file);
    void checkLost();

    static constexpr const char *kConnection = "marlo";
    SqlDialect m_dialect;
    QString m_file;
    ServerSettings m_server;
    bool m_connected = false;
};

inline TdmData &dmData() { return TdmData::instance(); }
