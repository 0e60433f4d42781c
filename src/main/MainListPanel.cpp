#include "main/MainListPanel.h"

#include "core/DataModule.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum NodeRole { KindRole = Qt::UserRole + 1, ParentRole, OwnRole };

QTreeWidgetItem *node(int kind, const QString &parent, const QString &own)
{
    auto *item = new QTreeWidgetItem(QStringList{own});
    item->setData(0, KindRole, kind);
    item->setData(0, ParentRole, parent);
    item->setData(0, OwnRole, own);
    return item;
}

} // namespace

MainListPanel::MainListPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pList"));
    setMinimumWidth(124);
    resize(142, height());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    rpcZClist = new QTabWidget(this);
    rpcZClist->setObjectName(QStringLiteral("rpcZClist"));
    rpcZClist->setTabPosition(QTabWidget::South);
    // Both tabs stay readable in the narrow column instead of scrolling.
    rpcZClist->tabBar()->setUsesScrollButtons(false);
    rpcZClist->tabBar()->setExpanding(true);
    rpcZClist->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 2px; }"));

    auto *itemsPage = new QWidget;
    auto *items = new QVBoxLayout(itemsPage);
    items->setContentsMargins(1, 1, 1, 1);
    items->setSpacing(2);
    vleList = new QTableWidget(0, 2, itemsPage);
    vleList->setObjectName(QStringLiteral("vleList"));
    vleList->verticalHeader()->hide();
    vleList->horizontalHeader()->setStretchLastSection(true);
    vleList->setColumnWidth(0, 29);
    vleList->setSelectionBehavior(QAbstractItemView::SelectRows);
    vleList->setSelectionMode(QAbstractItemView::SingleSelection);
    vleList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    vleList->verticalHeader()->setDefaultSectionSize(20);
    cbbListType = new QComboBox(itemsPage);
    cbbListType->setObjectName(QStringLiteral("cbbListType"));
    cbbListType->addItems({QStringLiteral("0=物品名称"), QStringLiteral("1=业 务 员"), QStringLiteral("2=快递类型"),
                           QStringLiteral("3=发 件 人")});
    Button1 = new QPushButton(QStringLiteral("刷新列表"), itemsPage);
    Button1->setObjectName(QStringLiteral("Button1"));
    items->addWidget(vleList, 1);
    items->addWidget(cbbListType);
    items->addWidget(Button1);
    rpcZClist->addTab(itemsPage, QStringLiteral(" 项    目 "));

    tvTree = new QTreeWidget;
    tvTree->setObjectName(QStringLiteral("tvTree"));
    tvTree->setHeaderHidden(true);
    tvTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rpcZClist->addTab(tvTree, QStringLiteral(" 区    域 "));
    column->addWidget(rpcZClist, 1);

    rgUseFlag = new QGroupBox(this);
    rgUseFlag->setObjectName(QStringLiteral("rgUseFlag"));
    auto *grid = new QGridLayout(rgUseFlag);
    grid->setContentsMargins(4, 2, 4, 2);
    m_useFlag = new QButtonGroup(this);
    const QStringList states{QStringLiteral("未  发"), QStringLiteral("已  发"), QStringLiteral("全  部")};
    for (int i = 0; i < states.size(); ++i) {
        auto *b = new QRadioButton(states.at(i), rgUseFlag);
        b->setObjectName(QStringLiteral("rgUseFlag%1").arg(i));
        m_useFlag->addButton(b, i);
        grid->addWidget(b, i / 2, i % 2);
    }
    m_useFlag->button(0)->setChecked(true);
    column->addWidget(rgUseFlag);

    connect(vleList, &QTableWidget::itemClicked, this, [this] {
        if (!m_fillingItems)
            Q_EMIT itemListClicked();
    });
    connect(tvTree, &QTreeWidget::itemClicked, this, &MainListPanel::treeClicked);
    connect(cbbListType, &QComboBox::currentIndexChanged, this, &MainListPanel::listTypeRebuildRequested);
    connect(Button1, &QPushButton::clicked, this, &MainListPanel::listTypeRebuildRequested);
    connect(m_useFlag, &QButtonGroup::idClicked, this, &MainListPanel::dispatchStateClicked);
}

int MainListPanel::dispatchState() const { return m_useFlag->checkedId(); }

void MainListPanel::setDispatchState(int index)
{
    if (QAbstractButton *b = m_useFlag->button(index))
        b->setChecked(true);
}

void MainListPanel::FillItemList(const SqlStatement &statement, int listType, const std::function<void()> &refresh)
{
    vleList->setRowCount(0);
    QSqlQuery q(dmData().db());
    q.setForwardOnly(true);
    const bool ok = dmData().OpenQuery(q, statement.text, statement.values);
    m_listType = listType;
    vleList->setRowCount(1);
    auto *allKey = new QTableWidgetItem(QStringLiteral("0"));
    allKey->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    vleList->setItem(0, 0, allKey);
    vleList->setItem(0, 1, new QTableWidgetItem(QStringLiteral("全部")));
    m_fillingItems = true;
    vleList->setCurrentCell(0, 1);
    if (refresh)
        refresh();
    m_fillingItems = false;
    vleList->setHorizontalHeaderLabels({QString(), RecordListQuery::listTypeTitle(listType)});
    if (!ok)
        return;
    int n = 0;
    while (q.next()) {
        const int row = vleList->rowCount();
        vleList->insertRow(row);
        auto *key = new QTableWidgetItem(QString::number(++n));
        key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        vleList->setItem(row, 0, key);
        vleList->setItem(row, 1, new QTableWidgetItem(q.value(0).toString()));
    }
}

void MainListPanel::BuildRegionTree()
{
    tvTree->clear();
    const QString rootText = QStringLiteral("区  域");
    QTreeWidgetItem *root = node(0, QStringLiteral("000"), rootText);
    tvTree->addTopLevelItem(root);
    QSqlQuery q(dmData().db());
    q.setForwardOnly(true);
    const SqlStatement s = RecordListQuery::regionStatement();
    if (!dmData().OpenQuery(q, s.text, s.values))
        return;
    QTreeWidgetItem *province = nullptr;
    while (q.next()) {
        const QString sheng = q.value(0).toString();
        const QString city = q.value(1).toString();
        if (!province || province->data(0, OwnRole).toString() != sheng) {
            province = node(1, rootText, sheng);
            root->addChild(province);
        }
        if (!city.trimmed().isEmpty())
            province->addChild(node(2, sheng, city));
    }
    root->setExpanded(true);
}

void MainListPanel::fillFilter(RecordListQuery::Filter &f) const
{
    f.treeTab = rpcZClist->currentIndex() == 1;
    f.listType = m_listType;
    f.itemRow = vleList->currentRow() < 0 ? 0 : vleList->currentRow();
    if (QTableWidgetItem *item = vleList->item(f.itemRow, 1))
        f.itemValue = item->text();
    if (QTreeWidgetItem *n = tvTree->currentItem())
        f.node = RecordListQuery::RegionNode{n->data(0, KindRole).toInt(), n->data(0, ParentRole).toString(),
                                             n->data(0, OwnRole).toString()};
}
