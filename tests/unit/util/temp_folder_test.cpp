// The tests' temporary folder: everything in it goes away with it, and the environment
// variables changed through it come back as they were, however often they were changed.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "temp_folder.h"

namespace {

const char kName[] = "KVELM_TEMP_FOLDER_TEST_VALUE";

std::optional<std::string> Current() {
    const char* value = getenv(kName);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Establish(const std::optional<std::string>& value) {
    if (value)
        setenv(kName, value->c_str(), 1);
    else
        unsetenv(kName);
}

struct EnvCase {
    const char* what;
    std::optional<std::string> before;
    bool unsetFirst;  // UnsetEnv before the SetEnv calls
    bool restoreEarly;
};

TEST(TempFolderEnv, VariablesComeBackAsTheyWereBefore) {
    const EnvCase cases[] = {
        {"set over a value", "old", false, false},
        {"set where there was none", std::nullopt, false, false},
        {"set to empty over a value", "", false, false},
        {"removed, then set", "old", true, false},
        {"removed where there was none, then set", std::nullopt, true, false},
        {"restored while the folder stays", "old", true, true},
        {"restored while the folder stays, none before", std::nullopt, false, true},
    };
    TempFolder outer;  // gives the variable back as the run had it
    outer.UnsetEnv(kName);
    for (const EnvCase& c : cases) {
        Establish(c.before);
        {
            TempFolder folder;
            ASSERT_TRUE(folder.IsValid());
            if (c.unsetFirst) {
                folder.UnsetEnv(kName);
                EXPECT_EQ(Current(), std::nullopt) << c.what;
            }
            folder.SetEnv(kName, "first");
            folder.SetEnv(kName, "second");
            EXPECT_EQ(Current(), "second") << c.what;
            if (c.restoreEarly) {
                folder.RestoreEnv();
                EXPECT_EQ(Current(), c.before) << c.what << ": at once";
                // Changed again after the restore: only this later value is kept out.
                Establish("changed by the test");
            }
        }
        EXPECT_EQ(Current(), c.restoreEarly ? std::optional<std::string>("changed by the test") : c.before)
            << c.what;
    }
}

TEST(TempFolderEnv, UserHomeNamesFoldersInsideAndIsUndone) {
    TempFolder outer;
    outer.SetEnv("XDG_DATA_HOME", "/outside/data");
    outer.UnsetEnv("XDG_CONFIG_HOME");
    std::filesystem::path root;
    {
        TempFolder folder;
        ASSERT_TRUE(folder.IsValid());
        root = folder.Path();
        folder.UseAsUserHome();
        EXPECT_EQ(std::string(getenv("XDG_DATA_HOME")), folder.File("data"));
        EXPECT_EQ(std::string(getenv("XDG_CONFIG_HOME")), folder.File("config"));
        EXPECT_TRUE(std::filesystem::is_directory(folder.File("data")));
        EXPECT_TRUE(std::filesystem::is_directory(folder.File("config")));
    }
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_STREQ(getenv("XDG_DATA_HOME"), "/outside/data");
    EXPECT_EQ(getenv("XDG_CONFIG_HOME"), nullptr);
}

TEST(TempFolderFiles, EverythingGoesEvenBehindFoldersWithoutWritePermission) {
    namespace fs = std::filesystem;
    fs::path root;
    {
        TempFolder folder;
        ASSERT_TRUE(folder.IsValid());
        root = folder.Path();
        fs::create_directories(root / "a" / "b");
        EXPECT_EQ(folder.Put("a/b/file.bin", std::string("x\0y", 3)),
                  (root / "a" / "b" / "file.bin").string());
        EXPECT_EQ(folder.Read("a/b/file.bin"), std::string("x\0y", 3));
        // Folders without write permission, inner and outer, and the folder itself.
        fs::permissions(root / "a" / "b", fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(root / "a", fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(root, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_FALSE(fs::exists(root));
}

TEST(TempFolderFiles, EachFolderIsNewAndBelowTheGivenBase) {
    TempFolder base;
    ASSERT_TRUE(base.IsValid());
    TempFolder first(base.Path()), second(base.Path());
    ASSERT_TRUE(first.IsValid());
    ASSERT_TRUE(second.IsValid());
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_EQ(first.Path().parent_path(), base.Path());
    EXPECT_EQ(base.Names().size(), 2u);

    TempFolder missing(base.Path() / "absent");
    EXPECT_FALSE(missing.IsValid());
    EXPECT_TRUE(missing.Path().empty());
}

}  // namespace
