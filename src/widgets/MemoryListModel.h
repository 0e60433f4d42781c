#pragma once

#include "widgets/ListModel.h"

#include <QVector>

// A small list held in memory: dictionaries, the import preview, lists a form
// fills itself. Editable when asked; sorting and filtering happen in memory.
class MemoryListModel : public ListModel
{
    Q_OBJECT
public:
    explicit MemoryListModel(QObject *parent = nullptr);

    // Fields without a kind are text.
    void setColumns(const QStringList &names, const QList<FieldKind> &kinds = {});
    void setRows(const QList<QVariantList> &rows);
    // Reads a whole statement (its fields and rows); false after the message of a
    // failed open.
    bool load(const QString &sql, const QVariantList &values = {});
    void clear() { setRows({}); }

    int appendRow(const QVariantList &values = {});  // the new row, at the end of the list
    bool removeRows(const QList<Key> &keys);
    // The listed rows in list order.
    QList<QVariantList> rows() const;

    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const override { return m_editable; }
    bool hasStableKeys() const override { return true; }
    bool setValue(int row, int field, const QVariant &value) override;

    int rowCount(const QModelIndex &parent = {}) const override;
    using ListModel::value;
    QVariant value(int row, int field) const override;
    int rowOfKey(Key key) const override;
    int findPrefix(int field, const QString &text) const override;

protected:
    void applySort() override;
    void applyFilter() override;
    void applySumFields() override;
    QList<Key> listedKeys(const QSet<Key> &keys) const override;
    QList<Key> keysOfRows(int from, int to) const override;
    Key rowKey(int row) const override;

private:
    struct Row
    {
        Key key;
        QVector<QVariant> values;
    };

    Key keyFor(const QVector<QVariant> &values);
    void rebuildView();  // filter and order of m_rows into m_view
    void recomputeSums();

    QList<Row> m_rows;
    QList<int> m_view;  // listed rows: indexes into m_rows
    Key m_nextKey = 1;
    bool m_editable = false;
};
