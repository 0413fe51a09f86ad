#include "PlatformPort.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <new>
#include <system_error>
#include <thread>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace port {

struct Thread {
    std::thread worker;
};

Thread *startThread(ThreadEntry entry, void *argument)
{
    auto *thread = new (std::nothrow) Thread;
    if (!thread)
        return nullptr;
    try {
        thread->worker = std::thread([entry, argument] { entry(argument); });
    } catch (const std::system_error &) {
        delete thread;
        return nullptr;
    }
    return thread;
}

void joinThread(Thread *thread)
{
    if (!thread)
        return;
    if (thread->worker.joinable())
        thread->worker.join();
    delete thread;
}

bool isCurrentThread(const Thread *thread)
{
    return thread && thread->worker.get_id() == std::this_thread::get_id();
}

void detachThread(Thread *thread)
{
    if (!thread)
        return;
    if (thread->worker.joinable())
        thread->worker.detach();
    delete thread;
}

void sleepMs(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void debugOutput(const char *text)
{
    std::fputs(text, stderr);
}

bool createDirectory(const char *path)
{
    if (::mkdir(path, 0777) == 0)
        return true;
    // Something else already there is only good enough when it is a folder.
    struct stat info;
    return errno == EEXIST && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool pathExists(const char *path)
{
    struct stat info;
    return ::stat(path, &info) == 0;
}

bool deleteFile(const char *path)
{
    return ::unlink(path) == 0;
}

bool listFiles(const char *folder, std::vector<std::string> &names)
{
    DIR *directory = ::opendir(folder);
    if (!directory)
        return false;
    const std::string prefix = std::string(folder) + nativeSeparator();
    while (const dirent *entry = ::readdir(directory)) {
        struct stat info;
        const std::string path = prefix + entry->d_name;
        if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            names.push_back(entry->d_name);
    }
    ::closedir(directory);
    return true;
}

char nativeSeparator()
{
    return '/';
}

} // namespace port
