#include "CameraRig.h"
#include "LocalText.h"
#include "LoginManager.h"
#include "NamedProfiles.h"

#include <QtTest>

#include <cstring>
#include <memory>

using sim::camera::CameraProfile;

// Logging in to one camera: the camera's verdict, the clock it is given, the
// cameras let go, and a log-in that cannot be sent or is never answered.
class tst_MainManagerLogin : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void aRefusedLogInReportsTheCamerasLockTime_data();
    void aRefusedLogInReportsTheCamerasLockTime();
    void aLogInKeepsTheChosenCameraAndSetsItsClock();
    void aPasswordTooLongIsNotSent();
    void anUnansweredLogInFailsOnce();
    void theClockGetsTheZoneOfTheEnvironment();
    void theLogInWindowsSequenceSelectsTheSecondCamera();

private:
    void discover(const std::vector<CameraProfile> &profiles);
    QList<int> timeFieldsSentTo(int index) const;

    std::unique_ptr<CameraRig> m_rig;
};

namespace {

constexpr quint32 kLogin = 1;
constexpr quint32 kSetTime = 17;

std::vector<CameraProfile> cameras(int count)
{
    std::vector<CameraProfile> profiles;
    for (int i = 0; i < count; ++i) {
        CameraProfile profile = NamedProfiles::profile(NamedProfiles::Gen3Json);
        profile.officerId = "OFFICER" + std::to_string(i);
        profile.deviceId = "CAM" + std::to_string(i);
        profile.serialNumber = "SERIAL" + std::to_string(i);
        profiles.push_back(profile);
    }
    return profiles;
}

QByteArray u32Bytes(quint32 value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), 4);
}

} // namespace

void tst_MainManagerLogin::cleanup()
{
    m_rig.reset();
}

void tst_MainManagerLogin::discover(const std::vector<CameraProfile> &profiles)
{
    m_rig.reset(new CameraRig(profiles));
    QVERIFY(m_rig->discover());
}

QList<int> tst_MainManagerLogin::timeFieldsSentTo(int index) const
{
    QList<int> fields;
    const QList<CameraRig::SentCommand> sent = m_rig->sent(index, kSetTime);
    if (sent.size() != 1 || sent.first().payload.size() != 32)
        return fields;
    for (int i = 0; i < 8; ++i) {
        qint32 value = 0;
        std::memcpy(&value, sent.first().payload.constData() + 4 * i, 4);
        fields << value;
    }
    return fields;
}

void tst_MainManagerLogin::aRefusedLogInReportsTheCamerasLockTime_data()
{
    QTest::addColumn<int>("failuresBeforeLock");
    QTest::addColumn<bool>("injected");
    QTest::addColumn<int>("lockTime");
    QTest::newRow("wrong password") << 5 << false << 0;
    // The camera reports the seconds since its lock began: 1 on the locking failure.
    QTest::newRow("locked by the camera") << 1 << false << 1;
    QTest::newRow("lock time passed unchanged") << 5 << true << 0x7ffffffe;
}

void tst_MainManagerLogin::aRefusedLogInReportsTheCamerasLockTime()
{
    QFETCH(int, failuresBeforeLock);
    QFETCH(bool, injected);
    QFETCH(int, lockTime);
    std::vector<CameraProfile> profiles = cameras(1);
    profiles[0].loginFailuresBeforeLock = failuresBeforeLock;
    discover(profiles);
    if (injected)
        m_rig->camera(0).setFault(kLogin, sim::CommandFault::noAnswer());
    m_rig->manager()->LoginDevice(0, QStringLiteral("wrong"));
    QCOMPARE(m_rig->manager()->getLoginPwd(), QStringLiteral("wrong"));
    if (injected) {
        QTRY_COMPARE(m_rig->sent(0, kLogin).size(), 1);
        m_rig->inject(0, kLogin, 1, u32Bytes(quint32(lockTime)));
    }
    QVERIFY(m_rig->probe().wait("deviceLoginResult"));
    const SignalProbe::Emission result = m_rig->probe().last("deviceLoginResult");
    QCOMPARE(result.values.value(0).toBool(), false);
    QCOMPARE(result.values.value(1).toInt(), lockTime);
    QVERIFY(m_rig->manager()->getLoginPwd().isEmpty());
    QCOMPARE(m_rig->manager()->GetCurIndex(), -1);
    QVERIFY(m_rig->isOpen(0));
}

void tst_MainManagerLogin::aLogInKeepsTheChosenCameraAndSetsItsClock()
{
    discover(cameras(3));
    m_rig->manager()->LoginDevice(1, QStringLiteral("123456"));
    QVERIFY(m_rig->probe().wait("deviceLoginResult"));
    const QDateTime now = QDateTime::currentDateTime();
    const SignalProbe::Emission result = m_rig->probe().last("deviceLoginResult");
    QCOMPARE(result.values.value(0).toBool(), true);
    QCOMPARE(result.values.value(1).toInt(), 0);
    QCOMPARE(m_rig->manager()->GetCurIndex(), 1);
    QCOMPARE(m_rig->manager()->getLoginPwd(), QStringLiteral("123456"));
    QTRY_VERIFY(!m_rig->isOpen(0));
    QTRY_VERIFY(!m_rig->isOpen(2));
    QVERIFY(m_rig->isOpen(1));

    QTRY_COMPARE(m_rig->sent(1, kSetTime).size(), 1);
    const QList<int> fields = timeFieldsSentTo(1);
    const MainManager::ZoneParts zone = MainManager::zoneParts(now.offsetFromUtc());
    QCOMPARE(fields.mid(0, 2), QList<int>({zone.hours, zone.minutes}));
    const QDateTime sent(QDate(fields[2], fields[3], fields[4]), QTime(fields[5], fields[6], fields[7]));
    QVERIFY2(qAbs(sent.secsTo(now)) <= 5, qPrintable(sent.toString(Qt::ISODate)));
    QCOMPARE(m_rig->sent(0, kSetTime).size(), 0);
}

void tst_MainManagerLogin::aPasswordTooLongIsNotSent()
{
    discover(cameras(1));
    m_rig->manager()->LoginDevice(0, QString(64, QChar(0x00e9))); // 128 UTF-8 bytes
    QCOMPARE(m_rig->probe().count("LoginCmdFailure"), 1);
    QTest::qWait(100);
    QCOMPARE(m_rig->sent(0, kLogin).size(), 0);
    QCOMPARE(m_rig->probe().count("deviceLoginResult"), 0);

    // 127 bytes still fit with their NUL.
    const QString longest(127, QLatin1Char('p'));
    m_rig->manager()->LoginDevice(0, longest);
    QTRY_COMPARE(m_rig->sent(0, kLogin).size(), 1);
    QCOMPARE(m_rig->sent(0, kLogin).first().payload, longest.toUtf8() + QByteArray(1, '\0'));
    QVERIFY(m_rig->probe().wait("deviceLoginResult"));
    QCOMPARE(m_rig->probe().count("LoginCmdFailure"), 1);
}

void tst_MainManagerLogin::anUnansweredLogInFailsOnce()
{
    discover(cameras(1));
    m_rig->manager()->setReplyDeadlines(2000, 300);
    m_rig->camera(0).setFault(kLogin, sim::CommandFault::noAnswer());
    m_rig->manager()->LoginDevice(0, QStringLiteral("123456"));
    QVERIFY(m_rig->probe().wait("LoginCmdFailure", 1, 3000));
    QVERIFY(m_rig->manager()->getLoginPwd().isEmpty());

    // An answer after the deadline changes nothing.
    m_rig->inject(0, kLogin, 0);
    QTest::qWait(500);
    QCOMPARE(m_rig->probe().count("LoginCmdFailure"), 1);
    QCOMPARE(m_rig->probe().count("deviceLoginResult"), 0);
    QCOMPARE(m_rig->manager()->GetCurIndex(), -1);
}

// Run on its own with TZ set before the program starts (see CMakeLists.txt).
void tst_MainManagerLogin::theClockGetsTheZoneOfTheEnvironment()
{
    const QByteArray expected = qgetenv("VANTREL_EXPECT_ZONE");
    if (expected.isEmpty())
        QSKIP("runs as its own test with TZ set");
    discover(cameras(1));
    m_rig->manager()->LoginDevice(0, QStringLiteral("123456"));
    QVERIFY(m_rig->probe().wait("deviceLoginResult"));
    QTRY_COMPARE(m_rig->sent(0, kSetTime).size(), 1);
    const QList<QByteArray> parts = expected.split(':');
    QCOMPARE(timeFieldsSentTo(0).mid(0, 2), QList<int>({parts.value(0).toInt(), parts.value(1).toInt()}));
}

void tst_MainManagerLogin::theLogInWindowsSequenceSelectsTheSecondCamera()
{
    const std::vector<CameraProfile> profiles = cameras(2);
    m_rig.reset(new CameraRig(profiles));
    LoginManager login;
    QSignalSpy lists(&login, &LoginManager::listUpdate);
    login.refreshDevice();
    QVERIFY(lists.wait(CameraRig::kWaitMs));
    const auto devices = lists.last().value(0).value<QMap<int, DEVICE_ID_PARA_T *>>();
    QCOMPARE(devices.keys(), QList<int>({0, 1}));
    m_rig->camera(1).clearReceived();

    DEVICE_ID_PARA_T *chosen = devices.value(1);
    login.setDevIdInfo(LocalText::decodeField(chosen->deviceId, 64), LocalText::decodeField(chosen->userId, 64));
    QSignalSpy caps(&login, &LoginManager::sigRecvDevActiveCap);
    QSignalSpy pages(&login, &LoginManager::sigShowInitPage);
    QSignalSpy abilities(&login, &LoginManager::sigRecvDevJsonAbility);
    QSignalSpy results(&login, &LoginManager::loginResult);
    QCOMPARE(login.reqDevActiveCap(1), 0);
    QVERIFY(caps.wait());
    QCOMPARE(caps.last(), QVariantList({true, true}));
    QCOMPARE(login.reqDevActiveStatus(1), 0);
    QVERIFY(pages.wait());
    QVERIFY(pages.last().value(0).toInt() != 0);
    login.reqDevJsonAbility(1);
    QVERIFY(abilities.wait());
    QCOMPARE(abilities.last(), QVariantList({true, 0}));
    login.reqDevCode(1);
    QTest::qWait(50);
    login.reqDevFW(1);
    QTest::qWait(50);
    login.reqLogin(1, QStringLiteral("123456"));
    QVERIFY(results.wait());
    QCOMPARE(results.last(), QVariantList({true, 0}));
    QTRY_COMPARE(m_rig->sent(1, kSetTime).size(), 1);

    QCOMPARE(m_rig->commandCodes(1), QList<quint32>({1020, 1021, 100, 39, 1009, kLogin, kSetTime}));
    MainManager *manager = m_rig->manager();
    QCOMPARE(manager->GetCurIndex(), 1);
    const DEVICE_ID_PARA_T identity = manager->GetDevIdInfo();
    QCOMPARE(QByteArray(identity.userId), QByteArray("OFFICER1"));
    QCOMPARE(QByteArray(identity.deviceId), QByteArray("CAM1"));
    QCOMPARE(QByteArray(manager->GetDevCode().serNStr), QByteArray("SERIAL1"));
    QCOMPARE(manager->GetProtocolVer(), 3);
    QVERIFY(manager->IsJsonAbility());
    QVERIFY(manager->IsFwVersion());
    QCOMPARE(manager->getLoginPwd(), QStringLiteral("123456"));
    QTRY_VERIFY(!m_rig->isOpen(0));
    QVERIFY(m_rig->isOpen(1));
}

QTEST_MAIN(tst_MainManagerLogin)
#include "tst_MainManagerLogin.moc"
