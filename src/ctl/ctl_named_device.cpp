#include "ctl/ctl_named_device.h"

#include <algorithm>

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_interfaces.h"
#include "ctl/ctl_mouse.h"
#include "devices/discovery/device_table_store.h"
#include "devices/hs6533_device.h"
#include "devices/keyboard_device.h"
#include "devices/mouse_device.h"
#include "devices/mousepad_device.h"
#include "devices/program_paths.h"
#include "hid/protocol/supported_devices.h"
#include "profiles/profile_list.h"

namespace {

constexpr std::string_view kKindOption = "--kind";

struct KindName {
    int kind;
    const char* word;
};
constexpr KindName kKindNames[] = {
    {DeviceKind::kMouse, "mouse"},           {DeviceKind::kMouseVariant, "mouse"},
    {DeviceKind::kKeyboard, "keyboard"},     {DeviceKind::kMousePad, "pad"},
    {DeviceKind::kHeadsetHs6533, "headset"},
};

std::unique_ptr<CVornakelUSBDevice> MakeDevice(NamedDevice& named) {
    switch (named.kind) {
    case DeviceKind::kKeyboard: {
        auto keyboard = std::make_unique<CVornakelKeyboardDevice>();
        named.keyboard = keyboard.get();
        return keyboard;
    }
    case DeviceKind::kMousePad:
        return std::make_unique<CVornakelMousePadDevice>();
    default: {
        auto headset = std::make_unique<CVornakelHS6533Device>();
        named.headset = headset.get();
        return headset;
    }
    }
}

// A keyboard, mouse pad or headset from its row of the device table.
int ConfigureFromRow(const ListedInterface& listed, NamedDevice& named) {
    const CDeviceTable table = ActiveDeviceTable();
    const DeviceRow& row = table.Rows()[static_cast<size_t>(listed.deviceRow)];
    named.device = MakeDevice(named);
    named.profileKind = named.kind;
    HidDeviceInfo info = ToHidDeviceInfo(table.Interfaces()[static_cast<size_t>(listed.supportedRow)]);
    info.attached = 1;
    info.devicePath = listed.path;
    CVornakelUSBDevice& device = *named.device;
    device.SetKeyControlCount(row.keyCount);
    device.SetLedCount(row.ledCount);
    device.SetFolderTag(row.folder);
    device.SetHidInfo(info);
    device.SetUserValue(row.typeCode);
    device.SetConfigName(row.lightName);
    return kExitOk;
}

}  // namespace

std::string KindWord(int kind) {
    for (const KindName& name : kKindNames)
        if (name.kind == kind) return name.word;
    return "device of kind " + std::to_string(kind);
}

bool IsMouseKind(int kind) {
    return kind == DeviceKind::kMouse || kind == DeviceKind::kMouseVariant;
}

int ConfigureNamed(const std::string& argument, NamedDevice& named, CtlContext& context) {
    ListedInterface listed;
    std::string error;
    if (!ResolveDevice(argument, listed, &error)) return CtlFail(context, kExitFailure, error);
    named.kind = listed.deviceKind;
    named.path = listed.path;
    named.vendorId = listed.vendorId;
    named.productId = listed.productId;
    if (listed.supportedRow < 0 || listed.deviceSubKind == kSubKindSecondary || listed.deviceRow < 0)
        return CtlFail(
            context, kExitUsage,
            listed.path + ": not the command interface of a supported device (see 'kvelmctl list')");
    if (IsMouseKind(named.kind)) {
        auto mouse = std::make_unique<CVornakelMouseDevice>();
        named.mouse = mouse.get();
        named.device = std::move(mouse);
        named.profileKind = DeviceKind::kMouse;
        return ConfigureNamedMouse(argument, *named.mouse, nullptr, context);
    }
    const bool known = std::any_of(std::begin(kKindNames), std::end(kKindNames),
                                   [&](const KindName& name) { return name.kind == named.kind; });
    if (!known)
        return CtlFail(context, kExitUsage,
                       listed.path + ": kvelmctl has no commands for a " + KindWord(named.kind));
    return ConfigureFromRow(listed, named);
}

int OpenNamed(const std::string& argument, NamedDevice& named, CtlContext& context) {
    if (const int code = ConfigureNamed(argument, named, context); code != kExitOk) return code;
    if (!named.device->OpenCommandChannel(named.path))
        return CtlFail(context, kExitFailure,
                       named.path + ": " + DescribeOpenFailure(named.path, true, true));
    return kExitOk;
}

int RefuseKind(CtlContext& context, std::string_view command, const NamedDevice& named) {
    return CtlFail(
        context, kExitUsage,
        std::string(command) + " does not apply to a " + KindWord(named.kind) + " (" + named.path + ")");
}

int CheckKindOption(std::vector<std::string>& args, const NamedDevice& named, CtlContext& context) {
    const auto option = std::find(args.begin(), args.end(), kKindOption);
    if (option == args.end()) return kExitOk;
    const std::string given = option + 1 != args.end() ? *(option + 1) : std::string();
    args.erase(option, option + 1 != args.end() ? option + 2 : option + 1);
    if (given == KindWord(named.kind)) return kExitOk;
    return CtlFail(context, kExitUsage,
                   named.path + " is a " + KindWord(named.kind) + ", not a " +
                       (given.empty() ? std::string("(missing kind)") : given));
}

int ReadBeforeWrite(NamedDevice& named) {
    if (named.mouse) return named.mouse->ReadInitialState();
    if (named.keyboard) return named.keyboard->ReadDeviceState();
    return kResultOk;
}

void PointProfileList(CProfileList& list, const NamedDevice& named) {
    list.SetDeviceKind(named.profileKind);
    list.SetDeviceFolder(DeviceProgramFolder(), named.device->FolderTag());
}

// The selected profile loaded as a profile switch loads it; its name into *name.
int LoadSelectedProfile(NamedDevice& named, std::string* name, CtlContext& context) {
    CProfileList list;
    PointProfileList(list, named);
    if (const int code = InitProfileList(list, context); code != kExitOk) return code;
    const int index = list.SelectedIndex();
    if (index < 0 || index >= list.Count())
        return CtlFail(context, kExitFailure, "no profile selected in " + list.UserFolder());
    const ProfileEntry entry = list.Entries()[static_cast<size_t>(index)];
    if (const int result = ReadBeforeWrite(named); result != kResultOk)
        return FailCommand(context, "reading the device (not answering)", result, named.path);
    named.device->SetProfileName(entry.id);
    if (named.device->LoadProfile() != 1)
        return CtlFail(context, kExitFailure, "profile '" + entry.name + "' cannot be loaded");
    *name = entry.name;
    return kExitOk;
}
