#pragma once

#include "couriers/CourierStore.h"

#include <QDialog>
#include <QImage>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class SqlListModel;

// The courier type editor: adds a courier type or changes the current one of
// the courier type list. A chosen waybill picture is kept as a copy in images/.
class TfrmKDtypeEdit : public QDialog
{
    Q_OBJECT
public:
    enum Mode { New = 0, Modify = 1 };

    // table: the list's rows; its current row is the type being changed, and it
    // is refreshed and moved to the saved type after every save.
    explicit TfrmKDtypeEdit(SqlListModel *table, QWidget *parent = nullptr);

    // Prepares the form for a mode and shows it modally.
    int ShowEditor(int mode);
    void PrepareEditor(int mode);
    void SetEditMode(bool modify);
    // false: empties every control; true: loads them from the list's current row.
    void FillFields(bool fromRow);
    bool isModify() const { return m_modify; }

    CourierType values() const;
    QImage picture() const { return m_picture; }

    QLineEdit *edtName;
    QCheckBox *cbUseFlag;
    QCheckBox *CheckBox1;
    QWidget *DBNavigator1;
    QToolButton *nbFirst;
    QToolButton *nbPrior;
    QToolButton *nbNext;
    QToolButton *nbLast;
    QLineEdit *edtImagePath;
    QLineEdit *edtBBfileName;
    QLineEdit *edtKDweb;
    QToolButton *sbGDpath;
    QLabel *Image1;
    QAction *Action1;
    QAction *Action2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void Button1Click();
    void Action1Execute();
    void Action2Execute();
    void sbGDpathClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFields();
    QWidget *buildPicture();
    QWidget *buildNavigator();
    void DBNavigator1Click(int move);
    void updateNavigator();
    void showPicture(const QString &path);
    void clearPicture();
    bool locateName(const QString &name);

    SqlListModel *m_table;
    bool m_modify = false;
    QImage m_picture;
};
