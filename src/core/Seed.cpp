#include "core/Seed.h"

#include "core/Password.h"
#include "core/ProgramFolder.h"
#include "core/Rights.h"
#include "core/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr const char *kMoney = "#,##0.00";
constexpr const char *kAmount = "0.00";
constexpr const char *kDate = "yyyy-mm-dd";

// The record list and the detail statistics offer the same columns: the record
// itself, then its latest dispatch.
std::vector<Seed::GridColumn> recordListColumns()
{
    return {
        {"F_code", "编号", 100, true, "", 1, "合计", 0},
        {"F_name", "公司名称", 180, true, "", 0, "", 0},
        {"F_LXRemp", "收件人", 70, true, "", 0, "", 0},
        {"F_sheng", "省份", 60, true, "", 0, "", 0},
        {"F_city", "城市", 70, true, "", 0, "", 0},
        {"F_area", "城区", 70, true, "", 0, "", 0},
        {"F_address", "地址", 200, true, "", 0, "", 0},
        {"F_date", "日期", 80, true, "", 0, "", 1},
        {"F_postcode", "邮编", 60, true, "", 0, "", 0},
        {"F_GDphone", "固定电话", 100, true, "", 0, "", 0},
        {"F_SJphone", "联系手机", 100, true, "", 0, "", 0},
        {"F_MDaddress", "收件地址", 160, true, "", 0, "", 0},
        {"F_memo1", "备注", 120, true, "", 0, "", 0},
        {"F_useflag", "停用", 40, true, "", 0, "", 1},
        {"F_ZF1", "字符项一", 80, true, "", 0, "", 0},
        {"F_ZF2", "字符项二", 80, true, "", 0, "", 0},
        {"F_ZF3", "字符项三", 80, true, "", 0, "", 0},
        {"F_ZF4", "字符项四", 80, true, "", 0, "", 0},
        {"F_ZF5", "字符项五", 80, true, "", 0, "", 0},
        {"F_SZ1", "数值项一", 80, true, kAmount, 0, "", 2},
        {"F_SZ2", "数值项二", 80, true, kAmount, 0, "", 2},
        {"F_SZ3", "数值项三", 80, true, kAmount, 0, "", 2},
        {"F_RQ1", "日期项一", 80, true, kDate, 0, "", 1},
        {"F_RQ2", "日期项二", 80, true, kDate, 0, "", 1},
        {"F_RQ3", "日期项三", 80, true, kDate, 0, "", 1},
        {"F_empName", "经手人", 70, true, "", 0, "", 0},
        {"F_HPname", "物品名称", 80, true, "", 0, "", 0},
        {"F_SL", "数量", 60, true, kAmount, 2, "", 2},
        {"F_ZL", "重量", 60, true, kAmount, 2, "", 2},
        {"F_YF", "运费", 80, true, kMoney, 2, "", 2},
        {"F_BJF", "保价费", 80, true, kMoney, 2, "", 2},
        {"F_FYtotal", "费用合计", 80, true, kMoney, 2, "", 2},
        {"F_FJemp", "发件人", 70, true, "", 0, "", 0},
        {"F_FHdate", "发货日期", 80, true, kDate, 0, "", 1},
        {"F_KDtype", "快递类型", 80, true, "", 0, "", 0},
        {"F_KDcode", "快递单号", 110, true, "", 0, "", 0},
    };
}

std::vector<Seed::GridColumn> summaryColumns(const QString &prefix)
{
    // The summary grid names its sums DJnum, SL, …; the chart's grid F_DJnum, F_SL, ….
    auto field = [&](const char *base) { return prefix + QLatin1String(base); };
    return {
        {"F_name", "名称", 132, true, "", 1, "合计", 0},
        {field("DJnum"), "单数", 60, true, "0", 2, "", 2},
        {field("SL"), "数量", 60, true, kAmount, 2, "", 2},
        {field("ZL"), "重量", 60, true, kAmount, 2, "", 2},
        {field("YF"), "运费", 80, true, kMoney, 2, "", 2},
        {field("BJF"), "保价费", 80, true, kMoney, 2, "", 2},
        {field("FYtotal"), "费用合计", 80, true, kMoney, 2, "", 2},
    };
}

struct ImportColumn
{
    const char *field;
    const char *caption;
};

constexpr ImportColumn kImportColumns[] = {
    {"F_code", "编号"},       {"F_name", "公司名称"},   {"F_sheng", "省份"},      {"F_city", "城市"},
    {"F_area", "城区"},       {"F_address", "地址"},    {"F_LXRemp", "收件人"},   {"F_postcode", "邮编"},
    {"F_GDphone", "固定电话"}, {"F_SJphone", "联系手机"}, {"F_MDaddress", "收件地址"}, {"F_empName", "业务员"},
    {"F_date", "日期"},       {"F_memo1", "备注"},      {"F_ZF1", "字符项一"},    {"F_ZF2", "字符项二"},
    {"F_ZF3", "字符项三"},    {"F_ZF4", "字符项四"},    {"F_ZF5", "字符项五"},    {"F_SZ1", "数值项一"},
    {"F_SZ2", "数值项二"},    {"F_SZ3", "数值项三"},    {"F_RQ1", "日期项一"},    {"F_RQ2", "日期项二"},
    {"F_RQ3", "日期项三"},
};

constexpr const char *kKeyValues[] = {
    "字符项一", "字符项二", "字符项三", "字符项四", "字符项五", "数值项一", "数值项二", "数值项三",
    "日期项一", "日期项二", "日期项三", "2",        "2",        "2",        "",
};

class Inserter
{
public:
    Inserter(QSqlDatabase db, QString *error) : m_q(db), m_error(error) {}

    bool run(const QString &sql, const QVariantList &values)
    {
        if (!m_q.prepare(sql))
            return fail(sql);
        for (const QVariant &v : values)
            m_q.addBindValue(v);
        return m_q.exec() || fail(sql);
    }

private:
    bool fail(const QString &sql)
    {
        if (m_error)
            *m_error = sql + QStringLiteral(": ") + m_q.lastError().text();
        return false;
    }

    QSqlQuery m_q;
    QString *m_error;
};

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

namespace Seed {

const std::vector<GridLayout> &gridLayouts()
{
    static const std::vector<GridLayout> layouts = {
        {"WBXmain", recordListColumns()},
        {"KDFHdetailTJ", recordListColumns()},
        {"KDFHtotalTJ", summaryColumns("")},
        {"CLTstatCX", summaryColumns("F_")},
        {"KDtypeSET",
         {{"F_name", "快递名称", 100, true, "", 0, "", 0},
          {"F_imagePath", "图片所在位置", 120, true, "", 0, "", 0},
          {"F_BBfileName", "报表文件名称", 90, true, "", 0, "", 0}}},
    };
    return layouts;
}

const std::vector<Courier> &couriers()
{
    static const std::vector<Courier> list = {
        {"邮政EMS", "kdEMS", "http://www.ems.com.cn"},
        {"顺丰快递", "kdSF", "http://www.sf-express.com"},
        {"申通快递", "kdSTO", "http://www.sto.cn"},
        {"圆通快递", "kdYTO", "http://www.yto.net.cn"},
        {"汇通快递", "kdHT", "http://www.800best.com"},
        {"中通快递", "kdZTO", "http://www.zto.com"},
    };
    return list;
}

bool insertAll(QSqlDatabase db, QString *error)
{
    Inserter in(db, error);

    if (!in.run(QStringLiteral("insert into sysInfo (F_mainID, F_code, F_name, F_LXRemp, F_sheng, F_city, F_area, "
                               "F_address, F_postcode, F_GDphone, F_SJphone, F_MDaddress, F_memo1, F_bakPath, "
                               "F_HPname, F_SL, F_ZL, F_YF, F_BJF, F_FYtotal, F_FJemp, F_FHdate) "
                               "values (0, ?, '', '', '', '', '', '', '', '', '', '', '', ?, ?, 1, 0, 0, 0, 0, '', '')"),
                {s("本公司"), ProgramFolder::file(QStringLiteral("backup")), s("文件")}))
        return false;

    if (!in.run(QStringLiteral("insert into OperList (F_Name, F_PassWord, F_Mem, F_Flag, F_xtFlag, F_empFlag, F_empName) "
                               "values (?, ?, ?, ?, ?, 0, '')"),
                {QStringLiteral("admin"), Password::SavePass(QString()), s("系统管理员"), false, false}))
        return false;

    for (const RightDef &r : kRights)
        if (!in.run(QStringLiteral("insert into Limits (F_code, F_name, F_flag) values (?, ?, ?)"),
                    {QString::fromLatin1(r.code), s(r.caption), true}))
            return false;

    for (const char *v : kKeyValues)
        if (!in.run(QStringLiteral("insert into KeyValue (F_Value) values (?)"), {s(v)}))
            return false;

    for (const GridLayout &layout : gridLayouts()) {
        int order = 0;
        for (const GridColumn &c : layout.columns)
            if (!in.run(QStringLiteral("insert into cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, "
                                       "F_ReadOnly, F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) "
                                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                        {layout.name, c.field, c.caption, c.width, c.visible, true, c.format, c.footerValue,
                         c.footerType, c.alignment, order++}))
                return false;
    }

    for (const ImportColumn &c : kImportColumns)
        if (!in.run(QStringLiteral("insert into cfg_import (F_tablename, F_iFlag, S_Field, F_FieldName, F_field) "
                                   "values ('T_client', 1, ?, ?, ?)"),
                    {s(c.field), s(c.caption), s(c.caption)}))
            return false;

    for (const Courier &c : couriers())
        if (!in.run(QStringLiteral("insert into t_KDimage (F_name, F_imagePath, F_useFlag, F_BBfileName, F_KDweb) "
                                   "values (?, '', ?, ?, ?)"),
                    {s(c.name), false, s(c.templateName), s(c.web)}))
            return false;
    return true;
}

} // namespace Seed
