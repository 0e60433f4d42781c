#include "report/ReportBuilder.h"

#include "report/MemoFormat.h"
#include "report/ReportBarcode.h"
#include "report/ReportFonts.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"

#include "core/Dates.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <exception>

namespace {

using namespace ReportUnits;

constexpr double kEpsilonMm = 0.01;

// The paint device text is measured on: 96 dots per inch, like template pixels.
QImage &measureDevice()
{
    static QImage img = [] {
        QImage i(4, 4, QImage::Format_ARGB32);
        i.setDotsPerMeterX(qRound(96 / 0.0254));
        i.setDotsPerMeterY(qRound(96 / 0.0254));
        return i;
    }();
    return img;
}

// Height in pixels a memo needs for its text; fm measures at 96 dots per inch.
double textHeightPx(const ReportMemo &m, const QFontMetricsF &fm, const QString &text)
{
    if (text.isEmpty())
        return 0;
    const double w = std::max(1.0, m.width - 2 * m.gapX);
    if (!text.contains(QLatin1Char('\n')) && (!m.wordWrap || fm.horizontalAdvance(text) <= w))
        return fm.height() + 2 * m.gapY + 1;
    const int flags = m.wordWrap ? Qt::TextWordWrap : 0;
    const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1e6), flags, text);
    return r.height() + 2 * m.gapY + 1;
}

} // namespace

ReportBuilder::ReportBuilder(std::shared_ptr<const ReportTemplate> report, std::vector<Binding> datasets,
                             ValueCallback callback)
    : m_report(std::move(report)), m_datasets(std::move(datasets)), m_callback(std::move(callback))
{
}

int ReportBuilder::datasetIndex(const QString &name) const
{
    for (size_t i = 0; i < m_datasets.size(); ++i)
        if (m_datasets[i].name.compare(name, Qt::CaseInsensitive) == 0 ||
            (!m_datasets[i].component.isEmpty() && m_datasets[i].component.compare(name, Qt::CaseInsensitive) == 0))
            return int(i);
    return -1;
}

bool ReportBuilder::resolveField(const QString &dataset, const QString &field, int &datasetIdx, int &fieldIdx)
{
    datasetIdx = datasetIndex(dataset);
    if (datasetIdx < 0)
        return false;
    fieldIdx = m_datasets[size_t(datasetIdx)].source->fieldIndex(field);
    return fieldIdx >= 0;
}

int ReportBuilder::addAggregate(ExprNode *node)
{
    Aggregate a;
    a.node = node;
    a.owner = m_compilingBand;
    const QString bandName = node->value.toString();
    if (!bandName.isEmpty() && m_compilingPage)
        a.target = m_compilingPage->findBand(bandName);
    if (!a.target && m_compilingPage) {
        // The master band of the owner's group: the nearest one above a footer,
        // else the first master band of the page.
        const auto bands = m_compilingPage->bandsByTop();
        const ReportBand *above = nullptr, *first = nullptr;
        for (const ReportBand *b : bands) {
            if (b == m_compilingBand)
                break;
            if (b->kind == ReportBand::Kind::MasterData)
                above = b;
        }
        for (const ReportBand *b : bands)
            if (b->kind == ReportBand::Kind::MasterData) {
                first = b;
                break;
            }
        a.target = (m_compilingBand && m_compilingBand->kind == ReportBand::Kind::Footer && above) ? above : first;
    }
    m_aggregates.push_back(a);
    return int(m_aggregates.size()) - 1;
}

QVariant ReportBuilder::fieldValue(int dataset, int field)
{
    const Binding &b = m_datasets[size_t(dataset)];
    return b.source->value(m_rows[size_t(dataset)], field);
}

QVariant ReportBuilder::variable(const QString &name)
{
    if (m_callback) {
        QVariant v;
        bool answered = false;
        try {
            answered = m_callback(name, v);
        } catch (...) {
            answered = false;
        }
        if (answered)
            return v;
    }
    // The stored value: the variable of exactly that name, else one that differs in case only.
    int index = m_report->variableIndex(name);
    if (index < 0)
        for (int i = 0; i < m_report->variables.size(); ++i)
            if (!m_report->variables.at(i).isCategory() &&
                m_report->variables.at(i).name.compare(name, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
    if (index < 0 || m_variableDepth > 8)
        return {};
    const ReportVariable &var = m_report->variables.at(index);
    if (var.value.trimmed().isEmpty())
        return QString();
    auto it = m_storedValues.find(var.name);
    if (it == m_storedValues.end()) {
        std::shared_ptr<ExprNode> node(ReportExpression::compile(var.value, *this).release());
        it = m_storedValues.insert(var.name, node);
    }
    if (!*it)
        return var.value;
    ++m_variableDepth;
    const QVariant v = ReportExpression::evaluate(**it, *this);
    --m_variableDepth;
    return v;
}

QVariant ReportBuilder::builtin(ReportBuiltin which)
{
    switch (which) {
    case ReportBuiltin::Date: return QDate::currentDate();
    case ReportBuiltin::Time: return Dates::timeText(QTime::currentTime());
    case ReportBuiltin::Page: return m_pageNo;
    case ReportBuiltin::TotalPages: return m_totalPages;
    case ReportBuiltin::Line: return m_line;
    }
    return {};
}

QVariant ReportBuilder::aggregateValue(int index)
{
    if (index < 0 || index >= int(m_aggregates.size()))
        return {};
    const Aggregate &a = m_aggregates[size_t(index)];
    const QString fn = a.node->name;
    if (fn == QLatin1String("COUNT"))
        return a.count;
    if (fn == QLatin1String("AVG"))
        return a.count ? a.sum / a.count : 0.0;
    if (fn == QLatin1String("MIN"))
        return a.min;
    if (fn == QLatin1String("MAX"))
        return a.max;
    return a.sum;
}

void ReportBuilder::accumulate(const ReportBand &master)
{
    for (Aggregate &a : m_aggregates) {
        if (a.target != &master)
            continue;
        double v = 0;
        if (!a.node->args.empty())
            v = ReportExpression::toNumber(ReportExpression::evaluate(*a.node->args[0], *this));
        if (a.count == 0) {
            a.min = v;
            a.max = v;
        } else {
            a.min = std::min(a.min, v);
            a.max = std::max(a.max, v);
        }
        a.sum += v;
        ++a.count;
    }
}

void ReportBuilder::compilePage(const ReportPage &page)
{
    m_compilingPage = &page;
    for (const auto &band : page.bands) {
        m_compilingBand = band.get();
        for (const auto &o : band->objects) {
            Compiled c;
            if (o->kind() == ReportObject::Kind::Memo)
                c.text.compile(static_cast<const ReportMemo &>(*o).effectiveText(), *this);
            else if (o->kind() == ReportObject::Kind::Barcode)
                c.text.compile(static_cast<const ReportBarcode &>(*o).effectiveText(), *this);
            else if (o->kind() == ReportObject::Kind::Picture) {
                const auto &p = static_cast<const ReportPicture &>(*o);
                if (!p.dataField.isEmpty())
                    resolveField(p.dataSetName, p.dataField, c.imageDataset, c.imageField);
            }
            if (c.text.usesTotalPages())
                m_needsTotalPages = true;
            m_compiled.emplace(o.get(), std::move(c));
        }
    }
    m_compilingBand = nullptr;
    m_compilingPage = nullptr;
}

const QFontMetricsF &ReportBuilder::metricsFor(const ReportMemo &memo)
{
    auto it = m_metrics.find(&memo);
    if (it == m_metrics.end())
        it = m_metrics.emplace(&memo, QFontMetricsF(ReportFonts::font(memo.font), &measureDevice())).first;
    return it->second;
}

QString ReportBuilder::memoText(const ReportMemo &memo)
{
    const Compiled &c = m_compiled.at(&memo);
    QString out;
    for (const CompiledText::Piece &p : c.text.pieces()) {
        if (!p.expr) {
            out += p.literal;
            continue;
        }
        const QVariant v = ReportExpression::evaluate(*p.expr, *this);
        out += MemoFormat::format(v, memo.displayFormat, p.expr->op == ExprNode::Op::Field, memo.hideZeros);
    }
    return out;
}

void ReportBuilder::emitBand(const ReportBand &band, std::vector<PreparedItem> &items, double &heightPx)
{
    items.clear();
    heightPx = band.height;
    for (const auto &o : band.objects) {
        if (!o->visible)
            continue;
        PreparedItem item;
        item.object = o.get();
        QRectF r = o->rectPx();
        switch (o->kind()) {
        case ReportObject::Kind::Memo: {
            const auto &m = static_cast<const ReportMemo &>(*o);
            item.text = memoText(m);
            if (m.stretchMode == QLatin1String("smActualHeight") || (band.stretched && m.stretchMode != QLatin1String("smDontStretch"))) {
                r.setHeight(std::max(r.height(), textHeightPx(m, metricsFor(m), item.text)));
            }
            break;
        }
        case ReportObject::Kind::Barcode: {
            const Compiled &c = m_compiled.at(o.get());
            for (const CompiledText::Piece &p : c.text.pieces())
                item.text += p.expr ? ReportExpression::toText(ReportExpression::evaluate(*p.expr, *this)) : p.literal;
            break;
        }
        case ReportObject::Kind::Picture: {
            const Compiled &c = m_compiled.at(o.get());
            if (c.imageDataset >= 0) {
                const QVariant v = fieldValue(c.imageDataset, c.imageField);
                if (v.typeId() == QMetaType::QByteArray)
                    item.image.loadFromData(v.toByteArray());
                else if (!v.toString().isEmpty())
                    item.image.load(v.toString());
            }
            break;
        }
        default:
            break;
        }
        if (band.stretched)
            heightPx = std::max(heightPx, r.bottom());
        item.rectMm = QRectF(mmFromPx(r.x()), mmFromPx(r.y()), mmFromPx(r.width()), mmFromPx(r.height()));
        items.push_back(std::move(item));
    }
    // Objects of the kind "stretch to the band's bottom" follow a grown band.
    if (heightPx > band.height)
        for (PreparedItem &item : items)
            if (item.object->kind() == ReportObject::Kind::Memo &&
                static_cast<const ReportMemo *>(item.object)->stretchMode == QLatin1String("smMaxHeight"))
                item.rectMm.setHeight(mmFromPx(heightPx - item.object->top));
}

void ReportBuilder::placeBand(const ReportBand &band, bool mayBreak, double columnX, bool advance)
{
    std::vector<PreparedItem> items;
    double heightPx = 0;
    emitBand(band, items, heightPx);
    double h = mmFromPx(heightPx);
    if (mayBreak && m_pageHasBody && m_y + h > m_bottom + kEpsilonMm) {
        const ReportPage &page = *m_page->page;
        endPage(page);
        newPage(page);
        emitBand(band, items, heightPx);  // page numbers changed
        h = mmFromPx(heightPx);
    }
    const double x0 = m_page->page->leftMargin + mmFromPx(band.left) + columnX;
    for (PreparedItem &item : items) {
        item.rectMm.translate(x0, m_y);
        m_page->items.push_back(std::move(item));
    }
    m_rowHeight = std::max(m_rowHeight, h);
    if (advance) {
        m_y += m_rowHeight;
        m_rowHeight = 0;
    }
    if (mayBreak)
        m_pageHasBody = true;
}

void ReportBuilder::newPage(const ReportPage &page)
{
    m_out->pages.emplace_back();
    m_page = &m_out->pages.back();
    m_page->page = &page;
    m_page->paperMm = page.paperSizeMm();
    m_page->landscape = page.landscape;
    ++m_pageNo;
    m_y = page.topMargin;
    m_bottom = page.paperHeight - page.bottomMargin - (m_pageFooter ? mmFromPx(m_pageFooter->height) : 0.0);
    m_pageHasBody = false;
    if (m_pageHeader && (m_pageNo > 1 || m_pageHeader->printOnFirstPage))
        placeBand(*m_pageHeader, false);
    if (m_inRows && m_group && m_group->header && m_group->header->reprintOnNewPage)
        placeBand(*m_group->header, false);
}

void ReportBuilder::endPage(const ReportPage &page)
{
    if (m_pageFooter) {
        m_y = page.paperHeight - page.bottomMargin - mmFromPx(m_pageFooter->height);
        placeBand(*m_pageFooter, false);
    }
    for (Aggregate &a : m_aggregates)
        if (a.owner && a.owner->kind == ReportBand::Kind::PageFooter)
            a.reset();
}

bool ReportBuilder::runPage(const ReportPage &page, const Progress &progress)
{
    const std::vector<ReportBand *> bands = page.bandsByTop();
    const ReportBand *title = nullptr, *summary = nullptr;
    m_pageHeader = m_pageFooter = nullptr;
    std::vector<Group> groups;
    const ReportBand *pendingHeader = nullptr;
    for (const ReportBand *b : bands) {
        switch (b->kind) {
        case ReportBand::Kind::ReportTitle: if (!title) title = b; break;
        case ReportBand::Kind::ReportSummary: if (!summary) summary = b; break;
        case ReportBand::Kind::PageHeader: if (!m_pageHeader) m_pageHeader = b; break;
        case ReportBand::Kind::PageFooter: if (!m_pageFooter) m_pageFooter = b; break;
        case ReportBand::Kind::Header: pendingHeader = b; break;
        case ReportBand::Kind::MasterData: groups.push_back({pendingHeader, b, nullptr}); pendingHeader = nullptr; break;
        case ReportBand::Kind::Footer: if (!groups.empty() && !groups.back().footer) groups.back().footer = b; break;
        case ReportBand::Kind::Other: break;
        }
    }

    m_group = nullptr;
    m_inRows = false;
    // The title comes first on the first page, above the page header.
    const ReportBand *header = m_pageHeader;
    m_pageHeader = nullptr;
    newPage(page);
    m_pageHeader = header;
    if (title)
        placeBand(*title, false);
    if (m_pageHeader && m_pageHeader->printOnFirstPage)
        placeBand(*m_pageHeader, false);

    for (const Group &g : groups) {
        const ReportBand &master = *g.master;
        const QString bound = master.boundDataset();
        int ds = bound.isEmpty() ? -1 : datasetIndex(bound);
        int rows = 0;
        if (ds >= 0)
            rows = m_datasets[size_t(ds)].source->rowCount();
        else if (bound.isEmpty())
            rows = master.rowCount;
        if (rows <= 0)
            continue;
        m_group = &g;
        if (g.header)
            placeBand(*g.header);
        m_inRows = true;
        const int saved = ds >= 0 ? m_rows[size_t(ds)] : 0;
        for (int r = 0; r < rows; ++r) {
            if (ds >= 0)
                m_rows[size_t(ds)] = r;
            m_line = r + 1;
            const int columns = std::max(1, master.columns);
            const int column = r % columns;
            if (master.startNewPage && r > 0 && column == 0) {
                endPage(page);
                newPage(page);
            }
            if (columns == 1) {
                placeBand(master);
            } else {
                // Only the first column of a row may start a new page.
                const double x = column * mmFromPx(master.columnWidth + master.columnGap);
                placeBand(master, column == 0, x, column == columns - 1 || r == rows - 1);
            }
            accumulate(master);
            if (progress && (r % 64 == 63 || r == rows - 1) && !progress(r + 1, rows))
                return false;
        }
        m_inRows = false;
        if (g.footer)
            placeBand(*g.footer);
        if (ds >= 0)
            m_rows[size_t(ds)] = saved;
        m_group = nullptr;
    }
    if (summary)
        placeBand(*summary);
    endPage(page);
    return true;
}

std::shared_ptr<PreparedReport> ReportBuilder::build(const Progress &progress)
{
    m_compiled.clear();
    m_aggregates.clear();
    m_storedValues.clear();
    m_needsTotalPages = false;
    for (const auto &page : m_report->pages)
        compilePage(*page);

    const int passes = m_needsTotalPages ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        m_out = std::make_shared<PreparedReport>();
        m_out->source = m_report;
        m_out->printOffsetMm = m_report->printOffsetMm;
        m_out->title = QFileInfo(m_report->fileName).completeBaseName();
        m_rows.clear();
        for (const Binding &b : m_datasets)
            m_rows.push_back(std::max(0, b.source->currentRow()));
        for (Aggregate &a : m_aggregates)
            a.reset();
        m_pageNo = 0;
        m_line = 0;
        const bool last = pass == passes - 1;
        for (const auto &page : m_report->pages)
            if (!runPage(*page, last ? progress : Progress()))
                return nullptr;
        m_totalPages = m_pageNo;
    }
    m_page = nullptr;
    return std::move(m_out);
}
