#include "core/Messages.h"
#include "core/UiHooks.h"
#include "couriers/ImageZoom.h"
#include "couriers/TfrmImageDisp.h"

#include "DialogDriver.h"
#include "WaybillPicture.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QImageReader>
#include <QStatusBar>
#include <QToolBar>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::MessageRecorder;

class TestImageViewer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString savePicture(const QString &name, const QSize &size = QSize(200, 100))
    {
        const QString path = m_dir.filePath(name);
        waybillPicture(size).save(path);
        return path;
    }

private Q_SLOTS:
    void zoomLimits_data()
    {
        QTest::addColumn<bool>("zoomIn");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<bool>("inEnabled");
        QTest::addColumn<bool>("outEnabled");
        QTest::newRow("one in") << true << 1 << "150%" << QSize(300, 150) << true << true;
        QTest::newRow("six in") << true << 6 << "1000%" << QSize(2000, 1000) << false << true;
        QTest::newRow("seven in stays") << true << 7 << "1000%" << QSize(2000, 1000) << false << true;
        QTest::newRow("two out") << false << 2 << "50%" << QSize(100, 50) << true << true;
        QTest::newRow("seven out") << false << 7 << "7%" << QSize(14, 7) << true << true;
        QTest::newRow("eight out") << false << 8 << "5%" << QSize(10, 5) << true << false;
    }

    void zoomLimits()
    {
        QFETCH(bool, zoomIn);
        QFETCH(int, steps);
        TfrmImageDisp v;
        v.PrepareViewer(QStringLiteral("a.png"), waybillPicture(QSize(200, 100)));
        QCOMPARE(v.statusText(4), QStringLiteral("100%"));
        for (int i = 0; i < steps; ++i) {
            QAction *a = zoomIn ? v.ActMax : v.ActMin;
            if (a->isEnabled())
                a->trigger();
        }
        QTEST(v.statusText(4), "shown");
        QTEST(v.Panel1->size(), "panel");
        QTEST(v.Image1->size(), "panel");
        QTEST(v.ActMax->isEnabled(), "inEnabled");
        QTEST(v.ActMin->isEnabled(), "outEnabled");
        v.ActOld->trigger();
        QCOMPARE(v.statusText(4), QStringLiteral("100%"));
        QCOMPARE(v.Panel1->size(), QSize(200, 100));
    }

    void zoomTableEnds()
    {
        QCOMPARE(ImageZoom::factor(0), 0.05);
        QCOMPARE(ImageZoom::factor(16), 10.0);
        QCOMPARE(ImageZoom::zoomedSize(QSize(333, 101), 0.07), QSize(23, 7));
    }

    void loadJpegShowsOwnSize()
    {
        const QString file = savePicture(QStringLiteral("运单.JPG"), QSize(320, 176));
        TfrmImageDisp v;
        v.PrepareViewer({}, {});
        v.ActMax->trigger();
        QVERIFY(v.LoadPictureFile(file));
        QCOMPARE(v.fileName(), file);
        QCOMPARE(v.statusText(2), file);
        QCOMPARE(v.statusText(3), QStringLiteral("320x176"));
        QCOMPARE(v.statusText(4), QStringLiteral("100%"));
        QCOMPARE(v.zoomLevel(), ImageZoom::OwnSizeLevel);
    }

    void unreadableAndMissingFiles()
    {
        const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        const QString good = savePicture(QStringLiteral("good.png"));
        MessageRecorder messages;
        TfrmImageDisp v;
        v.PrepareViewer(good, waybillPicture(QSize(200, 100)));

        QVERIFY(!v.LoadPictureFile(m_dir.filePath(QStringLiteral("missing.bmp"))));
        QVERIFY(messages.shown.isEmpty());

        QVERIFY(!v.LoadPictureFile(broken));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].first, QStringLiteral("读取文件：") + broken + QStringLiteral("时发生错误！\n") +
                                              QStringLiteral("该文件不是标准格式的文件，或者该文件已经被损坏！"));
        QCOMPARE(messages.shown[0].second, int(MessError));
        QCOMPARE(v.fileName(), good);
        QCOMPARE(v.picture().size(), QSize(200, 100));
    }

    void placementAndKeys()
    {
        TfrmImageDisp v;
        v.resize(600, 400);
        v.PrepareViewer({}, waybillPicture(QSize(100, 60)));
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        const QSize box = v.ScrollBox1->viewport()->size();
        QCOMPARE(v.Panel1->pos(), QPoint((box.width() - 100) / 2, (box.height() - 60) / 2));

        v.PrepareViewer({}, waybillPicture(QSize(1600, 1200)));
        QCoreApplication::processEvents();
        QCOMPARE(v.Panel1->pos(), QPoint(0, 0));
        QScrollBar *down = v.ScrollBox1->verticalScrollBar();
        QScrollBar *across = v.ScrollBox1->horizontalScrollBar();
        QTest::keyClick(v.ScrollBox1, Qt::Key_PageDown);
        QCOMPARE(down->value(), down->pageStep());
        QTest::keyClick(v.ScrollBox1, Qt::Key_Right);
        QCOMPARE(across->value(), across->singleStep());
        QTest::keyClick(v.ScrollBox1, Qt::Key_Up);
        QCOMPARE(down->value(), down->pageStep() - down->singleStep());

        v.ActMax->trigger();
        QTest::keyClick(v.ScrollBox1, Qt::Key_Space);
        QCOMPARE(v.statusText(4), QStringLiteral("100%"));
    }

    void fullScreenAndEscape()
    {
        TfrmImageDisp v;
        v.PrepareViewer({}, waybillPicture(QSize(100, 60)));
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.ActFull->trigger();
        QVERIFY(v.isFullScreenView());
        QVERIFY(v.ToolBar1->isHidden());
        QTest::keyClick(v.ScrollBox1, Qt::Key_Escape);
        QVERIFY(!v.isFullScreenView());
        QVERIFY(v.isVisible());  // the first Esc only leaves full screen
        QVERIFY(!v.ToolBar1->isHidden());
        QVERIFY(!v.StatusBar1->isHidden());
    }

    void leavingResult_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("result");
        QTest::newRow("cancel keeps the start") << false << false << "start.png";
        QTest::newRow("clear then cancel") << true << false << "start.png";
        QTest::newRow("save keeps the shown") << false << true << "start.png";
        QTest::newRow("clear then save") << true << true << "";
    }

    void leavingResult()
    {
        QFETCH(bool, clear);
        QFETCH(bool, save);
        whenShown<TfrmImageDisp>([clear, save](TfrmImageDisp *d) {
            if (clear)
                d->ActClear->trigger();
            (save ? d->ActSave : d->ActCancel)->trigger();
        });
        QTEST(ShowImageViewer(nullptr, QStringLiteral("start.png"), waybillPicture()), "result");
    }

    void loadThenSaveReturnsTheLoadedFile()
    {
        const QString file = savePicture(QStringLiteral("loaded.bmp"));
        UiHooks::hooks().openFile = [file](const UiHooks::FileRequest &) { return std::optional<QString>(file); };
        whenShown<TfrmImageDisp>([](TfrmImageDisp *d) {
            d->ActAdd->trigger();
            d->ActSave->trigger();
        });
        QCOMPARE(ShowImageViewer(nullptr, QStringLiteral("start.png"), QImage()), file);
        UiHooks::hooks().openFile = nullptr;
    }

    void exportWritesTheChosenFormat_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpg") << "out.jpg" << "out.jpg" << QByteArray("jpeg");
        QTest::newRow("bmp") << "out.BMP" << "out.BMP" << QByteArray("bmp");
        QTest::newRow("no extension") << "out" << "out.jpg" << QByteArray("jpeg");
        QTest::newRow("unknown extension") << "out.gif" << "out.gif.jpg" << QByteArray("jpeg");
    }

    void exportWritesTheChosenFormat()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QByteArray, format);
        const QString target = m_dir.filePath(chosen);
        UiHooks::hooks().saveFile = [target](const UiHooks::FileRequest &) { return std::optional<QString>(target); };
        TfrmImageDisp v;
        v.PrepareViewer({}, waybillPicture(QSize(120, 80)));
        v.ActExport->trigger();
        UiHooks::hooks().saveFile = nullptr;
        QImageReader reader(m_dir.filePath(written));
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(120, 80));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        const QString file = savePicture(QStringLiteral("顺丰运单.png"), QSize(870, 480));
        TfrmImageDisp v;
        v.resize(960, 640);
        v.PrepareViewer({}, {});
        v.LoadPictureFile(file);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.ActMin->trigger();
        QVERIFY(v.grab().save(dir + QStringLiteral("/image_viewer.png")));
    }
};

QTEST_MAIN(TestImageViewer)
#include "test_image_viewer.moc"
