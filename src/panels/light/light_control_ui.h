#pragma once
// The lighting panel of a device page (skin class "LightControl", named "LightControlItem"
// on the pages; its content comes from "XML\\CustomControlXML\\LightControl.xml").
//
// It shows a device's lighting (mode, brightness, speed, direction, colourful flag,
// colour), enables the groups the selected mode uses on the device kind, and relays the
// user's changes: its controls raise notifications to the window, the main window hands
// each one to TakeChange with the device's current lighting record, then stores the
// record in the profile and writes it to the device. Every setter here changes controls
// without raising a notification. Controls missing from the skin are skipped; getters
// then give 0, an empty text, 0xFF000000, false or -1 as documented.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "ui/ui_types.h"
#include "panels/light/model/light_change.h"
#include "panels/light/model/light_mode_list.h"
#include "profiles/profile_records.h"

class CLightControlUI : public QWidget {
    Q_OBJECT
public:
    explicit CLightControlUI(QWidget* parent = nullptr);

    // The device kind whose enabling table the panel uses (light_device_kinds.h).
    void SetDeviceKind(int kind) { kind_ = kind; }
    int GetDeviceKind() const { return kind_; }

    // Empties the mode list and adds one entry per mode, in mode order: built-in names are
    // language text ids (translated, and again on every language change), preset names
    // are shown as they stand; hidden entries keep their place. Each entry's user data is
    // its name. Sets the brightness and speed sliders' range to 0..maximum.
    void FillModes(const std::vector<LightModeEntry>& modes, int brightnessMax, int speedMax);

    // Shows a lighting setting: selects the mode and applies its enabling, sets both
    // sliders, the three colour edits (decimal text), the palette and the colour button
    // (0xFF000000 + red * 65536 + green * 256 + blue), the colourful option and the
    // direction options (non-zero: left), then applies the enabling again.
    void ShowLightEffect(int mode, int brightness, int speed, int direction, int colourful, int red,
                         int green, int blue);
    void ShowLightRecord(const LightInfoRecord& record);
    // The setting the controls show, over base: fields whose control is missing, the mode
    // when none is selected, and the three extra bytes come from base. Colour edits are
    // read with the clamping rule of the edits.
    LightInfoRecord ReadLightRecord(const LightInfoRecord& base) const;

    // Selects a mode (none when out of the list) and applies the enabling table for it.
    void SelectMode(int mode);
    int GetMode() const;  // -1 when none is selected or the combo is missing
    // The keyboard's custom colour group ("light_combo_custommodeSelect").
    void SelectCustomGroup(int group);
    int GetCustomGroup() const;  // -1 when none is selected or the combo is missing

    int GetBrightness() const;
    int GetSpeed() const;
    int GetDirection() const;  // 1 when the left option is selected, else 0
    QString GetRed() const;    // the edit texts as typed
    QString GetGreen() const;
    QString GetBlue() const;
    uint32_t GetPaletteColour() const;       // 0xFF000000 when the palette is missing
    uint32_t GetSwatchColour(int n) const;   // the colour swatch n gives; 0xFF000000 when none
    uint32_t GetColourButtonColour() const;  // the colour the colour button shows
    bool IsColourful() const;

    // Whether the light-sync option ("deng_same_mode") may be offered; applies the
    // enabling of the current mode again.
    void SetSameModeFlag(bool flag);
    bool GetSameModeFlag() const { return sameModeFlag_; }

    // The panel's part of the lighting chain. For a notification raised by one of this
    // panel's lighting controls: reads the control, shows the result in the panel (a mode
    // gets its enabling; a colour edit is clamped and rewritten; a colour change rewrites
    // the three edits, the palette and the colour button and clears the colourful option),
    // and changes the matching field of *record (colour changes also clear its colourful
    // flag). Returns what changed; LightChange::None leaves the record and the panel
    // untouched (another control, another panel's control, a swatch without a colour).
    LightChange TakeChange(const TNotifyUI& msg, LightInfoRecord* record);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* Control(const QString& name) const;
    QWidget* Control(const char* name) const { return Control(QString::fromLatin1(name)); }
    void ApplyEnabling(int mode);
    void ShowColour(uint8_t red, uint8_t green, uint8_t blue);
    void ShowDirection(int direction);
    void PaintSwatches();
    bool SwatchColour(int n, uint32_t* argb) const;

    int kind_ = 0;
    bool sameModeFlag_ = false;
    int shownMode_ = -1;  // the mode whose enabling was applied last
    bool swatchesPainted_ = false;
    mutable QHash<QString, QPointer<QWidget>> controls_;
};
