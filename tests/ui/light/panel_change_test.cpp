// User changes: each raises its notification, and the panel's part of the lighting chain
// turns it into the device record's new field while the panel shows the result.
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "light_panel_host.h"
#include "panels/light/color_palette_ui.h"
#include "panels/light/model/light_colour.h"

namespace {

using Heard = std::vector<std::tuple<std::string, std::string, LightChange>>;

Heard Simplify(const std::vector<HeardNotify>& notes) {
    Heard out;
    for (const HeardNotify& n : notes)
        out.emplace_back(n.type.toStdString(), n.sender.toStdString(), n.change);
    return out;
}

TEST_F(LightPanelTest, SliderAndOptionsChangeTheirFields) {
    ShowMouse({3, 1, 3, 0, 0, 10, 20, 30});  // mouse mode 3 uses every group

    auto* brightness = Find<QSlider>("deng_light_slider");
    brightness->setFocus();
    QTest::keyClick(brightness, Qt::Key_Right);
    EXPECT_EQ(host.record.light, 2);

    QTest::mouseClick(Find<QAbstractButton>("deng_FXL_check"), Qt::LeftButton);
    EXPECT_EQ(host.record.fx, 1);
    EXPECT_FALSE(IsSelected(Find("deng_FXR_check")));
    QTest::mouseClick(Find<QAbstractButton>("deng_FXR_check"), Qt::LeftButton);
    EXPECT_EQ(host.record.fx, 0);

    // A check box reacts on its box and text, not on the empty width a layout gives it.
    auto* colourful = Find<QAbstractButton>("deng_7color_check");
    QTest::mouseClick(colourful, Qt::LeftButton, {}, QPoint(6, colourful->height() / 2));
    EXPECT_EQ(host.record.multiColor, 1);

    EXPECT_EQ(host.record, (LightInfoRecord{3, 2, 3, 0, 1, 10, 20, 30}));
    const Heard expected = {
        {"valuechanged", "deng_light_slider", LightChange::Brightness},
        {"click", "deng_FXL_check", LightChange::None},
        {"selectchanged", "deng_FXL_check", LightChange::Direction},
        {"click", "deng_FXR_check", LightChange::None},
        {"selectchanged", "deng_FXR_check", LightChange::Direction},
        {"click", "deng_7color_check", LightChange::None},
        {"selectchanged", "deng_7color_check", LightChange::Colourful},
    };
    EXPECT_EQ(Simplify(host.Changes()), expected);
}

TEST_F(LightPanelTest, ModeChosenByTheUserSkipsHiddenModesAndAppliesItsEnabling) {
    std::vector<LightModeEntry> modes = MouseModes();
    modes[3].visible = false;
    panel->SetDeviceKind(kKindMouse);
    panel->FillModes(modes, kLightLevelMax, kLightLevelMax);
    panel->ShowLightRecord({2, 1, 1, 0, 0, 0, 0, 0});
    host.record = {2, 1, 1, 0, 0, 0, 0, 0};
    host.heard.clear();
    ASSERT_TRUE(Enabled("deng_speed_layout"));

    auto* combo = Find<QComboBox>("light_combo_modeSelect");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 4) << "hidden mode 3 is skipped";
    EXPECT_EQ(host.record.selectItem, 4);
    EXPECT_FALSE(Enabled("deng_speed_layout")) << "mouse mode 4 has no speed";
    EXPECT_FALSE(Enabled("deng_color_layout"));
    const Heard expected = {{"itemselect", "light_combo_modeSelect", LightChange::Mode}};
    EXPECT_EQ(Simplify(host.Changes()), expected);
}

TEST_F(LightPanelTest, ColourEditIsClampedWhenItLosesTheFocus) {
    ShowMouse({2, 1, 1, 0, 1, 10, 20, 30});
    ASSERT_TRUE(panel->IsColourful());

    auto* green = Find<QLineEdit>("deng_edit_G");
    auto* other = FindControl<QLineEdit>(host.page, QStringLiteral("page_other_edit"));
    ASSERT_NE(other, nullptr);
    struct Case {
        const char* typed;
        const char* shown;
        uint8_t stored;
    };
    const Case cases[] = {{"300", "255", 255}, {"", "0", 0}, {"77", "77", 77}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        green->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return green->hasFocus(); }));
        green->selectAll();
        QTest::keyClick(green, Qt::Key_Backspace);
        QTest::keyClicks(green, QLatin1String(c.typed));
        host.heard.clear();
        other->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
        EXPECT_EQ(green->text(), QLatin1String(c.shown));
        EXPECT_EQ(host.record.green, c.stored);
        EXPECT_EQ(host.record.multiColor, 0) << "a typed colour ends the colourful effect";
        const Heard expected = {{"killfocus", "deng_edit_G", LightChange::Colour}};
        EXPECT_EQ(Simplify(host.Changes()), expected);
    }
    EXPECT_FALSE(panel->IsColourful());
    EXPECT_EQ(panel->GetPaletteColour(), 0xFF0A4D1Eu);
    EXPECT_EQ(panel->GetColourButtonColour(), 0xFF0A4D1Eu);
    EXPECT_EQ(host.record, (LightInfoRecord{2, 1, 1, 0, 0, 10, 77, 30}));
}

TEST_F(LightPanelTest, SwatchAndPaletteSetTheColourAndEndColourful) {
    ShowMouse({2, 1, 1, 0, 1, 10, 20, 30});

    QTest::mouseClick(Find<QAbstractButton>("color_option_1"), Qt::LeftButton);
    EXPECT_EQ(host.record, (LightInfoRecord{2, 1, 1, 0, 0, 0xFF, 0x80, 0x00}));
    EXPECT_EQ(GetText(Find("deng_edit_R")), QStringLiteral("255"));
    EXPECT_EQ(GetText(Find("deng_edit_G")), QStringLiteral("128"));
    EXPECT_EQ(GetText(Find("deng_edit_B")), QStringLiteral("0"));
    EXPECT_EQ(panel->GetPaletteColour(), 0xFFFF8000u);
    EXPECT_FALSE(panel->IsColourful());

    auto* palette = Find<CColorPaletteUI>("deng_Color_Pallet");
    const QPoint spot(palette->width() * 2 / 3, palette->height() * 3 / 4);
    const uint32_t picked = palette->ColourAt(spot);
    host.heard.clear();
    QTest::mouseClick(palette, Qt::LeftButton, {}, spot);
    ASSERT_EQ(host.Changes().size(), 1u);
    EXPECT_EQ(host.Changes()[0].type, QStringLiteral("colorchanged"));
    EXPECT_EQ(host.Changes()[0].change, LightChange::Colour);
    EXPECT_EQ(OpaqueArgb({host.record.red, host.record.green, host.record.blue}), picked);
    EXPECT_EQ(panel->GetColourButtonColour(), picked);
    EXPECT_EQ(GetText(Find("deng_edit_B")), QString::number(picked & 0xFF));
}

TEST_F(LightPanelTest, ShowingAColourMovesThePaletteWithoutNotifying) {
    ShowMouse({2, 1, 1, 0, 0, 0, 0, 0});
    auto* palette = Find<CColorPaletteUI>("deng_Color_Pallet");
    for (uint32_t argb : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
        panel->ShowLightEffect(2, 1, 1, 0, 0, int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF),
                               int(argb & 0xFF));
        EXPECT_EQ(palette->GetColour(), argb);
    }
    EXPECT_TRUE(host.heard.empty());
}

TEST_F(LightPanelTest, OtherControlsAndOtherPanelsChangeNothing) {
    ShowMouse({2, 1, 1, 0, 0, 10, 20, 30});
    const LightInfoRecord before = host.record;

    // The custom group combo and the sync option are routed elsewhere.
    auto* groups = Find<QComboBox>("light_combo_custommodeSelect");
    TNotifyUI groupNote{QStringLiteral("itemselect"), groups, 1, 0};
    EXPECT_EQ(panel->TakeChange(groupNote, &host.record), LightChange::None);

    // A swatch of another device's panel is not this panel's business.
    PageHost otherPage;
    ASSERT_NE(otherPage.panel, nullptr);
    QWidget* foreignSwatch = FindControl(otherPage.panel, QStringLiteral("color_option_0"));
    TNotifyUI foreign{QStringLiteral("click"), foreignSwatch, 0, 0};
    EXPECT_EQ(panel->TakeChange(foreign, &host.record), LightChange::None);

    // A swatch whose skin gives no colour does not turn the lights black.
    Find("color_option_2")->setProperty("bkcolor", QStringLiteral("tomato"));
    TNotifyUI broken{QStringLiteral("click"), Find("color_option_2"), 0, 0};
    EXPECT_EQ(panel->TakeChange(broken, &host.record), LightChange::None);

    TNotifyUI none{QStringLiteral("click"), nullptr, 0, 0};
    EXPECT_EQ(panel->TakeChange(none, &host.record), LightChange::None);
    EXPECT_EQ(host.record, before);
}

}  // namespace
