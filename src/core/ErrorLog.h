#pragma once

#include <QString>

// Writes diagnostic lines (full driver errors) to logs/marlo-yyyyMMdd.log in the
// program folder. Never fails loudly: a log that cannot be written is skipped.
namespace ErrorLog {

void write(const QString &context, const QString &detail);
QString currentFile();

} // namespace ErrorLog
