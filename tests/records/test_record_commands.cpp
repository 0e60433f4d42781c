#include "core/DataModule.h"
#include "core/Messages.h"
#include "records/RecordCommands.h"
#include "records/TfrmCltEdit.h"

#include "DialogDriver.h"
#include "FakeRecordList.h"
#include "RecordFixture.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using TestSupport::MessageRecorder;
namespace F = RecordFixture;

class TestRecordCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
    }

    void cleanup() { m_home.reset(); }

    void emptyListGuards_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::newRow("copy") << QStringLiteral("copy") << QStringLiteral("学员档案记录是空，不能复制！") << int(MessInfo);
        QTest::newRow("modify") << QStringLiteral("modify") << QStringLiteral("此表为空，没有售后记录需要修改！") << int(MessError);
        QTest::newRow("delete") << QStringLiteral("delete") << QString() << 0;
    }

    void emptyListGuards()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        QFETCH(int, kind);
        MessageRecorder messages;
        FakeRecordList host;
        bool opened = false;
        whenShown<TfrmCltEdit>(
            [&](TfrmCltEdit *f) {
                opened = true;
                f->Button2->click();
            },
            300);
        if (command == QLatin1String("copy"))
            RecordCommands::copyRecord(host);
        else if (command == QLatin1String("modify"))
            RecordCommands::modifyRecord(host);
        else
            QVERIFY(!RecordCommands::deleteRecord(host));
        QTest::qWait(350);
        QVERIFY(!opened);
        if (message.isEmpty())
            QVERIFY(messages.shown.isEmpty());
        else
            QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{message, kind}}));
    }

    void commandsOpenTheEditor_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << QStringLiteral("new") << QStringLiteral("快递发件 - 新增") << QString();
        QTest::newRow("copy") << QStringLiteral("copy") << QStringLiteral("快递发件 - 新增") << QStringLiteral("乙");
        QTest::newRow("modify") << QStringLiteral("modify") << QStringLiteral("快递发件 - 修改") << QStringLiteral("乙");
    }

    void commandsOpenTheEditor()
    {
        QFETCH(QString, command);
        QFETCH(QString, title);
        QFETCH(QString, name);
        F::insert({{QStringLiteral("F_code"), QStringLiteral("C1")}, {QStringLiteral("F_name"), QStringLiteral("甲")}});
        const int b = F::insert({{QStringLiteral("F_code"), QStringLiteral("C2")}, {QStringLiteral("F_name"), QStringLiteral("乙")}});
        FakeRecordList host;
        host.setCurrent(b);
        QString seenTitle, seenName;
        whenShown<TfrmCltEdit>([&](TfrmCltEdit *f) {
            seenTitle = f->windowTitle();
            seenName = f->edtName->text();
            f->Button2->click();
        });
        if (command == QLatin1String("new"))
            RecordCommands::newRecord(host);
        else if (command == QLatin1String("copy"))
            RecordCommands::copyRecord(host);
        else
            RecordCommands::modifyRecord(host);
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenName, name);
        QCOMPARE(F::count(), 2);  // cancelled: nothing written
    }

    void deleteAsksOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("current");  // index in the list
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("landsOn");  // index of the original list, -1 when nothing changes
        QTest::newRow("no keeps the record") << int(MessNo) << 1 << 3 << -1;
        QTest::newRow("yes: the next one") << int(MessYes) << 1 << 2 << 2;
        QTest::newRow("yes on the last: the one before") << int(MessYes) << 2 << 2 << 1;
    }

    void deleteAsksOnce()
    {
        QFETCH(int, answer);
        QFETCH(int, current);
        QFETCH(int, left);
        QFETCH(int, landsOn);
        QList<int> ids;
        for (const char *n : {"甲", "O'Brien", "丙"})
            ids << F::insert({{QStringLiteral("F_code"), QStringLiteral("C%1").arg(ids.size())},
                              {QStringLiteral("F_name"), QString::fromUtf8(n)}});
        MessageRecorder messages;
        messages.answers = {answer};
        FakeRecordList host;
        host.cur = current;
        const QString name = F::text(ids.at(current), QStringLiteral("F_name"));
        QCOMPARE(RecordCommands::deleteRecord(host), answer == MessYes);
        QCOMPARE(messages.shown,
                 (QList<QPair<QString, int>>{{QStringLiteral("真的要删除当前公司名称为 “") + name +
                                                  QStringLiteral("” 的快递记录吗？删除后将不能再恢复！！！"),
                                              int(MessQuestion)}}));
        QCOMPARE(F::count(), left);
        if (landsOn < 0) {
            QCOMPARE(host.reopened, 0);
            QCOMPARE(host.currentRecordId(), ids.at(current));
        } else {
            QCOMPARE(host.currentRecordId(), ids.at(landsOn));
            QVERIFY(host.statuses.isEmpty());  // the count label keeps its number
        }
    }
};

QTEST_MAIN(TestRecordCommands)
#include "test_record_commands.moc"
