#pragma once

#include <QJsonObject>
#include <QString>

// One column of the edit table: where it sits, which cell editor it uses and
// what that editor is built from.
struct EditColumn
{
    int index = -1;
    QString type;
    QString title;
    QString prop;
    QJsonObject config;
    QJsonObject definition;
};
