#pragma once

// Builds the packets the exports send and writes each in one bulk transfer.

#include <cstdint>

class PacketSender
{
public:
    // The largest number of data bytes in one upload packet.
    static constexpr int MaxDataChunk = 0x8000;

    // A bare command header asking for a record. 0 written, -1 not.
    static int SendGet(int deviceIndex, int command);

    // A command header with flags 0x0101 and the payload (none when the
    // pointer is null or the length 0). 0 written, -1 not.
    static int SendSet(int deviceIndex, int command, const void *payload, int length);

    // The data as data packets of at most MaxDataChunk bytes each (one bare
    // header for no data). The byte count of the last packet, or -1.
    static int SendData(int deviceIndex, const void *data, int length);

private:
    // True only when the whole packet went out: a short write loses the rest.
    static bool writePacket(int deviceIndex, const std::uint8_t *packet, int length);
};
