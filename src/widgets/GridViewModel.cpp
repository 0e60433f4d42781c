#include "widgets/GridViewModel.h"

#include "core/Dates.h"
#include "core/DisplayFormat.h"

#include <QBrush>

QString gridCellText(const QVariant &value, FieldKind kind, const QString &displayFormat)
{
    if (!value.isValid() || value.isNull() || kind == FieldKind::Bool)
        return {};
    const int type = value.typeId();
    if (kind == FieldKind::Date || type == QMetaType::QDate || type == QMetaType::QDateTime) {
        const QString shown = Dates::display(value);
        if (shown.isEmpty() || !DisplayFormat::isDateFormat(displayFormat))
            return shown;
        return DisplayFormat::format(value, displayFormat);
    }
    return DisplayFormat::format(value, displayFormat);
}

GridViewModel::GridViewModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridViewModel::setList(ListModel *list)
{
    beginResetModel();
    for (const auto &c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_list = list;
    if (list) {
        m_connections << connect(list, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        m_connections << connect(list, &QAbstractItemModel::modelReset, this, [this] {
            mapFields();
            endResetModel();
        });
        m_connections << connect(list, &QAbstractItemModel::layoutAboutToBeChanged, this,
                                 [this] { emit layoutAboutToBeChanged(); });
        m_connections << connect(list, &QAbstractItemModel::layoutChanged, this, [this] { emit layoutChanged(); });
        m_connections << connect(list, &QAbstractItemModel::rowsAboutToBeInserted, this,
                                 [this](const QModelIndex &, int a, int b) { beginInsertRows({}, a, b); });
        m_connections << connect(list, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); });
        m_connections << connect(list, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                                 [this](const QModelIndex &, int a, int b) { beginRemoveRows({}, a, b); });
        m_connections << connect(list, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); });
        m_connections << connect(list, &QAbstractItemModel::dataChanged, this,
                                 [this](const QModelIndex &tl, const QModelIndex &br) {
                                     if (!m_columns.isEmpty())
                                         emit dataChanged(index(tl.row(), 0), index(br.row(), columnCount() - 1));
                                 });
    }
    mapFields();
    endResetModel();
}

void GridViewModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    mapFields();
    endResetModel();
}

void GridViewModel::mapFields()
{
    m_fieldOf.clear();
    for (const GridColumn &c : m_columns)
        m_fieldOf << (m_list ? m_list->fieldIndex(c.field) : -1);
}

Qt::Alignment GridViewModel::alignmentOf(int column) const
{
    const Qt::Alignment a = m_columns.value(column).alignment & Qt::AlignHorizontal_Mask;
    if (a)
        return a;
    const int f = fieldOf(column);
    if (f < 0 || !m_list)
        return Qt::AlignLeft;
    switch (m_list->fieldKind(f)) {
    case FieldKind::Number:
        return Qt::AlignRight;
    case FieldKind::Bool:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

bool GridViewModel::isCellEditable(const QModelIndex &index) const
{
    return index.isValid() && !m_readOnly && m_list && m_list->isEditable() && fieldOf(index.column()) >= 0 &&
           !m_columns.at(index.column()).readOnly;
}

void GridViewModel::setDisplayHook(const QString &field, DisplayHook hook)
{
    if (hook)
        m_hooks.insert(field.toLower(), std::move(hook));
    else
        m_hooks.remove(field.toLower());
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString GridViewModel::cellText(int row, int column) const
{
    const int f = fieldOf(column);
    if (f < 0)
        return {};
    const QVariant v = m_list->value(row, f);
    const auto hook = m_hooks.constFind(m_columns.at(column).field.toLower());
    if (hook != m_hooks.constEnd())
        return (*hook)(v);
    return gridCellText(v, m_list->fieldKind(f), m_columns.at(column).displayFormat);
}

int GridViewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_list ? 0 : m_list->rowCount();
}

int GridViewModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant GridViewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_list)
        return {};
    const int f = fieldOf(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::EditRole:
        return f < 0 ? QVariant() : m_list->value(index.row(), f);
    case Qt::CheckStateRole:
        if (f < 0 || m_list->fieldKind(f) != FieldKind::Bool)
            return {};
        return m_list->value(index.row(), f).toBool() ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(index.column()) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        if (!m_rowStyle)
            return {};
        const std::optional<RowStyle> s = m_rowStyle(*m_list, index.row());
        if (!s)
            return {};
        const QColor c = role == Qt::ForegroundRole ? s->text : s->background;
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    default:
        return {};
    }
}

bool GridViewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isCellEditable(index))
        return false;
    const int f = fieldOf(index.column());
    if (role == Qt::CheckStateRole)
        return m_list->setValue(index.row(), f, value.toInt() == Qt::Checked);
    if (role == Qt::EditRole)
        return m_list->setValue(index.row(), f, value);
    return false;
}

Qt::ItemFlags GridViewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCellEditable(index)) {
        if (m_list->fieldKind(fieldOf(index.column())) == FieldKind::Bool)
            f |= Qt::ItemIsUserCheckable;
        else
            f |= Qt::ItemIsEditable;
    }
    return f;
}

QVariant GridViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(section).titleAlignment | Qt::AlignVCenter);
    return {};
}
