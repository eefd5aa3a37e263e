#pragma once
// Layout of the 64-byte command frame as the simulated firmware reads and writes it.
// Kept apart from the host's frame code on purpose: the simulator checks the host.
#include <cstddef>
#include <cstdint>

namespace simframe {

constexpr size_t kSize = 64;
constexpr uint8_t kReportId = 4;
constexpr size_t kReportIdByte = 0;
constexpr size_t kChecksumLow = 1;
constexpr size_t kChecksumHigh = 2;
constexpr size_t kCommand = 3;
constexpr size_t kLength = 4;
constexpr size_t kOffsetLow = 5;
constexpr size_t kOffsetHigh = 6;
constexpr size_t kStatus = 7;
constexpr size_t kPayload = 8;
constexpr size_t kMaxPayload = kSize - kPayload;  // 56

enum Command : uint8_t {
    kBeginConfig = 0x01,
    kEndConfig = 0x02,
    kReadInfo = 0x03,
    kReadMemory = 0x05,
    kWriteMemory = 0x06,
    kReadKeyBlock = 0x07,
    kWriteKeyBlock = 0x09,
    kLightFrame = 0x12,
    kWriteMacro = 0x15,
    kWriteShoot = 0x17,
    kReadSmallBlock = 0x1A,
    kReadKeyExtra = 0x1B,
    kQueryLink = 0xAA,
};

// Sum of bytes 3-63, low 16 bits.
inline uint16_t Checksum(const uint8_t* frame) {
    unsigned sum = 0;
    for (size_t i = kCommand; i < kSize; ++i) sum += frame[i];
    return static_cast<uint16_t>(sum);
}

inline void StoreChecksum(uint8_t* frame) {
    const uint16_t sum = Checksum(frame);
    frame[kChecksumLow] = static_cast<uint8_t>(sum);
    frame[kChecksumHigh] = static_cast<uint8_t>(sum >> 8);
}

inline uint16_t ReadU16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace simframe
