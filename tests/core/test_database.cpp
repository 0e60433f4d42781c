#include "core/Backup.h"
#include "core/DataModule.h"
#include "core/Maintenance.h"
#include "core/Messages.h"
#include "core/Password.h"
#include "core/ProgramFolder.h"
#include "core/PubUnit.h"
#include "core/Rights.h"
#include "core/Schema.h"
#include "core/Seed.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestDatabase : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;
    TdmData &data = dmData();

    int count(const QString &sql, const QVariantList &values = {}) { return data.QueryInt(sql, values); }

    static int rowsInFile(const QString &file, const QString &table)
    {
        int n = -1;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            d.setDatabaseName(file);
            if (d.open()) {
                QSqlQuery q(d);
                if (Schema::isProgramDatabase(d) && q.exec(QStringLiteral("select count(*) from ") + table) && q.next())
                    n = q.value(0).toInt();
            }
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return n;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
        QCOMPARE(data.backend(), TestSupport::backend());
    }

    void cleanup() { m_home.reset(); }

    void everyTableAndColumnExists()
    {
        for (const TableDef &t : Schema::tables()) {
            QStringList names;
            for (const ColumnDef &c : t.columns)
                names << c.name;
            QSqlQuery q(data.db());
            QVERIFY2(data.run(q, QStringLiteral("select %1 from %2 where 1 = 0").arg(names.join(QLatin1Char(',')), t.name)),
                     qPrintable(t.name));
        }
        QCOMPARE(Schema::storedVersion(data.db()), Schema::Version);
    }

    void textWidthsAreThoseOfTheRecordLayout()
    {
        const TableDef *client = Schema::table(QStringLiteral("T_CLIENT"));
        QVERIFY(client);
        QCOMPARE(client->column(QStringLiteral("f_code"))->width, 50);
        QCOMPARE(client->column(QStringLiteral("F_city"))->width, 255);
        QCOMPARE(client->columns.size(), std::size_t(39));
        QCOMPARE(Schema::table(QStringLiteral("tempclt"))->columns.size(), std::size_t(37));
    }

    void seedRows()
    {
        QCOMPARE(count(QStringLiteral("select count(*) from sysInfo")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from OperList")), 1);
        QVERIFY(Password::CheckPass(data.QueryText(QStringLiteral("select F_PassWord from OperList where F_Name = 'admin'")), QString()));
        QCOMPARE(count(QStringLiteral("select count(*) from Limits where F_flag = true")), 31);
        for (const RightDef &r : kRights)
            QCOMPARE(data.QueryText(QStringLiteral("select F_name from Limits where F_code = ?"), {QString::fromLatin1(r.code)}),
                     QString::fromUtf8(r.caption));
        QSqlQuery q(data.db());
        QVERIFY(data.run(q, QStringLiteral("select F_Value from KeyValue order by F_ID")));
        QStringList values;
        while (q.next())
            values << q.value(0).toString();
        QCOMPARE(values.size(), 15);
        QCOMPARE(values.first(), QStringLiteral("字符项一"));
        QCOMPARE(values.at(10), QStringLiteral("日期项三"));
        QCOMPARE(values.mid(11, 3), QStringList({QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")}));
        QCOMPARE(values.last(), QString());
        for (const Seed::GridLayout &layout : Seed::gridLayouts())
            QCOMPARE(count(QStringLiteral("select count(*) from cfg_Grid where F_name = ? and F_FieldName <> ''"), {layout.name}),
                     int(layout.columns.size()));
        QCOMPARE(count(QStringLiteral("select count(*) from cfg_Grid where F_name = 'WBXmain' and F_FooterType = 2")), 5);
        QCOMPARE(count(QStringLiteral("select count(*) from cfg_import where F_tablename = 'T_client' and F_iFlag = 1")), 25);
        QCOMPARE(data.QueryText(QStringLiteral("select F_field from cfg_import where S_Field = 'F_SJphone'")), QStringLiteral("联系手机"));
        QCOMPARE(count(QStringLiteral("select count(*) from t_KDimage where F_useFlag = false")), 6);
        QCOMPARE(data.QueryText(QStringLiteral("select F_name from t_KDimage order by F_ID")), QStringLiteral("邮政EMS"));
    }

    void namesInAnyLetterCase()
    {
        MessageRecorder messages;
        QCOMPARE(count(QStringLiteral("select count(*) from T_CLIENT")), 0);
        QCOMPARE(count(QStringLiteral("select count(*) from SYSINFO")), 1);
        QVERIFY(data.ExecSql(QStringLiteral("insert into tempClt (F_code, F_useflag) values (?, ?)"), {QStringLiteral("a"), true}));
        QCOMPARE(count(QStringLiteral("select count(*) from TEMPCLT where F_USEFLAG = true")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from t_kdimage where f_name = ?"), {QStringLiteral("顺丰快递")}), 1);
        QVERIFY(messages.shown.isEmpty());
    }

    void uniqueNamesIgnoreCase_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("operator") << QStringLiteral("insert into OperList (F_Name, F_PassWord) values ('ADMIN', '')");
        QTest::newRow("courier") << QStringLiteral("insert into t_KDimage (F_name) values ('邮政ems')");
    }

    void uniqueNamesIgnoreCase()
    {
        QFETCH(QString, sql);
        MessageRecorder messages;
        QVERIFY(!data.ExecSql(sql));
        QCOMPARE(messages.texts(), QStringList{Msg::OperationFailed});
        QCOMPARE(messages.shown.first().second, int(MessError));
    }

    void awkwardCharactersAreOrdinaryValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quote") << QStringLiteral("O'Brien's");
        QTest::newRow("percent") << QStringLiteral("100% 纯棉");
        QTest::newRow("backslash") << QStringLiteral("C:\\data\\");
        QTest::newRow("underscore and quote") << QStringLiteral("a_b' or '1'='1");
    }

    void awkwardCharactersAreOrdinaryValues()
    {
        QFETCH(QString, value);
        MessageRecorder messages;
        QVERIFY(data.ExecSql(QStringLiteral("insert into t_code (F_name, F_type) values (?, 'empname')"), {value}));
        QVERIFY(data.ExecSql(QStringLiteral("insert into t_code (F_name, F_type) values ('plain', 'empname')")));
        QCOMPARE(data.QueryText(QStringLiteral("select F_name from t_code where F_name = ?"), {value}), value);
        QCOMPARE(count(QStringLiteral("select count(*) from t_code where ") + data.dialect().like(QStringLiteral("F_name")),
                       {QLatin1Char('%') + value + QLatin1Char('%')}),
                 1);
        QVERIFY(messages.shown.isEmpty());
    }

    void queryValues()
    {
        MessageRecorder messages;
        QCOMPARE(count(QStringLiteral("select F_ID from OperList where F_Name = ?"), {QStringLiteral("nobody")}), 0);
        QCOMPARE(count(QStringLiteral("select F_mainID from t_KDimage left join sysInfo on 1 = 0")), 0);  // null
        QCOMPARE(data.QueryText(QStringLiteral("select F_name from t_code")), QString());
        QVERIFY(count(QStringLiteral("select F_ID from OperList where ") + data.dialect().equalsIgnoreCase(QStringLiteral("F_Name")),
                      {QStringLiteral("ADMIN")}) > 0);
        QVERIFY(messages.shown.isEmpty());
    }

    void failuresShowTheirMessageAndLogTheDriverText()
    {
        MessageRecorder messages;
        QCOMPARE(count(QStringLiteral("select nothing from nowhere")), 0);
        QCOMPARE(data.QueryText(QStringLiteral("select nothing from nowhere")), QString());
        QVERIFY(!data.ExecSql(QStringLiteral("update nowhere set x = 1")));
        QSqlQuery q(data.db());
        QVERIFY(!data.OpenQuery(q, QStringLiteral("select * from nowhere")));
        QVERIFY(!q.isActive());
        QCOMPARE(messages.texts(), QStringList({Msg::OperationFailed, Msg::OperationFailed, Msg::OperationFailed, Msg::OpenFailed}));
        QDir logs(ProgramFolder::logFolder());
        QCOMPARE(logs.entryList(QDir::Files).size(), 1);
        QFile log(logs.filePath(logs.entryList(QDir::Files).first()));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("nowhere"));
    }

    void fillItemsSkipsBlanksAndStartsEmpty()
    {
        MessageRecorder messages;
        QCOMPARE(data.FillItems(QStringLiteral("select F_name from t_code")), QStringList{QString()});
        for (const QString &v : {QStringLiteral(" 张三 "), QStringLiteral("   "), QString(), QStringLiteral("李四")})
            data.ExecSql(QStringLiteral("insert into t_code (F_name, F_type) values (?, 'empname')"), {v});
        QCOMPARE(data.FillItems(QStringLiteral("select F_name from t_code where F_type = ? order by F_ID"), {QStringLiteral("empname")}),
                 QStringList({QString(), QStringLiteral(" 张三 "), QStringLiteral("李四")}));
        QVERIFY(messages.shown.isEmpty());
    }

    void nextRecordCodeOnTheTable()
    {
        const QString month = QDate::currentDate().toString(QStringLiteral("yyyyMM"));
        const QString sql = QStringLiteral("select max(F_code) from t_client where F_code like ?");
        const QVariantList pattern{QStringLiteral("Y") + month + QLatin1Char('%')};
        QCOMPARE(data.NextRecordCode(sql, pattern, QStringLiteral("Y"), 4), QStringLiteral("Y") + month + QStringLiteral("0001"));
        data.ExecSql(QStringLiteral("insert into t_client (F_code) values (?)"), {QStringLiteral("Y") + month + QStringLiteral("0041")});
        data.ExecSql(QStringLiteral("insert into t_client (F_code) values (?)"), {QStringLiteral("Y") + month + QStringLiteral("0007")});
        QCOMPARE(data.NextRecordCode(sql, pattern, QStringLiteral("Y"), 4), QStringLiteral("Y") + month + QStringLiteral("0042"));
    }

    void rights()
    {
        PubUnit::globals().CurrentOperator = QStringLiteral("clerk");
        for (const RightDef &r : kRights)
            QVERIFY(!data.HasRight(QString::fromLatin1(r.code)));
        data.ExecSql(QStringLiteral("insert into OperLimit (F_OperName, F_lmtName) values (?, ?)"),
                     {QStringLiteral("clerk"), QStringLiteral("单件发货")});
        QVERIFY(data.HasRight(QStringLiteral("208")));
        QVERIFY(!data.HasRight(QStringLiteral("209")));
        PubUnit::globals().CurrentOperator = QStringLiteral("admin");
        QVERIFY(!data.HasRight(QStringLiteral("208")));  // admin's rights come from the login, not from rows
    }

    void writeLogNeverReports()
    {
        MessageRecorder messages;
        PubUnit::globals().CurrentOperator = QStringLiteral("admin");
        data.WriteLog(QStringLiteral("登录成功！"));
        QCOMPARE(count(QStringLiteral("select count(*) from LogRec where F_EmpName = 'admin' and F_OperType = ? and F_OperDate = ?"),
                       {QStringLiteral("登录成功！"), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))}),
                 1);
        data.ExecSql(QStringLiteral("drop table LogRec"));
        data.WriteLog(QStringLiteral("登录失败！"));
        QVERIFY(messages.shown.isEmpty());
    }

    void autoBackupAsksForAMissingFolder()
    {
        MessageRecorder messages;
        const QString folder = QDir(m_home->path()).filePath(QStringLiteral("bak/deeper"));
        data.ExecSql(QStringLiteral("update sysInfo set F_bakPath = ?"), {folder});
        messages.answers = {MessNo};
        data.AutoBackup();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！")});
        QVERIFY(!QDir(folder).exists());

        messages.clear();
        data.ExecSql(QStringLiteral("insert into t_client (F_code, F_name) values ('Y1', ?)"), {QStringLiteral("华为")});
        data.AutoBackup();  // yes: creates the folder with its parents
        const QString file = Backup::dailyFileName(folder, QDate::currentDate());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(rowsInFile(file, QStringLiteral("t_client")), 1);
        QCOMPARE(rowsInFile(file, QStringLiteral("cfg_Grid")), count(QStringLiteral("select count(*) from cfg_Grid")));

        data.ExecSql(QStringLiteral("insert into t_client (F_code) values ('Y2')"));
        messages.clear();
        data.AutoBackup();  // the day's file is kept as it is
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(rowsInFile(file, QStringLiteral("t_client")), 1);
        QVERIFY(!QFile::exists(file + QStringLiteral(".part")));
    }

    void autoBackupFolderThatCannotBeCreated()
    {
        MessageRecorder messages;
        const QString blocker = QDir(m_home->path()).filePath(QStringLiteral("afile"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString folder = blocker + QStringLiteral("/sub");
        data.ExecSql(QStringLiteral("update sysInfo set F_bakPath = ?"), {folder});
        data.AutoBackup();
        QCOMPARE(messages.texts().last(), QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"));
    }

    void backupCopyKeepsDatesAndFlags()
    {
        data.ExecSql(QStringLiteral("insert into t_client (F_code, F_date, F_useFlag, F_YF) values ('Y1', ?, ?, ?)"),
                     {QStringLiteral("2013-03-05"), true, 12.5});
        const QString file = QDir(m_home->path()).filePath(QStringLiteral("copy.back"));
        QString why;
        QVERIFY2(Backup::writeCopy(data, file, &why), qPrintable(why));
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
            d.setDatabaseName(file);
            QVERIFY(d.open());
            QSqlQuery q(d);
            QVERIFY(q.exec(QStringLiteral("select F_date, F_useFlag, F_YF from t_client where F_useFlag = true and F_date >= '2013-03-05'")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("2013-03-05"));
            QCOMPARE(q.value(2).toDouble(), 12.5);
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    }

    void compactTheConnectedDatabase() { QVERIFY(CompactDatabase(data)); }

    void olderDatabaseGetsTheNewIndexesAtOpening()
    {
        QVERIFY(data.ExecSql(QStringLiteral("drop index ix_client_date_flag")));
        QVERIFY(data.ExecSql(QStringLiteral("create index ix_client_date on t_client (F_date)")));
        QVERIFY(data.ExecSql(QStringLiteral("delete from schema_version")));
        QVERIFY(data.ExecSql(QStringLiteral("insert into schema_version (version) values (1)")));
        const QString file = data.databaseFile();
        const ServerSettings server = data.server();
        QVERIFY(data.backend() == Backend::SQLite ? data.openFile(file, false) : data.openServer(server));
        QCOMPARE(Schema::storedVersion(data.db()), Schema::Version);
        const QString indexes = data.backend() == Backend::SQLite
                                    ? QStringLiteral("select count(*) from sqlite_master where name = ?")
                                    : QStringLiteral("select count(*) from pg_indexes where indexname = ?");
        QCOMPARE(count(indexes, {QStringLiteral("ix_client_date_flag")}), 1);
        QCOMPARE(count(indexes, {QStringLiteral("ix_client_date")}), 0);
    }

    void closedConnectionIsReopenedOnNextUse()
    {
        data.db().close();
        QCOMPARE(count(QStringLiteral("select count(*) from sysInfo")), 1);
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
