#include "sdk/sdk_framing.h"

namespace sdk {

CPacketFramer::Result CPacketFramer::Feed(std::span<const std::uint8_t> bytes) {
    partial_.insert(partial_.end(), bytes.begin(), bytes.end());
    std::size_t at = 0;
    while (partial_.size() - at >= kHeaderSize) {
        const auto header = DecodeHeader(std::span(partial_).subspan(at));
        if (!header) return Result::BadMagic;
        if (header->dataSize > maxData_) return Result::TooLarge;
        if (partial_.size() - at - kHeaderSize < header->dataSize) break;
        const auto begin = partial_.begin() + static_cast<std::ptrdiff_t>(at + kHeaderSize);
        ready_.push_back({*header, std::vector<std::uint8_t>(begin, begin + header->dataSize)});
        at += kHeaderSize + header->dataSize;
    }
    // A few bytes that cannot start "ORGB" are refused before the header is whole.
    const std::size_t left = partial_.size() - at;
    for (std::size_t i = 0; i < left && i < kMagic.size(); ++i)
        if (partial_[at + i] != kMagic[i]) return Result::BadMagic;
    partial_.erase(partial_.begin(), partial_.begin() + static_cast<std::ptrdiff_t>(at));
    return Result::Ok;
}

bool CPacketFramer::Next(Packet& out) {
    if (ready_.empty()) return false;
    out = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

}  // namespace sdk
