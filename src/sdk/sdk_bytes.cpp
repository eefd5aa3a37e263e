#include "sdk/sdk_bytes.h"

#include <algorithm>

namespace sdk {

void ByteWriter::U16(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::U32(std::uint32_t value) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + 4);
    StoreU32(bytes_.data() + at, value);
}

void ByteWriter::String(std::string_view text) {
    // A name longer than a u16 can count is cut; none of ours comes close.
    const std::size_t length = std::min<std::size_t>(text.size(), 0xFFFE);
    U16(static_cast<std::uint16_t>(length + 1));
    bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    bytes_.push_back(0);
}

void ByteWriter::Colour(std::uint32_t rgb) {
    bytes_.push_back(static_cast<std::uint8_t>(rgb >> 16));
    bytes_.push_back(static_cast<std::uint8_t>(rgb >> 8));
    bytes_.push_back(static_cast<std::uint8_t>(rgb));
    bytes_.push_back(0);
}

bool ByteReader::Take(std::size_t count) {
    if (!ok_ || Left() < count) {
        ok_ = false;
        return false;
    }
    return true;
}

std::uint16_t ByteReader::U16() {
    if (!Take(2)) return 0;
    const auto value = static_cast<std::uint16_t>(bytes_[at_] | bytes_[at_ + 1] << 8);
    at_ += 2;
    return value;
}

std::uint32_t ByteReader::U32() {
    if (!Take(4)) return 0;
    const std::uint32_t value = LoadU32(bytes_.data() + at_);
    at_ += 4;
    return value;
}

std::string ByteReader::String() {
    const std::uint16_t length = U16();
    if (!Take(length)) return {};
    const auto* begin = reinterpret_cast<const char*>(bytes_.data() + at_);
    at_ += length;
    // The length counts a terminating zero; stop at the first zero in any case.
    return std::string(begin, std::find(begin, begin + length, '\0'));
}

std::uint32_t ByteReader::Colour() {
    if (!Take(4)) return 0;
    const std::uint32_t rgb = static_cast<std::uint32_t>(bytes_[at_]) << 16 |
                              static_cast<std::uint32_t>(bytes_[at_ + 1]) << 8 | bytes_[at_ + 2];
    at_ += 4;
    return rgb;
}

}  // namespace sdk
