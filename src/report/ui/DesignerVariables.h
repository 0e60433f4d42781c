#pragma once

#include "report/ReportTemplate.h"

#include <QList>

// The variable lists designers are opened with. A list is in file order: a
// category entry (its name starts with a blank, " 自定义变量") and the variables
// after it belong to that category.
namespace DesignerVariables {

inline const QString CustomCategory = QStringLiteral(" 自定义变量");

// The category " 自定义变量" with sCurKHname, memoDate and memoCaption, all empty.
QList<ReportVariable> customVariables();
// The category " 自定义变量" with the eight dispatch values of a waybill: sHPname,
// iSL, fZL, fYF, fBJF, fFYtotal, sFJemp, dFJdate (texts empty, numbers 0).
QList<ReportVariable> waybillVariables();

// Clears the template's variables and adds the list's categories and variables in
// order; variables before the first category go to "自定义变量".
void replace(ReportTemplate &report, const QList<ReportVariable> &list);

} // namespace DesignerVariables
