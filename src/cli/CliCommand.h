#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A sub-command of marlo-cli. Each command file registers itself with a static
// CliRegistration; main() parses --home and runs the named command.
struct CliCommand
{
    QString name;
    QString usage;  // one line: arguments after the command name
    std::function<int(const QStringList &args)> run;  // exit code; errors go to stderr
};

std::vector<CliCommand> &cliCommands();

struct CliRegistration
{
    explicit CliRegistration(CliCommand c) { cliCommands().push_back(std::move(c)); }
};

// Helpers for the commands.
namespace Cli {

void error(const QString &text);  // "marlo-cli: text" on stderr
void print(const QString &text);  // a line on stdout
// Opens the program folder's database; with create a missing default database is made.
bool openDatabase(bool create);
// The value after `--name` in args, or def; removes both from args.
QString takeOption(QStringList &args, const QString &name, const QString &def = {});

} // namespace Cli
