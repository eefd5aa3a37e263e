#pragma once
// The choice to switch profiles with the focused program, kept in the per-user kvelm.ini,
// group "Profiles", key "FollowFocus"; off by default.
bool ReadFollowFocus();
// False when the settings file cannot be written.
bool StoreFollowFocus(bool on);
