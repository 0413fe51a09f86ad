#include "FullCamera.h"
#include "PreloadedProcess.h"
#include "UsbfsTestbed.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kClientTimeoutMs = 120000;

std::shared_ptr<sim::FullCamera> cameraWithDeviceId(const std::string &deviceId)
{
    sim::camera::CameraProfile profile;
    profile.deviceId = deviceId;
    return std::make_shared<sim::FullCamera>(profile);
}

QByteArray contentOf(const sim::camera::MediaFile &file)
{
    const auto bytes = sim::camera::MediaLibrary::content(file);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_TessvarOverUsbfs : public QObject
{
    Q_OBJECT

private slots:
    // The product's device library, linked against the real libusb, talks to
    // two simulated cameras through emulated usbfs devices: enumerate, open,
    // read the identity record, log in (a wrong password first), download a
    // file and close. The large file spans several full 512 KiB packets and
    // a short one, each split into 16 KiB URBs.
    void deviceLibraryOverRealLibusb()
    {
        auto first = cameraWithDeviceId("E2E0000001");
        auto second = cameraWithDeviceId("E2E0000002");
        sim::camera::MediaFile large;
        large.path = "/mnt/sdcard/DCIM/20240101/LARGE.MP4";
        large.start = QDateTime(QDate(2024, 1, 1), QTime(8, 0));
        large.end = large.start.addSecs(600);
        large.size = 3 * 1024 * 1024 + 12345;
        first->edit([&](sim::camera::CameraBehaviour &camera) { camera.media().add(large); });
        sim::camera::MediaFile small;
        second->edit([&](sim::camera::CameraBehaviour &camera) { small = camera.media().files().front(); });

        QTemporaryDir downloads;
        QVERIFY(downloads.isValid());
        sim::UsbfsTestbed testbed({first, second});
        sim::PreloadedProcess client({TESSVAR_CLIENT, downloads.path().toStdString(), "E2E0000001", large.path,
                                      "E2E0000002", small.path});
        const std::optional<int> exitCode = client.wait(kClientTimeoutMs);
        QVERIFY2(exitCode.has_value(), "the device library hung");
        QCOMPARE(*exitCode, 0);

        QCOMPARE(readFile(downloads.filePath("E2E0000001.bin")), contentOf(large));
        QCOMPARE(readFile(downloads.filePath("E2E0000002.bin")), contentOf(small));
    }

    // The launcher's cameras are complete simulated cameras, numbered.
    void launcherAttachesSimulatedCameras()
    {
        sim::camera::MediaFile file;
        sim::FullCamera(sim::camera::CameraProfile()).edit([&](sim::camera::CameraBehaviour &camera) {
            file = camera.media().files().front();
        });
        QTemporaryDir downloads;
        QVERIFY(downloads.isValid());
        QProcess launcher;
        launcher.setProcessChannelMode(QProcess::ForwardedChannels);
        launcher.start(QStringLiteral(SIM_LAUNCHER),
                       {"--cameras", "2", "--", TESSVAR_CLIENT, downloads.path(), "CAM0000001",
                        QString::fromStdString(file.path), "CAM0000002", QString::fromStdString(file.path)});
        QVERIFY2(launcher.waitForFinished(kClientTimeoutMs), "the launched program hung");
        QCOMPARE(launcher.exitCode(), 0);
        QCOMPARE(readFile(downloads.filePath("CAM0000001.bin")), contentOf(file));
        QCOMPARE(readFile(downloads.filePath("CAM0000002.bin")), contentOf(file));
    }
};

QTEST_GUILESS_MAIN(tst_TessvarOverUsbfs)
#include "tst_TessvarOverUsbfs.moc"
