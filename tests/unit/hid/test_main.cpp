#include <gtest/gtest.h>

#include <csignal>

int main(int argc, char** argv) {
    // Writing to a stand-in node whose device end was closed must fail, not end the run.
    std::signal(SIGPIPE, SIG_IGN);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
