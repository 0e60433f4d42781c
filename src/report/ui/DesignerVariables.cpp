#include "report/ui/DesignerVariables.h"

namespace DesignerVariables {

QList<ReportVariable> customVariables()
{
    return {{CustomCategory, QString()},
            {QStringLiteral("sCurKHname"), QString()},
            {QStringLiteral("memoDate"), QString()},
            {QStringLiteral("memoCaption"), QString()}};
}

QList<ReportVariable> waybillVariables()
{
    const QString emptyText = QStringLiteral("''");
    const QString zero = QStringLiteral("0");
    return {{CustomCategory, QString()},
            {QStringLiteral("sHPname"), emptyText},
            {QStringLiteral("iSL"), zero},
            {QStringLiteral("fZL"), zero},
            {QStringLiteral("fYF"), zero},
            {QStringLiteral("fBJF"), zero},
            {QStringLiteral("fFYtotal"), zero},
            {QStringLiteral("sFJemp"), emptyText},
            {QStringLiteral("dFJdate"), emptyText}};
}

void replace(ReportTemplate &report, const QList<ReportVariable> &list)
{
    report.clearVariables();
    QString category = CustomCategory.trimmed();
    for (const ReportVariable &v : list) {
        if (v.isCategory()) {
            category = v.name.mid(1);
            report.addCategory(category);
        } else {
            report.addVariable(category, v.name, v.value);
        }
    }
}

} // namespace DesignerVariables
