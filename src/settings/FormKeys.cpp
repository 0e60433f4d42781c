#include "settings/FormKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
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

FormKeys::FormKeys(QWidget *form, QAbstractButton *save, QAbstractButton *cancel)
    : QObject(form), m_form(form), m_save(save), m_cancel(cancel)
{
    // Watching the application lets the form see a key before the focused control does.
    qApp->installEventFilter(this);
}

FormKeys::~FormKeys()
{
    qApp->removeEventFilter(this);
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
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (mods != Qt::NoModifier)
            return false;
        QWidget *focus = m_form->focusWidget() ? m_form->focusWidget() : w;
        if (qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus) ||
            qobject_cast<QAbstractButton *>(focus))
            return false;  // a memo takes its line break, a button its press
        moveFocusOn(m_form, focus);
        return true;
    }
    case Qt::Key_S:
        if (mods != Qt::ControlModifier)
            return false;
        clickIfEnabled(m_save);
        return true;
    case Qt::Key_Escape:
        if (mods != Qt::NoModifier)
            return false;
        clickIfEnabled(m_cancel);
        return true;
    default:
        return false;
    }
}
