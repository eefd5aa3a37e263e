// The base device's own behaviour: the power status query, the LED tables, function tabs
// and controls through a page, and a device with no page.
#include "device_fixture.h"

namespace {

// A power panel and a page that only record what they were given.
struct RecordingPanel : IPowerPanel {
    std::vector<PowerStatusRecord> shown;
    std::vector<int> pollFlags;
    void ShowPowerStatus(const PowerStatusRecord& record) override { shown.push_back(record); }
    void SetPollPeriodically(int flag) override { pollFlags.push_back(flag); }
};

struct RecordingPage : IDevicePage {
    std::vector<std::pair<int, int>> bound;
    std::vector<std::pair<int, int>> tabs;
    int cleared = 0;
    void BindKeyAndLightControls(int keyCount, int ledCount) override {
        bound.emplace_back(keyCount, ledCount);
    }
    void ClearControlTables() override { ++cleared; }
    bool SelectFunctionTabs(int functionTab, int keyFunctionTab) override {
        tabs.emplace_back(functionTab, keyFunctionTab);
        return true;
    }
    void ShowLightModes(const std::vector<LightModeName>&, const std::vector<std::string>&) override {}
    void ShowLightEffect(const LightInfoRecord&) override {}
    void ShowMacroNames(const std::vector<std::string>&) override {}
};

struct PowerCase {
    const char* name;
    SimMouseModel model;
    uint8_t deviceByte3;
    uint8_t expectedByte3;
};
void PrintTo(const PowerCase& c, std::ostream* out) {
    *out << c.name;
}

class PowerStatus : public MouseDeviceTest, public ::testing::WithParamInterface<PowerCase> {
protected:
    PowerStatus() : MouseDeviceTest(GetParam().model) {}
};

TEST_P(PowerStatus, ByteThreeSaysWhetherTheHostReachesTheDeviceOverItsSlowLink) {
    mouse->SetPowerRecord({77, 2, 9, GetParam().deviceByte3, 0x5A, 3});
    RecordingPanel panel;
    device->SetPowerPanel(&panel);
    std::vector<std::pair<unsigned, std::uintptr_t>> messages;
    DeviceOwner owner;
    owner.sendMessage = [&](unsigned message, std::uintptr_t wParam, std::intptr_t) {
        messages.emplace_back(message, wParam);
    };
    device->SetOwnerWindow(owner);

    device->OnDeviceTimer5();
    const PowerStatusRecord expected = {77, 2, 9, GetParam().expectedByte3, 0x5A, 3};
    ASSERT_EQ(panel.shown.size(), 1u);
    EXPECT_EQ(panel.shown[0], expected);
    EXPECT_EQ(messages, (std::vector<std::pair<unsigned, std::uintptr_t>>{{0x0D01, 0x5A}}));
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{0x1A, 6, 0}}));
}

INSTANTIATE_TEST_SUITE_P(
    Links, PowerStatus,
    ::testing::Values(PowerCase{"wirelessWhateverTheDeviceSent", SimMouseModel::MouseWireless(), 0, 1},
                      PowerCase{"wiredWhateverTheDeviceSent", SimMouseModel::Mouse(), 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseDeviceTest, PowerQueryOnAClosedChannelDoesNothing) {
    RecordingPanel panel;
    device->SetPowerPanel(&panel);
    device->CloseCommandChannel();
    EXPECT_EQ(device->QueryPowerStatus(), 0);
    EXPECT_TRUE(panel.shown.empty());
    EXPECT_TRUE(mouse->CommandFrames().empty());
}

TEST_F(MouseDeviceTest, PowerPanelFollowsThePollFlag) {
    RecordingPanel panel;
    device->SetPollPeriodically(1);
    device->SetPowerPanel(&panel);
    device->SetPollPeriodically(0);
    EXPECT_EQ(panel.pollFlags, (std::vector<int>{1, 0}));
}

TEST(UsbDevice, SetLedCountClearsTheColoursEvenForTheSameCount) {
    CVornakelUSBDevice device;
    device.SetLedCount(3);
    device.SetLedColour(2, 0xFF00FF80);
    device.SetLedColour(3, 0x11111111);  // out of range: ignored
    EXPECT_EQ(device.GetLedColour(2), 0xFF00FF80u);
    EXPECT_EQ(device.GetLedColour(3), 0u);
    device.SetLedCount(3);
    EXPECT_EQ(device.GetLedColour(2), 0u);
}

TEST(UsbDevice, WithoutALayoutFileThePageIsNeverUsed) {
    CVornakelUSBDevice device;
    RecordingPage page;
    device.SetPage(&page);
    device.SetKeyControlCount(7);
    device.SetLedCount(6);
    device.BindPageControls();
    EXPECT_EQ(device.KeyControlCount(), 0);
    EXPECT_EQ(device.LedCount(), 0);
    EXPECT_EQ(page.cleared, 1);
    device.SetFunctionMode(2);
    EXPECT_TRUE(page.tabs.empty());
    EXPECT_EQ(device.GetFunctionMode(), 2);
}

TEST(UsbDevice, WithALayoutThePageBindsItsControlsAndShowsTheTabs) {
    CVornakelUSBDevice device;
    RecordingPage page;
    device.SetPage(&page);
    device.SetLayoutFile("XML\\DeviceXml\\mousedevice.xml");
    HidDeviceInfo info;
    info.deviceKind = 3;
    device.SetHidInfo(info);
    device.SetKeyControlCount(7);
    device.SetLedCount(6);
    device.BindPageControls();
    device.SetFunctionMode(4);
    EXPECT_EQ(page.bound, (std::vector<std::pair<int, int>>{{7, 6}}));
    EXPECT_EQ(page.tabs, (std::vector<std::pair<int, int>>{{0, 2}}));
}

}  // namespace
