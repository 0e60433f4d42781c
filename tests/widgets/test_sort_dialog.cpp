#include "widgets/DataGrid.h"
#include "widgets/GridLayout.h"
#include "widgets/MemoryListModel.h"
#include "widgets/RowArrangeList.h"
#include "widgets/SortText.h"
#include "widgets/TFrmDispFieldXZ.h"
#include "widgets/TfrmRowArrangeGl.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using Columns = QList<QPair<QString, QString>>;

namespace {

Columns recordColumns()
{
    return {{QStringLiteral("编号"), QStringLiteral("F_code")},
            {QStringLiteral("公司名称"), QStringLiteral("F_name")},
            {QStringLiteral("省份"), QStringLiteral("F_sheng")},
            {QStringLiteral("城市"), QStringLiteral("F_city")}};
}

} // namespace

class TestSortDialog : public QObject
{
    Q_OBJECT
private slots:
    // Steps on the rows (title=value pairs set, moves) and the sort text they give.
    void sortText_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        // "set R V": row R gets value V; "up R"/"down R": move row R.
        QTest::newRow("province up moved above code down")
            << QStringList{"set 2 升序", "set 0 降序", "up 2", "up 1"} << "f_sheng ASC,f_code DESC,";
        QTest::newRow("rows in grid order") << QStringList{"set 2 升序", "set 0 降序"} << "f_code DESC,f_sheng ASC,";
        QTest::newRow("nothing chosen") << QStringList{} << "";
        QTest::newRow("second moved above first")
            << QStringList{"set 0 升序", "set 2 降序", "up 2", "up 1"} << "f_sheng DESC,f_code ASC,";
        QTest::newRow("down then cleared by cycling")
            << QStringList{"set 1 降序", "down 1", "cycle 2"} << "";
        QTest::newRow("up on the first row does nothing") << QStringList{"set 0 升序", "up 0"} << "f_code ASC,";
        QTest::newRow("down on the last row does nothing") << QStringList{"set 3 降序", "down 3"} << "f_city DESC,";
        QTest::newRow("cycle twice is descending") << QStringList{"cycle 3", "cycle 3"} << "f_city DESC,";
    }
    void sortText()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        RowArrangeList list;
        list.fill(recordColumns());
        for (const QString &s : steps) {
            const QStringList w = s.split(QLatin1Char(' '));
            const int row = w.at(1).toInt();
            if (w.at(0) == QLatin1String("set"))
                list.setValue(row, w.at(2));
            else if (w.at(0) == QLatin1String("up"))
                list.moveUp(row);
            else if (w.at(0) == QLatin1String("down"))
                list.moveDown(row);
            else
                list.cycle(row);
        }
        QCOMPARE(list.sortText(), text);
    }

    void sameTitleTakesTheFirstColumnsField()
    {
        RowArrangeList list;
        list.fill({{QStringLiteral("日期"), QStringLiteral("F_date")}, {QStringLiteral("日期"), QStringLiteral("F_FHdate")}});
        list.setValue(1, RowArrangeList::Ascending);
        QCOMPARE(list.sortText(), QStringLiteral("f_date ASC,"));
    }

    void sortTextParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("composed");
        QTest::newRow("final comma") << "f_sheng ASC,f_code DESC," << true << "f_sheng ASC,f_code DESC,";
        QTest::newRow("no final comma") << "f_sheng asc, f_code desc" << true << "f_sheng ASC,f_code DESC,";
        QTest::newRow("no direction") << "F_code" << true << "F_code ASC,";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("injection") << "f_code; drop table t_client" << false << "";
        QTest::newRow("expression") << "lower(f_code) ASC," << false << "";
        QTest::newRow("bad direction") << "f_code UP," << false << "";
        QTest::newRow("empty term") << "f_code ASC,,f_name ASC," << false << "";
    }
    void sortTextParsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, composed);
        QList<SortTerm> terms;
        QCOMPARE(SortText::parse(text, &terms), ok);
        QCOMPARE(SortText::compose(terms), composed);
    }

    // The form: texts, double-click cycling, the buttons and the text it returns.
    void dialog()
    {
        TfrmRowArrangeGl form;
        QCOMPARE(form.windowTitle(), QStringLiteral("排序对话框"));
        QCOMPARE(form.size(), QSize(419, 382));
        QCOMPARE(form.lblHint->text(),
                 QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序"));
        QCOMPARE(form.Button1->text(), QStringLiteral("上移"));
        QCOMPARE(form.Button2->text(), QStringLiteral("下移"));
        QCOMPARE(form.Button3->text(), QStringLiteral("确定"));
        QCOMPARE(form.Button4->text(), QStringLiteral("取消"));
        form.fill(recordColumns());
        QCOMPARE(form.vle1->topLevelItemCount(), 4);
        form.vle1DblClick(2);  // 省份 ascending
        QCOMPARE(form.vle1->topLevelItem(2)->text(1), RowArrangeList::Ascending);
        form.vle1->setCurrentItem(form.vle1->topLevelItem(2));
        form.Button1->click();  // moves 省份 above 公司名称
        QCOMPARE(form.vle1->topLevelItem(1)->text(0), QStringLiteral("省份"));
        QCOMPARE(form.vle1->currentItem(), form.vle1->topLevelItem(1));
        form.vle1DblClick(0);
        form.vle1DblClick(0);  // 编号 descending
        form.Button3->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.sortText(), QStringLiteral("f_code DESC,f_sheng ASC,"));
    }

    void cancelReturnsEmpty()
    {
        TfrmRowArrangeGl form;
        form.fill(recordColumns());
        form.vle1DblClick(0);
        form.Button4->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(form.sortText(), QString());
    }

    void chooserTicksAndReads()
    {
        TFrmDispFieldXZ form;
        QCOMPARE(form.windowTitle(), QStringLiteral("字段列表"));
        QCOMPARE(form.size(), QSize(289, 322));
        QCOMPARE(form.BitBtn1->text(), QStringLiteral("确定"));
        QCOMPARE(form.BitBtn2->text(), QStringLiteral("取消"));
        form.fill({QStringLiteral("编号"), QStringLiteral("省份")}, {true, false});
        QCOMPARE(form.CheckListBox1->item(1)->text(), QStringLiteral("省份"));
        QCOMPARE(form.ticked(), (QList<bool>{true, false}));
        form.CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(form.ticked(), (QList<bool>{false, false}));
    }

    // ChooseVisibleColumns on a grid: OK applies the ticks (hiding all is allowed),
    // Cancel changes nothing.
    void chooseVisibleColumns_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QList<bool>>("visible");
        QTest::newRow("ok hides all") << true << QList<bool>{false, false};
        QTest::newRow("cancel") << false << QList<bool>{true, false};
    }
    void chooseVisibleColumns()
    {
        QFETCH(bool, confirm);
        QFETCH(QList<bool>, visible);
        MemoryListModel list;
        list.setColumns({QStringLiteral("F_code"), QStringLiteral("F_sheng")});
        DataGrid grid;
        grid.setListModel(&list);
        GridColumn a;
        a.field = QStringLiteral("F_code");
        a.title = QStringLiteral("编号");
        GridColumn b = a;
        b.field = QStringLiteral("F_sheng");
        b.title = QStringLiteral("省份");
        b.visible = false;
        grid.setColumns({a, b});
        QTimer::singleShot(0, [confirm] {
            auto *form = qobject_cast<TFrmDispFieldXZ *>(QApplication::activeModalWidget());
            QVERIFY(form);
            form->CheckListBox1->item(0)->setCheckState(Qt::Unchecked);
            (confirm ? form->BitBtn1 : form->BitBtn2)->click();
        });
        ChooseVisibleColumns(&grid);
        QCOMPARE(grid.column(0).visible, visible.at(0));
        QCOMPARE(grid.column(1).visible, visible.at(1));
        QCOMPARE(grid.isColumnHidden(0), !visible.at(0));
    }
};

QTEST_MAIN(TestSortDialog)
#include "test_sort_dialog.moc"
