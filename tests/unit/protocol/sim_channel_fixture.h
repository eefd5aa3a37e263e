#pragma once
// A simulated mouse on the bus and a command channel opened on its command collection.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "hid/hid_device.h"
#include "hid/protocol/device_protocol.h"
#include "sim/sim_mouse.h"
#include "util/debug_log.h"

// The command collection's path of the simulated device with this bus id.
inline std::string SimCommandPath(int busId) {
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

// Command byte, chunk length and chunk offset of one frame.
struct FrameHeader {
    uint8_t command, length;
    uint16_t offset;
    bool operator==(const FrameHeader&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const FrameHeader& h) {
    return out << "{cmd " << int(h.command) << ", len " << int(h.length) << ", off " << h.offset << "}";
}

class SimChannelTest : public ::testing::Test {
protected:
    explicit SimChannelTest(SimMouseModel model = SimMouseModel::Mouse()) : model_(std::move(model)) {}

    void SetUp() override {
        SetDebugSink([](std::string_view) {});  // quiet, whatever KVELM_DEBUG says
        mouse = std::make_shared<SimMouse>(model_);
        const int busId = mouse->Plug();
        path = SimCommandPath(busId);
        ASSERT_FALSE(path.empty());
        channel = std::make_unique<CDeviceProtocol>();
        ASSERT_TRUE(channel->Open(path));
        mouse->ClearFrames();
    }

    void TearDown() override {
        channel.reset();
        mouse->Unplug();
        SetDebugSink({});
    }

    // Command frames the device received: {command, length, offset} of each.
    std::vector<FrameHeader> ReceivedHeaders() const {
        std::vector<FrameHeader> headers;
        for (const auto& frame : mouse->CommandFrames())
            headers.push_back({frame[3], frame[4], static_cast<uint16_t>(frame[5] | frame[6] << 8)});
        return headers;
    }

    SimMouseModel model_;
    std::shared_ptr<SimMouse> mouse;
    std::string path;
    std::unique_ptr<CDeviceProtocol> channel;
};
