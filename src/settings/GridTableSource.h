#pragma once

#include "report/TableSource.h"

class DataGrid;

// A DataGrid as a table for the grid printer and spreadsheet export: its columns
// in the order shown, its rows in list order.
class GridTableSource : public TableSource
{
public:
    explicit GridTableSource(DataGrid *grid) : m_grid(grid) {}

    int columnCount() override;
    TableColumn column(int c) override;
    int rowCount() override;
    QVariant value(int row, int c) override;
    bool hasFooter() override;

private:
    DataGrid *m_grid;
};
