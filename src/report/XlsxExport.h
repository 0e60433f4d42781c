#pragma once

#include "report/TableSource.h"

#include <QString>

#include <functional>

// Writes a table as an .xlsx workbook with libxlsxwriter in constant-memory mode
// (rows stream to disk; memory stays flat for long lists). Row 1 holds the titles
// of every column, hidden ones too. A column without display format is stored as
// text (telephone numbers keep their leading zeros); one with a format is stored as
// numbers or dates with the matching Excel number format. Empty dates (before
// 1901-08-14, i.e. the stored 1900-08-14) and columns naming a missing field stay
// blank.
namespace XlsxExport {

using Progress = std::function<bool(int done, int total)>;

bool write(TableSource &table, const QString &fileName, const QString &sheetName, const Progress &progress = {},
           QString *error = nullptr);

// Excel's number format for a Delphi-style display format ("#,##0.00",
// "yyyy-mm-dd hh:nn:ss", "yyyy年mm月dd日" ...).
QString excelFormat(const QString &displayFormat);

// The export command: asks for the file through UiHooks::saveFile, proposing the
// sheet name as file name, writes it, and opens it with the desktop's spreadsheet
// program when `show`. False when cancelled or failed (after a message).
bool exportTable(TableSource &table, const QString &sheetName, bool show, const Progress &progress = {});

} // namespace XlsxExport
