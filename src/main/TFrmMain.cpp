#include "main/TFrmMain.h"

#include "core/PubUnit.h"
#include "widgets/FormHelpers.h"

TFrmMain *FrmMain = nullptr;

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(PubUnit::ProductName + PubUnit::ProductVersion);
    resize(798, 570);
    DispFormPos(this, 2);
}
