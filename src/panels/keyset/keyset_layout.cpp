#include "panels/keyset/keyset_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "macros/assignment_words.h"
#include "macros/key_assignment.h"
#include "macros/shoot_limits.h"
#include "ui/controls.h"

namespace keyset {
namespace {

using macros::KeyFunction;

template <class T>
T* Named(QWidget* parent, const char* name) {
    auto* control = new T(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = Named<QComboBox>(parent, name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

// The readable names of a function's option table rows.
QStringList OptionTexts(KeyFunction function) {
    QStringList texts;
    for (const macros::OptionRow& row : macros::OptionTable(function))
        texts << QString::fromStdString(macros::AssignmentName(row.assignment, {}));
    return texts;
}

QLineEdit* NumberEdit(QWidget* parent, const char* name, int maximum) {
    auto* edit = Named<QLineEdit>(parent, name);
    edit->setMaxLength(QString::number(maximum).size());
    edit->setPlaceholderText(QStringLiteral("0-%1").arg(maximum));
    return edit;
}

// A page of labelled rows.
QWidget* FormPage(QStackedWidget* pages, const QList<QPair<QString, QWidget*>>& rows) {
    auto* page = new QWidget(pages);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 4, 0, 0);
    int r = 0;
    for (const auto& [text, control] : rows) {
        control->setParent(page);
        grid->addWidget(new QLabel(text, page), r, 0);
        grid->addWidget(control, r, 1);
        ++r;
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(1, 1);
    pages->addWidget(page);
    return page;
}

void AddScrollPage(QStackedWidget* pages, const char* kind, const QStringList& directions) {
    const QByteArray base = QByteArray("keyset_mouse") + kind;
    FormPage(pages, {{QStringLiteral("Direction"), Combo(pages, base + "_combo", directions)},
                     {QStringLiteral("Delay (0-15)"), NumberEdit(pages, base + "_delay_edit", 15)},
                     {QStringLiteral("Speed (0-15)"), NumberEdit(pages, base + "_speed_edit", 15)},
                     {QStringLiteral("Steps (0-127)"), NumberEdit(pages, base + "_num_edit", 127)}});
}

QWidget* KeyboardPage(QStackedWidget* pages) {
    auto* page = new QWidget(pages);
    auto* box = new QVBoxLayout(page);
    box->setContentsMargins(0, 4, 0, 0);
    auto* edit = Named<QLineEdit>(page, "keyset_keyboard_text_edit");
    edit->setReadOnly(true);  // the key pressed while it has the focus is taken, not typed
    edit->setPlaceholderText(QStringLiteral("Click here, then press the key"));
    box->addWidget(edit);
    auto* options = new QHBoxLayout;
    const char* names[macros::kModifierOptionCount] = {"None", "Ctrl", "Shift", "Alt", "Win"};
    for (int n = 0; n < macros::kModifierOptionCount; ++n) {
        auto* option = new QRadioButton(QLatin1String(names[n]), page);
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
    grid->addWidget(new QLabel(QStringLiteral("Macro"), page), 0, 0);
    grid->addWidget(Combo(page, "keyset_macro_combo", {}), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Playback"), page), 1, 0);
    grid->addWidget(Combo(page, "keyset_macro_over_combo",
                          {QStringLiteral("Once per press"), QStringLiteral("While held"),
                           QStringLiteral("Until pressed again"), QStringLiteral("Until another key"),
                           QStringLiteral("Repeat a number of times")}),
                    1, 1);
    auto* cycle = Named<QWidget>(page, "keyset_macro_cycle_layout");
    auto* row = new QHBoxLayout(cycle);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Times (1-255)"), cycle));
    row->addWidget(NumberEdit(cycle, "keyset_macro_cycle_edit", macros::kMaxMacroRepeat));
    cycle->setVisible(false);
    grid->addWidget(cycle, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    pages->addWidget(page);
    return page;
}

QStringList GunTexts() {
    QStringList texts;
    for (int gun = 1; gun <= shoot::kGunCount; ++gun) texts << QStringLiteral("Gun preset %1").arg(gun);
    return texts;
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
    functionRow->addWidget(new QLabel(QStringLiteral("Function"), layout));
    auto* function = Named<QComboBox>(layout, "keyset_function_combo");
    for (int n = 0; n < kFunctionCount; ++n) function->addItem(QLatin1String(kFunctionTexts[n]), n);
    function->setCurrentIndex(-1);
    functionRow->addWidget(function, 1);
    box->addLayout(functionRow);

    auto* pages = Named<QStackedWidget>(layout, "function_switch_tablayout");
    auto* note = new QLabel(QStringLiteral("The button does what it did when the mouse was new."), pages);
    note->setWordWrap(true);
    pages->addWidget(note);
    FormPage(pages, {{QStringLiteral("Button"),
                      Combo(pages, "keyset_mousekey_combo", OptionTexts(KeyFunction::MouseButton))}});
    AddScrollPage(pages, "swing", {QStringLiteral("Left"), QStringLiteral("Right")});
    AddScrollPage(pages, "wheel", {QStringLiteral("Up"), QStringLiteral("Down")});
    FormPage(pages, {{QStringLiteral("Action"),
                      Combo(pages, "keyset_mousedpi_combo", OptionTexts(KeyFunction::Dpi))}});
    FormPage(pages,
             {{QStringLiteral("Interval (0-255)"), NumberEdit(pages, "keyset_mousefire_interval_edit", 255)},
              {QStringLiteral("Shots (0-255)"), NumberEdit(pages, "keyset_mousefire_num_edit", 255)}});
    KeyboardPage(pages);
    FormPage(pages,
             {{QStringLiteral("Key"), Combo(pages, "keyset_media_combo", OptionTexts(KeyFunction::Media))}});
    FormPage(pages, {{QStringLiteral("Key"),
                      Combo(pages, "keyset_system_combo", OptionTexts(KeyFunction::System))}});
    MacroPage(pages);
    FormPage(pages, {{QStringLiteral("Preset"), Combo(pages, "keyset_gunkey_combo", GunTexts())}});
    FormPage(pages, {{QStringLiteral("Keys"),
                      Combo(pages, "keyset_combokey_combo", OptionTexts(KeyFunction::KeyCombination))}});
    box->addWidget(pages, 1);

    auto* buttons = new QHBoxLayout;
    const QPair<const char*, const char*> kButtons[] = {{"key_butt_keydefalut", "Default"},
                                                        {"key_butt_keycancel", "Cancel"},
                                                        {"key_butt_keysave", "Apply"},
                                                        {"key_butt_prosave", "Write to mouse"}};
    buttons->addStretch(1);
    for (const auto& [name, text] : kButtons) {
        auto* button = Named<QPushButton>(layout, name);
        button->setText(QLatin1String(text));
        buttons->addWidget(button);
    }
    box->addLayout(buttons);
}

}  // namespace keyset
