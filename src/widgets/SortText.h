#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct SortTerm
{
    QString field;
    bool ascending = true;

    bool operator==(const SortTerm &) const = default;
};

// Sort texts as the sort dialog writes them: "f_sheng ASC,f_code DESC," (the
// final comma is optional, a term without a direction sorts ascending).
namespace SortText {

// The terms of a text; false (and no terms) when a term is not a plain field
// name with an optional ASC or DESC.
bool parse(const QString &text, QList<SortTerm> *terms);
QString compose(const QList<SortTerm> &terms);  // with the final comma
bool isPlainName(const QString &name);

} // namespace SortText
