// The equaliser on the PipeWire sound server. Everything that touches the server runs on
// the thread loop or under its lock; the window thread only waits for the loop while
// opening (at most pweq::kOpenTimeoutMs) and while handing over gains.
#include "devices/audio/pipewire_equaliser.h"

#include <pipewire/impl-module.h>
#include <pipewire/pipewire.h>
#include <spa/param/props.h>
#include <spa/pod/builder.h>

#include <atomic>
#include <list>
#include <mutex>

#include "devices/audio/equaliser_plan.h"

namespace {

constexpr int64_t kNanosPerMs = 1000000;
constexpr char kLoopName[] = "kvelm-equaliser";
constexpr char kClientConfig[] = "client.conf";
constexpr size_t kParamBufferSize = 2048;

void InitPipeWire() {
    static std::once_flag once;
    std::call_once(once, [] { pw_init(nullptr, nullptr); });
}

void TakeProps(const spa_dict* dict, std::map<std::string, std::string>& props) {
    if (dict == nullptr) return;
    const spa_dict_item* item = nullptr;
    spa_dict_for_each(item, dict) {
        if (item->key != nullptr && item->value != nullptr) props[item->key] = item->value;
    }
}

class PipeWireEqualiser final : public IEqualiserSink {
public:
    PipeWireEqualiser() = default;
    ~PipeWireEqualiser() override;
    PipeWireEqualiser(const PipeWireEqualiser&) = delete;
    PipeWireEqualiser& operator=(const PipeWireEqualiser&) = delete;

    // Connects and chooses the sink; false when either fails.
    bool Open(const SinkChooser& choose);

    bool Available() const override { return !broken_ && !target_.empty(); }
    bool Apply(const EqualiserGains& gains) override;
    void Close() override;

private:
    // A device whose full properties (USB ids) are asked for while opening.
    struct BoundDevice {
        PipeWireEqualiser* owner = nullptr;
        uint32_t id = 0;
        pw_proxy* proxy = nullptr;
        spa_hook listener{};
    };

    static void OnDone(void* data, uint32_t id, int seq);
    static void OnError(void* data, uint32_t id, int seq, int res, const char* message);
    static void OnGlobal(void* data, uint32_t id, uint32_t permissions, const char* type, uint32_t version,
                         const spa_dict* props);
    static void OnGlobalRemove(void* data, uint32_t id);
    static void OnDeviceInfo(void* data, const pw_device_info* info);

    bool Connect();
    bool Roundtrip(timespec* deadline);
    void BindDevice(uint32_t id);
    void ReleaseDevices();
    void BindEqualiserNode(uint32_t id);
    void SendGains(const EqualiserGains& before, const EqualiserGains& after);
    void Unload();

    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    pw_registry* registry_ = nullptr;
    spa_hook coreListener_{};
    spa_hook registryListener_{};
    pw_core_events coreEvents_{};
    pw_registry_events registryEvents_{};
    pw_device_events deviceEvents_{};

    std::vector<SoundServerObject> objects_;
    std::list<BoundDevice> devices_;
    bool opening_ = true;
    int doneSeq_ = -1;
    std::atomic<bool> broken_ = false;

    std::string target_;
    uint32_t targetId_ = PW_ID_ANY;
    pw_impl_module* module_ = nullptr;
    pw_proxy* node_ = nullptr;
    uint32_t nodeId_ = PW_ID_ANY;
    EqualiserGains loaded_{};
    EqualiserGains applied_{};
};

PipeWireEqualiser::~PipeWireEqualiser() {
    if (loop_ != nullptr) {
        pw_thread_loop_lock(loop_);
        Unload();
        ReleaseDevices();
        if (registry_ != nullptr) {
            spa_hook_remove(&registryListener_);
            pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry_));
        }
        if (core_ != nullptr) {
            spa_hook_remove(&coreListener_);
            pw_core_disconnect(core_);
        }
        pw_thread_loop_unlock(loop_);
        pw_thread_loop_stop(loop_);
    }
    if (context_ != nullptr) pw_context_destroy(context_);
    if (loop_ != nullptr) pw_thread_loop_destroy(loop_);
}

bool PipeWireEqualiser::Open(const SinkChooser& choose) {
    InitPipeWire();
    loop_ = pw_thread_loop_new(kLoopName, nullptr);
    if (loop_ == nullptr) return false;
    context_ = pw_context_new(pw_thread_loop_get_loop(loop_),
                              pw_properties_new(PW_KEY_CONFIG_NAME, kClientConfig, nullptr), 0);
    if (context_ == nullptr || pw_thread_loop_start(loop_) != 0) return false;
    pw_thread_loop_lock(loop_);
    bool found = Connect();
    opening_ = false;
    ReleaseDevices();
    if (found) {
        const std::optional<std::string> chosen = choose(objects_);
        found = chosen.has_value();
        if (found) target_ = *chosen;
        for (const SoundServerObject& object : objects_)
            if (found && object.props.count(soundserver::kNodeName) &&
                object.props.at(soundserver::kNodeName) == target_)
                targetId_ = object.id;
    }
    pw_thread_loop_unlock(loop_);
    return found;
}

// Under the lock: the connection, the registry and the full properties of every device.
bool PipeWireEqualiser::Connect() {
    timespec deadline{};
    pw_thread_loop_get_time(loop_, &deadline, pweq::kOpenTimeoutMs * kNanosPerMs);
    core_ = pw_context_connect(context_, nullptr, 0);
    if (core_ == nullptr) return false;  // no server running
    coreEvents_.version = PW_VERSION_CORE_EVENTS;
    coreEvents_.done = OnDone;
    coreEvents_.error = OnError;
    pw_core_add_listener(core_, &coreListener_, &coreEvents_, this);
    registryEvents_.version = PW_VERSION_REGISTRY_EVENTS;
    registryEvents_.global = OnGlobal;
    registryEvents_.global_remove = OnGlobalRemove;
    deviceEvents_.version = PW_VERSION_DEVICE_EVENTS;
    deviceEvents_.info = OnDeviceInfo;
    registry_ = pw_core_get_registry(core_, PW_VERSION_REGISTRY, 0);
    pw_registry_add_listener(registry_, &registryListener_, &registryEvents_, this);
    // The first round brings the objects (and binds the devices), the second their details.
    return Roundtrip(&deadline) && Roundtrip(&deadline);
}

bool PipeWireEqualiser::Roundtrip(timespec* deadline) {
    const int seq = pw_core_sync(core_, PW_ID_CORE, 0);
    while (doneSeq_ != seq && !broken_) {
        if (pw_thread_loop_timed_wait_full(loop_, deadline) != 0) return false;
    }
    return !broken_;
}

void PipeWireEqualiser::OnDone(void* data, uint32_t id, int seq) {
    auto* self = static_cast<PipeWireEqualiser*>(data);
    if (id != PW_ID_CORE) return;
    self->doneSeq_ = seq;
    pw_thread_loop_signal(self->loop_, false);
}

void PipeWireEqualiser::OnError(void* data, uint32_t id, int, int res, const char*) {
    auto* self = static_cast<PipeWireEqualiser*>(data);
    if (id != PW_ID_CORE || res != -EPIPE) return;
    self->broken_ = true;  // the server went away
    pw_thread_loop_signal(self->loop_, false);
}

void PipeWireEqualiser::OnGlobal(void* data, uint32_t id, uint32_t, const char* type, uint32_t,
                                 const spa_dict* props) {
    auto* self = static_cast<PipeWireEqualiser*>(data);
    SoundServerObject object{id, type != nullptr ? type : "", {}};
    TakeProps(props, object.props);
    const auto name = object.props.find(soundserver::kNodeName);
    if (object.type == soundserver::kNodeType && name != object.props.end() &&
        name->second == eqplan::kSinkNodeName && self->module_ != nullptr && self->node_ == nullptr)
        self->BindEqualiserNode(id);
    if (!self->opening_) return;
    const bool isDevice = object.type == soundserver::kDeviceType;
    self->objects_.push_back(std::move(object));
    if (isDevice) self->BindDevice(id);
}

void PipeWireEqualiser::OnGlobalRemove(void* data, uint32_t id) {
    auto* self = static_cast<PipeWireEqualiser*>(data);
    if (id == self->targetId_) self->broken_ = true;  // the headset's output is gone
    if (id == self->nodeId_ && self->node_ != nullptr) {
        pw_proxy_destroy(self->node_);
        self->node_ = nullptr;
        self->nodeId_ = PW_ID_ANY;
    }
}

void PipeWireEqualiser::BindDevice(uint32_t id) {
    auto* proxy = static_cast<pw_proxy*>(
        pw_registry_bind(registry_, id, PW_TYPE_INTERFACE_Device, PW_VERSION_DEVICE, 0));
    if (proxy == nullptr) return;
    BoundDevice& device = devices_.emplace_back();
    device.owner = this;
    device.id = id;
    device.proxy = proxy;
    pw_device_add_listener(reinterpret_cast<pw_device*>(proxy), &device.listener, &deviceEvents_, &device);
}

void PipeWireEqualiser::OnDeviceInfo(void* data, const pw_device_info* info) {
    auto* device = static_cast<BoundDevice*>(data);
    for (SoundServerObject& object : device->owner->objects_)
        if (object.id == device->id && info != nullptr) TakeProps(info->props, object.props);
}

void PipeWireEqualiser::ReleaseDevices() {
    for (BoundDevice& device : devices_) {
        spa_hook_remove(&device.listener);
        pw_proxy_destroy(device.proxy);
    }
    devices_.clear();
}

void PipeWireEqualiser::BindEqualiserNode(uint32_t id) {
    node_ =
        static_cast<pw_proxy*>(pw_registry_bind(registry_, id, PW_TYPE_INTERFACE_Node, PW_VERSION_NODE, 0));
    if (node_ == nullptr) return;
    nodeId_ = id;
    // Gains set while the filter was still starting up.
    SendGains(loaded_, applied_);
}

void PipeWireEqualiser::SendGains(const EqualiserGains& before, const EqualiserGains& after) {
    const std::vector<EqualiserControl> updates = GainUpdates(before, after);
    if (updates.empty() || node_ == nullptr) return;
    uint8_t buffer[kParamBufferSize];
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, buffer, sizeof buffer);
    spa_pod_frame object{}, params{};
    spa_pod_builder_push_object(&builder, &object, SPA_TYPE_OBJECT_Props, SPA_PARAM_Props);
    spa_pod_builder_prop(&builder, SPA_PROP_params, 0);
    spa_pod_builder_push_struct(&builder, &params);
    for (const EqualiserControl& control : updates) {
        spa_pod_builder_string(&builder, control.name.c_str());
        spa_pod_builder_float(&builder, control.value);
    }
    spa_pod_builder_pop(&builder, &params);
    const auto* param = static_cast<const spa_pod*>(spa_pod_builder_pop(&builder, &object));
    if (param != nullptr) pw_node_set_param(reinterpret_cast<pw_node*>(node_), SPA_PARAM_Props, 0, param);
}

bool PipeWireEqualiser::Apply(const EqualiserGains& gains) {
    pw_thread_loop_lock(loop_);
    bool ok = Available();
    if (ok && module_ == nullptr) {
        const std::string arguments = FilterChainArguments(target_, gains);
        module_ = pw_context_load_module(context_, eqplan::kModuleName, arguments.c_str(), nullptr);
        ok = module_ != nullptr;
        if (ok) loaded_ = gains;
    } else if (ok) {
        SendGains(applied_, gains);
    }
    if (ok) applied_ = gains;
    pw_thread_loop_unlock(loop_);
    return ok;
}

void PipeWireEqualiser::Close() {
    pw_thread_loop_lock(loop_);
    Unload();
    pw_thread_loop_unlock(loop_);
}

void PipeWireEqualiser::Unload() {
    if (node_ != nullptr) pw_proxy_destroy(node_);
    node_ = nullptr;
    nodeId_ = PW_ID_ANY;
    if (module_ != nullptr) pw_impl_module_destroy(module_);
    module_ = nullptr;
}

}  // namespace

std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiser(uint16_t vendorId, uint16_t productId) {
    return OpenPipeWireEqualiserOn([vendorId, productId](const std::vector<SoundServerObject>& objects) {
        return FindUsbSinkNode(objects, vendorId, productId);
    });
}

std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiserOn(const SinkChooser& choose) {
    auto equaliser = std::make_unique<PipeWireEqualiser>();
    if (!equaliser->Open(choose)) return nullptr;
    return equaliser;
}

bool PipeWireEqualiserBuilt() {
    return true;
}
