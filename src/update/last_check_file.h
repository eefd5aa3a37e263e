#pragma once
// "updatetime.config" in the user data folder: the date of the last update check, as
//   {"updatelasttime": {"value": "<year>-<month>-<day>"}}   (no leading zeros)
#include <ctime>
#include <string>

constexpr const char* kLastCheckFileName = "updatetime.config";

// "%d-%d-%d" of a local date.
std::string FormatCheckDate(const std::tm& local);
// Today's date in local time.
std::string TodayCheckDate();
// The stored date; "" when the file, the member or its value is missing.
std::string ReadLastCheckDate(const std::string& dataFolder);
// Writes the date (creating the folder); 0 on success, 1 on failure.
int WriteLastCheckDate(const std::string& dataFolder, const std::string& date);
// The date the update page shows at start: the stored one, or today's, written into a new
// file when none is stored.
std::string LastCheckDateAtStart(const std::string& dataFolder);
