#include "widgets/ListModel.h"

#include "core/Schema.h"

#include <QSqlField>
#include <QSqlRecord>

namespace {

bool isDateColumn(const QString &name)
{
    for (const TableDef &t : Schema::tables())
        if (const ColumnDef *c = t.column(name); c && c->type == ColumnType::DateTime)
            return true;
    return false;
}

FieldKind kindOf(const QSqlField &f)
{
    switch (f.metaType().id()) {
    case QMetaType::Bool:
        return FieldKind::Bool;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldKind::Number;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return FieldKind::Date;
    default:
        return isDateColumn(f.name()) ? FieldKind::Date : FieldKind::Text;
    }
}

} // namespace

void describeFields(const QSqlRecord &record, QStringList *names, QList<FieldKind> *kinds)
{
    for (int i = 0; i < record.count(); ++i) {
        *names << record.fieldName(i);
        *kinds << kindOf(record.field(i));
    }
}

ListModel::ListModel(QObject *parent) : QAbstractTableModel(parent) {}

int ListModel::fieldIndex(const QString &name) const { return m_index.value(name.toLower(), -1); }

QVariant ListModel::value(int row, const QString &field) const
{
    const int f = fieldIndex(field);
    return f < 0 ? QVariant() : value(row, f);
}

ListModel::Key ListModel::keyAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return rowKey(row);
}

void ListModel::setCurrentRow(int row)
{
    const int n = rowCount();
    row = n == 0 ? -1 : qBound(0, row, n - 1);
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

ListModel::Key ListModel::currentKey() const { return keyAt(m_currentRow); }

QVariant ListModel::current(const QString &field) const
{
    return m_currentRow < 0 ? QVariant() : value(m_currentRow, field);
}

QVariantMap ListModel::currentRecord() const
{
    QVariantMap out;
    if (m_currentRow < 0)
        return out;
    for (int f = 0; f < fieldCount(); ++f)
        out.insert(m_fields.at(f), value(m_currentRow, f));
    return out;
}

bool ListModel::locate(Key key)
{
    const int row = rowOfKey(key);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

bool ListModel::isSelected(int row) const
{
    return !m_selected.isEmpty() && m_selected.contains(keyAt(row));
}

void ListModel::setSelected(int row, bool selected)
{
    const Key k = keyAt(row);
    if (k < 0 || m_selected.contains(k) == selected)
        return;
    if (selected)
        m_selected.insert(k);
    else
        m_selected.remove(k);
    emit selectionChanged();
}

void ListModel::toggleSelected(int row) { setSelected(row, !isSelected(row)); }

void ListModel::selectRange(int from, int to)
{
    if (rowCount() == 0)
        return;
    if (from > to)
        std::swap(from, to);
    from = qMax(0, from);
    to = qMin(rowCount() - 1, to);
    const QList<Key> keys = keysOfRows(from, to);
    m_selected.unite(QSet<Key>(keys.begin(), keys.end()));
    emit selectionChanged();
}

void ListModel::selectAll() { selectRange(0, rowCount() - 1); }

void ListModel::clearSelection()
{
    if (m_selected.isEmpty())
        return;
    m_selected.clear();
    emit selectionChanged();
}

QList<ListModel::Key> ListModel::selectedKeys() const
{
    if (m_selected.isEmpty())
        return {};
    return listedKeys(m_selected);
}

QList<SortTerm> ListModel::validSort(const QList<SortTerm> &terms, bool *ok) const
{
    QList<SortTerm> out;
    *ok = true;
    for (const SortTerm &t : terms) {
        const int f = fieldIndex(t.field);
        if (f < 0) {
            *ok = false;
            continue;
        }
        out << SortTerm{m_fields.at(f), t.ascending};
    }
    return out;
}

QList<QPair<QString, QVariant>> ListModel::validFilter(const QList<QPair<QString, QVariant>> &f, bool *ok) const
{
    QList<QPair<QString, QVariant>> out;
    *ok = true;
    for (const auto &c : f) {
        const int i = fieldIndex(c.first);
        if (i < 0) {
            *ok = false;
            continue;
        }
        out << qMakePair(m_fields.at(i), c.second);
    }
    return out;
}

QStringList ListModel::validSumFields() const
{
    QStringList out;
    for (const QString &s : m_sumFields) {
        const int f = fieldIndex(s);
        if (f >= 0 && !out.contains(m_fields.at(f)))
            out << m_fields.at(f);
    }
    return out;
}

bool ListModel::setSort(const QList<SortTerm> &terms)
{
    bool ok = true;
    const QList<SortTerm> valid = validSort(terms, &ok);
    if (!ok)
        return false;
    const Key cur = currentKey();
    m_sort = valid;
    applySort();
    restoreCurrentAndSelection(cur);
    return true;
}

bool ListModel::setSortText(const QString &text)
{
    QList<SortTerm> terms;
    return SortText::parse(text, &terms) && setSort(terms);
}

bool ListModel::setFilter(const QList<QPair<QString, QVariant>> &equalities)
{
    bool ok = true;
    if (fieldCount() > 0)
        validFilter(equalities, &ok);
    const Key cur = currentKey();
    m_filter = equalities;
    applyFilter();
    restoreCurrentAndSelection(cur);
    return ok;
}

bool ListModel::setFilter(const QString &field, const QVariant &value)
{
    if (field.isEmpty())
        return setFilter(QList<QPair<QString, QVariant>>{});
    return setFilter(QList<QPair<QString, QVariant>>{qMakePair(field, value)});
}

void ListModel::setSumFields(const QStringList &fields)
{
    if (fields == m_sumFields)
        return;
    m_sumFields = fields;
    applySumFields();
}

QVariant ListModel::sum(const QString &field) const { return m_sums.value(field.toLower()); }

void ListModel::setSums(const QHash<QString, QVariant> &sums)
{
    m_sums.clear();
    for (auto it = sums.begin(); it != sums.end(); ++it)
        m_sums.insert(it.key().toLower(), it.value());
    emit sumsChanged();
}

bool ListModel::setValue(int, int, const QVariant &) { return false; }

int ListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : fieldCount(); }

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return value(index.row(), index.column());
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return fieldName(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ListModel::setFields(const QStringList &names, const QList<FieldKind> &kinds)
{
    m_fields = names;
    m_kinds = kinds;
    m_index.clear();
    for (int i = names.size() - 1; i >= 0; --i)  // the first of equal names wins
        m_index.insert(names.at(i).toLower(), i);
    m_keyField = fieldIndex(QStringLiteral("F_ID"));
}

void ListModel::clearFields() { setFields({}, {}); }

void ListModel::restoreCurrentAndSelection(Key key)
{
    if (!m_selected.isEmpty()) {
        if (hasStableKeys()) {
            const QList<Key> listed = listedKeys(m_selected);
            m_selected = QSet<Key>(listed.begin(), listed.end());
        } else {
            m_selected.clear();
        }
        emit selectionChanged();
    }
    int row = key >= 0 ? rowOfKey(key) : -1;
    if (row < 0)
        row = rowCount() > 0 ? 0 : -1;
    m_currentRow = -2;  // always announce: the rows changed under the current record
    setCurrentRow(row);
}
