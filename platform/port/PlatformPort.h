#pragma once

// The few operating-system services that the Windows design takes from the
// kernel (threads, sleeping, debugger output, files), behind one interface so
// that the rest of the code never includes a system header for them.

#include <cstdint>
#include <string>
#include <vector>

namespace port {

struct Thread;
using ThreadEntry = unsigned (*)(void *argument);

// Starts entry(argument) on a new thread with the default stack size.
// Returns null when the thread could not be created.
Thread *startThread(ThreadEntry entry, void *argument);

// Waits without a time-out for the thread to end and releases its handle.
void joinThread(Thread *thread);

// True when called on the given thread itself; such a thread must not be joined.
bool isCurrentThread(const Thread *thread);

// Lets a thread that is not joined run to its end and release itself.
void detachThread(Thread *thread);

void sleepMs(std::uint32_t milliseconds);

// The debugger output of the Windows design; here it goes to standard error.
void debugOutput(const char *text);

// True when the folder exists afterwards, whether made now or before; a file
// of that name makes it false.
bool createDirectory(const char *path);
bool pathExists(const char *path);
bool deleteFile(const char *path);

// The names of the regular files directly in folder. False when the folder
// cannot be read.
bool listFiles(const char *folder, std::vector<std::string> &names);

// The platform's path separator for local paths ('/' here).
char nativeSeparator();

} // namespace port
