#include "PreloadedProcess.h"

#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace sim {

namespace {

constexpr const char kPreloadVariable[] = "LD_PRELOAD";

int exitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 1;
}

std::vector<std::string> environmentWithPreload(const std::string &extraPreload)
{
    std::vector<std::string> environment;
    const std::string prefix = std::string(kPreloadVariable) + "=";
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, prefix.c_str(), prefix.size()) != 0)
            environment.emplace_back(*variable);
    }
    environment.push_back(prefix + PreloadedProcess::preloadValue(extraPreload));
    return environment;
}

std::vector<char *> pointersTo(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (auto &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::string PreloadedProcess::preloadValue(const std::string &extraPreload)
{
    std::string value;
#ifdef VANTREL_SANITIZER_RUNTIME
    // A program built with AddressSanitizer refuses to start unless its
    // runtime is the first library loaded, ahead of any preload.
    value = std::string(VANTREL_SANITIZER_RUNTIME) + ":";
#endif
    value += kPreloadLibrary;
    if (!extraPreload.empty())
        value += ":" + extraPreload;
    if (const char *existing = std::getenv(kPreloadVariable); existing && *existing)
        value += std::string(":") + existing;
    return value;
}

PreloadedProcess::PreloadedProcess(const std::vector<std::string> &arguments, const std::string &extraPreload)
{
    if (arguments.empty())
        throw std::runtime_error("no program to start");
    std::vector<std::string> argumentCopy = arguments;
    std::vector<std::string> environment = environmentWithPreload(extraPreload);
    std::vector<char *> argv = pointersTo(argumentCopy);
    std::vector<char *> envp = pointersTo(environment);
    const int error = posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), envp.data());
    if (error != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(error));
    }
}

PreloadedProcess::~PreloadedProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::optional<int> PreloadedProcess::wait(int timeoutMs)
{
    if (pid_ <= 0)
        throw std::logic_error("the program's end was already collected");
    int status = 0;
    if (timeoutMs < 0) {
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return exitCodeOf(status);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return exitCodeOf(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return std::nullopt;
}

std::optional<int> PreloadedProcess::poll()
{
    if (pid_ <= 0)
        throw std::logic_error("the program's end was already collected");
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_)
        return std::nullopt;
    pid_ = -1;
    return exitCodeOf(status);
}

} // namespace sim
