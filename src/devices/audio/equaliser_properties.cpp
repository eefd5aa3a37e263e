#include "devices/audio/equaliser_properties.h"

#include <optional>

namespace {

constexpr int kFailed = 1;
constexpr int kOk = 0;

// Band 1..10 of "EQ_Slider<n>", none for other names.
std::optional<int> SliderBand(const std::string& name) {
    for (int band = 1; band <= kEqBands; ++band)
        if (name == EqSliderName(band)) return band;
    return std::nullopt;
}

}  // namespace

CEqualiserProperties::CEqualiserProperties(std::unique_ptr<IEqualiserSink> sink, std::string stateFile)
    : sink_(std::move(sink)), stateFile_(std::move(stateFile)) {
    if (stateFile_.empty() || !Present()) return;
    state_ = ReadEqualiserState(stateFile_);
    if (state_.enabled) sink_->Apply(Gains(state_));  // a refusal shows at the next write
}

CEqualiserProperties::~CEqualiserProperties() {
    if (sink_ != nullptr) sink_->Close();
}

bool CEqualiserProperties::Present() const {
    return sink_ != nullptr && sink_->Available();
}

bool CEqualiserProperties::Handles(const std::string& name) {
    return name == prop::kEqEnable || SliderBand(name).has_value();
}

int CEqualiserProperties::Read(const std::string& name, std::string* text) const {
    if (!Present() || text == nullptr) return kFailed;
    if (name == prop::kEqEnable) {
        text->assign(1, state_.enabled ? '1' : '0');
        return kOk;
    }
    const std::optional<int> band = SliderBand(name);
    if (!band) return kFailed;
    *text = std::to_string(state_.bands[static_cast<size_t>(*band - 1)]);
    return kOk;
}

int CEqualiserProperties::Write(const std::string& name, int32_t value) {
    if (!Present()) return kFailed;
    EqualiserState next = state_;
    if (name == prop::kEqEnable) {
        next.enabled = value != 0;
    } else if (const std::optional<int> band = SliderBand(name)) {
        next.bands[static_cast<size_t>(*band - 1)] = value;
    } else {
        return kFailed;
    }
    // Nothing audible changes while the equaliser stays off: keep the filter out until
    // it is first switched on.
    const bool audible = next.enabled || state_.enabled;
    if (audible && !sink_->Apply(Gains(next))) return kFailed;
    state_ = next;
    if (!stateFile_.empty()) WriteEqualiserState(stateFile_, state_);
    return kOk;
}

EqualiserGains CEqualiserProperties::Gains(const EqualiserState& state) {
    EqualiserGains gains = FlatGains();
    if (!state.enabled) return gains;
    for (size_t i = 0; i < state.bands.size(); ++i) gains[i] = BandGainDb(state.bands[i]);
    return gains;
}
