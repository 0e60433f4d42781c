#pragma once

#include "widgets/SortText.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class QSqlRecord;

// How a field's values are shown.
enum class FieldKind { Text, Number, Date, Bool };

// The names and kinds of a result's fields. SQLite keeps dates as text; the
// schema says which columns are dates.
void describeFields(const QSqlRecord &record, QStringList *names, QList<FieldKind> *kinds);

// The rows a DataGrid shows: the fields of a result (the model's columns) and
// its rows, with a current record and a selection kept by key, so that both
// survive scrolling, sorting and re-filtering. The key is the field F_ID when
// the result has one, else the row's position. Two kinds: SqlListModel reads a
// statement in windows, MemoryListModel holds small, editable lists.
class ListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Key = qint64;

    explicit ListModel(QObject *parent = nullptr);

    // Fields, looked up without regard to letter case.
    int fieldCount() const { return int(m_fields.size()); }
    QString fieldName(int field) const { return m_fields.value(field); }
    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString &name) const;  // -1 when the result has no such field
    FieldKind fieldKind(int field) const { return m_kinds.value(field, FieldKind::Text); }
    bool hasKeyField() const { return m_keyField >= 0; }
    // Whether keys stay with their rows through sorting and filtering.
    virtual bool hasStableKeys() const { return hasKeyField(); }
    int keyField() const { return m_keyField; }

    // Values; reading a row the model has not fetched yet fetches it.
    virtual QVariant value(int row, int field) const = 0;
    QVariant value(int row, const QString &field) const;
    Key keyAt(int row) const;
    // The row that holds the key in the list as it is ordered and filtered now; -1 when none.
    virtual int rowOfKey(Key key) const = 0;

    // The current record.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);  // clamped; -1 only for an empty list
    Key currentKey() const;
    QVariant current(const QString &field) const;
    QVariantMap currentRecord() const;  // field name -> value
    // Makes the row with this key current; false (nothing changes) when it is not listed.
    bool locate(Key key);
    bool isEmpty() const { return rowCount() == 0; }

    // Selection of whole rows by key.
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);
    void toggleSelected(int row);
    void selectRange(int from, int to);  // both ends included, added to the selection
    void selectAll();
    void clearSelection();
    int selectedCount() const { return int(m_selected.size()); }
    // The selected keys that are listed now, in list order.
    QList<Key> selectedKeys() const;

    // The order of the rows: fields checked against the result's fields. An
    // empty list returns to the statement's own order. False when a field is
    // unknown (the order then stays as it was).
    bool setSort(const QList<SortTerm> &terms);
    bool setSortText(const QString &text);  // "f_sheng ASC,f_code DESC,"
    QList<SortTerm> sort() const { return m_sort; }
    // Rows whose fields equal the values; an empty list lets every row through.
    // False when a field is unknown (that condition is left out).
    bool setFilter(const QList<QPair<QString, QVariant>> &equalities);
    bool setFilter(const QString &field, const QVariant &value);
    void clearFilter() { setFilter(QList<QPair<QString, QVariant>>{}); }
    QList<QPair<QString, QVariant>> filter() const { return m_filter; }

    // Footer sums of the listed rows; invalid for a field that is not summed.
    void setSumFields(const QStringList &fields);
    QStringList sumFields() const { return m_sumFields; }
    QVariant sum(const QString &field) const;
    // True while sums of a long list are still being added up (sumsChanged follows).
    virtual bool sumsPending() const { return false; }

    // The first row, in list order, whose field shown as text starts with text
    // (letter case ignored); -1 when none.
    virtual int findPrefix(int field, const QString &text) const = 0;

    virtual bool isEditable() const { return false; }
    virtual bool setValue(int row, int field, const QVariant &value);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void currentRowChanged(int row);
    void selectionChanged();
    void sumsChanged();

protected:
    void setFields(const QStringList &names, const QList<FieldKind> &kinds);
    void clearFields();
    // Subclasses: re-read for the order and filter now set (sort and filter
    // already checked against the fields).
    virtual void applySort() = 0;
    virtual void applyFilter() = 0;
    virtual void applySumFields() = 0;
    // The listed keys among `keys`, in list order.
    virtual QList<Key> listedKeys(const QSet<Key> &keys) const = 0;
    virtual QList<Key> keysOfRows(int from, int to) const = 0;
    virtual Key rowKey(int row) const = 0;

    // After a reset: the current record moves back to its key (or the first row)
    // and the selection keeps the keys still listed.
    void restoreCurrentAndSelection(Key currentKey);
    void setSums(const QHash<QString, QVariant> &sums);
    QList<SortTerm> validSort(const QList<SortTerm> &terms, bool *ok) const;
    QList<QPair<QString, QVariant>> validFilter(const QList<QPair<QString, QVariant>> &f, bool *ok) const;
    QStringList validSumFields() const;

    QList<SortTerm> m_sort;
    QList<QPair<QString, QVariant>> m_filter;
    QStringList m_sumFields;

private:
    QStringList m_fields;
    QList<FieldKind> m_kinds;
    QHash<QString, int> m_index;  // lower-case name -> field
    int m_keyField = -1;
    int m_currentRow = -1;
    QSet<Key> m_selected;
    QHash<QString, QVariant> m_sums;  // lower-case field name -> sum
};
