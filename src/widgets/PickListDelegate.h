#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

// A value cell edited by choosing from a fixed pick list; the choice is
// written back at once.
class PickListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    PickListDelegate(const QStringList &items, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QStringList m_items;
};
