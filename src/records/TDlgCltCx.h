#pragma once

#include "core/SqlStatement.h"
#include "records/SearchCriteria.h"

#include <QDialog>

class CheckDateEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The advanced search: describes a set of recipient records by fields, sent state
// and two date ranges and turns it into one selection statement over t_client.
class TDlgCltCx : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgCltCx(QWidget *parent = nullptr);

    // Shows the dialog; the statement after "查询(&P)", an empty one otherwise.
    SqlStatement ShowSearch();
    // What the controls describe now.
    SearchCriteria criteria() const;

    QLineEdit *edtName;
    QLineEdit *edtKDcode;
    QComboBox *cbbSheng;
    QComboBox *cbbCity;
    QLineEdit *edtArea;
    QLineEdit *edtAddress;
    QLineEdit *edtLXRemp;
    QLineEdit *edtPostCode;
    QLineEdit *edtGDphone;
    QLineEdit *edtSJphone;
    QLineEdit *edtMDaddress;
    QComboBox *cbbEmpName;
    QComboBox *cbbHPname;
    QComboBox *cbbFJemp;
    QComboBox *cbbKDtype;
    QGroupBox *RadioGroup1;
    QRadioButton *rbAll;
    QRadioButton *rbNotSent;
    QRadioButton *rbSent;
    QCheckBox *CheckBox1;
    CheckDateEdit *dtpfromDate;
    CheckDateEdit *dtptoDate;
    QCheckBox *CheckBox2;
    CheckDateEdit *dtpfromDate1;
    CheckDateEdit *dtptoDate1;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void FormShow();
    void CheckBox1Click();
    void CheckBox2Click();
    void cbbShengEnter();
    void cbbCityEnter();
    void cbbEmpNameEnter();
    void cbbHPnameEnter();
    void cbbFJempEnter();
    void cbbKDtypeEnter();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The advanced search for one question: the statement the record list opens
// (followed by its ordering), or an empty statement when it was closed.
SqlStatement ShowSearch(QWidget *parent = nullptr);
