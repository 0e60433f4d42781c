#pragma once

#include <QDate>
#include <QString>

class TdmData;

// Copies of the connected database. A copy is always consistent (taken through
// the database, not by copying a file that may be in use) and never left half
// written: it is written beside the target and renamed into place.
namespace Backup {

// folder + "/dp" + yyyymmdd + ".back"
QString dailyFileName(const QString &folder, const QDate &day);

// Whether the automatic backup setting asks for a backup on this day:
// 0 never, 1 every start, 2 Mondays, 3 the first day of a month.
bool dueToday(int mode, const QDate &day);

// Asks to create a missing folder; false when it is missing and not created
// (after the question's "no" or the creation failure's message).
bool ensureFolder(const QString &folder);

// Writes a consistent copy of the connected database to `target` (an embedded
// database file of this program, whatever the backend).
bool writeCopy(TdmData &data, const QString &target, QString *error);

} // namespace Backup
