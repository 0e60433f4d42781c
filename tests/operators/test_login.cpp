#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Password.h"
#include "core/PubUnit.h"
#include "core/Settings.h"
#include "main/TFrmMain.h"
#include "operators/TfrmOperLogin.h"

#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestLogin : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

    static void addOperator(const QString &name, const QString &password, int scope = 0, const QString &salesmen = {},
                            bool disabled = false)
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("insert into OperList (F_Name, F_PassWord, F_Mem, F_Flag, F_xtFlag, F_empFlag, "
                                                "F_empName) values (?, ?, '', ?, ?, ?, ?)"),
                                 {name, Password::SavePass(password), disabled, false, scope, salesmen}));
    }

    static void grant(const QString &op, const QString &right)
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("insert into OperLimit (F_OperName, F_lmtName) values (?, ?)"), {op, right}));
    }

    // Types a name and password into a form and presses OK.
    static void attempt(TfrmOperLogin &form, const QString &name, const QString &password)
    {
        form.cbbOperName->setEditText(name);
        form.edtPassWord->setText(password);
        form.btnOkClick();
    }

    static int logRows(const QString &what)
    {
        return dmData().QueryInt(QStringLiteral("select count(*) from LogRec where F_OperType = ?"), {what});
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
    }

    void cleanup() { m_home.reset(); }

    void formListsOperatorsAndPreselectsTheLastOne()
    {
        addOperator(QStringLiteral("张三"), QStringLiteral("1"));
        Settings::setLastOperator(QStringLiteral("张三"));
        TfrmOperLogin form(Login::StartUp);
        QCOMPARE(form.cbbOperName->count(), 3);
        QCOMPARE(form.cbbOperName->itemText(0), QString());
        QCOMPARE(form.cbbOperName->currentText(), QStringLiteral("张三"));
        QCOMPARE(form.size(), QSize(338, 223));
        QCOMPARE(form.windowTitle(), QStringLiteral("登录窗口"));
    }

    void adminInAnyCaseWithBlanks()
    {
        MessageRecorder messages;
        TfrmOperLogin form(Login::StartUp);
        attempt(form, QStringLiteral("  ADMIN "), QString());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(PubUnit::globals().CurrentOperator, QStringLiteral("ADMIN"));
        QCOMPARE(Settings::lastOperator(), QStringLiteral("ADMIN"));
        QCOMPARE(logRows(QStringLiteral("登录成功！")), 1);
        QCOMPARE(PubUnit::globals().KeyValues.at(0), QStringLiteral("字符项一"));
        QCOMPARE(PubUnit::globals().ReportOwnerName, QStringLiteral("本公司"));
    }

    void messagesBeforeThePassword_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << QStringLiteral("   ") << QStringLiteral("请选择用户！");
        QTest::newRow("unknown name") << QStringLiteral("nobody") << QStringLiteral("此操作员并不存在，请重新选择操作员！");
        QTest::newRow("quote in the name") << QStringLiteral("o'neil") << QStringLiteral("此操作员并不存在，请重新选择操作员！");
        QTest::newRow("disabled") << QStringLiteral("locked") << QStringLiteral("此操作员已被禁用，请与系统管理员联系！");
    }

    void messagesBeforeThePassword()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        addOperator(QStringLiteral("locked"), QStringLiteral("pw"), 0, {}, true);
        MessageRecorder messages;
        TfrmOperLogin form(Login::StartUp);
        for (int i = 0; i < 5; ++i)
            attempt(form, name, QStringLiteral("pw"));
        QCOMPARE(messages.texts(), QStringList(5, message));
        QCOMPARE(form.FailedAttempts(), 0);  // not counted as wrong passwords
        QVERIFY(!form.terminated());
        QVERIFY(PubUnit::globals().CurrentOperator.isEmpty());
    }

    void fourthWrongPasswordEndsTheStartUp()
    {
        MessageRecorder messages;
        TfrmOperLogin form(Login::StartUp);
        for (int i = 0; i < 3; ++i)
            attempt(form, QStringLiteral("admin"), QStringLiteral("x"));
        QCOMPARE(messages.texts(), QStringList(3, QStringLiteral("用户名或密码不正确，请重新输入！")));
        QVERIFY(!form.terminated());
        attempt(form, QStringLiteral("admin"), QStringLiteral(" "));
        QCOMPARE(messages.texts().last(), QStringLiteral("非法操作员!"));
        QCOMPARE(messages.shown.last().second, 3);
        QVERIFY(form.terminated());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(logRows(QStringLiteral("登录失败！")), 1);
    }

    void fourthWrongPasswordCancelsAChangeAndKeepsTheOperator()
    {
        addOperator(QStringLiteral("clerk"), QStringLiteral("secret"), 1);
        {
            TfrmOperLogin first(Login::StartUp);
            attempt(first, QStringLiteral("admin"), QString());
        }
        MessageRecorder messages;
        TfrmOperLogin form(Login::ChangeOperator);
        for (int i = 0; i < 4; ++i)
            attempt(form, QStringLiteral("clerk"), QStringLiteral("Secret"));
        QCOMPARE(messages.texts().last(), QStringLiteral("更换操作员失败!"));
        QVERIFY(!form.terminated());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(PubUnit::globals().CurrentOperator, QStringLiteral("admin"));
        QCOMPARE(PubUnit::globals().OperatorScope, 0);
        QCOMPARE(logRows(QStringLiteral("更换操作员失败！")), 1);
    }

    void cancel()
    {
        TfrmOperLogin start(Login::StartUp);
        start.btnCancelClick();
        QVERIFY(start.terminated());
        TfrmOperLogin change(Login::ChangeOperator);
        change.btnCancelClick();
        QVERIFY(!change.terminated());
        QCOMPARE(change.result(), int(QDialog::Rejected));
    }

    void escapeAndCloseDoNotLeave()
    {
        TfrmOperLogin form(Login::StartUp);
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        form.close();
        QVERIFY(form.isVisible());
    }

    void enterMovesOnLikeTab()
    {
        TfrmOperLogin form(Login::StartUp);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        form.cbbOperName->setFocus();
        QTest::keyClick(form.cbbOperName, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.edtPassWord));
    }

    void scopeIsLoaded_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("salesmen");
        QTest::newRow("all records") << 0 << QString();
        QTest::newRow("own records") << 1 << QString();
        QTest::newRow("listed salesmen") << 2 << QStringLiteral("'张三','李四'");
        QTest::newRow("empty list") << 2 << QString();
    }

    void scopeIsLoaded()
    {
        QFETCH(int, scope);
        QFETCH(QString, salesmen);
        addOperator(QStringLiteral("张三"), QStringLiteral("pw"), scope, salesmen);
        TfrmOperLogin form(Login::StartUp);
        attempt(form, QStringLiteral("张三"), QStringLiteral("pw"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(PubUnit::globals().OperatorScope, scope);
        QCOMPARE(PubUnit::globals().OperatorSalesmen, salesmen);
    }

    void keyValuesAfterTheFifteenthAreIgnored()
    {
        for (int i = 0; i < 3; ++i)
            dmData().ExecSql(QStringLiteral("insert into KeyValue (F_Value) values ('extra')"));
        Login::ApplyLogin(QStringLiteral("admin"));
        QCOMPARE(PubUnit::globals().KeyValues.size(), 15);
        QCOMPARE(PubUnit::globals().KeyValues.at(14), QString());
        QCOMPARE(PubUnit::globals().KeyValues.at(11), QStringLiteral("2"));
    }

    void rightsDecideActionsAndMenus()
    {
        addOperator(QStringLiteral("clerk"), QString());
        addOperator(QStringLiteral("nothing"), QString());
        grant(QStringLiteral("clerk"), QStringLiteral("单件发货"));
        grant(QStringLiteral("clerk"), QStringLiteral("发货提醒"));
        TFrmMain main;
        int ran = 0;
        main.ActionList1->setHandler(QStringLiteral("208"), [&] { ++ran; });
        main.ActionList1->setHandler(QStringLiteral("203"), [&] { ++ran; });

        Login::ApplyLogin(QStringLiteral("nothing"));
        for (QMenu *m : {main.mi100, main.mi200, main.mi300, main.mi400, main.mi500})
            QVERIFY2(!m->menuAction()->isVisible(), qPrintable(m->objectName()));
        QVERIFY(main.N9->menuAction()->isVisible());

        Login::ApplyLogin(QStringLiteral("clerk"));
        QVERIFY(main.mi200->menuAction()->isVisible());
        QVERIFY(main.mi400->menuAction()->isVisible());  // 402 counts for its menu though it has no entry
        QVERIFY(!main.mi100->menuAction()->isVisible());
        QVERIFY(main.ActionList1->action(QStringLiteral("208"))->isVisible());
        QVERIFY(!main.ActionList1->action(QStringLiteral("203"))->isVisible());

        main.ActionList1->action(QStringLiteral("203"))->trigger();  // triggered directly, without the right
        QVERIFY(!main.ActionList1->run(QStringLiteral("203")));
        QCOMPARE(ran, 0);
        main.ActionList1->action(QStringLiteral("208"))->trigger();
        QCOMPARE(ran, 1);

        Login::ApplyLogin(QStringLiteral("Admin"));
        for (QAction *a : main.ActionList1->actions())
            QVERIFY(a->isVisible());
        QCOMPARE(main.ActionList1->actions().size(), 31);
        QCOMPARE(main.ActionList1->action(QStringLiteral("201"))->property("category").toString(), QStringLiteral("编辑"));
        QCOMPARE(main.ActionList1->action(QStringLiteral("201"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    }

    void ctrlSWithoutTheDeleteRightDoesNothing()
    {
        addOperator(QStringLiteral("clerk"), QString());
        grant(QStringLiteral("clerk"), QStringLiteral("新增"));
        TFrmMain main;
        int deleted = 0, added = 0;
        main.ActionList1->setHandler(QStringLiteral("203"), [&] { ++deleted; });
        main.ActionList1->setHandler(QStringLiteral("201"), [&] { ++added; });
        Login::ApplyLogin(QStringLiteral("clerk"));
        auto *edit = new QLineEdit(&main);
        main.setCentralWidget(edit);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(deleted, 0);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // the window's key wins over select-all
        QCOMPARE(added, 1);
        MessageRecorder messages;
        messages.answers = {MessNo};
        main.close();
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
