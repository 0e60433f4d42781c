#include "core/Messages.h"

#include <QDebug>

namespace {

// Without a desktop (command-line tool) messages go to standard error and
// questions are answered yes.
int consoleHandler(const QString &text, int kind)
{
    static const char *names[] = {"info", "question", "warning", "error"};
    const char *name = kind >= 0 && kind <= 3 ? names[kind] : "message";
    qWarning().noquote() << QStringLiteral("[%1] %2").arg(QLatin1String(name), text);
    return MessYes;
}

MessageHandler &handler()
{
    static MessageHandler h = consoleHandler;
    return h;
}

} // namespace

int ShowMess(const QString &text, int kind) { return handler()(text, kind); }

bool AskYes(const QString &text) { return ShowMess(text, MessQuestion) == MessYes; }

MessageHandler setMessageHandler(MessageHandler h)
{
    MessageHandler old = handler();
    handler() = h ? std::move(h) : MessageHandler(consoleHandler);
    return old;
}
