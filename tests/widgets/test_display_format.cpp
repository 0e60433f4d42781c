#include "core/DisplayFormat.h"

#include <QDateTime>
#include <QTest>

// The one formatter of cells, footers, reports and exports, over the formats the
// stored layouts and templates use.
class TestDisplayFormat : public QObject
{
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");

        const QString money = QStringLiteral("￥,0.00######;-￥,0.00######");
        QTest::newRow("0.00") << QVariant(1234.5) << "0.00" << "1234.50";
        QTest::newRow("0.00 zero") << QVariant(0.0) << "0.00" << "0.00";
        QTest::newRow("0.00 negative") << QVariant(-3.25) << "0.00" << "-3.25";
        QTest::newRow("0.00 rounds half up") << QVariant(1.005) << "0.00" << "1.01";
        QTest::newRow("0.00 rounds 2.675") << QVariant(2.675) << "0.00" << "2.68";
        QTest::newRow("0 rounds half away") << QVariant(2.5) << "0" << "3";
        QTest::newRow("0 negative half") << QVariant(-2.5) << "0" << "-3";
        QTest::newRow("0.00 carry") << QVariant(9.999) << "0.00" << "10.00";
        QTest::newRow("0.00 tiny negative is zero") << QVariant(-0.001) << "0.00" << "0.00";
        QTest::newRow("0.00 int") << QVariant(7) << "0.00" << "7.00";
        QTest::newRow("#,##0.00") << QVariant(1234567.891) << "#,##0.00" << "1,234,567.89";
        QTest::newRow("#,##0.00 small") << QVariant(12.0) << "#,##0.00" << "12.00";
        QTest::newRow("#,##0.00 zero") << QVariant(0.0) << "#,##0.00" << "0.00";
        QTest::newRow("#,##0.00 negative") << QVariant(-1234.5) << "#,##0.00" << "-1,234.50";
        QTest::newRow("#,##0.00 below one") << QVariant(0.5) << "#,##0.00" << "0.50";
        QTest::newRow("currency") << QVariant(1234.5) << money << "￥1,234.50";
        QTest::newRow("currency negative section") << QVariant(-1234.5) << money << "-￥1,234.50";
        QTest::newRow("currency zero") << QVariant(0.0) << money << "￥0.00";
        QTest::newRow("currency optional digits") << QVariant(0.123456789) << money << "￥0.12345679";
        QTest::newRow("zero section") << QVariant(0.0) << "0.00;-0.00;无" << "无";
        QTest::newRow("number as text") << QVariant(QStringLiteral("12.5")) << "0.00" << "12.50";
        QTest::newRow("plain double") << QVariant(0.1 + 0.2) << "" << "0.3";
        QTest::newRow("plain int") << QVariant(42) << "" << "42";
        QTest::newRow("text stays") << QVariant(QStringLiteral("华南")) << "0.00" << "华南";
        QTest::newRow("null") << QVariant() << "0.00" << "";
        QTest::newRow("date") << QVariant(QDate(2012, 11, 1)) << "yyyy-mm-dd" << "2012-11-01";
        QTest::newRow("datetime date format") << QVariant(QDateTime(QDate(2012, 11, 1), QTime(8, 30)))
                                              << "yyyy-mm-dd" << "2012-11-01";
        QTest::newRow("date as text (SQLite)") << QVariant(QStringLiteral("2012-11-01")) << "yyyy年mm月dd日"
                                               << "2012年11月01日";
        QTest::newRow("datetime as text") << QVariant(QStringLiteral("2012-11-01 08:05:09")) << "yyyy-mm-dd hh:nn:ss"
                                          << "2012-11-01 08:05:09";
        QTest::newRow("minutes after hours") << QVariant(QDateTime(QDate(2012, 1, 2), QTime(13, 7))) << "hh:mm"
                                             << "13:07";
        QTest::newRow("date without format") << QVariant(QDateTime(QDate(2012, 1, 2), QTime(0, 0))) << ""
                                             << "2012-01-02";
        QTest::newRow("non-date text with date format") << QVariant(QStringLiteral("abc")) << "yyyy-mm-dd" << "abc";
    }
    void format()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QCOMPARE(DisplayFormat::format(value, format), shown);
    }
};

QTEST_APPLESS_MAIN(TestDisplayFormat)
#include "test_display_format.moc"
