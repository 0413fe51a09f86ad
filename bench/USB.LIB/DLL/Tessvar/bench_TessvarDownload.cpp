// Download throughput of the device library against the in-process camera
// simulator, compared with the same bytes moved through the same simulator
// and the same file writes without the library.
//
//     bench_TessvarDownload [MiB, default 256] [rounds, default 3]
//
// The library path: DownLoadFile, the reader thread's bulk reads, the receive
// dispatch writing each data packet into the local file, reply 3 to the
// callback. The path without the library: the same request written and the
// same packets read with libusb calls on the simulated bus, each data packet
// written and flushed into a local file the same way. Both check every byte.

#include "DownloadRun.h"
#include "PatternFile.h"
#include "SimCamera.h"
#include "Tessvar.h"
#include "UsbBus.h"

#include <usb.h>

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr char RemoteName[] = "DCIM\\20240101\\bench.mp4";
constexpr int TransferEnd = 3;
constexpr int TimeoutMs = 5000;
constexpr double UsbHighSpeedBulkMBps = 53.0;

class TransferEndWaiter
{
public:
    static void TESSVAR_CALL callback(int, int command, int result, const void *, int, void *user)
    {
        if (command != TransferEnd)
            return;
        auto *waiter = static_cast<TransferEndWaiter *>(user);
        std::lock_guard<std::mutex> lock(waiter->mutex_);
        waiter->ended_ = true;
        waiter->result_ = result;
        waiter->changed_.notify_all();
    }

    bool wait()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return ended_; });
        ended_ = false;
        return result_ == 0;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ended_ = false;
    int result_ = -1;
};

bool fileMatchesPattern(const std::string &path, std::uint64_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::vector<std::uint8_t> block(1 << 20);
    std::uint64_t position = 0;
    bool same = true;
    while (same) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        if (got == 0)
            break;
        for (std::size_t i = 0; i < got && same; ++i)
            same = block[i] == sim::PatternFile::byteAt(position + i);
        position += got;
    }
    std::fclose(file);
    return same && position == size;
}

std::vector<std::uint8_t> downloadRequest()
{
    std::vector<std::uint8_t> packet(20 + 136, 0);
    const std::uint32_t head[] = {static_cast<std::uint32_t>(packet.size()), 0, 1, 2};
    std::memcpy(packet.data(), head, sizeof head);
    packet[16] = 0x01;
    packet[17] = 0x01;
    std::memcpy(packet.data() + 20, RemoteName, sizeof RemoteName - 1);
    return packet;
}

// Opening and closing the camera (a reader start and join) stay out of the
// measured time on both paths.
bool downloadThroughLibrary(TransferEndWaiter &waiter, const std::string &path, DownloadRun &run,
                            std::uint64_t size)
{
    if (OpenDevice(0) != 0)
        return false;
    run.start();
    const bool ok = DownLoadFile(0, RemoteName, 0, path.c_str()) == 0 && waiter.wait();
    run.stop(size);
    CloseDevice(0);
    return ok;
}

// What the library does for a download, minus the library: one bulk write of
// the request, then bulk reads of up to 524,288 bytes until reply 3, every
// data packet appended to the file and flushed.
bool downloadWithoutLibrary(const std::string &path, DownloadRun &run, std::uint64_t size)
{
    usb_find_busses();
    usb_find_devices();
    usb_dev_handle *handle = usb_open(usb_get_busses()->devices);
    if (!handle || usb_claim_interface(handle, 0) < 0)
        return false;
    run.start();
    const std::vector<std::uint8_t> request = downloadRequest();
    usb_bulk_write(handle, 0x01, reinterpret_cast<const char *>(request.data()), static_cast<int>(request.size()),
                   TimeoutMs);
    std::FILE *file = nullptr;
    std::vector<char> buffer(0x80000);
    bool ended = false;
    while (!ended) {
        const int got = usb_bulk_read(handle, 0x81, buffer.data(), static_cast<int>(buffer.size()), TimeoutMs);
        if (got < 12)
            break;
        std::uint32_t type = 0;
        std::memcpy(&type, buffer.data() + 8, sizeof type);
        if (type == 0 && file) {
            std::fwrite(buffer.data() + 12, 1, static_cast<std::size_t>(got - 12), file);
            std::fflush(file);
        } else if (type == 1 && got >= 20) {
            std::uint32_t command = 0;
            std::memcpy(&command, buffer.data() + 12, sizeof command);
            if (command == 2)
                file = std::fopen(path.c_str(), "wb");
            ended = command == TransferEnd;
        }
    }
    if (file)
        std::fclose(file);
    run.stop(size);
    usb_release_interface(handle, 0);
    usb_close(handle);
    return ended;
}

void report(std::FILE *out, const char *label, const DownloadRun &run)
{
    std::fprintf(out, "%-22s %9.1f MB/s  %7.3f s  CPU %6.2f ms/MiB\n", label, run.megabytesPerSecond(), run.seconds(),
                 run.cpuMillisecondsPerMebibyte());
}

} // namespace

int main(int argc, char **argv)
{
    const std::uint64_t mebibytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 256;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::uint64_t size = mebibytes * 1024 * 1024;
    const char *folder = std::getenv("TMPDIR");
    const std::string path = std::string(folder ? folder : "/tmp") + "/bench_TessvarDownload.bin";

    // The library traces every packet on standard output and standard error;
    // the results keep the original standard output to themselves.
    std::FILE *out = fdopen(dup(STDOUT_FILENO), "w");
    if (!out || !std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
        return 1;
    sim::SimCamera camera;
    camera.store().putFile(RemoteName, std::make_shared<sim::PatternFile>(size));
    sim::UsbBus &bus = sim::UsbBus::instance();
    bus.setReadTimeoutCap(20);
    bus.attach(bus.addDevice(bus.addBus(), sim::DeviceLayout{}), &camera);

    TransferEndWaiter waiter;
    SetMsgCallBack(&TransferEndWaiter::callback, &waiter);
    int count = 0;
    RefreshDecice(&count);
    if (count != 1) {
        std::fprintf(out, "no simulated camera\n");
        return 1;
    }

    DownloadRun best;
    DownloadRun bestBaseline;
    for (int round = 0; round < rounds; ++round) {
        DownloadRun run;
        const bool ok = downloadThroughLibrary(waiter, path, run, size);
        if (!ok || !fileMatchesPattern(path, size)) {
            std::fprintf(out, "library download failed\n");
            return 1;
        }
        DownloadRun baseline;
        const bool baselineOk = downloadWithoutLibrary(path, baseline, size);
        if (!baselineOk || !fileMatchesPattern(path, size)) {
            std::fprintf(out, "download without the library failed\n");
            return 1;
        }
        if (round == 0 || run.seconds() < best.seconds())
            best = run;
        if (round == 0 || baseline.seconds() < bestBaseline.seconds())
            bestBaseline = baseline;
    }
    std::remove(path.c_str());

    std::fprintf(out, "%llu MiB, best of %d rounds\n", static_cast<unsigned long long>(mebibytes), rounds);
    report(out, "through the library", best);
    report(out, "without the library", bestBaseline);
    const double ratio = best.megabytesPerSecond() / bestBaseline.megabytesPerSecond();
    std::fprintf(out, "ratio %.2f (goal at least 0.80)\n", ratio);
    std::fprintf(out, "library throughput %.1f x USB 2.0 high-speed bulk (%.0f MB/s; goal at least 10 x)\n",
                 best.megabytesPerSecond() / UsbHighSpeedBulkMBps, UsbHighSpeedBulkMBps);
    // Process CPU time: the simulated camera's share is in both figures.
    std::fprintf(out, "CPU time with the library %.2f ms/MiB (difference to the run without it: %+.2f ms/MiB)\n",
                 best.cpuMillisecondsPerMebibyte(),
                 best.cpuMillisecondsPerMebibyte() - bestBaseline.cpuMillisecondsPerMebibyte());
    SetMsgCallBack(nullptr, nullptr);
    return 0;
}
