#pragma once

#include "main/OperatorRights.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// The main window's action list: one action per right code ("101" … "505"),
// named Action101 … Action505, with its caption and category. Every way of
// triggering an action (menu, tool button, pop-up, key, code) runs through run(),
// which does nothing unless the operator holds the action's right.
class MainActionList : public QObject
{
    Q_OBJECT
public:
    explicit MainActionList(QWidget *window);

    QAction *action(const QString &code) const;  // "208" -> Action208
    QList<QAction *> actions() const;

    void setHandler(const QString &code, std::function<void()> handler);
    // Runs the action's command; false when the right is missing or nothing is bound.
    bool run(const QString &code);

    // Shows the actions the operator may use and hides the others.
    void applyRights(const OperatorRights &rights);
    const OperatorRights &rights() const { return m_rights; }

private:
    QHash<QString, QAction *> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    OperatorRights m_rights;
};
