#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPointer>
#include <QRectF>

class DesignerDocument;
class DesignerRuler;
class ReportBand;
class ReportObject;

// The page being designed, drawn at a zoom with millimetre rulers: the paper, the
// scanned form, the bands, every object as the engine's renderer prints it, the
// selection with its handles. Mouse: click, Shift-click and rubber band select,
// dragging moves, handles resize, a band's lower edge sets its height; with an
// insert tool a drag (or a click) places a new object. Keys: arrows move the
// selection 0.1 mm (1 mm with Shift), with Ctrl they resize it. Moves snap to the
// millimetre grid while snapping is on. Data fields dropped on it become memos.
class DesignerCanvas : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class Tool { Select, Memo, Picture, Line, Shape, Barcode };
    // The drag-and-drop type the data panel offers: an expression such as [收件信息."收件人"].
    static const QString ExpressionMime;

    explicit DesignerCanvas(DesignerDocument &doc, QWidget *parent = nullptr);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);  // 1 = real size on the screen
    void zoomToWidth();
    bool snapToGrid() const { return m_snap; }
    void setSnapToGrid(bool on) { m_snap = on; }
    Tool tool() const { return m_tool; }
    void setTool(Tool t);

    // Pixels of the viewport per millimetre, and the conversions the rulers use.
    double pixelsPerMm() const;
    QSizeF paperSizeMm() const;
    QPointF toMm(const QPointF &viewportPos) const;
    QPointF toView(const QPointF &mm) const;
    // Where a field inserted without a place goes: under the selection or at the top
    // left of what is visible of the printable area.
    QPointF insertionPoint() const;
    double snap(double mm) const;

signals:
    void cursorMoved(const QPointF &mm);
    void toolChanged(DesignerCanvas::Tool tool);
    void zoomChanged(double zoom);
    void editTextRequested(ReportObject *object);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    enum class Drag { None, Move, Resize, Rubber, Create, BandHeight };

    QPointF pageOrigin() const;  // the paper's top-left corner in viewport pixels
    QSizeF contentSize() const;
    void updateScrollBars();
    QRectF rectOf(const ReportObject &o) const;  // on paper, with a drag in progress
    QRectF viewRect(const QRectF &mm) const;
    int handleAt(const QRectF &viewRect, const QPointF &pos) const;  // -1 or 0..7
    ReportBand *bandEdgeAt(const QPointF &pos) const;
    void paintBands(QPainter &p);
    void paintSelection(QPainter &p);
    void updateCursor(const QPointF &pos);
    void dragTo(const QPointF &mm);
    void finishCreate(const QRectF &mm);
    void nudge(int key, bool fine, bool resize);

    DesignerDocument &m_doc;
    DesignerRuler *m_hRuler, *m_vRuler;
    double m_zoom = 1;
    bool m_snap = true;
    Tool m_tool = Tool::Select;

    Drag m_drag = Drag::None;
    QPointF m_pressMm;
    int m_handle = -1;
    QHash<ReportObject *, QRectF> m_startRects;  // on paper, at the press
    QHash<ReportObject *, QRectF> m_liveRects;   // while moving or resizing
    QRectF m_dragRect;                           // rubber band or new object, mm
    ReportBand *m_band = nullptr;                // its height being dragged
    double m_bandHeightMm = 0;
};
