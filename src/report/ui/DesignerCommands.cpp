#include "report/ui/DesignerCommands.h"

#include "report/ui/DesignerDocument.h"

#include "report/ReportTemplate.h"

#include <algorithm>

DesignerGeometryCommand::DesignerGeometryCommand(DesignerDocument &doc, std::vector<Entry> entries,
                                                 const QString &text, int mergeId)
    : QUndoCommand(text), m_doc(doc), m_entries(std::move(entries)), m_id(mergeId)
{
}

void DesignerGeometryCommand::redo()
{
    for (const Entry &e : m_entries)
        e.object->setRectPx(e.after);
    m_doc.notifyChanged();
}

void DesignerGeometryCommand::undo()
{
    for (const Entry &e : m_entries)
        e.object->setRectPx(e.before);
    m_doc.notifyChanged();
}

bool DesignerGeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *o = static_cast<const DesignerGeometryCommand *>(other);
    if (o->m_entries.size() != m_entries.size())
        return false;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (o->m_entries[i].object != m_entries[i].object)
            return false;
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i].after = o->m_entries[i].after;
    return true;
}

DesignerPropertyCommand::DesignerPropertyCommand(DesignerDocument &doc, std::vector<ReportObject *> objects,
                                                 DesignerProperty property, const QVariant &value)
    : QUndoCommand(QStringLiteral("修改%1").arg(DesignerProperties::label(property))), m_doc(doc),
      m_objects(std::move(objects)), m_property(property), m_value(value)
{
    for (ReportObject *o : m_objects)
        m_before.append(DesignerProperties::value(*o, property));
}

void DesignerPropertyCommand::redo()
{
    for (ReportObject *o : m_objects)
        DesignerProperties::setValue(*o, m_property, m_value);
    m_doc.notifyChanged();
}

void DesignerPropertyCommand::undo()
{
    for (size_t i = 0; i < m_objects.size(); ++i)
        DesignerProperties::setValue(*m_objects[i], m_property, m_before.at(qsizetype(i)));
    m_doc.notifyChanged();
}

DesignerObjectsCommand::DesignerObjectsCommand(DesignerDocument &doc, bool inserting, const QString &text,
                                               QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_inserting(inserting)
{
}

DesignerObjectsCommand *DesignerObjectsCommand::insert(
    DesignerDocument &doc, std::vector<std::pair<ReportBand *, std::unique_ptr<ReportObject>>> objects,
    const QString &text, QUndoCommand *parent)
{
    auto *c = new DesignerObjectsCommand(doc, true, text, parent);
    std::vector<std::pair<ReportBand *, int>> next;  // next free index per band
    for (auto &[band, object] : objects) {
        auto it = std::find_if(next.begin(), next.end(), [b = band](const auto &n) { return n.first == b; });
        if (it == next.end())
            it = next.insert(next.end(), {band, int(band->objects.size())});
        Entry e;
        e.band = band;
        e.index = it->second++;
        e.object = object.get();
        e.owned = std::move(object);
        c->m_entries.push_back(std::move(e));
    }
    return c;
}

DesignerObjectsCommand *DesignerObjectsCommand::remove(DesignerDocument &doc,
                                                       const std::vector<ReportObject *> &objects,
                                                       const QString &text)
{
    auto *c = new DesignerObjectsCommand(doc, false, text, nullptr);
    for (ReportObject *o : objects) {
        ReportBand *band = doc.bandOf(*o);
        if (!band)
            continue;
        Entry e;
        e.band = band;
        e.index = band->indexOf(o);
        e.object = o;
        c->m_entries.push_back(std::move(e));
    }
    std::sort(c->m_entries.begin(), c->m_entries.end(), [](const Entry &a, const Entry &b) {
        return a.band != b.band ? a.band < b.band : a.index < b.index;
    });
    return c;
}

void DesignerObjectsCommand::put()
{
    for (Entry &e : m_entries)
        e.band->addObject(std::move(e.owned), e.index);
}

void DesignerObjectsCommand::take()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
        it->owned = it->band->takeObject(it->band->indexOf(it->object));
}

void DesignerObjectsCommand::redo()
{
    m_inserting ? put() : take();
    m_doc.notifyChanged();
}

void DesignerObjectsCommand::undo()
{
    m_inserting ? take() : put();
    m_doc.notifyChanged();
}

DesignerOrderCommand::DesignerOrderCommand(DesignerDocument &doc, std::vector<BandOrder> orders, const QString &text)
    : QUndoCommand(text), m_doc(doc), m_orders(std::move(orders))
{
}

void DesignerOrderCommand::apply(ReportBand &band, const std::vector<ReportObject *> &order)
{
    std::vector<std::unique_ptr<ReportObject>> sorted;
    for (ReportObject *o : order) {
        const int i = band.indexOf(o);
        if (i >= 0)
            sorted.push_back(std::move(band.objects[size_t(i)]));
    }
    // Anything not named in the order keeps its place after the named ones.
    for (auto &o : band.objects)
        if (o)
            sorted.push_back(std::move(o));
    band.objects = std::move(sorted);
}

void DesignerOrderCommand::redo()
{
    for (const BandOrder &o : m_orders)
        apply(*o.band, o.after);
    m_doc.notifyChanged();
}

void DesignerOrderCommand::undo()
{
    for (const BandOrder &o : m_orders)
        apply(*o.band, o.before);
    m_doc.notifyChanged();
}

DesignerBandListCommand::DesignerBandListCommand(DesignerDocument &doc, ReportPage &page,
                                                 std::unique_ptr<ReportBand> added, const QString &text,
                                                 QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page), m_adding(true), m_band(added.get()),
      m_index(int(page.bands.size())), m_owned(std::move(added))
{
}

DesignerBandListCommand::DesignerBandListCommand(DesignerDocument &doc, ReportPage &page, ReportBand *removed,
                                                 const QString &text)
    : QUndoCommand(text), m_doc(doc), m_page(page), m_adding(false), m_band(removed), m_index(page.indexOf(removed))
{
}

void DesignerBandListCommand::put()
{
    m_page.addBand(std::move(m_owned), m_index);
}

void DesignerBandListCommand::take()
{
    m_owned = m_page.takeBand(m_page.indexOf(m_band));
}

void DesignerBandListCommand::redo()
{
    m_adding ? put() : take();
    m_doc.notifyChanged();
}

void DesignerBandListCommand::undo()
{
    m_adding ? take() : put();
    m_doc.notifyChanged();
}

DesignerBandCommand::State DesignerBandCommand::State::of(const ReportBand &b)
{
    return {b.name, b.height, b.dataSet, b.dataSetName, b.rowCount};
}

void DesignerBandCommand::State::applyTo(ReportBand &b) const
{
    b.name = name;
    b.height = height;
    b.dataSet = dataSet;
    b.dataSetName = dataSetName;
    b.rowCount = rowCount;
}

DesignerBandCommand::DesignerBandCommand(DesignerDocument &doc, ReportBand &band, const State &after,
                                         const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_band(band), m_before(State::of(band)), m_after(after)
{
}

void DesignerBandCommand::redo()
{
    m_after.applyTo(m_band);
    m_doc.notifyChanged();
}

void DesignerBandCommand::undo()
{
    m_before.applyTo(m_band);
    m_doc.notifyChanged();
}

DesignerPageCommand::DesignerPageCommand(DesignerDocument &doc, ReportPage &page, const DesignerPageSettings &after)
    : QUndoCommand(QStringLiteral("页面设置")), m_doc(doc), m_page(page),
      m_before(DesignerPageSettings::of(doc.report(), page)), m_after(after)
{
}

void DesignerPageCommand::redo()
{
    m_after.applyTo(m_doc.report(), m_page);
    m_doc.notifyChanged();
}

void DesignerPageCommand::undo()
{
    m_before.applyTo(m_doc.report(), m_page);
    m_doc.notifyChanged();
}
