#pragma once

// A program started under libumockdev-preload, so that it sees the devices of
// the test bed that $UMOCKDEV_DIR names instead of the machine's own. The
// program runs in its own process: umockdev answers its device calls on a
// worker thread of this one, which must stay free while the program waits
// in them.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace sim {

class PreloadedProcess
{
public:
    static constexpr const char *kPreloadLibrary = "libumockdev-preload.so.0";

    // Starts arguments[0], looked up in PATH like a shell does, with
    // extraPreload (if any) preloaded after umockdev's library; throws
    // std::runtime_error when it cannot be started.
    explicit PreloadedProcess(const std::vector<std::string> &arguments, const std::string &extraPreload = {});
    // Kills the program when nobody waited for its end.
    ~PreloadedProcess();
    PreloadedProcess(const PreloadedProcess &) = delete;
    PreloadedProcess &operator=(const PreloadedProcess &) = delete;

    pid_t pid() const { return pid_; }

    // Waits for the end and gives the exit code, or 128 + the signal number
    // that ended it. A negative time-out waits for ever; when the time runs
    // out the program is killed and the result is empty.
    std::optional<int> wait(int timeoutMs = -1);
    // The exit code if the program has ended, without waiting or killing it.
    std::optional<int> poll();

    // LD_PRELOAD for the program: the preload in front of what is set already.
    static std::string preloadValue(const std::string &extraPreload = {});

private:
    pid_t pid_ = -1;
};

} // namespace sim
