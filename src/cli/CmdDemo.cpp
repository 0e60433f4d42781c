#include "cli/CliCommand.h"

#include "core/DataModule.h"
#include "core/DemoData.h"

#include <QElapsedTimer>

namespace {

int runDemo(const QStringList &arguments)
{
    QStringList args = arguments;
    bool ok = false;
    const int records = Cli::takeOption(args, QStringLiteral("--records"), QStringLiteral("1000")).toInt(&ok);
    if (!ok || records < 0) {
        Cli::error(QStringLiteral("--records takes a whole number"));
        return 2;
    }
    if (!Cli::openDatabase(true))
        return 1;
    QElapsedTimer timer;
    timer.start();
    const bool filled = DemoData::fill(dmData(), records, [](int done, int total) {
        Cli::print(QStringLiteral("%1 / %2").arg(done).arg(total));
    });
    if (!filled) {
        Cli::error(QStringLiteral("the demo records could not be written; see the logs folder"));
        return 1;
    }
    Cli::print(QStringLiteral("%1 demo records written in %2 s").arg(records).arg(timer.elapsed() / 1000.0, 0, 'f', 1));
    return 0;
}

const CliRegistration demo{{QStringLiteral("demo"), QStringLiteral("--records N"), runDemo}};

} // namespace
