#pragma once

#include "report/PreparedReport.h"
#include "report/TableSource.h"

#include <QDate>

#include <functional>
#include <memory>

// The grid printer: a list grid laid out on A4 pages (landscape when the columns
// are wide) with title lines, a left page-header text, the column titles on every
// page, the rows, the grid's footer row and a page footer with the page number and
// a right-hand text. Prepared pages go to the same preview and outputs as reports.
struct GridPrintOptions
{
    QString title;
    // 0: fit to the page width, rows grow to show wrapped text; 1: fit to the page
    // width by the column widths, one line per row; other values: the widths as they
    // are (shrunk only when wider than the page), one line per row.
    int fitMode = 0;
    QString rightFooter;  // "date" becomes "打印日期：" + today as yyyy年MM月dd日
    QString leftHeader;
    bool colour = true;
    QString fontName = QStringLiteral("宋体");
    double fontPoints = 9;
};

namespace GridPrinter {

using Progress = std::function<bool(int done, int total)>;

// Null when stopped through the progress callback.
std::shared_ptr<PreparedReport> prepare(TableSource &table, const GridPrintOptions &options,
                                        const Progress &progress = {});
// The right footer text: "date" gives the print date, other texts stay (trimmed).
QString footerText(const QString &selector, const QDate &today = QDate::currentDate());

} // namespace GridPrinter

// "统计日期：自 " + from + " 至 " + to, each date as yyyy年MM月dd日 when its picker
// is ticked, else "启用系统" / "记帐最后一天".
QString PeriodCaption(bool fromTicked, const QDate &from, bool toTicked, const QDate &to);
