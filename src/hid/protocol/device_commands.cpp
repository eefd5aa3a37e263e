// The command operations of CDeviceProtocol: chunked block transfers and single frames.
#include <chrono>
#include <cstring>
#include <thread>
#include "hid/protocol/device_protocol.h"

int CDeviceProtocol::RunChunk(const Frame& request, Frame& answer, bool takeCommandLock) {
    int result;
    if (takeCommandLock) {
        std::lock_guard<std::mutex> lock(commandLock);
        result = Transact(request.data(), kFrameSize, answer.data(), kFrameSize);
    } else {
        result = Transact(request.data(), kFrameSize, answer.data(), kFrameSize);
    }
    if (result != kResultOk) return result;
    return ResultOfStatus(answer[FrameByte::kStatus]);
}

int CDeviceProtocol::TransferChunks(uint8_t command, const uint8_t* source, uint8_t* destination,
                                    size_t length, uint16_t start, bool takeCommandLock) {
    CallGuard guard(*this);
    if (!TransferFits(length, start)) return kResultBadArgument;
    // One frame for the whole transfer, cleared once: see PlaceChunk.
    Frame request;
    StartFrame(request, command);
    Frame answer{};
    for (size_t position = 0; position < length; position += chunkSize) {
        const Chunk chunk = ChunkAt(length, start, position, chunkSize);
        PlaceChunk(request, chunk, source != nullptr ? source + position : nullptr);
        const int result = RunChunk(request, answer, takeCommandLock);
        if (result != kResultOk) return result;
        if (destination != nullptr)
            std::memcpy(destination + position, answer.data() + FrameByte::kPayload, chunk.length);
    }
    return kResultOk;
}

int CDeviceProtocol::SingleFrame(uint8_t command, uint8_t length, uint16_t offset, Frame& answer) {
    CallGuard guard(*this);
    Frame request;
    StartFrame(request, command);
    Chunk chunk;
    chunk.length = length;
    chunk.deviceOffset = offset;
    PlaceChunk(request, chunk, nullptr);
    return RunChunk(request, answer, true);
}

int CDeviceProtocol::BeginConfig() {
    Frame answer{};
    return SingleFrame(Command::kBeginConfig, 0, 0, answer);
}

int CDeviceProtocol::EndConfig() {
    CallGuard guard(*this);
    if (opened != 0) std::this_thread::sleep_for(std::chrono::milliseconds(kEndConfigPauseMs));
    Frame answer{};
    return SingleFrame(Command::kEndConfig, 0, 0, answer);
}

int CDeviceProtocol::ReadDeviceInfo(DeviceInfoBlock& block) {
    DeviceInfoBlock read{};
    const int result = TransferChunks(Command::kReadDeviceInfo, nullptr, read.data(), read.size(), 0, true);
    if (result == kResultOk) block = read;
    return result;
}

int CDeviceProtocol::ReadMemory(std::span<uint8_t> out, uint16_t start) {
    return TransferChunks(Command::kReadMemory, nullptr, out.data(), out.size(), start, true);
}

int CDeviceProtocol::WriteMemory(std::span<const uint8_t> data, uint16_t start) {
    return TransferChunks(Command::kWriteMemory, data.data(), nullptr, data.size(), start, true);
}

int CDeviceProtocol::ReadKeyBlock(std::span<uint8_t> out) {
    const size_t length = dataLength;
    if (out.size() < length) return kResultBadArgument;
    return TransferChunks(Command::kReadKeyBlock, nullptr, out.data(), length, 0, true);
}

int CDeviceProtocol::WriteKeyBlock(std::span<const uint8_t> block, int index) {
    if (index != 0) return kResultBadBlockIndex;
    const size_t length = dataLength;
    if (block.size() < length) return kResultBadArgument;
    return TransferChunks(Command::kWriteKeyBlock, block.data(), nullptr, length, 0, true);
}

int CDeviceProtocol::WriteLightFrame(std::span<const uint8_t> frame) {
    return TransferChunks(Command::kWriteLightFrame, frame.data(), nullptr, frame.size(), 0, true);
}

int CDeviceProtocol::WriteMacroData(std::span<const uint8_t> image) {
    return TransferChunks(Command::kWriteMacroData, image.data(), nullptr, image.size(), 0, true);
}

int CDeviceProtocol::WriteShootData(std::span<const uint8_t> image) {
    // Only ioLock (inside each transaction) orders these frames.
    return TransferChunks(Command::kWriteShootData, image.data(), nullptr, image.size(), 0, false);
}

int CDeviceProtocol::ReadSmallBlock(std::span<uint8_t> out, uint16_t offset) {
    if (out.size() > kMaxChunkPayload) return kResultBadArgument;
    Frame answer{};
    const int result =
        SingleFrame(Command::kReadSmallBlock, static_cast<uint8_t>(out.size()), offset, answer);
    if (result == kResultOk && !out.empty())
        std::memcpy(out.data(), answer.data() + FrameByte::kPayload, out.size());
    return result;
}

int CDeviceProtocol::ReadKeyExtraBlock(std::span<uint8_t> out) {
    const size_t length = dataLength / 3;
    if (out.size() < length) return kResultBadArgument;
    return TransferChunks(Command::kReadKeyExtraBlock, nullptr, out.data(), length, 0, true);
}

bool CDeviceProtocol::QueryLink() {
    Frame answer{};
    // SingleFrame already maps status 0xFF / 0xFE to an error result.
    return SingleFrame(Command::kQueryLink, 0, 0, answer) == kResultOk &&
           answer[FrameByte::kPayload] == kLinkUp;
}
