#pragma once
// The choice to switch profiles with the focused program, kept in the per-user kvelm.ini,
// group "Profiles", key "FollowFocus"; off by default.
bool ReadFollowFocus();
// False when the settings file cannot be written.
bool StoreFollowFocus(bool on);

// The window command that turns the choice over (tray menu item, settings window check box).
inline constexpr const char* kFollowFocusCommand = "follow_focus_menu";
