#include "macros/shoot_bullet.h"

#include <algorithm>

#include "devices/mouse/leading_decimal.h"
#include "devices/mouse/mouse_images.h"
#include "macros/shoot_limits.h"
#include "util/json_value.h"

namespace shoot {
namespace {

const char kHorizontalLeftText[] = "mouse_move_to_left_text";
const char kHorizontalRightText[] = "mouse_move_to_right_text";
const char kVerticalUpText[] = "mouse_move_to_up_text";
const char kVerticalDownText[] = "mouse_move_to_down_text";

const Json::Value& Element(const Json::Value& document, int bullet, int element) {
    return JsonAt(JsonMember(document, "Events"), static_cast<unsigned>(bullet * kEventsPerBullet + element));
}

bool IsDownEvent(const mouse::MacroEventRecord& event) {
    return (event.type & mouse::kEventDownBit) != 0;
}

void SetEvent(Json::Value& events, int index, int type, int button, bool down, int delay) {
    Json::Value& event = JsonArrayElement(events, static_cast<unsigned>(index));
    if (!event.isObject()) event = Json::Value(Json::objectValue);
    event["Type"] = type;
    event["Button"] = button;
    event["Action"] = down ? kActionDown : kActionUp;
    event["Delay"] = delay;
}

}  // namespace

ShootBullet ClampBullet(const ShootBullet& bullet) {
    ShootBullet kept = bullet;
    kept.horizontal = std::clamp(bullet.horizontal, kMinDistance, kMaxDistance);
    kept.vertical = std::clamp(bullet.vertical, kMinDistance, kMaxDistance);
    kept.delay = std::clamp(bullet.delay, kMinDelay, kMaxDelay);
    return kept;
}

int EnterDistance(std::string_view text) {
    return std::clamp(mouse::ParseLeadingDecimal(text), kMinDistance, kMaxDistance);
}

int EnterDelay(std::string_view text) {
    return std::clamp(mouse::ParseLeadingDecimal(text), kMinDelay, kMaxDelay);
}

bool IsBulletIndex(int bullet) {
    return bullet >= 0 && bullet < kBulletCount;
}

ShootBullet ReadBullet(const Json::Value& document, int bullet) {
    if (!IsBulletIndex(bullet)) return {};
    const mouse::MacroEventRecord horizontal =
        mouse::EncodeMacroEvent(Element(document, bullet, kHorizontalElement));
    const mouse::MacroEventRecord vertical =
        mouse::EncodeMacroEvent(Element(document, bullet, kVerticalElement));
    ShootBullet values;
    values.left = IsDownEvent(horizontal);
    values.horizontal = horizontal.button;
    values.up = IsDownEvent(vertical);
    values.vertical = vertical.button;
    values.delay = vertical.delay;
    return values;
}

bool WriteBullet(Json::Value& document, int bullet, const ShootBullet& values) {
    if (!IsBulletIndex(bullet) || !(document.isNull() || document.isObject())) return false;
    const Json::Value& existing = JsonMember(document, "Events");
    if (!existing.isNull() && !existing.isArray()) return false;
    const ShootBullet kept = ClampBullet(values);
    Json::Value& events = JsonObjectMember(document, "Events");
    const int first = bullet * kEventsPerBullet;
    SetEvent(events, first + kPressElement, kTypeButton, kLeftButton, true, kPressDelay);
    SetEvent(events, first + kReleaseElement, kTypeButton, kLeftButton, false, 0);
    SetEvent(events, first + kHorizontalElement, kTypeHorizontalMove, kept.horizontal, kept.left,
             kHorizontalMoveDelay);
    SetEvent(events, first + kVerticalElement, kTypeVerticalMove, kept.vertical, kept.up, kept.delay);
    SetEvent(events, first + kHorizontalStopElement, kTypeHorizontalMove, 0, kept.left, 0);
    SetEvent(events, first + kVerticalStopElement, kTypeVerticalMove, 0, kept.up, 0);
    return true;
}

const char* HorizontalTextId(bool left) {
    return left ? kHorizontalLeftText : kHorizontalRightText;
}

const char* VerticalTextId(bool up) {
    return up ? kVerticalUpText : kVerticalDownText;
}

}  // namespace shoot
