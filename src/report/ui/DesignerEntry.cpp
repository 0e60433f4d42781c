#include "report/ui/DesignerEntry.h"

#include "report/ui/DesignerVariables.h"
#include "report/ui/DesignerWindow.h"

#include "report/ReportEngine.h"
#include "report/ReportFieldTable.h"

#include <QDir>
#include <QFileInfo>

QString DesignerTemplateFile(const QString &reportNameOrFile)
{
    const QString n = reportNameOrFile.trimmed();
    if (n.contains(QLatin1Char('/')) || n.contains(QLatin1Char('\\')) ||
        n.endsWith(QStringLiteral(".fr3"), Qt::CaseInsensitive))
        return QDir::fromNativeSeparators(n);
    return ReportEngine::templateFile(n);
}

bool PrepareDesign(ReportEngine &engine, const QString &reportNameOrFile, const DesignRequest &request)
{
    if (!engine.loadFromFile(DesignerTemplateFile(reportNameOrFile)))
        return false;
    DesignerVariables::replace(engine.report(), request.variables.value_or(DesignerVariables::customVariables()));
    for (const DesignerDataset &d : request.datasets)
        engine.bindDataset(d.source, d.component, d.name);
    return true;
}

bool DesignReport(const QString &reportNameOrFile, const DesignRequest &request, QWidget *parent)
{
    ReportEngine &engine = ReportEngine::shared();
    if (!PrepareDesign(engine, reportNameOrFile, request))
        return false;
    DesignerWindow::Options options;
    options.scannedPicture = request.scannedPicture;
    options.waybill = request.waybill;
    options.proposedFileName = QFileInfo(DesignerTemplateFile(reportNameOrFile)).fileName();
    DesignerWindow window(engine, options, parent);
    return window.execModal();
}

bool DesignReport(const QString &reportNameOrFile, std::shared_ptr<ReportDataSource> dataset, QWidget *parent)
{
    DesignRequest r;
    if (dataset)
        r.datasets.push_back({dataset, dataset->name(), ReportDatasetNames::DataModule});
    return DesignReport(reportNameOrFile, r, parent);
}
