#include "core/Backup.h"
#include "core/Dates.h"
#include "core/Password.h"
#include "core/PubUnit.h"
#include "core/RecordCode.h"
#include "core/SqlStatement.h"

#include <QtTest>

class TestCoreValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextRecordCode_data()
    {
        QTest::addColumn<QString>("highest");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first of the month") << QString() << 4 << QStringLiteral("Y2013010001");
        QTest::newRow("after 0041") << QStringLiteral("Y2013010041") << 4 << QStringLiteral("Y2013010042");
        QTest::newRow("three digits wrap") << QStringLiteral("Y201301999") << 3 << QStringLiteral("Y201301000");
        QTest::newRow("head kept as stored") << QStringLiteral("X2012120009") << 4 << QStringLiteral("X2012120010");
        QTest::newRow("carry") << QStringLiteral("Y2013010099") << 4 << QStringLiteral("Y2013010100");
    }

    void nextRecordCode()
    {
        QFETCH(QString, highest);
        QFETCH(int, width);
        QFETCH(QString, expected);
        bool ok = false;
        QCOMPARE(RecordCode::next(highest, QStringLiteral("Y"), width, QDate(2013, 1, 15), &ok), expected);
        QVERIFY(ok);
    }

    void nextRecordCodeRefusesALetterCounter()
    {
        bool ok = true;
        RecordCode::next(QStringLiteral("Y20130100AB"), QStringLiteral("Y"), 4, QDate(2013, 1, 1), &ok);
        QVERIFY(!ok);
    }

    void passwords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("empty password, empty typed") << QString() << QString() << true;
        QTest::newRow("empty password, blank typed") << QString() << QStringLiteral(" ") << false;
        QTest::newRow("exact") << QStringLiteral("Abc'1") << QStringLiteral("Abc'1") << true;
        QTest::newRow("case matters") << QStringLiteral("Abc") << QStringLiteral("abc") << false;
        QTest::newRow("blanks matter") << QStringLiteral("abc") << QStringLiteral("abc ") << false;
        QTest::newRow("chinese") << QStringLiteral("密码") << QStringLiteral("密码") << true;
    }

    void passwords()
    {
        QFETCH(QString, password);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        const QString stored = Password::SavePass(password);
        QVERIFY(stored.size() <= 255);
        QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!stored.contains(password.isEmpty() ? QStringLiteral("\x01") : password));
        QCOMPARE(Password::CheckPass(stored, typed), matches);
    }

    void brokenStoredPasswordMatchesNothing()
    {
        QVERIFY(!Password::CheckPass(QString(), QString()));
        QVERIFY(!Password::CheckPass(QStringLiteral("plain"), QStringLiteral("plain")));
    }

    void dateDisplay_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty date text") << QVariant(QStringLiteral("1900-08-14")) << QString();
        QTest::newRow("empty date") << QVariant(QDate(1900, 8, 14)) << QString();
        QTest::newRow("limit itself shows") << QVariant(QStringLiteral("1901-08-14")) << QStringLiteral("1901-08-14");
        QTest::newRow("date with time") << QVariant(QDateTime(QDate(2013, 3, 5), QTime(9, 30)))
                                        << QStringLiteral("2013-03-05 09:30:00");
        QTest::newRow("midnight drops the time") << QVariant(QStringLiteral("2013-03-05T00:00:00"))
                                                 << QStringLiteral("2013-03-05");
        QTest::newRow("null") << QVariant() << QString();
    }

    void dateDisplay()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, shown);
        QCOMPARE(Dates::display(value), shown);
    }

    void autoBackupDays_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("due");
        const QDate monday(2026, 12, 7), tuesday(2026, 12, 8), first(2026, 12, 1);
        QTest::newRow("never") << 0 << monday << false;
        QTest::newRow("every start") << 1 << tuesday << true;
        QTest::newRow("monday") << 2 << monday << true;
        QTest::newRow("not monday") << 2 << tuesday << false;
        QTest::newRow("first of month") << 3 << first << true;
        QTest::newRow("not first") << 3 << monday << false;
        QTest::newRow("unknown") << 7 << first << false;
    }

    void autoBackupDays()
    {
        QFETCH(int, mode);
        QFETCH(QDate, day);
        QFETCH(bool, due);
        QCOMPARE(Backup::dueToday(mode, day), due);
    }

    void backupFileName()
    {
        QCOMPARE(Backup::dailyFileName(QStringLiteral("/srv/bak"), QDate(2013, 3, 5)), QStringLiteral("/srv/bak/dp20130305.back"));
        QCOMPARE(Backup::dailyFileName(QStringLiteral("/srv/bak/"), QDate(2013, 3, 5)), QStringLiteral("/srv/bak/dp20130305.back"));
    }

    void salesmanList()
    {
        QCOMPARE(PubUnit::salesmanNames(QStringLiteral("'张三','李四'")), QStringList({QStringLiteral("张三"), QStringLiteral("李四")}));
        QVERIFY(PubUnit::salesmanNames(QString()).isEmpty());
    }

    void recordScope_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("salesmen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariantList>("values");
        QTest::newRow("all") << 0 << QStringLiteral("'a'") << QString() << QVariantList();
        QTest::newRow("own") << 1 << QString() << QStringLiteral("F_empName = ?") << QVariantList{QStringLiteral("王五")};
        QTest::newRow("listed") << 2 << QStringLiteral("'张三','O''Neil'") << QStringLiteral("F_empName in (?,?)")
                                << QVariantList{QStringLiteral("张三"), QStringLiteral("O''Neil")};
        QTest::newRow("empty list sees nothing") << 2 << QString() << QStringLiteral("1 = 0") << QVariantList();
    }

    void recordScope()
    {
        QFETCH(int, scope);
        QFETCH(QString, salesmen);
        QFETCH(QString, text);
        QFETCH(QVariantList, values);
        PubUnit::resetGlobals();
        PubUnit::globals().CurrentOperator = QStringLiteral("王五");
        PubUnit::globals().OperatorScope = scope;
        PubUnit::globals().OperatorSalesmen = salesmen;
        const SqlStatement c = RecordScopeCondition();
        QCOMPARE(c.text, text);
        QCOMPARE(c.values, values);
    }

    void globalsStartEmpty()
    {
        PubUnit::resetGlobals();
        QCOMPARE(PubUnit::globals().KeyValues.size(), PubUnit::KeyValueSlots);
        QCOMPARE(PubUnit::keyValue(16), QString());
        QCOMPARE(PubUnit::globals().OperatorScope, 0);
        QCOMPARE(PubUnit::ProductName + PubUnit::ProductVersion, QStringLiteral("Marlo快递单打印软件 v1.80(企业版) "));
    }
};

QTEST_GUILESS_MAIN(TestCoreValues)
#include "test_core_values.moc"
