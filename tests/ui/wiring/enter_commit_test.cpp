// Enter in an edit box commits its value as leaving the box does: stored, shown, written
// and followed by its slider; leaving the box afterwards writes nothing more.
#include <QTest>

#include "wiring_fixture.h"

namespace {

enum class Kept { Profile, Preset, Nowhere };

class EnterCommit : public WiringFixture {
protected:
    std::string FileOf(Kept kept) const {
        if (kept == Kept::Profile) return ProfilePath();
        return kept == Kept::Preset ? InUserFolder("ShootData_0.Shoot") : std::string();
    }
};

}  // namespace

TEST_F(EnterCommit, EnterCommitsOnceAndLeavingAddsNothing) {
    struct Case {
        const char* edit;
        const char* typed;
        const char* shown;   // what the box shows after the commit
        const char* slider;  // the slider that follows, or nullptr
        int sliderValue;
        Kept kept;            // the file the value is stored in
        bool written;         // the device receives it
        const char* retyped;  // a new value typed afterwards is committed again
    };
    // Stage 2 of sensor 0x3327 (step 50 from 100): 2350 DPI is position 45.
    const Case cases[] = {
        {"DPI_edit_2", "2350", "2350", "DPI_slider_2", 45, Kept::Profile, true, "3100"},
        {"tolva_DPI_edit_0", "3000dpi", "3000", "tolva_DPI_slider_0", 3000, Kept::Nowhere, false, "4000"},
        {"deng_edit_R", "77", "77", nullptr, 0, Kept::Profile, true, "78"},
        {"bullet_x_eidt", "300", "255", nullptr, 0, Kept::Preset, false, "12"},
    };
    ChooseItem(PageControl("light_combo_modeSelect"), 2);  // a mode with one colour
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        QWidget* edit = PageControl(c.edit);
        ASSERT_NE(edit, nullptr);
        const std::string file = FileOf(c.kept);
        const QByteArray before = file.empty() ? QByteArray() : FileBytes(file);
        sim->ClearFrames();

        TypeAndEnter(edit, QLatin1String(c.typed));
        EXPECT_EQ(GetText(edit), QLatin1String(c.shown));
        if (c.slider) {
            EXPECT_EQ(GetValue(PageControl(c.slider)), c.sliderValue);
        }
        const QByteArray committed = file.empty() ? QByteArray() : FileBytes(file);
        if (!file.empty()) {
            EXPECT_NE(committed, before);
        }
        const size_t frames = sim->CommandFrames().size();
        EXPECT_EQ(frames > 0, c.written);

        // Enter again and then leaving the box, with the value unchanged, send nothing.
        QTest::keyClick(edit, Qt::Key_Return);
        Leave(edit);
        EXPECT_EQ(sim->CommandFrames().size(), frames);
        if (!file.empty()) {
            EXPECT_EQ(FileBytes(file), committed);
        }

        TypeAndEnter(edit, QLatin1String(c.retyped));
        EXPECT_EQ(GetText(edit), QLatin1String(c.retyped));
        if (!file.empty()) {
            EXPECT_NE(FileBytes(file), committed);
        }
        EXPECT_EQ(sim->CommandFrames().size() > frames, c.written);
        Leave(edit);
    }
    // What Enter committed is what the profile holds.
    EXPECT_EQ(ProfileDevice()["DPIStages"]["StageDPIs"][2]["StageDPIX"].asInt(), 60);
    EXPECT_EQ(ProfileDevice()["LightInfo"]["Red"].asInt(), 78);
}
