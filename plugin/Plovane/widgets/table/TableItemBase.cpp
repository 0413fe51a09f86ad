#include "TableItemBase.h"

bool TableItemBase::validate(const QJsonObject &, int)
{
    return true;
}

void TableItemBase::seed(QString &, QJsonValue &)
{
}

void TableItemBase::parseElement()
{
}

void TableItemBase::refreshView()
{
}

void TableItemBase::init(const QJsonValue &columnElement, const QJsonValue &columnDefinition)
{
    element = columnElement;
    definition = columnDefinition;
    if (!element.isNull()) {
        const QJsonObject column = element.toObject();
        component = column.value(QLatin1String("component")).toObject();
        type = component.value(QLatin1String("type")).toString();
        prop = column.value(QLatin1String("prop")).toString();
    }
    parseElement();
}

void TableItemBase::setValue(const QJsonValue &v)
{
    value = v;
    refreshView();
}

QJsonValue TableItemBase::getValue() const
{
    return value;
}

QString TableItemBase::getProp() const
{
    return prop;
}
