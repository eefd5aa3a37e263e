#pragma once
// Shared helpers of the discovery tests: captured debug lines, simulated mice, and the
// real main window with the program's parts.
#include <gtest/gtest.h>
#include <QTest>
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include "ui/controls.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/settings_part.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "debug_text_capture.h"
#include "util/debug_log.h"

inline std::shared_ptr<SimMouse> PlugMouse(const SimMouseModel& model) {
    auto mouse = std::make_shared<SimMouse>(model);
    mouse->Plug();
    return mouse;
}

// How many command frames with this command byte the simulated device received.
inline int CountCommand(const SimCommandDevice& device, uint8_t command) {
    const auto frames = device.CommandFrames();
    return static_cast<int>(std::count_if(
        frames.begin(), frames.end(),
        [command](const std::vector<uint8_t>& frame) { return frame.size() > 3 && frame[3] == command; }));
}

// The main window as the program builds it (device part, page wiring, settings), created and
// through its window-init sequence. No simulated device is plugged at the start.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        wnd = std::make_unique<CMainWnd>();
        auto devicePart = std::make_unique<CDevicePart>("mouse,mouse3389");
        part = devicePart.get();
        wnd->AddPart(std::move(devicePart));
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        wnd->AddPart(std::make_unique<CSettingsPart>());
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->Initialised(); }, 3000));
    }
    void TearDown() override {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
    }

    DeviceSlot* SlotNamed(const char* name) const {
        for (const auto& slot : part->Slots().All())
            if (slot->deviceName == QLatin1String(name)) return slot.get();
        return nullptr;
    }
    int IndexOf(const DeviceSlot* slot) const {
        for (int i = 0; i < part->Slots().Count(); ++i)
            if (part->Slots().At(i) == slot) return i;
        return -1;
    }
    QWidget* Control(const char* name) const { return wnd->FindControl(QLatin1String(name)); }
    static QString PageText(const DeviceSlot* slot, const char* name) {
        return GetText(FindControl(slot->page, QLatin1String(name)));
    }
    bool WaitShown(const DeviceSlot* slot, bool shown, int ms = 1000) const {
        return QTest::qWaitFor([slot, shown] { return slot->entry->IsShown() == shown; }, ms);
    }
    void Click(const char* name) const {
        auto* button = qobject_cast<QAbstractButton*>(Control(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* part = nullptr;
};
