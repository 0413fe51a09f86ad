#include "globalSharedObject.h"

void globalSharedObject::report(int level, const QString &text)
{
    globalSharedObject *hub = instance();
    if (!hub)
        return;
    QString message = text;
    emit hub->sigMessage(level, message);
}
