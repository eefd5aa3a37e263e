#include "shell/user_config.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>
#include "ui/local_path.h"
#include "util/file_aside.h"
#include "util/json_file.h"

QSettings OpenUserConfig() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!folder.isEmpty()) {
        const std::string path = QStringToLocalPath(QDir(folder).filePath(QStringLiteral("kvelm/kvelm.ini")));
        const std::string problem = GuardSettingsFile(path, kMaxListFileBytes);
        if (!problem.empty()) qWarning("%s", problem.c_str());
    }
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kvelm"),
                     QStringLiteral("kvelm"));
}
