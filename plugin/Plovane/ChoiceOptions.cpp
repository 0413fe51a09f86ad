#include "ChoiceOptions.h"

#include "ValueText.h"

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
        const QString label = ValueText::of(props.value(QStringLiteral("label")));
        QString text = label;
        if (textFromChildren) {
            text = entry.value(QStringLiteral("children")).toArray().first().toString();
            if (text.isEmpty())
                text = label;
        }
        // Read as text like the loaded value, so that numeric option values
        // neither collapse into one empty value nor miss the value they show.
        options.insert(ValueText::of(props.value(valueKey)), text);
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
