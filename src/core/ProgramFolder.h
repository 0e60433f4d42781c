#pragma once

#include <QString>

// The program folder holds Config.ini, data/, Qr/, images/, logs/ and exported
// files: the executable's folder when it is writable (a copied, portable install),
// otherwise the per-user data folder. Tests and the command-line tool point it
// elsewhere with setPath().
namespace ProgramFolder {

QString path();                       // absolute, without a trailing separator
void setPath(const QString &folder);  // overrides the detected folder; created when missing
QString file(const QString &relative);  // path() joined with a relative path
QString dataFolder();                 // path()/data/
QString reportFolder();               // path()/Qr
QString imageFolder();                // path()/images
QString logFolder();                  // path()/logs
QString configFile();                 // path()/Config.ini

} // namespace ProgramFolder
