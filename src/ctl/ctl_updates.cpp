// kvelmctl updates: asks the update service about the attached devices and the program.
#include <chrono>
#include <cstdio>
#include "ctl/ctl.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_interfaces.h"
#include "hid/hid_device.h"
#include "update/program_version.h"
#include "update/service_url.h"
#include "update/update_flow.h"

namespace {
constexpr std::chrono::seconds kUpdatesCommandTimeout{30};
// The supported command interfaces present now, with the version of their HID attributes.
std::vector<AttachedDevice> AttachedDevices() {
    std::vector<AttachedDevice> devices;
    std::vector<ListedInterface> interfaces;
    if (!ListInterfaces(interfaces, nullptr)) return devices;
    for (const ListedInterface& entry : interfaces) {
        CHidDevice probe;
        if (entry.deviceIndex < 0 || !probe.Open(entry.path, true, false, true, false)) continue;
        const HidAttributes& attributes = probe.Attributes();
        devices.push_back({attributes.vendorId, attributes.productId, attributes.versionNumber});
    }
    return devices;
}

const char* StateText(const UpdateItem& item) {
    if (!item.answer.HasInformation()) return "no information";
    return item.state == ItemState::kCurrent ? "current" : "update available";
}

void PrintItems(std::ostream& out, const std::vector<UpdateItem>& items) {
    char line[256];
    std::snprintf(line, sizeof line, "%-28s %-10s %-10s %s\n", "ITEM", "INSTALLED", "OFFERED", "STATE");
    out << line;
    for (const UpdateItem& item : items) {
        const std::string offered = item.offeredText.empty() ? "-" : item.offeredText;
        std::snprintf(line, sizeof line, "%-28s %-10s %-10s %s\n", item.name.c_str(),
                      item.installedText.c_str(), offered.c_str(), StateText(item));
        out << line;
    }
}
}  // namespace

int RunUpdates(const std::vector<std::string>&, CtlContext& context) {
    const UpdateServiceSetting setting = ResolveUpdateServiceUrl(UpdateUrlFromUserIni());
    if (!setting.problem.empty()) return CtlFail(context, kExitFailure, setting.problem);
    if (setting.url.empty()) {
        context.out << kNoServiceText << "\n";
        return kExitOk;
    }
    const std::vector<AttachedDevice> attached = AttachedDevices();
    const auto records = RecordsTakingPart(BuildUpdateRecords(attached, ProgramVersionNumber()));
    CHttpClient client;
    // However the service behaves (silent, trickling), the command ends in time.
    client.SetDeadline(std::chrono::steady_clock::now() + kUpdatesCommandTimeout);
    UpdateFlow flow("");
    std::string unreachable;
    const UpdateQuery ask = ServiceQuery(client, setting.url);
    flow.RunCheck(records, setting.url, [&](const UpdateRecord& record) {
        UpdateAnswer answer;
        if (!unreachable.empty()) {  // asking again would only wait for the same failure
            answer.name = std::string(kNoLinkServer);
            return answer;
        }
        answer = ask(record);
        if (answer.ServiceUnreachable()) unreachable = client.LastErrorText();
        return answer;
    });
    if (!unreachable.empty())
        return CtlFail(context, kExitFailure,
                       "cannot reach the update service at " + setting.url + ": " + unreachable);
    PrintItems(context.out, flow.Items());
    return kExitOk;
}
