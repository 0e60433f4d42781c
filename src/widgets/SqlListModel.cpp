#include "widgets/SqlListModel.h"

#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/Messages.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

#include <algorithm>

namespace {

// Statements with more keys than this read the list's keys instead of one
// "in" list.
constexpr int kMaxInList = 500;

bool runQuery(QSqlQuery &q, const BoundSql &s)
{
    q.setForwardOnly(true);
    return dmData().run(q, s.text, s.values);
}

} // namespace

SqlListModel::SqlListModel(QObject *parent) : ListModel(parent) {}

bool SqlListModel::open(const QString &sql, const QVariantList &values)
{
    beginResetModel();
    m_sql = sql;
    m_values = values;
    m_stmt.setBase(sql, values);
    m_stmt.setNullsSmallest(!dmData().dialect().isPostgres());
    m_sort.clear();
    m_cache.clear();
    m_fetchFailed = false;
    m_rows = 0;
    m_open = describe();
    if (m_open) {
        prepareStatement();
        m_open = count();
    }
    if (!m_open) {
        clearFields();
        m_rows = 0;
    }
    endResetModel();
    if (!m_open)
        ShowMess(Msg::OpenFailed, MessError);
    clearSelection();
    restoreCurrentAndSelection(-1);
    if (m_rows > 0)
        rowAt(0);
    return m_open;
}

bool SqlListModel::refresh()
{
    if (!m_open)
        return false;
    const Key cur = currentKey();
    beginResetModel();
    m_cache.clear();
    m_fetchFailed = false;
    const bool ok = count();
    if (!ok)
        m_rows = 0;
    endResetModel();
    if (!ok)
        ShowMess(Msg::OpenFailed, MessError);
    restoreCurrentAndSelection(cur);
    return ok;
}

void SqlListModel::close()
{
    cancelSums();
    beginResetModel();
    m_open = false;
    m_rows = 0;
    m_cache.clear();
    clearFields();
    endResetModel();
    clearSelection();
    setCurrentRow(-1);
}

bool SqlListModel::describe()
{
    QSqlQuery q(dmData().db());
    if (!runQuery(q, m_stmt.describe()))
        return false;
    const QSqlRecord rec = q.record();
    QStringList names;
    QList<FieldKind> kinds;
    describeFields(rec, &names, &kinds);
    setFields(names, kinds);
    for (const SortTerm &t : m_stmt.baseOrder())
        if (fieldIndex(t.field) < 0) {
            m_stmt.keepBaseOrderInside();
            break;
        }
    return true;
}

void SqlListModel::prepareStatement()
{
    bool ok = true;
    m_stmt.setFilter(validFilter(m_filter, &ok));
    QList<SortTerm> order = m_sort.isEmpty() ? validSort(m_stmt.baseOrder(), &ok) : m_sort;
    m_stmt.setOrder(order, hasKeyField() ? fieldName(keyField()) : QString());
}

bool SqlListModel::count()
{
    cancelSums();
    const QStringList sums = validSumFields();
    QSqlQuery q(dmData().db());
    if (!hasKeyField() || sums.isEmpty()) {
        if (!runQuery(q, m_stmt.aggregate(sums)) || !q.next())
            return false;
        m_rows = int(q.value(0).toLongLong());
        QHash<QString, QVariant> values;
        for (int i = 0; i < sums.size(); ++i) {
            const QVariant v = q.value(i + 1);
            values.insert(sums.at(i), v.isNull() ? QVariant(0.0) : v);
        }
        setSums(values);
        return true;
    }
    if (!runQuery(q, m_stmt.aggregate({})) || !q.next())
        return false;
    m_rows = int(q.value(0).toLongLong());
    if (m_rows <= m_syncSumRows) {
        QSqlQuery s(dmData().db());
        if (!runQuery(s, m_stmt.aggregate(sums)) || !s.next())
            return false;
        QHash<QString, QVariant> values;
        for (int i = 0; i < sums.size(); ++i)
            values.insert(sums.at(i), s.value(i + 1).isNull() ? QVariant(0.0) : s.value(i + 1));
        setSums(values);
        return true;
    }
    m_summing = sums;
    m_partial = QList<double>(sums.size(), 0.0);
    m_sumAfter = QVariant();
    m_sumsPending = true;
    setSums({});
    const quint64 job = m_sumJob;
    QTimer::singleShot(0, this, [this, job] { sumSlice(job); });
    return true;
}

void SqlListModel::setSumSlices(int listRows, int rowsPerSlice)
{
    m_syncSumRows = qMax(0, listRows);
    m_sumSlice = qMax(1, rowsPerSlice);
}

void SqlListModel::cancelSums()
{
    ++m_sumJob;
    m_sumsPending = false;
}

void SqlListModel::sumSlice(quint64 job)
{
    if (job != m_sumJob || !m_sumsPending)
        return;
    QSqlQuery q(dmData().db());
    if (!runQuery(q, m_stmt.sumsAfterKey(m_summing, fieldName(keyField()), m_sumAfter, m_sumSlice)) || !q.next()) {
        cancelSums();
        ShowMess(Msg::OperationFailed, MessError);
        return;
    }
    const qint64 rows = q.value(0).toLongLong();
    for (int i = 0; i < m_summing.size(); ++i)
        m_partial[i] += q.value(i + 2).toDouble();
    if (rows >= m_sumSlice) {
        m_sumAfter = q.value(1);
        QTimer::singleShot(0, this, [this, job] { sumSlice(job); });
        return;
    }
    m_sumsPending = false;
    QHash<QString, QVariant> values;
    for (int i = 0; i < m_summing.size(); ++i)
        values.insert(m_summing.at(i), m_partial.at(i));
    setSums(values);
}

void SqlListModel::finishSums()
{
    const quint64 job = m_sumJob;
    while (m_sumsPending && job == m_sumJob)
        sumSlice(job);  // a slice that has more to do also queues itself; that one finds nothing left
}

int SqlListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

const SqlListModel::Row *SqlListModel::rowAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return nullptr;
    const int w = row / m_windowSize;
    auto it = m_cache.find(w);
    if (it == m_cache.end()) {
        if (!fetchWindow(w))
            return nullptr;
        it = m_cache.find(w);
    }
    it->used = ++m_tick;
    const int i = row - w * m_windowSize;
    return i < it->rows.size() ? &it->rows.at(i) : nullptr;
}

bool SqlListModel::fetchWindow(int window) const
{
    while (m_cache.size() >= m_maxWindows) {
        auto oldest = m_cache.begin();
        for (auto it = m_cache.begin(); it != m_cache.end(); ++it)
            if (it->used < oldest->used)
                oldest = it;
        m_cache.erase(oldest);
    }
    ++m_fetches;
    QSqlQuery q(dmData().db());
    Window w;
    if (!runQuery(q, m_stmt.window(window * m_windowSize, m_windowSize))) {
        // Rows that cannot be read show empty; say so once, not at every paint.
        if (!m_fetchFailed) {
            m_fetchFailed = true;
            ShowMess(Msg::OperationFailed, MessError);
        }
    } else {
        const int n = fieldCount();
        while (q.next()) {
            Row r(n);
            for (int i = 0; i < n; ++i)
                r[i] = q.value(i);
            w.rows << r;
        }
    }
    m_cache.insert(window, w);
    return true;
}

QVariant SqlListModel::value(int row, int field) const
{
    const Row *r = rowAt(row);
    return r ? r->value(field) : QVariant();
}

ListModel::Key SqlListModel::rowKey(int row) const
{
    if (!hasKeyField())
        return row;
    const Row *r = rowAt(row);
    return r ? r->value(keyField()).toLongLong() : -1;
}

int SqlListModel::rowOfKey(Key key) const
{
    if (!hasKeyField())
        return key >= 0 && key < m_rows ? int(key) : -1;
    if (!m_open || m_rows == 0)
        return -1;
    const int kf = keyField();
    for (auto it = m_cache.cbegin(); it != m_cache.cend(); ++it)
        for (int i = 0; i < it->rows.size(); ++i)
            if (it->rows.at(i).value(kf).toLongLong() == key)
                return it.key() * m_windowSize + i;
    if (m_stmt.order().isEmpty()) {
        // Only the statement knows its order: look through the rows.
        for (int r = 0; r < m_rows; ++r)
            if (rowKey(r) == key)
                return r;
        return -1;
    }
    QSqlQuery q(dmData().db());
    if (!runQuery(q, m_stmt.orderValuesOf(fieldName(kf), key)) || !q.next())
        return -1;
    QVariantList values;
    for (int i = 0; i < m_stmt.order().size(); ++i)
        values << q.value(i);
    QSqlQuery c(dmData().db());
    if (!runQuery(c, m_stmt.countBefore(values)) || !c.next())
        return -1;
    return int(c.value(0).toLongLong());
}

int SqlListModel::findPrefix(int field, const QString &text) const
{
    if (text.isEmpty() || field < 0 || field >= fieldCount() || m_rows == 0)
        return -1;
    if (!hasKeyField()) {
        for (int r = 0; r < m_rows; ++r) {
            const QVariant v = value(r, field);
            const QString s = fieldKind(field) == FieldKind::Date ? Dates::fromValue(v) : v.toString();
            if (s.startsWith(text, Qt::CaseInsensitive))
                return r;
        }
        return -1;
    }
    const SqlDialect &d = dmData().dialect();
    QSqlQuery q(dmData().db());
    const BoundSql s = m_stmt.firstWithPrefix(fieldName(keyField()), d.asText(fieldName(field)),
                                              d.isPostgres() ? QStringLiteral("ilike") : QStringLiteral("like"), text);
    if (!runQuery(q, s) || !q.next())
        return -1;
    return rowOfKey(q.value(0).toLongLong());
}

void SqlListModel::applySort()
{
    if (!m_open)
        return;
    beginResetModel();
    prepareStatement();
    m_cache.clear();
    endResetModel();
}

void SqlListModel::applyFilter()
{
    if (!m_open)
        return;
    beginResetModel();
    prepareStatement();
    m_cache.clear();
    const bool ok = count();
    if (!ok)
        m_rows = 0;
    endResetModel();
    if (!ok)
        ShowMess(Msg::OpenFailed, MessError);
}

void SqlListModel::applySumFields()
{
    if (m_open && !count())
        ShowMess(Msg::OperationFailed, MessError);
}

QList<ListModel::Key> SqlListModel::listedKeys(const QSet<Key> &keys) const
{
    QList<Key> out;
    if (!m_open || keys.isEmpty())
        return out;
    if (!hasKeyField()) {
        for (Key k : keys)
            if (k >= 0 && k < m_rows)
                out << k;
        std::sort(out.begin(), out.end());
        return out;
    }
    const QString kf = fieldName(keyField());
    QSqlQuery q(dmData().db());
    const bool few = keys.size() <= kMaxInList;
    const BoundSql s = few ? m_stmt.keysInOrder(kf, QList<Key>(keys.begin(), keys.end())) : m_stmt.allKeys(kf);
    if (!runQuery(q, s))
        return out;
    while (q.next()) {
        const Key k = q.value(0).toLongLong();
        if (few || keys.contains(k))
            out << k;
    }
    return out;
}

QList<ListModel::Key> SqlListModel::keysOfRows(int from, int to) const
{
    QList<Key> out;
    if (!m_open || to < from)
        return out;
    if (!hasKeyField()) {
        for (int r = from; r <= to; ++r)
            out << r;
        return out;
    }
    QSqlQuery q(dmData().db());
    if (!runQuery(q, m_stmt.keyWindow(fieldName(keyField()), from, to - from + 1)))
        return out;
    while (q.next())
        out << q.value(0).toLongLong();
    return out;
}
