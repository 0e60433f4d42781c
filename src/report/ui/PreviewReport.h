#pragma once

// Entry points of the report windows for the forms:
//
//   PreviewReport("frKDFHdetailTJ", dataset)   load Qr/<name>.fr3 into the shared
//                                               report, bind the dataset as "frxDM",
//                                               prepare and preview
//   ShowReportPreview(engine)                   prepare any engine (waybills: bind
//                                               "收件信息"/"快递图片"/"寄件信息",
//                                               set band "MDmain", value callback) and preview
//   PrintGrid(table, title, fit, right, left)   the grid printer's preview over a TableSource
//   ExportGridToExcel(table, sheet, show)       .xlsx export with save dialog and progress
//
// Preparing and exporting long lists show a progress bar with a cancel button.

#include "report/PreparedReport.h"
#include "report/ReportDataSource.h"
#include "report/ReportEngine.h"
#include "report/TableSource.h"

#include <QPageLayout>

#include <functional>
#include <memory>

class QWidget;

namespace ReportUi {

// Tests replace the modal window: the handler receives the prepared pages instead.
using PreviewHandler = std::function<void(std::shared_ptr<PreparedReport>)>;
PreviewHandler setPreviewHandler(PreviewHandler handler);  // returns the previous one

// Shows prepared pages in the modal, maximised preview window.
void showPrepared(std::shared_ptr<PreparedReport> report, QWidget *parent = nullptr,
                  std::function<std::shared_ptr<PreparedReport>(const QPageLayout &)> reprepare = {});

} // namespace ReportUi

// Nothing when the dataset has no rows. A missing template previews an empty report.
void PreviewReport(const QString &reportName, std::shared_ptr<ReportDataSource> dataset, QWidget *parent = nullptr);

// Prepares the engine's report afresh (with a progress bar when it takes long) and
// previews it; page setup there changes the template's paper and prepares again.
// False when the operator stopped the preparation.
bool ShowReportPreview(ReportEngine &engine, QWidget *parent = nullptr);

// The grid printer (title lines, left header, "date" footer, fit modes 0 and 1) in the preview.
void PrintGrid(TableSource &table, const QString &title, int fitMode, const QString &rightFooter,
               const QString &leftHeader, QWidget *parent = nullptr);

// The grid's rows into a new workbook named after the sheet; opens it when show.
bool ExportGridToExcel(TableSource &table, const QString &sheetName, bool show, QWidget *parent = nullptr);
