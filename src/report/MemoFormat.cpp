#include "report/MemoFormat.h"

#include "report/ReportExpression.h"

#include "core/Dates.h"
#include "core/DisplayFormat.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace {

bool isNumber(const QVariant &v) { return DisplayFormat::isNumberValue(v); }

QString grouped(const QString &fixed)
{
    const int dot = fixed.indexOf(QLatin1Char('.'));
    QString intPart = dot < 0 ? fixed : fixed.left(dot);
    const QString rest = dot < 0 ? QString() : fixed.mid(dot);
    const bool neg = intPart.startsWith(QLatin1Char('-'));
    if (neg)
        intPart.remove(0, 1);
    QString out;
    for (int i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0)
            out += QLatin1Char(',');
        out += intPart.at(i);
    }
    return (neg ? QStringLiteral("-") : QString()) + out + rest;
}

} // namespace

namespace MemoFormat {

QString delphiFormat(const QString &pattern, double value)
{
    static const QRegularExpression conversion(QStringLiteral("%(-?)(\\d*)(?:\\.(\\d+))?([dDuUfFgGeEnNmMsSxX])"));
    QString out;
    int last = 0;
    auto it = conversion.globalMatch(pattern);
    bool used = false;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += pattern.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        if (used) {
            out += m.captured(0);
            continue;
        }
        used = true;
        const bool left = !m.captured(1).isEmpty();
        const int width = m.captured(2).toInt();
        const bool hasPrec = !m.captured(3).isEmpty();
        const int prec = m.captured(3).toInt();
        const QChar kind = m.captured(4).at(0).toLower();
        QString s;
        if (kind == QLatin1Char('d') || kind == QLatin1Char('u')) {
            s = QString::number(qint64(std::trunc(value)));
            if (hasPrec)
                while (s.size() < prec)
                    s.prepend(QLatin1Char('0'));
        } else if (kind == QLatin1Char('f')) {
            s = QString::number(value, 'f', hasPrec ? prec : 2);
        } else if (kind == QLatin1Char('n')) {
            s = grouped(QString::number(value, 'f', hasPrec ? prec : 2));
        } else if (kind == QLatin1Char('m')) {
            s = QStringLiteral("￥") + grouped(QString::number(value, 'f', hasPrec ? prec : 2));
        } else if (kind == QLatin1Char('e')) {
            s = QString::number(value, 'E', hasPrec ? prec - 1 : 14);
        } else if (kind == QLatin1Char('x')) {
            s = QString::number(qint64(value), 16).toUpper();
        } else if (kind == QLatin1Char('s')) {
            s = ReportExpression::toText(value);
        } else {
            s = QString::number(value, 'g', hasPrec ? prec : 15);
        }
        if (s.size() < width)
            s = left ? s.leftJustified(width) : s.rightJustified(width);
        out += s;
    }
    out += pattern.mid(last);
    return out;
}

QString format(const QVariant &value, const ReportDisplayFormat &f, bool fromField, bool hideZeros)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (hideZeros && ReportExpression::toNumber(value) == 0.0 && (isNumber(value)))
        return {};
    const QString &fmt = f.formatStr;
    if (fmt.isEmpty() || f.kind == QLatin1String("fkText"))
        return ReportExpression::toText(value);
    if (f.kind == QLatin1String("fkNumeric")) {
        bool numeric = isNumber(value);
        double d = 0;
        if (numeric)
            d = value.toDouble();
        else {
            d = value.toString().trimmed().toDouble(&numeric);
        }
        if (!numeric)
            return ReportExpression::toText(value);
        QString s = fmt.contains(QLatin1Char('%')) ? delphiFormat(fmt, d) : DisplayFormat::formatNumber(d, fmt);
        if (!f.decimalSeparator.isEmpty() && f.decimalSeparator != QLatin1String("."))
            s.replace(QLatin1Char('.'), f.decimalSeparator);
        return s;
    }
    if (f.kind == QLatin1String("fkDateTime")) {
        if (ReportExpression::toText(value).isEmpty())
            return {};
        // A date the program hands over as text is printed as given.
        if (!fromField && value.typeId() == QMetaType::QString)
            return value.toString();
        if (fromField && value.typeId() == QMetaType::QString) {
            const QString s = value.toString().trimmed();
            QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            if (!dt.isValid())
                dt = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd")).startOfDay();
            if (dt.isValid())
                return DisplayFormat::format(dt, fmt);
        }
        return DisplayFormat::format(value, fmt);
    }
    if (f.kind == QLatin1String("fkBoolean")) {
        const QStringList parts = fmt.split(QLatin1Char(','));
        const bool b = value.typeId() == QMetaType::Bool ? value.toBool() : ReportExpression::toNumber(value) != 0;
        if (parts.size() == 2)
            return b ? parts.at(1) : parts.at(0);
        return b ? QStringLiteral("True") : QStringLiteral("False");
    }
    return ReportExpression::toText(value);
}

} // namespace MemoFormat
