#include "child_program.h"

namespace {

using namespace std::chrono_literals;

// Written by the window once it has built itself, and by the workers as they stop.
const char kWindowReady[] = "InitWindow\n";
const char kMouseArrived[] = "添加一个鼠标设备\n";
const char kDiscoveryStopped[] = "抓取设备线程设定退出\n";
const char kMouseWorkerStopped[] = "MS设备同步线程设定退出\n";
const char kWorkerJoined[] = "所有对象处于激发状态\n";
const char kWorkerTimedOut[] = "所有对象处于非激发状态，超时\n";

class QuitSignalTest : public testing::TestWithParam<int> {};

TEST_P(QuitSignalTest, EndsWithZeroAfterStoppingEveryWorker) {
    ChildProgram program("mouse");
    ASSERT_GT(program.Pid(), 0);
    // The mouse's input worker starts once discovery reported the simulated mouse.
    ASSERT_TRUE(program.WaitForDebug(kWindowReady, 20s)) << program.DebugText();
    ASSERT_TRUE(program.WaitForDebug(kMouseArrived, 10s)) << program.DebugText();
    std::this_thread::sleep_for(500ms);

    ASSERT_EQ(kill(program.Pid(), GetParam()), 0);
    const int status = program.WaitForExit(10s);
    ASSERT_NE(status, -1) << "still running after the signal";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string log = program.DebugText();
    EXPECT_NE(log.find(kDiscoveryStopped), std::string::npos) << log;
    EXPECT_NE(log.find(kMouseWorkerStopped), std::string::npos) << log;
    EXPECT_NE(log.find(kWorkerJoined), std::string::npos) << log;
    EXPECT_EQ(log.find(kWorkerTimedOut), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(TermAndInterrupt, QuitSignalTest, testing::Values(SIGTERM, SIGINT));

}  // namespace
