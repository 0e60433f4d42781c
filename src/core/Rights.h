#pragma once

#include <QString>

#include <array>

// The rights catalogue: one right per command of the main window. Seeds the
// Limits table and drives which actions an operator sees.
struct RightDef
{
    const char *code;     // "101" … "505"
    const char *action;   // action object name
    const char *caption;  // action caption, also the right's name in Limits
    const char *menu;     // top-level menu object name, empty when none
};

inline constexpr std::array<RightDef, 31> kRights = {{
    {"101", "Action101", "发件信息", "mi100"},
    {"102", "Action102", "更改密码", "mi100"},
    {"103", "Action103", "用户权限", "mi100"},
    {"104", "Action104", "选项...", "mi100"},
    {"105", "Action105", "自定义项设置", "mi100"},
    {"106", "Action106", "快递类型设置", "mi100"},
    {"201", "Action201", "新增", "mi200"},
    {"202", "Action202", "修改", "mi200"},
    {"203", "Action203", "删除", "mi200"},
    {"204", "Action204", "排序...", "mi200"},
    {"205", "Action205", "显示字段选择", "mi200"},
    {"206", "Action206", "保存当前网格", "mi200"},
    {"207", "Action207", "复制", "mi200"},
    {"208", "Action208", "单件发货", "mi200"},
    {"209", "Action209", "批量发货", "mi200"},
    {"301", "Action301", "导出", "mi300"},
    {"302", "Action302", "报表设计", "mi300"},
    {"303", "Action303", "当前快递发货表单", "mi300"},
    {"304", "Action304", "当前快递发货列表", "mi300"},
    {"305", "Action305", "当前客户信封打印", "mi300"},
    {"306", "Action306", "客户信封标签打印", "mi300"},
    {"307", "Action307", "导出客户手机列表", "mi300"},
    {"401", "Action401", "统计", "mi400"},
    {"402", "Action402", "发货提醒", ""},
    {"403", "Action403", "快递发货明细统计", "mi400"},
    {"404", "Action404", "快递发货汇总统计", "mi400"},
    {"501", "Action501", "导入发件信息", "mi500"},
    {"502", "Action502", "系统数据清理", "mi500"},
    {"503", "Action503", "数据备份恢复", "mi500"},
    {"504", "Action504", "压缩修复数据", "mi500"},
    {"505", "Action505", "连接网络数据", "mi500"},
}};

// The top-level menu whose visibility a right counts for: the first digit of the
// code ("402" belongs to no menu but still counts for mi400).
inline QString rightMenuGroup(const QString &code)
{
    return QStringLiteral("mi") + code.left(1) + QStringLiteral("00");
}
