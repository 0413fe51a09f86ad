#pragma once

#include "ControlSet.h"
#include "Field.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QWidget>

class QColor;
class QVBoxLayout;

namespace Ui {
class PayRuleDynamicForm;
}

// A form built from one form description: a scrolling column of controls in
// ascending "order" whose edited values collect writes back into "form".
class PayRuleDynamicForm : public QWidget
{
    Q_OBJECT

public:
    explicit PayRuleDynamicForm(QWidget *parent = nullptr);
    ~PayRuleDynamicForm() override;

    bool load(const QJsonObject &description);
    bool collect();
    int reset();
    void setBackgroundColor(const QColor &colour);
    void formIdName(QString &id, QString &name) const;

    QString id() const { return m_id; }
    QString name() const { return m_name; }
    QJsonObject description() const { return m_description; }
    QJsonObject templateObject() const { return m_templateObject; }

public slots:
    void cascades_trigger(QList<Field> fields);

private:
    void readDefinitions();
    // Empties the layout, so that a second load starts from a blank form.
    void clearContent();
    void layOut();

    Ui::PayRuleDynamicForm *ui;
    QVBoxLayout *contentLayout;
    ControlSet controls;
    QJsonObject m_description;
    QString m_id;
    QString m_name;
    QJsonObject m_templateObject;
    QMap<QString, QJsonValue> definitions;
};
