#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <set>

#include "macros/key_table.h"
#include "macros/linux_keys.h"

using namespace macros;

TEST(KeyTable, RowsMatchTheirNamedKeys) {
    struct Case {
        std::size_t row;
        std::uint16_t code;
        std::uint8_t usage, scan, ext;
        std::string_view nameKey;
    };
    const Case cases[] = {
        {8, 0x41, 0x04, 0x1E, 0, "keyboard_key_A"},
        {33, 0x5A, 0x1D, 0x2C, 0, "keyboard_key_Z"},
        {34, 0x31, 0x1E, 0x02, 0, "keyboard_key_1"},
        {43, 0x30, 0x27, 0x0B, 0, "keyboard_key_0"},
        {53, 0xDC, 0x31, 0x2B, 0, "keyboard_key_xiegang"},
        {61, 0x70, 0x3A, 0x3B, 0, "keyboard_key_F1"},
        {72, 0x7B, 0x45, 0x58, 0, "keyboard_key_F12"},
        {73, 0x2C, 0x46, 0x37, 1, "keyboard_key_Print Scr"},
        {75, 0x13, 0x48, 0x45, 0, "keyboard_key_Pause"},
        {85, 0x26, 0x52, 0x48, 1, "keyboard_key_Up"},
        {86, 0x90, 0x53, 0x45, 1, "keyboard_key_Num Lock"},
        {91, 0x0101, 0x58, 0x1C, 1, "keyboard_key_Num Enter"},
        {92, 0x61, 0x59, 0x4F, 0, "keyboard_key_Num 1"},
        {101, 0x60, 0x62, 0x52, 0, "keyboard_key_Num 0"},
        {103, 0x5D, 0x65, 0x5D, 1, "keyboard_key_App"},
        {112, 0xFF, 0x90, 0x72, 0, "keyboard_key_K151"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nameKey);
        const KeyRow& row = KeyRows()[c.row];
        EXPECT_EQ(row.code, c.code);
        EXPECT_EQ(row.param2, c.usage);
        EXPECT_EQ(row.nameKey, c.nameKey);
        EXPECT_EQ(ScanRows()[c.row].scan, c.scan);
        EXPECT_EQ(ScanRows()[c.row].extended, c.ext);
        EXPECT_EQ(FindScanRow(c.scan, c.ext), c.row);
        EXPECT_EQ(FindUsageRow(c.usage), c.row);
    }
    EXPECT_EQ(KeyRows()[140].nameKey, "keyboard_key_GM");
    EXPECT_EQ(KeyRows()[140].param1, 0x1B);
}

// F13-F24 follow the device program's rows: keyboard usages 0x68-0x73, found by the scan
// codes the capture reports, by word and by usage; the Linux keys lead to the same rows.
TEST(KeyTable, F13ToF24AreKeyboardKeysAfterTheOtherRows) {
    const std::uint16_t linuxCodes[] = {KEY_F13, KEY_F14, KEY_F15, KEY_F16, KEY_F17, KEY_F18,
                                        KEY_F19, KEY_F20, KEY_F21, KEY_F22, KEY_F23, KEY_F24};
    for (int n = 0; n < 12; ++n) {
        SCOPED_TRACE(n + 13);
        const std::size_t row = kFirstLateKeyRow + static_cast<std::size_t>(n);
        const KeyRow& key = KeyRows()[row];
        EXPECT_EQ(key.category, KeyCategory::kKeyboard);
        EXPECT_EQ(key.param2, 0x68 + n);
        EXPECT_EQ(key.word, "f" + std::to_string(n + 13));
        EXPECT_EQ(FindWordRow(key.word), row);
        EXPECT_EQ(FindUsageRow(static_cast<std::uint8_t>(0x68 + n)), row);
        const auto identity = IdentityOfLinuxKey(linuxCodes[n]);
        ASSERT_TRUE(identity);
        EXPECT_EQ(FindScanRow(identity->scan, identity->extended), row);
        EXPECT_EQ(key.code, identity->virtualKey);
    }
    const std::vector<std::size_t> scanned = ScannedKeyRows();
    ASSERT_EQ(scanned.size(), kScanRowCount + 12);
    EXPECT_EQ(scanned[kScanRowCount - 1], kScanRowCount - 1);
    EXPECT_EQ(scanned[kScanRowCount], kFirstLateKeyRow);
}

TEST(KeyTable, LookupsByCodeAndWord) {
    EXPECT_EQ(FindModifierRow(0x10), 4u);  // right Ctrl
    EXPECT_EQ(FindModifierRow(0x03), std::nullopt);
    EXPECT_EQ(KeyRows()[*FindConsumerRow(0x0183)].nameKey, "keyboard_key_Launch Media Select");
    EXPECT_EQ(KeyRows()[*FindSystemRow(0x04)].nameKey, "keyboard_key_Wakeup");
    EXPECT_EQ(FindWordRow("CTRL"), 0u);
    EXPECT_EQ(FindWordRow("volume-up"), FindConsumerRow(0x00E9));
    EXPECT_EQ(FindWordRow("nonsense"), std::nullopt);
    EXPECT_EQ(FindVirtualKeyRow(0), std::nullopt);  // device keys have code 0
    std::set<std::string_view> words;
    for (const KeyRow& row : KeyRows())
        EXPECT_TRUE(words.insert(row.word).second) << "word used twice: " << row.word;
}

TEST(KeyTable, MouseActionRowsByMessage) {
    EXPECT_EQ(FindMouseActionRow(MouseMessage::kRightUp, 0), 3u);
    EXPECT_EQ(FindMouseActionRow(MouseMessage::kXDown, kXButtonForward), 6u);
    EXPECT_EQ(FindMouseActionRow(MouseMessage::kXUp, kXButtonBack), 9u);
    EXPECT_EQ(FindMouseActionRow(MouseMessage::kXUp, 3), std::nullopt);
    EXPECT_EQ(FindMouseActionRow(0x020A, 0), std::nullopt);  // the wheel is not a button
}

// Every Linux key the scan table knows must name the same key in the key table.
TEST(LinuxKeys, AgreeWithTheKeyAndScanTables) {
    std::set<std::pair<int, bool>> scans;
    for (const LinuxKeyRow& row : LinuxKeyRows()) {
        SCOPED_TRACE(row.linuxCode);
        const auto first = LinuxKeyOfScan(row.identity.scan, row.identity.extended);
        if (!scans.insert({row.identity.scan, row.identity.extended}).second) {
            // A second kernel name of a key already listed (KEY_CONFIG for KEY_MEDIA): the
            // whole identity must agree, or two keys would share a scan code.
            ASSERT_TRUE(first.has_value());
            EXPECT_EQ(IdentityOfLinuxKey(*first), row.identity) << "scan code used by two keys";
            continue;
        }
        EXPECT_EQ(first, row.linuxCode);
        if (const auto scanRow = FindScanRow(row.identity.scan, row.identity.extended)) {
            EXPECT_EQ(KeyRows()[*scanRow].code, row.identity.virtualKey);
        }
    }
    // Every scan table row is reachable from some Linux key.
    for (const ScanRow& scan : ScanRows())
        EXPECT_TRUE(LinuxKeyOfScan(scan.scan, scan.extended).has_value())
            << int(scan.scan) << "/" << int(scan.extended);
}

TEST(LinuxKeys, NamedKeysAndButtons) {
    struct Case {
        std::uint16_t code;
        KeyIdentity identity;
    };
    const Case cases[] = {
        {KEY_C, {0x43, 0x2E, false}},        {KEY_RIGHTCTRL, {0xA3, 0x1D, true}},
        {KEY_KPENTER, {0x0101, 0x1C, true}}, {KEY_F24, {0x87, 0x76, false}},
        {KEY_DELETE, {0x2E, 0x53, true}},    {KEY_KP5, {0x65, 0x4C, false}},
        {KEY_VOLUMEUP, {0xAF, 0x30, true}},  {KEY_SLEEP, {0x0104, 0x5F, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(IdentityOfLinuxKey(c.code), c.identity) << c.code;
    EXPECT_EQ(IdentityOfLinuxKey(KEY_RESERVED), std::nullopt);
    // Media keys reach their consumer row through the virtual-key code.
    EXPECT_EQ(KeyRows()[*FindVirtualKeyRow(IdentityOfLinuxKey(KEY_PLAYPAUSE)->virtualKey)].nameKey,
              "keyboard_key_Media Play Pause");

    EXPECT_EQ(ButtonOfLinuxCode(BTN_EXTRA)->xButton, kXButtonForward);
    EXPECT_EQ(ButtonOfLinuxCode(BTN_SIDE)->xButton, kXButtonBack);
    EXPECT_EQ(ButtonOfLinuxCode(BTN_MIDDLE)->downMessage, MouseMessage::kMiddleDown);
    EXPECT_EQ(ButtonOfLinuxCode(BTN_TOUCH), std::nullopt);
}
