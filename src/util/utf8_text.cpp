#include "util/utf8_text.h"

namespace {

// Length of the well-formed UTF-8 sequence at text[pos], 0 when there is none.
size_t SequenceLength(const std::string& text, size_t pos) {
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(pos);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    if (at(pos + 1) < low || at(pos + 1) > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((at(pos + i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = SequenceLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string RepairUtf8(const std::string& text) {
    if (IsValidUtf8(text)) return text;
    std::string repaired;
    repaired.reserve(text.size() * 2);
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = SequenceLength(text, pos);
        if (length > 0) {
            repaired.append(text, pos, length);
            pos += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[pos++]);
        repaired += static_cast<char>(0xC0 | (byte >> 6));
        repaired += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return repaired;
}

bool JsonNeedsUtf8Repair(const Json::Value& value) {
    if (value.isString()) return !IsValidUtf8(value.asString());
    if (value.isArray()) {
        for (const Json::Value& element : value) {
            if (JsonNeedsUtf8Repair(element)) return true;
        }
    } else if (value.isObject()) {
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (!IsValidUtf8(it.name()) || JsonNeedsUtf8Repair(*it)) return true;
        }
    }
    return false;
}

Json::Value RepairJsonUtf8(const Json::Value& value) {
    if (value.isString()) return Json::Value(RepairUtf8(value.asString()));
    if (value.isArray()) {
        Json::Value copy(Json::arrayValue);
        for (const Json::Value& element : value) copy.append(RepairJsonUtf8(element));
        return copy;
    }
    if (value.isObject()) {
        Json::Value copy(Json::objectValue);
        for (auto it = value.begin(); it != value.end(); ++it)
            copy[RepairUtf8(it.name())] = RepairJsonUtf8(*it);
        return copy;
    }
    return value;
}
