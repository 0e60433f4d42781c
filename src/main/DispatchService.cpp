#include "main/DispatchService.h"

#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "report/ReportEngine.h"
#include "report/ReportFieldTable.h"
#include "report/SqlReportDataSource.h"

#include <QSqlError>
#include <QSqlQuery>

namespace DispatchService {

Fees afterFreightOrInsurance(Fees f)
{
    f.total = f.freight + f.insurance;
    return f;
}

Fees afterTotal(Fees f)
{
    if (f.insurance == 0)
        f.insurance = f.total - f.freight;
    return f;
}

QString Courier::templateFile() const
{
    return ProgramFolder::reportFolder() + QLatin1Char('/') + templateName + QStringLiteral(".fr3");
}

QStringList LoadCourierList()
{
    QStringList names;
    QSqlQuery q(dmData().db());
    if (dmData().OpenQuery(q, QStringLiteral("select F_name from t_KDimage order by F_ID")))
        while (q.next())
            names << q.value(0).toString();
    return names;
}

Courier LoadCourier(const QString &name)
{
    Courier c;
    QSqlQuery q(dmData().db());
    if (dmData().OpenQuery(q, QStringLiteral("select F_ID, F_name, F_imagePath, F_BBfileName, F_KDweb from t_KDimage where F_name = ?"),
                           {name}) &&
        q.next()) {
        c.id = q.value(0).toInt();
        c.name = q.value(1).toString();
        c.picturePath = q.value(2).toString();
        c.templateName = q.value(3).toString();
        c.web = q.value(4).toString();
    }
    return c;
}

int SelectDefaultCourier(const QStringList &entries, const QString &name)
{
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i).contains(name, Qt::CaseSensitive))
            return i;
    return -1;
}

bool isWebAddress(const QString &address) { return address.contains(QLatin1String("http://")); }

Values LoadDispatchDefaults()
{
    Values v;
    QSqlQuery q(dmData().db());
    if (dmData().OpenQuery(q, QStringLiteral("select F_HPname, F_SL, F_ZL, F_YF, F_BJF, F_FYtotal, F_FJemp from sysInfo")) &&
        q.next()) {
        v.goods = q.value(0).toString();
        v.quantity = q.value(1).toDouble();
        v.weight = q.value(2).toDouble();
        v.freight = q.value(3).toDouble();
        v.insurance = q.value(4).toDouble();
        v.total = q.value(5).toDouble();
        v.sender = q.value(6).toString();
    }
    v.date = QDate::currentDate();
    return v;
}

namespace {

// The dispatch columns of a record, in the order they are written.
QVariantList dispatchValues(const Values &v)
{
    return {v.goods.trimmed(), v.quantity, v.weight, v.freight, v.insurance, v.total, v.sender.trimmed(),
            Dates::text(v.date), v.courier};
}

const QString kDispatchColumns = QStringLiteral("F_HPname = ?, F_SL = ?, F_ZL = ?, F_YF = ?, F_BJF = ?, F_FYtotal = ?, "
                                                "F_FJemp = ?, F_FHdate = ?, F_KDtype = ?, F_useFlag = ?");

} // namespace

bool writeSingle(qint64 recordId, const Values &v)
{
    QVariantList values = dispatchValues(v);
    values << true << v.waybill.trimmed() << recordId;
    return dmData().ExecSql(QStringLiteral("update t_client set ") + kDispatchColumns +
                                QStringLiteral(", F_KDcode = ? where F_ID = ?"),
                            values);
}

BatchResult FillBatchTable(const QList<qint64> &recordIds, const Values &v)
{
    TdmData &data = dmData();
    BatchResult r;
    if (!data.BeginTrans()) {
        r.failedCode = QString();
        return r;
    }
    QSqlQuery clear(data.db());
    QSqlQuery copy(data.db());
    QSqlQuery mark(data.db());
    QSqlQuery code(data.db());
    const QString copySql = QStringLiteral(
        "insert into tempCLT (F_code, F_name, F_sheng, F_city, F_area, F_address, F_LXRemp, F_postcode, F_GDphone, "
        "F_SJphone, F_MDaddress, F_empName, F_date, F_memo1, F_HPname, F_SL, F_ZL, F_YF, F_BJF, F_FYtotal, F_FJemp, "
        "F_FHdate, F_KDtype, F_useFlag, F_KDcode) "
        "select F_code, F_name, F_sheng, F_city, F_area, F_address, F_LXRemp, F_postcode, F_GDphone, F_SJphone, "
        "F_MDaddress, F_empName, F_date, F_memo1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ? from t_client where F_ID = ?");
    const QString markSql = QStringLiteral("update t_client set ") + kDispatchColumns + QStringLiteral(" where F_ID = ?");
    bool ok = data.run(clear, QStringLiteral("delete from tempCLT")) && copy.prepare(copySql) && mark.prepare(markSql);
    const QVariantList common = dispatchValues(v);
    for (int i = 0; ok && i < recordIds.size(); ++i) {
        const qint64 id = recordIds.at(i);
        int index = 0;
        for (const QVariant &value : common)
            copy.bindValue(index++, value);
        copy.bindValue(index++, true);
        copy.bindValue(index++, v.waybill.trimmed());
        copy.bindValue(index++, id);
        index = 0;
        for (const QVariant &value : common)
            mark.bindValue(index++, value);
        mark.bindValue(index++, true);
        mark.bindValue(index++, id);
        if (!copy.exec() || copy.numRowsAffected() != 1 || !mark.exec()) {
            const QString why = copy.lastError().isValid() ? copy.lastError().text() : mark.lastError().text();
            data.logFailure(QStringLiteral("batch dispatch of record %1").arg(id), why);
            ok = false;
            copy.finish();
            mark.finish();
            data.RollbackTrans();
            r.failedCode = data.QueryText(QStringLiteral("select F_code from t_client where F_ID = ?"), {id});
            if (r.failedCode.isEmpty())
                r.failedCode = QString::number(id);
            return r;
        }
        ++r.rows;
    }
    if (!ok || !data.CommitTrans()) {
        data.RollbackTrans();
        r.rows = 0;
        return r;
    }
    r.ok = true;
    return r;
}

QString batchFailureMessage(const BatchResult &r)
{
    if (r.failedCode.isEmpty())
        return QStringLiteral("批量发货失败，请检查数据连接！所有记录均未改动。");
    return QStringLiteral("编号为“%1”的记录发货失败，本批发货已全部撤销，请检查后重试！").arg(r.failedCode);
}

bool answerValue(const Values &v, const QString &name, QVariant &value)
{
    if (name == QLatin1String("sHPname"))
        value = v.goods.trimmed();
    else if (name == QLatin1String("iSL"))
        value = v.quantity;
    else if (name == QLatin1String("fZL"))
        value = v.weight;
    else if (name == QLatin1String("fYF"))
        value = v.freight;
    else if (name == QLatin1String("fBJF"))
        value = v.insurance;
    else if (name == QLatin1String("fFYtotal"))
        value = v.total;
    else if (name == QLatin1String("sFJemp"))
        value = v.sender.trimmed();
    else if (name == QLatin1String("dFJdate"))
        value = Dates::text(v.date);  // text, whatever format the memo applies to dates
    else
        return false;
    return true;
}

std::shared_ptr<ReportDataSource> recipientSource(qint64 recordId)
{
    return SqlReportDataSource::create(ReportDatasetNames::Recipient, QStringLiteral("select * from t_client where F_ID = ?"),
                                       {recordId}, ReportFieldTable::recipient());
}

std::shared_ptr<ReportDataSource> batchSource()
{
    return SqlReportDataSource::create(ReportDatasetNames::Recipient, QStringLiteral("select * from tempCLT"), {},
                                       ReportFieldTable::recipient());
}

std::shared_ptr<ReportDataSource> courierSource(int courierId)
{
    return SqlReportDataSource::create(ReportDatasetNames::CourierImage,
                                       QStringLiteral("select * from t_KDimage where F_ID = ?"), {courierId},
                                       ReportFieldTable::courierImage());
}

std::shared_ptr<ReportDataSource> senderSource()
{
    return SqlReportDataSource::create(ReportDatasetNames::Sender, QStringLiteral("select * from sysInfo"), {},
                                       ReportFieldTable::sender());
}

void prepareWaybills(ReportEngine &engine, const Courier &courier, bool batch, qint64 recordId, const Values &v)
{
    engine.loadFromFile(courier.templateFile());
    engine.bindDataset(batch ? batchSource() : recipientSource(recordId), QStringLiteral("frxMain"));
    engine.bindDataset(courierSource(courier.id), QStringLiteral("frxImage"));
    engine.bindDataset(senderSource(), QStringLiteral("frxDBDataset1"));
    // Without a band "MDmain" the template's bands print as they stand.
    if (batch)
        engine.setBandDataset(QStringLiteral("MDmain"), ReportDatasetNames::Recipient, 0);
    else
        engine.setBandDataset(QStringLiteral("MDmain"), QString(), 1);
    engine.setValueCallback([v](const QString &name, QVariant &value) { return answerValue(v, name, value); });
}

} // namespace DispatchService
