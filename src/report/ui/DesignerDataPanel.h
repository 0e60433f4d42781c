#pragma once

#include <QStringList>
#include <QTreeWidget>

#include <vector>

class ReportTemplate;

// The data a template can show: the bound datasets with their fields under the
// names templates use, the variables by category, and the system values. A
// double-click asks for the expression to be inserted; dragging carries it to
// the canvas.
class DesignerDataPanel : public QTreeWidget
{
    Q_OBJECT

public:
    struct Dataset
    {
        QString name;
        QStringList fields;
    };
    static constexpr int ExpressionRole = Qt::UserRole + 1;

    explicit DesignerDataPanel(QWidget *parent = nullptr);
    void setContent(const std::vector<Dataset> &datasets, const ReportTemplate &report);

    // The expression that shows a field or a variable in a memo.
    static QString fieldExpression(const QString &dataset, const QString &field);
    static QString variableExpression(const QString &variable);

signals:
    void insertRequested(const QString &expression);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
};
