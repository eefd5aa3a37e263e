#include "macros/shoot_preset.h"

#include <algorithm>

#include "macros/shoot_limits.h"
#include "util/json_parse.h"
#include "util/json_value.h"

namespace shoot {

PresetShape ShapeOf(const Json::Value& document) {
    if (!document.isObject()) return PresetShape::NotAPreset;
    const Json::Value& events = JsonMember(document, "Events");
    if (events.isNull()) return PresetShape::NoEvents;
    if (!events.isArray()) return PresetShape::NotAPreset;
    return events.size() > static_cast<unsigned>(kMaxEvents) ? PresetShape::TooManyEvents
                                                             : PresetShape::Valid;
}

PresetShape ShapeOfText(const std::string& text) {
    // Parsed as the preset files are read everywhere else, so both agree on what is valid.
    Json::Value document;
    if (text.empty() || !ParseJsonDocument(text, &document)) return PresetShape::NotAPreset;
    return ShapeOf(document);
}

std::string DescribeShape(PresetShape shape) {
    switch (shape) {
    case PresetShape::Valid:
        return "a gun preset";
    case PresetShape::NoEvents:
        return "no \"Events\" array";
    case PresetShape::NotAPreset:
        return "not a JSON object with an \"Events\" array";
    case PresetShape::TooManyEvents:
        return "more than " + std::to_string(kMaxEvents) + " events (" + std::to_string(kBulletCount) +
               " bullets of " + std::to_string(kEventsPerBullet) + ")";
    }
    return {};
}

CShootPreset::CShootPreset(Json::Value document) {
    if (document.isObject()) document_ = std::move(document);
}

int CShootPreset::EventCount() const {
    return static_cast<int>(JsonSize(JsonMember(document_, "Events")));
}

int CShootPreset::BulletCount() const {
    return std::min(kBulletCount, (EventCount() + kEventsPerBullet - 1) / kEventsPerBullet);
}

ShootBullet CShootPreset::Bullet(int bullet) const {
    return ReadBullet(document_, bullet);
}

bool CShootPreset::SetBullet(int bullet, const ShootBullet& values, ShootBullet* kept) {
    if (kept != nullptr) *kept = ClampBullet(values);
    return WriteBullet(document_, bullet, values);
}

}  // namespace shoot
