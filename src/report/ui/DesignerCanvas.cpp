#include "report/ui/DesignerCanvas.h"

#include "report/ui/DesignerDocument.h"
#include "report/ui/DesignerRuler.h"

#include "report/ReportBarcode.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportRenderer.h"
#include "report/ReportTemplate.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

const QString DesignerCanvas::ExpressionMime = QStringLiteral("application/x-marlo-report-expression");

namespace {

constexpr int kGutter = 96;   // band captions left of the paper
constexpr int kPad = 14;
constexpr int kHandle = 7;    // handle squares, viewport pixels
constexpr double kMinZoom = 0.25, kMaxZoom = 6;

QSizeF defaultSize(DesignerCanvas::Tool t)
{
    switch (t) {
    case DesignerCanvas::Tool::Memo: return {40, 6};
    case DesignerCanvas::Tool::Picture: return {30, 30};
    case DesignerCanvas::Tool::Line: return {40, 0};
    case DesignerCanvas::Tool::Shape: return {30, 20};
    case DesignerCanvas::Tool::Barcode: return {50, 15};
    case DesignerCanvas::Tool::Select: break;
    }
    return {};
}

ReportObject::Kind kindOf(DesignerCanvas::Tool t)
{
    switch (t) {
    case DesignerCanvas::Tool::Picture: return ReportObject::Kind::Picture;
    case DesignerCanvas::Tool::Line: return ReportObject::Kind::Line;
    case DesignerCanvas::Tool::Shape: return ReportObject::Kind::Shape;
    case DesignerCanvas::Tool::Barcode: return ReportObject::Kind::Barcode;
    default: return ReportObject::Kind::Memo;
    }
}

// The text an object shows while designing: its expressions as written.
QString designText(const ReportObject &o)
{
    if (o.kind() == ReportObject::Kind::Memo)
        return static_cast<const ReportMemo &>(o).effectiveText();
    if (o.kind() == ReportObject::Kind::Barcode) {
        const QString t = static_cast<const ReportBarcode &>(o).effectiveText();
        // An expression has no bars yet; a sample shows the symbol's look.
        return t.contains(QLatin1Char('[')) || t.isEmpty() ? QStringLiteral("1234567890") : t;
    }
    return {};
}

} // namespace

DesignerCanvas::DesignerCanvas(DesignerDocument &doc, QWidget *parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_hRuler(new DesignerRuler(Qt::Horizontal, *this, this)),
      m_vRuler(new DesignerRuler(Qt::Vertical, *this, this))
{
    setObjectName(QStringLiteral("designerCanvas"));
    setViewportMargins(DesignerRuler::Thickness, DesignerRuler::Thickness, 0, 0);
    setFocusPolicy(Qt::StrongFocus);
    // Always there, so that fitting the page to the width does not change the width.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    const auto refresh = [this] {
        const QList<ReportObject *> &sel = m_doc.selection();
        if (sel.isEmpty()) {
            m_hRuler->setExtent(1, 0);
            m_vRuler->setExtent(1, 0);
        } else {
            QRectF all;
            for (ReportObject *o : sel)
                all = all.isNull() ? m_doc.objectRectMm(*o).normalized() : all.united(m_doc.objectRectMm(*o).normalized());
            m_hRuler->setExtent(all.left(), all.right());
            m_vRuler->setExtent(all.top(), all.bottom());
        }
        updateScrollBars();
        viewport()->update();
    };
    connect(&m_doc, &DesignerDocument::changed, this, refresh);
    connect(&m_doc, &DesignerDocument::selectionChanged, this, refresh);
    updateScrollBars();
}

double DesignerCanvas::pixelsPerMm() const
{
    return m_zoom * viewport()->logicalDpiX() / 25.4;
}

QSizeF DesignerCanvas::paperSizeMm() const
{
    return m_doc.page().paperSizeMm();
}

QSizeF DesignerCanvas::contentSize() const
{
    const ReportPage &p = m_doc.page();
    return {kGutter + 2.0 * kPad + p.paperWidth * pixelsPerMm(), 2.0 * kPad + p.paperHeight * pixelsPerMm()};
}

QPointF DesignerCanvas::pageOrigin() const
{
    const QSizeF c = contentSize();
    const double extra = std::max(0.0, (viewport()->width() - c.width()) / 2);
    return {kGutter + kPad + extra - horizontalScrollBar()->value(), double(kPad) - verticalScrollBar()->value()};
}

QPointF DesignerCanvas::toMm(const QPointF &viewportPos) const
{
    return (viewportPos - pageOrigin()) / pixelsPerMm();
}

QPointF DesignerCanvas::toView(const QPointF &mm) const
{
    return pageOrigin() + mm * pixelsPerMm();
}

QRectF DesignerCanvas::viewRect(const QRectF &mm) const
{
    return QRectF(toView(mm.topLeft()), toView(mm.bottomRight())).normalized();
}

double DesignerCanvas::snap(double mm) const
{
    return m_snap ? std::round(mm) : mm;
}

void DesignerCanvas::updateScrollBars()
{
    const QSizeF c = contentSize();
    horizontalScrollBar()->setRange(0, std::max(0, int(std::ceil(c.width())) - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, int(std::ceil(c.height())) - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void DesignerCanvas::setZoom(double zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    // Keep the point in the middle of the view where it is.
    const QPointF centre = toMm(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
    m_zoom = zoom;
    updateScrollBars();
    const QPointF now = toView(centre);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(now.x() - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(now.y() - viewport()->height() / 2.0));
    viewport()->update();
    m_hRuler->update();
    m_vRuler->update();
    emit zoomChanged(m_zoom);
}

void DesignerCanvas::zoomToWidth()
{
    const double available = viewport()->width() - kGutter - 2.0 * kPad;
    setZoom(available / (m_doc.page().paperWidth * viewport()->logicalDpiX() / 25.4));
}

void DesignerCanvas::setTool(Tool t)
{
    if (t == m_tool)
        return;
    m_tool = t;
    viewport()->setCursor(t == Tool::Select ? Qt::ArrowCursor : Qt::CrossCursor);
    emit toolChanged(t);
}

QPointF DesignerCanvas::insertionPoint() const
{
    const QList<ReportObject *> &sel = m_doc.selection();
    if (!sel.isEmpty()) {
        const QRectF r = m_doc.objectRectMm(*sel.constLast()).normalized();
        return {r.left(), snap(r.bottom() + 1)};
    }
    const QRectF printable = m_doc.printableRectMm();
    const QPointF visible = toMm(QPointF(0, 0));
    return {snap(std::max(printable.left(), visible.x()) + 5), snap(std::max(printable.top(), visible.y()) + 5)};
}

QRectF DesignerCanvas::rectOf(const ReportObject &o) const
{
    auto it = m_liveRects.constFind(const_cast<ReportObject *>(&o));
    return it != m_liveRects.constEnd() ? *it : m_doc.objectRectMm(o);
}

void DesignerCanvas::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    const QRect vp = viewport()->geometry();
    m_hRuler->setGeometry(vp.left(), vp.top() - DesignerRuler::Thickness, vp.width(), DesignerRuler::Thickness);
    m_vRuler->setGeometry(vp.left() - DesignerRuler::Thickness, vp.top(), DesignerRuler::Thickness, vp.height());
    updateScrollBars();
}

void DesignerCanvas::scrollContentsBy(int, int)
{
    viewport()->update();
    m_hRuler->update();
    m_vRuler->update();
}

void DesignerCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), QColor(0x8c, 0x92, 0x9a));
    const ReportPage &page = m_doc.page();
    const QRectF paper = viewRect(QRectF(0, 0, page.paperWidth, page.paperHeight));
    p.fillRect(paper.translated(4, 4), QColor(0, 0, 0, 70));
    p.fillRect(paper, Qt::white);

    // The grid under everything: a line every 5 mm when they are far enough apart.
    if (m_snap && pixelsPerMm() * 5 >= 10) {
        p.setPen(QPen(QColor(0xe4, 0xea, 0xf4), 0));
        for (double x = 5; x < page.paperWidth; x += 5)
            p.drawLine(toView({x, 0}), toView({x, page.paperHeight}));
        for (double y = 5; y < page.paperHeight; y += 5)
            p.drawLine(toView({0, y}), toView({page.paperWidth, y}));
    }

    // Objects as they print, through the engine's renderer.
    PreparedPage prepared;
    prepared.page = &page;
    prepared.paperMm = page.paperSizeMm();
    prepared.landscape = page.landscape;
    const QList<ReportObject *> objects = m_doc.allObjects();
    for (ReportObject *o : objects)
        prepared.items.push_back({o, rectOf(*o), designText(*o), QImage()});
    p.save();
    p.setClipRect(paper);
    p.translate(pageOrigin());
    p.scale(m_zoom, m_zoom);
    ReportRenderer renderer;  // a fresh one: fonts change while designing
    RenderOptions options;
    options.nonPrintable = true;
    renderer.render(p, prepared, options);
    p.restore();

    // Margins and the outline of every object, so empty memos can be found.
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xc0), 0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(viewRect(m_doc.printableRectMm()));
    const ReportObject *form = m_doc.waybillPicture();
    p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 0, Qt::DotLine));
    for (ReportObject *o : objects)
        if (o != form && o->kind() != ReportObject::Kind::Line)
            p.drawRect(viewRect(rectOf(*o)));

    paintBands(p);
    paintSelection(p);

    if (m_drag == Drag::Rubber || m_drag == Drag::Create) {
        p.setPen(QPen(QColor(0x20, 0x60, 0xd0), 0, Qt::DashLine));
        p.setBrush(QColor(0x20, 0x60, 0xd0, 30));
        p.drawRect(viewRect(m_dragRect));
    }
}

void DesignerCanvas::paintBands(QPainter &p)
{
    const ReportPage &page = m_doc.page();
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    for (ReportBand *b : m_doc.bandsInLayout()) {
        const QRectF r = viewRect(m_doc.bandRectMm(*b));
        const bool current = b == m_doc.currentBand();
        const QColor blue = current ? QColor(0x1e, 0x5a, 0xc8) : QColor(0x5a, 0x7d, 0xb4);
        p.setPen(QPen(blue, 0, Qt::DashLine));
        const double left = toView({0, 0}).x(), right = toView({page.paperWidth, 0}).x();
        p.drawLine(QPointF(left, r.top()), QPointF(right, r.top()));
        p.drawLine(QPointF(left, r.bottom()), QPointF(right, r.bottom()));
        const QRectF tab(left - kGutter, r.top(), kGutter - 6, std::max(18.0, r.height()));
        p.setPen(Qt::NoPen);
        p.setBrush(current ? QColor(0xd4, 0xe2, 0xfa) : QColor(0xe8, 0xee, 0xf8));
        p.drawRoundedRect(tab, 3, 3);
        p.setPen(blue);
        QString caption = b->name + QLatin1Char('\n') + DesignerDocument::bandKindCaption(b->kind);
        if (!b->boundDataset().isEmpty())
            caption += QLatin1Char('\n') + b->boundDataset();
        else if (b->kind == ReportBand::Kind::MasterData)
            caption += QStringLiteral("\n%1 行").arg(b->rowCount);
        p.drawText(tab.adjusted(4, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    }
    if (m_drag == Drag::BandHeight && m_band) {
        const double y = toView({0, m_doc.bandTopMm(*m_band) + m_bandHeightMm}).y();
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 0, Qt::DashLine));
        p.drawLine(QPointF(0, y), QPointF(viewport()->width(), y));
    }
}

void DesignerCanvas::paintSelection(QPainter &p)
{
    const QList<ReportObject *> &sel = m_doc.selection();
    for (ReportObject *o : sel) {
        const QRectF r = viewRect(rectOf(*o));
        p.setPen(QPen(QColor(0x10, 0x50, 0xe0), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        const QPointF pts[8] = {r.topLeft(), {r.center().x(), r.top()}, r.topRight(), {r.right(), r.center().y()},
                                r.bottomRight(), {r.center().x(), r.bottom()}, r.bottomLeft(), {r.left(), r.center().y()}};
        p.setBrush(o == sel.constFirst() ? QColor(0x10, 0x50, 0xe0) : QColor(Qt::white));
        for (const QPointF &pt : pts)
            p.drawRect(QRectF(pt.x() - kHandle / 2.0, pt.y() - kHandle / 2.0, kHandle, kHandle));
    }
}

int DesignerCanvas::handleAt(const QRectF &r, const QPointF &pos) const
{
    const QPointF pts[8] = {r.topLeft(), {r.center().x(), r.top()}, r.topRight(), {r.right(), r.center().y()},
                            r.bottomRight(), {r.center().x(), r.bottom()}, r.bottomLeft(), {r.left(), r.center().y()}};
    for (int i = 0; i < 8; ++i)
        if (std::abs(pos.x() - pts[i].x()) <= kHandle && std::abs(pos.y() - pts[i].y()) <= kHandle)
            return i;
    return -1;
}

ReportBand *DesignerCanvas::bandEdgeAt(const QPointF &pos) const
{
    const double left = toView({0, 0}).x();
    const bool inGutter = pos.x() < left && pos.x() >= left - kGutter;
    if (!inGutter && m_doc.objectAt(toMm(pos)))
        return nullptr;
    for (ReportBand *b : m_doc.bandsInLayout()) {
        const double y = viewRect(m_doc.bandRectMm(*b)).bottom();
        if (std::abs(pos.y() - y) <= 3 && pos.x() >= left - kGutter && pos.x() <= toView({m_doc.page().paperWidth, 0}).x())
            return b;
    }
    return nullptr;
}

void DesignerCanvas::updateCursor(const QPointF &pos)
{
    if (m_tool != Tool::Select) {
        viewport()->setCursor(Qt::CrossCursor);
        return;
    }
    for (ReportObject *o : m_doc.selection()) {
        const int h = handleAt(viewRect(rectOf(*o)), pos);
        if (h >= 0) {
            static const Qt::CursorShape shapes[8] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                                      Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                                      Qt::SizeBDiagCursor, Qt::SizeHorCursor};
            viewport()->setCursor(shapes[h]);
            return;
        }
    }
    if (bandEdgeAt(pos)) {
        viewport()->setCursor(Qt::SplitVCursor);
        return;
    }
    viewport()->setCursor(m_doc.objectAt(toMm(pos)) ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void DesignerCanvas::mousePressEvent(QMouseEvent *e)
{
    setFocus();
    if (e->button() != Qt::LeftButton)
        return;
    const QPointF pos = e->position();
    const QPointF mm = toMm(pos);
    m_pressMm = mm;
    m_liveRects.clear();
    m_startRects.clear();
    if (m_tool != Tool::Select) {
        m_drag = Drag::Create;
        m_dragRect = QRectF(QPointF(snap(mm.x()), snap(mm.y())), QSizeF(0, 0));
        return;
    }
    const bool extend = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!extend)
        for (ReportObject *o : m_doc.selection()) {
            const int h = handleAt(viewRect(rectOf(*o)), pos);
            if (h >= 0) {
                m_drag = Drag::Resize;
                m_handle = h;
                m_startRects.insert(o, m_doc.objectRectMm(*o));
                return;
            }
        }
    if (!extend)
        if (ReportBand *b = bandEdgeAt(pos)) {
            m_drag = Drag::BandHeight;
            m_band = b;
            m_bandHeightMm = b->heightMm();
            m_doc.setCurrentBand(b);
            return;
        }
    ReportObject *hit = m_doc.objectAt(mm);
    if (hit) {
        if (extend) {
            m_doc.toggleSelected(hit);
            return;
        }
        if (!m_doc.selection().contains(hit))
            m_doc.select(hit);
        m_drag = Drag::Move;
        // The clicked object leads, so it is the one that lands on the grid.
        m_startRects.insert(hit, m_doc.objectRectMm(*hit));
        for (ReportObject *o : m_doc.selection())
            m_startRects.insert(o, m_doc.objectRectMm(*o));
        m_handle = m_doc.selection().indexOf(hit);
        return;
    }
    if (!extend)
        m_doc.setSelection({});
    m_doc.setCurrentBand(m_doc.bandAt(mm));
    m_drag = Drag::Rubber;
    m_dragRect = QRectF(mm, QSizeF(0, 0));
}

void DesignerCanvas::mouseMoveEvent(QMouseEvent *e)
{
    const QPointF pos = e->position();
    const QPointF mm = toMm(pos);
    m_hRuler->setMarker(mm.x());
    m_vRuler->setMarker(mm.y());
    emit cursorMoved(mm);
    if (m_drag == Drag::None) {
        updateCursor(pos);
        return;
    }
    dragTo(mm);
}

void DesignerCanvas::dragTo(const QPointF &mm)
{
    switch (m_drag) {
    case Drag::None:
        return;
    case Drag::Move: {
        // Hold still for small jitters of a click.
        if ((QPointF(toView(mm)) - toView(m_pressMm)).manhattanLength() < QApplication::startDragDistance() &&
            m_liveRects.isEmpty())
            return;
        ReportObject *lead = m_doc.selection().value(m_handle);
        const QRectF leadStart = m_startRects.value(lead);
        QPointF delta = mm - m_pressMm;
        delta = QPointF(snap(leadStart.left() + delta.x()) - leadStart.left(),
                        snap(leadStart.top() + delta.y()) - leadStart.top());
        for (auto it = m_startRects.constBegin(); it != m_startRects.constEnd(); ++it)
            m_liveRects.insert(it.key(), it.value().translated(delta));
        break;
    }
    case Drag::Resize: {
        ReportObject *o = m_startRects.constBegin().key();
        QRectF r = m_startRects.constBegin().value();
        const QPointF delta = mm - m_pressMm;
        const bool flatW = o->kind() == ReportObject::Kind::Line && r.width() == 0;
        const bool flatH = o->kind() == ReportObject::Kind::Line && r.height() == 0;
        if ((m_handle == 0 || m_handle == 6 || m_handle == 7) && !flatW)
            r.setLeft(snap(r.left() + delta.x()));
        if ((m_handle >= 2 && m_handle <= 4) || (flatW && (m_handle == 0 || m_handle == 6 || m_handle == 7)))
            r.setRight(snap(r.right() + delta.x()));
        if (m_handle <= 2 && !flatH)
            r.setTop(snap(r.top() + delta.y()));
        if ((m_handle >= 4 && m_handle <= 6) || (flatH && m_handle <= 2))
            r.setBottom(snap(r.bottom() + delta.y()));
        if (flatW)
            r.setWidth(0);
        if (flatH)
            r.setHeight(0);
        if (o->kind() != ReportObject::Kind::Line)
            r = r.normalized();
        m_liveRects.insert(o, r);
        break;
    }
    case Drag::Rubber:
        m_dragRect = QRectF(m_pressMm, mm);
        break;
    case Drag::Create:
        m_dragRect = QRectF(m_dragRect.topLeft(), QPointF(snap(mm.x()), snap(mm.y())));
        break;
    case Drag::BandHeight:
        m_bandHeightMm = std::max(1.0, snap(m_doc.bandTopMm(*m_band) + (mm.y() - m_pressMm.y()) + m_band->heightMm()) -
                                           m_doc.bandTopMm(*m_band));
        break;
    }
    viewport()->update();
}

void DesignerCanvas::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    dragTo(toMm(e->position()));
    const Drag drag = m_drag;
    m_drag = Drag::None;
    switch (drag) {
    case Drag::Move:
        if (!m_liveRects.isEmpty())
            m_doc.setObjectRectsMm(m_liveRects, QStringLiteral("移动对象"));
        break;
    case Drag::Resize:
        if (!m_liveRects.isEmpty())
            m_doc.setObjectRectsMm(m_liveRects, QStringLiteral("改变大小"));
        break;
    case Drag::Rubber: {
        QList<ReportObject *> hits = m_doc.objectsTouching(m_dragRect);
        if (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
            QList<ReportObject *> sel = m_doc.selection();
            for (ReportObject *o : hits)
                if (!sel.contains(o))
                    sel.append(o);
            hits = sel;
        }
        if (m_dragRect.width() != 0 || m_dragRect.height() != 0 || !hits.isEmpty())
            m_doc.setSelection(hits);
        break;
    }
    case Drag::Create:
        finishCreate(m_dragRect);
        break;
    case Drag::BandHeight:
        m_doc.setBandHeightMm(m_band, m_bandHeightMm);
        m_band = nullptr;
        break;
    case Drag::None:
        break;
    }
    m_liveRects.clear();
    m_startRects.clear();
    viewport()->update();
}

void DesignerCanvas::finishCreate(const QRectF &dragged)
{
    QRectF r = dragged.normalized();
    const QSizeF def = defaultSize(m_tool);
    if (m_tool == Tool::Line) {
        // A line runs along the longer side of what was dragged.
        if (r.width() < 1 && r.height() < 1)
            r = QRectF(dragged.topLeft(), def);
        else if (std::abs(dragged.width()) >= std::abs(dragged.height()))
            r = QRectF(r.left(), dragged.top(), r.width(), 0);
        else
            r = QRectF(dragged.left(), r.top(), 0, r.height());
    } else if (r.width() < 1 || r.height() < 1) {
        r = QRectF(dragged.topLeft(), def);
    }
    const Tool tool = m_tool;
    setTool(Tool::Select);
    m_doc.insertObject(kindOf(tool), r);
}

void DesignerCanvas::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (ReportObject *o = m_doc.objectAt(toMm(e->position())))
        if (o->kind() == ReportObject::Kind::Memo || o->kind() == ReportObject::Kind::Barcode)
            emit editTextRequested(o);
}

void DesignerCanvas::wheelEvent(QWheelEvent *e)
{
    if (e->modifiers() & Qt::ControlModifier) {
        setZoom(m_zoom * (e->angleDelta().y() > 0 ? 1.15 : 1 / 1.15));
        e->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(e);
}

void DesignerCanvas::nudge(int key, bool coarse, bool resize)
{
    const double step = coarse ? 1.0 : 0.1;
    QPointF d;
    switch (key) {
    case Qt::Key_Left: d = {-step, 0}; break;
    case Qt::Key_Right: d = {step, 0}; break;
    case Qt::Key_Up: d = {0, -step}; break;
    default: d = {0, step}; break;
    }
    if (resize)
        m_doc.resizeObjects(m_doc.selection(), QSizeF(d.x(), d.y()), true);
    else
        m_doc.moveObjects(m_doc.selection(), d, true);
}

void DesignerCanvas::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!m_doc.selection().isEmpty()) {
            nudge(e->key(), e->modifiers() & Qt::ShiftModifier, e->modifiers() & Qt::ControlModifier);
            return;
        }
        break;
    case Qt::Key_Escape:
        if (m_drag != Drag::None) {
            m_drag = Drag::None;
            m_liveRects.clear();
            viewport()->update();
        } else if (m_tool != Tool::Select) {
            setTool(Tool::Select);
        } else {
            m_doc.setSelection({});
        }
        return;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(e);
}

void DesignerCanvas::dragEnterEvent(QDragEnterEvent *e)
{
    if (e->mimeData()->hasFormat(ExpressionMime))
        e->acceptProposedAction();
}

void DesignerCanvas::dragMoveEvent(QDragMoveEvent *e)
{
    if (e->mimeData()->hasFormat(ExpressionMime))
        e->acceptProposedAction();
}

void DesignerCanvas::dropEvent(QDropEvent *e)
{
    if (!e->mimeData()->hasFormat(ExpressionMime))
        return;
    const QString expr = QString::fromUtf8(e->mimeData()->data(ExpressionMime));
    const QPointF mm = toMm(e->position());
    m_doc.insertField(expr, QPointF(snap(mm.x()), snap(mm.y())));
    e->acceptProposedAction();
    setFocus();
}
