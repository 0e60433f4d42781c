#pragma once

#include "core/SqlStatement.h"
#include "records/RecordValues.h"

#include <QDate>
#include <QPair>
#include <QVariant>

// Reading and writing recipient records for the record editor.
namespace RecordStore {

// The highest record code of today's month: codes "Y" + yyyymm + counter.
SqlStatement monthCodeStatement(const QDate &today = QDate::currentDate());
// A new record code: 4 digits when a record is started, 3 where one is replaced
// or drawn for a copy. Empty after a message when it cannot be drawn.
QString drawCode(int width);

// The saved columns and their values, trimmed where the record keeps them trimmed
// (everything but the custom texts); an unset custom date is the empty date.
QList<QPair<QString, QVariant>> savedColumns(const RecordValues &v);
SqlStatement insertStatement(const RecordValues &v);
SqlStatement updateStatement(const RecordValues &v, int recordId);

// F_ID of a record other than `self` that holds the code; 0 when none.
SqlStatement codeOwnerStatement(const QString &code, int self);
// Whether a code must be replaced on saving: it is not empty and another record holds it.
bool mustReplaceCode(const QString &code, int otherOwner);

// A custom date as stored: no date when its text sorts below 1901-08-14.
QDate customDate(const QVariant &stored);

// The record with this F_ID; false when it cannot be read.
bool readRecord(int recordId, RecordValues &out);

struct SaveResult
{
    bool ok = false;
    int recordId = 0;  // the saved record's F_ID
    QString code;      // the code it was saved with
};

// Saves a record in one statement inside a transaction: new (recordId 0) or the
// update of recordId. A code held by another record is first replaced by a fresh
// one. On failure everything is rolled back and ok is false.
SaveResult save(const RecordValues &v, int recordId);

} // namespace RecordStore
