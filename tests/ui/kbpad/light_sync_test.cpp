// "deng_same_mode": the connected devices take the selected device's lighting in the
// equivalent mode of their kind, and follow its later changes through the light-sync worker.
#include "kbpad_window.h"
#include "mainwnd/device_option_ui.h"

namespace {

constexpr int kMouse = 2;
constexpr int kKeyboard = 1;
constexpr int kMousePad = 3;

using LightSync = KbPadWindow;

// The lighting mode the keyboard / pad was last written with (byte 1 of block and record).
int LastMode(const SimCommandDevice& device) {
    const std::vector<Bytes> writes = MemoryWrites(device);
    return writes.empty() ? -1 : writes.back()[1];
}

TEST_F(LightSync, EveryConnectedDeviceFollowsTheSelectedOne) {
    auto mouse = PlugAndRead(kMouse, std::make_shared<SimMouse>(SimMouseModel::Mouse()));
    auto keyboard = PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>());
    auto pad = PlugAndRead(kMousePad, std::make_shared<SimPad>());
    DeviceSlot* mouseSlot = SlotOfKind(kMouse);
    Select(mouseSlot);

    // A mode without an equivalent synchronises nothing.
    Choose(mouseSlot, "light_combo_modeSelect", 5);
    keyboard->ClearFrames();
    pad->ClearFrames();
    Click(PageControl(mouseSlot, "deng_same_mode"));
    EXPECT_TRUE(keyboard->CommandFrames().empty());
    EXPECT_TRUE(pad->CommandFrames().empty());
    EXPECT_FALSE(SlotOfKind(kKeyboard)->lightSync);

    // Flashing on the mouse: the keyboard's flashing is mode 17, the pad's 4.
    Choose(mouseSlot, "light_combo_modeSelect", 7);
    Click(PageControl(mouseSlot, "deng_same_mode"));
    EXPECT_EQ(LastMode(*keyboard), 17);
    EXPECT_EQ(LastMode(*pad), 4);
    for (int kind : {kMouse, kKeyboard, kMousePad}) {
        EXPECT_TRUE(SlotOfKind(kind)->lightSync) << kind;
        EXPECT_TRUE(SlotOfKind(kind)->entry->IsSynchro()) << kind;
    }
    EXPECT_EQ(SlotOfKind(kKeyboard)->device->GetLightEffect().selectItem, 17)
        << "kept in the keyboard's model";

    // A later change on a synchronised device reaches the others through the worker.
    keyboard->ClearFrames();
    pad->ClearFrames();
    Choose(mouseSlot, "light_combo_modeSelect", 2);  // breathing: 2 on every kind
    ASSERT_TRUE(QTest::qWaitFor([&] { return LastMode(*keyboard) == 2 && LastMode(*pad) == 2; }, 2000));

    // An unplugged device leaves the synchronisation once fewer than two devices show.
    keyboard->Unplug();
    pad->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !SlotOfKind(kMousePad)->entry->IsShown(); }, 3000));
    EXPECT_FALSE(mouseSlot->lightSync);
}

}  // namespace
