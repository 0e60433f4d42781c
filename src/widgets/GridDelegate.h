#pragma once

#include <QStyledItemDelegate>

class DataGrid;

// Draws a row as selected when the list model has it selected or current.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridDelegate(DataGrid *grid);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    DataGrid *m_grid;
};
