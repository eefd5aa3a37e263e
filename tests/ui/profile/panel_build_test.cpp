// The panel as the device pages get it: built from its skin through the subtree class, with
// every control the routing looks up, and the feature tabs each device kind shows.
#include <QLineEdit>
#include <QPushButton>

#include "profile_panel_host.h"

namespace {

TEST_F(ProfilePanelTest, SubtreeGivesThePanelWithEveryControlName) {
    EXPECT_EQ(SkinClassOf(panel), QStringLiteral("DeviceProfileUI"));
    const char* names[] = {
        "device_profile_combo",
        "device_profile_name_edit",
        "profile_menu_layout",
        "profile_fun_spread_btn",
        "deng_Op_tab",
        "key_Op_tab",
        "macro_Op_tab",
        "system_Op_tab",
        "cursor_Op_tab",
        "6533_voice_Op_tab",
        "magic_Op_tab",
        "Virtual7.1_Op_tab",
        "device_add_btn",
        "device_sub_btn",
        "device_copy_btn",
        "device_import_btn",
        "device_export_btn",
        "device_reset_btn",
        "device_profile_edit_save_btn",
    };
    for (const char* name : names) {
        QWidget* control = FindControl(panel, QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->objectName(), QLatin1String(name)) << "found only without regard to case";
    }
    EXPECT_NE(Find<QComboBox>("device_profile_combo"), nullptr);
    EXPECT_NE(Find<QLineEdit>("device_profile_name_edit"), nullptr);
    for (const char* tab : {"deng_Op_tab", "cursor_Op_tab", "Virtual7.1_Op_tab"}) {
        auto* button = Find<QAbstractButton>(tab);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isCheckable()) << tab;
    }
    EXPECT_FALSE(panel->IsMenuVisible()) << "the menu opens on request";
    EXPECT_FALSE(Find("device_profile_combo")->isHidden());
}

TEST_F(ProfilePanelTest, TabVisibilityFollowsTheDeviceKind) {
    const char* tabs[] = {"deng_Op_tab",   "key_Op_tab",        "macro_Op_tab", "system_Op_tab",
                          "cursor_Op_tab", "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"};
    struct Case {
        int kind;
        std::vector<bool> shown;  // in the order of tabs
    } cases[] = {
        {2, {true, true, true, true, true, false, false, false}},
        {1, {true, true, true, true, false, false, false, false}},
        {3, {true, false, false, false, false, false, false, false}},
        {7, {true, false, false, false, false, true, true, true}},
    };
    for (const Case& c : cases) {
        // A fresh page each time: kinds only change what they name.
        PageHost page;
        ASSERT_NE(page.panel, nullptr);
        page.panel->SetDeviceKind(c.kind);
        page.panel->SetPaths(QString::fromStdString(userFolder_), QString::fromStdString(defaultData_));
        ASSERT_EQ(page.panel->Init(), kProfileDone);
        for (size_t i = 0; i < std::size(tabs); ++i) {
            QWidget* tab = FindControl(page.panel, QLatin1String(tabs[i]));
            ASSERT_NE(tab, nullptr) << tabs[i];
            EXPECT_EQ(!tab->isHidden(), c.shown[i]) << "kind " << c.kind << ", " << tabs[i];
        }
    }
}

TEST_F(ProfilePanelTest, SelectTabSelectsOneTabSilently) {
    Bind(7);
    const char* tabs[] = {"deng_Op_tab",   "key_Op_tab",        "macro_Op_tab", "system_Op_tab",
                          "cursor_Op_tab", "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"};
    const auto selected = [&] {
        std::vector<std::string> names;
        for (const char* tab : tabs)
            if (IsSelected(Find(tab))) names.push_back(tab);
        return names;
    };
    host.heard.clear();
    for (int type = 1; type <= 8; ++type) {
        panel->SelectTab(type);
        EXPECT_EQ(selected(), std::vector<std::string>{tabs[type - 1]}) << type;
    }
    // Another type leaves only the virtual 7.1 tab as it was.
    panel->SelectTab(0);
    EXPECT_EQ(selected(), std::vector<std::string>{"Virtual7.1_Op_tab"});
    panel->SelectTab(3);
    panel->SelectTab(9);
    EXPECT_TRUE(selected().empty());
    EXPECT_TRUE(host.Heard(NotifyType::kSelectChanged).empty());
    EXPECT_TRUE(host.Heard(NotifyType::kClick).empty());

    // A click on a tab is the user's choice: the window hears it.
    QTest::mouseClick(Find<QAbstractButton>("key_Op_tab"), Qt::LeftButton);
    ASSERT_EQ(host.Heard(NotifyType::kSelectChanged).size(), 1u);
    EXPECT_EQ(host.Heard(NotifyType::kSelectChanged)[0].sender, QStringLiteral("key_Op_tab"));
}

TEST_F(ProfilePanelTest, MenuIsShownOnRequestOnly) {
    Bind();
    auto* spread = Find<QPushButton>("profile_fun_spread_btn");
    QTest::mouseClick(spread, Qt::LeftButton);
    // The click goes to the window's routing, which toggles the menu; the panel itself must
    // not, or the two toggles would cancel out.
    ASSERT_EQ(host.Heard(NotifyType::kClick).size(), 1u);
    EXPECT_EQ(host.Heard(NotifyType::kClick)[0].sender, QStringLiteral("profile_fun_spread_btn"));
    EXPECT_FALSE(panel->IsMenuVisible());
    panel->ShowMenu(!panel->IsMenuVisible());
    EXPECT_TRUE(panel->IsMenuVisible());
    EXPECT_TRUE(Find("device_add_btn")->isVisible());
    panel->ShowMenu(!panel->IsMenuVisible());
    EXPECT_FALSE(panel->IsMenuVisible());
    EXPECT_FALSE(Find("device_add_btn")->isVisible());
}

TEST(ProfilePanelWithoutSkin, MissingControlsAreSkipped) {
    CDeviceProfileUI bare;
    bare.SelectTab(1);
    bare.ShowMenu(true);
    bare.SetNameEditText(QStringLiteral("x"));
    EXPECT_FALSE(bare.IsMenuVisible());
    EXPECT_EQ(bare.GetSelectedIndex(), -1);
    EXPECT_EQ(bare.GetNameEditText(), QString());
    EXPECT_EQ(bare.GetSelectedId(), QString());
    EXPECT_EQ(bare.DeleteProfile(), kProfileRefused);
    EXPECT_EQ(bare.CopyProfile(), kProfileRefused);
    EXPECT_EQ(bare.RenameProfile(QStringLiteral("y")), kProfileRefused);
}

}  // namespace
