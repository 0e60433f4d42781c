#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Password.h"
#include "core/PubUnit.h"
#include "main/CourierPanel.h"
#include "main/MainListPanel.h"
#include "main/MainSearchBar.h"
#include "main/RecordList.h"
#include "main/TFrmMain.h"
#include "operators/Login.h"
#include "operators/TfrmOperLogin.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/DataGrid.h"
#include "widgets/SqlListModel.h"

#include "support/TestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;
    std::unique_ptr<TFrmMain> m_main;

    static void addRecord(const QString &code, const QString &name, const QString &emp, bool dispatched,
                          const QString &sheng = QStringLiteral("广东"), const QString &city = QStringLiteral("广州"))
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_empName, F_date, F_sheng, F_city, "
                                                "F_useFlag, F_HPname, F_YF) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                 {code, name, emp, QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), sheng, city,
                                  dispatched, QStringLiteral("文件"), 10.0}));
    }

    TFrmMain &openWindow()
    {
        m_main = std::make_unique<TFrmMain>();
        m_main->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_main.get())); }();
        return *m_main;
    }

    static QStringList listedCodes(TFrmMain &w)
    {
        QStringList codes;
        for (int r = 0; r < w.records->QryMain->rowCount(); ++r)
            codes << w.records->QryMain->value(r, QStringLiteral("F_code")).toString();
        return codes;
    }

    // Answers the next login form with a name and an empty password.
    static void answerLogin(const QString &name)
    {
        QTimer::singleShot(0, [name] {
            auto *form = qobject_cast<TfrmOperLogin *>(QApplication::activeModalWidget());
            QVERIFY(form);
            form->cbbOperName->setEditText(name);
            form->btnOkClick();
        });
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QVERIFY(TestSupport::openFreshDatabase());
        addRecord(QStringLiteral("Y1"), QStringLiteral("华为技术"), QStringLiteral("张三"), false);
        addRecord(QStringLiteral("Y2"), QStringLiteral("联想集团"), QStringLiteral("李四"), false, QStringLiteral("北京"), QStringLiteral("北京"));
        addRecord(QStringLiteral("Y3"), QStringLiteral("华润万家"), QStringLiteral("张三"), true);
        dmData().ExecSql(QStringLiteral("insert into OperList (F_Name, F_PassWord, F_empFlag) values (?, ?, 1)"),
                         {QStringLiteral("张三"), Password::SavePass(QString())});
        Login::ApplyLogin(QStringLiteral("admin"));
    }

    void cleanup()
    {
        if (m_main) {
            MessageRecorder yes;  // answer the exit question
            m_main->close();
            m_main.reset();
        }
        m_home.reset();
    }

    void showBuildsTheListWithTheDefaultFilters()
    {
        TFrmMain &w = openWindow();
        QCOMPARE(w.windowTitle(), QStringLiteral("Marlo快递单打印软件 v1.80(企业版) "));
        QVERIFY(w.Panel1->dtpFromDate->isChecked());
        QCOMPARE(w.Panel1->dtpFromDate->date().day(), 1);
        QCOMPARE(listedCodes(w), QStringList({QStringLiteral("Y1"), QStringLiteral("Y2")}));  // "未  发"
        QCOMPARE(w.records->lblCLTnum->text(), QStringLiteral("客户总数： 2 个"));
        QCOMPARE(w.pKDtype->lbKDlist->count(), 6);
        QCOMPARE(w.pList->tvTree->topLevelItem(0)->text(0), QStringLiteral("区  域"));
        QCOMPARE(w.pList->tvTree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(w.DBGridEh1->columnOfField(QStringLiteral("F_KDcode")) >= 0, true);  // the stored layout replaced the built-in columns
        QCOMPARE(w.StatusPanels[1]->text(), QStringLiteral(" admin"));
    }

    void typingInTheSearchTextRebuildsTheList()
    {
        TFrmMain &w = openWindow();
        w.Panel1->ComboBox1->setCurrentIndex(0);
        w.Panel1->Edit1->insert(QStringLiteral("联"));  // as typed: one change, one rebuild
        QCOMPARE(listedCodes(w), QStringList{QStringLiteral("Y2")});
        w.Panel1->Edit1->setText(QStringLiteral("O'Brien"));  // a quote is an ordinary character
        QCOMPARE(listedCodes(w), QStringList());
    }

    void dispatchStateRefiltersAndRecounts()
    {
        TFrmMain &w = openWindow();
        w.pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag1"))->click();
        QCOMPARE(listedCodes(w), QStringList{QStringLiteral("Y3")});
        QCOMPARE(w.records->lblCLTnum->text(), QStringLiteral("客户总数： 1 个"));
        w.pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag2"))->click();
        QCOMPARE(w.records->lblCLTnum->text(), QStringLiteral("客户总数： 3 个"));
    }

    void regionTreeFilters()
    {
        TFrmMain &w = openWindow();
        w.pList->rpcZClist->setCurrentIndex(1);
        QTreeWidgetItem *root = w.pList->tvTree->topLevelItem(0);
        QTreeWidgetItem *beijing = root->child(0)->text(0) == QStringLiteral("北京") ? root->child(0) : root->child(1);
        w.pList->tvTree->setCurrentItem(beijing);
        Q_EMIT w.pList->treeClicked();
        QCOMPARE(listedCodes(w), QStringList{QStringLiteral("Y2")});
    }

    void memoTitleClickChangesOnlyTheMarker()
    {
        TFrmMain &w = openWindow();
        const int memo = w.DBGridEh1->columnOfField(QStringLiteral("F_memo1"));
        const int name = w.DBGridEh1->columnOfField(QStringLiteral("F_name"));
        QVERIFY(memo >= 0 && name >= 0);
        w.records->titleClicked(memo);
        QCOMPARE(w.DBGridEh1->sortMarker(memo), SortMarker::Ascending);
        w.records->titleClicked(memo);
        QCOMPARE(w.DBGridEh1->sortMarker(memo), SortMarker::Descending);
        QCOMPARE(listedCodes(w), QStringList({QStringLiteral("Y1"), QStringLiteral("Y2")}));
        w.records->titleClicked(name);
        w.records->titleClicked(name);  // descending by company name: 联想 (U+8054) before 华为 (U+534E)
        QCOMPARE(listedCodes(w), QStringList({QStringLiteral("Y2"), QStringLiteral("Y1")}));
    }

    void escapeAsksTheExitQuestion()
    {
        TFrmMain &w = openWindow();
        w.activateWindow();
        w.Panel1->Edit1->setFocus();
        w.Panel1->Edit1->setText(QStringLiteral("abc"));
        MessageRecorder messages;
        messages.answers = {MessNo};
        QTest::keyClick(w.Panel1->Edit1, Qt::Key_Escape);
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("真的要退出“Marlo快递单打印软件 ”软件吗？")});
        QVERIFY(w.isVisible());
        QCOMPARE(w.Panel1->Edit1->text(), QStringLiteral("abc"));
    }

    void hidingTheCourierColumnUnticksItsEntry()
    {
        TFrmMain &w = openWindow();
        QVERIFY(w.nshitu2->isChecked());
        w.Panel1->sbKDtype->click();
        QVERIFY(!w.nshitu2->isChecked());
        QVERIFY(!w.pKDtype->isVisible());
        w.Panel1->sbKDtype->click();
        QVERIFY(w.nshitu2->isChecked());
        QVERIFY(w.pKDtype->isVisible());
    }

    void reloginByToolButtonAppliesTheScopeAtOnce()
    {
        TFrmMain &w = openWindow();
        w.pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag2"))->click();
        QCOMPARE(w.records->QryMain->rowCount(), 3);
        answerLogin(QStringLiteral("张三"));
        w.N43Click();  // the menu entry: the list stays until a filter changes
        QCOMPARE(PubUnit::globals().CurrentOperator, QStringLiteral("张三"));
        QCOMPARE(w.records->QryMain->rowCount(), 3);
        answerLogin(QStringLiteral("张三"));
        w.ToolButton1Click();
        QCOMPARE(listedCodes(w), QStringList({QStringLiteral("Y1"), QStringLiteral("Y3")}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
