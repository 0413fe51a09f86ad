#include "CameraRig.h"

#include "CommandPackets.h"
#include "LocalText.h"
#include "NamedProfiles.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <QTest>
#include <QThreadPool>

#include <cstring>

namespace {

std::vector<sim::camera::CameraProfile> profilesOf(const QList<const char *> &names)
{
    std::vector<sim::camera::CameraProfile> profiles;
    for (const char *name : names)
        profiles.push_back(NamedProfiles::profile(name));
    return profiles;
}

} // namespace

CameraRig::CameraRig(const QList<const char *> &profileNames)
{
    plug(profilesOf(profileNames));
}

CameraRig::CameraRig(const std::vector<sim::camera::CameraProfile> &profiles)
{
    plug(profiles);
}

void CameraRig::plug(const std::vector<sim::camera::CameraProfile> &profiles)
{
    sim::UsbBus &bus = sim::UsbBus::instance();
    bus.reset();
    bus.setReadTimeoutCap(kReadCapMs);
    const int busNumber = bus.addBus();
    for (const sim::camera::CameraProfile &profile : profiles) {
        m_cameras.push_back(std::make_unique<sim::FullCamera>(profile));
        bus.attach(bus.addDevice(busNumber, sim::DeviceLayout{}), m_cameras.back().get());
    }
    m_manager = MainManager::GetInstance();
    m_probe = std::make_unique<SignalProbe>(m_manager);
}

CameraRig::~CameraRig()
{
    // Closes every camera and stops the callback before the cameras go.
    MainManager::DestroyInstance();
    for (std::thread &discovery : m_discoveries)
        discovery.join();
    m_probe.reset();
    QThreadPool::globalInstance()->waitForDone();
    sim::UsbBus::instance().reset();
    int count = 0;
    RefreshDecice(&count);
    m_cameras.clear();
}

bool CameraRig::discover(int timeoutMs)
{
    const int before = m_probe->count("updateDevListOver");
    startDiscovery();
    return m_probe->wait("updateDevListOver", before + 1, timeoutMs);
}

void CameraRig::startDiscovery()
{
    // A thread of its own rather than the pool: ThreadSanitizer sees its
    // start and join, which the pool hides inside Qt.
    MainManager *manager = m_manager;
    m_discoveries.emplace_back([manager] { manager->RefreshDeviceList(); });
}

QList<CameraRig::SentCommand> CameraRig::sent(int index, quint32 command) const
{
    QList<SentCommand> list;
    for (const sim::SimCamera::Received &packet : camera(index).receivedWithTimes()) {
        if (!CommandPackets::isCommand(packet.bytes) || CommandPackets::u32At(packet.bytes, 12) != command)
            continue;
        list << SentCommand{packet.time, QByteArray(reinterpret_cast<const char *>(packet.bytes.data()) + 20,
                                                   int(packet.bytes.size()) - 20)};
    }
    return list;
}

bool CameraRig::loginAs(int index, const QString &password, int timeoutMs)
{
    const QMap<int, DEVICE_ID_PARA_T *> devices = m_manager->GetDeviceMap();
    if (DEVICE_ID_PARA_T *identity = devices.value(index)) {
        m_manager->SetDevIdInfo(LocalText::decodeField(identity->deviceId, sizeof identity->deviceId),
                                LocalText::decodeField(identity->userId, sizeof identity->userId));
    }
    const int abilities = m_probe->count("devRecvDevJsonAbility");
    m_manager->ReqDevJsonAbility(index);
    if (!m_probe->wait("devRecvDevJsonAbility", abilities + 1, timeoutMs))
        return false;
    m_manager->ReqDevCodeParam(index);
    if (!QTest::qWaitFor([this] { return m_manager->GetProtocolVer() != 0; }, timeoutMs))
        return false;
    m_manager->ReqDevFWParam(index);
    QTest::qWait(50);
    const int results = m_probe->count("deviceLoginResult");
    const int failures = m_probe->count("LoginCmdFailure");
    m_manager->LoginDevice(index, password);
    if (!QTest::qWaitFor(
            [&] {
                return m_probe->count("deviceLoginResult") > results || m_probe->count("LoginCmdFailure") > failures;
            },
            timeoutMs))
        return false;
    const SignalProbe::Emission result = m_probe->last("deviceLoginResult");
    return m_probe->count("deviceLoginResult") > results && result.values.value(0).toBool();
}

void CameraRig::inject(int index, quint32 command, quint8 result, const QByteArray &payload)
{
    const CommandPackets::Bytes bytes(payload.begin(), payload.end());
    camera(index).injectIn(CommandPackets::reply(command, result, bytes));
}

QList<quint32> CameraRig::commandCodes(int index) const
{
    QList<quint32> codes;
    for (const sim::SimCamera::Bytes &packet : camera(index).receivedPackets()) {
        if (CommandPackets::isCommand(packet))
            codes << CommandPackets::u32At(packet, 12);
    }
    return codes;
}

bool CameraRig::isOpen(int index) const
{
    return sim::UsbBus::instance().isClaimed(index);
}
