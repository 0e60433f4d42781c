#include "main/RecordList.h"

#include "core/Dates.h"
#include "main/RecordListQuery.h"
#include "widgets/DataGrid.h"
#include "widgets/SqlListModel.h"

#include <QLabel>

RecordList::RecordList(QWidget *owner) : QObject(owner)
{
    setObjectName(QStringLiteral("RecordList"));
    QryMain = new SqlListModel(this);
    QryMain->setObjectName(QStringLiteral("QryMain"));
    DBGridEh1 = new DataGrid(owner);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setReadOnly(true);
    DBGridEh1->setListModel(QryMain);
    DBGridEh1->setColumns(builtInColumns());
    DBGridEh1->setRowStyleHook(DataGrid::redWhenTrue(QStringLiteral("F_useFlag")));
    // The record date is blank also on the placeholder day itself.
    DBGridEh1->setDisplayHook(QStringLiteral("F_date"), [](const QVariant &v) { return Dates::display(v, Dates::BlankBelow, true); });
    lblCLTnum = new QLabel(owner);
    lblCLTnum->setObjectName(QStringLiteral("lblCLTnum"));
    lblCLTnum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCLTnum->setStyleSheet(QStringLiteral("color: blue;"));
    lblCLTnum->setText(QStringLiteral("客户总数： 0 个 "));
    connect(DBGridEh1, &DataGrid::titleClicked, this, &RecordList::titleClicked);
    QryMain->setFilter(dispatchStateFilter(0));  // stays for every statement the list opens
}

QList<GridColumn> RecordList::builtInColumns()
{
    static const char *const columns[][2] = {
        {"F_code", "编号"},   {"F_name", "公司名称"},   {"F_LXRemp", "收件人"},  {"F_sheng", "省份"},
        {"F_city", "城市"},   {"F_area", "城区"},       {"F_address", "地址"},   {"F_date", "日期"},
        {"F_postcode", "邮编"}, {"F_GDphone", "固定电话"}, {"F_SJphone", "联系手机"}, {"F_MDaddress", "收件地址"},
        {"F_memo1", "备注"},  {"F_useflag", "停用"},    {"F_ZF1", "字符项一"},   {"F_ZF2", "字符项二"},
        {"F_ZF3", "字符项三"}, {"F_ZF4", "字符项四"},   {"F_ZF5", "字符项五"},   {"F_SZ1", "数值项一"},
        {"F_SZ2", "数值项二"}, {"F_SZ3", "数值项三"},   {"F_RQ1", "日期项一"},   {"F_RQ2", "日期项二"},
        {"F_RQ3", "日期项三"}, {"F_empName", "经手人"},
    };
    QList<GridColumn> list;
    for (const auto &c : columns) {
        GridColumn g;
        g.field = QLatin1String(c[0]);
        g.title = QString::fromUtf8(c[1]);
        g.width = 80;
        list << g;
    }
    return list;
}

bool RecordList::open(const SqlStatement &statement)
{
    DBGridEh1->clearSortMarkers();
    const bool ok = QryMain->open(statement.text, statement.values);  // filtered by the dispatch state
    writeCount();
    return ok;
}

QList<QPair<QString, QVariant>> RecordList::dispatchStateFilter(int index)
{
    if (index == 0 || index == 1)
        return {qMakePair(QStringLiteral("F_useFlag"), QVariant(index == 1))};
    return {};
}

void RecordList::setDispatchState(int index)
{
    QryMain->setFilter(dispatchStateFilter(index));
    writeCount();
}

void RecordList::writeCount()
{
    lblCLTnum->setText(QStringLiteral("客户总数： %1 个").arg(QryMain->isOpen() ? QryMain->rowCount() : 0));
}

void RecordList::titleClicked(int column)
{
    if (!QryMain->isOpen())
        return;
    const GridColumn c = DBGridEh1->column(column);
    const SortMarker next = nextSortMarker(c.marker);
    DBGridEh1->setSortMarker(column, next);
    if (c.field.toLower().contains(QLatin1String("mem")))
        return;  // memo columns are not sorted
    QryMain->setSort({SortTerm{c.field, next == SortMarker::Ascending}});
}

void RecordList::applySortText(const QString &text)
{
    DBGridEh1->clearSortMarkers();
    QryMain->setSortText(text);
}

int RecordList::currentRecordId() const
{
    return QryMain->isEmpty() ? 0 : QryMain->current(QStringLiteral("F_ID")).toInt();
}

int RecordList::recordCount() const { return QryMain->rowCount(); }

bool RecordList::moveCurrent(Move move)
{
    const int rows = QryMain->rowCount();
    if (rows == 0)
        return false;
    const int now = QryMain->currentRow();
    int next = now;
    switch (move) {
    case Move::First:
        next = 0;
        break;
    case Move::Prior:
        next = now - 1;
        break;
    case Move::Next:
        next = now + 1;
        break;
    case Move::Last:
        next = rows - 1;
        break;
    }
    if (next < 0 || next >= rows || next == now)
        return false;
    QryMain->setCurrentRow(next);
    return true;
}

bool RecordList::atFirst() const { return QryMain->currentRow() <= 0; }
bool RecordList::atLast() const { return QryMain->currentRow() >= QryMain->rowCount() - 1; }

void RecordList::reopenOn(int recordId)
{
    if (QryMain->isOpen())
        QryMain->refresh();
    QryMain->locate(recordId);
    writeCount();
}

void RecordList::showStatus(const QString &text)
{
    if (statusWriter)
        statusWriter(text);
}
