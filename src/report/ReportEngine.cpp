#include "report/ReportEngine.h"

#include "report/Fr3Reader.h"
#include "report/Fr3Writer.h"
#include "report/ReportMemo.h"

#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"

#include <QFileInfo>

ReportEngine &ReportEngine::shared()
{
    static ReportEngine engine;
    return engine;
}

QString ReportEngine::templateFile(const QString &reportName)
{
    return ProgramFolder::reportFolder() + QLatin1Char('/') + reportName + QStringLiteral(".fr3");
}

QString ReportEngine::damagedMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("报表模板文件“%1”已损坏或不是报表模板，无法打开（%2）。").arg(fileName, reason);
}

void ReportEngine::clear()
{
    m_report = std::make_shared<ReportTemplate>();
    m_prepared.reset();
}

bool ReportEngine::loadFromFile(const QString &fileName)
{
    clear();
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return true;
    QString error;
    if (!Fr3Reader::readFile(fileName, *m_report, &error)) {
        m_report->clear();
        ErrorLog::write(QStringLiteral("report template"), fileName + QStringLiteral(": ") + error);
        ShowMess(damagedMessage(fileName, error), MessError);
        return false;
    }
    return true;
}

bool ReportEngine::loadFromData(const QByteArray &data, const QString &nameForMessages)
{
    clear();
    QString error;
    if (!Fr3Reader::readData(data, *m_report, &error)) {
        m_report->clear();
        ShowMess(damagedMessage(nameForMessages, error), MessError);
        return false;
    }
    return true;
}

bool ReportEngine::saveToFile(const QString &fileName)
{
    const QString target = fileName.isEmpty() ? m_report->fileName : fileName;
    if (target.isEmpty())
        return false;
    QString error;
    if (!Fr3Writer::writeFile(*m_report, target, &error)) {
        ShowMess(QStringLiteral("报表模板文件“%1”保存失败：%2").arg(target, error), MessError);
        return false;
    }
    m_report->fileName = target;
    return true;
}

void ReportEngine::bindDataset(std::shared_ptr<ReportDataSource> source, const QString &component, const QString &name)
{
    if (!source)
        return;
    const QString n = name.isEmpty() ? source->name() : name;
    unbindDataset(n);
    m_datasets.push_back({n, component, std::move(source)});
}

void ReportEngine::unbindDataset(const QString &name)
{
    for (size_t i = 0; i < m_datasets.size(); ++i)
        if (m_datasets[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            m_datasets.erase(m_datasets.begin() + long(i));
            return;
        }
}

void ReportEngine::clearDatasets()
{
    m_datasets.clear();
}

std::shared_ptr<ReportDataSource> ReportEngine::dataset(const QString &name) const
{
    for (const auto &b : m_datasets)
        if (b.name.compare(name, Qt::CaseInsensitive) == 0 || (!b.component.isEmpty() && b.component.compare(name, Qt::CaseInsensitive) == 0))
            return b.source;
    return nullptr;
}

QStringList ReportEngine::datasetNames() const
{
    QStringList out;
    for (const auto &b : m_datasets)
        out << b.name;
    return out;
}

bool ReportEngine::setBandDataset(const QString &bandName, const QString &datasetName, int rowCount)
{
    ReportBand *b = findBand(bandName);
    if (!b)
        return false;
    b->dataSetName = datasetName;
    b->dataSet.clear();
    if (!datasetName.isEmpty())
        for (const auto &d : m_datasets)
            if (d.name.compare(datasetName, Qt::CaseInsensitive) == 0)
                b->dataSet = d.component;
    b->rowCount = rowCount;
    return true;
}

bool ReportEngine::setMemoText(const QString &memoName, const QString &text)
{
    ReportObject *o = findObject(memoName);
    if (!o || o->kind() != ReportObject::Kind::Memo)
        return false;
    static_cast<ReportMemo *>(o)->text = text;
    return true;
}

std::shared_ptr<PreparedReport> ReportEngine::prepare(const Progress &progress)
{
    m_prepared.reset();
    // The prepared pages keep a snapshot, so editing the template later cannot
    // change (or invalidate) what a preview shows.
    auto snapshot = std::make_shared<const ReportTemplate>(*m_report);
    ReportBuilder builder(snapshot, m_datasets, m_callback);
    m_prepared = builder.build(progress);
    return m_prepared;
}
