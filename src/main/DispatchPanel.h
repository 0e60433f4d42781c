#pragma once

#include <QFrame>

class CheckDateEdit;
class NumberEdit;
class QComboBox;
class QLineEdit;
class QPushButton;

// The dispatch panel under the record list (Panel9): what is sent, the fees,
// the sender, the date and the waybill number, with the single and batch
// dispatch buttons.
class DispatchPanel : public QFrame
{
    Q_OBJECT
public:
    explicit DispatchPanel(QWidget *parent = nullptr);

    QComboBox *cbbHPname;
    NumberEdit *rceSL;
    NumberEdit *rceZL;
    NumberEdit *ceYF;
    NumberEdit *ceBJF;
    NumberEdit *ceFYtotal;
    QComboBox *cbbFJemp;
    CheckDateEdit *dtpFHdate;
    QLineEdit *edtKDcode;
    QPushButton *BitBtn2;  // 单件发货
    QPushButton *BitBtn3;  // 批量发货
};
