#pragma once
// The model of one gun preset: the whole document of its file (members other than "Events"
// survive every edit) and its bullets.
#include <string>

#include <json/json.h>

#include "macros/shoot_bullet.h"

namespace shoot {

// What a document read from a preset file is.
enum class PresetShape {
    Valid,          // an object whose "Events" is an array of at most kMaxEvents elements
    NoEvents,       // an object without "Events" (bullets read as zeros; a save adds them)
    NotAPreset,     // not JSON, not an object, or "Events" is not an array
    TooManyEvents,  // more events than kBulletCount bullets hold
};

// The shape of a parsed document (a null document is NotAPreset).
PresetShape ShapeOf(const Json::Value& document);
// The shape of a file's text, parsed as the JSON file helpers parse it.
PresetShape ShapeOfText(const std::string& text);
// Why a file is no preset, as a phrase for the user ("no \"Events\" array").
std::string DescribeShape(PresetShape shape);

class CShootPreset {
public:
    CShootPreset() = default;
    // Takes a document as read from a file; anything but an object starts an empty one.
    explicit CShootPreset(Json::Value document);

    const Json::Value& Document() const { return document_; }
    // Elements of "Events", and the bullets they reach into (up to kBulletCount).
    int EventCount() const;
    int BulletCount() const;

    // The bullet's values as the device receives them (ReadBullet).
    ShootBullet Bullet(int bullet) const;
    // Stores the values, limited to what the device keeps; *kept (when given) receives the
    // values kept, which a control shows in place of what was typed. False, with nothing
    // changed, for an index outside 0 .. kBulletCount - 1 or an "Events" member that is
    // not an array.
    bool SetBullet(int bullet, const ShootBullet& values, ShootBullet* kept = nullptr);

private:
    Json::Value document_{Json::objectValue};
};

}  // namespace shoot
