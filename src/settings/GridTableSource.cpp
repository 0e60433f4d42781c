#include "settings/GridTableSource.h"

#include "widgets/DataGrid.h"

int GridTableSource::columnCount()
{
    return int(m_grid->columns().size());
}

TableColumn GridTableSource::column(int c)
{
    const int g = m_grid->columnOrder().value(c, -1);
    const GridColumn col = m_grid->column(g);
    TableColumn t;
    t.title = col.title;
    t.field = col.field;
    t.displayFormat = col.displayFormat;
    t.alignment = m_grid->columnAlignment(g);
    t.width = col.width;
    t.visible = col.visible;
    t.footer = m_grid->footerText(g);
    return t;
}

int GridTableSource::rowCount()
{
    return m_grid->listModel() ? m_grid->listModel()->rowCount() : 0;
}

QVariant GridTableSource::value(int row, int c)
{
    const ListModel *list = m_grid->listModel();
    const int g = m_grid->columnOrder().value(c, -1);
    const int field = list ? list->fieldIndex(m_grid->column(g).field) : -1;
    return field >= 0 ? list->value(row, field) : QVariant();
}

bool GridTableSource::hasFooter()
{
    return m_grid->isFooterVisible();
}
