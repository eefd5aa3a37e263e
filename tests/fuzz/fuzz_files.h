#pragma once
// A folder of this fuzzing process for the files a reader is given, and a way to put the
// fuzzer's bytes into one of them. Readers take paths, so the input goes through a file.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        // Every save is flushed to disk; in memory that costs nothing.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kvelm_fuzz_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) abort();
        setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
        return pattern + "/";
    }();
    static const bool cleaned = [] {
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        });
        return true;
    }();
    (void)cleaned;
    return folder;
}

inline void PutFuzzFile(const std::string& path, const uint8_t* data, size_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
