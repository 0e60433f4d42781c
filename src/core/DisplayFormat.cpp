#include "core/DisplayFormat.h"

#include "core/Dates.h"

#include <QDateTime>
#include <QStringList>

#include <cmath>

namespace {

// Splits at ';' outside quotes.
QStringList sections(const QString &format)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            cur += c;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            cur += c;
        } else if (c == QLatin1Char(';')) {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

struct NumberPattern
{
    QString prefix;
    QString suffix;
    int minInt = 0;      // '0' before the point
    int minFrac = 0;     // '0' after the point
    int maxFrac = 0;     // '0' and '#' after the point
    bool grouping = false;
    bool scientific = false;
    bool digits = false;  // a section without placeholders shows its text alone
};

NumberPattern parse(const QString &s)
{
    NumberPattern p;
    bool inDigits = false, afterDigits = false, afterPoint = false;
    QChar quote;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (afterDigits ? p.suffix : p.prefix) += c;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            if (inDigits)
                afterDigits = true;
            continue;
        }
        const bool digit = c == QLatin1Char('0') || c == QLatin1Char('#');
        if (!afterDigits && (digit || c == QLatin1Char('.') || c == QLatin1Char(','))) {
            inDigits = true;
            p.digits = p.digits || digit;
            if (c == QLatin1Char('.'))
                afterPoint = true;
            else if (c == QLatin1Char(','))
                p.grouping = true;
            else if (afterPoint) {
                ++p.maxFrac;
                if (c == QLatin1Char('0'))
                    p.minFrac = p.maxFrac;
            } else if (c == QLatin1Char('0')) {
                ++p.minInt;
            }
            continue;
        }
        if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && inDigits && !afterDigits) {
            p.scientific = true;
            afterDigits = true;
            continue;
        }
        if (inDigits)
            afterDigits = true;
        (afterDigits ? p.suffix : p.prefix) += c;
    }
    return p;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

// absValue in fixed notation with frac decimals, rounded half away from zero as
// its decimal text reads (1.005 gives 1.01, 2.5 gives 3), not as its binary value
// happens to lie.
QString roundedFixed(double absValue, int frac)
{
    if (!std::isfinite(absValue) || absValue >= 1e15)
        return QString::number(absValue, 'f', frac);
    const QString e = QString::number(absValue, 'e', 14);  // the 15 digits a double holds
    const int ePos = e.indexOf(QLatin1Char('e'));
    int intDigits = e.mid(ePos + 1).toInt() + 1;
    QByteArray d = e.left(ePos).remove(QLatin1Char('.')).toLatin1();
    const int keep = intDigits + frac;
    if (keep < 0) {
        d.clear();
        intDigits = -frac;
    } else if (keep < d.size()) {
        const bool up = d.at(keep) >= '5';
        d.truncate(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.at(i) == '9')
                d[i--] = '0';
            if (i < 0) {
                d.prepend('1');
                ++intDigits;
            } else {
                d[i] = char(d.at(i) + 1);
            }
        }
    } else {
        d.append(QByteArray(keep - d.size(), '0'));
    }
    const QString digits = QString::fromLatin1(d);
    QString intPart, fracPart;
    if (intDigits <= 0) {
        intPart = QStringLiteral("0");
        fracPart = QString(-intDigits, QLatin1Char('0')) + digits;
    } else {
        intPart = digits.left(intDigits);
        fracPart = digits.mid(intDigits);
    }
    return frac > 0 ? intPart + QLatin1Char('.') + fracPart : intPart;
}

QString applyPattern(double absValue, const NumberPattern &p)
{
    if (!p.digits)
        return p.prefix + p.suffix;
    if (p.scientific)
        return p.prefix + QString::number(absValue, 'E', p.maxFrac) + p.suffix;
    QString fixed = roundedFixed(absValue, p.maxFrac);
    QString intPart = fixed, frac;
    const int dot = fixed.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        intPart = fixed.left(dot);
        frac = fixed.mid(dot + 1);
    }
    while (frac.size() > p.minFrac && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    if (intPart == QLatin1String("0") && p.minInt == 0)
        intPart.clear();
    while (intPart.size() < p.minInt)
        intPart.prepend(QLatin1Char('0'));
    if (p.grouping)
        intPart = groupThousands(intPart);
    QString out = intPart;
    if (!frac.isEmpty())
        out += QLatin1Char('.') + frac;
    if (out.isEmpty())
        out = QStringLiteral("0");
    return p.prefix + out + p.suffix;
}

QString plainNumber(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    QString s = QString::number(v, 'f', 10);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace

namespace DisplayFormat {

bool isDateFormat(const QString &format)
{
    const QString f = format.toLower();
    return f.contains(QLatin1String("yy")) || f.contains(QLatin1String("dd")) || f.contains(QLatin1String("nn")) ||
           f.contains(QLatin1String("hh")) || (f.contains(QLatin1String("mm")) && !f.contains(QLatin1Char('0')));
}

bool isNumberValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString formatNumber(double value, const QString &format)
{
    if (format.trimmed().isEmpty())
        return plainNumber(value);
    const QStringList secs = sections(format);
    QString pattern = secs.at(0);
    bool signInPattern = false;
    if (value < 0 && secs.size() > 1 && !secs.at(1).isEmpty()) {
        pattern = secs.at(1);
        signInPattern = true;
    }
    const NumberPattern p = parse(pattern);
    const double absValue = std::fabs(value);
    // Zero section when the value rounds to zero.
    const bool roundsToZero = roundedFixed(absValue, p.maxFrac).toDouble() == 0.0;
    if (secs.size() > 2 && !secs.at(2).isEmpty() && roundsToZero)
        return applyPattern(0.0, parse(secs.at(2)));
    QString out = applyPattern(absValue, p);
    const bool negative = value < 0 && !roundsToZero;
    if (negative && !signInPattern)
        out.prepend(QLatin1Char('-'));
    return out;
}

QString formatDateTime(const QDateTime &value, const QString &format)
{
    QString out;
    const QString f = format;
    bool lastWasHour = false;
    for (int i = 0; i < f.size();) {
        const QChar c = f.at(i);
        const QChar lc = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = f.indexOf(c, i + 1);
            out += f.mid(i + 1, (end < 0 ? f.size() : end) - i - 1);
            i = end < 0 ? f.size() : end + 1;
            continue;
        }
        int n = 1;
        while (i + n < f.size() && f.at(i + n).toLower() == lc)
            ++n;
        const QDate d = value.date();
        const QTime t = value.time();
        auto pad = [](int v, int w) { return QStringLiteral("%1").arg(v, w, 10, QLatin1Char('0')); };
        if (lc == QLatin1Char('y')) {
            out += n <= 2 ? pad(d.year() % 100, 2) : pad(d.year(), 4);
        } else if (lc == QLatin1Char('m')) {
            if (lastWasHour)
                out += n >= 2 ? pad(t.minute(), 2) : QString::number(t.minute());
            else
                out += n >= 2 ? pad(d.month(), 2) : QString::number(d.month());
        } else if (lc == QLatin1Char('d')) {
            out += n >= 2 ? pad(d.day(), 2) : QString::number(d.day());
        } else if (lc == QLatin1Char('h')) {
            out += n >= 2 ? pad(t.hour(), 2) : QString::number(t.hour());
        } else if (lc == QLatin1Char('n')) {
            out += n >= 2 ? pad(t.minute(), 2) : QString::number(t.minute());
        } else if (lc == QLatin1Char('s')) {
            out += n >= 2 ? pad(t.second(), 2) : QString::number(t.second());
        } else {
            out += f.mid(i, n);
        }
        if (lc == QLatin1Char('h'))
            lastWasHour = true;
        else if (lc != QLatin1Char(':') && !lc.isSpace())
            lastWasHour = false;
        i += n;
    }
    return out;
}

QString format(const QVariant &value, const QString &fmt)
{
    if (value.isNull() || !value.isValid())
        return {};
    const int type = value.typeId();
    const bool isDate = type == QMetaType::QDate || type == QMetaType::QDateTime;
    if (isDate) {
        if (fmt.trimmed().isEmpty() || !isDateFormat(fmt))
            return Dates::fromValue(value);
        const QDateTime dt = type == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
        return formatDateTime(dt, fmt);
    }
    const bool isNumber = isNumberValue(value);
    if (isNumber) {
        if (isDateFormat(fmt))
            return value.toString();
        if (fmt.trimmed().isEmpty() && type != QMetaType::Double && type != QMetaType::Float)
            return value.toString();
        return formatNumber(value.toDouble(), fmt);
    }
    if (type == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    // Text: dates kept as text (SQLite) take date formats and numbers stored as
    // text take number formats; everything else stays as it is.
    const QString text = value.toString();
    if (!fmt.trimmed().isEmpty() && isDateFormat(fmt)) {
        const QString t = text.trimmed().replace(QLatin1Char('T'), QLatin1Char(' '));
        QDateTime dt = QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (!dt.isValid() && t.size() == 10)
            dt = QDate::fromString(t, QStringLiteral("yyyy-MM-dd")).startOfDay();
        if (dt.isValid())
            return formatDateTime(dt, fmt);
    }
    if (!fmt.trimmed().isEmpty() && !isDateFormat(fmt)) {
        bool ok = false;
        const double d = text.trimmed().toDouble(&ok);
        if (ok)
            return formatNumber(d, fmt);
    }
    return text;
}

} // namespace DisplayFormat
