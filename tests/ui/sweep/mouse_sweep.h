#pragma once
// The mouse page's sweep: the three mouse models on their simulators, each control driven
// as a person does, the page, the profile file and the mouse's memory compared after each
// change, and the page compared again after a restart.
#include <functional>
#include <string>
#include <vector>

#include "sim/sim_mouse.h"
#include "sweep_fixture.h"

// One change on the page and what the three views must show after it. Expected values are
// written out here rather than computed with the program's encoders.
struct SettingCase {
    const char* what;
    std::function<void()> drive;
    const char* control;    // the control whose shown state is checked
    const char* shown;      // the start of what it shows (ShownOf)
    const char* jsonPath;   // in the device's profile object, "A/B/2/C"; nullptr: none
    int json = 0;           // the value there
    int recordOffset = -1;  // byte of the active settings record; -1: nothing on the device
    int device = 0;         // its value
    // Further fields the change reaches: (JSON path, value) and (record offset, byte).
    std::vector<std::pair<const char*, int>> alsoJson = {};
    std::vector<std::pair<int, int>> alsoDevice = {};
};

class MouseSweep : public SweepFixture {
protected:
    // Starts the program on one simulated mouse ("mouse", "mouse3389", "mousewl") and
    // waits until the mouse was read, its key block too.
    void OpenMouse(const std::string& simName);
    std::shared_ptr<SimMouse> Mouse() const { return Sim<SimMouse>(simName_); }

    // Shows a tab of the page as a person does: the setting page option or the function tab.
    void ShowTab(const char* option);

    // Runs the cases in order: each must reach the page, the file and the device.
    void RunCases(const std::vector<SettingCase>& cases);

    // The value at a path ("DPIStages/StageDPIs/2/StageDPIX") of the profile's device object.
    Json::Value StoredAt(const std::string& path) const;
    // The active settings record's bytes as the mouse holds them.
    std::vector<uint8_t> Record() const { return Mouse()->ActiveRecord(); }
    // The three key-block bytes of button n.
    std::vector<uint8_t> DeviceKey(int button) const;
    // "Assignment" of button n in the profile, as three bytes.
    std::vector<uint8_t> StoredKey(int button) const;

    // Event `index` of entry `entry` of the shoot image the mouse holds (4 bytes; empty
    // when there is none). The image: magic, lengths, at 16 + 2 x entry the entry's
    // offset (u16 LE); an entry is a u16 count, 2 zero bytes, then count events of 4 bytes.
    std::vector<uint8_t> ShootImageEvent(int entry, int index) const;
    // The same for the macro image.
    std::vector<uint8_t> MacroImageEvent(int entry, int index) const;

    // What the mouse holds in every memory the program writes.
    struct MouseMemory {
        std::vector<uint8_t> settings, keys, macros, shoot;
        bool operator==(const MouseMemory&) const = default;
    };
    MouseMemory Memory() const;

    // The mouse's lists of controls that carry no setting, with the reason, shared by the
    // three models.
    static DisplayOnlyList MouseDisplayOnly();
    // The controls whose shown state a restart may change, with the reason.
    static DisplayOnlyList MouseRestartChanges();

    std::string simName_;
};
