// kvelmctl settings: the active settings of any kind; a mouse's settings record, decoded into the words the
// window uses: lighting mode names, polling rate in Hz, DPI stages counted from 1 with their DPI.
#include <cstdio>

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_kind_settings.h"
#include "ctl/ctl_mouse.h"
#include "ctl/ctl_mouse_words.h"
#include "ctl/ctl_numbers.h"

namespace {

// The stage X values in the record, in stage order (little-endian words).
int StageRaw(const mouse::MouseRecordReadBack& read, size_t stage) {
    using namespace mouse::record;
    const size_t at =
        stage < kLowStageCount ? kStageXLow + 2 * stage : kStageXHigh + 2 * (stage - kLowStageCount);
    return read.bytes[at] | (read.bytes[at + 1] << 8);
}

std::string ModeText(const CVornakelMouseDevice& device, unsigned mode) {
    const std::string word = LightModeWord(device.Lists(), static_cast<int>(mode));
    return (word.empty() ? std::string("unknown") : word) + " (" + std::to_string(mode) + ")";
}

std::string RateText(unsigned index) {
    const int hz = PollingRateHz(index);
    return hz > 0 ? std::to_string(hz) + " Hz" : "unknown (index " + std::to_string(index) + ")";
}

void PrintSettings(std::ostream& out, const std::string& path, const CVornakelMouseDevice& device) {
    const mouse::MouseRecordReadBack& read = device.LastSettingsRead();
    const mouse::MouseSensorInfo sensor = device.SensorInfo();
    char colour[32];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", read.red, read.green, read.blue);
    out << "device:            " << path << "\n";
    out << "active record:     " << unsigned(read.activeRecord) << "\n";
    out << "lighting mode:     " << ModeText(device, read.mode) << "\n";
    out << "brightness:        " << unsigned(read.brightness) << "\n";
    out << "speed:             " << unsigned(read.speed) << "\n";
    out << "colourful:         " << (read.colourful != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << colour << "\n";
    out << "polling rate:      " << RateText(read.pollingRateIndex) << "\n";
    out << "active DPI stage:  " << unsigned(read.activeStage) + 1 << " (stages count from 1)\n";
    out << "DPI stages:\n";
    for (size_t stage = 0; stage < mouse::record::kStageCount; ++stage) {
        int position = StageRaw(read, stage);
        // This sensor's stage values are stored one higher than the slider position.
        if (sensor.sensorCode == mouse::kSensorCountingFromOne && position > 0) --position;
        out << "  " << stage + 1 << ": " << mouse::DpiForPosition(sensor, position) << " DPI"
            << (stage == read.activeStage ? "  (active)" : "") << "\n";
    }
    out << "record:\n" << FormatHexDump(read.bytes.data(), read.bytes.size(), 0);
}

int MouseSettings(CVornakelMouseDevice& device, const std::string& path, CtlContext& context) {
    // The information block names the sensor, which turns stage values into DPI.
    if (const int result = device.ReadInitialState(); result != kResultOk)
        return FailCommand(context, "reading the device (not answering)", result, path);
    if (const int result = device.ReadSettingsRecord(); result != kResultOk)
        return FailCommand(context, "reading the settings record", result, path);
    device.LoadLists();
    PrintSettings(context.out, path, device);
    return kExitOk;
}

}  // namespace

// The kind comes from the device table; "--kind" only asserts it.
int RunSettings(const std::vector<std::string>& args, CtlContext& context) {
    std::vector<std::string> rest = args;
    NamedDevice named;
    if (const int code = OpenNamed(rest[0], named, context); code != kExitOk) return code;
    if (const int code = CheckKindOption(rest, named, context); code != kExitOk) return code;
    if (rest.size() != 1)
        return CtlFail(context, kExitUsage, "usage: kvelmctl settings PATH|INDEX [--kind KIND]");
    if (named.mouse != nullptr) return MouseSettings(*named.mouse, named.path, context);
    return PrintKindSettings(named, context);
}
