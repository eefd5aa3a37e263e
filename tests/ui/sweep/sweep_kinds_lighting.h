#pragma once
// The lighting panel's sweep, the same for the keyboard, the mouse pad and the headset: each
// control driven in turn; after each change the panel, the profile's "LightInfo" and the
// device's lighting bytes agree, field by field, and hold the value the case expects.
//
// The device's bytes of its lighting: 1 mode, 2 brightness, 3 speed turned over (4 - level),
// 4 direction, 5 colourful, 6-8 red, green, blue.
#include "sweep_kinds_fixture.h"

#include "panels/light/color_palette_ui.h"

namespace kinds_sweep {

// A lighting field as the three views hold it.
struct LightField {
    const char* json;                    // member of "LightInfo"
    size_t byte;                         // byte of the device's lighting bytes
    bool turnedOver;                     // the device keeps 4 - value
    std::function<int(QWidget*)> shown;  // what the panel shows
};

class LightingSweep : public KindsSweep {
protected:
    enum class Act { Choose, Drag, Click, Tick, TypeAndLeave, TypeAndEnter, Pick };
    struct Case {
        const char* control;
        Act act;
        int input;  // item, position, number typed, state ticked; for Pick the palette's x in percent
        // Expected afterwards, field by field (-1: not checked by value, only agreement).
        int mode, brightness, speed, direction, colourful, red, green, blue;
    };

    static std::vector<LightField> Fields() {
        auto value = [](const char* name) {
            return [name](QWidget* page) { return GetValue(FindControl(page, QLatin1String(name))); };
        };
        auto edit = [](const char* name) {
            return [name](QWidget* page) { return GetText(FindControl(page, QLatin1String(name))).toInt(); };
        };
        return {
            {"SelectItem", 1, false,
             [](QWidget* page) {
                 return GetCurSel(FindControl(page, QStringLiteral("light_combo_modeSelect")));
             }},
            {"Light", 2, false, value("deng_light_slider")},
            {"Speed", 3, true, value("deng_speed_slider")},
            {"Fx", 4, false,
             [](QWidget* page) {
                 return IsSelected(FindControl(page, QStringLiteral("deng_FXL_check"))) ? 1 : 0;
             }},
            {"MultiColor", 5, false,
             [](QWidget* page) {
                 return IsSelected(FindControl(page, QStringLiteral("deng_7color_check"))) ? 1 : 0;
             }},
            {"Red", 6, false, edit("deng_edit_R")},
            {"Green", 7, false, edit("deng_edit_G")},
            {"Blue", 8, false, edit("deng_edit_B")},
        };
    }

    // The cases in order: a mode that uses every control first, then each control, and a
    // last mode so that the restart sees a mode other than the first.
    static std::vector<Case> Cases() {
        constexpr int _ = -1;
        return {
            {"light_combo_modeSelect", Act::Choose, 1, 1, _, _, _, _, _, _, _},
            {"light_combo_modeSelect", Act::Choose, 0, 0, _, _, _, _, _, _, _},
            {"deng_light_slider", Act::Drag, 1, 0, 1, _, _, _, _, _, _},
            {"deng_speed_slider", Act::Drag, 3, 0, 1, 3, _, _, _, _, _},
            {"deng_FXL_check", Act::Click, 0, 0, 1, 3, 1, _, _, _, _},
            {"deng_FXR_check", Act::Click, 0, 0, 1, 3, 0, _, _, _, _},
            {"deng_FXL_check", Act::Click, 0, 0, 1, 3, 1, _, _, _, _},
            {"deng_7color_check", Act::Tick, 1, 0, 1, 3, 1, 1, _, _, _},
            // A colour ends the colourful cycle.
            {"color_option_1", Act::Click, 0, 0, 1, 3, 1, 0, 0xFF, 0x80, 0x00},
            {"color_option_3", Act::Click, 0, 0, 1, 3, 1, 0, 0x00, 0xFF, 0x00},
            {"deng_edit_R", Act::TypeAndLeave, 17, 0, 1, 3, 1, 0, 17, 0xFF, 0x00},
            // Commits on Enter as on leaving the field.
            {"deng_edit_G", Act::TypeAndEnter, 34, 0, 1, 3, 1, 0, 17, 34, 0x00},
            // Above 255 the edit holds 255.
            {"deng_edit_B", Act::TypeAndLeave, 300, 0, 1, 3, 1, 0, 17, 34, 255},
            {"deng_Color_Pallet", Act::Pick, 70, 0, 1, 3, 1, 0, _, _, _},
            {"light_combo_modeSelect", Act::Choose, 2, 2, _, _, _, _, _, _, _},
        };
    }

    void Drive(const Case& c) {
        switch (c.act) {
        case Act::Choose:
            Choose(c.control, c.input);
            break;
        case Act::Drag:
            DragAndRelease(c.control, c.input);
            break;
        case Act::Click:
            Click(c.control);
            break;
        case Act::Tick:  // clicked until it shows the state asked for
            Drove(c.control);
            for (int clicks = 0; clicks < 2 && Selected(c.control) != (c.input != 0); ++clicks)
                Click(c.control);
            break;
        case Act::TypeAndLeave:
            TypeAndLeave(c.control, QString::number(c.input));
            break;
        case Act::TypeAndEnter:
            TypeAndEnter(c.control, QString::number(c.input));
            break;
        case Act::Pick: {
            Drove(c.control);
            auto* palette = qobject_cast<CColorPaletteUI*>(Control(c.control));
            ASSERT_NE(palette, nullptr);
            const QPoint at(palette->width() * c.input / 100, palette->height() / 3);
            pickedColour = palette->ColourAt(at) & 0xFFFFFFu;
            QTest::mousePress(palette, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(palette, Qt::LeftButton, Qt::NoModifier, at);
            break;
        }
        }
    }

    // The three views of every field agree, and the fields a case names hold its values.
    void ExpectAgreement(const DeviceSlot* slot, const Bytes& deviceBytes, const Case& c) {
        const Json::Value stored = Profile(slot)["LightInfo"];
        int expected[] = {c.mode, c.brightness, c.speed, c.direction, c.colourful, c.red, c.green, c.blue};
        if (c.act == Act::Pick) {
            expected[5] = int(pickedColour >> 16);
            expected[6] = int(pickedColour >> 8 & 0xFF);
            expected[7] = int(pickedColour & 0xFF);
        }
        const std::vector<LightField> fields = Fields();
        ASSERT_GE(deviceBytes.size(), 9u);
        for (size_t i = 0; i < fields.size(); ++i) {
            const LightField& f = fields[i];
            SCOPED_TRACE(f.json);
            const int shown = f.shown(page);
            const int onDevice = f.turnedOver ? 4 - deviceBytes[f.byte] : deviceBytes[f.byte];
            EXPECT_EQ(stored[f.json].asInt(), shown) << "profile and page";
            EXPECT_EQ(onDevice, shown) << "device and page";
            if (expected[i] >= 0) {
                EXPECT_EQ(shown, expected[i]) << "the value the case set";
            }
        }
    }

    // Drives every case on the device's lighting panel; `lighting` reads the device's bytes.
    void SweepLighting(int kind, const std::function<Bytes()>& lighting) {
        DeviceSlot* slot = Open(kind, "deng_Op_tab");
        ASSERT_NE(slot, nullptr);
        for (const Case& c : Cases()) {
            SCOPED_TRACE(std::string(c.control) + " input " + std::to_string(c.input));
            ClearFrames();
            Drive(c);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !slot->device->IoBusy(); }, 3000));
            ExpectAgreement(slot, lighting(), c);
        }
    }

    // The sweep, then a restart: the panel shows the same and `memory` reads the same.
    void SweepLightingAcrossARestart(int kind, const std::function<Bytes()>& lighting,
                                     const std::function<Bytes()>& memory) {
        SweepLighting(kind, lighting);
        const Snapshot before = SnapshotOf(page, ShownNames());
        const Bytes held = memory();

        Restart();
        Open(kind, "deng_Op_tab");
        EXPECT_EQ(SnapshotOf(page, ShownNames()), before);
        EXPECT_EQ(memory(), held);
    }

    static std::vector<std::string> ShownNames() {
        return {"light_combo_modeSelect",
                "deng_light_slider",
                "deng_speed_slider",
                "deng_FXL_check",
                "deng_FXR_check",
                "deng_7color_check",
                "deng_edit_R",
                "deng_edit_G",
                "deng_edit_B"};
    }

    // The controls of the lighting panel no lighting case drives.
    static std::vector<NotDriven> LightingNotDriven() {
        return {
            {"color_option_*",
             "every swatch is one route (color_option_1 and _3 driven); the skin gives "
             "each its colour"},
            {"deng_colordp_btn", "shows the chosen colour; takes no input"},
            {"deng_same_mode", "a command: gives this lighting to the other devices (light sync tests)"},
        };
    }

    uint32_t pickedColour = 0;
};

}  // namespace kinds_sweep
