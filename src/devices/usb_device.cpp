#include "devices/usb_device.h"

#include <algorithm>

#include "devices/function_tabs.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_paths.h"

CVornakelUSBDevice::CVornakelUSBDevice() : input_(std::make_shared<CInputChannelState>()) {}

CVornakelUSBDevice::~CVornakelUSBDevice() {
    StopIo();
    CloseInputChannel();
    // A worker that was given up after its time-out keeps the input state alive through its
    // own reference; it never reaches this object.
    inputWorker_.Stop([state = input_] { state->channel.hid.SignalStop(); });
    CloseCommandChannel();
}

void CVornakelUSBDevice::SetOwnerWindow(DeviceOwner owner) {
    owner_ = std::move(owner);
    input_->SetResyncCallback(owner_.resyncRequested);
}

void CVornakelUSBDevice::SetKeyControlCount(int n) {
    if (n < 0) n = 0;
    if (n != keyControlCount_) keyControlCount_ = n;
}

void CVornakelUSBDevice::SetLedCount(int n) {
    if (n < 0) n = 0;
    if (n != ledCount_) {
        ledCount_ = n;
        ledColours_.resize(static_cast<size_t>(n));
        ledEffects_.resize(static_cast<size_t>(n));
    }
    std::fill(ledColours_.begin(), ledColours_.end(), 0u);
    std::fill(ledEffects_.begin(), ledEffects_.end(), LightInfoRecord{});
}

void CVornakelUSBDevice::SetPowerPanel(IPowerPanel* panel) {
    powerPanel_ = panel;
    if (powerPanel_ != nullptr) powerPanel_->SetPollPeriodically(pollPeriodically_);
}

void CVornakelUSBDevice::SetPollPeriodically(int flag) {
    pollPeriodically_ = flag;
    if (powerPanel_ != nullptr) powerPanel_->SetPollPeriodically(pollPeriodically_);
}

void CVornakelUSBDevice::SetHidInfo(const HidDeviceInfo& info) {
    hidInfo_ = info;
    deviceKind_ = info.deviceKind;
}

bool CVornakelUSBDevice::OpenCommandChannel(const std::string& path) {
    if (commandChannel_.opened) return true;
    if (!commandChannel_.Open(path)) return false;
    commandChannel_.slowLink = deviceKind_ == DeviceKind::kMouseVariant ? 1 : 0;
    return true;
}

void CVornakelUSBDevice::CloseCommandChannel() {
    commandChannel_.Close();
}

bool CVornakelUSBDevice::OpenInputChannel(const std::string& path) {
    if (input_->channel.opened) return true;
    const bool opened = input_->channel.Open(path);
    if (!inputWorker_.Running()) {
        std::shared_ptr<CInputChannelState> state = input_;
        inputWorker_.Start([state](const StopEvent& stop) { RunInputWorker(state, stop); });
    }
    return opened;
}

void CVornakelUSBDevice::CloseInputChannel() {
    if (!input_->channel.opened) return;
    std::shared_ptr<CInputChannelState> state = input_;
    inputWorker_.Stop([state] { state->channel.hid.SignalStop(); });
    input_->channel.Close();
}

bool CVornakelUSBDevice::RunQueuedTasks() {
    if (!input_->TakeQueuedResync()) return false;
    OnDeviceTimer2();
    return true;
}

std::string CVornakelUSBDevice::DefaultDataFolder() const {
    return ::DefaultDataFolder();
}

std::string CVornakelUSBDevice::DefaultDataFile() const {
    return DefaultDataFolder() + folderTag_ + ".Json";
}

std::string CVornakelUSBDevice::DataFolder() const {
    return DeviceUserFolder(folderTag_);
}

int CVornakelUSBDevice::QueryPowerStatus(PowerStatusRecord* record) {
    if (!commandChannel_.opened) return 0;
    PowerStatusRecord status{};
    const int result = commandChannel_.ReadSmallBlock(status, 0);
    if (result != kResultOk) return result;
    // The device cannot know over which link the host reaches it; the host says so.
    status[PowerStatusByte::kWirelessLink] = commandChannel_.slowLink ? 1 : 0;
    if (powerPanel_ != nullptr) powerPanel_->ShowPowerStatus(status);
    SendOwnerMessage(kMsgPowerStatusRead, status[PowerStatusByte::kOwnerByte], 0);
    if (record != nullptr) *record = status;
    return kResultOk;
}

void CVornakelUSBDevice::BindPageControls() {
    IDevicePage* page = Page();
    if (page == nullptr) {
        keyControlCount_ = 0;
        ledCount_ = 0;
        ledColours_.clear();
        ledEffects_.clear();
        if (page_ != nullptr) page_->ClearControlTables();
        return;
    }
    page->BindKeyAndLightControls(keyControlCount_, ledCount_);
}

void CVornakelUSBDevice::SetLedColour(int index, uint32_t value) {
    if (index >= 0 && static_cast<size_t>(index) < ledColours_.size())
        ledColours_[static_cast<size_t>(index)] = value;
}

uint32_t CVornakelUSBDevice::GetLedColour(int index) const {
    if (index >= 0 && static_cast<size_t>(index) < ledColours_.size())
        return ledColours_[static_cast<size_t>(index)];
    return 0;
}

void CVornakelUSBDevice::SetFunctionMode(int type) {
    deviceFunction_ = type;
    if (IDevicePage* page = Page()) {
        const FunctionTabs tabs = FunctionTabsFor(type, deviceKind_);
        page->SelectFunctionTabs(tabs.functionTab, tabs.keyFunctionTab);
    }
}

void CVornakelUSBDevice::SendOwnerMessage(unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) const {
    if (owner_.sendMessage) owner_.sendMessage(message, wParam, lParam);
}
