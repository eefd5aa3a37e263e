// kvelmctl settings on a keyboard, a mouse pad or a headset: the active settings block of a
// keyboard or the lighting record of a pad or headset, decoded by name.
#include "ctl/ctl_kind_settings.h"

#include <cstdio>

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_headset_audio.h"
#include "ctl/ctl_mouse_words.h"
#include "ctl/ctl_numbers.h"
#include "devices/hs6533_device.h"
#include "devices/keyboard_device.h"
#include "devices/mousepad_device.h"

namespace {

std::string ModeText(const DeviceLists& lists, unsigned mode) {
    const std::string word = LightModeWord(lists, static_cast<int>(mode));
    return (word.empty() ? std::string("unknown") : word) + " (" + std::to_string(mode) + ")";
}

std::string RateText(unsigned index) {
    const int hz = PollingRateHz(index);
    return hz > 0 ? std::to_string(hz) + " Hz" : "unknown (option " + std::to_string(index) + ")";
}

const char* OnOff(int flag) {
    return flag != 0 ? "on" : "off";
}

int KeyboardSettings(CDeviceProtocol& channel, const std::string& path, const DeviceLists& lists,
                     CtlContext& context) {
    uint8_t slot = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&slot, 1), 0);
    keyboard::KeyboardBlockBytes bytes{};
    if (result == kResultOk)
        result = channel.ReadMemory(bytes, static_cast<uint16_t>(slot * keyboard::block::kLength));
    keyboard::KeyboardBlockReadBack read;
    if (result != kResultOk || keyboard::DecodeKeyboardBlock(bytes, slot, &read) != 1)
        return FailCommand(context, "reading the settings block", result, path);
    std::ostream& out = context.out;
    out << "device:            " << path << "\n";
    out << "active slot:       " << unsigned(read.slot) << "\n";
    out << "lighting mode:     " << ModeText(lists, read.mode) << "\n";
    out << "brightness:        " << unsigned(read.brightness) << "\n";
    out << "speed:             " << unsigned(read.speed) << "\n";
    out << "colourful:         " << (read.colourful != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << ColourText(read.red, read.green, read.blue) << "\n";
    out << "W lock:            " << OnOff(read.wFlag) << "\n";
    out << "6-key rollover:    " << OnOff(read.key6Flag) << "\n";
    out << "Windows key lock:  " << OnOff(read.winFlag) << "\n";
    out << "polling rate:      " << RateText(read.pollingRate) << "\n";
    out << "block:\n" << FormatHexDump(read.bytes.data(), read.bytes.size(), 0);
    return kExitOk;
}

int LightingSettings(CDeviceProtocol& channel, const std::string& path, const DeviceLists& lists,
                     CtlContext& context) {
    uint8_t slot = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&slot, 1), 0);
    std::array<uint8_t, pad::lighting::kBlockStride> block{};
    if (result == kResultOk)
        result = channel.ReadMemory(block, static_cast<uint16_t>(slot * pad::lighting::kBlockStride));
    pad::PadLightingRecord record{};
    if (result != kResultOk || pad::DecodePadLighting(block, slot, &record) != 1)
        return FailCommand(context, "reading the lighting record", result, path);
    using namespace pad::lighting;
    std::ostream& out = context.out;
    out << "device:            " << path << "\n";
    out << "active slot:       " << unsigned(record[kSlot]) << "\n";
    out << "lighting mode:     " << ModeText(lists, record[kMode]) << "\n";
    out << "brightness:        " << unsigned(record[kBrightness]) << "\n";
    out << "speed:             " << unsigned(record[kSpeed]) << "\n";
    out << "direction:         " << unsigned(record[kDirection]) << "\n";
    out << "colourful:         " << (record[kColourful] != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << ColourText(record[kRed], record[kGreen], record[kBlue]) << "\n";
    out << "record:\n" << FormatHexDump(record.data(), record.size(), 0);
    return kExitOk;
}

}  // namespace

std::string ColourText(uint8_t red, uint8_t green, uint8_t blue) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

int PrintKindSettings(NamedDevice& named, CtlContext& context) {
    CDeviceProtocol& channel = named.device->CommandChannel();
    named.device->LoadLists();
    if (named.keyboard != nullptr)
        return KeyboardSettings(channel, named.path, named.keyboard->Lists(), context);
    if (named.headset != nullptr) {
        std::string profile;
        if (const int code = LoadSelectedProfile(named, &profile, context); code != kExitOk) return code;
        if (const int code = LightingSettings(channel, named.path, named.headset->Lists(), context);
            code != kExitOk)
            return code;
        context.out << "profile:           " << profile << "\n";
        PrintHeadsetAudio(named, context.out);
        return kExitOk;
    }
    auto& pad = static_cast<CVornakelMousePadDevice&>(*named.device);
    return LightingSettings(channel, named.path, pad.Lists(), context);
}
