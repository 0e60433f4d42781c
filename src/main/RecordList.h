#pragma once

#include "core/SqlStatement.h"
#include "records/RecordListHost.h"

#include <QObject>

#include <functional>

class DataGrid;
class QLabel;
class QWidget;
class SqlListModel;
struct GridColumn;

// The record list of the main window: the query QryMain over t_client shown by
// the grid DBGridEh1, the dispatch-state filter, title sorting and the count
// label. Filtering, counting, sums and sorting run in SQL.
class RecordList : public QObject, public RecordListHost
{
    Q_OBJECT
public:
    explicit RecordList(QWidget *owner);

    DataGrid *DBGridEh1;
    SqlListModel *QryMain;
    QLabel *lblCLTnum;

    // The columns the grid shows while the layout "WBXmain" has no rows.
    static QList<GridColumn> builtInColumns();

    // Opens a statement; the dispatch-state filter stays applied.
    bool open(const SqlStatement &statement);
    // 0 not dispatched, 1 dispatched, 2 all; re-filters the open list and recounts.
    void setDispatchState(int index);
    void writeCount();
    // A title click: ascending from none or descending, else descending; memo
    // columns change only their marker.
    void titleClicked(int column);
    // The sort dialog's text ("f_sheng ASC,f_code DESC,"); empty returns to the
    // statement's order.
    void applySortText(const QString &text);

    std::function<void(const QString &)> statusWriter;  // status bar panel 2

    // RecordListHost
    int currentRecordId() const override;
    int recordCount() const override;
    bool moveCurrent(Move move) override;
    bool atFirst() const override;
    bool atLast() const override;
    void reopenOn(int recordId) override;
    void showStatus(const QString &text) override;

private:
    static QList<QPair<QString, QVariant>> dispatchStateFilter(int index);
};
