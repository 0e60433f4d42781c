#include "main/ListReports.h"

#include "main/DispatchService.h"
#include "main/RecordList.h"
#include "report/ReportEngine.h"
#include "report/ReportFieldTable.h"
#include "report/SqlReportDataSource.h"
#include "report/ui/PreviewReport.h"
#include "widgets/SqlListModel.h"

namespace ListReports {

void preview(const QString &reportName, Rows rows, RecordList &records, QWidget *parent)
{
    SqlListModel *list = records.QryMain;
    if (!list->isOpen() || list->isEmpty())
        return;  // nothing to print, no message
    std::shared_ptr<ReportDataSource> recipients;
    if (rows == Rows::Current) {
        recipients = DispatchService::recipientSource(list->currentKey());
    } else {
        // The listed records: the list's statement with its dispatch-state filter.
        QString sql = QStringLiteral("select * from (") + list->statement() + QStringLiteral(") listed");
        QVariantList values = list->statementValues();
        const auto filter = list->filter();
        for (int i = 0; i < filter.size(); ++i) {
            sql += (i == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ")) + filter.at(i).first + QStringLiteral(" = ?");
            values << filter.at(i).second;
        }
        recipients = SqlReportDataSource::create(ReportDatasetNames::Recipient, sql, values, ReportFieldTable::recipient());
    }
    ReportEngine &engine = ReportEngine::shared();
    engine.loadFromFile(ReportEngine::templateFile(reportName));
    engine.bindDataset(recipients, QStringLiteral("frxMain"));
    engine.bindDataset(DispatchService::senderSource(), QStringLiteral("frxDBDataset1"));
    engine.setValueCallback({});
    ShowReportPreview(engine, parent);
}

} // namespace ListReports
