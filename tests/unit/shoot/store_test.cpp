// The four preset files on disk: first use, broken files, reset, import, export and saving
// a bullet, checked on the bytes of the files.
#include <gtest/gtest.h>

#include "macros/shoot_preset.h"
#include "macros/shoot_store.h"
#include "shoot_fixture.h"

namespace {

using shoot::kShootDone;
using shoot::kShootFileError;
using shoot::kShootRefused;

TEST_F(ShootStoreTest, FirstUseCopiesEachDefaultByteForByte) {
    ASSERT_EQ(store.Init(), kShootDone) << store.LastError();
    for (int gun = 0; gun < 4; ++gun)
        EXPECT_EQ(ReadFileBytes(UserFile(gun)), ReadFileBytes(DefaultFile(gun))) << gun;
    EXPECT_TRUE(store.KeptAside().empty());
}

TEST_F(ShootStoreTest, InitLeavesValidPresetsAlone) {
    const std::string own = R"({"Events": [], "Comment": "mine"})";
    WriteFile(UserFile(1), own);
    WriteFile(UserFile(2), PresetText(31));  // longer than a preset, but the user's data
    ASSERT_EQ(store.Init(), kShootDone);
    EXPECT_EQ(ReadFileBytes(UserFile(1)), own);
    EXPECT_EQ(ReadFileBytes(UserFile(2)), PresetText(31));
}

TEST_F(ShootStoreTest, BrokenFilesAreKeptAsideNeverOverwrittenAndDefaultsUsed) {
    WriteFile(UserFile(0), "first broken");
    ASSERT_EQ(store.Init(), kShootDone);
    EXPECT_EQ(ReadFileBytes(UserFile(0)), ReadFileBytes(DefaultFile(0)));
    EXPECT_EQ(ReadFileBytes(user / "ShootData_0.Shoot.bad"), "first broken");

    // A second breakage finds the first one's name taken.
    WriteFile(UserFile(0), R"({"Events": 5})");
    ASSERT_EQ(store.Init(), kShootDone);
    EXPECT_EQ(ReadFileBytes(user / "ShootData_0.Shoot.bad"), "first broken");
    EXPECT_EQ(ReadFileBytes(user / "ShootData_0.Shoot.bad.1"), R"({"Events": 5})");
    EXPECT_EQ(store.KeptAside(), (std::vector<std::string>{(user / "ShootData_0.Shoot.bad").string(),
                                                           (user / "ShootData_0.Shoot.bad.1").string()}));
}

TEST_F(ShootStoreTest, AnEmptyFileIsReplacedWithNothingToKeep) {
    WriteFile(UserFile(3), "");
    ASSERT_EQ(store.Init(), kShootDone);
    EXPECT_EQ(ReadFileBytes(UserFile(3)), ReadFileBytes(DefaultFile(3)));
    EXPECT_FALSE(std::filesystem::exists(user / "ShootData_3.Shoot.bad"));
}

TEST_F(ShootStoreTest, AMissingOrBrokenDefaultIsReportedAndInstallsNothing) {
    std::filesystem::remove(DefaultFile(1));
    WriteFile(DefaultFile(2), "not json");
    EXPECT_EQ(store.Init(), kShootFileError);
    EXPECT_NE(store.LastError().find("ShootData_1.Shoot"), std::string::npos) << store.LastError();
    EXPECT_FALSE(std::filesystem::exists(UserFile(1)));
    EXPECT_FALSE(std::filesystem::exists(UserFile(2)));
    EXPECT_EQ(ReadFileBytes(UserFile(3)), ReadFileBytes(DefaultFile(3)))
        << "the other presets are still set up";
}

TEST_F(ShootStoreTest, ResetRestoresTheDefaultAndKeepsThePresetWhenTheDefaultIsGone) {
    ASSERT_EQ(store.Init(), kShootDone);
    ASSERT_EQ(store.SaveBullet(2, 0, {true, 9, true, 9, 9}), kShootDone);
    ASSERT_EQ(store.ResetGun(2), kShootDone);
    EXPECT_EQ(ReadFileBytes(UserFile(2)), ReadFileBytes(DefaultFile(2)));

    ASSERT_EQ(store.SaveBullet(2, 0, {true, 9, true, 9, 9}), kShootDone);
    const std::string edited = ReadFileBytes(UserFile(2));
    std::filesystem::remove(DefaultFile(2));
    EXPECT_EQ(store.ResetGun(2), kShootFileError);
    EXPECT_EQ(ReadFileBytes(UserFile(2)), edited);
    EXPECT_EQ(store.ResetGun(4), kShootRefused);
}

TEST_F(ShootStoreTest, ExportedPresetImportedIntoAnotherGunGivesTheSameEvents) {
    ASSERT_EQ(store.Init(), kShootDone);
    ASSERT_EQ(store.SaveBullet(0, 4, {true, 12, false, 34, 56}), kShootDone);
    const std::string exported = (folders_.Path() / "out.shoot").string();
    ASSERT_EQ(store.ExportGun(0, exported), kShootDone);
    EXPECT_EQ(ReadFileBytes(exported), ReadFileBytes(UserFile(0)));

    ASSERT_EQ(store.ImportGun(3, exported), kShootDone);
    EXPECT_EQ(ReadFileBytes(UserFile(3)), ReadFileBytes(UserFile(0)));
    shoot::CShootPreset preset;
    ASSERT_EQ(store.Load(3, &preset), kShootDone);
    EXPECT_EQ(preset.Bullet(4), (shoot::ShootBullet{true, 12, false, 34, 56}));
}

TEST_F(ShootStoreTest, ImportRefusesFilesThatAreNoPresetAndChangesNothing) {
    ASSERT_EQ(store.Init(), kShootDone);
    const std::string before = ReadFileBytes(UserFile(1));
    const std::filesystem::path file = folders_.Path() / "in.shoot";
    struct Case {
        std::string content;
        int result;
    } cases[] = {
        {"garbage", kShootRefused},
        {R"({"profilename": "p", "profileUUID": "u"})", kShootRefused},
        {PresetText(31), kShootRefused},
    };
    for (const Case& c : cases) {
        WriteFile(file, c.content);
        EXPECT_EQ(store.ImportGun(1, file.string()), c.result) << c.content.substr(0, 30);
        EXPECT_FALSE(store.LastError().empty());
        EXPECT_EQ(ReadFileBytes(UserFile(1)), before);
    }
    EXPECT_EQ(store.ImportGun(1, (folders_.Path() / "missing.shoot").string()), kShootFileError);
    EXPECT_EQ(store.ImportGun(1, ""), kShootRefused);
    EXPECT_EQ(ReadFileBytes(UserFile(1)), before);
}

TEST_F(ShootStoreTest, ExportFailuresLeaveTheTargetAlone) {
    ASSERT_EQ(store.Init(), kShootDone);
    EXPECT_EQ(store.ExportGun(0, ""), kShootRefused);
    EXPECT_EQ(store.ExportGun(0, (folders_.Path() / "no" / "such" / "folder.shoot").string()),
              kShootFileError);
    const std::filesystem::path target = folders_.Path() / "old.shoot";
    WriteFile(target, "old content");
    WriteFile(UserFile(2), "broken since Init");
    EXPECT_EQ(store.ExportGun(2, target.string()), kShootRefused);
    EXPECT_EQ(ReadFileBytes(target), "old content");
}

TEST_F(ShootStoreTest, SavingABulletKeepsOtherMembersAndReturnsTheKeptValues) {
    WriteFile(UserFile(0), R"({"Events": [], "Title": "sniper"})");
    shoot::ShootBullet kept;
    ASSERT_EQ(store.SaveBullet(0, 1, {false, 1000, true, 5, -20}, &kept), kShootDone);
    EXPECT_EQ(kept, (shoot::ShootBullet{false, 255, true, 5, 0}));
    const Json::Value saved = ParseJson(ReadFileBytes(UserFile(0)));
    EXPECT_EQ(saved["Title"].asString(), "sniper");
    EXPECT_EQ(saved["Events"].size(), 12u);
    EXPECT_EQ(saved["Events"][8]["Button"].asInt(), 255);
    EXPECT_EQ(saved["Events"][9]["Delay"].asInt(), 0);
}

TEST_F(ShootStoreTest, SavingIntoABrokenFileKeepsItAsideFirst) {
    WriteFile(UserFile(1), "half a fi");
    ASSERT_EQ(store.SaveBullet(1, 0, {true, 1, true, 2, 3}), kShootDone);
    EXPECT_EQ(ReadFileBytes(user / "ShootData_1.Shoot.bad"), "half a fi");
    shoot::CShootPreset preset;
    ASSERT_EQ(store.Load(1, &preset), kShootDone);
    EXPECT_EQ(preset.EventCount(), 6);
}

TEST_F(ShootStoreTest, AFailedWriteLeavesThePresetAsItWas) {
    ASSERT_EQ(store.Init(), kShootDone);
    const std::string before = ReadFileBytes(UserFile(0));
    SetAtomicWriteByteLimitForTest(10);
    EXPECT_EQ(store.SaveBullet(0, 0, {true, 200, true, 200, 2000}), kShootFileError);
    EXPECT_EQ(store.ImportGun(0, DefaultFile(3).string()), kShootFileError);
    EXPECT_EQ(ReadFileBytes(UserFile(0)), before);
    EXPECT_EQ(store.SaveBullet(0, 30, {}), kShootRefused);
    EXPECT_EQ(store.SaveBullet(4, 0, {}), kShootRefused);
}

}  // namespace
