#pragma once

// Simulated cameras on the simulated USB bus with a fresh MainManager: what
// every core, page and window test starts from. Make one in init() and let
// it go in cleanup(): its destructor shuts MainManager down (the next
// GetInstance builds a fresh one), empties the bus and the library's table.
//
//     m_rig.reset(new CameraRig({NamedProfiles::Gen3Json, NamedProfiles::Gen2}));
//     QVERIFY(m_rig->discover());
//     QVERIFY(m_rig->loginAs(1, "123456"));

#include "FullCamera.h"
#include "MainManager.h"
#include "SignalProbe.h"
#include "behaviour/CameraProfile.h"

#include <QList>
#include <QString>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

class CameraRig
{
public:
    // Short enough that stopped readers notice at once, long enough not to
    // busy the machine.
    static constexpr int kReadCapMs = 20;
    static constexpr int kWaitMs = 8000;

    // One camera per named profile (NamedProfiles), device index = position.
    explicit CameraRig(const QList<const char *> &profileNames = {"gen3-json"});
    explicit CameraRig(const std::vector<sim::camera::CameraProfile> &profiles);
    ~CameraRig();

    CameraRig(const CameraRig &) = delete;
    CameraRig &operator=(const CameraRig &) = delete;

    MainManager *manager() const { return m_manager; }
    // Every signal of the manager since it was built (or the last clear()).
    SignalProbe &probe() const { return *m_probe; }
    sim::FullCamera &camera(int index) const { return *m_cameras.at(static_cast<size_t>(index)); }
    int cameraCount() const { return static_cast<int>(m_cameras.size()); }

    // One discovery run on the global pool, as the log-in window starts it;
    // true once updateDevListOver came (refreshDeviceResult: false).
    bool discover(int timeoutMs = kWaitMs);
    // The same without waiting.
    void startDiscovery();
    // What the log-in window does for the camera at index before and with the
    // log-in: selects its identity, asks for the ability description, the
    // device code and the firmware version, then logs in. True when the
    // camera accepted the password.
    bool loginAs(int index, const QString &password, int timeoutMs = kWaitMs);

    // Queues a reply of the camera at index as the camera would send it; an
    // empty payload sends the bare reply.
    void inject(int index, quint32 command, quint8 result, const QByteArray &payload = QByteArray());

    // The commands of that code the camera at index received, with the
    // moment each arrived and its payload.
    struct SentCommand
    {
        std::chrono::steady_clock::time_point time;
        QByteArray payload;
    };
    QList<SentCommand> sent(int index, quint32 command) const;
    // The codes of every command the camera at index received, in order.
    QList<quint32> commandCodes(int index) const;

    // True while the library holds the camera's USB interface.
    bool isOpen(int index) const;

private:
    void plug(const std::vector<sim::camera::CameraProfile> &profiles);

    std::vector<std::unique_ptr<sim::FullCamera>> m_cameras;
    MainManager *m_manager = nullptr;
    std::unique_ptr<SignalProbe> m_probe;
    std::vector<std::thread> m_discoveries;
};
