#pragma once
// Where the shell keeps the user's choices.
//
// - The user data folder: <XDG data home>/KV_ELM Gaming mouse, created when missing.
//   "main.ini" there records the background picture chosen in the skin pop-up.
// - The language choice: the value "LANGUAGE" (decimal text of a "Language_ID") in the
//   group "SOFTWARE/KV_ELM Gaming mouse" of the per-user settings file
//   <XDG config home>/kvelm/kvelm.conf.
#include <QString>
#include <optional>

// Absolute path without a trailing '/'; empty when the folder cannot be created.
QString UserDataFolder();

// The stored "LANGUAGE" text; nothing when it was never stored.
std::optional<QString> ReadStoredLanguage();
// Stores the text; false when the settings file cannot be written.
bool StoreLanguage(const QString& languageId);

// Writes section "SKINIMAGE" of "main.ini" in the user data folder: "FLAGS" and "IMAGE".
// False when the file cannot be written.
bool WriteSkinImageChoice(const QString& flags, const QString& image);
