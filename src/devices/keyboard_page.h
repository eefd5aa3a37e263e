#pragma once
// The page of a keyboard: the accessors of the keyboard page's controls. The keyboard
// device shows its model through them; the main window reads the controls through them.
// Setters raise no notifications. A missing control is skipped (getters then give -1).
#include <cstdint>
#include <vector>

#include "devices/device_page.h"
#include "profiles/profile_records.h"

class IKeyboardPage : public IDevicePage {
public:
    static constexpr int kPollingOptionCount = 4;
    static constexpr int kRepeatDelayOptionCount = 4;

    // The key buttons "key_" n: every LED's current assignment (tooltip and key-set image).
    virtual void ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) = 0;
    // Shows "KeySetControlItem" for LED `led`, with its assignment when given.
    virtual void ShowKeySetting(int led, const KeyAssignEntry* assignment) = 0;
    // Enables or disables the key button of one LED (the function key on the lighting page).
    virtual void EnableKeyButton(int led, bool enabled) = 0;

    // "winlockflag_option", "wflag_option", "6flag_option", "repeat_rate_slider",
    // "repeat_delay_check_" 0-3 with "repeat_delay_time_label1" (250 x (delay + 1) ms),
    // "polling_rate_option_" 0-3 (an index outside selects option 0); empties
    // "repeat_input_richedit".
    virtual void ShowSystemStages(const KeyboardSystemSettings& stages) = 0;

    // The lighting panel's custom colour group ("light_combo_custommodeSelect"); -1 when
    // no group can be chosen.
    virtual void SelectCustomGroup(int group) = 0;
    virtual int CustomGroup() const = 0;

    // The LED strips under the keys show these colours (per LED packed red, green, blue
    // from the low byte up; a missing entry stays as it is).
    virtual void ShowLedColours(const std::vector<std::uint32_t>& colours) = 0;
};
