// The real mouse page built from its skin, bound to a mouse device on a simulated mouse:
// what the page shows after the device's start-up, and what the page does on its own.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>
#include <memory>

#include "devices/discovery/device_table_store.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/skin_builder.h"
#include "devices/mouse_device.h"
#include "hid/hid_device.h"
#include "hid/protocol/supported_devices.h"
#include "panels/light/light_control_ui.h"
#include "panels/mousepage/mouse_page.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "temp_folder.h"
#include "util/debug_log.h"

namespace {

const char kSkin[] = "XML\\DeviceXml\\mousedevice.xml";

// The window the page lives in: it counts the notifications its controls raise.
class Host : public QWidget, public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override { notes.push_back(msg.type + QLatin1Char(' ') + msg.SenderName()); }
    std::vector<QString> notes;
};

std::string CommandPath(int busId) {
    CHidDevice cursor;
    std::string found;
    if (cursor.Enumerate())
        for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath())
            if (path->starts_with("sim:" + std::to_string(busId) + ":") &&
                path->find("&col04") != std::string::npos)
                found = *path;
    return found;
}

struct ModelCase {
    const char* name;
    SimMouseModel model;
    const char* folder;
    int row;
    int sliderMaximum;
    std::vector<QString> dpiTexts;
};
void PrintTo(const ModelCase& c, std::ostream* out) {
    *out << c.name;
}

class MousePageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        ASSERT_TRUE(home_.IsValid());
        home_.SetEnv("XDG_DATA_HOME", home_.Path().string());
        CLanguageTable::Instance().Clear();

        host.resize(1000, 700);
        root = CSkinBuilder::Build(QString::fromLatin1(kSkin), &host);
        ASSERT_NE(root, nullptr) << CSkinBuilder::LastError().toStdString();
        page = qobject_cast<CMousePage*>(root);
        ASSERT_NE(page, nullptr) << "the skin's root is the mouse page";
    }
    void TearDown() override {
        device.reset();
        if (mouse) mouse->Unplug();
        SetDebugSink({});
    }
    // The device as the main window configures it for the model's row, started up.
    void StartDevice(const ModelCase& c) {
        SimHidBus::Instance().UnplugAll();
        mouse = std::make_shared<SimMouse>(c.model);
        const int busId = mouse->Plug();
        device = std::make_unique<CVornakelMouseDevice>();
        device->SetLayoutFile(kSkin);
        device->SetMousePage(page);
        device->SetKeyControlCount(7);
        device->SetLedCount(6);
        device->SetFolderTag(c.folder);
        device->SetHidInfo(ToHidDeviceInfo(ShippedDeviceTable().Interfaces()[static_cast<size_t>(c.row)]));
        device->SetUserValue(1);
        device->SetConfigName("tolva_light");
        device->BindPageControls();
        ASSERT_TRUE(device->OpenCommandChannel(CommandPath(busId)));
        device->SetProfileName("shown");
        host.notes.clear();
        device->OnDeviceTimer1();
    }
    template <class T = QWidget>
    T* Find(const QString& name) const {
        return FindControl<T>(root, name);
    }
    template <class T = QWidget>
    T* Find(const char* prefix, int n) const {
        return FindControl<T>(root, QString::fromLatin1(prefix) + QString::number(n));
    }

    // First, so the device and page go away while XDG_DATA_HOME still names it.
    TempFolder home_;
    Host host;
    QWidget* root = nullptr;
    CMousePage* page = nullptr;
    std::shared_ptr<SimMouse> mouse;
    std::unique_ptr<CVornakelMouseDevice> device;
};

class MousePage : public MousePageFixture, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(MousePage, StartUpShowsTheDefaultProfileWithTheSensorsRanges) {
    StartDevice(GetParam());
    for (int n = 0; n < 7; ++n) {
        auto* slider = Find<QAbstractSlider>("DPI_slider_", n);
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->maximum(), GetParam().sliderMaximum) << n;
        EXPECT_TRUE(IsSelected(Find("DPI_enable_check_", n))) << n;
        EXPECT_EQ(GetText(Find("DPI_edit_", n)), GetParam().dpiTexts[static_cast<size_t>(n)]) << n;
        // The shipped profiles make stage 2 the active one.
        EXPECT_EQ(slider->property("activeStage").toBool(), n == 2) << n;
        EXPECT_EQ(slider->property("bkimage").toString(),
                  n == 2 ? "Control/SliderBar_BK3.png" : "Control/SliderBar_BK1.png");
        EXPECT_EQ(slider->property("thumbimage").toString(),
                  n == 2 ? "Control/SliderBar2_Thumb.png" : "Control/SliderBar1_Thumb.png");
    }
    EXPECT_TRUE(IsSelected(Find("polling_rate_option_", 3)));
    EXPECT_EQ(page->SelectedPollingRate(), 3);
    EXPECT_EQ(GetValue(Find("pointer_speed_slider")), 10);
    EXPECT_TRUE(IsSelected(Find("pointer_precision_check")));
    EXPECT_EQ(GetValue(Find("scroll_speed_slider")), 3);
    EXPECT_EQ(Find("double_click_slider")->toolTip(), "500 ms") << "value 6 of 10";
    EXPECT_EQ(GetCurSel(Find("AST_set_comboSelect")), 0);
    auto* list = Find<QListWidget>("device_setkeyinfo_list");
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->item(0)->text(), "Left button: Left click");
    EXPECT_EQ(list->item(5)->text(), "DPI +: DPI up");
    ASSERT_NE(page->LightPanel(), nullptr);
    EXPECT_EQ(page->LightPanel()->GetMode(), 1) << "the shipped lighting mode";
    EXPECT_TRUE(host.notes.empty()) << "showing values raises no notification";
}

INSTANTIATE_TEST_SUITE_P(Models, MousePage,
                         ::testing::Values(ModelCase{"mouse3389",
                                                     SimMouseModel::Mouse3389(),
                                                     "mouse3389",
                                                     4,
                                                     318,
                                                     {"400", "800", "1600", "3200", "6400", "12000",
                                                      "16000"}},
                                           ModelCase{"mouse",
                                                     SimMouseModel::Mouse(),
                                                     "mouse",
                                                     2,
                                                     118,
                                                     {"400", "800", "1600", "2400", "3100", "6400", "8000"}}),
                         [](const auto& info) { return std::string(info.param.name); });

using MousePageAlone = MousePageFixture;

TEST_F(MousePageAlone, SkinHoldsEveryControlThePageAndTheMainWindowLookUp) {
    std::vector<QString> names = {"mouse_device_seting_layout",
                                  "mouse_option_layout",
                                  "device_function_switch",
                                  "device_key_function_switch",
                                  "device_tishi_info",
                                  "Logo",
                                  "device_setkeyinfo_list",
                                  "pointer_speed_slider",
                                  "pointer_precision_check",
                                  "AST_set_comboSelect",
                                  "MSH_set_comboSelect",
                                  "Logolight_combo_modeSelect",
                                  "scrolls_page_check",
                                  "scroll_speed_slider",
                                  "double_click_slider",
                                  "tolva_DPI_slider_0",
                                  "tolva_DPI_edit_0",
                                  "windowdeviceset_0",
                                  "windowdeviceset_1",
                                  "mouse_device_seting_option_0",
                                  "mouse_device_seting_option_1",
                                  "DeviceProfileItem",
                                  "LightControlItem",
                                  "KeySetControlItem",
                                  "MacroControlItem",
                                  "ShootControlItem",
                                  "mouse_device_key_light"};
    for (int n = 0; n < 7; ++n)
        for (const char* prefix : {"DPI_layout_", "DPI_enable_check_", "DPI_slider_", "DPI_edit_"})
            names.push_back(QString::fromLatin1(prefix) + QString::number(n));
    for (int n = 0; n < 5; ++n) names.push_back(QStringLiteral("polling_rate_option_%1").arg(n));
    for (const QString& name : names) EXPECT_NE(Find(name), nullptr) << name.toStdString();
}

TEST_F(MousePageAlone, BindingKeepsKeysAndLightsWithinTheCounts) {
    page->BindKeyAndLightControls(5, 4);
    for (int n = 0; n < 7; ++n) EXPECT_EQ(page->KeyControl(n), n < 5 ? Find("key_", n) : nullptr) << n;
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(page->LightControl(n), n < 4 ? Find("light_", n) : nullptr) << n;
        EXPECT_EQ(page->SecondLightControl(n), n < 4 ? Find("light_0_", n) : nullptr) << n;
    }
    EXPECT_EQ(Find("light_", 1)->property("lightColour").toUInt(), 0xFFFFFFu);
    EXPECT_EQ(Find("light_", 1)->property("lightLevel").toInt(), 255);
    EXPECT_EQ(page->LogoControl(), Find("Logo"));
    EXPECT_FALSE(Find("light_", 5)->property("lightOn").toBool()) << "not bound, not lit";
}

TEST_F(MousePageAlone, EnablingRuleKeepsOneStageAndAUserClickStillNotifies) {
    for (int n = 0; n < 6; ++n) page->ShowDpiStageEnabled(n, false);
    EXPECT_FALSE(IsSelected(Find("DPI_enable_check_", 0)));
    EXPECT_TRUE(IsSelected(Find("DPI_enable_check_", 6)));
    EXPECT_FALSE(Find("DPI_enable_check_", 6)->isEnabled()) << "the last stage cannot be switched off";
    EXPECT_TRUE(host.notes.empty());

    ASSERT_TRUE(page->SelectFunctionTabs(2, -1));  // the DPI page
    host.show();
    QTest::mouseClick(qobject_cast<QAbstractButton*>(Find("DPI_enable_check_", 3)), Qt::LeftButton);
    EXPECT_TRUE(IsSelected(Find("DPI_enable_check_", 3)));
    EXPECT_NE(std::find(host.notes.begin(), host.notes.end(), "selectchanged DPI_enable_check_3"),
              host.notes.end());
    page->ShowDpiStageEnabled(3, true);
    EXPECT_TRUE(Find("DPI_enable_check_", 6)->isEnabled()) << "a second stage unlocks the last one";
}

TEST_F(MousePageAlone, FunctionModeSwitchesTheTabsAndHidesTheHint) {
    CVornakelMouseDevice device;
    device.SetLayoutFile(kSkin);
    device.SetMousePage(page);
    auto* functions = Find<QStackedWidget>("device_function_switch");
    auto* keyFunctions = Find<QStackedWidget>("device_key_function_switch");
    keyFunctions->setCurrentIndex(2);
    device.SetFunctionMode(4);
    EXPECT_EQ(functions->currentIndex(), 3) << "the system page of a mouse";
    EXPECT_EQ(keyFunctions->currentIndex(), 2) << "left as it was";
    EXPECT_TRUE(Find("device_tishi_info")->isHidden());
    device.SetFunctionMode(2);
    EXPECT_EQ(functions->currentIndex(), 0);
    EXPECT_EQ(keyFunctions->currentIndex(), 1);
}

TEST_F(MousePageAlone, LogoHintAndAssignmentRowsFollowTheLanguage) {
    KeyAssignEntry left;
    left.current = {0, 0x10, 0x01, 0x00, 0};
    page->ShowKeyAssignments({left});
    CLanguageTable::Instance().SetText("Light_Set", "Lighting");
    CLanguageTable::Instance().SetText("Overall_Light_Set", "Whole mouse: ");
    CLanguageTable::Instance().SetText("light_mode_colour_wheel", "Colour wheel");
    page->ShowLightingHint("light_mode_colour_wheel");
    EXPECT_EQ(Find("Logo")->toolTip(), "Lighting\nWhole mouse: Colour wheel");
    page->ShowLightingHint("My preset");
    EXPECT_EQ(Find("Logo")->toolTip(), "Lighting\nWhole mouse: My preset");

    CLanguageTable::Instance().SetText("Overall_Light_Set", "Whole device: ");
    ReloadTexts();
    EXPECT_EQ(Find("Logo")->toolTip(), "Lighting\nWhole device: My preset");

    CLanguageTable::Instance().SetText("mouse_button_0", "Linke Taste");
    CLanguageTable::Instance().SetText("key_fn_left_button", "Linksklick");
    ReloadTexts();
    EXPECT_EQ(Find<QListWidget>("device_setkeyinfo_list")->item(0)->text(), "Linke Taste: Linksklick");
}

TEST_F(MousePageAlone, SettingPageOptionAndPollingOutOfRange) {
    page->ShowSettingPage(1);
    EXPECT_EQ(Find<QStackedWidget>("mouse_device_seting_layout")->currentIndex(), 1);
    EXPECT_TRUE(IsSelected(Find("mouse_device_seting_option_1")));
    EXPECT_FALSE(IsSelected(Find("mouse_device_seting_option_0")));
    page->ShowSettingPage(7);
    EXPECT_EQ(Find<QStackedWidget>("mouse_device_seting_layout")->currentIndex(), 0);

    page->ShowPollingRate(6);
    EXPECT_EQ(page->SelectedPollingRate(), 0) << "an index beyond the options shows option 0";
    page->ShowSystemItems(1, -1, 9);
    EXPECT_EQ(page->AstItem(), 1);
    EXPECT_EQ(page->MshItem(), -1);
    EXPECT_EQ(page->LogoItem(), -1);
    EXPECT_TRUE(host.notes.empty());
}

TEST_P(MousePage, SelectingAKeyShowsItsSettingPanelAndRow) {
    StartDevice(GetParam());
    device->SelectKey(4);
    EXPECT_FALSE(Find("KeySetControlItem")->isHidden());
    EXPECT_EQ(GetCurSel(Find("device_setkeyinfo_list")), 4);
    EXPECT_TRUE(Find("key_", 4)->property("keySelected").toBool());
    EXPECT_FALSE(Find("key_", 0)->property("keySelected").toBool());
    EXPECT_EQ(device->SelectedKey(), 4);
}

}  // namespace
