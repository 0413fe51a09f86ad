#pragma once

// A simulated camera: the device's side of the packet protocol behind a
// simulated USB link. It parses each request, answers from its store, streams
// downloads as the host reads them, records every packet it received, and can
// be told to misbehave per command or to send any raw IN packet.

#include "CameraStore.h"
#include "CommandFault.h"
#include "CommandRequest.h"
#include "DeviceSide.h"
#include "InQueue.h"
#include "Outbox.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

class SimCamera : public DeviceSide
{
public:
    using Bytes = std::vector<std::uint8_t>;
    using CommandHandler = std::function<void(const CommandRequest &request, Outbox &out)>;

    // A transfer command ends with the end-of-transfer reply 3 even when the
    // camera refuses it; a plain command answers with its own reply only.
    enum class CommandShape { Plain, Transfer };

    static constexpr std::uint32_t CmdDownload = 2;
    static constexpr std::uint32_t CmdTransferEnd = 3;
    static constexpr std::uint32_t CmdFindLogFile = 20;
    static constexpr std::uint32_t CmdFindMediaFile = 21;
    static constexpr std::uint8_t Success = 0;
    static constexpr std::uint8_t Failure = 1;
    // The largest data packet that fits the host's 524,288-byte receive buffer.
    static constexpr std::size_t MaxDataChunk = 0x80000 - Outbox::PacketHeadSize;

    SimCamera();

    CameraStore &store();

    void handleOut(const std::uint8_t *data, std::size_t length) override;
    bool takeIn(Bytes &packet, int timeoutMs) override;

    // Adds or replaces the camera's answer to one command.
    void registerCommand(std::uint32_t command, CommandHandler handler,
                         CommandShape shape = CommandShape::Plain);
    // A get and a set that share the record under key: the get answers with
    // the record, the set replaces it with its payload.
    void registerRecordPair(std::uint32_t getCommand, std::uint32_t setCommand, const std::string &key);

    void setFault(std::uint32_t command, CommandFault fault);
    void clearFaults();

    // Where a held answer is cut: Whole keeps every packet of the answer to
    // the command (for a transfer: its reply, the data and reply 3);
    // AfterStart lets a transfer's own reply out and keeps its data and
    // reply 3. Other commands are answered meanwhile.
    enum class HoldPoint { Whole, AfterStart };
    // Keeps the answers to command from now on until release.
    void holdAnswers(std::uint32_t command, HoldPoint point = HoldPoint::Whole);
    // True once an answer to command is kept (waits at most timeoutMs).
    bool waitHeld(std::uint32_t command, int timeoutMs) const;
    // Sends what was kept for command, in order, and stops holding it.
    void release(std::uint32_t command);

    // Queues any bytes as one IN transfer, as a faulty camera might send them.
    void injectIn(Bytes packet);
    std::size_t pendingIn() const;

    // The data bytes of each streamed data packet (at most MaxDataChunk).
    void setDataChunkSize(std::size_t bytes);

    // Every OUT transfer as received, in order.
    std::vector<Bytes> receivedPackets() const;
    // The same with the moment each arrived, for tests of the host's pacing.
    struct Received
    {
        Bytes bytes;
        std::chrono::steady_clock::time_point time;
    };
    std::vector<Received> receivedWithTimes() const;
    bool waitForReceived(std::size_t count, int timeoutMs) const;
    void clearReceived();
    // The data of every data packet received, in order: an upload as the camera got it.
    Bytes uploadedData() const;

protected:
    // The bytes of each data packet as it arrives, before it is recorded.
    virtual void dataReceived(const std::uint8_t *data, std::size_t length);

private:
    struct Command
    {
        CommandHandler handler;
        CommandShape shape;
    };

    // carried: the bytes a data packet carries, null for any other packet.
    void record(const std::uint8_t *data, std::size_t length, const std::uint8_t *carried,
                std::size_t carriedLength);
    void dispatch(const CommandRequest &request);
    void download(const CommandRequest &request, Outbox &out);
    // A started transfer that breaks off: half its data, then reply 3 with result.
    static void cutTransfer(std::vector<Outbox::Item> &items, std::uint8_t result);
    void nameListTransfer(std::uint32_t command, const std::vector<std::string> &names, Outbox &out);

    CameraStore store_;
    InQueue in_;

    std::mutex commandMutex_;
    std::map<std::uint32_t, Command> commands_;
    std::map<std::uint32_t, CommandFault> faults_;
    std::size_t chunk_ = MaxDataChunk;
    std::map<std::uint32_t, HoldPoint> holds_;

    mutable std::mutex heldMutex_;
    mutable std::condition_variable heldChanged_;
    std::map<std::uint32_t, std::vector<Outbox::Item>> held_;

    mutable std::mutex receivedMutex_;
    mutable std::condition_variable receivedChanged_;
    std::vector<Bytes> received_;
    std::vector<std::chrono::steady_clock::time_point> receivedTimes_;
    Bytes uploaded_;
};

} // namespace sim
