#include "support/PdfText.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    void demoThenDispatchToPdf()
    {
        QTemporaryDir home;
        QCOMPARE(cli({QStringLiteral("--home"), home.path(), QStringLiteral("demo"), QStringLiteral("--records"), QStringLiteral("5")}).code, 0);
        QStringList codes, people;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli"));
            d.setDatabaseName(home.filePath(QStringLiteral("data/mlHalvo.db")));
            QVERIFY(d.open());
            QSqlQuery q(QStringLiteral("select F_code, F_LXRemp from t_client order by F_ID limit 3"), d);
            while (q.next()) {
                codes << q.value(0).toString();
                people << q.value(1).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("cli"));
        const QString pdf = home.filePath(QStringLiteral("w.pdf"));
        const Result r = cli({QStringLiteral("--home"), home.path(), QStringLiteral("dispatch"), QStringLiteral("--courier"),
                              QStringLiteral("顺丰快递"), QStringLiteral("--codes"), codes.join(QLatin1Char(',')), QStringLiteral("--goods"),
                              QStringLiteral("合同"), QStringLiteral("--freight"), QStringLiteral("12"), QStringLiteral("--waybill"),
                              QStringLiteral("SF123"), QStringLiteral("--date"), QStringLiteral("2013-03-05"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("3 waybills")));
        const QString pages = TestSupport::pdfText(pdf);
        QVERIFY(!pages.isEmpty());  // pdftotext read the file
        for (const QString &p : people)
            QVERIFY2(pages.contains(p), qPrintable(p));
        QCOMPARE(pages.count(QStringLiteral("SF123")), 3);
        QVERIFY(pages.contains(QStringLiteral("上海马罗贸易有限公司")));

        const Result unknown = cli({QStringLiteral("--home"), home.path(), QStringLiteral("dispatch"), QStringLiteral("--courier"),
                                    QStringLiteral("顺丰快递"), QStringLiteral("--codes"), QStringLiteral("NOPE"), QStringLiteral("--pdf"), pdf});
        QVERIFY(unknown.code != 0);
        QVERIFY(unknown.err.contains(QStringLiteral("NOPE")));
    }

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
