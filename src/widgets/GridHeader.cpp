#include "widgets/GridHeader.h"

#include "widgets/DataGrid.h"

#include <QPainter>
#include <QPolygon>

GridHeader::GridHeader(DataGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignCenter);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    // The base leaves the painter changed (nothing drawn after it shows).
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const SortMarker m = m_grid->sortMarker(logicalIndex);
    if (m == SortMarker::None || rect.width() < 16)
        return;
    // A small triangle at the right end: up for ascending, down for descending.
    const int s = 4;
    const QPoint c(rect.right() - 8, rect.center().y());
    QPolygon tri;
    if (m == SortMarker::Ascending)
        tri << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x() + s, c.y() + s / 2) << QPoint(c.x(), c.y() - s / 2 - 1);
    else
        tri << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x() + s, c.y() - s / 2) << QPoint(c.x(), c.y() + s / 2 + 1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::ButtonText));
    painter->drawPolygon(tri);
    painter->restore();
}
