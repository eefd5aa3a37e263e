#include "hid/protocol/frame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

uint16_t FrameChecksum(const Frame& frame) {
    uint32_t sum = 0;
    for (size_t i = FrameByte::kCommand; i < kFrameSize; ++i) sum += frame[i];
    return static_cast<uint16_t>(sum & 0xFFFF);
}

void SealFrame(Frame& frame) {
    const uint16_t sum = FrameChecksum(frame);
    frame[FrameByte::kChecksumLow] = static_cast<uint8_t>(sum & 0xFF);
    frame[FrameByte::kChecksumHigh] = static_cast<uint8_t>(sum >> 8);
}

void StartFrame(Frame& frame, uint8_t command) {
    frame.fill(0);
    frame[FrameByte::kReportId] = kCommandReportId;
    frame[FrameByte::kCommand] = command;
}

bool TransferFits(size_t length, uint32_t start) {
    return start <= 0x10000 && length <= 0x10000 - start;
}

Chunk ChunkAt(size_t length, uint16_t start, size_t position, size_t chunkSize) {
    chunkSize = std::clamp<size_t>(chunkSize, 1, kMaxChunkPayload);
    Chunk chunk;
    chunk.position = position;
    chunk.length = static_cast<uint8_t>(std::min(chunkSize, length - position));
    chunk.deviceOffset = static_cast<uint16_t>(start + position);
    return chunk;
}

std::vector<Chunk> PlanChunks(size_t length, uint16_t start, size_t chunkSize) {
    chunkSize = std::clamp<size_t>(chunkSize, 1, kMaxChunkPayload);
    std::vector<Chunk> chunks;
    chunks.reserve((length + chunkSize - 1) / chunkSize);
    for (size_t position = 0; position < length; position += chunkSize)
        chunks.push_back(ChunkAt(length, start, position, chunkSize));
    return chunks;
}

void PlaceChunk(Frame& frame, const Chunk& chunk, const uint8_t* payload) {
    frame[FrameByte::kLength] = chunk.length;
    frame[FrameByte::kOffsetLow] = static_cast<uint8_t>(chunk.deviceOffset & 0xFF);
    frame[FrameByte::kOffsetHigh] = static_cast<uint8_t>(chunk.deviceOffset >> 8);
    if (payload != nullptr) std::memcpy(frame.data() + FrameByte::kPayload, payload, chunk.length);
    SealFrame(frame);
}

std::string FormatFrameDump(std::string_view title, const uint8_t* frame) {
    static const char* const kLineFormat =
        "%02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x  "
        "%02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x";
    std::string text(title);
    text += '\n';
    for (int half = 0; half < 2; ++half) {
        const uint8_t* b = frame + half * 32;
        char line[128];
        std::snprintf(line, sizeof line, kLineFormat, b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8],
                      b[9], b[10], b[11], b[12], b[13], b[14], b[15], b[16], b[17], b[18], b[19], b[20],
                      b[21], b[22], b[23], b[24], b[25], b[26], b[27], b[28], b[29], b[30], b[31]);
        text += line;
        text += '\n';
    }
    return text;
}
