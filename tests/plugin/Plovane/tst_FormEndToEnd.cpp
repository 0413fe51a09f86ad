#include "PluginHarness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

// The whole form description of fixtures/all-elements.json through the
// plug-in, as the host uses it. fixtures/all-elements.collected.json holds
// the "form" that a collect without edits must give back.
class tst_FormEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAreShownInAscendingOrder();
    void droppedElementsAreNotBuilt_data();
    void droppedElementsAreNotBuilt();
    void collectWithoutEditsGivesTheExpectedForm();
    void otherKeysStayUnchanged();
    void edits_data();
    void edits();
    void structuredEdits_data();
    void structuredEdits();
    void hiddenControlsAreStillCollected();
    void resetRestoresTheLoadedValues();

private:
    QJsonValue collectedValue(const QString &model) const;
    // Puts `text` into whatever editor the control shows; "1"/"0" tick a box,
    // an option's value picks it, "HH:mm" sets a time, "price,duration" a
    // charge pair.
    static void applyEdit(QWidget *control, const QString &text);

    std::unique_ptr<PluginHarness> harness;
    DynamicFormInterface *plugin = nullptr;
    std::unique_ptr<QWidget> page;
    QWidget *form = nullptr;
};

void tst_FormEndToEnd::initTestCase()
{
    harness = std::make_unique<PluginHarness>();
    plugin = harness->plugin();
    QVERIFY2(plugin, qPrintable(harness->loader().errorString()));
    QVERIFY(!PluginHarness::readFixture("all-elements.json").isEmpty());
}

void tst_FormEndToEnd::init()
{
    page = std::make_unique<QWidget>();
    form = harness->loadFixture("all-elements.json", page.get());
    QVERIFY(form);
    harness->clearMessages();
}

void tst_FormEndToEnd::cleanup()
{
    page.reset();
    form = nullptr;
}

QJsonValue tst_FormEndToEnd::collectedValue(const QString &model) const
{
    for (const QJsonValue &element : plugin->formDescription(form).value("form").toArray()) {
        if (element.toObject().value("model").toString() == model)
            return element.toObject().value("defaultValue");
    }
    return QJsonValue(QJsonValue::Undefined);
}

void tst_FormEndToEnd::applyEdit(QWidget *control, const QString &text)
{
    auto *line = control->findChild<QLineEdit *>("lineEdit");
    auto *number = control->findChild<QDoubleSpinBox *>("doubleSpinBox");
    auto *box = control->findChild<QCheckBox *>("checkBox");
    auto *combo = control->findChild<QComboBox *>("comboBox");
    auto *radio = control->findChild<QRadioButton *>(text);
    auto *time = control->findChild<QTimeEdit *>("timeEdit");
    auto *price = control->findChild<QDoubleSpinBox *>("doubleSpinBoxPrice");
    auto *duration = control->findChild<QDoubleSpinBox *>("doubleSpinBoxDuration");
    if (combo)
        combo->setCurrentIndex(combo->findData(text));
    else if (radio)
        radio->setChecked(true);
    else if (time)
        time->setTime(QTime::fromString(text, "HH:mm"));
    else if (price && duration) {
        price->setValue(text.section(',', 0, 0).toDouble());
        duration->setValue(text.section(',', 1, 1).toDouble());
    } else if (line && !line->isHidden())
        line->setText(text);
    else if (number && !number->isHidden())
        number->setValue(text.toDouble());
    else if (box)
        box->setChecked(text == "1");
    else
        QFAIL("no editor known for this control");
}

void tst_FormEndToEnd::controlsAreShownInAscendingOrder()
{
    const QStringList expected{"serverIp", "enable", "mode", "transport", "port", "udpBuffer", "price",
                               "bitrate", "remark", "alarm", "tabs", "chargeTimes", "startTime",
                               "rateTable", "prefixedInput", "selectOrCheck"};
    QCOMPARE(PluginHarness::topLevelModels(form), expected);
    QCOMPARE(plugin->formName(form), QStringLiteral("收费规则"));
}

void tst_FormEndToEnd::droppedElementsAreNotBuilt_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("order 0") << "zeroOrder";
    QTest::newRow("negative order") << "negativeOrder";
    QTest::newRow("no order") << "noOrder";
    QTest::newRow("no type") << "noType";
    QTest::newRow("unknown type") << "slider";
    QTest::newRow("type in upper case") << "upperCaseType";
    QTest::newRow("order taken by a later element") << "obsoletePort";
    QTest::newRow("pane of order 0") << "droppedPane";
    QTest::newRow("tabs child that is no pane") << "notAPane";
    QTest::newRow("pane child of order 0") << "paneDropped";
}

void tst_FormEndToEnd::droppedElementsAreNotBuilt()
{
    QFETCH(QString, model);
    PluginHarness::flushDeletions();
    QVERIFY(!PluginHarness::control(form, model));
    QVERIFY(plugin->collectForm(form));
    QCOMPARE(collectedValue(model), QJsonValue(QJsonValue::Undefined));
}

void tst_FormEndToEnd::collectWithoutEditsGivesTheExpectedForm()
{
    QVERIFY(plugin->collectForm(form));
    const QJsonArray actual = plugin->formDescription(form).value("form").toArray();
    const QJsonArray expected = PluginHarness::readFixture("all-elements.collected.json").value("form").toArray();
    QVERIFY2(actual == expected, QJsonDocument(actual).toJson().constData());
    QVERIFY(harness->messages().isEmpty());
}

void tst_FormEndToEnd::otherKeysStayUnchanged()
{
    const QJsonObject loaded = PluginHarness::readFixture("all-elements.json");
    QVERIFY(plugin->collectForm(form));
    QJsonObject collected = plugin->formDescription(form);
    QVERIFY(collected.value("form") != loaded.value("form"));
    collected.remove("form");
    QJsonObject withoutForm = loaded;
    withoutForm.remove("form");
    QCOMPARE(collected, withoutForm);
    QCOMPARE(plugin->formTemplate(form), loaded.value("template").toObject());
}

void tst_FormEndToEnd::edits_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("written");

    QTest::newRow("address") << "serverIp" << "10.0.0.2" << true << "10.0.0.2";
    QTest::newRow("half-typed address") << "serverIp" << "192.168." << false << "192.168.1.10";
    QTest::newRow("box unticked") << "enable" << "0" << true << "0";
    QTest::newRow("port") << "port" << "554" << true << "554";
    QTest::newRow("port above range") << "port" << "70000" << true << "65535";
    QTest::newRow("price") << "price" << "12345.67" << true << "12345.67";
    QTest::newRow("large bit rate") << "bitrate" << "87654321" << true << "87654321";
    QTest::newRow("text of unknown type") << "remark" << "  白天模式  " << true << "白天模式";
    QTest::newRow("option picked") << "mode" << "2" << true << "2";
    QTest::newRow("option of a two-kind type") << "selectOrCheck" << "a" << true << "a";
    QTest::newRow("radio button picked") << "transport" << "UDP" << true << "UDP";
}

void tst_FormEndToEnd::edits()
{
    QFETCH(QString, model);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, written);

    QWidget *control = PluginHarness::control(form, model);
    QVERIFY(control);
    applyEdit(control, typed);
    QCOMPARE(plugin->collectForm(form), accepted);
    QCOMPARE(harness->messages().isEmpty(), accepted);
    QCOMPARE(collectedValue(model), QJsonValue(written));
}

void tst_FormEndToEnd::structuredEdits_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QJsonValue>("written");

    const auto pair = [](const char *price, const char *time) {
        return QJsonValue(QJsonArray{QJsonObject{{"price", price}, {"time", time}}});
    };
    QTest::newRow("charge pair") << "chargeTimes" << "30.25,45" << pair("30.25", "45");
    QTest::newRow("charge pair above its ranges") << "chargeTimes" << "500,2000" << pair("100", "1440");
    QTest::newRow("charge pair below its ranges") << "chargeTimes" << "0,0" << pair("0", "1");
    QTest::newRow("midnight") << "startTime" << "00:00" << QJsonValue(0);
    QTest::newRow("last minute of the day") << "startTime" << "23:59" << QJsonValue(86340000);
}

void tst_FormEndToEnd::structuredEdits()
{
    QFETCH(QString, model);
    QFETCH(QString, typed);
    QFETCH(QJsonValue, written);

    QWidget *control = PluginHarness::control(form, model);
    QVERIFY(control);
    applyEdit(control, typed);
    QVERIFY(plugin->collectForm(form));
    QCOMPARE(collectedValue(model), written);
}

void tst_FormEndToEnd::hiddenControlsAreStillCollected()
{
    QWidget *control = PluginHarness::control(form, "bitrate");
    control->hide();
    applyEdit(control, "100000");
    QVERIFY(plugin->collectForm(form));
    QCOMPARE(collectedValue("bitrate"), QJsonValue("100000"));
}

void tst_FormEndToEnd::resetRestoresTheLoadedValues()
{
    applyEdit(PluginHarness::control(form, "serverIp"), "10.1.1.1");
    applyEdit(PluginHarness::control(form, "enable"), "0");
    applyEdit(PluginHarness::control(form, "price"), "3");
    applyEdit(PluginHarness::control(form, "mode"), "2");
    applyEdit(PluginHarness::control(form, "transport"), "UDP");
    applyEdit(PluginHarness::control(form, "alarmLevel"), "low");
    applyEdit(PluginHarness::control(form, "chargeTimes"), "0,0");
    applyEdit(PluginHarness::control(form, "startTime"), "00:00");
    QVERIFY(plugin->collectForm(form));
    QCOMPARE(plugin->resetForm(form), 0);
    QVERIFY(plugin->collectForm(form));
    const QJsonArray expected = PluginHarness::readFixture("all-elements.collected.json").value("form").toArray();
    QCOMPARE(plugin->formDescription(form).value("form").toArray(), expected);
}

QTEST_MAIN(tst_FormEndToEnd)
#include "tst_FormEndToEnd.moc"
