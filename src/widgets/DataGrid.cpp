#include "widgets/DataGrid.h"

#include "core/DisplayFormat.h"
#include "widgets/GridDelegate.h"
#include "widgets/GridFooter.h"
#include "widgets/GridHeader.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Typing pauses longer than this start a new search.
constexpr int kSearchPauseMs = 1500;

bool isMoveKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent), m_view(new GridViewModel(this)), m_header(new GridHeader(this)), m_footer(new GridFooter(this))
{
    setHorizontalHeader(m_header);
    setModel(m_view);
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (col < gridColumnCount() && size > 0)  // hiding a column sizes it 0
            m_view->column(col).width = size;
        m_footer->update();
    });
    connect(m_header, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_view, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnGeometry();
        m_footer->update();
    });
    m_searchTimer.start();
}

DataGrid::~DataGrid() = default;

void DataGrid::setListModel(ListModel *list)
{
    for (auto &c : m_listConn)
        disconnect(c);
    m_view->setList(list);
    if (list) {
        m_listConn[0] = connect(list, &ListModel::currentRowChanged, this, &DataGrid::showCurrentRow);
        m_listConn[1] = connect(list, &ListModel::selectionChanged, viewport(), qOverload<>(&QWidget::update));
        m_listConn[2] = connect(list, &ListModel::sumsChanged, m_footer, qOverload<>(&QWidget::update));
        updateSumFields();
        showCurrentRow(list->currentRow());
    }
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    // A moved column goes back to its own place with the new set.
    for (int v = 0; v < m_header->count(); ++v)
        if (m_header->logicalIndex(v) != v) {
            m_header->reset();
            break;
        }
    m_view->setColumns(columns);
    updateSumFields();
    if (ListModel *list = listModel())
        showCurrentRow(list->currentRow());
}

QList<GridColumn> DataGrid::columns() const
{
    QList<GridColumn> out;
    for (int c : columnOrder())
        out << m_view->columns().value(c);
    return out;
}

QList<int> DataGrid::columnOrder() const
{
    QList<int> out;
    for (int v = 0; v < m_header->count(); ++v)
        out << m_header->logicalIndex(v);
    return out;
}

void DataGrid::setColumn(int column, const GridColumn &c)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    QList<GridColumn> all = m_view->columns();
    all[column] = c;
    // Keep the shown order the user made.
    QList<int> visual;
    for (int i = 0; i < all.size(); ++i)
        visual << m_header->visualIndex(i);
    m_view->setColumns(all);
    for (int i = 0; i < all.size(); ++i)
        if (m_header->visualIndex(i) != visual.at(i))
            m_header->moveSection(m_header->visualIndex(i), visual.at(i));
    updateSumFields();
}

int DataGrid::columnOfField(const QString &field) const
{
    const QList<GridColumn> &cols = m_view->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void DataGrid::setGridColumnVisible(int column, bool visible)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_view->column(column).visible = visible;
    setColumnHidden(column, !visible);
    m_footer->update();
}

SortMarker DataGrid::sortMarker(int column) const
{
    return column >= 0 && column < gridColumnCount() ? m_view->columns().at(column).marker : SortMarker::None;
}

void DataGrid::setSortMarker(int column, SortMarker marker)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_view->column(column).marker = marker;
    m_header->viewport()->update();
}

void DataGrid::clearSortMarkers()
{
    for (int i = 0; i < gridColumnCount(); ++i)
        m_view->column(i).marker = SortMarker::None;
    m_header->viewport()->update();
}

void DataGrid::setReadOnly(bool readOnly)
{
    m_view->setReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    viewport()->update();
}

void DataGrid::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible);
    updateGeometries();
}

QString DataGrid::footerText(int column) const
{
    const GridColumn c = this->column(column);
    switch (c.footerKind) {
    case FooterKind::Text:
        return c.footerValue;
    case FooterKind::Sum: {
        const ListModel *list = listModel();
        if (list && list->sumsPending())
            return QStringLiteral("…");
        const QVariant s = list ? list->sum(c.field) : QVariant();
        return s.isValid() ? DisplayFormat::format(s, c.displayFormat) : QString();
    }
    case FooterKind::None:
        break;
    }
    return {};
}

void DataGrid::setRowStyleHook(RowStyleHook hook)
{
    m_view->setRowStyleHook(std::move(hook));
    viewport()->update();
}

RowStyleHook DataGrid::redWhenTrue(const QString &field)
{
    return [field](const ListModel &list, int row) -> std::optional<RowStyle> {
        if (!list.value(row, field).toBool())
            return std::nullopt;
        return RowStyle{QColor(Qt::red), QApplication::palette().color(QPalette::Button)};
    };
}

void DataGrid::updateSumFields()
{
    ListModel *list = listModel();
    if (!list)
        return;
    QStringList fields;
    for (const GridColumn &c : m_view->columns())
        if (c.footerKind == FooterKind::Sum && list->fieldIndex(c.field) >= 0)
            fields << c.field;
    list->setSumFields(fields);
    m_footer->update();
}

void DataGrid::applyColumnGeometry()
{
    const QList<GridColumn> &cols = m_view->columns();
    for (int i = 0; i < cols.size(); ++i) {
        m_header->resizeSection(i, cols.at(i).width);
        setColumnHidden(i, !cols.at(i).visible);
    }
}

void DataGrid::showCurrentRow(int row)
{
    viewport()->update();
    if (row < 0 || row >= m_view->rowCount())
        return;
    int col = currentIndex().isValid() ? currentIndex().column() : -1;
    if (col < 0 || isColumnHidden(col))
        for (int v = 0; v < m_header->count() && (col < 0 || isColumnHidden(col)); ++v)
            col = m_header->logicalIndex(v);
    if (col < 0)
        return;
    if (currentIndex().row() != row || currentIndex().column() != col) {
        m_syncing = true;
        setCurrentIndex(m_view->index(row, col));
        m_syncing = false;
    }
    scrollTo(m_view->index(row, col));
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.column() != m_searchColumn)
        m_search.clear();
    if (!m_syncing && current.isValid() && listModel())
        listModel()->setCurrentRow(current.row());
    viewport()->update();
}

void DataGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex idx = indexAt(event->position().toPoint());
    ListModel *list = listModel();
    if (idx.isValid() && list && event->button() == Qt::LeftButton) {
        const int row = idx.row();
        const Qt::KeyboardModifiers mods = event->modifiers();
        if (mods & Qt::ControlModifier) {
            list->toggleSelected(row);
            m_anchor = row;
        } else if (mods & Qt::ShiftModifier) {
            list->clearSelection();
            list->selectRange(m_anchor >= 0 ? m_anchor : list->currentRow(), row);
        } else {
            list->clearSelection();
            m_anchor = row;
        }
    }
    QTableView::mousePressEvent(event);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (idx.isValid() && event->button() == Qt::LeftButton)
        emit rowDoubleClicked(idx.row());
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    ListModel *list = listModel();
    const int before = list ? list->currentRow() : -1;
    QTableView::keyPressEvent(event);
    if (!list || !isMoveKey(event->key()) || state() == QAbstractItemView::EditingState)
        return;
    const int after = list->currentRow();
    if (event->modifiers() & Qt::ShiftModifier) {
        if (m_anchor < 0)
            m_anchor = before;
        list->clearSelection();
        list->selectRange(m_anchor, after);
    } else if (!(event->modifiers() & Qt::ControlModifier)) {
        list->clearSelection();
        m_anchor = after;
    }
}

void DataGrid::contextMenuEvent(QContextMenuEvent *event)
{
    const int col = columnAt(event->pos().x());
    emit contextMenuRequested(event->globalPos(), col);
    if (m_popup)
        m_popup->exec(event->globalPos());
}

int DataGrid::searchColumn() const
{
    const QModelIndex cur = currentIndex();
    if (cur.isValid())
        return cur.column();
    for (int v = 0; v < m_header->count(); ++v)
        if (!isColumnHidden(m_header->logicalIndex(v)))
            return m_header->logicalIndex(v);
    return -1;
}

void DataGrid::keyboardSearch(const QString &text)
{
    ListModel *list = listModel();
    const int col = searchColumn();
    if (!list || col < 0 || text.isEmpty())
        return;
    if (col != m_searchColumn || m_searchTimer.elapsed() > kSearchPauseMs)
        m_search.clear();
    m_searchColumn = col;
    m_searchTimer.restart();
    m_search += text;
    const int field = m_view->fieldOf(col);
    const int row = field < 0 ? -1 : list->findPrefix(field, m_search);
    if (row >= 0) {
        list->clearSelection();
        list->setCurrentRow(row);
        m_anchor = row;
    }
}

void DataGrid::updateGeometries()
{
    if (m_inGeometry)
        return;
    m_inGeometry = true;
    QTableView::updateGeometries();
    const int fh = m_footerVisible ? m_footer->rowHeight() : 0;
    const QMargins m = viewportMargins();
    if (m.bottom() != fh)
        setViewportMargins(m.left(), m.top(), m.right(), fh);
    if (m_footerVisible) {
        const QRect vp = viewport()->geometry();
        m_footer->setGeometry(vp.left(), vp.bottom() + 1, vp.width(), fh);
        m_footer->raise();
    }
    m_inGeometry = false;
}
