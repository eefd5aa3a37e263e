#include <gtest/gtest.h>

#include <algorithm>

#include "macros/key_table.h"
#include "macros/macro_events.h"
#include "macros/macro_recorder.h"
#include "macros/macro_store.h"

using namespace macros;

namespace {
MacroEvent Key(int usage, bool down, int delay = 0) {
    return {EventType::kKey, usage, down, delay};
}

HookRecord KeyRecord(std::uint8_t scan, bool down, std::uint32_t time, bool extended = false) {
    HookRecord r;
    r.kind = HookKind::Key;
    r.scan = scan;
    r.extended = extended;
    r.down = down;
    r.timeMs = time;
    return r;
}

HookRecord ButtonRecord(std::uint16_t message, std::uint32_t time, int x = 0, int y = 0, int xButton = 0) {
    HookRecord r;
    r.kind = HookKind::Button;
    r.message = message;
    r.down = (message & 1) != 0;
    r.xButton = xButton;
    r.x = x;
    r.y = y;
    r.timeMs = time;
    return r;
}

constexpr std::uint8_t kScanA = 0x1E, kScanB = 0x30;
}  // namespace

TEST(MacroEventList, EditsOneEvent) {
    CMacroEventList rows;
    rows.Assign({Key(4, true), Key(4, false)});
    EXPECT_TRUE(rows.SetKey(0, *FindWordRow("ctrl")));
    EXPECT_EQ(rows.Events()[0], (MacroEvent{EventType::kModifier, 0x01, true, 0}));
    EXPECT_FALSE(rows.SetKey(0, *FindWordRow("volume-up")));  // not a keyboard key
    EXPECT_TRUE(rows.SetAction(1, true));
    EXPECT_TRUE(rows.SetDelay(1, 99999));
    EXPECT_EQ(rows.Events()[1], Key(4, true, 65535));
    EXPECT_FALSE(rows.SetDelay(1, -1));
    EXPECT_FALSE(rows.SetDelay(2, 5));
}

TEST(MacroEventList, MovesKeepTheEventAndSelection) {
    CMacroEventList rows;
    rows.Assign({Key(4, true, 1), Key(5, true, 2), Key(6, true, 3)});
    rows.Select(2);
    rows.MoveToTop();
    EXPECT_EQ(rows.Events()[0], Key(6, true, 3));
    EXPECT_EQ(rows.Selected(), 0);
    rows.MoveUp();  // already at the top
    rows.MoveDown();
    EXPECT_EQ(rows.Events()[1], Key(6, true, 3));
    rows.MoveToBottom();
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(4, true, 1), Key(5, true, 2), Key(6, true, 3)}));
    rows.Delete(0);
    EXPECT_EQ(rows.Count(), 2);
    rows.DeleteAll();
    EXPECT_EQ(rows.Selected(), -1);
}

TEST(MacroEventList, MouseEvents) {
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kRightUp, 0, 0), (MacroEvent{1, 0x02, false, 0}));
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kXDown, 1, 0), (MacroEvent{1, 0x10, true, 0}));
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kXUp, 0, 0), (MacroEvent{1, 0x08, false, 0}));
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kMove, 0, 400), (MacroEvent{4, 255, true, 0}));
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kMove, 3, -2), (MacroEvent{5, 1, false, 0}));
    EXPECT_EQ(CMacroEventList::MouseEvent(MouseMessage::kMove, 4, 5), std::nullopt);
    EXPECT_EQ(CMacroEventList::MouseEvent(0x020A, 0, 0), std::nullopt);
}

TEST(MacroEventList, StopsAtTheEventLimit) {
    CMacroEventList rows;
    rows.Assign(std::vector<MacroEvent>(kMaxEvents + 5, Key(4, true)));
    EXPECT_EQ(rows.Count(), kMaxEvents);
    EXPECT_FALSE(rows.Insert(0, Key(5, true)));
    CMacroRecorder recorder;
    recorder.Start(RecordMode::Measured, 0);
    EXPECT_FALSE(recorder.Record(KeyRecord(kScanB, true, 10), RecordPosition::Append, rows));
}

TEST(MacroRecorder, MeasuredDelaysGoToThePreviousRowAndAutoRepeatIsDropped) {
    CMacroEventList rows;
    CMacroRecorder recorder;
    recorder.Start(RecordMode::Measured, 1000);
    EXPECT_TRUE(recorder.Record(KeyRecord(kScanA, true, 1010), RecordPosition::Append, rows));
    EXPECT_FALSE(recorder.Record(KeyRecord(kScanA, true, 1060), RecordPosition::Append, rows));  // repeat
    EXPECT_TRUE(recorder.Record(KeyRecord(kScanB, true, 1130), RecordPosition::Append, rows));
    EXPECT_TRUE(recorder.Record(KeyRecord(kScanA, false, 1140), RecordPosition::Append, rows));
    EXPECT_TRUE(
        recorder.Record(KeyRecord(kScanA, true, 1150), RecordPosition::Append, rows));  // pressed again
    EXPECT_FALSE(recorder.Record(KeyRecord(0x7F, true, 1160), RecordPosition::Append, rows));  // no such key
    EXPECT_TRUE(
        recorder.Record(KeyRecord(0x1D, true, 1170, true), RecordPosition::Append, rows));  // right Ctrl
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(4, true, 120),
                                                      Key(5, true, 10),
                                                      Key(4, false, 10),
                                                      Key(4, true, 20),
                                                      {EventType::kModifier, 0x10, true, 0}}));
    EXPECT_EQ(rows.Selected(), 4);

    // A new recording on the same page gives the old last row the time since its start.
    recorder.Start(RecordMode::Measured, 5000);
    recorder.Record(KeyRecord(kScanB, true, 5300), RecordPosition::Append, rows);
    EXPECT_EQ(rows.Events()[4].delay, 300);
}

TEST(MacroRecorder, F13ToF24AreRecordedAsKeyboardKeys) {
    CMacroEventList rows;
    CMacroRecorder recorder;
    recorder.Start(RecordMode::NoDelay, 0);
    const std::uint8_t kScanF13 = 0x64, kScanF24 = 0x76;
    for (std::uint8_t scan : {kScanF13, kScanF24}) {
        EXPECT_TRUE(recorder.Record(KeyRecord(scan, true, 1), RecordPosition::Append, rows));
        EXPECT_TRUE(recorder.Record(KeyRecord(scan, false, 2), RecordPosition::Append, rows));
    }
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(0x68, true), Key(0x68, false), Key(0x73, true),
                                                      Key(0x73, false)}));
    EXPECT_EQ(DescribeEvent(rows.Events()[2]), "F24 down");
}

TEST(MacroRecorder, FixedAndNoDelayModes) {
    CMacroEventList rows;
    CMacroRecorder recorder;
    EXPECT_EQ(recorder.SetFixedDelay(70000), 65535);
    recorder.SetFixedDelay(50);
    recorder.Start(RecordMode::Fixed, 0);
    for (std::uint32_t t : {7u, 300u, 900u})
        recorder.Record(KeyRecord(t == 300u ? kScanB : kScanA, t != 900u, t), RecordPosition::Append, rows);
    ASSERT_EQ(rows.Count(), 3);
    for (int i = 1; i < 3; ++i) EXPECT_EQ(rows.Events()[static_cast<size_t>(i)].delay, 50);
    EXPECT_EQ(rows.Events()[0].delay, 50);

    CMacroEventList fresh;
    CMacroRecorder none;
    none.Start(RecordMode::NoDelay, 0);
    none.Record(KeyRecord(kScanA, true, 500), RecordPosition::Append, fresh);
    none.Record(KeyRecord(kScanA, false, 900), RecordPosition::Append, fresh);
    EXPECT_EQ(fresh.Events(), (std::vector<MacroEvent>{Key(4, true, 0), Key(4, false, 0)}));
}

TEST(MacroRecorder, MouseButtonsDuplicatesAndTheStopButton) {
    CMacroEventList rows;
    CMacroRecorder recorder;
    recorder.SetStopRect(ScreenRect{100, 100, 180, 130});
    recorder.Start(RecordMode::NoDelay, 0);
    recorder.Record(ButtonRecord(MouseMessage::kLeftDown, 1, 5, 5), RecordPosition::Append, rows);
    recorder.Record(ButtonRecord(MouseMessage::kLeftDown, 2, 5, 5), RecordPosition::Append, rows);  // twice
    recorder.Record(ButtonRecord(MouseMessage::kXDown, 3, 0, 0, kXButtonForward), RecordPosition::Append,
                    rows);
    recorder.Record(ButtonRecord(MouseMessage::kXDown, 4, 0, 0, kXButtonBack), RecordPosition::Append, rows);
    recorder.Record(ButtonRecord(MouseMessage::kXUp, 5, 0, 0, kXButtonBack), RecordPosition::Append, rows);
    recorder.Record(ButtonRecord(MouseMessage::kLeftUp, 6, 120, 110), RecordPosition::Append,
                    rows);  // stop click
    EXPECT_EQ(rows.Events(),
              (std::vector<MacroEvent>{
                  {1, 0x01, true, 0}, {1, 0x10, true, 0}, {1, 0x08, true, 0}, {1, 0x08, false, 0}}));
}

// Whatever capture missed, a finished recording holds every press with its release.
TEST(MacroRecorder, FinishGivesEveryPressItsRelease) {
    constexpr std::uint32_t kStop = 900;
    const std::uint8_t kScanCtrl = 0x1D, kScanC = 0x2E;
    const MacroEvent ctrlDown{EventType::kModifier, 0x01, true, 0},
        ctrlUp{EventType::kModifier, 0x01, false, 0};
    const MacroEvent leftDown{EventType::kMouseButton, 0x01, true, 0},
        leftUp{EventType::kMouseButton, 0x01, false, 0};
    const MacroEvent rightDown{EventType::kMouseButton, 0x02, true, 0};
    const MacroEvent rightUp{EventType::kMouseButton, 0x02, false, 0};
    const struct {
        const char* what;
        std::vector<HookRecord> records;
        std::vector<MacroEvent> expected;  // delays as measured
        std::vector<bool> added;           // rows the recorder added at the stop
    } cases[] = {
        {"keys still down at the stop are released, newest first",
         {KeyRecord(kScanCtrl, true, 100), KeyRecord(kScanC, true, 150)},
         {{ctrlDown.type, ctrlDown.button, true, 50}, Key(6, true, 750), Key(6, false, 0), ctrlUp},
         {false, false, true, true}},
        {"a release never seen, then the press on Stop: the press on Stop goes, the other is released",
         {ButtonRecord(MouseMessage::kRightDown, 100), ButtonRecord(MouseMessage::kLeftDown, 400)},
         {{rightDown.type, rightDown.button, true, 800}, rightUp},
         {false, true}},
        {"a left press with more after it is the user's own: it is released",
         {ButtonRecord(MouseMessage::kLeftDown, 100), KeyRecord(kScanC, true, 200),
          KeyRecord(kScanC, false, 300)},
         {{leftDown.type, leftDown.button, true, 100}, Key(6, true, 100), Key(6, false, 600), leftUp},
         {false, false, false, true}},
        {"a release whose press came before the start is dropped; pairs stay as they are",
         {KeyRecord(kScanA, false, 100), KeyRecord(kScanB, true, 200), KeyRecord(kScanB, false, 250),
          ButtonRecord(MouseMessage::kLeftUp, 300)},
         {Key(5, true, 50), Key(5, false, 0)},
         {false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMacroEventList rows;
        CMacroRecorder recorder;
        recorder.Start(RecordMode::Measured, 0);
        for (const HookRecord& record : c.records) recorder.Record(record, RecordPosition::Append, rows);
        const auto added = std::count(c.added.begin(), c.added.end(), true);
        EXPECT_EQ(recorder.Finish(kStop, rows), added);
        EXPECT_EQ(rows.Events(), c.expected);
        ASSERT_EQ(rows.Events().size(), c.added.size());
        for (size_t i = 0; i < c.added.size(); ++i) EXPECT_EQ(rows.Events()[i].addedAtStop, c.added[i]) << i;
        EXPECT_EQ(recorder.Finish(kStop, rows), 0) << "a second stop adds nothing";
    }
}

TEST(MacroRecorder, FinishPlacesReleasesWhereTheRecordingWent) {
    CMacroEventList rows;
    rows.Assign({Key(4, true, 7), Key(4, false, 8)});
    rows.Select(1);
    CMacroRecorder recorder;
    recorder.SetFixedDelay(80);
    recorder.Start(RecordMode::Fixed, 0);
    recorder.Record(KeyRecord(kScanB, true, 10), RecordPosition::Before, rows);
    recorder.Record(ButtonRecord(MouseMessage::kLeftDown, 20), RecordPosition::Before, rows);  // on Stop
    EXPECT_EQ(recorder.Finish(30, rows), 1);
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(4, true, 7), Key(5, true, 80), Key(5, false, 80),
                                                      Key(4, false, 8)}));
    EXPECT_TRUE(rows.Events()[2].addedAtStop);
    EXPECT_EQ(rows.Selected(), 3);
}

TEST(MacroRecorder, BeforeAfterAndReplace) {
    CMacroEventList rows;
    rows.Assign({Key(4, true, 7), Key(4, false, 8)});
    CMacroRecorder recorder;
    recorder.Start(RecordMode::NoDelay, 0);
    EXPECT_FALSE(recorder.Record(KeyRecord(kScanA, true, 1), RecordPosition::Before, rows));  // no selection
    rows.Select(1);
    recorder.Record(KeyRecord(kScanB, true, 1), RecordPosition::Before, rows);
    recorder.Record(KeyRecord(kScanB, false, 2), RecordPosition::Before, rows);
    EXPECT_EQ(rows.Selected(), 3);  // the old row, still selected
    rows.Select(0);
    recorder.Record(KeyRecord(0x2E, true, 3), RecordPosition::After, rows);  // C
    EXPECT_EQ(rows.Selected(), 1);
    rows.Select(4);
    recorder.Record(KeyRecord(0x2E, false, 4), RecordPosition::Replace, rows);
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(4, true, 0), Key(6, true, 0), Key(5, true, 0),
                                                      Key(5, false, 0), Key(6, false, 8)}));
}
