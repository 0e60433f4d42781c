#include "main/TFrmMain.h"

#include "core/Backup.h"
#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/PubUnit.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/UiHooks.h"
#include "main/CourierPanel.h"
#include "main/DispatchCommands.h"
#include "main/ListReports.h"
#include "couriers/TfrmKDtypeSet.h"
#include "records/RecordCommands.h"
#include "records/TDlgCltCx.h"
#include "records/TFrmUserInfo.h"
#include "settings/TFrmCodeMan.h"
#include "main/DispatchPanel.h"
#include "main/MainListPanel.h"
#include "main/MainSearchBar.h"
#include "main/RecordList.h"
#include "main/RecordListQuery.h"
#include "main/TFrmAbout.h"
#include "operators/Login.h"
#include "operators/TfrmOperLogin.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/DataGrid.h"
#include "widgets/FormHelpers.h"
#include "widgets/GridLayout.h"
#include "widgets/SqlListModel.h"
#include "widgets/TfrmRowArrangeGl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

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
    createCentre();
    createStatusBar();
    bindFrameCommands();
    bindRecordList();
    bindGridCommands();
    dispatch = new DispatchCommands(this, Panel9, pKDtype, records, ActionList1);
    showHooks.loadCouriers = [this] {
        dispatch->LoadCourierList();
        dispatch->SelectDefaultCourier(PubUnit::globals().DefaultCourierName);
    };
    showHooks.loadDispatchDefaults = [this] { dispatch->LoadDispatchDefaults(); };
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

    const std::pair<QAction *, QStyle::StandardPixmap> icons[] = {
        {ToolButton1, QStyle::SP_BrowserReload},
        {ActionList1->action(QStringLiteral("101")), QStyle::SP_FileDialogInfoView},
        {ActionList1->action(QStringLiteral("201")), QStyle::SP_FileIcon},
        {ActionList1->action(QStringLiteral("207")), QStyle::SP_FileLinkIcon},
        {ActionList1->action(QStringLiteral("202")), QStyle::SP_FileDialogDetailedView},
        {ActionList1->action(QStringLiteral("203")), QStyle::SP_TrashIcon},
        {ToolButton12, QStyle::SP_ArrowDown},
        {tbHelp, QStyle::SP_DialogHelpButton},
        {ToolButton10, QStyle::SP_DialogCloseButton},
    };
    for (const auto &[action, pixmap] : icons)
        action->setIcon(style()->standardIcon(pixmap));
}

void TFrmMain::createCentre()
{
    auto *centre = new QWidget(this);
    auto *column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    Panel1 = new MainSearchBar(centre);
    column->addWidget(Panel1);

    sp1 = new QSplitter(Qt::Horizontal, centre);
    sp1->setObjectName(QStringLiteral("sp1"));
    pList = new MainListPanel(sp1);
    sp2 = new QSplitter(Qt::Horizontal, sp1);
    sp2->setObjectName(QStringLiteral("sp2"));
    auto *Panel5 = new QWidget(sp2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto *middle = new QVBoxLayout(Panel5);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(1);
    records = new RecordList(Panel5);
    DBGridEh1 = records->DBGridEh1;
    DBGridEh1->setPopupMenu(PopupMenu1);
    auto *Panel10 = new QWidget(Panel5);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    auto *countRow = new QHBoxLayout(Panel10);
    countRow->setContentsMargins(4, 0, 4, 0);
    countRow->addWidget(records->lblCLTnum);
    Panel9 = new DispatchPanel(Panel5);
    middle->addWidget(DBGridEh1, 1);
    middle->addWidget(Panel10);
    middle->addWidget(Panel9);
    pKDtype = new CourierPanel(sp2);
    sp1->addWidget(pList);
    sp1->addWidget(sp2);
    sp2->addWidget(Panel5);
    sp2->addWidget(pKDtype);
    sp1->setStretchFactor(1, 1);
    sp2->setStretchFactor(0, 1);
    sp1->setSizes({142, 650});
    sp2->setSizes({500, 144});
    column->addWidget(sp1, 1);
    setCentralWidget(centre);
}

void TFrmMain::createStatusBar()
{
    static const int widths[] = {60, 80, 100, 140, 50};
    const QStringList texts{QStringLiteral(" 当前用户"), QStringLiteral(" "), QStringLiteral(" 当前日期时间"), QStringLiteral(" "),
                            QStringLiteral("Marlo快递单打印管理软件  客服电话：400-800-1880")};
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 5; ++i) {
        StatusPanels[i] = new QLabel(texts.at(i), this);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setMinimumWidth(widths[i]);
        StatusPanels[i]->setFrameShape(QFrame::StyledPanel);
        if (i == 4) {
            StatusPanels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar()->addPermanentWidget(StatusPanels[i], 1);
        } else {
            statusBar()->addWidget(StatusPanels[i]);
        }
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::tickClock);
    Timer1->start();
}

void TFrmMain::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 5)
        StatusPanels[panel]->setText(text);
}

void TFrmMain::tickClock()
{
    setStatusText(3, QStringLiteral(" ") + Dates::text(QDateTime::currentDateTime()));
}

void TFrmMain::bindFrameCommands()
{
    connect(ToolButton1, &QAction::triggered, this, &TFrmMain::ToolButton1Click);
    connect(N43, &QAction::triggered, this, &TFrmMain::N43Click);
    connect(ToolButton10, &QAction::triggered, this, &QWidget::close);
    connect(N5, &QAction::triggered, this, &QWidget::close);
    connect(nshitu1, &QAction::triggered, this, [this] { ToolBar1->setVisible(nshitu1->isChecked()); });
    connect(nshitu3, &QAction::triggered, this, [this] { statusBar()->setVisible(nshitu3->isChecked()); });
    connect(nshitu2, &QAction::triggered, this, [this] { pKDtype->setVisible(nshitu2->isChecked()); });
    connect(nshitu4, &QAction::triggered, this, [this] { pList->setVisible(nshitu4->isChecked()); });
    // The glyph buttons run their menu entry, so the check mark follows.
    connect(Panel1->sbKDtype, &QToolButton::clicked, this, &TFrmMain::toggleCourierColumn);
    connect(Panel1->sbList, &QToolButton::clicked, this, &TFrmMain::toggleItemColumn);
    connect(N24, &QAction::triggered, this, [this] {
        startTool({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                   QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")},
                  QStringLiteral("计算器"));
    });
    connect(N25, &QAction::triggered, this, [this] {
        startTool({QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"), QStringLiteral("kwrite"),
                   QStringLiteral("mousepad"), QStringLiteral("pluma"), QStringLiteral("xed"), QStringLiteral("leafpad"),
                   QStringLiteral("xedit")},
                  QStringLiteral("文本编辑器"));
    });
    connect(N27, &QAction::triggered, this, &TFrmMain::openHelp);
    connect(tbHelp, &QAction::triggered, this, &TFrmMain::openHelp);
    connect(N7, &QAction::triggered, this, [] { UiHooks::openDocument(ProgramFolder::file(QStringLiteral("readme.txt"))); });
    connect(N3, &QAction::triggered, this, [this] {
        TFrmAbout about(this);
        about.exec();
    });
}

void TFrmMain::toggleCourierColumn() { nshitu2->trigger(); }
void TFrmMain::toggleItemColumn() { nshitu4->trigger(); }

void TFrmMain::startTool(const QStringList &programs, const QString &what)
{
    for (const QString &p : programs) {
        const QString path = QStandardPaths::findExecutable(p);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    ShowMess(QStringLiteral("系统中没有找到%1程序，请先安装。").arg(what), MessInfo);
}

void TFrmMain::openHelp()
{
    const QString page = ProgramFolder::file(QStringLiteral("help/index.html"));
    if (!QFileInfo::exists(page) || !UiHooks::openDocument(page))
        ShowMess(QStringLiteral("帮助文件 ") + page + QStringLiteral(" 无法打开！"), MessWarning);
}

void TFrmMain::bindRecordList()
{
    records->statusWriter = [this](const QString &t) { setStatusText(2, t); };
    MainSearchBar *bar = Panel1;
    connect(bar->Edit1, &QLineEdit::textChanged, this, &TFrmMain::RefreshRecordList);
    connect(bar->dtpFromDate, &CheckDateEdit::changed, this, &TFrmMain::RefreshRecordList);
    connect(bar->dtpToDate, &CheckDateEdit::changed, this, &TFrmMain::RefreshRecordList);
    connect(bar->BitBtn1, &QPushButton::clicked, this, &TFrmMain::RefreshRecordList);
    connect(bar->SpeedButton2, &QToolButton::clicked, this, &TFrmMain::SpeedButton2Click);
    connect(pList, &MainListPanel::itemListClicked, this, &TFrmMain::RefreshRecordList);
    connect(pList, &MainListPanel::treeClicked, this, &TFrmMain::RefreshRecordList);
    connect(pList, &MainListPanel::listTypeRebuildRequested, this, &TFrmMain::RebuildItemList);
    connect(pList, &MainListPanel::dispatchStateClicked, this, [this] { records->setDispatchState(pList->dispatchState()); });
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, [this] { ActionList1->run(QStringLiteral("202")); });
}

void TFrmMain::bindGridCommands()
{
    ActionList1->setHandler(QStringLiteral("204"), [this] { records->applySortText(ChooseSortText(DBGridEh1)); });
    ActionList1->setHandler(QStringLiteral("205"), [this] { ChooseVisibleColumns(DBGridEh1); });
    ActionList1->setHandler(QStringLiteral("206"), [this] {
        if (AskYes(QStringLiteral("真的要保存当前网格设置吗？")))
            SaveGridLayout(DBGridEh1, QStringLiteral("WBXmain"));
    });
    ActionList1->setHandler(QStringLiteral("505"), [] { Startup::ChooseDatabaseFolder(); });
    ActionList1->setHandler(QStringLiteral("101"), [this] { ShowUserInfo(this); });
    ActionList1->setHandler(QStringLiteral("104"), [this] { ShowCodeMan(this); });
    ActionList1->setHandler(QStringLiteral("106"), [this] { ShowCourierTypes(this); });
    ActionList1->setHandler(QStringLiteral("201"), [this] { RecordCommands::newRecord(*records, this); });
    ActionList1->setHandler(QStringLiteral("207"), [this] { RecordCommands::copyRecord(*records, this); });
    ActionList1->setHandler(QStringLiteral("202"), [this] { RecordCommands::modifyRecord(*records, this); });
    ActionList1->setHandler(QStringLiteral("203"), [this] { RecordCommands::deleteRecord(*records); });
    const std::pair<const char *, std::pair<const char *, ListReports::Rows>> reports[] = {
        {"303", {"frKDfahuoBill", ListReports::Rows::Current}},
        {"304", {"frKDfahuoList", ListReports::Rows::Listed}},
        {"305", {"frKHxingFeng", ListReports::Rows::Current}},
        {"306", {"frKHbiaoqian", ListReports::Rows::Listed}},
    };
    for (const auto &[code, report] : reports) {
        const QString name = QLatin1String(report.first);
        const ListReports::Rows rows = report.second;
        ActionList1->setHandler(QLatin1String(code), [this, name, rows] { ListReports::preview(name, rows, *records, this); });
    }
    advancedSearch = [](QWidget *parent) -> std::optional<SqlStatement> {
        const SqlStatement s = ShowSearch(parent);
        return s.text.isEmpty() ? std::nullopt : std::optional<SqlStatement>(s);
    };
}

void TFrmMain::RefreshRecordList()
{
    if (!m_shown)
        return;  // the show handler builds the list the first time
    if (m_advanced) {
        m_advanced = false;
        Panel1->setAdvancedMode(false);
    }
    RecordListQuery::Filter f;
    f.from = Panel1->dtpFromDate->checkedDate();
    f.to = Panel1->dtpToDate->checkedDate();
    f.searchField = Panel1->ComboBox1->currentIndex();
    f.searchText = Panel1->Edit1->text();
    pList->fillFilter(f);
    records->open(RecordListQuery::build(f));
}

void TFrmMain::RebuildItemList()
{
    const int listType = pList->cbbListType->currentIndex() + 1;
    if (listType < 1 || listType > 4)
        return;
    pList->FillItemList(RecordListQuery::itemListStatement(listType), listType, [this] { RefreshRecordList(); });
}

void TFrmMain::SpeedButton2Click(bool pressed)
{
    if (!pressed) {
        RefreshRecordList();
        return;
    }
    const std::optional<SqlStatement> s = advancedSearch ? advancedSearch(this) : std::nullopt;
    if (!s) {
        Panel1->setAdvancedMode(m_advanced);
        return;
    }
    m_advanced = true;
    Panel1->setAdvancedMode(true);
    SqlStatement statement = *s;
    statement.add(QStringLiteral("order by F_code"));
    records->open(statement);
}

void TFrmMain::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!m_shown)
        FormShow();
}

void TFrmMain::FormShow()
{
    setWindowTitle(PubUnit::ProductName + PubUnit::ProductVersion);
    setStatusText(1, QStringLiteral(" ") + PubUnit::globals().CurrentOperator);
    tickClock();
    if (Backup::dueToday(Settings::autoBackupMode(), QDate::currentDate()))
        dmData().AutoBackup();
    const QDate today = QDate::currentDate();
    {
        const QSignalBlocker a(Panel1->dtpFromDate), b(Panel1->dtpToDate);
        Panel1->dtpFromDate->setDate(QDate(today.year(), today.month(), 1));
        Panel1->dtpToDate->setDate(today);
        Panel1->dtpFromDate->setChecked(true);
        Panel1->dtpToDate->setChecked(true);
    }
    if (showHooks.loadSender)
        showHooks.loadSender();
    LoadGridLayout(DBGridEh1, QStringLiteral("WBXmain"));
    m_shown = true;
    pList->FillItemList(RecordListQuery::itemListStatement(1), 1, [this] { RefreshRecordList(); });
    if (showHooks.loadCouriers)
        showHooks.loadCouriers();
    if (showHooks.loadDispatchDefaults)
        showHooks.loadDispatchDefaults();
    pList->BuildRegionTree();
    const QSignalBlocker block(pList->cbbListType);
    pList->cbbListType->setCurrentIndex(0);
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
