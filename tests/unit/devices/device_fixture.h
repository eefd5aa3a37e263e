#pragma once
// A simulated mouse on the bus, a fresh user data folder (XDG_DATA_HOME) and a mouse device
// object configured as the main window configures it, its command channel open.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "devices/discovery/device_table_store.h"
#include "devices/mouse_device.h"
#include "hid/hid_device.h"
#include "hid/protocol/supported_devices.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "temp_folder.h"
#include "util/debug_log.h"

using Bytes = std::vector<uint8_t>;

// The path of one collection ("col04" command, "col03" consumer control) of a plugged device.
inline std::string SimCollectionPath(int busId, const std::string& collection, int interfaceNumber = 1) {
    const std::string prefix = "sim:" + std::to_string(busId) + ":";
    const std::string mi =
        std::string("&mi_") + (interfaceNumber < 10 ? "0" : "") + std::to_string(interfaceNumber) + "&";
    CHidDevice cursor;
    std::string found;
    if (cursor.Enumerate()) {
        for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath())
            if (path->starts_with(prefix) && path->find(mi + collection) != std::string::npos) found = *path;
    }
    cursor.ClearPaths();
    return found;
}

// Command byte, chunk length and chunk offset of a frame the device received.
struct FrameHeader {
    uint8_t command, length;
    uint16_t offset;
    bool operator==(const FrameHeader&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const FrameHeader& h) {
    return out << "{0x" << std::hex << int(h.command) << std::dec << ", " << int(h.length) << ", " << h.offset
               << "}";
}

// Writes a file, creating the folders above it.
inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    WriteFileBytes(path, text);
}

// Every debug output line while it exists.
class DebugLines {
public:
    DebugLines() {
        SetDebugSink([this](std::string_view text) {
            std::lock_guard<std::mutex> guard(lock_);
            lines_.emplace_back(text);
        });
    }
    ~DebugLines() {
        SetDebugSink([](std::string_view) {});
    }
    size_t Count(const std::string& line) const {
        std::lock_guard<std::mutex> guard(lock_);
        size_t n = 0;
        for (const std::string& l : lines_) n += l == line ? 1 : 0;
        return n;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> lines_;
};

class MouseDeviceTest : public ::testing::Test {
protected:
    // The folder name and supported-table row the main window uses for each model.
    explicit MouseDeviceTest(SimMouseModel model = SimMouseModel::Mouse()) : model_(std::move(model)) {}

    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", userHome_.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SimHidBus::Instance().UnplugAll();
        mouse = std::make_shared<SimMouse>(model_);
        busId = mouse->Plug();
        commandPath = SimCollectionPath(busId, "col04");
        consumerPath = SimCollectionPath(busId, "col03");
        ASSERT_FALSE(commandPath.empty());
        ASSERT_FALSE(consumerPath.empty());

        device = std::make_unique<CVornakelMouseDevice>();
        const bool is3389 = model_.sensor == 0x3389;
        device->SetFolderTag(is3389 ? "mouse3389" : "mouse");
        device->SetConfigName("tolva_light");
        device->SetKeyControlCount(7);
        device->SetLedCount(6);
        HidDeviceInfo info = ToHidDeviceInfo(ShippedDeviceTable().Interfaces()[is3389 ? 4 : 2]);
        if (model_.wireless) info.deviceKind = DeviceKind::kMouseVariant;
        info.devicePath = commandPath;
        device->SetHidInfo(info);
        device->SetUserValue(1);
        ASSERT_TRUE(device->OpenCommandChannel(commandPath));
        mouse->ClearFrames();
    }

    void TearDown() override {
        device.reset();
        mouse->Unplug();
        SetDebugSink({});
    }

    std::vector<FrameHeader> Headers() const {
        std::vector<FrameHeader> headers;
        for (const Bytes& frame : mouse->CommandFrames())
            headers.push_back({frame[3], frame[4], static_cast<uint16_t>(frame[5] | frame[6] << 8)});
        return headers;
    }
    std::vector<uint8_t> Commands() const {
        std::vector<uint8_t> commands;
        for (const Bytes& frame : mouse->CommandFrames()) commands.push_back(frame[3]);
        return commands;
    }
    std::filesystem::path DataFolder() const {
        return userHome_.Path() / "KV_ELM Gaming mouse" / device->FolderTag();
    }
    // The initial read and the profile, as timer 1001 does them, then a clean frame log.
    void StartUp(const std::string& profile = "p1") {
        ASSERT_EQ(device->ReadInitialState(), 1);
        device->SetProfileName(profile);
        ASSERT_EQ(device->LoadProfile(), 1);
        mouse->ClearFrames();
    }

    SimMouseModel model_;
    TempFolder userHome_;
    std::shared_ptr<SimMouse> mouse;
    int busId = -1;
    std::string commandPath, consumerPath;
    std::unique_ptr<CVornakelMouseDevice> device;
};
