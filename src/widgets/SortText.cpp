#include "widgets/SortText.h"

#include <QRegularExpression>

namespace SortText {

bool isPlainName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

bool parse(const QString &text, QList<SortTerm> *terms)
{
    QList<SortTerm> out;
    const QStringList parts = text.split(QLatin1Char(','));
    for (int i = 0; i < parts.size(); ++i) {
        const QStringList words = parts.at(i).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            if (i == parts.size() - 1)
                break;  // the final comma
            terms->clear();
            return false;
        }
        if (words.size() > 2 || !isPlainName(words.at(0))) {
            terms->clear();
            return false;
        }
        SortTerm t{words.at(0), true};
        if (words.size() == 2) {
            const QString dir = words.at(1).toUpper();
            if (dir == QLatin1String("DESC"))
                t.ascending = false;
            else if (dir != QLatin1String("ASC")) {
                terms->clear();
                return false;
            }
        }
        out << t;
    }
    *terms = out;
    return true;
}

QString compose(const QList<SortTerm> &terms)
{
    QString out;
    for (const SortTerm &t : terms)
        out += t.field + (t.ascending ? QStringLiteral(" ASC,") : QStringLiteral(" DESC,"));
    return out;
}

} // namespace SortText
