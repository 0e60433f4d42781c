#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/NumberEdit.h"
#include "records/RecordStore.h"
#include "records/TfrmCltEdit.h"
#include "settings/TFrmCodeMan.h"
#include "widgets/DataGrid.h"
#include "widgets/MemoryListModel.h"

#include "FakeRecordList.h"
#include "RecordFixture.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using TestSupport::MessageRecorder;
namespace F = RecordFixture;

class TestRecordEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

    static QStringList items(const QComboBox *b)
    {
        QStringList out;
        for (int i = 0; i < b->count(); ++i)
            out << b->itemText(i);
        return out;
    }

    static QList<QLineEdit *> textEdits(TfrmCltEdit &f)
    {
        QList<QLineEdit *> e = {f.edtName,    f.edtArea,     f.edtAddress,   f.edtLXRemp,
                                f.edtPostCode, f.edtGDphone, f.edtSJphone,   f.edtMDaddress,
                                f.cbbSheng->lineEdit(), f.cbbCity->lineEdit(), f.cbbEmpName->lineEdit()};
        for (QLineEdit *z : f.edtZF)
            e << z;
        return e;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
        PubUnit::resetGlobals();
    }

    void cleanup()
    {
        PubUnit::resetGlobals();
        m_home.reset();
    }

    void newCodeOfTheMonth_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("no records") << QStringList{} << F::month() + QStringLiteral("0001") << F::month() + QStringLiteral("0002");
        QTest::newRow("only last month") << QStringList{F::month(1) + QStringLiteral("0009")} << F::month() + QStringLiteral("0001")
                                         << F::month() + QStringLiteral("0002");
        QTest::newRow("continues") << QStringList{F::month() + QStringLiteral("0041"), QStringLiteral("X1")}
                                   << F::month() + QStringLiteral("0042") << F::month() + QStringLiteral("0043");
    }

    void newCodeOfTheMonth()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, first);
        QFETCH(QString, second);
        for (const QString &c : existing)
            F::insert({{QStringLiteral("F_code"), c}});
        FakeRecordList host;
        {
            TfrmCltEdit form(host);
            form.PrepareEditor(TfrmCltEdit::New);
            QCOMPARE(form.windowTitle(), QStringLiteral("快递发件 - 新增"));
            QVERIFY(!form.CheckBox1->isHidden() && form.DBNavigator1->isHidden());
            QCOMPARE(form.edtcode->text(), first);
            form.edtName->setText(QStringLiteral("甲"));
            form.Button1Click();
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        TfrmCltEdit next(host);
        next.PrepareEditor(TfrmCltEdit::New);
        QCOMPARE(next.edtcode->text(), second);
    }

    void codeTakenMeanwhileIsReplacedSilently()
    {
        MessageRecorder messages;
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        const QString drawn = form.edtcode->text();
        QCOMPARE(drawn, F::month() + QStringLiteral("0001"));
        F::insert({{QStringLiteral("F_code"), drawn}, {QStringLiteral("F_name"), QStringLiteral("别的桌")}});
        form.edtName->setText(QStringLiteral("我的"));
        form.Button1Click();
        QVERIFY(messages.shown.isEmpty());
        const int saved = host.currentRecordId();
        QCOMPARE(F::text(saved, QStringLiteral("F_name")), QStringLiteral("我的"));
        QCOMPARE(F::text(saved, QStringLiteral("F_code")), F::month() + QStringLiteral("0002"));
        QCOMPARE(host.statuses, QStringList{QStringLiteral("客户总数：2")});
    }

    void modifiedCodeOfAnotherRow_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("code also on another row") << true << true;
        QTest::newRow("own code") << false << false;
    }

    void modifiedCodeOfAnotherRow()
    {
        QFETCH(bool, shared);
        QFETCH(bool, replaced);
        const QString code = F::month() + QStringLiteral("0007");
        const int a = F::insert({{QStringLiteral("F_code"), code}, {QStringLiteral("F_name"), QStringLiteral("甲")}});
        const int b = F::insert({{QStringLiteral("F_code"), shared ? code : QStringLiteral("Z9")}, {QStringLiteral("F_name"), QStringLiteral("乙")}});
        FakeRecordList host;
        host.setCurrent(a);
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::Modify);
        QCOMPARE(form.windowTitle(), QStringLiteral("快递发件 - 修改"));
        QCOMPARE(form.edtName->text(), QStringLiteral("甲"));
        form.edtName->setText(QStringLiteral("甲改"));
        form.Button1Click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(F::text(a, QStringLiteral("F_name")), QStringLiteral("甲改"));
        QCOMPARE(F::text(a, QStringLiteral("F_code")), replaced ? F::month() + QStringLiteral("0008") : code);
        QCOMPARE(F::text(b, QStringLiteral("F_code")), shared ? code : QStringLiteral("Z9"));
        QCOMPARE(host.currentRecordId(), a);
    }

    void copyCode_data()
    {
        QTest::addColumn<bool>("autoCode");
        QTest::addColumn<QString>("saved");
        QTest::newRow("numbering off: empty code") << false << QString();
        QTest::newRow("numbering on: fresh code") << true << F::month() + QStringLiteral("0006");
    }

    void copyCode()
    {
        QFETCH(bool, autoCode);
        QFETCH(QString, saved);
        PubUnit::globals().AutoCodeEnabled = autoCode;
        const int src = F::insert({{QStringLiteral("F_code"), F::month() + QStringLiteral("0005")},
                                   {QStringLiteral("F_name"), QStringLiteral("源")},
                                   {QStringLiteral("F_HPname"), QStringLiteral("文件")},
                                   {QStringLiteral("F_YF"), 12.5},
                                   {QStringLiteral("F_FHdate"), QStringLiteral("2024-03-06")}});
        F::insert({{QStringLiteral("F_code"), QString()}, {QStringLiteral("F_name"), QStringLiteral("无编号")}});
        FakeRecordList host;
        host.setCurrent(src);
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::Copy);
        QCOMPARE(form.windowTitle(), QStringLiteral("快递发件 - 新增"));
        QCOMPARE(form.edtName->text(), QStringLiteral("源"));
        QCOMPARE(form.edtHPname->text(), QStringLiteral("文件"));  // the dispatch page shows the source's
        QCOMPARE(form.edtcode->text(), saved);
        form.Button1Click();
        const int copy = host.currentRecordId();
        QVERIFY(copy != src);
        QCOMPARE(F::count(), 3);
        QCOMPARE(F::text(copy, QStringLiteral("F_code")), saved);
        QCOMPARE(F::text(copy, QStringLiteral("F_name")), QStringLiteral("源"));
        // A copy starts with no dispatch data.
        QCOMPARE(F::text(copy, QStringLiteral("F_HPname")), QString());
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from t_client where F_ID = ? and F_YF = 0"), {copy}), 1);
        QCOMPARE(F::text(copy, QStringLiteral("F_FHdate")), QString());
    }

    void dispatchPageNeverChangesTheDatabase()
    {
        const int id = F::insert({{QStringLiteral("F_code"), QStringLiteral("C1")},
                                  {QStringLiteral("F_name"), QStringLiteral("甲")},
                                  {QStringLiteral("F_HPname"), QStringLiteral("文件")},
                                  {QStringLiteral("F_SL"), 2},
                                  {QStringLiteral("F_YF"), 12.5},
                                  {QStringLiteral("F_FJemp"), QStringLiteral("小李")},
                                  {QStringLiteral("F_FHdate"), QStringLiteral("2024-03-06")},
                                  {QStringLiteral("F_KDtype"), QStringLiteral("顺丰")},
                                  {QStringLiteral("F_KDcode"), QStringLiteral("SF1")}});
        FakeRecordList host;
        host.setCurrent(id);
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::Modify);
        QVERIFY(!form.TabDispatch->isEnabled());
        QCOMPARE(form.PageControl1->currentWidget(), form.TabDispatch);
        QCOMPARE(form.ceYF->text(), QStringLiteral("￥12.50"));
        QCOMPARE(form.edtFHdate->text(), QStringLiteral("2024-03-06"));
        form.edtHPname->setText(QStringLiteral("改了"));  // even a changed control is not saved
        form.Button1Click();
        QCOMPARE(F::text(id, QStringLiteral("F_HPname")), QStringLiteral("文件"));
        QCOMPARE(F::text(id, QStringLiteral("F_KDcode")), QStringLiteral("SF1"));
        QCOMPARE(F::text(id, QStringLiteral("F_FHdate")), QStringLiteral("2024-03-06"));
    }

    void customDates_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("unticked") << false << QStringLiteral("1900-08-14");
        QTest::newRow("ticked") << true << QStringLiteral("2023-02-01");
    }

    void customDates()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, stored);
        FakeRecordList host;
        {
            TfrmCltEdit form(host);
            form.PrepareEditor(TfrmCltEdit::New);
            QVERIFY(!form.dtpRQ[1]->isChecked());
            form.dtpRQ[1]->setDate(QDate(2023, 2, 1));
            form.dtpRQ[1]->setChecked(ticked);
            form.Button1Click();
        }
        const int id = host.currentRecordId();
        QCOMPARE(F::text(id, QStringLiteral("F_RQ2")), stored);
        QCOMPARE(F::text(id, QStringLiteral("F_RQ1")), QStringLiteral("1900-08-14"));
        TfrmCltEdit again(host);
        again.PrepareEditor(TfrmCltEdit::Modify);
        QCOMPARE(again.dtpRQ[1]->isChecked(), ticked);
        QCOMPARE(again.dtpRQ[1]->date(), ticked ? QDate(2023, 2, 1) : QDate::currentDate());
        QVERIFY(!again.dtpRQ[0]->isChecked());
    }

    void continuousAddKeepsTheFormOpen()
    {
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        form.CheckBox1->setChecked(true);
        form.edtName->setText(QStringLiteral("甲"));
        form.edtAddress->setText(QStringLiteral("地址"));
        form.cbUseFlag->setChecked(true);
        form.cbbCity->setFocus();
        form.Button1Click();
        QVERIFY(form.isVisible());
        QCOMPARE(F::count(), 1);
        QCOMPARE(form.edtName->text(), QString());
        QCOMPARE(form.edtAddress->text(), QString());
        QVERIFY(!form.cbUseFlag->isChecked());
        QCOMPARE(form.edtcode->text(), F::month() + QStringLiteral("0002"));
        QCOMPARE(form.focusWidget(), form.edtName);
        QCOMPARE(form.windowTitle(), QStringLiteral("快递发件 - 新增"));
    }

    void salesmanBoxByScope_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<QString>("salesmen");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all") << 0 << QString() << QStringList{QString(), QStringLiteral("甲"), QStringLiteral("乙")} << true;
        QTest::newRow("listed") << 2 << QStringLiteral("'乙','丙'") << QStringList{QString(), QStringLiteral("乙")} << true;
        QTest::newRow("empty list") << 2 << QString() << QStringList{QString()} << true;
        QTest::newRow("own") << 1 << QString() << QStringList{QString(), QStringLiteral("张三")} << false;
    }

    void salesmanBoxByScope()
    {
        QFETCH(int, scope);
        QFETCH(QString, salesmen);
        QFETCH(QStringList, expected);
        QFETCH(bool, enabled);
        {
            // The salesmen come from the dictionary form, saved under "empname".
            TFrmCodeMan dict;
            dict.show();
            for (const QString &n : {QStringLiteral("甲"), QStringLiteral("乙")}) {
                dict.tbNew->trigger();
                dict.QryTable->setValue(dict.QryTable->currentRow(), 1, n);
                dict.tbSave->trigger();
            }
        }
        PubUnit::globals().OperatorScope = scope;
        PubUnit::globals().OperatorSalesmen = salesmen;
        PubUnit::globals().CurrentOperator = QStringLiteral("张三");
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        QCOMPARE(items(form.cbbEmpName), expected);
        QCOMPARE(form.cbbEmpName->isEnabled(), enabled);
        if (scope == 1) {
            QCOMPARE(form.cbbEmpName->currentText(), QStringLiteral("张三"));
            form.Button1Click();
            QCOMPARE(F::text(host.currentRecordId(), QStringLiteral("F_empName")), QStringLiteral("张三"));
        }
    }

    void customCaptionsFromKeyValues()
    {
        PubUnit::globals().KeyValues[0] = QStringLiteral("身份证");
        PubUnit::globals().KeyValues[10] = QStringLiteral("生日");
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        QCOMPARE(form.lblZF[0]->text(), QStringLiteral("身份证："));
        QCOMPARE(form.lblRQ[2]->text(), QStringLiteral("生日："));
        QCOMPARE(form.lblSZ[0]->text(), QStringLiteral("数值项一："));
    }

    void hostileTextInEveryField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("quotes and wildcards") << QStringLiteral("O'Brien \"x\" \\ 100% _;--");
        QTest::newRow("300 characters") << QString(300, QLatin1Char('x'));
        QTest::newRow("300 Chinese characters") << QString(300, QChar(0x4E2D));
    }

    void hostileTextInEveryField()
    {
        QFETCH(QString, typed);
        MessageRecorder messages;
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        for (QLineEdit *e : textEdits(form)) {
            e->clear();
            e->insert(typed);  // as pasted: bounded by the column's width
            QVERIFY(e->text().size() <= e->maxLength());
        }
        form.memo1->setPlainText(typed);
        form.Button1Click();
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
        const int id = host.currentRecordId();
        QVERIFY(id > 0);
        QCOMPARE(F::text(id, QStringLiteral("F_name")), form.edtName->text().trimmed());
        QCOMPARE(F::text(id, QStringLiteral("F_name")), typed.left(255).trimmed());
        QCOMPARE(F::text(id, QStringLiteral("F_postcode")), typed.left(50).trimmed());
        QCOMPARE(F::text(id, QStringLiteral("F_memo1")), typed.trimmed());
    }

    void numberEditsTakeNumbersOnly()
    {
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.rceSZ[0]->clear();
        QTest::keyClicks(form.rceSZ[0], QStringLiteral("1a2.5'b.7"));
        QCOMPARE(form.rceSZ[0]->text(), QStringLiteral("12.57"));
        form.Button1Click();
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from t_client where F_SZ1 > 12.56 and F_SZ1 < 12.58")), 1);
    }

    void saveFailureKeepsTheForm()
    {
        MessageRecorder messages;
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        form.edtName->setText(QStringLiteral("留着"));
        QVERIFY(dmData().ExecSql(QStringLiteral("alter table t_client rename to t_client_away")));
        form.Button1Click();
        QVERIFY(dmData().ExecSql(QStringLiteral("alter table t_client_away rename to t_client")));
        QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{QStringLiteral("保存失败，请检测数据库连接！"), MessError}}));
        QVERIFY(form.isVisible());
        QCOMPARE(form.edtName->text(), QStringLiteral("留着"));
        QCOMPARE(host.reopened, 0);
        QCOMPARE(F::count(), 0);
    }

    void navigatorMovesAndSavesTheNewRow()
    {
        const int a = F::insert({{QStringLiteral("F_code"), QStringLiteral("C1")}, {QStringLiteral("F_name"), QStringLiteral("甲")}});
        const int b = F::insert({{QStringLiteral("F_code"), QStringLiteral("C2")}, {QStringLiteral("F_name"), QStringLiteral("乙")}});
        FakeRecordList host;
        host.setCurrent(a);
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::Modify);
        QVERIFY(!form.DBNavigator1->isHidden() && form.CheckBox1->isHidden());
        QVERIFY(!form.nbFirst->isEnabled() && form.nbNext->isEnabled());
        form.nbNext->click();
        QCOMPARE(form.edtName->text(), QStringLiteral("乙"));
        QVERIFY(!form.nbLast->isEnabled() && form.nbPrior->isEnabled());
        form.edtName->setText(QStringLiteral("乙改"));
        form.Button1Click();
        QCOMPARE(F::text(a, QStringLiteral("F_name")), QStringLiteral("甲"));
        QCOMPARE(F::text(b, QStringLiteral("F_name")), QStringLiteral("乙改"));
    }

    void keys()
    {
        FakeRecordList host;
        {
            TfrmCltEdit form(host);
            form.PrepareEditor(TfrmCltEdit::New);
            form.show();
            form.edtName->setFocus();
            QTest::keyClick(form.edtName, Qt::Key_Return);
            QCOMPARE(form.focusWidget(), form.cbbSheng);
            form.memo1->setFocus();
            QTest::keyClick(form.memo1, Qt::Key_Return);
            QCOMPARE(form.memo1->toPlainText(), QStringLiteral("\n"));  // a memo keeps its Enter
            QTest::keyClick(form.edtName, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QCOMPARE(F::count(), 1);
        }
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        form.edtName->setText(QStringLiteral("不要"));
        QTest::keyClick(form.edtName, Qt::Key_Escape);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.isVisible());
        QCOMPARE(F::count(), 1);
    }

    void cityListFollowsTheProvince()
    {
        F::insert({{QStringLiteral("F_sheng"), QStringLiteral("河北")}, {QStringLiteral("F_city"), QStringLiteral("石家庄")}});
        F::insert({{QStringLiteral("F_sheng"), QStringLiteral("山西")}, {QStringLiteral("F_city"), QStringLiteral("太原")}});
        FakeRecordList host;
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::New);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.cbbSheng->setFocus();
        QStringList provinces = items(form.cbbSheng);
        provinces.sort();
        QStringList expected{QString(), QStringLiteral("山西"), QStringLiteral("河北")};
        expected.sort();
        QCOMPARE(provinces, expected);
        form.cbbSheng->setEditText(QStringLiteral("山西 "));
        form.cbbCity->setFocus();
        QCOMPARE(items(form.cbbCity), (QStringList{QString(), QStringLiteral("太原")}));
    }

    void screenshots()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        const int id = F::insert({{QStringLiteral("F_code"), F::month() + QStringLiteral("0003")},
                                  {QStringLiteral("F_name"), QStringLiteral("北京科技有限公司")},
                                  {QStringLiteral("F_sheng"), QStringLiteral("北京")},
                                  {QStringLiteral("F_city"), QStringLiteral("北京市")},
                                  {QStringLiteral("F_address"), QStringLiteral("海淀区中关村大街1号")},
                                  {QStringLiteral("F_LXRemp"), QStringLiteral("王五")},
                                  {QStringLiteral("F_SJphone"), QStringLiteral("13800000001")},
                                  {QStringLiteral("F_memo1"), QStringLiteral("周末不收件")},
                                  {QStringLiteral("F_HPname"), QStringLiteral("文件")},
                                  {QStringLiteral("F_YF"), 12.5},
                                  {QStringLiteral("F_FYtotal"), 14.5},
                                  {QStringLiteral("F_FHdate"), QStringLiteral("2024-03-06")},
                                  {QStringLiteral("F_KDtype"), QStringLiteral("顺丰快递")}});
        FakeRecordList host;
        host.setCurrent(id);
        TfrmCltEdit form(host);
        form.PrepareEditor(TfrmCltEdit::Modify);
        form.show();
        for (int i = 0; i < form.PageControl1->count(); ++i) {
            form.PageControl1->setCurrentIndex(i);
            QVERIFY(form.grab().save(dir + QStringLiteral("/editor_page%1.png").arg(i)));
        }
        TfrmCltEdit fresh(host);
        fresh.PrepareEditor(TfrmCltEdit::New);
        fresh.show();
        QVERIFY(fresh.grab().save(dir + QStringLiteral("/editor_new.png")));
        qInfo() << "editor size" << form.size() << fresh.size();
    }
};

QTEST_MAIN(TestRecordEditor)
#include "test_record_editor.moc"
