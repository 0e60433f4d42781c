#include "settings/DictionaryPrint.h"

#include "core/Messages.h"

void PrintDictionaryGrid(DataGrid *, const QString &title)
{
    ShowMess(QStringLiteral("网格打印功能尚未提供，暂时不能打印“%1”。").arg(title), MessInfo);
}
