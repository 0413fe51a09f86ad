#include "SimCamera.h"

#include "LittleEndian.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace sim {

namespace {

constexpr std::size_t DownloadNameSize = 128;
constexpr std::size_t DownloadPayloadSize = DownloadNameSize + 8;

// The bytes a data packet carries: never more than arrived, and nothing from
// a packet shorter than its header or announcing less than one.
bool dataPart(const std::uint8_t *data, std::size_t length, std::size_t &dataLength)
{
    if (length < Outbox::PacketHeadSize || camera::le::u32(data + 8) != Outbox::DataType)
        return false;
    const std::size_t announced = camera::le::u32(data);
    if (announced < Outbox::PacketHeadSize)
        return false;
    dataLength = std::min(announced, length) - Outbox::PacketHeadSize;
    return true;
}

} // namespace

SimCamera::SimCamera()
{
    registerCommand(CmdDownload, [this](const CommandRequest &request, Outbox &out) {
        download(request, out);
    }, CommandShape::Transfer);
    registerCommand(CmdFindLogFile, [this](const CommandRequest &, Outbox &out) {
        nameListTransfer(CmdFindLogFile, store_.logNames(), out);
    }, CommandShape::Transfer);
    registerCommand(CmdFindMediaFile, [this](const CommandRequest &, Outbox &out) {
        nameListTransfer(CmdFindMediaFile, store_.indexNames(), out);
    }, CommandShape::Transfer);
}

CameraStore &SimCamera::store()
{
    return store_;
}

void SimCamera::handleOut(const std::uint8_t *data, std::size_t length)
{
    std::size_t dataLength = 0;
    const bool isData = dataPart(data, length, dataLength);
    const std::uint8_t *carried = data + Outbox::PacketHeadSize;
    if (isData)
        dataReceived(carried, dataLength);
    record(data, length, isData ? carried : nullptr, dataLength);
    if (isData || length < Outbox::CommandHeadSize || camera::le::u32(data + 8) != Outbox::CommandType)
        return;
    CommandRequest request;
    request.command = camera::le::u32(data + 12);
    request.flags = static_cast<std::uint16_t>(data[16] | data[17] << 8);
    request.payload = data + Outbox::CommandHeadSize;
    request.payloadLength = length - Outbox::CommandHeadSize;
    dispatch(request);
}

void SimCamera::dataReceived(const std::uint8_t *, std::size_t)
{
}

void SimCamera::dispatch(const CommandRequest &request)
{
    Outbox out;
    bool hold = false;
    HoldPoint holdPoint = HoldPoint::Whole;
    bool failAfterStart = false;
    std::uint8_t failResult = Failure;
    {
        std::lock_guard<std::mutex> lock(commandMutex_);
        const auto faultAt = faults_.find(request.command);
        const CommandFault fault = faultAt == faults_.end() ? CommandFault{} : faultAt->second;
        const auto commandAt = commands_.find(request.command);
        if (fault.kind == CommandFault::Kind::NoAnswer)
            return;
        if (commandAt == commands_.end()) {
            // A camera that does not know a command refuses it.
            out.reply(request.command, Failure);
        } else if (fault.kind == CommandFault::Kind::FailResult) {
            out.reply(request.command, fault.result);
            if (commandAt->second.shape == CommandShape::Transfer)
                out.reply(CmdTransferEnd, fault.result);
        } else {
            commandAt->second.handler(request, out);
            if (fault.kind == CommandFault::Kind::ShortPayload)
                out.cutReplyPayload(request.command, fault.length);
            else if (fault.kind == CommandFault::Kind::EmptyPayload)
                out.cutReplyPayload(request.command, 0);
            failAfterStart = fault.kind == CommandFault::Kind::FailAfterStart;
            failResult = fault.result;
        }
        const auto holdAt = holds_.find(request.command);
        if (holdAt != holds_.end()) {
            hold = true;
            holdPoint = holdAt->second;
        }
    }
    std::vector<Outbox::Item> items = out.take();
    if (failAfterStart)
        cutTransfer(items, failResult);
    if (!hold) {
        in_.append(std::move(items));
        return;
    }
    std::vector<Outbox::Item> kept;
    auto keepFrom = items.begin();
    if (holdPoint == HoldPoint::AfterStart && !items.empty())
        ++keepFrom;
    kept.assign(std::make_move_iterator(keepFrom), std::make_move_iterator(items.end()));
    items.erase(keepFrom, items.end());
    if (!items.empty())
        in_.append(std::move(items));
    {
        std::lock_guard<std::mutex> lock(heldMutex_);
        auto &slot = held_[request.command];
        slot.insert(slot.end(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    }
    heldChanged_.notify_all();
}

void SimCamera::cutTransfer(std::vector<Outbox::Item> &items, std::uint8_t result)
{
    for (Outbox::Item &item : items) {
        if (item.source) {
            item.end = item.position + (item.end - item.position) / 2;
        } else if (item.packet.size() >= Outbox::CommandHeadSize && camera::le::u32(item.packet.data() + 8) == 1
                   && camera::le::u32(item.packet.data() + 12) == CmdTransferEnd) {
            item.packet[18] = result;
        }
    }
}

void SimCamera::holdAnswers(std::uint32_t command, HoldPoint point)
{
    std::lock_guard<std::mutex> lock(commandMutex_);
    holds_[command] = point;
}

bool SimCamera::waitHeld(std::uint32_t command, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(heldMutex_);
    return heldChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        const auto found = held_.find(command);
        return found != held_.end() && !found->second.empty();
    });
}

void SimCamera::release(std::uint32_t command)
{
    // Stop holding first, so that nothing asked from now on is kept.
    {
        std::lock_guard<std::mutex> lock(commandMutex_);
        holds_.erase(command);
    }
    std::vector<Outbox::Item> kept;
    {
        std::lock_guard<std::mutex> lock(heldMutex_);
        const auto found = held_.find(command);
        if (found != held_.end()) {
            kept = std::move(found->second);
            held_.erase(found);
        }
    }
    if (!kept.empty())
        in_.append(std::move(kept));
}

void SimCamera::download(const CommandRequest &request, Outbox &out)
{
    std::shared_ptr<const FileSource> file;
    std::int64_t offset = -1;
    if (request.payloadLength >= DownloadPayloadSize) {
        const char *name = reinterpret_cast<const char *>(request.payload);
        file = store_.file(std::string(name, strnlen(name, DownloadNameSize)));
        offset = static_cast<std::int64_t>(camera::le::u64(request.payload + DownloadNameSize));
    }
    if (!file || offset < 0 || static_cast<std::uint64_t>(offset) > file->size()) {
        out.reply(CmdDownload, Failure);
        out.reply(CmdTransferEnd, Failure);
        return;
    }
    out.reply(CmdDownload, Success);
    out.stream(file, static_cast<std::uint64_t>(offset));
    out.reply(CmdTransferEnd, Success);
}

void SimCamera::nameListTransfer(std::uint32_t command, const std::vector<std::string> &names, Outbox &out)
{
    out.reply(command, Success);
    out.nameList(names);
    out.reply(CmdTransferEnd, Success);
}

bool SimCamera::takeIn(Bytes &packet, int timeoutMs)
{
    std::size_t chunk;
    {
        std::lock_guard<std::mutex> lock(commandMutex_);
        chunk = chunk_;
    }
    return in_.take(packet, timeoutMs, chunk);
}

void SimCamera::registerCommand(std::uint32_t command, CommandHandler handler, CommandShape shape)
{
    std::lock_guard<std::mutex> lock(commandMutex_);
    commands_[command] = {std::move(handler), shape};
}

void SimCamera::registerRecordPair(std::uint32_t getCommand, std::uint32_t setCommand, const std::string &key)
{
    registerCommand(getCommand, [this, getCommand, key](const CommandRequest &, Outbox &out) {
        if (store_.hasRecord(key))
            out.reply(getCommand, Success, store_.record(key));
        else
            out.reply(getCommand, Failure);
    });
    registerCommand(setCommand, [this, setCommand, key](const CommandRequest &request, Outbox &out) {
        store_.putRecord(key, Bytes(request.payload, request.payload + request.payloadLength));
        out.reply(setCommand, Success);
    });
}

void SimCamera::setFault(std::uint32_t command, CommandFault fault)
{
    std::lock_guard<std::mutex> lock(commandMutex_);
    faults_[command] = fault;
}

void SimCamera::clearFaults()
{
    std::lock_guard<std::mutex> lock(commandMutex_);
    faults_.clear();
}

void SimCamera::injectIn(Bytes packet)
{
    std::vector<Outbox::Item> items;
    items.push_back({std::move(packet), nullptr, 0, 0});
    in_.append(std::move(items));
}

std::size_t SimCamera::pendingIn() const
{
    return in_.size();
}

void SimCamera::setDataChunkSize(std::size_t bytes)
{
    std::lock_guard<std::mutex> lock(commandMutex_);
    chunk_ = std::clamp<std::size_t>(bytes, 1, MaxDataChunk);
}

void SimCamera::record(const std::uint8_t *data, std::size_t length, const std::uint8_t *carried,
                       std::size_t carriedLength)
{
    {
        // One lock for both, so that whoever waits for a data packet also finds its bytes.
        std::lock_guard<std::mutex> lock(receivedMutex_);
        received_.emplace_back(data, data + length);
        receivedTimes_.push_back(std::chrono::steady_clock::now());
        if (carried)
            uploaded_.insert(uploaded_.end(), carried, carried + carriedLength);
    }
    receivedChanged_.notify_all();
}

std::vector<SimCamera::Bytes> SimCamera::receivedPackets() const
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    return received_;
}

std::vector<SimCamera::Received> SimCamera::receivedWithTimes() const
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    std::vector<Received> packets;
    packets.reserve(received_.size());
    for (std::size_t i = 0; i < received_.size(); ++i)
        packets.push_back({received_[i], receivedTimes_[i]});
    return packets;
}

bool SimCamera::waitForReceived(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(receivedMutex_);
    return receivedChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [&] { return received_.size() >= count; });
}

void SimCamera::clearReceived()
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    received_.clear();
    receivedTimes_.clear();
    uploaded_.clear();
}

SimCamera::Bytes SimCamera::uploadedData() const
{
    std::lock_guard<std::mutex> lock(receivedMutex_);
    return uploaded_;
}

} // namespace sim
