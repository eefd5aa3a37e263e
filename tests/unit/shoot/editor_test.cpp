// The bullet editor behind the shoot panel: current gun and bullet kept in range, what a
// bullet shows, and saving through it.
#include <gtest/gtest.h>

#include "macros/shoot_editor.h"
#include "shoot_fixture.h"

namespace {

class ShootEditorTest : public ShootStoreTest {
protected:
    void SetUp() override {
        ShootStoreTest::SetUp();
        ASSERT_EQ(store.Init(), shoot::kShootDone);
    }
    shoot::CShootEditor editor{store};
};

TEST_F(ShootEditorTest, BulletAndGunNumbersStopAtTheEnds) {
    struct Case {
        int asked, current;
        const char* shown;
    } cases[] = {{30, 29, "30"}, {-1, 0, "1"}, {12, 12, "13"}, {1000, 29, "30"}};
    for (const Case& c : cases) {
        const shoot::BulletView view = editor.SelectBullet(c.asked);
        EXPECT_EQ(editor.CurrentBullet(), c.current) << c.asked;
        EXPECT_EQ(view.indexText, c.shown) << c.asked;
    }
    editor.SelectBullet(29);
    EXPECT_EQ(editor.NextBullet().bullet, 29) << "no wrap at the last bullet";
    editor.SelectBullet(0);
    EXPECT_EQ(editor.PreviousBullet().bullet, 0) << "no wrap at the first bullet";

    EXPECT_EQ(editor.SelectGun(7), 3);
    EXPECT_EQ(editor.SelectGun(-2), 0);
    EXPECT_EQ(editor.CurrentBullet(), 0) << "choosing a gun keeps the bullet";
}

TEST_F(ShootEditorTest, ShowsTheBulletOfTheCurrentGunWithItsTextIds) {
    // The fixture's default of gun 2 has 3 bullets; bullet b moves b right, b + 1 down.
    editor.SelectGun(2);
    const shoot::BulletView view = editor.SelectBullet(2);
    EXPECT_EQ(view.gun, 2);
    EXPECT_EQ(view.values, (shoot::ShootBullet{false, 2, false, 3, 20}));
    EXPECT_STREQ(view.horizontalTextId, "mouse_move_to_right_text");
    EXPECT_STREQ(view.verticalTextId, "mouse_move_to_down_text");

    const shoot::BulletView empty = editor.SelectBullet(3);
    EXPECT_EQ(empty.values, shoot::ShootBullet{}) << "a bullet the file lacks shows zeros";
    EXPECT_TRUE(empty.readable);
}

TEST_F(ShootEditorTest, SaveGoesToTheCurrentBulletAndReturnsWhatWasKept) {
    EXPECT_EQ(editor.SaveBullet({true, 1, true, 1, 1}), shoot::kShootRefused) << "no bullet is current yet";
    EXPECT_EQ(ReadFileBytes(UserFile(0)), ReadFileBytes(DefaultFile(0)));

    editor.SelectGun(1);
    editor.SelectBullet(5);
    shoot::ShootBullet kept;
    ASSERT_EQ(editor.SaveBullet({true, shoot::EnterDistance("512"), true, shoot::EnterDistance("8"),
                                 shoot::EnterDelay("120ms")},
                                &kept),
              shoot::kShootDone);
    EXPECT_EQ(kept, (shoot::ShootBullet{true, 255, true, 8, 120}));
    const shoot::BulletView view = editor.ShowBullet(1, 5);
    EXPECT_EQ(view.values, kept);
    EXPECT_STREQ(view.horizontalTextId, "mouse_move_to_left_text");
    EXPECT_STREQ(view.verticalTextId, "mouse_move_to_up_text");
    EXPECT_EQ(ReadFileBytes(UserFile(0)), ReadFileBytes(DefaultFile(0))) << "other guns untouched";
}

TEST_F(ShootEditorTest, ResetAndImportShowTheCurrentBulletAgain) {
    editor.SelectGun(0);
    editor.SelectBullet(0);
    ASSERT_EQ(editor.SaveBullet({true, 50, true, 60, 70}), shoot::kShootDone);

    shoot::BulletView view;
    ASSERT_EQ(editor.ResetGun(&view), shoot::kShootDone);
    EXPECT_EQ(view.values, (shoot::ShootBullet{false, 0, false, 1, 0}));

    const std::filesystem::path file = folders_.Path() / "import.shoot";
    WriteFile(file, "{\"Events\": [" + BulletEventsText(9, "down", 8, "down", 7) + "]}");
    ASSERT_EQ(editor.ImportGun(file.string(), &view), shoot::kShootDone);
    EXPECT_EQ(view.values, (shoot::ShootBullet{true, 9, true, 8, 7}));

    EXPECT_EQ(editor.ImportGun("", &view), shoot::kShootRefused);
    EXPECT_EQ(view.values, (shoot::ShootBullet{true, 9, true, 8, 7}));
}

TEST_F(ShootEditorTest, AnUnreadablePresetShowsZerosAndSaysSo) {
    WriteFile(UserFile(3), "broken");
    editor.SelectGun(3);
    const shoot::BulletView view = editor.SelectBullet(0);
    EXPECT_FALSE(view.readable);
    EXPECT_EQ(view.values, shoot::ShootBullet{});
}

}  // namespace
