// 1,000 single-page waybills with 30 fields each, prepared and written to PDF,
// beside a bare QPdfWriter loop drawing the same texts at the same places.
#include "support/BenchTiming.h"

#include "report/MemoryDataSource.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFonts.h"
#include "report/ReportMemo.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kWaybills = 1000;
constexpr int kFields = 30;

std::shared_ptr<MemoryDataSource> rows()
{
    QStringList columns;
    for (int f = 0; f < kFields; ++f)
        columns << QStringLiteral("F%1").arg(f);
    std::vector<QVector<QVariant>> data;
    for (int r = 0; r < kWaybills; ++r) {
        QVector<QVariant> row;
        for (int f = 0; f < kFields; ++f)
            row << (f % 3 == 0 ? QVariant(12.5 * r + f) : QVariant(QStringLiteral("浙江省杭州市%1号%2").arg(r).arg(f)));
        data.push_back(row);
    }
    return std::make_shared<MemoryDataSource>(QStringLiteral("收件信息"), columns, std::move(data));
}

QRectF fieldRect(int f)
{
    return QRectF(10 + (f % 3) * 70, 8 + (f / 3) * 11, 65, 7);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString pdf = QDir::temp().filePath(QStringLiteral("marlo-bench-waybills.pdf"));

    ReportEngine engine;
    ReportPage *page = engine.report().addPage();
    page->paperWidth = 230;
    page->paperHeight = 127;
    page->leftMargin = page->rightMargin = page->topMargin = page->bottomMargin = 0;
    auto band = std::make_unique<ReportBand>(ReportBand::Kind::MasterData);
    band->name = QStringLiteral("MDmain");
    band->setHeightMm(125);
    for (int f = 0; f < kFields; ++f) {
        auto m = std::make_unique<ReportMemo>();
        m->name = QStringLiteral("Memo%1").arg(f);
        m->text = QStringLiteral("[收件信息.\"F%1\"]").arg(f);
        m->font.name = QStringLiteral("宋体");
        m->font.setPointSize(10.5);
        m->setRectMm(fieldRect(f));
        if (f % 3 == 0) {
            m->displayFormat.kind = QStringLiteral("fkNumeric");
            m->displayFormat.formatStr = QStringLiteral("%2.2f");
        }
        band->addObject(std::move(m));
    }
    page->addBand(std::move(band));
    engine.bindDataset(rows());
    engine.setBandDataset(QStringLiteral("MDmain"), QStringLiteral("收件信息"), 0);

    int pages = 0;
    const double ours = medianSeconds(5, [&] {
        auto prepared = engine.prepare();
        pages = prepared->pageCount();
        ReportExport::toPdf(*prepared, pdf);
    });

    // The bare limit: the same texts, fonts and places straight onto a QPdfWriter.
    ReportFont rf;
    rf.name = QStringLiteral("宋体");
    rf.setPointSize(10.5);
    const QFont font = ReportFonts::font(rf);
    const double bare = medianSeconds(5, [&] {
        QPdfWriter w(pdf);
        w.setResolution(600);
        w.setPageSize(QPageSize(QSizeF(127, 230), QPageSize::Millimeter));
        w.setPageOrientation(QPageLayout::Landscape);
        w.setPageMargins(QMarginsF());
        QPainter p(&w);
        p.setFont(font);
        const double perMm = 600 / 25.4;
        const double ascent = QFontMetricsF(font, &w).ascent();
        for (int r = 0; r < kWaybills; ++r) {
            if (r > 0)
                w.newPage();
            for (int f = 0; f < kFields; ++f) {
                const QRectF mm = fieldRect(f);
                const QString text = f % 3 == 0 ? QString::number(12.5 * r + f, 'f', 2) : QStringLiteral("浙江省杭州市%1号%2").arg(r).arg(f);
                p.drawText(QPointF((mm.x() + 0.53) * perMm, (mm.y() + 0.26) * perMm + ascent), text);
            }
        }
    });
    std::printf("%d pages\n", pages);
    report("1,000 waybills x 30 fields to PDF", ours, bare, 1.5);
    return 0;
}
