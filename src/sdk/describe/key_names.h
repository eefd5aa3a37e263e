#pragma once
// Names of the keyboard's LEDs after the key each one lights.
#include <string>

#include "devices/keyboard/keyboard_key_code.h"

namespace sdk {

// "Key: A", "Key: F5", "Key: Left Shift", "Key: Fn"; "Key: 20 00 4A" for keys without a name here.
std::string KeyLedName(const keyboard::KeyCode& code);

}  // namespace sdk
