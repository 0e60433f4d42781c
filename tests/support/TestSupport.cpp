#include "TestSupport.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/PubUnit.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>



namespace TestSupport {

namespace {

QStringList &createdDatabases()
{
    static QStringList list;
    return list;
}

QString env(const char *name, const char *def)
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? QString::fromLatin1(def) : QString::fromLocal8Bit(v);
}

// Runs one statement on the server's maintenance database.
bool adminExec(const QString &sql, QString *error)
{
    const QString name = QStringLiteral("marlo-admin");
    bool ok = false;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const ServerSettings s = serverFor(QStringLiteral("postgres"));
        d.setHostName(s.host);
        d.setPort(s.port);
        d.setUserName(s.user);
        d.setDatabaseName(s.database);
        ok = d.open();
        if (ok) {
            QSqlQuery q(d);
            ok = q.exec(sql);
            if (!ok && error)
                *error = q.lastError().text();
        } else if (error) {
            *error = QStringLiteral("no PostgreSQL server for the tests (%1:%2): %3")
                         .arg(s.host).arg(s.port).arg(d.lastError().text());
        }
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

void dropCreatedDatabases()
{
    dmData().close();
    for (const QString &db : std::as_const(createdDatabases()))
        adminExec(QStringLiteral("drop database if exists %1").arg(db), nullptr);
}

} // namespace

Backend backend()
{
    return env("MARLO_TEST_BACKEND", "sqlite") == QLatin1String("postgres") ? Backend::PostgreSQL : Backend::SQLite;
}

QString backendName() { return backend() == Backend::PostgreSQL ? QStringLiteral("postgres") : QStringLiteral("sqlite"); }

ServerSettings serverFor(const QString &database)
{
    ServerSettings s;
    s.driver = QStringLiteral("QPSQL");
    s.host = env("MARLO_PG_HOST", "127.0.0.1");
    s.port = env("MARLO_PG_PORT", "5432").toInt();
    s.user = env("MARLO_PG_USER", "postgres");
    s.database = database;
    return s;
}

TempHome::TempHome()
{
    ProgramFolder::setPath(m_dir.path());
    Settings::reopen();
    PubUnit::resetGlobals();
}

TempHome::~TempHome()
{
    dmData().close();
    Settings::reopen();
}

QString createServerDatabase(QString *error)
{
    const QString name = QStringLiteral("marlo_test_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    if (!adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(name), error))
        return {};
    if (createdDatabases().isEmpty())
        qAddPostRoutine(dropCreatedDatabases);
    createdDatabases() << name;
    return name;
}

bool openFreshDatabase(QString *error)
{
    if (backend() == Backend::SQLite)
        return dmData().openFile(ProgramFolder::dataFolder() + QStringLiteral("mlHalvo.db"), true, error);
    const QString name = createServerDatabase(error);
    return !name.isEmpty() && dmData().openServer(serverFor(name), error);
}

MessageRecorder::MessageRecorder()
{
    setMessageHandler([this](const QString &text, int kind) {
        shown.append({text, kind});
        if (kind != MessQuestion)
            return 0;
        return answers.isEmpty() ? int(MessYes) : answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { setMessageHandler({}); }

QStringList MessageRecorder::texts() const
{
    QStringList t;
    for (const auto &m : shown)
        t << m.first;
    return t;
}

} // namespace TestSupport
