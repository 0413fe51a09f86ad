#include "RadioGroup.h"
#include "Select.h"
#include "widgets/MessageBoxCatcher.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

// The drop-down list and the radio group: their options, what they commit,
// the operator's prompt when nothing is picked, and their cascades.
class tst_Select : public QObject
{
    Q_OBJECT

private slots:
    void selectListsOptionsByValue();
    void radioListsOptionsByLabel();
    void numericOptionValues_data();
    void numericOptionValues();
    void loadedValueOutsideTheOptions_data();
    void loadedValueOutsideTheOptions();
    void resetShowsTheLoadedOption();
    void selectCascadeFiresOncePerPick();
    void radioCascadeFiresAtLoadAndOnEachCheck();

private:
    static QJsonObject selectElement(const QJsonValue &value);
    static QJsonObject radioElement(const QJsonValue &value);
    static QStringList comboTexts(const QComboBox *combo);
    static QStringList radioTexts(const QWidget *control);
};

QJsonObject tst_Select::selectElement(const QJsonValue &value)
{
    const auto option = [](const char *value, const char *label) {
        return QJsonObject{{"type", "el-option"}, {"props", QJsonObject{{"value", value}, {"label", label}}}};
    };
    return QJsonObject{
        {"type", "el-select"}, {"model", "mode"}, {"label", "模式"}, {"defaultValue", value},
        {"children", QJsonArray{option("3", "三"), option("10", "十"), option("2", "二"),
                                QJsonObject{{"type", "el-radio-button"}, {"props", QJsonObject{{"value", "9"}}}},
                                option("3", "叁")}},
        {"props", QJsonObject{{"description", QJsonArray{"第一行", "第二行"}}}},
        {"cascades", QJsonArray{QJsonObject{{"value", "2"}, {"fields", QJsonArray{QJsonObject{{"model", "x"}, {"hide", true}}}}}}}};
}

QJsonObject tst_Select::radioElement(const QJsonValue &value)
{
    const auto button = [](const char *label, const QJsonArray &children) {
        return QJsonObject{{"type", "el-radio-button"}, {"props", QJsonObject{{"label", label}, {"value", "ignored"}}},
                           {"children", children}};
    };
    return QJsonObject{
        {"type", "el-radio-group"}, {"model", "transport"}, {"label", "传输协议"}, {"defaultValue", value},
        {"children", QJsonArray{button("UDP", {"UDP 协议"}), button("TCP", {}), button("RTP", {""}),
                                QJsonObject{{"type", "el-option"}, {"props", QJsonObject{{"label", "X"}}}}}},
        {"cascades", QJsonArray{QJsonObject{{"value", "TCP"}, {"fields", QJsonArray{QJsonObject{{"model", "x"}, {"hide", true}}}}},
                                QJsonObject{{"value", "UDP"}, {"fields", QJsonArray{QJsonObject{{"model", "x"}, {"hide", false}}}}}}}};
}

QStringList tst_Select::comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i) + "=" + combo->itemData(i).toString();
    return texts;
}

QStringList tst_Select::radioTexts(const QWidget *control)
{
    QStringList texts;
    for (const QRadioButton *button : control->findChildren<QRadioButton *>())
        texts << button->text() + "=" + button->objectName();
    return texts;
}

void tst_Select::selectListsOptionsByValue()
{
    Select control;
    control.init(selectElement("10"), QJsonValue());
    auto *combo = control.findChild<QComboBox *>("comboBox");
    // Ordered by value text; the later of two entries with one value wins.
    QCOMPARE(comboTexts(combo), (QStringList{"十=10", "二=2", "叁=3"}));
    QCOMPARE(combo->currentText(), QStringLiteral("十"));
    QCOMPARE(control.findChild<QLabel *>("label")->text(), QStringLiteral("模式："));
    QCOMPARE(control.toolTip(), QStringLiteral("第一行\r\n第二行\r\n"));

    combo->setCurrentIndex(2);
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue("3"));
    QCOMPARE(control.element().toObject().value("defaultValue"), QJsonValue("3"));
}

void tst_Select::radioListsOptionsByLabel()
{
    RadioGroup control;
    control.init(radioElement("TCP"), QJsonValue());
    // The value is the option's label; its text falls back to the label.
    QCOMPARE(radioTexts(&control), (QStringList{"RTP=RTP", "TCP=TCP", "UDP 协议=UDP"}));
    QVERIFY(control.findChild<QRadioButton *>("TCP")->isChecked());

    control.findChild<QRadioButton *>("UDP")->setChecked(true);
    QVERIFY(!control.findChild<QRadioButton *>("TCP")->isChecked());
    QVERIFY(control.validate(QJsonObject()));
    QCOMPARE(control.value(), QJsonValue("UDP"));
}

void tst_Select::numericOptionValues_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QJsonValue>("loaded");

    QTest::newRow("select, number loaded") << "select" << QJsonValue(2);
    QTest::newRow("select, text loaded") << "select" << QJsonValue("2");
    QTest::newRow("radio, number loaded") << "radio" << QJsonValue(2);
    QTest::newRow("radio, text loaded") << "radio" << QJsonValue("2");
}

// Devices may send option values as JSON numbers: each stays its own option,
// the loaded one is shown, and saving untouched writes it back as text.
void tst_Select::numericOptionValues()
{
    QFETCH(QString, kind);
    QFETCH(QJsonValue, loaded);
    const bool select = kind == "select";
    const QString valueKey = select ? "value" : "label";
    QJsonArray options;
    for (int value : {1, 2, 10})
        options.append(QJsonObject{{"type", select ? "el-option" : "el-radio-button"},
                                   {"props", QJsonObject{{valueKey, value}, {"label", value}}}});
    const QJsonObject element{{"type", select ? "el-select" : "el-radio-group"}, {"model", "level"},
                              {"label", "等级"}, {"defaultValue", loaded}, {"children", options}};
    std::unique_ptr<UcBase> control;
    if (select)
        control = std::make_unique<Select>();
    else
        control = std::make_unique<RadioGroup>();
    control->init(element, QJsonValue());

    if (select)
        QCOMPARE(comboTexts(control->findChild<QComboBox *>("comboBox")), (QStringList{"1=1", "10=10", "2=2"}));
    else
        QCOMPARE(radioTexts(control.get()), (QStringList{"1=1", "10=10", "2=2"}));
    QVERIFY(control->validate(QJsonObject()));
    QCOMPARE(control->value(), QJsonValue("2"));
}

void tst_Select::loadedValueOutsideTheOptions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QJsonValue>("loaded");

    QTest::newRow("select, unknown value") << "select" << QJsonValue("7");
    QTest::newRow("select, empty value") << "select" << QJsonValue("");
    QTest::newRow("select, no value") << "select" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("radio, unknown value") << "radio" << QJsonValue("SCTP");
    QTest::newRow("radio, value of another key") << "radio" << QJsonValue("ignored");
    QTest::newRow("radio, no value") << "radio" << QJsonValue(QJsonValue::Undefined);
}

// Nothing is shown as picked, and saving asks the operator instead of
// committing an option the camera never had.
void tst_Select::loadedValueOutsideTheOptions()
{
    QFETCH(QString, kind);
    QFETCH(QJsonValue, loaded);

    std::unique_ptr<UcBase> control;
    if (kind == "select")
        control = std::make_unique<Select>();
    else
        control = std::make_unique<RadioGroup>();
    QJsonObject element = kind == "select" ? selectElement(loaded) : radioElement(loaded);
    if (loaded.isUndefined())
        element.remove("defaultValue");
    control->init(element, QJsonValue());

    if (auto *combo = control->findChild<QComboBox *>("comboBox"))
        QCOMPARE(combo->currentIndex(), -1);
    for (const QRadioButton *button : control->findChildren<QRadioButton *>())
        QVERIFY(!button->isChecked());

    MessageBoxCatcher catcher;
    QVERIFY(!control->validate(QJsonObject()));
    const QString label = element.value("label").toString();
    QCOMPARE(catcher.texts, QStringList{"请配置:" + label});
    QCOMPARE(catcher.titles, QStringList{QString()});
    QCOMPARE(catcher.parents, QList<QWidget *>{control.get()});
    QCOMPARE(control->element().toObject().value("defaultValue"), element.value("defaultValue"));
}

void tst_Select::resetShowsTheLoadedOption()
{
    Select select;
    select.init(selectElement("2"), QJsonValue());
    auto *combo = select.findChild<QComboBox *>("comboBox");
    combo->setCurrentIndex(combo->findData("10"));
    QVERIFY(select.validate(QJsonObject()));
    select.reset();
    QCOMPARE(combo->currentData().toString(), QStringLiteral("2"));
    QCOMPARE(select.value(), QJsonValue("10"));

    Select unknown;
    unknown.init(selectElement("7"), QJsonValue());
    auto *unknownCombo = unknown.findChild<QComboBox *>("comboBox");
    unknownCombo->setCurrentIndex(0);
    unknown.reset();
    QCOMPARE(unknownCombo->currentIndex(), -1);

    RadioGroup radio;
    radio.init(radioElement("SCTP"), QJsonValue());
    radio.findChild<QRadioButton *>("UDP")->setChecked(true);
    radio.reset();
    for (const QRadioButton *button : radio.findChildren<QRadioButton *>())
        QVERIFY(!button->isChecked());
}

void tst_Select::selectCascadeFiresOncePerPick()
{
    Select control;
    QList<QList<Field>> fired;
    connect(&control, &UcBase::cascades_trigger, [&fired](QList<Field> fields) { fired << fields; });
    control.init(selectElement("2"), QJsonValue());
    // A select's loaded value fires nothing; the operator's pick does.
    QVERIFY(fired.isEmpty());

    auto *combo = control.findChild<QComboBox *>("comboBox");
    const int two = combo->findData("2");
    emit combo->activated(two);
    QCOMPARE(fired.size(), 1);
    QCOMPARE(fired.first().size(), 1);
    QCOMPARE(fired.first().first().model, QStringLiteral("x"));
    QVERIFY(fired.first().first().hide);

    emit combo->activated(combo->findData("10"));
    QCOMPARE(fired.size(), 1);
}

void tst_Select::radioCascadeFiresAtLoadAndOnEachCheck()
{
    RadioGroup control;
    QList<QList<Field>> fired;
    connect(&control, &UcBase::cascades_trigger, [&fired](QList<Field> fields) { fired << fields; });
    control.init(radioElement("TCP"), QJsonValue());
    QCOMPARE(fired.size(), 1);
    QVERIFY(fired.last().first().hide);

    control.findChild<QRadioButton *>("UDP")->click();
    QCOMPARE(fired.size(), 2);
    QVERIFY(!fired.last().first().hide);

    control.findChild<QRadioButton *>("RTP")->click();
    QCOMPARE(fired.size(), 2);

    control.reset();
    QCOMPARE(fired.size(), 3);
    QVERIFY(fired.last().first().hide);
}

QTEST_MAIN(tst_Select)
#include "tst_Select.moc"
