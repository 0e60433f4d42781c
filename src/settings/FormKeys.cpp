#include "settings/FormKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace {

// The next control of the form's tab order that takes the focus from the keyboard.
void moveFocusOn(QWidget *form, QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == form->window() && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

bool clickIfEnabled(QAbstractButton *b)
{
    if (!b || !b->isEnabled() || !b->isVisible())
        return false;
    b->click();
    return true;
}

FormKeys::FormKeys(QWidget *form) : QObject(form), m_form(form)
{
    // Watching the application lets the form see a key before the focused control does.
    qApp->installEventFilter(this);
}

FormKeys::FormKeys(QWidget *form, QAbstractButton *save, QAbstractButton *cancel) : FormKeys(form)
{
    if (save)
        addButtonKey(Qt::Key_S, Qt::ControlModifier, save);
    if (cancel)
        addButtonKey(Qt::Key_Escape, Qt::NoModifier, cancel);
}

FormKeys::~FormKeys()
{
    qApp->removeEventFilter(this);
}

void FormKeys::addKey(int key, Qt::KeyboardModifiers modifiers, Handler handler)
{
    m_keys.append({key, modifiers, std::move(handler)});
}

void FormKeys::addButtonKey(int key, Qt::KeyboardModifiers modifiers, QAbstractButton *button)
{
    QPointer<QAbstractButton> b(button);
    addKey(key, modifiers, [b] { return clickIfEnabled(b); });
}

bool FormKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (!m_form->isVisible() || (w != m_form && !m_form->isAncestorOf(w)) || QApplication::activePopupWidget())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    for (const Key &k : m_keys)
        if (k.key == key->key() && k.modifiers == mods)
            return k.handler();
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        QWidget *focus = m_form->focusWidget() ? m_form->focusWidget() : w;
        if (qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus) ||
            qobject_cast<QAbstractButton *>(focus))
            return false;  // a memo takes its line break, a button its press
        moveFocusOn(m_form, focus);
        return true;
    }
    return false;
}
