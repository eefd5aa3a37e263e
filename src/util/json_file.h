#pragma once
// The JSON files of the program are read and written through these helpers.
// Writes are atomic: the text goes to a temporary file in the same folder, is flushed and
// renamed over the target, so a failure leaves the old file as it was.
#include <json/json.h>
#include <chrono>
#include <ctime>
#include <string>

// Largest file each kind of reader takes in. Parsing costs about a hundred times the file's
// size in memory, so each cap sits well above the largest real file of its kind (a few KB)
// and far below what would hurt.
// Profiles, default profiles and lighting files (real ones: up to 15 KB).
constexpr long long kMaxJsonFileBytes = 256LL * 1024;
// Lists and small settings: ProfileList.ini, KeySlots.json, Language.config and the like.
constexpr long long kMaxListFileBytes = 64LL * 1024;
// Macros (up to 2000 events of about a hundred bytes each).
constexpr long long kMaxMacroFileBytes = 1024LL * 1024;
// Gun presets (180 events; real ones: 20 KB).
constexpr long long kMaxPresetFileBytes = 128LL * 1024;

class CJsonFile {
public:
    // A reader that takes files up to maxBytes.
    explicit CJsonFile(long long maxBytes = kMaxJsonFileBytes) : maxBytes_(maxBytes) {}

    // The whole content of a regular file; empty when it is missing, cannot be read, is not
    // a regular file (a pipe is never waited on) or is larger than the cap (LastError then
    // says so). Writes "readjsonFile 错误吗：：%d\n" with the OS error code to the debug output.
    std::string ReadTextFile(const std::string& path) const;
    long long MaxBytes() const { return maxBytes_; }
    // Why the last read of this object gave nothing although the file exists (a file too
    // large, text that is not JSON), naming the file; empty after a read that worked or
    // found no file.
    const std::string& LastError() const { return lastError_; }
    // The parsed root; a null value when the file is missing, empty or not valid JSON
    // (nested past the reader's limit included; nothing is thrown). A leading UTF-8
    // byte-order mark is skipped. An empty file also writes its path to the debug output.
    Json::Value ReadJsonFile(const std::string& path) const;
    // Styled text followed by one line feed (text that is not UTF-8 is re-encoded, see
    // utf8_text.h). 0 when written, 1 on any failure (the old
    // file is then left intact). Writes "wirtejsonFile 错误吗：：%d\n" to the debug output.
    int WriteJsonFile(const std::string& path, const Json::Value& value) const;
    // Local time as "%d_%02d_%02d_%02d_%02d_%02d_%03d" (year ... millisecond).
    std::string MakeTimestamp() const;
    // The same for a given instant (local time of this process's time zone).
    std::string MakeTimestamp(std::chrono::system_clock::time_point when) const;

private:
    long long maxBytes_;
    mutable std::string lastError_;
};

// The time-stamp text of a broken-down local time and a millisecond (0-999).
std::string FormatTimestamp(const std::tm& local, int millisecond);

// The text WriteJsonFile puts into a file: JsonCpp's styled text and one line feed. Strings
// and member names that are not UTF-8 are written re-encoded by RepairUtf8.
std::string StyledJsonText(const Json::Value& value);

// Atomic write of raw bytes (used by WriteJsonFile and by other file formats).
// 0 on success, 1 on failure with the old file untouched. A symbolic link at path is
// itself replaced by the new file (its target is never written); an existing regular file
// keeps its permission bits.
int WriteFileAtomic(const std::string& path, const std::string& bytes);

// Test seam: when limit >= 0, every following atomic write fails (as a full disk would)
// after that many bytes reached the temporary file. A negative limit restores normal writes.
void SetAtomicWriteByteLimitForTest(long long limit);
