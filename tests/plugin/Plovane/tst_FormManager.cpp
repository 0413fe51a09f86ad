#include "PluginHarness.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The form manager through the plug-in's manager operations: a directory of
// description files, the forms it keeps and the current one.
class tst_FormManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void directoryLoadKeepsTheValidDescriptions();
    void secondManagerRequestLoadsNothing();
    void noCurrentFormBeforeTheFormsAreShown();
    void showSelectsTheFirstOrTheAddedForm();
    void addingAFormThatDoesNotLoad();
    void selectingAForm();
    void collectOfTheCurrentForm();
    void resetOfTheCurrentForm();
    void backgroundOfEveryForm();
    void reloadReadsTheDirectoryAgain();
    void operationsAfterTheManagerIsDestroyed();
    void operationsAfterTheHostDeletedTheManager();

private:
    static QJsonObject description(const QString &id, const QString &name, const QString &host);
    void write(const QString &fileName, const QByteArray &text) const;
    void writeDescription(const QString &fileName, const QJsonObject &object) const;
    static QStringList pairs(const QList<FormIdName> &list);
    QStringList listed() const;
    QString current() const;
    QWidget *currentPage() const;
    QLineEdit *hostEdit() const;

    std::unique_ptr<PluginHarness> harness;
    DynamicFormInterface *plugin = nullptr;
    std::unique_ptr<QTemporaryDir> directory;
    std::unique_ptr<QWidget> page;
    DynamicFormMgt *manager = nullptr;
};

QJsonObject tst_FormManager::description(const QString &id, const QString &name, const QString &host)
{
    const QJsonObject hostInput{{"type", "el-input"}, {"order", 1}, {"model", "host"}, {"label", "主机"},
                                {"defaultValue", host}, {"props", QJsonObject{{"required", true}}}};
    return QJsonObject{{"id", id}, {"name", name}, {"template", QJsonObject{{"of", id}}},
                       {"form", QJsonArray{hostInput}}};
}

void tst_FormManager::write(const QString &fileName, const QByteArray &text) const
{
    QFile file(directory->filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void tst_FormManager::writeDescription(const QString &fileName, const QJsonObject &object) const
{
    write(fileName, QJsonDocument(object).toJson());
}

QStringList tst_FormManager::pairs(const QList<FormIdName> &list)
{
    QStringList result;
    for (const FormIdName &entry : list)
        result.append(entry.id + "/" + entry.name);
    return result;
}

QStringList tst_FormManager::listed() const
{
    QList<FormIdName> list;
    if (plugin->formList(&list) != 0)
        return {"no manager"};
    return pairs(list);
}

QString tst_FormManager::current() const
{
    FormIdName which;
    if (plugin->currentFormIdName(&which) != 0)
        return QStringLiteral("none");
    return which.id + "/" + which.name;
}

QWidget *tst_FormManager::currentPage() const
{
    return page->findChild<QStackedWidget *>("stackedWidget")->currentWidget();
}

QLineEdit *tst_FormManager::hostEdit() const
{
    return PluginHarness::control(currentPage(), "host")->findChild<QLineEdit *>("lineEdit");
}

void tst_FormManager::initTestCase()
{
    harness = std::make_unique<PluginHarness>();
    plugin = harness->plugin();
    QVERIFY2(plugin, qPrintable(harness->loader().errorString()));
}

// Two good forms, a later file with the first one's id and name, and the
// files the manager must pass over.
void tst_FormManager::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
    writeDescription("one.json", description("f1", "表单一", "a"));
    writeDescription("two.json", description("f2", "表单二", "b"));
    writeDescription("one-again.json", description("f1", "表单一", "c"));
    write("broken.json", "{\"id\": \"f9\", \"name\": ");
    QJsonObject withoutId = description("f8", "无编号", "d");
    withoutId.remove("id");
    writeDescription("without-id.json", withoutId);
    writeDescription("notes.txt", description("f7", "文本", "e"));
    QVERIFY(QDir(directory->path()).mkdir("folder.json"));

    page = std::make_unique<QWidget>();
    manager = plugin->createFormManager(directory->path(), page.get());
    QVERIFY(manager);
}

void tst_FormManager::cleanup()
{
    plugin->destroyFormManager();
    page.reset();
    PluginHarness::flushDeletions();
    directory.reset();
}

void tst_FormManager::directoryLoadKeepsTheValidDescriptions()
{
    QStringList names = listed();
    names.sort();
    QCOMPARE(names, (QStringList{"f1/表单一", "f2/表单二"}));
    QCOMPARE(page->findChild<QWidget *>("DynamicFormMgt")->parentWidget(), page.get());
    plugin->showForms();
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->count(), 2);
}

void tst_FormManager::secondManagerRequestLoadsNothing()
{
    QTemporaryDir other;
    QFile file(QDir(other.path()).filePath("three.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(description("f3", "表单三", "x")).toJson());
    file.close();

    QCOMPARE(plugin->createFormManager(other.path(), page.get()), manager);
    QCOMPARE(plugin->createFormManager(QString(), page.get()), nullptr);
    QCOMPARE(listed().size(), 2);
}

void tst_FormManager::noCurrentFormBeforeTheFormsAreShown()
{
    QJsonObject object{{"stale", true}};
    QCOMPARE(current(), QStringLiteral("none"));
    QCOMPARE(plugin->collectCurrent(), -1);
    QCOMPARE(plugin->resetCurrent(), -1);
    QCOMPARE(plugin->currentDescription(&object), -1);
    QCOMPARE(plugin->currentTemplate(&object), -1);
    QCOMPARE(object, (QJsonObject{{"stale", true}}));
}

void tst_FormManager::showSelectsTheFirstOrTheAddedForm()
{
    QCOMPARE(plugin->showForms(), 0);
    QCOMPARE(current(), QStringLiteral("f1/表单一"));

    QCOMPARE(plugin->addForm(description("f3", "表单三", "x")), 0);
    QCOMPARE(current(), QStringLiteral("f1/表单一"));
    QCOMPARE(plugin->showForms(), 0);
    QCOMPARE(current(), QStringLiteral("f3/表单三"));
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->count(), 3);
    QCOMPARE(listed().last(), QStringLiteral("f3/表单三"));
}

void tst_FormManager::addingAFormThatDoesNotLoad()
{
    QJsonObject unnamed = description("f3", "", "x");
    QCOMPARE(plugin->addForm(unnamed), -1);
    QCOMPARE(listed().size(), 2);
    plugin->showForms();
    QCOMPARE(current(), QStringLiteral("f1/表单一"));
}

void tst_FormManager::selectingAForm()
{
    plugin->showForms();
    QCOMPARE(plugin->setCurrentForm(FormIdName{"f2", "表单二"}), 0);
    QCOMPARE(current(), QStringLiteral("f2/表单二"));
    QCOMPARE(plugin->setCurrentForm(FormIdName{"f2", "表单一"}), -1);
    QCOMPARE(plugin->setCurrentForm(FormIdName{"f9", "表单九"}), -1);
    QCOMPARE(current(), QStringLiteral("f2/表单二"));
}

// A refused value must not be reported as collected: the description still
// holds the old value.
void tst_FormManager::collectOfTheCurrentForm()
{
    plugin->showForms();
    plugin->setCurrentForm(FormIdName{"f2", "表单二"});
    QJsonObject object;
    QCOMPARE(plugin->currentTemplate(&object), 0);
    QCOMPARE(object, QJsonObject());

    hostEdit()->setText("new-host");
    QCOMPARE(plugin->collectCurrent(), 0);
    QCOMPARE(plugin->currentDescription(&object), 0);
    QCOMPARE(object.value("form").toArray().first().toObject().value("defaultValue"), QJsonValue("new-host"));
    QCOMPARE(plugin->currentTemplate(&object), 0);
    QCOMPARE(object, (QJsonObject{{"of", "f2"}}));

    hostEdit()->setText(" ");
    QCOMPARE(plugin->collectCurrent(), -1);
    QCOMPARE(plugin->currentDescription(&object), 0);
    QCOMPARE(object.value("form").toArray().first().toObject().value("defaultValue"), QJsonValue("new-host"));
}

void tst_FormManager::resetOfTheCurrentForm()
{
    plugin->showForms();
    plugin->setCurrentForm(FormIdName{"f2", "表单二"});
    hostEdit()->setText("changed");
    QCOMPARE(plugin->resetCurrent(), 0);
    QCOMPARE(hostEdit()->text(), QStringLiteral("b"));
}

void tst_FormManager::backgroundOfEveryForm()
{
    plugin->showForms();
    const QList<QWidget *> forms = page->findChild<QStackedWidget *>("stackedWidget")->findChildren<QWidget *>(
        "PayRuleDynamicForm", Qt::FindDirectChildrenOnly);
    QCOMPARE(forms.size(), 2);
    const QString before = forms.first()->styleSheet();
    QCOMPARE(plugin->setFormsBackground(QColor()), -1);
    QCOMPARE(forms.first()->styleSheet(), before);
    QCOMPARE(plugin->setFormsBackground(QColor(1, 2, 3)), 0);
    for (QWidget *form : forms)
        QVERIFY(form->styleSheet().contains("rgb(1, 2, 3)"));
}

void tst_FormManager::reloadReadsTheDirectoryAgain()
{
    plugin->addForm(description("f3", "表单三", "x"));
    writeDescription("four.json", description("f4", "表单四", "y"));
    QCOMPARE(plugin->reloadForms(), 0);
    QStringList names = listed();
    names.sort();
    QCOMPARE(names, (QStringList{"f1/表单一", "f2/表单二", "f4/表单四"}));
    PluginHarness::flushDeletions();
    plugin->showForms();
    QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->count(), 3);
}

void tst_FormManager::operationsAfterTheManagerIsDestroyed()
{
    plugin->showForms();
    QPointer<QWidget> managerWidget = page->findChild<QWidget *>("DynamicFormMgt");
    QCOMPARE(plugin->destroyFormManager(), 0);
    PluginHarness::flushDeletions();
    QVERIFY(managerWidget.isNull());

    QCOMPARE(harness->managerOperationsNotRefused(description("f3", "表单三", "x")), QStringList());

    QVERIFY(plugin->createFormManager(directory->path(), page.get()));
    QCOMPARE(listed().size(), 2);
}

// The manager lives under the host's widget; once the host has deleted it,
// the plug-in must not reach into the freed manager.
void tst_FormManager::operationsAfterTheHostDeletedTheManager()
{
    page.reset();
    QCOMPARE(plugin->showForms(), -1);
    QCOMPARE(listed(), QStringList{"no manager"});
    QCOMPARE(plugin->destroyFormManager(), -1);
    page = std::make_unique<QWidget>();
    QVERIFY(plugin->createFormManager(directory->path(), page.get()));
}

QTEST_MAIN(tst_FormManager)
#include "tst_FormManager.moc"
