#include "report/ReportBarcode.h"

QString ReportBarcode::effectiveText() const
{
    if (!expression.isEmpty())
        return QLatin1Char('[') + expression + QLatin1Char(']');
    if (!dataField.isEmpty())
        return QStringLiteral("[%1.\"%2\"]").arg(dataSetName, dataField);
    return text;
}
