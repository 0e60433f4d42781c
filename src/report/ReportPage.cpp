#include "report/ReportPage.h"

#include <algorithm>

ReportPage::ReportPage(const ReportPage &o)
{
    *this = o;
}

ReportPage &ReportPage::operator=(const ReportPage &o)
{
    if (this == &o)
        return *this;
    name = o.name;
    paperWidth = o.paperWidth;
    paperHeight = o.paperHeight;
    paperSize = o.paperSize;
    leftMargin = o.leftMargin;
    rightMargin = o.rightMargin;
    topMargin = o.topMargin;
    bottomMargin = o.bottomMargin;
    landscape = o.landscape;
    backPicture = o.backPicture;
    backPictureVisible = o.backPictureVisible;
    backPicturePrintable = o.backPicturePrintable;
    extra = o.extra;
    extraChildren = o.extraChildren;
    bands.clear();
    for (const auto &b : o.bands)
        bands.push_back(b->clone());
    return *this;
}

void ReportPage::setLandscape(bool on)
{
    if (on == landscape)
        return;
    landscape = on;
    std::swap(paperWidth, paperHeight);
}

ReportBand *ReportPage::findBand(const QString &bandName) const
{
    for (const auto &b : bands)
        if (b->name.compare(bandName, Qt::CaseInsensitive) == 0)
            return b.get();
    return nullptr;
}

ReportObject *ReportPage::findObject(const QString &objectName, ReportBand **owner) const
{
    for (const auto &b : bands)
        if (ReportObject *o = b->findObject(objectName)) {
            if (owner)
                *owner = b.get();
            return o;
        }
    return nullptr;
}

int ReportPage::indexOf(const ReportBand *b) const
{
    for (size_t i = 0; i < bands.size(); ++i)
        if (bands[i].get() == b)
            return int(i);
    return -1;
}

ReportBand *ReportPage::addBand(std::unique_ptr<ReportBand> b, int index)
{
    ReportBand *raw = b.get();
    if (index < 0 || index >= int(bands.size()))
        bands.push_back(std::move(b));
    else
        bands.insert(bands.begin() + index, std::move(b));
    return raw;
}

std::unique_ptr<ReportBand> ReportPage::takeBand(int index)
{
    if (index < 0 || index >= int(bands.size()))
        return nullptr;
    auto b = std::move(bands[index]);
    bands.erase(bands.begin() + index);
    return b;
}

void ReportPage::moveBand(int from, int to)
{
    if (from < 0 || from >= int(bands.size()) || to < 0 || to >= int(bands.size()) || from == to)
        return;
    auto b = std::move(bands[from]);
    bands.erase(bands.begin() + from);
    bands.insert(bands.begin() + to, std::move(b));
}

std::vector<ReportBand *> ReportPage::bandsByTop() const
{
    std::vector<ReportBand *> out;
    for (const auto &b : bands)
        out.push_back(b.get());
    std::stable_sort(out.begin(), out.end(), [](ReportBand *a, ReportBand *b) { return a->top < b->top; });
    return out;
}
