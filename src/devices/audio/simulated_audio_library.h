#pragma once
// A simulated audio configuration library: the embedded default behind "--simulate headset"
// and the test bed of the headset's audio side.
//
// It holds endpoints of every type code (output types 12, 1, 7, 4 and capture types 2 and
// 3), a feature list per endpoint, a value for every property of the vocabulary and a log
// of every call. Faults: a property that fails to read, a short feature list, no output
// endpoint, an init failure.
//
// Log lines, one per call:
//   "ConfLibInit"  "CreateDeviceList"  "GetDeviceCount <flow>"  "GetDeviceById <flow> <index>"
//   "read <endpoint id> <name>[ ch <channel>]"
//   "write <endpoint id> <name> = <value>[ ch <channel>]"   (a second buffer of three
//   integers shows as " second <a> <b> <c>")
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "devices/audio/audio_config_library.h"

class SimulatedAudioLibrary : public IAudioConfigLibrary {
public:
    // Endpoint ids of the default configuration.
    static constexpr uint32_t kSpeakersId = 0x101;    // output type 12, active
    static constexpr uint32_t kHeadphonesId = 0x102;  // output type 1, active (preferred)
    static constexpr uint32_t kDigitalId = 0x103;     // output type 7, active
    static constexpr uint32_t kLineOutId = 0x104;     // output type 4, inactive
    static constexpr uint32_t kLineInId = 0x201;      // capture type 3, active
    static constexpr uint32_t kMicrophoneId = 0x202;  // capture type 2, active
    // The default feature lists: seven items, the microphone's item 0 with the voice changer.
    static constexpr char kMicrophoneFeatures[] = "131073,0,0,0,5,0,7";
    static constexpr char kOutputFeatures[] = "1,0,0,0,4,0,6";

    // The default configuration.
    SimulatedAudioLibrary();

    // ---- configuration ----
    void SetEndpoints(AudioFlow flow, std::vector<AudioEndpointId> endpoints);
    void SetFeatureList(uint32_t endpointId, const std::string& list);
    // Sets the stored text of a property of an endpoint.
    void SetValue(uint32_t endpointId, const std::string& name, const std::string& text);
    // The stored text ("" when none).
    std::string Value(uint32_t endpointId, const std::string& name) const;
    // Reads of this property fail (on every endpoint); writes still succeed and store.
    void FailRead(const std::string& name);
    // Writes of this property fail and store nothing.
    void FailWrite(const std::string& name);
    // Removes every stored value: every read fails until written.
    void ForgetValues();
    void SetInitResult(int result);
    // Keeps the stored values in `file` from now on, so the simulated sound system outlives
    // one program as a sound card does: values found there replace those of known endpoints
    // (a file that is not such a JSON object is ignored), and each write a read would see
    // saves them all, atomically.
    void KeepValuesIn(std::string file);

    // ---- log ----
    std::vector<std::string> Calls() const;
    void ClearCalls();

    // ---- the library ----
    int ConfLibInit() override;
    int CreateDeviceList() override;
    int GetDeviceCount(AudioFlow flow, uint32_t* count) override;
    int GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) override;
    int PropertyControl(AudioEndpointId endpoint, const std::string& name, std::span<uint8_t> value,
                        std::span<uint8_t> second, PropertyDirection direction) override;

private:
    const std::vector<AudioEndpointId>& Endpoints(AudioFlow flow) const;
    bool Known(uint32_t endpointId) const;
    void Log(std::string line);
    void SaveValues() const;  // under lock_

    mutable std::mutex lock_;
    std::vector<AudioEndpointId> outputs_;
    std::vector<AudioEndpointId> captures_;
    std::map<std::pair<uint32_t, std::string>, std::string> values_;
    std::set<std::string> failReads_;
    std::set<std::string> failWrites_;
    int initResult_ = 0;
    std::string valuesFile_;  // where the values are kept ("" for nowhere)
    std::vector<std::string> calls_;
};
