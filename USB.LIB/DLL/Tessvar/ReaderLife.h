#pragma once

#include <atomic>

namespace port {
struct Thread;
}

// One reader thread, from its start until it has ended. Shared by the thread
// and, while it belongs to a camera, by the camera's record, so that a reader
// let go of by its record still finds its stop flag.
struct ReaderLife {
    // Set once, under the library lock, by whoever stops the reader; the
    // reader polls it after each read.
    std::atomic<bool> stop{false};
    // The thread's handle until a caller's thread takes it to join, or a
    // reader's callback lets the thread go (detaches it). Library lock.
    port::Thread *thread = nullptr;
    // Set by the reader, under the library lock, as its last act on the
    // record; the library's condition is signalled then.
    bool ended = false;
};
