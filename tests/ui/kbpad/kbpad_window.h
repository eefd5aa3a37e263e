#pragma once
// The real main window with simulated mouse, keyboard and pad: plug them, wait until each
// was read, and look at the frames each received and the profile files.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QTest>
#include <json/json.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "devices/keyboard_device.h"
#include "devices/mousepad_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/settings_part.h"
#include "panels/keyboardpage/keyboard_page.h"
#include "sim/sim_bus.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_mouse.h"
#include "sim/sim_pad.h"
#include "ui/controls.h"
#include "util/debug_log.h"

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kWriteMemory = 0x06;
constexpr size_t kPayload = 8;  // first payload byte of a command frame

// The payloads of the memory writes (command 6) a device received, oldest first.
inline std::vector<Bytes> MemoryWrites(const SimCommandDevice& device) {
    std::vector<Bytes> writes;
    for (const Bytes& frame : device.CommandFrames())
        if (frame.size() > kPayload && frame[3] == kWriteMemory)
            writes.emplace_back(frame.begin() + kPayload, frame.begin() + kPayload + frame[4]);
    return writes;
}

inline Json::Value ReadJson(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    Json::Value root;
    Json::Reader().parse(text.str(), root);
    return root;
}

class KbPadWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        SimHidBus::Instance().UnplugAll();
        wnd = std::make_unique<CMainWnd>();
        auto devicePart = std::make_unique<CDevicePart>("mouse,keyboard,pad");
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
        SetDebugSink({});
    }

    // The slot of the first row of `kind` whose device table row has ids (the simulator's).
    DeviceSlot* SlotOfKind(int kind) const {
        for (const auto& slot : part->Slots().All())
            if (slot->kind == kind && slot->device->HidInfo().vendorId != 0) return slot.get();
        return nullptr;
    }
    // Plugs a simulator and waits until its device was read and its page filled.
    template <class Sim>
    std::shared_ptr<Sim> PlugAndRead(int kind, std::shared_ptr<Sim> sim) {
        DeviceSlot* slot = SlotOfKind(kind);
        EXPECT_NE(slot, nullptr);
        if (!slot) return sim;
        sim->Plug();
        EXPECT_TRUE(QTest::qWaitFor([slot] { return slot->entry->IsShown(); }, 3000));
        // The first read ends with EndConfig after the device's own reads.
        EXPECT_TRUE(QTest::qWaitFor([&] { return sim->CommandFrames().size() >= 3; }, 5000));
        QTest::qWait(200);
        sim->ClearFrames();
        return sim;
    }
    // Selects the device's entry; the window is on screen then, so clicks reach its controls.
    void Select(DeviceSlot* slot) {
        SetSelected(FindControl(slot->entry, QStringLiteral("device_select")), true, true);
        ASSERT_EQ(wnd->SelectedSlot(), slot);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(wnd.get()));
    }
    static QWidget* PageControl(const DeviceSlot* slot, const char* name) {
        return FindControl(slot->page, QLatin1String(name));
    }
    static void Click(QWidget* control) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        ASSERT_NE(button, nullptr);
        // A check box takes clicks on its box and text only, at its left.
        const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(8, button->height() / 2) : button->rect().center());
    }
    // Chooses item `index` of a combo of the page as the user does (with its notification).
    static void Choose(const DeviceSlot* slot, const char* combo, int index) {
        QWidget* control = PageControl(slot, combo);
        ASSERT_NE(control, nullptr) << combo;
        SelectItem(control, index, true);
    }

    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* part = nullptr;
};
