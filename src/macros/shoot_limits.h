#pragma once
// Sizes, limits and fixed event values of the gun presets (shoot data).
//
// A preset file is a JSON object whose "Events" array holds six events per bullet; bullet b
// owns elements 6b .. 6b+5:
//   6b    Type 1 (button), Button 1 (left), "down", Delay 10
//   6b+1  Type 1, Button 1, "up", Delay 0
//   6b+2  Type 4 (horizontal move), Button = distance, "down" left / "up" right, Delay 5
//   6b+3  Type 5 (vertical move), Button = distance, "down" up / "up" down, Delay = the bullet's delay
//   6b+4  Type 4, Button 0, action as 6b+2, Delay 0
//   6b+5  Type 5, Button 0, action as 6b+3, Delay 0
#include <cstdint>

namespace shoot {

inline constexpr int kGunCount = 4;
inline constexpr int kBulletCount = 30;
inline constexpr int kEventsPerBullet = 6;
inline constexpr int kMaxEvents = kBulletCount * kEventsPerBullet;  // a full preset: 180

// The device keeps one byte of distance and two bytes of delay per event.
inline constexpr int kMinDistance = 0;
inline constexpr int kMaxDistance = 255;
inline constexpr int kMinDelay = 0;
inline constexpr int kMaxDelay = 65535;

// Event types of a bullet.
inline constexpr int kTypeButton = 1;
inline constexpr int kTypeHorizontalMove = 4;
inline constexpr int kTypeVerticalMove = 5;
inline constexpr int kLeftButton = 1;

// Delays of the fixed events: the press lasts 10 ms, the horizontal move waits 5 ms.
inline constexpr int kPressDelay = 10;
inline constexpr int kHorizontalMoveDelay = 5;

// Element of a bullet's events, counted from 6b.
inline constexpr int kPressElement = 0;
inline constexpr int kReleaseElement = 1;
inline constexpr int kHorizontalElement = 2;
inline constexpr int kVerticalElement = 3;
inline constexpr int kHorizontalStopElement = 4;
inline constexpr int kVerticalStopElement = 5;

// "Action" texts; for a horizontal move "down" is left, for a vertical move "down" is up.
inline constexpr const char* kActionDown = "down";
inline constexpr const char* kActionUp = "up";

}  // namespace shoot
