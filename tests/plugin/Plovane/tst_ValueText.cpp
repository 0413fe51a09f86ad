#include "ValueText.h"

#include <QtTest>

class tst_ValueText : public QObject
{
    Q_OBJECT

private slots:
    void number_data();
    void number();
    void of_data();
    void of();
};

void tst_ValueText::number_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    // Where six significant digits were exact, the text is the same as before.
    QTest::newRow("two decimals, one used") << 12.5 << 2 << "12.5";
    QTest::newRow("whole number") << 7.0 << 0 << "7";
    QTest::newRow("hundred thousand") << 100000.0 << 0 << "100000";
    QTest::newRow("two decimals, none used") << 30.0 << 2 << "30";
    QTest::newRow("zero") << 0.0 << 2 << "0";
    QTest::newRow("negative zero") << -0.0 << 2 << "0";
    QTest::newRow("negative") << -3.25 << 2 << "-3.25";
    // Where they were not, the number is kept whole instead of shortened.
    QTest::newRow("seven digits") << 7654321.0 << 0 << "7654321";
    QTest::newRow("price beyond six digits") << 12345.67 << 2 << "12345.67";
    QTest::newRow("1.5 million") << 1500000.0 << 0 << "1500000";
    QTest::newRow("upper bound") << 99999999.99 << 2 << "99999999.99";
    QTest::newRow("rounded to precision") << 2.345678 << 2 << "2.35";
    QTest::newRow("negative precision") << 4.6 << -1 << "5";
}

void tst_ValueText::number()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(ValueText::number(value, decimals), text);
    QCOMPARE(text.toDouble(), QString::number(value, 'f', qMax(0, decimals)).toDouble());
}

void tst_ValueText::of_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("string") << QJsonValue("abc") << "abc";
    QTest::newRow("whole number") << QJsonValue(25) << "25";
    QTest::newRow("fraction") << QJsonValue(12.5) << "12.5";
    QTest::newRow("large whole number") << QJsonValue(7654321.0) << "7654321";
    QTest::newRow("negative") << QJsonValue(-8) << "-8";
    QTest::newRow("true") << QJsonValue(true) << "1";
    QTest::newRow("false") << QJsonValue(false) << "0";
    QTest::newRow("null") << QJsonValue() << "";
    QTest::newRow("undefined") << QJsonValue(QJsonValue::Undefined) << "";
    QTest::newRow("array") << QJsonValue(QJsonArray{1}) << "";
}

void tst_ValueText::of()
{
    QFETCH(QJsonValue, value);
    QFETCH(QString, text);
    QCOMPARE(ValueText::of(value), text);
}

QTEST_MAIN(tst_ValueText)
#include "tst_ValueText.moc"
