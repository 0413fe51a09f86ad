#pragma once

#include "DynamicFormInterface.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class PayRuleDynamicForm;

namespace Ui {
class DynamicFormMgt;
}

// Holds every form described in one directory, keyed by id and name, and
// shows them one at a time in a stacked widget.
class DynamicFormMgt : public QWidget
{
    Q_OBJECT

public:
    explicit DynamicFormMgt(QWidget *parent = nullptr);
    ~DynamicFormMgt() override;

    int load(const QString &dir);
    int addForm(const QJsonObject &description, bool makeCurrent);
    int showForms();
    int reload();
    int clear();
    int formList(QList<FormIdName> *out) const;
    PayRuleDynamicForm *currentForm() const;
    int currentFormIdName(FormIdName *out) const;
    int setCurrentForm(const FormIdName &which);
    int collectCurrent();
    int resetCurrent();
    int currentDescription(QJsonObject *out) const;
    int currentTemplate(QJsonObject *out) const;
    int setFormsBackground(const QColor &colour);

private:
    static QString keyOf(const QString &id, const QString &name);
    int loadDirectory();
    void loadFile(const QString &path);

    Ui::DynamicFormMgt *ui;
    QMap<QString, PayRuleDynamicForm *> forms;
    QList<FormIdName> formIds;
    QString currentKey;
    QString directory;
};
