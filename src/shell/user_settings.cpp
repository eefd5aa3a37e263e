#include "shell/user_settings.h"

#include <QDir>
#include <QSettings>
#include "shell/user_config.h"
#include <QStandardPaths>
#include "shell/app_names.h"

namespace {

const char kLanguageKey[] = "LANGUAGE";

QString LanguageGroup() {
    return QStringLiteral("SOFTWARE/") + QString::fromUtf8(AppNames::kWindowTitle);
}

QSettings UserConfig() {
    return OpenUserConfig();
}

}  // namespace

QString UserDataFolder() {
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty()) return QString();
    const QString folder = QDir(home).filePath(QString::fromUtf8(AppNames::kWindowTitle));
    if (!QDir().mkpath(folder)) return QString();
    return QDir::cleanPath(folder);
}

std::optional<QString> ReadStoredLanguage() {
    QSettings settings = UserConfig();
    settings.beginGroup(LanguageGroup());
    const QVariant value = settings.value(QLatin1String(kLanguageKey));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

bool StoreLanguage(const QString& languageId) {
    QSettings settings = UserConfig();
    settings.beginGroup(LanguageGroup());
    settings.setValue(QLatin1String(kLanguageKey), languageId);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool WriteSkinImageChoice(const QString& flags, const QString& image) {
    const QString folder = UserDataFolder();
    if (folder.isEmpty()) return false;
    QSettings ini(QDir(folder).filePath(QStringLiteral("main.ini")), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("SKINIMAGE"));
    ini.setValue(QStringLiteral("FLAGS"), flags);
    ini.setValue(QStringLiteral("IMAGE"), image);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
