#pragma once
// One macro event as the macro files store it:
//   {"Type": int, "Button": int, "Action": "down"|"up", "Delay": "<decimal digits>"}
// Types: 10 keyboard key (Button = HID keyboard usage), 9 modifier (Button = modifier bit),
// 1 mouse button (Button = button bit), 4 horizontal move ("down" = left), 5 vertical move
// ("down" = up), 2 and 3 other mouse events. The delay is the time after the event.
#include <cstdint>
#include <string>
#include <string_view>

#include <json/json.h>

#include "devices/mouse/mouse_images.h"

namespace macros {

namespace EventType {
inline constexpr int kMouseButton = 1;
inline constexpr int kHorizontalMove = 4;
inline constexpr int kVerticalMove = 5;
inline constexpr int kModifier = 9;
inline constexpr int kKey = 10;
}  // namespace EventType

inline constexpr int kMaxDelay = 65535;
inline constexpr int kMinDistance = 1;
inline constexpr int kMaxDistance = 255;
inline constexpr std::string_view kActionDown = "down";
inline constexpr std::string_view kActionUp = "up";

struct MacroEvent {
    int type = 0;
    int button = 0;
    bool down = false;
    int delay = 0;  // 0..65535 ms
    // A release the recorder added when recording stopped because capture never saw it;
    // shown as such on the page, not stored in the file (equality ignores it).
    bool addedAtStop = false;
    bool operator==(const MacroEvent& other) const {
        return type == other.type && button == other.button && down == other.down && delay == other.delay;
    }
};

// Reads an event object: a text delay goes through the leading-digits conversion and an
// integer delay counts as its decimal text; delays are limited to 0..65535 (70000 reads
// 65535). Missing keys read as 0 / "up".
MacroEvent EventFromJson(const Json::Value& event);
// The event object as the files store it, "Delay" as decimal text.
Json::Value EventToJson(const MacroEvent& event);
// The 4-byte device form (delay, type | 0x80 for down, button).
mouse::MacroEventRecord EventRecord(const MacroEvent& event);

// Language text id of the event's name: the key table name for types 9 and 10, the mouse
// action name for types 1, 4 and 5; empty when no row matches (and for types 2, 3).
std::string_view EventNameKey(const MacroEvent& event);
// A short English description: "A down", "Left Ctrl up", "Left button down",
// "Move up 12", "Type 2 down" for events without a name.
std::string DescribeEvent(const MacroEvent& event);

}  // namespace macros
