#pragma once

#include "Field.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class QLabel;

// The base of every form control: it keeps the element it was built from,
// the element's common keys and its cascades, and writes edited values back
// into the element, from which the container rebuilds the description.
class UcBase : public QWidget
{
    Q_OBJECT

public:
    explicit UcBase(QWidget *parent = nullptr);

    virtual bool validate(const QJsonObject &templateObject);
    virtual void reset();
    virtual void parseElement();
    virtual void refreshView();

    void init(const QJsonValue &elementValue, const QJsonValue &definitionValue);
    void setValue(const QJsonValue &v);
    void setElement(const QJsonValue &v);

    QJsonValue value() const { return m_value; }
    QJsonValue defaultValue() const { return m_defaultValue; }
    QJsonValue element() const { return m_element; }
    QString model() const { return m_model; }
    QString type() const { return m_type; }

signals:
    void cascades_trigger(QList<Field> fields);

protected:
    // The caption of the leaf controls: the label, a full-width colon, and
    // the bare label as tooltip.
    void showCaption(QLabel *caption, const QString &text) const;
    // Emits the cascade that belongs to the given selected value, if any.
    void emitCascade(const QString &selectedValue);
    // Sends a validation message to the host through the message hub.
    static void reportMessage(const QString &text);
    // Writes the containers' edited children back into the element, from
    // which the form rebuilds its description.
    void setChildren(const QJsonArray &children);
    // A choice control without a chosen option: the operator is asked to
    // choose, and the control takes the focus.
    void askToChoose();

    QString m_model;
    QString m_label;
    QString m_type;
    QJsonValue m_props;
    QJsonValue m_slots;
    QJsonValue m_children;
    QMap<QString, QList<Field>> m_cascadeMap;
    QJsonValue m_definition;
    QJsonValue m_element;
    QJsonValue m_defaultValue;
    QJsonValue m_value;

private:
    void readCommonKeys();
    void parseCascades(const QJsonValue &cascades);
};
