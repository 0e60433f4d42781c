#include "cli/CliCommand.h"

#include "core/DataModule.h"
#include "core/Startup.h"

#include <cstdio>

std::vector<CliCommand> &cliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

namespace Cli {

void error(const QString &text)
{
    std::fprintf(stderr, "marlo-cli: %s\n", text.toLocal8Bit().constData());
}

void print(const QString &text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

bool openDatabase(bool create)
{
    TdmData &data = dmData();
    const ServerSettings server = Settings::server();
    QString why;
    const bool ok = server.isServer() ? data.openServer(server, &why)
                                      : data.openFile(Startup::databaseFile(),
                                                      create && Settings::databaseFolder().trimmed().isEmpty(), &why);
    if (!ok)
        error(QStringLiteral("cannot open the database: %1").arg(why));
    return ok;
}

QString takeOption(QStringList &args, const QString &name, const QString &def)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return def;
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

} // namespace Cli
