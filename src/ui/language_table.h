#pragma once
// The language table: language text ids resolved to texts. The program's language code
// fills it (SetTexts) and then calls ReloadTexts(); until an id has an entry a control
// shows its fallback text (the text its skin gave it), or the id itself when it has none.
//
// Resource texts: a control whose property "textId" holds an id (a skin may set it, or
// SetResourceText) shows the id's text; the properties "toolTipId" and (of a line edit)
// "placeholderTextId" do the same for the tool tip and the place holder text; combo and list items added with
// AddTextItem(..., true) and menu items with a textid are resource texts too. ReloadTexts re-resolves all of
// them in every window. The hidden labels "text_test" and "str_test" translate an id in code:
// SetResourceText(label, id) and then label->text().
#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QWidget;

class CLanguageTable : public QObject {
    Q_OBJECT
public:
    static CLanguageTable& Instance();

    // Replaces the whole table. Call ReloadTexts afterwards.
    void SetTexts(const QHash<QString, QString>& texts);
    void SetText(const QString& id, const QString& text);
    void Clear();
    bool Contains(const QString& id) const;
    // The id's text; fallback when it has none (the id itself when fallback is empty).
    QString Text(const QString& id, const QString& fallback = QString()) const;

signals:
    // Emitted by ReloadTexts after every resource text has been re-resolved; controls
    // that compose texts in code listen to it.
    void TextsReloaded();

private:
    CLanguageTable() = default;
    QHash<QString, QString> texts_;
};

// Marks control as showing the text of id and shows it now. The control's current text
// is kept as its fallback the first time it is marked. An empty id removes the mark (the
// control keeps its text and no longer follows language changes).
void SetResourceText(QWidget* control, const QString& id);
void SetResourceToolTip(QWidget* control, const QString& id);
// The same for a menu or tray action.
void SetResourceText(QAction* action, const QString& id, const QString& fallback = QString());
// Resolves the resource texts of root and everything below it.
void ResolveTexts(QWidget* root);
// Resolves every resource text of the program, then emits TextsReloaded.
void ReloadTexts();
