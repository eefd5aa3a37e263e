#include "shell/profile_keep_settings.h"

#include <QCoreApplication>
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
const char kCtlName[] = "kvelmctl";
const char kInstalledCtl[] = "/usr/bin/kvelmctl";

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
    file.write(LoginApplyEntryText(LoginApplyProgram(QCoreApplication::applicationDirPath())));
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

QString LoginApplyProgram(const QString& programFolder) {
    // The kvelmctl that came with this kvelm (a build folder or an installed copy), else the
    // one the search path finds; a bare name would leave the entry to the login session's
    // search path, which does not know a build folder.
    const QFileInfo beside(QDir(programFolder).filePath(QLatin1String(kCtlName)));
    if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
    const QString found = QStandardPaths::findExecutable(QLatin1String(kCtlName));
    return found.isEmpty() ? QLatin1String(kInstalledCtl) : found;
}

QByteArray LoginApplyEntryText(const QString& program) {
    // Desktop entries quote an argument with blanks in double quotes, escaping ", `, $ and \.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    return QByteArrayLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Apply KV_ELM device profiles\n"
               "Comment=Writes each attached device's selected profile to it\n"
               "Exec=\"") +
           quoted.toUtf8() +
           QByteArrayLiteral(
               "\" apply --all\n"
               "Terminal=false\n"
               "NoDisplay=true\n"
               "X-GNOME-Autostart-enabled=true\n");
}
