#include "shell/focus_follow_settings.h"

#include <QSettings>

#include "shell/user_config.h"

namespace {
const char kKey[] = "Profiles/FollowFocus";
}  // namespace

bool ReadFollowFocus() {
    QSettings settings = OpenUserConfig();
    return settings.value(QLatin1String(kKey), false).toBool();
}

bool StoreFollowFocus(bool on) {
    QSettings settings = OpenUserConfig();
    settings.setValue(QLatin1String(kKey), on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
