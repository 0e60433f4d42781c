#include "core/Startup.h"

#include "core/DataModule.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/UiHooks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDatabaseName = QStringLiteral("mlHalvo.db");

void say(const Startup::SplashUi &ui, const QString &text)
{
    if (ui.status)
        ui.status(text);
}

std::optional<QString> pickDatabaseFile()
{
    UiHooks::FileRequest r;
    r.title = QStringLiteral("连接网络数据库");
    r.filter = QStringLiteral("数据库文件 (*.db);;所有文件 (*)");
    r.folder = ProgramFolder::path();
    return UiHooks::openFile(r);
}

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath() + QLatin1Char('/');
}

} // namespace

namespace Startup {

QString databaseFile()
{
    const QString ds = Settings::databaseFolder().trimmed();
    // The folder is used as stored: it must end in a separator.
    return (ds.isEmpty() ? ProgramFolder::dataFolder() : Settings::databaseFolder()) + kDatabaseName;
}

bool ConnectDatabase(const SplashUi &ui)
{
    TdmData &data = dmData();
    for (;;) {
        const ServerSettings server = Settings::server();
        say(ui, QStringLiteral("正在连接数据库 ....."));
        bool ok = false;
        if (server.isServer()) {
            ok = data.openServer(server);
        } else {
            // Only the default place gets a new database; a chosen folder must hold one.
            const bool defaultPlace = Settings::databaseFolder().trimmed().isEmpty();
            ok = data.openFile(databaseFile(), defaultPlace);
        }
        if (ok) {
            data.ConnectOk = true;
            say(ui, QStringLiteral("连接成功，正在登录 ..."));
            return true;
        }
        data.ConnectOk = false;
        if (ui.hide)
            ui.hide();
        const std::optional<QString> picked = pickDatabaseFile();
        if (!picked)
            return false;
        Settings::setDatabaseFolder(folderOf(*picked));
        if (server.isServer()) {
            ServerSettings local = server;
            local.driver = QStringLiteral("QSQLITE");  // the picked file replaces the server
            Settings::setServer(local);
        }
        if (ui.show)
            ui.show();
    }
}

bool ChooseDatabaseFolder()
{
    const std::optional<QString> picked = pickDatabaseFile();
    if (!picked)
        return false;
    Settings::setDatabaseFolder(folderOf(*picked));
    return true;
}

void InstallShippedFiles()
{
    // Shipped files live under :/shipped with the folder layout of the program folder.
    const QString root = QStringLiteral(":/shipped");
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = ProgramFolder::file(source.mid(root.size() + 1));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ReadOther);
    }
    QDir().mkpath(ProgramFolder::imageFolder());
}

} // namespace Startup
