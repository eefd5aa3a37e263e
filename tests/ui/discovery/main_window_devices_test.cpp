// The real main window with its device part and page wiring, driven by simulated mice:
// what a user sees in the device bar and on the pages, and what the mice received.
#include <QStackedWidget>
#include "shell/app_names.h"
#include "ui/menu_wnd.h"
#include <QDir>
#include <QFile>
#include "devices/discovery/device_table_store.h"
#include "devices/mouse_device.h"
#include "discovery_fixture.h"
#include "hid/protocol/supported_devices.h"
#include "panels/light/light_control_ui.h"
#include "panels/power/mp_device_power_ui.h"

namespace {

constexpr uint8_t kBeginConfig = 0x01;
constexpr uint8_t kEndConfig = 0x02;
constexpr uint8_t kReadInfo = 0x03;
constexpr uint8_t kReadSettings = 0x05;
constexpr uint8_t kReadKeys = 0x07;

int CurrentIndex(QWidget* stack) {
    auto* s = qobject_cast<QStackedWidget*>(stack);
    return s ? s->currentIndex() : -2;
}

}  // namespace

using MainWindowDevices = MainWindowFixture;

// The name an entry stands for: its label's tool tip holds it whole, and the label shows it
// whole or cut short with an ellipsis when the bar is narrow. Empty when the two disagree.
static QString EntryName(CDeviceOptionUI* entry) {
    QWidget* label = FindControl(entry, QStringLiteral("device_select_name"));
    if (!label) return {};
    const QString full = label->toolTip();
    const QString shown = GetText(label);
    const bool whole = shown == full;
    const bool cut = shown.endsWith(QChar(0x2026)) && full.startsWith(shown.chopped(1));
    return whole || cut ? full : QString();
}

TEST_F(MainWindowDevices, WithoutADeviceTheWindowShowsAfterTheFirstPass) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->isVisible(); }, 1000))
        << "the first pass shows the window";
    EXPECT_TRUE(Control("No_device_Link")->isVisible());
    for (int slot : {0, 2, 8}) EXPECT_TRUE(wnd->ThreadRunning(slot)) << "thread slot " << slot;
    EXPECT_FALSE(wnd->ThreadRunning(1));

    // One slot per mouse, keyboard, mouse pad and headset row. With simulation on, the
    // wireless mouse, the keyboard, the pad and the headset the simulation menu can plug
    // bring rows of their own.
    struct Expected {
        const char* folder;
        int kind;
        int userValue;
        int keys;
        int leds;
    };
    const Expected expected[] = {
        {"mouse", 2, 1, 7, 6},        {"keyboard", 1, 0, 126, 126}, {"MousePad", 3, 2, 0, 15},
        {"HD", 7, 3, -1, -1},         {"mouse3389", 2, 1, 7, 6},    {"mouse", 6, 1, 7, 6},
        {"keyboard", 1, 0, 126, 126}, {"MousePad", 3, 2, 0, 15},    {"HD", 7, 3, -1, -1},
    };
    ASSERT_EQ(part->Slots().Count(), static_cast<int>(std::size(expected)));
    for (int i = 0; i < part->Slots().Count(); ++i) {
        const DeviceSlot* slot = part->Slots().At(i);
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(slot->deviceName, QLatin1String(e.folder));
        EXPECT_EQ(slot->kind, e.kind);
        EXPECT_FALSE(slot->entry->IsShown());
        EXPECT_FALSE(slot->entry->isVisible());
        EXPECT_EQ(slot->entry->Kind(), e.kind == 6 ? 2 : e.kind)
            << "the wireless mouse shows the mouse icons";
        EXPECT_EQ(slot->powerPanel->Kind(), slot->kind);
        // Pages are built when their device first arrives.
        EXPECT_EQ(slot->page, nullptr);
        EXPECT_EQ(slot->lightPanel, nullptr);
        EXPECT_EQ(slot->entry->PageIndex(), -1);
        EXPECT_EQ(slot->device->FolderTag(), slot->deviceName.toStdString());
        EXPECT_EQ(slot->device->GetUserValue(), e.userValue);
        EXPECT_EQ(slot->device->ConfigName(), "tolva_light");
        if (e.kind == 7) {
            EXPECT_NE(slot->headset, nullptr);
            continue;  // the headset's page has no key or LED buttons
        }
        EXPECT_EQ(slot->device->KeyControlCount(), e.keys);
        EXPECT_EQ(slot->device->LedCount(), e.leds);
    }
    for (int i : {0, 1, 2, 3, 4, 5, 6})
        EXPECT_FALSE(
            FindControl(part->Slots().At(i)->powerPanel, QStringLiteral("device_power_Layout"))->isVisible())
            << "no shipped page row polls the power status";
    EXPECT_EQ(part->InterfaceSlots().Count(), 17) << "the simulated headset brings two interfaces";
    EXPECT_EQ(wnd->SelectedSlot(), nullptr);
}

TEST_F(MainWindowDevices, EntriesShowProductNames) {
    // Rows without ids never show and do not count as repeated names.
    const char* expected[] = {
        "KV_ELM Gaming Mouse",    "KV_ELM Gaming Keyboard",   "KV_ELM Mouse Pad",
        "KV_ELM HS6533 Headset",  "KV_ELM Gaming Mouse 3389", "KV_ELM Wireless Gaming Mouse",
        "KV_ELM Gaming Keyboard", "KV_ELM Mouse Pad",         "KV_ELM HS6533 Headset"};
    ASSERT_EQ(part->Slots().Count(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(EntryName(part->Slots().At(i)->entry), QString::fromUtf8(expected[i]));
}

TEST_F(MainWindowDevices, TheWirelessMouseIsCheckedForItsLinkBeforeItIsRead) {
    DeviceSlot* slot = part->Slots().At(5);
    ASSERT_EQ(slot->kind, 6);
    auto mouse = PlugMouse(SimMouseModel::MouseWireless());
    ASSERT_TRUE(WaitShown(slot, true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return mouse->CommandFrames().size() >= 2; }, 3000));
    const auto frames = mouse->CommandFrames();
    EXPECT_EQ(frames[0][3], 0xAA) << "the link check comes first";
    EXPECT_EQ(frames[1][3], kBeginConfig);
    EXPECT_EQ(slot->device->FolderTag(), "mouse");
}

// Two rows with one product name: the user's file names the second model like the first.
class MainWindowSameNames : public MainWindowFixture {
protected:
    void SetUp() override {
        const QString folder = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/kvelm");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/devices.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"devices": [{"vendorId": "0x320F", "productId": "0x21FD", "name": "KV_ELM Gaming Mouse"}]})");
        file.close();
        ResetActiveDeviceTable();
        MainWindowFixture::SetUp();
        QFile::remove(folder + QStringLiteral("/devices.json"));
        ResetActiveDeviceTable();
    }
};

TEST_F(MainWindowSameNames, RepeatedProductNamesAreToldApart) {
    ASSERT_EQ(part->Slots().Count(), 9);
    EXPECT_EQ(EntryName(part->Slots().At(0)->entry), QStringLiteral("KV_ELM Gaming Mouse"));
    EXPECT_EQ(EntryName(part->Slots().At(4)->entry), QStringLiteral("KV_ELM Gaming Mouse (2)"));
    EXPECT_EQ(part->Slots().At(4)->deviceName, QStringLiteral("mouse3389")) << "its data folder stays";
}

TEST_F(MainWindowDevices, AnUnreadableDeviceNamesTheCureOnTheNoDevicePanel) {
    QWidget* hint = Control("nodevice_access_text");
    ASSERT_NE(hint, nullptr);
    const QString before = GetText(hint);
    wnd->SendMessage(kMsgDeviceAccessDenied, 0, 0);
    EXPECT_EQ(hint->property("textId").toString(), QStringLiteral("nodevice_access_denied_text"));
    EXPECT_NE(GetText(hint), before);
    EXPECT_TRUE(GetText(hint).contains(QStringLiteral("70‑kvelm.rules"))) << GetText(hint).toStdString();
}

TEST_F(MainWindowDevices, APluggedMouseShowsItsEntryAndFillsItsPage) {
    DeviceSlot* slot = SlotNamed("mouse3389");
    ASSERT_NE(slot, nullptr);
    wnd->showMinimized();
    auto mouse = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(WaitShown(slot, true));
    EXPECT_TRUE(slot->entry->isVisible());
    EXPECT_TRUE(slot->entry->IsSelected()) << "the only entry is selected";
    EXPECT_EQ(wnd->SelectedSlot(), slot);
    EXPECT_FALSE(Control("No_device_Link")->isVisible());
    EXPECT_FALSE(wnd->isMinimized()) << "an arrival brings the window forward";
    EXPECT_EQ(CurrentIndex(Control("device_switch")), slot->pageIndex);

    // The first read after arrival reads the mouse and fills the page from the default profile.
    ASSERT_TRUE(QTest::qWaitFor([&] { return PageText(slot, "DPI_edit_1") == QStringLiteral("800"); }, 1000))
        << PageText(slot, "DPI_edit_1").toStdString();
    const char* const expected[] = {"400", "800", "1600", "3200", "6400", "12000", "16000"};
    for (int stage = 0; stage < 7; ++stage)
        EXPECT_EQ(PageText(slot, ("DPI_edit_" + std::to_string(stage)).c_str()),
                  QLatin1String(expected[stage]))
            << "stage " << stage;
    for (uint8_t command : {kBeginConfig, kReadInfo, kReadKeys, kEndConfig})
        EXPECT_GE(CountCommand(*mouse, command), 1) << "command " << int(command);

    // The command collection carries the commands, the consumer collection only the input channel.
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 1);
    EXPECT_NE(slot->device->CommandChannel().hid.DevicePath().find("&col04"), std::string::npos);
    EXPECT_EQ(slot->device->InputChannel().opened.load(), 1);
    EXPECT_NE(slot->device->InputChannel().hid.DevicePath().find("&col03"), std::string::npos);
    EXPECT_FALSE(SlotNamed("mouse")->entry->IsShown()) << "the other model stays hidden";
}

TEST_F(MainWindowDevices, APageIsBuiltOnTheFirstArrivalAndKeptForTheNext) {
    DeviceSlot* slot = SlotNamed("mouse3389");
    ASSERT_NE(slot, nullptr);
    auto mouse = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(WaitShown(slot, true));
    QPointer<QWidget> page = slot->page;
    ASSERT_NE(page, nullptr);
    EXPECT_NE(slot->lightPanel, nullptr);
    EXPECT_EQ(slot->entry->PageIndex(), slot->pageIndex);
    EXPECT_FALSE(slot->device->ProfileName().empty()) << "the page's profile panel named the profile";
    for (const auto& other : part->Slots().All()) {
        if (other.get() == slot) continue;
        EXPECT_EQ(other->page, nullptr) << other->deviceName.toStdString();
    }

    mouse->Unplug();
    ASSERT_TRUE(WaitShown(slot, false));
    mouse = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(WaitShown(slot, true));
    EXPECT_EQ(slot->page, page.data()) << "the page of the first arrival is used again";
    EXPECT_EQ(qobject_cast<QStackedWidget*>(Control("device_switch"))->count(), 1);
    EXPECT_EQ(CurrentIndex(Control("device_switch")), slot->pageIndex);
}

TEST_F(MainWindowDevices, TwoModelsAtOnceAndUnpluggingTheSelectedOne) {
    DeviceSlot* first = SlotNamed("mouse");
    DeviceSlot* second = SlotNamed("mouse3389");
    auto a = PlugMouse(SimMouseModel::Mouse());
    ASSERT_TRUE(WaitShown(first, true));
    auto b = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(WaitShown(second, true));
    EXPECT_TRUE(first->entry->IsSelected()) << "a later arrival does not take the selection";
    EXPECT_FALSE(second->entry->IsSelected());
    EXPECT_EQ(wnd->SelectedSlot(), first);
    EXPECT_TRUE(first->lightPanel->GetSameModeFlag()) << "two devices: light synchronisation is offered";

    a->Unplug();
    ASSERT_TRUE(WaitShown(first, false));
    EXPECT_EQ(first->device->CommandChannel().opened.load(), 0);
    EXPECT_TRUE(second->entry->IsSelected()) << "the other visible entry takes over";
    EXPECT_EQ(wnd->SelectedSlot(), second);
    EXPECT_EQ(part->SelectedEntry(), IndexOf(second));
    EXPECT_EQ(CurrentIndex(Control("device_switch")), second->pageIndex);
    EXPECT_FALSE(second->lightPanel->GetSameModeFlag());
    EXPECT_FALSE(Control("No_device_Link")->isVisible());

    b->Unplug();
    ASSERT_TRUE(WaitShown(second, false));
    EXPECT_TRUE(Control("No_device_Link")->isVisible());
    EXPECT_EQ(wnd->SelectedSlot(), nullptr);
    EXPECT_EQ(CurrentIndex(Control("device_switch")), 0);
    EXPECT_EQ(CurrentIndex(wnd->FindControl(QStringLiteral("device_power_stack"))), 0);
}

TEST_F(MainWindowDevices, PreviousAndNextStopAtTheEnds) {
    DeviceSlot* first = SlotNamed("mouse");
    DeviceSlot* second = SlotNamed("mouse3389");
    auto a = PlugMouse(SimMouseModel::Mouse());
    auto b = PlugMouse(SimMouseModel::Mouse3389());
    ASSERT_TRUE(WaitShown(first, true));
    ASSERT_TRUE(WaitShown(second, true));
    ASSERT_EQ(wnd->SelectedSlot(), first);
    EXPECT_FALSE(Control("device_select_prev")->isEnabled());
    EXPECT_TRUE(Control("device_select_next")->isEnabled());

    part->SelectPrevious();
    EXPECT_EQ(wnd->SelectedSlot(), first) << "nothing before the first entry";

    Click("device_select_next");
    EXPECT_EQ(wnd->SelectedSlot(), second);
    EXPECT_EQ(CurrentIndex(Control("device_switch")), second->pageIndex);
    EXPECT_FALSE(first->entry->IsSelected());
    EXPECT_TRUE(Control("device_select_prev")->isEnabled());
    EXPECT_FALSE(Control("device_select_next")->isEnabled());

    part->SelectNext();
    EXPECT_EQ(wnd->SelectedSlot(), second) << "nothing after the last entry";
    Click("device_select_prev");
    EXPECT_EQ(wnd->SelectedSlot(), first);

    // A click on an entry selects it as the user's choice.
    QTest::mouseClick(second->entry->SelectOption(), Qt::LeftButton);
    EXPECT_EQ(wnd->SelectedSlot(), second);
    EXPECT_EQ(part->SelectedEntry(), IndexOf(second));
    EXPECT_EQ(CurrentIndex(Control("device_switch")), second->pageIndex);
}

TEST_F(MainWindowDevices, TheConsumerCollectionOnlyOpensTheInputChannel) {
    // Discovery stops (its stop event is set as at shutdown) so this test reports the two
    // collections itself, in its own order.
    const_cast<StopEvent*>(wnd->SlotStopEvent(0))->Set();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !wnd->ThreadRunning(0); }, 1000));
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    const std::string base = "sim:" + std::to_string(mouse->BusId()) + ":01#vid_320f&pid_2002&mi_01&col0";
    DeviceSlot* slot = SlotNamed("mouse");

    HidDeviceInfo consumer;
    consumer.vendorId = 0x320F;
    consumer.productId = 0x2002;
    consumer.interfaceNumber = 1;
    consumer.collectionNumber = 3;
    consumer.usagePage = kConsumerUsagePage;
    consumer.usage = kConsumerUsage;
    consumer.devicePath = base + "3";
    const int consumerSlot = part->InterfaceSlots().Bind(&consumer);
    ASSERT_GE(consumerSlot, 0);
    EXPECT_EQ(wnd->SendMessage(kMsgDeviceArrival, consumerSlot, 0), 1);
    EXPECT_EQ(slot->device->InputChannel().opened.load(), 1);
    EXPECT_TRUE(slot->device->InputWorkerRunning());
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 0);
    EXPECT_FALSE(slot->entry->IsShown()) << "the consumer collection shows nothing";

    HidDeviceInfo command = consumer;
    command.collectionNumber = 4;
    command.usagePage = kCommandUsagePage;
    command.usage = kCommandUsage;
    command.devicePath = base + "4";
    const int commandSlot = part->InterfaceSlots().Bind(&command);
    ASSERT_GE(commandSlot, 0);
    ASSERT_NE(commandSlot, consumerSlot);
    wnd->SendMessage(kMsgDeviceArrival, commandSlot, 0);
    EXPECT_TRUE(slot->entry->IsShown());
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 1);

    part->InterfaceSlots().Release(consumerSlot);
    wnd->SendMessage(kMsgDeviceRemoval, consumerSlot, 0);
    EXPECT_EQ(slot->device->InputChannel().opened.load(), 0);
    EXPECT_FALSE(slot->device->InputWorkerRunning());
    EXPECT_TRUE(slot->entry->IsShown()) << "the device stays while its command collection is there";
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 1);
}

TEST_F(MainWindowDevices, AResyncRequestLeadsToARead) {
    DeviceSlot* slot = SlotNamed("mouse");
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    ASSERT_TRUE(WaitShown(slot, true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !PageText(slot, "DPI_edit_0").isEmpty(); }, 1000));
    QTest::qWait(50);
    mouse->ClearFrames();
    mouse->RequestResync();
    // The re-read follows 500 ms after the request; the mouse then reads its settings record.
    ASSERT_TRUE(QTest::qWaitFor([&] { return CountCommand(*mouse, kReadSettings) >= 1; }, 1500));
    EXPECT_EQ(CountCommand(*mouse, kReadInfo), 0) << "a resync reads the settings, not the whole device";
}

TEST_F(MainWindowDevices, WhileAsleepNothingIsMissed) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->isVisible(); }, 1000));
    DeviceSlot* slot = SlotNamed("mouse");
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    QTest::qWait(400);
    EXPECT_FALSE(slot->entry->IsShown()) << "arrivals are ignored while asleep";
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ASSERT_TRUE(WaitShown(slot, true)) << "the next pass after resume reports the mouse";
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 1);

    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    mouse->Unplug();
    QTest::qWait(400);
    EXPECT_TRUE(slot->entry->IsShown()) << "removals wait for the resume too";
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ASSERT_TRUE(WaitShown(slot, false));
    EXPECT_EQ(slot->device->CommandChannel().opened.load(), 0);
}

TEST_F(MainWindowDevices, LightControlAndAttentionReachEveryDevice) {
    // Mice, mouse pads and keyboards are told; the headset is not.
    std::vector<DeviceSlot*> told;
    for (const auto& slot : part->Slots().All())
        if (slot->kind != 7) told.push_back(slot.get());
    ASSERT_EQ(told.size(), 7u);
    Click("control_light_status");
    for (DeviceSlot* slot : told) EXPECT_EQ(slot->lightControl, 0);
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    for (DeviceSlot* slot : told) EXPECT_EQ(slot->lightControl, 0) << "resume restores the user's choice";
    Click("control_light_status");
    for (DeviceSlot* slot : told) EXPECT_EQ(slot->lightControl, 1);
    wnd->SendMessage(WM_ACTIVATE, 1, 0);
    for (DeviceSlot* slot : told) EXPECT_EQ(slot->attention, 1);
}

TEST_F(MainWindowDevices, TheTrayMenuPlugsAndUnplugsSimulatedMice) {
    DeviceSlot* slot = SlotNamed("mouse3389");
    MenuSpec items;
    items.ok = true;
    QPointer<CMenuWnd> menu = CMenuWnd::FromSpec(wnd->GetHWND(), items);
    ASSERT_TRUE(menu);
    part->OnTrayMenu(*wnd, *menu);
    QAction* plug = menu->findChild<QAction*>(QStringLiteral("sim_plug_mouse3389"));
    QAction* unplug = menu->findChild<QAction*>(QStringLiteral("sim_unplug_mouse3389"));
    ASSERT_NE(plug, nullptr);
    ASSERT_NE(unplug, nullptr);
    EXPECT_TRUE(plug->isEnabled());
    EXPECT_FALSE(unplug->isEnabled()) << "nothing to unplug yet";
    EXPECT_FALSE(plug->text().isEmpty());

    plug->trigger();  // the item reports its name to the window like the menu file's items
    ASSERT_TRUE(WaitShown(slot, true));
    part->OnMenuCommand(*wnd, QStringLiteral("sim_unplug_mouse3389"));
    ASSERT_TRUE(WaitShown(slot, false));
    EXPECT_TRUE(SimHidBus::Instance().Devices().empty());
    EXPECT_FALSE(part->OnMenuCommand(*wnd, QStringLiteral("sim_plug_toaster"))) << "not a simulated model";
    delete menu.data();
}

TEST_F(MainWindowDevices, ClosingStopsEveryThreadWithItsLines) {
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    ASSERT_TRUE(WaitShown(SlotNamed("mouse"), true));
    DebugCapture debug;
    wnd->Close(0);
    EXPECT_EQ(debug.Count("抓取设备线程设定退出"), 1);
    EXPECT_EQ(debug.Count("获取更新线程退出"), 1);
    EXPECT_EQ(debug.Count("同步灯光线程设定退出"), 1);
    EXPECT_EQ(debug.Count("所有对象处于激发状态\n"), 3) << debug.Text();
    EXPECT_EQ(debug.Count("超时"), 0);
    for (int slot : {0, 2, 8}) EXPECT_FALSE(wnd->ThreadRunning(slot));
}
