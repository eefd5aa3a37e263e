#include "shell/profile_keep_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include "shell/user_config.h"
#include <QStandardPaths>

namespace {

const char kGroup[] = "Profiles";
const char kOnArrivalAndResumeKey[] = "ApplyOnArrivalAndResume";
const char kAtLoginKey[] = "ApplyAtLogin";
const char kEntryName[] = "kvelm-apply.desktop";

QSettings UserConfig() {
    return OpenUserConfig();
}

bool ReadFlag(const char* key) {
    QSettings settings = UserConfig();
    return settings.value(QLatin1String(kGroup) + QLatin1Char('/') + QLatin1String(key), false).toBool();
}

bool StoreFlag(const char* key, bool on) {
    QSettings settings = UserConfig();
    settings.setValue(QLatin1String(kGroup) + QLatin1Char('/') + QLatin1String(key), on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool WriteEntry() {
    const QString path = LoginApplyEntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(LoginApplyEntryText());
    return file.commit();
}

bool RemoveEntry() {
    QFile file(LoginApplyEntryPath());
    return !file.exists() || file.remove();
}

}  // namespace

bool ReadApplyOnArrivalAndResume() {
    return ReadFlag(kOnArrivalAndResumeKey);
}

bool StoreApplyOnArrivalAndResume(bool on) {
    return StoreFlag(kOnArrivalAndResumeKey, on);
}

bool ReadApplyAtLogin() {
    return ReadFlag(kAtLoginKey);
}

bool StoreApplyAtLogin(bool on) {
    const bool stored = StoreFlag(kAtLoginKey, on);
    const bool entry = on ? WriteEntry() : RemoveEntry();
    return stored && entry;
}

QString LoginApplyEntryPath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart/") + QLatin1String(kEntryName));
}

QByteArray LoginApplyEntryText() {
    return QByteArrayLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Apply KV_ELM device profiles\n"
        "Comment=Writes each attached device's selected profile to it\n"
        "Exec=kvelmctl apply --all\n"
        "Terminal=false\n"
        "NoDisplay=true\n"
        "X-GNOME-Autostart-enabled=true\n");
}
