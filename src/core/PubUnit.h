#pragma once

#include <QString>
#include <QStringList>

// Program-wide globals: fixed product texts and the login globals. The login
// fills the globals; every other form reads them.
namespace PubUnit {

inline const QString ProductName = QStringLiteral("Marlo快递单打印软件 ");
inline const QString ProductVersion = QStringLiteral("v1.80(企业版) ");
inline const QString PublisherCaption = QStringLiteral("Marlo软件工作室");
inline const QString ApplicationTitle = QStringLiteral("Marlo快递单打印软件(企业版)");

constexpr int KeyValueSlots = 15;

struct LoginGlobals
{
    QString CurrentOperator;
    int OperatorScope = 0;      // 0 all records, 1 own records, 2 listed salesmen
    QString OperatorSalesmen;   // 'name1','name2' as stored in OperList.F_empName
    QString ReportOwnerName;
    QStringList KeyValues = QStringList(KeyValueSlots, QString());  // slot n at index n-1
    QString ImeName;
    QString DefaultCourierName;
    bool AutoCodeEnabled = false;
};

LoginGlobals &globals();
void resetGlobals();

// Slot n (1..15) of KeyValues; empty outside the range.
QString keyValue(int slot);

// The salesman names of OperatorSalesmen without their quotes.
QStringList salesmanNames(const QString &quotedList);

} // namespace PubUnit
