#pragma once
// The lighting chain's first step without widgets: which control of the lighting panel a
// notification comes from, and how its value changes the device's lighting record.
//
//   Notification  Control                                  Record change
//   itemselect    "light_combo_modeSelect"                 mode = the selected index
//   valuechanged  "deng_light_slider" / "deng_speed_slider" brightness / speed
//   selectchanged "deng_FXL_check" / "deng_FXR_check"      direction 1 / 0 (the opposite when
//                                                          the option was deselected)
//   selectchanged "deng_7color_check"                      colourful flag = selected
//   killfocus     "deng_edit_R" / "_G" / "_B"              that component; colourful flag 0
//   colorchanged  "deng_Color_Pallet"                      red, green, blue; colourful flag 0
//   click         "color_option_" n                        red, green, blue; colourful flag 0
// Names are compared without regard to case; a swatch's number is the decimal text after
// the last "_" (the swatch group "color_option_" itself has none and is no swatch).
#include <cstdint>
#include <string_view>

#include "profiles/profile_records.h"

enum class LightSource : uint8_t {
    None,
    ModeCombo,
    BrightnessSlider,
    SpeedSlider,
    LeftCheck,
    RightCheck,
    ColourfulCheck,
    EditRed,
    EditGreen,
    EditBlue,
    Palette,
    Swatch,
};

// What the main window does after the panel took a change: every change is stored in the
// profile and written to the device; a swatch leaves the channel's light hold as it is.
enum class LightChange : uint8_t { None, Mode, Brightness, Speed, Direction, Colourful, Colour, Swatch };

struct LightNotice {
    LightSource source = LightSource::None;
    int swatch = -1;  // the swatch number for LightSource::Swatch
};

LightNotice ClassifyLightNotice(std::string_view type, std::string_view senderName);

LightChange ChangeOfSource(LightSource source);

// Changes the record for a value read from the control:
//   ModeCombo, sliders: the value (ignored when outside 0..255);
//   the three options: 1 selected, 0 deselected;
//   edits: the component 0..255 (already clamped);
//   palette and swatch: the colour as 0xAARRGGBB.
// Returns false, leaving the record as it was, when nothing changes it (LightSource::None,
// a value out of range).
bool ApplyLightValue(LightInfoRecord& record, LightSource source, int64_t value);
