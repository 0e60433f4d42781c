#include "core/Schema.h"

#include "core/Seed.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

using T = ColumnType;

ColumnDef text(const char *name, int width) { return {QString::fromLatin1(name), T::Text, width}; }
ColumnDef col(const char *name, T type) { return {QString::fromLatin1(name), type, 0}; }

std::vector<ColumnDef> makeRecordColumns()
{
    std::vector<ColumnDef> c = {
        text("F_code", 50),     text("F_name", 255),    text("F_LXRemp", 50),  text("F_sheng", 50),
        text("F_city", 255),    text("F_area", 50),     text("F_address", 255), text("F_MDaddress", 255),
        text("F_postcode", 50), text("F_GDphone", 50),  text("F_SJphone", 50), text("F_empName", 50),
        col("F_date", T::DateTime), col("F_memo1", T::Memo), col("F_useFlag", T::Bool),
    };
    for (const char *n : {"F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4", "F_ZF5"})
        c.push_back(text(n, 50));
    for (const char *n : {"F_SZ1", "F_SZ2", "F_SZ3"})
        c.push_back(col(n, T::Double));
    for (const char *n : {"F_RQ1", "F_RQ2", "F_RQ3"})
        c.push_back(col(n, T::DateTime));
    const std::vector<ColumnDef> dispatch = {
        text("F_HPname", 50), col("F_SL", T::Double),  col("F_ZL", T::Double),       col("F_YF", T::Double),
        col("F_BJF", T::Double), col("F_FYtotal", T::Double), text("F_FJemp", 50), col("F_FHdate", T::DateTime),
        text("F_KDtype", 255), text("F_KDcode", 50), text("F_type", 50),
    };
    c.insert(c.end(), dispatch.begin(), dispatch.end());
    return c;
}

std::vector<TableDef> makeTables()
{
    std::vector<TableDef> t;

    TableDef client{QStringLiteral("t_client"), {col("F_ID", T::AutoNumber), col("F_mainID", T::Long)}};
    for (const ColumnDef &c : Schema::recordColumns())
        client.columns.push_back(c);
    t.push_back(client);

    TableDef temp{QStringLiteral("tempCLT"), {}};
    for (const ColumnDef &c : Schema::recordColumns())
        temp.columns.push_back(c);
    t.push_back(temp);

    t.push_back({QStringLiteral("sysInfo"),
                 {col("F_ID", T::AutoNumber), col("F_mainID", T::Long), text("F_code", 50), text("F_name", 255),
                  text("F_LXRemp", 50), text("F_sheng", 50), text("F_city", 255), text("F_area", 50),
                  text("F_address", 255), text("F_postcode", 50), text("F_GDphone", 50), text("F_SJphone", 50),
                  text("F_MDaddress", 255), col("F_memo1", T::Memo), text("F_bakPath", 255), text("F_HPname", 50),
                  col("F_SL", T::Double), col("F_ZL", T::Double), col("F_YF", T::Double), col("F_BJF", T::Double),
                  col("F_FYtotal", T::Double), text("F_FJemp", 50), text("F_FHdate", 50)}});

    t.push_back({QStringLiteral("t_KDimage"),
                 {col("F_ID", T::AutoNumber), text("F_name", 255), col("F_btnImage", T::Blob), text("F_imagePath", 255),
                  col("F_useFlag", T::Bool), text("F_BBfileName", 255), text("F_KDweb", 255)}});

    t.push_back({QStringLiteral("t_code"), {col("F_ID", T::AutoNumber), text("F_name", 255), text("F_type", 50)}});

    t.push_back({QStringLiteral("OperList"),
                 {col("F_ID", T::AutoNumber), text("F_Name", 50), text("F_PassWord", 255), col("F_Mem", T::Memo),
                  col("F_Flag", T::Bool), col("F_xtFlag", T::Bool), col("F_empFlag", T::Long), text("F_empName", 255)}});

    t.push_back({QStringLiteral("Limits"),
                 {col("F_ID", T::AutoNumber), text("F_code", 10), text("F_name", 50), col("F_flag", T::Bool)}});

    t.push_back({QStringLiteral("OperLimit"),
                 {col("F_ID", T::AutoNumber), text("F_OperName", 50), text("F_lmtName", 50)}});

    t.push_back({QStringLiteral("LogRec"),
                 {col("F_ID", T::AutoNumber), text("F_EmpName", 50), text("F_OperType", 255), text("F_OperDate", 10),
                  text("F_OperTime", 8)}});

    t.push_back({QStringLiteral("KeyValue"), {col("F_ID", T::AutoNumber), text("F_Value", 255)}});

    t.push_back({QStringLiteral("cfg_Grid"),
                 {col("F_ID", T::AutoNumber), text("F_name", 50), text("F_FieldName", 50), text("F_Caption", 100),
                  col("F_Width", T::Long), col("F_Visible", T::Bool), col("F_ReadOnly", T::Bool),
                  text("F_DisplayFormat", 100), text("F_FooterValue", 255), col("F_FooterType", T::Long),
                  col("F_Alignment", T::Long), col("F_Order", T::Long)}});

    t.push_back({QStringLiteral("cfg_import"),
                 {col("F_ID", T::AutoNumber), text("F_tablename", 50), col("F_iFlag", T::Long), text("S_Field", 50),
                  text("F_FieldName", 50), text("F_field", 100)}});

    t.push_back({QStringLiteral("t_treecode"),
                 {col("F_ID", T::AutoNumber), text("F_code", 50), text("F_name", 255), text("F_parent", 50)}});

    t.push_back({QStringLiteral("schema_version"), {col("version", T::Long)}});
    return t;
}

struct IndexDef
{
    const char *name;
    const char *table;
    const char *columns;
};

// Indexes of older versions that newer ones serve.
constexpr const char *kRetiredIndexes[] = {"ix_client_date"};

constexpr IndexDef kIndexes[] = {
    {"ix_client_code", "t_client", "F_code"},
    {"ix_client_date_flag", "t_client", "F_date, F_useFlag"},  // dates counted by dispatch state from the index
    {"ix_client_fhdate", "t_client", "F_FHdate"},
    {"ix_client_region", "t_client", "F_sheng, F_city"},
    {"ix_client_useflag", "t_client", "F_useFlag"},
    {"ix_client_flag_code", "t_client", "F_useFlag, F_code"},  // the record list by dispatch state, in windows
    {"ix_client_kdtype", "t_client", "F_KDtype"},
    {"ix_client_emp", "t_client", "F_empName"},
    {"ix_code_type", "t_code", "F_type"},
    {"ix_grid_name", "cfg_Grid", "F_name"},
    {"ix_operlimit_oper", "OperLimit", "F_OperName"},
};

} // namespace

const ColumnDef *TableDef::column(const QString &n) const
{
    for (const ColumnDef &c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

namespace {

QStringList indexStatements(bool ifMissing)
{
    QStringList out;
    for (const IndexDef &i : kIndexes)
        out << QStringLiteral("create index %1%2 on %3 (%4)")
                   .arg(ifMissing ? QStringLiteral("if not exists ") : QString(), QLatin1String(i.name),
                        QLatin1String(i.table), QLatin1String(i.columns));
    return out;
}

// Runs the statements, records this version and, when asked, the seed rows:
// all of it in one transaction.
bool writeVersion(QSqlDatabase db, const QStringList &statements, bool withSeed, QString *error)
{
    auto fail = [&](const QString &what) {
        if (error)
            *error = what;
        db.rollback();
        return false;
    };
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    for (const QString &s : statements)
        if (!q.exec(s))
            return fail(s + QStringLiteral(": ") + q.lastError().text());
    q.prepare(QStringLiteral("insert into schema_version (version) values (?)"));
    q.addBindValue(Schema::Version);
    if (!q.exec())
        return fail(q.lastError().text());
    QString seedError;
    if (withSeed && !Seed::insertAll(db, &seedError))
        return fail(seedError);
    if (!db.commit())
        return fail(db.lastError().text());
    return true;
}

} // namespace

namespace Schema {

const std::vector<ColumnDef> &recordColumns()
{
    static const std::vector<ColumnDef> c = makeRecordColumns();
    return c;
}

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> t = makeTables();
    return t;
}

const TableDef *table(const QString &name)
{
    for (const TableDef &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList createStatements(const SqlDialect &dialect)
{
    QStringList out;
    for (const TableDef &t : tables()) {
        QStringList cols;
        for (const ColumnDef &c : t.columns)
            cols << c.name + QLatin1Char(' ') + dialect.columnType(c.type, c.width);
        out << QStringLiteral("create table %1 (%2)").arg(t.name, cols.join(QStringLiteral(", ")));
    }
    out << indexStatements(false);
    out << dialect.uniqueIgnoreCaseIndex(QStringLiteral("ux_operlist_name"), QStringLiteral("OperList"), QStringLiteral("F_Name"));
    out << dialect.uniqueIgnoreCaseIndex(QStringLiteral("ux_kdimage_name"), QStringLiteral("t_KDimage"), QStringLiteral("F_name"));
    out << QStringLiteral("create unique index ux_limits_name on Limits (F_name)");
    return out;
}

bool create(QSqlDatabase db, const SqlDialect &dialect, QString *error, bool withSeed)
{
    return writeVersion(db, createStatements(dialect), withSeed, error);
}

bool isProgramDatabase(QSqlDatabase db)
{
    QSqlQuery q(db);
    for (const char *t : {"sysInfo", "t_client", "OperList", "KeyValue", "t_KDimage"})
        if (!q.exec(QStringLiteral("select count(*) from %1").arg(QLatin1String(t))))
            return false;
    return true;
}

int storedVersion(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("select max(version) from schema_version")) && q.next())
        return q.value(0).toInt();
    return 0;
}

bool upgrade(QSqlDatabase db, QString *error)
{
    if (storedVersion(db) >= Version)
        return true;
    QStringList statements;
    for (const char *name : kRetiredIndexes)
        statements << QStringLiteral("drop index if exists %1").arg(QLatin1String(name));
    statements << indexStatements(true);
    return writeVersion(db, statements, false, error);
}

} // namespace Schema
