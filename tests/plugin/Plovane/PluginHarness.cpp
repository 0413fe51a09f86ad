#include "PluginHarness.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QLayout>

PluginHarness::PluginHarness()
    : m_loader(pluginPath())
{
    m_plugin = qobject_cast<DynamicFormInterface *>(m_loader.instance());
    if (m_plugin) {
        m_relay = QObject::connect(m_plugin, &DynamicFormInterface::sigSendMsg,
                         [this](int level, QString &message) { m_messages.append({level, message}); });
    }
}

PluginHarness::~PluginHarness()
{
    QObject::disconnect(m_relay);
}

QWidget *PluginHarness::loadFixture(const QString &fileName, QWidget *parent)
{
    QWidget *form = m_plugin->createForm(parent);
    if (!m_plugin->loadForm(form, readFixture(fileName))) {
        delete form;
        return nullptr;
    }
    return form;
}

QJsonObject PluginHarness::readFixture(const QString &fileName)
{
    QFile file(fixturePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString PluginHarness::pluginPath()
{
    return QStringLiteral(PLOVANE_PLUGIN_PATH);
}

QString PluginHarness::fixturePath(const QString &fileName)
{
    return QStringLiteral(PLOVANE_FIXTURE_DIR "/") + fileName;
}

QWidget *PluginHarness::control(QWidget *root, const QString &model)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->property("model").toString() == model)
            return widget;
    }
    return nullptr;
}

QStringList PluginHarness::topLevelModels(QWidget *form)
{
    QStringList models;
    QWidget *contents = form->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    if (!contents || !contents->layout())
        return models;
    QLayout *layout = contents->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget *widget = layout->itemAt(i)->widget())
            models.append(widget->property("model").toString());
    }
    return models;
}

void PluginHarness::flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList PluginHarness::managerOperationsNotRefused(const QJsonObject &form) const
{
    constexpr int Refused = -1;
    QList<FormIdName> list;
    FormIdName current;
    QJsonObject object;
    const QList<std::pair<QString, int>> answers{
        {"destroyFormManager", m_plugin->destroyFormManager()},
        {"reloadForms", m_plugin->reloadForms()},
        {"setFormsBackground", m_plugin->setFormsBackground(Qt::white)},
        {"addForm", m_plugin->addForm(form)},
        {"formList", m_plugin->formList(&list)},
        {"showForms", m_plugin->showForms()},
        {"currentFormIdName", m_plugin->currentFormIdName(&current)},
        {"setCurrentForm", m_plugin->setCurrentForm(FormIdName{"f1", "表单一"})},
        {"collectCurrent", m_plugin->collectCurrent()},
        {"resetCurrent", m_plugin->resetCurrent()},
        {"currentDescription", m_plugin->currentDescription(&object)},
        {"currentTemplate", m_plugin->currentTemplate(&object)},
    };
    QStringList notRefused;
    for (const auto &answer : answers) {
        if (answer.second != Refused)
            notRefused << answer.first;
    }
    return notRefused;
}
