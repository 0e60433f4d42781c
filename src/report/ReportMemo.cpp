#include "report/ReportMemo.h"

QString ReportMemo::effectiveText() const
{
    if (!text.isEmpty() || dataField.isEmpty())
        return text;
    const QString ds = dataSetName.isEmpty() ? dataSet : dataSetName;
    return QStringLiteral("[%1.\"%2\"]").arg(ds, dataField);
}
