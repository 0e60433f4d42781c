#pragma once

class QWidget;
class RecordListHost;

// The main window's record commands over its record list.
namespace RecordCommands {

// "新增": the record editor for a new record.
void newRecord(RecordListHost &host, QWidget *parent = nullptr);
// "复制": a new record preloaded from the current one; refused on an empty list.
void copyRecord(RecordListHost &host, QWidget *parent = nullptr);
// "修改" (also the grid's double-click): the current record; refused on an empty list.
void modifyRecord(RecordListHost &host, QWidget *parent = nullptr);
// "删除": asks once, deletes the current record and moves to a neighbouring one.
// Nothing happens on an empty list. True when a record was deleted.
bool deleteRecord(RecordListHost &host);

} // namespace RecordCommands
