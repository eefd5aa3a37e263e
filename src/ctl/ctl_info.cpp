// kvelmctl info: the device information block, read inside a configuration bracket.
#include <cstdio>
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_numbers.h"
#include "hid/protocol/device_info.h"

namespace {
void PrintInfo(std::ostream& out, const std::string& path, const DeviceInfoBlock& block) {
    const DeviceInfo info = DecodeDeviceInfo(block);
    char text[96];
    out << "device:            " << path << "\n";
    out << "key slots:         " << unsigned(info.keySlots) << "\n";
    out << "macro memory:      " << info.macroMemoryBytes << " bytes (" << unsigned(info.macroUnits)
        << " x 128)\n";
    std::snprintf(text, sizeof text, "sensor:            0x%04x\n", info.sensor);
    out << text;
    out << "DPI step:          " << unsigned(info.dpiStep) << "\n";
    out << "slider range:      0 .. " << info.largestSliderPosition << "\n";
    out << "smallest DPI:      " << info.smallestDpi << "\n";
    out << "information block:\n" << FormatHexDump(block.data(), block.size(), 0);
}
}  // namespace

int RunInfo(const std::vector<std::string>& args, CtlContext& context) {
    CDeviceProtocol channel;
    std::string path;
    if (const int code = OpenNamedDevice(args[0], channel, &path, context); code != kExitOk) return code;
    if (const int result = channel.BeginConfig(); result != kResultOk)
        return FailCommand(context, "begin configuration", result, path);
    DeviceInfoBlock block{};
    const int readResult = channel.ReadDeviceInfo(block);
    // Always close the bracket, even after a failed read, so the device leaves
    // configuration mode.
    const int endResult = channel.EndConfig();
    if (readResult != kResultOk)
        return FailCommand(context, "reading the information block", readResult, path);
    if (endResult != kResultOk) return FailCommand(context, "end configuration", endResult, path);
    PrintInfo(context.out, path, block);
    return kExitOk;
}
