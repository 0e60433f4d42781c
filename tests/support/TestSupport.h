#pragma once

#include "core/Settings.h"
#include "core/SqlDialect.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

// The backend a test runs on: MARLO_TEST_BACKEND=postgres or sqlite (default).
Backend backend();
QString backendName();

// The PostgreSQL server scripts/test started (MARLO_PG_HOST, MARLO_PG_PORT, MARLO_PG_USER).
ServerSettings serverFor(const QString &database);

// A temporary program folder, made current for its lifetime.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Opens a new database of the test's backend, with every table and seed row,
// on dmData(). SQLite: data/mlHalvo.db in the current program folder; PostgreSQL:
// a new database on the test server, dropped when the test program ends.
bool openFreshDatabase(QString *error = nullptr);

// Creates an empty database on the test server and returns its name (empty on
// failure); it is dropped when the test program ends.
QString createServerDatabase(QString *error = nullptr);

// Records every ShowMess call; questions are answered from `answers` in order
// (yes once they run out).
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();

    QList<QPair<QString, int>> shown;
    QList<int> answers;

    QStringList texts() const;
    bool saw(const QString &text) const { return texts().contains(text); }
    void clear() { shown.clear(); }
};

} // namespace TestSupport
