#pragma once
// Editing the gun presets one bullet at a time, as the shoot panel does: a current gun and
// a current bullet, both kept within their ranges, and the values the panel shows. The
// panel's widgets call these and show the returned view; the files belong to the store.
#include <string>

#include "macros/shoot_bullet.h"
#include "macros/shoot_store.h"

namespace shoot {

// What the panel shows for one bullet.
struct BulletView {
    int gun = 0;
    int bullet = 0;
    std::string indexText;                   // the bullet number counted from 1 ("bullet_select_index")
    ShootBullet values;                      // directions, distances, delay
    const char* horizontalTextId = nullptr;  // text id of the horizontal direction check
    const char* verticalTextId = nullptr;    // text id of the vertical direction check
    bool readable = true;                    // false when the preset file could not be read (zeros shown)
};

class CShootEditor {
public:
    // No bullet is current (-1) until the first SelectBullet.
    static constexpr int kNoBullet = -1;

    explicit CShootEditor(CShootStore& store) : store_(store) {}

    int CurrentGun() const { return gun_; }
    int CurrentBullet() const { return bullet_; }

    // Makes gun n current, limited to 0 .. kGunCount - 1 (7 gives 3, -2 gives 0); returns it.
    // The bullet stays; the caller shows it.
    int SelectGun(int n);
    // Makes bullet n current, limited to 0 .. kBulletCount - 1, and returns its view.
    BulletView SelectBullet(int n);
    // One bullet back or on; they stop at the ends.
    BulletView PreviousBullet() { return SelectBullet(bullet_ - 1); }
    BulletView NextBullet() { return SelectBullet(bullet_ + 1); }
    // The view of any bullet (nothing is selected).
    BulletView ShowBullet(int gun, int bullet);
    // Saves the values into the current bullet of the current gun; *kept receives what was
    // stored after limiting, for the edits to show. kShootRefused before a bullet is current.
    int SaveBullet(const ShootBullet& values, ShootBullet* kept = nullptr);
    // Resets or imports the current gun, then shows the current bullet again (*view).
    int ResetGun(BulletView* view = nullptr);
    int ImportGun(const std::string& path, BulletView* view = nullptr);
    // Exports the current gun; the view is not refreshed.
    int ExportGun(const std::string& path) { return store_.ExportGun(gun_, path); }

private:
    void ShowCurrent(BulletView* view);

    CShootStore& store_;
    int gun_ = 0;
    int bullet_ = kNoBullet;
};

}  // namespace shoot
