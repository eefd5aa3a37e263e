#pragma once
// Command codes, answer status values and the result codes of the command operations.
#include <cstdint>

// Command byte (frame byte 3) of every command the program sends.
namespace Command {
constexpr uint8_t kBeginConfig = 0x01;
constexpr uint8_t kEndConfig = 0x02;
constexpr uint8_t kReadDeviceInfo = 0x03;
constexpr uint8_t kReadMemory = 0x05;
constexpr uint8_t kWriteMemory = 0x06;
constexpr uint8_t kReadKeyBlock = 0x07;
constexpr uint8_t kWriteKeyBlock = 0x09;
constexpr uint8_t kWriteLightFrame = 0x12;
constexpr uint8_t kWriteMacroData = 0x15;
constexpr uint8_t kWriteShootData = 0x17;
constexpr uint8_t kReadSmallBlock = 0x1A;
constexpr uint8_t kReadKeyExtraBlock = 0x1B;
constexpr uint8_t kQueryLink = 0xAA;
}  // namespace Command

// Answer byte 7: these two report an error, every other value means success.
constexpr uint8_t kStatusErrorFF = 0xFF;
constexpr uint8_t kStatusErrorFE = 0xFE;
// Answer byte 8 of QueryLink while the wireless link is up.
constexpr uint8_t kLinkUp = 0xFF;

// Results of Transact and of every command operation.
constexpr int kResultOk = 1;                // success; for reads the data was copied
constexpr int kResultNoAnswer = 0;          // channel closed, time-out, failure or abort
constexpr int kResultWriteFailed = -1;      // the request frame could not be written
constexpr int kResultBadArgument = -2;      // the arguments cannot be sent; nothing was sent
constexpr int kResultStatusFF = -102;       // the device answered with status 0xFF
constexpr int kResultStatusFE = -103;       // the device answered with status 0xFE
constexpr int kResultBadBlockIndex = -201;  // WriteKeyBlock with a block index other than 0

// Result code of an answer that was read: the status byte mapped as above.
constexpr int ResultOfStatus(uint8_t status) {
    return status == kStatusErrorFF   ? kResultStatusFF
           : status == kStatusErrorFE ? kResultStatusFE
                                      : kResultOk;
}

// A short English text for a result code, for command-line and log messages.
const char* ResultText(int result);
