#include "main/TFrmMain.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "operators/Login.h"
#include "operators/TfrmOperLogin.h"
#include "widgets/FormHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

TFrmMain *FrmMain = nullptr;

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(PubUnit::ProductName + PubUnit::ProductVersion);
    QFont f(QStringLiteral("SimSun"));
    f.setPointSize(9);
    setFont(f);
    ActionList1 = new MainActionList(this);
    createMenus();
    createToolBar();
    createStatusBar();
    bindFrameCommands();
    resize(798, 570);
    DispFormPos(this, 2);
    Login::setRightsHandler([this] { SetLimits(); });
    qApp->installEventFilter(this);
}

TFrmMain::~TFrmMain()
{
    Login::setRightsHandler({});
    if (FrmMain == this)
        FrmMain = nullptr;
}

QMenu *TFrmMain::addMenu(const QString &name, const QString &title, const QStringList &items)
{
    QMenu *m = menuBar()->addMenu(title);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + QStringLiteral("Item"));
    for (const QString &item : items) {
        if (item == QLatin1String("-"))
            m->addSeparator();
        else if (QAction *a = ActionList1->action(item))
            m->addAction(a);
    }
    return m;
}

void TFrmMain::createMenus()
{
    mi100 = addMenu(QStringLiteral("mi100"), QStringLiteral("文件"),
                    {QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("103"), QStringLiteral("-"),
                     QStringLiteral("104"), QStringLiteral("105"), QStringLiteral("106"), QStringLiteral("-")});
    N43 = mi100->addAction(QStringLiteral("重新登录"));
    N43->setObjectName(QStringLiteral("N43"));
    N5 = mi100->addAction(QStringLiteral("退出系统"));
    N5->setObjectName(QStringLiteral("N5"));
    mi200 = addMenu(QStringLiteral("mi200"), QStringLiteral("编辑"),
                    {QStringLiteral("201"), QStringLiteral("207"), QStringLiteral("202"), QStringLiteral("203"),
                     QStringLiteral("-"), QStringLiteral("208"), QStringLiteral("209"), QStringLiteral("-"),
                     QStringLiteral("204"), QStringLiteral("205"), QStringLiteral("206")});
    mi300 = addMenu(QStringLiteral("mi300"), QStringLiteral("输出"),
                    {QStringLiteral("301"), QStringLiteral("302"), QStringLiteral("-"), QStringLiteral("303"),
                     QStringLiteral("304"), QStringLiteral("305"), QStringLiteral("306"), QStringLiteral("307")});
    mi400 = addMenu(QStringLiteral("mi400"), QStringLiteral("统计"),
                    {QStringLiteral("401"), QStringLiteral("-"), QStringLiteral("403"), QStringLiteral("404")});
    mi500 = addMenu(QStringLiteral("mi500"), QStringLiteral("数据"),
                    {QStringLiteral("501"), QStringLiteral("502"), QStringLiteral("503"), QStringLiteral("-"),
                     QStringLiteral("504"), QStringLiteral("505")});

    N9 = addMenu(QStringLiteral("N9"), QStringLiteral("视图"), {});
    auto view = [this](const char *name, const QString &text) {
        QAction *a = N9->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        a->setChecked(true);
        return a;
    };
    nshitu1 = view("nshitu1", QStringLiteral("工具栏"));
    nshitu2 = view("nshitu2", QStringLiteral("快递单"));
    nshitu3 = view("nshitu3", QStringLiteral("状态栏"));
    nshitu4 = view("nshitu4", QStringLiteral("项目树"));

    N45 = addMenu(QStringLiteral("N45"), QStringLiteral("工具"), {});
    N24 = N45->addAction(QStringLiteral("计算器"));
    N24->setObjectName(QStringLiteral("N24"));
    N25 = N45->addAction(QStringLiteral("笔记本"));
    N25->setObjectName(QStringLiteral("N25"));

    nFz = addMenu(QStringLiteral("nFz"), QStringLiteral("帮助"), {});
    N27 = nFz->addAction(QStringLiteral("帮助文件"));
    N27->setObjectName(QStringLiteral("N27"));
    N7 = nFz->addAction(QStringLiteral("自述文件"));
    N7->setObjectName(QStringLiteral("N7"));
    nFz->addSeparator();
    N3 = nFz->addAction(QStringLiteral("关于我们"));
    N3->setObjectName(QStringLiteral("N3"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char *code : {"201", "207", "202", "203", "204", "-", "208", "209", "205", "206"}) {
        if (qstrcmp(code, "-") == 0)
            PopupMenu1->addSeparator();
        else
            PopupMenu1->addAction(ActionList1->action(QLatin1String(code)));
    }
}

void TFrmMain::createToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setIconSize(QSize(30, 30));
    ToolButton1 = new QAction(QStringLiteral("重新登录"), this);
    ToolButton1->setObjectName(QStringLiteral("ToolButton1"));
    ToolBar1->addAction(ToolButton1);
    ToolBar1->addAction(ActionList1->action(QStringLiteral("101")));
    ToolBar1->addSeparator();
    for (const char *code : {"201", "207", "202", "203"})
        ToolBar1->addAction(ActionList1->action(QLatin1String(code)));
    ToolBar1->addSeparator();
    // The sort button has its own caption; it follows Action204's visibility.
    ToolButton12 = new QAction(QStringLiteral("排序"), this);
    ToolButton12->setObjectName(QStringLiteral("ToolButton12"));
    QAction *sort = ActionList1->action(QStringLiteral("204"));
    connect(ToolButton12, &QAction::triggered, sort, &QAction::trigger);
    connect(sort, &QAction::visibleChanged, ToolButton12, [this, sort] { ToolButton12->setVisible(sort->isVisible()); });
    ToolBar1->addAction(ToolButton12);
    tbHelp = new QAction(QStringLiteral("帮助"), this);
    tbHelp->setObjectName(QStringLiteral("tbHelp"));
    ToolBar1->addAction(tbHelp);
    ToolBar1->addSeparator();
    ToolButton10 = new QAction(QStringLiteral("关闭"), this);
    ToolButton10->setObjectName(QStringLiteral("ToolButton10"));
    ToolBar1->addAction(ToolButton10);
}

void TFrmMain::createStatusBar()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void TFrmMain::bindFrameCommands()
{
    connect(ToolButton1, &QAction::triggered, this, &TFrmMain::ToolButton1Click);
    connect(N43, &QAction::triggered, this, &TFrmMain::N43Click);
    connect(ToolButton10, &QAction::triggered, this, &QWidget::close);
    connect(N5, &QAction::triggered, this, &QWidget::close);
}

void TFrmMain::SetLimits()
{
    ActionList1->applyRights(OperatorRights::compute(
        PubUnit::globals().CurrentOperator, [](const QString &code) { return dmData().HasRight(code); }));
    for (QMenu *m : {mi100, mi200, mi300, mi400, mi500})
        m->menuAction()->setVisible(ActionList1->rights().menuVisible(m->objectName()));
}

void TFrmMain::ToolButton1Click()
{
    ShowLogin(Login::ChangeOperator, this);
    if (RefreshRecordList)
        RefreshRecordList();
}

void TFrmMain::N43Click() { ShowLogin(Login::ChangeOperator, this); }

void TFrmMain::closeEvent(QCloseEvent *e)
{
    if (ShowMess(QStringLiteral("真的要退出“") + PubUnit::ProductName + QStringLiteral("”软件吗？"), MessQuestion) == MessNo) {
        e->ignore();
        return;
    }
    e->accept();
}

bool TFrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Key preview: the window's keys win over the focused control's own use of them.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->window() != this || QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return QMainWindow::eventFilter(watched, event);
    auto *k = static_cast<QKeyEvent *>(event);
    const QKeyCombination combo = k->keyCombination();
    const bool ours = combo == QKeyCombination(Qt::ControlModifier, Qt::Key_A) ||
                      combo == QKeyCombination(Qt::ControlModifier, Qt::Key_E) ||
                      combo == QKeyCombination(Qt::ControlModifier, Qt::Key_S);
    if (event->type() == QEvent::ShortcutOverride && ours)
        return true;  // not accepted: the window's shortcut runs the action
    if (event->type() == QEvent::KeyPress && k->key() == Qt::Key_Escape && combo.keyboardModifiers() == Qt::NoModifier) {
        close();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
