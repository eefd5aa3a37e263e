#pragma once
// One bullet of a gun preset: its five editable values, how they are read from and written
// into a preset document's "Events" array, and how typed values are limited.
#include <string_view>

#include <json/json.h>

namespace shoot {

struct ShootBullet {
    bool left = false;   // horizontal direction: true left, false right
    int horizontal = 0;  // horizontal distance, kMinDistance .. kMaxDistance
    bool up = false;     // vertical direction: true up, false down
    int vertical = 0;    // vertical distance, kMinDistance .. kMaxDistance
    int delay = 0;       // milliseconds after the bullet, kMinDelay .. kMaxDelay
    bool operator==(const ShootBullet&) const = default;
};

// The values limited to what the device keeps: distances 0..255, delay 0..65535.
ShootBullet ClampBullet(const ShootBullet& bullet);

// A number typed into a distance or delay edit: leading decimal digits with an optional
// sign ("30ms" reads 30, no digits read 0), limited as above. The result is what is kept
// and what the edit should show afterwards.
int EnterDistance(std::string_view text);
int EnterDelay(std::string_view text);

// True for a bullet number 0 .. kBulletCount - 1.
bool IsBulletIndex(int bullet);

// The bullet's values as the device receives them (the image encoder reads the events:
// an action "down" in any letter case, a "Delay" as integer or decimal text, values
// limited to one and two bytes). Missing elements, a missing "Events" array or a
// document that is not an object read as distance 0, 0, delay 0, right and down.
// An index outside 0 .. kBulletCount - 1 reads the same way.
ShootBullet ReadBullet(const Json::Value& document, int bullet);

// Writes the bullet's six events (values clamped first) into elements 6b .. 6b+5 of
// "Events"; a shorter array is lengthened with null elements in between. Every other
// member of the document is kept. False (nothing changed) for an index outside
// 0 .. kBulletCount - 1 or a document that is neither null nor an object, or whose "Events"
// is neither missing nor an array.
bool WriteBullet(Json::Value& document, int bullet, const ShootBullet& values);

// Text ids of the direction checks.
const char* HorizontalTextId(bool left);  // "mouse_move_to_left_text" / "mouse_move_to_right_text"
const char* VerticalTextId(bool up);      // "mouse_move_to_up_text" / "mouse_move_to_down_text"

}  // namespace shoot
