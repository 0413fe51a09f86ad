#include "OutTransferAssembler.h"

#include <utility>

namespace sim {

OutTransferAssembler::OutTransferAssembler(Deliver deliver) : deliver_(std::move(deliver)) {}

void OutTransferAssembler::add(const std::uint8_t *data, std::size_t length, std::uintptr_t hostAddress)
{
    if (holding_ && hostAddress != continuationAddress_)
        flush();
    transfer_.insert(transfer_.end(), data, data + length);
    if (length < kLibusbUrbSize) {
        holding_ = true;
        flush();
        return;
    }
    holding_ = true;
    continuationAddress_ = hostAddress + length;
}

void OutTransferAssembler::flush()
{
    if (!holding_)
        return;
    holding_ = false;
    std::vector<std::uint8_t> transfer;
    transfer.swap(transfer_);
    deliver_(transfer.data(), transfer.size());
}

} // namespace sim
