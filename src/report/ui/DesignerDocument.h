#pragma once

#include "report/ui/DesignerPageSettings.h"
#include "report/ui/DesignerProperties.h"

#include "report/ReportBand.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QUndoStack>

#include <memory>
#include <vector>

class ReportMemo;
class ReportPage;
class ReportPicture;
class ReportTemplate;

// A template being designed: where its bands and objects lie on the paper, the
// selection, and every change as an undo step. Everything here takes plain values
// (millimetres from the paper's top-left corner, object names), so the canvas, the
// panels and tests drive it alike.
//
// Bands lie on the page the way they print on the first page: stacked from the top
// margin in their designer order, the report title and page header first, the page
// footer at the bottom margin. So a field placed over the scanned paper form is
// printed exactly there.
class DesignerDocument : public QObject
{
    Q_OBJECT

public:
    enum class Align { Left, Right, Top, Bottom };

    // Works on the template in place; an empty template gets a page (a waybill
    // template also its band "MDmain").
    DesignerDocument(ReportTemplate &report, bool waybill = false, QObject *parent = nullptr);

    ReportTemplate &report() const { return m_report; }
    ReportPage &page() const;
    QUndoStack &undoStack() { return m_undo; }
    bool isWaybill() const { return m_waybill; }
    bool isModified() const { return !m_undo.isClean(); }

    // Where things lie, in millimetres on the paper.
    std::vector<ReportBand *> bandsInLayout() const;
    double bandTopMm(const ReportBand &band) const;
    QRectF bandRectMm(const ReportBand &band) const;
    QRectF objectRectMm(const ReportObject &o) const;
    ReportBand *bandOf(const ReportObject &o) const;
    ReportBand *bandAt(const QPointF &mm) const;
    ReportObject *objectAt(const QPointF &mm) const;  // the topmost
    QList<ReportObject *> objectsTouching(const QRectF &mm) const;
    QList<ReportObject *> allObjects() const;  // in drawing order
    ReportObject *object(const QString &name) const;
    ReportBand *band(const QString &name) const;
    QRectF printableRectMm() const;

    // Selection.
    const QList<ReportObject *> &selection() const { return m_selection; }
    void setSelection(const QList<ReportObject *> &objects);
    void select(ReportObject *o) { setSelection(o ? QList<ReportObject *>{o} : QList<ReportObject *>{}); }
    void toggleSelected(ReportObject *o);
    void selectAll();
    ReportBand *currentBand() const;
    void setCurrentBand(ReportBand *band);

    // Object changes; each is one undo step.
    void setObjectRectsMm(const QHash<ReportObject *, QRectF> &paperRects, const QString &text, int mergeId = -1);
    void setObjectRectMm(ReportObject *o, const QRectF &paperRect);
    void moveObjects(const QList<ReportObject *> &objects, const QPointF &deltaMm, bool nudge = false);
    void resizeObjects(const QList<ReportObject *> &objects, const QSizeF &deltaMm, bool nudge = false);
    // False (and a message) for a name already in use or empty.
    bool setProperty(const QList<ReportObject *> &objects, DesignerProperty p, const QVariant &value);
    // Puts a new object into the band at that point (or the current band); its rect is on the paper.
    ReportObject *insertObject(ReportObject::Kind kind, const QRectF &paperRect);
    ReportObject *insertObject(std::unique_ptr<ReportObject> o, const QRectF &paperRect, const QString &text);
    // A memo showing an expression such as [收件信息."收件人"], at a paper position.
    ReportMemo *insertField(const QString &expression, const QPointF &paperPos);
    void deleteObjects(const QList<ReportObject *> &objects);
    void bringToFront(const QList<ReportObject *> &objects);
    void sendToBack(const QList<ReportObject *> &objects);
    // Aligns to the first object of the list.
    void align(const QList<ReportObject *> &objects, Align a);
    void makeSameSize(const QList<ReportObject *> &objects, bool width, bool height);

    // Clipboard: the objects as template XML, and back (pasted at their places + offset).
    QByteArray copyData(const QList<ReportObject *> &objects) const;
    QList<ReportObject *> paste(const QByteArray &data, const QPointF &offsetMm);

    // Bands.
    ReportBand *addBand(ReportBand::Kind kind, const QString &name, double heightMm);
    void removeBand(ReportBand *band);
    bool renameBand(ReportBand *band, const QString &name);
    void setBandHeightMm(ReportBand *band, double heightMm);
    // Empty dataset: prints rowCount times.
    void setBandDataset(ReportBand *band, const QString &datasetName, const QString &component, int rowCount);
    // A name for a new band of this kind ("MDmain" for the first master band of a waybill).
    QString proposedBandName(ReportBand::Kind kind) const;
    // The kind as users read it: "主数据", "页眉", ...
    static QString bandKindCaption(ReportBand::Kind kind);

    // Page.
    DesignerPageSettings pageSettings() const;
    void setPageSettings(const DesignerPageSettings &s);

    // The scanned paper form: a picture object that is not printed, sized to the
    // paper, behind everything, in the band "MDmain" (created when missing) or the
    // first master band. An earlier one is replaced. Null when the bytes are no picture.
    ReportPicture *placeWaybillPicture(const QByteArray &pictureBytes);
    ReportPicture *waybillPicture() const;

    // Called by the undo commands after each change.
    void notifyChanged();

signals:
    void changed();
    void selectionChanged();

private:
    // Moves the chosen objects of each band to the end of its list (front) or its start (back).
    void restack(const QList<ReportObject *> &objects, bool toFront, const QString &caption);
    QString freeName(const QString &name) const;
    QPointF bandOriginMm(const ReportBand &band) const;
    QRectF toBandPx(const ReportBand &band, const QRectF &paperRect) const;
    void pruneSelection();
    double nextBandTop(ReportBand::Kind kind) const;

    ReportTemplate &m_report;
    bool m_waybill;
    QUndoStack m_undo;
    QList<ReportObject *> m_selection;
    ReportBand *m_currentBand = nullptr;
};
