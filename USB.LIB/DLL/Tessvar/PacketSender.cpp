#include "PacketSender.h"

#include "DeviceTable.h"
#include "ZorvComHead.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace {

bool makeCommand(std::vector<std::uint8_t> &packet, int command, std::uint16_t flags,
                 const void *payload, int length)
{
    try {
        packet.assign(sizeof(ZORV_COM_HEAD) + static_cast<std::size_t>(length), 0);
    } catch (const std::bad_alloc &) {
        std::printf("new buffer error\n");
        return false;
    }
    ZORV_COM_HEAD head = {};
    head.head.len = static_cast<std::uint32_t>(packet.size());
    head.head.type = PACKET_TYPE_COMMAND;
    head.cmd = static_cast<std::uint32_t>(command);
    head.flags = flags;
    std::memcpy(packet.data(), &head, sizeof head);
    if (payload && length > 0)
        std::memcpy(packet.data() + sizeof head, payload, static_cast<std::size_t>(length));
    return true;
}

} // namespace

bool PacketSender::writePacket(int deviceIndex, const std::uint8_t *packet, int length)
{
    return DeviceTable::instance().Write(deviceIndex, packet, length) == length;
}

int PacketSender::SendGet(int deviceIndex, int command)
{
    std::printf("[##########--GetParam %d--###########]\n", command);
    std::vector<std::uint8_t> packet;
    if (!makeCommand(packet, command, COM_FLAGS_GET, nullptr, 0))
        return -1;
    return writePacket(deviceIndex, packet.data(), static_cast<int>(packet.size())) ? 0 : -1;
}

int PacketSender::SendSet(int deviceIndex, int command, const void *payload, int length)
{
    std::printf("[##########--SetParam %d--###########]\n", command);
    const int maxPayload = INT_MAX - static_cast<int>(sizeof(ZORV_COM_HEAD));
    if (length < 0 || length > maxPayload)
        return -1;
    std::vector<std::uint8_t> packet;
    if (!makeCommand(packet, command, COM_FLAGS_SET, payload, length))
        return -1;
    return writePacket(deviceIndex, packet.data(), static_cast<int>(packet.size())) ? 0 : -1;
}

int PacketSender::SendData(int deviceIndex, const void *data, int length)
{
    if (length < 0 || (length > 0 && !data))
        return -1;
    std::vector<std::uint8_t> packet;
    try {
        packet.resize(sizeof(PACKET_HEAD) + static_cast<std::size_t>(std::min(length, MaxDataChunk)));
    } catch (const std::bad_alloc &) {
        std::printf("new buffer error\n");
        return -1;
    }
    const auto *bytes = static_cast<const std::uint8_t *>(data);
    int sent = 0;
    int lastWrite = -1;
    do {
        const int chunk = std::min(length - sent, MaxDataChunk);
        const int packetLength = chunk + static_cast<int>(sizeof(PACKET_HEAD));
        const PACKET_HEAD head = {static_cast<std::uint32_t>(packetLength), 0, PACKET_TYPE_DATA};
        std::memcpy(packet.data(), &head, sizeof head);
        if (chunk > 0)
            std::memcpy(packet.data() + sizeof head, bytes + sent, static_cast<std::size_t>(chunk));
        if (!writePacket(deviceIndex, packet.data(), packetLength)) {
            std::printf("GetInstance()->write error\n");
            return -1;
        }
        lastWrite = packetLength;
        sent += chunk;
    } while (sent < length);
    return lastWrite;
}
