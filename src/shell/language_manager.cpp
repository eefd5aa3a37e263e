#include "shell/language_manager.h"

#include <QDir>
#include <QLocale>
#include "shell/font_table.h"
#include "shell/user_settings.h"
#include "ui/language_table.h"
#include "ui/local_path.h"
#include "ui/program_folder.h"
#include "util/debug_log.h"

CLanguageManager& CLanguageManager::Instance() {
    static CLanguageManager manager;
    return manager;
}

QString CLanguageManager::ConfigPath() {
    return LocalPathToQString(ProgramFolder()) + QStringLiteral("/DefaultData/Language.config");
}

QString CLanguageManager::LanguageFolder() {
    return LocalPathToQString(ProgramFolder()) + QStringLiteral("/lang");
}

std::vector<LanguageEntry> CLanguageManager::Entries() const {
    std::vector<LanguageEntry> entries;
    ReadLanguageConfig(ConfigPath(), &entries);
    return entries;
}

int CLanguageManager::ReadLanguage() const {
    const std::optional<QString> stored = ReadStoredLanguage();
    std::vector<LanguageEntry> entries;
    if (!ReadLanguageConfig(ConfigPath(), &entries)) return 0;
    // A first start follows the user's locale; the choice is stored once it is applied.
    if (!stored) return LanguageIndexForLocale(entries, QLocale::system().name());
    return LanguageIndexOfId(entries, ParseLanguageId(*stored));
}

bool CLanguageManager::LoadLanguageFile(const QString& fileName) {
    if (fileName.isEmpty()) return false;
    QHash<QString, QString> texts;
    const QString path = QDir(LanguageFolder()).filePath(fileName);
    if (!ReadLanguageFile(path, &texts)) {
        DebugPrintf("language file %s cannot be read\n", path.toUtf8().constData());
        return false;
    }
    CLanguageTable::Instance().SetTexts(texts);
    ReloadTexts();
    return true;
}

bool CLanguageManager::ApplyLanguage(int index) {
    if (index == current_) return false;
    if (ShouldRebuildFonts(index, current_)) CFontTable::Instance().RebuildProgramFonts();
    current_ = index;

    const std::vector<LanguageEntry> entries = Entries();
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) return true;
    const LanguageEntry& entry = entries[static_cast<size_t>(index)];
    if (LoadLanguageFile(entry.file)) name_ = entry.name;

    // Written only when it changes: the start applies the stored language and writes nothing.
    const QString id = QString::number(entry.id);
    if (ReadStoredLanguage() != std::optional<QString>(id) && StoreLanguage(id)) DebugOutput("写成功！\n");
    return true;
}
