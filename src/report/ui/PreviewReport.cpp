#include "report/ui/PreviewReport.h"

#include "report/ui/TfrmReportPreview.h"

#include "report/GridPrinter.h"
#include "report/ReportFieldTable.h"
#include "report/XlsxExport.h"

#include "core/ProgramFolder.h"

#include <QApplication>
#include <QScreen>
#include <QPageLayout>
#include <QProgressDialog>

namespace {

ReportUi::PreviewHandler &handler()
{
    static ReportUi::PreviewHandler h;
    return h;
}

// A progress bar that appears only when the work takes a while; the work calls
// step() and stops when it returns false.
class Progress
{
public:
    Progress(const QString &label, QWidget *parent)
    {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return;
        m_dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("取消"), 0, 100, parent);
        m_dialog->setWindowTitle(QStringLiteral("请稍候"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(400);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
    }

    bool step(int done, int total)
    {
        if (!m_dialog)
            return true;
        if (m_dialog->maximum() != total)
            m_dialog->setMaximum(std::max(1, total));
        m_dialog->setValue(std::min(done, std::max(1, total)));
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    }

    std::function<bool(int, int)> callback()
    {
        return [this](int d, int t) { return step(d, t); };
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

std::shared_ptr<PreparedReport> prepareWithProgress(ReportEngine &engine, QWidget *parent)
{
    Progress progress(QStringLiteral("正在准备报表..."), parent);
    return engine.prepare(progress.callback());
}

} // namespace

namespace ReportUi {

PreviewHandler setPreviewHandler(PreviewHandler h)
{
    PreviewHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

void showPrepared(std::shared_ptr<PreparedReport> report, QWidget *parent,
                  std::function<std::shared_ptr<PreparedReport>(const QPageLayout &)> reprepare)
{
    if (!report)
        return;
    if (handler()) {
        handler()(report);
        return;
    }
    TfrmReportPreview preview(report, parent ? parent : QApplication::activeWindow());
    preview.setReprepare(std::move(reprepare));
    // The whole screen; also where no window manager maximizes windows.
    if (const QScreen *screen = preview.screen())
        preview.setGeometry(screen->availableGeometry());
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
}

} // namespace ReportUi

bool ShowReportPreview(ReportEngine &engine, QWidget *parent)
{
    auto prepared = prepareWithProgress(engine, parent);
    if (!prepared)
        return false;
    ReportUi::showPrepared(prepared, parent, [&engine, parent](const QPageLayout &layout) {
        const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
        const QMarginsF m = layout.margins(QPageLayout::Millimeter);
        const bool landscape = layout.orientation() == QPageLayout::Landscape;
        for (auto &page : engine.report().pages) {
            page->landscape = landscape;
            page->paperWidth = landscape ? size.height() : size.width();
            page->paperHeight = landscape ? size.width() : size.height();
            page->paperSize = 256;
            page->leftMargin = m.left();
            page->topMargin = m.top();
            page->rightMargin = m.right();
            page->bottomMargin = m.bottom();
        }
        return prepareWithProgress(engine, parent);
    });
    return true;
}

void PreviewReport(const QString &reportName, std::shared_ptr<ReportDataSource> dataset, QWidget *parent)
{
    if (!dataset || dataset->rowCount() == 0)
        return;
    ReportEngine &engine = ReportEngine::shared();
    engine.loadFromFile(ReportEngine::templateFile(reportName));
    engine.bindDataset(dataset, dataset->name(), ReportDatasetNames::DataModule);
    ShowReportPreview(engine, parent);
}

void PrintGrid(TableSource &table, const QString &title, int fitMode, const QString &rightFooter,
               const QString &leftHeader, QWidget *parent)
{
    GridPrintOptions o;
    o.title = title;
    o.fitMode = fitMode;
    o.rightFooter = rightFooter;
    o.leftHeader = leftHeader;
    Progress progress(QStringLiteral("正在准备打印..."), parent);
    ReportUi::showPrepared(GridPrinter::prepare(table, o, progress.callback()), parent);
}

bool ExportGridToExcel(TableSource &table, const QString &sheetName, bool show, QWidget *parent)
{
    Progress progress(QStringLiteral("正在导出到Excel..."), parent);
    return XlsxExport::exportTable(table, sheetName, show, progress.callback());
}
