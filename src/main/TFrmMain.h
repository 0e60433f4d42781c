#pragma once

#include "core/SqlStatement.h"
#include "main/MainActionList.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class CourierPanel;
class DispatchCommands;
class DataGrid;
class DispatchPanel;
class MainListPanel;
class MainSearchBar;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class RecordList;

// The main window: menus, tool bar, search bar, the item list and region tree,
// the record list, the dispatch panel, the courier list and the status bar.
// Every command is an action of ActionList1 and runs only with its right.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);
    ~TFrmMain() override;

    MainActionList *ActionList1;
    QMenu *mi100, *mi200, *mi300, *mi400, *mi500, *N9, *N45, *nFz;
    QMenu *PopupMenu1;
    QToolBar *ToolBar1;
    QAction *N43, *N5, *nshitu1, *nshitu2, *nshitu3, *nshitu4, *N24, *N25, *N27, *N7, *N3;
    QAction *ToolButton1, *ToolButton10, *ToolButton12, *tbHelp;
    MainSearchBar *Panel1;
    MainListPanel *pList;
    RecordList *records;
    DataGrid *DBGridEh1;
    DispatchPanel *Panel9;
    CourierPanel *pKDtype;
    QSplitter *sp1, *sp2;
    QLabel *StatusPanels[5];
    DispatchCommands *dispatch;

    // Applies the current operator's rights to the actions and menus.
    void SetLimits();
    // Rebuilds the record list from every filter control; ends the advanced-search mode.
    void RefreshRecordList();
    // Refills the item list for the list type chosen in cbbListType.
    void RebuildItemList();
    // Re-login: the tool button rebuilds the list for the new operator's scope,
    // the menu entry does not.
    void ToolButton1Click();
    void N43Click();

    // The advanced search dialog: the statement it made, nothing when cancelled.
    std::function<std::optional<SqlStatement>(QWidget *parent)> advancedSearch;

    // Status bar panel 2 (the record editor writes the record count there).
    void setStatusText(int panel, const QString &text);

    // Steps of the show handler that the courier and dispatch parts fill in.
    struct ShowHooks
    {
        std::function<void()> loadSender;            // the sender row of printed waybills
        std::function<void()> loadCouriers;          // courier list and its default entry
        std::function<void()> loadDispatchDefaults;  // the dispatch panel's defaults
    } showHooks;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    void createCentre();
    void createStatusBar();
    void bindFrameCommands();
    void bindRecordList();
    void bindGridCommands();
    QMenu *addMenu(const QString &name, const QString &title, const QStringList &items);
    void FormShow();
    void SpeedButton2Click(bool pressed);
    void toggleCourierColumn();
    void toggleItemColumn();
    void startTool(const QStringList &programs, const QString &what);
    void openHelp();
    void tickClock();

    QTimer *Timer1;
    bool m_shown = false;
    bool m_advanced = false;
};

extern TFrmMain *FrmMain;
