#pragma once

#include <QHeaderView>

class DataGrid;

// Column titles with a sort marker per column (several may show at once).
class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit GridHeader(DataGrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    DataGrid *m_grid;
};
