#pragma once

#include "core/SqlDialect.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <vector>

// The one definition of every table, column and index. Names are created
// unquoted, so statements may spell them in any letter case on both backends.
struct ColumnDef
{
    QString name;
    ColumnType type;
    int width = 0;  // Text columns
};

struct TableDef
{
    QString name;
    std::vector<ColumnDef> columns;

    const ColumnDef *column(const QString &name) const;  // without regard to case
};

namespace Schema {

constexpr int Version = 2;

const std::vector<TableDef> &tables();
const TableDef *table(const QString &name);  // without regard to case

// t_client's columns from F_code to F_type: the record itself, also tempCLT's layout.
const std::vector<ColumnDef> &recordColumns();

QStringList createStatements(const SqlDialect &dialect);

// Creates every table, index and (withSeed) seed row in one transaction on an
// empty database.
bool create(QSqlDatabase db, const SqlDialect &dialect, QString *error, bool withSeed = true);

// True when db holds the tables of this program (used before trusting a file).
bool isProgramDatabase(QSqlDatabase db);
int storedVersion(QSqlDatabase db);  // 0 when there is no schema_version row
// Brings a database of an older version to this one (indexes added since); true
// when nothing was to do or all of it was done.
bool upgrade(QSqlDatabase db, QString *error);

} // namespace Schema
