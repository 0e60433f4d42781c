// The road of a waybill through the window: log in, select three records in the
// grid, fill the dispatch panel, choose a courier, batch dispatch, and read the
// PDF of the waybills back with pdftotext -bbox.

#include "core/DataModule.h"
#include "core/DemoData.h"
#include "core/ProgramFolder.h"
#include "core/PubUnit.h"
#include "core/Startup.h"
#include "main/CourierPanel.h"
#include "main/DispatchPanel.h"
#include "main/MainListPanel.h"
#include "main/MainSearchBar.h"
#include "main/RecordList.h"
#include "main/TFrmMain.h"
#include "operators/TfrmOperLogin.h"
#include "report/Fr3Reader.h"
#include "report/PreparedReport.h"
#include "report/ReportBand.h"
#include "report/ReportExport.h"
#include "report/ReportObject.h"
#include "report/ReportTemplate.h"
#include "report/ui/PreviewReport.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/DataGrid.h"
#include "widgets/NumberEdit.h"
#include "widgets/SqlListModel.h"

#include "support/PdfText.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

namespace {

// The memo's box on the page in points: the waybill's one band starts at the top
// of a page without margins.
QRectF memoBox(const ReportTemplate &t, const QString &name)
{
    const ReportObject *o = t.findObject(name);
    return o ? QRectF(o->left * 0.75, o->top * 0.75, o->width * 0.75, o->height * 0.75) : QRectF();
}

// Chinese text arrives as an input method's commit, not as key presses.
void commitText(QWidget *w, const QString &text)
{
    w->setFocus();
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestDispatchEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

    static QStringList recordTexts(const QString &code)
    {
        QSqlQuery q(dmData().db());
        dmData().run(q, QStringLiteral("select F_LXRemp, F_name from t_client where F_code = ?"), {code});
        return q.next() ? QStringList{q.value(0).toString(), q.value(1).toString()} : QStringList();
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QVERIFY(TestSupport::openFreshDatabase());
        Startup::InstallShippedFiles();
        QVERIFY(DemoData::fill(dmData(), 40));
    }

    void cleanup() { m_home.reset(); }

    void threeSelectedRecordsPrintThreeWaybills()
    {
        TfrmOperLogin login(Login::StartUp);
        login.show();
        login.cbbOperName->setEditText(QStringLiteral("admin"));
        QTest::mouseClick(login.btnOk, Qt::LeftButton);  // admin, empty password
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(PubUnit::globals().CurrentOperator, QStringLiteral("admin"));

        TestSupport::MessageRecorder messages;  // the question is answered yes
        TFrmMain w;
        w.SetLimits();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Panel1->dtpFromDate->setChecked(false);
        w.Panel1->dtpToDate->setChecked(false);
        w.RefreshRecordList();
        w.pList->rgUseFlag->findChild<QRadioButton *>(QStringLiteral("rgUseFlag2"))->click();  // all records
        SqlListModel *list = w.records->QryMain;
        QVERIFY(list->rowCount() >= 5);

        DataGrid *grid = w.records->DBGridEh1;
        QStringList codes;
        for (int row : {0, 2, 4}) {
            const QRect cell = grid->visualRect(grid->model()->index(row, 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
            codes << list->value(row, QStringLiteral("F_code")).toString();
        }
        QCOMPARE(list->selectedCount(), 3);

        DispatchPanel *p = w.Panel9;
        p->cbbHPname->lineEdit()->clear();
        commitText(p->cbbHPname->lineEdit(), QStringLiteral("样品"));
        p->rceSL->setValue(2);
        p->ceYF->setValue(15);
        p->cbbFJemp->lineEdit()->clear();
        commitText(p->cbbFJemp->lineEdit(), QStringLiteral("前台"));
        QTest::keyClicks(p->edtKDcode, QStringLiteral("SF900"));

        QListWidget *couriers = w.pKDtype->lbKDlist;
        const QList<QListWidgetItem *> sf = couriers->findItems(QStringLiteral("顺丰快递"), Qt::MatchExactly);
        QCOMPARE(sf.size(), 1);
        QTest::mouseClick(couriers->viewport(), Qt::LeftButton, {}, couriers->visualItemRect(sf.first()).center());

        std::shared_ptr<PreparedReport> printed;
        ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) { printed = r; });
        p->BitBtn3->click();
        ReportUi::setPreviewHandler({});
        QVERIFY(printed);
        QVERIFY(messages.saw(QStringLiteral("当前客户发货成功！")));

        const QString pdf = m_home->path() + QStringLiteral("/waybills.pdf");
        QVERIFY(ReportExport::toPdf(*printed, pdf));
        const QList<QList<TestSupport::PdfWord>> pages = TestSupport::pdfWords(pdf);
        QCOMPARE(pages.size(), 3);

        ReportTemplate sfTemplate;
        QVERIFY(Fr3Reader::readFile(ProgramFolder::file(QStringLiteral("Qr/kdSF.fr3")), sfTemplate));
        const QStringList sender = {QStringLiteral("周明"), QStringLiteral("上海马罗贸易有限公司")};
        QStringList recipientsSeen;
        for (const QList<TestSupport::PdfWord> &words : pages) {
            // Where a text starts on the page, and whether that is inside the memo's box.
            auto at = [&](const QString &text, const QString &memo) {
                const QRectF box = memoBox(sfTemplate, memo);
                for (const TestSupport::PdfWord &word : words)
                    if (text.startsWith(word.text) && box.adjusted(-1, -1, 1, 1).contains(word.box.center()))
                        return true;
                return false;
            };
            QVERIFY(at(sender[0], QStringLiteral("memFJName")));
            QVERIFY(at(sender[1], QStringLiteral("memFJCompany")));
            QVERIFY(at(QStringLiteral("样品"), QStringLiteral("memHPname")));
            for (const QString &code : codes) {
                const QStringList r = recordTexts(code);
                if (at(r[0], QStringLiteral("memSJName"))) {
                    QVERIFY2(at(r[1], QStringLiteral("memSJCompany")), qPrintable(r[1]));
                    recipientsSeen << code;
                }
            }
        }
        recipientsSeen.sort();
        codes.sort();
        QCOMPARE(recipientsSeen, codes);
    }
};

QTEST_MAIN(TestDispatchEndToEnd)
#include "test_dispatch_end_to_end.moc"
