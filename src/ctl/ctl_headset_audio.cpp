#include "ctl/ctl_headset_audio.h"

#include "ctl/ctl.h"
#include "ctl/ctl_numbers.h"
#include "devices/audio/headset_audio_source.h"
#include "devices/headset_eq_presets.h"
#include "devices/hs6533_device.h"

namespace {

constexpr uint32_t kLevelMax = 100;

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

int Usage(CtlContext& context, const std::string& text) {
    return CtlFail(context, kExitUsage, "usage: kvelmctl set PATH|INDEX " + text);
}

// The device operations store only what the audio layer took: an unchanged value after the
// call means the headset refused it.
int Confirm(bool taken, const std::string& shown, CtlContext& context) {
    if (!taken)
        return CtlFail(context, kExitFailure, "the headset's audio did not take the change (" + shown + ")");
    context.out << shown << "\n";
    return kExitOk;
}

int SetLevel(CVornakelHS6533Device& headset, const std::vector<std::string>& args, CtlContext& context) {
    uint32_t level = 0;
    if (args.size() != 3 || !ParseNumber(args[2], kLevelMax, level))
        return Usage(context, args[1] + " LEVEL (0-100)");
    const bool mic = args[1] == "mic";
    mic ? headset.SetMicLevel(int(level)) : headset.SetMonitorLevel(int(level));
    const HeadsetSettings& s = headset.AudioState().settings;
    const int now = mic ? s.micInValue : s.micMonitorValue;
    return Confirm(now == int(level), args[1] + " level: " + std::to_string(level), context);
}

int SetMute(CVornakelHS6533Device& headset, const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() != 3 || (args[2] != "on" && args[2] != "off")) return Usage(context, args[1] + " on|off");
    const bool mic = args[1] == "mic-mute";
    const int wanted = args[2] == "on" ? 1 : 0;
    const auto muted = [&] { return mic ? headset.AudioState().micMute : headset.AudioState().monitorMute; };
    if (muted() != wanted) mic ? headset.ToggleMicMute() : headset.ToggleMonitorMute();
    return Confirm(muted() == wanted, args[1] + ": " + args[2], context);
}

int SetEq(CVornakelHS6533Device& headset, const std::vector<std::string>& args, CtlContext& context) {
    uint32_t preset = 0;
    if (args.size() != 3 || !ParseNumber(args[2], kEqTypeLastBuiltIn, preset) ||
        int(preset) < kEqTypeFirstBuiltIn)
        return Usage(context, "eq PRESET (" + std::to_string(kEqTypeFirstBuiltIn) + "-" +
                                  std::to_string(kEqTypeLastBuiltIn) + ")");
    headset.SelectEqType(int(preset));
    return Confirm(headset.AudioState().settings.eqType == int(preset), "equaliser preset: " + args[2],
                   context);
}

}  // namespace

std::unique_ptr<IAudioConfigLibrary> BindHeadsetAudio(NamedDevice& named) {
    auto library = MakeHeadsetAudioLibrary(CtlSimulateList(), named.vendorId, named.productId);
    named.headset->SetAudioLibrary(library.get());
    named.headset->BindPageControls();
    return library;
}

int SetHeadsetAudio(NamedDevice& named, const std::vector<std::string>& args, CtlContext& context) {
    const std::string& what = args[1];
    if (named.headset == nullptr) return -1;
    CVornakelHS6533Device& headset = *named.headset;
    if (what == "mic" || what == "monitor") return SetLevel(headset, args, context);
    if (what == "mic-mute" || what == "monitor-mute") return SetMute(headset, args, context);
    if (what == "eq") return SetEq(headset, args, context);
    return -1;
}

void PrintHeadsetAudio(NamedDevice& named, std::ostream& out) {
    const HeadsetSettings& s = named.headset->Profile().GetHeadsetSettings();
    out << "microphone:        " << s.micInValue << " (" << (s.micInSelect != 0 ? "on" : "muted") << ")\n";
    out << "monitor:           " << s.micMonitorValue << " (" << (s.micMonitorSelect != 0 ? "on" : "muted")
        << ")\n";
    out << "equaliser:         "
        << (s.eqType == kEqTypeCustom ? std::string("custom") : "preset " + std::to_string(s.eqType)) << "\n";
    out << "voice changer:     " << OnOff(s.magicEnable != 0) << "\n";
}
