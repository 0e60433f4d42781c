#include "cli/CliCommand.h"

#include "core/ProgramFolder.h"
#include "core/Settings.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

void usage()
{
    std::fprintf(stderr, "usage: marlo-cli [--home DIR] COMMAND [ARGS]\ncommands:\n");
    for (const CliCommand &c : cliCommands())
        std::fprintf(stderr, "  %s %s\n", c.name.toLocal8Bit().constData(), c.usage.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    // Rendering needs fonts and paint devices, so the tool runs a GUI application
    // on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication::setApplicationName(QStringLiteral("marlo"));
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString home = Cli::takeOption(args, QStringLiteral("--home"));
    if (!home.isEmpty())
        ProgramFolder::setPath(home);
    Settings::reopen();
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const CliCommand &c : cliCommands())
        if (c.name == name)
            return c.run(args);
    Cli::error(QStringLiteral("unknown command %1").arg(name));
    usage();
    return 2;
}
