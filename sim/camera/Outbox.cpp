#include "Outbox.h"

#include "LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace sim {

void Outbox::reply(std::uint32_t command, std::uint8_t result, const Bytes &payload)
{
    Bytes packet(CommandHeadSize + payload.size(), 0);
    camera::le::putU32(packet, 0, static_cast<std::uint32_t>(packet.size()));
    camera::le::putU32(packet, 8, CommandType);
    camera::le::putU32(packet, 12, command);
    packet[18] = result;
    std::copy(payload.begin(), payload.end(), packet.begin() + CommandHeadSize);
    items_.push_back({std::move(packet), nullptr, 0, 0});
}

Outbox::Bytes Outbox::dataPacket(const Bytes &bytes)
{
    Bytes packet(PacketHeadSize + bytes.size(), 0);
    camera::le::putU32(packet, 0, static_cast<std::uint32_t>(packet.size()));
    camera::le::putU32(packet, 8, DataType);
    std::copy(bytes.begin(), bytes.end(), packet.begin() + PacketHeadSize);
    return packet;
}

void Outbox::data(const Bytes &bytes)
{
    items_.push_back({dataPacket(bytes), nullptr, 0, 0});
}

void Outbox::nameList(const std::vector<std::string> &names)
{
    Bytes list(names.size() * NameSize, 0);
    for (std::size_t at = 0; at < names.size(); ++at)
        std::memcpy(&list[at * NameSize], names[at].data(), std::min(names[at].size(), NameSize));
    data(list);
}

void Outbox::stream(std::shared_ptr<const FileSource> source, std::uint64_t offset)
{
    const std::uint64_t end = source->size();
    if (offset < end)
        items_.push_back({{}, std::move(source), offset, end});
}

void Outbox::cutReplyPayload(std::uint32_t command, std::size_t length)
{
    for (Item &item : items_) {
        Bytes &packet = item.packet;
        if (item.source || packet.size() < CommandHeadSize || camera::le::u32At(packet, 8) != CommandType ||
            camera::le::u32At(packet, 12) != command)
            continue;
        packet.resize(std::min(packet.size(), CommandHeadSize + length));
        camera::le::putU32(packet, 0, static_cast<std::uint32_t>(packet.size()));
        return;
    }
}

std::vector<Outbox::Item> Outbox::take()
{
    return std::move(items_);
}

} // namespace sim
