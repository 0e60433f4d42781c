// 100,000 rows x 30 columns from the database to .xlsx, beside a bare
// libxlsxwriter loop writing the same cells, and the peak memory.
#include "support/BenchTiming.h"

#include "report/SqlTableSource.h"
#include "report/XlsxExport.h"

#include "core/DataModule.h"
#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {

constexpr int kRows = 100000;

struct Col
{
    const char *field;
    const char *format;  // empty: text
};

// 30 columns of t_client: texts, numbers with formats, dates.
const Col kCols[30] = {
    {"F_code", ""},      {"F_name", ""},      {"F_LXRemp", ""},    {"F_sheng", ""},      {"F_city", ""},
    {"F_area", ""},      {"F_address", ""},   {"F_postcode", ""},  {"F_GDphone", ""},    {"F_SJphone", ""},
    {"F_MDaddress", ""}, {"F_memo1", ""},     {"F_empName", ""},   {"F_ZF1", ""},        {"F_ZF2", ""},
    {"F_ZF3", ""},       {"F_SZ1", "0.00"},   {"F_SZ2", "0.00"},   {"F_SZ3", "#,##0.00"}, {"F_date", "yyyy-mm-dd"},
    {"F_RQ1", "yyyy-mm-dd"}, {"F_HPname", ""}, {"F_SL", "0"},      {"F_ZL", "0.00"},     {"F_YF", "0.00"},
    {"F_BJF", "0.00"},   {"F_FYtotal", "#,##0.00"}, {"F_FJemp", ""}, {"F_FHdate", "yyyy-mm-dd"}, {"F_KDcode", ""},
};

QVariant cell(int r, int c)
{
    const Col &col = kCols[c];
    if (col.format[0] == 'y')
        return QStringLiteral("2013-%1-%2").arg(r % 12 + 1, 2, 10, QLatin1Char('0')).arg(r % 28 + 1, 2, 10, QLatin1Char('0'));
    if (col.format[0])
        return double(r % 1000) + c / 4.0;
    if (c == 9)
        return QStringLiteral("0139%1").arg(r, 7, 10, QLatin1Char('0'));
    return QStringLiteral("文本%1-%2").arg(r % 5000).arg(c);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    QString error;
    if (!dmData().openFile(dir.filePath(QStringLiteral("bench.db")), true, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QStringList fields, marks;
    for (const Col &c : kCols) {
        fields << QString::fromLatin1(c.field);
        marks << QStringLiteral("?");
    }
    dmData().BeginTrans();
    QSqlQuery ins(dmData().db());
    ins.prepare(QStringLiteral("insert into t_client (%1) values (%2)").arg(fields.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < 30; ++c)
            ins.bindValue(c, cell(r, c));
        ins.exec();
    }
    dmData().CommitTrans();
    const double before = peakMegabytes();

    QList<TableColumn> columns;
    for (const Col &c : kCols) {
        TableColumn t;
        t.title = QString::fromLatin1(c.field);
        t.field = t.title;
        t.displayFormat = QString::fromLatin1(c.format);
        columns << t;
    }
    const QString out = dir.filePath(QStringLiteral("out.xlsx"));
    const double ours = medianSeconds(3, [&] {
        SqlTableSource table(columns, QStringLiteral("select %1 from t_client order by F_ID").arg(fields.join(QLatin1Char(','))));
        XlsxExport::write(table, out, QStringLiteral("快递发货统计列表"));
    });
    const double peak = peakMegabytes();

    // The bare limit: the same cells and formats, written straight from memory.
    std::vector<std::vector<QByteArray>> texts(30);
    const double bare = medianSeconds(3, [&] {
        lxw_workbook_options o = {};
        o.constant_memory = LXW_TRUE;
        lxw_workbook *wb = workbook_new_opt(out.toUtf8().constData(), &o);
        lxw_worksheet *ws = workbook_add_worksheet(wb, "bare");
        lxw_format *text = workbook_add_format(wb);
        format_set_num_format(text, "@");
        lxw_format *num = workbook_add_format(wb);
        format_set_num_format(num, "0.00");
        lxw_format *date = workbook_add_format(wb);
        format_set_num_format(date, "yyyy-mm-dd");
        for (int c = 0; c < 30; ++c)
            worksheet_write_string(ws, 0, lxw_col_t(c), kCols[c].field, nullptr);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < 30; ++c) {
                const Col &col = kCols[c];
                if (col.format[0] == 'y') {
                    lxw_datetime d = {2013, r % 12 + 1, r % 28 + 1, 0, 0, 0};
                    worksheet_write_datetime(ws, lxw_row_t(r + 1), lxw_col_t(c), &d, date);
                } else if (col.format[0]) {
                    worksheet_write_number(ws, lxw_row_t(r + 1), lxw_col_t(c), double(r % 1000) + c / 4.0, num);
                } else {
                    const QByteArray s = cell(r, c).toString().toUtf8();
                    worksheet_write_string(ws, lxw_row_t(r + 1), lxw_col_t(c), s.constData(), text);
                }
            }
        workbook_close(wb);
    });
    report("100,000 rows x 30 columns to .xlsx", ours, bare, 1.3 * bare);
    std::printf("peak memory %.0f MB (%.0f MB before the export), target 300 MB: %s\n", peak, before,
                peak <= 300 ? "met" : "MISSED");
    return 0;
}
