#include "macros/macro_event.h"

#include <algorithm>

#include "devices/mouse/leading_decimal.h"
#include "macros/key_table.h"
#include "util/json_value.h"

namespace macros {
namespace {

constexpr std::size_t kMouseButtonRows = 10;  // mouse action rows 0-9 are the buttons
constexpr std::size_t kFirstMoveRow = 10;
constexpr std::size_t kLastMoveRow = 13;

int DelayOf(const Json::Value& delay) {
    long long value = 0;
    if (delay.isString())
        value = mouse::ParseLeadingDecimal(delay.asString());
    else if (delay.isIntegral())
        value = delay.asLargestInt();
    return static_cast<int>(std::clamp<long long>(value, 0, kMaxDelay));
}

std::string_view MouseLabel(std::string_view nameKey) {
    struct Label {
        std::string_view key, text;
    };
    static constexpr Label kLabels[] = {
        {"mouse_key_left", "Left button"},          {"mouse_key_right", "Right button"},
        {"mouse_key_middle", "Middle button"},      {"mouse_key_forward", "Forward button"},
        {"mouse_key_back", "Back button"},          {"mouse_move_to_left_text", "Move left"},
        {"mouse_move_to_right_text", "Move right"}, {"mouse_move_to_up_text", "Move up"},
        {"mouse_move_to_down_text", "Move down"},
    };
    for (const Label& label : kLabels)
        if (label.key == nameKey) return label.text;
    return {};
}

bool IsMove(int type) {
    return type == EventType::kHorizontalMove || type == EventType::kVerticalMove;
}

}  // namespace

MacroEvent EventFromJson(const Json::Value& event) {
    MacroEvent result;
    if (!JsonIsObject(event)) return result;
    result.type = JsonIntAt(event, "Type");
    result.button = JsonIntAt(event, "Button");
    result.down = JsonStringAt(event, "Action") == kActionDown;
    result.delay = DelayOf(JsonMember(event, "Delay"));
    return result;
}

Json::Value EventToJson(const MacroEvent& event) {
    Json::Value json(Json::objectValue);
    json["Type"] = event.type;
    json["Button"] = event.button;
    json["Action"] = std::string(event.down ? kActionDown : kActionUp);
    json["Delay"] = std::to_string(std::clamp(event.delay, 0, kMaxDelay));
    return json;
}

mouse::MacroEventRecord EventRecord(const MacroEvent& event) {
    return mouse::EncodeMacroEvent(EventToJson(event));
}

std::string_view EventNameKey(const MacroEvent& event) {
    if (event.button < 0 || event.button > 0xFF) return {};
    const auto button = static_cast<std::uint8_t>(event.button);
    if (event.type == EventType::kKey) {
        const auto row = FindUsageRow(button);
        return row ? KeyRows()[*row].nameKey : std::string_view{};
    }
    if (event.type == EventType::kModifier) {
        const auto row = FindModifierRow(button);
        return row ? KeyRows()[*row].nameKey : std::string_view{};
    }
    const auto actions = MouseActionRows();
    if (event.type == EventType::kMouseButton) {
        for (std::size_t i = 0; i < kMouseButtonRows; ++i)
            if (actions[i].bit == button) return actions[i].nameKey;
    } else if (IsMove(event.type)) {
        const int typeByte = event.type | (event.down ? mouse::kEventDownBit : 0);
        for (std::size_t i = kFirstMoveRow; i <= kLastMoveRow; ++i)
            if (actions[i].typeByte == typeByte) return actions[i].nameKey;
    }
    return {};
}

std::string DescribeEvent(const MacroEvent& event) {
    const std::string_view key = EventNameKey(event);
    if (IsMove(event.type) && !key.empty())
        return std::string(MouseLabel(key)) + " " + std::to_string(event.button);
    std::string name;
    if (event.type == EventType::kKey || event.type == EventType::kModifier) {
        for (const KeyRow& row : KeyRows())
            if (row.nameKey == key && !key.empty()) name = row.label;
    } else {
        name = MouseLabel(key);
    }
    if (name.empty()) name = "Type " + std::to_string(event.type) + " (" + std::to_string(event.button) + ")";
    return name + (event.down ? " down" : " up");
}

}  // namespace macros
