#pragma once

#include <QString>

#include <functional>

// The one path to a message box. Kinds: 0 information, 1 yes/no question
// (result 1 yes, 2 no), 2 warning, 3 error. The handler is replaceable: the
// desktop program shows a message box, tests answer questions themselves.
enum MessKind { MessInfo = 0, MessQuestion = 1, MessWarning = 2, MessError = 3 };
enum MessAnswer { MessYes = 1, MessNo = 2 };

using MessageHandler = std::function<int(const QString &text, int kind)>;

int ShowMess(const QString &text, int kind);
bool AskYes(const QString &text);  // ShowMess with kind 1, true on yes

// Installs a handler and returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);

// Fixed texts of the data services.
namespace Msg {
inline const QString OperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
inline const QString OpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");
inline const QString BackupFailed = QStringLiteral("备份失败，请与管理员联系！");
} // namespace Msg
