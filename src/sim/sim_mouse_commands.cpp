// How the simulated mouse firmware answers command frames.
#include <algorithm>
#include <cstring>
#include <optional>
#include "sim/sim_frame.h"
#include "sim/sim_image_check.h"
#include "sim/sim_mouse.h"

using namespace simframe;

namespace {

size_t ChunkLength(const uint8_t* frame) { return frame[kLength]; }
size_t ChunkOffset(const uint8_t* frame) { return ReadU16(&frame[kOffsetLow]); }

}  // namespace

std::vector<std::vector<uint8_t>> SimMouse::HandleCommand(const uint8_t* frame)
{
    const uint64_t number = commandFrameCount_++;
    std::optional<uint8_t> injected;
    if (auto it = failAt_.find(number); it != failAt_.end()) {
        injected = it->second;
        failAt_.erase(it);
    }
    if (silent_)
        return {};

    std::vector<uint8_t> answer(kSize, 0);
    answer[kReportIdByte] = kReportId;
    answer[kCommand] = frame[kCommand];
    answer[kLength] = frame[kLength];
    answer[kOffsetLow] = frame[kOffsetLow];
    answer[kOffsetHigh] = frame[kOffsetHigh];
    answer[kStatus] = injected ? *injected : Execute(frame, answer.data());
    StoreChecksum(answer.data());

    std::vector<std::vector<uint8_t>> answers;
    for (; wrongEchoes_ > 0; --wrongEchoes_) {
        std::vector<uint8_t> stray = answer;
        stray[kCommand] = static_cast<uint8_t>(~frame[kCommand]);
        StoreChecksum(stray.data());
        answers.push_back(std::move(stray));
    }
    answers.push_back(std::move(answer));
    return answers;
}

uint8_t SimMouse::Execute(const uint8_t* frame, uint8_t* answer)
{
    const uint16_t sum = ReadU16(&frame[kChecksumLow]);
    if (sum != Checksum(frame))
        return Refuse("checksum " + std::to_string(sum) + " differs from " + std::to_string(Checksum(frame)));
    if (ChunkLength(frame) > kMaxPayload)
        return Refuse("chunk of " + std::to_string(ChunkLength(frame)) + " bytes");
    const uint8_t command = frame[kCommand];
    if (!linkUp_ && command != kQueryLink) {
        lastRefusal_ = "link down";
        return kStatusFailed;
    }
    switch (command) {
    case kBeginConfig:
        inConfig_ = true;
        macroStaging_ = {};
        shootStaging_ = {};
        return kStatusOk;
    case kEndConfig:
        inConfig_ = false;
        return CommitImages();
    case kReadInfo:
        return ReadBytes(info_.data(), info_.size(), frame, answer);
    case kReadMemory:
        return ReadBytes(settings_.data(), settings_.size(), frame, answer);
    case kWriteMemory:
        return WriteSettings(frame);
    case kReadKeyBlock:
        return ReadBytes(keyBlock_.data(), keyBlock_.size(), frame, answer);
    case kWriteKeyBlock:
        return WriteBytes(keyBlock_, frame);
    case kLightFrame:
        return kStatusOk;  // per-LED frames: the mouse lights from its settings record
    case kWriteMacro:
        return StageImageChunk(macroStaging_, size_t{model_.macroMemoryUnits} * 128, frame);
    case kWriteShoot:
        return StageImageChunk(shootStaging_, kShootMemorySize, frame);
    case kReadSmallBlock:
        return ReadBytes(power_.data(), power_.size(), frame, answer);
    case kReadKeyExtra:
        return ReadBytes(keyExtra_.data(), keyExtra_.size(), frame, answer);
    case kQueryLink:
        answer[kPayload] = linkUp_ ? 0xFF : 0x00;
        return kStatusOk;
    default:
        return Refuse("unknown command " + std::to_string(command));
    }
}

uint8_t SimMouse::ReadBytes(const uint8_t* memory, size_t size, const uint8_t* frame, uint8_t* answer)
{
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset + length > size)
        return Refuse("read of " + std::to_string(length) + " bytes at " + std::to_string(offset)
                      + " past " + std::to_string(size) + " bytes");
    if (length > 0)
        std::memcpy(answer + kPayload, memory + offset, length);
    return kStatusOk;
}

uint8_t SimMouse::WriteBytes(std::vector<uint8_t>& memory, const uint8_t* frame)
{
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset + length > memory.size())
        return Refuse("write of " + std::to_string(length) + " bytes at " + std::to_string(offset)
                      + " past " + std::to_string(memory.size()) + " bytes");
    std::copy_n(frame + kPayload, length, memory.begin() + static_cast<std::ptrdiff_t>(offset));
    return kStatusOk;
}

uint8_t SimMouse::WriteSettings(const uint8_t* frame)
{
    // Byte 0 of the memory selects the active record: only an existing record may be chosen.
    if (ChunkOffset(frame) == 0 && ChunkLength(frame) > 0 && frame[kPayload] >= kRecordCount)
        return Refuse("no settings record " + std::to_string(frame[kPayload]));
    return WriteBytes(settings_, frame);
}

uint8_t SimMouse::StageImageChunk(Staging& staging, size_t capacity, const uint8_t* frame)
{
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset == 0)
        staging = Staging{{}, true, false};  // a new image starts
    if (!staging.active)
        return Refuse("image chunk at " + std::to_string(offset) + " without its start");
    if (staging.broken)
        return Refuse("image already refused");
    if (offset != staging.bytes.size()) {
        staging.broken = true;
        return Refuse("image chunk at " + std::to_string(offset) + ", expected "
                      + std::to_string(staging.bytes.size()));
    }
    if (offset + length > capacity) {
        staging.broken = true;
        return Refuse("image exceeds the " + std::to_string(capacity) + " bytes of memory");
    }
    staging.bytes.insert(staging.bytes.end(), frame + kPayload, frame + kPayload + length);
    return kStatusOk;
}

uint8_t SimMouse::CommitImages()
{
    struct Target {
        const char* what;
        Staging& staging;
        std::vector<uint8_t>& image;
        size_t capacity;
    };
    Target targets[] = {
        {"macro image", macroStaging_, macroImage_, size_t{model_.macroMemoryUnits} * 128},
        {"shoot image", shootStaging_, shootImage_, kShootMemorySize},
    };
    uint8_t status = kStatusOk;
    for (Target& target : targets) {
        if (!target.staging.active)
            continue;
        if (target.staging.broken) {
            status = kStatusRefused;  // the reason was kept when the chunk was refused
        } else if (std::string why = CheckDeviceImage(target.staging.bytes, target.capacity); !why.empty()) {
            status = Refuse(std::string(target.what) + ": " + why);
        } else {
            target.image = std::move(target.staging.bytes);
        }
        target.staging = {};
    }
    return status;
}

uint8_t SimMouse::Refuse(std::string why)
{
    lastRefusal_ = std::move(why);
    return kStatusRefused;
}
