#include "report/ReportBand.h"

#include <array>

namespace {

struct KindName
{
    ReportBand::Kind kind;
    const char *element;
};

constexpr std::array<KindName, 7> kKinds{{
    {ReportBand::Kind::ReportTitle, "TfrxReportTitle"},
    {ReportBand::Kind::PageHeader, "TfrxPageHeader"},
    {ReportBand::Kind::Header, "TfrxHeader"},
    {ReportBand::Kind::MasterData, "TfrxMasterData"},
    {ReportBand::Kind::Footer, "TfrxFooter"},
    {ReportBand::Kind::PageFooter, "TfrxPageFooter"},
    {ReportBand::Kind::ReportSummary, "TfrxReportSummary"},
}};

} // namespace

ReportBand::ReportBand(const ReportBand &o)
{
    *this = o;
}

ReportBand &ReportBand::operator=(const ReportBand &o)
{
    if (this == &o)
        return *this;
    kind = o.kind;
    element = o.element;
    name = o.name;
    left = o.left;
    top = o.top;
    width = o.width;
    height = o.height;
    dataSet = o.dataSet;
    dataSetName = o.dataSetName;
    rowCount = o.rowCount;
    columns = o.columns;
    columnWidth = o.columnWidth;
    columnGap = o.columnGap;
    stretched = o.stretched;
    startNewPage = o.startNewPage;
    reprintOnNewPage = o.reprintOnNewPage;
    printOnFirstPage = o.printOnFirstPage;
    printOnLastPage = o.printOnLastPage;
    extra = o.extra;
    extraChildren = o.extraChildren;
    objects.clear();
    for (const auto &obj : o.objects)
        objects.push_back(obj->clone());
    return *this;
}

ReportBand::Kind ReportBand::kindOf(const QString &e)
{
    for (const KindName &k : kKinds)
        if (e == QLatin1String(k.element))
            return k.kind;
    return Kind::Other;
}

QString ReportBand::elementOf(Kind kind)
{
    for (const KindName &k : kKinds)
        if (k.kind == kind)
            return QString::fromLatin1(k.element);
    return {};
}

QString ReportBand::typeName() const
{
    return kind == Kind::Other ? element : elementOf(kind);
}

ReportObject *ReportBand::findObject(const QString &objectName) const
{
    for (const auto &o : objects)
        if (o->name.compare(objectName, Qt::CaseInsensitive) == 0)
            return o.get();
    return nullptr;
}

int ReportBand::indexOf(const ReportObject *o) const
{
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i].get() == o)
            return int(i);
    return -1;
}

ReportObject *ReportBand::addObject(std::unique_ptr<ReportObject> o, int index)
{
    ReportObject *raw = o.get();
    if (index < 0 || index >= int(objects.size()))
        objects.push_back(std::move(o));
    else
        objects.insert(objects.begin() + index, std::move(o));
    return raw;
}

std::unique_ptr<ReportObject> ReportBand::takeObject(int index)
{
    if (index < 0 || index >= int(objects.size()))
        return nullptr;
    auto o = std::move(objects[index]);
    objects.erase(objects.begin() + index);
    return o;
}

void ReportBand::moveObject(int from, int to)
{
    if (from < 0 || from >= int(objects.size()) || to < 0 || to >= int(objects.size()) || from == to)
        return;
    auto o = std::move(objects[from]);
    objects.erase(objects.begin() + from);
    objects.insert(objects.begin() + to, std::move(o));
}
