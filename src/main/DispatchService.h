#pragma once

#include "report/ReportDataSource.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class ReportEngine;

// Dispatching: writing what is sent into recipient records, the batch table, the
// courier types, and preparing the waybills on the courier's template. Plain
// values in, so that the window, the command-line tool and the tests share it.
namespace DispatchService {

// What the dispatch panel holds.
struct Values
{
    QString goods;
    double quantity = 0;
    double weight = 0;
    double freight = 0;
    double insurance = 0;
    double total = 0;
    QString sender;
    QDate date;
    QString waybill;
    QString courier;  // the chosen courier type's name
};

// The fee rule: freight or insurance changed -> total = freight + insurance;
// total changed -> with insurance exactly 0 it becomes total - freight.
struct Fees
{
    double freight = 0;
    double insurance = 0;
    double total = 0;
    bool operator==(const Fees &) const = default;
};
Fees afterFreightOrInsurance(Fees f);
Fees afterTotal(Fees f);

// One courier type row (t_KDimage).
struct Courier
{
    int id = 0;
    QString name;
    QString picturePath;
    QString templateName;
    QString web;
    QString templateFile() const;  // <program folder>/Qr/<template name>.fr3
};

QStringList LoadCourierList();           // every courier name in F_ID order; empty when none
Courier LoadCourier(const QString &name);  // id 0 and empty texts when no row matches
// The first entry that contains the name (exact case); -1 for an empty name or no match.
int SelectDefaultCourier(const QStringList &entries, const QString &name);
// Web addresses must carry the plain web scheme ("http://").
bool isWebAddress(const QString &address);
inline const QString BadWebAddress = QStringLiteral("快递网址输入不正确，请检查输入的网址！");

// The panel's defaults kept with the sender row.
Values LoadDispatchDefaults();

// Writes the dispatch into one record (one statement). False after a message.
bool writeSingle(qint64 recordId, const Values &v);

struct BatchResult
{
    bool ok = false;
    int rows = 0;
    QString failedCode;  // the record whose row failed
};
// Empties tempCLT, copies every record into it with the panel's values (the
// waybill number in tempCLT only) and marks the records dispatched, all in one
// transaction: a failing row rolls back everything and names the record.
BatchResult FillBatchTable(const QList<qint64> &recordIds, const Values &v);
QString batchFailureMessage(const BatchResult &r);

// The eight values a waybill template asks for, by exact name.
bool answerValue(const Values &v, const QString &name, QVariant &value);

// Loads the courier's template into the engine and binds "收件信息" (one record, or
// every tempCLT row for a batch), "快递图片" (the courier's row), "寄件信息" and the
// panel's values; band "MDmain" prints once (single) or once per row (batch).
void prepareWaybills(ReportEngine &engine, const Courier &courier, bool batch, qint64 recordId, const Values &v);

// The data sources of the waybill datasets.
std::shared_ptr<ReportDataSource> recipientSource(qint64 recordId);  // "收件信息" of one record
std::shared_ptr<ReportDataSource> batchSource();                     // "收件信息" over tempCLT
std::shared_ptr<ReportDataSource> courierSource(int courierId);      // "快递图片"
std::shared_ptr<ReportDataSource> senderSource();                    // "寄件信息"

} // namespace DispatchService
