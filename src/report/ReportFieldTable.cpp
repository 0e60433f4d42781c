#include "report/ReportFieldTable.h"

const ReportFieldTable::Entry *ReportFieldTable::forColumn(const QString &column) const
{
    for (const Entry &e : m_entries)
        if (e.column.compare(column, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const ReportFieldTable &ReportFieldTable::recipient()
{
    static const ReportFieldTable t({
        {QStringLiteral("F_ID"), QStringLiteral("F_ID")},
        {QStringLiteral("F_mainID"), QStringLiteral("F_mainID")},
        {QStringLiteral("F_code"), QStringLiteral("F_code")},
        {QStringLiteral("F_name"), QStringLiteral("公司名称")},
        {QStringLiteral("F_LXRemp"), QStringLiteral("收件人")},
        {QStringLiteral("F_sheng"), QStringLiteral("省")},
        {QStringLiteral("F_city"), QStringLiteral("市")},
        {QStringLiteral("F_area"), QStringLiteral("区")},
        {QStringLiteral("F_address"), QStringLiteral("地址")},
        {QStringLiteral("F_date"), QStringLiteral("日期")},
        {QStringLiteral("F_postcode"), QStringLiteral("邮编")},
        {QStringLiteral("F_GDphone"), QStringLiteral("电话")},
        {QStringLiteral("F_SJphone"), QStringLiteral("手机")},
        {QStringLiteral("F_MDaddress"), QStringLiteral("收件地址")},
        {QStringLiteral("F_memo1"), QStringLiteral("备注")},
        {QStringLiteral("F_KDtype"), QStringLiteral("快递")},
        {QStringLiteral("F_useflag"), QStringLiteral("F_useflag")},
        {QStringLiteral("F_empName"), QStringLiteral("业务员")},
        {QStringLiteral("F_HPname"), QStringLiteral("物品名称")},
        {QStringLiteral("F_SL"), QStringLiteral("数量")},
        {QStringLiteral("F_ZL"), QStringLiteral("重量")},
        {QStringLiteral("F_YF"), QStringLiteral("运费")},
        {QStringLiteral("F_BJF"), QStringLiteral("保价费")},
        {QStringLiteral("F_FYtotal"), QStringLiteral("费用合计")},
        {QStringLiteral("F_FJemp"), QStringLiteral("发件人")},
        {QStringLiteral("F_FHdate"), QStringLiteral("发货日期")},
        {QStringLiteral("F_type"), QStringLiteral("F_type")},
        {QStringLiteral("F_KDcode"), QStringLiteral("快递单号")},
    });
    return t;
}

const ReportFieldTable &ReportFieldTable::courierImage()
{
    static const ReportFieldTable t({
        {QStringLiteral("F_ID"), QStringLiteral("F_ID")},
        {QStringLiteral("F_name"), QStringLiteral("F_name")},
        {QStringLiteral("F_btnImage"), QStringLiteral("F_btnImage")},
        {QStringLiteral("F_imagePath"), QStringLiteral("F_imagePath")},
        {QStringLiteral("F_useFlag"), QStringLiteral("F_useFlag")},
        {QStringLiteral("F_BBfileName"), QStringLiteral("F_BBfileName")},
    });
    return t;
}

const ReportFieldTable &ReportFieldTable::sender()
{
    static const ReportFieldTable t({
        {QStringLiteral("F_name"), QStringLiteral("公司名称")},
        {QStringLiteral("F_LXRemp"), QStringLiteral("发件人")},
        {QStringLiteral("F_sheng"), QStringLiteral("省")},
        {QStringLiteral("F_city"), QStringLiteral("城市")},
        {QStringLiteral("F_area"), QStringLiteral("地区")},
        {QStringLiteral("F_address"), QStringLiteral("地址")},
        {QStringLiteral("F_postcode"), QStringLiteral("邮编")},
        {QStringLiteral("F_GDphone"), QStringLiteral("电话")},
        {QStringLiteral("F_SJphone"), QStringLiteral("手机")},
        {QStringLiteral("F_memo1"), QStringLiteral("备注")},
        {QStringLiteral("F_mainID"), QStringLiteral("F_mainID")},
        {QStringLiteral("F_ID"), QStringLiteral("F_ID"), true},
        {QStringLiteral("F_code"), QStringLiteral("F_code"), true},
        {QStringLiteral("F_MDaddress"), QStringLiteral("F_MDaddress"), true},
        {QStringLiteral("F_bakPath"), QStringLiteral("F_bakPath"), true},
        {QStringLiteral("F_HPname"), QStringLiteral("F_HPname"), true},
        {QStringLiteral("F_SL"), QStringLiteral("F_SL"), true},
        {QStringLiteral("F_ZL"), QStringLiteral("F_ZL"), true},
        {QStringLiteral("F_YF"), QStringLiteral("F_YF"), true},
        {QStringLiteral("F_BJF"), QStringLiteral("F_BJF"), true},
        {QStringLiteral("F_FYtotal"), QStringLiteral("F_FYtotal"), true},
        {QStringLiteral("F_FJemp"), QStringLiteral("F_FJemp"), true},
        {QStringLiteral("F_FHdate"), QStringLiteral("F_FHdate"), true},
    });
    return t;
}
