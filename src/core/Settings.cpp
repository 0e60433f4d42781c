#include "core/Settings.h"

#include "core/ProgramFolder.h"

#include <memory>

namespace {

std::unique_ptr<IniFile> g_ini;

const QString kConfig = QStringLiteral("config");
const QString kConfigUser = QStringLiteral("Config");
const QString kSys = QStringLiteral("sys");
const QString kDatabase = QStringLiteral("database");

} // namespace

namespace Settings {

IniFile &ini()
{
    if (!g_ini || g_ini->fileName() != ProgramFolder::configFile())
        g_ini = std::make_unique<IniFile>(ProgramFolder::configFile());
    return *g_ini;
}

void reopen() { g_ini.reset(); }

QString databaseFolder() { return ini().ReadString(kConfig, QStringLiteral("ds")); }
void setDatabaseFolder(const QString &folder) { ini().WriteString(kConfig, QStringLiteral("ds"), folder); }
int autoBackupMode() { return ini().ReadInteger(kConfig, QStringLiteral("ibak"), 0); }
void setAutoBackupMode(int mode) { ini().WriteInteger(kConfig, QStringLiteral("ibak"), mode); }
QString lastOperator() { return ini().ReadString(kConfigUser, QStringLiteral("CurOperName")); }
void setLastOperator(const QString &name) { ini().WriteString(kConfigUser, QStringLiteral("CurOperName"), name); }
QString imeName() { return ini().ReadString(kConfigUser, QStringLiteral("CurImeName")); }
void setImeName(const QString &name) { ini().WriteString(kConfigUser, QStringLiteral("CurImeName"), name); }
QString defaultCourier() { return ini().ReadString(kConfigUser, QStringLiteral("curKDName")); }
void setDefaultCourier(const QString &name) { ini().WriteString(kConfigUser, QStringLiteral("curKDName"), name); }
bool autoCode() { return ini().ReadBool(kSys, QStringLiteral("bZDcode"), false); }
void setAutoCode(bool on) { ini().WriteBool(kSys, QStringLiteral("bZDcode"), on); }

ServerSettings server()
{
    IniFile &f = ini();
    ServerSettings s;
    s.driver = f.ReadString(kDatabase, QStringLiteral("driver"), QStringLiteral("QSQLITE"));
    s.host = f.ReadString(kDatabase, QStringLiteral("host"), QStringLiteral("localhost"));
    s.port = f.ReadInteger(kDatabase, QStringLiteral("port"), 5432);
    s.database = f.ReadString(kDatabase, QStringLiteral("name"), QStringLiteral("marlo"));
    s.user = f.ReadString(kDatabase, QStringLiteral("user"));
    s.password = f.ReadString(kDatabase, QStringLiteral("password"));
    return s;
}

void setServer(const ServerSettings &s)
{
    IniFile &f = ini();
    if (!s.password.isEmpty())
        f.restrictToOwner();  // before the password reaches the file
    f.WriteString(kDatabase, QStringLiteral("driver"), s.driver);
    f.WriteString(kDatabase, QStringLiteral("host"), s.host);
    f.WriteInteger(kDatabase, QStringLiteral("port"), s.port);
    f.WriteString(kDatabase, QStringLiteral("name"), s.database);
    f.WriteString(kDatabase, QStringLiteral("user"), s.user);
    f.WriteString(kDatabase, QStringLiteral("password"), s.password);
}

} // namespace Settings
