#pragma once
// A simulated keyboard or mouse pad on the bus, a fresh user data folder and the device
// object configured as the main window configures it, its command channel open.
#include "device_fixture.h"
#include "devices/keyboard_device.h"
#include "devices/mousepad_device.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_pad.h"

template <class Sim, class Device>
class KbPadTest : public ::testing::Test {
protected:
    // Folder tag, device kind and the row's user value of the device table.
    KbPadTest(const char* folder, uint16_t kind, int userValue)
        : folder_(folder), kind_(kind), userValue_(userValue) {}

    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", userHome_.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SimHidBus::Instance().UnplugAll();
        sim = std::make_shared<Sim>();
        busId = sim->Plug();
        commandPath = SimCollectionPath(busId, "col04");
        consumerPath = SimCollectionPath(busId, "col03");
        ASSERT_FALSE(commandPath.empty());
        device = std::make_unique<Device>();
        device->SetFolderTag(folder_);
        device->SetConfigName("tolva_light");
        HidDeviceInfo info;
        info.deviceKind = kind_;
        info.interfaceNumber = 1;
        info.collectionNumber = 4;
        info.devicePath = commandPath;
        device->SetHidInfo(info);
        device->SetUserValue(userValue_);
        ASSERT_TRUE(device->OpenCommandChannel(commandPath));
        sim->ClearFrames();
    }
    void TearDown() override {
        device.reset();
        sim->Unplug();
        SetDebugSink({});
    }

    std::vector<FrameHeader> Headers() const {
        std::vector<FrameHeader> headers;
        for (const Bytes& frame : sim->CommandFrames())
            headers.push_back({frame[3], frame[4], static_cast<uint16_t>(frame[5] | frame[6] << 8)});
        return headers;
    }
    // The payload of the n-th command frame.
    Bytes PayloadOf(size_t n) const {
        const Bytes frame = sim->CommandFrames().at(n);
        return Bytes(frame.begin() + 8, frame.begin() + 8 + frame[4]);
    }
    std::filesystem::path DataFolder() const { return userHome_.Path() / "KV_ELM Gaming mouse" / folder_; }

    std::string folder_;
    uint16_t kind_;
    int userValue_;
    TempFolder userHome_;
    std::shared_ptr<Sim> sim;
    int busId = -1;
    std::string commandPath, consumerPath;
    std::unique_ptr<Device> device;
};
