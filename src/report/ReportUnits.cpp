#include "report/ReportUnits.h"

#include <cmath>

namespace ReportUnits {

QColor toColor(qint64 c)
{
    if (c == ClNone)
        return {};
    if (c < 0) {
        // System colours: the ones templates meet are window (white) and window text / button text (black).
        switch (c & 0xFF) {
        case 5:   // clWindow
        case 15:  // clBtnFace, printed as paper
            return QColor(Qt::white);
        default:
            return QColor(Qt::black);
        }
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

qint64 fromColor(const QColor &c)
{
    if (!c.isValid() || c.alpha() == 0)
        return ClNone;
    return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
}

double parseNumber(const QString &text, double def, bool *ok)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool good = false;
    const double v = t.toDouble(&good);
    if (ok)
        *ok = good;
    return good ? v : def;
}

QString formatNumber(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    QString s = QString::number(value, 'f', 6);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

bool parseBool(const QString &text, bool def)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return def;
}

} // namespace ReportUnits
