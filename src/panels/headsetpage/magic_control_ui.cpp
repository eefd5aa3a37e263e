#include "panels/headsetpage/magic_control_ui.h"

#include "ui/controls.h"
#include "ui/text_id.h"

namespace {

const QString kEnableOption = QStringLiteral("magic_enable_option");
const QString kTypeLayout = QStringLiteral("magic_option_layout");
const QString kTypePrefix = QStringLiteral("magic_option_");
// The switch names the state it is in, so "On" is never shown while the voice is untouched.
constexpr TextId kOnText{"hs_magic_on_text", "On"};
constexpr TextId kOffText{"hs_magic_off_text", "Off"};

}  // namespace

CMagicControlUI::CMagicControlUI(QWidget* parent) : QWidget(parent) {}

void CMagicControlUI::EnableVoiceChangerTypes(int flag) {
    if (QWidget* layout = FindControl(this, kTypeLayout)) layout->setEnabled(flag != 0);
}

void CMagicControlUI::ShowVoiceChangerOn(int flag) {
    QWidget* option = FindControl(this, kEnableOption);
    SetSelected(option, flag != 0);
    BindText(option, flag != 0 ? kOnText : kOffText);
    EnableVoiceChangerTypes(flag);
}

bool CMagicControlUI::IsVoiceChangerOn() const {
    QWidget* option = FindControl(this, kEnableOption);
    return option != nullptr && IsSelected(option);
}

void CMagicControlUI::ShowVoiceChangerType(int t) {
    for (int n = 1; n <= kVoiceTypeCount; ++n)
        SetSelected(FindControl(this, kTypePrefix + QString::number(n)), false);
    if (t >= 1 && t <= kVoiceTypeCount)
        SetSelected(FindControl(this, kTypePrefix + QString::number(t)), true);
}

void CMagicControlUI::SetAvailable(bool available) {
    setEnabled(available);
}
