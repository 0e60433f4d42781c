#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"
#include "couriers/CourierStore.h"
#include "couriers/TfrmImageDisp.h"
#include "couriers/TfrmKDtypeEdit.h"
#include "couriers/TfrmKDtypeSet.h"
#include "widgets/DataGrid.h"
#include "widgets/SqlListModel.h"

#include "DialogDriver.h"
#include "WaybillPicture.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using TestSupport::MessageRecorder;

namespace {

const QString Duplicate = QStringLiteral("快递名称重复，请重新输入！");

QByteArray digest(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

bool locate(SqlListModel *table, const QString &name)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->value(row, QStringLiteral("F_name")).toString() == name) {
            table->setCurrentRow(row);
            return true;
        }
    return false;
}

QString stored(const QString &name, const char *field)
{
    return dmData().QueryText(QStringLiteral("select %1 from t_KDimage where F_name = ?").arg(QLatin1String(field)), {name});
}

int typeCount()
{
    return dmData().QueryInt(QStringLiteral("select count(*) from t_KDimage"));
}

} // namespace

class TestCourierTypes : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::TempHome> m_home;
    QTemporaryDir m_pictures;

    QString pictureIn(const QString &folder, const QString &name, const QString &mark)
    {
        QDir().mkpath(m_pictures.filePath(folder));
        const QString path = m_pictures.filePath(folder + QLatin1Char('/') + name);
        waybillPicture(QSize(435, 240), mark).save(path);
        return path;
    }

    // Chooses a picture in the editor through the viewer, as the operator does.
    static void choosePicture(TfrmKDtypeEdit &editor, const QString &file)
    {
        whenShown<TfrmImageDisp>([file](TfrmImageDisp *d) {
            d->LoadPictureFile(file);
            d->ActSave->trigger();
        });
        editor.Action1->trigger();
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestSupport::TempHome>();
        QString why;
        QVERIFY2(TestSupport::openFreshDatabase(&why), qPrintable(why));
    }

    void cleanup()
    {
        dmData().close();
        m_home.reset();
    }

    void duplicateNames_data()
    {
        QTest::addColumn<QString>("modifying");  // empty: a new type
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("new, other case") << "" << "邮政ems" << true;
        QTest::newRow("new, blanks around") << "" << "  顺丰快递 " << true;
        QTest::newRow("new, unknown") << "" << "韵达快递" << false;
        QTest::newRow("own name in other case") << "邮政EMS" << "邮政ems" << false;
        QTest::newRow("own name unchanged") << "顺丰快递" << "顺丰快递" << false;
        QTest::newRow("another type's name") << "顺丰快递" << "申通快递" << true;
        QTest::newRow("another type's name, other case") << "顺丰快递" << "邮政Ems" << true;
    }

    void duplicateNames()
    {
        QFETCH(QString, modifying);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        MessageRecorder messages;
        TfrmKDtypeSet list;
        const int before = typeCount();
        TfrmKDtypeEdit editor(list.QryTable);
        if (!modifying.isEmpty())
            QVERIFY(locate(list.QryTable, modifying));
        editor.PrepareEditor(modifying.isEmpty() ? TfrmKDtypeEdit::New : TfrmKDtypeEdit::Modify);
        editor.edtName->setText(typed);
        editor.Button1->click();
        QCOMPARE(messages.saw(Duplicate), refused);
        QCOMPARE(editor.result(), refused ? 0 : int(QDialog::Accepted));
        QCOMPARE(typeCount(), before + (!refused && modifying.isEmpty() ? 1 : 0));
        if (!refused) {
            QCOMPARE(list.QryTable->current(QStringLiteral("F_name")).toString(), typed.trimmed());
            QCOMPARE(list.recordCountText(), QStringLiteral("记录数：%1").arg(list.QryTable->rowCount()));
        }
    }

    void emptyNameRefused()
    {
        MessageRecorder messages;
        TfrmKDtypeSet list;
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::New);
        editor.edtName->setText(QStringLiteral("   "));
        editor.Button1->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("当前快递名称不能为空！")});
        QCOMPARE(typeCount(), 6);
    }

    void continuousAdding()
    {
        MessageRecorder messages;
        TfrmKDtypeSet list;
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::New);
        QVERIFY(!editor.CheckBox1->isHidden());
        QVERIFY(editor.DBNavigator1->isHidden());
        QCOMPARE(editor.windowTitle(), QStringLiteral("快递管理 - 新增"));
        editor.CheckBox1->setChecked(true);
        editor.edtName->setText(QStringLiteral("韵达快递"));
        editor.edtBBfileName->setText(QStringLiteral("kdYD"));
        editor.Button1->click();
        QCOMPARE(editor.result(), 0);  // stays open for the next type
        QVERIFY(editor.edtName->text().isEmpty());
        QVERIFY(editor.edtBBfileName->text().isEmpty());
        QCOMPARE(stored(QStringLiteral("韵达快递"), "F_BBfileName"), QStringLiteral("kdYD"));
        QCOMPARE(list.QryTable->current(QStringLiteral("F_name")).toString(), QStringLiteral("韵达快递"));
    }

    void navigatorFollowsTheList()
    {
        TfrmKDtypeSet list;
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::Modify);
        QCOMPARE(editor.windowTitle(), QStringLiteral("快递管理 - 修改"));
        QVERIFY(editor.CheckBox1->isHidden());
        QCOMPARE(editor.edtName->text(), QStringLiteral("邮政EMS"));
        QVERIFY(!editor.nbPrior->isEnabled());
        editor.nbNext->click();
        QCOMPARE(editor.edtName->text(), QStringLiteral("顺丰快递"));
        QCOMPARE(editor.edtKDweb->text(), QStringLiteral("http://www.sf-express.com"));
        editor.nbLast->click();
        QCOMPARE(editor.edtName->text(), QStringLiteral("中通快递"));
        QVERIFY(!editor.nbNext->isEnabled());
        QCOMPARE(list.QryTable->currentRow(), 5);
    }

    void webAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");  // empty: refused
        QTest::newRow("without scheme") << "www.sf-express.com" << "";
        QTest::newRow("plain web") << "http://www.sf-express.com" << "http://www.sf-express.com";
        QTest::newRow("blanks around") << "  http://www.sto.cn " << "http://www.sto.cn";
        QTest::newRow("encrypted web") << "https://www.sf-express.com" << "";
        QTest::newRow("upper case scheme") << "HTTP://WWW.SF.COM" << "";
        QTest::newRow("scheme inside") << "查件 http://www.zto.com" << "查件 http://www.zto.com";
    }

    void webAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        MessageRecorder messages;
        QStringList asked;
        UiHooks::hooks().openDocument = [&asked](const QString &url) {
            asked << url;
            return true;
        };
        TfrmKDtypeSet list;
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::New);
        editor.edtName->setText(QStringLiteral("韵达快递"));
        editor.edtKDweb->setText(typed);
        editor.sbGDpath->click();
        UiHooks::hooks().openDocument = nullptr;
        if (opened.isEmpty()) {
            QVERIFY(asked.isEmpty());
            QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{QStringLiteral("请输入正确的网址！"), int(MessWarning)}}));
        } else {
            QCOMPARE(asked, QStringList{opened});
            QVERIFY(messages.shown.isEmpty());
        }
        // Refused or not, the address is saved as typed.
        editor.Button1->click();
        QCOMPARE(stored(QStringLiteral("韵达快递"), "F_KDweb"), typed.trimmed());
    }

    void pictureKeptOnce()
    {
        MessageRecorder messages;
        const QString first = pictureIn(QStringLiteral("scan"), QStringLiteral("运单.png"), QStringLiteral("第一张"));
        const QString images = ProgramFolder::imageFolder();
        const QString kept = images + QStringLiteral("/运单.png");
        QVERIFY(!QDir(images).exists() || !QFileInfo::exists(kept));

        TfrmKDtypeSet list;
        {
            TfrmKDtypeEdit editor(list.QryTable);
            editor.PrepareEditor(TfrmKDtypeEdit::New);
            editor.edtName->setText(QStringLiteral("韵达快递"));
            choosePicture(editor, first);
            QCOMPARE(editor.edtImagePath->text(), first);
            editor.Button1->click();
        }
        QCOMPARE(stored(QStringLiteral("韵达快递"), "F_imagePath"), kept);
        QCOMPARE(digest(kept), digest(first));
        const QDateTime written = QFileInfo(kept).lastModified();

        // Saving the type again leaves the copy alone: its path is the copy's.
        QTest::qWait(20);
        {
            QVERIFY(locate(list.QryTable, QStringLiteral("韵达快递")));
            TfrmKDtypeEdit editor(list.QryTable);
            editor.PrepareEditor(TfrmKDtypeEdit::Modify);
            QCOMPARE(editor.edtImagePath->text(), kept);
            QVERIFY(!editor.picture().isNull());
            editor.cbUseFlag->setChecked(true);
            editor.Button1->click();
        }
        QCOMPARE(QFileInfo(kept).lastModified(), written);
        QCOMPARE(QDir(images).entryList(QDir::Files).size(), 1);

        // Another picture of the same file name: the existing file stays and is the one used.
        const QString second = pictureIn(QStringLiteral("other"), QStringLiteral("运单.png"), QStringLiteral("第二张"));
        QVERIFY(digest(second) != digest(first));
        {
            TfrmKDtypeEdit editor(list.QryTable);
            editor.PrepareEditor(TfrmKDtypeEdit::New);
            editor.edtName->setText(QStringLiteral("天天快递"));
            choosePicture(editor, second);
            editor.Button1->click();
        }
        QCOMPARE(stored(QStringLiteral("天天快递"), "F_imagePath"), kept);
        QCOMPARE(digest(kept), digest(first));
        QVERIFY(messages.shown.isEmpty());
    }

    void pictureCopyTarget_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("target");
        QTest::newRow("other folder") << "/home/a/扫描/sf.jpg" << "/p/images/sf.jpg";
        QTest::newRow("already there") << "/p/images/sf.jpg" << "/p/images/sf.jpg";
        QTest::newRow("blanks around") << " /x/y/ems.bmp " << "/p/images/ems.bmp";
    }

    void pictureCopyTarget()
    {
        QFETCH(QString, chosen);
        QTEST(CourierStore::pictureCopyTarget(chosen, QStringLiteral("/p/images")), "target");
    }

    void viewerCancelKeepsThePicture()
    {
        const QString first = pictureIn(QStringLiteral("scan"), QStringLiteral("ems.png"), QStringLiteral("EMS"));
        TfrmKDtypeSet list;
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::New);
        choosePicture(editor, first);
        whenShown<TfrmImageDisp>([](TfrmImageDisp *d) {
            d->ActClear->trigger();
            d->ActCancel->trigger();
        });
        editor.Action1->trigger();
        QCOMPARE(editor.edtImagePath->text(), first);
        QVERIFY(!editor.picture().isNull());
        whenShown<TfrmImageDisp>([](TfrmImageDisp *d) {
            d->ActClear->trigger();
            d->ActSave->trigger();
        });
        editor.Action1->trigger();
        QVERIFY(editor.edtImagePath->text().isEmpty());
        QVERIFY(editor.picture().isNull());
    }

    void stoppedTypesAndColours()
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_KDimage set F_useFlag = ? where F_name = ?"),
                                 {true, QStringLiteral("圆通快递")}));
        TfrmKDtypeSet list;
        auto names = [&list] {
            QStringList out;
            for (int r = 0; r < list.QryTable->rowCount(); ++r)
                out << list.QryTable->value(r, QStringLiteral("F_name")).toString();
            return out;
        };
        QCOMPARE(names(), (QStringList{"邮政EMS", "顺丰快递", "申通快递", "汇通快递", "中通快递"}));
        QCOMPARE(list.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel2"))->text(), QStringLiteral("记录数：5"));
        list.cbUseFlag->click();
        QCOMPARE(names(), (QStringList{"邮政EMS", "顺丰快递", "申通快递", "圆通快递", "汇通快递", "中通快递"}));
        QCOMPARE(list.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel2"))->text(), QStringLiteral("记录数：6"));
        QAbstractItemModel *shown = list.DBGridEh1->model();
        QCOMPARE(shown->data(shown->index(3, 0), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QVERIFY(shown->data(shown->index(2, 0), Qt::ForegroundRole).value<QBrush>().color() != QColor(Qt::red));
        QCOMPARE(list.StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel3"))->text().right(2), QStringLiteral("  "));
    }

    void pictureOfTheCurrentRow()
    {
        const QString file = pictureIn(QStringLiteral("scan"), QStringLiteral("sf.png"), QStringLiteral("SF"));
        const QString gone = m_pictures.filePath(QStringLiteral("deleted.png"));
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_KDimage set F_imagePath = ? where F_name = ?"),
                                 {file, QStringLiteral("顺丰快递")}));
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_KDimage set F_imagePath = ? where F_name = ?"),
                                 {gone, QStringLiteral("申通快递")}));
        MessageRecorder messages;
        TfrmKDtypeSet list;
        QVERIFY(locate(list.QryTable, QStringLiteral("顺丰快递")));
        QVERIFY(!list.Image1->pixmap().isNull());
        QVERIFY(locate(list.QryTable, QStringLiteral("申通快递")));
        QVERIFY(list.Image1->pixmap().isNull());
        QVERIFY(messages.shown.isEmpty());
    }

    void deleteAsksFirst()
    {
        const QString templateFile = ProgramFolder::reportFolder() + QStringLiteral("/kdSF.fr3");
        QDir().mkpath(ProgramFolder::reportFolder());
        QFile f(templateFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<TfrxReport/>");
        f.close();

        MessageRecorder messages;
        messages.answers = {MessNo, MessYes};
        TfrmKDtypeSet list;
        QVERIFY(locate(list.QryTable, QStringLiteral("顺丰快递")));
        list.sbDel->click();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].second, int(MessQuestion));
        QVERIFY(messages.shown[0].first.contains(QStringLiteral("顺丰快递")));
        QCOMPARE(typeCount(), 6);

        list.sbDel->click();
        QCOMPARE(typeCount(), 5);
        QVERIFY(stored(QStringLiteral("顺丰快递"), "F_name").isEmpty());
        QVERIFY(QFileInfo::exists(templateFile));
        QCOMPARE(list.recordCountText(), QStringLiteral("记录数：5"));
        QCOMPARE(list.QryTable->current(QStringLiteral("F_name")).toString(), QStringLiteral("申通快递"));
    }

    void emptyList()
    {
        QVERIFY(dmData().ExecSql(QStringLiteral("delete from t_KDimage")));
        MessageRecorder messages;
        TfrmKDtypeSet list;
        list.sbEdit->click();
        list.sbDel->click();
        QCOMPARE(messages.shown, (QList<QPair<QString, int>>{{QStringLiteral("此表为空，没有记录需要修改！"), int(MessError)},
                                                            {QStringLiteral("此表为空，没有记录需要删除！"), int(MessError)}}));
    }

    void screenshot()
    {
        const QString dir = qEnvironmentVariable("MARLO_SHOTS");
        if (dir.isEmpty())
            QSKIP("MARLO_SHOTS not set");
        const QString file = pictureIn(QStringLiteral("scan"), QStringLiteral("顺丰运单.png"), QString());
        const QString kept = ProgramFolder::imageFolder() + QStringLiteral("/顺丰运单.png");
        QDir().mkpath(ProgramFolder::imageFolder());
        QFile::copy(file, kept);
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_KDimage set F_imagePath = ? where F_name = ?"),
                                 {kept, QStringLiteral("顺丰快递")}));
        QVERIFY(dmData().ExecSql(QStringLiteral("update t_KDimage set F_useFlag = ? where F_name = ?"),
                                 {true, QStringLiteral("汇通快递")}));
        TfrmKDtypeSet list;
        list.cbUseFlag->click();
        QVERIFY(locate(list.QryTable, QStringLiteral("顺丰快递")));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.grab().save(dir + QStringLiteral("/courier_list.png")));
        TfrmKDtypeEdit editor(list.QryTable);
        editor.PrepareEditor(TfrmKDtypeEdit::Modify);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(editor.grab().save(dir + QStringLiteral("/courier_editor.png")));
        TfrmKDtypeEdit adding(list.QryTable);
        adding.PrepareEditor(TfrmKDtypeEdit::New);
        adding.show();
        QVERIFY(QTest::qWaitForWindowExposed(&adding));
        QVERIFY(adding.grab().save(dir + QStringLiteral("/courier_editor_new.png")));
    }
};

QTEST_MAIN(TestCourierTypes)
#include "test_courier_types.moc"
