#include "report/ReportStyle.h"

QString ExtraAttributes::value(const QString &name) const
{
    for (const auto &a : items)
        if (a.first == name)
            return a.second;
    return {};
}

bool ExtraAttributes::contains(const QString &name) const
{
    for (const auto &a : items)
        if (a.first == name)
            return true;
    return false;
}

void ExtraAttributes::set(const QString &name, const QString &value)
{
    for (auto &a : items)
        if (a.first == name) {
            a.second = value;
            return;
        }
    items.append({name, value});
}

void ExtraAttributes::remove(const QString &name)
{
    for (int i = items.size() - 1; i >= 0; --i)
        if (items.at(i).first == name)
            items.removeAt(i);
}

HAlign parseHAlign(const QString &s)
{
    if (s == QLatin1String("haCenter"))
        return HAlign::Center;
    if (s == QLatin1String("haRight"))
        return HAlign::Right;
    if (s == QLatin1String("haBlock"))
        return HAlign::Block;
    return HAlign::Left;
}

QString hAlignName(HAlign a)
{
    switch (a) {
    case HAlign::Center: return QStringLiteral("haCenter");
    case HAlign::Right: return QStringLiteral("haRight");
    case HAlign::Block: return QStringLiteral("haBlock");
    case HAlign::Left: break;
    }
    return QStringLiteral("haLeft");
}

VAlign parseVAlign(const QString &s)
{
    if (s == QLatin1String("vaCenter"))
        return VAlign::Center;
    if (s == QLatin1String("vaBottom"))
        return VAlign::Bottom;
    return VAlign::Top;
}

QString vAlignName(VAlign a)
{
    switch (a) {
    case VAlign::Center: return QStringLiteral("vaCenter");
    case VAlign::Bottom: return QStringLiteral("vaBottom");
    case VAlign::Top: break;
    }
    return QStringLiteral("vaTop");
}
