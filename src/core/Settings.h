#pragma once

#include "core/IniFile.h"

#include <QString>

// Where the database lives when it is a server rather than the embedded file.
struct ServerSettings
{
    QString driver;  // "QSQLITE" (embedded file, the default) or "QPSQL"
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;

    bool isServer() const { return driver.compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) == 0; }
};

// Typed access to every key of Config.ini, with the defaults the program relies on.
// Section names are spelled as the program has always spelled them; the file
// compares them without regard to case.
namespace Settings {

IniFile &ini();            // the shared IniFile, opened on Config.ini in the program folder
void reopen();             // after the program folder changed (tests, command-line tool)

QString databaseFolder();  // [config] ds, empty = the data folder of the program folder
void setDatabaseFolder(const QString &folder);
int autoBackupMode();      // [config] ibak: 0 never, 1 every start, 2 Mondays, 3 first of month
void setAutoBackupMode(int mode);
QString lastOperator();    // [Config] CurOperName
void setLastOperator(const QString &name);
QString imeName();         // [Config] CurImeName
void setImeName(const QString &name);
QString defaultCourier();  // [Config] curKDName
void setDefaultCourier(const QString &name);
bool autoCode();           // [sys] bZDcode
void setAutoCode(bool on);

ServerSettings server();   // [database] driver, host, port, name, user, password
void setServer(const ServerSettings &s);

} // namespace Settings
