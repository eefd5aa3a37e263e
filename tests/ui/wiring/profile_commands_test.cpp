// The profile commands: the delayed switch, reset and restore defaults with their
// confirmation, new/copy/delete/rename, import validation, export, and the messages.
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "ui/language_table.h"
#include "util/json_file.h"
#include "wiring_fixture.h"

namespace {

constexpr size_t kRecordStage0X = 15;

QStringList ComboTexts(QWidget* control) {
    QStringList texts;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

}  // namespace

using ProfileCommands = WiringFixture;

TEST_F(ProfileCommands, TwoChoicesWithinTheDelaySwitchOnceToTheLast) {
    Click("device_add_btn");
    Click("device_add_btn");
    QWidget* combo = PageControl("device_profile_combo");
    ASSERT_EQ(ComboTexts(combo), (QStringList{"profile1", "profile2", "profile3"}));
    // The last profile differs from the others so that its settings can be recognised.
    const std::string lastId = panel->ProfileList().Entries()[2].id;
    const std::string lastFile = panel->ProfileList().ProfilePathAt(2);
    Json::Value last = ReadJson(lastFile);
    last["Device"][0]["DPIStages"]["StageDPIs"][0]["StageDPIX"] = 77;
    ASSERT_TRUE(WriteJson(lastFile, last));
    sim->ClearFrames();

    ChooseItem(combo, 1);
    ChooseItem(combo, 2);
    EXPECT_TRUE(Commands().empty());  // nothing before the delay
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy(); }, 3000));
    QTest::qWait(600);  // long enough for a second switch to show

    EXPECT_EQ(CountCommand(kWriteKeyBlock), 1);
    const auto writes = SettingsWrites();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].record[kRecordStage0X], 77);
    EXPECT_EQ(slot->device->ProfileName(), lastId);
    EXPECT_EQ(ProfilePath(), lastFile);
    EXPECT_EQ(ReadJson(ListFile())["profileselect"].asInt(), 2);
    EXPECT_EQ(GetText(PageControl("device_profile_name_edit")), QStringLiteral("profile3"));
}

TEST_F(ProfileCommands, ResetAndDefaultsDoNothingWhenNotConfirmed) {
    TypeAndLeave(PageControl("DPI_edit_2"), QStringLiteral("2350"));
    const QByteArray before = FileBytes(ProfilePath());
    const QByteArray listBefore = FileBytes(ListFile());
    sim->ClearFrames();

    for (const char* button : {"device_reset_btn", "default_btn"}) {
        CMsgWnd::SetNextAnswer(0);
        Click(button);
        EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_22")) << button;
        EXPECT_TRUE(CMsgWnd::LastShown().cancelVisible) << button;
        EXPECT_EQ(CMsgWnd::PendingAnswers(), 0) << button;
    }
    EXPECT_EQ(FileBytes(ProfilePath()), before);
    EXPECT_EQ(FileBytes(ListFile()), listBefore);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(mouse->GetDpiStages().at(2).X(), 45);
}

TEST_F(ProfileCommands, ConfirmedResetRestoresTheProfileAndSendsIt) {
    TypeAndLeave(PageControl("DPI_edit_2"), QStringLiteral("2350"));
    const Json::Value before = ReadJson(ProfilePath());
    auto* keySave = qobject_cast<QPushButton*>(PageControl("key_butt_keysave"));
    ASSERT_NE(keySave, nullptr);  // the key panel's
    keySave->setEnabled(true);
    sim->ClearFrames();

    CMsgWnd::SetNextAnswer(1);
    Click("device_reset_btn");

    const Json::Value after = ReadJson(ProfilePath());
    EXPECT_EQ(after["Device"][0]["DPIStages"]["StageDPIs"][2]["StageDPIX"].asInt(), 30);  // the default
    EXPECT_EQ(after["profilename"], before["profilename"]);
    EXPECT_EQ(after["profileUUID"], before["profileUUID"]);
    EXPECT_EQ(GetText(PageControl("DPI_edit_2")), QStringLiteral("1600"));
    EXPECT_EQ(OnlySettingsRecord()[19], 30);
    EXPECT_EQ(CountCommand(kWriteKeyBlock), 1);
    EXPECT_FALSE(keySave->isEnabled());  // the key-editing state is left
}

TEST_F(ProfileCommands, ConfirmedDefaultsReloadTheDefaultDataAndSendIt) {
    TypeAndLeave(PageControl("DPI_edit_2"), QStringLiteral("2350"));
    sim->ClearFrames();

    CMsgWnd::SetNextAnswer(1);
    Click("default_btn");

    EXPECT_EQ(ProfileDevice()["DPIStages"]["StageDPIs"][2]["StageDPIX"].asInt(), 30);
    EXPECT_EQ(mouse->GetDpiStages().at(2).X(), 30);
    EXPECT_EQ(CountCommand(kWriteKeyBlock), 1);
    EXPECT_EQ(OnlySettingsRecord()[19], 30);
}

TEST_F(ProfileCommands, NewSelectsTheNewProfileAndTheDeviceFollows) {
    const std::string before = slot->device->ProfileName();
    sim->ClearFrames();
    Click("device_add_btn");
    QWidget* combo = PageControl("device_profile_combo");
    EXPECT_EQ(ComboTexts(combo), (QStringList{"profile1", "profile2"}));
    EXPECT_EQ(panel->GetSelectedIndex(), 1);
    EXPECT_EQ(GetText(PageControl("device_profile_name_edit")), QStringLiteral("profile2"));
    EXPECT_EQ(ReadJson(ListFile())["profileselect"].asInt(), 1);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy(); }, 3000));
    EXPECT_EQ(slot->device->ProfileName(), panel->ProfileList().Entries()[1].id);
    EXPECT_NE(slot->device->ProfileName(), before);
}

TEST_F(ProfileCommands, DeleteAsksFirstNamingTheProfileAndOnlyAConfirmedOneGoes) {
    Click("device_add_btn");
    Click("device_copy_btn");
    QWidget* combo = PageControl("device_profile_combo");
    ASSERT_EQ(ComboTexts(combo), (QStringList{"profile1", "profile2", "profile2 copy"}));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy(); }, 3000));
    const std::string inUse = ProfilePath();
    const QByteArray listBefore = FileBytes(ListFile());
    sim->ClearFrames();

    CMsgWnd::SetNextAnswer(0);
    Click("device_sub_btn");
    EXPECT_TRUE(CMsgWnd::LastShown().cancelVisible);
    EXPECT_TRUE(CMsgWnd::LastShown().text.contains(QStringLiteral("\"profile2\"")))
        << CMsgWnd::LastShown().text.toStdString();
    EXPECT_EQ(ComboTexts(combo), (QStringList{"profile1", "profile2", "profile2 copy"}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(inUse)));
    EXPECT_EQ(FileBytes(ListFile()), listBefore);

    // Confirmed: the profile in use goes and the device moves to the one the list selects.
    CMsgWnd::SetNextAnswer(1);
    Click("device_sub_btn");
    EXPECT_EQ(CMsgWnd::PendingAnswers(), 0);
    EXPECT_EQ(ComboTexts(combo), (QStringList{"profile1", "profile2 copy"}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(inUse)));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy(); }, 3000));
    EXPECT_EQ(slot->device->ProfileName(), panel->ProfileList().SelectedId());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(ProfilePath())));
}

TEST_F(ProfileCommands, FileDialogsOpenInTheHomeThenInTheLastFolderUsed) {
    ForgetFileDialogFolder();
    SetNextFileName(QString());
    Click("device_export_btn");
    EXPECT_EQ(LastFileDialog().folder, QDir::homePath());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetNextFileName(dir.filePath(QStringLiteral("mine.json")));
    Click("device_export_btn");
    SetNextFileName(QString());
    Click("device_import_btn");
    EXPECT_EQ(LastFileDialog().folder, QDir(dir.path()).absolutePath());
    ForgetFileDialogFolder();
}

TEST_F(ProfileCommands, RenameRefusesATakenName) {
    Click("device_add_btn");
    ChooseItem(PageControl("device_profile_combo"), 0);  // back to profile1, which is renamed
    const int shown = CMsgWnd::LastShown().count;

    SetText(PageControl("device_profile_name_edit"), QStringLiteral("PROFILE2"));
    CMsgWnd::SetNextAnswer(1);
    Click("device_profile_edit_save_btn");
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_5"));
    EXPECT_EQ(ReadJson(ListFile())["profilelist"][0]["profilename"].asString(), "profile1");

    // An empty or blank name is refused with the reason, not ignored.
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        const int before = CMsgWnd::LastShown().count;
        SetText(PageControl("device_profile_name_edit"), blank);
        CMsgWnd::SetNextAnswer(1);
        Click("device_profile_edit_save_btn");
        EXPECT_EQ(CMsgWnd::LastShown().count, before + 1) << blank.toStdString();
        EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_profile_name_empty"))
            << blank.toStdString();
        EXPECT_EQ(ReadJson(ListFile())["profilelist"][0]["profilename"].asString(), "profile1");
    }

    SetText(PageControl("device_profile_name_edit"), QStringLiteral("Work"));
    Click("device_profile_edit_save_btn");
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 3) << "a good name is taken without a message";
    EXPECT_EQ(ReadJson(ListFile())["profilelist"][0]["profilename"].asString(), "Work");
    EXPECT_EQ(ReadJson(ProfilePath())["profilename"].asString(), "Work");
    EXPECT_EQ(ComboTexts(PageControl("device_profile_combo")).front(), QStringLiteral("Work"));
}

TEST_F(ProfileCommands, ImportTakesOnlyProfileFilesAndSaysWhenAFileIsNotOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto file = [&dir](const char* name, const QByteArray& bytes) {
        QFile out(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    };
    Json::Value valid = ReadJson(ProfilePath());
    valid["profilename"] = "Imported";
    const std::string validText = Json::StyledWriter().write(valid);
    Json::Value noId = valid;
    noId.removeMember("profileUUID");

    struct Case {
        QString path;
        bool taken;
    };
    const Case cases[] = {
        {QString(), false},  // cancelled
        {file("text.json", "not json at all"), false},
        {file("noid.json", QByteArray::fromStdString(Json::StyledWriter().write(noId))), false},
        {file("array.json", "[1, 2]"), false},
        {dir.filePath(QStringLiteral("absent.json")), false},  // no such file
        {file("valid.json", QByteArray::fromStdString(validText)), true},
    };
    const QString refusal =
        CLanguageTable::Instance().Text(QStringLiteral("message_text_profile_not_profile"));
    int expected = panel->ProfileList().Count();
    for (const Case& c : cases) {
        const int dialogs = LastFileDialog().count;
        const int shown = CMsgWnd::LastShown().count;
        const bool refused = !c.path.isEmpty() && !c.taken;
        if (refused) CMsgWnd::SetNextAnswer(1);
        SetNextFileName(c.path);
        Click("device_import_btn");
        EXPECT_EQ(CMsgWnd::LastShown().count, shown + (refused ? 1 : 0)) << c.path.toStdString();
        if (refused) {
            EXPECT_TRUE(CMsgWnd::LastShown().text.startsWith(refusal))
                << CMsgWnd::LastShown().text.toStdString();
            EXPECT_TRUE(CMsgWnd::LastShown().text.endsWith(c.path));
        }
        EXPECT_EQ(LastFileDialog().count, dialogs + 1);
        EXPECT_EQ(LastFileDialog().mode, FileDialogMode::Open);
        EXPECT_EQ(LastFileDialog().filterName, QStringLiteral("Profile Files(*.json)"));
        expected += c.taken ? 1 : 0;
        EXPECT_EQ(panel->ProfileList().Count(), expected) << c.path.toStdString();
    }
    EXPECT_EQ(ComboTexts(PageControl("device_profile_combo")).back(), QStringLiteral("Imported"));
}

TEST_F(ProfileCommands, ExportWritesTheProfileFileToTheChosenPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("mine.json"));

    SetNextFileName(QString());  // cancelled: nothing written
    Click("device_export_btn");
    EXPECT_EQ(LastFileDialog().mode, FileDialogMode::Save);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    SetNextFileName(target);
    Click("device_export_btn");
    EXPECT_EQ(ReadJson(target.toStdString()), ReadJson(ProfilePath()));
}

TEST_F(ProfileCommands, AFailedProfileWriteIsReported) {
    const int shown = CMsgWnd::LastShown().count;
    SetAtomicWriteByteLimitForTest(0);  // every file write now fails as on a full disk
    CMsgWnd::SetNextAnswer(1);
    Click("device_add_btn");
    SetAtomicWriteByteLimitForTest(-1);

    EXPECT_EQ(panel->ProfileList().Count(), 1);
    ASSERT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_TRUE(CMsgWnd::LastShown().textId.isEmpty());
    EXPECT_TRUE(CMsgWnd::LastShown().text.startsWith(
        CLanguageTable::Instance().Text(QStringLiteral("message_text_profile_file"))));
}

TEST_F(ProfileCommands, MacrosThatDoNotFitAreToldWithTheirExcess) {
    // 600 events: 16 + 6 + 2400 = 2422 bytes for a device with 16 x 128 = 2048.
    Json::Value list;
    list["MacroInfo"][0]["MacroName"] = "long";
    list["MacroInfo"][0]["Guid"] = "long_macro";
    ASSERT_TRUE(WriteJson(InUserFolder("macro.config"), list));
    Json::Value macro;
    for (int i = 0; i < 600; ++i) {
        Json::Value& event = macro["Events"][i];
        event["Delay"] = "10";
        event["Type"] = 1;
        event["Action"] = i % 2 ? "up" : "down";
        event["Button"] = 65;
    }
    ASSERT_TRUE(WriteJson(InUserFolder("long_macro.mac"), macro));

    CMsgWnd::SetNextAnswer(1);
    AddPageButton("key_butt_prosave")->click();

    EXPECT_TRUE(CMsgWnd::LastShown().textId.isEmpty());
    const QString expected = CLanguageTable::Instance()
                                 .Text(QStringLiteral("message_text_16"))
                                 .replace(QStringLiteral("%d"), QStringLiteral("94"));
    EXPECT_EQ(CMsgWnd::LastShown().text, expected);
    EXPECT_TRUE(sim->MacroImage().empty());
    EXPECT_EQ(CountCommand(kWriteKeyBlock), 1);  // the keys are written all the same
}

TEST_F(ProfileCommands, AChoiceIsKeptWhenAnotherDeviceIsSelectedWithinTheDelay) {
    auto other = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
    other->Plug();
    DeviceSlot* otherSlot = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& s : devicePart->Slots().All())
                if (s.get() != slot && s->entry->IsShown() && s->mouse && !s->device->IoBusy() &&
                    s->mouse->KeyBlockRead())
                    otherSlot = s.get();
            return otherSlot != nullptr;
        },
        5000));
    // The first mouse stays selected (or is selected again) for the choice.
    if (wnd->SelectedSlot() != slot)
        qobject_cast<QAbstractButton*>(FindControl(slot->entry, QStringLiteral("device_select")))->click();
    ASSERT_EQ(wnd->SelectedSlot(), slot);
    Click("device_add_btn");
    const std::string chosenId = panel->ProfileList().Entries()[1].id;
    const std::string otherProfile = otherSlot->device->ProfileName();
    sim->ClearFrames();

    ChooseItem(PageControl("device_profile_combo"), 1);
    qobject_cast<QAbstractButton*>(FindControl(otherSlot->entry, QStringLiteral("device_select")))->click();
    ASSERT_EQ(wnd->SelectedSlot(), otherSlot);

    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy(); }, 3000));
    EXPECT_EQ(slot->device->ProfileName(), chosenId);
    EXPECT_EQ(otherSlot->device->ProfileName(), otherProfile);
    other->Unplug();
}
