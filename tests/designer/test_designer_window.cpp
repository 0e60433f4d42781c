// The designer window under the offscreen platform: data panel insertion, mouse and
// keys on the canvas, saving a new template, closing with unsaved changes, the modal
// entry point. With MARLO_DESIGNER_SHOTS=<folder> it also lays out a waybill over a
// drawn paper form and writes a screenshot and the PDF over sample data there.
#include "report/ui/DesignerCanvas.h"
#include "report/ui/DesignerDataPanel.h"
#include "report/ui/DesignerDocument.h"
#include "report/ui/DesignerEntry.h"
#include "report/ui/DesignerVariables.h"
#include "report/ui/DesignerWindow.h"
#include "report/ui/PreviewReport.h"

#include "report/Fr3Reader.h"
#include "report/Fr3Writer.h"
#include "report/MemoryDataSource.h"
#include "report/ReportEngine.h"
#include "report/ReportExport.h"
#include "report/ReportFieldTable.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"

#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString kFixture = QStringLiteral(DESIGNER_FIXTURES "/fixture_waybill.fr3");

std::shared_ptr<MemoryDataSource> recipients()
{
    const QStringList columns = {QStringLiteral("F_name"),    QStringLiteral("F_LXRemp"), QStringLiteral("F_GDphone"),
                                 QStringLiteral("F_SJphone"), QStringLiteral("F_sheng"),  QStringLiteral("F_city"),
                                 QStringLiteral("F_address"), QStringLiteral("F_KDcode"), QStringLiteral("F_YF")};
    std::vector<QVector<QVariant>> rows{{QStringLiteral("上海华东贸易有限公司"), QStringLiteral("张三"),
                                         QStringLiteral("021-62345678"), QStringLiteral("13812345678"),
                                         QStringLiteral("上海市"), QStringLiteral("浦东新区"),
                                         QStringLiteral("世纪大道 100 号 12 楼"), QStringLiteral("1234567890"), 12.5}};
    return std::make_shared<MemoryDataSource>(QStringLiteral("收件信息"), columns, std::move(rows),
                                              ReportFieldTable::recipient());
}

std::shared_ptr<MemoryDataSource> senderRows()
{
    const QStringList columns = {QStringLiteral("F_name"), QStringLiteral("F_LXRemp"), QStringLiteral("F_GDphone"),
                                 QStringLiteral("F_address")};
    std::vector<QVector<QVariant>> rows{{QStringLiteral("马洛电子商务公司"), QStringLiteral("李四"),
                                         QStringLiteral("0571-88886666"), QStringLiteral("杭州市西湖区文三路 90 号")}};
    return std::make_shared<MemoryDataSource>(QStringLiteral("寄件信息"), columns, std::move(rows),
                                              ReportFieldTable::sender());
}

QTreeWidgetItem *findItem(QTreeWidget &tree, const QString &parent, const QString &text)
{
    for (QTreeWidgetItem *item : tree.findItems(text, Qt::MatchRecursive | Qt::MatchStartsWith))
        if (item->parent() && item->parent()->text(0) == parent)
            return item;
    return nullptr;
}

bool near(const QPointF &a, const QPointF &b, double tol = 0.01)
{
    return qAbs(a.x() - b.x()) <= tol && qAbs(a.y() - b.y()) <= tol;
}

bool near(const QRectF &a, const QRectF &b, double tol = 0.01)
{
    return near(a.topLeft(), b.topLeft(), tol) && near(a.bottomRight(), b.bottomRight(), tol);
}

QPoint viewPoint(DesignerCanvas &c, const QPointF &mm)
{
    return c.toView(mm).toPoint();
}

// A courier's paper waybill as a scan would show it: boxes and printed labels.
QImage drawWaybillForm(double widthMm, double heightMm)
{
    const double px = 150 / 25.4;
    QImage img(qRound(widthMm * px), qRound(heightMm * px), QImage::Format_RGB32);
    img.fill(QColor(0xfd, 0xf8, 0xee));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(px, px);
    const QColor ink(0xc0, 0x30, 0x30);
    p.setPen(QPen(ink, 0.4));
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(4);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(8, 3, 120, 9), Qt::AlignVCenter, QStringLiteral("马洛快递  运单"));
    p.drawRect(QRectF(6, 13, widthMm - 12, heightMm - 19));
    f.setPixelSize(3);
    f.setBold(false);
    p.setFont(f);
    const double mid = widthMm / 2;
    p.drawLine(QPointF(mid, 13), QPointF(mid, 83));
    p.drawLine(QPointF(6, 83), QPointF(widthMm - 6, 83));
    const auto block = [&](double x, const QString &title, const QStringList &labels) {
        p.fillRect(QRectF(x + 0.2, 13.2, 8, 69.6), QColor(0xf3, 0xd8, 0xd0));
        p.drawLine(QPointF(x + 8, 13), QPointF(x + 8, 83));
        p.drawText(QRectF(x, 13, 8, 70), Qt::AlignCenter | Qt::TextWordWrap, title.split(QString()).join(QLatin1Char('\n')).trimmed());
        for (int i = 0; i < labels.size(); ++i) {
            const double y = 13 + i * 14;
            if (i)
                p.drawLine(QPointF(x + 8, y), QPointF(x + mid - 6, y));
            p.drawText(QRectF(x + 10, y + 1, 20, 5), Qt::AlignLeft | Qt::AlignTop, labels.at(i));
        }
    };
    const QStringList labels = {QStringLiteral("姓名"), QStringLiteral("电话"), QStringLiteral("单位名称"),
                                QStringLiteral("地址"), QStringLiteral("")};
    block(6, QStringLiteral("寄件人"), labels);
    block(mid, QStringLiteral("收件人"), labels);
    const QStringList goods = {QStringLiteral("物品名称"), QStringLiteral("数量"), QStringLiteral("重量(kg)"),
                               QStringLiteral("运费(元)"), QStringLiteral("寄件日期")};
    const double cell = (widthMm - 12) / goods.size();
    for (int i = 0; i < goods.size(); ++i) {
        if (i)
            p.drawLine(QPointF(6 + i * cell, 83), QPointF(6 + i * cell, heightMm - 6));
        p.drawText(QRectF(8 + i * cell, 84, cell - 4, 5), Qt::AlignLeft, goods.at(i));
    }
    return img;
}

// Fields of a waybill over the drawn form: expression and where it goes (mm on the paper).
struct Placement
{
    const char *expression;
    QRectF rect;
};

const Placement kWaybillFields[] = {
    {"[寄件信息.\"发件人\"]", {38, 20, 60, 7}},
    {"[寄件信息.\"电话\"]", {38, 34, 60, 7}},
    {"[寄件信息.\"公司名称\"]", {38, 48, 60, 7}},
    {"[寄件信息.\"地址\"]", {38, 60, 70, 14}},
    {"[收件信息.\"收件人\"]", {147, 20, 60, 7}},
    {"[收件信息.\"电话\"] [收件信息.\"手机\"]", {147, 34, 70, 7}},
    {"[收件信息.\"公司名称\"]", {147, 48, 70, 7}},
    {"[收件信息.\"省\"][收件信息.\"市\"][收件信息.\"地址\"]", {147, 60, 70, 14}},
    {"[sHPname]", {8, 91, 38, 6}},
    {"[iSL]", {54, 91, 38, 6}},
    {"[fZL]", {100, 91, 38, 6}},
    {"[fYF]", {146, 91, 38, 6}},
    {"[dFJdate]", {192, 91, 38, 6}},
};

} // namespace

class TestDesignerWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dataPanelInsertsExpressions_data();
    void dataPanelInsertsExpressions();
    void droppedFieldLandsOnTheGrid();
    void mouseSelectsMovesAndResizes();
    void keysNudgeAndUndo();
    void toolsZoomAndBands();
    void newTemplateAsksForAFileInQr();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();
    void designReportRunsModally();
    void waybillOverScannedForm();

private:
    std::unique_ptr<TestSupport::TempHome> m_home;
};

void TestDesignerWindow::init()
{
    m_home = std::make_unique<TestSupport::TempHome>();
}

void TestDesignerWindow::dataPanelInsertsExpressions_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dataset field") << QStringLiteral("收件信息") << QStringLiteral("收件人")
                                   << QStringLiteral("[收件信息.\"收件人\"]");
    QTest::newRow("second dataset") << QStringLiteral("寄件信息") << QStringLiteral("公司名称")
                                    << QStringLiteral("[寄件信息.\"公司名称\"]");
    QTest::newRow("variable") << QStringLiteral("自定义变量") << QStringLiteral("sHPname") << QStringLiteral("[sHPname]");
    QTest::newRow("system value") << QStringLiteral("系统变量") << QStringLiteral("Page#") << QStringLiteral("[Page#]");
}

void TestDesignerWindow::dataPanelInsertsExpressions()
{
    QFETCH(QString, parent);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    ReportEngine engine;
    DesignRequest r;
    r.datasets.push_back({recipients(), QStringLiteral("frxMain"), QString()});
    r.datasets.push_back({senderRows(), QStringLiteral("frxDBDataset1"), QString()});
    r.variables = DesignerVariables::waybillVariables();
    QVERIFY(PrepareDesign(engine, kFixture, r));
    DesignerWindow w(engine, {});
    QTreeWidgetItem *it = findItem(w.dataPanel(), parent, item);
    QVERIFY(it);
    QVERIFY(!findItem(w.dataPanel(), QStringLiteral("寄件信息"), QStringLiteral("F_bakPath")));  // hidden field
    emit w.dataPanel().itemDoubleClicked(it, 0);
    QCOMPARE(w.document().selection().size(), 1);
    ReportObject *o = w.document().selection().front();
    QCOMPARE(o->kind(), ReportObject::Kind::Memo);
    QCOMPARE(static_cast<ReportMemo *>(o)->text, expected);
    w.dataPanel().setCurrentItem(it);
    std::unique_ptr<QMimeData> drag(w.dataPanel().model()->mimeData({w.dataPanel().currentIndex()}));
    QVERIFY(drag);
    QCOMPARE(drag->data(DesignerCanvas::ExpressionMime), expected.toUtf8());
}

void TestDesignerWindow::droppedFieldLandsOnTheGrid()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(kFixture));
    DesignerWindow w(engine, {});
    w.show();
    DesignerCanvas &c = w.canvas();
    QMimeData mime;
    mime.setData(DesignerCanvas::ExpressionMime, QByteArray("[收件信息.\"手机\"]"));
    const QPointF at = c.toView({40.4, 60.6});
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(c.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(c.viewport(), &drop);
    QCOMPARE(w.document().selection().size(), 1);
    const QRectF r = w.document().objectRectMm(*w.document().selection().front());
    QVERIFY(near(r.topLeft(), QPointF(40, 61)));
    QCOMPARE(static_cast<ReportMemo *>(w.document().selection().front())->text, QStringLiteral("[收件信息.\"手机\"]"));
}

void TestDesignerWindow::mouseSelectsMovesAndResizes()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(kFixture));
    DesignerWindow w(engine, {});
    w.show();
    DesignerCanvas &c = w.canvas();
    c.setZoom(2);
    DesignerDocument &d = w.document();
    ReportObject *memo = d.object(QStringLiteral("memRecipient"));  // 50, 20, 40 x 6 mm
    const QRectF start = d.objectRectMm(*memo);
    QWidget *vp = c.viewport();
    c.horizontalScrollBar()->setValue(0);
    c.verticalScrollBar()->setValue(0);

    QTest::mouseClick(vp, Qt::LeftButton, {}, viewPoint(c, start.center()));
    QCOMPARE(d.selection(), QList<ReportObject *>{memo});

    // Drag by 10.3 x 5.2 mm: the grid takes it to whole millimetres.
    const QPointF from = start.center();
    QTest::mousePress(vp, Qt::LeftButton, {}, viewPoint(c, from));
    QTest::mouseMove(vp, viewPoint(c, from + QPointF(5, 2)));
    QTest::mouseMove(vp, viewPoint(c, from + QPointF(10.3, 5.2)));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, viewPoint(c, from + QPointF(10.3, 5.2)));
    QVERIFY(near(d.objectRectMm(*memo).topLeft(), start.topLeft() + QPointF(10, 5)));
    QCOMPARE(d.undoStack().count(), 1);

    // The lower right handle makes it larger.
    const QRectF moved = d.objectRectMm(*memo);
    QTest::mousePress(vp, Qt::LeftButton, {}, viewPoint(c, moved.bottomRight()));
    QTest::mouseMove(vp, viewPoint(c, moved.bottomRight() + QPointF(3, 2)));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, viewPoint(c, moved.bottomRight() + QPointF(6, 4)));
    const QRectF resized = d.objectRectMm(*memo);
    QVERIFY(near(resized.topLeft(), moved.topLeft()));
    QVERIFY(near(resized.bottomRight(), moved.bottomRight() + QPointF(6, 4)));

    // Shift-click adds, a rubber band over empty paper picks what it touches.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, viewPoint(c, d.objectRectMm(*d.object(QStringLiteral("memFee"))).center()));
    QCOMPARE(d.selection().size(), 2);
    const QRectF fee = d.objectRectMm(*d.object(QStringLiteral("memFee")));
    const QRectF date = d.objectRectMm(*d.object(QStringLiteral("memDate")));
    QTest::mousePress(vp, Qt::LeftButton, {}, viewPoint(c, fee.topLeft() - QPointF(2, 2)));
    QTest::mouseMove(vp, viewPoint(c, date.center()));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, viewPoint(c, date.center()));
    QCOMPARE(d.selection().size(), 2);
    QVERIFY(d.selection().contains(d.object(QStringLiteral("memFee"))));
    QVERIFY(d.selection().contains(d.object(QStringLiteral("memDate"))));
    QVERIFY(!d.selection().contains(d.object(QStringLiteral("picForm"))));  // the scanned form lets clicks through
}

void TestDesignerWindow::keysNudgeAndUndo()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(kFixture));
    DesignerWindow w(engine, {});
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    DesignerDocument &d = w.document();
    ReportObject *memo = d.object(QStringLiteral("memFee"));
    const QRectF start = d.objectRectMm(*memo);
    d.select(memo);
    w.canvas().setFocus();
    QTest::keyClick(&w.canvas(), Qt::Key_Right);
    QTest::keyClick(&w.canvas(), Qt::Key_Right);
    QTest::keyClick(&w.canvas(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&w.canvas(), Qt::Key_Right, Qt::ControlModifier);
    const QRectF now = d.objectRectMm(*memo);
    QVERIFY(qAbs(now.x() - (start.x() + 0.2)) < 1e-6);
    QVERIFY(qAbs(now.y() - (start.y() + 1)) < 1e-6);
    QVERIFY(qAbs(now.width() - (start.width() + 0.1)) < 1e-6);

    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);  // the resize
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);  // the moves
    QCOMPARE(d.objectRectMm(*memo), start);
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(qAbs(d.objectRectMm(*memo).y() - (start.y() + 1)) < 1e-6);

    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d.selection().size(), 1);
    ReportObject *copy = d.selection().front();
    QVERIFY(copy != memo);
    QVERIFY(near(d.objectRectMm(*copy).topLeft(), d.objectRectMm(*memo).topLeft() + QPointF(5, 5)));
    QTest::keyClick(&w.canvas(), Qt::Key_Delete);
    QVERIFY(!d.object(copy->name));
}

void TestDesignerWindow::toolsZoomAndBands()
{
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(kFixture));
    DesignerWindow w(engine, {});
    w.resize(1366, 768);
    w.show();
    DesignerCanvas &c = w.canvas();
    DesignerDocument &d = w.document();
    const int objects = d.allObjects().size();

    w.findChild<QAction *>(QStringLiteral("actToolShape"))->trigger();
    QCOMPARE(c.tool(), DesignerCanvas::Tool::Shape);
    QTest::mousePress(c.viewport(), Qt::LeftButton, {}, viewPoint(c, {150, 30}));
    QTest::mouseMove(c.viewport(), viewPoint(c, {170, 45}));
    QTest::mouseRelease(c.viewport(), Qt::LeftButton, {}, viewPoint(c, {170, 45}));
    QCOMPARE(d.allObjects().size(), objects + 1);
    QVERIFY(near(d.objectRectMm(*d.selection().front()), QRectF(150, 30, 20, 15)));
    QCOMPARE(c.tool(), DesignerCanvas::Tool::Select);
    QVERIFY(w.findChild<QAction *>(QStringLiteral("actToolSelect"))->isChecked());

    w.findChild<QAction *>(QStringLiteral("actToolMemo"))->trigger();
    QTest::mouseClick(c.viewport(), Qt::LeftButton, {}, viewPoint(c, {20, 100}));
    QVERIFY(near(d.objectRectMm(*d.selection().front()), QRectF(20, 100, 40, 6)));

    const double zoom = c.zoom();
    w.findChild<QAction *>(QStringLiteral("actZoomIn"))->trigger();
    QVERIFY(c.zoom() > zoom);
    w.findChild<QAction *>(QStringLiteral("actZoomWidth"))->trigger();
    QVERIFY(qAbs(c.toView({230, 0}).x() - c.toView({0, 0}).x() - (c.viewport()->width() - 96 - 28)) < 2);

    // Dragging a band's lower edge in the caption column sets its height on the grid.
    ReportBand *footer = d.band(QStringLiteral("Footer1"));
    const QRectF band = d.bandRectMm(*footer);
    const QPoint edge(int(c.toView({0, 0}).x()) - 40, viewPoint(c, {0, band.bottom()}).y());
    QTest::mousePress(c.viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(c.viewport(), edge + QPoint(0, int(4.4 * c.pixelsPerMm())));
    QTest::mouseRelease(c.viewport(), Qt::LeftButton, {}, edge + QPoint(0, int(4.4 * c.pixelsPerMm())));
    QVERIFY(qAbs(d.bandRectMm(*footer).bottom() - std::round(band.bottom() + 4.4)) < 1e-6);

    w.findChild<QAction *>(QStringLiteral("actSnap"))->trigger();
    QVERIFY(!c.snapToGrid());
    QVERIFY(!w.grab().isNull());
}

void TestDesignerWindow::newTemplateAsksForAFileInQr()
{
    ReportEngine engine;
    QVERIFY(PrepareDesign(engine, QStringLiteral("kdNew"), {}));
    QVERIFY(engine.report().fileName.isEmpty());
    DesignerWindow::Options o;
    o.waybill = true;
    o.proposedFileName = QStringLiteral("kdNew.fr3");
    DesignerWindow w(engine, o);
    QVERIFY(w.document().band(QStringLiteral("MDmain")));
    w.insertExpression(QStringLiteral("[sHPname]"));
    UiHooks::FileRequest asked;
    UiHooks::hooks().saveFile = [&](const UiHooks::FileRequest &r) -> std::optional<QString> {
        asked = r;
        return r.folder + QStringLiteral("/kdNew");
    };
    QVERIFY(w.save());
    UiHooks::hooks().saveFile = {};
    QCOMPARE(asked.folder, ProgramFolder::reportFolder());
    QCOMPARE(asked.fileName, QStringLiteral("kdNew.fr3"));
    const QString file = ProgramFolder::reportFolder() + QStringLiteral("/kdNew.fr3");
    ReportTemplate back;
    QVERIFY(Fr3Reader::readFile(file, back));
    QVERIFY(back.findBand(QStringLiteral("MDmain")));
    QCOMPARE(back.variablesOf(QStringLiteral("自定义变量")),
             (QStringList{QStringLiteral("sCurKHname"), QStringLiteral("memoDate"), QStringLiteral("memoCaption")}));
    QVERIFY(!w.document().isModified());
    QVERIFY(w.windowTitle().contains(QStringLiteral("kdNew.fr3")));
}

void TestDesignerWindow::closingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("yes saves") << 1 << true;
    QTest::newRow("no discards") << 2 << false;
}

void TestDesignerWindow::closingAsksAboutUnsavedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, kept);
    const QString file = ProgramFolder::reportFolder() + QStringLiteral("/kd.fr3");
    QDir().mkpath(ProgramFolder::reportFolder());
    QVERIFY(QFile::copy(kFixture, file));
    ReportEngine engine;
    QVERIFY(engine.loadFromFile(file));
    const QByteArray original = Fr3Writer::toData(engine.report());
    TestSupport::MessageRecorder messages;
    messages.answers = {answer};
    {
        DesignerWindow w(engine, {});
        w.show();
        w.document().moveObjects({w.document().object(QStringLiteral("memFee"))}, {2, 2});
        QVERIFY(w.close());
    }
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.front().second, 1);
    ReportTemplate onDisk;
    QVERIFY(Fr3Reader::readFile(file, onDisk));
    QCOMPARE(Fr3Writer::toData(onDisk) != original, kept);
    QCOMPARE(Fr3Writer::toData(engine.report()) != original, kept);

    // Nothing changed: no question.
    messages.shown.clear();
    DesignerWindow again(engine, {});
    again.show();
    QVERIFY(again.close());
    QVERIFY(messages.shown.isEmpty());
}

void TestDesignerWindow::designReportRunsModally()
{
    const QString file = ProgramFolder::reportFolder() + QStringLiteral("/frKDfahuoList.fr3");
    QDir().mkpath(ProgramFolder::reportFolder());
    QVERIFY(QFile::copy(kFixture, file));
    bool sawWindow = false;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *w = qobject_cast<DesignerWindow *>(top); w && w->isVisible()) {
                sawWindow = w->windowModality() == Qt::ApplicationModal;
                QVERIFY(findItem(w->dataPanel(), QStringLiteral("frxDM"), QStringLiteral("收件人")));
                w->insertExpression(QStringLiteral("[memoCaption]"));
                w->save();
                w->close();
            }
    });
    QVERIFY(DesignReport(QStringLiteral("frKDfahuoList"), recipients()));
    QVERIFY(sawWindow);
    ReportTemplate back;
    QVERIFY(Fr3Reader::readFile(file, back));
    QCOMPARE(back.variablesOf(QStringLiteral("自定义变量")),
             (QStringList{QStringLiteral("sCurKHname"), QStringLiteral("memoDate"), QStringLiteral("memoCaption")}));
    QVERIFY(back.categories() == QStringList{QStringLiteral("自定义变量")});
}

// The designer at 1366 x 768 with a drawn paper form and fields placed on it, and the
// PDF of that template over sample data. Writes pictures only when asked to.
void TestDesignerWindow::waybillOverScannedForm()
{
    const QString shots = qEnvironmentVariable("MARLO_DESIGNER_SHOTS");
    const QImage form = drawWaybillForm(230, 127);
    const QString picture = ProgramFolder::imageFolder() + QStringLiteral("/form.jpg");
    QDir().mkpath(ProgramFolder::imageFolder());
    QVERIFY(form.save(picture, "JPG", 85));

    ReportEngine engine;
    DesignRequest r;
    r.datasets.push_back({recipients(), QStringLiteral("frxMain"), QString()});
    r.datasets.push_back({senderRows(), QStringLiteral("frxDBDataset1"), QString()});
    r.variables = DesignerVariables::waybillVariables();
    QVERIFY(PrepareDesign(engine, QStringLiteral("kdMarlo"), r));
    engine.setValueCallback([](const QString &name, QVariant &v) {
        const QHash<QString, QVariant> values = {{QStringLiteral("sHPname"), QStringLiteral("文件")},
                                                 {QStringLiteral("iSL"), 2},
                                                 {QStringLiteral("fZL"), 1.5},
                                                 {QStringLiteral("fYF"), 12.5},
                                                 {QStringLiteral("dFJdate"), QStringLiteral("2013-03-05")}};
        if (!values.contains(name))
            return false;
        v = values.value(name);
        return true;
    });
    DesignerWindow::Options o;
    o.waybill = true;
    o.scannedPicture = picture;
    DesignerWindow w(engine, o);
    w.resize(1366, 768);
    DesignerDocument &d = w.document();
    DesignerPageSettings page = d.pageSettings();
    page.paperSize = 256;
    page.width = 230;
    page.height = 127;
    page.leftMargin = page.topMargin = page.rightMargin = page.bottomMargin = 0;
    d.setPageSettings(page);
    d.setBandHeightMm(d.band(QStringLiteral("MDmain")), 127);
    QVERIFY(w.loadWaybillPicture(picture));
    for (const Placement &p : kWaybillFields) {
        ReportMemo *m = d.insertField(QString::fromUtf8(p.expression), p.rect.topLeft());
        d.setObjectRectMm(m, p.rect);
        d.setProperty({m}, DesignerProperty::FontName, QStringLiteral("宋体"));
        d.setProperty({m}, DesignerProperty::FontSize, 11.0);
    }
    d.select(d.object(QStringLiteral("Memo5")));
    w.show();
    w.canvas().zoomToWidth();
    QCoreApplication::processEvents();
    // The designer's preview: the caller's data and values, the scanned form included.
    std::shared_ptr<PreparedReport> prepared;
    const auto old = ReportUi::setPreviewHandler([&](std::shared_ptr<PreparedReport> r) { prepared = r; });
    w.findChild<QAction *>(QStringLiteral("actPreview"))->trigger();
    ReportUi::setPreviewHandler(old);
    QVERIFY(prepared && prepared->pageCount() == 1);
    QCOMPARE(prepared->pages.front().items.size(), std::size(kWaybillFields) + 1);
    QStringList texts;
    for (const PreparedItem &item : prepared->pages.front().items)
        texts << item.text;
    QVERIFY(texts.contains(QStringLiteral("张三")));
    QVERIFY(texts.contains(QStringLiteral("2013-03-05")));
    QCOMPARE(prepared->pages.front().items.front().object->name, d.waybillPicture()->name);
    if (shots.isEmpty())
        return;
    QDir().mkpath(shots);
    QVERIFY(w.grab().save(shots + QStringLiteral("/designer.png")));
    QVERIFY(ReportExport::toPdf(*prepared, shots + QStringLiteral("/waybill.pdf"), false));
    QVERIFY(ReportExport::pageImage(*prepared, 0, 100, true).save(shots + QStringLiteral("/preview.png")));
    const int hold = qEnvironmentVariableIntValue("MARLO_DESIGNER_HOLD_MS");
    if (hold > 0)
        QTest::qWait(hold);
}

QTEST_MAIN(TestDesignerWindow)
#include "test_designer_window.moc"
