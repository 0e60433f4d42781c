#include "operators/Login.h"

#include "core/DataModule.h"
#include "core/Password.h"
#include "core/PubUnit.h"
#include "core/Settings.h"

#include <QSqlQuery>

namespace Login {

namespace {

std::function<void()> &rightsHandler()
{
    static std::function<void()> h;
    return h;
}

} // namespace

Check verify(const QString &typedName, const QString &password)
{
    TdmData &data = dmData();
    const QString name = typedName.trimmed();
    if (name.isEmpty())
        return Check::NoName;
    const QString byName = data.dialect().equalsIgnoreCase(QStringLiteral("F_Name"));
    if (data.QueryInt(QStringLiteral("select F_ID from OperList where ") + byName, {name}) <= 0)
        return Check::UnknownOperator;
    QSqlQuery q(data.db());
    if (!data.run(q, QStringLiteral("select F_PassWord, F_Flag from OperList where ") + byName, {name}) || !q.next())
        return Check::WrongPassword;  // a failed lookup matches no password
    if (q.value(1).toBool())
        return Check::Disabled;
    return Password::CheckPass(q.value(0).toString(), password) ? Check::Accepted : Check::WrongPassword;
}

QString messageFor(Check c)
{
    switch (c) {
    case Check::NoName:
        return QStringLiteral("请选择用户！");
    case Check::UnknownOperator:
        return QStringLiteral("此操作员并不存在，请重新选择操作员！");
    case Check::Disabled:
        return QStringLiteral("此操作员已被禁用，请与系统管理员联系！");
    default:
        return {};
    }
}

Attempts::Outcome Attempts::wrongPassword()
{
    return ++m_failed < 4 ? Outcome::Retry : Outcome::Fail;
}

QString failureLogText(int mode)
{
    return mode == StartUp ? QStringLiteral("登录失败！") : QStringLiteral("更换操作员失败！");
}

QString failureMessage(int mode)
{
    return mode == StartUp ? QStringLiteral("非法操作员!") : QStringLiteral("更换操作员失败!");
}

void ApplyLogin(const QString &typedName)
{
    TdmData &data = dmData();
    PubUnit::LoginGlobals &g = PubUnit::globals();
    const QString name = typedName.trimmed();
    g.CurrentOperator = name;
    Settings::setLastOperator(name);
    data.WriteLog(QStringLiteral("登录成功！"));
    g.ReportOwnerName = data.QueryText(QStringLiteral("select F_code from SysInfo"));

    QSqlQuery q(data.db());
    g.OperatorSalesmen.clear();
    g.OperatorScope = 0;
    if (data.OpenQuery(q, QStringLiteral("select F_empFlag, F_empName, F_xtFlag from OperList where ") +
                              data.dialect().equalsIgnoreCase(QStringLiteral("F_Name")),
                       {name}) &&
        q.next()) {
        g.OperatorSalesmen = q.value(1).toString();
        g.OperatorScope = q.value(0).toInt();
    }

    g.KeyValues = QStringList(PubUnit::KeyValueSlots, QString());
    if (data.OpenQuery(q, QStringLiteral("select F_Value from KeyValue order by F_ID")))
        for (int slot = 0; slot < PubUnit::KeyValueSlots && q.next(); ++slot)
            g.KeyValues[slot] = q.value(0).toString();

    g.AutoCodeEnabled = Settings::autoCode();
    g.ImeName = Settings::imeName();
    g.DefaultCourierName = Settings::defaultCourier();

    if (rightsHandler())
        rightsHandler()();
}

void setRightsHandler(std::function<void()> applyRights) { rightsHandler() = std::move(applyRights); }

} // namespace Login
