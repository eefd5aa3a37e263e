#include "ctl/ctl_set_kinds.h"

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_headset_audio.h"
#include "ctl/ctl_mouse_words.h"
#include "ctl/ctl_named_device.h"
#include "ctl/ctl_numbers.h"
#include "ctl/ctl_set_lighting.h"
#include "devices/hs6533_device.h"
#include "devices/keyboard_device.h"
#include "devices/keyboard_system_stages.h"
#include "devices/mousepad_device.h"
#include "profiles/profile_list.h"

namespace {

constexpr int kNoLastMode = -1;

struct KeyboardFlag {
    const char* word;
    int stage;
};
constexpr KeyboardFlag kKeyboardFlags[] = {
    {"wlock", keyboard::Stage::kWFlag},
    {"winlock", keyboard::Stage::kWinFlag},
    {"rollover", keyboard::Stage::kKey6Flag},
};

const DeviceLists& ListsOf(NamedDevice& named) {
    named.device->LoadLists();
    if (named.keyboard != nullptr) return named.keyboard->Lists();
    if (named.headset != nullptr) return named.headset->Lists();
    return static_cast<CVornakelMousePadDevice&>(*named.device).Lists();
}

int UsageOf(CtlContext& context, const std::string& text) {
    return CtlFail(context, kExitUsage, "usage: kvelmctl set PATH|INDEX " + text);
}

// One keyboard stage to `value`, printed as `shown`.
int SetStage(CVornakelKeyboardDevice& keyboard, int stage, uint16_t value, const std::string& shown,
             CtlContext& context) {
    keyboard.SetSystemStages(keyboard::WithStage(keyboard.GetSystemStages(), stage, value));
    context.out << shown << "\n";
    return kExitOk;
}

int SetKeyboardValue(CVornakelKeyboardDevice& keyboard, const std::vector<std::string>& args,
                     CtlContext& context) {
    const std::string& what = args[1];
    uint32_t number = 0;
    if (what == "rate") {
        const int index =
            args.size() == 3 && ParseNumber(args[2], 0xFFFF, number) ? PollingRateIndex(int(number)) : -1;
        if (index < 0 || index >= keyboard::kOptionCount)
            return UsageOf(context, "rate HZ (HZ: 125, 250, 500, 1000)");
        return SetStage(keyboard, keyboard::Stage::kPollingRate, uint16_t(index),
                        "polling rate: " + std::to_string(number) + " Hz", context);
    }
    if (what == "repeat-delay") {
        const bool valid = args.size() == 3 && ParseNumber(args[2], 0xFFFF, number) && number > 0 &&
                           number % keyboard::kRepeatDelayStepMs == 0 &&
                           number / keyboard::kRepeatDelayStepMs <= unsigned(keyboard::kOptionCount);
        if (!valid) return UsageOf(context, "repeat-delay MS (MS: 250, 500, 750, 1000)");
        return SetStage(keyboard, keyboard::Stage::kRepeatDelay,
                        uint16_t(number / keyboard::kRepeatDelayStepMs - 1),
                        "repeat delay: " + std::to_string(number) + " ms", context);
    }
    for (const KeyboardFlag& flag : kKeyboardFlags) {
        if (what != flag.word) continue;
        if (args.size() != 3 || (args[2] != "on" && args[2] != "off"))
            return UsageOf(context, what + " on|off");
        return SetStage(keyboard, flag.stage, args[2] == "on" ? 1 : 0, what + ": " + args[2], context);
    }
    return -1;
}

// The change `args` asks for, made in the device's model; -1 when the kind has no such
// setting.
int Change(NamedDevice& named, const std::vector<std::string>& args, CtlContext& context) {
    if (args[1] == "lighting") return SetLighting(*named.device, ListsOf(named), kNoLastMode, args, context);
    if (named.keyboard != nullptr) return SetKeyboardValue(*named.keyboard, args, context);
    return -1;
}

}  // namespace

int RunSetOnKind(const std::vector<std::string>& args, CtlContext& context) {
    NamedDevice named;
    if (const int code = OpenNamed(args[0], named, context); code != kExitOk) return code;
    std::string profileName;
    if (const int code = LoadSelectedProfile(named, &profileName, context); code != kExitOk) return code;
    if (named.headset != nullptr) {
        const auto audio = BindHeadsetAudio(named);
        // The audio operations save the profile themselves, as the voice panel's do.
        if (const int code = SetHeadsetAudio(named, args, context); code >= 0) {
            if (code == kExitOk) context.out << "saved in profile '" << profileName << "'\n";
            return code;
        }
    }
    const int code = Change(named, args, context);
    if (code < 0) return RefuseKind(context, "set " + args[1], named);
    if (code != kExitOk) return code;
    if (named.device->SaveProfile() != kResultOk)
        return CtlFail(context, kExitFailure, "the profile '" + profileName + "' cannot be saved");
    if (const int result = named.device->WriteSettings(SettingsWrite{}); result != kResultOk)
        return FailCommand(context, "writing the settings", result, named.path);
    context.out << "saved in profile '" << profileName << "' and written to " << named.path << "\n";
    return kExitOk;
}

void PrintSetHelp(std::ostream& out) {
    out << "usage: kvelmctl set PATH|INDEX SETTING VALUE...\n\n"
           "  lighting MODE [--colour RRGGBB] [--brightness 0-4] [--speed 0-4]\n"
           "                           every kind; 'kvelmctl settings' shows the mode names\n"
           "  dpi STAGE VALUE          mouse; STAGE counts from 1\n"
           "  rate HZ                  mouse: "
        << PollingRateList()
        << "; keyboard: 125, 250, 500, 1000\n"
           "  wlock on|off             keyboard: the W key lock\n"
           "  winlock on|off           keyboard: the Windows key lock\n"
           "  rollover on|off          keyboard: 6-key rollover\n"
           "  repeat-delay MS          keyboard: 250, 500, 750 or 1000\n"
           "  mic LEVEL, monitor LEVEL headset: 0-100\n"
           "  mic-mute on|off          headset\n"
           "  monitor-mute on|off      headset\n"
           "  eq PRESET                headset: a built-in equaliser preset, 1-12\n\n"
           "The setting is saved in the device's selected profile and written to the device.\n";
}

bool IsSettingWord(const std::string& word) {
    static const char* const kWords[] = {"lighting", "dpi",      "rate",         "wlock",
                                         "winlock",  "rollover", "repeat-delay", "mic",
                                         "monitor",  "mic-mute", "monitor-mute", "eq"};
    for (const char* known : kWords)
        if (word == known) return true;
    return false;
}
