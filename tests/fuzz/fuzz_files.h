#pragma once
// A folder of this fuzzing process for the files a reader is given, and a way to put the
// fuzzer's bytes into one of them. Readers take paths, so the input goes through a file.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "temp_folder.h"

// The folder (with a trailing '/'), made on first use and removed when the process exits;
// XDG_DATA_HOME points at its "data" folder.
inline const std::string& FuzzFolder() {
    // Every save is flushed to disk; in memory that costs nothing.
    static TempFolder folder(std::filesystem::is_directory("/dev/shm")
                                 ? std::filesystem::path("/dev/shm")
                                 : std::filesystem::temp_directory_path());
    static const std::string path = [] {
        if (!folder.IsValid()) abort();
        folder.SetEnv("XDG_DATA_HOME", folder.File("data"));
        return folder.Path().string() + "/";
    }();
    return path;
}

inline void PutFuzzFile(const std::string& path, const uint8_t* data, size_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
