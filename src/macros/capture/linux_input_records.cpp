#include "macros/capture/linux_input_records.h"

#include <linux/input-event-codes.h>

#include "macros/linux_keys.h"

namespace capture {
namespace {

struct XButtonRow {
    int xButton;
    std::uint16_t linuxCode;
};

constexpr XButtonRow kXButtons[] = {
    {1, BTN_LEFT}, {2, BTN_MIDDLE}, {3, BTN_RIGHT}, {8, BTN_SIDE}, {9, BTN_EXTRA},
};

constexpr std::uint16_t kUpMessageStep = 1;  // a button's up message follows its down message

}  // namespace

std::optional<macros::HookRecord> RecordOfLinuxCode(std::uint16_t code, bool down, std::uint32_t timeMs) {
    macros::HookRecord record;
    record.down = down;
    record.timeMs = timeMs;
    if (const auto button = macros::ButtonOfLinuxCode(code)) {
        record.kind = macros::HookKind::Button;
        record.message = static_cast<std::uint16_t>(button->downMessage + (down ? 0 : kUpMessageStep));
        record.xButton = button->xButton;
        return record;
    }
    const auto key = macros::IdentityOfLinuxKey(code);
    if (!key) return std::nullopt;
    record.kind = macros::HookKind::Key;
    record.virtualKey = key->virtualKey;
    record.scan = key->scan;
    record.extended = key->extended;
    return record;
}

bool ReleaseFilter::Pass(std::uint16_t code, bool down) {
    static_assert(kCodes == KEY_CNT);
    if (code >= kCodes) return true;
    const bool doubleRelease = !down && seen_[code] && !held_[code];
    seen_[code] = true;
    held_[code] = down;
    return !doubleRelease;
}

std::optional<std::uint16_t> LinuxButtonOfXButton(int xButton) {
    for (const XButtonRow& row : kXButtons)
        if (row.xButton == xButton) return row.linuxCode;
    return std::nullopt;
}

}  // namespace capture
