// Writing to a stand-in node whose device end was closed must fail, not end the run.
#include <gtest/gtest.h>

#include <csignal>

namespace {

class IgnoreBrokenPipes : public ::testing::Environment {
public:
    void SetUp() override { std::signal(SIGPIPE, SIG_IGN); }
};

const auto* const kIgnoreBrokenPipes = ::testing::AddGlobalTestEnvironment(new IgnoreBrokenPipes);

}  // namespace
