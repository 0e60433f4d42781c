#pragma once

#include <QString>

#include <functional>

// The start-up connection: the database named by Config.ini, and when it cannot
// be opened the choose-database dialog in a loop until one opens or the user
// cancels.
namespace Startup {

struct SplashUi
{
    std::function<void(const QString &text)> status;  // sets and repaints the splash label
    std::function<void()> hide;                       // closes the splash before the dialog
    std::function<void()> show;                       // shows it again after a choice
};

// The embedded database file the settings point at: ds + "mlHalvo.db", or the
// program folder's data/mlHalvo.db when ds is empty.
QString databaseFile();

// Runs the connection with its loop; sets and returns dmData().ConnectOk.
bool ConnectDatabase(const SplashUi &ui = {});

// Asks for a database file and stores its folder as ds for the next start; the
// running program keeps its connection. False when cancelled.
bool ChooseDatabaseFolder();

// Copies the shipped report templates and help files into the program folder
// where they are missing.
void InstallShippedFiles();

} // namespace Startup
