#include "widgets/GridLayout.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "widgets/DataGrid.h"
#include "widgets/TFrmDispFieldXZ.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace GridLayoutCodes {

Qt::Alignment alignmentFromCode(int code)
{
    switch (code) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return {};
    }
}

int alignmentCode(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return 1;
    if (alignment & Qt::AlignRight)
        return 2;
    return 0;
}

FooterKind footerKindFromCode(int code)
{
    return code == 1 ? FooterKind::Text : code == 2 ? FooterKind::Sum : FooterKind::None;
}

int footerCode(FooterKind kind) { return kind == FooterKind::Text ? 1 : kind == FooterKind::Sum ? 2 : 0; }

GridColumn columnFromRow(const QString &field, const QString &caption, int width, bool visible, bool readOnly,
                         const QString &displayFormat, const QString &footerValue, int footerType, int alignment)
{
    GridColumn c;
    c.field = field;
    c.title = caption;
    c.titleAlignment = Qt::AlignHCenter;
    c.width = width;
    c.visible = visible;
    c.readOnly = readOnly;
    c.displayFormat = displayFormat;
    c.footerValue = footerValue;
    c.footerKind = footerKindFromCode(footerType);
    c.alignment = alignmentFromCode(alignment);
    return c;
}

} // namespace GridLayoutCodes

void LoadGridLayout(DataGrid *grid, const QString &name)
{
    if (!grid)
        return;
    TdmData &dm = dmData();
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("select * from cfg_Grid where (%1 and F_FieldName <> '') order by F_Order")
                            .arg(dm.dialect().equalsIgnoreCase(QStringLiteral("F_name")));
    if (!dm.run(q, sql, {name})) {
        ShowMess(Msg::OperationFailed, MessError);
        return;
    }
    QList<GridColumn> columns;
    while (q.next()) {
        const QSqlRecord r = q.record();
        columns << GridLayoutCodes::columnFromRow(
            r.value(QStringLiteral("F_FieldName")).toString(), r.value(QStringLiteral("F_Caption")).toString(),
            r.value(QStringLiteral("F_Width")).toInt(), r.value(QStringLiteral("F_Visible")).toBool(),
            r.value(QStringLiteral("F_ReadOnly")).toBool(), r.value(QStringLiteral("F_DisplayFormat")).toString(),
            r.value(QStringLiteral("F_FooterValue")).toString(), r.value(QStringLiteral("F_FooterType")).toInt(),
            r.value(QStringLiteral("F_Alignment")).isNull() ? -1 : r.value(QStringLiteral("F_Alignment")).toInt());
    }
    if (!columns.isEmpty())
        grid->setColumns(columns);
}

void SaveGridLayout(DataGrid *grid, const QString &name)
{
    if (!grid)
        return;
    TdmData &dm = dmData();
    const SqlDialect &d = dm.dialect();
    const QString sql = QStringLiteral("update cfg_Grid set F_Caption = ?, F_Width = ?, F_ReadOnly = ?, F_Visible = ?, "
                                       "F_Order = ?, F_Alignment = ?, F_DisplayFormat = ?, F_FooterValue = ?, "
                                       "F_FooterType = ? where (%1 and %2)")
                            .arg(d.equalsIgnoreCase(QStringLiteral("F_name")),
                                 d.equalsIgnoreCase(QStringLiteral("F_FieldName")));
    const QList<int> order = grid->columnOrder();
    for (int i = 0; i < order.size(); ++i) {
        const int column = order.at(i);
        const GridColumn c = grid->column(column);
        dm.ExecSql(sql, {c.title, c.width, c.readOnly, c.visible, i,
                         GridLayoutCodes::alignmentCode(grid->columnAlignment(column)), c.displayFormat,
                         c.footerValue, GridLayoutCodes::footerCode(c.footerKind), name.toLower(), c.field});
    }
}

void ChooseVisibleColumns(DataGrid *grid)
{
    if (!grid)
        return;
    const QList<int> order = grid->columnOrder();
    QStringList titles;
    QList<bool> visible;
    for (int column : order) {
        titles << grid->column(column).title;
        visible << grid->column(column).visible;
    }
    TFrmDispFieldXZ form(grid->window());
    form.fill(titles, visible);
    if (form.exec() != QDialog::Accepted)
        return;
    const QList<bool> ticked = form.ticked();
    for (int i = 0; i < order.size() && i < ticked.size(); ++i)
        grid->setGridColumnVisible(order.at(i), ticked.at(i));
}
