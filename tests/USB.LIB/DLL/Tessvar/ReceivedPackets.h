#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct LibraryContext;

// Collects what the transport's readers hand to the receive function. Passed
// to the transport as its opaque context.
class ReceivedPackets
{
public:
    struct Packet {
        int deviceIndex;
        std::vector<std::uint8_t> bytes;
    };

    static void receive(int deviceIndex, const unsigned char *buffer, int length, LibraryContext *context);

    LibraryContext *context();
    // Runs on the reader thread after each packet was kept.
    void setHook(std::function<void(int deviceIndex)> hook);
    bool waitFor(std::size_t count, int timeoutMs) const;
    std::vector<Packet> packets() const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Packet> packets_;
    std::function<void(int)> hook_;
};
