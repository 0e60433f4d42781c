#include "core/DataModule.h"
#include "core/Messages.h"
#include "report/ui/PreviewReport.h"
#include "settings/CodeStatements.h"
#include "settings/TDLGaddText.h"
#include "settings/TDLGcodeNewXZ.h"
#include "settings/TFrmCodeMan.h"
#include "widgets/DataGrid.h"
#include "widgets/FormHelpers.h"
#include "widgets/MemoryListModel.h"

#include "DialogDriver.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestCodeDictionary : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;

    static void addEntry(const QString &type, const QString &name)
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("insert into t_code (F_name, F_type) values (?, ?)"), {name, type}));
    }

    static QStringList stored(const QString &type)
    {
        QStringList out;
        QSqlQuery q(dmData().db());
        dmData().OpenQuery(q, QStringLiteral("select F_name from t_code where F_type = ? order by F_ID"), {type});
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

    static int codeRows() { return dmData().QueryInt(QStringLiteral("select count(*) from t_code")); }

    // The cell editor the grid has open.
    static QLineEdit *cellEditor(TFrmCodeMan &form)
    {
        for (QLineEdit *e : form.DBGridEh1->viewport()->findChildren<QLineEdit *>())
            if (e->isVisible())
                return e;
        return nullptr;
    }

    static void typeInGrid(TFrmCodeMan &form, const QString &text)
    {
        QLineEdit *editor = cellEditor(form);
        QVERIFY(editor);
        editor->selectAll();
        typeText(editor, text);
    }

    static QStringList listed(const TFrmCodeMan &form)
    {
        QStringList out;
        for (int r = 0; r < form.QryTable->rowCount(); ++r)
            out << form.QryTable->value(r, 1).toString();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
    }

    void cleanup() { m_home.reset(); }

    void tabKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::newRow("salesmen") << 0 << QStringLiteral("empname") << QStringLiteral(" 业 务 员 ");
        QTest::newRow("goods") << 1 << QStringLiteral("hpname") << QStringLiteral(" 物品名称 ");
        QTest::newRow("senders") << 2 << QStringLiteral("fjemp") << QStringLiteral(" 发 件 人 ");
        QTest::newRow("symbols") << 3 << QStringLiteral("abSheet1") << QStringLiteral(" 特殊符号 ");
    }

    void tabKeys()
    {
        QFETCH(int, tab);
        QFETCH(QString, key);
        QFETCH(QString, title);
        addEntry(QStringLiteral("HPname"), QStringLiteral("文件"));  // read without regard to case
        TFrmCodeMan form;
        form.PageControl1->setCurrentIndex(tab);
        QCOMPARE(form.currentKey(), key);
        QCOMPARE(form.DBGridEh1->column(0).title, title);
        QCOMPARE(listed(form).contains(QStringLiteral("文件")), tab == 1);
    }

    void twoSalesmenSavedUnderTheirKey()
    {
        MessageRecorder messages;
        TFrmCodeMan form;
        form.show();
        form.tbNew->trigger();
        QVERIFY(!form.isBrowsing());
        QVERIFY(!form.PageControl1->isEnabled());
        QVERIFY(!form.tbNew->isEnabled() && !form.tbDel->isEnabled() && !form.tbExit->isEnabled());
        typeInGrid(form, QStringLiteral("张三"));
        form.tbSave->trigger();
        form.tbNew->trigger();
        typeInGrid(form, QStringLiteral("O'Brien"));
        QTest::keyClick(cellEditor(form), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(form.isBrowsing());
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(stored(QStringLiteral("empname")), (QStringList{QStringLiteral("张三"), QStringLiteral("O'Brien")}));
        QCOMPARE(listed(form), (QStringList{QStringLiteral("张三"), QStringLiteral("O'Brien")}));
        // What the other forms read.
        const SqlStatement s = CodeStatements::comboItems(QStringLiteral("empname"));
        QCOMPARE(dmData().FillItems(s.text, s.values).size(), 3);
    }

    void modifyWritesTheBatch()
    {
        addEntry(QStringLiteral("fjemp"), QStringLiteral("李四"));
        TFrmCodeMan form;
        form.show();
        form.PageControl1->setCurrentIndex(2);
        form.tbEdit->trigger();
        form.DBGridEh1->edit(form.DBGridEh1->model()->index(0, 0));
        typeInGrid(form, QStringLiteral("李四光"));
        form.tbSave->trigger();
        QCOMPARE(stored(QStringLiteral("fjemp")), QStringList{QStringLiteral("李四光")});
    }

    void cancelAfterTypingLeavesTableUnchanged()
    {
        addEntry(QStringLiteral("empname"), QStringLiteral("甲"));
        const int before = codeRows();
        TFrmCodeMan form;
        form.show();
        form.tbNew->trigger();
        typeInGrid(form, QStringLiteral("乙"));
        QTest::keyClick(cellEditor(form), Qt::Key_Escape);
        QVERIFY(form.isBrowsing());
        QVERIFY(form.isVisible());  // Esc cancels while editing and leaves only in browse state
        QCOMPARE(codeRows(), before);
        QCOMPARE(listed(form), QStringList{QStringLiteral("甲")});
        QTest::keyClick(form.DBGridEh1, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void emptyListMessages()
    {
        MessageRecorder messages;
        TFrmCodeMan form;
        form.PageControl1->setCurrentIndex(3);
        form.tbEdit->trigger();
        form.tbDel->trigger();
        QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{QStringLiteral("此表为空，没有记录需要修改！"), MessError},
                                                             {QStringLiteral("此表是空表，不需要删除！"), MessInfo}}));
        QVERIFY(form.isBrowsing());
    }

    void deleteAsksOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no keeps") << int(MessNo) << QStringList{QStringLiteral("甲"), QStringLiteral("乙")};
        QTest::newRow("yes deletes") << int(MessYes) << QStringList{QStringLiteral("乙")};
    }

    void deleteAsksOnce()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        addEntry(QStringLiteral("empname"), QStringLiteral("甲"));
        addEntry(QStringLiteral("empname"), QStringLiteral("乙"));
        MessageRecorder messages;
        messages.answers = {answer};
        TFrmCodeMan form;
        form.QryTable->setCurrentRow(0);
        form.tbDel->trigger();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("真的要删除 \" 业 务 员 \"甲吗？")});
        QCOMPARE(stored(QStringLiteral("empname")), left);
        QCOMPARE(listed(form), left);
    }

    void printsTheListWithItsTitle()
    {
        addEntry(QStringLiteral("empname"), QStringLiteral("张三"));
        std::shared_ptr<PreparedReport> printed;
        ReportUi::PreviewHandler previous = ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) { printed = r; });
        TFrmCodeMan form;
        form.tbPrint->trigger();
        ReportUi::setPreviewHandler(previous);
        QVERIFY(printed);
        QStringList texts;
        for (const PreparedPage &p : printed->pages)
            for (const PreparedItem &i : p.items)
                texts << i.text;
        QVERIFY2(texts.contains(QStringLiteral(" 业 务 员 设置")) || texts.join(QLatin1Char('|')).contains(QStringLiteral("业 务 员 设置")),
                 qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(texts.contains(QStringLiteral("张三")));
    }

    void pickerNarrowsAtEachKeystroke()
    {
        for (const char *n : {"张三丰", "张三", "李四", ""})
            addEntry(QStringLiteral("empname"), QString::fromUtf8(n));
        addEntry(QStringLiteral("sheng"), QStringLiteral("张家口"));
        QComboBox box;
        box.setEditable(true);
        box.setEditText(QStringLiteral("李四"));
        QList<QStringList> seen;
        QString startRow;
        whenShown<TDLGcodeNewXZ>([&](TDLGcodeNewXZ *d) {
            seen << d->names();
            startRow = d->currentName();
            for (const QString &c : {QStringLiteral("张"), QStringLiteral("三"), QStringLiteral("丰")}) {
                typeText(d->edtname, c);
                seen << d->names();
            }
            d->BitBtn1->click();
        });
        const QString got = PickCode(QStringLiteral("empname"), QStringLiteral("业务员资料"), &box);
        QCOMPARE(startRow, QStringLiteral("李四"));
        QCOMPARE(seen.value(0), (QStringList{QStringLiteral("张三"), QStringLiteral("张三丰"), QStringLiteral("李四")}));
        QCOMPARE(seen.value(1).size(), 2);
        QCOMPARE(seen.value(2).size(), 2);
        QCOMPARE(seen.value(3), QStringList{QStringLiteral("张三丰")});
        QCOMPARE(got, QStringLiteral("张三丰"));
        QCOMPARE(box.currentText(), QStringLiteral("张三丰"));
    }

    void pickerAddWritesAtOnce_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("closed") << false;
        QTest::newRow("confirmed") << true;
    }

    void pickerAddWritesAtOnce()
    {
        QFETCH(bool, ok);
        addEntry(QStringLiteral("sheng"), QStringLiteral("河北"));
        QComboBox box;
        box.setEditable(true);
        box.setEditText(QStringLiteral("原来"));
        whenShown<TDLGcodeNewXZ>([&](TDLGcodeNewXZ *d) {
            whenShown<TDLGaddText>([](TDLGaddText *a) {
                a->edtName->setText(QStringLiteral("山西'"));
                a->BitBtn1->click();
            });
            d->Button1->click();
            QCOMPARE(d->currentName(), QStringLiteral("山西'"));
            QVERIFY(d->entriesAdded());
            (ok ? d->BitBtn1 : d->BitBtn2)->click();
        });
        const QString got = PickCode(QStringLiteral("sheng"), QStringLiteral("省份资料"), &box);
        QCOMPARE(stored(QStringLiteral("sheng")), (QStringList{QStringLiteral("河北"), QStringLiteral("山西'")}));
        QStringList items;
        for (int i = 0; i < box.count(); ++i)
            items << box.itemText(i);
        QVERIFY(items.contains(QStringLiteral("山西'")));
        QCOMPARE(got, ok ? QStringLiteral("山西'") : QString());
        QCOMPARE(box.currentText(), ok ? QStringLiteral("山西'") : QStringLiteral("原来"));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        addEntry(QStringLiteral("empname"), QStringLiteral("张三"));
        addEntry(QStringLiteral("empname"), QStringLiteral("李四"));
        TFrmCodeMan form;
        form.show();
        QVERIFY(form.grab().save(dir + QStringLiteral("/codeman.png")));
        QComboBox box;
        whenShown<TDLGcodeNewXZ>([&](TDLGcodeNewXZ *d) {
            d->grab().save(dir + QStringLiteral("/picker.png"));
            d->BitBtn2->click();
        });
        PickCode(QStringLiteral("empname"), QStringLiteral("业务员资料"), &box);
    }
};

QTEST_MAIN(TestCodeDictionary)
#include "test_code_dictionary.moc"
