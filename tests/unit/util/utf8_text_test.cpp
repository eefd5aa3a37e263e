// Text that is not UTF-8 on its way through the JSON files.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "util/json_file.h"
#include "util/utf8_text.h"

namespace {

TEST(Utf8Text, ValidTextIsKeptAndOtherBytesBecomeTheirLatin1Characters) {
    const struct {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"ascii", "Game 1", "Game 1"},
        {"valid two, three and four bytes", "Caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x8E\xAE",
         "Caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x8E\xAE"},
        {"latin-1 e acute", "Caf\xE9", "Caf\xC3\xA9"},
        {"lone continuation byte", "a\x80z", "a\xC2\x80z"},
        {"truncated sequence at the end", "x\xE4\xB8", "x\xC3\xA4\xC2\xB8"},
        {"overlong slash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"mixed valid and invalid", "\xE4\xB8\xAD\xFF", "\xE4\xB8\xAD\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RepairUtf8(c.in), c.out) << c.name;
        EXPECT_TRUE(IsValidUtf8(RepairUtf8(c.in))) << c.name;
        EXPECT_EQ(IsValidUtf8(c.in), c.in == c.out) << c.name;
    }
}

TEST(Utf8Text, WrittenFileReadsBackWithTheSameCharacters) {
    // A name typed in Latin-1 used to come back as another character after a save.
    TempFolder dir;
    CJsonFile files;
    Json::Value value;
    value["profilename"] = "Caf\xE9 \xE4\xB8\xAD";
    value["nested"][0]["M\xFC"] = "\xFC";
    ASSERT_EQ(files.WriteJsonFile(dir.File("p.Json"), value), 0);
    const std::string text = ReadFileBytes(dir.File("p.Json"));
    EXPECT_TRUE(IsValidUtf8(text));
    const Json::Value back = files.ReadJsonFile(dir.File("p.Json"));
    EXPECT_EQ(back["profilename"].asString(), "Caf\xC3\xA9 \xE4\xB8\xAD");
    EXPECT_EQ(back["nested"][0]["M\xC3\xBC"].asString(), "\xC3\xBC");
    // Saved once more, the file does not change again.
    ASSERT_EQ(files.WriteJsonFile(dir.File("p.Json"), back), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("p.Json")), text);
}

}  // namespace
