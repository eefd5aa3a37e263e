// kvelmctl gun: the four gun presets of a mouse kind, through the same files and the same
// device write as the window's shoot panel.
#include <iomanip>

#include "ctl/ctl.h"
#include "ctl/ctl_mouse.h"
#include "ctl/ctl_numbers.h"
#include "macros/shoot_device.h"
#include "macros/shoot_limits.h"

namespace {

constexpr const char* kGunUsage =
    "usage: kvelmctl gun PATH|INDEX list|show N|import N FILE|export N FILE|send";

struct GunAction {
    std::string_view name;
    size_t arguments;  // after the action's name: N, FILE
};
constexpr GunAction kActions[] = {{"list", 0}, {"show", 1}, {"import", 2}, {"export", 2}, {"send", 0}};

bool KnownAction(const std::vector<std::string>& args) {
    for (const GunAction& action : kActions)
        if (args[1] == action.name) return args.size() == 2 + action.arguments;
    return false;
}

std::string Direction(bool negative, const char* whenTrue, const char* whenFalse) {
    return negative ? whenTrue : whenFalse;
}

void ReportKeptAside(CtlContext& context, const shoot::CShootStore& store) {
    for (const std::string& aside : store.KeptAside())
        context.err << "kvelmctl: a preset file was broken; it is kept as " << aside
                    << " and its default is used\n";
}

int PrintList(CtlContext& context, shoot::CShootStore& store) {
    for (int gun = 0; gun < shoot::kGunCount; ++gun) {
        shoot::CShootPreset preset;
        const bool readable = store.Load(gun, &preset) == shoot::kShootDone;
        context.out << "gun " << gun + 1 << ": ";
        if (readable)
            context.out << preset.BulletCount() << " bullets";
        else
            context.out << "unreadable";
        context.out << "  " << store.PresetPath(gun) << "\n";
    }
    return kExitOk;
}

int PrintPreset(CtlContext& context, shoot::CShootStore& store, int gun) {
    shoot::CShootPreset preset;
    if (store.Load(gun, &preset) != shoot::kShootDone)
        return CtlFail(context, kExitFailure, store.LastError());
    context.out << "gun " << gun + 1 << ": " << store.PresetPath(gun) << "\n";
    context.out << "bullet  horizontal  vertical  delay\n";
    for (int bullet = 0; bullet < preset.BulletCount(); ++bullet) {
        const shoot::ShootBullet b = preset.Bullet(bullet);
        context.out << std::setw(6) << bullet + 1 << "  " << std::left << std::setw(10)
                    << (Direction(b.left, "left ", "right ") + std::to_string(b.horizontal)) << "  "
                    << std::setw(8) << (Direction(b.up, "up ", "down ") + std::to_string(b.vertical))
                    << std::right << "  " << std::setw(5) << b.delay << "\n";
    }
    return kExitOk;
}

int Send(const std::string& argument, CtlContext& context, shoot::CShootStore& store) {
    CVornakelMouseDevice device;
    std::string path;
    if (const int code = OpenNamedMouse(argument, device, &path, context); code != kExitOk) return code;
    shoot::UseDeviceFolders(store, device);
    const int result = shoot::SendPresets(device, store);
    ReportKeptAside(context, store);
    if (result != 0) return CtlFail(context, kExitFailure, "writing the gun presets failed: " + path);
    context.out << "sent gun presets 1-" << shoot::kGunCount << " to " << path << "\n";
    return kExitOk;
}

}  // namespace

int RunGun(const std::vector<std::string>& args, CtlContext& context) {
    // Every argument is checked before any file is touched.
    if (args.size() < 2 || !KnownAction(args)) return CtlFail(context, kExitUsage, kGunUsage);
    const std::string& action = args[1];
    // Presets are numbered 1-4 as the window and the assignments ("gun:1") number them; the
    // files keep their own numbering from 0.
    uint32_t number = 0;
    if (args.size() > 2 && (!ParseNumber(args[2], shoot::kGunCount, number) || number < 1))
        return CtlFail(context, kExitUsage,
                       "no gun preset '" + args[2] + "' (1 to " + std::to_string(shoot::kGunCount) + ")");
    const uint32_t gun = number > 0 ? number - 1 : 0;
    if (args.size() > 3 && args[3].empty()) return CtlFail(context, kExitUsage, kGunUsage);

    shoot::CShootStore store;
    if (action == "send") return Send(args[0], context, store);

    CVornakelMouseDevice device;
    if (const int code = ConfigureNamedMouse(args[0], device, nullptr, context); code != kExitOk) return code;
    shoot::UseDeviceFolders(store, device);
    if (action == "import") {
        // The file is checked before the presets are set up, so a bad one changes nothing.
        if (const int result = store.ImportGun(static_cast<int>(gun), args[3]); result != shoot::kShootDone)
            return CtlFail(context, kExitFailure, store.LastError());
        context.out << "imported " << args[3] << " into gun " << number << "\n";
        return kExitOk;
    }
    const int setUp = store.Init();
    ReportKeptAside(context, store);
    if (setUp != shoot::kShootDone) context.err << "kvelmctl: " << store.LastError() << "\n";
    if (action == "list") return PrintList(context, store);
    if (action == "show") return PrintPreset(context, store, static_cast<int>(gun));
    if (store.ExportGun(static_cast<int>(gun), args[3]) != shoot::kShootDone)
        return CtlFail(context, kExitFailure, store.LastError());
    context.out << "exported gun " << number << " to " << args[3] << "\n";
    return kExitOk;
}
