#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QVariantList>

class DataGrid;
class MemoryListModel;
class QAction;
class QLabel;
class QStatusBar;
class QTabBar;
class QToolBar;

// The code dictionary: the short lists of salesmen, goods names, senders and
// special symbols, one list per tab, edited in a grid. Edits stay in the grid
// until "保存" writes them as one batch; "取消" throws them away.
class TFrmCodeMan : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmCodeMan(QWidget *parent = nullptr);

    // The tabs' component names and captions; the type key of a tab is its name
    // without the first letter.
    static const QStringList &tabNames();
    static const QStringList &tabCaptions();

    QString currentKey() const { return m_key; }
    bool isBrowsing() const;

    void SetEditing(bool browse);
    void LoadType();
    void StampType();

    QToolBar *ToolBar1;
    QAction *tbNew;
    QAction *tbEdit;
    QAction *tbDel;
    QAction *tbSave;
    QAction *tbCancel;
    QAction *tbPrint;
    QAction *tbRefresh;
    QAction *tbExit;
    QTabBar *PageControl1;
    DataGrid *DBGridEh1;
    MemoryListModel *QryTable;
    QStatusBar *StatusBar1;

public Q_SLOTS:
    void FormShow();
    void PageControl1Change();
    void tbNewClick();
    void tbEditClick();
    void tbDelClick();
    void tbSaveClick();
    void tbCancelClick();
    void tbRefreshClick();
    void tbPrintClick();
    void tbExitClick();
    void DBGridEh1DblClick();

private:
    QAction *addTool(const char *name, const QString &caption, int icon);
    void openList();
    void finishCellEdit();
    bool writeBatch();
    QString columnTitle() const;

    QString m_key;
    QList<QVariantList> m_loaded;  // F_ID, F_name, F_type as read
};

// Opens the code dictionary modally.
void ShowCodeMan(QWidget *parent = nullptr);
