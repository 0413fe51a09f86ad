#include "ControlByModel.h"
#include "ControlFactory.h"
#include "PayRuleDynamicForm.h"
#include "UcBase.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QtTest>

class tst_PayRuleDynamicForm : public QObject
{
    Q_OBJECT

private slots:
    void designerForm();
    void typeMatching_data();
    void typeMatching();
    void ascendingOrder();
    void laterElementTakesADuplicateOrder();
    void definitionsReachTheControls();
    void failedCollectKeepsThePreviousForm();
    void collectOfAnEmptyForm();
    void cascadesHideAndShowByModel();
    void secondLoadStartsFromABlankForm();
    void deeplyNestedContainers_data();
    void deeplyNestedContainers();

private:
    static QJsonObject input(int order, const QString &model, const QJsonValue &value);
    static QJsonObject description(const QJsonArray &form);
    static QStringList laidOutModels(PayRuleDynamicForm &form);
    static QJsonObject nest(const QString &kind, int depth, const QJsonObject &bottom);
    static QJsonObject innermost(QJsonObject element);
};

// `depth` containers of the kind, each the only child of the one above,
// with `bottom` inside the last.
QJsonObject tst_PayRuleDynamicForm::nest(const QString &kind, int depth, const QJsonObject &bottom)
{
    QJsonObject inner = bottom;
    for (int level = depth; level >= 1; --level) {
        const QString model = QString("level%1").arg(level);
        if (kind == "h-tabs") {
            const QJsonObject pane{{"type", "h-tab-pane"}, {"order", 1}, {"label", model},
                                   {"children", QJsonArray{inner}}};
            inner = QJsonObject{{"type", "h-tabs"}, {"order", 1}, {"model", model}, {"children", QJsonArray{pane}}};
        } else {
            inner = QJsonObject{{"type", kind}, {"order", 1}, {"model", model}, {"label", model},
                                {"children", QJsonArray{inner}}};
        }
    }
    return inner;
}

// The element at the bottom of a chain of only children.
QJsonObject tst_PayRuleDynamicForm::innermost(QJsonObject element)
{
    while (element.contains("children"))
        element = element.value("children").toArray().first().toObject();
    return element;
}

QJsonObject tst_PayRuleDynamicForm::input(int order, const QString &model, const QJsonValue &value)
{
    return QJsonObject{{"type", "el-input"}, {"order", order}, {"model", model}, {"label", model},
                       {"defaultValue", value}};
}

QJsonObject tst_PayRuleDynamicForm::description(const QJsonArray &form)
{
    return QJsonObject{{"id", "f"}, {"name", "n"}, {"form", form}};
}

QStringList tst_PayRuleDynamicForm::laidOutModels(PayRuleDynamicForm &form)
{
    QStringList models;
    QLayout *layout = form.findChild<QWidget *>("scrollAreaWidgetContents")->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *control = qobject_cast<UcBase *>(layout->itemAt(i)->widget()))
            models.append(control->model());
    }
    return models;
}

void tst_PayRuleDynamicForm::designerForm()
{
    PayRuleDynamicForm form;
    QCOMPARE(form.objectName(), QStringLiteral("PayRuleDynamicForm"));
    auto *scrollArea = form.findChild<QScrollArea *>("scrollArea");
    QVERIFY(scrollArea);
    QVERIFY(scrollArea->widgetResizable());
    QCOMPARE(scrollArea->widget()->objectName(), QStringLiteral("scrollAreaWidgetContents"));
    QCOMPARE(scrollArea->widget()->layout()->contentsMargins(), QMargins(3, 3, 3, 3));
}

void tst_PayRuleDynamicForm::typeMatching_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("control");

    QTest::newRow("input") << "el-input" << "Input";
    QTest::newRow("text around input") << "my-el-input-wide" << "Input";
    QTest::newRow("check box") << "el-checkbox" << "CheckBox";
    QTest::newRow("input before check box") << "el-checkbox el-input" << "Input";
    // "el-select" comes first in the table, so this never becomes a check box.
    QTest::newRow("select before check box") << "el-select el-checkbox" << "Select";
    QTest::newRow("radio group") << "el-radio-group" << "RadioGroup";
    QTest::newRow("charge times") << "h-charge-times" << "ChargeTimes";
    QTest::newRow("time picker") << "h-time-picker-obj" << "TimePicker";
    QTest::newRow("time picker without obj") << "h-time-picker" << "";
    QTest::newRow("group box") << "h-group-box" << "GroupBox";
    QTest::newRow("case differs") << "El-Input" << "";
    QTest::newRow("unknown") << "el-slider" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_PayRuleDynamicForm::typeMatching()
{
    QFETCH(QString, type);
    QFETCH(QString, control);
    QWidget parent;
    UcBase *made = ControlFactory::create(type, &parent, {});
    QCOMPARE(made ? QString::fromLatin1(made->metaObject()->className()) : QString(), control);
    if (made)
        QCOMPARE(made->parentWidget(), &parent);
}

void tst_PayRuleDynamicForm::ascendingOrder()
{
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({input(3, "c", "3"), input(1, "a", "1"), input(2, "b", "2")})));
    QCOMPARE(laidOutModels(form), (QStringList{"a", "b", "c"}));
    QVERIFY(form.collect());
    const QJsonArray collected = form.description().value("form").toArray();
    QCOMPARE(collected, (QJsonArray{input(1, "a", "1"), input(2, "b", "2"), input(3, "c", "3")}));
}

void tst_PayRuleDynamicForm::laterElementTakesADuplicateOrder()
{
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({input(1, "first", "1"), input(1, "second", "2")})));
    QVERIFY(!controlByModel(form, "first"));
    QCOMPARE(laidOutModels(form), QStringList{"second"});
    QVERIFY(form.collect());
    QCOMPARE(form.description().value("form").toArray(), QJsonArray{input(1, "second", "2")});
}

void tst_PayRuleDynamicForm::definitionsReachTheControls()
{
    QJsonObject withDefinitions = description({input(1, "speed", "12.5"), input(2, "name", "x")});
    withDefinitions.insert("paramsDef",
                           QJsonObject{{"definitions", QJsonArray{QJsonObject{{"id", "speed"}, {"type", "string"}},
                                                                  QJsonObject{{"id", "speed"}, {"type", "Float"}},
                                                                  "not an object"}}});
    PayRuleDynamicForm form;
    QVERIFY(form.load(withDefinitions));
    // The later definition with the same id replaces the earlier one.
    QVERIFY(!controlByModel(form, "speed")->findChild<QWidget *>("doubleSpinBox")->isHidden());
    QVERIFY(!controlByModel(form, "name")->findChild<QWidget *>("lineEdit")->isHidden());
}

void tst_PayRuleDynamicForm::failedCollectKeepsThePreviousForm()
{
    QJsonObject required = input(2, "name", "old");
    required.insert("props", QJsonObject{{"required", true}});
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({input(1, "host", "h"), required})));
    const QJsonObject loaded = form.description();

    controlByModel(form, "host")->findChild<QLineEdit *>("lineEdit")->setText("h2");
    controlByModel(form, "name")->findChild<QLineEdit *>("lineEdit")->setText("");
    QVERIFY(!form.collect());
    QCOMPARE(form.description(), loaded);
    // The control before the refusal has already taken the new value.
    QCOMPARE(controlByModel(form, "host")->element().toObject().value("defaultValue"), QJsonValue("h2"));

    controlByModel(form, "name")->findChild<QLineEdit *>("lineEdit")->setText("new");
    QVERIFY(form.collect());
    QJsonObject host = input(1, "host", "h2");
    QJsonObject name = required;
    name.insert("defaultValue", "new");
    QCOMPARE(form.description().value("form").toArray(), (QJsonArray{host, name}));
}

void tst_PayRuleDynamicForm::collectOfAnEmptyForm()
{
    PayRuleDynamicForm form;
    QVERIFY(!form.collect());
    QVERIFY(form.load(description({input(0, "a", "1")})));
    QVERIFY(!form.collect());
    QCOMPARE(form.description().value("form").toArray(), QJsonArray{input(0, "a", "1")});
}

void tst_PayRuleDynamicForm::cascadesHideAndShowByModel()
{
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({input(1, "a", "1"), input(2, "b", "2")})));
    form.cascades_trigger({Field{"b", true}, Field{"unknown", true}});
    QVERIFY(controlByModel(form, "b")->isHidden());
    QVERIFY(!controlByModel(form, "a")->isHidden());
    form.cascades_trigger({Field{"b", false}});
    QVERIFY(!controlByModel(form, "b")->isHidden());

    form.cascades_trigger({Field{"a", true}});
    QVERIFY(form.collect());
    QCOMPARE(form.description().value("form").toArray().size(), 2);
}

void tst_PayRuleDynamicForm::secondLoadStartsFromABlankForm()
{
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({input(1, "a", "1"), input(2, "b", "2")})));
    QPointer<UcBase> old = controlByModel(form, "a");
    QVERIFY(form.load(description({input(1, "c", "3")})));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    QCOMPARE(laidOutModels(form), QStringList{"c"});
    QLayout *layout = form.findChild<QWidget *>("scrollAreaWidgetContents")->layout();
    QCOMPARE(layout->count(), 3); // the control, the stretch and the spacer
    QVERIFY(form.collect());
    QCOMPARE(form.description().value("form").toArray(), QJsonArray{input(1, "c", "3")});
}

void tst_PayRuleDynamicForm::deeplyNestedContainers_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("tabs") << "h-tabs";
    QTest::newRow("group boxes") << "h-group-box";
}

// A form description comes from the camera: nesting a hundred levels deep
// must neither freeze the program nor lose the value at the bottom.
void tst_PayRuleDynamicForm::deeplyNestedContainers()
{
    QFETCH(QString, kind);
    constexpr int kDepth = 100;
    const QJsonObject loaded = nest(kind, kDepth, input(1, "deep", "before"));
    PayRuleDynamicForm form;
    QVERIFY(form.load(description({loaded})));
    QCOMPARE(form.findChildren<UcBase *>().size(), (kind == "h-tabs" ? 2 * kDepth : kDepth) + 1);

    auto *edit = controlByModel(form, "deep")->findChild<QLineEdit *>("lineEdit");
    edit->setText("after");
    QVERIFY(form.collect());
    const QJsonObject collected = form.description().value("form").toArray().first().toObject();
    QCOMPARE(innermost(collected), input(1, "deep", "after"));
    QCOMPARE(collected, nest(kind, kDepth, input(1, "deep", "after")));

    QCOMPARE(form.reset(), 0);
    QCOMPARE(edit->text(), QString("before"));
}

QTEST_MAIN(tst_PayRuleDynamicForm)
#include "tst_PayRuleDynamicForm.moc"
