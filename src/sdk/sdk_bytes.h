#pragma once
// Little-endian numbers, strings and colours as the protocol writes them, and a reader that
// never runs past the end of what a client sent.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sdk {

inline void StoreU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}
inline std::uint32_t LoadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// Appends protocol fields to a byte vector.
class ByteWriter {
public:
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    // u16 length counting the terminating zero, the text, a zero.
    void String(std::string_view text);
    // red, green, blue, a zero byte.
    void Colour(std::uint32_t rgb);
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads protocol fields from a client's data. Every read past the end fails, and once one
// has failed, Ok() stays false and further reads give zero.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint16_t U16();
    std::uint32_t U32();
    std::string String();
    std::uint32_t Colour();
    bool Ok() const { return ok_; }
    std::size_t Left() const { return bytes_.size() - at_; }

private:
    bool Take(std::size_t count);
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace sdk
