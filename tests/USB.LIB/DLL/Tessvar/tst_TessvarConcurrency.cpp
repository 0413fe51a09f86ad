#include "CommandPackets.h"
#include "QueueDeviceSide.h"
#include "ReportRecorder.h"
#include "SimBusSetup.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using sim::DeviceLayout;
using sim::QueueDeviceSide;
using sim::UsbBus;

namespace {

constexpr int ReadCapMs = 10;
constexpr int Cameras = 2;
constexpr int RunMs = 1500;
constexpr int IdentityCommand = 14;
constexpr int TimeCommand = 18;

// The camera's part: every command is answered with an empty success reply.
void answerEveryCommand(const QueueDeviceSide::Packet &packet, QueueDeviceSide &side)
{
    if (CommandPackets::isCommand(packet))
        side.pushIn(CommandPackets::reply(CommandPackets::u32At(packet, 12), 0, {}));
}

// Runs on the reader threads. Calls back into the library as a program
// does: a request from inside the callback, and a camera that closes itself.
void TESSVAR_CALL reenteringCallback(int deviceIndex, int command, int result, const void *payload, int length,
                                     void *user)
{
    ReportRecorder::callback(deviceIndex, command, result, payload, length, user);
    if (command == IdentityCommand)
        GetDeviceCode(deviceIndex);
    else if (command == TimeCommand)
        CloseDevice(deviceIndex);
}

} // namespace

class TestTessvarConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void refreshWhileRepliesArriveFinishes();
};

void TestTessvarConcurrency::refreshWhileRepliesArriveFinishes()
{
    UsbBus &bus = SimBusSetup::freshBus(ReadCapMs);
    const int busNumber = bus.addBus();
    std::vector<std::unique_ptr<QueueDeviceSide>> sides;
    for (int camera = 0; camera < Cameras; ++camera) {
        sides.push_back(std::make_unique<QueueDeviceSide>());
        sides.back()->setOutHandler(&answerEveryCommand);
        bus.attach(bus.addDevice(busNumber, DeviceLayout{}), sides.back().get());
    }
    ReportRecorder first;
    ReportRecorder second;
    SetMsgCallBack(&reenteringCallback, &first);

    std::atomic<bool> running{true};
    std::vector<std::thread> threads;
    threads.emplace_back([&] {
        while (running) {
            int count = 0;
            RefreshDecice(&count);
            for (int index = 0; index < count; ++index)
                OpenDevice(index);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    });
    for (int camera = 0; camera < Cameras; ++camera) {
        threads.emplace_back([&, camera] {
            const VIDEO_PARA_T recording{1, 25, 4096};
            while (running) {
                GetIDParam(camera);
                SetRecParam(camera, &recording);
                GetTime(camera);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    threads.emplace_back([&] {
        for (int round = 0; running; ++round) {
            SetMsgCallBack(round % 3 == 2 ? nullptr : &reenteringCallback, round % 2 ? &first : &second);
            CloseDevice(round % Cameras);
            OpenDevice(round % Cameras);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });

    QTest::qSleep(RunMs);
    running = false;
    for (std::thread &thread : threads)
        thread.join();

    // Every reader is stopped before the simulated cameras go away.
    for (int index = 0; index < Cameras; ++index)
        CloseDevice(index);
    SetMsgCallBack(nullptr, nullptr);
    bus.reset();
    int count = -1;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, 0);
    QVERIFY(first.count() + second.count() > 0);
}

QTEST_GUILESS_MAIN(TestTessvarConcurrency)
#include "tst_TessvarConcurrency.moc"
