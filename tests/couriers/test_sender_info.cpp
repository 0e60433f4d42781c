#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "records/TFrmUserInfo.h"
#include "widgets/NumberEdit.h"

#include "support/TestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using TestSupport::MessageRecorder;

Q_DECLARE_METATYPE(SenderInfo)

namespace {

SenderInfo filled()
{
    SenderInfo s;
    s.name = QStringLiteral("马洛'贸易\"有限公司 100%");
    s.contact = QStringLiteral("O'Brien");
    s.fixedPhone = QStringLiteral("010-6655 8899");
    s.mobile = QStringLiteral("13800138000");
    s.province = QStringLiteral("北京");
    s.city = QStringLiteral("北京市");
    s.district = QStringLiteral("海淀区");
    s.address = QStringLiteral("中关村大街1号\\2栋");
    s.postcode = QStringLiteral("100080");
    s.memo = QStringLiteral("下午'五点'前取件");
    s.goods = QStringLiteral("文件");
    s.quantity = 2;
    s.weight = 1.25;
    s.freight = 12.5;
    s.insurance = 3;
    s.totalFee = 15.5;
    s.sender = QStringLiteral("张'三");
    return s;
}

} // namespace

class TestSenderInfo : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

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
        dmData().close();
        m_home.reset();
    }

    void saveAndReload()
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("update sysInfo set F_code = ?, F_bakPath = ?"),
                                 {QStringLiteral("马洛'科技"), QStringLiteral("/backup")}));
        MessageRecorder messages;
        {
            TFrmUserInfo form;
            form.FillFields(true);
            SenderInfo typed = filled();
            typed.name = QStringLiteral("  ") + typed.name + QStringLiteral(" ");
            form.setValues(typed);
            form.BitBtn2->click();
            QVERIFY(form.wasSaved());
        }
        QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{QStringLiteral("当前更改成功！"), int(MessInfo)}}));
        QCOMPARE(PubUnit::globals().ReportOwnerName, QStringLiteral("马洛'科技"));
        QCOMPARE(SenderInfoStore::load(), filled());
        QCOMPARE(dmData().QueryText(QStringLiteral("select F_bakPath from sysInfo")), QStringLiteral("/backup"));
        QCOMPARE(dmData().QueryInt(QStringLiteral("select count(*) from sysInfo")), 1);

        TFrmUserInfo again;
        again.FillFields(true);
        QCOMPARE(again.values(), filled());
        QCOMPARE(again.edtPostCode->text(), QStringLiteral("100080"));
        // Saving what was read writes every column back unchanged.
        again.BitBtn2->click();
        QCOMPARE(SenderInfoStore::load(), filled());
    }

    void refillWritesNothing()
    {
        QVERIFY(SenderInfoStore::save(filled()));
        TFrmUserInfo form;
        form.FillFields(true);
        form.BitBtn1->click();
        const SenderInfo shown = form.values();
        QVERIFY(shown.name.isEmpty() && shown.province.isEmpty() && shown.memo.isEmpty() && shown.sender.isEmpty());
        QCOMPARE(shown.quantity, 1.0);
        QCOMPARE(shown.weight, 0.0);
        QCOMPARE(shown.freight, 0.0);
        QCOMPARE(shown.insurance, 0.0);
        QCOMPARE(shown.totalFee, 0.0);
        QCOMPARE(SenderInfoStore::load(), filled());
        form.BitBtn3->click();  // "修改" reads the stored row again
        QCOMPARE(form.values(), filled());
    }

    void totalFee_data()
    {
        QTest::addColumn<double>("freight");
        QTest::addColumn<double>("insurance");
        QTest::addColumn<double>("total");
        QTest::newRow("10 and 2") << 10.0 << 2.0 << 12.0;
        QTest::newRow("insurance only") << 0.0 << 2.5 << 2.5;
        QTest::newRow("cents") << 0.1 << 0.2 << 0.3;
        QTest::newRow("refund") << -5.0 << 1.0 << -4.0;
    }

    void totalFee()
    {
        QFETCH(double, freight);
        QFETCH(double, insurance);
        TFrmUserInfo form;
        form.ceFYtotal->setValue(99);
        form.ceYF->setValue(freight);
        form.ceBJF->setValue(insurance);
        QTEST(form.ceFYtotal->value(), "total");
        // The total can still be typed over afterwards.
        form.ceFYtotal->setValue(50);
        QCOMPARE(form.ceFYtotal->value(), 50.0);
    }

    void readKeepsTheStoredTotal()
    {
        SenderInfo s = filled();
        s.totalFee = 20;  // differs from freight + insurance
        QVERIFY(SenderInfoStore::save(s));
        TFrmUserInfo form;
        form.FillFields(true);
        QCOMPARE(form.ceFYtotal->value(), 20.0);
    }

    void listsFilledOnEntering()
    {
        for (const auto &[name, type] : {std::pair{"文件", "HPname"}, std::pair{"样品", "HPname"},
                                         std::pair{"张三", "FJemp"}, std::pair{"李四", "empname"}})
            QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_code (F_name, F_type) values (?, ?)"),
                                     {QString::fromUtf8(name), QString::fromUtf8(type)}));
        TFrmUserInfo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.cbbHPname->setEditText(QStringLiteral("手写"));
        form.cbbHPname->setFocus();
        QCoreApplication::processEvents();
        auto items = [](const QComboBox *b) {
            QStringList out;
            for (int i = 0; i < b->count(); ++i)
                out << b->itemText(i);
            return out;
        };
        QStringList goods = items(form.cbbHPname);
        goods.sort();
        QCOMPARE(goods, (QStringList{QString(), QStringLiteral("文件"), QStringLiteral("样品")}));
        QCOMPARE(form.cbbHPname->currentText(), QStringLiteral("手写"));
        form.cbbFJemp->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(items(form.cbbFJemp), (QStringList{QString(), QStringLiteral("张三")}));
    }

    void enterMovesOnOutsideTheMemo()
    {
        TFrmUserInfo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.edtName->setFocus();
        QTest::keyClick(form.edtName, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.edtLXRemp);
        form.Memo1->setFocus();
        form.Memo1->setPlainText(QStringLiteral("一"));
        form.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(form.Memo1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.Memo1);
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("一\n"));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        QVERIFY(SenderInfoStore::save(filled()));
        TFrmUserInfo form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(dir + QStringLiteral("/sender_info.png")));
    }
};

QTEST_MAIN(TestSenderInfo)
#include "test_sender_info.moc"
