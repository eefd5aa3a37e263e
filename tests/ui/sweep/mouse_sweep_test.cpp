// The mouse page of the three mouse models, control by control: what the page shows, what
// the profile file keeps and what the mouse holds agree after each change and after the
// program was started again on the same data and the same, still plugged, mouse.
#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "devices/mouse_device.h"
#include "macros/key_table.h"
#include "mouse_sweep.h"
#include "panels/macro/macro_control_ui.h"
#include "shell/msg_wnd.h"
#include "ui/controls.h"
#include "ui/language_table.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Byte offsets of the settings record (as the mouse's firmware documents them).
constexpr int kMode = 1, kBrightness = 2, kSpeed = 3, kDirection = 4, kColourful = 5, kRed = 6, kGreen = 7,
              kBlue = 8, kPolling = 14, kAst = 54, kMsh = 55, kLogo = 56;
constexpr int kStageX[7] = {15, 17, 19, 21, 24, 26, 28};  // low byte of each stage's X

Json::Value ShootEvent(int type, int button, const char* action, int delay) {
    Json::Value event;
    event["Type"] = type;
    event["Button"] = button;
    event["Action"] = action;
    event["Delay"] = delay;
    return event;
}

Json::Value MacroEvent(int type, int button, const char* action, const char* delay) {
    Json::Value event;
    event["Type"] = type;
    event["Button"] = button;
    event["Action"] = action;
    event["Delay"] = delay;
    return event;
}

QString FunctionName(int number) {
    return CLanguageTable::Instance().Text(QStringLiteral("keyset_function_%1").arg(number));
}

}  // namespace

// ---- every control of the page, on each of the three models ----

class MousePageSweep : public MouseSweep, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        MouseSweep::SetUp();
        if (HasFatalFailure()) return;
        OpenMouse(GetParam());
    }

    // What the mouse holds for a stage's slider position: sensor 0x3389 counts from 1.
    int StageOnWire(int position) const {
        return Mouse()->Model().sensor == 0x3389 ? position + 1 : position;
    }
    // What the mouse holds for a light speed: the wired models hold 4 - speed.
    int SpeedOnWire(int speed) const { return Mouse()->Model().wireless ? speed : 4 - speed; }

    void SweepDpiAndSystem();
    void SweepLighting();
    void SweepKeys();
    void SweepMacro();
    void SweepGun();
};

void MousePageSweep::SweepDpiAndSystem() {
    ShowTab("mouse_device_seting_option_0");
    ShowTab("cursor_Op_tab");
    // Every stage's three controls: the slider dragged, a DPI typed, the stage switched off
    // and on again. Position p stands for 100 + 50 p DPI up to the knee of sensor 0x3327.
    for (int stage = 0; stage < 7; ++stage) {
        SCOPED_TRACE(stage);
        const QString n = QString::number(stage);
        const std::string stored = "DPIStages/StageDPIs/" + std::to_string(stage) + "/";
        DragAndRelease("DPI_slider_" + n, 20 + stage);
        EXPECT_TRUE(Settle([&] { return Record()[kStageX[stage]] == StageOnWire(20 + stage); }));
        EXPECT_EQ(Shown("DPI_edit_" + n), QStringLiteral("text '%1'").arg(100 + 50 * (20 + stage)));
        EXPECT_EQ(StoredAt(stored + "StageDPIX").asInt(), 20 + stage);
        TypeAndLeave("DPI_edit_" + n, QString::number(100 + 50 * (30 + stage)));
        EXPECT_TRUE(Settle([&] { return Record()[kStageX[stage]] == StageOnWire(30 + stage); }));
        EXPECT_EQ(Shown("DPI_slider_" + n), QStringLiteral("value %1").arg(30 + stage));
        EXPECT_EQ(StoredAt(stored + "StageDPIX").asInt(), 30 + stage);
        Tick("DPI_enable_check_" + n, false);
        EXPECT_TRUE(Settle());
        EXPECT_EQ(StoredAt(stored + "StageActive").asInt(), 0);
        Tick("DPI_enable_check_" + n, true);
        EXPECT_TRUE(Settle());
        EXPECT_EQ(StoredAt(stored + "StageActive").asInt(), 1);
    }
    RunCases({
        {"typed DPI, then the field left: (2350 - 100) / 50 = position 45",
         [&] { TypeAndLeave("DPI_edit_2", "2350"); }, "DPI_edit_2", "text '2350'",
         "DPIStages/StageDPIs/2/StageDPIX", 45, kStageX[2], StageOnWire(45)},
        // Commits on Enter once edit boxes take Enter as they take leaving the field.
        {"typed DPI, then Enter: position 60", [&] { TypeAndEnter("DPI_edit_5", "3100"); }, "DPI_slider_5",
         "value 60", "DPIStages/StageDPIs/5/StageDPIX", 60, kStageX[5], StageOnWire(60)},
        {"slider dragged to 50 and released: 2600 DPI shown", [&] { DragAndRelease("DPI_slider_3", 50); },
         "DPI_edit_3", "text '2600'", "DPIStages/StageDPIs/3/StageDPIX", 50, kStageX[3], StageOnWire(50)},
        {"stage 4 switched off (the record has no stage flag: its X stays)",
         [&] { Tick("DPI_enable_check_4", false); }, "DPI_enable_check_4", "checked 0",
         "DPIStages/StageDPIs/4/StageActive", 0, -1, 0},
    });
    ShowTab("system_Op_tab");
    // Each polling rate option; option 1 stays chosen.
    for (int option : {0, 2, 4, 3, 1}) {
        SCOPED_TRACE(option);
        Click(QStringLiteral("polling_rate_option_%1").arg(option));
        EXPECT_TRUE(Settle([&] { return Record()[kPolling] == option; }));
        EXPECT_TRUE(Shown(QStringLiteral("polling_rate_option_%1").arg(option))
                        .startsWith(QStringLiteral("checked 1")));
        EXPECT_EQ(StoredAt("ReportStages/StageActive").asInt(), option);
    }
    RunCases({
        {"AST item 1", [&] { Choose("AST_set_comboSelect", 1); }, "AST_set_comboSelect", "index 1 '",
         "SystemStages/ASTSelectItem", 1, kAst, 1},
        {"MSH item 1", [&] { Choose("MSH_set_comboSelect", 1); }, "MSH_set_comboSelect", "index 1 '",
         "SystemStages/MSHSelectItem", 1, kMsh, 1},
        {"LOGO item 1", [&] { Choose("Logolight_combo_modeSelect", 1); }, "Logolight_combo_modeSelect",
         "index 1 '", "SystemStages/LOGOSelectItem", 1, kLogo, 1},
        // The pointer values belong to the desktop: kept in the profile, never on the mouse.
        {"pointer speed 4", [&] { DragAndRelease("pointer_speed_slider", 4); }, "pointer_speed_slider",
         "value 4", "SystemStages/MouseSpeed", 4},
        {"pointer precision off", [&] { Tick("pointer_precision_check", false); }, "pointer_precision_check",
         "checked 0", "SystemStages/PointerPrecision", 0},
        {"scrolling by page", [&] { Tick("scrolls_page_check", true); }, "scrolls_page_check", "checked 1",
         "SystemStages/ScorllPage", 1},
        {"7 lines per notch end scrolling by page", [&] { DragAndRelease("scroll_speed_slider", 7); },
         "scrolls_page_check", "checked 0", "SystemStages/WheelScorlllinse", 7},
        {"double-click speed 3", [&] { DragAndRelease("double_click_slider", 3); }, "double_click_slider",
         "value 3", "SystemStages/DoubleClickTime", 3},
    });
}

void MousePageSweep::SweepLighting() {
    ShowTab("mouse_device_seting_option_0");
    ShowTab("deng_Op_tab");
    const auto paletteTop = [&] {
        QWidget* palette = Control("deng_Color_Pallet");
        ASSERT_NE(palette, nullptr);
        ClickAt("deng_Color_Pallet", QPoint(palette->width() / 2, 0));
    };
    RunCases({
        // Mode 2 offers brightness, speed, colours and the colourful option.
        {"mode 2", [&] { Choose("light_combo_modeSelect", 2); }, "light_combo_modeSelect", "index 2 '",
         "LightInfo/SelectItem", 2, kMode, 2},
        {"brightness 2", [&] { DragAndRelease("deng_light_slider", 2); }, "deng_light_slider", "value 2",
         "LightInfo/Light", 2, kBrightness, 2},
        {"speed 1", [&] { DragAndRelease("deng_speed_slider", 1); }, "deng_speed_slider", "value 1",
         "LightInfo/Speed", 1, kSpeed, SpeedOnWire(1)},
        {"swatch 1 is orange FF8000",
         [&] { Click("color_option_1"); },
         "deng_edit_G",
         "text '128'",
         "LightInfo/Green",
         128,
         kGreen,
         128,
         {{"LightInfo/Red", 255}, {"LightInfo/Blue", 0}},
         {{kRed, 255}, {kBlue, 0}}},
        {"colourful", [&] { Tick("deng_7color_check", true); }, "deng_7color_check", "checked 1",
         "LightInfo/MultiColor", 1, kColourful, 1},
        {"the palette's top edge is white; a colour ends colourful",
         paletteTop,
         "deng_edit_B",
         "text '255'",
         "LightInfo/Blue",
         255,
         kBlue,
         255,
         {{"LightInfo/Red", 255}, {"LightInfo/Green", 255}, {"LightInfo/MultiColor", 0}},
         {{kRed, 255}, {kGreen, 255}, {kColourful, 0}}},
    });
    // Every swatch gives the colour it shows.
    for (int n = 0; n < 8; ++n) {
        const QString name = QStringLiteral("color_option_%1").arg(n);
        SCOPED_TRACE(name.toStdString());
        QWidget* swatch = Control(name);
        ASSERT_NE(swatch, nullptr);
        const QColor colour(swatch->property("bkcolor").toString());
        ASSERT_TRUE(colour.isValid());
        Click(name);
        EXPECT_TRUE(Settle([&] {
            const Bytes record = Record();
            return record[kRed] == colour.red() && record[kGreen] == colour.green() &&
                   record[kBlue] == colour.blue();
        }));
        EXPECT_EQ(StoredAt("LightInfo/Red").asInt(), colour.red());
        EXPECT_EQ(StoredAt("LightInfo/Green").asInt(), colour.green());
        EXPECT_EQ(StoredAt("LightInfo/Blue").asInt(), colour.blue());
        EXPECT_EQ(Shown("deng_edit_R"), QStringLiteral("text '%1'").arg(colour.red()));
        EXPECT_EQ(Shown("deng_edit_B"), QStringLiteral("text '%1'").arg(colour.blue()));
    }
    RunCases({
        {"red typed, field left", [&] { TypeAndLeave("deng_edit_R", "16"); }, "deng_edit_R", "text '16'",
         "LightInfo/Red", 16, kRed, 16},
        // Commits on Enter once edit boxes take Enter as they take leaving the field.
        {"green typed, Enter", [&] { TypeAndEnter("deng_edit_G", "32"); }, "deng_edit_G", "text '32'",
         "LightInfo/Green", 32, kGreen, 32},
        {"blue typed past 255 is kept and shown as 255", [&] { TypeAndLeave("deng_edit_B", "300"); },
         "deng_edit_B", "text '255'", "LightInfo/Blue", 255, kBlue, 255},
        // Mode 3 offers the direction.
        {"mode 3", [&] { Choose("light_combo_modeSelect", 3); }, "light_combo_modeSelect", "index 3 '",
         "LightInfo/SelectItem", 3, kMode, 3},
        {"direction left", [&] { Click("deng_FXL_check"); }, "deng_FXL_check", "checked 1", "LightInfo/Fx", 1,
         kDirection, 1},
        {"direction right", [&] { Click("deng_FXR_check"); }, "deng_FXR_check", "checked 1", "LightInfo/Fx",
         0, kDirection, 0},
        {"direction left again", [&] { Click("deng_FXL_check"); }, "deng_FXL_check", "checked 1",
         "LightInfo/Fx", 1, kDirection, 1},
    });
}

void MousePageSweep::SweepKeys() {
    ShowTab("mouse_device_seting_option_0");
    ShowTab("key_Op_tab");
    struct KeyCase {
        const char* what;
        int button;
        int function;
        std::function<void()> options;
        Bytes device;
    };
    const KeyCase cases[] = {
        {"right button", 3, 1, [&] { Choose("keyset_mousekey_combo", 2); }, {0x10, 0x02, 0x00}},
        {"middle button on the right button",
         1,
         1,
         [&] { Choose("keyset_mousekey_combo", 1); },
         {0x10, 0x04, 0x00}},
        {"swing right 5, delay 2, speed 3",
         3,
         2,
         [&] {
             Choose("keyset_mouseswing_combo", 1);
             TypeAndLeave("keyset_mouseswing_num_edit", "5");
             TypeAndLeave("keyset_mouseswing_delay_edit", "2");
             TypeAndLeave("keyset_mouseswing_speed_edit", "3");
         },
         {0x11, 0x23, 0x85}},
        {"wheel down 3, delay 1, speed 4",
         3,
         3,
         [&] {
             Choose("keyset_mousewheel_combo", 1);
             TypeAndLeave("keyset_mousewheel_num_edit", "3");
             TypeAndLeave("keyset_mousewheel_delay_edit", "1");
             TypeAndLeave("keyset_mousewheel_speed_edit", "4");
         },
         {0x12, 0x14, 0xFD}},
        {"DPI cycle", 3, 4, [&] { Choose("keyset_mousedpi_combo", 2); }, {0x13, 0x03, 0x00}},
        {"rapid fire every 20 ms, 3 shots",
         3,
         5,
         [&] {
             TypeAndLeave("keyset_mousefire_interval_edit", "20");
             TypeAndLeave("keyset_mousefire_num_edit", "3");
         },
         {0x14, 20, 3}},
        {"system key: sleep", 3, 8, [&] { Choose("keyset_system_combo", 1); }, {0x40, 0x02, 0x00}},
        {"Ctrl+C from the combination list",
         3,
         11,
         [&] { Choose("keyset_combokey_combo", 4); },
         {0x20, 0x01, 0x06}},
        {"gun preset 2", 5, 10, [&] { Choose("keyset_gunkey_combo", 1); }, {0x72, 0x01, 0x00}},
        {"media: play/pause", 6, 7, [&] { Choose("keyset_media_combo", 1); }, {0x30, 0xCD, 0x00}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        Click(QStringLiteral("key_%1").arg(c.button));
        Choose("keyset_function_combo", FunctionName(c.function));
        c.options();
        EXPECT_TRUE(Settle([&] { return DeviceKey(c.button) == c.device; }))
            << "the mouse holds another assignment";
        EXPECT_EQ(StoredKey(c.button), c.device);
        EXPECT_TRUE(Shown("keyset_function_combo")
                        .contains(QLatin1Char('\'') + FunctionName(c.function) + QLatin1Char('\'')))
            << Shown("keyset_function_combo").toStdString();
    }

    // A keyboard key: C taken from the window's key events while the key field has the
    // focus, then each modifier option applied with it.
    Click("key_2");
    Choose("keyset_function_combo", FunctionName(6));
    auto* keyField = qobject_cast<QLineEdit*>(Control("keyset_keyboard_text_edit"));
    ASSERT_NE(keyField, nullptr);
    ASSERT_TRUE(GiveFocus(keyField));
    QTest::keyClick(keyField, Qt::Key_C);
    Driven("keyset_keyboard_text_edit");
    EXPECT_EQ(Shown("keyset_keyboard_text_edit"), QStringLiteral("text 'C'"));
    const struct {
        int option;
        uint8_t bits;
    } modifiers[] = {{1, 0x01}, {3, 0x04}, {4, 0x08}, {0, 0x00}, {2, 0x02}};  // Ctrl, Alt, Win, none, Shift
    for (const auto& m : modifiers) {
        SCOPED_TRACE(m.option);
        Tick(QStringLiteral("key_ComBox_check_%1").arg(m.option));
        Click("key_butt_keysave");
        EXPECT_TRUE(Settle([&] { return DeviceKey(2) == Bytes{0x20, m.bits, 0x06}; }));
        EXPECT_EQ(StoredKey(2), (Bytes{0x20, m.bits, 0x06}));
    }

    // Default shows the key's default without storing it; Cancel brings back what is
    // stored; Default then Apply stores the default the mouse came with.
    const size_t slot3 = static_cast<size_t>(Slot().mouse->ButtonSlots()[3]) * 3;
    const Bytes factory3(Mouse()->Model().factoryKeys.begin() + static_cast<long>(slot3),
                         Mouse()->Model().factoryKeys.begin() + static_cast<long>(slot3) + 3);
    Click("key_3");
    Click("key_butt_keydefalut");
    EXPECT_TRUE(
        Shown("keyset_function_combo").contains(QLatin1Char('\'') + FunctionName(0) + QLatin1Char('\'')));
    EXPECT_EQ(DeviceKey(3), (Bytes{0x20, 0x01, 0x06}));
    Click("key_butt_keycancel");
    // Ctrl+C is a keyboard key with a modifier: it shows as one, whichever list gave it.
    EXPECT_TRUE(
        Shown("keyset_function_combo").contains(QLatin1Char('\'') + FunctionName(6) + QLatin1Char('\'')));
    Click("key_butt_keydefalut");
    Click("key_butt_keysave");
    EXPECT_TRUE(Settle([&] { return DeviceKey(3) == factory3; }));
    EXPECT_EQ(StoredKey(3), factory3);

    // Writing the keys once more leaves the mouse holding what the profile keeps.
    Click("key_butt_prosave");
    EXPECT_TRUE(Settle());
    for (int button : {2, 3, 5, 6}) EXPECT_EQ(DeviceKey(button), StoredKey(button)) << button;
}

void MousePageSweep::SweepGun() {
    ShowTab("mouse_device_seting_option_1");
    Click("shoot_gun_op_1");
    Click("bullet_op_2");
    EXPECT_EQ(Shown("bullet_select_index"), QStringLiteral("text '3'"));
    const std::string preset = UserFile("ShootData_1.Shoot");
    constexpr int kX = 2 * 6 + 2, kY = kX + 1;  // bullet 2's moves: 6 events per bullet
    // Bullet 2 of preset 2 ships as 0 right-wards (5 ms) and 1 down (55 ms).
    ASSERT_EQ(ReadJsonFile(preset)["Events"][kX], ShootEvent(4, 0, "down", 5));
    ASSERT_EQ(ReadJsonFile(preset)["Events"][kY], ShootEvent(5, 1, "up", 55));

    // A direction is stored the moment it is switched, like any other edit.
    Click("bullet_x_check");
    EXPECT_EQ(ReadJsonFile(preset)["Events"][kX]["Action"].asString(), "up");
    Click("bullet_y_check");
    EXPECT_EQ(ReadJsonFile(preset)["Events"][kY]["Action"].asString(), "down");
    // Commits on Enter once edit boxes take Enter as they take leaving the field.
    TypeAndEnter("bullet_x_eidt", "12");
    EXPECT_EQ(ReadJsonFile(preset)["Events"][kX]["Button"].asInt(), 12);
    TypeAndLeave("bullet_y_eidt", "30");
    TypeAndLeave("bullet_delay_eidt", "45");
    EXPECT_EQ(ReadJsonFile(preset)["Events"][kX], ShootEvent(4, 12, "up", 5));
    EXPECT_EQ(ReadJsonFile(preset)["Events"][kY], ShootEvent(5, 30, "down", 45));
    EXPECT_EQ(Shown("bullet_x_eidt"), QStringLiteral("text '12'"));
    EXPECT_EQ(Shown("bullet_y_eidt"), QStringLiteral("text '30'"));
    EXPECT_EQ(Shown("bullet_delay_eidt"), QStringLiteral("text '45'"));

    Click("shootdate_save_btn");
    // Each event as 4 bytes: delay (u16 LE), type with 0x80 for "down", amount.
    EXPECT_TRUE(Settle([&] { return ShootImageEvent(1, kX) == Bytes{5, 0, 0x04, 12}; }));
    EXPECT_EQ(ShootImageEvent(1, kY), (Bytes{45, 0, 0x85, 30}));

    // The arrows step through the bullets; what shows is the stored bullet.
    Click("bullet_selected_next");
    EXPECT_EQ(Shown("bullet_select_index"), QStringLiteral("text '4'"));
    Click("bullet_selected_prev");
    EXPECT_EQ(Shown("bullet_select_index"), QStringLiteral("text '3'"));
    EXPECT_EQ(Shown("bullet_x_eidt"), QStringLiteral("text '12'"));
}

void MousePageSweep::SweepMacro() {
    ShowTab("mouse_device_seting_option_0");
    ShowTab("macro_Op_tab");
    auto* panel = Page()->findChild<CMacroControlUI*>();
    ASSERT_NE(panel, nullptr);
    const auto macroEvents = [&](int macro) {
        return ReadJsonFile(panel->Store().MacroFile(macro))["Events"];
    };

    const QString lightMode = Shown("light_combo_modeSelect");
    Click("macro_btn_name_add");
    EXPECT_EQ(ReadJsonFile(UserFile("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "macro_1");
    // The lists are read again for the new macro; the lighting still shows the mode it runs.
    EXPECT_EQ(Shown("light_combo_modeSelect"), lightMode);
    EXPECT_TRUE(
        lightMode.startsWith(QStringLiteral("index %1 '").arg(StoredAt("LightInfo/SelectItem").asInt())));
    // Every event recorded 80 ms after the one before.
    Tick("macro_check_time", true);
    TypeAndLeave("macro_fixed_time_edit", "80");

    // The key A and a left click on the page, as the window receives them. The clicks on
    // Start and Stop are no part of the macro (fixed with the recording rework).
    Click("macro_btn_starredio");
    ASSERT_TRUE(panel->Recording());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Page(), Qt::Key_A);
    QWidget* label = nullptr;
    for (QLabel* candidate : panel->findChildren<QLabel*>())
        if (candidate->isVisible() && !candidate->text().isEmpty()) label = candidate;
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
    Click("macro_btn_stopredio");
    EXPECT_FALSE(panel->Recording());

    const Json::Value recorded = macroEvents(0);
    ASSERT_EQ(recorded.size(), 4u) << recorded.toStyledString();
    EXPECT_EQ(recorded[0], MacroEvent(10, 4, "down", "80"));  // key usage 4: A
    EXPECT_EQ(recorded[1], MacroEvent(10, 4, "up", "80"));
    EXPECT_EQ(recorded[2], MacroEvent(1, 1, "down", "80"));  // button bit 1: left
    EXPECT_EQ(recorded[3], MacroEvent(1, 1, "up", "80"));
    // The mouse's macro image: delay (u16 LE), type with 0x80 for "down", key or button.
    EXPECT_TRUE(Settle([&] { return MacroImageEvent(0, 0) == Bytes{80, 0, 0x8A, 4}; }));
    EXPECT_EQ(MacroImageEvent(0, 1), (Bytes{80, 0, 0x0A, 4}));
    EXPECT_EQ(MacroImageEvent(0, 2), (Bytes{80, 0, 0x81, 1}));
    EXPECT_EQ(MacroImageEvent(0, 3), (Bytes{80, 0, 0x01, 1}));

    // "No delays" and "Fixed delay" exclude each other (fixed with the macro page rework).
    Tick("macro_check_nodelay", true);
    EXPECT_TRUE(Shown("macro_check_time").startsWith(QStringLiteral("checked 0")));
    Tick("macro_check_time", true);
    EXPECT_TRUE(Shown("macro_check_nodelay").startsWith(QStringLiteral("checked 0")));

    // The first event edited in the editing area: B pressed, 70 ms.
    ChooseRow("macro_action_list", 0);
    Choose("macro_event_key_combo", static_cast<int>(*macros::FindWordRow("b")));
    Choose("macro_event_action_combo", 0);
    TypeAndLeave("macro_tab_macrodelay_edit", "70");
    Click("macro_btn_event_set");
    EXPECT_EQ(macroEvents(0)[0], MacroEvent(10, 5, "down", "70"));
    EXPECT_TRUE(Settle([&] { return MacroImageEvent(0, 0) == Bytes{70, 0, 0x8A, 5}; }));

    // Row commands: each is saved and sent at once. C (usage 6) pressed with 5 ms is put
    // after the last row, then moved through the list.
    const auto eventAt = [&](int row) { return macroEvents(0)[row]; };
    const Json::Value c = MacroEvent(10, 6, "down", "5");
    ChooseRow("macro_action_list", 3);
    Choose("macro_event_key_combo", static_cast<int>(*macros::FindWordRow("c")));
    Choose("macro_event_action_combo", 0);
    TypeAndLeave("macro_tab_macrodelay_edit", "5");
    Click("macro_btn_event_insert");
    ASSERT_EQ(macroEvents(0).size(), 5u);
    EXPECT_EQ(eventAt(4), c);
    const struct {
        const char* button;
        int from, to;
    } moves[] = {{"macro_btn_uptop", 4, 0},
                 {"macro_btn_down", 0, 1},
                 {"macro_btn_downbottom", 1, 4},
                 {"macro_btn_up", 4, 3}};
    for (const auto& m : moves) {
        SCOPED_TRACE(m.button);
        ChooseRow("macro_action_list", m.from);
        Click(m.button);
        EXPECT_EQ(eventAt(m.to), c);
        EXPECT_TRUE(Settle([&] { return MacroImageEvent(0, m.to) == Bytes{5, 0, 0x8A, 6}; }));
    }
    ChooseRow("macro_action_list", 3);
    Click("macro_btn_delete");
    EXPECT_EQ(macroEvents(0).size(), 4u);
    EXPECT_TRUE(Settle([&] { return MacroImageEvent(0, 3) == Bytes{80, 0, 0x01, 1}; }));
    // Saving again changes nothing; Cancel shows what the file holds.
    Click("macro_btn_save");
    Click("macro_btn_cancel");
    EXPECT_EQ(macroEvents(0).size(), 4u);
    EXPECT_EQ(qobject_cast<QListWidget*>(Control("macro_action_list"))->count(), 4);

    // A copy, emptied and deleted: the list file follows, the first macro stays.
    Click("macro_btn_name_copy");
    ASSERT_EQ(ReadJsonFile(UserFile("macro.config"))["MacroInfo"].size(), 2u);
    ChooseRow("macro_name_list", 1);
    EXPECT_EQ(macroEvents(1), macroEvents(0));
    Click("macro_btn_deleteall");
    EXPECT_EQ(macroEvents(1).size(), 0u);
    // Pointer moves from the editing area, placed like recorded events: "Fixed delay" is
    // ticked, so each gets its 80 ms. A distance past 255 is kept as 255 and shown so.
    const struct {
        const char* edit;
        const char* button;
        const char* typed;
        int type, distance;
        const char* action;
    } moves2[] = {{"mouse_x_left_edit", "macro_inset_moveleftkey_btn", "12", 4, 12, "down"},
                  {"mouse_x_right_edit", "macro_inset_moverightkey_btn", "34", 4, 34, "up"},
                  {"mouse_y_up_edit", "macro_inset_moveupkey_btn", "300", 5, 255, "down"},
                  {"mouse_y_down_edit", "macro_inset_movedownkey_btn", "56", 5, 56, "up"}};
    for (const auto& m : moves2) {
        SCOPED_TRACE(m.button);
        const Json::ArrayIndex at = macroEvents(1).size();
        TypeAndLeave(m.edit, m.typed);
        Click(m.button);
        EXPECT_EQ(macroEvents(1)[at], MacroEvent(m.type, m.distance, m.action, "80"));
        EXPECT_EQ(Shown(m.edit), QStringLiteral("text '%1'").arg(m.distance));
        const uint8_t typeByte = static_cast<uint8_t>(m.type | (std::string(m.action) == "down" ? 0x80 : 0));
        EXPECT_TRUE(Settle([&] {
            return MacroImageEvent(1, static_cast<int>(at)) ==
                   Bytes{80, 0, typeByte, static_cast<uint8_t>(m.distance)};
        }));
    }
    CMsgWnd::SetNextAnswer(1);
    Click("macro_btn_name_sub");
    EXPECT_EQ(ReadJsonFile(UserFile("macro.config"))["MacroInfo"].size(), 1u);
    ChooseRow("macro_name_list", 0);
    EXPECT_EQ(macroEvents(0).size(), 4u);

    // Renamed: the list file and the key panel's macro list follow.
    TypeAndLeave("macro_edit_macroname", "Burst");
    Click("macro_btn_name_edit");
    EXPECT_EQ(ReadJsonFile(UserFile("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "Burst");

    // Assigned to button 4, chosen in the Keys list: while held, then 300 repeats (kept as 255).
    ShowTab("key_Op_tab");
    ChooseRow("device_setkeyinfo_list", 4);
    Choose("keyset_function_combo", FunctionName(9));
    Choose("keyset_macro_combo", 0);
    EXPECT_TRUE(Shown("keyset_macro_combo").startsWith(QStringLiteral("index 0 'Burst'")));
    Choose("keyset_macro_over_combo", 1);
    EXPECT_TRUE(Settle([&] { return DeviceKey(4) == Bytes{0x70, 0x00, 0x01}; }));
    EXPECT_EQ(StoredKey(4), (Bytes{0x70, 0x00, 0x01}));
    Choose("keyset_macro_over_combo", 4);
    TypeAndLeave("keyset_macro_cycle_edit", "300");
    EXPECT_TRUE(Settle([&] { return DeviceKey(4) == Bytes{0x71, 0x00, 0xFF}; }));
    EXPECT_EQ(StoredKey(4), (Bytes{0x71, 0x00, 0xFF}));
    EXPECT_EQ(Shown("keyset_macro_cycle_edit"), QStringLiteral("text '255'"));
}

TEST_P(MousePageSweep, EveryControlAgreesWithFileAndMouseAndComesBackAfterRestart) {
    SweepDpiAndSystem();
    SweepLighting();
    SweepKeys();
    SweepMacro();
    SweepGun();

    // The program starts again on the same data and the same mouse: each tab comes back as
    // it was left. Each tab is looked at on the same view before and after: preset 2 bullet
    // 3 of the gun presets, the first macro, button 4 open on the Keys tab.
    const std::vector<std::pair<const char*, std::function<void()>>> views = {
        {"gun presets",
         [&] {
             ShowTab("mouse_device_seting_option_0");
             ShowTab("deng_Op_tab");
             ShowTab("mouse_device_seting_option_1");
             Click("shoot_gun_op_1");
             Click("bullet_op_2");
         }},
        {"lighting",
         [&] {
             ShowTab("mouse_device_seting_option_0");
             ShowTab("deng_Op_tab");
         }},
        {"keys",
         [&] {
             ShowTab("mouse_device_seting_option_0");
             ShowTab("key_Op_tab");
             Click("key_4");
         }},
        {"macros",
         [&] {
             ShowTab("mouse_device_seting_option_0");
             ShowTab("macro_Op_tab");
             ChooseRow("macro_name_list", 0);
         }},
        {"system", [&] { ShowTab("system_Op_tab"); }},
        {"DPI", [&] { ShowTab("cursor_Op_tab"); }},
    };
    std::vector<ShownState> before;
    for (const auto& view : views) {
        view.second();
        before.push_back(Snapshot());
    }
    const MouseMemory memory = Memory();
    Restart();
    ASSERT_NE(Page(), nullptr);
    for (size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(views[i].first);
        views[i].second();
        ExpectSameShown(before[i], Snapshot(), MouseRestartChanges());
    }
    // Reading the mouse again changes nothing it holds.
    EXPECT_TRUE(Memory() == memory);

    CoverageCheck(GetParam(), MouseDisplayOnly());
}

INSTANTIATE_TEST_SUITE_P(Models, MousePageSweep, ::testing::Values("mouse", "mouse3389", "mousewl"));

// ---- what differs between the models: the sensor's DPI rule ----

class MouseSensorRule : public MouseSweep, public ::testing::WithParamInterface<const char*> {};

TEST_P(MouseSensorRule, TypedDpiIsShownStoredAndHeldByTheSensorsRule) {
    struct Case {
        const char* model;
        const char* typed;
        const char* shown;
        int position;
        Bytes device;  // the stage's X as the mouse holds it (u16 LE)
    };
    const Case cases[] = {
        // 0x3327, step 50 from 100: the step doubles above 6200 DPI; 12000 at most.
        {"mouse", "2350", "2350", 45, {45, 0}},
        {"mouse", "7200", "7200", 70, {70, 0}},
        {"mouse", "99999", "12000", 118, {118, 0}},
        {"mousewl", "7200", "7200", 70, {70, 0}},
        // 0x3389, step 50 from 100 up to 16000, no knee; the mouse counts positions from 1.
        {"mouse3389", "2350", "2350", 45, {46, 0}},
        {"mouse3389", "7200", "7200", 142, {143, 0}},
        {"mouse3389", "99999", "16000", 318, {0x3F, 0x01}},
        {"mouse3389", "50", "100", 0, {1, 0}},
    };
    OpenMouse(GetParam());
    ShowTab("mouse_device_seting_option_0");
    ShowTab("cursor_Op_tab");
    for (const Case& c : cases) {
        if (std::string(c.model) != GetParam()) continue;
        SCOPED_TRACE(c.typed);
        TypeAndLeave("DPI_edit_1", c.typed);
        EXPECT_TRUE(Settle([&] {
            const Bytes record = Record();
            return Bytes{record[kStageX[1]], record[kStageX[1] + 1]} == c.device;
        }));
        EXPECT_EQ(Shown("DPI_edit_1"), QStringLiteral("text '%1'").arg(QLatin1String(c.shown)));
        EXPECT_EQ(Shown("DPI_slider_1"), QStringLiteral("value %1").arg(c.position));
        EXPECT_EQ(StoredAt("DPIStages/StageDPIs/1/StageDPIX").asInt(), c.position);
    }
    // The last one comes back after a restart.
    const ShownState before = Snapshot();
    Restart();
    ShowTab("mouse_device_seting_option_0");
    ShowTab("cursor_Op_tab");
    ExpectSameShown(before, Snapshot());
}

INSTANTIATE_TEST_SUITE_P(Models, MouseSensorRule, ::testing::Values("mouse", "mouse3389", "mousewl"));
