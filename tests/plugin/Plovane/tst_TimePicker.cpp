#include "TimePicker.h"

#include <QJsonArray>
#include <QLabel>
#include <QTimeEdit>
#include <QtTest>

// The time of day as milliseconds since midnight: shown, committed and reset.
class tst_TimePicker : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void resetReturnsToTheLoadedTime_data();
    void resetReturnsToTheLoadedTime();
    void formatShowsSecondsButCommitsMinutes();

private:
    static QJsonObject element(const QJsonValue &value, const QString &format = QString());
};

QJsonObject tst_TimePicker::element(const QJsonValue &value, const QString &format)
{
    QJsonObject object{{"type", "h-time-picker-obj"}, {"model", "start"}, {"label", "开始时间"}};
    if (!value.isUndefined())
        object.insert("defaultValue", value);
    if (!format.isNull())
        object.insert("props", QJsonObject{{"format", format}});
    return object;
}

void tst_TimePicker::roundTrip_data()
{
    QTest::addColumn<QJsonValue>("loaded");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QJsonValue>("committed");

    QTest::newRow("08:30") << QJsonValue(30600000) << "08:30" << QJsonValue(30600000);
    QTest::newRow("midnight") << QJsonValue(0) << "00:00" << QJsonValue(0);
    QTest::newRow("seconds dropped") << QJsonValue(45296000) << "12:34" << QJsonValue(45240000);
    QTest::newRow("last minute") << QJsonValue(86399999) << "23:59" << QJsonValue(86340000);
    QTest::newRow("as text") << QJsonValue("30600000") << "08:30" << QJsonValue(30600000);
    QTest::newRow("a whole day") << QJsonValue(86400000) << "00:00" << QJsonValue(0);
    QTest::newRow("negative") << QJsonValue(-60000) << "00:00" << QJsonValue(0);
    QTest::newRow("not a number") << QJsonValue("noon") << "00:00" << QJsonValue(0);
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << "00:00" << QJsonValue(0);
}

void tst_TimePicker::roundTrip()
{
    QFETCH(QJsonValue, loaded);
    QFETCH(QString, shown);
    QFETCH(QJsonValue, committed);

    TimePicker control;
    control.init(element(loaded), QJsonValue());
    QCOMPARE(control.findChild<QTimeEdit *>("timeEdit")->text(), shown);
    QCOMPARE(control.findChild<QLabel *>("label")->text(), QStringLiteral("开始时间："));
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), committed);
    QCOMPARE(control.element().toObject().value("defaultValue"), committed);
}

void tst_TimePicker::resetReturnsToTheLoadedTime_data()
{
    QTest::addColumn<QJsonValue>("loaded");
    QTest::addColumn<QString>("afterReset");

    QTest::newRow("08:30") << QJsonValue(30600000) << "08:30";
    QTest::newRow("midnight") << QJsonValue(0) << "00:00";
    // No time to return to: the operator's pick stays.
    QTest::newRow("not a number") << QJsonValue("noon") << "09:15";
}

void tst_TimePicker::resetReturnsToTheLoadedTime()
{
    QFETCH(QJsonValue, loaded);
    QFETCH(QString, afterReset);

    TimePicker control;
    control.init(element(loaded), QJsonValue());
    auto *edit = control.findChild<QTimeEdit *>("timeEdit");
    edit->setTime(QTime(9, 15));
    QVERIFY(control.validate(QJsonObject()));
    control.reset();
    QCOMPARE(edit->text(), afterReset);
    QCOMPARE(control.value(), QJsonValue(33300000));
}

void tst_TimePicker::formatShowsSecondsButCommitsMinutes()
{
    TimePicker control;
    control.init(element(45296000, "HH:mm:ss"), QJsonValue());
    auto *edit = control.findChild<QTimeEdit *>("timeEdit");
    QCOMPARE(edit->text(), QStringLiteral("12:34:00"));
    edit->setTime(QTime(1, 2, 3));
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue(3720000));

    TimePicker blankFormat;
    blankFormat.init(element(0, "  "), QJsonValue());
    QCOMPARE(blankFormat.findChild<QTimeEdit *>("timeEdit")->displayFormat(), QStringLiteral("HH:mm"));
}

QTEST_MAIN(tst_TimePicker)
#include "tst_TimePicker.moc"
