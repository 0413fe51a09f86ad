#include "ControlByModel.h"
#include "PayRuleDynamicForm.h"
#include "TabPane.h"
#include "TabWidget.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

// The tabs control and its panes: which children become tabs, how the edited
// panes are written back, and where their visibility changes land.
class tst_TabWidget : public QObject
{
    Q_OBJECT

private slots:
    void panesInOrder_data();
    void panesInOrder();
    void nestedControlsAreWrittenBackInPaneOrder();
    void refusalInALaterTabStopsTheCollect();
    void resetReachesEveryPane();
    void paneCascades();
    void cascadesQueuedDuringTheBuildAreApplied();
    void formWithTabsDestroyedInMidSlide();
    void indicatorIsNotCoveredByThePage();
    void longPaneLetsTheFormScroll();

private:
    static QJsonObject input(int order, const QString &model, const QString &value);
    static QJsonObject checkBox(int order, const QString &model, const QString &value);
    static QJsonObject pane(int order, const QString &model, const QJsonArray &children);
    static QJsonObject tabs(const QJsonValue &children);
    static std::unique_ptr<TabWidget> build(const QJsonValue &children);
    static QStringList tabTexts(TabWidget &widget);
    static QStringList childModels(const QJsonValue &element);
    static QJsonObject formWithTabs(const QJsonArray &panes);
};

QJsonObject tst_TabWidget::formWithTabs(const QJsonArray &panes)
{
    return QJsonObject{{"id", "f"}, {"name", "n"}, {"form", QJsonArray{tabs(panes)}}};
}

QJsonObject tst_TabWidget::input(int order, const QString &model, const QString &value)
{
    return QJsonObject{{"type", "el-input"}, {"order", order}, {"model", model}, {"label", model},
                       {"defaultValue", value}};
}

QJsonObject tst_TabWidget::checkBox(int order, const QString &model, const QString &value)
{
    return QJsonObject{{"type", "el-checkbox"}, {"order", order}, {"model", model}, {"label", model},
                       {"defaultValue", value}, {"children", QJsonArray{"on"}}};
}

QJsonObject tst_TabWidget::pane(int order, const QString &model, const QJsonArray &children)
{
    return QJsonObject{{"type", "h-tab-pane"}, {"order", order}, {"model", model}, {"label", model + " 页"},
                       {"children", children}};
}

QJsonObject tst_TabWidget::tabs(const QJsonValue &children)
{
    QJsonObject element{{"type", "h-tabs"}, {"order", 1}, {"model", "tabs"}, {"label", "分组"}};
    if (!children.isUndefined())
        element.insert("children", children);
    return element;
}

std::unique_ptr<TabWidget> tst_TabWidget::build(const QJsonValue &children)
{
    auto widget = std::make_unique<TabWidget>(nullptr, QMap<QString, QJsonValue>());
    widget->init(tabs(children), QJsonValue());
    return widget;
}

QStringList tst_TabWidget::tabTexts(TabWidget &widget)
{
    auto *tabWidget = widget.findChild<QTabWidget *>("tabWidget");
    QStringList texts;
    for (int i = 0; i < tabWidget->count(); ++i)
        texts.append(tabWidget->tabText(i));
    return texts;
}

QStringList tst_TabWidget::childModels(const QJsonValue &element)
{
    QStringList models;
    for (const QJsonValue &child : element.toObject().value("children").toArray())
        models.append(child.toObject().value("model").toString());
    return models;
}

void tst_TabWidget::panesInOrder_data()
{
    QTest::addColumn<QJsonValue>("children");
    QTest::addColumn<QStringList>("panes");

    QJsonObject noOrder = pane(1, "noOrder", {});
    noOrder.remove("order");
    QJsonObject notAPane = input(4, "notAPane", "x");
    QJsonObject tabsInsteadOfPane = pane(5, "innerTabs", {});
    tabsInsteadOfPane.insert("type", "h-tabs");

    QTest::newRow("shuffled") << QJsonValue(QJsonArray{pane(3, "c", {}), pane(1, "a", {}), pane(2, "b", {})})
                              << QStringList{"a", "b", "c"};
    QTest::newRow("dropped children")
        << QJsonValue(QJsonArray{pane(0, "zero", {}), pane(-1, "negative", {}), noOrder, notAPane,
                                 tabsInsteadOfPane, pane(2, "kept", {})})
        << QStringList{"kept"};
    QTest::newRow("same order: the later pane")
        << QJsonValue(QJsonArray{pane(1, "first", {}), pane(1, "second", {})}) << QStringList{"second"};
    QTest::newRow("no children") << QJsonValue(QJsonValue::Undefined) << QStringList();
    QTest::newRow("children not an array") << QJsonValue(QJsonObject{{"type", "h-tab-pane"}}) << QStringList();
}

// The tabs, the panes that exist and the collected "children" agree: no
// dropped or displaced pane is shown, kept or written back.
void tst_TabWidget::panesInOrder()
{
    QFETCH(QJsonValue, children);
    QFETCH(QStringList, panes);
    auto widget = build(children);

    QStringList texts;
    for (const QString &model : panes)
        texts.append(model + " 页");
    QCOMPARE(tabTexts(*widget), texts);
    QCOMPARE(widget->findChildren<TabPane *>().size(), panes.size());

    QVERIFY(widget->validate(QJsonObject()));
    QVERIFY(widget->element().toObject().value("children").isArray());
    QCOMPARE(childModels(widget->element()), panes);
}

void tst_TabWidget::nestedControlsAreWrittenBackInPaneOrder()
{
    const QJsonArray innerPanes{pane(1, "inner", {input(2, "deep", "d"), input(1, "deeper", "e")})};
    QJsonObject innerTabs = tabs(innerPanes);
    innerTabs.insert("order", 3);
    innerTabs.insert("model", "innerTabs");
    auto widget = build(QJsonArray{
        pane(2, "second", {input(2, "port", "80"), checkBox(1, "enable", "0"), input(0, "dropped", "x")}),
        pane(1, "first", {innerTabs, input(1, "host", "a")})});

    controlByModel(*widget, "host")->findChild<QLineEdit *>("lineEdit")->setText("b");
    controlByModel(*widget, "deep")->findChild<QLineEdit *>("lineEdit")->setText("changed");
    controlByModel(*widget, "enable")->findChild<QCheckBox *>("checkBox")->setChecked(true);
    QVERIFY(widget->validate(QJsonObject()));

    const QJsonArray collected = widget->element().toObject().value("children").toArray();
    QCOMPARE(childModels(widget->element()), (QStringList{"first", "second"}));
    QCOMPARE(childModels(collected[0]), (QStringList{"host", "innerTabs"}));
    QCOMPARE(childModels(collected[1]), (QStringList{"enable", "port"}));
    const QJsonArray first = collected[0].toObject().value("children").toArray();
    QCOMPARE(first[0].toObject().value("defaultValue"), QJsonValue("b"));
    const QJsonValue inner = first[1].toObject().value("children").toArray()[0];
    QCOMPARE(childModels(inner), (QStringList{"deeper", "deep"}));
    QCOMPARE(inner.toObject().value("children").toArray()[1].toObject().value("defaultValue"), QJsonValue("changed"));
    QCOMPARE(collected[1].toObject().value("children").toArray()[0].toObject().value("defaultValue"), QJsonValue("1"));
    // The pane keeps its own keys beside the rewritten children.
    QCOMPARE(collected[1].toObject().value("label"), QJsonValue("second 页"));
}

// The operator is not moved to the refusing tab; what validated before the
// refusal has committed its value, but no container is rewritten.
void tst_TabWidget::refusalInALaterTabStopsTheCollect()
{
    QJsonObject required = input(1, "host", "a");
    required.insert("props", QJsonObject{{"required", true}});
    const QJsonObject element = tabs(QJsonArray{pane(1, "first", {checkBox(1, "enable", "0")}),
                                                pane(2, "second", {required})});
    TabWidget widget(nullptr, {});
    widget.init(element, QJsonValue());
    controlByModel(widget, "enable")->findChild<QCheckBox *>("checkBox")->setChecked(true);
    controlByModel(widget, "host")->findChild<QLineEdit *>("lineEdit")->setText(" ");

    QVERIFY(!widget.validate(QJsonObject()));
    QCOMPARE(widget.findChild<QTabWidget *>("tabWidget")->currentIndex(), 0);
    QCOMPARE(controlByModel(widget, "enable")->value(), QJsonValue("1"));
    QCOMPARE(widget.element().toObject(), element);
}

void tst_TabWidget::resetReachesEveryPane()
{
    auto widget = build(QJsonArray{pane(1, "first", {input(1, "host", "a")}),
                                   pane(2, "second", {checkBox(1, "enable", "1")})});
    auto *edit = controlByModel(*widget, "host")->findChild<QLineEdit *>("lineEdit");
    auto *box = controlByModel(*widget, "enable")->findChild<QCheckBox *>("checkBox");
    edit->setText("b");
    box->setChecked(false);
    widget->reset();
    QCOMPARE(edit->text(), QStringLiteral("a"));
    QVERIFY(box->isChecked());
}

// A pane hides and shows only its own controls, by model; the same model in
// another pane is left alone.
void tst_TabWidget::paneCascades()
{
    auto widget = build(QJsonArray{pane(1, "first", {input(1, "host", "a"), input(2, "port", "1")}),
                                   pane(2, "second", {input(1, "host", "b")})});
    const QList<TabPane *> panes = widget->findChildren<TabPane *>();
    TabPane *first = panes[0]->model() == "first" ? panes[0] : panes[1];
    TabPane *second = first == panes[0] ? panes[1] : panes[0];
    UcBase *firstHost = controlByModel(*first, "host");
    UcBase *secondHost = controlByModel(*second, "host");

    first->onCascadesTriggered({Field{"host", true}, Field{"unknown", true}});
    QVERIFY(firstHost->isHidden());
    QVERIFY(!secondHost->isHidden());
    QVERIFY(!controlByModel(*first, "port")->isHidden());

    first->onCascadesTriggered({});
    QVERIFY(firstHost->isHidden());
    first->onCascadesTriggered({Field{"host", false}});
    QVERIFY(!firstHost->isHidden());
}

void tst_TabWidget::cascadesQueuedDuringTheBuildAreApplied()
{
    TabPane pane(nullptr, {});
    pane.onCascadesTriggered({Field{"port", true}});
    pane.init(tst_TabWidget::pane(1, "first", {input(1, "host", "a"), input(2, "port", "1")}), QJsonValue());
    QVERIFY(controlByModel(pane, "port")->isHidden());
    QVERIFY(!controlByModel(pane, "host")->isHidden());
}

// Forms are rebuilt on every device reply, often while the tab indicator
// still slides; the sanitizer build shows any step into the freed form.
void tst_TabWidget::formWithTabsDestroyedInMidSlide()
{
    auto *form = new PayRuleDynamicForm;
    QVERIFY(form->load(formWithTabs({pane(1, "first", {input(1, "host", "a")}),
                                     pane(2, "second", {input(1, "port", "1")}), pane(3, "third", {})})));
    form->resize(600, 400);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto *tabWidget = form->findChild<QTabWidget *>("tabWidget");
    tabWidget->setCurrentIndex(2);
    QPointer<QObject> animation = tabWidget->findChild<QVariantAnimation *>();
    QVERIFY(animation);
    QTest::qWait(100);
    delete form;
    QVERIFY(animation.isNull());
    QTest::qWait(250);
}

// The rule and the current tab's bar lie on the page's first rows; a page
// that paints there would hide which tab is open.
void tst_TabWidget::indicatorIsNotCoveredByThePage()
{
    PayRuleDynamicForm form;
    QVERIFY(form.load(formWithTabs({pane(1, "first", {input(1, "host", "a")}), pane(2, "second", {})})));
    form.setBackgroundColor(Qt::white);
    form.resize(600, 400);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *tabWidget = form.findChild<QTabWidget *>("tabWidget");
    const QRect tab = tabWidget->tabBar()->tabRect(0);
    const QImage image = tabWidget->grab().toImage();
    const int barRow = tab.y() + tab.height();
    QCOMPARE(image.pixelColor(tab.center().x(), barRow), QColor("#4194FF"));
    QCOMPARE(image.pixelColor(tab.center().x(), barRow + 1), QColor("#4194FF"));
    QCOMPARE(image.pixelColor(tabWidget->width() - 20, barRow), QColor("#e4e7ed"));
}

// With room on the page, every row of a long pane is shown and only the
// form scrolls, never a scroll area inside it.
void tst_TabWidget::longPaneLetsTheFormScroll()
{
    QJsonArray rows;
    for (int order = 1; order <= 15; ++order)
        rows.append(input(order, QString("row%1").arg(order), "x"));
    PayRuleDynamicForm form;
    QVERIFY(form.load(formWithTabs({pane(1, "long", rows)})));
    form.resize(800, 1200);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *paneArea = form.findChild<TabPane *>()->findChild<QScrollArea *>("scrollArea");
    QVERIFY(!paneArea->verticalScrollBar()->isVisible());
}

QTEST_MAIN(tst_TabWidget)
#include "tst_TabWidget.moc"
