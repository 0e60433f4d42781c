#pragma once

#include "report/PreparedReport.h"
#include "report/ReportDataSource.h"
#include "report/ReportExpression.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class ReportMemo;

// Lays out the bands of a template over its datasets into a PreparedReport.
//
// Per page of the template: report title, page header (every page), then each
// master-data band with the header before it and the footer after it, then the
// summary; the page footer sits at the bottom of every page. A master band with a
// dataset prints once per row of it (row count ignored); without one it prints
// row-count times, reading each dataset at its current row. A band that no longer
// fits starts a new page. SUM/COUNT/AVG/MIN/MAX add up the master band's rows as
// they print (page-footer totals per page).
class ReportBuilder : public ExprEnvironment
{
public:
    struct Binding
    {
        QString name;       // name in templates
        QString component;  // the dataset component's name, e.g. frxMain (may be empty)
        std::shared_ptr<ReportDataSource> source;
    };
    using ValueCallback = std::function<bool(const QString &name, QVariant &value)>;
    using Progress = std::function<bool(int done, int total)>;

    ReportBuilder(std::shared_ptr<const ReportTemplate> report, std::vector<Binding> datasets, ValueCallback callback);

    // Null when the progress callback asked to stop.
    std::shared_ptr<PreparedReport> build(const Progress &progress = {});

    // ExprEnvironment
    bool resolveField(const QString &dataset, const QString &field, int &datasetIndex, int &fieldIndex) override;
    int addAggregate(ExprNode *node) override;
    QVariant fieldValue(int dataset, int field) override;
    QVariant variable(const QString &name) override;
    QVariant builtin(ReportBuiltin which) override;
    QVariant aggregateValue(int index) override;

private:
    struct Compiled
    {
        CompiledText text;
        int imageDataset = -1, imageField = -1;  // pictures bound to a field
    };
    struct Aggregate
    {
        ExprNode *node = nullptr;
        const ReportBand *target = nullptr;  // the master band it adds up
        const ReportBand *owner = nullptr;   // the band it prints in
        double sum = 0, min = 0, max = 0;
        int count = 0;
        void reset() { sum = min = max = 0; count = 0; }
    };
    struct Group
    {
        const ReportBand *header = nullptr, *master = nullptr, *footer = nullptr;
    };

    int datasetIndex(const QString &name) const;
    void compilePage(const ReportPage &page);
    bool runPage(const ReportPage &page, const Progress &progress);
    void newPage(const ReportPage &page);
    void endPage(const ReportPage &page);
    // Places a band at the current height; columnX shifts it right (band columns), and
    // advance=false keeps the height for the next column.
    void placeBand(const ReportBand &band, bool mayBreak = true, double columnX = 0, bool advance = true);
    void emitBand(const ReportBand &band, std::vector<PreparedItem> &items, double &height);
    QString memoText(const ReportMemo &memo);
    const QFontMetricsF &metricsFor(const ReportMemo &memo);
    void accumulate(const ReportBand &master);

    std::shared_ptr<const ReportTemplate> m_report;
    std::vector<Binding> m_datasets;
    std::vector<int> m_rows;  // current row per dataset
    ValueCallback m_callback;

    std::unordered_map<const ReportObject *, Compiled> m_compiled;
    std::unordered_map<const ReportMemo *, QFontMetricsF> m_metrics;
    std::vector<Aggregate> m_aggregates;
    const ReportBand *m_compilingBand = nullptr;
    const ReportPage *m_compilingPage = nullptr;
    QHash<QString, std::shared_ptr<ExprNode>> m_storedValues;
    int m_variableDepth = 0;
    bool m_needsTotalPages = false;

    std::shared_ptr<PreparedReport> m_out;
    PreparedPage *m_page = nullptr;
    const ReportBand *m_pageHeader = nullptr, *m_pageFooter = nullptr;
    const Group *m_group = nullptr;  // the group whose rows are printing
    bool m_inRows = false;
    bool m_pageHasBody = false;
    double m_y = 0, m_bottom = 0;  // mm
    double m_rowHeight = 0;        // tallest band of the current column row
    int m_pageNo = 0, m_totalPages = 0, m_line = 0;
};
