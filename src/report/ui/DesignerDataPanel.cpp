#include "report/ui/DesignerDataPanel.h"

#include "report/ui/DesignerCanvas.h"

#include "report/ReportTemplate.h"

#include <QHeaderView>
#include <QMimeData>

DesignerDataPanel::DesignerDataPanel(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("designerDataPanel"));
    setHeaderHidden(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setToolTip(QStringLiteral("双击或拖到页面上插入"));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const QString expr = item->data(0, ExpressionRole).toString();
        if (!expr.isEmpty())
            emit insertRequested(expr);
    });
}

QString DesignerDataPanel::fieldExpression(const QString &dataset, const QString &field)
{
    return QStringLiteral("[%1.\"%2\"]").arg(dataset, field);
}

QString DesignerDataPanel::variableExpression(const QString &variable)
{
    return QLatin1Char('[') + variable + QLatin1Char(']');
}

void DesignerDataPanel::setContent(const std::vector<Dataset> &datasets, const ReportTemplate &report)
{
    clear();
    const auto group = [](QTreeWidgetItem *item) {
        item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
        return item;
    };
    auto *data = group(new QTreeWidgetItem(this, {QStringLiteral("数据集")}));
    for (const Dataset &d : datasets) {
        auto *ds = group(new QTreeWidgetItem(data, {d.name}));
        for (const QString &f : d.fields) {
            auto *item = new QTreeWidgetItem(ds, {f});
            item->setData(0, ExpressionRole, fieldExpression(d.name, f));
            item->setToolTip(0, fieldExpression(d.name, f));
        }
    }
    if (datasets.empty())
        group(new QTreeWidgetItem(data, {QStringLiteral("（未连接数据集）")}));

    auto *vars = group(new QTreeWidgetItem(this, {QStringLiteral("变量")}));
    for (const QString &category : report.categories()) {
        auto *cat = group(new QTreeWidgetItem(vars, {category}));
        for (const QString &v : report.variablesOf(category)) {
            auto *item = new QTreeWidgetItem(cat, {v});
            item->setData(0, ExpressionRole, variableExpression(v));
            item->setToolTip(0, variableExpression(v));
        }
    }
    auto *system = group(new QTreeWidgetItem(this, {QStringLiteral("系统变量")}));
    const std::pair<const char *, const char *> builtins[] = {
        {"Date", "日期"}, {"Time", "时间"}, {"Page#", "页码"}, {"TotalPages#", "总页数"}, {"Line#", "行号"}};
    for (const auto &[name, caption] : builtins) {
        auto *item = new QTreeWidgetItem(system, {QStringLiteral("%1（%2）").arg(QLatin1String(name), QString::fromUtf8(caption))});
        item->setData(0, ExpressionRole, variableExpression(QLatin1String(name)));
    }
    expandAll();
}

QStringList DesignerDataPanel::mimeTypes() const
{
    return {DesignerCanvas::ExpressionMime};
}

QMimeData *DesignerDataPanel::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    if (items.isEmpty())
        return nullptr;
    const QString expr = items.constFirst()->data(0, ExpressionRole).toString();
    if (expr.isEmpty())
        return nullptr;
    auto *m = new QMimeData;
    m->setData(DesignerCanvas::ExpressionMime, expr.toUtf8());
    m->setText(expr);
    return m;
}
