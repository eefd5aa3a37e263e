#pragma once
// The four gun preset files of a mouse kind. They live in the kind's user folder, so every
// profile of the kind shares them:
//   <user folder>ShootData_<n>.Shoot      n = 0 .. 3, the presets
//   <default folder>ShootData_<n>.Shoot   the shipped defaults (read only)
// File contents are copied byte for byte (reset, import, export) or rewritten whole as
// styled JSON (a saved bullet); every write is atomic, so a failed one leaves the old file.
// Nothing throws. One thread uses a store.
#include <string>
#include <vector>

#include "macros/shoot_bullet.h"
#include "macros/shoot_preset.h"

namespace shoot {

// Results of the store's operations.
inline constexpr int kShootDone = 1;
inline constexpr int kShootRefused =
    0;  // a bad gun or bullet number, an empty path, a file that is no preset
inline constexpr int kShootFileError = -1;  // a file could not be read or written

// True for a gun number 0 .. kGunCount - 1.
bool IsGunIndex(int gun);

class CShootStore {
public:
    // Folders end in '/' or not; the user folder is created by Init when missing.
    void SetUserFolder(const std::string& folder) { userFolder_ = folder; }
    void SetDefaultFolder(const std::string& folder) { defaultFolder_ = folder; }
    const std::string& UserFolder() const { return userFolder_; }
    std::string PresetPath(int gun) const;
    std::string DefaultPath(int gun) const;

    // Makes every preset file readable. A missing or empty file becomes a copy of its
    // default. A file that is not a preset (not JSON, no object, "Events" not an array) is
    // first kept aside under a name no file has yet (PresetPath + ".bad", ".bad.1", ...);
    // it is never overwritten. kShootDone, or kShootFileError when a file could not be set
    // up (LastError; the other presets are still set up).
    int Init();
    // Files kept aside by this store, oldest first.
    const std::vector<std::string>& KeptAside() const { return keptAside_; }

    // Reads preset `gun`. kShootDone; kShootRefused for a bad gun number; kShootFileError
    // when the file is missing or no preset (*preset is then empty: zeros everywhere).
    int Load(int gun, CShootPreset* preset);
    // Stores the bullet's values (limited to what the device keeps) in preset `gun` and
    // writes the file; *kept (when given) receives the values kept. A file that is no
    // preset is kept aside first and a new document is started. kShootDone, kShootRefused
    // for a bad gun or bullet number (nothing written), or kShootFileError.
    int SaveBullet(int gun, int bullet, const ShootBullet& values, ShootBullet* kept = nullptr);
    // Replaces preset `gun` by a copy of its default. When the default cannot be read, or
    // is no preset, the preset stays as it is and the result is kShootFileError.
    int ResetGun(int gun);
    // Replaces preset `gun` by a copy of the file at `path`, which must be a preset with an
    // "Events" array of at most kMaxEvents elements; otherwise nothing changes
    // (kShootRefused, or kShootFileError when it cannot be read).
    int ImportGun(int gun, const std::string& path);
    // Copies preset `gun` to `path` (replacing a file there). kShootRefused for an empty
    // path or a preset file that is no preset; kShootFileError when reading or writing fails.
    int ExportGun(int gun, const std::string& path);

    // Why the last operation failed or was refused; empty after a success.
    const std::string& LastError() const { return lastError_; }

private:
    int SetUpPreset(int gun);
    int InstallDefault(int gun);
    bool KeepAside(const std::string& path);
    bool MakeUserFolder();
    int Fail(int code, const std::string& text);
    int Succeed();

    std::string userFolder_;
    std::string defaultFolder_;
    std::vector<std::string> keptAside_;
    std::string lastError_;
};

}  // namespace shoot
