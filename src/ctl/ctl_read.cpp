// kvelmctl read: a hex dump of device memory.
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_numbers.h"

int RunRead(const std::vector<std::string>& args, CtlContext& context) {
    uint32_t offset = 0;
    uint32_t length = 0;
    if (!ParseNumber(args[1], 0xFFFF, offset))
        return CtlFail(context, kExitUsage, "bad OFFSET '" + args[1] + "': a number from 0 to 0xffff");
    if (!ParseNumber(args[2], 0x10000, length) || length == 0)
        return CtlFail(context, kExitUsage, "bad LENGTH '" + args[2] + "': a number from 1 to 0x10000");
    if (offset + length > 0x10000)
        return CtlFail(context, kExitUsage, "OFFSET + LENGTH runs past the device's address range (0x10000)");

    CDeviceProtocol channel;
    std::string path;
    if (const int code = OpenNamedDevice(args[0], channel, &path, context); code != kExitOk) return code;
    std::vector<uint8_t> bytes(length);
    if (const int result = channel.ReadMemory(bytes, static_cast<uint16_t>(offset)); result != kResultOk)
        return FailCommand(context, "reading memory", result, path);
    context.out << FormatHexDump(bytes.data(), bytes.size(), offset);
    return kExitOk;
}
