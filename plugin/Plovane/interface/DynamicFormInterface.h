#pragma once

// The interface through which the program drives the form plug-in. Shared by
// the program (which casts the plug-in's root object to it) and the plug-in.

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QtPlugin>

class QWidget;
class DynamicFormMgt;

// The identity of a form: its "id" and "name".
struct FormIdName
{
    QString id;
    QString name;
};

class DynamicFormInterface : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~DynamicFormInterface() override = default;

    virtual QWidget *createForm(QWidget *parent) = 0;
    virtual bool loadForm(QWidget *form, const QJsonObject &description) = 0;
    virtual QString formId(QWidget *form) = 0;
    virtual QString formName(QWidget *form) = 0;
    virtual void formIdName(QWidget *form, QString &id, QString &name) = 0;
    virtual bool collectForm(QWidget *form) = 0;
    virtual int reloadForms() = 0;
    virtual int resetForm(QWidget *form) = 0;
    virtual QJsonObject formDescription(QWidget *form) = 0;
    virtual QJsonObject formTemplate(QWidget *form) = 0;
    virtual int setFormsBackground(const QColor &colour) = 0;
    virtual int setFormBackground(QWidget *form, const QColor &colour) = 0;
    virtual DynamicFormMgt *createFormManager(const QString &directory, QWidget *parent) = 0;
    virtual int addForm(const QJsonObject &description) = 0;
    virtual int formList(QList<FormIdName> *out) = 0;
    virtual int showForms() = 0;
    virtual int destroyFormManager() = 0;
    virtual int currentFormIdName(FormIdName *out) = 0;
    virtual int setCurrentForm(const FormIdName &which) = 0;
    virtual int collectCurrent() = 0;
    virtual int resetCurrent() = 0;
    virtual int currentDescription(QJsonObject *out) = 0;
    virtual int currentTemplate(QJsonObject *out) = 0;

signals:
    void sigSendMsg(int level, QString &message);
};

#define DynamicFormInterface_iid "MT.Plovane.DynamicFormInterface"
Q_DECLARE_INTERFACE(DynamicFormInterface, DynamicFormInterface_iid)
