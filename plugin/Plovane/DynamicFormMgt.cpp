#include "DynamicFormMgt.h"

#include "FormResult.h"
#include "PayRuleDynamicForm.h"
#include "ui_DynamicFormMgt.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

using FormResult::kDone;
using FormResult::kFailed;

DynamicFormMgt::DynamicFormMgt(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DynamicFormMgt)
{
    ui->setupUi(this);
}

DynamicFormMgt::~DynamicFormMgt()
{
    clear();
    delete ui;
}

QString DynamicFormMgt::keyOf(const QString &id, const QString &name)
{
    return QStringLiteral("%1&&%2").arg(id, name);
}

int DynamicFormMgt::load(const QString &dir)
{
    if (dir.isEmpty())
        return kFailed;
    directory = dir;
    return loadDirectory();
}

int DynamicFormMgt::reload()
{
    clear();
    return loadDirectory();
}

int DynamicFormMgt::loadDirectory()
{
    if (directory.isEmpty())
        return kFailed;
    const QDir folder(directory);
    const QStringList files = folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Unsorted);
    for (const QString &file : files)
        loadFile(folder.filePath(file));
    return kDone;
}

// Unreadable, non-JSON and unloadable files are skipped: one bad file must
// not keep the others from showing.
void DynamicFormMgt::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QByteArray text = file.readAll();
    file.close();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (document.isNull() || error.error != QJsonParseError::NoError)
        return;
    addForm(document.object(), false);
}

int DynamicFormMgt::addForm(const QJsonObject &description, bool makeCurrent)
{
    auto *form = new PayRuleDynamicForm(this);
    if (!form->load(description)) {
        delete form;
        return kFailed;
    }
    const QString key = keyOf(form->id(), form->name());
    if (forms.contains(key))
        delete forms.value(key);
    else
        formIds.append(FormIdName{form->id(), form->name()});
    forms.insert(key, form);
    if (makeCurrent)
        currentKey = key;
    return kDone;
}

int DynamicFormMgt::showForms()
{
    bool madeCurrent = false;
    for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
        // A form shown by an earlier call is already in place.
        if (ui->stackedWidget->indexOf(it.value()) == -1)
            ui->stackedWidget->addWidget(it.value());
        if (!currentKey.isEmpty() && currentKey == it.key()) {
            ui->stackedWidget->setCurrentWidget(it.value());
            madeCurrent = true;
        }
    }
    if (!madeCurrent && !forms.isEmpty())
        ui->stackedWidget->setCurrentIndex(0);
    return kDone;
}

int DynamicFormMgt::clear()
{
    for (PayRuleDynamicForm *form : qAsConst(forms)) {
        ui->stackedWidget->removeWidget(form);
        form->hide();
        form->deleteLater();
    }
    forms.clear();
    formIds.clear();
    return kDone;
}

int DynamicFormMgt::formList(QList<FormIdName> *out) const
{
    *out = formIds;
    return kDone;
}

PayRuleDynamicForm *DynamicFormMgt::currentForm() const
{
    return qobject_cast<PayRuleDynamicForm *>(ui->stackedWidget->currentWidget());
}

int DynamicFormMgt::currentFormIdName(FormIdName *out) const
{
    const PayRuleDynamicForm *form = currentForm();
    if (!form)
        return kFailed;
    *out = FormIdName{form->id(), form->name()};
    return kDone;
}

int DynamicFormMgt::setCurrentForm(const FormIdName &which)
{
    PayRuleDynamicForm *form = forms.value(keyOf(which.id, which.name));
    if (!form)
        return kFailed;
    ui->stackedWidget->setCurrentWidget(form);
    return kDone;
}

// A refused value leaves the description unchanged; answering 0 would let
// the caller send the stale description as if it held the operator's edits.
int DynamicFormMgt::collectCurrent()
{
    PayRuleDynamicForm *form = currentForm();
    if (!form || !form->collect())
        return kFailed;
    return kDone;
}

int DynamicFormMgt::resetCurrent()
{
    PayRuleDynamicForm *form = currentForm();
    if (!form)
        return kFailed;
    form->reset();
    return kDone;
}

int DynamicFormMgt::currentDescription(QJsonObject *out) const
{
    const PayRuleDynamicForm *form = currentForm();
    if (!form)
        return kFailed;
    *out = form->description();
    return kDone;
}

int DynamicFormMgt::currentTemplate(QJsonObject *out) const
{
    const PayRuleDynamicForm *form = currentForm();
    if (!form)
        return kFailed;
    *out = form->templateObject();
    return kDone;
}

int DynamicFormMgt::setFormsBackground(const QColor &colour)
{
    if (!colour.isValid())
        return kFailed;
    for (PayRuleDynamicForm *form : qAsConst(forms))
        form->setBackgroundColor(colour);
    return kDone;
}
