#pragma once

#include "singleton.h"

#include <QObject>
#include <QString>

// The plug-in's message hub: controls report their validation messages here,
// and the plug-in object relays them to the host.
class globalSharedObject : public QObject, public singleton<globalSharedObject>
{
    Q_OBJECT

public:
    globalSharedObject() = default;

    // Emits sigMessage with a copy of the text, since receivers may change it.
    static void report(int level, const QString &text);

signals:
    void sigMessage(int level, QString &message);
};
