#include "widgets/ListStatement.h"

#include "core/Dates.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include <functional>

namespace {

// The position of the last "order by" outside quotes and brackets, -1 when none.
int trailingOrderBy(const QString &sql)
{
    int depth = 0;
    QChar quote;
    int found = -1;
    static const QRegularExpression orderBy(QStringLiteral("\\Gorder\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            quote = c;
        else if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && (c == QLatin1Char('o') || c == QLatin1Char('O')) &&
                 (i == 0 || !sql.at(i - 1).isLetterOrNumber()) && orderBy.match(sql, i).hasMatch())
            found = i;
    }
    return found;
}

QString direction(const SortTerm &t) { return t.ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC"); }

} // namespace

QVariant bindableValue(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return Dates::text(v.toDateTime());
    if (v.typeId() == QMetaType::QDate)
        return Dates::text(v.toDate());
    return v;
}

void ListStatement::setBase(const QString &sql, const QVariantList &values)
{
    m_sql = sql.trimmed();
    while (m_sql.endsWith(QLatin1Char(';')))
        m_sql.chop(1);
    m_values = values;
    m_base = m_sql;
    m_baseOrder.clear();
    m_order.clear();
    m_orderInside = false;
    const int at = trailingOrderBy(m_sql);
    if (at < 0)
        return;
    QString terms = m_sql.mid(at);
    terms.remove(0, terms.indexOf(QLatin1String("by"), 0, Qt::CaseInsensitive) + 2);
    QList<SortTerm> order;
    if (!SortText::parse(terms, &order) || order.isEmpty())
        return;
    m_base = m_sql.left(at).trimmed();
    m_baseOrder = order;
}

void ListStatement::keepBaseOrderInside()
{
    m_base = m_sql;
    m_baseOrder.clear();
    m_orderInside = true;
}

void ListStatement::setOrder(const QList<SortTerm> &order, const QString &keyField)
{
    m_order = order;
    if (keyField.isEmpty() || (order.isEmpty() && m_orderInside))
        return;
    for (const SortTerm &t : order)
        if (t.field.compare(keyField, Qt::CaseInsensitive) == 0)
            return;
    m_order << SortTerm{keyField, true};
}

QString ListStatement::from() const { return QStringLiteral(" from (%1) q").arg(m_base); }

QString ListStatement::where(const QString &extra) const
{
    QStringList conds;
    for (const auto &f : m_filter)
        conds << f.first + QStringLiteral(" = ?");
    if (!extra.isEmpty())
        conds << extra;
    return conds.isEmpty() ? QString() : QStringLiteral(" where ") + conds.join(QStringLiteral(" and "));
}

QString ListStatement::orderBy() const
{
    if (m_order.isEmpty())
        return {};
    QStringList terms;
    for (const SortTerm &t : m_order)
        terms << t.field + direction(t);
    return QStringLiteral(" order by ") + terms.join(QStringLiteral(", "));
}

QVariantList ListStatement::baseAndFilterValues() const
{
    QVariantList v = m_values;
    for (const auto &f : m_filter)
        v << f.second;
    return v;
}

BoundSql ListStatement::describe() const
{
    return {QStringLiteral("select *") + from() + QStringLiteral(" limit 0"), m_values};
}

BoundSql ListStatement::window(int offset, int limit) const
{
    QVariantList v = baseAndFilterValues();
    v << limit << offset;
    return {QStringLiteral("select *") + from() + where() + orderBy() + QStringLiteral(" limit ? offset ?"), v};
}

BoundSql ListStatement::aggregate(const QStringList &sumFields) const
{
    QString list = QStringLiteral("count(*)");
    for (const QString &f : sumFields)
        list += QStringLiteral(", sum(%1)").arg(f);
    return {QStringLiteral("select ") + list + from() + where(), baseAndFilterValues()};
}

BoundSql ListStatement::sumsAfterKey(const QStringList &sumFields, const QString &keyField, const QVariant &after,
                                     int limit) const
{
    QString list = QStringLiteral("count(*), max(%1)").arg(keyField);
    for (const QString &f : sumFields)
        list += QStringLiteral(", sum(%1)").arg(f);
    QVariantList v = baseAndFilterValues();
    if (after.isValid())
        v << after;
    v << limit;
    const QString slice = QStringLiteral("select *") + from() +
                          where(after.isValid() ? keyField + QStringLiteral(" > ?") : QString()) +
                          QStringLiteral(" order by ") + keyField + QStringLiteral(" limit ?");
    return {QStringLiteral("select %1 from (%2) s").arg(list, slice), v};
}

BoundSql ListStatement::keysInOrder(const QString &keyField, const QList<qint64> &keys) const
{
    QStringList marks;
    QVariantList v = baseAndFilterValues();
    for (qint64 k : keys) {
        marks << QStringLiteral("?");
        v << k;
    }
    const QString in = QStringLiteral("%1 in (%2)").arg(keyField, marks.join(QLatin1Char(',')));
    return {QStringLiteral("select ") + keyField + from() + where(in) + orderBy(), v};
}

BoundSql ListStatement::allKeys(const QString &keyField) const
{
    return {QStringLiteral("select ") + keyField + from() + where() + orderBy(), baseAndFilterValues()};
}

BoundSql ListStatement::keyWindow(const QString &keyField, int offset, int limit) const
{
    QVariantList v = baseAndFilterValues();
    v << limit << offset;
    return {QStringLiteral("select ") + keyField + from() + where() + orderBy() + QStringLiteral(" limit ? offset ?"),
            v};
}

BoundSql ListStatement::orderValuesOf(const QString &keyField, qint64 key) const
{
    QStringList fields;
    for (const SortTerm &t : m_order)
        fields << t.field;
    QVariantList v = baseAndFilterValues();
    v << key;
    return {QStringLiteral("select ") + fields.join(QStringLiteral(", ")) + from() +
                where(keyField + QStringLiteral(" = ?")),
            v};
}

BoundSql ListStatement::countBefore(const QVariantList &values) const
{
    // Row r comes before row x when, at the first order field where they differ,
    // r's value sorts first; NULL sorts where the backend puts it.
    QVariantList bound;
    std::function<QString(int)> before = [&](int i) -> QString {
        const SortTerm &t = m_order.at(i);
        const QVariant v = values.value(i);
        const bool nullsFirst = t.ascending == m_nullsSmallest;
        const bool last = i == m_order.size() - 1;
        QStringList alternatives;
        QString tie;
        if (v.isNull()) {
            if (!nullsFirst)
                alternatives << t.field + QStringLiteral(" is not null");
            tie = t.field + QStringLiteral(" is null");
        } else {
            const QString cmp = t.ascending ? QStringLiteral(" < ?") : QStringLiteral(" > ?");
            if (nullsFirst)
                alternatives << t.field + QStringLiteral(" is null");
            alternatives << t.field + cmp;
            bound << bindableValue(v);
        }
        if (!last) {
            // The tie's value is bound after those of the alternatives, in text order.
            QString tieText = tie;
            if (!v.isNull()) {
                tieText = t.field + QStringLiteral(" = ?");
                bound << bindableValue(v);
            }
            alternatives << QStringLiteral("(%1 and %2)").arg(tieText, before(i + 1));
        }
        if (alternatives.isEmpty())
            return QStringLiteral("1=0");
        return QStringLiteral("(") + alternatives.join(QStringLiteral(" or ")) + QStringLiteral(")");
    };
    const QString cond = m_order.isEmpty() ? QStringLiteral("1=0") : before(0);
    QVariantList v = baseAndFilterValues();
    v << bound;
    return {QStringLiteral("select count(*)") + from() + where(cond), v};
}

BoundSql ListStatement::firstWithPrefix(const QString &keyField, const QString &fieldAsText,
                                        const QString &likeOperator, const QString &prefix) const
{
    QString escaped;
    for (const QChar c : prefix) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('!');
        escaped += c;
    }
    QVariantList v = baseAndFilterValues();
    v << escaped + QLatin1Char('%');
    const QString cond = QStringLiteral("%1 %2 ? escape '!'").arg(fieldAsText, likeOperator);
    return {QStringLiteral("select ") + keyField + from() + where(cond) + orderBy() + QStringLiteral(" limit 1"), v};
}
