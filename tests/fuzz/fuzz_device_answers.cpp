// The device's answers to every command, as the mouse object reads and interprets them:
// the input is a series of answer frames that a fake device on the simulated bus gives in
// turn, whatever was asked. The first byte of each 64-byte piece steers it: bit 0 makes the
// answer echo the request's command, length and offset (so it gets past the matching), bit
// 1 clears its status byte; an answer that does not echo is followed by one that does.
// Once the input is used up the device echoes empty answers.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

#include "devices/discovery/device_table_store.h"
#include "devices/mouse_device.h"
#include "fuzz_files.h"
#include "hid/hid_device.h"
#include "hid/protocol/supported_devices.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "util/debug_log.h"

namespace {

constexpr size_t kFrame = 64;

class AnswerFeeder : public ISimDevice {
public:
    AnswerFeeder(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    std::string Name() const override { return model_->Name(); }
    uint16_t VendorId() const override { return model_->VendorId(); }
    uint16_t ProductId() const override { return model_->ProductId(); }
    std::vector<int> InterfaceNumbers() const override { return model_->InterfaceNumbers(); }
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override {
        return model_->ReportDescriptor(interfaceNumber);
    }
    bool OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length) override {
        if (interfaceNumber != SimMouse::kCommandInterface || length == 0 || data[0] != 4) return true;
        std::vector<uint8_t> answer(kFrame, 0);
        uint8_t control = 1;
        {
            std::lock_guard<std::mutex> lock(lock_);
            if (used_ < size_) {
                const size_t take = std::min(kFrame, size_ - used_);
                control = data_[used_];
                std::memcpy(answer.data() + 1, data_ + used_ + 1, take > 1 ? take - 1 : 0);
                used_ += take;
            }
        }
        answer[0] = 4;
        if (control & 1)
            std::memcpy(answer.data() + 3, data + 3, std::min<size_t>(4, length > 3 ? length - 3 : 0));
        if (control & 2) answer[7] = 0;
        SimHidBus::Instance().SendInputReport(this, interfaceNumber, std::move(answer));
        if (!(control & 1)) {
            // A proper empty answer follows the stray one, so that the host does not wait a
            // whole time-out for it (fuzzing would crawl).
            std::vector<uint8_t> echo(kFrame, 0);
            echo[0] = 4;
            std::memcpy(echo.data() + 3, data + 3, std::min<size_t>(4, length > 3 ? length - 3 : 0));
            SimHidBus::Instance().SendInputReport(this, interfaceNumber, std::move(echo));
        }
        return true;
    }

private:
    std::shared_ptr<SimMouse> model_ = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
    std::mutex lock_;
};

std::string CommandPath(int busId) {
    const std::string prefix = "sim:" + std::to_string(busId) + ":";
    CHidDevice cursor;
    std::string found;
    if (cursor.Enumerate()) {
        for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath())
            if (path->starts_with(prefix) && path->find("&mi_01&col04") != std::string::npos) found = *path;
    }
    cursor.ClearPaths();
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        SetDebugSink([](std::string_view) {});
        setenv("KVELM_DATA_DIR", FuzzFolder().c_str(), 1);
        return true;
    }();
    (void)quiet;
    auto feeder = std::make_shared<AnswerFeeder>(data, size);
    const int busId = SimHidBus::Instance().Plug(feeder);
    {
        CVornakelMouseDevice device;
        device.SetFolderTag("mouse");
        device.SetConfigName("tolva_light");
        device.SetKeyControlCount(7);
        device.SetLedCount(6);
        HidDeviceInfo info = ToHidDeviceInfo(ShippedDeviceTable().Interfaces()[2]);
        info.devicePath = CommandPath(busId);
        device.SetHidInfo(info);
        device.SetUserValue(1);
        if (device.OpenCommandChannel(info.devicePath)) {
            device.ReadInitialState();
            device.SetProfileName("fuzz");
            device.LoadProfile();
            device.ReadSettingsRecord();
            device.WriteSettings({});
            device.WriteCurrentKeyAssignments();
            device.WriteMacros();
            device.SendShootData();
            device.QueryPowerStatus();
        }
    }
    SimHidBus::Instance().Unplug(busId);
    return 0;
}
