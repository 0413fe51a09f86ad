#include "CameraRig.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>
#include <thread>

// The GUI thread never waits for a reader that waits for the GUI thread:
// shutting down, closing the camera in use and a failed key request all
// return while a reply is being delivered or discovery sleeps.
class tst_MainManagerShutdown : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void destroyingWhileAReaderWaitsForTheGuiThreadReturns();
    void closingTheCameraInUseWhileItsReaderWaitsReturns();
    void destroyingWhileDiscoverySleepsReturnsAtOnce();
    void aFailedKeyRequestReachesABlockingReceiver();

private:
    // Connects a blocking receiver to a record signal, makes the camera send
    // the record and returns once the reader is inside the emission, without
    // handling any event meanwhile.
    void blockAReaderInAnEmission();
    static bool worksAfresh();

    std::unique_ptr<CameraRig> m_rig;
    int m_delivered = 0;
};

void tst_MainManagerShutdown::cleanup()
{
    m_rig.reset();
    m_delivered = 0;
}

void tst_MainManagerShutdown::blockAReaderInAnEmission()
{
    connect(
        m_rig->manager(), &MainManager::devVideoParamChanged, this, [this](VIDEO_PARA_T *) { ++m_delivered; },
        Qt::BlockingQueuedConnection);
    m_rig->inject(0, 9, 0, QByteArray(12, '\1'));
    // The probe hears the signal first, directly on the reader.
    QElapsedTimer waited;
    waited.start();
    while (m_rig->probe().count("devVideoParamChanged") == 0 && waited.elapsed() < 5000)
        QThread::msleep(1);
    QCOMPARE(m_rig->probe().count("devVideoParamChanged"), 1);
    QThread::msleep(50);
    QCOMPARE(m_delivered, 0);
}

bool tst_MainManagerShutdown::worksAfresh()
{
    MainManager *fresh = MainManager::GetInstance();
    SignalProbe probe(fresh);
    std::thread discovery([fresh] { fresh->RefreshDeviceList(); });
    const bool listed = probe.wait("updateDevListOver") && fresh->GetDeviceMap().size() == 1;
    MainManager::DestroyInstance();
    discovery.join();
    return listed;
}

void tst_MainManagerShutdown::destroyingWhileAReaderWaitsForTheGuiThreadReturns()
{
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
    blockAReaderInAnEmission();
    QElapsedTimer took;
    took.start();
    MainManager::DestroyInstance();
    QVERIFY(took.elapsed() < 3000);
    QCOMPARE(m_delivered, 1);
    QVERIFY(worksAfresh());
}

void tst_MainManagerShutdown::closingTheCameraInUseWhileItsReaderWaitsReturns()
{
    m_rig.reset(new CameraRig);
    QVERIFY(m_rig->discover());
    QVERIFY(m_rig->loginAs(0, QStringLiteral("123456")));
    blockAReaderInAnEmission();
    m_rig->manager()->CloseLoginDevice();
    QCOMPARE(m_delivered, 1);
    QVERIFY(!m_rig->isOpen(0));
}

void tst_MainManagerShutdown::destroyingWhileDiscoverySleepsReturnsAtOnce()
{
    m_rig.reset(new CameraRig);
    m_rig->manager()->setReplyDeadlines(10000, 10000);
    m_rig->camera(0).setFault(14, sim::CommandFault::noAnswer());
    m_rig->startDiscovery();
    QTRY_COMPARE(m_rig->sent(0, 14).size(), 1);
    QElapsedTimer took;
    took.start();
    MainManager::DestroyInstance();
    QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
    QCOMPARE(m_rig->probe().count("updateDevListOver"), 0);
    m_rig->camera(0).clearFaults();
    QVERIFY(worksAfresh());
}

void tst_MainManagerShutdown::aFailedKeyRequestReachesABlockingReceiver()
{
    m_rig.reset(new CameraRig);
    QList<int> results;
    QList<bool> nullKeys;
    connect(
        m_rig->manager(), &MainManager::loadDeviceKey, this,
        [&](int result, char *key) {
            results << result;
            nullKeys << (key == nullptr);
        },
        Qt::BlockingQueuedConnection);
    QVERIFY(m_rig->manager()->ReqDeviceKey(7) != 0);
    QTRY_COMPARE(results, QList<int>{-1});
    QCOMPARE(nullKeys, QList<bool>{true});
    QVERIFY(m_rig->probe().last("loadDeviceKey").thread != QThread::currentThread());
}

QTEST_MAIN(tst_MainManagerShutdown)
#include "tst_MainManagerShutdown.moc"
