#include "Plovane.h"

#include "DynamicFormMgt.h"
#include "FormResult.h"
#include "globalSharedObject.h"
#include "PayRuleDynamicForm.h"

#include <QMutex>
#include <QMutexLocker>

using FormResult::kDone;
using FormResult::kFailed;

Plovane::Plovane(QObject *parent)
    : DynamicFormInterface(parent)
{
    if (globalSharedObject *hub = globalSharedObject::instance())
        connect(hub, &globalSharedObject::sigMessage, this, &DynamicFormInterface::sigSendMsg);
}

PayRuleDynamicForm *Plovane::formOf(QWidget *widget)
{
    return qobject_cast<PayRuleDynamicForm *>(widget);
}

QWidget *Plovane::createForm(QWidget *parent)
{
    return new PayRuleDynamicForm(parent);
}

bool Plovane::loadForm(QWidget *form, const QJsonObject &description)
{
    PayRuleDynamicForm *target = formOf(form);
    return target && target->load(description);
}

QString Plovane::formId(QWidget *form)
{
    PayRuleDynamicForm *target = formOf(form);
    return target ? target->id() : QString();
}

QString Plovane::formName(QWidget *form)
{
    PayRuleDynamicForm *target = formOf(form);
    return target ? target->name() : QString();
}

void Plovane::formIdName(QWidget *form, QString &id, QString &name)
{
    id.clear();
    name.clear();
    if (PayRuleDynamicForm *target = formOf(form))
        target->formIdName(id, name);
}

bool Plovane::collectForm(QWidget *form)
{
    PayRuleDynamicForm *target = formOf(form);
    return target && target->collect();
}

int Plovane::resetForm(QWidget *form)
{
    // Reporting success for a widget that is not a form would hide the
    // caller's mistake.
    PayRuleDynamicForm *target = formOf(form);
    return target ? target->reset() : kFailed;
}

QJsonObject Plovane::formDescription(QWidget *form)
{
    PayRuleDynamicForm *target = formOf(form);
    return target ? target->description() : QJsonObject();
}

QJsonObject Plovane::formTemplate(QWidget *form)
{
    PayRuleDynamicForm *target = formOf(form);
    return target ? target->templateObject() : QJsonObject();
}

int Plovane::setFormBackground(QWidget *form, const QColor &colour)
{
    if (!colour.isValid())
        return kFailed;
    PayRuleDynamicForm *target = formOf(form);
    if (!target)
        return kFailed;
    target->setBackgroundColor(colour);
    return kDone;
}

int Plovane::reloadForms()
{
    return formManager ? formManager->reload() : kFailed;
}

int Plovane::setFormsBackground(const QColor &colour)
{
    return formManager ? formManager->setFormsBackground(colour) : kFailed;
}

DynamicFormMgt *Plovane::createFormManager(const QString &directory, QWidget *parent)
{
    static QMutex creation;
    QMutexLocker lock(&creation);
    if (directory.isEmpty())
        return nullptr;
    if (!formManager) {
        formManager = new DynamicFormMgt(parent);
        formManager->load(directory);
    }
    return formManager;
}

int Plovane::addForm(const QJsonObject &description)
{
    return formManager ? formManager->addForm(description, true) : kFailed;
}

int Plovane::formList(QList<FormIdName> *out)
{
    return formManager ? formManager->formList(out) : kFailed;
}

int Plovane::showForms()
{
    return formManager ? formManager->showForms() : kFailed;
}

int Plovane::destroyFormManager()
{
    if (!formManager)
        return kFailed;
    formManager->clear();
    formManager->deleteLater();
    formManager = nullptr;
    return kDone;
}

int Plovane::currentFormIdName(FormIdName *out)
{
    return formManager ? formManager->currentFormIdName(out) : kFailed;
}

int Plovane::setCurrentForm(const FormIdName &which)
{
    return formManager ? formManager->setCurrentForm(which) : kFailed;
}

int Plovane::collectCurrent()
{
    return formManager ? formManager->collectCurrent() : kFailed;
}

int Plovane::resetCurrent()
{
    return formManager ? formManager->resetCurrent() : kFailed;
}

int Plovane::currentDescription(QJsonObject *out)
{
    return formManager ? formManager->currentDescription(out) : kFailed;
}

int Plovane::currentTemplate(QJsonObject *out)
{
    return formManager ? formManager->currentTemplate(out) : kFailed;
}
