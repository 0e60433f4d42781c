#pragma once

#include <QDialog>
#include <QString>

class NumberEdit;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The one row of sysInfo as the sender form edits it: the sender's own address
// data and the defaults the dispatch panel starts with.
struct SenderInfo
{
    QString name, contact, fixedPhone, mobile, province, city, district, address, postcode, memo;
    QString goods;
    double quantity = 1;
    double weight = 0;
    double freight = 0;
    double insurance = 0;
    double totalFee = 0;
    QString sender;

    bool operator==(const SenderInfo &) const = default;
};

namespace SenderInfoStore {

// The row as stored; the defaults of SenderInfo when there is none.
SenderInfo load();
// One update of every sysInfo row (there is one); false after the failure message.
bool save(const SenderInfo &info);
// What "重填" leaves: every text empty, one piece, every number 0.
SenderInfo cleared();
// The total fee follows freight and insurance fee.
double totalFee(double freight, double insurance);

} // namespace SenderInfoStore

// The sender information form: the sending company's name, contact, phones,
// address and remarks, and the dispatch defaults.
class TFrmUserInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmUserInfo(QWidget *parent = nullptr);

    // false: clears the form ("重填"); true: reads sysInfo into it.
    void FillFields(bool fromDatabase);
    SenderInfo values() const;
    void setValues(const SenderInfo &info);
    bool wasSaved() const { return m_saved; }

    QLineEdit *edtName;
    QLineEdit *edtLXRemp;
    QLineEdit *edtGDphone;
    QLineEdit *edtSJphone;
    QComboBox *cbbSheng;
    QComboBox *cbbCity;
    QLineEdit *edtArea;
    QLineEdit *edtAddress;
    QLineEdit *edtPostCode;
    QPlainTextEdit *Memo1;
    QComboBox *cbbHPname;
    NumberEdit *rceSL;
    NumberEdit *rceZL;
    NumberEdit *ceYF;
    NumberEdit *ceBJF;
    NumberEdit *ceFYtotal;
    QComboBox *cbbFJemp;
    QPushButton *BitBtn1;
    QPushButton *BitBtn3;
    QPushButton *BitBtn2;
    QPushButton *BitBtn4;

public Q_SLOTS:
    void FormShow();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();
    void ceYFChange();
    void cbbHPnameEnter();
    void cbbFJempEnter();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildSenderBox();

    bool m_saved = false;
};

// Opens the sender information form modally; true when it saved at least once.
bool ShowUserInfo(QWidget *parent);
