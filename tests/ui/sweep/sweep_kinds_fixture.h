#pragma once
// The consistency sweep of the keyboard, the mouse pad and the headset: the real main window
// with the three simulators plugged (and the headset's simulated audio library), driven as a
// user drives it; helpers read the three views that must agree (the page, the profile file
// on disk, the device's memory or the audio library) and restart the program on the same
// data folder with the same devices.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <json/json.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "devices/audio/audio_properties.h"
#include "devices/audio/simulated_audio_library.h"
#include "devices/discovery/simulated_rows.h"
#include "devices/keyboard_device.h"
#include "devices/usb_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "shell/msg_wnd.h"
#include "sim/sim_bus.h"
#include "sim/sim_headset.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_pad.h"
#include "ui/controls.h"
#include "util/debug_log.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kinds_sweep {

using Bytes = std::vector<uint8_t>;
using Lib = SimulatedAudioLibrary;

// What one control shows: its text, value, selection or check, as one comparable string.
inline std::string Shown(QWidget* control) {
    if (!control) return "<missing>";
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return "item " + std::to_string(combo->currentIndex()) + " of " + std::to_string(combo->count()) +
               " \"" + combo->currentText().toStdString() + "\"";
    if (auto* slider = qobject_cast<QAbstractSlider*>(control))
        return "value " + std::to_string(slider->value());
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return "text \"" + edit->text().toStdString() + "\"";
    // A key's LED strip shows its colour, a key button its assignment in its tool tip.
    if (control->property("lightColour").isValid())
        return "colour " + std::to_string(control->property("lightColour").toUInt());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isCheckable() ? (button->isChecked() ? "on" : "off")
                                     : "button \"" + button->toolTip().toStdString() + "\"";
    return "selected " + std::to_string(IsSelected(control));
}

// The shown state of named controls of a page, name by name.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot SnapshotOf(QWidget* page, const std::vector<std::string>& names) {
    Snapshot shot;
    for (const std::string& name : names) shot[name] = Shown(FindControl(page, QString::fromStdString(name)));
    return shot;
}

// Every named control of a page a user can change or press: buttons, options, sliders,
// combos, edits, lists and the program's own pointer-driven controls.
inline std::set<std::string> InteractiveControlNames(QWidget* page) {
    static const char* const kOwnClasses[] = {"CColorPaletteUI", "CSelectPanelUI"};
    std::set<std::string> names;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        if (name.empty() || name.rfind("qt_", 0) == 0) continue;
        bool interactive = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QTextEdit*>(w) || qobject_cast<QAbstractItemView*>(w);
        for (const char* own : kOwnClasses) interactive = interactive || w->inherits(own);
        // A line edit inside a combo belongs to the combo.
        if (interactive && qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (interactive) names.insert(name);
    }
    return names;
}

// A name, or a family written as "prefix*": every control whose name starts with prefix.
inline bool Covers(const std::string& pattern, const std::string& name) {
    if (!pattern.empty() && pattern.back() == '*')
        return name.rfind(pattern.substr(0, pattern.size() - 1), 0) == 0;
    return pattern == name;
}

// A control of the page that no case drives, with why it is not a setting.
struct NotDriven {
    const char* pattern;
    const char* reason;
};

class KindsSweep : public ::testing::Test {
protected:
    static constexpr uint8_t kWriteMemory = 0x06;
    static constexpr size_t kPayload = 8;
    const std::string kMic = std::to_string(Lib::kMicrophoneId);
    const std::string kOut = std::to_string(Lib::kHeadphonesId);

    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        SimHidBus::Instance().UnplugAll();
        QDir(DataRoot()).removeRecursively();
        CMsgWnd::ClearNextAnswers();
        AddSimulatedDeviceRows("keyboard,pad,headset");
        keyboard = std::make_shared<SimKeyboard>();
        pad = std::make_shared<SimPad>();
        headset = std::make_shared<SimHeadset>();
        keyboard->Plug();
        pad->Plug();
        headset->Plug();
        StartWindow({});
    }

    void TearDown() override {
        CMsgWnd::ClearNextAnswers();
        CloseWindow();
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }

    static QString DataRoot() {
        return QString::fromLocal8Bit(std::getenv("XDG_DATA_HOME")) + QStringLiteral("/KV_ELM Gaming mouse");
    }

    // ---- the program ----
    void StartWindow(const std::function<void(Lib&)>& primeLibrary) {
        wnd = std::make_unique<CMainWnd>();
        auto devices = std::make_unique<CDevicePart>("keyboard,pad,headset");
        part = devices.get();
        wnd->AddPart(std::move(devices));
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->Initialised(); }, 3000));
        if (primeLibrary) {
            Lib* lib = LibraryOf(SlotOfKind(DeviceKind::kHeadsetHs6533));
            ASSERT_NE(lib, nullptr);
            primeLibrary(*lib);
            headset->Plug();
        }
        for (int kind : {DeviceKind::kKeyboard, DeviceKind::kMousePad, DeviceKind::kHeadsetHs6533})
            ASSERT_TRUE(QTest::qWaitFor([&] { return Read(SlotOfKind(kind)); }, 8000)) << "kind " << kind;
        QApplication::processEvents();
        ClearFrames();
        if (Lib* lib = library()) lib->ClearCalls();
    }

    void CloseWindow() {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        part = nullptr;
    }

    // Closes the program and starts it again on the same data folder with the same devices
    // still plugged. The audio system outlives the program: the new window's audio library
    // starts with what the old one held. The headset is taken off the bus meanwhile so that
    // the new window meets it only once its library holds that state.
    void Restart() {
        std::map<std::pair<uint32_t, std::string>, std::string> held;
        if (Lib* old = library())
            for (uint32_t endpoint : {Lib::kMicrophoneId, Lib::kHeadphonesId})
                for (const std::string& name : CarriedProperties())
                    if (std::string value = old->Value(endpoint, name); !value.empty())
                        held[{endpoint, name}] = value;
        CloseWindow();
        headset->Unplug();
        StartWindow([&held](Lib& lib) {
            for (const auto& [key, value] : held) lib.SetValue(key.first, key.second, value);
        });
    }

    static std::vector<std::string> CarriedProperties() {
        std::vector<std::string> names = {prop::kVolumeScalar,   prop::kMute,       prop::kMonitorScalar,
                                          prop::kMonitorMute,    prop::kMagicVoice, prop::kMicEcho,
                                          prop::kMagicSelection, prop::kEqEnable};
        for (int band = 1; band <= 10; ++band) names.push_back(prop::kEqSliderPrefix + std::to_string(band));
        return names;
    }

    // A device of the kind was read and its page is the user's.
    bool Read(DeviceSlot* slot) const {
        if (!slot || !slot->entry->IsShown() || !slot->page || slot->device->IoBusy()) return false;
        if (slot->keyboard && !slot->keyboard->KeyTableRead()) return false;
        const std::string file = slot->device->GetProfileFile();
        return !file.empty() && QFile::exists(QString::fromStdString(file));
    }

    DeviceSlot* SlotOfKind(int kind) const {
        if (!part) return nullptr;
        for (const auto& slot : part->Slots().All())
            if (slot->kind == kind && slot->device->HidInfo().vendorId != 0) return slot.get();
        return nullptr;
    }
    static Lib* LibraryOf(DeviceSlot* slot) {
        return slot ? dynamic_cast<Lib*>(slot->audioLibrary.get()) : nullptr;
    }
    Lib* library() const { return LibraryOf(SlotOfKind(DeviceKind::kHeadsetHs6533)); }

    // Shows the device's page (its entry selected) on tab `tab` (nullptr: as it is).
    DeviceSlot* Open(int kind, const char* tab) {
        DeviceSlot* slot = SlotOfKind(kind);
        EXPECT_NE(slot, nullptr);
        if (!slot) return nullptr;
        SetSelected(FindControl(slot->entry, QStringLiteral("device_select")), true, true);
        EXPECT_EQ(wnd->SelectedSlot(), slot);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wnd.get()));
        page = slot->page;
        if (tab) Click(tab);
        return slot;
    }

    void ClearFrames() const {
        keyboard->ClearFrames();
        pad->ClearFrames();
        headset->ClearFrames();
    }

    // ---- the page as the user drives it ----
    QWidget* Control(const std::string& name) const {
        QWidget* control = page ? FindControl(page, QString::fromStdString(name)) : nullptr;
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Drove(const std::string& name) { driven.insert(name); }

    // A click with the mouse where a user clicks it (a check box on its box).
    void Click(const std::string& name) {
        Drove(name);
        QWidget* control = Control(name);
        if (!control) return;
        ASSERT_TRUE(control->isEnabled()) << name;
        ASSERT_TRUE(control->isVisible()) << name;
        const bool box = qobject_cast<QCheckBox*>(control) != nullptr;
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier,
                          box ? QPoint(8, control->height() / 2) : control->rect().center());
    }
    void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }
    void TypeAndLeave(const std::string& name, const QString& text) {
        Drove(name);
        auto* edit = qobject_cast<QLineEdit*>(Control(name));
        ASSERT_NE(edit, nullptr) << name;
        Type(edit, text);
        if (edit->hasFocus()) {
            edit->clearFocus();
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
            QApplication::sendEvent(edit, &out);
        }
    }
    void TypeAndEnter(const std::string& name, const QString& text) {
        Drove(name);
        auto* edit = qobject_cast<QLineEdit*>(Control(name));
        ASSERT_NE(edit, nullptr) << name;
        Type(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void DragAndRelease(const std::string& name, int position) {
        Drove(name);
        auto* slider = qobject_cast<QAbstractSlider*>(Control(name));
        ASSERT_NE(slider, nullptr) << name;
        ASSERT_TRUE(slider->isEnabled()) << name;
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
    void Choose(const std::string& name, int index) {
        Drove(name);
        QWidget* combo = Control(name);
        ASSERT_NE(combo, nullptr);
        ASSERT_TRUE(combo->isEnabled()) << name;
        ASSERT_LT(index, GetItemCount(combo)) << name;
        SelectItem(combo, index, true);
    }
    std::string ShownOf(const std::string& name) const { return Shown(Control(name)); }
    bool Selected(const std::string& name) const { return IsSelected(Control(name)); }
    int Value(const std::string& name) const { return GetValue(Control(name)); }

    // ---- what reached the disk ----
    static Json::Value ReadJson(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        Json::Value root;
        Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root);
        return root;
    }
    // The device's object in its profile file.
    static Json::Value Profile(const DeviceSlot* slot) {
        return ReadJson(slot->device->GetProfileFile())["Device"][0];
    }
    // A member of the device's object by a path "A/B/2/C".
    static Json::Value Stored(const DeviceSlot* slot, const std::string& path) {
        Json::Value value = Profile(slot);
        size_t from = 0;
        while (from <= path.size()) {
            const size_t to = std::min(path.find('/', from), path.size());
            const std::string step = path.substr(from, to - from);
            const bool index = !step.empty() && std::all_of(step.begin(), step.end(), ::isdigit);
            value = index ? Json::Value(value[static_cast<Json::ArrayIndex>(std::stoi(step))])
                          : Json::Value(value[step]);
            from = to + 1;
        }
        return value;
    }

    // ---- what reached the devices ----
    // The payloads of the settings writes (command 6) a device received since ClearFrames.
    static std::vector<Bytes> MemoryWrites(const SimCommandDevice& device) {
        std::vector<Bytes> writes;
        for (const Bytes& frame : device.CommandFrames())
            if (frame.size() > kPayload && frame[3] == kWriteMemory)
                writes.emplace_back(frame.begin() + kPayload, frame.begin() + kPayload + frame[4]);
        return writes;
    }

    // The first lighting bytes of the active slot of the pad's or the headset's memory.
    static Bytes ActiveLighting(const SimLightingDevice& device) {
        const Bytes memory = device.SettingsMemory();
        const size_t at = size_t{memory.at(0)} * SimLightingDevice::kBlockSize;
        return Bytes(memory.begin() + static_cast<long>(at), memory.begin() + static_cast<long>(at) + 9);
    }

    // ---- coverage ----
    // The controls every device page shares that are no setting of the device.
    static std::vector<NotDriven> ProfilePanelNotDriven() {
        const char* const commands = "profile commands: the profile tests drive them on every page";
        return {
            {"device_profile_combo", commands},
            {"device_profile_name_edit", commands},
            {"device_profile_edit_save_btn", commands},
            {"device_add_btn", commands},
            {"device_copy_btn", commands},
            {"device_sub_btn", commands},
            {"device_import_btn", commands},
            {"device_export_btn", commands},
            {"device_reset_btn", "profile reset: the reset tests drive it on every page"},
            {"default_btn",
             "restore defaults: RestoreDefaults (kbpad_tests) and the headset's defaults test "
             "click it and check device, file and page"},
            {"profile_fun_spread_btn", "opens the profile menu; no setting"},
            {"profile_program_*",
             "programs bound to a profile: FocusFollowTest.ProfileMenuBindsAndMarksTheSelectedProfile "
             "drives them and checks the list file"},
            {"profile_return_check", "the return profile: the same focus test drives it"},
        };
    }
    // The function tabs another kind's page uses: hidden on this page.
    static std::vector<NotDriven> HiddenTabs(const std::vector<const char*>& tabs) {
        std::vector<NotDriven> listed;
        for (const char* tab : tabs) listed.push_back({tab, "a tab of another kind of device; hidden here"});
        return listed;
    }

    // Every interactive control of the page is driven or listed with a reason; prints the
    // page's controls and what became of each to stdout and to an artifact file.
    void CheckCoverage(const std::string& pageName, std::vector<NotDriven> notDriven) {
        for (const NotDriven& shared : ProfilePanelNotDriven()) notDriven.push_back(shared);
        ASSERT_NE(page, nullptr);
        std::string report = "sweep of page " + pageName + "\n";
        for (const std::string& name : InteractiveControlNames(page)) {
            const bool drove = std::any_of(driven.begin(), driven.end(),
                                           [&](const std::string& p) { return Covers(p, name); });
            const auto listed = std::find_if(notDriven.begin(), notDriven.end(),
                                             [&](const NotDriven& n) { return Covers(n.pattern, name); });
            if (drove)
                report += "  drove     " + name + "\n";
            else if (listed != notDriven.end())
                report += "  not a setting " + name + ": " + listed->reason + "\n";
            EXPECT_TRUE(drove || listed != notDriven.end())
                << pageName << ": control \"" << name << "\" is neither driven nor listed with a reason";
        }
        std::cout << report;
#ifdef KVELM_SWEEP_ARTIFACTS
        QDir().mkpath(QStringLiteral(KVELM_SWEEP_ARTIFACTS));
        std::ofstream(std::string(KVELM_SWEEP_ARTIFACTS "/sweep_") + pageName + ".txt") << report;
#endif
    }

    std::shared_ptr<SimKeyboard> keyboard;
    std::shared_ptr<SimPad> pad;
    std::shared_ptr<SimHeadset> headset;
    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* part = nullptr;
    QWidget* page = nullptr;
    std::set<std::string> driven;  // names and "prefix*" families the cases drove
};

}  // namespace kinds_sweep
