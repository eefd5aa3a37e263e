#include <QColor>
#include "panels/light/light_control_ui.h"

#include <QComboBox>
#include <QListView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/controls.h"
#include "panels/light/color_palette_ui.h"
#include "panels/light/model/light_colour.h"
#include "panels/light/model/light_control_names.h"
#include "panels/light/model/light_enabling.h"

namespace {

constexpr int kModeItemHeight = 30;
constexpr uint32_t kNoColour = 0xFF000000u;
// Property holding a colour as "#AARRGGBB": set by the skin on the swatches, by the panel
// on the colour button.
const char* const kColourProperty = "bkcolor";

// Mode list entries have a fixed height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kModeItemHeight};
    }
};

QString ColourText(uint32_t argb) {
    return QStringLiteral("#%1").arg(argb, 8, 16, QLatin1Char('0'));
}

// A swatch shows its colour; disabled, a dim grey of the same lightness with a
// dashed frame, so that it no longer looks clickable.
QString BackgroundSheet(uint32_t argb) {
    const QColor colour = QColor::fromRgb(argb & 0x00FFFFFFu);
    const int grey = 0x1a + qGray(colour.rgb()) / 6;
    return QStringLiteral(
               "QPushButton { background-color: %1; }"
               " QPushButton:disabled { background-color: %2; border: 1px dashed #343b4b; }")
        .arg(colour.name(), QColor(grey, grey, grey + 6).name());
}

uint8_t ClampByte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

int EditComponent(const QWidget* edit, int fallback) {
    if (!edit) return fallback;
    return ClampColourComponent(GetText(edit).toStdString()).value;
}

}  // namespace

CLightControlUI::CLightControlUI(QWidget* parent) : QWidget(parent) {}

QWidget* CLightControlUI::Control(const QString& name) const {
    QPointer<QWidget>& slot = controls_[name];
    // Found on first use and kept; the skin's controls exist only after construction.
    if (!slot) slot = FindControl(this, name);
    return slot.data();
}

void CLightControlUI::FillModes(const std::vector<LightModeEntry>& modes, int brightnessMax, int speedMax) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(LightNames::kModeCombo))) {
        // The lists are read again when macros or presets change; the device still runs the
        // mode shown, so the refilled list keeps showing it.
        const int shown = combo->currentIndex();
        RemoveAllItems(combo);
        if (!dynamic_cast<FixedHeightDelegate*>(combo->itemDelegate()))
            combo->setItemDelegate(new FixedHeightDelegate(combo));
        auto* view = qobject_cast<QListView*>(combo->view());
        auto* model = qobject_cast<QStandardItemModel*>(combo->model());
        for (const LightModeEntry& entry : modes) {
            const QString name = QString::fromUtf8(entry.name.c_str());
            const int index = AddTextItem(combo, name, !entry.preset && !name.isEmpty());
            combo->setItemData(index, name, Qt::UserRole);
            if (entry.visible) continue;
            // A hidden mode keeps its place so that list positions stay mode numbers; it
            // is disabled too, so the keyboard and the wheel skip it.
            if (view) view->setRowHidden(index, true);
            if (model) {
                if (QStandardItem* item = model->item(index)) item->setEnabled(false);
            }
        }
        if (shown >= 0 && shown < combo->count()) SelectItem(combo, shown);
    }
    SetRange(Control(LightNames::kBrightnessSlider), 0, brightnessMax);
    SetRange(Control(LightNames::kSpeedSlider), 0, speedMax);
}

void CLightControlUI::ShowLightEffect(int mode, int brightness, int speed, int direction, int colourful,
                                      int red, int green, int blue) {
    SelectMode(mode);
    SetValue(Control(LightNames::kBrightnessSlider), brightness);
    SetValue(Control(LightNames::kSpeedSlider), speed);
    ShowColour(ClampByte(red), ClampByte(green), ClampByte(blue));
    SetSelected(Control(LightNames::kColourfulCheck), colourful != 0);
    ShowDirection(direction);
    ApplyEnabling(mode);
}

void CLightControlUI::ShowLightRecord(const LightInfoRecord& r) {
    ShowLightEffect(r.selectItem, r.light, r.speed, r.fx, r.multiColor, r.red, r.green, r.blue);
}

LightInfoRecord CLightControlUI::ReadLightRecord(const LightInfoRecord& base) const {
    LightInfoRecord r = base;
    const int mode = GetMode();
    if (mode >= 0 && mode <= kLastLightMode) r.selectItem = static_cast<uint8_t>(mode);
    if (QWidget* slider = Control(LightNames::kBrightnessSlider)) r.light = ClampByte(GetValue(slider));
    if (QWidget* slider = Control(LightNames::kSpeedSlider)) r.speed = ClampByte(GetValue(slider));
    if (Control(LightNames::kLeftCheck) || Control(LightNames::kRightCheck))
        r.fx = static_cast<uint8_t>(GetDirection());
    if (Control(LightNames::kColourfulCheck)) r.multiColor = IsColourful() ? 1 : 0;
    r.red = static_cast<uint8_t>(EditComponent(Control(LightNames::kEditRed), r.red));
    r.green = static_cast<uint8_t>(EditComponent(Control(LightNames::kEditGreen), r.green));
    r.blue = static_cast<uint8_t>(EditComponent(Control(LightNames::kEditBlue), r.blue));
    return r;
}

void CLightControlUI::SelectMode(int mode) {
    if (QWidget* combo = Control(LightNames::kModeCombo))
        SelectItem(combo, mode >= 0 && mode < GetItemCount(combo) ? mode : -1);
    ApplyEnabling(mode);
}

int CLightControlUI::GetMode() const {
    QWidget* combo = Control(LightNames::kModeCombo);
    return combo ? GetCurSel(combo) : -1;
}

void CLightControlUI::SelectCustomGroup(int group) {
    if (QWidget* combo = Control(LightNames::kCustomGroupCombo))
        SelectItem(combo, group >= 0 && group < GetItemCount(combo) ? group : -1);
}

int CLightControlUI::GetCustomGroup() const {
    QWidget* combo = Control(LightNames::kCustomGroupCombo);
    return combo ? GetCurSel(combo) : -1;
}

int CLightControlUI::GetBrightness() const {
    return GetValue(Control(LightNames::kBrightnessSlider));
}
int CLightControlUI::GetSpeed() const {
    return GetValue(Control(LightNames::kSpeedSlider));
}

int CLightControlUI::GetDirection() const {
    if (QWidget* left = Control(LightNames::kLeftCheck)) return IsSelected(left) ? 1 : 0;
    QWidget* right = Control(LightNames::kRightCheck);
    return right && !IsSelected(right) ? 1 : 0;
}

QString CLightControlUI::GetRed() const {
    return GetText(Control(LightNames::kEditRed));
}
QString CLightControlUI::GetGreen() const {
    return GetText(Control(LightNames::kEditGreen));
}
QString CLightControlUI::GetBlue() const {
    return GetText(Control(LightNames::kEditBlue));
}

uint32_t CLightControlUI::GetPaletteColour() const {
    auto* palette = qobject_cast<CColorPaletteUI*>(Control(LightNames::kPalette));
    return palette ? palette->GetColour() : kNoColour;
}

bool CLightControlUI::SwatchColour(int n, uint32_t* argb) const {
    QWidget* swatch =
        n >= 0 ? Control(QString::fromLatin1(LightNames::kSwatchPrefix) + QString::number(n)) : nullptr;
    if (!swatch) return false;
    return ParseSkinColour(swatch->property(kColourProperty).toString().toStdString(), argb);
}

uint32_t CLightControlUI::GetSwatchColour(int n) const {
    uint32_t argb = kNoColour;
    return SwatchColour(n, &argb) ? argb : kNoColour;
}

uint32_t CLightControlUI::GetColourButtonColour() const {
    uint32_t argb = kNoColour;
    if (QWidget* button = Control(LightNames::kColourButton))
        ParseSkinColour(button->property(kColourProperty).toString().toStdString(), &argb);
    return argb;
}

bool CLightControlUI::IsColourful() const {
    return IsSelected(Control(LightNames::kColourfulCheck));
}

void CLightControlUI::SetSameModeFlag(bool flag) {
    sameModeFlag_ = flag;
    const int mode = GetMode() >= 0 ? GetMode() : shownMode_;
    if (mode >= 0) ApplyEnabling(mode);
}

void CLightControlUI::ApplyEnabling(int mode) {
    shownMode_ = mode;
    QWidget* custom = Control(LightNames::kCustomLayout);
    QWidget* same = Control(LightNames::kSameMode);
    if (custom) custom->setVisible(false);
    if (same) same->setVisible(false);
    if (QWidget* fx = Control(LightNames::kFxLayout)) fx->setEnabled(true);

    const LightEnabling enabling = LightEnablingFor(kind_, mode);
    for (int g = 0; g < kLightGroupCount; ++g) {
        const GroupState state = enabling.groups[g];
        if (state == GroupState::Keep) continue;
        if (QWidget* group = Control(LightGroupControlName(static_cast<LightGroup>(g))))
            group->setEnabled(state == GroupState::Enabled);
    }
    if (same && enabling.offerSameMode && sameModeFlag_) same->setVisible(true);
    if (custom && enabling.showCustomColours) custom->setVisible(true);
}

void CLightControlUI::ShowColour(uint8_t red, uint8_t green, uint8_t blue) {
    SetText(Control(LightNames::kEditRed), QString::number(red));
    SetText(Control(LightNames::kEditGreen), QString::number(green));
    SetText(Control(LightNames::kEditBlue), QString::number(blue));
    const uint32_t argb = OpaqueArgb({red, green, blue});
    if (auto* palette = qobject_cast<CColorPaletteUI*>(Control(LightNames::kPalette)))
        palette->SetColour(argb);
    if (QWidget* button = Control(LightNames::kColourButton)) {
        button->setProperty(kColourProperty, ColourText(argb));
        button->setStyleSheet(BackgroundSheet(argb));
    }
}

void CLightControlUI::ShowDirection(int direction) {
    // Right first: in an exclusive group selecting one option drops the other.
    SetSelected(Control(LightNames::kRightCheck), direction == 0);
    SetSelected(Control(LightNames::kLeftCheck), direction != 0);
}

LightChange CLightControlUI::TakeChange(const TNotifyUI& msg, LightInfoRecord* record) {
    QWidget* sender = msg.sender.data();
    if (!record || !sender || !isAncestorOf(sender)) return LightChange::None;
    const LightNotice notice =
        ClassifyLightNotice(msg.type.toStdString(), sender->objectName().toStdString());

    int64_t value = 0;
    switch (notice.source) {
    case LightSource::None:
        return LightChange::None;
    case LightSource::ModeCombo:
        value = GetCurSel(sender);
        break;
    case LightSource::BrightnessSlider:
    case LightSource::SpeedSlider:
        value = GetValue(sender);
        break;
    case LightSource::LeftCheck:
    case LightSource::RightCheck:
    case LightSource::ColourfulCheck:
        value = IsSelected(sender) ? 1 : 0;
        break;
    case LightSource::EditRed:
    case LightSource::EditGreen:
    case LightSource::EditBlue: {
        const ColourComponent component = ClampColourComponent(GetText(sender).toStdString());
        SetText(sender, QString::fromStdString(component.text));
        value = component.value;
        break;
    }
    case LightSource::Palette: {
        auto* palette = qobject_cast<CColorPaletteUI*>(sender);
        if (!palette) return LightChange::None;
        value = palette->GetColour();
        break;
    }
    case LightSource::Swatch: {
        uint32_t argb = 0;
        if (!SwatchColour(notice.swatch, &argb)) return LightChange::None;
        value = argb;
        break;
    }
    }
    if (!ApplyLightValue(*record, notice.source, value)) return LightChange::None;

    const LightChange change = ChangeOfSource(notice.source);
    switch (change) {
    case LightChange::Mode:
        ApplyEnabling(record->selectItem);
        break;
    case LightChange::Direction:
        ShowDirection(record->fx);
        break;
    case LightChange::Colour:
    case LightChange::Swatch:
        ShowColour(record->red, record->green, record->blue);
        SetSelected(Control(LightNames::kColourfulCheck), false);
        break;
    default:
        break;
    }
    return change;
}

void CLightControlUI::PaintSwatches() {
    const QString prefix = QString::fromLatin1(LightNames::kSwatchPrefix);
    for (QWidget* child : findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.startsWith(prefix, Qt::CaseInsensitive) || name.size() == prefix.size()) continue;
        uint32_t argb = 0;
        if (ParseSkinColour(child->property(kColourProperty).toString().toStdString(), &argb))
            child->setStyleSheet(BackgroundSheet(argb));
    }
}

void CLightControlUI::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (swatchesPainted_) return;
    swatchesPainted_ = true;
    PaintSwatches();
}
