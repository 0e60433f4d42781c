#include "report/ReportTemplate.h"

namespace {

QString categoryEntry(const QString &category)
{
    return category.startsWith(QLatin1Char(' ')) ? category : QLatin1Char(' ') + category;
}

} // namespace

ReportTemplate::ReportTemplate(const ReportTemplate &o)
{
    *this = o;
}

ReportTemplate &ReportTemplate::operator=(const ReportTemplate &o)
{
    if (this == &o)
        return *this;
    fileName = o.fileName;
    printOffsetMm = o.printOffsetMm;
    datasets = o.datasets;
    variables = o.variables;
    extra = o.extra;
    extraChildren = o.extraChildren;
    pages.clear();
    for (const auto &p : o.pages)
        pages.push_back(std::make_unique<ReportPage>(*p));
    return *this;
}

void ReportTemplate::clear()
{
    *this = ReportTemplate();
}

ReportBand *ReportTemplate::findBand(const QString &name) const
{
    for (const auto &p : pages)
        if (ReportBand *b = p->findBand(name))
            return b;
    return nullptr;
}

ReportObject *ReportTemplate::findObject(const QString &name, ReportBand **owner) const
{
    for (const auto &p : pages)
        if (ReportObject *o = p->findObject(name, owner))
            return o;
    return nullptr;
}

QString ReportTemplate::uniqueName(const QString &prefix) const
{
    for (int i = 1;; ++i) {
        const QString n = prefix + QString::number(i);
        if (!findObject(n) && !findBand(n))
            return n;
    }
}

ReportPage *ReportTemplate::addPage(std::unique_ptr<ReportPage> page)
{
    if (!page) {
        page = std::make_unique<ReportPage>();
        page->name = QStringLiteral("Page%1").arg(pages.size() + 1);
    }
    pages.push_back(std::move(page));
    return pages.back().get();
}

void ReportTemplate::addCategory(const QString &category)
{
    const QString entry = categoryEntry(category);
    for (const ReportVariable &v : variables)
        if (v.name == entry)
            return;
    variables.append({entry, QString()});
}

void ReportTemplate::addVariable(const QString &category, const QString &name, const QString &value)
{
    const int existing = variableIndex(name);
    if (existing >= 0)
        variables.removeAt(existing);
    const QString entry = categoryEntry(category);
    addCategory(category);
    int at = -1;
    for (int i = 0; i < variables.size(); ++i)
        if (variables.at(i).name == entry) {
            at = i + 1;
            while (at < variables.size() && !variables.at(at).isCategory())
                ++at;
            break;
        }
    variables.insert(at, {name, value});
}

int ReportTemplate::variableIndex(const QString &name) const
{
    for (int i = 0; i < variables.size(); ++i)
        if (!variables.at(i).isCategory() && variables.at(i).name == name)
            return i;
    return -1;
}

QString ReportTemplate::variableValue(const QString &name) const
{
    const int i = variableIndex(name);
    return i < 0 ? QString() : variables.at(i).value;
}

void ReportTemplate::setVariable(const QString &name, const QString &value)
{
    const int i = variableIndex(name);
    if (i >= 0)
        variables[i].value = value;
    else
        variables.append({name, value});
}

QStringList ReportTemplate::categories() const
{
    QStringList out;
    for (const ReportVariable &v : variables)
        if (v.isCategory())
            out << v.name.mid(1);
    return out;
}

QStringList ReportTemplate::variablesOf(const QString &category) const
{
    const QString entry = categoryEntry(category);
    QStringList out;
    bool inside = false;
    for (const ReportVariable &v : variables) {
        if (v.isCategory())
            inside = v.name == entry;
        else if (inside)
            out << v.name;
    }
    return out;
}

void ReportTemplate::addDataset(const QString &dataSet, const QString &dataSetName)
{
    for (const ReportDatasetRef &d : datasets)
        if (d.dataSetName == dataSetName)
            return;
    datasets.append({dataSet, dataSetName});
}

QStringList ReportTemplate::objectNames() const
{
    QStringList out;
    for (const auto &p : pages)
        for (const auto &b : p->bands) {
            out << b->name;
            for (const auto &o : b->objects)
                out << o->name;
        }
    return out;
}
