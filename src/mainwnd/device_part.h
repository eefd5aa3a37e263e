#pragma once
// The device side of the main window, added to CMainWnd as a part (main_wnd_part.h):
//   - at window init: the interface slots (one per supported-interface row), one device
//     slot per device-definition row whose kind has a device class (device object,
//     device-bar entry, power panel; all hidden; the page follows on the device's first
//     arrival), and the three workers: discovery (thread slot 0), update check (2) and light
//     synchronisation (8);
//   - arrival (kMsgDeviceArrival) and removal (kMsgDeviceRemoval) of interfaces: channels opened and closed,
//   entries
//     shown and hidden with the selection rules, "No_device_Link";
//   - the device bar: the user's selection, "device_select_prev"/"device_select_next";
//   - the flags every device is told; the tray items that plug and unplug simulated devices.
//
// Files: device_part.cpp (the part's entry points), device_slot_factory.cpp (start-up
// creation), device_arrival.cpp (arrival and removal, secondary channels), device_bar.cpp (showing,
// hiding and selecting entries), device_workers.cpp (the three threads),
// sim_tray_menu.cpp (simulated devices). Everything runs on the user-interface thread but
// the workers, which reach it only by window messages.
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "mainwnd/device_slots.h"
#include "devices/discovery/device_table.h"
#include "devices/discovery/interface_slots.h"
#include "mainwnd/main_wnd_part.h"

class QStackedWidget;
class QWidget;
struct DeviceDefinitionRow;

// Posted by a device's input worker (through its owner callback) when the device asked to
// be read again: wParam = device slot index. The handler has the device schedule its re-read.
constexpr unsigned kMsgDeviceResync = 3100;
// Posted by the discovery worker when an interface of a supported device is present but
// may not be opened (no access rights): the no-device panel then says what to do.
constexpr unsigned kMsgDeviceAccessDenied = 3101;
// Posted by the light-sync worker: the lighting of synchronised device slot wParam changed,
// the other synchronised devices follow it.
constexpr unsigned kMsgLightSyncFollow = 3102;

// The simulated models the simulation menu can plug, as a --simulate list.
std::string SimulatedModelList();

class CDevicePart final : public IMainWndPart {
public:
    // simulateList: the simulated devices the program was started with ("mouse,mouse3389");
    // not empty turns on the tray items for plugging and unplugging simulated devices.
    explicit CDevicePart(std::string simulateList = {});
    ~CDevicePart() override;

    // ---- IMainWndPart ----
    void OnWindowInit(CMainWnd& wnd) override;
    bool OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnNotify(CMainWnd& wnd, TNotifyUI& msg) override;
    bool OnMenuCommand(CMainWnd& wnd, const QString& item) override;
    void OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) override;
    void OnDeviceFlag(CMainWnd& wnd, DeviceFlag flag, int value) override;
    void OnLanguageApplied(CMainWnd& wnd, int index) override;
    void OnDestroy(CMainWnd& wnd) override;
    bool AnyDeviceEntryVisible(const CMainWnd& wnd) const override;

    // ---- state, for the other parts and tests ----
    CInterfaceSlots& InterfaceSlots() { return *interfaceSlots_; }
    CDeviceSlots& Slots() { return slots_; }
    // Index, kind and sub-kind of the entry the user selected last (-1, 0, 0 at first).
    int SelectedEntry() const { return selectedEntry_; }
    int SelectedKind() const { return selectedKind_; }
    int SelectedSubKind() const { return selectedSubKind_; }
    // Called when the selected entry is hidden while a macro recording may run: stops the
    // recording (set by the macro feature; nothing by default).
    void SetRecordingStopper(std::function<void()> stopper) { stopRecording_ = std::move(stopper); }

    // ---- the device bar (device_bar.cpp) ----
    // Shows or hides entry i; select switches the page and the power panel to it and
    // selects it (deselects it when false).
    void ShowEntry(int i, bool visible, bool select);
    // Hides entry i; when it was the selected one, the first other visible entry is selected.
    void HideEntry(int i);
    // The nearest visible entry before / after the selected one; nothing at the ends.
    void SelectPrevious();
    void SelectNext();

    // ---- arrival and removal (device_arrival.cpp) ----
    void OnArrival(int slot);
    void OnRemoval(int slot);

private:
    // device_slot_factory.cpp
    void CreateDeviceSlots();
    void CreateDeviceSlot(int deviceRow);
    // Builds the page of a slot's device and binds it (once; later calls return true). False
    // when the page's skin is missing or incomplete.
    bool BuildSlotPage(DeviceSlot& slot);
    void NameEntries();
    void FindContainers();
    // device_arrival.cpp
    void OpenSecondary(const HidDeviceInfo& info);
    void CloseSecondary(int slot, const HidDeviceInfo& info);
    void ReopenPaired(const HidDeviceInfo& info);
    std::vector<DeviceSlot*> SlotsOfKind(int kind) const;
    int IndexOfSlot(const DeviceSlot* slot) const;
    // device_bar.cpp
    void OnUserSelection();
    void ShowPowerPanelOf(const DeviceSlot* slot);
    void UpdateBarButtons();
    bool AnyOtherEntryVisible(int i) const;
    void SelectTab(QWidget* container, int index);
    // device_workers.cpp
    void StartWorkers();
    // device_io_seam.cpp: every device's I/O worker, its busy page, and their stop.
    void AttachDeviceIo();
    void StopDeviceIo();
    // sim_tray_menu.cpp
    bool OnSimulationCommand(const QString& item);

    CMainWnd* wnd_ = nullptr;
    std::string simulateList_;
    std::shared_ptr<CInterfaceSlots> interfaceSlots_;
    CDeviceTable deviceTable_;  // the table the slots were made from
    CDeviceSlots slots_;
    QPointer<QWidget> entryContainer_;    // where entries go ("device_select_list" or "device_select_layout")
    QPointer<QStackedWidget> pageStack_;  // "device_switch"
    QPointer<QWidget> powerSwitch_;       // "device_power_switch"
    QPointer<QStackedWidget> powerStack_;  // the stack of power panels in it
    int selectedEntry_ = -1;
    int selectedKind_ = 0;
    int selectedSubKind_ = 0;
    int lightControl_ = 1;
    int attention_ = 0;
    bool pairedToggle_ = false;  // paired rows alternate between their two paths
    std::function<void()> stopRecording_;
};
