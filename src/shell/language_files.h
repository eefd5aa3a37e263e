#pragma once
// The language list and the language files (pure logic, no widgets).
//
// "Language.config" (JSON, in DefaultData) lists the languages; an entry's position in its
// "Language" array is the language index:
//   { "Language": [ { "Language_ID": 1033, "Language_name": "en",
//                     "Language_file": "lan_en.xml", "Language_text": "language_en_text" }, ... ] }
// A language file (in the "lang" folder beside DefaultData) maps text ids to texts:
//   <Language name="en">
//     <Text id="message_text_7">Writing to the device failed.</Text>
//   </Language>
// Texts keep their blanks and line feeds as written.
#include <QHash>
#include <QString>
#include <vector>

struct LanguageEntry {
    int id = 0;      // "Language_ID": the value remembered for the user
    QString name;    // "Language_name"
    QString file;    // "Language_file"
    QString textId;  // "Language_text": the entry's label in the language list (a text id)
};

// The entries of a Language.config file; false when it is missing or does not parse (the
// list is then empty). Members of the wrong type read as 0 or empty text.
bool ReadLanguageConfig(const QString& path, std::vector<LanguageEntry>* entries);

// The index of the first entry with the given id; 0 when none has it.
int LanguageIndexOfId(const std::vector<LanguageEntry>& entries, int id);

// The language for a user who never chose one, from the locale's name ("zh_CN", "de_DE"):
// a Chinese locale (zh, zh_*) takes the first entry whose "Language_name" starts with "zh",
// any other locale the first entry named "en..."; 0 when the list has no such entry.
int LanguageIndexForLocale(const std::vector<LanguageEntry>& entries, const QString& localeName);

// Reads a stored id as the program always has: leading blanks, an optional sign, then
// decimal digits; anything else ends the number (no digits: 0).
int ParseLanguageId(const QString& text);

// The texts of a language file; false (and texts untouched) when the file is missing or
// not a well-formed language file.
bool ReadLanguageFile(const QString& path, QHash<QString, QString>* texts);
bool ParseLanguageXml(const QByteArray& xml, QHash<QString, QString>* texts, QString* error = nullptr);
