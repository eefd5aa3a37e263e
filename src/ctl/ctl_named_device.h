#pragma once
// The device a kvelmctl argument names, of whatever kind the device table says it is, as a
// device object configured the way the windowed program configures it. Commands ask for
// the kinds they serve; another kind is a mistake on the command line (exit 2) and the
// message names the kind the device is.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ctl/ctl_commands.h"
#include "devices/usb_device.h"

class CVornakelMouseDevice;
class CVornakelKeyboardDevice;
class CVornakelHS6533Device;
class CProfileList;

struct NamedDevice {
    std::unique_ptr<CVornakelUSBDevice> device;
    CVornakelMouseDevice* mouse = nullptr;
    CVornakelKeyboardDevice* keyboard = nullptr;
    CVornakelHS6533Device* headset = nullptr;
    int kind = 0;         // DeviceKind of the table row
    int profileKind = 0;  // the kind of its profile list (a wireless mouse keeps a mouse's)
    std::string path;
    uint16_t vendorId = 0, productId = 0;
};

// What kvelmctl calls a kind in its messages and in "--kind": "mouse", "keyboard", "pad",
// "headset"; "device of kind N" for the others.
std::string KindWord(int kind);
bool IsMouseKind(int kind);

// Resolves `argument` and configures the device object of its kind, without opening it.
// A device of a kind kvelmctl has no object for is refused with exit 2.
int ConfigureNamed(const std::string& argument, NamedDevice& named, CtlContext& context);
// The same, then opens the command channel.
int OpenNamed(const std::string& argument, NamedDevice& named, CtlContext& context);

// "kvelmctl: COMMAND does not apply to a KIND (PATH)", exit 2.
int RefuseKind(CtlContext& context, std::string_view command, const NamedDevice& named);

// Checks "--kind WORD" among `args` (removed from them) against the device's kind: exit 2
// when it names another kind or no kind at all, kExitOk otherwise.
int CheckKindOption(std::vector<std::string>& args, const NamedDevice& named, CtlContext& context);

// The first read the program makes before it writes: a mouse's sensor and key block, a
// keyboard's key matrix. The lighting devices need none.
int ReadBeforeWrite(NamedDevice& named);

// The device's profile list, created on first use as the program creates it.
void PointProfileList(CProfileList& list, const NamedDevice& named);

// The selected profile loaded into the open device as a profile switch loads it (after the
// first read the program makes); its name into *name. kExitOk or the exit code after the
// error line.
int LoadSelectedProfile(NamedDevice& named, std::string* name, CtlContext& context);
