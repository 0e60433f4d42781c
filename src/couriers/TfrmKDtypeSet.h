#pragma once

#include <QDialog>

class DataGrid;
class QCheckBox;
class QLabel;
class QStatusBar;
class QToolButton;
class SqlListModel;

// The courier type list: every courier type in use (or all of them) with the
// waybill picture of the current one; the start for adding, changing and
// deleting courier types.
class TfrmKDtypeSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmKDtypeSet(QWidget *parent = nullptr);

    // Reopens the list with the statement that "包含已停用" asks for.
    void RefreshList();
    QString recordCountText() const;

    QWidget *Panel29;
    QCheckBox *cbUseFlag;
    QToolButton *sbAdd;
    QToolButton *sbEdit;
    QToolButton *sbDel;
    DataGrid *DBGridEh1;
    SqlListModel *QryTable;
    QLabel *Image1;
    QStatusBar *StatusBar1;

public Q_SLOTS:
    void FormShow();
    void cbUseFlagClick();
    void sbAddClick();
    void sbEditClick();
    void sbDelClick();
    void DBGridEh1DblClick();
    void QryTableAfterScroll();

private:
    QWidget *buildTopPanel();
    QWidget *buildPicturePanel();
    void runEditor(int mode);

    QList<QLabel *> m_panels;
};

// Opens the courier type list modally.
void ShowCourierTypes(QWidget *parent);
