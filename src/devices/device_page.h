#pragma once
// What a device object shows goes through these interfaces; the device objects themselves
// know no widgets. A device without a page (kvelmctl, tests) simply has none of them set.
//
// All calls come from the thread that owns the device (the user-interface thread in the
// program). Setters never raise notifications: showing a value must not re-trigger the
// operation behind its control.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "profiles/profile_records.h"

// The 6-byte power status record of a device:
//   0 battery level in percent (0-100)   1 power state (0, 1 or 2)   2 not interpreted
//   3 1 when the command channel is a slow (wireless) link, else 0 (set by the host)
//   4 a byte handed to the owner window   5 attached phone type (mouse pads)
using PowerStatusRecord = std::array<std::uint8_t, 6>;

namespace PowerStatusByte {
constexpr std::size_t kBattery = 0;
constexpr std::size_t kState = 1;
constexpr std::size_t kWirelessLink = 3;
constexpr std::size_t kOwnerByte = 4;
constexpr std::size_t kPhoneType = 5;
}  // namespace PowerStatusByte

// Message a device sends its owner window after reading its power status
// (wParam = power record byte 4, lParam = 0).
constexpr unsigned kMsgPowerStatusRead = 0x0D01;

// The power panel of a device (the main window hands one over).
class IPowerPanel {
public:
    virtual ~IPowerPanel() = default;
    virtual void ShowPowerStatus(const PowerStatusRecord& record) = 0;
    // Whether the device polls its power status every 5000 ms.
    virtual void SetPollPeriodically(int flag) = 0;
};

// The owner window as a device sees it. Both callbacks are optional.
struct DeviceOwner {
    // Called on the input worker's thread when the device asked to be read again (input
    // report usage 0x0401). It must only hand the request over to the owner's thread (post a
    // message that calls ScheduleResync) and must stay harmless once the owner is gone: a worker
    // that failed to stop may still call it.
    std::function<void()> resyncRequested;
    // A window message to the owner, sent on the device's own thread.
    std::function<void(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)> sendMessage;
    // Runs `task` once on the device's thread after delayMs (the program: a single-shot
    // timer of the window, held back while the system sleeps). Without one the device
    // schedules nothing and its caller reads it itself (kvelmctl, tests).
    std::function<void(int delayMs, std::function<void()> task)> schedule;
    // The screen size recorded by the owner at start-up, handed to every settings write.
    std::function<std::pair<int, int>()> screenSize;
    // Called on the device's thread once the first read after an arrival is done (the
    // program may then bring the device in step with the selected profile).
    std::function<void()> firstReadDone;
};

// One built-in lighting mode of the device: its name (a language text id) and whether the
// mode combo shows it.
struct LightModeName {
    std::string name;
    bool visible = true;
};

// The page of a device of any kind.
class IDevicePage {
public:
    virtual ~IDevicePage() = default;

    // Binds the page's key and light buttons: the "DeviceKeyButton" children of the page's
    // "SelectPanel" named "key_" n (kept when n < keyCount) and "light_" n (kept when
    // n < ledCount, shown white at level 255); prefixes compare without regard to case.
    // Earlier bindings are dropped first.
    virtual void BindKeyAndLightControls(int keyCount, int ledCount) = 0;
    // Drops every key and light binding.
    virtual void ClearControlTables() = 0;
    // Selects tab functionTab of "device_function_switch" and tab keyFunctionTab of
    // "device_key_function_switch"; -1 leaves that switch as it is. When either switch is
    // missing nothing changes and the result is false.
    virtual bool SelectFunctionTabs(int functionTab, int keyFunctionTab) = 0;

    // The lighting panel: the built-in mode names (index = mode number), the host's light
    // preset names (modes 12 and up) and the current lighting choice.
    virtual void ShowLightModes(const std::vector<LightModeName>& modes,
                                const std::vector<std::string>& presetNames) = 0;
    virtual void ShowLightEffect(const LightInfoRecord& effect) = 0;
    // Names of the macros of "macro.config", in list order, for the key-assignment choices.
    virtual void ShowMacroNames(const std::vector<std::string>& names) = 0;
};
