#include "CameraRig.h"
#include "NamedProfiles.h"
#include "UsbBus.h"

#include <QtTest>

#include <chrono>
#include <memory>

using sim::camera::CameraProfile;

// How MainManager finds the cameras and reads each one's identity: the
// order, the repeats, and what becomes of cameras that fail or keep silent.
class tst_MainManagerDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void noCameraReportsAFailedRefresh();
    void oneCameraIsAskedAtMostThreeTimesAndListedOnce();
    void camerasAreAskedOneAfterTheOther();
    void failingAndSilentCamerasAreLeftOutAndReleased();
    void aCameraSilentInTheFirstPassOnlyIsListed();
    void aSecondRefreshDuringRetriesEndsOnce();

private:
    static std::vector<CameraProfile> numbered(int count);
    static QByteArray identityOf(const CameraProfile &profile);

    std::unique_ptr<CameraRig> m_rig;
};

namespace {

constexpr quint32 kGetId = 14;

qint64 msBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

} // namespace

std::vector<CameraProfile> tst_MainManagerDiscovery::numbered(int count)
{
    std::vector<CameraProfile> profiles;
    for (int i = 0; i < count; ++i) {
        CameraProfile profile = NamedProfiles::profile(NamedProfiles::Gen3Json);
        profile.officerId = "OFFICER" + std::to_string(i);
        profile.deviceId = "CAM" + std::to_string(i);
        profiles.push_back(profile);
    }
    return profiles;
}

QByteArray tst_MainManagerDiscovery::identityOf(const CameraProfile &profile)
{
    QByteArray record(128, '\0');
    record.replace(0, int(profile.officerId.size()), profile.officerId.c_str());
    record.replace(64, int(profile.deviceId.size()), profile.deviceId.c_str());
    return record;
}

void tst_MainManagerDiscovery::cleanup()
{
    m_rig.reset();
}

void tst_MainManagerDiscovery::noCameraReportsAFailedRefresh()
{
    m_rig.reset(new CameraRig(QList<const char *>()));
    m_rig->startDiscovery();
    QVERIFY(m_rig->probe().wait("refreshDeviceResult"));
    QCOMPARE(m_rig->probe().last("refreshDeviceResult").values.value(0).toBool(), false);
    QTest::qWait(100);
    QCOMPARE(m_rig->probe().count("refreshDeviceResult"), 1);
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 0);
    QVERIFY(m_rig->manager()->GetDeviceMap().isEmpty());
}

void tst_MainManagerDiscovery::oneCameraIsAskedAtMostThreeTimesAndListedOnce()
{
    m_rig.reset(new CameraRig(numbered(1)));
    m_rig->manager()->setReplyDeadlines(2000, 2000);
    m_rig->camera(0).setFault(kGetId, sim::CommandFault::noAnswer());
    m_rig->startDiscovery();
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->sent(0, kGetId).size(), 3, 3000);

    // The camera answers late, and twice.
    m_rig->inject(0, kGetId, 0, identityOf(numbered(1).front()));
    m_rig->inject(0, kGetId, 0, QByteArray(128, 'X'));
    QVERIFY(m_rig->probe().wait("updateDevListOver"));
    QTest::qWait(300);
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 1);

    const QList<CameraRig::SentCommand> sent = m_rig->sent(0, kGetId);
    QCOMPARE(sent.size(), 3);
    QVERIFY(msBetween(sent.at(0).time, sent.at(1).time) >= 180);
    QVERIFY(msBetween(sent.at(1).time, sent.at(2).time) >= 180);
    const QMap<int, DEVICE_ID_PARA_T *> devices = m_rig->manager()->GetDeviceMap();
    QCOMPARE(devices.keys(), QList<int>{0});
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(devices.value(0)), 128), identityOf(numbered(1).front()));
    QVERIFY(m_rig->isOpen(0));
}

void tst_MainManagerDiscovery::camerasAreAskedOneAfterTheOther()
{
    const std::vector<CameraProfile> profiles = numbered(3);
    m_rig.reset(new CameraRig(profiles));
    QVERIFY(m_rig->discover());
    const QMap<int, DEVICE_ID_PARA_T *> devices = m_rig->manager()->GetDeviceMap();
    QCOMPARE(devices.keys(), QList<int>({0, 1, 2}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(devices.value(i)), 128), identityOf(profiles[size_t(i)]));
        QVERIFY(!m_rig->sent(i, kGetId).isEmpty());
        QVERIFY(m_rig->isOpen(i));
    }
    QVERIFY(m_rig->sent(0, kGetId).first().time < m_rig->sent(1, kGetId).first().time);
    QVERIFY(m_rig->sent(1, kGetId).first().time < m_rig->sent(2, kGetId).first().time);
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 1);
}

void tst_MainManagerDiscovery::failingAndSilentCamerasAreLeftOutAndReleased()
{
    m_rig.reset(new CameraRig(numbered(3)));
    m_rig->manager()->setReplyDeadlines(150, 2000);
    sim::UsbBus::instance().failCall(sim::UsbCall::BulkWrite, -1, sim::UsbBus::Always, 1);
    m_rig->camera(2).setFault(kGetId, sim::CommandFault::noAnswer());
    QVERIFY(m_rig->discover(15000));
    QTest::qWait(200);
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 1);
    QCOMPARE(m_rig->manager()->GetDeviceMap().keys(), QList<int>{0});
    QVERIFY(m_rig->isOpen(0));
    QVERIFY(!m_rig->isOpen(1));
    QVERIFY(!m_rig->isOpen(2));
}

void tst_MainManagerDiscovery::aCameraSilentInTheFirstPassOnlyIsListed()
{
    m_rig.reset(new CameraRig(numbered(2)));
    m_rig->manager()->setReplyDeadlines(300, 2000);
    m_rig->camera(0).setFault(kGetId, sim::CommandFault::noAnswer());
    m_rig->startDiscovery();
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->sent(0, kGetId).size(), 3, 3000);
    m_rig->camera(0).clearFaults();
    QVERIFY(m_rig->probe().wait("updateDevListOver", 1, 8000));
    QCOMPARE(m_rig->manager()->GetDeviceMap().keys(), QList<int>({0, 1}));
    QVERIFY(m_rig->isOpen(0));
}

void tst_MainManagerDiscovery::aSecondRefreshDuringRetriesEndsOnce()
{
    m_rig.reset(new CameraRig(numbered(1)));
    m_rig->manager()->setReplyDeadlines(1000, 2000);
    m_rig->camera(0).setFault(kGetId, sim::CommandFault::noAnswer());
    m_rig->startDiscovery();
    // The first run has sent its request and both repeats and waits out its deadline.
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->sent(0, kGetId).size(), 3, 3000);

    m_rig->startDiscovery();
    // The camera answers only once the second run has asked: an answer to one
    // of the first run's repeats would end that run before the second began.
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->sent(0, kGetId).size(), 4, 3000);
    m_rig->camera(0).clearFaults();
    // The first run's identity, late.
    m_rig->inject(0, kGetId, 0, identityOf(numbered(1).front()));
    QVERIFY(m_rig->probe().wait("updateDevListOver", 1, 5000));
    QTest::qWait(1500);
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 1);
    QCOMPARE(m_rig->probe().count("refreshDeviceResult"), 0);
    const QMap<int, DEVICE_ID_PARA_T *> devices = m_rig->manager()->GetDeviceMap();
    QCOMPARE(devices.keys(), QList<int>{0});
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(devices.value(0)), 128), identityOf(numbered(1).front()));
}

QTEST_MAIN(tst_MainManagerDiscovery)
#include "tst_MainManagerDiscovery.moc"
