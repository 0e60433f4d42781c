#include "widgets/GridFooter.h"

#include "widgets/DataGrid.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(DataGrid *grid) : QWidget(grid), m_grid(grid) {}

int GridFooter::rowHeight() const { return fontMetrics().height() + 8; }

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    const QHeaderView *h = m_grid->horizontalHeader();
    const QColor line = pal.color(QPalette::Mid);
    p.setPen(line);
    p.drawLine(0, 0, width(), 0);
    for (int v = 0; v < h->count(); ++v) {
        const int col = h->logicalIndex(v);
        if (h->isSectionHidden(col))
            continue;
        const QRect cell(h->sectionViewportPosition(col), 0, h->sectionSize(col), height());
        if (cell.right() < 0 || cell.left() > width())
            continue;
        p.setPen(line);
        p.drawLine(cell.right(), 0, cell.right(), height());
        const QString text = m_grid->footerText(col);
        if (text.isEmpty())
            continue;
        p.setPen(pal.color(QPalette::ButtonText));
        const QRect inner = cell.adjusted(3, 1, -4, 0);
        const Qt::Alignment a = m_grid->columnAlignment(col) | Qt::AlignVCenter;
        p.drawText(inner, int(a), fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
    }
}
