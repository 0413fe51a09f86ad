#include "InTransferCursor.h"

#include "DeviceSide.h"

#include <algorithm>

namespace sim {

InTransferCursor::InTransferCursor(DeviceSide &device, std::size_t maxPacketSize)
    : device_(device), maxPacketSize_(maxPacketSize)
{
}

std::optional<InTransferCursor::Piece> InTransferCursor::next(std::size_t capacity)
{
    if (zeroLengthPacketDue_) {
        zeroLengthPacketDue_ = false;
        return Piece{nullptr, 0};
    }
    if (!inTransfer_) {
        if (!device_.takeIn(transfer_, 0))
            return std::nullopt;
        offset_ = 0;
        inTransfer_ = true;
    }
    const std::size_t length = std::min(transfer_.size() - offset_, capacity);
    const Piece piece{transfer_.data() + offset_, length};
    offset_ += length;
    if (offset_ == transfer_.size()) {
        inTransfer_ = false;
        const bool endsOnPacketBoundary = transfer_.size() % maxPacketSize_ == 0;
        zeroLengthPacketDue_ = endsOnPacketBoundary && length == capacity && length > 0;
    }
    return piece;
}

} // namespace sim
