#pragma once
// Two opt-in choices for users whose devices forget their settings (after sleep, or set on
// another computer), kept in the per-user kvelm.ini, group "Profiles":
// - "ApplyOnArrivalAndResume": when a device arrives or the computer wakes, its selected
//   profile is written to it if the device's settings differ from it;
// - "ApplyAtLogin": an autostart entry (<XDG config home>/autostart/kvelm-apply.desktop)
//   runs "kvelmctl apply --all" at login, naming kvelmctl by its full path; the entry exists
//   exactly while this is on.
// Both are off by default.
#include <QString>

bool ReadApplyOnArrivalAndResume();
bool StoreApplyOnArrivalAndResume(bool on);

bool ReadApplyAtLogin();
// Stores the choice and writes or removes the autostart entry; false when either failed.
bool StoreApplyAtLogin(bool on);

// The autostart entry's path, and its contents for the kvelmctl at `program`.
QString LoginApplyEntryPath();
QByteArray LoginApplyEntryText(const QString& program);
// The full path of the kvelmctl the entry runs: the one in `programFolder` (kvelm's own
// folder), else the one on the search path, else /usr/bin/kvelmctl.
QString LoginApplyProgram(const QString& programFolder);
