#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QWidget>

// A cell editor of the edit table: it holds one cell's JSON value, checks it
// against the row above and offers the value a row added below it starts with.
class TableItemBase : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual bool validate(const QJsonObject &previousRow, int row);
    virtual void seed(QString &seedProp, QJsonValue &seedValue);
    virtual void parseElement();
    virtual void refreshView();

    void init(const QJsonValue &columnElement, const QJsonValue &columnDefinition);
    void setValue(const QJsonValue &v);
    QJsonValue getValue() const;
    QString getProp() const;

protected:
    QJsonObject component;
    QString type;
    QString prop;
    QJsonValue definition;
    QJsonValue value;
    QJsonValue element;
};
