#include "widgets/MemoryListModel.h"

#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/Messages.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.typeId() == QMetaType::Bool || b.typeId() == QMetaType::Bool)
        return !a.isNull() && !b.isNull() && a.toBool() == b.toBool();
    return a == b;
}

// NULL first, then by value; numbers as numbers, everything else as text.
int compareValues(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const QPartialOrdering o = QVariant::compare(a, b);
    if (o == QPartialOrdering::Less)
        return -1;
    if (o == QPartialOrdering::Greater)
        return 1;
    if (o == QPartialOrdering::Equivalent)
        return 0;
    return QString::compare(a.toString(), b.toString());
}

} // namespace

MemoryListModel::MemoryListModel(QObject *parent) : ListModel(parent) {}

void MemoryListModel::setColumns(const QStringList &names, const QList<FieldKind> &kinds)
{
    beginResetModel();
    QList<FieldKind> k = kinds;
    while (k.size() < names.size())
        k << FieldKind::Text;
    setFields(names, k);
    m_rows.clear();
    m_view.clear();
    endResetModel();
    clearSelection();
    setCurrentRow(-1);
    recomputeSums();
}

ListModel::Key MemoryListModel::keyFor(const QVector<QVariant> &values)
{
    if (hasKeyField() && !values.value(keyField()).isNull())
        return values.value(keyField()).toLongLong();
    return m_nextKey++;
}

void MemoryListModel::setRows(const QList<QVariantList> &rows)
{
    beginResetModel();
    m_rows.clear();
    m_nextKey = 1;
    for (const QVariantList &r : rows) {
        QVector<QVariant> v(r.begin(), r.end());
        v.resize(fieldCount());
        m_rows << Row{keyFor(v), v};
    }
    rebuildView();
    endResetModel();
    clearSelection();
    restoreCurrentAndSelection(-1);
    recomputeSums();
}

bool MemoryListModel::load(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(dmData().db());
    q.setForwardOnly(true);
    if (!dmData().run(q, sql, values)) {
        setColumns({});
        ShowMess(Msg::OpenFailed, MessError);
        return false;
    }
    const QSqlRecord rec = q.record();
    QStringList names;
    QList<FieldKind> kinds;
    describeFields(rec, &names, &kinds);
    setColumns(names, kinds);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList r;
        for (int i = 0; i < names.size(); ++i)
            r << q.value(i);
        rows << r;
    }
    setRows(rows);
    return true;
}

int MemoryListModel::appendRow(const QVariantList &values)
{
    QVector<QVariant> v(values.begin(), values.end());
    v.resize(fieldCount());
    const int row = int(m_view.size());
    beginInsertRows({}, row, row);
    m_rows << Row{keyFor(v), v};
    m_view << int(m_rows.size() - 1);
    endInsertRows();
    recomputeSums();
    return row;
}

bool MemoryListModel::removeRows(const QList<Key> &keys)
{
    if (keys.isEmpty())
        return false;
    const QSet<Key> gone(keys.begin(), keys.end());
    const Key cur = currentKey();
    beginResetModel();
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [&](const Row &r) { return gone.contains(r.key); }),
                 m_rows.end());
    rebuildView();
    endResetModel();
    restoreCurrentAndSelection(gone.contains(cur) ? -1 : cur);
    recomputeSums();
    return true;
}

QList<QVariantList> MemoryListModel::rows() const
{
    QList<QVariantList> out;
    for (int i : m_view)
        out << QVariantList(m_rows.at(i).values.begin(), m_rows.at(i).values.end());
    return out;
}

bool MemoryListModel::setValue(int row, int field, const QVariant &value)
{
    if (row < 0 || row >= m_view.size() || field < 0 || field >= fieldCount())
        return false;
    m_rows[m_view.at(row)].values[field] = value;
    const QModelIndex i = index(row, field);
    emit dataChanged(i, i);
    if (m_sumFields.contains(fieldName(field), Qt::CaseInsensitive))
        recomputeSums();
    return true;
}

int MemoryListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_view.size()); }

QVariant MemoryListModel::value(int row, int field) const
{
    if (row < 0 || row >= m_view.size())
        return {};
    return m_rows.at(m_view.at(row)).values.value(field);
}

ListModel::Key MemoryListModel::rowKey(int row) const
{
    return row >= 0 && row < m_view.size() ? m_rows.at(m_view.at(row)).key : -1;
}

int MemoryListModel::rowOfKey(Key key) const
{
    for (int r = 0; r < m_view.size(); ++r)
        if (m_rows.at(m_view.at(r)).key == key)
            return r;
    return -1;
}

int MemoryListModel::findPrefix(int field, const QString &text) const
{
    if (text.isEmpty() || field < 0 || field >= fieldCount())
        return -1;
    for (int r = 0; r < m_view.size(); ++r) {
        const QVariant v = value(r, field);
        const QString s = fieldKind(field) == FieldKind::Date ? Dates::fromValue(v) : v.toString();
        if (s.startsWith(text, Qt::CaseInsensitive))
            return r;
    }
    return -1;
}

void MemoryListModel::rebuildView()
{
    bool ok = true;
    const auto conds = validFilter(m_filter, &ok);
    QList<QPair<int, QVariant>> byIndex;
    for (const auto &c : conds)
        byIndex << qMakePair(fieldIndex(c.first), c.second);
    m_view.clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row &r = m_rows.at(i);
        if (std::all_of(byIndex.begin(), byIndex.end(),
                        [&](const auto &c) { return sameValue(r.values.value(c.first), c.second); }))
            m_view << i;
    }
    QList<QPair<int, bool>> order;
    for (const SortTerm &t : m_sort)
        order << qMakePair(fieldIndex(t.field), t.ascending);
    if (order.isEmpty())
        return;
    std::stable_sort(m_view.begin(), m_view.end(), [&](int a, int b) {
        for (const auto &o : order) {
            const int c = compareValues(m_rows.at(a).values.value(o.first), m_rows.at(b).values.value(o.first));
            if (c != 0)
                return o.second ? c < 0 : c > 0;
        }
        return false;
    });
}

void MemoryListModel::recomputeSums()
{
    QHash<QString, QVariant> sums;
    for (const QString &f : validSumFields()) {
        const int i = fieldIndex(f);
        double total = 0;
        for (int r : m_view)
            total += m_rows.at(r).values.value(i).toDouble();
        sums.insert(f, total);
    }
    setSums(sums);
}

void MemoryListModel::applySort()
{
    emit layoutAboutToBeChanged();
    rebuildView();
    emit layoutChanged();
}

void MemoryListModel::applyFilter()
{
    beginResetModel();
    rebuildView();
    endResetModel();
    recomputeSums();
}

void MemoryListModel::applySumFields() { recomputeSums(); }

QList<ListModel::Key> MemoryListModel::listedKeys(const QSet<Key> &keys) const
{
    QList<Key> out;
    for (int r : m_view)
        if (keys.contains(m_rows.at(r).key))
            out << m_rows.at(r).key;
    return out;
}

QList<ListModel::Key> MemoryListModel::keysOfRows(int from, int to) const
{
    QList<Key> out;
    for (int r = qMax(0, from); r <= to && r < m_view.size(); ++r)
        out << m_rows.at(m_view.at(r)).key;
    return out;
}
