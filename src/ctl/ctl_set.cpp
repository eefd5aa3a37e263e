// kvelmctl set on a mouse (other kinds: ctl_set_kinds.cpp): changes one setting in its selected profile and
// writes the settings record to the mouse, as the window does when the value is changed on the page.
//   set DEVICE dpi STAGE VALUE      stage counted from 1, DPI as the page shows it
//   set DEVICE rate HZ              125, 250, 500, 1000 or 2000
//   set DEVICE lighting MODE [--colour RRGGBB] [--brightness N] [--speed N]
#include <cstdio>

#include "devices/device_result.h"
#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_mouse_words.h"
#include "ctl/ctl_numbers.h"
#include "ctl/ctl_named_device.h"
#include "ctl/ctl_profiled_mouse.h"
#include "ctl/ctl_set_kinds.h"
#include "ctl/ctl_set_lighting.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kvelmctl set PATH|INDEX dpi STAGE VALUE | rate HZ | lighting MODE [--colour RRGGBB] "
    "[--brightness N] [--speed N]";
constexpr uint32_t kMaxDpi = 65535;

int Usage(CtlContext& context) {
    return CtlFail(context, kExitUsage, std::string(kUsage));
}

int SetDpi(ProfiledMouse& mouse, const std::vector<std::string>& args, CtlContext& context) {
    uint32_t stage = 0, dpi = 0;
    if (args.size() != 4 || !ParseNumber(args[2], CVornakelMouseDevice::kDpiStageCount, stage) || stage < 1 ||
        !ParseNumber(args[3], kMaxDpi, dpi))
        return CtlFail(context, kExitUsage,
                       "usage: kvelmctl set PATH|INDEX dpi STAGE VALUE (STAGE 1-" +
                           std::to_string(CVornakelMouseDevice::kDpiStageCount) + ", counted from 1)");
    std::vector<DpiStage> stages = mouse.device.GetDpiStages();
    if (stages.size() < stage) stages.resize(stage);
    DpiStage& changed = stages[stage - 1];
    const mouse::MouseSensorInfo sensor = mouse.device.SensorInfo();
    const int position = mouse::PositionForDpi(sensor, static_cast<int>(dpi), changed.X());
    changed.SetX(static_cast<uint16_t>(position));
    changed.SetY(static_cast<uint16_t>(position));
    mouse.device.SetDpiStages(stages);
    context.out << "DPI stage " << stage << ": " << mouse::DpiForPosition(sensor, position) << " DPI\n";
    return kExitOk;
}

int SetRate(ProfiledMouse& mouse, const std::vector<std::string>& args, CtlContext& context) {
    uint32_t hz = 0;
    const int index = args.size() == 3 && ParseNumber(args[2], kMaxDpi, hz) ? PollingRateIndex(int(hz)) : -1;
    if (index < 0)
        return CtlFail(context, kExitUsage,
                       "usage: kvelmctl set PATH|INDEX rate HZ (HZ: " + PollingRateList() + ")");
    MouseSystemValues values = mouse.device.GetSystemValues();
    values[MouseValue::kPollingRate] = static_cast<uint16_t>(index);
    mouse.device.SetSystemValues(values);
    context.out << "polling rate: " << hz << " Hz\n";
    return kExitOk;
}

}  // namespace

int RunSet(const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() < 3) return Usage(context);
    const std::string& what = args[1];
    {
        NamedDevice named;
        if (const int code = ConfigureNamed(args[0], named, context); code != kExitOk) return code;
        if (named.mouse == nullptr) return RunSetOnKind(args, context);
        if (what != "dpi" && what != "rate" && what != "lighting")
            return IsSettingWord(what) ? RefuseKind(context, "set " + what, named) : Usage(context);
    }
    ProfiledMouse mouse;
    if (const int code = OpenProfiledMouse(args[0], mouse, context); code != kExitOk) return code;
    int code = kExitOk;
    if (what == "dpi")
        code = SetDpi(mouse, args, context);
    else if (what == "rate")
        code = SetRate(mouse, args, context);
    else {
        mouse.device.LoadLists();
        code = SetLighting(mouse.device, mouse.device.Lists(), mouse::kFirstHostLightMode, args, context);
    }
    if (code != kExitOk) return code;
    // 0: written (the profile was loaded when the mouse was opened).
    if (mouse.device.SaveProfile() != kResultOk)
        return CtlFail(context, kExitFailure, "the profile '" + mouse.profileName + "' cannot be saved");
    if (const int result = mouse.device.WriteSettings(SettingsWrite{}); result != kResultOk)
        return FailCommand(context, "writing the settings", result, mouse.path);
    context.out << "saved in profile '" << mouse.profileName << "' and written to " << mouse.path << "\n";
    return kExitOk;
}
