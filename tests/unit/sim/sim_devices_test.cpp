// Plugging simulated devices by name and finding the list on the command line.
#include <gtest/gtest.h>
#include <cstdlib>
#include "sim/sim_devices.h"
#include "sim/sim_mouse.h"

namespace {

class SimDevicesTest : public ::testing::Test {
protected:
    void SetUp() override { SimHidBus::Instance().UnplugAll(); }
    void TearDown() override { SimHidBus::Instance().UnplugAll(); }

    static std::vector<std::string> PluggedNames() {
        std::vector<std::string> names;
        for (const auto& entry : SimHidBus::Instance().Devices()) names.push_back(entry.device->Name());
        return names;
    }
};

struct PlugCase {
    const char* list;
    int result;
    std::vector<std::string> plugged;
};

TEST_F(SimDevicesTest, PlugsTheNamedDevices) {
    const PlugCase cases[] = {
        {"", 0, {}},
        {"none", 0, {}},
        {"mouse", 1, {"mouse"}},
        {" mouse3389 , mousewl ", 2, {"mouse3389", "mousewl"}},
        {"mouse,,none,mouse", 2, {"mouse", "mouse"}},
        {"keyboard,pad", 2, {"keyboard", "pad"}},
        {"pad, headset", 2, {"pad", "headset"}},
    };
    for (const PlugCase& c : cases) {
        SCOPED_TRACE(c.list);
        SimHidBus::Instance().UnplugAll();
        std::string error = "untouched";
        EXPECT_EQ(PlugSimulatedDevices(c.list, &error), c.result);
        EXPECT_EQ(PluggedNames(), c.plugged);
        EXPECT_EQ(error, "untouched");
    }
}

TEST_F(SimDevicesTest, UnknownNamePlugsNothingAndSaysWhy) {
    std::string error;
    EXPECT_EQ(PlugSimulatedDevices("mouse,trackball", &error), -1);
    EXPECT_TRUE(PluggedNames().empty());
    EXPECT_NE(error.find("\"trackball\""), std::string::npos) << error;
    EXPECT_NE(error.find("pad"), std::string::npos) << error;
    EXPECT_NE(error.find("mouse3389"), std::string::npos) << error;  // lists the known names
    EXPECT_EQ(PlugSimulatedDevices("Mouse", nullptr), -1);           // names are exact
}

TEST_F(SimDevicesTest, ModelsDifferInIdsSensorAndLink) {
    struct Case {
        const char* name;
        uint16_t productId;
        uint16_t sensor;
        bool wireless;
    };
    for (const Case& c : {Case{"mouse", 0x2002, 0x3327, false}, Case{"mouse3389", 0x21FD, 0x3389, false},
                          Case{"mousewl", 0x2012, 0x3327, true}}) {
        SCOPED_TRACE(c.name);
        auto device = std::dynamic_pointer_cast<SimMouse>(MakeSimulatedDevice(c.name));
        ASSERT_TRUE(device);
        EXPECT_EQ(device->VendorId(), 0x320F);
        EXPECT_EQ(device->ProductId(), c.productId);
        const auto info = device->InfoBlock();
        EXPECT_EQ(info[9] | info[10] << 8, c.sensor);
        EXPECT_EQ(device->Model().wireless, c.wireless);
    }
    EXPECT_FALSE(MakeSimulatedDevice("none"));
}

struct ArgsCase {
    std::vector<const char*> args;
    const char* environment;  // nullptr: unset
    std::string expected;
};

TEST_F(SimDevicesTest, ListComesFromTheCommandLineThenTheEnvironment) {
    const ArgsCase cases[] = {
        {{"kvelm"}, nullptr, ""},
        {{"kvelm"}, "mouse3389", "mouse3389"},
        {{"kvelm", "--simulate", "mouse,mousewl"}, "mouse3389", "mouse,mousewl"},
        {{"kvelm", "--simulate=mouse"}, nullptr, "mouse"},
        {{"kvelm", "--simulate=none"}, "mouse", "none"},
        {{"kvelm", "--simulate"}, "mouse", ""},  // given without a value: an empty list
        {{"kvelm", "--simulated=mouse", "--simulatex"}, nullptr, ""},
        {{"kvelm", "--simulate", "mouse", "--simulate=mousewl"}, nullptr, "mousewl"},
    };
    for (const ArgsCase& c : cases) {
        SCOPED_TRACE(c.expected);
        if (c.environment)
            setenv("KVELM_SIMULATE", c.environment, 1);
        else
            unsetenv("KVELM_SIMULATE");
        EXPECT_EQ(SimulateListFromArgs(static_cast<int>(c.args.size()), c.args.data()), c.expected);
    }
    unsetenv("KVELM_SIMULATE");
}

}  // namespace
