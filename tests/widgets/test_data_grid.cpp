#include "core/Dates.h"
#include "widgets/DataGrid.h"
#include "widgets/MemoryListModel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

GridColumn col(const char *field, const char *title, FooterKind footer = FooterKind::None, const char *format = "")
{
    GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QString::fromUtf8(title);
    c.footerKind = footer;
    c.displayFormat = QString::fromLatin1(format);
    return c;
}

} // namespace

// The grid widget under the offscreen platform, over an in-memory list.
class TestDataGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<MemoryListModel> m_list;
    std::unique_ptr<DataGrid> m_grid;

    QPoint cellCentre(int row, int column = 1) const
    {
        return m_grid->visualRect(m_grid->model()->index(row, column)).center();
    }
    void click(int row, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, mods, cellCentre(row));
    }
    QList<qint64> selectedRows() const
    {
        QList<qint64> out;
        for (qint64 k : m_list->selectedKeys())
            out << m_list->rowOfKey(k);
        return out;
    }

private slots:
    void init()
    {
        m_list = std::make_unique<MemoryListModel>();
        m_list->setColumns({"F_ID", "F_code", "F_name", "F_YF", "F_useFlag", "F_date"},
                           {FieldKind::Number, FieldKind::Text, FieldKind::Text, FieldKind::Number, FieldKind::Bool,
                            FieldKind::Date});
        QList<QVariantList> rows;
        const char *names[] = {"北京公司", "华南公司", "华东公司", "abc", "Abd"};
        for (int i = 0; i < 10; ++i)
            rows << QVariantList{i + 100, QStringLiteral("Y%1").arg(i), QString::fromUtf8(names[i % 5]), 100.25 * i,
                                 i % 3 == 0, i == 0 ? QStringLiteral("1900-08-14") : QStringLiteral("2012-11-0%1").arg(i)};
        m_list->setRows(rows);
        m_list->setSumFields({});
        m_grid = std::make_unique<DataGrid>();
        m_grid->resize(600, 400);
        m_grid->setListModel(m_list.get());
        m_grid->setColumns({col("F_code", "编号", FooterKind::Text), col("F_name", "公司名称"),
                            col("F_YF", "运费", FooterKind::Sum, "#,##0.00"), col("F_useFlag", "已发"),
                            col("F_date", "日期"), col("F_missing", "无")});
        GridColumn c = m_grid->column(0);
        c.footerValue = QStringLiteral("合计");
        m_grid->setColumn(0, c);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    }
    void cleanup()
    {
        m_grid.reset();
        m_list.reset();
    }

    void clicksSelectRows()
    {
        click(2);
        QCOMPARE(m_list->currentRow(), 2);
        QVERIFY(selectedRows().isEmpty());
        click(5, Qt::ControlModifier);
        click(7, Qt::ControlModifier);
        QCOMPARE(selectedRows(), (QList<qint64>{5, 7}));
        click(5, Qt::ControlModifier);
        QCOMPARE(selectedRows(), (QList<qint64>{7}));
        click(4, Qt::ShiftModifier);  // from the last clicked row, 5
        QCOMPARE(selectedRows(), (QList<qint64>{4, 5}));
        QCOMPARE(m_list->currentRow(), 4);
        click(1);
        QVERIFY(selectedRows().isEmpty());
        QCOMPARE(m_list->currentRow(), 1);
        QCOMPARE(m_list->current(QStringLiteral("f_code")).toString(), QStringLiteral("Y1"));
    }

    void shiftArrowsExtendAndPlainArrowsClear()
    {
        click(3);
        QTest::keyClick(m_grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(selectedRows(), (QList<qint64>{3, 4, 5}));
        QTest::keyClick(m_grid.get(), Qt::Key_Down);
        QVERIFY(selectedRows().isEmpty());
        QCOMPARE(m_list->currentRow(), 6);
    }

    void selectionFollowsKeysThroughSorting()
    {
        click(2, Qt::ControlModifier);
        click(8, Qt::ControlModifier);
        QVERIFY(m_list->setSortText(QStringLiteral("F_code DESC,")));
        QCOMPARE(m_list->selectedKeys(), (QList<qint64>{108, 102}));
        QCOMPARE(m_list->currentKey(), 108);
        QVERIFY(m_list->isSelected(1));  // Y8 is now the second row
    }

    // The form decides what a title click sorts; the grid shows the markers.
    void titleClicksAndMarkers()
    {
        QSignalSpy spy(m_grid.get(), &DataGrid::titleClicked);
        connect(m_grid.get(), &DataGrid::titleClicked, m_grid.get(),
                [this](int c) { m_grid->setSortMarker(c, nextSortMarker(m_grid->sortMarker(c))); });
        QHeaderView *h = m_grid->horizontalHeader();
        auto clickTitle = [&](int c) {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
        };
        clickTitle(1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(m_grid->sortMarker(1), SortMarker::Ascending);
        clickTitle(1);
        QCOMPARE(m_grid->sortMarker(1), SortMarker::Descending);
        clickTitle(2);
        QCOMPARE(m_grid->sortMarker(2), SortMarker::Ascending);
        QCOMPARE(m_grid->sortMarker(1), SortMarker::Descending);  // others stay
        clickTitle(1);
        QCOMPARE(m_grid->sortMarker(1), SortMarker::Ascending);
        QCOMPARE(m_grid->sortMarker(0), SortMarker::None);
    }

    void typingSearchesTheCurrentColumn()
    {
        click(0);
        QTest::keyClicks(m_grid.get(), QStringLiteral("ab"));
        QCOMPARE(m_list->currentRow(), 3);  // "abc", letter case ignored
        QTest::keyClicks(m_grid.get(), QStringLiteral("d"));
        QCOMPARE(m_list->currentRow(), 4);  // "Abd"
        QCOMPARE(m_grid->searchText(), QStringLiteral("abd"));
        m_grid->setCurrentIndex(m_grid->model()->index(4, 0));  // another column starts a new search
        m_grid->keyboardSearch(QStringLiteral("Y7"));
        QCOMPARE(m_list->currentRow(), 7);
        m_grid->setCurrentIndex(m_grid->model()->index(7, 1));
        m_grid->keyboardSearch(QStringLiteral("华东"));
        QCOMPARE(m_list->currentRow(), 2);
        m_grid->keyboardSearch(QStringLiteral("x"));  // no match: stays
        QCOMPARE(m_list->currentRow(), 2);
    }

    void cellsAndFooter()
    {
        QCOMPARE(m_grid->footerText(0), QStringLiteral("合计"));
        QCOMPARE(m_grid->footerText(1), QString());
        QCOMPARE(m_grid->footerText(2), QStringLiteral("4,511.25"));
        QCOMPARE(m_grid->footerText(5), QString());
        QCOMPARE(m_grid->cellText(3, 2), QStringLiteral("300.75"));
        QCOMPARE(m_grid->cellText(3, 5), QString());  // the list has no such field
        QCOMPARE(m_grid->columnAlignment(2), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(m_grid->columnAlignment(1), Qt::Alignment(Qt::AlignLeft));
        const QModelIndex flag = m_grid->model()->index(3, 3);
        QCOMPARE(m_grid->model()->data(flag, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(m_grid->cellText(3, 3), QString());
        QCOMPARE(m_grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("公司名称"));
        m_list->setValue(1, m_list->fieldIndex(QStringLiteral("F_YF")), 1000.0);
        QCOMPARE(m_grid->footerText(2), QStringLiteral("5,411.00"));
        m_list->setFilter(QStringLiteral("F_useFlag"), true);  // rows 0, 3, 6, 9
        QCOMPARE(m_grid->footerText(2), QStringLiteral("1,804.50"));
    }

    void dates_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("shownWithHook");  // the main list's record date
        QTest::newRow("empty date") << "1900-08-14" << "" << "";
        QTest::newRow("the limit") << "1901-08-14" << "1901-08-14" << "";
        QTest::newRow("after the limit") << "1901-08-15" << "1901-08-15" << "1901-08-15";
        QTest::newRow("with a time") << "2012-11-01 08:30:00" << "2012-11-01 08:30:00" << "2012-11-01 08:30:00";
        QTest::newRow("midnight") << "2012-11-01 00:00:00" << "2012-11-01" << "2012-11-01";
    }
    void dates()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, shownWithHook);
        m_list->setValue(1, m_list->fieldIndex(QStringLiteral("F_date")), stored);
        QCOMPARE(m_grid->cellText(1, 4), shown);
        m_grid->setDisplayHook(QStringLiteral("F_DATE"),
                               [](const QVariant &v) { return Dates::display(v, Dates::BlankBelow, true); });
        QCOMPARE(m_grid->cellText(1, 4), shownWithHook);
        GridColumn c = m_grid->column(4);
        c.displayFormat = QStringLiteral("yyyy年mm月dd日");
        m_grid->setColumn(4, c);
        m_grid->setDisplayHook(QStringLiteral("F_date"), {});
        QCOMPARE(m_grid->cellText(1, 4).isEmpty(), shown.isEmpty());
    }

    void rowStyleHook()
    {
        m_grid->setRowStyleHook(DataGrid::redWhenTrue(QStringLiteral("F_useFlag")));
        QAbstractItemModel *m = m_grid->model();
        QCOMPARE(m->data(m->index(3, 1), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QCOMPARE(m->data(m->index(3, 1), Qt::BackgroundRole).value<QBrush>().color(),
                 QApplication::palette().color(QPalette::Button));
        QVERIFY(!m->data(m->index(4, 1), Qt::ForegroundRole).isValid());
    }

    void editingFollowsReadOnly()
    {
        QAbstractItemModel *m = m_grid->model();
        const QModelIndex name = m->index(2, 1);
        QVERIFY(!m->setData(name, QStringLiteral("新"), Qt::EditRole));  // read-only grid
        m_list->setEditable(true);
        m_grid->setReadOnly(false);
        QVERIFY(m->setData(name, QStringLiteral("新"), Qt::EditRole));
        QCOMPARE(m_list->value(2, QStringLiteral("F_name")).toString(), QStringLiteral("新"));
        GridColumn c = m_grid->column(1);
        c.readOnly = true;
        m_grid->setColumn(1, c);
        QVERIFY(!(m->flags(name) & Qt::ItemIsEditable));
        QVERIFY(m->flags(m->index(2, 3)) & Qt::ItemIsUserCheckable);
        QVERIFY(m->setData(m->index(2, 3), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(m_list->value(2, QStringLiteral("F_useFlag")).toBool(), true);
        QVERIFY(!(m->flags(m->index(2, 5)) & Qt::ItemIsEditable));  // missing field
    }

    void doubleClickAndContextMenuSignals()
    {
        QSignalSpy dbl(m_grid.get(), &DataGrid::rowDoubleClicked);
        QSignalSpy menu(m_grid.get(), &DataGrid::contextMenuRequested);
        QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, cellCentre(6));
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(dbl.at(0).at(0).toInt(), 6);
        click(4, Qt::ControlModifier);
        QContextMenuEvent e(QContextMenuEvent::Mouse, cellCentre(4, 2), m_grid->viewport()->mapToGlobal(cellCentre(4, 2)));
        QApplication::sendEvent(m_grid->viewport(), &e);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.at(0).at(1).toInt(), 2);
        QCOMPARE(selectedRows(), (QList<qint64>{4}));  // the pop-up keeps the selection
    }
};

QTEST_MAIN(TestDataGrid)
#include "test_data_grid.moc"
