#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

    static QString readAll(const QString &file)
    {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

    static void writeAll(const QString &file, const QByteArray &text)
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    }

private Q_SLOTS:
    void missingFileReadsDefaultsAndFirstWriteCreatesIt()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Config.ini"));
        IniFile ini(name);
        QCOMPARE(ini.ReadString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(ini.ReadInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0), 0);
        QVERIFY(!QFile::exists(name));
        QVERIFY(ini.WriteString(QStringLiteral("Config"), QStringLiteral("CurOperName"), QStringLiteral("张三")));
        QVERIFY(QFile::exists(name));
        QCOMPARE(IniFile(name).ReadString(QStringLiteral("config"), QStringLiteral("curopername")), QStringLiteral("张三"));
    }

    void sectionsAndKeysIgnoreCase()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Config.ini")));
        ini.WriteString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral("/a/"));
        ini.WriteString(QStringLiteral("Config"), QStringLiteral("CurOperName"), QStringLiteral("admin"));
        ini.WriteString(QStringLiteral("CONFIG"), QStringLiteral("DS"), QStringLiteral("/b/"));
        const QString text = readAll(ini.fileName());
        QCOMPARE(text.count(QStringLiteral("[")), 1);  // one section, whatever its spelling
        QCOMPARE(ini.ReadString(QStringLiteral("Config"), QStringLiteral("ds")), QStringLiteral("/b/"));
        QCOMPARE(ini.ReadSection(QStringLiteral("config")).size(), 2);
    }

    void booleansAreOneAndZero()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Config.ini")));
        ini.WriteBool(QStringLiteral("sys"), QStringLiteral("bZDcode"), true);
        QVERIFY(readAll(ini.fileName()).contains(QStringLiteral("bZDcode=1")));
        QVERIFY(ini.ReadBool(QStringLiteral("sys"), QStringLiteral("bzdcode")));
        ini.WriteBool(QStringLiteral("sys"), QStringLiteral("bZDcode"), false);
        QVERIFY(readAll(ini.fileName()).contains(QStringLiteral("bZDcode=0")));
        QVERIFY(!ini.ReadBool(QStringLiteral("sys"), QStringLiteral("bZDcode"), true));
    }

    void otherLinesAndCommentsSurviveAWrite()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Config.ini"));
        writeAll(name, "; kept comment\n[other]\nkeep=yes\n\n[config]\nds=/old/\n# another\nibak=2\n");
        IniFile ini(name);
        ini.WriteString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral("/new/"));
        ini.WriteString(QStringLiteral("config"), QStringLiteral("added"), QStringLiteral("1"));
        const QString text = readAll(name);
        QVERIFY(text.startsWith(QStringLiteral("; kept comment\n[other]\nkeep=yes\n")));
        QVERIFY(text.contains(QStringLiteral("ds=/new/\n# another\nibak=2\nadded=1\n")));
        QCOMPARE(ini.ReadInteger(QStringLiteral("config"), QStringLiteral("ibak")), 2);
    }

    void readsSeeAnotherWritersLatestWrite()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Config.ini"));
        IniFile a(name);
        IniFile b(name);
        a.WriteString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral("/one/"));
        QCOMPARE(b.ReadString(QStringLiteral("config"), QStringLiteral("ds")), QStringLiteral("/one/"));
        b.WriteString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral("/two-longer/"));
        QCOMPARE(a.ReadString(QStringLiteral("config"), QStringLiteral("ds")), QStringLiteral("/two-longer/"));
    }

    void gbkFileIsRead()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Config.ini"));
        writeAll(name, QByteArray("[Config]\r\nCurOperName=") + QByteArray::fromHex("d5c5c8fd") + "\r\n");  // 张三 in GBK
        QCOMPARE(IniFile(name).ReadString(QStringLiteral("config"), QStringLiteral("CurOperName")), QStringLiteral("张三"));
    }

    void everyKeyHasItsDefault()
    {
        TestSupport::TempHome home;
        QCOMPARE(Settings::databaseFolder(), QString());
        QCOMPARE(Settings::autoBackupMode(), 0);
        QCOMPARE(Settings::lastOperator(), QString());
        QCOMPARE(Settings::imeName(), QString());
        QCOMPARE(Settings::defaultCourier(), QString());
        QCOMPARE(Settings::autoCode(), false);
        QVERIFY(!Settings::server().isServer());
        QVERIFY(!QFile::exists(ProgramFolder::configFile()));
    }

    void storedServerPasswordMakesTheFileOwnerOnly()
    {
        TestSupport::TempHome home;
        Settings::setAutoCode(true);
        ServerSettings s;
        s.driver = QStringLiteral("QPSQL");
        s.host = QStringLiteral("db.local");
        s.user = QStringLiteral("marlo");
        s.password = QStringLiteral("secret");
        Settings::setServer(s);
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QVERIFY(!(QFile::permissions(ProgramFolder::configFile()) & others));
        QVERIFY(QFile::permissions(ProgramFolder::configFile()) & QFileDevice::ReadOwner);
        Settings::setLastOperator(QStringLiteral("admin"));  // later writes keep it restricted
        QVERIFY(!(QFile::permissions(ProgramFolder::configFile()) & QFileDevice::ReadOther));
        QCOMPARE(Settings::server().password, QStringLiteral("secret"));
        QVERIFY(Settings::server().isServer());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
