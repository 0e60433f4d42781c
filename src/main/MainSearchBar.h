#pragma once

#include <QFrame>

class CheckDateEdit;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The search bar of the main window (Panel1): search field and text, the two
// date bounds, find, the advanced-search toggle and the two view buttons.
class MainSearchBar : public QFrame
{
    Q_OBJECT
public:
    explicit MainSearchBar(QWidget *parent = nullptr);

    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    CheckDateEdit *dtpFromDate;
    CheckDateEdit *dtpToDate;
    QPushButton *BitBtn1;
    QToolButton *SpeedButton2;
    QToolButton *sbList;
    QToolButton *sbKDtype;

    // Caption black normally, red while the advanced-search mode is on.
    void setAdvancedMode(bool on);
    bool advancedMode() const;
};
