// The device table a program runs with: shipped rows from the program folder (or compiled
// in), the user's file adding and replacing rows by ids, bad rows skipped by line.
#include <gtest/gtest.h>
#include <filesystem>
#include "devices/discovery/device_table_store.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class DeviceTableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.IsValid());
        root = folder.Path();
        fs::create_directories(root / "program" / "DefaultData");
        WriteFileBytes(root / "program" / "DefaultData" / "devices.json", EmbeddedDeviceTableText());
    }
    CDeviceTable Load(const std::string& userText) {
        problems.clear();
        WriteFileBytes(root / "user.json", userText);
        return LoadDeviceTable((root / "program").string(), (root / "user.json").string(), &problems);
    }
    std::string AllProblems() const {
        std::string text;
        for (const DeviceTableProblem& p : problems) text += p.text + "\n";
        return text;
    }

    TempFolder folder;
    fs::path root;
    std::vector<DeviceTableProblem> problems;
};

TEST_F(DeviceTableFiles, UserRowAddsAKeyboardWithRealIdsThatInheritsItsKindsPage) {
    const CDeviceTable table = Load(R"({"devices": [
        {"vendorId": "0x1A2B", "productId": 4660, "kind": 1, "name": "Desk Keyboard"}
    ]})");
    EXPECT_TRUE(problems.empty()) << AllProblems();
    ASSERT_EQ(table.Rows().size(), 6u);
    const DeviceRow& row = table.Rows()[5];
    EXPECT_EQ(row.name, "Desk Keyboard");
    EXPECT_EQ(row.source, DeviceRowSource::User);
    EXPECT_EQ(row.folder, "keyboard");
    EXPECT_EQ(row.pageXml, "XML\\DeviceXml\\keyboarddevice.xml");
    EXPECT_EQ(row.ledCount, 126);
    const int command = table.MatchInterface(0x1A2B, 0x1234, 1, 4, 0xFF1C, 0x0092);
    ASSERT_GE(command, 0);
    EXPECT_EQ(table.DeviceOfInterface(command), 5);
    EXPECT_EQ(table.Interfaces()[static_cast<size_t>(command)].deviceKind, 1);
    EXPECT_GE(table.MatchInterface(0x1A2B, 0x1234, 1, 3, 0x000C, 0x0001), 0) << "its consumer collection too";
}

TEST_F(DeviceTableFiles, RowRepeatingIdsReplacesTheShippedRowInPlace) {
    const CDeviceTable table = Load(R"({"devices": [
        {"vendorId": "0x320F", "productId": "0x2002", "kind": 6, "name": "Cordless"}
    ]})");
    EXPECT_TRUE(problems.empty()) << AllProblems();
    ASSERT_EQ(table.Rows().size(), 5u);
    const DeviceRow& row = table.Rows()[0];
    EXPECT_EQ(row.name, "Cordless");
    EXPECT_EQ(row.kind, 6);
    EXPECT_EQ(row.folder, "mouse") << "kept from the row it replaces";
    const int command = table.MatchInterface(0x320F, 0x2002, 1, 4, 0xFF1C, 0x0092);
    ASSERT_GE(command, 0);
    EXPECT_EQ(table.Interfaces()[static_cast<size_t>(command)].deviceKind, 6);
}

TEST_F(DeviceTableFiles, BadRowsAreSkippedWithTheirLineAndTheOthersLoad) {
    const CDeviceTable table = Load(
        "{\"devices\": [\n"
        "  {\"vendorId\": 1, \"productId\": 2, \"kind\": 2, \"name\": \"Good\", \"folder\": \"good\"},\n"
        "  {\"vendorId\": 1, \"productId\": 3, \"kind\": 9},\n"
        "  {\"vendorId\": 1, \"productId\": 4, \"kind\": 2, \"colour\": 1}\n"
        "]}\n");
    ASSERT_EQ(problems.size(), 2u) << AllProblems();
    EXPECT_NE(
        problems[0].text.find("user.json: line 3 (row 2): \"kind\" 9 is out of range 1..7; row skipped"),
        std::string::npos)
        << problems[0].text;
    EXPECT_NE(problems[1].text.find("line 4 (row 3): unknown key \"colour\""), std::string::npos)
        << problems[1].text;
    ASSERT_EQ(table.Rows().size(), 6u);
    EXPECT_EQ(table.Rows()[5].name, "Good");
}

TEST_F(DeviceTableFiles, EachKindOfBadRowIsRefusedWithAClearReason) {
    struct Case {
        const char* row;
        const char* reason;
    };
    const Case cases[] = {
        {R"("text")", "a row must be an object"},
        {R"({"productId": 2, "kind": 2})", "\"vendorId\" missing"},
        {R"({"vendorId": 1, "productId": 2})", "\"kind\" missing"},
        {R"({"vendorId": "0x10000", "productId": 2, "kind": 2})", "\"vendorId\" 65536 is out of range"},
        {R"({"vendorId": "12ab", "productId": 2, "kind": 2})", "\"vendorId\" is not a number"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "folder": "../../etc"})",
         "\"folder\" must be a folder name"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "pageXml": "/tmp/x.xml"})",
         "\"pageXml\" must be a relative"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "ledCount": 100000})",
         "\"ledCount\" 100000 is out of range"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "interfaces": []})", "\"interfaces\" must be a list"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "interfaces": [{"interface": 1, "collection": 4}]})",
         "interface without \"usagePage\""},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "subKind": 1})",
         "no interface has the device's sub-kind 1"},
        {R"({"vendorId": 1, "productId": 2, "kind": 2, "name": ""})", "\"name\" must be non-empty text"},
    };
    for (const Case& c : cases) {
        const CDeviceTable table = Load(std::string(R"({"devices": [)") + c.row + "]}");
        ASSERT_EQ(problems.size(), 1u) << c.row;
        EXPECT_NE(problems[0].text.find(c.reason), std::string::npos) << problems[0].text;
        EXPECT_EQ(table.Rows().size(), 5u) << c.row << ": the shipped rows stay, the bad one is not added";
    }
}

TEST_F(DeviceTableFiles, BrokenOrOversizedFilesAreReportedAndChangeNothing) {
    struct Case {
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"{\"devices\": [", "not valid JSON"},
        {"{\"rows\": []}", "no \"devices\" list"},
        {std::string(kMaxDeviceTableBytes + 1, ' '), "larger than 256 KiB"},
        // Deeper than the reader goes: bad text like any other, not an exception.
        {"{\"devices\": " + std::string(1001, '[') + std::string(1001, ']') + "}", "not valid JSON"},
    };
    for (const Case& c : cases) {
        const CDeviceTable table = Load(c.text);
        ASSERT_EQ(problems.size(), 1u) << c.reason;
        EXPECT_NE(problems[0].text.find(c.reason), std::string::npos) << problems[0].text;
        EXPECT_NE(problems[0].text.find("user.json"), std::string::npos) << "names the file";
        EXPECT_EQ(table.Rows().size(), 5u);
    }
}

TEST_F(DeviceTableFiles, MissingFilesFallBackToTheCompiledInRowsSilently) {
    fs::remove_all(root / "program");
    const CDeviceTable table =
        LoadDeviceTable((root / "program").string(), (root / "absent.json").string(), &problems);
    EXPECT_TRUE(problems.empty()) << AllProblems();
    ASSERT_EQ(table.Rows().size(), 5u);
    EXPECT_EQ(table.Rows()[0].folder, "mouse");
    EXPECT_EQ(table.Interfaces().size(), 9u);
}

TEST_F(DeviceTableFiles, ProgramFolderFileIsReadRatherThanTheCompiledInRows) {
    WriteFileBytes(
        root / "program" / "DefaultData" / "devices.json",
        R"({"devices": [{"vendorId": 5, "productId": 6, "kind": 2, "name": "Only", "folder": "only"}]})");
    const CDeviceTable table = LoadDeviceTable((root / "program").string(), "", &problems);
    EXPECT_TRUE(problems.empty()) << AllProblems();
    ASSERT_EQ(table.Rows().size(), 1u);
    EXPECT_EQ(table.Rows()[0].name, "Only");
}

TEST_F(DeviceTableFiles, SimulatorRowsNeverReplaceTheUsersRow) {
    CDeviceTable table = Load(R"({"devices": [{"vendorId": 7, "productId": 8, "kind": 1, "name": "Mine"}]})");
    const std::string simulated = R"({"devices": [{"vendorId": 7, "productId": 8, "kind": 1, "name": "Sim"},
                                                  {"vendorId": 7, "productId": 9, "kind": 3, "name": "Sim pad"}]})";
    AddDeviceRowsJson(table, simulated, DeviceRowSource::Simulator, "simulated", nullptr);
    ASSERT_EQ(table.Rows().size(), 7u);
    EXPECT_EQ(table.FindByIds(7, 8)->name, "Mine");
    EXPECT_EQ(table.FindByIds(7, 9)->name, "Sim pad");
}

TEST(UserDeviceTablePath, FollowsXdgConfigHome) {
    TempFolder home;
    ASSERT_TRUE(home.IsValid());
    home.SetEnv("XDG_CONFIG_HOME", home.File("cfg"));
    EXPECT_EQ(UserDeviceTablePath(), home.File("cfg") + "/kvelm/devices.json");
    home.UnsetEnv("XDG_CONFIG_HOME");
    home.SetEnv("HOME", home.File("u"));
    EXPECT_EQ(UserDeviceTablePath(), home.File("u") + "/.config/kvelm/devices.json");
}

}  // namespace
