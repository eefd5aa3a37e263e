// kvelmctl settings --kind keyboard|pad: the active settings block of a keyboard or the
// lighting record of a mouse pad, decoded by name.
#include "ctl/ctl_kind_settings.h"

#include <cstdio>

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_numbers.h"
#include "devices/keyboard_device.h"
#include "devices/mousepad_device.h"

namespace {

constexpr std::string_view kKindOption = "--kind";

std::string Colour(uint8_t r, uint8_t g, uint8_t b) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", r, g, b);
    return text;
}

int KeyboardSettings(CDeviceProtocol& channel, const std::string& path, CtlContext& context) {
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
    out << "lighting mode:     " << unsigned(read.mode) << "\n";
    out << "brightness:        " << unsigned(read.brightness) << "\n";
    out << "speed:             " << unsigned(read.speed) << "\n";
    out << "colourful:         " << (read.colourful != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << Colour(read.red, read.green, read.blue) << "\n";
    out << "W lock:            " << read.wFlag << "\n";
    out << "6-key rollover:    " << read.key6Flag << "\n";
    out << "Windows key lock:  " << read.winFlag << "\n";
    out << "polling rate:      " << unsigned(read.pollingRate) << "\n";
    out << "block:\n" << FormatHexDump(read.bytes.data(), read.bytes.size(), 0);
    return kExitOk;
}

int PadSettings(CDeviceProtocol& channel, const std::string& path, CtlContext& context) {
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
    out << "lighting mode:     " << unsigned(record[kMode]) << "\n";
    out << "brightness:        " << unsigned(record[kBrightness]) << "\n";
    out << "speed:             " << unsigned(record[kSpeed]) << "\n";
    out << "direction:         " << unsigned(record[kDirection]) << "\n";
    out << "colourful:         " << (record[kColourful] != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << Colour(record[kRed], record[kGreen], record[kBlue]) << "\n";
    out << "record:\n" << FormatHexDump(record.data(), record.size(), 0);
    return kExitOk;
}

}  // namespace

int RunKindSettings(const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() != 3 || args[1] != kKindOption || (args[2] != "keyboard" && args[2] != "pad"))
        return CtlFail(context, kExitUsage, "usage: kvelmctl settings PATH|INDEX [--kind keyboard|pad]");
    CDeviceProtocol channel;
    std::string path;
    if (const int code = OpenNamedDevice(args[0], channel, &path, context); code != kExitOk) return code;
    return args[2] == "keyboard" ? KeyboardSettings(channel, path, context)
                                 : PadSettings(channel, path, context);
}
