#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

class QWidget;

// The keys every entry form previews: Enter outside a memo moves the focus on as
// Tab does, Ctrl+S presses the save (or OK) button and Esc the cancel (or close)
// button, each only while that button is enabled. Owned by the form.
class FormKeys : public QObject
{
    Q_OBJECT
public:
    FormKeys(QWidget *form, QAbstractButton *save, QAbstractButton *cancel);
    ~FormKeys() override;

    void setSaveButton(QAbstractButton *b) { m_save = b; }
    void setCancelButton(QAbstractButton *b) { m_cancel = b; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    QPointer<QAbstractButton> m_save;
    QPointer<QAbstractButton> m_cancel;
};

// Presses a button when it is enabled; false when it is not.
bool clickIfEnabled(QAbstractButton *b);
