#include "report/XlsxExport.h"

#include "core/Dates.h"
#include "core/DisplayFormat.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>

#include <xlsxwriter.h>

#include <vector>

namespace {

enum class CellKind { Text, Number, Date };

struct ColumnPlan
{
    CellKind kind = CellKind::Text;
    lxw_format *format = nullptr;
    QString displayFormat;
};

// The literal characters of a format are quoted for Excel.
QString quoteLiteral(const QString &s)
{
    if (s.isEmpty())
        return {};
    QString t = s;
    t.remove(QLatin1Char('"'));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString numberSection(const QString &sec)
{
    int first = -1, last = -1;
    for (int i = 0; i < sec.size(); ++i) {
        const QChar c = sec.at(i);
        if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return quoteLiteral(sec);
    const QString digits = sec.mid(first, last - first + 1);
    const bool grouping = digits.contains(QLatin1Char(','));
    const int dot = digits.indexOf(QLatin1Char('.'));
    QString frac = dot < 0 ? QString() : digits.mid(dot + 1);
    frac.remove(QLatin1Char(','));
    QString intPart = dot < 0 ? digits : digits.left(dot);
    intPart.remove(QLatin1Char(','));
    const int zeros = std::max<int>(1, int(intPart.count(QLatin1Char('0'))));
    QString out(zeros, QLatin1Char('0'));
    if (grouping) {
        while (out.size() < 4)
            out.prepend(QLatin1Char('#'));
        out.insert(out.size() - 3, QLatin1Char(','));
    }
    if (!frac.isEmpty())
        out += QLatin1Char('.') + frac;
    auto strip = [](QString s) { return s.remove(QLatin1Char('"')).remove(QLatin1Char('\'')); };
    return quoteLiteral(strip(sec.left(first))) + out + quoteLiteral(strip(sec.mid(last + 1)));
}

bool isDateText(QStringView s)
{
    return s.size() >= 10 && s.at(4) == QLatin1Char('-') && s.at(7) == QLatin1Char('-') && s.at(0).isDigit();
}

lxw_datetime toExcel(const QDate &d, const QTime &t)
{
    lxw_datetime x;
    x.year = d.year();
    x.month = d.month();
    x.day = d.day();
    x.hour = t.hour();
    x.min = t.minute();
    x.sec = t.second();
    return x;
}

int digits(QStringView s, int from, int n)
{
    int v = 0;
    for (int i = from; i < from + n; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// "yyyy-MM-dd[ hh:mm:ss]" read by hand: a date-time conversion through the time zone
// per cell would cost more than writing the cell.
bool parseDateText(QStringView s, lxw_datetime &out)
{
    if (!isDateText(s))
        return false;
    const int y = digits(s, 0, 4), m = digits(s, 5, 2), d = digits(s, 8, 2);
    if (y < 0 || m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    out = {y, m, d, 0, 0, 0};
    if (s.size() >= 19 && (s.at(10) == u' ' || s.at(10) == u'T')) {
        const int hh = digits(s, 11, 2), mm = digits(s, 14, 2), ss = digits(s, 17, 2);
        if (hh >= 0 && mm >= 0 && ss >= 0) {
            out.hour = hh;
            out.min = mm;
            out.sec = ss;
        }
    }
    return true;
}

bool dateOf(const QVariant &v, lxw_datetime &out)
{
    if (v.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        out = toExcel(dt.date(), dt.time());
        return dt.isValid();
    }
    if (v.typeId() == QMetaType::QDate) {
        out = toExcel(v.toDate(), QTime(0, 0));
        return v.toDate().isValid();
    }
    return parseDateText(v.toString().trimmed(), out);
}

bool isEmptyDate(const QVariant &v)
{
    const int t = v.typeId();
    if (t == QMetaType::QString) {
        const QString s = v.toString();
        return isDateText(s) && QStringView(s).left(10) < Dates::BlankBelow;
    }
    if (t == QMetaType::QDate || t == QMetaType::QDateTime)
        return Dates::display(v).isEmpty();
    return false;
}

bool isNumberType(int t)
{
    return t == QMetaType::Double || t == QMetaType::Float || t == QMetaType::Int || t == QMetaType::LongLong ||
           t == QMetaType::UInt || t == QMetaType::ULongLong;
}

} // namespace

namespace XlsxExport {

QString excelFormat(const QString &displayFormat)
{
    const QString f = displayFormat.trimmed();
    if (f.isEmpty())
        return QStringLiteral("@");
    if (DisplayFormat::isDateFormat(f)) {
        QString out;
        for (int i = 0; i < f.size(); ++i) {
            const QChar c = f.at(i);
            const QChar l = c.toLower();
            if (l == QLatin1Char('y') || l == QLatin1Char('m') || l == QLatin1Char('d') || l == QLatin1Char('h') ||
                l == QLatin1Char('s') || c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('/') ||
                c == QLatin1Char(' ') || c == QLatin1Char('.')) {
                out += l;
            } else if (l == QLatin1Char('n')) {
                out += QLatin1Char('m');  // Delphi writes minutes as nn
            } else {
                int j = i;
                while (j < f.size() && !QStringLiteral("ymdhsn:-/ .").contains(f.at(j).toLower()))
                    ++j;
                out += quoteLiteral(f.mid(i, j - i));
                i = j - 1;
            }
        }
        return out;
    }
    QStringList sections;
    QString cur;
    bool quoted = false;
    for (const QChar c : f) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted) {
            sections << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    sections << cur;
    QStringList out;
    for (const QString &s : sections)
        out << numberSection(s);
    return out.join(QLatin1Char(';'));
}

bool write(TableSource &table, const QString &fileName, const QString &sheetName, const Progress &progress, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    const QByteArray tmp = QFile::encodeName(QDir::tempPath());
    options.tmpdir = const_cast<char *>(tmp.constData());
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook *wb = workbook_new_opt(path.constData(), &options);
    if (!wb)
        return fail(QStringLiteral("无法创建文件 %1").arg(fileName));
    QString name = sheetName.left(31);
    for (const QChar bad : QStringLiteral("[]:*?/\\"))
        name.replace(bad, QLatin1Char('_'));
    const QByteArray sheetUtf8 = (name.isEmpty() ? QStringLiteral("Sheet1") : name).toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(wb, sheetUtf8.constData());
    lxw_format *bold = workbook_add_format(wb);
    format_set_bold(bold);
    lxw_format *text = workbook_add_format(wb);
    format_set_num_format(text, "@");

    const int cols = table.columnCount();
    std::vector<ColumnPlan> plan(static_cast<size_t>(cols));
    QHash<QString, lxw_format *> formats;
    for (int c = 0; c < cols; ++c) {
        const TableColumn col = table.column(c);
        ColumnPlan &p = plan[size_t(c)];
        p.displayFormat = col.displayFormat.trimmed();
        if (p.displayFormat.isEmpty()) {
            p.format = text;
        } else {
            p.kind = DisplayFormat::isDateFormat(p.displayFormat) ? CellKind::Date : CellKind::Number;
            const QString xf = excelFormat(p.displayFormat);
            lxw_format *&fmt = formats[xf];
            if (!fmt) {
                fmt = workbook_add_format(wb);
                format_set_num_format(fmt, xf.toUtf8().constData());
            }
            p.format = fmt;
        }
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::max(4.0, col.width / 7.0), nullptr);
        worksheet_write_string(ws, 0, lxw_col_t(c), col.title.toUtf8().constData(), bold);
    }

    const int rows = table.rowCount();
    QByteArray buffer;
    for (int r = 0; r < rows; ++r) {
        const lxw_row_t xr = lxw_row_t(r + 1);
        for (int c = 0; c < cols; ++c) {
            const ColumnPlan &p = plan[size_t(c)];
            const QVariant v = table.value(r, c);
            if (!v.isValid() || v.isNull())
                continue;
            const lxw_col_t xc = lxw_col_t(c);
            if (isEmptyDate(v))
                continue;
            if (p.kind == CellKind::Number) {
                bool ok = isNumberType(v.typeId());
                const double d = ok ? v.toDouble() : v.toString().trimmed().toDouble(&ok);
                if (ok) {
                    worksheet_write_number(ws, xr, xc, d, p.format);
                    continue;
                }
            } else if (p.kind == CellKind::Date) {
                lxw_datetime x;
                if (dateOf(v, x)) {
                    worksheet_write_datetime(ws, xr, xc, &x, p.format);
                    continue;
                }
            }
            QString s;
            if (v.typeId() == QMetaType::QString)
                s = v.toString();
            else if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
                s = Dates::fromValue(v);
            else
                s = DisplayFormat::format(v, QString());
            if (s.isEmpty())
                continue;
            buffer = s.toUtf8();
            worksheet_write_string(ws, xr, xc, buffer.constData(), p.kind == CellKind::Text ? p.format : text);
        }
        if (progress && (r % 1000 == 999 || r == rows - 1) && !progress(r + 1, rows)) {
            workbook_close(wb);
            QFile::remove(fileName);
            return fail(QStringLiteral("已取消"));
        }
    }
    const lxw_error rc = workbook_close(wb);
    if (rc != LXW_NO_ERROR)
        return fail(QStringLiteral("无法写入文件 %1：%2").arg(fileName, QString::fromUtf8(lxw_strerror(rc))));
    return true;
}

bool exportTable(TableSource &table, const QString &sheetName, bool show, const Progress &progress)
{
    UiHooks::FileRequest req;
    req.title = QStringLiteral("导出到Excel");
    req.filter = QStringLiteral("Excel 工作簿 (*.xlsx)");
    req.folder = ProgramFolder::path();
    req.fileName = sheetName + QStringLiteral(".xlsx");
    const std::optional<QString> chosen = UiHooks::saveFile(req);
    if (!chosen || chosen->isEmpty())
        return false;
    QString file = *chosen;
    if (!file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        file += QStringLiteral(".xlsx");
    QString error;
    bool ok = false;
    {
        UiHooks::BusyScope busy;
        ok = write(table, file, sheetName, progress, &error);
    }
    if (!ok) {
        if (error != QLatin1String("已取消"))
            ShowMess(QStringLiteral("导出Excel文件失败：%1").arg(error), MessError);
        return false;
    }
    if (show)
        UiHooks::openDocument(file);
    return true;
}

} // namespace XlsxExport
