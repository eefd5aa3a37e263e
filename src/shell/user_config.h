#pragma once
// The per-user kvelm.ini ($XDG_CONFIG_HOME/kvelm/kvelm.ini) opened for reading and writing.
// Before the settings store touches it, anything that is not a plain, readable file of a
// sane size is set aside (see GuardSettingsFile), so a pipe never blocks the start, a huge
// stream is never read whole and a save never writes through a link.
#include <QSettings>

QSettings OpenUserConfig();
