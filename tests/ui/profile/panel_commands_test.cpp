// The profile commands as the window's routing calls them: the combo mirrors the list file
// after each one, and deleting the profile in use moves the device to an existing one.
#include <filesystem>

#include "profile_panel_host.h"

namespace {

QStringList NamesOnDisk(const Json::Value& list) {
    QStringList names;
    for (const Json::Value& entry : list["profilelist"])
        names << QString::fromStdString(entry["profilename"].asString());
    return names;
}

TEST_F(ProfilePanelTest, NewCopyImportAppendItemsAndKeepTheSelection) {
    Prepare({"Game", "PROFILE2"}, 1);
    Bind();
    host.heard.clear();

    EXPECT_EQ(panel->NewProfile(), kProfileDone);
    EXPECT_EQ(panel->CopyProfile(), kProfileDone);
    const std::string file = root_.File("shared.json");
    Json::Value shared;
    shared["profilename"] = "Game";
    shared["profileUUID"] = ids_[0];
    shared["Device"][0]["LightInfo"]["Light"] = 3;
    CJsonFile().WriteJsonFile(file, shared);
    EXPECT_EQ(panel->ImportProfile(QString::fromStdString(file)), kProfileDone);

    const QStringList expected{"Game", "PROFILE2", "profile1", "PROFILE2 copy", "Game(1)"};
    EXPECT_EQ(ComboTexts(), expected);
    EXPECT_EQ(NamesOnDisk(ListOnDisk()), expected);
    EXPECT_EQ(panel->GetSelectedIndex(), 1);
    EXPECT_EQ(panel->GetNameEditText(), QStringLiteral("PROFILE2"));
    EXPECT_EQ(ListOnDisk()["profileselect"], 1);
    EXPECT_TRUE(host.Heard(NotifyType::kItemSelect).empty());
    EXPECT_EQ(ListOnDisk()["profilelist"][4]["profileUUID"].asString().size(), ids_[0].size());
    EXPECT_NE(ListOnDisk()["profilelist"][4]["profileUUID"].asString(), ids_[0]);
}

TEST_F(ProfilePanelTest, RenameChangesTheItemOrIsRefused) {
    Prepare({"Game", "Work"}, 1);
    Bind();
    EXPECT_EQ(panel->RenameProfile(QStringLiteral("gAME")), kProfileRefused);
    EXPECT_EQ(ComboTexts(), (QStringList{"Game", "Work"}));
    EXPECT_FALSE(panel->LastError().isEmpty());

    const QString name = QString::fromUtf8("B\xC3\xBCro");  // Büro
    EXPECT_EQ(panel->RenameProfile(name), kProfileDone);
    EXPECT_EQ(ComboTexts(), (QStringList{"Game", name}));
    EXPECT_EQ(Combo()->itemData(1).toString(), name);
    EXPECT_EQ(NamesOnDisk(ListOnDisk()), (QStringList{"Game", name}));
    EXPECT_EQ(panel->RenameProfile(QStringLiteral("B\u00DCRO")), kProfileDone)
        << "its own name in other letters";
}

TEST_F(ProfilePanelTest, DeletingTheProfileInUseMovesTheDeviceToAnExistingOne) {
    Prepare({"A", "B", "C"}, 2);
    Bind();
    host.heard.clear();

    EXPECT_EQ(panel->DeleteProfile(), kProfileDone);
    EXPECT_EQ(ComboTexts(), (QStringList{"A", "B"}));
    EXPECT_EQ(panel->GetSelectedIndex(), 1);
    EXPECT_EQ(panel->GetNameEditText(), QStringLiteral("B"));
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[1]));
    EXPECT_FALSE(std::filesystem::exists(userFolder_ + ids_[2] + ".Json"));
    EXPECT_TRUE(std::filesystem::exists(panel->GetSelectedProfilePath().toStdString()));
    EXPECT_EQ(ListOnDisk()["profileselect"], 1);
    // The routing hears the change and reloads the device from the profile now shown.
    const auto heard = host.Heard(NotifyType::kItemSelect);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].sender, QStringLiteral("device_profile_combo"));
    EXPECT_EQ(heard[0].wParam, 1u);

    // Deleting the first profile keeps index 0 and still tells the routing.
    panel->Select(0, false);
    EXPECT_EQ(panel->DeleteProfile(), kProfileDone);
    EXPECT_EQ(ComboTexts(), QStringList{"B"});
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[1]));
    EXPECT_EQ(host.Heard(NotifyType::kItemSelect).size(), 2u);

    // The last one stays.
    EXPECT_EQ(panel->DeleteProfile(), kProfileRefused);
    EXPECT_EQ(ComboTexts(), QStringList{"B"});
    EXPECT_EQ(host.Heard(NotifyType::kItemSelect).size(), 2u);
}

TEST_F(ProfilePanelTest, ExportTakesTheComboChoiceAndResetTheProfileInUse) {
    Prepare({"A", "B"}, 0);
    Bind();
    // The user has picked B, but the routing has not switched yet.
    SelectItem(Combo(), 1);
    const std::string out = root_.File("out.json");
    EXPECT_EQ(panel->ExportProfile(QString::fromStdString(out)), kProfileDone);
    EXPECT_EQ(CJsonFile().ReadJsonFile(out)["profilename"], "B");

    // Reset restores the profile the device uses (A), which the device then reloads.
    const std::string pathA = userFolder_ + ids_[0] + ".Json";
    const std::string pathB = userFolder_ + ids_[1] + ".Json";
    for (const std::string& path : {pathA, pathB}) {
        Json::Value changed = CJsonFile().ReadJsonFile(path);
        changed["Device"][0]["LightInfo"]["Light"] = 77;
        CJsonFile().WriteJsonFile(path, changed);
    }
    EXPECT_EQ(panel->ResetProfile(), kProfileDone);
    EXPECT_NE(CJsonFile().ReadJsonFile(pathA)["Device"][0]["LightInfo"]["Light"], 77);
    EXPECT_EQ(CJsonFile().ReadJsonFile(pathA)["profilename"], "A");
    EXPECT_EQ(CJsonFile().ReadJsonFile(pathB)["Device"][0]["LightInfo"]["Light"], 77);
}

}  // namespace
