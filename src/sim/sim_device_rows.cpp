// The device rows the simulated devices bring: the shipped table knows no ids for the
// keyboard, the pad and the headset, and no wireless mouse. Fields left out come from the shipped row
// of the same kind (a kind-6 mouse from the wired mouse).
#include <cstdio>
#include "sim/sim_command_device.h"
#include "sim/sim_devices.h"

namespace {

std::string Row(const char* name, uint16_t productId, int kind, int pollPeriodically = 0) {
    char text[256];
    std::snprintf(text, sizeof text,
                  R"({"devices": [{"name": "%s", "vendorId": %u, "productId": %u, "kind": %d%s}]})", name,
                  unsigned{kSimVendorId}, unsigned{productId}, kind,
                  pollPeriodically != 0 ? R"(, "pollPeriodically": 1)" : "");
    return text;
}

constexpr int kKindKeyboard = 1;
constexpr int kKindMousePad = 3;
constexpr int kKindWirelessMouse = 6;
constexpr int kPollPowerStatus = 1;

// The headset's command and consumer-control collections sit on its interface 3, not where
// the shipped row (interface 3 without collections) looks for them.
std::string HeadsetRow() {
    char text[512];
    std::snprintf(text, sizeof text,
                  R"({"devices": [{"name": "KV_ELM HS6533 Headset", "vendorId": %u, "productId": %u, )"
                  R"("kind": 7, "interfaces": [)"
                  R"({"interface": 3, "collection": 4, "subKind": 0, "usagePage": 65308, "usage": 146}, )"
                  R"({"interface": 3, "collection": 3, "subKind": 255, "usagePage": 12, "usage": 1}]}]})",
                  unsigned{kSimVendorId}, unsigned{kSimHeadsetProductId});
    return text;
}

}  // namespace

std::string SimulatedDeviceRowsJson(const std::string& name) {
    if (name == "keyboard") return Row("KV_ELM Gaming Keyboard", kSimKeyboardProductId, kKindKeyboard);
    // The pad runs on a battery: its power panel polls the status (battery, charging, phone).
    if (name == "pad") return Row("KV_ELM Mouse Pad", kSimPadProductId, kKindMousePad, kPollPowerStatus);
    if (name == "headset") return HeadsetRow();
    if (name == "mousewl")
        return Row("KV_ELM Wireless Gaming Mouse", kSimWirelessMouseProductId, kKindWirelessMouse);
    return {};
}
