#include "CommandPackets.h"
#include "DeviceTable.h"
#include "QueueDeviceSide.h"
#include "ReportRecorder.h"
#include "SimBusSetup.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using SimBusSetup::ReadCapMs;
using SimBusSetup::WaitMs;
using sim::DeviceLayout;
using sim::QueueDeviceSide;
using sim::UsbBus;
using sim::UsbCall;

namespace {

constexpr int IdentityCommand = 14;
constexpr int WatchdogSeconds = 30;

// A deadlock would hang the test until CTest's time-out, and the sanitizer
// runs after it would never start: the watchdog ends the process instead,
// naming the step that did not finish.
class Watchdog
{
public:
    explicit Watchdog(const char *step)
        : m_step(step)
        , m_thread([this] { watch(); })
    {
    }

    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_changed.wait_for(lock, std::chrono::seconds(WatchdogSeconds), [this] { return m_done; })) {
            std::fprintf(stderr, "FAIL: deadlock, \"%s\" did not finish within %d s\n", m_step, WatchdogSeconds);
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    }

    const char *m_step;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_done = false;
    std::thread m_thread;
};

// Lets each of `parties` threads go on only once all of them have arrived.
class Barrier
{
public:
    explicit Barrier(int parties)
        : m_parties(parties)
    {
    }

    void arriveAndWait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (++m_arrived == m_parties)
            m_changed.notify_all();
        else
            m_changed.wait(lock, [this] { return m_arrived >= m_parties; });
    }

private:
    const int m_parties;
    int m_arrived = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

// Waits without a time-out of its own (the watchdog has one) until `done` holds.
template <typename Condition>
void waitUntil(Condition done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void answerEveryCommand(const QueueDeviceSide::Packet &packet, QueueDeviceSide &side)
{
    if (CommandPackets::isCommand(packet))
        side.pushIn(CommandPackets::reply(CommandPackets::u32At(packet, 12), 0, {}));
}

enum class Call { Open, Close, Refresh };

int callExport(Call call, int index)
{
    switch (call) {
    case Call::Open:
        return OpenDevice(index);
    case Call::Close:
        return CloseDevice(index);
    case Call::Refresh: {
        int count = 0;
        return RefreshDecice(&count);
    }
    }
    return -2;
}

// Both cameras' callbacks are inside their identity reply at once, and each
// calls an export on the other camera; neither returns before both calls are
// made, so each call meets the other reader inside its callback.
struct Crossing {
    Call calls[2];
    Barrier bothInside{2};
    Barrier bothCalled{2};
    std::atomic<int> results[2] = {{-99}, {-99}};
    std::atomic<int> finished{0};

    static void TESSVAR_CALL callback(int index, int command, int, const void *, int, void *user)
    {
        auto *crossing = static_cast<Crossing *>(user);
        if (command != IdentityCommand || index < 0 || index > 1)
            return;
        crossing->bothInside.arriveAndWait();
        crossing->results[index] = callExport(crossing->calls[index], 1 - index);
        crossing->bothCalled.arriveAndWait();
        ++crossing->finished;
    }
};

// A thread closes camera 0 while a callback (camera 0's own, or camera 1's)
// reopens camera 0. Camera 0's callback stays inside until the reopen has
// returned, so the closing thread is still waiting for camera 0's reader.
struct CloseWhileReopening {
    int reopener = 0;
    Barrier inPlace{2};
    std::atomic<bool> reopened{false};
    std::atomic<int> reopenResult{-99};
    std::atomic<bool> readerZeroReturned{false};

    static void TESSVAR_CALL callback(int index, int command, int, const void *, int, void *user)
    {
        auto *scene = static_cast<CloseWhileReopening *>(user);
        if (command != IdentityCommand)
            return;
        if (index == 0)
            scene->inPlace.arriveAndWait();
        if (index == scene->reopener) {
            waitUntil([] { return DeviceTable::instance().readerEnding(0); });
            scene->reopenResult = OpenDevice(0);
            scene->reopened = true;
        }
        if (index == 0) {
            waitUntil([scene] { return scene->reopened.load(); });
            scene->readerZeroReturned = true;
        }
    }
};

// Camera 0's callback opens camera 1, which is open, and asks it for its
// identity. When `otherInside`, camera 1's reader is inside its own callback
// at that moment and leaves it only once the open has stopped it.
struct OpenFromOtherCallback {
    bool otherInside = false;
    std::atomic<bool> otherEntered{false};
    std::atomic<int> openResult{-99};
    std::atomic<int> askResult{-99};
    std::atomic<int> identitiesOfCameraOne{0};

    static void TESSVAR_CALL callback(int index, int command, int, const void *, int, void *user)
    {
        auto *scene = static_cast<OpenFromOtherCallback *>(user);
        if (command != IdentityCommand)
            return;
        if (index == 0) {
            scene->openResult = OpenDevice(1);
            scene->askResult = GetIDParam(1);
        } else if (index == 1 && ++scene->identitiesOfCameraOne == 1 && scene->otherInside) {
            scene->otherEntered = true;
            waitUntil([] { return DeviceTable::instance().readerEnding(1); });
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(Call)

// Exports called from inside the callback, on the readers' threads, while
// other threads stop the same readers: nothing may wait for ever.
class TestTessvarReentry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void readersStoppingEachOtherFinish_data();
    void readersStoppingEachOtherFinish();
    void openingAnOpenCameraFromAnotherCallbackSucceeds_data();
    void openingAnOpenCameraFromAnotherCallbackSucceeds();
    void reopenDuringCloseFails_data();
    void reopenDuringCloseFails();

private:
    void plugAndOpen(int cameras);
    void expectBothCamerasAnswer();
    void expectNoFurtherReads();

    std::vector<std::unique_ptr<QueueDeviceSide>> m_sides;
};

void TestTessvarReentry::cleanup()
{
    SimBusSetup::unplugCameras(static_cast<int>(m_sides.size()));
    m_sides.clear();
    DeviceTable::instance().setReadTimeout(DeviceTable::TransferTimeoutMs);
}

// The library's reads are as short as the bus's, so that a callback's wait
// for a reader held in its own callback gives up after about two seconds.
void TestTessvarReentry::plugAndOpen(int cameras)
{
    DeviceTable::instance().setReadTimeout(ReadCapMs);
    UsbBus &bus = SimBusSetup::freshBus(ReadCapMs);
    const int busNumber = bus.addBus();
    for (int camera = 0; camera < cameras; ++camera) {
        m_sides.push_back(std::make_unique<QueueDeviceSide>());
        m_sides.back()->setOutHandler(&answerEveryCommand);
        bus.attach(bus.addDevice(busNumber, DeviceLayout{}), m_sides.back().get());
    }
    int count = 0;
    QCOMPARE(RefreshDecice(&count), 0);
    QCOMPARE(count, cameras);
    for (int index = 0; index < cameras; ++index)
        QCOMPARE(OpenDevice(index), 0);
}

// Opened again from this thread, each camera answers its identity request.
void TestTessvarReentry::expectBothCamerasAnswer()
{
    ReportRecorder recorder;
    recorder.install();
    for (int index = 0; index < 2; ++index) {
        QCOMPARE(OpenDevice(index), 0);
        QCOMPARE(GetIDParam(index), 0);
    }
    QVERIFY(recorder.waitForCommand(IdentityCommand, WaitMs, 2));
    QList<int> answered;
    for (const ReportRecorder::Report &report : recorder.reports()) {
        if (report.command == IdentityCommand)
            answered.append(report.deviceIndex);
    }
    // Closed from this thread, the readers have ended before the recorder goes.
    QCOMPARE(CloseDevice(0), 0);
    QCOMPARE(CloseDevice(1), 0);
    std::sort(answered.begin(), answered.end());
    QCOMPARE(answered, (QList<int>{0, 1}));
}

void TestTessvarReentry::expectNoFurtherReads()
{
    UsbBus &bus = UsbBus::instance();
    const int reads = bus.countOf(UsbCall::BulkRead);
    QTest::qWait(3 * ReadCapMs + 50);
    QCOMPARE(bus.countOf(UsbCall::BulkRead), reads);
}

void TestTessvarReentry::readersStoppingEachOtherFinish_data()
{
    QTest::addColumn<Call>("callOfCameraZero");
    QTest::addColumn<Call>("callOfCameraOne");
    QTest::addColumn<int>("resultOfCameraZero");
    QTest::addColumn<int>("resultOfCameraOne");

    // A close from a callback is left to the closed camera's reader and
    // succeeds; an open waits for the other reader, which waits in its
    // callback for this one, and fails once its wait's bound has passed.
    QTest::newRow("close and close") << Call::Close << Call::Close << 0 << 0;
    QTest::newRow("open and open") << Call::Open << Call::Open << -1 << -1;
    QTest::newRow("open and close") << Call::Open << Call::Close << -1 << 0;
    QTest::newRow("refresh and refresh") << Call::Refresh << Call::Refresh << 0 << 0;
}

void TestTessvarReentry::readersStoppingEachOtherFinish()
{
    QFETCH(Call, callOfCameraZero);
    QFETCH(Call, callOfCameraOne);
    QFETCH(int, resultOfCameraZero);
    QFETCH(int, resultOfCameraOne);
    plugAndOpen(2);
    Crossing crossing{{callOfCameraZero, callOfCameraOne}};
    SetMsgCallBack(&Crossing::callback, &crossing);

    {
        Watchdog watchdog("two readers stopping each other");
        QCOMPARE(GetIDParam(0), 0);
        QCOMPARE(GetIDParam(1), 0);
        waitUntil([&] { return crossing.finished == 2; });
        // Both readers end and release their cameras without help.
        waitUntil([] { return UsbBus::instance().openHandleCount() == 0; });
        SetMsgCallBack(nullptr, nullptr);
        // A refresh from this thread also finds nothing left waiting.
        int count = 0;
        QCOMPARE(RefreshDecice(&count), 0);
        QCOMPARE(count, 2);
    }
    QCOMPARE(crossing.results[0].load(), resultOfCameraZero);
    QCOMPARE(crossing.results[1].load(), resultOfCameraOne);
    expectBothCamerasAnswer();
}

void TestTessvarReentry::openingAnOpenCameraFromAnotherCallbackSucceeds_data()
{
    QTest::addColumn<bool>("otherInside");
    QTest::newRow("its reader reading") << false;
    QTest::newRow("its reader inside its callback") << true;
}

// The open stops camera 1's reader, which ends within its read or once its
// callback returns; the open waits for that end, claims the camera again,
// and the new reader answers the request sent right after.
void TestTessvarReentry::openingAnOpenCameraFromAnotherCallbackSucceeds()
{
    QFETCH(bool, otherInside);
    plugAndOpen(2);
    OpenFromOtherCallback scene;
    scene.otherInside = otherInside;
    SetMsgCallBack(&OpenFromOtherCallback::callback, &scene);

    {
        Watchdog watchdog("an open of an open camera from another camera's callback");
        if (otherInside) {
            QCOMPARE(GetIDParam(1), 0);
            waitUntil([&] { return scene.otherEntered.load(); });
        }
        QCOMPARE(GetIDParam(0), 0);
        waitUntil([&] { return scene.askResult != -99; });
        QCOMPARE(scene.openResult.load(), 0);
        QCOMPARE(scene.askResult.load(), 0);
        const int identities = otherInside ? 2 : 1;
        waitUntil([&] { return scene.identitiesOfCameraOne == identities; });
    }
    SetMsgCallBack(nullptr, nullptr);

    // The old reader closed its handle before the camera was claimed again.
    QVERIFY(!DeviceTable::instance().readerEnding(1));
    QCOMPARE(UsbBus::instance().openHandleCount(), 2);
    expectBothCamerasAnswer();
}

void TestTessvarReentry::reopenDuringCloseFails_data()
{
    QTest::addColumn<int>("reopener");
    QTest::newRow("its own callback") << 0;
    QTest::newRow("another camera's callback") << 1;
}

// The reopen cannot succeed while the close waits for camera 0's reader: its
// own callback cannot outlast that reader and fails at once; camera 1's
// callback waits for a reader held in its callback until the reopen returns,
// and fails once its wait's bound has passed. The caller may retry after the
// close.
void TestTessvarReentry::reopenDuringCloseFails()
{
    QFETCH(int, reopener);
    plugAndOpen(2);
    CloseWhileReopening scene;
    scene.reopener = reopener;
    SetMsgCallBack(&CloseWhileReopening::callback, &scene);

    std::atomic<int> closeResult{-99};
    std::atomic<bool> readerEndedBeforeClose{false};
    int asked = 0;
    {
        Watchdog watchdog("a close while a callback reopens the camera");
        std::thread closer([&] {
            scene.inPlace.arriveAndWait();
            closeResult = CloseDevice(0);
            readerEndedBeforeClose = scene.readerZeroReturned.load();
        });
        asked = GetIDParam(0) + (reopener != 0 ? GetIDParam(1) : 0);
        closer.join();
    }
    SetMsgCallBack(nullptr, nullptr);

    QCOMPARE(asked, 0);
    QCOMPARE(scene.reopenResult.load(), -1);
    QCOMPARE(closeResult.load(), 0);
    // The close returned only after the reader had left its callback and
    // ended: the camera is closed and nothing reads it any more.
    QVERIFY(readerEndedBeforeClose);
    QVERIFY(!DeviceTable::instance().readerEnding(0));
    QCOMPARE(UsbBus::instance().openHandleCount(), 1);
    QCOMPARE(CloseDevice(1), 0);
    expectNoFurtherReads();
    expectBothCamerasAnswer();
}

QTEST_GUILESS_MAIN(TestTessvarReentry)
#include "tst_TessvarReentry.moc"
