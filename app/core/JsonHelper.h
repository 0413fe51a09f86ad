#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

struct DevJsonAbility;

// The few JSON reads that the device core needs. Every getter leaves its
// output untouched unless the key is there with the right JSON type.
class JsonHelper
{
public:
    JsonHelper() = delete;

    static bool parseObject(const QByteArray &json, QJsonObject &object);
    static bool getString(const QJsonObject &object, const QString &key, QString &value);
    // Numbers are truncated toward zero and held within the int range.
    static bool getInt(const QJsonObject &object, const QString &key, int &value);

    // Writes over the fields that the description names; a text that is not a
    // JSON object changes nothing and gives false.
    static bool parseDevAbility(DevJsonAbility &ability, const QByteArray &json);

private:
    static void applyVisibilityRules(DevJsonAbility &ability);
};
