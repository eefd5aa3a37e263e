#include "sim/sim_mouse.h"

#include <algorithm>
#include <cstring>
#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"
#include "sim/sim_mouse_factory.h"

namespace {
// The mouse's buttons sit under no LED of their own.
constexpr uint8_t kNoLed = 0xFF;
constexpr uint16_t kResyncUsage = 0x0401;
}  // namespace

SimMouse::SimMouse(SimMouseModel model)
    : model_(std::move(model)),
      info_(FactoryInfoBlock(model_)),
      settings_(FactorySettings(model_)),
      keyBlock_(model_.factoryKeys),
      keyExtra_(model_.factoryKeys.size() / 3, kNoLed),
      power_(FactoryPowerRecord(model_))
{
}

std::string SimMouse::Name() const { return model_.name; }
uint16_t SimMouse::VendorId() const { return model_.vendorId; }
uint16_t SimMouse::ProductId() const { return model_.productId; }
std::vector<int> SimMouse::InterfaceNumbers() const { return {kBootInterface, kCommandInterface}; }

std::vector<uint8_t> SimMouse::ReportDescriptor(int interfaceNumber) const
{
    if (interfaceNumber == kBootInterface)
        return simdesc::BootMouse();
    if (interfaceNumber == kCommandInterface)
        return simdesc::MouseControls();
    return {};
}

bool SimMouse::OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length)
{
    if (!data || length == 0)
        return false;
    std::lock_guard guard(lock_);
    frames_.push_back({interfaceNumber, std::vector<uint8_t>(data, data + length)});
    if (interfaceNumber != kCommandInterface)
        return false;  // the boot mouse has no output report
    if (data[0] == simdesc::kKeyboardReportId)
        return length <= simdesc::kKeyboardOutputSize;  // LED state: nothing to light
    if (data[0] != simdesc::kCommandReportId || length > simframe::kSize)
        return false;
    uint8_t frame[simframe::kSize] = {};
    std::memcpy(frame, data, length);  // a short report arrives zero-padded
    // Answers go out before the lock is released, so that frames written by several
    // threads are answered in the order they arrived. The bus never calls the device
    // while it holds its own lock, so this order of locks is safe.
    for (auto& answer : HandleCommand(frame))
        SimHidBus::Instance().SendInputReport(this, kCommandInterface, std::move(answer), answerDelayMs_);
    return true;
}

int SimMouse::Plug()
{
    auto self = weak_from_this().lock();
    return self ? SimHidBus::Instance().Plug(self) : -1;
}

void SimMouse::Unplug()
{
    const int id = BusId();
    if (id >= 0)
        SimHidBus::Instance().Unplug(id);
}

int SimMouse::BusId() const
{
    for (const auto& entry : SimHidBus::Instance().Devices())
        if (entry.device.get() == this)
            return entry.id;
    return -1;
}

void SimMouse::RequestResync()
{
    auto& bus = SimHidBus::Instance();
    bus.SendInputReport(this, kCommandInterface,
                        {simdesc::kConsumerReportId, static_cast<uint8_t>(kResyncUsage),
                         static_cast<uint8_t>(kResyncUsage >> 8)});
    bus.SendInputReport(this, kCommandInterface, {simdesc::kConsumerReportId, 0, 0});
}

void SimMouse::SetAnswerDelay(int ms)
{
    std::lock_guard guard(lock_);
    answerDelayMs_ = std::max(ms, 0);
}

void SimMouse::FailFrame(int n, uint8_t status)
{
    if (n < 0)
        return;
    std::lock_guard guard(lock_);
    failAt_[commandFrameCount_ + static_cast<uint64_t>(n)] = status;
}

void SimMouse::SetWrongEcho(int count)
{
    std::lock_guard guard(lock_);
    wrongEchoes_ = std::max(count, 0);
}

void SimMouse::SetSilent(bool silent)
{
    std::lock_guard guard(lock_);
    silent_ = silent;
}

std::vector<SimFrame> SimMouse::Frames() const
{
    std::lock_guard guard(lock_);
    return frames_;
}

std::vector<std::vector<uint8_t>> SimMouse::CommandFrames() const
{
    std::lock_guard guard(lock_);
    std::vector<std::vector<uint8_t>> commands;
    for (const SimFrame& frame : frames_)
        if (frame.interfaceNumber == kCommandInterface && frame.bytes[0] == simdesc::kCommandReportId)
            commands.push_back(frame.bytes);
    return commands;
}

void SimMouse::ClearFrames()
{
    std::lock_guard guard(lock_);
    frames_.clear();
}

std::array<uint8_t, SimMouse::kInfoBlockSize> SimMouse::InfoBlock() const
{
    std::lock_guard guard(lock_);
    return info_;
}

std::vector<uint8_t> SimMouse::SettingsMemory() const
{
    std::lock_guard guard(lock_);
    return settings_;
}

std::vector<uint8_t> SimMouse::ActiveRecord() const
{
    std::lock_guard guard(lock_);
    const size_t start = settings_[0] * kRecordSize;  // the index is kept below kRecordCount
    return std::vector<uint8_t>(settings_.begin() + start, settings_.begin() + start + kRecordSize);
}

void SimMouse::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes)
{
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kRecordCount)
            continue;  // no such record
        settings_[offset + i] = bytes[i];
    }
}

std::vector<uint8_t> SimMouse::KeyBlock() const
{
    std::lock_guard guard(lock_);
    return keyBlock_;
}

void SimMouse::SetKeyBlock(const std::vector<uint8_t>& block)
{
    std::lock_guard guard(lock_);
    const size_t size = keyBlock_.size();
    keyBlock_ = block;
    keyBlock_.resize(size, 0);
}

std::vector<uint8_t> SimMouse::KeyExtraBlock() const
{
    std::lock_guard guard(lock_);
    return keyExtra_;
}

std::vector<uint8_t> SimMouse::MacroImage() const
{
    std::lock_guard guard(lock_);
    return macroImage_;
}

std::vector<uint8_t> SimMouse::ShootImage() const
{
    std::lock_guard guard(lock_);
    return shootImage_;
}

std::array<uint8_t, SimMouse::kPowerRecordSize> SimMouse::PowerRecord() const
{
    std::lock_guard guard(lock_);
    return power_;
}

void SimMouse::SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record)
{
    std::lock_guard guard(lock_);
    power_ = record;
}

bool SimMouse::LinkUp() const
{
    std::lock_guard guard(lock_);
    return linkUp_;
}

void SimMouse::SetLinkUp(bool up)
{
    std::lock_guard guard(lock_);
    linkUp_ = up;
}

bool SimMouse::InConfig() const
{
    std::lock_guard guard(lock_);
    return inConfig_;
}

std::string SimMouse::LastRefusal() const
{
    std::lock_guard guard(lock_);
    return lastRefusal_;
}
