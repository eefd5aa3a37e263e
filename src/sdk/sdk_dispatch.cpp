// What the server answers to each packet a client sends.
#include <algorithm>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_connection.h"
#include "sdk/sdk_controller_data.h"
#include "sdk/sdk_packet.h"
#include "sdk/sdk_server.h"
#include "util/debug_log.h"

namespace sdk {

namespace {

std::vector<std::uint8_t> U32Data(std::uint32_t value) {
    ByteWriter out;
    out.U32(value);
    return std::move(out.Bytes());
}

bool IsDevicePacket(std::uint32_t id) {
    return id >= packet::kResizeZone && id <= packet::kSaveMode;
}

}  // namespace

void CSdkServer::Handle(Connection& c, const Packet& p) {
    const std::uint32_t id = p.header.packetId;
    const std::uint32_t index = p.header.deviceIndex;
    if (id == packet::kControllerCount) {
        Reply(c, 0, id, U32Data(static_cast<std::uint32_t>(host_.Controllers().size())));
    } else if (id == packet::kProtocolVersion) {
        // A client that sends no version speaks version 0.
        ByteReader in(p.data);
        const std::uint32_t asked = in.U32();
        c.version = std::min(asked, kServerProtocolVersion);
        Reply(c, 0, id, U32Data(kServerProtocolVersion));
    } else if (id == packet::kClientName) {
        const auto* text = reinterpret_cast<const char*>(p.data.data());
        c.name.assign(text, std::find(text, text + p.data.size(), '\0'));
        DebugPrintf("SDK server: client '%s' connected\n", c.name.c_str());
    } else if (id == packet::kControllerData) {
        const auto controllers = host_.Controllers();
        if (index >= controllers.size()) return;
        // The client names the version of the block it expects; never more than agreed.
        ByteReader in(p.data);
        const std::uint32_t asked = in.U32();
        const std::uint32_t version = in.Ok() ? std::min(asked, kServerProtocolVersion) : c.version;
        Reply(c, index, id, EncodeControllerData(controllers[index], version));
    } else if (IsDevicePacket(id)) {
        auto request = ParseRequest(id, p.data, c.version);
        auto controllers = host_.Controllers();
        if (!request || index >= controllers.size()) {
            DebugPrintf("SDK server: packet %u for device %u ignored\n", id, index);
            return;
        }
        if (request->kind == RequestKind::ResizeZone) {
            DebugPrintf("SDK server: zone %u of '%s' has a fixed size; resize ignored\n", request->zone,
                        controllers[index].name.c_str());
            return;
        }
        Controller& controller = controllers[index];
        if (!ApplyRequest(controller, *request)) {
            DebugPrintf("SDK server: packet %u names what '%s' does not have; ignored\n", id,
                        controller.name.c_str());
            return;
        }
        host_.Write(index, *request, controller);
    } else {
        DebugPrintf("SDK server: unknown packet %u ignored\n", id);
    }
}

}  // namespace sdk
