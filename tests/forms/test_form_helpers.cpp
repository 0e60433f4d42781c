#include "core/PubUnit.h"
#include "widgets/FormHelpers.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

class TestFormHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inputMethodOnNestedContainers_data()
    {
        QTest::addColumn<QString>("imeName");
        QTest::newRow("configured") << QStringLiteral("fcitx-pinyin");
        QTest::newRow("empty name") << QString();
    }

    void inputMethodOnNestedContainers()
    {
        QFETCH(QString, imeName);
        PubUnit::globals().ImeName = imeName;
        QWidget form;
        auto *tabs = new QTabWidget(&form);
        auto *page = new QWidget;
        tabs->addTab(page, QStringLiteral("备注"));
        auto *group = new QGroupBox(page);
        auto *chinese = new QLineEdit(group);
        MarkChineseInput(chinese);
        auto *plain = new QLineEdit(group);
        auto *memo = new QPlainTextEdit(page);
        MarkChineseInput(memo);
        auto *combo = new QComboBox(&form);
        combo->setEditable(true);
        auto *number = new QDoubleSpinBox(group);
        auto *top = new QLineEdit(&form);
        form.setAttribute(Qt::WA_InputMethodEnabled, true);

        ApplyInputMethod(&form);

        QVERIFY(chinese->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(chinese->property("ImeName").toString(), imeName);
        QVERIFY(chinese->property("ImeName").isValid());
        QVERIFY(memo->testAttribute(Qt::WA_InputMethodEnabled));
        for (QWidget *off : std::initializer_list<QWidget *>{plain, combo, combo->lineEdit(), number, top})
            QVERIFY2(!off->testAttribute(Qt::WA_InputMethodEnabled), off->metaObject()->className());
        QVERIFY(!plain->property("ImeName").isValid());
        QVERIFY(form.testAttribute(Qt::WA_InputMethodEnabled));  // the container itself is not treated
    }

    void navButtons()
    {
        QWidget form;
        QList<QPushButton *> buttons;
        for (const char *n : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"}) {
            auto *b = new QPushButton(&form);
            b->setObjectName(QLatin1String(n));
            buttons << b;
        }
        auto *other = new QPushButton(&form);
        other->setObjectName(QStringLiteral("tbQuery"));
        SetNavButtons(&form, false);
        for (QPushButton *b : buttons)
            QVERIFY(!b->isEnabled());
        QVERIFY(other->isEnabled());
        SetNavButtons(&form, true);
        for (QPushButton *b : buttons)
            QVERIFY(b->isEnabled());
    }

    void selectComboItem()
    {
        QComboBox box;
        box.addItems({QString(), QStringLiteral(" Shunfeng "), QStringLiteral("EMS"), QStringLiteral("shunfeng")});
        box.setCurrentIndex(2);
        SelectComboItem(QStringLiteral("SHUNFENG  "), &box);
        QCOMPARE(box.currentIndex(), 3);  // the last equal item wins
        SelectComboItem(QStringLiteral("nothing"), &box);
        QCOMPARE(box.currentIndex(), 3);
    }
};

QTEST_MAIN(TestFormHelpers)
#include "test_form_helpers.moc"
