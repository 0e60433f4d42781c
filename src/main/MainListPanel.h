#pragma once

#include "core/SqlStatement.h"
#include "main/RecordListQuery.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTreeWidget;

// The left column of the main window (pList): the item list and the region tree
// on two pages, and the dispatch-state radio group.
class MainListPanel : public QWidget
{
    Q_OBJECT
public:
    explicit MainListPanel(QWidget *parent = nullptr);

    QTabWidget *rpcZClist;
    QTableWidget *vleList;
    QComboBox *cbbListType;
    QPushButton *Button1;
    QTreeWidget *tvTree;
    QGroupBox *rgUseFlag;

    // Refills the item list from a one-column statement (column F_name); "全部"
    // becomes current and `refresh` rebuilds the record list before the values
    // are added.
    void FillItemList(const SqlStatement &statement, int listType, const std::function<void()> &refresh);
    // The region tree: the root, each province with its cities.
    void BuildRegionTree();

    int listType() const { return m_listType; }
    int dispatchState() const;  // 0 not dispatched, 1 dispatched, 2 all
    void setDispatchState(int index);
    // The item list's and the tree's part of the record list's filter.
    void fillFilter(RecordListQuery::Filter &f) const;

signals:
    void itemListClicked();
    void treeClicked();
    void listTypeRebuildRequested();  // list type changed or "刷新列表"
    void dispatchStateClicked();

private:
    QButtonGroup *m_useFlag;
    int m_listType = 1;
    bool m_fillingItems = false;
};
