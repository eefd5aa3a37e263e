#include "panels/macro/macro_rows.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QWidget>
#include <json/json.h>

#include "macros/key_table.h"
#include "ui/controls.h"
#include "panels/macro/macro_texts.h"
#include "ui/language_table.h"
#include "ui/text_id.h"

namespace macropage {
namespace {

bool IsKeyEvent(const macros::MacroEvent& event) {
    return event.type == macros::EventType::kKey || event.type == macros::EventType::kModifier;
}
bool IsMoveEvent(const macros::MacroEvent& event) {
    return event.type == macros::EventType::kHorizontalMove || event.type == macros::EventType::kVerticalMove;
}

void SetStyle(QWidget* label, const char* style) {
    if (!label) return;
    label->setProperty("role", QLatin1String(style));
}

// The English name of an event without its action ("Left Ctrl", "Move left").
QString EventName(const macros::MacroEvent& event) {
    std::string text = macros::DescribeEvent(event);
    const std::size_t cut = text.rfind(' ');
    if (cut != std::string::npos) text.resize(cut);  // the action or the distance
    const std::string_view key = macros::EventNameKey(event);
    const QString fallback = QString::fromStdString(text);
    return key.empty() ? fallback
                       : CLanguageTable::Instance().Text(
                             QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())), fallback);
}

}  // namespace

void ShowEventTexts(QWidget* row, const macros::MacroEvent& event) {
    if (!row) return;
    QWidget* name = FindControl(row, QStringLiteral("macro_action_name"));
    QWidget* action = FindControl(row, QStringLiteral("macro_action_kind"));
    SetText(name, EventName(event));
    SetStyle(name, IsKeyEvent(event) ? "macro_label_keyboard_style" : "macro_label_mouse_style");
    if (IsMoveEvent(event)) {
        SetText(action, QString::number(event.button));
        SetStyle(action, "macro_label_text_style");
    } else if (IsKeyEvent(event) || event.type == macros::EventType::kMouseButton) {
        SetText(action,
                Tr(event.down ? text::kPress : (event.addedAtStop ? text::kReleaseAdded : text::kRelease)));
        SetStyle(action, event.down ? "macro_label_down_style" : "macro_label_up_style");
        if (action) action->setToolTip(event.addedAtStop ? Tr(text::kReleaseAddedTip) : QString());
    } else {
        SetText(action, QString());
        SetStyle(action, "macro_label_text_style");
    }
}

void ShowEventRow(QWidget* row, const macros::MacroEvent& event) {
    if (!row) return;
    ShowEventTexts(row, event);
    if (auto* delay = FindControl<QLineEdit>(row, QStringLiteral("macro_delay"))) {
        delay->setValidator(new QIntValidator(0, macros::kMaxDelay, delay));
        delay->setText(QString::number(event.delay));
    }
    SetUserData(row, QString::fromStdString(Json::StyledWriter().write(macros::EventToJson(event))));
}

int KeyRowOfEvent(const macros::MacroEvent& event) {
    std::optional<std::size_t> row;
    if (event.type == macros::EventType::kKey)
        row = macros::FindUsageRow(static_cast<std::uint8_t>(event.button));
    if (event.type == macros::EventType::kModifier)
        row = macros::FindModifierRow(static_cast<std::uint8_t>(event.button));
    return row ? static_cast<int>(*row) : -1;
}

}  // namespace macropage
