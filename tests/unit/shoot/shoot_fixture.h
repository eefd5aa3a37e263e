#pragma once
// A user folder and a default folder of their own for each test, and a preset store on them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include <json/json.h>

#include "../devices/device_fixture.h"
#include "macros/shoot_store.h"
#include "util/json_file.h"

// Six events of one bullet, written out as the files hold them.
inline std::string BulletEventsText(int dx, const char* xAction, int dy, const char* yAction, int delay) {
    auto event = [](int type, int button, const char* action, int wait) {
        return "{\"Type\": " + std::to_string(type) + ", \"Button\": " + std::to_string(button) +
               ", \"Action\": \"" + action + "\", \"Delay\": " + std::to_string(wait) + "}";
    };
    return event(1, 1, "down", 10) + "," + event(1, 1, "up", 0) + "," + event(4, dx, xAction, 5) + "," +
           event(5, dy, yAction, delay) + "," + event(4, 0, xAction, 0) + "," + event(5, 0, yAction, 0);
}

// A preset of `bullets` bullets; bullet b moves b right and b + 1 down, delay 10 x b.
inline std::string PresetText(int bullets) {
    std::string events;
    for (int b = 0; b < bullets; ++b)
        events += (b > 0 ? "," : "") + BulletEventsText(b, "up", b + 1, "up", 10 * b);
    return "{\"Events\": [" + events + "]}";
}

inline Json::Value ParseJson(const std::string& text) {
    Json::Value value;
    Json::Reader().parse(text, value);
    return value;
}

class ShootStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        defaults = folders_.Path() / "DefaultData";
        user = folders_.Path() / "user" / "mouse";
        for (int gun = 0; gun < 4; ++gun) WriteFile(DefaultFile(gun), PresetText(gun + 1));
        store.SetUserFolder(user.string());
        store.SetDefaultFolder(defaults.string() + "/");
    }
    void TearDown() override { SetAtomicWriteByteLimitForTest(-1); }

    std::filesystem::path UserFile(int gun) const {
        return user / ("ShootData_" + std::to_string(gun) + ".Shoot");
    }
    std::filesystem::path DefaultFile(int gun) const {
        return defaults / ("ShootData_" + std::to_string(gun) + ".Shoot");
    }

    TempFolder folders_;
    std::filesystem::path defaults, user;
    shoot::CShootStore store;
};
