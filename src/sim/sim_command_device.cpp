#include "sim/sim_command_device.h"
#include "sim/sim_frame_log.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"
#include "sim/sim_image_check.h"

using namespace simframe;

namespace {

constexpr uint16_t kResyncUsage = 0x0401;

size_t ChunkLength(const uint8_t* frame) {
    return frame[kLength];
}
size_t ChunkOffset(const uint8_t* frame) {
    return ReadU16(&frame[kOffsetLow]);
}

}  // namespace

void SimCommandDevice::SetLogName(std::string name) {
    std::lock_guard guard(lock_);
    logName_ = std::move(name);
}

bool SimCommandDevice::OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length) {
    if (!data || length == 0) return false;
    std::lock_guard guard(lock_);
    frames_.push_back({interfaceNumber, std::vector<uint8_t>(data, data + length)});
    if (!logName_.empty()) LogSimFrame(logName_, interfaceNumber, data, length);
    if (interfaceNumber != commandInterface_) return false;  // no other interface takes output reports
    if (data[0] == simdesc::kKeyboardReportId)
        return length <= simdesc::kKeyboardOutputSize;  // LED state: nothing to light
    if (data[0] != simdesc::kCommandReportId || length > kSize) return false;
    uint8_t frame[kSize] = {};
    std::memcpy(frame, data, length);  // a short report arrives zero-padded
    // Answers go out before the lock is released, so that frames written by several
    // threads are answered in the order they arrived. The bus never calls the device
    // while it holds its own lock, so this order of locks is safe.
    for (auto& answer : HandleKeptCommand(frame))
        SimHidBus::Instance().SendInputReport(this, commandInterface_, std::move(answer), answerDelayMs_);
    return true;
}

void SimCommandDevice::KeepStateIn(std::string folder) {
    std::lock_guard guard(lock_);
    stateFolder_ = std::move(folder);
}

std::vector<std::vector<uint8_t>> SimCommandDevice::HandleKeptCommand(const uint8_t* frame) {
    if (stateFolder_.empty()) return HandleCommand(frame);
    const SimStateLock fileLock(stateFolder_);
    const std::vector<SimStatePart> parts = StateParts();
    LoadSimState(stateFolder_, parts);
    std::vector<std::vector<uint8_t>> before;
    for (const SimStatePart& part : parts) before.push_back(*part.bytes);
    auto answers = HandleCommand(frame);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (*parts[i].bytes != before[i]) {
            SaveSimState(stateFolder_, parts);
            break;
        }
    }
    return answers;
}

std::vector<std::vector<uint8_t>> SimCommandDevice::HandleCommand(const uint8_t* frame) {
    const uint64_t number = commandFrameCount_++;
    std::optional<uint8_t> injected;
    if (auto it = failAt_.find(number); it != failAt_.end()) {
        injected = it->second;
        failAt_.erase(it);
    }
    if (silent_) return {};

    std::vector<uint8_t> answer(kSize, 0);
    answer[kReportIdByte] = kReportId;
    answer[kCommand] = frame[kCommand];
    answer[kLength] = frame[kLength];
    answer[kOffsetLow] = frame[kOffsetLow];
    answer[kOffsetHigh] = frame[kOffsetHigh];
    if (injected) {
        answer[kStatus] = *injected;
    } else if (const uint16_t sum = ReadU16(&frame[kChecksumLow]); sum != Checksum(frame)) {
        answer[kStatus] =
            Refuse("checksum " + std::to_string(sum) + " differs from " + std::to_string(Checksum(frame)));
    } else if (ChunkLength(frame) > kMaxPayload) {
        answer[kStatus] = Refuse("chunk of " + std::to_string(ChunkLength(frame)) + " bytes");
    } else {
        answer[kStatus] = Execute(frame, answer.data());
    }
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

uint8_t SimCommandDevice::ReadBytes(const uint8_t* memory, size_t size, const uint8_t* frame,
                                    uint8_t* answer) {
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset + length > size)
        return Refuse("read of " + std::to_string(length) + " bytes at " + std::to_string(offset) + " past " +
                      std::to_string(size) + " bytes");
    if (length > 0) std::memcpy(answer + kPayload, memory + offset, length);
    return kStatusOk;
}

uint8_t SimCommandDevice::WriteBytes(std::vector<uint8_t>& memory, const uint8_t* frame) {
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset + length > memory.size())
        return Refuse("write of " + std::to_string(length) + " bytes at " + std::to_string(offset) +
                      " past " + std::to_string(memory.size()) + " bytes");
    std::copy_n(frame + kPayload, length, memory.begin() + static_cast<std::ptrdiff_t>(offset));
    return kStatusOk;
}

uint8_t SimCommandDevice::WriteSlotMemory(std::vector<uint8_t>& memory, size_t slotCount,
                                          const uint8_t* frame) {
    if (ChunkOffset(frame) == 0 && ChunkLength(frame) > 0 && frame[kPayload] >= slotCount)
        return Refuse("no settings slot " + std::to_string(frame[kPayload]));
    return WriteBytes(memory, frame);
}

uint8_t SimCommandDevice::StageImageChunk(Staging& staging, size_t capacity, const uint8_t* frame) {
    const size_t length = ChunkLength(frame), offset = ChunkOffset(frame);
    if (offset == 0) staging = Staging{{}, true, false};  // a new image starts
    if (!staging.active) return Refuse("image chunk at " + std::to_string(offset) + " without its start");
    if (staging.broken) return Refuse("image already refused");
    if (offset != staging.bytes.size()) {
        staging.broken = true;
        return Refuse("image chunk at " + std::to_string(offset) + ", expected " +
                      std::to_string(staging.bytes.size()));
    }
    if (offset + length > capacity) {
        staging.broken = true;
        return Refuse("image exceeds the " + std::to_string(capacity) + " bytes of memory");
    }
    staging.bytes.insert(staging.bytes.end(), frame + kPayload, frame + kPayload + length);
    return kStatusOk;
}

uint8_t SimCommandDevice::CommitImage(const char* what, Staging& staging, std::vector<uint8_t>& image,
                                      size_t capacity) {
    if (!staging.active) return kStatusOk;
    uint8_t status = kStatusOk;
    if (staging.broken) {
        status = kStatusRefused;  // the reason was kept when the chunk was refused
    } else if (std::string why = CheckDeviceImage(staging.bytes, capacity); !why.empty()) {
        status = Refuse(std::string(what) + ": " + why);
    } else {
        image = std::move(staging.bytes);
    }
    staging = {};
    return status;
}

uint8_t SimCommandDevice::Refuse(std::string why) {
    lastRefusal_ = std::move(why);
    return kStatusRefused;
}

int SimCommandDevice::Plug() {
    auto self = weak_from_this().lock();
    return self ? SimHidBus::Instance().Plug(self) : -1;
}

void SimCommandDevice::Unplug() {
    const int id = BusId();
    if (id >= 0) SimHidBus::Instance().Unplug(id);
}

int SimCommandDevice::BusId() const {
    for (const auto& entry : SimHidBus::Instance().Devices())
        if (entry.device.get() == this) return entry.id;
    return -1;
}

void SimCommandDevice::SendConsumerUsage(uint16_t usage) {
    auto& bus = SimHidBus::Instance();
    bus.SendInputReport(
        this, commandInterface_,
        {simdesc::kConsumerReportId, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8)});
    bus.SendInputReport(this, commandInterface_, {simdesc::kConsumerReportId, 0, 0});
}

void SimCommandDevice::RequestResync() {
    SendConsumerUsage(kResyncUsage);
}

void SimCommandDevice::SetAnswerDelay(int ms) {
    std::lock_guard guard(lock_);
    answerDelayMs_ = std::max(ms, 0);
}

void SimCommandDevice::FailFrame(int n, uint8_t status) {
    if (n < 0) return;
    std::lock_guard guard(lock_);
    failAt_[commandFrameCount_ + static_cast<uint64_t>(n)] = status;
}

void SimCommandDevice::SetWrongEcho(int count) {
    std::lock_guard guard(lock_);
    wrongEchoes_ = std::max(count, 0);
}

void SimCommandDevice::SetSilent(bool silent) {
    std::lock_guard guard(lock_);
    silent_ = silent;
}

std::vector<SimFrame> SimCommandDevice::Frames() const {
    std::lock_guard guard(lock_);
    return frames_;
}

std::vector<std::vector<uint8_t>> SimCommandDevice::CommandFrames() const {
    std::lock_guard guard(lock_);
    std::vector<std::vector<uint8_t>> commands;
    for (const SimFrame& frame : frames_)
        if (frame.interfaceNumber == commandInterface_ && frame.bytes[0] == simdesc::kCommandReportId)
            commands.push_back(frame.bytes);
    return commands;
}

void SimCommandDevice::ClearFrames() {
    std::lock_guard guard(lock_);
    frames_.clear();
}

bool SimCommandDevice::InConfig() const {
    std::lock_guard guard(lock_);
    return inConfig_;
}

std::string SimCommandDevice::LastRefusal() const {
    std::lock_guard guard(lock_);
    return lastRefusal_;
}
