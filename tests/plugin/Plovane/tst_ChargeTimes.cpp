#include "ChargeTimes.h"

#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QLabel>
#include <QtTest>

// The price and duration pair: which value goes into which box, the boxes'
// ranges and tips, the written form and reset.
class tst_ChargeTimes : public QObject
{
    Q_OBJECT

private slots:
    void firstValueGoesToTheBoxItsTypeNames_data();
    void firstValueGoesToTheBoxItsTypeNames();
    void ranges_data();
    void ranges();
    void tipsSuffixesAndCaption();
    void valueForm_data();
    void valueForm();
    void resetShowsTheLoadedPair();

private:
    static QJsonObject element(const QJsonValue &value, const QJsonArray &validators = {},
                               const QJsonArray &tips = {"价格", "时长"});
    static QJsonObject definition(const QString &firstType);
    static QDoubleSpinBox *price(const QWidget *control);
    static QDoubleSpinBox *duration(const QWidget *control);
    static QJsonValue pair(const QString &first, const QString &second);
};

QJsonObject tst_ChargeTimes::element(const QJsonValue &value, const QJsonArray &validators, const QJsonArray &tips)
{
    QJsonObject object{{"type", "h-charge-times"}, {"model", "charge"}, {"label", "收费时段"},
                       {"props", QJsonObject{{"description", "每个时段的价格"},
                                             {"config", QJsonObject{{"prefix", " 元"}, {"postfix", ""}}},
                                             {"map", QJsonObject{{"firstValue", "fee"}, {"secondValue", "time"}}},
                                             {"tips", tips},
                                             {"validators", validators}}}};
    if (!value.isUndefined())
        object.insert("defaultValue", value);
    return object;
}

QJsonObject tst_ChargeTimes::definition(const QString &firstType)
{
    QJsonArray types{QJsonObject{{"id", "time"}, {"type", "Duration"}}};
    if (!firstType.isNull())
        types.append(QJsonObject{{"id", "fee"}, {"type", firstType}});
    return QJsonObject{{"id", "charge"}, {"elements", QJsonObject{{"definitions", types}}}};
}

QDoubleSpinBox *tst_ChargeTimes::price(const QWidget *control)
{
    return control->findChild<QDoubleSpinBox *>("doubleSpinBoxPrice");
}

QDoubleSpinBox *tst_ChargeTimes::duration(const QWidget *control)
{
    return control->findChild<QDoubleSpinBox *>("doubleSpinBoxDuration");
}

QJsonValue tst_ChargeTimes::pair(const QString &first, const QString &second)
{
    return QJsonArray{QJsonObject{{"fee", first}, {"time", second}}};
}

void tst_ChargeTimes::firstValueGoesToTheBoxItsTypeNames_data()
{
    QTest::addColumn<QString>("firstType");
    QTest::addColumn<bool>("firstIsPrice");

    QTest::newRow("Price") << "Price" << true;
    QTest::newRow("PRICE") << "PRICE" << true;
    QTest::newRow("unitPrice") << "unitPrice" << true;
    QTest::newRow("Duration") << "Duration" << false;
    QTest::newRow("no definition") << QString() << false;
}

void tst_ChargeTimes::firstValueGoesToTheBoxItsTypeNames()
{
    QFETCH(QString, firstType);
    QFETCH(bool, firstIsPrice);

    ChargeTimes control;
    control.init(element(pair("12.5", "30")), definition(firstType));
    QDoubleSpinBox *firstBox = firstIsPrice ? price(&control) : duration(&control);
    QDoubleSpinBox *secondBox = firstIsPrice ? duration(&control) : price(&control);
    QCOMPARE(firstBox->value(), firstIsPrice ? 12.5 : 13.0);
    QCOMPARE(secondBox->value(), 30.0);
    QCOMPARE(firstBox->toolTip(), QStringLiteral("价格"));
    QCOMPARE(secondBox->toolTip(), QStringLiteral("时长"));

    firstBox->setValue(20);
    secondBox->setValue(45);
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), pair("20", "45"));
}

void tst_ChargeTimes::ranges_data()
{
    QTest::addColumn<QJsonArray>("validators");
    QTest::addColumn<double>("priceMin");
    QTest::addColumn<double>("priceMax");
    QTest::addColumn<double>("durationMin");
    QTest::addColumn<double>("durationMax");

    const auto validator = [](const char *key, const QJsonValue &max, double min, const char *funName = "range") {
        return QJsonObject{{"key", key}, {"args", QJsonArray{QJsonObject{{"funName", funName}, {"max", max}, {"min", min}}}}};
    };
    // The whole-minute box rounds the start bound 9999.99 to 10000.
    QTest::newRow("none") << QJsonArray{} << 0.0 << 9999.99 << 0.0 << 10000.0;
    QTest::newRow("both given") << QJsonArray{validator("fee", 100, 1), validator("time", 600, 5)}
                                << 1.0 << 100.0 << 5.0 << 600.0;
    QTest::newRow("max 0 and negative") << QJsonArray{validator("fee", 0, 2), validator("time", -1, 3)}
                                        << 2.0 << 9999.99 << 3.0 << 1440.0;
    QTest::newRow("key holding the value key") << QJsonArray{validator("form.fee", 50, 0)} << 0.0 << 50.0 << 0.0 << 10000.0;
    QTest::newRow("unknown key") << QJsonArray{validator("other", 50, 4)} << 0.0 << 9999.99 << 0.0 << 10000.0;
    QTest::newRow("no function name") << QJsonArray{validator("fee", 50, 4, "")} << 0.0 << 9999.99 << 0.0 << 10000.0;
    QTest::newRow("later argument wins") << QJsonArray{validator("time", 100, 0), validator("time", 200, 10)}
                                         << 0.0 << 9999.99 << 10.0 << 200.0;
}

void tst_ChargeTimes::ranges()
{
    QFETCH(QJsonArray, validators);
    QFETCH(double, priceMin);
    QFETCH(double, priceMax);
    QFETCH(double, durationMin);
    QFETCH(double, durationMax);

    ChargeTimes control;
    control.init(element(QJsonValue(QJsonValue::Undefined), validators), definition("Price"));
    QCOMPARE(price(&control)->minimum(), priceMin);
    QCOMPARE(price(&control)->maximum(), priceMax);
    QCOMPARE(duration(&control)->minimum(), durationMin);
    QCOMPARE(duration(&control)->maximum(), durationMax);
}

void tst_ChargeTimes::tipsSuffixesAndCaption()
{
    ChargeTimes control;
    control.init(element(pair("1", "2"), {}, {"价格", "时长", "多余"}), definition("Price"));
    QCOMPARE(control.findChild<QLabel *>("label")->text(), QStringLiteral("收费时段："));
    QCOMPARE(control.findChild<QLabel *>("label")->toolTip(), QStringLiteral("收费时段"));
    QCOMPARE(control.toolTip(), QStringLiteral("每个时段的价格"));
    QVERIFY(price(&control)->toolTip().isEmpty());
    QVERIFY(duration(&control)->toolTip().isEmpty());
    QCOMPARE(price(&control)->suffix(), QStringLiteral(" 元"));
    QCOMPARE(duration(&control)->suffix(), QStringLiteral("分钟"));

    ChargeTimes blankTip;
    blankTip.init(element(pair("1", "2"), {}, {"  ", "时长"}), definition("Price"));
    QVERIFY(price(&blankTip)->toolTip().isEmpty());
    QCOMPARE(duration(&blankTip)->toolTip(), QStringLiteral("时长"));
}

void tst_ChargeTimes::valueForm_data()
{
    QTest::addColumn<QJsonValue>("loaded");
    QTest::addColumn<QJsonValue>("written");

    QTest::newRow("texts") << pair("12.5", "30") << pair("12.5", "30");
    QTest::newRow("numbers") << QJsonValue(QJsonArray{QJsonObject{{"fee", 12.5}, {"time", 30}}}) << pair("12.5", "30");
    QTest::newRow("two decimals kept") << pair("12345.67", "90") << pair("12345.67", "90");
    QTest::newRow("large price without exponent") << pair("1500000", "1") << pair("1500000", "1");
    QTest::newRow("missing member") << QJsonValue(QJsonArray{QJsonObject{{"fee", "3"}}}) << pair("3", "0");
    QTest::newRow("no pair") << QJsonValue(QJsonArray{}) << pair("0", "0");
    QTest::newRow("not an array") << QJsonValue("12.5") << pair("0", "0");
}

void tst_ChargeTimes::valueForm()
{
    QFETCH(QJsonValue, loaded);
    QFETCH(QJsonValue, written);

    ChargeTimes control;
    const QJsonArray wide{QJsonObject{{"key", "fee"}, {"args", QJsonArray{QJsonObject{{"funName", "range"}, {"max", 1e8}}}}}};
    control.init(element(loaded, wide), definition("Price"));
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), written);
    QCOMPARE(control.element().toObject().value("defaultValue"), written);
}

void tst_ChargeTimes::resetShowsTheLoadedPair()
{
    ChargeTimes control;
    control.init(element(pair("12.5", "30")), definition("Price"));
    price(&control)->setValue(99);
    duration(&control)->setValue(5);
    QVERIFY(control.validate(QJsonObject()));
    control.reset();
    QCOMPARE(price(&control)->value(), 12.5);
    QCOMPARE(duration(&control)->value(), 30.0);
    QCOMPARE(control.value(), pair("99", "5"));
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), pair("12.5", "30"));
}

QTEST_MAIN(tst_ChargeTimes)
#include "tst_ChargeTimes.moc"
