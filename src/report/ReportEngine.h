#pragma once

#include "report/PreparedReport.h"
#include "report/ReportBuilder.h"
#include "report/ReportDataSource.h"
#include "report/ReportTemplate.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

// A report: one template, the datasets it reads, the program's value callback, and
// the last prepared result. ReportEngine::shared() is the program's shared report
// object that previews, list reports and waybills load their templates into.
//
//   ReportEngine &r = ReportEngine::shared();
//   r.loadFromFile(ProgramFolder::reportFolder() + "/kdSF.fr3");
//   r.bindDataset(SqlReportDataSource::create("收件信息", sql, values, ReportFieldTable::recipient()), "frxMain");
//   r.setBandDataset("MDmain", QString(), 1);
//   r.setValueCallback([&](const QString &name, QVariant &v) { if (name == "fYF") { v = 12.5; return true; } return false; });
//   auto pages = r.prepare();
//   ReportExport::toPdf(*pages, "/tmp/out.pdf");
class ReportEngine
{
public:
    // Answers a variable: true with the value set, false to leave the name to the
    // template's stored value. Names arrive with the case the template writes them in.
    using ValueCallback = std::function<bool(const QString &name, QVariant &value)>;
    // Called while preparing; false stops it.
    using Progress = std::function<bool(int done, int total)>;

    ReportEngine() = default;
    static ReportEngine &shared();

    // Empties the report and loads a template. A missing file is no error: the
    // report stays empty without a file name (true). A file that is not a report
    // template shows one message naming it; the report stays empty (false).
    bool loadFromFile(const QString &fileName);
    bool loadFromData(const QByteArray &data, const QString &nameForMessages = QString());
    // Writes the template to fileName, or to the file it came from.
    bool saveToFile(const QString &fileName = QString());
    void clear();  // empty report, no file name; datasets and callback stay

    ReportTemplate &report() { return *m_report; }
    const ReportTemplate &report() const { return *m_report; }
    QString fileName() const { return m_report->fileName; }

    // Binds a dataset under its name (or `name`); `component` is an optional second
    // name (the dataset component, e.g. frxMain) that bands may use. Replaces a
    // binding of the same name.
    void bindDataset(std::shared_ptr<ReportDataSource> source, const QString &component = QString(),
                     const QString &name = QString());
    void unbindDataset(const QString &name);
    void clearDatasets();
    std::shared_ptr<ReportDataSource> dataset(const QString &name) const;
    QStringList datasetNames() const;

    void setValueCallback(ValueCallback cb) { m_callback = std::move(cb); }
    const ValueCallback &valueCallback() const { return m_callback; }

    ReportBand *findBand(const QString &name) const { return m_report->findBand(name); }
    ReportObject *findObject(const QString &name) const { return m_report->findObject(name); }
    // Sets a data band's dataset (empty: none) and row count; false when there is no such band.
    bool setBandDataset(const QString &bandName, const QString &datasetName, int rowCount);
    // Sets the text of a memo; false when there is no such memo.
    bool setMemoText(const QString &memoName, const QString &text);

    // Prepares afresh (the previous result is dropped). Null when stopped.
    std::shared_ptr<PreparedReport> prepare(const Progress &progress = {});
    std::shared_ptr<PreparedReport> prepared() const { return m_prepared; }

    // The template file of a report name: <program folder>/Qr/<name>.fr3.
    static QString templateFile(const QString &reportName);
    // The message shown for a damaged template.
    static QString damagedMessage(const QString &fileName, const QString &reason);

private:
    std::shared_ptr<ReportTemplate> m_report = std::make_shared<ReportTemplate>();
    std::vector<ReportBuilder::Binding> m_datasets;
    ValueCallback m_callback;
    std::shared_ptr<PreparedReport> m_prepared;
};
