#pragma once

#include "records/RecordValues.h"

#include <QDialog>

#include <array>

class CheckDateEdit;
class NumberEdit;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class RecordListHost;

// The record editor: adds a recipient record, changes the current record of the
// main window's list, or adds a copy of it. The latest dispatch is shown on a
// page of its own and never written here.
class TfrmCltEdit : public QDialog
{
    Q_OBJECT
public:
    enum Mode { New = 0, Modify = 1, Copy = 2 };

    explicit TfrmCltEdit(RecordListHost &host, QWidget *parent = nullptr);

    // Prepares the form for a mode and shows it modally; returns when it closes.
    int ShowEditor(int mode);
    // The preparation of ShowEditor without showing the form.
    void PrepareEditor(int mode);
    void SetEditMode(bool modify);
    // false: clears every control and draws a new record code; true: loads every
    // control from the list's current record.
    void FillFields(bool fromRow);
    bool isModify() const { return m_modify; }

    // The controls' values as the editor saves them, and back.
    RecordValues values() const;
    void setValues(const RecordValues &v);

    QLineEdit *edtcode;
    QLineEdit *edtName;
    QComboBox *cbbSheng;
    QToolButton *sbSheng;
    QComboBox *cbbCity;
    QToolButton *sbCity;
    QLineEdit *edtArea;
    QLineEdit *edtAddress;
    QLineEdit *edtLXRemp;
    QLineEdit *edtPostCode;
    QLineEdit *edtGDphone;
    QLineEdit *edtSJphone;
    QLineEdit *edtMDaddress;
    QComboBox *cbbEmpName;
    QToolButton *sbEmpName;
    QDateEdit *dtpDate;
    QCheckBox *cbUseFlag;

    QTabWidget *PageControl1;
    QWidget *TabMemo;
    QWidget *TabCustom;
    QWidget *TabDispatch;
    QPlainTextEdit *memo1;
    std::array<QLineEdit *, 5> edtZF;
    std::array<QLabel *, 5> lblZF;
    std::array<NumberEdit *, 3> rceSZ;
    std::array<QLabel *, 3> lblSZ;
    std::array<CheckDateEdit *, 3> dtpRQ;
    std::array<QLabel *, 3> lblRQ;

    QLineEdit *edtHPname;
    NumberEdit *rceSL;
    NumberEdit *rceZL;
    NumberEdit *ceYF;
    NumberEdit *ceBJF;
    NumberEdit *ceFYtotal;
    QLineEdit *edtFJemp;
    QLineEdit *edtFHdate;
    QLineEdit *edtKDtype;
    QLineEdit *edtKDcode;

    QCheckBox *CheckBox1;
    QWidget *DBNavigator1;
    QToolButton *nbFirst;
    QToolButton *nbPrior;
    QToolButton *nbNext;
    QToolButton *nbLast;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void FormShow();
    void Button1Click();
    void sbShengClick();
    void sbCityClick();
    void sbEmpNameClick();
    void cbbShengEnter();
    void cbbCityEnter();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildRecipientBox();
    QWidget *buildMemoPage();
    QWidget *buildCustomPage();
    QWidget *buildDispatchPage();
    QWidget *buildBottomPanel();
    void DBNavigator1Click(int move);
    void updateNavigator();

    RecordListHost &m_host;
    bool m_modify = false;
};

// Opens the record editor for the list's current record: mode 0 new, 1 modify,
// 2 copy. Returns the dialog's result.
int ShowEditor(RecordListHost &host, int mode, QWidget *parent = nullptr);
