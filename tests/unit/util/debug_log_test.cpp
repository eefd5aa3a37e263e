#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <thread>
#include <vector>

#include "debug_capture.h"
#include "temp_folder.h"
#include "util/debug_log.h"

namespace {

// Chooses the sink from KVELM_DEBUG the way a fresh process would, and restores the
// silent default afterwards.
class DebugEnvironment : public ::testing::Test {
protected:
    void Choose(const char* value) {
        if (value)
            setenv("KVELM_DEBUG", value, 1);
        else
            unsetenv("KVELM_DEBUG");
        SetDebugSink({});
    }
    void TearDown() override { Choose(nullptr); }
};

TEST_F(DebugEnvironment, SilentUnlessAsked) {
    for (const char* value : {static_cast<const char*>(nullptr), "", "0"}) {
        Choose(value);
        EXPECT_FALSE(DebugEnabled()) << (value ? value : "(unset)");
        testing::internal::CaptureStderr();
        DebugPrintf("hidden %d\n", 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

TEST_F(DebugEnvironment, OneSendsTextUnchangedToStandardError) {
    Choose("1");
    EXPECT_TRUE(DebugEnabled());
    testing::internal::CaptureStderr();
    DebugOutput("命令 04 ");
    DebugPrintf("readjsonFile 错误吗：：%d\n", 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "命令 04 readjsonFile 错误吗：：2\n");
}

TEST_F(DebugEnvironment, PathAppendsToFileFromManyThreadsWithoutTearingLines) {
    TempFolder dir;
    const std::string log = dir.File("debug.log");
    WriteFileBytes(log, "earlier run\n");
    Choose(log.c_str());
    ASSERT_TRUE(DebugEnabled());

    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i) DebugPrintf("thread %d line %03d ----------------\n", t, i);
        });
    for (auto& th : threads) th.join();
    Choose(nullptr);  // closes the file

    const std::string text = ReadFileBytes(log);
    ASSERT_EQ(text.rfind("earlier run\n", 0), 0u) << "the old content must stay in front";
    size_t lines = 0;
    size_t pos = std::string("earlier run\n").size();
    while (pos < text.size()) {
        const size_t end = text.find('\n', pos);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(pos, end - pos);
        EXPECT_EQ(line.size(), std::string("thread 0 line 000 ----------------").size()) << line;
        pos = end + 1;
        ++lines;
    }
    EXPECT_EQ(lines, 800u);
}

TEST_F(DebugEnvironment, CustomSinkReceivesTextAndEmptySinkRestoresEnvironment) {
    Choose(nullptr);
    {
        DebugCapture capture;
        EXPECT_TRUE(DebugEnabled());
        DebugPrintf("%s=%02d", "value", 7);
        EXPECT_EQ(capture.Lines(), std::vector<std::string>{"value=07"});
    }
    EXPECT_FALSE(DebugEnabled());
}

}  // namespace
