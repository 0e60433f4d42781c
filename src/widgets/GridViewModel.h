#pragma once

#include "widgets/GridColumn.h"
#include "widgets/ListModel.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPointer>

#include <functional>
#include <optional>

// Colours of one row, from a grid's row-style hook.
struct RowStyle
{
    QColor text;
    QColor background;
};

using RowStyleHook = std::function<std::optional<RowStyle>(const ListModel &list, int row)>;
using DisplayHook = std::function<QString(const QVariant &value)>;

// A cell's text: dates blank below "1901-08-14", booleans shown by their check
// box, everything else through the column's display format.
QString gridCellText(const QVariant &value, FieldKind kind, const QString &displayFormat);

// The grid's columns over a list model's fields: one view column per grid
// column, empty cells for a field the list does not have.
class GridViewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridViewModel(QObject *parent = nullptr);

    void setList(ListModel *list);
    ListModel *list() const { return m_list; }

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    GridColumn &column(int i) { return m_columns[i]; }
    int fieldOf(int column) const { return m_fieldOf.value(column, -1); }  // -1: not in the list
    Qt::Alignment alignmentOf(int column) const;  // horizontal, the field's default resolved

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    bool isCellEditable(const QModelIndex &index) const;

    void setDisplayHook(const QString &field, DisplayHook hook);
    void setRowStyleHook(RowStyleHook hook) { m_rowStyle = std::move(hook); }
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void mapFields();

    QPointer<ListModel> m_list;
    QList<QMetaObject::Connection> m_connections;
    QList<GridColumn> m_columns;
    QList<int> m_fieldOf;
    QHash<QString, DisplayHook> m_hooks;  // lower-case field name
    RowStyleHook m_rowStyle;
    bool m_readOnly = true;
};
