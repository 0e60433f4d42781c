#include "core/DatabaseCopy.h"

#include "core/Dates.h"
#include "core/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QFile>
#include <QUuid>

namespace {

// A private connection to a file, removed when the object goes.
class FileConnection
{
public:
    explicit FileConnection(const QString &fileName)
        : m_name(QStringLiteral("copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        d.setDatabaseName(fileName);
        m_open = d.open();
    }
    ~FileConnection()
    {
        {
            QSqlDatabase d = QSqlDatabase::database(m_name, false);
            d.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_open = false;
};

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

namespace DatabaseCopy {

bool copyRows(QSqlDatabase source, QSqlDatabase target, const SqlDialect &targetDialect, QString *error)
{
    if (!target.transaction())
        return fail(error, target.lastError().text());
    QSqlQuery read(source);
    read.setForwardOnly(true);
    QSqlQuery write(target);
    for (const TableDef &t : Schema::tables()) {
        QStringList names;
        for (const ColumnDef &c : t.columns)
            names << c.name;
        const QString list = names.join(QStringLiteral(", "));
        if (!write.exec(QStringLiteral("delete from %1").arg(t.name))) {
            target.rollback();
            return fail(error, t.name + QStringLiteral(": ") + write.lastError().text());
        }
        if (!read.exec(QStringLiteral("select %1 from %2").arg(list, t.name))) {
            target.rollback();
            return fail(error, t.name + QStringLiteral(": ") + read.lastError().text());
        }
        const QString marks = QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "));
        if (!write.prepare(QStringLiteral("insert into %1 (%2) values (%3)").arg(t.name, list, marks))) {
            target.rollback();
            return fail(error, t.name + QStringLiteral(": ") + write.lastError().text());
        }
        while (read.next()) {
            for (int i = 0; i < int(t.columns.size()); ++i) {
                QVariant v = read.value(i);
                if (t.columns[i].type == ColumnType::DateTime && !v.isNull())
                    v = Dates::fromValue(v);
                write.bindValue(i, v);
            }
            if (!write.exec()) {
                target.rollback();
                return fail(error, t.name + QStringLiteral(": ") + write.lastError().text());
            }
        }
        if (targetDialect.isPostgres() && t.column(QStringLiteral("F_ID"))) {
            // Keys were copied as they are; the sequence continues after the highest.
            QSqlQuery seq(target);
            seq.exec(QStringLiteral("select setval(pg_get_serial_sequence('%1', 'f_id'), "
                                    "coalesce((select max(F_ID) from %1), 0) + 1, false)")
                         .arg(t.name.toLower()));
        }
    }
    if (!target.commit())
        return fail(error, target.lastError().text());
    return true;
}

bool toFile(QSqlDatabase source, const SqlDialect &sourceDialect, const QString &fileName, QString *error)
{
    QFile::remove(fileName);
    FileConnection file(fileName);
    if (!file.isOpen())
        return fail(error, QStringLiteral("cannot create %1").arg(fileName));
    const SqlDialect fileDialect(Backend::SQLite);
    if (!Schema::create(file.db(), fileDialect, error, false))
        return false;
    QSqlQuery q(source);
    const bool snapshot = sourceDialect.isPostgres() && source.transaction();
    if (snapshot)
        q.exec(QStringLiteral("set transaction isolation level repeatable read read only"));
    const bool ok = copyRows(source, file.db(), fileDialect, error);
    if (snapshot)
        source.rollback();
    return ok;
}

} // namespace DatabaseCopy
