#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

    struct Result
    {
        int code;
        QString out;
        QString err;
    };

    static Result cli(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral(MARLO_CLI), args);
        p.waitForFinished(120000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

private Q_SLOTS:
    void initThenCheck()
    {
        QTemporaryDir home;
        const Result init = cli({QStringLiteral("--home"), home.path(), QStringLiteral("init")});
        QCOMPARE(init.code, 0);
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/mlHalvo.db"))));
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("readme.txt"))));
        QCOMPARE(cli({QStringLiteral("--home"), home.path(), QStringLiteral("init")}).code, 0);  // an existing folder is fine

        const Result check = cli({QStringLiteral("--home"), home.path(), QStringLiteral("check")});
        QCOMPARE(check.code, 0);
        QVERIFY(check.out.contains(QStringLiteral("ok")));
        QVERIFY(QRegularExpression(QStringLiteral("t_client\\s+0")).match(check.out).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("OperList\\s+1")).match(check.out).hasMatch());
    }

    void errorsGoToStandardErrorWithAFailingCode()
    {
        QTemporaryDir home;
        const Result check = cli({QStringLiteral("--home"), home.path(), QStringLiteral("check")});
        QVERIFY(check.code != 0);
        QVERIFY(check.err.contains(QStringLiteral("cannot open the database")));
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("data/mlHalvo.db"))));  // check never creates one

        const Result unknown = cli({QStringLiteral("--home"), home.path(), QStringLiteral("nonsense")});
        QVERIFY(unknown.code != 0);
        QVERIFY(unknown.err.contains(QStringLiteral("unknown command")));

        QFile bad(home.filePath(QStringLiteral("data/mlHalvo.db")));
        QDir().mkpath(home.filePath(QStringLiteral("data")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("garbage garbage garbage");
        bad.close();
        QVERIFY(cli({QStringLiteral("--home"), home.path(), QStringLiteral("check")}).code != 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
