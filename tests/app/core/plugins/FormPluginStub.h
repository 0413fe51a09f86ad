#pragma once

#include "DynamicFormInterface.h"

// A form plug-in that declares the real interface identifier and answers
// every operation with a fixed value, so the loader can be tested alone.
class FormPluginStub : public DynamicFormInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DynamicFormInterface_iid)
    Q_INTERFACES(DynamicFormInterface)

public:
    QWidget *createForm(QWidget *) override { return nullptr; }
    bool loadForm(QWidget *, const QJsonObject &) override { return false; }
    QString formId(QWidget *) override { return QString(); }
    QString formName(QWidget *) override { return QStringLiteral("stub form plug-in"); }
    void formIdName(QWidget *, QString &id, QString &name) override
    {
        id.clear();
        name.clear();
    }
    bool collectForm(QWidget *) override { return false; }
    int reloadForms() override { return -1; }
    int resetForm(QWidget *) override { return 0; }
    QJsonObject formDescription(QWidget *) override { return QJsonObject(); }
    QJsonObject formTemplate(QWidget *) override { return QJsonObject(); }
    int setFormsBackground(const QColor &) override { return -1; }
    int setFormBackground(QWidget *, const QColor &) override { return -1; }
    DynamicFormMgt *createFormManager(const QString &, QWidget *) override { return nullptr; }
    int addForm(const QJsonObject &) override { return -1; }
    int formList(QList<FormIdName> *) override { return -1; }
    int showForms() override { return -1; }
    int destroyFormManager() override { return -1; }
    int currentFormIdName(FormIdName *) override { return -1; }
    int setCurrentForm(const FormIdName &) override { return -1; }
    int collectCurrent() override { return -1; }
    int resetCurrent() override { return -1; }
    int currentDescription(QJsonObject *) override { return -1; }
    int currentTemplate(QJsonObject *) override { return -1; }
};
