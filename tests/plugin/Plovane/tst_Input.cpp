#include "HubMessageRecorder.h"
#include "Input.h"

#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class tst_Input : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kinds_data();
    void kinds();
    void captionWithUnit_data();
    void captionWithUnit();
    void rangesAndDecimals_data();
    void rangesAndDecimals();
    void numbersWrittenBack_data();
    void numbersWrittenBack();
    void textEditorSettings();
    void requiredText_data();
    void requiredText();
    void pattern_data();
    void pattern();
    void unknownTypeKeepsTheTypedText();
    void longLoadedTextIsKeptWhole();
    void resetShowsTheLoadedValue();

private:
    static QJsonObject element(const QJsonValue &defaultValue, const QJsonObject &props = {});
    static QJsonObject definition(const QString &type);

    std::unique_ptr<HubMessageRecorder> hub;
};

void tst_Input::init()
{
    hub = std::make_unique<HubMessageRecorder>();
}

void tst_Input::cleanup()
{
    hub.reset();
}

QJsonObject tst_Input::element(const QJsonValue &defaultValue, const QJsonObject &props)
{
    return QJsonObject{{"type", "el-input"}, {"order", 1},          {"model", "field"},
                       {"label", "字段"},     {"defaultValue", defaultValue}, {"props", props}};
}

QJsonObject tst_Input::definition(const QString &type)
{
    return QJsonObject{{"id", "field"}, {"type", type}};
}

void tst_Input::kinds_data()
{
    QTest::addColumn<QJsonValue>("definitionValue");
    QTest::addColumn<QString>("valueType");
    QTest::addColumn<int>("kind");

    QTest::newRow("Price") << QJsonValue(definition("Price")) << "" << int(Input::TwoDecimalNumber);
    QTest::newRow("unitprice") << QJsonValue(definition("unitprice")) << "" << int(Input::TwoDecimalNumber);
    QTest::newRow("Float") << QJsonValue(definition("Float")) << "" << int(Input::TwoDecimalNumber);
    QTest::newRow("Duration") << QJsonValue(definition("Duration")) << "" << int(Input::WholeNumber);
    QTest::newRow("Integer") << QJsonValue(definition("Integer")) << "" << int(Input::WholeNumber);
    QTest::newRow("Point") << QJsonValue(definition("Point")) << "" << int(Input::WholeNumber);
    QTest::newRow("long") << QJsonValue(definition("long")) << "" << int(Input::LongNumber);
    QTest::newRow("longstring") << QJsonValue(definition("longstring")) << "" << int(Input::LongNumber);
    QTest::newRow("string") << QJsonValue(definition("string")) << "" << int(Input::Text);
    QTest::newRow("unknown type") << QJsonValue(definition("Blob")) << "" << int(Input::Text);
    QTest::newRow("no definition") << QJsonValue() << "" << int(Input::Text);
    QTest::newRow("valueType wins") << QJsonValue(definition("string")) << "Price" << int(Input::TwoDecimalNumber);
    QTest::newRow("valueType alone") << QJsonValue() << "Int" << int(Input::WholeNumber);
}

void tst_Input::kinds()
{
    QFETCH(QJsonValue, definitionValue);
    QFETCH(QString, valueType);
    QFETCH(int, kind);
    Input control;
    control.init(element("1", QJsonObject{{"valueType", valueType}}), definitionValue);
    QCOMPARE(int(control.kind()), kind);
    const bool text = kind == Input::Text;
    QCOMPARE(control.findChild<QLineEdit *>("lineEdit")->isHidden(), !text);
    QCOMPARE(control.findChild<QDoubleSpinBox *>("doubleSpinBox")->isHidden(), text);
}

void tst_Input::captionWithUnit_data()
{
    QTest::addColumn<QJsonValue>("slotList");
    QTest::addColumn<QString>("caption");

    QTest::newRow("no slots") << QJsonValue() << "字段：";
    QTest::newRow("unit") << QJsonValue(QJsonArray{QJsonObject{{"children", QJsonArray{"元"}}}}) << "字段(元)：";
    QTest::newRow("last unit wins")
        << QJsonValue(QJsonArray{QJsonObject{{"children", QJsonArray{"元"}}}, "text",
                                 QJsonObject{{"children", QJsonArray{"分钟"}}}})
        << "字段(分钟)：";
    QTest::newRow("slot without children") << QJsonValue(QJsonArray{QJsonObject{}}) << "字段：";
}

void tst_Input::captionWithUnit()
{
    QFETCH(QJsonValue, slotList);
    QFETCH(QString, caption);
    QJsonObject object = element("1");
    object.insert("slots", slotList);
    Input control;
    control.init(object, definition("Int"));
    auto *label = control.findChild<QLabel *>("label");
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->toolTip() + QStringLiteral("："), caption);
}

void tst_Input::rangesAndDecimals_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QJsonObject>("range");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");

    QTest::newRow("port") << "Int" << QJsonObject{{"max", 65535}, {"min", 1}} << 1.0 << 65535.0 << 0;
    QTest::newRow("price") << "Price" << QJsonObject{{"max", 100.5}} << 0.0 << 100.5 << 2;
    QTest::newRow("max 0, two decimals") << "Price" << QJsonObject{{"max", 0}} << 0.0 << 99999999.99 << 2;
    QTest::newRow("max 0, whole") << "long" << QJsonObject{{"max", -5}, {"min", 3}} << 3.0 << 100000000.0 << 0;
    QTest::newRow("no args") << "Duration" << QJsonObject() << 0.0 << 100000000.0 << 0;
}

void tst_Input::rangesAndDecimals()
{
    QFETCH(QString, type);
    QFETCH(QJsonObject, range);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    const QJsonObject props{{"validators", QJsonArray{QJsonObject{{"args", QJsonArray{range}}}}}};
    Input control;
    control.init(element("5", props), definition(type));
    auto *spin = control.findChild<QDoubleSpinBox *>("doubleSpinBox");
    QCOMPARE(spin->minimum(), minimum);
    QCOMPARE(spin->maximum(), maximum);
    QCOMPARE(spin->decimals(), decimals);
}

void tst_Input::numbersWrittenBack_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QJsonValue>("loaded");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("written");

    QTest::newRow("12.5 in two decimals") << "Price" << QJsonValue("12.5") << "12.50" << "12.5";
    QTest::newRow("7 whole") << "Int" << QJsonValue("7") << "7" << "7";
    QTest::newRow("100000") << "Int" << QJsonValue("100000") << "100000" << "100000";
    QTest::newRow("7654321 long") << "long" << QJsonValue("7654321") << "7654321" << "7654321";
    QTest::newRow("12345.67 price") << "Price" << QJsonValue("12345.67") << "12345.67" << "12345.67";
    QTest::newRow("JSON number") << "Int" << QJsonValue(25) << "25" << "25";
    QTest::newRow("JSON fraction") << "Float" << QJsonValue(2.5) << "2.50" << "2.5";
    QTest::newRow("not a number") << "Int" << QJsonValue("abc") << "0" << "0";
    QTest::newRow("rounded to whole") << "Int" << QJsonValue("7.6") << "8" << "8";
}

void tst_Input::numbersWrittenBack()
{
    QFETCH(QString, type);
    QFETCH(QJsonValue, loaded);
    QFETCH(QString, shown);
    QFETCH(QString, written);
    Input control;
    control.init(element(loaded), definition(type));
    QCOMPARE(control.findChild<QDoubleSpinBox *>("doubleSpinBox")->text(), shown);
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue(written));
    QCOMPARE(control.element().toObject().value("defaultValue"), QJsonValue(written));
    QCOMPARE(control.element().toObject().value("label"), QJsonValue("字段"));
}

void tst_Input::textEditorSettings()
{
    const QJsonObject props{{"placeholder", "请输入"}, {"tips", "提示"}, {"regular", "[0-9]+"}};
    Input control;
    control.init(element(25, props), definition("string"));
    auto *edit = control.findChild<QLineEdit *>("lineEdit");
    QCOMPARE(edit->text(), QStringLiteral("25"));
    QCOMPARE(edit->placeholderText(), QStringLiteral("请输入"));
    QCOMPARE(edit->toolTip(), QStringLiteral("提示"));
    QCOMPARE(edit->maxLength(), 128);
    QVERIFY(edit->validator());
    QTest::keyClicks(edit, "a7");
    QCOMPARE(edit->text(), QStringLiteral("257"));
}

void tst_Input::requiredText_data()
{
    QTest::addColumn<bool>("required");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("written");

    QTest::newRow("required, blanks") << true << "请输入名称" << "   " << false << "old";
    QTest::newRow("required, empty, no message") << true << "" << "" << false << "old";
    QTest::newRow("required, filled, trimmed") << true << "请输入名称" << "  新名 " << true << "新名";
    QTest::newRow("optional, blanks") << false << "请输入名称" << "  " << true << "";
}

void tst_Input::requiredText()
{
    QFETCH(bool, required);
    QFETCH(QString, message);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, written);
    const QJsonObject props{{"required", required}, {"validators", QJsonArray{QJsonObject{{"message", message}}}}};
    Input control;
    control.init(element("old", props), definition("string"));
    control.findChild<QLineEdit *>("lineEdit")->setText(typed);

    QCOMPARE(control.validate(QJsonObject()), accepted);
    QCOMPARE(control.value(), QJsonValue(written));
    const bool reported = !accepted && !message.isEmpty();
    QCOMPARE(hub->messages.size(), reported ? 1 : 0);
    if (reported)
        QCOMPARE(hub->messages.first(), std::make_pair(2, message));
}

void tst_Input::pattern_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("unchanged valid") << "192.168.1.10" << "192.168.1.10" << true;
    QTest::newRow("unchanged invalid as loaded") << "192.168.1" << "192.168.1" << true;
    QTest::newRow("changed valid") << "192.168.1.10" << "10.0.0.1" << true;
    QTest::newRow("changed half-typed") << "192.168.1.10" << "192.168." << false;
    QTest::newRow("matches only a part") << "192.168.1.10" << "10.0.0.1x" << false;
    QTest::newRow("changed to empty, optional") << "192.168.1.10" << "" << true;
}

void tst_Input::pattern()
{
    QFETCH(QString, loaded);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    const QJsonObject props{{"regular", "((25[0-5]|2[0-4]\\d|1?\\d?\\d)\\.){3}(25[0-5]|2[0-4]\\d|1?\\d?\\d)"},
                            {"validators", QJsonArray{QJsonObject{{"message", "非法的IP"}}}}};
    Input control;
    control.init(element(loaded, props), definition("string"));
    // Set directly: the typing validator is not what is under test here.
    control.findChild<QLineEdit *>("lineEdit")->setText(typed);

    QCOMPARE(control.validate(QJsonObject()), accepted);
    QCOMPARE(control.value(), QJsonValue(accepted ? typed : loaded));
    QCOMPARE(hub->messages.size(), accepted ? 0 : 1);
    if (!accepted)
        QCOMPARE(hub->messages.first(), std::make_pair(2, QStringLiteral("非法的IP")));
}

void tst_Input::unknownTypeKeepsTheTypedText()
{
    Input control;
    control.init(element("夜间"), definition("Blob"));
    auto *edit = control.findChild<QLineEdit *>("lineEdit");
    QCOMPARE(edit->text(), QStringLiteral("夜间"));
    edit->setText("白天");
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue("白天"));
}

void tst_Input::longLoadedTextIsKeptWhole()
{
    const QString loaded(200, QLatin1Char('x'));
    Input control;
    control.init(element(loaded), definition("string"));
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue(loaded));
    control.reset();
    QCOMPARE(control.findChild<QLineEdit *>("lineEdit")->text(), loaded);
}

void tst_Input::resetShowsTheLoadedValue()
{
    Input text;
    text.init(element("a"), definition("string"));
    text.findChild<QLineEdit *>("lineEdit")->setText("b");
    QVERIFY(text.validate(QJsonObject()));
    text.reset();
    QCOMPARE(text.findChild<QLineEdit *>("lineEdit")->text(), QStringLiteral("a"));
    QCOMPARE(text.value(), QJsonValue("b"));
    QCOMPARE(text.element().toObject().value("defaultValue"), QJsonValue("b"));

    Input number;
    number.init(element(12.5), definition("Price"));
    auto *spin = number.findChild<QDoubleSpinBox *>("doubleSpinBox");
    spin->setValue(3);
    number.reset();
    QCOMPARE(spin->value(), 12.5);
}

QTEST_MAIN(tst_Input)
#include "tst_Input.moc"
