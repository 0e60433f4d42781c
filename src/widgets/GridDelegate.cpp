#include "widgets/GridDelegate.h"

#include "widgets/DataGrid.h"

GridDelegate::GridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const ListModel *list = m_grid->listModel();
    const bool selected = list && (index.row() == list->currentRow() || list->isSelected(index.row()));
    option->state.setFlag(QStyle::State_Selected, selected);
}
