#pragma once
// What a running updater tells the program, as one line of text sent over the program's
// local socket:
//
//   {4695579F-999A-41d4-9FAF-EFFCE93EBF15} <code> <value>\n
//
// The first field is the updater message's name, then two decimal numbers separated by
// single spaces. code 1: finished; 2 or 3: failed; 4: progress, value the percentage
// 0-100. For codes 1-3 the value is 0. The line ends with "\n" (a "\r" before it is
// accepted) and is at most kUpdaterLineMax bytes long. Anything else is not a message.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

constexpr std::string_view kUpdaterMessageName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
constexpr size_t kUpdaterLineMax = 128;

constexpr int kUpdaterFinished = 1;
constexpr int kUpdaterFailed = 2;
constexpr int kUpdaterFailedToo = 3;
constexpr int kUpdaterProgress = 4;
constexpr int kPercentMax = 100;

struct UpdaterMessage {
    int code = 0;
    int value = 0;
};

std::optional<UpdaterMessage> ParseUpdaterMessage(std::string_view line);
std::string FormatUpdaterMessage(const UpdaterMessage& message);
