#include "shell/sdk_server_settings.h"

#include "shell/user_config.h"

namespace {
const char kEnabledKey[] = "SdkServer/Enabled";
const char kAddressKey[] = "SdkServer/Address";
}  // namespace

SdkServerSetting ReadSdkServerSetting() {
    QSettings settings = OpenUserConfig();
    SdkServerSetting setting;
    setting.enabled = settings.value(QLatin1String(kEnabledKey), setting.enabled).toBool();
    const QString address = settings.value(QLatin1String(kAddressKey)).toString().trimmed();
    if (!address.isEmpty()) setting.address = address;
    return setting;
}

bool StoreSdkServerSetting(const SdkServerSetting& setting) {
    QSettings settings = OpenUserConfig();
    settings.setValue(QLatin1String(kEnabledKey), setting.enabled);
    settings.setValue(QLatin1String(kAddressKey), setting.address);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
