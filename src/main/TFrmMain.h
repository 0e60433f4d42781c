#pragma once

#include "main/MainActionList.h"

#include <QMainWindow>

class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

// The main window: menus, tool bar, status bar and the working areas of the
// record list, dispatch panel and courier list. Every command is an action of
// ActionList1 and runs only with its right.
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

    // Applies the current operator's rights to the actions and menus.
    void SetLimits();
    // Re-login: through the tool button the record list is rebuilt for the new
    // operator's scope, through the menu entry it is not.
    void ToolButton1Click();
    void N43Click();

    // Hook for the record list: rebuilds it (set by the record list when it exists).
    std::function<void()> RefreshRecordList;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void bindFrameCommands();
    QMenu *addMenu(const QString &name, const QString &title, const QStringList &items);

    QTimer *Timer1;
};

extern TFrmMain *FrmMain;
