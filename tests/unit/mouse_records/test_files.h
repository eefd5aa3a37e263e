#pragma once
// Hex fixtures of the mouse record tests, and the shared temporary folder.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temp_folder.h"

// Bytes of a hex text: pairs of hex digits separated by blanks; '#' starts a comment line.
inline std::vector<std::uint8_t> ReadHexFixture(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word) bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}
