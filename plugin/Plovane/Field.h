#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// A visibility change that a control asks its container to apply.
struct Field
{
    QString model;
    bool hide = false;
};

Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(QList<Field>)
