#include "Plovane.h"

#include "PayRuleDynamicForm.h"
#include "globalSharedObject.h"

namespace {
constexpr int kFailed = -1;
constexpr int kDone = 0;
} // namespace

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

// The form manager operations answer as without a manager until the manager
// exists.

int Plovane::reloadForms()
{
    return kFailed;
}

int Plovane::setFormsBackground(const QColor &)
{
    return kFailed;
}

DynamicFormMgt *Plovane::createFormManager(const QString &, QWidget *)
{
    return formManager;
}

int Plovane::addForm(const QJsonObject &)
{
    return kFailed;
}

int Plovane::formList(QList<FormIdName> *)
{
    return kFailed;
}

int Plovane::showForms()
{
    return kFailed;
}

int Plovane::destroyFormManager()
{
    return kFailed;
}

int Plovane::currentFormIdName(FormIdName *)
{
    return kFailed;
}

int Plovane::setCurrentForm(const FormIdName &)
{
    return kFailed;
}

int Plovane::collectCurrent()
{
    return kFailed;
}

int Plovane::resetCurrent()
{
    return kFailed;
}

int Plovane::currentDescription(QJsonObject *)
{
    return kFailed;
}

int Plovane::currentTemplate(QJsonObject *)
{
    return kFailed;
}
