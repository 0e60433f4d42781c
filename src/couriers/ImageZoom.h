#pragma once

#include <QSize>
#include <QString>

// The picture viewer's zoom steps: level 1 (5 %) to 15 (1000 %), 9 being the
// picture's own size.
namespace ImageZoom {

constexpr int MinLevel = 1;
constexpr int MaxLevel = 15;
constexpr int OwnSizeLevel = 9;

double factor(int level);   // clamped to the table
QString percent(int level); // "100%"
// The picture's size at a factor, truncated to whole pixels.
QSize zoomedSize(const QSize &picture, double factor);

} // namespace ImageZoom
