// kvelmctl set DEVICE lighting MODE [--colour RRGGBB] [--brightness N] [--speed N].
#include "ctl/ctl_set_lighting.h"

#include <cstdio>

#include "ctl/ctl.h"
#include "ctl/ctl_mouse_words.h"
#include "ctl/ctl_numbers.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kvelmctl set PATH|INDEX lighting MODE [--colour RRGGBB] [--brightness N] [--speed N]";
constexpr uint32_t kMaxLightLevel = 4;  // brightness and speed levels 0-4, as the page's sliders

bool ParseColour(const std::string& text, LightInfoRecord& effect) {
    uint32_t rgb = 0;
    const std::string digits = text.starts_with("#") ? text.substr(1) : text;
    if (digits.size() != 6 || !ParseNumber("0x" + digits, 0xFFFFFF, rgb)) return false;
    effect.red = uint8_t(rgb >> 16);
    effect.green = uint8_t(rgb >> 8);
    effect.blue = uint8_t(rgb);
    effect.multiColor = 0;  // a chosen colour is shown as it is
    return true;
}

}  // namespace

int SetLighting(CVornakelUSBDevice& device, const DeviceLists& lists, int lastMode,
                const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() < 3 || args.size() % 2 == 0) return CtlFail(context, kExitUsage, std::string(kUsage));
    const int mode = FindLightMode(lists, args[2]);
    if (mode < 0 || (lastMode >= 0 && mode >= lastMode))
        return CtlFail(context, kExitUsage,
                       "unknown lighting mode '" + args[2] + "' (modes: " + LightModeWords(lists) + ")");
    LightInfoRecord effect = device.GetLightEffect();
    effect.selectItem = static_cast<uint8_t>(mode);
    for (size_t i = 3; i + 1 < args.size(); i += 2) {
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        uint32_t level = 0;
        if (option == "--colour" || option == "--color") {
            if (!ParseColour(value, effect))
                return CtlFail(context, kExitUsage,
                               "--colour needs six hexadecimal digits RRGGBB, not '" + value + "'");
        } else if (option == "--brightness" || option == "--speed") {
            if (!ParseNumber(value, kMaxLightLevel, level))
                return CtlFail(context, kExitUsage,
                               option + " needs a level from 0 to " + std::to_string(kMaxLightLevel));
            (option == "--speed" ? effect.speed : effect.light) = static_cast<uint8_t>(level);
        } else {
            return CtlFail(context, kExitUsage, std::string(kUsage));
        }
    }
    device.SetLightEffect(effect);
    char colour[8];
    std::snprintf(colour, sizeof colour, "%02x%02x%02x", effect.red, effect.green, effect.blue);
    context.out << "lighting: " << LightModeWord(lists, mode) << ", colour #" << colour << ", brightness "
                << unsigned(effect.light) << ", speed " << unsigned(effect.speed) << "\n";
    return kExitOk;
}
