#include "mouse_sweep.h"

#include <QAbstractButton>

#include "devices/mouse_device.h"
#include "mainwnd/main_wnd.h"
#include "ui/controls.h"

void MouseSweep::OpenMouse(const std::string& simName) {
    simName_ = simName;
    Start(simName);
    ASSERT_NE(
        OpenDevice(simName, [](const DeviceSlot& slot) { return slot.mouse && slot.mouse->KeyBlockRead(); }),
        nullptr);
    // Recording listens to the program's own window events: the sweep types and clicks there.
    Window().Hook().SetCaptureFactory([] { return nullptr; });
}

void MouseSweep::ShowTab(const char* option) {
    auto* button = qobject_cast<QAbstractButton*>(Control(QLatin1String(option)));
    ASSERT_NE(button, nullptr) << option;
    if (!button->isChecked()) Click(QLatin1String(option));
    ASSERT_TRUE(button->isChecked()) << option;
}

Json::Value MouseSweep::StoredAt(const std::string& path) const {
    Json::Value value = ProfileDevice();
    size_t from = 0;
    while (from <= path.size()) {
        const size_t to = std::min(path.find('/', from), path.size());
        const std::string part = path.substr(from, to - from);
        const bool index = !part.empty() && std::all_of(part.begin(), part.end(), ::isdigit);
        value = index ? Json::Value(value[static_cast<Json::ArrayIndex>(std::stoul(part))])
                      : Json::Value(value[part]);
        from = to + 1;
    }
    return value;
}

void MouseSweep::RunCases(const std::vector<SettingCase>& cases) {
    for (const SettingCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.drive();
        if (HasFatalFailure()) return;
        // The write runs on the mouse's worker: wait until the device holds the value.
        EXPECT_TRUE(Settle([&] {
            return c.recordOffset < 0 || Record().at(static_cast<size_t>(c.recordOffset)) == c.device;
        })) << "device byte "
            << c.recordOffset << " is " << int(Record().at(static_cast<size_t>(std::max(c.recordOffset, 0))))
            << ", expected " << c.device;
        const QString shown = Shown(QLatin1String(c.control));
        EXPECT_TRUE(shown.startsWith(QLatin1String(c.shown)))
            << c.control << " shows " << shown.toStdString() << ", expected " << c.shown;
        if (c.jsonPath) {
            EXPECT_EQ(StoredAt(c.jsonPath).asInt(), c.json) << c.jsonPath;
        }
        for (const auto& [path, value] : c.alsoJson) EXPECT_EQ(StoredAt(path).asInt(), value) << path;
        const std::vector<uint8_t> record = Record();
        for (const auto& [offset, value] : c.alsoDevice)
            EXPECT_EQ(record.at(static_cast<size_t>(offset)), value) << "device byte " << offset;
    }
}

std::vector<uint8_t> MouseSweep::DeviceKey(int button) const {
    const std::vector<uint8_t> block = Mouse()->KeyBlock();
    const size_t at = static_cast<size_t>(Slot().mouse->ButtonSlots()[static_cast<size_t>(button)]) * 3;
    if (at + 3 > block.size()) return {};
    return {block[at], block[at + 1], block[at + 2]};
}

std::vector<uint8_t> MouseSweep::StoredKey(int button) const {
    const int assignment = ProfileDevice()["KeyList"][button]["Assignment"].asInt();
    return {static_cast<uint8_t>(assignment >> 16), static_cast<uint8_t>(assignment >> 8),
            static_cast<uint8_t>(assignment)};
}

MouseSweep::MouseMemory MouseSweep::Memory() const {
    return {Mouse()->SettingsMemory(), Mouse()->KeyBlock(), Mouse()->MacroImage(), Mouse()->ShootImage()};
}

namespace {

std::vector<uint8_t> ImageEvent(const std::vector<uint8_t>& image, int entry, int index) {
    const size_t offsetAt = 16 + 2 * static_cast<size_t>(entry);
    if (image.size() < offsetAt + 2) return {};
    const size_t offset = image[offsetAt] | (image[offsetAt + 1] << 8);
    if (image.size() < offset + 4) return {};
    const size_t count = image[offset] | (image[offset + 1] << 8);
    const size_t at = offset + 4 + 4 * static_cast<size_t>(index);
    if (static_cast<size_t>(index) >= count || image.size() < at + 4) return {};
    return {image.begin() + static_cast<long>(at), image.begin() + static_cast<long>(at) + 4};
}

}  // namespace

std::vector<uint8_t> MouseSweep::ShootImageEvent(int entry, int index) const {
    return ImageEvent(Mouse()->ShootImage(), entry, index);
}

std::vector<uint8_t> MouseSweep::MacroImageEvent(int entry, int index) const {
    return ImageEvent(Mouse()->MacroImage(), entry, index);
}

DisplayOnlyList MouseSweep::MouseDisplayOnly() {
    const QString navigation = QStringLiteral("navigation between the page's tabs; stores nothing");
    const QString profiles =
        QStringLiteral("profile command: covered by tests/ui/wiring/profile_commands_test.cpp");
    return {
        {"mouse_device_seting_option_*", navigation},
        {"deng_Op_tab", navigation},
        {"key_Op_tab", navigation},
        {"macro_Op_tab", navigation},
        {"system_Op_tab", navigation},
        {"cursor_Op_tab", navigation},
        {"6533_voice_Op_tab", QStringLiteral("the headset's tab, hidden on the mouse page")},
        {"magic_Op_tab", QStringLiteral("the headset's tab, hidden on the mouse page")},
        {"Virtual7.1_Op_tab", QStringLiteral("the headset's tab, hidden on the mouse page")},
        {"device_profile_combo", profiles},
        {"device_profile_name_edit", profiles},
        {"device_profile_edit_save_btn", profiles},
        {"device_add_btn", profiles},
        {"device_sub_btn", profiles},
        {"device_copy_btn", profiles},
        {"device_import_btn", profiles},
        {"device_export_btn", profiles},
        {"device_reset_btn", profiles},
        {"default_btn", profiles},
        {"profile_fun_spread_btn",
         QStringLiteral("opens the profile menu: covered by tests/ui/wiring/page_controls_test.cpp")},
        {"profile_program_*",
         QStringLiteral(
             "programs bound to a profile: FocusFollowTest.ProfileMenuBindsAndMarksTheSelectedProfile "
             "drives them and checks the list file")},
        {"profile_return_check", QStringLiteral("the return profile: the same focus test drives it")},
        {"windowdeviceset_*",
         QStringLiteral(
             "opens the desktop's mouse settings: covered by tests/ui/wiring/desktop_settings_test.cpp")},
        {"tolva_DPI_*", QStringLiteral("hidden fine-DPI pair that stores nothing: its limits are covered by "
                                       "tests/ui/wiring/page_controls_test.cpp")},
        {"light_combo_custommodeSelect",
         QStringLiteral("the keyboard's custom colour groups, hidden on the mouse page")},
        {"custom_bright_color_btn",
         QStringLiteral("the keyboard's custom colour groups, hidden on the mouse page")},
        {"custom_off_color_btn",
         QStringLiteral("the keyboard's custom colour groups, hidden on the mouse page")},
        {"deng_same_mode",
         QStringLiteral(
             "light sync, offered with two devices: covered by tests/ui/kbpad/light_sync_test.cpp")},
        {"deng_colordp_btn", QStringLiteral("shows the chosen colour; takes no click")},
        {"mouse_device_key_light",
         QStringLiteral("holds the mouse picture; its band selection is the keyboard's")},
        {"Logo", QStringLiteral("a light mark on the mouse picture; takes no click")},
        {"light_*", QStringLiteral("light marks on the mouse picture; take no click")},
        {"shootdate_reset_btn",
         QStringLiteral("resets a preset: covered by tests/ui/shoot/shoot_panel_test.cpp")},
        {"shootdate_import_btn",
         QStringLiteral("preset file import: covered by tests/ui/shoot/shoot_panel_test.cpp")},
        {"shootdate_export_btn",
         QStringLiteral("preset file export: covered by tests/ui/shoot/shoot_panel_test.cpp")},
        {"key_0",
         QStringLiteral(
             "the only left button keeps its function: covered by tests/ui/wiring/page_controls_test.cpp")},
        {"macro_btn_import",
         QStringLiteral("macro file import: covered by tests/ui/keymacro/macro_page_test.cpp")},
        {"macro_btn_export",
         QStringLiteral("macro file export: covered by tests/ui/keymacro/macro_page_test.cpp")},
        {"shoot_gun_op_*", QStringLiteral("chooses which preset is shown; stores nothing")},
        {"bullet_op_*", QStringLiteral("chooses which bullet is shown; stores nothing")},
    };
}

DisplayOnlyList MouseSweep::MouseRestartChanges() {
    const QString session = QStringLiteral("a recording option of the session; no setting");
    return {
        {"macro_check_time", session},
        {"macro_check_nodelay", session},
        {"macro_fixed_time_edit", session},
        {"macro_edit_macroname", QStringLiteral("holds the name typed for a rename")},
        {"macro_event_key_combo", QStringLiteral("the editing area holds the event being typed in")},
        {"macro_event_action_combo", QStringLiteral("the editing area holds the event being typed in")},
        {"macro_tab_macrodelay_edit", QStringLiteral("the editing area holds the event being typed in")},
        {"mouse_x_*", QStringLiteral("the editing area holds the distance being typed in")},
        {"mouse_y_*", QStringLiteral("the editing area holds the distance being typed in")},
    };
}
