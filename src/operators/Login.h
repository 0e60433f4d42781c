#pragma once

#include <QString>

#include <functional>

// The decisions of the login form, apart from its widgets: checking a typed
// name and password, counting wrong passwords, and filling the login globals.
namespace Login {

enum class Check {
    NoName,          // "请选择用户！"
    UnknownOperator, // "此操作员并不存在，请重新选择操作员！"
    Disabled,        // refused, not counted as a wrong password
    WrongPassword,
    Accepted,
};

// Steps 1-3 of the OK button: the name is trimmed and compared by the database
// without regard to case; the password exactly, against its stored hash.
Check verify(const QString &typedName, const QString &password);

// The message shown for a check result (empty for Accepted and WrongPassword).
QString messageFor(Check c);

enum Mode { StartUp = 0, ChangeOperator = 1 };

// Wrong passwords of one showing of the form: three retries, the fourth ends it.
class Attempts
{
public:
    enum class Outcome { Retry, Fail };
    Outcome wrongPassword();  // counts one; Fail at the fourth
    int failed() const { return m_failed; }

private:
    int m_failed = 0;
};

// What the fourth wrong password logs and shows, per mode.
QString failureLogText(int mode);     // "登录失败！" / "更换操作员失败！"
QString failureMessage(int mode);     // "非法操作员!" / "更换操作员失败!"

// After a good password: the login globals, CurOperName, the log row, the
// custom captions and settings, then the rights of the main window.
void ApplyLogin(const QString &name);

// The main window registers how its actions follow the operator's rights.
void setRightsHandler(std::function<void()> applyRights);

} // namespace Login
