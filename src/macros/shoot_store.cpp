#include "macros/shoot_store.h"

#include <filesystem>
#include <system_error>

#include "devices/mouse/mouse_event_files.h"
#include "macros/shoot_limits.h"
#include "util/file_aside.h"
#include "util/json_file.h"
#include "util/regular_file.h"

namespace shoot {
namespace {

// Anything at all under the name, a dangling link included.
bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

FileRead ReadPresetBytes(const std::string& path, std::string* bytes) {
    return ReadRegularFile(path, kMaxPresetFileBytes, bytes);
}

std::string CannotRead(const std::string& path, FileRead result) {
    const std::string why = DescribeFileRead(result, path, kMaxPresetFileBytes);
    return why.empty() ? "cannot read " + path : why;
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
    const std::string aside = KeepFileAside(path);
    if (aside.empty()) return false;
    keptAside_.push_back(aside);
    return true;
}

int CShootStore::InstallDefault(int gun) {
    std::string bytes;
    if (ReadPresetBytes(DefaultPath(gun), &bytes) != FileRead::Read)
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
    const FileRead read = ReadPresetBytes(path, &bytes);
    // A file that cannot be opened is left alone: it may be fine. A directory, a pipe, a
    // dangling link or a file far too large is no preset and is kept aside like bad text.
    if (read == FileRead::Failed) return Fail(kShootFileError, CannotRead(path, read));
    if (read == FileRead::Read && ShapeOfText(bytes) != PresetShape::NotAPreset) return Succeed();
    if ((read != FileRead::Read || !bytes.empty()) && !KeepAside(path))
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
    const Json::Value document = CJsonFile(kMaxPresetFileBytes).ReadJsonFile(PresetPath(gun));
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
    Json::Value document = CJsonFile(kMaxPresetFileBytes).ReadJsonFile(path);
    std::string bytes;
    if (ShapeOf(document) == PresetShape::NotAPreset) {
        const FileRead read = ReadPresetBytes(path, &bytes);
        const bool worthKeeping = read == FileRead::Read ? !bytes.empty() : read != FileRead::Missing;
        if (Exists(path) && worthKeeping && !KeepAside(path))
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
    if (const FileRead read = ReadPresetBytes(path, &bytes); read != FileRead::Read)
        return Fail(kShootFileError, CannotRead(path, read));
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
    if (const FileRead read = ReadPresetBytes(PresetPath(gun), &bytes); read != FileRead::Read)
        return Fail(kShootFileError, CannotRead(PresetPath(gun), read));
    if (const PresetShape shape = ShapeOfText(bytes); shape == PresetShape::NotAPreset)
        return Fail(kShootRefused, PresetPath(gun) + " is no gun preset file (" + DescribeShape(shape) + ")");
    if (WriteFileAtomic(path, bytes) != 0) return Fail(kShootFileError, "cannot write " + path);
    return Succeed();
}

}  // namespace shoot
