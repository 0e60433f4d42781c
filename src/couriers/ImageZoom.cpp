#include "couriers/ImageZoom.h"

#include <QtGlobal>

namespace ImageZoom {

namespace {

constexpr double Factors[MaxLevel] = {0.05, 0.07, 0.1, 0.15, 0.2, 0.3, 0.5, 0.7, 1.0, 1.5, 2.0, 3.0, 5.0, 7.0, 10.0};
constexpr int Percents[MaxLevel] = {5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200, 300, 500, 700, 1000};

int index(int level)
{
    return qBound(MinLevel, level, MaxLevel) - 1;
}

} // namespace

double factor(int level)
{
    return Factors[index(level)];
}

QString percent(int level)
{
    return QString::number(Percents[index(level)]) + QLatin1Char('%');
}

QSize zoomedSize(const QSize &picture, double f)
{
    // A small epsilon keeps 0.07 * 100 at 7 rather than 6.9999.
    return QSize(int(picture.width() * f + 1e-9), int(picture.height() * f + 1e-9));
}

} // namespace ImageZoom
