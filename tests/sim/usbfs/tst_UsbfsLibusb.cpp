#include "LoopbackDevice.h"
#include "PreloadedProcess.h"
#include "UsbfsTestbed.h"

#include <QProcess>
#include <QtTest>

namespace {

constexpr int kClientTimeoutMs = 90000;

int runLauncher(const QStringList &arguments)
{
    QProcess launcher;
    launcher.setProcessChannelMode(QProcess::ForwardedChannels);
    launcher.start(QStringLiteral(SIM_LAUNCHER), arguments);
    if (!launcher.waitForFinished(kClientTimeoutMs)) {
        launcher.kill();
        launcher.waitForFinished();
        return -1;
    }
    return launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
}

} // namespace

class tst_UsbfsLibusb : public QObject
{
    Q_OBJECT

private slots:
    // The client checks enumeration, opening, claiming, echoes, answers of
    // exactly one URB and larger, writes split into URBs, time-outs and a
    // concurrent reader; it prints each failed check.
    void realLibusbReachesTwoEmulatedDevices()
    {
        std::vector<std::shared_ptr<sim::DeviceSide>> devices{std::make_shared<sim::LoopbackDevice>(),
                                                              std::make_shared<sim::LoopbackDevice>()};
        sim::UsbfsTestbed testbed(devices);
        QCOMPARE(testbed.deviceNodes().size(), std::size_t(2));
        sim::PreloadedProcess client({USBFS_CLIENT, "2"});
        const std::optional<int> exitCode = client.wait(kClientTimeoutMs);
        QVERIFY2(exitCode.has_value(), "the libusb client hung");
        QCOMPARE(*exitCode, 0);
    }

    void launcherAttachesTheCamerasAsked_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }

    void launcherAttachesTheCamerasAsked()
    {
        QFETCH(int, cameras);
        const QString count = QString::number(cameras);
        QCOMPARE(runLauncher({"--cameras", count, "--", USBFS_CLIENT, count, "--enumerate-only"}), 0);
    }

    void launcherPassesExitCodeOn()
    {
        QCOMPARE(runLauncher({"--cameras=1", "--", "sh", "-c", "exit 7"}), 7);
    }

    void launcherRejectsMalformedCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no program") << QStringList{"--cameras", "2"};
        QTest::newRow("nothing after --") << QStringList{"--cameras", "2", "--"};
        QTest::newRow("count not a number") << QStringList{"--cameras", "two", "--", "true"};
        QTest::newRow("too many cameras") << QStringList{"--cameras", "500", "--", "true"};
        QTest::newRow("unknown option") << QStringList{"--verbose", "--", "true"};
    }

    void launcherRejectsMalformedCommandLines()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(runLauncher(arguments), 2);
    }
};

QTEST_GUILESS_MAIN(tst_UsbfsLibusb)
#include "tst_UsbfsLibusb.moc"
