#include "CheckBox.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QtTest>

class tst_CheckBox : public QObject
{
    Q_OBJECT

private slots:
    void loadedValues_data();
    void loadedValues();
    void captionTextAndDescription();
    void operatorChangeAndReset();

private:
    static QJsonObject element(const QJsonValue &defaultValue);
};

QJsonObject tst_CheckBox::element(const QJsonValue &defaultValue)
{
    QJsonObject object{{"type", "el-checkbox"}, {"order", 1}, {"model", "enable"}, {"label", "启用"},
                       {"children", QJsonArray{"开启"}}, {"props", QJsonObject{{"description", "说明"}}}};
    if (!defaultValue.isUndefined())
        object.insert("defaultValue", defaultValue);
    return object;
}

void tst_CheckBox::loadedValues_data()
{
    QTest::addColumn<QJsonValue>("defaultValue");
    QTest::addColumn<bool>("checked");

    QTest::newRow("\"1\"") << QJsonValue("1") << true;
    QTest::newRow("\"0\"") << QJsonValue("0") << false;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << false;
    QTest::newRow("number 1") << QJsonValue(1) << true;
    QTest::newRow("number 0") << QJsonValue(0) << false;
    QTest::newRow("true") << QJsonValue(true) << true;
    QTest::newRow("false") << QJsonValue(false) << false;
    QTest::newRow("other text") << QJsonValue("yes") << false;
    QTest::newRow("number 2") << QJsonValue(2) << false;
}

void tst_CheckBox::loadedValues()
{
    QFETCH(QJsonValue, defaultValue);
    QFETCH(bool, checked);
    CheckBox control;
    control.init(element(defaultValue), QJsonValue());
    QCOMPARE(control.isChecked(), checked);
    QVERIFY(control.validate(QJsonObject()));
    const QJsonValue written(checked ? "1" : "0");
    QCOMPARE(control.value(), written);
    QCOMPARE(control.element().toObject().value("defaultValue"), written);
}

void tst_CheckBox::captionTextAndDescription()
{
    CheckBox control;
    control.init(element("1"), QJsonValue());
    QCOMPARE(control.findChild<QLabel *>("label")->text(), QStringLiteral("启用："));
    QCOMPARE(control.findChild<QLabel *>("label")->toolTip(), QStringLiteral("启用"));
    QCOMPARE(control.findChild<QCheckBox *>("checkBox")->text(), QStringLiteral("开启"));
    QCOMPARE(control.toolTip(), QStringLiteral("说明"));
    QCOMPARE(control.property("model").toString(), QStringLiteral("enable"));
}

void tst_CheckBox::operatorChangeAndReset()
{
    CheckBox control;
    control.init(element("1"), QJsonValue());
    auto *box = control.findChild<QCheckBox *>("checkBox");
    box->setChecked(false);
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue("0"));

    control.reset();
    QVERIFY(box->isChecked());
    QCOMPARE(control.value(), QJsonValue("0"));
    QCOMPARE(control.defaultValue(), QJsonValue("1"));
}

QTEST_MAIN(tst_CheckBox)
#include "tst_CheckBox.moc"
