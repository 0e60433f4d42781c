#include "report/GridPrinter.h"

#include "report/ReportFonts.h"
#include "report/ReportMemo.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

using namespace ReportUnits;

constexpr double kMargin = 10;      // mm, every side
constexpr double kRowPadding = 1.2; // mm above and below a line of text

enum Style { Title, PageText, PageRight, PageCentre, HeadLeft, HeadCentre, HeadRight, CellLeft, CellCentre, CellRight,
             FootLeft, FootCentre, FootRight, StyleCount };

struct Column
{
    int source;
    double width;  // mm
    Qt::Alignment align;
};

class Layout
{
public:
    Layout(TableSource &t, const GridPrintOptions &o) : m_table(t), m_options(o) {}

    std::shared_ptr<PreparedReport> run(const GridPrinter::Progress &progress)
    {
        buildColumns();
        buildStyles();
        m_out = std::make_shared<PreparedReport>();
        m_out->source = m_styles;
        m_out->title = m_options.title;
        const double lineH = textHeight(CellLeft);
        m_lineHeight = lineH + 2 * kRowPadding;
        const int rows = m_table.rowCount();
        newPage(true);
        for (int r = 0; r < rows; ++r) {
            QStringList texts;
            double h = m_lineHeight;
            for (const Column &c : m_columns) {
                texts << m_table.displayText(r, c.source);
                if (m_options.fitMode == 0 && !texts.last().isEmpty())
                    h = std::max(h, wrappedHeight(texts.last(), c.width) + 2 * kRowPadding);
            }
            if (m_y + h > m_bottom && m_rowsOnPage > 0)
                newPage(false);
            placeRow(texts, h, CellLeft);
            ++m_rowsOnPage;
            if (progress && (r % 256 == 255 || r == rows - 1) && !progress(r + 1, rows))
                return nullptr;
        }
        if (m_table.hasFooter()) {
            QStringList texts;
            for (const Column &c : m_columns)
                texts << m_table.column(c.source).footer;
            if (m_y + m_lineHeight > m_bottom)
                newPage(false);
            placeRow(texts, m_lineHeight, FootLeft);
        }
        finishPages();
        return m_out;
    }

private:
    void buildColumns()
    {
        const int n = m_table.columnCount();
        double natural = 0;
        for (int c = 0; c < n; ++c) {
            const TableColumn col = m_table.column(c);
            if (!col.visible)
                continue;
            m_columns.push_back({c, mmFromPx(std::max(col.width, 8)), col.alignment});
            natural += m_columns.back().width;
        }
        m_landscape = natural > 210 - 2 * kMargin;
        m_paper = m_landscape ? QSizeF(297, 210) : QSizeF(210, 297);
        const double avail = m_paper.width() - 2 * kMargin;
        const bool fit = m_options.fitMode == 0 || m_options.fitMode == 1 || natural > avail;
        if (fit && natural > 0)
            for (Column &c : m_columns)
                c.width *= avail / natural;
    }

    ReportMemo *style(Style s) { return static_cast<ReportMemo *>(m_band->objects[size_t(s)].get()); }

    void buildStyles()
    {
        auto report = std::make_shared<ReportTemplate>();
        ReportPage *page = report->addPage();
        page->paperWidth = m_paper.width();
        page->paperHeight = m_paper.height();
        page->landscape = m_landscape;
        m_band = page->addBand(std::make_unique<ReportBand>(ReportBand::Kind::Other));
        for (int s = 0; s < StyleCount; ++s) {
            auto m = std::make_unique<ReportMemo>();
            m->name = QStringLiteral("Style%1").arg(s);
            m->font.name = m_options.fontName;
            m->font.setPointSize(m_options.fontPoints);
            m->wordWrap = false;
            m->vAlign = VAlign::Center;
            m->gapX = pxFromMm(1);
            m->gapY = 0;
            const int k = s >= HeadLeft ? (s - HeadLeft) % 3 : -1;
            m->hAlign = k == 1 ? HAlign::Center : k == 2 ? HAlign::Right : HAlign::Left;
            if (s >= HeadLeft) {
                m->frame.typ = ReportFrame::All;
                m->frame.width = 0.75;
                m->frame.color = m_options.colour ? 0x808080 : ClBlack;
            }
            if (s >= HeadLeft && s <= HeadRight) {
                m->font.style = ReportFont::Bold;
                m->fillColor = m_options.colour ? 0xF0E6DC : ClNone;  // light blue-grey
                m->wordWrap = true;
            }
            if (s >= FootLeft) {
                m->font.style = ReportFont::Bold;
                m->fillColor = m_options.colour ? 0xE0F0FF : ClNone;  // light cream
            }
            if (s >= CellLeft && s <= CellRight)
                m->wordWrap = m_options.fitMode == 0;
            m_band->addObject(std::move(m));
        }
        style(Title)->font.setPointSize(16);
        style(Title)->font.style = ReportFont::Bold;
        style(Title)->hAlign = HAlign::Center;
        if (m_options.colour)
            style(Title)->font.color = 0x800000;  // dark blue
        style(PageRight)->hAlign = HAlign::Right;
        style(PageCentre)->hAlign = HAlign::Center;
        m_styles = report;
        m_page = page;
    }

    Style aligned(Style base, Qt::Alignment a) const
    {
        if (a & Qt::AlignHCenter)
            return Style(base + 1);
        if (a & Qt::AlignRight)
            return Style(base + 2);
        return base;
    }

    static QImage &measureDevice()
    {
        static QImage device = [] {
            QImage i(4, 4, QImage::Format_ARGB32);
            i.setDotsPerMeterX(qRound(96 / 0.0254));
            i.setDotsPerMeterY(qRound(96 / 0.0254));
            return i;
        }();
        return device;
    }

    // Height in mm of one line of a style's font.
    double textHeight(Style s) { return mmFromPx(QFontMetricsF(ReportFonts::font(style(s)->font), &measureDevice()).height()); }

    double wrappedHeight(const QString &text, double widthMm)
    {
        if (!m_cellMetrics)
            m_cellMetrics = std::make_unique<QFontMetricsF>(ReportFonts::font(style(CellLeft)->font), &measureDevice());
        const double w = pxFromMm(widthMm - 2);
        if (m_cellMetrics->horizontalAdvance(text) <= w && !text.contains(QLatin1Char('\n')))
            return m_lineHeight - 2 * kRowPadding;
        return mmFromPx(m_cellMetrics->boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, text).height());
    }

    void add(Style s, const QRectF &mm, const QString &text)
    {
        PreparedItem item;
        item.object = m_band->objects[size_t(s)].get();
        item.rectMm = mm;
        item.text = text;
        m_out->pages.back().items.push_back(std::move(item));
    }

    void placeRow(const QStringList &texts, double h, Style base)
    {
        double x = kMargin;
        for (size_t i = 0; i < m_columns.size(); ++i) {
            add(aligned(base, m_columns[i].align), QRectF(x, m_y, m_columns[i].width, h), texts.value(int(i)));
            x += m_columns[i].width;
        }
        m_y += h;
    }

    void newPage(bool first)
    {
        m_out->pages.emplace_back();
        PreparedPage &p = m_out->pages.back();
        p.page = m_page;
        p.paperMm = m_paper;
        p.landscape = m_landscape;
        const double width = m_paper.width() - 2 * kMargin;
        const double small = textHeight(PageText) + 1;
        m_y = kMargin;
        if (!m_options.leftHeader.trimmed().isEmpty())
            add(PageText, QRectF(kMargin, m_y, width, small), m_options.leftHeader.trimmed());
        m_y += small + 1;
        if (first) {
            // Title lines: an empty line, the title, an empty line.
            const double titleH = textHeight(Title) + 2;
            m_y += small;
            add(Title, QRectF(kMargin, m_y, width, titleH), m_options.title);
            m_y += titleH + small;
        }
        m_bottom = m_paper.height() - kMargin - small - 1;
        QStringList titles;
        double h = m_lineHeight;
        for (const Column &c : m_columns) {
            titles << m_table.column(c.source).title;
            h = std::max(h, wrappedHeight(titles.last(), c.width) + 2 * kRowPadding);
        }
        double x = kMargin;
        for (size_t i = 0; i < m_columns.size(); ++i) {
            add(HeadCentre, QRectF(x, m_y, m_columns[i].width, h), titles.at(int(i)));
            x += m_columns[i].width;
        }
        m_y += h;
        m_rowsOnPage = 0;
    }

    void finishPages()
    {
        const int total = m_out->pageCount();
        const QString right = GridPrinter::footerText(m_options.rightFooter);
        const double small = textHeight(PageText) + 1;
        const double width = m_paper.width() - 2 * kMargin;
        const double y = m_paper.height() - kMargin - small;
        for (int i = 0; i < total; ++i) {
            PreparedPage &p = m_out->pages[size_t(i)];
            auto item = [&](Style s, const QString &text) {
                PreparedItem it;
                it.object = m_band->objects[size_t(s)].get();
                it.rectMm = QRectF(kMargin, y, width, small);
                it.text = text;
                p.items.push_back(std::move(it));
            };
            item(PageCentre, QStringLiteral("第 %1 页 / 共 %2 页").arg(i + 1).arg(total));
            if (!right.isEmpty())
                item(PageRight, right);
        }
    }

    TableSource &m_table;
    GridPrintOptions m_options;
    std::vector<Column> m_columns;
    std::shared_ptr<ReportTemplate> m_styles;
    ReportPage *m_page = nullptr;
    ReportBand *m_band = nullptr;
    std::shared_ptr<PreparedReport> m_out;
    std::unique_ptr<QFontMetricsF> m_cellMetrics;
    QSizeF m_paper;
    bool m_landscape = false;
    double m_y = 0, m_bottom = 0, m_lineHeight = 5;
    int m_rowsOnPage = 0;
};

} // namespace

namespace GridPrinter {

std::shared_ptr<PreparedReport> prepare(TableSource &table, const GridPrintOptions &options, const Progress &progress)
{
    Layout layout(table, options);
    return layout.run(progress);
}

QString footerText(const QString &selector, const QDate &today)
{
    const QString f = selector.trimmed();
    if (f == QLatin1String("date"))
        return QStringLiteral("打印日期：") + today.toString(QStringLiteral("yyyy年MM月dd日"));
    return f;
}

} // namespace GridPrinter

QString PeriodCaption(bool fromTicked, const QDate &from, bool toTicked, const QDate &to)
{
    const QString fmt = QStringLiteral("yyyy年MM月dd日");
    return QStringLiteral("统计日期：自 ") + (fromTicked ? from.toString(fmt) : QStringLiteral("启用系统")) +
           QStringLiteral(" 至 ") + (toTicked ? to.toString(fmt) : QStringLiteral("记帐最后一天"));
}
