#include "devices/audio/simulated_audio_library.h"

#include <cstdio>

#include "devices/audio/audio_properties.h"
#include "devices/audio/property_buffer.h"
#include "util/json_file.h"

namespace {

constexpr int kFailed = 1;
constexpr uint32_t kInactive = 0;
constexpr uint32_t kLineInType = 3;
constexpr int kSecondInts = 3;

// Values of the default configuration: a microphone at 75 %, a monitor at 40 %, both on.
struct InitialValue {
    const char* name;
    const char* text;
};
const InitialValue kMicrophoneValues[] = {
    {prop::kVolumeScalar, "0.75"}, {prop::kVolume, "-7.5"},       {prop::kMute, "0"},
    {prop::kMaxVol, "0"},          {prop::kMinVol, "-30"},        {prop::kVolStep, "0.5"},
    {prop::kMonitorScalar, "0.4"}, {prop::kMonitorVolume, "-18"}, {prop::kMonitorMute, "0"},
    {prop::kMonitorMaxVol, "0"},   {prop::kMonitorMinVol, "-30"}, {prop::kMonitorVolStep, "0.5"},
    {prop::kMagicVoice, "0"},      {prop::kMicEcho, "0"},         {prop::kMagicSelection, "0"},
    {prop::kNoiseCancel, "0"},
};
const InitialValue kOutputValues[] = {
    {prop::kEqEnable, "0"},        {prop::kSurround, "0"}, {prop::kRoomEnable, "0"},
    {prop::kRoomEnvironment, "0"}, {prop::kRoomSize, "0"},
};

std::string FloatText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

}  // namespace

SimulatedAudioLibrary::SimulatedAudioLibrary() {
    outputs_ = {{kSpeakersId, 12, 0, audio::kStateActive},
                {kHeadphonesId, 1, 0, audio::kStateActive},
                {kDigitalId, 7, 0, audio::kStateActive},
                {kLineOutId, 4, 0, kInactive}};
    captures_ = {{kLineInId, kLineInType, 0, audio::kStateActive},
                 {kMicrophoneId, 2, 0, audio::kStateActive}};
    for (const InitialValue& v : kMicrophoneValues) values_[{kMicrophoneId, v.name}] = v.text;
    for (const AudioEndpointId& output : outputs_) {
        for (const InitialValue& v : kOutputValues) values_[{output.id, v.name}] = v.text;
        for (int band = 1; band <= kEqBands; ++band) values_[{output.id, EqSliderName(band)}] = "0";
        values_[{output.id, prop::kSupportFeature}] = kOutputFeatures;
    }
    values_[{kMicrophoneId, prop::kSupportFeature}] = kMicrophoneFeatures;
}

void SimulatedAudioLibrary::SetEndpoints(AudioFlow flow, std::vector<AudioEndpointId> endpoints) {
    std::lock_guard guard(lock_);
    (flow == AudioFlow::kOutput ? outputs_ : captures_) = std::move(endpoints);
}

void SimulatedAudioLibrary::SetFeatureList(uint32_t endpointId, const std::string& list) {
    SetValue(endpointId, prop::kSupportFeature, list);
}

void SimulatedAudioLibrary::SetValue(uint32_t endpointId, const std::string& name, const std::string& text) {
    std::lock_guard guard(lock_);
    values_[{endpointId, name}] = text;
}

std::string SimulatedAudioLibrary::Value(uint32_t endpointId, const std::string& name) const {
    std::lock_guard guard(lock_);
    const auto found = values_.find({endpointId, name});
    return found == values_.end() ? std::string() : found->second;
}

void SimulatedAudioLibrary::FailRead(const std::string& name) {
    std::lock_guard guard(lock_);
    failReads_.insert(name);
}

void SimulatedAudioLibrary::FailWrite(const std::string& name) {
    std::lock_guard guard(lock_);
    failWrites_.insert(name);
}

void SimulatedAudioLibrary::ForgetValues() {
    std::lock_guard guard(lock_);
    values_.clear();
}

void SimulatedAudioLibrary::SetInitResult(int result) {
    std::lock_guard guard(lock_);
    initResult_ = result;
}

std::vector<std::string> SimulatedAudioLibrary::Calls() const {
    std::lock_guard guard(lock_);
    return calls_;
}

void SimulatedAudioLibrary::ClearCalls() {
    std::lock_guard guard(lock_);
    calls_.clear();
}

void SimulatedAudioLibrary::Log(std::string line) {
    calls_.push_back(std::move(line));
}

const std::vector<AudioEndpointId>& SimulatedAudioLibrary::Endpoints(AudioFlow flow) const {
    return flow == AudioFlow::kOutput ? outputs_ : captures_;
}

bool SimulatedAudioLibrary::Known(uint32_t endpointId) const {
    for (const auto* list : {&outputs_, &captures_})
        for (const AudioEndpointId& endpoint : *list)
            if (endpoint.id == endpointId) return true;
    return false;
}

int SimulatedAudioLibrary::ConfLibInit() {
    std::lock_guard guard(lock_);
    Log("ConfLibInit");
    return initResult_;
}

int SimulatedAudioLibrary::CreateDeviceList() {
    std::lock_guard guard(lock_);
    Log("CreateDeviceList");
    return audio::kOk;
}

int SimulatedAudioLibrary::GetDeviceCount(AudioFlow flow, uint32_t* count) {
    std::lock_guard guard(lock_);
    Log("GetDeviceCount " + std::to_string(static_cast<int>(flow)));
    if (count == nullptr) return kFailed;
    *count = static_cast<uint32_t>(Endpoints(flow).size());
    return audio::kOk;
}

int SimulatedAudioLibrary::GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) {
    std::lock_guard guard(lock_);
    Log("GetDeviceById " + std::to_string(static_cast<int>(flow)) + " " + std::to_string(index));
    const std::vector<AudioEndpointId>& list = Endpoints(flow);
    if (endpoint == nullptr || index >= list.size()) return kFailed;
    *endpoint = list[index];
    return audio::kOk;
}

int SimulatedAudioLibrary::PropertyControl(AudioEndpointId endpoint, const std::string& name,
                                           std::span<uint8_t> value, std::span<uint8_t> second,
                                           PropertyDirection direction) {
    std::lock_guard guard(lock_);
    const std::optional<AudioPropertySpec> spec = FindAudioProperty(name);
    std::string line = (direction == PropertyDirection::kRead ? "read " : "write ") +
                       std::to_string(endpoint.id) + " " + name;
    std::string written;
    if (direction == PropertyDirection::kWrite) {
        written = spec && spec->kind == AudioValueKind::kFloat ? FloatText(TakeFloat(value))
                                                               : std::to_string(TakeInt32(value));
        line += " = " + written;
    }
    if (name == prop::kSurround && !second.empty()) {
        line += " second";
        for (int i = 0; i < kSecondInts; ++i)
            line += " " + std::to_string(TakeInt32(second.subspan(static_cast<size_t>(i) * sizeof(int32_t))));
    } else if (!second.empty()) {
        line += " ch " + std::to_string(TakeInt32(second));
    }
    Log(line);
    if (!spec || !Known(endpoint.id)) return kFailed;
    const std::pair<uint32_t, std::string> key{endpoint.id, name};
    if (direction == PropertyDirection::kWrite) {
        if (failWrites_.count(name) != 0 || spec->kind == AudioValueKind::kList) return kFailed;
        values_[key] = written;
        SaveValues();
        return audio::kOk;
    }
    const auto found = values_.find(key);
    if (failReads_.count(name) != 0 || found == values_.end()) return kFailed;
    return PutText(value, found->second) ? audio::kOk : kFailed;
}

namespace {
// The kept values are a handful of short texts; anything larger is not our file.
constexpr long long kKeptValuesMaxBytes = 64 * 1024;
constexpr char kValuesKey[] = "values";
}  // namespace

void SimulatedAudioLibrary::KeepValuesIn(std::string file) {
    std::lock_guard guard(lock_);
    valuesFile_ = std::move(file);
    const Json::Value kept = CJsonFile(kKeptValuesMaxBytes).ReadJsonFile(valuesFile_)[kValuesKey];
    if (!kept.isArray()) return;
    for (const Json::Value& entry : kept) {
        if (!entry.isArray() || entry.size() != 3 || !entry[0].isUInt() || !entry[1].isString() ||
            !entry[2].isString())
            continue;
        const std::pair<uint32_t, std::string> key{entry[0].asUInt(), entry[1].asString()};
        // Only what the endpoints already have: a planted name adds nothing.
        if (values_.count(key) != 0) values_[key] = entry[2].asString();
    }
}

void SimulatedAudioLibrary::SaveValues() const {
    if (valuesFile_.empty()) return;
    Json::Value document(Json::objectValue);
    Json::Value& list = document[kValuesKey] = Json::Value(Json::arrayValue);
    for (const auto& [key, text] : values_) {
        Json::Value entry(Json::arrayValue);
        entry.append(key.first);
        entry.append(key.second);
        entry.append(text);
        list.append(entry);
    }
    CJsonFile().WriteJsonFile(valuesFile_, document);
}
