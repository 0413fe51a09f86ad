#include "GroupBox.h"
#include "HubMessageRecorder.h"
#include "PayRuleDynamicForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The group box as a container: cascades stay inside the container that
// built the control, the must-select rule, and what it writes back.
class tst_GroupBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cascades_data();
    void cascades();
    void mustSelect_data();
    void mustSelect();
    void writesChildrenBackInOrder();

private:
    static QJsonObject input(int order, const char *model);
    static QJsonObject radio(int order, const char *model, const QJsonArray &cascades);
    static QJsonObject select(int order, const char *model, const QJsonArray &cascades);
    static QJsonObject cascade(const char *value, const char *model, bool hide);
    static QJsonObject cascadeForm();
    // The control for `model` that `container` itself built.
    static UcBase *builtBy(QWidget *container, const QString &model);

    std::unique_ptr<HubMessageRecorder> hub;
};

void tst_GroupBox::init()
{
    hub = std::make_unique<HubMessageRecorder>();
}

void tst_GroupBox::cleanup()
{
    hub.reset();
}

QJsonObject tst_GroupBox::input(int order, const char *model)
{
    return QJsonObject{{"type", "el-input"}, {"order", order}, {"model", model}, {"label", model}, {"defaultValue", "v"}};
}

QJsonObject tst_GroupBox::cascade(const char *value, const char *model, bool hide)
{
    return QJsonObject{{"value", value}, {"fields", QJsonArray{QJsonObject{{"model", model}, {"hide", hide}}}}};
}

QJsonObject tst_GroupBox::radio(int order, const char *model, const QJsonArray &cascades)
{
    const auto button = [](const char *label) {
        return QJsonObject{{"type", "el-radio-button"}, {"props", QJsonObject{{"label", label}}}};
    };
    return QJsonObject{{"type", "el-radio-group"}, {"order", order}, {"model", model}, {"label", model},
                       {"defaultValue", "A"}, {"children", QJsonArray{button("A"), button("B")}},
                       {"cascades", cascades}};
}

QJsonObject tst_GroupBox::select(int order, const char *model, const QJsonArray &cascades)
{
    const auto option = [](const char *value) {
        return QJsonObject{{"type", "el-option"}, {"props", QJsonObject{{"value", value}, {"label", value}}}};
    };
    return QJsonObject{{"type", "el-select"}, {"order", order}, {"model", model}, {"label", model},
                       {"defaultValue", "A"}, {"children", QJsonArray{option("A"), option("B")}},
                       {"cascades", cascades}};
}

// Both the form and its group box hold a radio group and a select, and each
// names, besides its own controls, a model that only the other container
// has: "shared" exists in both, "formOnly" and "groupOnly" in one.
QJsonObject tst_GroupBox::cascadeForm()
{
    const QJsonArray groupChildren{
        radio(1, "groupRadio", {cascade("A", "shared", true), cascade("B", "formOnly", true)}),
        select(2, "groupSelect", {cascade("A", "groupTarget", true), cascade("B", "groupTarget", false)}),
        input(3, "shared"), input(4, "groupTarget"), input(5, "groupOnly")};
    const QJsonArray form{
        radio(1, "formRadio", {cascade("A", "formTarget", true), cascade("B", "groupOnly", true)}),
        select(2, "formSelect", {cascade("A", "selectTarget", true), cascade("B", "selectTarget", false)}),
        input(3, "formTarget"), input(4, "selectTarget"), input(5, "shared"), input(6, "formOnly"),
        QJsonObject{{"type", "h-group-box"}, {"order", 7}, {"model", "group"}, {"label", "分组"},
                    {"children", groupChildren}}};
    return QJsonObject{{"id", "f"}, {"name", "表单"}, {"form", form}};
}

UcBase *tst_GroupBox::builtBy(QWidget *container, const QString &model)
{
    QWidget *parent = container->findChild<QWidget *>("scrollAreaWidgetContents");
    if (!parent)
        parent = container->findChild<QGroupBox *>("groupBox");
    for (UcBase *control : parent->findChildren<UcBase *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->model() == model)
            return control;
    }
    return nullptr;
}

void tst_GroupBox::cascades_data()
{
    QTest::addColumn<QString>("pickIn");     // "form", "group" or "" for none
    QTest::addColumn<QString>("pick");       // "radio=B" or "select=A"
    QTest::addColumn<QString>("lookIn");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("form, radio at load") << "" << "" << "form" << "formTarget" << true;
    QTest::newRow("form, select at load") << "" << "" << "form" << "selectTarget" << false;
    QTest::newRow("group box, radio at load") << "" << "" << "group" << "shared" << true;
    QTest::newRow("group box, select at load") << "" << "" << "group" << "groupTarget" << false;
    QTest::newRow("form, radio by operator") << "form" << "radio=B" << "form" << "formTarget" << true;
    QTest::newRow("form, select by operator") << "form" << "select=A" << "form" << "selectTarget" << true;
    QTest::newRow("group box, select by operator") << "group" << "select=A" << "group" << "groupTarget" << true;
    QTest::newRow("group box, select back") << "group" << "select=B" << "group" << "groupTarget" << false;
    QTest::newRow("group box load leaves the form's twin") << "" << "" << "form" << "shared" << false;
    QTest::newRow("group box pick stays inside") << "group" << "radio=B" << "form" << "formOnly" << false;
    QTest::newRow("form pick stays outside") << "form" << "radio=B" << "group" << "groupOnly" << false;
}

void tst_GroupBox::cascades()
{
    QFETCH(QString, pickIn);
    QFETCH(QString, pick);
    QFETCH(QString, lookIn);
    QFETCH(QString, model);
    QFETCH(bool, hidden);

    PayRuleDynamicForm form;
    QVERIFY(form.load(cascadeForm()));
    QWidget *group = builtBy(&form, "group");
    QVERIFY(group);
    if (!pickIn.isEmpty()) {
        QWidget *container = pickIn == "form" ? static_cast<QWidget *>(&form) : group;
        const QString kind = pick.section('=', 0, 0);
        const QString value = pick.section('=', 1, 1);
        UcBase *picked = builtBy(container, (pickIn == "form" ? "form" : "group")
                                                + QString(kind == "radio" ? "Radio" : "Select"));
        QVERIFY(picked);
        if (auto *combo = picked->findChild<QComboBox *>("comboBox")) {
            combo->setCurrentIndex(combo->findData(value));
            emit combo->activated(combo->currentIndex());
        } else {
            picked->findChild<QRadioButton *>(value)->click();
        }
    }
    UcBase *target = builtBy(lookIn == "form" ? static_cast<QWidget *>(&form) : group, model);
    QVERIFY(target);
    QCOMPARE(target->isHidden(), hidden);
}

void tst_GroupBox::mustSelect_data()
{
    QTest::addColumn<QJsonArray>("children");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("accepted");

    const auto box = [](int order, const char *checked) {
        return QJsonObject{{"type", "el-checkbox"}, {"order", order}, {"model", QString("box%1").arg(order)},
                           {"label", "框"}, {"defaultValue", checked}, {"children", QJsonArray{"勾"}}};
    };
    QTest::newRow("none checked, with message") << QJsonArray{box(1, "0"), box(2, "0")} << "请至少选择一种" << false;
    QTest::newRow("none checked, no message") << QJsonArray{box(1, "0"), box(2, "0")} << "" << false;
    QTest::newRow("one checked") << QJsonArray{box(1, "0"), box(2, "1")} << "请至少选择一种" << true;
    QTest::newRow("no check box at all") << QJsonArray{input(1, "a"), select(2, "s", {})} << "请至少选择一种" << true;
}

void tst_GroupBox::mustSelect()
{
    QFETCH(QJsonArray, children);
    QFETCH(QString, message);
    QFETCH(bool, accepted);

    QJsonObject element{{"type", "h-group-box"}, {"order", 1}, {"model", "g"}, {"label", "分组"},
                        {"mustselect", true}, {"children", children}};
    if (!message.isEmpty())
        element.insert("message", message);
    GroupBox group(nullptr, {});
    group.init(element, QJsonValue());
    QCOMPARE(group.validate(QJsonObject()), accepted);
    QCOMPARE(group.select(), accepted && children.first().toObject().value("type") == "el-checkbox");
    QList<std::pair<int, QString>> expected;
    if (!accepted && !message.isEmpty())
        expected.append({2, message});
    QCOMPARE(hub->messages, expected);
    // A refused group leaves its element as loaded.
    if (!accepted)
        QCOMPARE(group.element().toObject().value("children").toArray(), children);
}

void tst_GroupBox::writesChildrenBackInOrder()
{
    const QJsonArray children{input(2, "second"), input(0, "zero"), input(1, "first"),
                              QJsonObject{{"type", "el-slider"}, {"order", 3}, {"model", "slider"}}};
    GroupBox group(nullptr, {});
    group.init(QJsonObject{{"type", "h-group-box"}, {"model", "g"}, {"label", "分组"}, {"extra", 5},
                           {"children", children}},
               QJsonValue());
    QCOMPARE(group.findChild<QGroupBox *>("groupBox")->title(), QStringLiteral("分组"));
    QVERIFY(group.validate(QJsonObject()));
    const QJsonObject written = group.element().toObject();
    QStringList models;
    for (const QJsonValue &child : written.value("children").toArray())
        models << child.toObject().value("model").toString();
    QCOMPARE(models, (QStringList{"first", "second"}));
    QCOMPARE(written.value("extra"), QJsonValue(5));
    QVERIFY(!written.contains("defaultValue"));
}

QTEST_MAIN(tst_GroupBox)
#include "tst_GroupBox.moc"
