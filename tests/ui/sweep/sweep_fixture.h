#pragma once
// The consistency sweep's fixture: the real main window (device part and page wiring) on
// simulated devices and a private data folder, driven by control name as a person drives
// it, with what the three views hold at hand: the page (its controls), the profile file on
// disk and the simulator's memory.
//
// A sweep case drives a control (Click, TypeAndEnter, TypeAndLeave, DragAndRelease, Tick,
// Choose, ChooseRow), then checks the page, ProfileDevice() and the simulator. Every driver
// books the control as driven; Snapshot() before Restart() and ExpectSameShown() after it
// show that the page comes back as it was left; CoverageCheck() fails for each interactive
// control of the page that no case drove and no list names as display-only, and prints the
// page's driven controls (stdout and artifacts/sweep_<page>.txt).
#include <gtest/gtest.h>
#include <QString>
#include <json/json.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "sim/sim_bus.h"
#include "temp_folder.h"

class CDevicePart;
class QPoint;
class QWidget;

// What a page shows: control name -> its shown state as text ("checked 1 text 'On'",
// "value 800", "text '800'", "index 2 'Fast'", "rows [a|b]", "colour ff102030").
using ShownState = std::map<QString, QString>;
// Control name (a trailing '*' matches every name with that prefix) -> why it is no setting.
using DisplayOnlyList = std::map<QString, QString>;

class SweepFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // ---- the program ----
    // Makes and plugs the simulators of a --simulate list ("mouse", "mouse3389,keyboard", ...)
    // with the device rows they need, then starts the window as the program does with that
    // list. The simulators stay plugged until the test ends, across Restart().
    void Start(const std::string& simulateList);
    // Waits until the device of simulator `simName` was found, read and its page filled (and
    // `ready`, when given, holds for its slot), then selects its entry and shows the window.
    // The result is the slot (nullptr after a failed assertion).
    using ReadyCheck = std::function<bool(const DeviceSlot&)>;
    DeviceSlot* OpenDevice(const std::string& simName, ReadyCheck ready = {});
    // Closes and destroys the window, builds a new one on the same data folder and the same
    // plugged simulators, and opens the device opened last again (with the same ReadyCheck).
    void Restart();
    // The simulator of a name of the list, as its class.
    template <class T>
    std::shared_ptr<T> Sim(const std::string& simName) const {
        const auto it = sims_.find(simName);
        return it == sims_.end() ? nullptr : std::dynamic_pointer_cast<T>(it->second);
    }
    CMainWnd& Window() const { return *wnd_; }
    CDevicePart& Devices() const { return *devices_; }
    DeviceSlot& Slot() const { return *slot_; }
    QWidget* Page() const;
    // The user's data home of this test (XDG_DATA_HOME), kept across Restart().
    const TempFolder& DataHome() const { return dataHome_; }

    // ---- controls, by name on the opened page ----
    // The control, or nullptr with a test failure naming it.
    QWidget* Control(const QString& name) const;
    // A mouse click in the middle of a button (at the box of a check box); the control must
    // be on screen (its tab shown) and enabled.
    void Click(const QString& name);
    // A click at a point of any control (custom controls such as palettes and key panels).
    void ClickAt(const QString& name, const QPoint& point);
    // Focus, select all, type `text`, then Return / then the focus goes elsewhere.
    void TypeAndEnter(const QString& name, const QString& text);
    void TypeAndLeave(const QString& name, const QString& text);
    // Takes the slider's handle, drags it to `value` and lets it go there.
    void DragAndRelease(const QString& name, int value);
    // Clicks a check box or option until it shows `checked` (no click when it does already).
    void Tick(const QString& name, bool checked = true);
    // Opens the combo's list and clicks item `index` / the item showing `text`.
    void Choose(const QString& name, int index);
    void Choose(const QString& name, const QString& text);
    // Clicks row `row` of a list.
    void ChooseRow(const QString& name, int row);
    // Gives the keyboard focus to a control of the window (activating the window first when
    // something else took it); false when the control did not get it.
    bool GiveFocus(QWidget* control) const;
    // Books a control as driven by a case that drives it another way.
    void Driven(const QString& name) { driven_.insert(name); }
    const std::set<QString>& DrivenControls() const { return driven_; }

    // ---- shown state ----
    static QString ShownOf(const QWidget* control);
    QString Shown(const QString& name) const;
    // Every interactive control of a page, by name: buttons, sliders, edits, combos, item
    // views and the program's own pickers (colour palette, key panel), on every tab; rows
    // inside item views and nameless or Qt-internal widgets are not counted.
    static std::vector<QWidget*> InteractiveControls(const QWidget* page);
    // The shown state of the page's interactive controls now on screen (a hidden tab shows
    // nothing); take one per tab to cover a page.
    ShownState Snapshot() const;
    // One failure per control whose shown state differs (or that is gone); controls named
    // in `changes` (with the reason) may differ.
    static void ExpectSameShown(const ShownState& before, const ShownState& after,
                                const DisplayOnlyList& changes = {});
    // Fails with the names of the page's interactive controls that were neither driven nor
    // listed; prints the driven ones to stdout and artifacts/sweep_<pageName>.txt.
    void CoverageCheck(const std::string& pageName, const DisplayOnlyList& displayOnly);

    // ---- the profile file on disk ----
    std::string ProfilePath() const;
    Json::Value ProfileJson() const;
    // The profile's object of this device ("Device"[0]).
    Json::Value ProfileDevice() const { return ProfileJson()["Device"][0]; }
    // A file of the device's user data folder (macros, gun presets, lists).
    std::string UserFile(const std::string& name) const;
    // A JSON file as it is on disk (null when missing or not JSON).
    static Json::Value ReadJsonFile(const std::string& path);

    // ---- waiting ----
    // Waits (processing events, never sleeping) until the device's I/O worker has nothing
    // outstanding and `also` (when given) holds; false on time-out.
    bool Settle(const std::function<bool()>& also = {}, int timeoutMs = 5000) const;

private:
    void BuildWindow();
    void CloseWindow();
    static bool Matches(const QString& name, const QString& pattern);

    TempFolder dataHome_;
    std::string simulateList_;
    std::map<std::string, std::shared_ptr<ISimDevice>> sims_;
    std::unique_ptr<CMainWnd> wnd_;
    CDevicePart* devices_ = nullptr;
    DeviceSlot* slot_ = nullptr;
    std::string openedSim_;
    ReadyCheck openedReady_;
    std::set<QString> driven_;
};
