#pragma once

#include "core/SqlDialect.h"

#include <QSqlDatabase>
#include <QString>

// Copies every table of a database of this program, row by row, into a new
// embedded database file with the same schema. The source is read in one
// repeatable-read transaction, so the copy is a consistent picture of it.
namespace DatabaseCopy {

bool toFile(QSqlDatabase source, const SqlDialect &sourceDialect, const QString &fileName, QString *error);

// Copies the rows of every table of `source` into `target`, which must already
// have the tables (its existing rows are removed first), inside one transaction.
bool copyRows(QSqlDatabase source, QSqlDatabase target, const SqlDialect &targetDialect, QString *error);

} // namespace DatabaseCopy
