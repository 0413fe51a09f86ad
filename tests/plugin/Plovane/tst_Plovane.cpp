#include "PluginHarness.h"

#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include <memory>

class tst_Plovane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void metadataNamesTheInterface();
    void instanceIsKeptAcrossCalls();
    void missingFileGivesNoPlugin();
    void pluginOfAnotherInterfaceIsRefused();

    void foreignWidgets_data();
    void foreignWidgets();
    void identityOfALoadedForm();
    void backgroundColour();
    void loadedFormIsPaintedInTheNewBackground();
    void templateAppearsWithTheFirstCollect();
    void loadFailures_data();
    void loadFailures();
    void failedReloadLeavesNoControls();
    void validationMessagesLeaveAsSigSendMsg();
    void managerOperationsAnswerWithoutAManager();

private:
    static QJsonObject smallForm();

    std::unique_ptr<PluginHarness> harness;
    DynamicFormInterface *plugin = nullptr;
};

QJsonObject tst_Plovane::smallForm()
{
    return QJsonObject{
        {"id", "f1"},
        {"name", "表单一"},
        {"template", QJsonObject{{"t", 1}}},
        {"form", QJsonArray{QJsonObject{{"type", "el-input"}, {"order", 1}, {"model", "host"},
                                        {"label", "主机"}, {"defaultValue", "a"},
                                        {"props", QJsonObject{{"required", true},
                                                              {"validators", QJsonArray{QJsonObject{
                                                                                 {"message", "请输入主机"}}}}}}}}},
    };
}

void tst_Plovane::initTestCase()
{
    harness = std::make_unique<PluginHarness>();
    plugin = harness->plugin();
    QVERIFY2(plugin, qPrintable(harness->loader().errorString()));
}

void tst_Plovane::metadataNamesTheInterface()
{
    const QJsonObject metaData = harness->loader().metaData();
    QCOMPARE(metaData.value("IID").toString(), QStringLiteral("MT.Plovane.DynamicFormInterface"));
    QCOMPARE(metaData.value("className").toString(), QStringLiteral("Plovane"));
    QCOMPARE(metaData.value("MetaData").toObject(), QJsonObject());
}

void tst_Plovane::instanceIsKeptAcrossCalls()
{
    QPluginLoader second(PluginHarness::pluginPath());
    QCOMPARE(qobject_cast<DynamicFormInterface *>(second.instance()), plugin);
}

void tst_Plovane::missingFileGivesNoPlugin()
{
    QPluginLoader loader(QDir::temp().filePath("no-such-folder/libPlovane.so"));
    QVERIFY(!loader.instance());
    QVERIFY(!qobject_cast<DynamicFormInterface *>(loader.instance()));
}

void tst_Plovane::pluginOfAnotherInterfaceIsRefused()
{
    QPluginLoader loader(QStringLiteral(FOREIGN_PLUGIN_PATH));
    QVERIFY2(loader.instance(), qPrintable(loader.errorString()));
    QVERIFY(!qobject_cast<DynamicFormInterface *>(loader.instance()));
    loader.unload();
}

void tst_Plovane::foreignWidgets_data()
{
    QTest::addColumn<bool>("useNull");
    QTest::newRow("null") << true;
    QTest::newRow("plain label") << false;
}

void tst_Plovane::foreignWidgets()
{
    QFETCH(bool, useNull);
    QLabel label;
    QWidget *foreign = useNull ? nullptr : &label;

    QVERIFY(!plugin->loadForm(foreign, smallForm()));
    QCOMPARE(plugin->formId(foreign), QString());
    QCOMPARE(plugin->formName(foreign), QString());
    QString id = "stale", name = "stale";
    plugin->formIdName(foreign, id, name);
    QCOMPARE(id, QString());
    QCOMPARE(name, QString());
    QVERIFY(!plugin->collectForm(foreign));
    QCOMPARE(plugin->resetForm(foreign), -1);
    QCOMPARE(plugin->formDescription(foreign), QJsonObject());
    QCOMPARE(plugin->formTemplate(foreign), QJsonObject());
    QCOMPARE(plugin->setFormBackground(foreign, Qt::white), -1);
}

void tst_Plovane::identityOfALoadedForm()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QCOMPARE(form->parentWidget(), &page);
    QVERIFY(plugin->loadForm(form, smallForm()));
    QCOMPARE(plugin->formId(form), QStringLiteral("f1"));
    QCOMPARE(plugin->formName(form), QStringLiteral("表单一"));
    QString id, name;
    plugin->formIdName(form, id, name);
    QCOMPARE(id, QStringLiteral("f1"));
    QCOMPARE(name, QStringLiteral("表单一"));
    QCOMPARE(plugin->resetForm(form), 0);
}

void tst_Plovane::backgroundColour()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    const QString initial = form->styleSheet();
    QCOMPARE(initial, QStringLiteral("#scrollAreaWidgetContents{background-color: rgb(236, 241, 245);}"));

    QCOMPARE(plugin->setFormBackground(form, QColor()), -1);
    QCOMPARE(form->styleSheet(), initial);

    QCOMPARE(plugin->setFormBackground(form, QColor(255, 255, 255)), 0);
    QCOMPARE(form->styleSheet(), QStringLiteral("#scrollAreaWidgetContents{background-color: rgb(255, 255, 255);}"));
    QCOMPARE(plugin->setFormBackground(form, QColor(1, 2, 3)), 0);
    QCOMPARE(form->styleSheet(), QStringLiteral("#scrollAreaWidgetContents{background-color: rgb(1, 2, 3);}"));
}

// The host loads the form, then sets white before the page is shown.
void tst_Plovane::loadedFormIsPaintedInTheNewBackground()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QVERIFY(plugin->loadForm(form, smallForm()));
    QCOMPARE(plugin->setFormBackground(form, Qt::white), 0);
    page.resize(700, 300);
    form->resize(700, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    // Below the only control, inside the scroll area's contents.
    const QImage image = form->grab().toImage();
    QCOMPARE(image.pixelColor(300, 200), QColor(Qt::white));
}

void tst_Plovane::templateAppearsWithTheFirstCollect()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QVERIFY(plugin->loadForm(form, smallForm()));
    QCOMPARE(plugin->formTemplate(form), QJsonObject());
    QVERIFY(plugin->collectForm(form));
    QCOMPARE(plugin->formTemplate(form), (QJsonObject{{"t", 1}}));
}

void tst_Plovane::loadFailures_data()
{
    QTest::addColumn<QJsonObject>("description");
    QTest::addColumn<bool>("loads");

    QJsonObject noId = smallForm();
    noId.remove("id");
    QJsonObject emptyName = smallForm();
    emptyName.insert("name", "");
    QJsonObject numericId = smallForm();
    numericId.insert("id", 7);
    QJsonObject noForm = smallForm();
    noForm.remove("form");
    QJsonObject formNotArray = smallForm();
    formNotArray.insert("form", QJsonObject{{"type", "el-input"}, {"order", 1}});
    QJsonObject nothingBuildable = smallForm();
    nothingBuildable.insert("form", QJsonArray{QJsonObject{{"type", "el-input"}, {"order", 0}}});

    QTest::newRow("no id") << noId << false;
    QTest::newRow("empty name") << emptyName << false;
    QTest::newRow("id not a string") << numericId << false;
    QTest::newRow("no form") << noForm << false;
    QTest::newRow("form not an array") << formNotArray << true;
    QTest::newRow("nothing buildable") << nothingBuildable << true;
}

// Whether or not the load itself succeeds, such a form shows nothing and
// never reports a collect as done, so nothing half-built reaches the device.
void tst_Plovane::loadFailures()
{
    QFETCH(QJsonObject, description);
    QFETCH(bool, loads);
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QCOMPARE(plugin->loadForm(form, description), loads);
    QVERIFY(!PluginHarness::control(form, "host"));
    QVERIFY(!plugin->collectForm(form));
    QCOMPARE(plugin->formDescription(form), description);
}

void tst_Plovane::failedReloadLeavesNoControls()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QVERIFY(plugin->loadForm(form, smallForm()));
    QPointer<QWidget> old = PluginHarness::control(form, "host");
    QVERIFY(old);

    QJsonObject broken = smallForm();
    broken.remove("name");
    QVERIFY(!plugin->loadForm(form, broken));
    QVERIFY(old->isHidden());
    PluginHarness::flushDeletions();
    QVERIFY(!old);
    QVERIFY(!plugin->collectForm(form));
    QCOMPARE(plugin->formDescription(form), broken);
}

void tst_Plovane::validationMessagesLeaveAsSigSendMsg()
{
    QWidget page;
    QWidget *form = plugin->createForm(&page);
    QVERIFY(plugin->loadForm(form, smallForm()));
    auto *edit = PluginHarness::control(form, "host")->findChild<QLineEdit *>("lineEdit");
    edit->setText("   ");
    harness->clearMessages();

    QVERIFY(!plugin->collectForm(form));
    QCOMPARE(harness->messages().size(), 1);
    QCOMPARE(harness->messages().first().first, 2);
    QCOMPARE(harness->messages().first().second, QStringLiteral("请输入主机"));
    QCOMPARE(plugin->formDescription(form), smallForm());
}

void tst_Plovane::managerOperationsAnswerWithoutAManager()
{
    QWidget page;
    QCOMPARE(plugin->createFormManager(QString(), &page), nullptr);
    QCOMPARE(harness->managerOperationsNotRefused(smallForm()), QStringList());
}

QTEST_MAIN(tst_Plovane)
#include "tst_Plovane.moc"
