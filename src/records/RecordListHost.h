#pragma once

#include <QString>
#include <QVariant>

// What the record forms need of the main window's record list: its current
// record, moving through it, reopening it on a saved record, and the status line.
// The main window implements it; tests use a small fake.
class RecordListHost
{
public:
    enum class Move { First, Prior, Next, Last };

    virtual ~RecordListHost() = default;

    // F_ID of the current record; 0 when the list is empty.
    virtual int currentRecordId() const = 0;
    virtual int recordCount() const = 0;
    // Moves the current record; false when it could not move (at an end, empty list).
    virtual bool moveCurrent(Move move) = 0;
    virtual bool atFirst() const = 0;
    virtual bool atLast() const = 0;
    // Rebuilds the list with its filters and makes the record with this F_ID current
    // (when it is listed).
    virtual void reopenOn(int recordId) = 0;
    // Status bar panel 2 of the main window.
    virtual void showStatus(const QString &text) = 0;
};
