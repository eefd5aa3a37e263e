#include "ui/text_id.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "ui/controls.h"
#include "ui/language_table.h"

QString Tr(const TextId& text) {
    return CLanguageTable::Instance().Text(QLatin1String(text.id), QString::fromUtf8(text.english));
}

void BindText(QWidget* control, const TextId& text) {
    if (!control) return;
    SetText(control, QString::fromUtf8(text.english));  // the fallback the table keeps
    SetResourceText(control, QLatin1String(text.id));
}

void BindToolTip(QWidget* control, const TextId& text) {
    if (!control) return;
    control->setToolTip(QString::fromUtf8(text.english));
    SetResourceToolTip(control, QLatin1String(text.id));
}

void BindPlaceholder(QLineEdit* edit, const TextId& text) {
    if (!edit) return;
    edit->setPlaceholderText(Tr(text));
    OnLanguageChanged(edit, [edit, text] { edit->setPlaceholderText(Tr(text)); });
}

void AddBoundItems(QComboBox* combo, std::span<const TextId> texts) {
    if (!combo) return;
    const int first = combo->count();
    {
        const QSignalBlocker quiet(combo);
        for (const TextId& text : texts) combo->addItem(Tr(text), combo->count());
    }
    OnLanguageChanged(combo, [combo, first, texts] {
        const QSignalBlocker quiet(combo);
        for (size_t i = 0; i < texts.size(); ++i)
            combo->setItemText(first + static_cast<int>(i), Tr(texts[i]));
    });
}

void OnLanguageChanged(QObject* context, const std::function<void()>& refresh) {
    QObject::connect(&CLanguageTable::Instance(), &CLanguageTable::TextsReloaded, context, refresh);
}
