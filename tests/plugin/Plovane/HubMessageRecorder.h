#pragma once

#include <QList>
#include <QMetaObject>
#include <QString>

#include <utility>

// Records, while it lives, the messages the controls send the host through
// the message hub: level and text.
class HubMessageRecorder
{
public:
    HubMessageRecorder();
    ~HubMessageRecorder();
    HubMessageRecorder(const HubMessageRecorder &) = delete;
    HubMessageRecorder &operator=(const HubMessageRecorder &) = delete;

    QList<std::pair<int, QString>> messages;

private:
    QMetaObject::Connection relay;
};
