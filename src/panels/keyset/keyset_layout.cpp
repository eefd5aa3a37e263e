#include "panels/keyset/keyset_layout.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "macros/assignment_words.h"
#include "macros/key_assignment.h"
#include "macros/shoot_limits.h"
#include "panels/keyset/keyset_texts.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/text_id.h"

namespace keyset {

std::string text::OptionTextId(const macros::OptionRow& row) {
    std::string id = "keyset_option_" + std::string(row.word);
    for (char& c : id)
        if (c == '-') c = '_';
    return id;
}

namespace {

using macros::KeyFunction;

template <class T>
T* Named(QWidget* parent, const char* name) {
    auto* control = new T(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

QComboBox* Combo(QWidget* parent, const char* name, std::span<const TextId> items) {
    auto* combo = Named<QComboBox>(parent, name);
    AddBoundItems(combo, items);
    combo->setCurrentIndex(-1);
    return combo;
}

// An option row's text in the language, else its readable English name.
QString OptionText(const macros::OptionRow& row) {
    return CLanguageTable::Instance().Text(
        QString::fromStdString(text::OptionTextId(row)),
        QString::fromStdString(macros::AssignmentName(row.assignment, {})));
}

bool HasTranslatedOptions(KeyFunction function) {
    return std::find(std::begin(text::kTranslatedOptionFunctions), std::end(text::kTranslatedOptionFunctions),
                     function) != std::end(text::kTranslatedOptionFunctions);
}

// The combo of a function's option table rows.
QComboBox* OptionCombo(QWidget* parent, const char* name, KeyFunction function) {
    auto* combo = Named<QComboBox>(parent, name);
    const auto rows = macros::OptionTable(function);
    const bool translated = HasTranslatedOptions(function);
    for (const macros::OptionRow& row : rows)
        combo->addItem(translated ? OptionText(row)
                                  : QString::fromStdString(macros::AssignmentName(row.assignment, {})));
    combo->setCurrentIndex(-1);
    if (translated)
        OnLanguageChanged(combo, [combo, rows] {
            const QSignalBlocker quiet(combo);
            for (size_t i = 0; i < rows.size(); ++i)
                combo->setItemText(static_cast<int>(i), OptionText(rows[i]));
        });
    return combo;
}

QLabel* Label(QWidget* parent, const TextId& text) {
    auto* label = new QLabel(parent);
    BindText(label, text);
    return label;
}

QLineEdit* NumberEdit(QWidget* parent, const char* name, int maximum) {
    auto* edit = Named<QLineEdit>(parent, name);
    edit->setMaxLength(QString::number(maximum).size());
    edit->setPlaceholderText(QStringLiteral("0-%1").arg(maximum));
    return edit;
}

// A page of labelled rows.
QWidget* FormPage(QStackedWidget* pages, const QList<QPair<TextId, QWidget*>>& rows) {
    auto* page = new QWidget(pages);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 4, 0, 0);
    int r = 0;
    for (const auto& [text, control] : rows) {
        control->setParent(page);
        grid->addWidget(Label(page, text), r, 0);
        grid->addWidget(control, r, 1);
        ++r;
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(1, 1);
    pages->addWidget(page);
    return page;
}

void AddScrollPage(QStackedWidget* pages, const char* kind, std::span<const TextId> directions) {
    const QByteArray base = QByteArray("keyset_mouse") + kind;
    FormPage(pages, {{text::kDirectionLabel, Combo(pages, base + "_combo", directions)},
                     {text::kDelayLabel, NumberEdit(pages, base + "_delay_edit", 15)},
                     {text::kSpeedLabel, NumberEdit(pages, base + "_speed_edit", 15)},
                     {text::kCountLabel, NumberEdit(pages, base + "_num_edit", 127)}});
}

QWidget* KeyboardPage(QStackedWidget* pages) {
    auto* page = new QWidget(pages);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 4, 0, 0);
    auto* edit = Named<QLineEdit>(page, "keyset_keyboard_text_edit");
    edit->setReadOnly(true);  // the key pressed while it has the focus is taken, not typed
    BindPlaceholder(edit, text::kKeyboardTip);
    box->addWidget(edit);
    auto* options = new QHBoxLayout;
    static_assert(std::size(text::kModifiers) == macros::kModifierOptionCount);
    for (int n = 0; n < macros::kModifierOptionCount; ++n) {
        auto* option = new QRadioButton(page);
        BindText(option, text::kModifiers[n]);
        option->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(kModifierOptionPrefix)).arg(n));
        SetOptionGroup(option, QLatin1String(kModifierOptionGroup));
        options->addWidget(option);
    }
    box->addLayout(options);
    box->addStretch(1);
    pages->addWidget(page);
    return page;
}

QWidget* MacroPage(QStackedWidget* pages) {
    auto* page = new QWidget(pages);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->addWidget(Label(page, text::kMacroLabel), 0, 0);
    grid->addWidget(Combo(page, "keyset_macro_combo", {}), 0, 1);
    grid->addWidget(Label(page, text::kPlaybackLabel), 1, 0);
    grid->addWidget(Combo(page, "keyset_macro_over_combo", text::kPlaybackModes), 1, 1);
    auto* cycle = Named<QWidget>(page, "keyset_macro_cycle_layout");
    auto* row = new QHBoxLayout(cycle);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Label(cycle, text::kRepeatLabel));
    row->addWidget(NumberEdit(cycle, "keyset_macro_cycle_edit", macros::kMaxMacroRepeat));
    cycle->setVisible(false);
    grid->addWidget(cycle, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    pages->addWidget(page);
    return page;
}

}  // namespace

void BuildKeySetControls(QWidget* panel) {
    auto* root = new QVBoxLayout(panel);
    root->setContentsMargins(0, 0, 0, 0);
    auto* layout = Named<QWidget>(panel, "keyset_layout");
    layout->setProperty("role", QStringLiteral("panel"));
    root->addWidget(layout);
    auto* box = new QVBoxLayout(layout);
    box->setContentsMargins(12, 10, 12, 10);
    box->setSpacing(6);

    auto* title = Named<QLabel>(layout, "keyset_title");
    title->setProperty("role", QStringLiteral("title"));
    box->addWidget(title);

    auto* functionRow = new QHBoxLayout;
    functionRow->addWidget(Label(layout, text::kFunctionLabel));
    auto* function = Combo(layout, "keyset_function_combo", text::kFunctions);
    functionRow->addWidget(function, 1);
    box->addLayout(functionRow);

    auto* pages = Named<QStackedWidget>(layout, "function_switch_tablayout");
    auto* note = Label(pages, text::kDefaultNote);
    note->setWordWrap(true);
    pages->addWidget(note);
    FormPage(pages,
             {{text::kButtonLabel, OptionCombo(pages, "keyset_mousekey_combo", KeyFunction::MouseButton)}});
    AddScrollPage(pages, "swing", text::kSwingDirections);
    AddScrollPage(pages, "wheel", text::kWheelDirections);
    FormPage(pages, {{text::kDpiLabel, OptionCombo(pages, "keyset_mousedpi_combo", KeyFunction::Dpi)}});
    FormPage(pages, {{text::kIntervalLabel, NumberEdit(pages, "keyset_mousefire_interval_edit", 255)},
                     {text::kCountLabel, NumberEdit(pages, "keyset_mousefire_num_edit", 255)}});
    KeyboardPage(pages);
    FormPage(pages, {{text::kMediaLabel, OptionCombo(pages, "keyset_media_combo", KeyFunction::Media)}});
    FormPage(pages, {{text::kSystemLabel, OptionCombo(pages, "keyset_system_combo", KeyFunction::System)}});
    MacroPage(pages);
    static_assert(std::size(text::kGunPresets) == shoot::kGunCount);
    FormPage(pages, {{text::kGunLabel, Combo(pages, "keyset_gunkey_combo", text::kGunPresets)}});
    FormPage(pages, {{text::kCombinationLabel,
                      OptionCombo(pages, "keyset_combokey_combo", KeyFunction::KeyCombination)}});
    box->addWidget(pages, 1);

    auto* buttons = new QHBoxLayout;
    const QPair<const char*, TextId> kButtons[] = {{"key_butt_keydefalut", text::kDefaultButton},
                                                   {"key_butt_keycancel", text::kCancelButton},
                                                   {"key_butt_keysave", text::kApplyButton},
                                                   {"key_butt_prosave", text::kWriteButton}};
    buttons->addStretch(1);
    for (const auto& [name, label] : kButtons) {
        auto* button = Named<QPushButton>(layout, name);
        BindText(button, label);
        buttons->addWidget(button);
    }
    box->addLayout(buttons);
}

}  // namespace keyset
