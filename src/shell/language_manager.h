#pragma once
// The program's language: which entry of "Language.config" is applied, and applying one.
//
// Files: <program folder>/DefaultData/Language.config and the language files it names in
// <program folder>/lang/. The choice is remembered per user (user_settings.h).
#include <QString>
#include <vector>
#include "shell/language_files.h"

class CLanguageManager {
public:
    static CLanguageManager& Instance();

    static QString ConfigPath();      // .../DefaultData/Language.config
    static QString LanguageFolder();  // .../lang

    // The entries of Language.config (empty when it is missing or broken).
    std::vector<LanguageEntry> Entries() const;

    // The language index chosen by the user: the position of the first entry whose id
    // equals the stored id; 0 when the file is unreadable or no entry matches. When nothing
    // is stored yet, the entry for the user's locale (LanguageIndexForLocale).
    int ReadLanguage() const;

    // The applied index; -1 before the first application.
    int CurrentIndex() const { return current_; }
    QString CurrentName() const { return name_; }

    // Applies the language of index. Nothing happens (false) when index is the current
    // one. Otherwise: the font table is rebuilt by the rule of font_table.h, index
    // becomes current, the entry's language file fills the language table and every
    // resource text is reloaded, and the entry's id is stored for the user ("写成功！" on
    // the debug output). A missing entry or an unreadable language file leaves the texts
    // as they were (the index is current all the same). True when index was not current.
    bool ApplyLanguage(int index);

    // Loads a language file of the lang folder into the language table and reloads the
    // texts (the main window loads "lan_cn.xml" before the user's choice is known).
    bool LoadLanguageFile(const QString& fileName);

    // Tests start from a clean state.
    void ResetForTest() {
        current_ = -1;
        name_.clear();
    }

private:
    CLanguageManager() = default;
    int current_ = -1;
    QString name_;
};
