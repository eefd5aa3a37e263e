// The device rows the simulated devices bring: the shipped table knows no ids for the
// keyboard and the pad, and no wireless mouse. Fields left out come from the shipped row
// of the same kind (a kind-6 mouse from the wired mouse).
#include <cstdio>
#include "sim/sim_command_device.h"
#include "sim/sim_devices.h"

namespace {

std::string Row(const char* name, uint16_t productId, int kind) {
    char text[256];
    std::snprintf(text, sizeof text,
                  R"({"devices": [{"name": "%s", "vendorId": %u, "productId": %u, "kind": %d}]})", name,
                  unsigned{kSimVendorId}, unsigned{productId}, kind);
    return text;
}

constexpr int kKindKeyboard = 1;
constexpr int kKindMousePad = 3;
constexpr int kKindWirelessMouse = 6;

}  // namespace

std::string SimulatedDeviceRowsJson(const std::string& name) {
    if (name == "keyboard") return Row("KV_ELM Gaming Keyboard", kSimKeyboardProductId, kKindKeyboard);
    if (name == "pad") return Row("KV_ELM Mouse Pad", kSimPadProductId, kKindMousePad);
    if (name == "mousewl")
        return Row("KV_ELM Wireless Gaming Mouse", kSimWirelessMouseProductId, kKindWirelessMouse);
    return {};
}
