// Drives the unmodified device library, linked against the real libusb 0.1,
// through two cameras: started under libumockdev-preload beside a test bed of
// simulated cameras. Each camera is told apart by the device ID in its
// identity record (libusb lists devices in its own order) and downloads its
// file to <download folder>/<device ID>.bin. Prints one line per failed
// check; exit code 0 when all passed. The test that starts it compares the
// downloaded files.
//
// usage: tessvar_usbfs_client <download folder> <device ID> <file> <device ID> <file>

#include "Tessvar.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kCameras = 2;
constexpr int kLoginCommand = 1;
constexpr int kDownloadCommand = 2;
constexpr int kTransferEnd = 3;
constexpr int kIdentityCommand = 14;
constexpr std::size_t kIdentitySize = 128;
constexpr std::size_t kDeviceIdOffset = 64;
constexpr char kDevicePassword[] = "123456";
constexpr auto kReplyTimeout = std::chrono::seconds(10);
constexpr auto kDownloadTimeout = std::chrono::seconds(60);

struct Reply {
    int index;
    int command;
    int result;
    std::vector<std::uint8_t> payload;
};

// Replies arrive on the cameras' reader threads; the payload is only valid
// during the callback, so it is copied.
class ReplyLog
{
public:
    static void TESSVAR_CALL receive(int index, int cmd, int result, const void *data, int length, void *user)
    {
        auto *log = static_cast<ReplyLog *>(user);
        const auto *bytes = static_cast<const std::uint8_t *>(data);
        Reply reply{index, cmd, result, {}};
        if (bytes && length > 0)
            reply.payload.assign(bytes, bytes + length);
        {
            std::lock_guard<std::mutex> lock(log->mutex_);
            log->replies_.push_back(std::move(reply));
        }
        log->arrived_.notify_all();
    }

    std::optional<Reply> waitFor(int index, int command, std::chrono::seconds timeout)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<Reply> found;
        arrived_.wait_for(lock, timeout, [&] {
            for (auto reply = replies_.begin(); reply != replies_.end(); ++reply) {
                if (reply->index == index && reply->command == command) {
                    found = std::move(*reply);
                    replies_.erase(reply);
                    return true;
                }
            }
            return false;
        });
        return found;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Reply> replies_;
};

int failures = 0;

void check(bool passed, int index, const std::string &what)
{
    if (!passed) {
        ++failures;
        std::printf("FAILED: camera %d: %s\n", index, what.c_str());
        std::fflush(stdout);
    }
}

std::string textAt(const std::vector<std::uint8_t> &bytes, std::size_t offset, std::size_t length)
{
    if (bytes.size() < offset + length)
        return {};
    const char *start = reinterpret_cast<const char *>(bytes.data() + offset);
    return std::string(start, strnlen(start, length));
}

int logIn(int index, const char *password)
{
    char buffer[128] = {};
    std::strncpy(buffer, password, sizeof buffer - 1);
    return LoginDevice(index, buffer);
}

std::string deviceIdOf(ReplyLog &log, int index)
{
    check(GetIDParam(index) == 0, index, "GetIDParam sent");
    const std::optional<Reply> reply = log.waitFor(index, kIdentityCommand, kReplyTimeout);
    check(reply && reply->result == 0 && reply->payload.size() == kIdentitySize, index, "identity record arrived");
    return reply ? textAt(reply->payload, kDeviceIdOffset, 64) : std::string();
}

void checkLogIn(ReplyLog &log, int index)
{
    check(logIn(index, "654321") == 0, index, "wrong password sent");
    const std::optional<Reply> refused = log.waitFor(index, kLoginCommand, kReplyTimeout);
    check(refused && refused->result != 0, index, "wrong password refused");

    check(logIn(index, kDevicePassword) == 0, index, "password sent");
    const std::optional<Reply> accepted = log.waitFor(index, kLoginCommand, kReplyTimeout);
    check(accepted && accepted->result == 0, index, "right password accepted");
}

void checkDownload(ReplyLog &log, int index, const std::string &remote, const std::string &local)
{
    check(DownLoadFile(index, remote.c_str(), 0, local.c_str()) == 0, index, "download of " + remote + " sent");
    const std::optional<Reply> accepted = log.waitFor(index, kDownloadCommand, kReplyTimeout);
    check(accepted && accepted->result == 0, index, "download accepted");
    const std::optional<Reply> ended = log.waitFor(index, kTransferEnd, kDownloadTimeout);
    check(ended && ended->result == 0, index, "download ended");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 + 2 * kCameras) {
        std::fprintf(stderr, "usage: %s <download folder> <device ID> <file> <device ID> <file>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::map<std::string, std::string> fileOfDevice;
    for (int i = 0; i < kCameras; ++i)
        fileOfDevice[argv[2 + 2 * i]] = argv[3 + 2 * i];

    ReplyLog log;
    check(SetMsgCallBack(&ReplyLog::receive, &log) == 0, -1, "callback registered");
    int count = 0;
    RefreshDecice(&count);
    check(count == kCameras, -1, "enumerated " + std::to_string(count) + " cameras");
    if (count != kCameras)
        return 1;

    for (int index = 0; index < kCameras; ++index)
        check(OpenDevice(index) == 0, index, "opened");
    for (int index = 0; index < kCameras; ++index) {
        const std::string deviceId = deviceIdOf(log, index);
        const auto file = fileOfDevice.find(deviceId);
        check(file != fileOfDevice.end(), index, "identity record names a known camera: \"" + deviceId + "\"");
        if (file == fileOfDevice.end())
            continue;
        const std::string remote = file->second;
        fileOfDevice.erase(file);
        checkLogIn(log, index);
        checkDownload(log, index, remote, folder + "/" + deviceId + ".bin");
    }
    for (int index = 0; index < kCameras; ++index)
        check(CloseDevice(index) == 0, index, "closed");

    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
