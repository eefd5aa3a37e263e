// A program folder whose path is not valid UTF-8: the skins, their files and the languages
// beside the program are still found, and the main window starts from them.
#include <sys/stat.h>
#include <QFileInfo>
#include <filesystem>
#include <string>
#include "shell/language_manager.h"
#include "ui/language_table.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"
#include "shell_fixture.h"
#include "temp_folder.h"

namespace {

// Bytes that are no UTF-8 text.
const std::string kForeignName = "program \xff\xfe folder";

class ForeignProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.IsValid());
        folder = temp.File(kForeignName);
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        namespace fs = std::filesystem;
        for (const char* part : {"skin", "DefaultData", "lang"})
            fs::copy(fs::path(KVELM_TEST_PROGRAM_DIR) / part, fs::path(folder) / part,
                     fs::copy_options::recursive);
        temp.SetEnv("KVELM_DATA_DIR", folder);
    }
    void TearDown() override {
        temp.RestoreEnv();
        CSkinResources::Instance().Load();
        ApplySkinStyleSheet();
    }

    // Removed by its bytes: a Qt temporary folder cannot delete a name that is no UTF-8.
    TempFolder temp;
    std::string folder;
};

}  // namespace

TEST_F(ForeignProgramFolder, SkinLoaderFindsItsResourceTableAndFiles) {
    ASSERT_TRUE(CSkinResources::Instance().Load());
    const QString mainSkin = CSkinResources::Instance().FileOfId(QStringLiteral("XML_MAIN"));
    ASSERT_FALSE(mainSkin.isEmpty());
    EXPECT_TRUE(QFileInfo(CSkinResources::Instance().Folder() + QLatin1Char('/') + mainSkin).isFile());
    EXPECT_TRUE(ApplySkinStyleSheet());
}

TEST_F(ForeignProgramFolder, LanguagesAreListedAndLoaded) {
    const std::vector<LanguageEntry> entries = CLanguageManager::Instance().Entries();
    ASSERT_FALSE(entries.empty());
    for (const LanguageEntry& entry : entries)
        EXPECT_TRUE(CLanguageManager::Instance().LoadLanguageFile(entry.file)) << entry.file.toStdString();
}

TEST_F(ForeignProgramFolder, MainWindowStarts) {
    ASSERT_TRUE(CSkinResources::Instance().Load());
    CMainWnd wnd;
    ASSERT_TRUE(wnd.CreateMainWindow());
    EXPECT_NE(wnd.FindControl(QStringLiteral("closebtn")), nullptr);
    wnd.Close(0);
}
