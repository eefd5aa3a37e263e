#include "sim/sim_mouse.h"

#include <algorithm>
#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"
#include "sim/sim_mouse_factory.h"

namespace {
// The mouse's buttons sit under no LED of their own.
constexpr uint8_t kNoLed = 0xFF;
}  // namespace

SimMouse::SimMouse(SimMouseModel model)
    : SimCommandDevice(kCommandInterface),
      model_(std::move(model)),
      info_(FactoryInfoBlock(model_)),
      settings_(FactorySettings(model_)),
      keyBlock_(model_.factoryKeys),
      keyExtra_(model_.factoryKeys.size() / 3, kNoLed),
      power_(FactoryPowerRecord(model_)) {}

std::string SimMouse::Name() const {
    return model_.name;
}
uint16_t SimMouse::VendorId() const {
    return model_.vendorId;
}
uint16_t SimMouse::ProductId() const {
    return model_.productId;
}
std::vector<int> SimMouse::InterfaceNumbers() const {
    return {kBootInterface, kCommandInterface};
}

std::vector<uint8_t> SimMouse::ReportDescriptor(int interfaceNumber) const {
    if (interfaceNumber == kBootInterface) return simdesc::BootMouse();
    if (interfaceNumber == kCommandInterface) return simdesc::DeviceControls();
    return {};
}

std::array<uint8_t, SimMouse::kInfoBlockSize> SimMouse::InfoBlock() const {
    std::lock_guard guard(lock_);
    return info_;
}

std::vector<uint8_t> SimMouse::SettingsMemory() const {
    std::lock_guard guard(lock_);
    return settings_;
}

std::vector<uint8_t> SimMouse::ActiveRecord() const {
    std::lock_guard guard(lock_);
    const size_t start = settings_[0] * kRecordSize;  // the index is kept below kRecordCount
    return std::vector<uint8_t>(settings_.begin() + start, settings_.begin() + start + kRecordSize);
}

void SimMouse::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kRecordCount) continue;  // no such record
        settings_[offset + i] = bytes[i];
    }
}

std::vector<uint8_t> SimMouse::KeyBlock() const {
    std::lock_guard guard(lock_);
    return keyBlock_;
}

void SimMouse::SetKeyBlock(const std::vector<uint8_t>& block) {
    std::lock_guard guard(lock_);
    const size_t size = keyBlock_.size();
    keyBlock_ = block;
    keyBlock_.resize(size, 0);
}

std::vector<uint8_t> SimMouse::KeyExtraBlock() const {
    std::lock_guard guard(lock_);
    return keyExtra_;
}

std::vector<uint8_t> SimMouse::MacroImage() const {
    std::lock_guard guard(lock_);
    return macroImage_;
}

std::vector<uint8_t> SimMouse::ShootImage() const {
    std::lock_guard guard(lock_);
    return shootImage_;
}

std::array<uint8_t, SimMouse::kPowerRecordSize> SimMouse::PowerRecord() const {
    std::lock_guard guard(lock_);
    return power_;
}

void SimMouse::SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record) {
    std::lock_guard guard(lock_);
    power_ = record;
}

bool SimMouse::LinkUp() const {
    std::lock_guard guard(lock_);
    return linkUp_;
}

void SimMouse::SetLinkUp(bool up) {
    std::lock_guard guard(lock_);
    linkUp_ = up;
}
