#pragma once

#include "report/ui/DesignerPageSettings.h"
#include "report/ui/DesignerProperties.h"

#include "report/ReportBand.h"

#include <QRectF>
#include <QUndoCommand>
#include <QVariant>

#include <memory>
#include <vector>

class DesignerDocument;
class ReportPage;

// The undo steps of the designer, one kind per kind of change. Each keeps what it
// needs to go both ways; objects and bands taken out of the template are owned by
// their command meanwhile, so pointers held elsewhere stay valid across undo/redo.

// Places and sizes of objects (move, resize, align, same size, arrow keys).
// Rectangles are template pixels relative to the object's band.
class DesignerGeometryCommand : public QUndoCommand
{
public:
    struct Entry
    {
        ReportObject *object;
        QRectF before, after;
    };
    enum { NudgeId = 1001 };

    DesignerGeometryCommand(DesignerDocument &doc, std::vector<Entry> entries, const QString &text, int mergeId = -1);
    void redo() override;
    void undo() override;
    int id() const override { return m_id; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    DesignerDocument &m_doc;
    std::vector<Entry> m_entries;
    int m_id;
};

// One property of one or more objects.
class DesignerPropertyCommand : public QUndoCommand
{
public:
    DesignerPropertyCommand(DesignerDocument &doc, std::vector<ReportObject *> objects, DesignerProperty property,
                            const QVariant &value);
    void redo() override;
    void undo() override;

private:
    DesignerDocument &m_doc;
    std::vector<ReportObject *> m_objects;
    DesignerProperty m_property;
    QVariant m_value;
    QVariantList m_before;
};

// Objects put into or taken out of their bands (insert, paste, delete, cut).
class DesignerObjectsCommand : public QUndoCommand
{
public:
    struct Entry
    {
        ReportBand *band = nullptr;
        int index = 0;
        ReportObject *object = nullptr;
        std::unique_ptr<ReportObject> owned;  // held while the object is out of the template
    };
    // Insert: the objects go to the end of their bands. Remove: the objects are in the template.
    static DesignerObjectsCommand *insert(DesignerDocument &doc, std::vector<std::pair<ReportBand *, std::unique_ptr<ReportObject>>> objects,
                                          const QString &text, QUndoCommand *parent = nullptr);
    static DesignerObjectsCommand *remove(DesignerDocument &doc, const std::vector<ReportObject *> &objects,
                                          const QString &text);
    void redo() override;
    void undo() override;

private:
    DesignerObjectsCommand(DesignerDocument &doc, bool inserting, const QString &text, QUndoCommand *parent);
    void put();
    void take();

    DesignerDocument &m_doc;
    bool m_inserting;
    std::vector<Entry> m_entries;  // ordered by band, then index
};

// The drawing order of objects within their bands (bring to front, send to back).
class DesignerOrderCommand : public QUndoCommand
{
public:
    struct BandOrder
    {
        ReportBand *band;
        std::vector<ReportObject *> before, after;
    };
    DesignerOrderCommand(DesignerDocument &doc, std::vector<BandOrder> orders, const QString &text);
    void redo() override;
    void undo() override;

private:
    static void apply(ReportBand &band, const std::vector<ReportObject *> &order);
    DesignerDocument &m_doc;
    std::vector<BandOrder> m_orders;
};

// A band added to or removed from the page, with its objects.
class DesignerBandListCommand : public QUndoCommand
{
public:
    DesignerBandListCommand(DesignerDocument &doc, ReportPage &page, std::unique_ptr<ReportBand> added,
                            const QString &text, QUndoCommand *parent = nullptr);
    DesignerBandListCommand(DesignerDocument &doc, ReportPage &page, ReportBand *removed, const QString &text);
    void redo() override;
    void undo() override;
    ReportBand *band() const { return m_band; }

private:
    void put();
    void take();
    DesignerDocument &m_doc;
    ReportPage &m_page;
    bool m_adding;
    ReportBand *m_band;
    int m_index = -1;
    std::unique_ptr<ReportBand> m_owned;
};

// A band's name, height, dataset and row count.
class DesignerBandCommand : public QUndoCommand
{
public:
    struct State
    {
        QString name;
        double height = 0;  // pixels
        QString dataSet, dataSetName;
        int rowCount = 0;
        static State of(const ReportBand &b);
        void applyTo(ReportBand &b) const;
        bool operator==(const State &o) const = default;
    };
    DesignerBandCommand(DesignerDocument &doc, ReportBand &band, const State &after, const QString &text,
                        QUndoCommand *parent = nullptr);
    void redo() override;
    void undo() override;

private:
    DesignerDocument &m_doc;
    ReportBand &m_band;
    State m_before, m_after;
};

// Paper, orientation, margins and print offset.
class DesignerPageCommand : public QUndoCommand
{
public:
    DesignerPageCommand(DesignerDocument &doc, ReportPage &page, const DesignerPageSettings &after);
    void redo() override;
    void undo() override;

private:
    DesignerDocument &m_doc;
    ReportPage &m_page;
    DesignerPageSettings m_before, m_after;
};
