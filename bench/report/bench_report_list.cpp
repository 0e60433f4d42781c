// A 10,000-row list report (the shipped dispatch list) prepared and written to PDF,
// beside a bare QPdfWriter loop drawing the same cell texts.
#include "support/BenchTiming.h"

#include "report/MemoryDataSource.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFieldTable.h"
#include "report/ReportFonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kRows = 10000;

const QStringList kColumns = {QStringLiteral("F_code"), QStringLiteral("F_name"), QStringLiteral("F_LXRemp"),
                              QStringLiteral("F_GDphone"), QStringLiteral("F_address"), QStringLiteral("F_HPname"),
                              QStringLiteral("F_SL"), QStringLiteral("F_ZL"), QStringLiteral("F_YF"), QStringLiteral("F_BJF"),
                              QStringLiteral("F_FYtotal"), QStringLiteral("F_KDtype"), QStringLiteral("F_FHdate")};

QVector<QVariant> row(int r)
{
    return {QStringLiteral("Y2013%1").arg(r, 6, 10, QLatin1Char('0')), QStringLiteral("杭州美乐文具%1公司").arg(r % 97),
            QStringLiteral("张三%1").arg(r % 13), QStringLiteral("0571-8888%1").arg(r % 10000, 4, 10, QLatin1Char('0')),
            QStringLiteral("文三路 %1 号").arg(r % 500), QStringLiteral("文件"), double(r % 5 + 1), 0.5 * (r % 7),
            12.0 + r % 9, 1.0 * (r % 3), 13.0 + r % 9 + r % 3, QStringLiteral("顺丰快递"), QStringLiteral("2013-03-05")};
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString pdf = QDir::temp().filePath(QStringLiteral("marlo-bench-list.pdf"));
    std::vector<QVector<QVariant>> data;
    for (int r = 0; r < kRows; ++r)
        data.push_back(row(r));
    auto ds = std::make_shared<MemoryDataSource>(QStringLiteral("收件信息"), kColumns, std::move(data), ReportFieldTable::recipient());

    ReportEngine engine;
    if (!engine.loadFromFile(QStringLiteral(MARLO_SHIPPED_QR "/frKDfahuoList.fr3")) || engine.report().isEmpty()) {
        std::fprintf(stderr, "cannot read the shipped list template\n");
        return 1;
    }
    engine.bindDataset(ds, QStringLiteral("frxMain"));
    int pages = 0;
    const double ours = medianSeconds(3, [&] {
        auto prepared = engine.prepare();
        pages = prepared->pageCount();
        ReportExport::toPdf(*prepared, pdf);
    });

    ReportFont rf;
    rf.name = QStringLiteral("宋体");
    rf.setPointSize(9);
    const QFont font = ReportFonts::font(rf);
    const int perPage = 27;
    const double bare = medianSeconds(3, [&] {
        QPdfWriter w(pdf);
        w.setResolution(600);
        w.setPageSize(QPageSize(QPageSize::A4));
        w.setPageOrientation(QPageLayout::Landscape);
        w.setPageMargins(QMarginsF());
        QPainter p(&w);
        p.setFont(font);
        const double perMm = 600 / 25.4;
        for (int r = 0; r < kRows; ++r) {
            if (r > 0 && r % perPage == 0)
                w.newPage();
            const QVector<QVariant> v = row(r);
            const double y = (20 + (r % perPage) * 6.5) * perMm;
            for (int c = 0; c < v.size(); ++c)
                p.drawText(QPointF((10 + c * 20) * perMm, y), v.at(c).toString());
        }
    });
    std::printf("%d pages\n", pages);
    report("10,000-row list report to PDF", ours, bare, 3.0);
    return 0;
}
