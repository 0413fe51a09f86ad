#pragma once

#include "DynamicFormInterface.h"

#include <QPointer>

class PayRuleDynamicForm;

// The plug-in's root object: builds, collects and describes forms for the
// host, and relays the controls' messages as sigSendMsg.
class Plovane : public DynamicFormInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DynamicFormInterface_iid FILE "Plovane.json")
    Q_INTERFACES(DynamicFormInterface)

public:
    explicit Plovane(QObject *parent = nullptr);

    QWidget *createForm(QWidget *parent) override;
    bool loadForm(QWidget *form, const QJsonObject &description) override;
    QString formId(QWidget *form) override;
    QString formName(QWidget *form) override;
    void formIdName(QWidget *form, QString &id, QString &name) override;
    bool collectForm(QWidget *form) override;
    int reloadForms() override;
    int resetForm(QWidget *form) override;
    QJsonObject formDescription(QWidget *form) override;
    QJsonObject formTemplate(QWidget *form) override;
    int setFormsBackground(const QColor &colour) override;
    int setFormBackground(QWidget *form, const QColor &colour) override;
    DynamicFormMgt *createFormManager(const QString &directory, QWidget *parent) override;
    int addForm(const QJsonObject &description) override;
    int formList(QList<FormIdName> *out) override;
    int showForms() override;
    int destroyFormManager() override;
    int currentFormIdName(FormIdName *out) override;
    int setCurrentForm(const FormIdName &which) override;
    int collectCurrent() override;
    int resetCurrent() override;
    int currentDescription(QJsonObject *out) override;
    int currentTemplate(QJsonObject *out) override;

private:
    // The form behind a widget the host hands back; null for any other widget.
    static PayRuleDynamicForm *formOf(QWidget *widget);

    // Guarded: the manager is a child of the host's widget, which may go
    // first; later manager operations then answer as without a manager.
    QPointer<DynamicFormMgt> formManager;
};
