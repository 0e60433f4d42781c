#pragma once

#include "core/DataModule.h"
#include "core/DemoData.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/Startup.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

// Makes `home` the program folder and opens its database, filling it with
// `records` demo records when the file is new (a later run reuses it).
inline bool openDemoFolder(const QString &home, int records)
{
    ProgramFolder::setPath(home);
    Settings::reopen();
    const QString file = ProgramFolder::dataFolder() + QStringLiteral("mlHalvo.db");
    const bool fresh = !QFileInfo::exists(file);
    if (!dmData().openFile(file, true))
        return false;
    Startup::InstallShippedFiles();
    if (!fresh)
        return true;
    std::printf("making %d demo records in %s ...\n", records, qPrintable(home));
    QElapsedTimer t;
    t.start();
    if (!DemoData::fill(dmData(), records))
        return false;
    std::printf("demo data: %.1f s\n", t.elapsed() / 1000.0);
    return true;
}
