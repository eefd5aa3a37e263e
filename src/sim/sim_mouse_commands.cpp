// How the simulated mouse firmware answers command frames.
#include "sim/sim_frame.h"
#include "sim/sim_mouse.h"

using namespace simframe;

namespace {

size_t ChunkLength(const uint8_t* frame) {
    return frame[kLength];
}
size_t ChunkOffset(const uint8_t* frame) {
    return ReadU16(&frame[kOffsetLow]);
}

}  // namespace

uint8_t SimMouse::Execute(const uint8_t* frame, uint8_t* answer) {
    const uint8_t command = frame[kCommand];
    if (!linkUp_ && command != kQueryLink) {
        lastRefusal_ = "link down";
        return kStatusFailed;
    }
    switch (command) {
    case kBeginConfig:
        SetInConfig(true);
        macroStaging_ = {};
        shootStaging_ = {};
        return kStatusOk;
    case kEndConfig:
        SetInConfig(false);
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

uint8_t SimMouse::WriteSettings(const uint8_t* frame) {
    // Byte 0 of the memory selects the active record: only an existing record may be chosen.
    if (ChunkOffset(frame) == 0 && ChunkLength(frame) > 0 && frame[kPayload] >= kRecordCount)
        return Refuse("no settings record " + std::to_string(frame[kPayload]));
    return WriteBytes(settings_, frame);
}

std::vector<SimStatePart> SimMouse::StateParts() {
    const size_t macroCapacity = size_t{model_.macroMemoryUnits} * 128;
    return {{"settings", &settings_, true, 0, static_cast<uint8_t>(kRecordCount)},
            {"keys", &keyBlock_},
            {"macros", &macroImage_, false, macroCapacity},
            {"shoot", &shootImage_, false, kShootMemorySize}};
}

uint8_t SimMouse::CommitImages() {
    const size_t macroCapacity = size_t{model_.macroMemoryUnits} * 128;
    const uint8_t macro = CommitImage("macro image", macroStaging_, macroImage_, macroCapacity);
    const uint8_t shoot = CommitImage("shoot image", shootStaging_, shootImage_, kShootMemorySize);
    return macro != kStatusOk ? macro : shoot;
}
