#pragma once

#include <QWidget>

class DataGrid;

// The footer row under a grid's rows, its cells lined up with the columns.
class GridFooter : public QWidget
{
    Q_OBJECT
public:
    explicit GridFooter(DataGrid *grid);
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DataGrid *m_grid;
};
