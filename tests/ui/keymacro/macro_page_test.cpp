// The macro page as a user drives it: macros created, edited, recorded, imported and
// deleted; what the macro files hold and what the mouse received.
#include <QLoggingCategory>
#include <QTemporaryDir>

#include "keymacro_fixture.h"
#include "macros/key_table.h"
#include "macros/macro_capacity.h"
#include "panels/macro/macro_texts.h"
#include "ui/text_id.h"
#include "ui/language_table.h"

namespace {

class MacroPage : public KeyMacroFixture {
protected:
    void SetUp() override {
        KeyMacroFixture::SetUp();
        if (HasFatalFailure()) return;
        Click("macro_Op_tab");
        page_ = FindMacroPage();
        ASSERT_NE(page_, nullptr);
    }
    Json::Value MacroFile(int index) const { return ReadJson(page_->Store().MacroFile(index)); }
    QListWidget* Rows() const { return qobject_cast<QListWidget*>(PageControl("macro_action_list")); }
    static int KeyRow(const char* word) { return static_cast<int>(*macros::FindWordRow(word)); }

    // A key event from the editing area, inserted after the selected row.
    void InsertKey(const char* word, bool down, const char* delay) const {
        ChooseItem(PageControl("macro_event_key_combo"), KeyRow(word));
        ChooseItem(PageControl("macro_event_action_combo"), down ? 0 : 1);
        SetText(PageControl("macro_tab_macrodelay_edit"), QLatin1String(delay));
        Click("macro_btn_event_insert");
    }
    CMacroControlUI* page_ = nullptr;
};

Json::Value Event(int type, int button, const char* action, const char* delay) {
    Json::Value event;
    event["Type"] = type;
    event["Button"] = button;
    event["Action"] = action;
    event["Delay"] = delay;
    return event;
}

TEST_F(MacroPage, CreateEditAndSendAMacro) {
    Click("macro_btn_name_add");
    ASSERT_EQ(ReadJson(InUserFolder("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "macro_1");
    EXPECT_EQ(FindKeyPanel()->MacroCount(), 1);  // the key panel offers it at once
    EXPECT_TRUE(PageControl("macro_action_layout")->isEnabled());

    InsertKey("a", true, "30");
    InsertKey("a", false, "0");
    Json::Value events = MacroFile(0)["Events"];
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], Event(10, 4, "down", "30"));
    EXPECT_EQ(events[1], Event(10, 4, "up", "0"));
    EXPECT_EQ(MacroFile(0)["Version"].asInt(), 64);
    // The device got the macro image with the first event as 1E 00 8A 04.
    const std::vector<uint8_t> image = sim->MacroImage();
    const std::vector<uint8_t> record{0x1E, 0x00, 0x8A, 0x04};
    EXPECT_NE(std::search(image.begin(), image.end(), record.begin(), record.end()), image.end());

    // Editing one event: the first becomes a Shift press with 70 ms.
    SelectItem(Rows(), 0, true);
    ChooseItem(PageControl("macro_event_key_combo"), KeyRow("shift"));
    SetText(PageControl("macro_tab_macrodelay_edit"), QStringLiteral("70"));
    Click("macro_btn_event_set");
    EXPECT_EQ(MacroFile(0)["Events"][0], Event(9, 0x02, "down", "70"));

    // A delay typed into a row: an empty one is saved as 0 and shown so.
    QWidget* delay = FindControl(ListRowWidget(Rows(), 0), QStringLiteral("macro_delay"));
    TypeAndLeave(delay, QString());
    EXPECT_EQ(MacroFile(0)["Events"][0]["Delay"].asString(), "0");
    EXPECT_EQ(GetText(delay), QStringLiteral("0"));

    // Moves and deletions are saved at once.
    SelectItem(Rows(), 1, true);
    Click("macro_btn_uptop");
    EXPECT_EQ(MacroFile(0)["Events"][0]["Action"].asString(), "up");
    SetText(PageControl("mouse_y_up_edit"), QStringLiteral("300"));
    Click("macro_inset_moveupkey_btn");
    EXPECT_EQ(MacroFile(0)["Events"][2], Event(5, 255, "down", "0"));
    EXPECT_EQ(GetText(PageControl("mouse_y_up_edit")), QStringLiteral("255"));
    SelectItem(Rows(), 2, true);
    Click("macro_btn_delete");
    EXPECT_EQ(MacroFile(0)["Events"].size(), 2u);
}

TEST_F(MacroPage, NamesFollowTheListAndDuplicatesAreRefused) {
    Click("macro_btn_name_add");
    Click("macro_btn_name_add");
    Click("macro_btn_name_add");
    page_->SelectMacro(1);
    CMsgWnd::SetNextAnswer(1);
    Click("macro_btn_name_sub");  // macro_2 goes; the next new one takes its name again
    Click("macro_btn_name_add");
    EXPECT_EQ(page_->Store().Names(), (std::vector<std::string>{"macro_1", "macro_3", "macro_2"}));

    const int shown = CMsgWnd::LastShown().count;
    page_->SelectMacro(0);
    CMsgWnd::SetNextAnswer(1);
    SetText(PageControl("macro_edit_macroname"), QStringLiteral("MACRO_3"));
    Click("macro_btn_name_edit");
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_5"));
    SetText(PageControl("macro_edit_macroname"), QStringLiteral("Reload"));
    Click("macro_btn_name_edit");
    EXPECT_EQ(ReadJson(InUserFolder("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "Reload");
    auto* combo = qobject_cast<QComboBox*>(FindControl(slot->page, QStringLiteral("keyset_macro_combo")));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Reload"));
}

TEST_F(MacroPage, DeletingAMacroRenumbersAndResetsTheKeysThatUseIt) {
    for (int i = 0; i < 3; ++i) Click("macro_btn_name_add");
    mouse->SetAssignment(2, KeyAssignHalf{2, 0x70, 0x02, 0x00, 0});  // macro_3
    mouse->SetAssignment(3, KeyAssignHalf{3, 0x71, 0x00, 0x05, 0});  // macro_1, five times
    const KeyAssignHalf defaults3 = mouse->Assignments()[3].defaults;

    page_->SelectMacro(0);
    CMsgWnd::SetNextAnswer(1);
    CMsgWnd::SetNextAnswer(0);  // "a key uses it": not confirmed, nothing deleted
    Click("macro_btn_name_sub");
    EXPECT_EQ(page_->Store().Count(), 3);

    CMsgWnd::SetNextAnswer(1);
    CMsgWnd::SetNextAnswer(1);
    sim->ClearFrames();
    Click("macro_btn_name_sub");
    EXPECT_EQ(page_->Store().Count(), 2);
    EXPECT_EQ(DeviceKey(2), (std::vector<uint8_t>{0x70, 0x01, 0x00}));
    EXPECT_EQ(DeviceKey(3), (std::vector<uint8_t>{defaults3.type, defaults3.param1, defaults3.param2}));
    EXPECT_EQ(ProfileAssignment(2), 0x700100);
}

TEST_F(MacroPage, AMacroThatNoLongerFitsTheDeviceIsNotSaved) {
    // 600 events fill the device's 2048 bytes; one more is refused with the excess.
    Click("macro_btn_name_add");
    Json::Value macro = MacroFile(0);
    for (int i = 0; i < 600; ++i) macro["Events"][i] = Event(1, 1, i % 2 ? "up" : "down", "10");
    ASSERT_TRUE(WriteJson(page_->Store().MacroFile(0), macro));
    page_->LoadSelectedMacro();
    ASSERT_EQ(Rows()->count(), 600);

    CMsgWnd::SetNextAnswer(1);
    InsertKey("b", true, "5");
    EXPECT_TRUE(CMsgWnd::LastShown().textId.isEmpty());
    const QString expected =
        CLanguageTable::Instance()
            .Text(QStringLiteral("message_text_16"), QLatin1String(macros::kCapacityMessageEnglish))
            .replace(QStringLiteral("%d"), QStringLiteral("95"));
    EXPECT_EQ(CMsgWnd::LastShown().text, expected);
    EXPECT_EQ(MacroFile(0)["Events"].size(), 600u);
    EXPECT_EQ(Rows()->count(), 601);  // still on the page, to be shortened
}

TEST_F(MacroPage, RecordingThroughTheCaptureWritesTheMacroFile) {
    Click("macro_btn_name_add");
    Click("macro_btn_starredio");
    EXPECT_TRUE(page_->Recording());
    EXPECT_FALSE(PageControl("macro_btn_starredio")->isVisibleTo(slot->page));
    EXPECT_TRUE(PageControl("macro_record_note")->isVisibleTo(slot->page));  // window-only capture
    const uint8_t scanA = 0x1E;
    SendKey(macros::HookMode::kMacro, scanA, false, true);
    SendKey(macros::HookMode::kMacro, scanA, false, true);  // auto-repeat: dropped
    SendKey(macros::HookMode::kMacro, scanA, false, false);
    SendButton(macros::HookMode::kMacro, macros::MouseMessage::kRightDown);
    SendButton(macros::HookMode::kMacro, macros::MouseMessage::kRightUp);
    EXPECT_EQ(Rows()->count(), 4);
    Click("macro_btn_stopredio");

    EXPECT_FALSE(page_->Recording());
    const Json::Value events = MacroFile(0)["Events"];
    ASSERT_EQ(events.size(), 4u);
    const int expected[][3] = {{10, 4, 1}, {10, 4, 0}, {1, 2, 1}, {1, 2, 0}};
    for (unsigned i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i]["Type"].asInt(), expected[i][0]) << i;
        EXPECT_EQ(events[i]["Button"].asInt(), expected[i][1]) << i;
        EXPECT_EQ(events[i]["Action"].asString(), expected[i][2] ? "down" : "up") << i;
    }
    // After the stop, captured input records nothing more.
    SendKey(macros::HookMode::kMacro, scanA, false, true);
    EXPECT_EQ(Rows()->count(), 4);
}

// A capture backend that starts (or not) without touching any input, of a chosen kind.
class FakeCapture : public capture::InputCapture {
public:
    FakeCapture(capture::CaptureKind kind, bool starts) : kind_(kind), starts_(starts) {}
    bool Start(capture::RecordCallback) override { return running_ = starts_; }
    void Stop() override { running_ = false; }
    bool Running() const override { return running_; }
    bool KnowsCursorPosition() const override { return true; }
    capture::CaptureKind Kind() const override { return kind_; }

private:
    capture::CaptureKind kind_;
    bool starts_;
    bool running_ = false;
};

TEST_F(MacroPage, TheNoteSaysWhichCaptureStartedAndGoesAtStop) {
    using capture::CaptureKind;
    const struct {
        const char* what;
        std::optional<CaptureKind> offered;  // none: no backend can run here
        bool starts;
        TextId note;
    } cases[] = {
        {"system-wide X11", CaptureKind::X11, true, macropage::text::kX11Note},
        {"input devices", CaptureKind::Evdev, true, macropage::text::kEvdevNote},
        {"X11 offered but it did not start", CaptureKind::X11, false, macropage::text::kWindowOnlyNote},
        {"nothing but the window", std::nullopt, false, macropage::text::kWindowOnlyNote},
    };
    Click("macro_btn_name_add");
    QWidget* note = PageControl("macro_record_note");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        wnd->Hook().SetCaptureFactory([&c]() -> std::unique_ptr<capture::InputCapture> {
            if (!c.offered) return nullptr;
            return std::make_unique<FakeCapture>(*c.offered, c.starts);
        });
        Click("macro_btn_starredio");
        EXPECT_TRUE(note->isVisibleTo(slot->page));
        EXPECT_EQ(GetText(note), Tr(c.note));
        Click("macro_btn_stopredio");
        EXPECT_FALSE(note->isVisibleTo(slot->page));
    }
}

// The click on Stop is a press and a release on the page itself; neither is part of the
// macro, even when the window moved while recording.
TEST_F(MacroPage, TheClickOnStopIsNotRecorded) {
    wnd->Hook().SetCaptureFactory([] { return nullptr; });  // the window's own events
    Click("macro_btn_name_add");
    for (const QPoint moved : {QPoint(0, 0), QPoint(160, 90)}) {
        SCOPED_TRACE(moved.x());
        Click("macro_btn_starredio");
        wnd->move(wnd->pos() + moved);
        QApplication::processEvents();
        QWidget* stop = PageControl("macro_btn_stopredio");
        ASSERT_TRUE(stop->isVisible());
        const QPoint nearCorner(stop->width() - 3, stop->height() - 3);
        QTest::mousePress(stop, Qt::LeftButton, Qt::NoModifier, nearCorner);
        QTest::mouseRelease(stop, Qt::LeftButton, Qt::NoModifier, nearCorner);
        EXPECT_FALSE(page_->Recording());
        EXPECT_EQ(Rows()->count(), 0);
        EXPECT_EQ(MacroFile(0)["Events"].size(), 0u);
    }
}

// What capture never saw released is released at Stop, and the row says it was added.
TEST_F(MacroPage, ReleasesNotSeenAreAddedAtStopAndShownSo) {
    wnd->Hook().SetCaptureFactory([] { return nullptr; });
    Click("macro_btn_name_add");
    Click("macro_btn_starredio");
    const uint8_t scanA = 0x1E;
    SendButton(macros::HookMode::kMacro, macros::MouseMessage::kRightDown);
    SendKey(macros::HookMode::kMacro, scanA, false, true);
    SendKey(macros::HookMode::kMacro, 0x30, false, false);  // B: its press came before the start
    Click("macro_btn_stopredio");

    const Json::Value events = MacroFile(0)["Events"];
    ASSERT_EQ(events.size(), 4u);
    const struct {
        int type, button;
        const char* action;
        bool added;
    } expected[] = {{1, 2, "down", false}, {10, 4, "down", false}, {10, 4, "up", true}, {1, 2, "up", true}};
    ASSERT_EQ(Rows()->count(), 4);
    for (unsigned i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i]["Type"].asInt(), expected[i].type);
        EXPECT_EQ(events[i]["Button"].asInt(), expected[i].button);
        EXPECT_EQ(events[i]["Action"].asString(), expected[i].action);
        EXPECT_FALSE(events[i].isMember("Added")) << "the file keeps its own fields only";
        const QWidget* kind =
            FindControl(ListRowWidget(Rows(), static_cast<int>(i)), QStringLiteral("macro_action_kind"));
        const TextId shown = expected[i].added                        ? macropage::text::kReleaseAdded
                             : events[i]["Action"].asString() == "up" ? macropage::text::kRelease
                                                                      : macropage::text::kPress;
        EXPECT_EQ(GetText(kind), Tr(shown));
    }
    // The file read back again is a plain macro.
    page_->LoadSelectedMacro();
    EXPECT_EQ(GetText(FindControl(ListRowWidget(Rows(), 3), QStringLiteral("macro_action_kind"))),
              Tr(macropage::text::kRelease));
}

TEST_F(MacroPage, NewTakesTheTypedNameWhileItIsFree) {
    QWidget* nameBox = PageControl("macro_edit_macroname");
    SetText(nameBox, QStringLiteral("  Jump  "));
    Click("macro_btn_name_add");
    EXPECT_EQ(ReadJson(InUserFolder("macro.config"))["MacroInfo"][0]["MacroName"].asString(), "Jump");
    EXPECT_TRUE(GetText(nameBox).isEmpty());
    Click("macro_btn_name_add");  // nothing typed: the numbered name
    EXPECT_EQ(page_->Store().Names(), (std::vector<std::string>{"Jump", "macro_1"}));

    const int shown = CMsgWnd::LastShown().count;
    CMsgWnd::SetNextAnswer(1);
    SetText(nameBox, QStringLiteral("JUMP"));
    Click("macro_btn_name_add");
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_5"));
    EXPECT_EQ(page_->Store().Count(), 2);
    EXPECT_EQ(GetText(nameBox), QStringLiteral("JUMP"));  // kept, to be changed
}

// "Fixed delay" and "No delays" are one choice: the newest tick wins on the page and in what
// is recorded.
TEST_F(MacroPage, FixedDelayAndNoDelaysAreExclusive) {
    wnd->Hook().SetCaptureFactory([] { return nullptr; });
    auto* fixed = qobject_cast<QAbstractButton*>(PageControl("macro_check_time"));
    auto* none = qobject_cast<QAbstractButton*>(PageControl("macro_check_nodelay"));
    ASSERT_TRUE(fixed && none);
    Click("macro_btn_name_add");
    const struct {
        QAbstractButton* first;
        QAbstractButton* second;
        const char* delay;
    } cases[] = {{none, fixed, "80"}, {fixed, none, "0"}};
    SetText(PageControl("macro_fixed_time_edit"), QStringLiteral("80"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delay);
        if (!c.first->isChecked()) c.first->click();
        c.second->click();
        EXPECT_TRUE(c.second->isChecked());
        EXPECT_FALSE(c.first->isChecked());
        Click("macro_btn_deleteall");
        Click("macro_btn_starredio");
        SendKey(macros::HookMode::kMacro, 0x1E, false, true);
        SendKey(macros::HookMode::kMacro, 0x1E, false, false);
        Click("macro_btn_stopredio");
        const Json::Value events = MacroFile(0)["Events"];
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0]["Delay"].asString(), c.delay);
    }
    none->click();  // and a tick can still be taken off again
    EXPECT_FALSE(none->isChecked());
    EXPECT_FALSE(fixed->isChecked());
}

// F13 is recorded, shown in the editing area and can be chosen there like any key.
TEST_F(MacroPage, F13IsRecordedShownAndChosenInTheEditor) {
    wnd->Hook().SetCaptureFactory([] { return nullptr; });
    Click("macro_btn_name_add");
    Click("macro_check_nodelay");
    Click("macro_btn_starredio");
    const uint8_t scanF13 = 0x64;
    SendKey(macros::HookMode::kMacro, scanF13, false, true);
    SendKey(macros::HookMode::kMacro, scanF13, false, false);
    Click("macro_btn_stopredio");
    EXPECT_EQ(MacroFile(0)["Events"][0], Event(10, 0x68, "down", "0"));

    auto* keys = qobject_cast<QComboBox*>(PageControl("macro_event_key_combo"));
    SelectItem(Rows(), 1, true);
    EXPECT_EQ(keys->currentText(), QStringLiteral("F13"));
    // The release becomes F24; a key after it in the list is still itself.
    ChooseItem(keys, keys->findText(QStringLiteral("F24")));
    Click("macro_btn_event_set");
    EXPECT_EQ(MacroFile(0)["Events"][1], Event(10, 0x73, "up", "0"));
    SelectItem(Rows(), 0, true);
    ChooseItem(keys, KeyRow("b"));
    Click("macro_btn_event_set");
    EXPECT_EQ(MacroFile(0)["Events"][0], Event(10, 0x05, "down", "0"));
}

TEST_F(MacroPage, MenuItemsRecordBeforeTheRowAndInsertClicks) {
    Click("macro_btn_name_add");
    InsertKey("a", true, "0");
    SelectItem(Rows(), 0, true);
    EXPECT_TRUE(wiringPart->OnMenuCommand(*wnd, QStringLiteral("left_click")));
    ASSERT_EQ(MacroFile(0)["Events"].size(), 3u);
    EXPECT_EQ(MacroFile(0)["Events"][1], Event(1, 1, "down", "0"));
    EXPECT_EQ(MacroFile(0)["Events"][2], Event(1, 1, "up", "0"));

    SelectItem(Rows(), 0, true);
    EXPECT_TRUE(wiringPart->OnMenuCommand(*wnd, QStringLiteral("redio_previous_ignore_time")));
    SendKey(macros::HookMode::kMacroPrevious, 0x30, false, true);  // B goes before A
    Click("macro_btn_stopredio");
    EXPECT_EQ(MacroFile(0)["Events"][0], Event(10, 5, "down", "0"));
    EXPECT_EQ(MacroFile(0)["Events"][1], Event(10, 5, "up", "0"));  // released at the stop, before A too
    EXPECT_EQ(MacroFile(0)["Events"][2]["Button"].asInt(), 4);

    // Activating a row opens the macro action menu.
    QWidget* row = ListRowWidget(Rows(), 0);
    ASSERT_NE(row, nullptr);
    TNotifyUI activate{QStringLiteral("itemactivate"), row, 0, 0};
    wiringPart->OnNotify(*wnd, activate);
    ASSERT_NE(wiringPart->MacroMenu(), nullptr);
    EXPECT_NE(wiringPart->MacroMenu()->FindItem(QStringLiteral("macro_action_edit")), nullptr);
    wiringPart->MacroMenu()->close();
}

TEST_F(MacroPage, ExportAndImportCopyTheFileUnderANewName) {
    Click("macro_btn_name_add");
    InsertKey("c", true, "12");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("mine.mac"));
    SetNextFileName(target);
    Click("macro_btn_export");
    EXPECT_EQ(LastFileDialog().filterName, QStringLiteral("Macro Files(*.mac)"));
    EXPECT_EQ(FileBytes(target.toStdString()), FileBytes(page_->Store().MacroFile(0)));

    SetNextFileName(QString());  // cancelled
    Click("macro_btn_import");
    EXPECT_EQ(page_->Store().Count(), 1);
    SetNextFileName(target);
    Click("macro_btn_import");
    ASSERT_EQ(page_->Store().Count(), 2);
    EXPECT_EQ(page_->Store().Macros()[1].name, "macro_2");
    EXPECT_EQ(MacroFile(1)["Events"], MacroFile(0)["Events"]);
    EXPECT_EQ(Rows()->count(), 1);
}

TEST_F(MacroPage, ScreenshotOfTheMacrosPage) {
    Click("macro_btn_name_add");
    InsertKey("ctrl", true, "20");
    InsertKey("c", true, "40");
    InsertKey("c", false, "10");
    InsertKey("ctrl", false, "0");
    SaveScreenshot(QStringLiteral("macros_page.png"));
}

// Nothing at start says that a class of these pages could not be made.
class PageClasses : public KeyMacroFixture {
protected:
    static QStringList& Warnings() {
        static QStringList warnings;
        return warnings;
    }
    static void Collect(QtMsgType, const QMessageLogContext&, const QString& text) { Warnings() << text; }
    void SetUp() override {
        Warnings().clear();
        previous_ = qInstallMessageHandler(&Collect);
        KeyMacroFixture::SetUp();
        qInstallMessageHandler(previous_);
    }
    QtMessageHandler previous_ = nullptr;
};

TEST_F(PageClasses, StartLogsNoMissingClass) {
    for (const QString& text : Warnings())
        for (const char* name :
             {"'KeySetControlUI'", "'MacroSetControlUI'", "'CKeySetControlUI'", "'CMacroControlUI'"})
            EXPECT_FALSE(text.contains(QLatin1String(name))) << text.toStdString();
    EXPECT_NE(FindKeyPanel(), nullptr);
    EXPECT_NE(FindMacroPage(), nullptr);
}

}  // namespace
