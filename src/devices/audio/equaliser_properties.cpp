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

CEqualiserProperties::CEqualiserProperties(std::unique_ptr<IEqualiserSink> sink) : sink_(std::move(sink)) {}

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
        text->assign(1, enabled_ ? '1' : '0');
        return kOk;
    }
    const std::optional<int> band = SliderBand(name);
    if (!band) return kFailed;
    *text = std::to_string(bands_[static_cast<size_t>(*band - 1)]);
    return kOk;
}

int CEqualiserProperties::Write(const std::string& name, int32_t value) {
    if (!Present()) return kFailed;
    bool enabled = enabled_;
    std::array<int, kEqBands> bands = bands_;
    if (name == prop::kEqEnable) {
        enabled = value != 0;
    } else if (const std::optional<int> band = SliderBand(name)) {
        bands[static_cast<size_t>(*band - 1)] = value;
    } else {
        return kFailed;
    }
    // Nothing audible changes while the equaliser stays off: keep the filter out until
    // it is first switched on.
    const bool audible = enabled || enabled_;
    if (audible && !sink_->Apply(Gains(enabled, bands))) return kFailed;
    enabled_ = enabled;
    bands_ = bands;
    return kOk;
}

EqualiserGains CEqualiserProperties::Gains(bool enabled, const std::array<int, kEqBands>& bands) const {
    EqualiserGains gains = FlatGains();
    if (!enabled) return gains;
    for (size_t i = 0; i < bands.size(); ++i) gains[i] = BandGainDb(bands[i]);
    return gains;
}
