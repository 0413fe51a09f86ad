#pragma once

#include "DynamicFormInterface.h"

#include <QJsonObject>
#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <utility>

// Loads the built plug-in exactly as the program does, records what it
// reports through sigSendMsg, and finds controls by their "model".
class PluginHarness
{
public:
    PluginHarness();
    ~PluginHarness();

    // The plug-in's root object cast to the interface; null when that fails.
    DynamicFormInterface *plugin() const { return m_plugin; }
    QPluginLoader &loader() { return m_loader; }

    // Every (level, text) pair the plug-in has emitted so far.
    const QList<std::pair<int, QString>> &messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    // A new form under `parent`, loaded from a fixture file of fixtures/.
    QWidget *loadFixture(const QString &fileName, QWidget *parent);

    static QJsonObject readFixture(const QString &fileName);
    static QString pluginPath();
    static QString fixturePath(const QString &fileName);

    // The control built for `model` anywhere under `root`, or null.
    static QWidget *control(QWidget *root, const QString &model);
    // The models of the controls a form shows at its top level, top to bottom.
    static QStringList topLevelModels(QWidget *form);
    // Runs the deletions that the form schedules when it drops controls.
    static void flushDeletions();
    // Calls every operation of the form manager; the names of those that did
    // not refuse, as they must while there is no manager (`form` is offered
    // to addForm).
    QStringList managerOperationsNotRefused(const QJsonObject &form) const;

private:
    QPluginLoader m_loader;
    DynamicFormInterface *m_plugin = nullptr;
    QList<std::pair<int, QString>> m_messages;
    QMetaObject::Connection m_relay;
};
