#pragma once

#include "operators/Login.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The login form: operator and password, at start-up (mode 0) and when the
// operator is changed from the main window (mode 1). It can be left only through
// its two buttons.
class TfrmOperLogin : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOperLogin(int mode, QWidget *parent = nullptr);

    int LoginMode() const { return m_mode; }
    int FailedAttempts() const { return m_attempts.failed(); }
    // True once the fourth wrong password (or cancel) ended a start-up login.
    bool terminated() const { return m_terminated; }

    QComboBox *cbbOperName;
    QLineEdit *edtPassWord;
    QPushButton *btnOk;
    QPushButton *btnCancel;

public Q_SLOTS:
    void btnOkClick();
    void btnCancelClick();
    void reject() override;  // Esc and the window's close do not leave the form

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void finish(int result);

    int m_mode;
    Login::Attempts m_attempts;
    bool m_terminated = false;
    bool m_leaving = false;
};

// Shows the login form modally. True after a good login; false when it was
// cancelled or failed (at start-up the caller then ends the program).
bool ShowLogin(int mode, QWidget *parent = nullptr);
