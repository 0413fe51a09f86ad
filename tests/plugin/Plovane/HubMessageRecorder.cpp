#include "HubMessageRecorder.h"

#include "globalSharedObject.h"

HubMessageRecorder::HubMessageRecorder()
    : relay(QObject::connect(globalSharedObject::instance(), &globalSharedObject::sigMessage,
                             [this](int level, QString &message) { messages.append({level, message}); }))
{
}

HubMessageRecorder::~HubMessageRecorder()
{
    QObject::disconnect(relay);
}
