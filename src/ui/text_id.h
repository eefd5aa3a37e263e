#pragma once
// Texts that controls made in code show by language text id. Each id comes with the
// English text shown while the language table has no entry for it (no language loaded
// yet, or a language file without the id). Panels keep their ids in tables of TextId, so
// tests can check every id against the language files.
//
// The Bind... helpers show the text now and again after every language change
// (ReloadTexts), like the resource texts of the skins.
#include <QString>
#include <functional>
#include <span>

class QComboBox;
class QLineEdit;
class QObject;
class QWidget;

struct TextId {
    const char* id;
    const char* english;
};

// The id's text in the current language, else the English text.
QString Tr(const TextId& text);

// The text of a label, button, check box or line edit.
void BindText(QWidget* control, const TextId& text);
void BindToolTip(QWidget* control, const TextId& text);
void BindPlaceholder(QLineEdit* edit, const TextId& text);
// Adds one combo item per text, in order (item data: the position), without notifications.
// The texts are kept by reference: pass a table that lives as long as the combo (static).
void AddBoundItems(QComboBox* combo, std::span<const TextId> texts);

// Calls refresh after every language change while context lives (texts composed in code).
void OnLanguageChanged(QObject* context, const std::function<void()>& refresh);
