#include "ChoiceOptions.h"

#include <QJsonArray>
#include <QJsonObject>

QMap<QString, QString> ChoiceOptions::read(const QJsonValue &children, const QString &optionType,
                                           const QString &valueKey, bool textFromChildren)
{
    QMap<QString, QString> options;
    for (const QJsonValue &entryValue : children.toArray()) {
        const QJsonObject entry = entryValue.toObject();
        if (!entry.value(QStringLiteral("type")).toString().contains(optionType))
            continue;
        const QJsonObject props = entry.value(QStringLiteral("props")).toObject();
        const QString label = props.value(QStringLiteral("label")).toString();
        QString text = label;
        if (textFromChildren) {
            text = entry.value(QStringLiteral("children")).toArray().first().toString();
            if (text.isEmpty())
                text = label;
        }
        options.insert(props.value(valueKey).toString(), text);
    }
    return options;
}

QString ChoiceOptions::description(const QJsonValue &props)
{
    QString text;
    for (const QJsonValue &item : props.toObject().value(QStringLiteral("description")).toArray())
        text += item.toString() + QStringLiteral("\r\n");
    return text;
}
