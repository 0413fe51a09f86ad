#include "CommandPackets.h"
#include "ReportRecorder.h"
#include "SimBusSetup.h"
#include "SimCamera.h"
#include "Tessvar.h"

#include <QtTest>

#include <cstring>
#include <fstream>

using CommandPackets::Bytes;
using CommandPackets::reply;
using CommandPackets::u32At;
using SimBusSetup::ReadCapMs;
using SimBusSetup::WaitMs;
using sim::SimCamera;

namespace {

constexpr std::uint32_t UploadStart = 55;
constexpr std::uint32_t UploadStop = 56;

} // namespace

// The exports against the camera simulator: what the camera received, packet
// by packet, and replies it sends as raw IN packets.
class TestTessvarOnSimCamera : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void uploadRoundTrip();

private:
    std::unique_ptr<SimCamera> camera_;
    ReportRecorder recorder_;
    QTemporaryDir folder_;
};

void TestTessvarOnSimCamera::init()
{
    camera_ = std::make_unique<SimCamera>();
    SimBusSetup::plugCameras(*camera_, 1, ReadCapMs);
    recorder_.clear();
    recorder_.install();
    int count = 0;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, 1);
    QCOMPARE(OpenDevice(0), 0);
    camera_->clearReceived();
    // The test plays the camera's answers itself, byte by byte.
    camera_->setFault(UploadStart, sim::CommandFault::noAnswer());
    camera_->setFault(UploadStop, sim::CommandFault::noAnswer());
}

void TestTessvarOnSimCamera::cleanup()
{
    SimBusSetup::unplugCameras(1);
    camera_.reset();
}

// The order a page follows: start record, the file as data packets, stop.
void TestTessvarOnSimCamera::uploadRoundTrip()
{
    Bytes contents(3 * 0x8000 + 77);
    for (std::size_t i = 0; i < contents.size(); ++i)
        contents[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    const std::string path = (folder_.path() + "/pic.bmp").toStdString();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(contents.data()),
                                                static_cast<std::streamsize>(contents.size()));
    UPLOAD_FILE_PARA_T start{};
    std::strcpy(start.fileName, "pic.bmp");
    start.sizeLow = static_cast<std::uint32_t>(contents.size());
    start.packetSize = 0x8000;

    QCOMPARE(UploadFileStart(0, &start), 0);
    camera_->injectIn(reply(UploadStart, 0, {}));
    QVERIFY(recorder_.waitFor(1, WaitMs));
    QCOMPARE(UploadFile(0, path.c_str()), 77 + 12);
    QCOMPARE(UploadFileStop(0), 0);
    const Bytes stopAnswer{9, 8, 7};
    camera_->injectIn(reply(UploadStop, 0, stopAnswer));
    QVERIFY(recorder_.waitFor(2, WaitMs));

    const std::vector<Bytes> received = camera_->receivedPackets();
    QCOMPARE(received.size(), std::size_t(1 + 4 + 1));
    QCOMPARE(received.front().size(), std::size_t(20 + sizeof start));
    QCOMPARE(u32At(received.front(), 12), UploadStart);
    QVERIFY(std::memcmp(received.front().data() + 20, &start, sizeof start) == 0);
    QCOMPARE(received.back().size(), std::size_t(20));
    QCOMPARE(u32At(received.back(), 12), UploadStop);
    QVERIFY(camera_->uploadedData() == contents);

    const QList<ReportRecorder::Report> reports = recorder_.reports();
    QCOMPARE(reports[0].command, int(UploadStart));
    QVERIFY(reports[0].nullPayload);
    QCOMPARE(reports[1].command, int(UploadStop));
    QVERIFY(Bytes(reports[1].payload.begin(), reports[1].payload.end()) == stopAnswer);
}

QTEST_GUILESS_MAIN(TestTessvarOnSimCamera)
#include "tst_TessvarOnSimCamera.moc"
