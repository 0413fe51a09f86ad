#include "CameraRig.h"
#include "LoginManager.h"

#include <QtTest>

#include <memory>

// What the log-in pages hear through their controllers, for each
// notification of MainManager; two controllers hear the same.
class tst_LoginManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachNotificationBecomesItsPageSignal_data();
    void eachNotificationBecomesItsPageSignal();

private:
    std::unique_ptr<CameraRig> m_rig;
};

namespace {

enum Direct { NoDirect, RefreshTrue, CommandFailure, LockedResult, ListOver };

QByteArray u32s(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (quint32 value : values)
        bytes.append(reinterpret_cast<const char *>(&value), 4);
    return bytes;
}

// The marker: an activation status the table never uses.
constexpr int kMarkerStatus = 77;

} // namespace

void tst_LoginManager::init()
{
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
}

void tst_LoginManager::cleanup()
{
    m_rig.reset();
}

void tst_LoginManager::eachNotificationBecomesItsPageSignal_data()
{
    QTest::addColumn<int>("direct");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariantList>("arguments");

    QTest::newRow("capability: hotspot only") << int(NoDirect) << 1020 << 0 << u32s({1, 0})
                                              << "sigRecvDevActiveCap" << QVariantList{false, true};
    QTest::newRow("capability: device only") << int(NoDirect) << 1020 << 0 << u32s({0, 1})
                                             << "sigRecvDevActiveCap" << QVariantList{true, false};
    QTest::newRow("capability without record") << int(NoDirect) << 1020 << 1 << QByteArray()
                                               << "sigShowInitPage" << QVariantList{1};
    QTest::newRow("not activated") << int(NoDirect) << 1021 << 0 << u32s({0}) << "sigShowInitPage"
                                   << QVariantList{0};
    QTest::newRow("activated") << int(NoDirect) << 1021 << 0 << u32s({2}) << "sigShowInitPage"
                               << QVariantList{2};
    QTest::newRow("status without record") << int(NoDirect) << 1021 << 1 << QByteArray() << QString()
                                           << QVariantList();
    QTest::newRow("ability not parsed") << int(NoDirect) << 100 << 0
                                        << QByteArray(R"({"supportNoPwdLogin":1)") << "sigRecvDevJsonAbility"
                                        << QVariantList{false, 0};
    QTest::newRow("ability without password") << int(NoDirect) << 100 << 0
                                              << QByteArray(R"({"supportNoPwdLogin":1})")
                                              << "sigRecvDevJsonAbility" << QVariantList{true, 1};
    QTest::newRow("refresh result true") << int(RefreshTrue) << 0 << 0 << QByteArray() << "refreshFail"
                                         << QVariantList();
    QTest::newRow("log-in not sent") << int(CommandFailure) << 0 << 0 << QByteArray() << "SendLoginCmdFailure"
                                     << QVariantList();
    QTest::newRow("log-in refused") << int(LockedResult) << 0 << 0 << QByteArray() << "loginResult"
                                    << QVariantList{false, 300};
}

void tst_LoginManager::eachNotificationBecomesItsPageSignal()
{
    QFETCH(int, direct);
    QFETCH(int, code);
    QFETCH(int, result);
    QFETCH(QByteArray, payload);
    QFETCH(QString, signal);
    QFETCH(QVariantList, arguments);

    LoginManager first;
    LoginManager second;
    SignalProbe heardByFirst(&first);
    SignalProbe heardBySecond(&second);
    MainManager *manager = m_rig->manager();
    switch (direct) {
    case RefreshTrue:
        emit manager->refreshDeviceResult(true);
        break;
    case CommandFailure:
        emit manager->LoginCmdFailure();
        break;
    case LockedResult:
        emit manager->deviceLoginResult(false, 300);
        break;
    default:
        m_rig->inject(0, quint32(code), quint8(result), payload);
        break;
    }
    m_rig->inject(0, 1021, 0, u32s({kMarkerStatus}));
    for (SignalProbe *heard : {&heardByFirst, &heardBySecond}) {
        QVERIFY(QTest::qWaitFor([&] {
            return heard->last("sigShowInitPage").values == QVariantList{kMarkerStatus};
        }));
        QList<SignalProbe::Emission> emissions = heard->emissions();
        emissions.removeLast();
        if (signal.isEmpty()) {
            QCOMPARE(emissions.size(), 0);
            continue;
        }
        QCOMPARE(emissions.size(), 1);
        QCOMPARE(QString::fromLatin1(emissions.first().signal), signal);
        QCOMPARE(emissions.first().values, arguments);
        QCOMPARE(emissions.first().thread, QThread::currentThread());
    }
}

QTEST_MAIN(tst_LoginManager)
#include "tst_LoginManager.moc"
