#include "macros/shoot_editor.h"

#include <algorithm>

#include "macros/shoot_limits.h"

namespace shoot {

int CShootEditor::SelectGun(int n) {
    gun_ = std::clamp(n, 0, kGunCount - 1);
    return gun_;
}

BulletView CShootEditor::SelectBullet(int n) {
    bullet_ = std::clamp(n, 0, kBulletCount - 1);
    return ShowBullet(gun_, bullet_);
}

BulletView CShootEditor::ShowBullet(int gun, int bullet) {
    BulletView view;
    view.gun = gun;
    view.bullet = bullet;
    view.indexText = std::to_string(bullet + 1);
    CShootPreset preset;
    view.readable = store_.Load(gun, &preset) == kShootDone;
    view.values = preset.Bullet(bullet);
    view.horizontalTextId = HorizontalTextId(view.values.left);
    view.verticalTextId = VerticalTextId(view.values.up);
    return view;
}

int CShootEditor::SaveBullet(const ShootBullet& values, ShootBullet* kept) {
    if (bullet_ == kNoBullet) return kShootRefused;
    return store_.SaveBullet(gun_, bullet_, values, kept);
}

void CShootEditor::ShowCurrent(BulletView* view) {
    const BulletView shown = SelectBullet(bullet_);
    if (view != nullptr) *view = shown;
}

int CShootEditor::ResetGun(BulletView* view) {
    const int result = store_.ResetGun(gun_);
    ShowCurrent(view);
    return result;
}

int CShootEditor::ImportGun(const std::string& path, BulletView* view) {
    const int result = store_.ImportGun(gun_, path);
    ShowCurrent(view);
    return result;
}

}  // namespace shoot
