#include "macros/shoot_store.h"

#include <filesystem>
#include <system_error>

#include "devices/mouse/mouse_event_files.h"
#include "macros/shoot_file_io.h"
#include "macros/shoot_limits.h"
#include "util/json_file.h"

namespace shoot {
namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string GunText(int gun) {
    return "gun preset " + std::to_string(gun);
}

}  // namespace

bool IsGunIndex(int gun) {
    return gun >= 0 && gun < kGunCount;
}

std::string CShootStore::PresetPath(int gun) const {
    return mouse::JoinDataPath(userFolder_, mouse::ShootFileName(gun));
}

std::string CShootStore::DefaultPath(int gun) const {
    return mouse::JoinDataPath(defaultFolder_, mouse::ShootFileName(gun));
}

int CShootStore::Fail(int code, const std::string& text) {
    lastError_ = text;
    return code;
}

int CShootStore::Succeed() {
    lastError_.clear();
    return kShootDone;
}

bool CShootStore::MakeUserFolder() {
    std::error_code ec;
    std::filesystem::create_directories(userFolder_, ec);
    return std::filesystem::is_directory(userFolder_, ec);
}

bool CShootStore::KeepAside(const std::string& path) {
    const std::string aside = MoveAside(path);
    if (aside.empty()) return false;
    keptAside_.push_back(aside);
    return true;
}

int CShootStore::InstallDefault(int gun) {
    std::string bytes;
    if (!ReadFileBytes(DefaultPath(gun), &bytes))
        return Fail(kShootFileError,
                    "the default of " + GunText(gun) + " cannot be read: " + DefaultPath(gun));
    const PresetShape shape = ShapeOfText(bytes);
    if (shape != PresetShape::Valid && shape != PresetShape::NoEvents)
        return Fail(kShootFileError, "the default of " + GunText(gun) + " is no gun preset (" +
                                         DescribeShape(shape) + "): " + DefaultPath(gun));
    if (!MakeUserFolder() || WriteFileAtomic(PresetPath(gun), bytes) != 0)
        return Fail(kShootFileError, "cannot write " + PresetPath(gun));
    return Succeed();
}

int CShootStore::SetUpPreset(int gun) {
    const std::string path = PresetPath(gun);
    if (!Exists(path)) return InstallDefault(gun);
    std::string bytes;
    if (!ReadFileBytes(path, &bytes))
        return Fail(kShootFileError, "cannot read " + path);  // left alone: it may be fine
    if (ShapeOfText(bytes) != PresetShape::NotAPreset) return Succeed();
    if (!bytes.empty() && !KeepAside(path))
        return Fail(kShootFileError, "cannot keep the broken file aside: " + path);
    return InstallDefault(gun);
}

int CShootStore::Init() {
    int result = kShootDone;
    std::string firstError;
    for (int gun = 0; gun < kGunCount; ++gun) {
        if (SetUpPreset(gun) != kShootDone) {
            result = kShootFileError;
            if (firstError.empty()) firstError = lastError_;
        }
    }
    lastError_ = firstError;
    return result;
}

int CShootStore::Load(int gun, CShootPreset* preset) {
    if (!IsGunIndex(gun)) return Fail(kShootRefused, "no gun preset " + std::to_string(gun));
    const Json::Value document = CJsonFile().ReadJsonFile(PresetPath(gun));
    *preset = CShootPreset(document);
    if (ShapeOf(document) == PresetShape::NotAPreset)
        return Fail(kShootFileError, GunText(gun) + " cannot be read: " + PresetPath(gun));
    return Succeed();
}

int CShootStore::SaveBullet(int gun, int bullet, const ShootBullet& values, ShootBullet* kept) {
    if (!IsGunIndex(gun) || !IsBulletIndex(bullet))
        return Fail(kShootRefused,
                    "no bullet " + std::to_string(bullet) + " of gun preset " + std::to_string(gun));
    const std::string path = PresetPath(gun);
    Json::Value document = CJsonFile().ReadJsonFile(path);
    std::string bytes;
    if (ShapeOf(document) == PresetShape::NotAPreset) {
        if (Exists(path) && ReadFileBytes(path, &bytes) && !bytes.empty() && !KeepAside(path))
            return Fail(kShootFileError, "cannot keep the broken file aside: " + path);
        document = Json::Value(Json::objectValue);
    }
    CShootPreset preset(document);
    preset.SetBullet(bullet, values, kept);
    if (!MakeUserFolder() || CJsonFile().WriteJsonFile(path, preset.Document()) != 0)
        return Fail(kShootFileError, "cannot write " + path);
    return Succeed();
}

int CShootStore::ResetGun(int gun) {
    if (!IsGunIndex(gun)) return Fail(kShootRefused, "no gun preset " + std::to_string(gun));
    return InstallDefault(gun);
}

int CShootStore::ImportGun(int gun, const std::string& path) {
    if (!IsGunIndex(gun)) return Fail(kShootRefused, "no gun preset " + std::to_string(gun));
    if (path.empty()) return Fail(kShootRefused, "no file to import");
    std::string bytes;
    if (!ReadFileBytes(path, &bytes)) return Fail(kShootFileError, "cannot read " + path);
    const PresetShape shape = ShapeOfText(bytes);
    if (shape != PresetShape::Valid)
        return Fail(kShootRefused, path + " is no gun preset file (" + DescribeShape(shape) + ")");
    if (!MakeUserFolder() || WriteFileAtomic(PresetPath(gun), bytes) != 0)
        return Fail(kShootFileError, "cannot write " + PresetPath(gun));
    return Succeed();
}

int CShootStore::ExportGun(int gun, const std::string& path) {
    if (!IsGunIndex(gun)) return Fail(kShootRefused, "no gun preset " + std::to_string(gun));
    if (path.empty()) return Fail(kShootRefused, "no file to export to");
    std::string bytes;
    if (!ReadFileBytes(PresetPath(gun), &bytes))
        return Fail(kShootFileError, "cannot read " + PresetPath(gun));
    if (const PresetShape shape = ShapeOfText(bytes); shape == PresetShape::NotAPreset)
        return Fail(kShootRefused, PresetPath(gun) + " is no gun preset file (" + DescribeShape(shape) + ")");
    if (WriteFileAtomic(path, bytes) != 0) return Fail(kShootFileError, "cannot write " + path);
    return Succeed();
}

}  // namespace shoot
