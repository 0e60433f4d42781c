#include "records/RecordStore.h"

#include "core/DataModule.h"
#include "core/Dates.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace RecordStore {

namespace {

QString dateText(const QDate &d)
{
    return d.isValid() ? Dates::text(d) : Dates::EmptyDateText;
}

} // namespace

SqlStatement monthCodeStatement(const QDate &today)
{
    return {QStringLiteral("select max(F_code) from t_client where ") + dmData().dialect().like(QStringLiteral("F_code")),
            {QStringLiteral("Y") + today.toString(QStringLiteral("yyyyMM")) + QLatin1Char('%')}};
}

QString drawCode(int width)
{
    const SqlStatement s = monthCodeStatement();
    return dmData().NextRecordCode(s.text, s.values, QStringLiteral("Y"), width);
}

QList<QPair<QString, QVariant>> savedColumns(const RecordValues &v)
{
    QList<QPair<QString, QVariant>> c = {
        {QStringLiteral("F_code"), v.code.trimmed()},
        {QStringLiteral("F_name"), v.name.trimmed()},
        {QStringLiteral("F_sheng"), v.sheng.trimmed()},
        {QStringLiteral("F_city"), v.city.trimmed()},
        {QStringLiteral("F_area"), v.area.trimmed()},
        {QStringLiteral("F_address"), v.address.trimmed()},
        {QStringLiteral("F_LXRemp"), v.LXRemp.trimmed()},
        {QStringLiteral("F_postcode"), v.postCode.trimmed()},
        {QStringLiteral("F_GDphone"), v.GDphone.trimmed()},
        {QStringLiteral("F_SJphone"), v.SJphone.trimmed()},
        {QStringLiteral("F_MDaddress"), v.MDaddress.trimmed()},
        {QStringLiteral("F_empName"), v.empName.trimmed()},
        {QStringLiteral("F_date"), dateText(v.date.isValid() ? v.date : QDate::currentDate())},
        {QStringLiteral("F_useFlag"), v.useFlag},
        {QStringLiteral("F_memo1"), v.memo1.trimmed()},
    };
    for (int i = 0; i < 5; ++i)
        c.append({QStringLiteral("F_ZF%1").arg(i + 1), v.ZF[i]});
    for (int i = 0; i < 3; ++i)
        c.append({QStringLiteral("F_SZ%1").arg(i + 1), v.SZ[i]});
    for (int i = 0; i < 3; ++i)
        c.append({QStringLiteral("F_RQ%1").arg(i + 1), dateText(v.RQ[i])});
    return c;
}

SqlStatement insertStatement(const RecordValues &v)
{
    QStringList names;
    QVariantList values;
    for (const auto &[name, value] : savedColumns(v)) {
        names << name;
        values << value;
    }
    return {QStringLiteral("insert into t_client (%1) values (%2)")
                .arg(names.join(QStringLiteral(", ")), QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))),
            values};
}

SqlStatement updateStatement(const RecordValues &v, int recordId)
{
    QStringList sets;
    QVariantList values;
    for (const auto &[name, value] : savedColumns(v)) {
        sets << name + QStringLiteral(" = ?");
        values << value;
    }
    values << recordId;
    return {QStringLiteral("update t_client set %1 where F_ID = ?").arg(sets.join(QStringLiteral(", "))), values};
}

SqlStatement codeOwnerStatement(const QString &code, int self)
{
    return {QStringLiteral("select max(F_ID) from t_client where F_code = ? and F_ID <> ?"), {code.trimmed(), self}};
}

bool mustReplaceCode(const QString &code, int otherOwner)
{
    return !code.trimmed().isEmpty() && otherOwner > 0;
}

QDate customDate(const QVariant &stored)
{
    const QString text = Dates::fromValue(stored);
    if (text < Dates::BlankBelow)
        return {};
    return Dates::dateOf(stored);
}

bool readRecord(int recordId, RecordValues &out)
{
    QSqlQuery q(dmData().db());
    q.setForwardOnly(true);
    if (!dmData().OpenQuery(q, QStringLiteral("select * from t_client where F_ID = ?"), {recordId}) || !q.next())
        return false;
    const QSqlRecord r = q.record();
    auto text = [&](const char *f) { return r.value(QString::fromLatin1(f)).toString(); };
    auto number = [&](const char *f) { return r.value(QString::fromLatin1(f)).toDouble(); };
    RecordValues v;
    v.code = text("F_code");
    v.name = text("F_name");
    v.sheng = text("F_sheng");
    v.city = text("F_city");
    v.area = text("F_area");
    v.address = text("F_address");
    v.LXRemp = text("F_LXRemp");
    v.postCode = text("F_postcode");
    v.GDphone = text("F_GDphone");
    v.SJphone = text("F_SJphone");
    v.MDaddress = text("F_MDaddress");
    v.empName = text("F_empName");
    v.date = Dates::dateOf(r.value(QStringLiteral("F_date")));
    v.useFlag = r.value(QStringLiteral("F_useFlag")).toBool();
    v.memo1 = text("F_memo1");
    for (int i = 0; i < 5; ++i)
        v.ZF[i] = r.value(QStringLiteral("F_ZF%1").arg(i + 1)).toString();
    for (int i = 0; i < 3; ++i) {
        v.SZ[i] = r.value(QStringLiteral("F_SZ%1").arg(i + 1)).toDouble();
        v.RQ[i] = customDate(r.value(QStringLiteral("F_RQ%1").arg(i + 1)));
    }
    v.HPname = text("F_HPname");
    v.SL = number("F_SL");
    v.ZL = number("F_ZL");
    v.YF = number("F_YF");
    v.BJF = number("F_BJF");
    v.FYtotal = number("F_FYtotal");
    v.FJemp = text("F_FJemp");
    const QVariant fh = r.value(QStringLiteral("F_FHdate"));
    v.FHdate = Dates::fromValue(fh) < Dates::BlankBelow ? QString() : Dates::text(Dates::dateOf(fh));
    v.KDtype = text("F_KDtype");
    v.KDcode = text("F_KDcode");
    out = v;
    return true;
}

SaveResult save(const RecordValues &values, int recordId)
{
    SaveResult result;
    RecordValues v = values;
    v.code = v.code.trimmed();
    TdmData &dm = dmData();
    if (!v.code.isEmpty()) {
        // Read silently: a failing connection is reported once, by the save.
        const SqlStatement owner = codeOwnerStatement(v.code, recordId);
        QSqlQuery q(dm.db());
        q.setForwardOnly(true);
        if (!dm.run(q, owner.text, owner.values))
            return result;
        if (mustReplaceCode(v.code, q.next() ? q.value(0).toInt() : 0))
            v.code = drawCode(3);
    }
    if (!dm.BeginTrans())
        return result;
    const SqlStatement s = recordId > 0 ? updateStatement(v, recordId) : insertStatement(v);
    QSqlQuery q(dm.db());
    if (!dm.run(q, s.text, s.values)) {
        dm.RollbackTrans();
        return result;
    }
    int id = recordId;
    if (id <= 0) {
        id = q.lastInsertId().toInt();
        if (id <= 0)
            id = dm.QueryInt(QStringLiteral("select max(F_ID) from t_client"));
    }
    if (!dm.CommitTrans()) {
        dm.RollbackTrans();
        return result;
    }
    result.ok = true;
    result.recordId = id;
    result.code = v.code;
    return result;
}

} // namespace RecordStore
