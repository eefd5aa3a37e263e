#include "panels/macro/macro_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "macros/key_table.h"
#include "panels/macro/macro_texts.h"
#include "ui/text_id.h"

namespace macropage {
namespace {

template <class T>
T* Named(QWidget* parent, const char* name) {
    auto* control = new T(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton* Button(QWidget* parent, const char* name, const TextId& text) {
    auto* button = Named<QPushButton>(parent, name);
    BindText(button, text);
    return button;
}

QPushButton* Button(QWidget* parent, const char* name, const TextId& text, const TextId& tip) {
    auto* button = Button(parent, name, text);
    BindToolTip(button, tip);
    return button;
}

QLabel* Label(QWidget* parent, const TextId& text) {
    auto* label = new QLabel(parent);
    BindText(label, text);
    return label;
}

QHBoxLayout* ButtonRow(QWidget* parent, const QList<QPair<const char*, TextId>>& buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (const auto& [name, text] : buttons) row->addWidget(Button(parent, name, text));
    return row;
}

QWidget* NameColumn(QWidget* panel) {
    auto* column = Named<QWidget>(panel, "macro_name_tab");
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    auto* title = Label(column, text::kMacrosTitle);
    title->setProperty("role", QStringLiteral("title"));
    box->addWidget(title);
    box->addWidget(Named<QListWidget>(column, "macro_name_list"), 1);
    auto* name = Named<QLineEdit>(column, "macro_edit_macroname");
    BindPlaceholder(name, text::kNewName);
    box->addWidget(name);
    box->addLayout(ButtonRow(column, {{"macro_btn_name_add", text::kNew},
                                      {"macro_btn_name_edit", text::kRename},
                                      {"macro_btn_name_sub", text::kDeleteMacro}}));
    box->addLayout(ButtonRow(column, {{"macro_btn_name_copy", text::kCopy},
                                      {"macro_btn_import", text::kImport},
                                      {"macro_btn_export", text::kExport}}));
    return column;
}

QWidget* EventEditor(QWidget* parent) {
    auto* editor = Named<QWidget>(parent, "macro_tab_macroaction_edit");
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);
    auto* keys = Named<QComboBox>(editor, "macro_event_key_combo");
    // Item data: the key row (F13-F24 come after the key rows 0-112 and are not next to them).
    for (const std::size_t i : macros::ScannedKeyRows()) {
        const std::string_view label = macros::KeyRows()[i].label;
        keys->addItem(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                      static_cast<int>(i));
    }
    keys->setCurrentIndex(-1);
    row->addWidget(keys, 1);
    auto* action = Named<QComboBox>(editor, "macro_event_action_combo");
    static constexpr TextId kActions[] = {text::kPress, text::kRelease};
    AddBoundItems(action, kActions);
    row->addWidget(action);
    auto* delay = Named<QLineEdit>(editor, "macro_tab_macrodelay_edit");
    delay->setMaxLength(5);
    BindPlaceholder(delay, text::kMilliseconds);
    delay->setMaximumWidth(64);
    row->addWidget(delay);
    row->addWidget(Button(editor, "macro_btn_event_set", text::kSet, text::kSetTip));
    row->addWidget(Button(editor, "macro_btn_event_insert", text::kInsert, text::kInsertTip));
    return editor;
}

QHBoxLayout* MoveRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    const QPair<const char*, const char*> moves[] = {{"mouse_x_left_edit", "macro_inset_moveleftkey_btn"},
                                                     {"mouse_x_right_edit", "macro_inset_moverightkey_btn"},
                                                     {"mouse_y_up_edit", "macro_inset_moveupkey_btn"},
                                                     {"mouse_y_down_edit", "macro_inset_movedownkey_btn"}};
    const QString arrows[] = {QStringLiteral("\u2190"), QStringLiteral("\u2192"), QStringLiteral("\u2191"),
                              QStringLiteral("\u2193")};
    row->addWidget(Label(parent, text::kMovePointer));
    for (int i = 0; i < 4; ++i) {
        auto* distance = Named<QLineEdit>(parent, moves[i].first);
        distance->setText(QStringLiteral("1"));
        distance->setMaxLength(3);
        distance->setMaximumWidth(40);
        row->addWidget(distance);
        auto* button = Named<QPushButton>(parent, moves[i].second);
        button->setText(arrows[i]);
        BindToolTip(button, text::kMoveTips[i]);
        button->setMaximumWidth(40);
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

QWidget* RecordRow(QWidget* parent) {
    auto* record = Named<QWidget>(parent, "macro_record_layout");
    auto* row = new QHBoxLayout(record);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Button(record, "macro_btn_starredio", text::kRecord));
    auto* stop = Button(record, "macro_btn_stopredio", text::kStop);
    stop->setVisible(false);
    row->addWidget(stop);
    auto* timing = Named<QCheckBox>(record, "macro_check_time");
    BindText(timing, text::kFixedDelay);
    row->addWidget(timing);
    auto* fixed = Named<QLineEdit>(record, "macro_fixed_time_edit");
    fixed->setText(QStringLiteral("50"));
    fixed->setMaxLength(5);
    fixed->setMaximumWidth(56);
    row->addWidget(fixed);
    row->addWidget(Label(record, text::kMilliseconds));
    auto* noDelay = Named<QCheckBox>(record, "macro_check_nodelay");
    BindText(noDelay, text::kNoDelays);
    row->addWidget(noDelay);
    // One timing at most: a tick on one option clears the other, so that what records is
    // what the page shows.
    QObject::connect(timing, &QCheckBox::toggled, noDelay, [noDelay](bool on) {
        if (on) noDelay->setChecked(false);
    });
    QObject::connect(noDelay, &QCheckBox::toggled, timing, [timing](bool on) {
        if (on) timing->setChecked(false);
    });
    row->addStretch(1);
    return record;
}

}  // namespace

void BuildMacroControls(QWidget* panel) {
    auto* root = new QHBoxLayout(panel);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(10);
    root->addWidget(NameColumn(panel), 2);

    auto* area = Named<QWidget>(panel, "macro_action_layout");
    area->setEnabled(false);
    auto* box = new QVBoxLayout(area);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(6);
    auto* title = Label(area, text::kEventsTitle);
    title->setProperty("role", QStringLiteral("title"));
    box->addWidget(title);
    auto* events = Named<QListWidget>(area, "macro_action_list");
    box->addWidget(events, 1);
    box->addLayout(ButtonRow(area, {{"macro_btn_up", text::kUp},
                                    {"macro_btn_down", text::kDown},
                                    {"macro_btn_uptop", text::kTop},
                                    {"macro_btn_downbottom", text::kBottom},
                                    {"macro_btn_delete", text::kDeleteEvent},
                                    {"macro_btn_deleteall", text::kClear}}));
    box->addWidget(EventEditor(area));
    box->addLayout(MoveRow(area));
    box->addWidget(RecordRow(area));
    auto* note = Named<QLabel>(area, "macro_record_note");
    note->setWordWrap(true);
    BindText(note, text::kWindowOnlyNote);
    note->setVisible(false);
    box->addWidget(note);
    box->addLayout(ButtonRow(area, {{"macro_btn_cancel", text::kUndo}, {"macro_btn_save", text::kSave}}));
    root->addWidget(area, 3);
}

}  // namespace macropage
