#include "settings/TDLGaddText.h"
#include "settings/TDLGeditCurList.h"
#include "settings/TDlgSelectPath.h"
#include "settings/FolderList.h"

#include "DialogDriver.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addTextRefusesBlankKeepsBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("returned");
        QTest::newRow("blanks only") << QStringLiteral("   ") << true << false;
        QTest::newRow("empty") << QString() << true << false;
        QTest::newRow("surrounding blanks kept") << QStringLiteral("  张 三  ") << false << true;
        QTest::newRow("quote") << QStringLiteral("O'Brien") << false << true;
    }

    void addTextRefusesBlankKeepsBlanks()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(bool, returned);
        MessageRecorder messages;
        bool stayedOpen = false;
        whenShown<TDLGaddText>([&](TDLGaddText *d) {
            d->edtName->setText(typed);
            d->BitBtn1->click();
            stayedOpen = d->isVisible();
            if (stayedOpen) {
                QCOMPARE(d->focusWidget(), d->edtName);
                d->BitBtn2->click();
            }
        });
        const std::optional<QString> got = AskText();
        QCOMPARE(stayedOpen, refused);
        QCOMPARE(messages.saw(QStringLiteral("名称不能为空！")), refused);
        QCOMPARE(got.has_value(), returned);
        if (returned)
            QCOMPARE(*got, typed);
    }

    void addTextCancelAndEsc()
    {
        whenShown<TDLGaddText>([](TDLGaddText *d) {
            d->edtName->setText(QStringLiteral("甲"));
            QTest::keyClick(d->edtName, Qt::Key_Escape);
        });
        QVERIFY(!AskText().has_value());
    }

    void askValueEmptyMeansNoChange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cancel") << QStringLiteral("x") << false << QString();
        QTest::newRow("ok empty") << QString() << true << QString();
        QTest::newRow("ok value") << QStringLiteral(" 北京 ") << true << QStringLiteral(" 北京 ");
    }

    void askValueEmptyMeansNoChange()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        whenShown<TDLGeditCurList>([&](TDLGeditCurList *d) {
            d->edtCurValue->setText(typed);
            (ok ? d->Button1 : d->Button2)->click();
        });
        QCOMPARE(AskValue(QStringLiteral("F_city")), expected);
    }

    void folderDialog_data()
    {
        QTest::addColumn<bool>("startExists");
        QTest::addColumn<QString>("open");  // sub-folder opened before the answer
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");  // relative to the temporary folder; "=" the start
        QTest::newRow("cancel keeps start") << true << QStringLiteral("甲") << false << QStringLiteral("=");
        QTest::newRow("ok on start") << true << QString() << true << QStringLiteral(".");
        QTest::newRow("ok on sub-folder") << true << QStringLiteral("甲") << true << QStringLiteral("甲");
        QTest::newRow("missing start, cancel") << false << QString() << false << QStringLiteral("=");
    }

    void folderDialog()
    {
        QFETCH(bool, startExists);
        QFETCH(QString, open);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("甲/内")));
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("乙")));
        const QString start = startExists ? tmp.path() : tmp.path() + QStringLiteral("/没有");
        whenShown<TDlgSelectPath>([&](TDlgSelectPath *d) {
            if (startExists) {
                QCOMPARE(d->Label3->text(), QDir::toNativeSeparators(tmp.path()));
                QCOMPARE(d->DirectoryListBox1->directory(), QDir(tmp.path()).absolutePath());
                const QList<QListWidgetItem *> subs = d->DirectoryListBox1->findItems(QStringLiteral("乙"), Qt::MatchEndsWith);
                QCOMPARE(subs.size(), 1);
            }
            if (!open.isEmpty()) {
                const QList<QListWidgetItem *> items = d->DirectoryListBox1->findItems(open, Qt::MatchEndsWith);
                QCOMPARE(items.size(), 1);
                d->DirectoryListBox1->setCurrentItem(items.first());
                QTest::keyClick(d->DirectoryListBox1, Qt::Key_Return);
                QCOMPARE(d->Label3->text(), QDir::toNativeSeparators(tmp.path() + QLatin1Char('/') + open));
            }
            (ok ? d->BitBtn1 : d->BitBtn2)->click();
        });
        const QString got = ChooseFolder(start);
        if (expected == QLatin1String("="))
            QCOMPARE(got, start);
        else
            QCOMPARE(got, QDir::cleanPath(tmp.path() + QLatin1Char('/') + expected));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        whenShown<TDLGaddText>([&](TDLGaddText *d) {
            d->grab().save(dir + QStringLiteral("/addtext.png"));
            d->BitBtn2->click();
        });
        AskText();
        whenShown<TDLGeditCurList>([&](TDLGeditCurList *d) {
            d->grab().save(dir + QStringLiteral("/editvalue.png"));
            d->Button2->click();
        });
        AskValue(QString());
        whenShown<TDlgSelectPath>([&](TDlgSelectPath *d) {
            d->grab().save(dir + QStringLiteral("/folder.png"));
            d->BitBtn2->click();
        });
        ChooseFolder(QDir::homePath());
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
