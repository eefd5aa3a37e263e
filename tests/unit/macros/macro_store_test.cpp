#include <gtest/gtest.h>

#include <filesystem>

#include "macros/macro_capacity.h"
#include "macros/macro_store.h"
#include "temp_folder.h"

using namespace macros;

class MacroStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.SetUserFolder(dir.Path().string());
        store.Load();
    }
    std::vector<std::string> FilesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().filename().string().starts_with(prefix))
                names.push_back(entry.path().filename().string());
        return names;
    }
    TempFolder dir;
    CMacroStore store;
};

TEST_F(MacroStoreTest, NewMacroTakesTheFirstFreeNameAndStopsAtFifty) {
    WriteFileBytes(
        dir.File("macro.config"),
        R"({"MacroInfo": [{"MacroName": "macro_1", "Guid": "g1"}, {"MacroName": "MACRO_3", "Guid": "g3"}]})");
    store.Load();
    EXPECT_EQ(store.NewMacro(), 2);
    EXPECT_EQ(store.Macros()[2].name, "macro_2");

    CMacroStore reread;
    reread.SetUserFolder(dir.Path().string());
    reread.Load();
    EXPECT_EQ(reread.Macros(), store.Macros());  // written at once

    while (store.Count() < kMaxMacros) ASSERT_GE(store.NewMacro(), 0);
    EXPECT_EQ(store.NewMacro(), -1);
    EXPECT_EQ(store.LastResult(), MacroResult::ListFull);
    EXPECT_EQ(store.Import(dir.File("g1.mac")), -1);
    // Identifiers made within one millisecond stay apart.
    std::set<std::string> guids;
    for (const MacroInfo& info : store.Macros()) EXPECT_TRUE(guids.insert(info.guid).second);
}

TEST_F(MacroStoreTest, NewMacroTakesAChosenNameUnderTheRenameRules) {
    ASSERT_EQ(store.NewMacro("Reload"), 0);
    const struct {
        const char* name;
        int index;
        MacroResult result;
    } cases[] = {
        {"reload", -1, MacroResult::NameInUse},  // letter case ignored
        {"a/b", -1, MacroResult::BadName},
        {"Jump", 1, MacroResult::Done},
        {"", 2, MacroResult::Done},  // nothing chosen: the first free "macro_<n>"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(store.NewMacro(c.name), c.index);
        EXPECT_EQ(store.LastResult(), c.result);
    }
    CMacroStore reread;
    reread.SetUserFolder(dir.Path().string());
    reread.Load();
    EXPECT_EQ(reread.Names(), (std::vector<std::string>{"Reload", "Jump", "macro_1"}));
}

TEST_F(MacroStoreTest, RenameRules) {
    store.NewMacro();
    store.NewMacro();
    struct Case {
        std::string name;
        MacroResult result;
    };
    const Case cases[] = {
        {"", MacroResult::NameEmpty},        {"Macro_1", MacroResult::NameInUse},
        {"macro_2", MacroResult::NameInUse}, {"../x", MacroResult::BadName},
        {"a/b", MacroResult::BadName},       {"..", MacroResult::BadName},
        {"Reload", MacroResult::Done},
    };
    for (const Case& c : cases) EXPECT_EQ(store.Rename(1, c.name), c.result) << c.name;
    EXPECT_EQ(store.Rename(5, "x"), MacroResult::NotFound);
    EXPECT_NE(ReadFileBytes(store.ListFile()).find("\"Reload\""), std::string::npos);
}

TEST_F(MacroStoreTest, EventsSaveLoadDeleteAndCopy) {
    const int a = store.NewMacro();
    const int b = store.NewMacro();
    EXPECT_TRUE(store.LoadEvents(a).empty());  // never saved: no file
    const std::vector<MacroEvent> events{{10, 4, true, 70000}, {10, 4, false, 0}};
    ASSERT_EQ(store.SaveEvents(a, events), MacroResult::Done);
    const std::string text = ReadFileBytes(store.MacroFile(a));
    EXPECT_NE(text.find("\"Delay\" : \"65535\""), std::string::npos);
    EXPECT_NE(text.find("\"Version\" : 64"), std::string::npos);
    EXPECT_EQ(store.LoadEvents(a), (std::vector<MacroEvent>{{10, 4, true, 65535}, {10, 4, false, 0}}));

    const int copy = store.Copy(a);
    ASSERT_EQ(copy, 2);
    EXPECT_EQ(store.Macros()[2].name, "macro_1 copy");
    EXPECT_EQ(store.LoadEvents(copy), store.LoadEvents(a));
    EXPECT_EQ(store.Macros()[store.Copy(a)].name, "macro_1 copy 2");

    const std::string fileA = store.MacroFile(a);
    ASSERT_EQ(store.Delete(a), MacroResult::Done);
    EXPECT_FALSE(std::filesystem::exists(fileA));
    EXPECT_EQ(store.Macros()[0].name, "macro_2");
    (void)b;
}

TEST_F(MacroStoreTest, ImportKeepsTheBytesAndTheNameUnlessTakenAndExportCopiesThem) {
    const std::string source = dir.File("from elsewhere.mac");
    const std::string bytes = R"({"MacroName": "Burst", "Guid": "old", "Events": [{"Type": 1, "Button": 1,
        "Action": "down", "Delay": "10"}], "Version": 64})";
    WriteFileBytes(source, bytes);
    const int index = store.Import(source);
    ASSERT_EQ(index, 0);
    EXPECT_EQ(store.Macros()[0].name, "Burst");
    EXPECT_NE(store.Macros()[0].guid, "old");
    ASSERT_EQ(store.Import(source), 1);
    EXPECT_EQ(store.Macros()[1].name, "macro_1") << "the name is taken";
    EXPECT_EQ(ReadFileBytes(store.MacroFile(0)), bytes);
    EXPECT_EQ(store.LoadEvents(0), (std::vector<MacroEvent>{{1, 1, true, 10}}));

    ASSERT_EQ(store.Export(0, dir.File("out.mac")), MacroResult::Done);
    EXPECT_EQ(ReadFileBytes(dir.File("out.mac")), bytes);

    WriteFileBytes(dir.File("broken.mac"), "not json");
    EXPECT_EQ(store.Import(dir.File("broken.mac")), -1);
    EXPECT_EQ(store.Import(dir.File("missing.mac")), -1);
    EXPECT_EQ(store.LastResult(), MacroResult::Unreadable);
    EXPECT_EQ(store.Count(), 2);
}

TEST_F(MacroStoreTest, UnreadableFilesAreSetAsideNotOverwritten) {
    const int index = store.NewMacro();
    WriteFileBytes(store.MacroFile(index), "{ half a macro");
    EXPECT_TRUE(store.LoadEvents(index).empty());
    ASSERT_EQ(store.SaveEvents(index, {{10, 5, true, 0}}), MacroResult::Done);
    const auto aside = FilesStartingWith(store.Macros()[0].guid + ".mac.unreadable-");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadFileBytes(dir.File(aside[0])), "{ half a macro");

    WriteFileBytes(store.ListFile(), "garbage");
    store.Load();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.NewMacro(), 0);
    ASSERT_EQ(FilesStartingWith("macro.config.unreadable-").size(), 1u);
}

TEST_F(MacroStoreTest, ListedIdentifiersWithPathPartsAreNeverOpened) {
    WriteFileBytes(dir.File("macro.config"), R"({"MacroInfo": [{"MacroName": "m", "Guid": "../escape"}]})");
    store.Load();
    EXPECT_EQ(store.MacroFile(0), "");
    EXPECT_EQ(store.SaveEvents(0, {{10, 4, true, 0}}), MacroResult::NotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escape.mac"));
}

TEST_F(MacroStoreTest, CapacityRuleAndMessage) {
    store.NewMacro();
    store.SaveEvents(0, std::vector<MacroEvent>(70, MacroEvent{10, 4, true, 0}));
    // 16 + 6 + 280 = 302 bytes.
    EXPECT_EQ(CheckMacroCapacity(store, 512).overflowUnits, 0);
    const CapacityCheck over = CheckMacroCapacity(store, 256);
    EXPECT_EQ(over.imageLength, 302u);
    EXPECT_EQ(over.overflowUnits, 12);
    const std::vector<MacroEvent> shorter(58, MacroEvent{});
    EXPECT_TRUE(CheckMacroCapacity(store, 256, 0, &shorter).Fits());  // 16 + 6 + 232
    EXPECT_EQ(CapacityMessage(12),
              "The macros do not fit into the device's memory (12 units too many). "
              "Please shorten or remove some macros.");
    EXPECT_EQ(CapacityMessage(3, "over by %d!"), "over by 3!");
}
