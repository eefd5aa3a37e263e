#include "panels/customcontrols/image_description.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace controls {
namespace {

constexpr int kMaxFade = 255;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<Edges> ReadEdges(std::string_view text) {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        text = Trim(text);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), values[i]);
        if (error != std::errc()) return std::nullopt;
        text.remove_prefix(static_cast<size_t>(end - text.data()));
        text = Trim(text);
        if (i < 3) {
            if (text.empty() || text.front() != ',') return std::nullopt;
            text.remove_prefix(1);
        }
    }
    return Edges{values[0], values[1], values[2], values[3]};
}

bool ReadFlag(std::string_view value) {
    return value == "true" || value == "1";
}

void Apply(ImageDescription& out, std::string_view key, std::string_view value) {
    if (key == "file" || key == "res") {
        out.file = std::string(value);
    } else if (key == "source") {
        out.source = ReadEdges(value);
    } else if (key == "dest") {
        out.dest = ReadEdges(value);
    } else if (key == "corner") {
        out.corner = ReadEdges(value);
    } else if (key == "mask") {
        out.mask = std::string(value);
    } else if (key == "fade") {
        int fade = kMaxFade;
        if (std::from_chars(value.data(), value.data() + value.size(), fade).ec == std::errc())
            out.fade = std::clamp(fade, 0, kMaxFade);
    } else if (key == "hole") {
        out.hole = ReadFlag(value);
    } else if (key == "xtiled") {
        out.xtiled = ReadFlag(value);
    } else if (key == "ytiled") {
        out.ytiled = ReadFlag(value);
    } else if (key == "hsl") {
        out.hsl = ReadFlag(value);
    }
}

}  // namespace

ImageDescription ParseImageDescription(std::string_view text) {
    ImageDescription out;
    text = Trim(text);
    if (text.find('=') == std::string_view::npos) {
        out.file = std::string(text);
        return out;
    }
    while (!text.empty()) {
        text = Trim(text);
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) break;
        const std::string_view key = Trim(text.substr(0, equals));
        text.remove_prefix(equals + 1);
        text = Trim(text);
        std::string_view value;
        if (!text.empty() && (text.front() == '\'' || text.front() == '"')) {
            const char quote = text.front();
            const size_t close = text.find(quote, 1);
            value = text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            text.remove_prefix(close == std::string_view::npos ? text.size() : close + 1);
        } else {
            const size_t space = text.find(' ');
            value = text.substr(0, space);
            text.remove_prefix(space == std::string_view::npos ? text.size() : space);
        }
        Apply(out, key, value);
    }
    return out;
}

std::string ComposeSourceDescription(const std::string& file, const Edges& source) {
    char part[64];
    std::snprintf(part, sizeof part, "source='%d,%d,%d,%d'", source.left, source.top, source.right,
                  source.bottom);
    return "file='" + file + "' " + part;
}

}  // namespace controls
