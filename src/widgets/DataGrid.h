#pragma once

#include "widgets/GridColumn.h"
#include "widgets/GridViewModel.h"
#include "widgets/ListModel.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTableView>

class GridFooter;
class GridHeader;
#include <QMenu>

// The one data grid of the program's lists. It shows a ListModel (SqlListModel
// for lists from the database, MemoryListModel for small, editable lists)
// through columns that say which field each shows and how. Rows are selected
// whole: a click makes a row current and clears the selection, Ctrl+click adds
// or removes a row, Shift+click selects a range; the selection and the current
// record live in the list model, by key. One footer row under the rows shows a
// sum or a fixed text per column. Column numbers are the grid's own (they do not
// change when the user drags a column elsewhere); columns() lists them in the
// order they are shown.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    void setListModel(ListModel *list);
    ListModel *listModel() const { return m_view->list(); }

    void setColumns(const QList<GridColumn> &columns);
    // The columns in the order shown, with their current widths and visibility.
    QList<GridColumn> columns() const;
    QList<int> columnOrder() const;  // the grid's column numbers in the order shown
    int gridColumnCount() const { return int(m_view->columns().size()); }
    GridColumn column(int column) const { return m_view->columns().value(column); }
    void setColumn(int column, const GridColumn &c);
    int columnOfField(const QString &field) const;  // -1 when no column shows it
    void setGridColumnVisible(int column, bool visible);
    Qt::Alignment columnAlignment(int column) const { return m_view->alignmentOf(column); }

    SortMarker sortMarker(int column) const;
    void setSortMarker(int column, SortMarker marker);
    void clearSortMarkers();

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_view->isReadOnly(); }

    void setFooterVisible(bool visible);
    bool isFooterVisible() const { return m_footerVisible; }
    QString footerText(int column) const;

    // Text of a field's cells instead of the usual rule (the main list's record date).
    void setDisplayHook(const QString &field, DisplayHook hook) { m_view->setDisplayHook(field, std::move(hook)); }
    void setRowStyleHook(RowStyleHook hook);
    // Red text on the button-face colour for rows whose field is true.
    static RowStyleHook redWhenTrue(const QString &field);

    QString cellText(int row, int column) const { return m_view->cellText(row, column); }
    void setPopupMenu(QMenu *menu) { m_popup = menu; }

    // Typing in the grid: finds the first row whose current column starts with
    // what was typed within the last moments.
    void keyboardSearch(const QString &text) override;
    QString searchText() const { return m_search; }

signals:
    void titleClicked(int column);
    void rowDoubleClicked(int row);
    void contextMenuRequested(const QPoint &globalPos, int column);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    friend class GridFooter;
    void applyColumnGeometry();
    void showCurrentRow(int row);
    void updateSumFields();
    int searchColumn() const;

    GridViewModel *m_view;
    GridHeader *m_header;
    GridFooter *m_footer;
    QPointer<QMenu> m_popup;
    QMetaObject::Connection m_listConn[3];
    bool m_footerVisible = true;
    bool m_syncing = false;
    bool m_inGeometry = false;
    int m_anchor = -1;
    QString m_search;
    int m_searchColumn = -1;
    QElapsedTimer m_searchTimer;
};
