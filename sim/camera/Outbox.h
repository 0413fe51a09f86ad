#pragma once

// What the camera answers to one request, collected before it joins the IN
// queue so that the answer goes out whole and faults can still shape it.

#include "FileSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sim {

class Outbox
{
public:
    using Bytes = std::vector<std::uint8_t>;

    // Either a ready packet, or a file streamed from position to end as data
    // packets made only when the host reads them.
    struct Item
    {
        Bytes packet;
        std::shared_ptr<const FileSource> source;
        std::uint64_t position = 0;
        std::uint64_t end = 0;
    };

    // The type field of a packet's head: a command (or its reply), or data.
    static constexpr std::uint32_t CommandType = 1;
    static constexpr std::uint32_t DataType = 0;
    static constexpr std::size_t CommandHeadSize = 20;
    static constexpr std::size_t PacketHeadSize = 12;
    static constexpr std::size_t NameSize = 128;

    // A reply packet: len = 20 + payload, type 1, the command echoed.
    void reply(std::uint32_t command, std::uint8_t result, const Bytes &payload = {});
    // One data packet carrying the bytes.
    void data(const Bytes &bytes);
    // One data packet with the names, 128 bytes each, NUL-padded.
    void nameList(const std::vector<std::string> &names);
    // The file from offset to its end; nothing for an empty rest.
    void stream(std::shared_ptr<const FileSource> source, std::uint64_t offset);

    // Keeps at most length payload bytes of the first reply to command.
    void cutReplyPayload(std::uint32_t command, std::size_t length);

    std::vector<Item> take();

    static Bytes dataPacket(const Bytes &bytes);

private:
    std::vector<Item> items_;
};

} // namespace sim
