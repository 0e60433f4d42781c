#include "settings/DictionaryPrint.h"

#include "report/ui/PreviewReport.h"
#include "settings/GridTableSource.h"

void PrintDictionaryGrid(DataGrid *grid, const QString &title, QWidget *parent)
{
    GridTableSource table(grid);
    PrintGrid(table, title, 1, QStringLiteral("date"), QString(), parent);
}
