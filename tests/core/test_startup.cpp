#include "core/DataModule.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "core/UiHooks.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The start-up connection and its choose-database loop.
class TestStartup : public QObject
{
    Q_OBJECT

    QStringList m_dialogTitles;
    QList<std::optional<QString>> m_picks;  // answers of the file dialog, in order

    void answerDialogs(QList<std::optional<QString>> picks)
    {
        m_dialogTitles.clear();
        m_picks = std::move(picks);
        UiHooks::hooks().openFile = [this](const UiHooks::FileRequest &r) -> std::optional<QString> {
            m_dialogTitles << r.title;
            return m_picks.isEmpty() ? std::nullopt : m_picks.takeFirst();
        };
    }

    static bool sqlite() { return TestSupport::backend() == Backend::SQLite; }

private Q_SLOTS:
    void cleanup()
    {
        UiHooks::hooks().openFile = nullptr;
        dmData().close();
    }

    void firstStartCreatesTheDefaultDatabaseWithoutADialog()
    {
        TestSupport::TempHome home;
        answerDialogs({});
        if (!sqlite()) {
            const QString name = TestSupport::createServerDatabase();
            QVERIFY(!name.isEmpty());
            Settings::setServer(TestSupport::serverFor(name));  // an empty database gets the schema
        }
        QStringList splash;
        Startup::SplashUi ui;
        ui.status = [&](const QString &t) { splash << t; };
        QVERIFY(Startup::ConnectDatabase(ui));
        QVERIFY(dmData().ConnectOk);
        QVERIFY(m_dialogTitles.isEmpty());
        QCOMPARE(splash, QStringList({QStringLiteral("正在连接数据库 ....."), QStringLiteral("连接成功，正在登录 ...")}));
        if (sqlite())
            QVERIFY(QFile::exists(ProgramFolder::dataFolder() + QStringLiteral("mlHalvo.db")));
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from sysInfo")), 1);
    }

    void failedConnectionAsksAndStoresTheChosenFolder()
    {
        TestSupport::TempHome home;
        // A database of this program in another folder, reached by choosing any file there.
        QTemporaryDir other;
        QVERIFY(dmData().openFile(other.filePath(QStringLiteral("mlHalvo.db")), true));
        dmData().close();
        QTemporaryDir empty;
        Settings::setDatabaseFolder(empty.path() + QLatin1Char('/'));
        if (!sqlite()) {
            ServerSettings dead = TestSupport::serverFor(QStringLiteral("postgres"));
            dead.port = 1;  // nothing listens there
            Settings::setServer(dead);
        }
        const QString wrongName = other.filePath(QStringLiteral("anything.db"));
        answerDialogs({empty.filePath(QStringLiteral("x.db")), wrongName});
        int hidden = 0, shown = 0;
        Startup::SplashUi ui;
        ui.hide = [&] { ++hidden; };
        ui.show = [&] { ++shown; };
        QVERIFY(Startup::ConnectDatabase(ui));
        QCOMPARE(m_dialogTitles, QStringList({QStringLiteral("连接网络数据库"), QStringLiteral("连接网络数据库")}));
        QCOMPARE(hidden, 2);
        QCOMPARE(shown, 2);
        QCOMPARE(Settings::databaseFolder(), other.path() + QLatin1Char('/'));
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("mlHalvo.db"))));  // nothing created in a chosen folder
        QCOMPARE(dmData().databaseFile(), other.filePath(QStringLiteral("mlHalvo.db")));
        QVERIFY(!Settings::server().isServer());
    }

    void cancelEndsTheStart()
    {
        TestSupport::TempHome home;
        QTemporaryDir empty;
        Settings::setDatabaseFolder(empty.path() + QLatin1Char('/'));
        answerDialogs({std::nullopt});
        QVERIFY(!Startup::ConnectDatabase());
        QVERIFY(!dmData().ConnectOk);
        QCOMPARE(m_dialogTitles.size(), 1);
    }

    void aFileOfAnotherKindIsRefused()
    {
        TestSupport::TempHome home;
        QTemporaryDir folder;
        QFile f(folder.filePath(QStringLiteral("mlHalvo.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a database");
        f.close();
        Settings::setDatabaseFolder(folder.path() + QLatin1Char('/'));
        answerDialogs({std::nullopt});
        QVERIFY(!Startup::ConnectDatabase());
        QCOMPARE(m_dialogTitles.size(), 1);
    }

    void chooseFolderForTheNextStartKeepsTheConnection()
    {
        TestSupport::TempHome home;
        QVERIFY(TestSupport::openFreshDatabase());
        const QString before = dmData().describe();
        answerDialogs({QStringLiteral("/srv/share/marlo/mlHalvo.db")});
        QVERIFY(Startup::ChooseDatabaseFolder());
        QCOMPARE(Settings::databaseFolder(), QStringLiteral("/srv/share/marlo/"));
        QCOMPARE(dmData().describe(), before);
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from sysInfo")), 1);
    }

    void shippedFilesAreCopiedWhereMissing()
    {
        TestSupport::TempHome home;
        QDir().mkpath(ProgramFolder::path());
        QFile own(ProgramFolder::file(QStringLiteral("readme.txt")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("mine");
        own.close();
        Startup::InstallShippedFiles();
        QVERIFY(QFile::exists(ProgramFolder::file(QStringLiteral("help/index.html"))));
        QFile again(ProgramFolder::file(QStringLiteral("readme.txt")));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("mine"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
