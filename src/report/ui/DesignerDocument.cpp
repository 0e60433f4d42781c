#include "report/ui/DesignerDocument.h"

#include "report/ui/DesignerCommands.h"

#include "report/Fr3Reader.h"
#include "report/Fr3Writer.h"
#include "report/ReportBarcode.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"
#include "report/ReportTemplate.h"

#include "core/Messages.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

using namespace ReportUnits;

constexpr double kDefaultBandGapPx = 20;
// Lines have no area; a click this close to one (in mm) still hits it.
constexpr double kHitToleranceMm = 0.8;

int bandRank(ReportBand::Kind k)
{
    switch (k) {
    case ReportBand::Kind::ReportTitle: return 0;
    case ReportBand::Kind::PageHeader: return 1;
    case ReportBand::Kind::Header: return 2;
    case ReportBand::Kind::MasterData: return 3;
    case ReportBand::Kind::Other: return 3;
    case ReportBand::Kind::Footer: return 4;
    case ReportBand::Kind::ReportSummary: return 5;
    case ReportBand::Kind::PageFooter: return 6;
    }
    return 3;
}

QString bandPrefix(ReportBand::Kind k)
{
    switch (k) {
    case ReportBand::Kind::ReportTitle: return QStringLiteral("ReportTitle");
    case ReportBand::Kind::PageHeader: return QStringLiteral("PageHeader");
    case ReportBand::Kind::Header: return QStringLiteral("Header");
    case ReportBand::Kind::Footer: return QStringLiteral("Footer");
    case ReportBand::Kind::PageFooter: return QStringLiteral("PageFooter");
    case ReportBand::Kind::ReportSummary: return QStringLiteral("ReportSummary");
    default: return QStringLiteral("MasterData");
    }
}

std::unique_ptr<ReportObject> newObject(ReportObject::Kind kind)
{
    switch (kind) {
    case ReportObject::Kind::Memo: return std::make_unique<ReportMemo>();
    case ReportObject::Kind::Picture: return std::make_unique<ReportPicture>();
    case ReportObject::Kind::Line: return std::make_unique<ReportLine>();
    case ReportObject::Kind::Shape: return std::make_unique<ReportShape>();
    case ReportObject::Kind::Barcode: {
        auto b = std::make_unique<ReportBarcode>();
        b->text = QStringLiteral("123456789012");
        return b;
    }
    case ReportObject::Kind::Unknown: break;
    }
    return nullptr;
}

QString objectPrefix(ReportObject::Kind kind)
{
    switch (kind) {
    case ReportObject::Kind::Memo: return QStringLiteral("Memo");
    case ReportObject::Kind::Picture: return QStringLiteral("Picture");
    case ReportObject::Kind::Line: return QStringLiteral("Line");
    case ReportObject::Kind::Shape: return QStringLiteral("Shape");
    case ReportObject::Kind::Barcode: return QStringLiteral("BarCode");
    case ReportObject::Kind::Unknown: break;
    }
    return QStringLiteral("Object");
}

bool sameRect(const QRectF &a, const QRectF &b)
{
    return qFuzzyCompare(a.x() + 1, b.x() + 1) && qFuzzyCompare(a.y() + 1, b.y() + 1) &&
           qFuzzyCompare(a.width() + 1, b.width() + 1) && qFuzzyCompare(a.height() + 1, b.height() + 1);
}

} // namespace

DesignerDocument::DesignerDocument(ReportTemplate &report, bool waybill, QObject *parent)
    : QObject(parent), m_report(report), m_waybill(waybill)
{
    if (m_report.pages.empty()) {
        m_report.addPage();
        if (m_waybill) {
            ReportPage &p = page();
            auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
            band->name = QStringLiteral("MDmain");
            band->rowCount = 1;
            band->width = pxFromMm(p.paperWidth - p.leftMargin - p.rightMargin);
            band->setHeightMm(p.paperHeight - p.topMargin - p.bottomMargin);
            p.addBand(std::move(band));
        }
    }
}

ReportPage &DesignerDocument::page() const
{
    return *m_report.pages.front();
}

std::vector<ReportBand *> DesignerDocument::bandsInLayout() const
{
    std::vector<ReportBand *> bands = page().bandsByTop();
    std::stable_sort(bands.begin(), bands.end(), [](ReportBand *a, ReportBand *b) {
        const auto key = [](ReportBand::Kind k) {
            return k == ReportBand::Kind::ReportTitle ? 0 : k == ReportBand::Kind::PageHeader ? 1
                                                        : k == ReportBand::Kind::PageFooter ? 3 : 2;
        };
        return key(a->kind) < key(b->kind);
    });
    return bands;
}

double DesignerDocument::bandTopMm(const ReportBand &band) const
{
    const ReportPage &p = page();
    if (band.kind == ReportBand::Kind::PageFooter)
        return p.paperHeight - p.bottomMargin - band.heightMm();
    double y = p.topMargin;
    for (ReportBand *b : bandsInLayout()) {
        if (b == &band)
            return y;
        if (b->kind != ReportBand::Kind::PageFooter)
            y += b->heightMm();
    }
    return y;
}

QRectF DesignerDocument::bandRectMm(const ReportBand &band) const
{
    const ReportPage &p = page();
    return {p.leftMargin + mmFromPx(band.left), bandTopMm(band), p.paperWidth - p.leftMargin - p.rightMargin,
            band.heightMm()};
}

QPointF DesignerDocument::bandOriginMm(const ReportBand &band) const
{
    return {page().leftMargin + mmFromPx(band.left), bandTopMm(band)};
}

QRectF DesignerDocument::toBandPx(const ReportBand &band, const QRectF &paperRect) const
{
    const QPointF o = bandOriginMm(band);
    return {pxFromMm(paperRect.x() - o.x()), pxFromMm(paperRect.y() - o.y()), pxFromMm(paperRect.width()),
            pxFromMm(paperRect.height())};
}

QRectF DesignerDocument::objectRectMm(const ReportObject &o) const
{
    const ReportBand *band = bandOf(o);
    const QRectF r = o.rectMm();
    return band ? r.translated(bandOriginMm(*band)) : r;
}

QRectF DesignerDocument::printableRectMm() const
{
    const ReportPage &p = page();
    return {p.leftMargin, p.topMargin, p.paperWidth - p.leftMargin - p.rightMargin,
            p.paperHeight - p.topMargin - p.bottomMargin};
}

ReportBand *DesignerDocument::bandOf(const ReportObject &o) const
{
    for (const auto &b : page().bands)
        if (b->indexOf(&o) >= 0)
            return b.get();
    return nullptr;
}

ReportBand *DesignerDocument::bandAt(const QPointF &mm) const
{
    for (ReportBand *b : bandsInLayout()) {
        const QRectF r = bandRectMm(*b);
        if (mm.y() >= r.top() && mm.y() < r.bottom())
            return b;
    }
    return nullptr;
}

QList<ReportObject *> DesignerDocument::allObjects() const
{
    QList<ReportObject *> out;
    for (ReportBand *b : bandsInLayout())
        for (const auto &o : b->objects)
            out.append(o.get());
    return out;
}

ReportObject *DesignerDocument::objectAt(const QPointF &mm) const
{
    const QList<ReportObject *> objects = allObjects();
    const ReportPicture *form = waybillPicture();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        // The scanned form lies under everything; clicks go through it so that
        // rubber-band selection works over it.
        if (*it == form)
            continue;
        const QRectF r = objectRectMm(**it).normalized().adjusted(-kHitToleranceMm, -kHitToleranceMm,
                                                                  kHitToleranceMm, kHitToleranceMm);
        if (r.contains(mm))
            return *it;
    }
    return nullptr;
}

QList<ReportObject *> DesignerDocument::objectsTouching(const QRectF &mm) const
{
    QList<ReportObject *> out;
    const ReportPicture *form = waybillPicture();
    const QRectF area = mm.normalized();
    for (ReportObject *o : allObjects()) {
        QRectF r = objectRectMm(*o).normalized();
        if (r.width() <= 0 || r.height() <= 0)
            r.adjust(-0.01, -0.01, 0.01, 0.01);
        if (o != form && area.intersects(r))
            out.append(o);
    }
    return out;
}

ReportObject *DesignerDocument::object(const QString &name) const
{
    return page().findObject(name);
}

ReportBand *DesignerDocument::band(const QString &name) const
{
    return page().findBand(name);
}

void DesignerDocument::setSelection(const QList<ReportObject *> &objects)
{
    if (objects == m_selection)
        return;
    m_selection = objects;
    if (!m_selection.isEmpty())
        m_currentBand = bandOf(*m_selection.constFirst());
    emit selectionChanged();
}

void DesignerDocument::toggleSelected(ReportObject *o)
{
    QList<ReportObject *> s = m_selection;
    if (!s.removeOne(o))
        s.append(o);
    setSelection(s);
}

void DesignerDocument::selectAll()
{
    QList<ReportObject *> all = allObjects();
    all.removeOne(waybillPicture());
    setSelection(all);
}

ReportBand *DesignerDocument::currentBand() const
{
    return m_currentBand;
}

void DesignerDocument::setCurrentBand(ReportBand *band)
{
    if (band == m_currentBand)
        return;
    m_currentBand = band;
    emit selectionChanged();
}

void DesignerDocument::setObjectRectsMm(const QHash<ReportObject *, QRectF> &paperRects, const QString &text,
                                        int mergeId)
{
    std::vector<DesignerGeometryCommand::Entry> entries;
    // Keep the caller's object order stable for merging: walk the drawing order.
    for (ReportObject *o : allObjects()) {
        auto it = paperRects.constFind(o);
        if (it == paperRects.constEnd())
            continue;
        const ReportBand *band = bandOf(*o);
        const QRectF after = toBandPx(*band, *it);
        if (!sameRect(after, o->rectPx()))
            entries.push_back({o, o->rectPx(), after});
    }
    if (!entries.empty())
        m_undo.push(new DesignerGeometryCommand(*this, std::move(entries), text, mergeId));
}

void DesignerDocument::setObjectRectMm(ReportObject *o, const QRectF &paperRect)
{
    if (o)
        setObjectRectsMm({{o, paperRect}}, QStringLiteral("移动对象"));
}

void DesignerDocument::moveObjects(const QList<ReportObject *> &objects, const QPointF &deltaMm, bool nudge)
{
    QHash<ReportObject *, QRectF> rects;
    for (ReportObject *o : objects)
        rects.insert(o, objectRectMm(*o).translated(deltaMm));
    setObjectRectsMm(rects, QStringLiteral("移动对象"), nudge ? DesignerGeometryCommand::NudgeId : -1);
}

void DesignerDocument::resizeObjects(const QList<ReportObject *> &objects, const QSizeF &deltaMm, bool nudge)
{
    QHash<ReportObject *, QRectF> rects;
    for (ReportObject *o : objects) {
        QRectF r = objectRectMm(*o);
        // A line keeps its zero extent; everything else keeps a size.
        const bool flatW = o->kind() == ReportObject::Kind::Line && r.width() == 0;
        const bool flatH = o->kind() == ReportObject::Kind::Line && r.height() == 0;
        r.setWidth(flatW ? 0 : std::max(0.5, r.width() + deltaMm.width()));
        r.setHeight(flatH ? 0 : std::max(0.5, r.height() + deltaMm.height()));
        rects.insert(o, r);
    }
    setObjectRectsMm(rects, QStringLiteral("改变大小"), nudge ? DesignerGeometryCommand::NudgeId + 1 : -1);
}

QString DesignerDocument::freeName(const QString &name) const
{
    if (!m_report.findObject(name) && !m_report.findBand(name))
        return name;
    QString prefix = name;
    prefix.remove(QRegularExpression(QStringLiteral("\\d+$")));
    return m_report.uniqueName(prefix.isEmpty() ? QStringLiteral("Object") : prefix);
}

bool DesignerDocument::setProperty(const QList<ReportObject *> &objects, DesignerProperty p, const QVariant &value)
{
    std::vector<ReportObject *> targets;
    for (ReportObject *o : objects)
        if (DesignerProperties::applies(*o, p) && DesignerProperties::value(*o, p) != value)
            targets.push_back(o);
    if (targets.empty())
        return true;
    if (p == DesignerProperty::Name) {
        const QString name = value.toString().trimmed();
        if (targets.size() != 1 || name.isEmpty())
            return false;
        static const QRegularExpression valid(QStringLiteral("^[\\w]+$"), QRegularExpression::UseUnicodePropertiesOption);
        if (!valid.match(name).hasMatch()) {
            ShowMess(QStringLiteral("名称“%1”只能由字母、数字和下划线组成。").arg(name), MessWarning);
            return false;
        }
        const ReportObject *other = m_report.findObject(name);
        if ((other && other != targets.front()) || m_report.findBand(name)) {
            ShowMess(QStringLiteral("名称“%1”已被使用，请换一个名称。").arg(name), MessWarning);
            return false;
        }
        m_undo.push(new DesignerPropertyCommand(*this, std::move(targets), p, name));
        return true;
    }
    m_undo.push(new DesignerPropertyCommand(*this, std::move(targets), p, value));
    return true;
}

ReportObject *DesignerDocument::insertObject(ReportObject::Kind kind, const QRectF &paperRect)
{
    std::unique_ptr<ReportObject> o = newObject(kind);
    if (!o)
        return nullptr;
    o->name = m_report.uniqueName(objectPrefix(kind));
    return insertObject(std::move(o), paperRect, QStringLiteral("插入对象"));
}

ReportObject *DesignerDocument::insertObject(std::unique_ptr<ReportObject> o, const QRectF &paperRect,
                                             const QString &text)
{
    ReportBand *band = bandAt(paperRect.topLeft());
    if (!band)
        band = m_currentBand;
    if (!band && !bandsInLayout().empty())
        band = bandsInLayout().front();
    m_undo.beginMacro(text);
    if (!band) {
        const QRectF printable = printableRectMm();
        band = addBand(ReportBand::Kind::MasterData, proposedBandName(ReportBand::Kind::MasterData),
                       printable.height());
    }
    o->setRectPx(toBandPx(*band, paperRect));
    ReportObject *raw = o.get();
    std::vector<std::pair<ReportBand *, std::unique_ptr<ReportObject>>> list;
    list.emplace_back(band, std::move(o));
    m_undo.push(DesignerObjectsCommand::insert(*this, std::move(list), text));
    m_undo.endMacro();
    select(raw);
    return raw;
}

ReportMemo *DesignerDocument::insertField(const QString &expression, const QPointF &paperPos)
{
    auto memo = std::make_unique<ReportMemo>();
    memo->name = m_report.uniqueName(QStringLiteral("Memo"));
    memo->text = expression;
    // Wide enough for the usual value of a field, so that it fits without wrapping.
    const QSizeF size(40, 6);
    return static_cast<ReportMemo *>(insertObject(std::move(memo), QRectF(paperPos, size), QStringLiteral("插入字段")));
}

void DesignerDocument::deleteObjects(const QList<ReportObject *> &objects)
{
    if (objects.isEmpty())
        return;
    m_undo.push(DesignerObjectsCommand::remove(*this, {objects.begin(), objects.end()}, QStringLiteral("删除对象")));
}

void DesignerDocument::bringToFront(const QList<ReportObject *> &objects) { restack(objects, true, QStringLiteral("置于顶层")); }

void DesignerDocument::sendToBack(const QList<ReportObject *> &objects) { restack(objects, false, QStringLiteral("置于底层")); }

void DesignerDocument::restack(const QList<ReportObject *> &objects, bool toFront, const QString &caption)
{
    std::vector<DesignerOrderCommand::BandOrder> orders;
    for (const auto &b : page().bands) {
        DesignerOrderCommand::BandOrder order{b.get(), {}, {}};
        std::vector<ReportObject *> chosen, rest;
        for (const auto &o : b->objects) {
            order.before.push_back(o.get());
            (objects.contains(o.get()) ? chosen : rest).push_back(o.get());
        }
        if (chosen.empty())
            continue;
        // Painted in list order: the last object lies on top.
        order.after = toFront ? rest : chosen;
        const std::vector<ReportObject *> &then = toFront ? chosen : rest;
        order.after.insert(order.after.end(), then.begin(), then.end());
        if (order.after != order.before)
            orders.push_back(std::move(order));
    }
    if (!orders.empty())
        m_undo.push(new DesignerOrderCommand(*this, std::move(orders), caption));
}

void DesignerDocument::align(const QList<ReportObject *> &objects, Align a)
{
    if (objects.size() < 2)
        return;
    const QRectF ref = objectRectMm(*objects.constFirst());
    QHash<ReportObject *, QRectF> rects;
    for (ReportObject *o : objects.mid(1)) {
        QRectF r = objectRectMm(*o);
        switch (a) {
        case Align::Left: r.moveLeft(ref.left()); break;
        case Align::Right: r.moveRight(ref.right()); break;
        case Align::Top: r.moveTop(ref.top()); break;
        case Align::Bottom: r.moveBottom(ref.bottom()); break;
        }
        rects.insert(o, r);
    }
    setObjectRectsMm(rects, QStringLiteral("对齐"));
}

void DesignerDocument::makeSameSize(const QList<ReportObject *> &objects, bool width, bool height)
{
    if (objects.size() < 2)
        return;
    const QRectF ref = objectRectMm(*objects.constFirst());
    QHash<ReportObject *, QRectF> rects;
    for (ReportObject *o : objects.mid(1)) {
        QRectF r = objectRectMm(*o);
        if (width)
            r.setWidth(ref.width());
        if (height)
            r.setHeight(ref.height());
        rects.insert(o, r);
    }
    setObjectRectsMm(rects, QStringLiteral("相同大小"));
}

QByteArray DesignerDocument::copyData(const QList<ReportObject *> &objects) const
{
    if (objects.isEmpty())
        return {};
    ReportTemplate clip;
    ReportPage *p = clip.addPage();
    auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
    band->name = QStringLiteral("Clipboard");
    // Positions are kept on the paper, so a paste lands where the copy was.
    for (ReportObject *o : objects) {
        std::unique_ptr<ReportObject> c = o->clone();
        const QRectF r = objectRectMm(*o);
        c->setRectMm(r);
        band->addObject(std::move(c));
    }
    p->addBand(std::move(band));
    return Fr3Writer::toData(clip);
}

QList<ReportObject *> DesignerDocument::paste(const QByteArray &data, const QPointF &offsetMm)
{
    ReportTemplate clip;
    if (data.isEmpty() || !Fr3Reader::readData(data, clip) || clip.pages.empty())
        return {};
    std::vector<std::unique_ptr<ReportObject>> objects;
    for (const auto &b : clip.pages.front()->bands)
        for (auto &o : b->objects)
            objects.push_back(std::move(o));
    if (objects.empty())
        return {};
    m_undo.beginMacro(QStringLiteral("粘贴"));
    if (bandsInLayout().empty())
        addBand(ReportBand::Kind::MasterData, proposedBandName(ReportBand::Kind::MasterData), printableRectMm().height());
    std::vector<std::pair<ReportBand *, std::unique_ptr<ReportObject>>> list;
    QList<ReportObject *> pasted;
    QSet<QString> taken;
    for (auto &o : objects) {
        const QRectF r = o->rectMm().translated(offsetMm);
        ReportBand *band = bandAt(r.topLeft());
        if (!band)
            band = m_currentBand ? m_currentBand : bandsInLayout().front();
        QString name = freeName(o->name);
        for (int i = 2; taken.contains(name.toLower()); ++i)
            name = freeName(o->name + QLatin1Char('_') + QString::number(i));
        taken.insert(name.toLower());
        o->name = name;
        o->setRectPx(toBandPx(*band, r));
        pasted.append(o.get());
        list.emplace_back(band, std::move(o));
    }
    m_undo.push(DesignerObjectsCommand::insert(*this, std::move(list), QStringLiteral("粘贴")));
    m_undo.endMacro();
    setSelection(pasted);
    return pasted;
}

double DesignerDocument::nextBandTop(ReportBand::Kind kind) const
{
    const std::vector<ReportBand *> bands = page().bandsByTop();
    if (bands.empty())
        return 0;
    int after = -1;
    for (int i = 0; i < int(bands.size()); ++i)
        if (bandRank(bands[size_t(i)]->kind) <= bandRank(kind))
            after = i;
    if (after < 0)
        return bands.front()->top - kDefaultBandGapPx;
    const ReportBand *prev = bands[size_t(after)];
    if (after == int(bands.size()) - 1)
        return prev->top + prev->height + kDefaultBandGapPx;
    return (prev->top + bands[size_t(after) + 1]->top) / 2;
}

QString DesignerDocument::proposedBandName(ReportBand::Kind kind) const
{
    if (m_waybill && kind == ReportBand::Kind::MasterData && !m_report.findBand(QStringLiteral("MDmain")) &&
        !m_report.findObject(QStringLiteral("MDmain")))
        return QStringLiteral("MDmain");
    return m_report.uniqueName(bandPrefix(kind));
}

QString DesignerDocument::bandKindCaption(ReportBand::Kind kind)
{
    switch (kind) {
    case ReportBand::Kind::ReportTitle: return QStringLiteral("报表标题");
    case ReportBand::Kind::PageHeader: return QStringLiteral("页眉");
    case ReportBand::Kind::Header: return QStringLiteral("表头");
    case ReportBand::Kind::MasterData: return QStringLiteral("主数据");
    case ReportBand::Kind::Footer: return QStringLiteral("表尾");
    case ReportBand::Kind::PageFooter: return QStringLiteral("页脚");
    case ReportBand::Kind::ReportSummary: return QStringLiteral("报表合计");
    case ReportBand::Kind::Other: break;
    }
    return QStringLiteral("其他");
}

ReportBand *DesignerDocument::addBand(ReportBand::Kind kind, const QString &name, double heightMm)
{
    const QString n = name.trimmed().isEmpty() ? proposedBandName(kind) : freeName(name.trimmed());
    auto band = std::make_unique<ReportBand>(kind);
    band->name = n;
    band->top = nextBandTop(kind);
    band->width = pxFromMm(printableRectMm().width());
    band->setHeightMm(std::max(1.0, heightMm));
    if (kind == ReportBand::Kind::MasterData)
        band->rowCount = 1;
    auto *c = new DesignerBandListCommand(*this, page(), std::move(band), QStringLiteral("添加区域"));
    ReportBand *raw = c->band();
    m_undo.push(c);
    m_currentBand = raw;
    return raw;
}

void DesignerDocument::removeBand(ReportBand *band)
{
    if (!band || page().indexOf(band) < 0)
        return;
    m_undo.push(new DesignerBandListCommand(*this, page(), band, QStringLiteral("删除区域")));
}

bool DesignerDocument::renameBand(ReportBand *band, const QString &name)
{
    const QString n = name.trimmed();
    if (!band || n.isEmpty() || n == band->name)
        return band && !n.isEmpty();
    const ReportBand *other = m_report.findBand(n);
    if ((other && other != band) || m_report.findObject(n)) {
        ShowMess(QStringLiteral("名称“%1”已被使用，请换一个名称。").arg(n), MessWarning);
        return false;
    }
    DesignerBandCommand::State s = DesignerBandCommand::State::of(*band);
    s.name = n;
    m_undo.push(new DesignerBandCommand(*this, *band, s, QStringLiteral("区域名称")));
    return true;
}

void DesignerDocument::setBandHeightMm(ReportBand *band, double heightMm)
{
    if (!band)
        return;
    DesignerBandCommand::State s = DesignerBandCommand::State::of(*band);
    s.height = pxFromMm(std::max(1.0, heightMm));
    if (qFuzzyCompare(s.height, band->height))
        return;
    m_undo.push(new DesignerBandCommand(*this, *band, s, QStringLiteral("区域高度")));
}

void DesignerDocument::setBandDataset(ReportBand *band, const QString &datasetName, const QString &component,
                                      int rowCount)
{
    if (!band)
        return;
    DesignerBandCommand::State s = DesignerBandCommand::State::of(*band);
    s.dataSetName = datasetName;
    s.dataSet = datasetName.isEmpty() ? QString() : component;
    s.rowCount = std::max(0, rowCount);
    if (s == DesignerBandCommand::State::of(*band))
        return;
    m_undo.push(new DesignerBandCommand(*this, *band, s, QStringLiteral("区域数据")));
}

DesignerPageSettings DesignerDocument::pageSettings() const
{
    return DesignerPageSettings::of(m_report, page());
}

void DesignerDocument::setPageSettings(const DesignerPageSettings &s)
{
    if (s == pageSettings())
        return;
    m_undo.push(new DesignerPageCommand(*this, page(), s));
}

ReportPicture *DesignerDocument::waybillPicture() const
{
    const ReportPage &p = page();
    const double paperArea = p.paperWidth * p.paperHeight;
    for (ReportObject *o : allObjects()) {
        if (o->kind() != ReportObject::Kind::Picture || o->printable)
            continue;
        const QRectF r = objectRectMm(*o);
        if (r.width() * r.height() >= 0.8 * paperArea)
            return static_cast<ReportPicture *>(o);
    }
    return nullptr;
}

ReportPicture *DesignerDocument::placeWaybillPicture(const QByteArray &pictureBytes)
{
    QImage probe;
    if (pictureBytes.isEmpty() || !probe.loadFromData(pictureBytes))
        return nullptr;
    const ReportPage &p = page();
    const QRectF paper(0, 0, p.paperWidth, p.paperHeight);
    m_undo.beginMacro(QStringLiteral("载入快递单图片"));
    ReportPicture *pic = waybillPicture();
    if (pic) {
        setProperty({pic}, DesignerProperty::Picture, pictureBytes);
        setObjectRectMm(pic, paper);
    } else {
        ReportBand *band = page().findBand(QStringLiteral("MDmain"));
        for (ReportBand *b : bandsInLayout())
            if (!band && b->kind == ReportBand::Kind::MasterData)
                band = b;
        if (!band)
            band = addBand(ReportBand::Kind::MasterData, proposedBandName(ReportBand::Kind::MasterData),
                           printableRectMm().height());
        auto o = std::make_unique<ReportPicture>();
        o->name = freeName(QStringLiteral("WaybillPicture"));
        o->printable = false;
        o->stretched = true;
        o->keepAspectRatio = false;  // the scan is the paper: it fills it exactly
        o->picture.setFileBytes(pictureBytes);
        o->setRectPx(toBandPx(*band, paper));
        pic = o.get();
        std::vector<std::pair<ReportBand *, std::unique_ptr<ReportObject>>> list;
        list.emplace_back(band, std::move(o));
        m_undo.push(DesignerObjectsCommand::insert(*this, std::move(list), QStringLiteral("载入快递单图片")));
        sendToBack({pic});
        // The band covers the printable area so that one waybill fills one sheet.
        const double bottom = p.paperHeight - p.bottomMargin;
        bool hasFooter = false;
        for (ReportBand *b : bandsInLayout())
            hasFooter = hasFooter || b->kind == ReportBand::Kind::PageFooter;
        const double top = bandTopMm(*band);
        if (!hasFooter && top + band->heightMm() < bottom - 0.01)
            setBandHeightMm(band, bottom - top);
    }
    m_undo.endMacro();
    return pic;
}

void DesignerDocument::pruneSelection()
{
    QSet<const ReportObject *> present;
    for (ReportObject *o : allObjects())
        present.insert(o);
    QList<ReportObject *> kept;
    for (ReportObject *o : m_selection)
        if (present.contains(o))
            kept.append(o);
    if (m_currentBand && page().indexOf(m_currentBand) < 0)
        m_currentBand = nullptr;
    if (kept != m_selection) {
        m_selection = kept;
        emit selectionChanged();
    }
}

void DesignerDocument::notifyChanged()
{
    pruneSelection();
    emit changed();
}
