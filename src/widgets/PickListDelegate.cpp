#include "widgets/PickListDelegate.h"

#include <QComboBox>

PickListDelegate::PickListDelegate(const QStringList &items, QObject *parent)
    : QStyledItemDelegate(parent), m_items(items)
{
}

QWidget *PickListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->addItems(m_items);
    connect(box, &QComboBox::activated, this, [this, box] { emit const_cast<PickListDelegate *>(this)->commitData(box); });
    return box;
}

void PickListDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    const int i = m_items.indexOf(index.data(Qt::EditRole).toString());
    if (box->currentIndex() != qMax(0, i))
        box->setCurrentIndex(qMax(0, i));
}

void PickListDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QString v = static_cast<QComboBox *>(editor)->currentText();
    if (model->data(index, Qt::EditRole).toString() != v)
        model->setData(index, v, Qt::EditRole);
}
