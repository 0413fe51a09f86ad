#pragma once

#include <QObject>

// The camera takes one upload at a time: a second start record, or any other
// request sent between the data packets of an upload, corrupts it. Every
// sender takes this process-wide slot before its start record and gives it
// back once the upload is over; the pages keep their send buttons disabled
// while it is taken.
//
// GUI thread only.
class UploadGuard : public QObject
{
    Q_OBJECT

public:
    static UploadGuard *instance();

    // Takes the slot; false while another upload holds it.
    bool tryBegin();
    // Gives the slot back; nothing when it is free.
    void end();
    bool isBusy() const { return m_busy; }

signals:
    void busyChanged(bool busy);

private:
    UploadGuard() = default;

    bool m_busy = false;
};
