#pragma once

#include <QDate>
#include <QString>

// Record numbers: a head followed by a zero-padded counter of a fixed width.
namespace RecordCode {

// The number after `highest` (the highest stored number of the period, may be
// empty): the head of `highest` is kept and its last `width` characters counted on;
// without one the head is prefix + yyyymm of `today` and the counter starts at 1.
// A counter of all nines wraps to all zeros. `ok` is false when the counter part
// is not a number.
QString next(const QString &highest, const QString &prefix, int width, const QDate &today, bool *ok = nullptr);

} // namespace RecordCode
