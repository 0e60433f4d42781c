#include "main/MainActionList.h"

#include "core/Rights.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {

QString categoryOf(const QString &code)
{
    static const char *names[] = {"文件", "编辑", "输出", "统计", "数据"};
    const int group = code.left(1).toInt();
    return group >= 1 && group <= 5 ? QString::fromUtf8(names[group - 1]) : QString();
}

QKeySequence shortcutOf(const QString &code)
{
    if (code == QLatin1String("201"))
        return QKeySequence(Qt::CTRL | Qt::Key_A);
    if (code == QLatin1String("202"))
        return QKeySequence(Qt::CTRL | Qt::Key_E);
    if (code == QLatin1String("203"))
        return QKeySequence(Qt::CTRL | Qt::Key_S);
    return {};
}

} // namespace

MainActionList::MainActionList(QWidget *window) : QObject(window)
{
    setObjectName(QStringLiteral("ActionList1"));
    for (const RightDef &def : kRights) {
        const QString code = QString::fromLatin1(def.code);
        auto *a = new QAction(QString::fromUtf8(def.caption), window);
        a->setObjectName(QString::fromLatin1(def.action));
        a->setProperty("category", categoryOf(code));
        a->setProperty("rightCode", code);
        a->setShortcut(shortcutOf(code));
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);  // shortcuts work wherever the focus is in the window
        connect(a, &QAction::triggered, this, [this, code] { run(code); });
        m_actions.insert(code, a);
    }
}

QAction *MainActionList::action(const QString &code) const { return m_actions.value(code); }

QList<QAction *> MainActionList::actions() const
{
    QList<QAction *> list;
    for (const RightDef &def : kRights)
        list << m_actions.value(QString::fromLatin1(def.code));
    return list;
}

void MainActionList::setHandler(const QString &code, std::function<void()> handler)
{
    m_handlers.insert(code, std::move(handler));
}

bool MainActionList::run(const QString &code)
{
    if (!m_rights.allows(code))
        return false;
    const auto it = m_handlers.constFind(code);
    if (it == m_handlers.constEnd() || !*it)
        return false;
    (*it)();
    return true;
}

void MainActionList::applyRights(const OperatorRights &rights)
{
    m_rights = rights;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setVisible(rights.allows(it.key()));
}
