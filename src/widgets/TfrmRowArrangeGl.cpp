#include "widgets/TfrmRowArrangeGl.h"

#include "widgets/DataGrid.h"
#include "widgets/FormFont.h"
#include "widgets/PickListDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmRowArrangeGl::TfrmRowArrangeGl(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmRowArrangeGl"));
    setWindowTitle(QStringLiteral("排序对话框"));
    setFont(formFont());
    setFixedSize(419, 382);
    setAttribute(Qt::WA_DeleteOnClose, false);

    lblHint = new QLabel(QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序"), this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);

    vle1 = new QTreeWidget(this);
    vle1->setObjectName(QStringLiteral("vle1"));
    vle1->setColumnCount(2);
    vle1->setHeaderLabels({QStringLiteral("字段名称"), QStringLiteral("排序方式")});
    vle1->setRootIsDecorated(false);
    vle1->setItemsExpandable(false);
    vle1->setColumnWidth(0, 150);
    vle1->setColumnWidth(1, 159);
    vle1->header()->setStretchLastSection(true);
    vle1->header()->setDefaultAlignment(Qt::AlignCenter);
    vle1->setDragDropMode(QAbstractItemView::InternalMove);
    vle1->setDefaultDropAction(Qt::MoveAction);
    vle1->setItemDelegateForColumn(1, new PickListDelegate(RowArrangeList::pickList(), vle1));
    vle1->setEditTriggers(QAbstractItemView::AllEditTriggers);

    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    Button1 = button("Button1", QStringLiteral("上移"));
    Button2 = button("Button2", QStringLiteral("下移"));
    Button3 = button("Button3", QStringLiteral("确定"));
    Button4 = button("Button4", QStringLiteral("取消"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch();
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *middle = new QHBoxLayout;
    middle->addWidget(vle1, 1);
    middle->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHint);
    layout->addLayout(middle, 1);

    connect(vle1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { vle1DblClick(vle1->indexOfTopLevelItem(item)); });
    connect(vle1, &QTreeWidget::itemChanged, this, [this] {
        if (!m_showing)
            readRows();
    });
    // A drag removes the row and inserts it elsewhere; read the list when it is done.
    connect(vle1->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_showing)
            QTimer::singleShot(0, this, [this] {
                readRows();
                showRows(currentRow());
            });
    });
    connect(Button1, &QPushButton::clicked, this, &TfrmRowArrangeGl::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmRowArrangeGl::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmRowArrangeGl::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmRowArrangeGl::fillFromGrid(const DataGrid *grid)
{
    QList<QPair<QString, QString>> columns;
    for (const GridColumn &c : grid->columns())
        columns << qMakePair(c.title, c.field);
    fill(columns);
}

void TfrmRowArrangeGl::fill(const QList<QPair<QString, QString>> &columns)
{
    m_list.fill(columns);
    m_text.clear();
    showRows(0);
}

int TfrmRowArrangeGl::currentRow() const
{
    return vle1->currentItem() ? vle1->indexOfTopLevelItem(vle1->currentItem()) : -1;
}

void TfrmRowArrangeGl::showRows(int current)
{
    m_showing = true;
    vle1->clear();
    for (const RowArrangeList::Row &r : m_list.rows()) {
        auto *item = new QTreeWidgetItem(vle1, {r.title, r.value});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsEditable);
        vle1->openPersistentEditor(item, 1);  // the value's pick list always shows
    }
    if (current >= 0 && current < vle1->topLevelItemCount())
        vle1->setCurrentItem(vle1->topLevelItem(current));
    m_showing = false;
}

void TfrmRowArrangeGl::readRows()
{
    QList<RowArrangeList::Row> rows;
    for (int i = 0; i < vle1->topLevelItemCount(); ++i)
        rows << RowArrangeList::Row{vle1->topLevelItem(i)->text(0), vle1->topLevelItem(i)->text(1)};
    m_list.setRows(rows);
}

void TfrmRowArrangeGl::vle1DblClick(int row)
{
    m_list.cycle(row);
    showRows(row);
}

void TfrmRowArrangeGl::Button1Click() { showRows(m_list.moveUp(currentRow())); }

void TfrmRowArrangeGl::Button2Click() { showRows(m_list.moveDown(currentRow())); }

void TfrmRowArrangeGl::Button3Click()
{
    m_text = m_list.sortText();
    accept();
}

QString ChooseSortText(DataGrid *grid)
{
    if (!grid)
        return {};
    TfrmRowArrangeGl form(grid->window());
    form.fillFromGrid(grid);
    if (QWidget *w = grid->window())
        form.move(w->geometry().center() - form.rect().center());
    return form.exec() == QDialog::Accepted ? form.sortText() : QString();
}
