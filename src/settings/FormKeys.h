#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;
class QWidget;

// The keys an entry form previews before its controls see them: Enter outside a
// memo or button moves the focus on as Tab does (in a grid too), and any number of
// shortcut keys, each handled only while its handler says so (a key whose button
// is disabled goes on to the control). Owned by the form.
class FormKeys : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<bool()>;  // true when the key was used

    explicit FormKeys(QWidget *form);
    // The usual pair: Ctrl+S presses save (or OK), Esc presses cancel (or close).
    FormKeys(QWidget *form, QAbstractButton *save, QAbstractButton *cancel);
    ~FormKeys() override;

    void addKey(int key, Qt::KeyboardModifiers modifiers, Handler handler);
    void addButtonKey(int key, Qt::KeyboardModifiers modifiers, QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Key
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        Handler handler;
    };

    QWidget *m_form;
    QList<Key> m_keys;
};

// Presses a button when it is enabled and shown; false when it is not.
bool clickIfEnabled(QAbstractButton *b);
