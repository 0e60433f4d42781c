#include "core/DataModule.h"
#include "core/Dates.h"
#include "core/Messages.h"
#include "core/Startup.h"
#include "main/CourierPanel.h"
#include "main/DispatchCommands.h"
#include "main/DispatchPanel.h"
#include "main/DispatchService.h"
#include "main/MainListPanel.h"
#include "main/RecordList.h"
#include "main/TFrmMain.h"
#include "operators/Login.h"
#include "report/PreparedReport.h"
#include "report/ui/PreviewReport.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/NumberEdit.h"
#include "widgets/SqlListModel.h"

#include "support/TestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

using namespace DispatchService;
using TestSupport::MessageRecorder;

Q_DECLARE_METATYPE(DispatchService::Fees)

class TestDispatch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;
    std::unique_ptr<TFrmMain> m_main;
    QStringList m_events;  // previews and messages, in the order they happened
    std::shared_ptr<PreparedReport> m_printed;
    std::unique_ptr<MessageRecorder> m_messages;

    TFrmMain &openWindow()
    {
        m_main = std::make_unique<TFrmMain>();
        m_main->SetLimits();
        m_main->show();
        m_main->pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag2"))->click();  // all records
        DispatchPanel *p = m_main->Panel9;
        p->cbbHPname->setEditText(QStringLiteral(" 合同 "));
        p->rceSL->setValue(2);
        p->rceZL->setValue(1.5);
        p->ceYF->setValue(12);
        p->ceBJF->setValue(3);
        p->cbbFJemp->setEditText(QStringLiteral("前台"));
        p->dtpFHdate->setDate(QDate(2013, 3, 5));
        p->edtKDcode->setText(QStringLiteral("SF1234567"));
        return *m_main;
    }

    static QVariantMap record(const QString &code)
    {
        QSqlQuery q(dmData().db());
        QVariantMap m;
        if (dmData().run(q, QStringLiteral("select * from t_client where F_code = ?"), {code}) && q.next())
            for (const char *f : {"F_HPname", "F_SL", "F_YF", "F_BJF", "F_FYtotal", "F_FJemp", "F_KDtype", "F_KDcode", "F_useFlag"})
                m.insert(QLatin1String(f), q.value(QLatin1String(f)));
        m.insert(QStringLiteral("F_FHdate"), Dates::fromValue(q.value(QStringLiteral("F_FHdate"))));
        return m;
    }

    static int tempRows() { return dmData().QueryInt(QStringLiteral("select count(*) from tempCLT")); }

    // Selects the rows of the given codes in the main list.
    static void select(TFrmMain &w, const QStringList &codes)
    {
        SqlListModel *list = w.records->QryMain;
        list->clearSelection();
        for (int r = 0; r < list->rowCount(); ++r)
            if (codes.contains(list->value(r, QStringLiteral("F_code")).toString()))
                list->setSelected(r, true);
    }

    static void makeCurrent(TFrmMain &w, const QString &code)
    {
        SqlListModel *list = w.records->QryMain;
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->value(r, QStringLiteral("F_code")).toString() == code)
                list->setCurrentRow(r);
    }

    static QStringList pageTexts(const PreparedPage &page)
    {
        QStringList t;
        for (const PreparedItem &i : page.items)
            t << i.text;
        return t;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QVERIFY(TestSupport::openFreshDatabase());
        Startup::InstallShippedFiles();
        for (int i = 1; i <= 6; ++i)
            QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_client (F_code, F_name, F_LXRemp, F_date, F_useFlag, F_KDcode) "
                                                    "values (?, ?, ?, ?, ?, '')"),
                                     {QStringLiteral("Y%1").arg(i), QStringLiteral("公司%1").arg(i), QStringLiteral("收件人%1").arg(i),
                                      QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), i == 6}));
        dmData().ExecSql(QStringLiteral("update sysInfo set F_name = ?"), {QStringLiteral("寄件公司")});
        Login::ApplyLogin(QStringLiteral("admin"));
        m_events.clear();
        m_printed.reset();
        m_messages = std::make_unique<MessageRecorder>();
        ReportUi::setPreviewHandler([this](std::shared_ptr<PreparedReport> r) {
            m_printed = r;
            m_events << QStringLiteral("preview");
        });
        setMessageHandler([this](const QString &text, int kind) {
            m_messages->shown.append({text, kind});
            m_events << text;
            return kind == MessQuestion ? (m_messages->answers.isEmpty() ? int(MessYes) : m_messages->answers.takeFirst()) : 0;
        });
    }

    void cleanup()
    {
        ReportUi::setPreviewHandler({});
        if (m_main) {
            m_messages->answers = {MessYes};
            m_main->close();
            m_main.reset();
        }
        m_messages.reset();
        m_home.reset();
    }

    void feeRule_data()
    {
        QTest::addColumn<Fees>("before");
        QTest::addColumn<bool>("totalTyped");
        QTest::addColumn<Fees>("after");
        QTest::newRow("freight and insurance add up") << Fees{10, 2, 0} << false << Fees{10, 2, 12};
        QTest::newRow("typed total keeps a set insurance") << Fees{10, 2, 15} << true << Fees{10, 2, 15};
        QTest::newRow("typed total fills a zero insurance") << Fees{10, 0, 15} << true << Fees{10, 5, 15};
    }

    void feeRule()
    {
        QFETCH(Fees, before);
        QFETCH(bool, totalTyped);
        QFETCH(Fees, after);
        QCOMPARE(totalTyped ? afterTotal(before) : afterFreightOrInsurance(before), after);
    }

    void feeRuleInThePanel()
    {
        TFrmMain &w = openWindow();
        DispatchPanel *p = w.Panel9;
        p->ceBJF->setValue(0);
        p->ceYF->setValue(10);
        p->ceBJF->setValue(2);
        QCOMPARE(p->ceFYtotal->value(), 12.0);
        p->ceFYtotal->setValue(15);
        QCOMPARE(p->ceBJF->value(), 2.0);
        p->ceBJF->setValue(0);
        p->ceFYtotal->setValue(15);
        QCOMPARE(p->ceBJF->value(), 5.0);
    }

    void valuesAnsweredByExactName()
    {
        Values v;
        v.freight = 12.5;
        v.date = QDate(2013, 3, 5);
        QVariant value;
        QVERIFY(answerValue(v, QStringLiteral("fYF"), value));
        QCOMPARE(value.toDouble(), 12.5);
        QVERIFY(!answerValue(v, QStringLiteral("FYF"), value));
        QVERIFY(answerValue(v, QStringLiteral("dFJdate"), value));
        QCOMPARE(value.typeId(), int(QMetaType::QString));
        QCOMPARE(value.toString(), QStringLiteral("2013-03-05"));
    }

    void courierChoiceAndWebAddress()
    {
        QCOMPARE(SelectDefaultCourier({QStringLiteral("邮政EMS"), QStringLiteral("顺丰快递")}, QStringLiteral("顺丰")), 1);
        QCOMPARE(SelectDefaultCourier({QStringLiteral("邮政EMS")}, QString()), -1);
        QCOMPARE(SelectDefaultCourier({QStringLiteral("邮政EMS")}, QStringLiteral("ems")), -1);
        QVERIFY(isWebAddress(QStringLiteral("http://www.sf-express.com")));
        QVERIFY(!isWebAddress(QStringLiteral("www.sf-express.com")));
        QVERIFY(!isWebAddress(QStringLiteral("https://www.sf-express.com")));
        QCOMPARE(LoadCourier(QStringLiteral("顺丰快递")).templateName, QStringLiteral("kdSF"));
        QCOMPARE(LoadCourier(QStringLiteral("nobody")).id, 0);
    }

    void singleDispatchWithoutAQuestion()
    {
        TFrmMain &w = openWindow();
        makeCurrent(w, QStringLiteral("Y2"));
        w.pKDtype->lbKDlist->setCurrentRow(1);
        w.ActionList1->run(QStringLiteral("208"));
        QCOMPARE(m_events, QStringList({QStringLiteral("preview"), DispatchCommands::Success}));  // success after the preview
        const QVariantMap r = record(QStringLiteral("Y2"));
        QCOMPARE(r.value(QStringLiteral("F_HPname")).toString(), QStringLiteral("合同"));
        QCOMPARE(r.value(QStringLiteral("F_FYtotal")).toDouble(), 15.0);
        QCOMPARE(r.value(QStringLiteral("F_KDtype")).toString(), QStringLiteral("顺丰快递"));
        QCOMPARE(r.value(QStringLiteral("F_KDcode")).toString(), QStringLiteral("SF1234567"));
        QCOMPARE(r.value(QStringLiteral("F_FHdate")).toString(), QStringLiteral("2013-03-05"));
        QVERIFY(r.value(QStringLiteral("F_useFlag")).toBool());
        QVERIFY(m_printed);
        QCOMPARE(m_printed->pageCount(), 1);
        const QStringList texts = pageTexts(m_printed->pages.front());
        QVERIFY(texts.contains(QStringLiteral("收件人2")));
        QVERIFY(texts.contains(QStringLiteral("寄件公司")));
        QCOMPARE(tempRows(), 0);
    }

    void singleDispatchOfADispatchedRecordAsks()
    {
        TFrmMain &w = openWindow();
        makeCurrent(w, QStringLiteral("Y6"));
        m_messages->answers = {MessNo};
        w.ActionList1->run(QStringLiteral("208"));
        QCOMPARE(m_events, QStringList{QStringLiteral("公司名称为“公司6”的客户已经发货，真的重新再发货吗？")});
        QCOMPARE(record(QStringLiteral("Y6")).value(QStringLiteral("F_HPname")).toString(), QString());
    }

    void noCourierChosenTakesTheFirst()
    {
        TFrmMain &w = openWindow();
        w.pKDtype->lbKDlist->setCurrentRow(-1);
        makeCurrent(w, QStringLiteral("Y1"));
        w.ActionList1->run(QStringLiteral("208"));
        QCOMPARE(record(QStringLiteral("Y1")).value(QStringLiteral("F_KDtype")).toString(), QStringLiteral("邮政EMS"));
    }

    void batchOfFive()
    {
        TFrmMain &w = openWindow();
        const QStringList five{QStringLiteral("Y1"), QStringLiteral("Y2"), QStringLiteral("Y3"), QStringLiteral("Y4"), QStringLiteral("Y6")};
        select(w, five);
        w.pKDtype->lbKDlist->setCurrentRow(1);
        w.ActionList1->run(QStringLiteral("209"));
        QCOMPARE(m_events, QStringList({QStringLiteral("真的要打印发送当前所选的记录快递吗？"), QStringLiteral("preview"), DispatchCommands::Success}));
        QCOMPARE(m_printed->pageCount(), 5);
        for (const PreparedPage &page : m_printed->pages)
            QVERIFY(pageTexts(page).contains(QStringLiteral("寄件公司")));
        for (const QString &code : five) {
            const QVariantMap r = record(code);
            QCOMPARE(r.value(QStringLiteral("F_KDtype")).toString(), QStringLiteral("顺丰快递"));
            QCOMPARE(r.value(QStringLiteral("F_YF")).toDouble(), 12.0);
            QVERIFY(r.value(QStringLiteral("F_useFlag")).toBool());
            QCOMPARE(r.value(QStringLiteral("F_KDcode")).toString(), QString());  // the waybill number stays out of the records
        }
        QCOMPARE(record(QStringLiteral("Y5")).value(QStringLiteral("F_useFlag")).toBool(), false);
        QCOMPARE(tempRows(), 5);
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from tempCLT where F_KDcode = 'SF1234567' and F_HPname = ?"),
                                   {QStringLiteral("合同")}),
                 5);
    }

    void batchWithoutSelection()
    {
        TFrmMain &w = openWindow();
        select(w, {});
        w.ActionList1->run(QStringLiteral("209"));
        QCOMPARE(m_events, QStringList({QStringLiteral("真的要打印发送当前所选的记录快递吗？"), QStringLiteral("请选择需要发送的快递资料！")}));
        QCOMPARE(tempRows(), 0);
    }

    void failingRowRollsBackTheWholeBatch()
    {
        TFrmMain &w = openWindow();
        select(w, {QStringLiteral("Y1")});
        w.ActionList1->run(QStringLiteral("209"));  // an earlier batch leaves one row in tempCLT
        QCOMPARE(tempRows(), 1);
        if (dmData().dialect().isPostgres()) {
            QVERIFY(dmData().ExecSql(QStringLiteral("create function refuse_y3() returns trigger as $$ begin "
                                                    "if new.F_code = 'Y3' then raise exception 'refused'; end if; return new; end $$ "
                                                    "language plpgsql")));
            QVERIFY(dmData().ExecSql(QStringLiteral("create trigger refuse before insert on tempCLT for each row execute function refuse_y3()")));
        } else {
            QVERIFY(dmData().ExecSql(QStringLiteral("create trigger refuse before insert on tempCLT when new.F_code = 'Y3' "
                                                    "begin select raise(abort, 'refused'); end")));
        }
        m_events.clear();
        m_printed.reset();
        select(w, {QStringLiteral("Y2"), QStringLiteral("Y4"), QStringLiteral("Y3"), QStringLiteral("Y5")});
        w.ActionList1->run(QStringLiteral("209"));
        QVERIFY(!m_printed);  // nothing prints
        QCOMPARE(m_events.size(), 2);
        QVERIFY(m_events.last().contains(QStringLiteral("Y3")));
        QCOMPARE(m_messages->shown.last().second, int(MessError));
        for (const char *code : {"Y2", "Y3", "Y4", "Y5"})
            QVERIFY(!record(QLatin1String(code)).value(QStringLiteral("F_useFlag")).toBool());
        QCOMPARE(tempRows(), 1);
        QCOMPARE(dmData().QueryText(QStringLiteral("select F_code from tempCLT")), QStringLiteral("Y1"));
    }

    void emptyCourierListSaysSo()
    {
        dmData().ExecSql(QStringLiteral("delete from t_KDimage"));
        TFrmMain &w = openWindow();
        w.pKDtype->lbKDlist->clear();
        makeCurrent(w, QStringLiteral("Y1"));
        w.ActionList1->run(QStringLiteral("208"));
        QCOMPARE(m_events, QStringList{DispatchCommands::NoCourier});
        QCOMPARE(record(QStringLiteral("Y1")).value(QStringLiteral("F_useFlag")).toBool(), false);
    }
};

QTEST_MAIN(TestDispatch)
#include "test_dispatch.moc"
