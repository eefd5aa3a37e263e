#pragma once
// CVornakelUSBDevice: the base of every device object. It owns what talks to one attached
// device (the command channel, the input channel and its worker, the device information
// block), the device's data folder paths and its configuration. It is no widget: what it
// shows goes through its page (IDevicePage), which may be absent (kvelmctl, tests); a
// device without a page skips all showing.
//
// Threads: every operation runs on the thread that owns the device (the user-interface
// thread in the program). The only other thread is the input worker, which shares nothing
// with the device but a small state block (input_worker.h): its one effect is handing a
// resynchronisation request to the owner (DeviceOwner::resyncRequested), or, without an
// owner, queueing it for RunQueuedTasks on the device's thread.
//
// Result codes: see device_result.h (1 success, 0 refusal or no answer, negative codes).
// Nothing throws.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devices/device_io_worker.h"
#include "devices/device_lists.h"
#include "devices/device_page.h"
#include "devices/device_result.h"
#include "devices/input_worker.h"
#include "hid/hid_device_info.h"
#include "hid/protocol/device_info.h"
#include "hid/protocol/device_protocol.h"
#include "profiles/profile_records.h"
#include "util/worker_thread.h"

class CBasicProfiledata;

// The arguments of WriteSettings; every caller of the program passes record 0, first
// byte 0, flag 1 and the screen size recorded at start-up (which the mouse does not use).
struct SettingsWrite {
    int record = 0;
    int firstByte = 0;
    int flag = 1;
    int screenWidth = 0;
    int screenHeight = 0;
};

class CVornakelUSBDevice {
public:
    static constexpr int kDefaultResyncTimerMs = 500;
    // The first read follows an arrival after this delay; the power status is then polled
    // at kPowerPollMs while the device polls periodically.
    static constexpr int kFirstReadDelayMs = 500;
    static constexpr int kPowerPollMs = 5000;

    CVornakelUSBDevice();
    // Stops the input worker and closes both channels.
    virtual ~CVornakelUSBDevice();
    CVornakelUSBDevice(const CVornakelUSBDevice&) = delete;
    CVornakelUSBDevice& operator=(const CVornakelUSBDevice&) = delete;

    // ---- configuration (the main window, after the page is built, before opening) ----
    // The skin file of the device page; empty: the device has no page.
    void SetLayoutFile(const std::string& file) { layoutFile_ = file; }
    // The page object that shows the device (not owned; nullptr: none). Used only while a
    // layout file is set.
    void SetPage(IDevicePage* page) { page_ = page; }
    IDevicePage* Page() const { return layoutFile_.empty() ? nullptr : page_; }
    void SetOwnerWindow(DeviceOwner owner);
    // Base name of the profile file: data folder + name + ".Json".
    void SetProfileName(const std::string& name) { profileName_ = name; }
    const std::string& ProfileName() const { return profileName_; }
    // Where the last profile load kept a profile file it could not read (the default data
    // was written in its place); empty when nothing was set aside.
    const std::string& ProfileKeptAside() const { return profileKeptAside_; }
    // Base name of the settings (light configuration) file: data folder + name + ".config".
    void SetConfigName(const std::string& name) { configName_ = name; }
    const std::string& ConfigName() const { return configName_; }
    // Name of the data folder and of the default-data file ("mouse", "mouse3389", ...).
    void SetFolderTag(const std::string& tag) { folderTag_ = tag; }
    const std::string& FolderTag() const { return folderTag_; }
    // Resizes the key control table when n differs (negative counts as 0).
    void SetKeyControlCount(int n);
    int KeyControlCount() const { return keyControlCount_; }
    // Resizes the LED tables when n differs, then clears every LED colour and per-LED
    // effect record to 0 (also when n is the current count).
    void SetLedCount(int n);
    int LedCount() const { return ledCount_; }
    // The power panel (not owned; nullptr: none); it is handed pollPeriodically.
    void SetPowerPanel(IPowerPanel* panel);
    void SetPollPeriodically(int flag);
    int PollPeriodically() const { return pollPeriodically_; }
    // Copies the interface record; the device kind comes from it (the sub-kind stays in HidInfo()).
    void SetHidInfo(const HidDeviceInfo& info);
    const HidDeviceInfo& HidInfo() const { return hidInfo_; }
    int DeviceKind() const { return deviceKind_; }

    // ---- channels ----
    CDeviceProtocol& CommandChannel() { return commandChannel_; }
    const CDeviceProtocol& CommandChannel() const { return commandChannel_; }
    CDeviceProtocol& InputChannel() { return input_->channel; }
    // Opens the command channel on path (read, write, shared) unless it is open, and marks
    // it a slow link for the wireless kind (6). False when the open failed.
    bool OpenCommandChannel(const std::string& path);
    void CloseCommandChannel();
    // When the input channel is not open: opens it on path, then starts the input worker
    // (also after a failed open; it idles until the channel is open). False when the open
    // failed.
    bool OpenInputChannel(const std::string& path);
    // When the input channel is open: stops the input worker (signal, release the blocked
    // read, wait up to 1000 ms), then closes the channel.
    void CloseInputChannel();
    bool InputWorkerRunning() const { return inputWorker_.Running(); }
    // Delay between a resynchronisation request and the re-read (ScheduleResync).
    virtual int ResyncTimerMs() const { return kDefaultResyncTimerMs; }

    // ---- scheduling (through DeviceOwner::schedule; nothing without one) ----
    // The device arrived (its command channel was opened): OnDeviceTimer1 (the first read)
    // follows after kFirstReadDelayMs; after it, while pollPeriodically is set and the command
    // channel is open, OnDeviceTimer5 (the power status query) every kPowerPollMs. Whatever an
    // earlier arrival scheduled is dropped.
    void ScheduleFirstRead();
    // The device asked to be read again: OnDeviceTimer2 after ResyncTimerMs. A request that
    // comes while one is pending restarts the delay, so a burst gives one re-read.
    void ScheduleResync();
    // The device left: nothing scheduled so far runs.
    void CancelScheduled();

    // Without an owner, a resynchronisation request of the device is queued: wait for one
    // (true when queued) and run it on this thread (OnDeviceTimer2; true when one ran).
    bool WaitForQueuedResync(int timeoutMs) { return input_->WaitForQueuedResync(timeoutMs); }
    bool RunQueuedTasks();

    // ---- slow transactions off the owner's thread (device_io.cpp) ----
    // Gives the device an I/O worker of its own. post runs a task on the device's thread
    // later (a queued call; it is called on the worker's thread); busyChanged (device's thread)
    // tells when I/O becomes outstanding and when none is left. Without this, RunIo runs at once.
    void SetIoOwner(std::function<void(std::function<void()>)> post, std::function<void(bool)> busyChanged);
    // Runs io on the I/O worker, after the I/O submitted before it, then done on the device's
    // thread. io talks to the device and touches no page; done is dropped when the device is
    // gone by then. Without an I/O owner both run at once.
    void RunIo(std::function<void()> io, std::function<void()> done);
    // Runs task on the device's thread once no I/O is outstanding (at once when none is), so
    // that it never uses the device's state together with the worker.
    void WhenIoIdle(std::function<void()> task);
    bool IoBusy() const { return ioOutstanding_ > 0; }
    // Stops the I/O worker: queued I/O is dropped, the command channel is closed so that a
    // transaction in progress returns, and the worker is waited for. Its owner calls this
    // before destroying the device: a job may use the members of a device kind.
    void StopIo();

    // ---- paths ----
    // Program folder + "DefaultData/".
    std::string DefaultDataFolder() const;
    // Default-data folder + folder tag + ".Json".
    std::string DefaultDataFile() const;
    // XDG data home + "KV_ELM Gaming mouse/" + folder tag + "/", both levels created when
    // missing.
    std::string DataFolder() const;

    // The device information block as last read (zeros before the first read).
    const DeviceInfoBlock& DeviceInfoBytes() const { return deviceInfo_; }

    // The power status query (every kind answers OnDeviceTimer5 with it): nothing when the
    // command channel is closed (0); reads the 6-byte record (ReadSmallBlock at 0) and
    // returns its result unless 1; sets byte 3 from the channel's slow-link flag, shows the
    // record on the power panel and sends the owner kMsgPowerStatusRead with wParam byte 4.
    // *record receives it when given.
    int QueryPowerStatus(PowerStatusRecord* record = nullptr);

    // ---- page operations (device_operations.cpp) ----
    // The settings write every page operation ends with: record 0, first byte 0, flag 1 and
    // the owner's screen size.
    SettingsWrite PageSettingsWrite() const;
    // SaveProfile, then WriteSettings(PageSettingsWrite()): the first failure, else kResultOk.
    int SaveAndWriteSettings();
    // A lighting control changed the record: it is stored (SetLightEffect), saved, taken
    // back from the profile (ApplyProfileLighting), shown on the page when the mode changed
    // (the lighting hint names the mode), and written.
    int SetLighting(const LightInfoRecord& effect, bool modeChanged);

    // ---- virtual operations (base behaviour; the device kinds override) ----
    // Without a layout file: both control counts become 0 and the control tables are
    // emptied. Otherwise the page binds its key and light buttons.
    virtual void BindPageControls();
    virtual int ApplyProfileLighting() { return 0; }
    // Per-LED colour frame: 4-byte entries (colour bytes 0-2, brightness). Out-of-range
    // indexes are ignored (set) or read as 0 (get).
    virtual void SetLedColour(int index, uint32_t value);
    virtual uint32_t GetLedColour(int index) const;
    // The scheduled work: OnDeviceTimer1 the first read after an arrival, OnDeviceTimer2 the
    // re-read a device asks for, OnDeviceTimer5 the periodic power poll.
    virtual void OnDeviceTimer1() {}
    virtual void OnDeviceTimer2() {}
    virtual void OnDeviceTimer5() {}
    // The first read in two halves, for kinds whose reading touches no page: ReadState talks
    // to the device (on the I/O worker when there is one), ShowReadState takes the result in
    // on the device's thread (loads the profile, fills the page). A kind that does not split
    // its first read keeps it whole on the device's thread.
    virtual void ReadState() {}
    virtual void ShowReadState() { OnDeviceTimer1(); }
    virtual int LoadProfile() { return 0; }
    virtual void RefreshPage() {}
    virtual void ValidateMacroKeys() {}
    virtual void LoadDefaults() {}
    // The profile file was just reset to the default data: load it again. A kind whose state
    // lives partly outside the profile (the headset's audio endpoints) keeps that part.
    virtual void LoadResetProfile() { LoadProfile(); }
    virtual int WriteKeyAssignments(const std::vector<KeyAssignEntry>& /*list*/) { return 0; }
    virtual int WriteCurrentKeyAssignments() { return 0; }
    virtual int WriteMacros() { return 0; }
    virtual int WriteSettings(const SettingsWrite& /*request*/) { return 0; }
    virtual void LoadLists() {}
    // Stores the type and selects the page's function tabs (function_tabs.h).
    virtual void SetFunctionMode(int type);
    int GetFunctionMode() const { return deviceFunction_; }
    virtual void SetFilePaths() {}
    virtual std::string GetProfileFile() const { return {}; }
    // kResultOk when the profile was written (or there is nothing to write),
    // kResultProfileNotSaved when the file could not be written.
    virtual int SaveProfile() { return kResultOk; }
    virtual void SetUserValue(int value) { userValue_ = value; }
    int GetUserValue() const { return userValue_; }
    virtual void SetLightEffect(const LightInfoRecord& effect) { lightEffect_ = effect; }
    const LightInfoRecord& GetLightEffect() const { return lightEffect_; }
    virtual void SelectKey(int index) { selectedKey_ = index; }
    int SelectedKey() const { return selectedKey_; }

protected:
    const DeviceOwner& Owner() const { return owner_; }
    // Hands every input usage but 0x0401 to `callback` on the input worker's thread.
    void SetInputUsageCallback(std::function<void(uint16_t)> callback) {
        input_->SetUsageCallback(std::move(callback));
    }
    void SendOwnerMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) const;
    void SetDeviceKindValue(int kind) { deviceKind_ = kind; }

    // ---- the files of a device kind (usb_device_files.cpp) ----
    // Data folder + ConfigName() + ".config": the host's light presets.
    std::string LightConfigFile() const;
    // The lists of the page (device_lists.h): the macro list `macroListName` of the data
    // folder, the built-in light modes beside the program and the presets of
    // `lightConfigFile`; shown on the page when one is bound.
    DeviceLists LoadPageLists(const std::string& macroListName, const std::string& lightConfigFile);
    // Points `profile` at this device's files: the default data, data folder + ProfileName()
    // + ".Json" (when there is a name) and data folder + ConfigName() + ".config".
    void PointProfileAtFiles(CBasicProfiledata& profile) const;
    // SetFilePaths, then loads the profile of ProfileName() into `profile`. False without a
    // name, or when neither the profile nor the default data hold a device object: then
    // there are no values to take, and the device keeps what it had.
    bool LoadNamedProfile(CBasicProfiledata& profile);
    // SaveProfile of a loaded `profile`: kResultOk also when nothing is loaded (no file to
    // write into), kResultProfileNotSaved when the write failed.
    static int SaveLoadedProfile(CBasicProfiledata& profile);

    CDeviceProtocol commandChannel_;
    DeviceInfoBlock deviceInfo_{};
    // See ProfileKeptAside.
    std::string profileKeptAside_;
    LightInfoRecord lightEffect_;

private:
    // The input channel lives in a block shared with the worker (see the file comment).
    std::shared_ptr<CInputChannelState> input_;
    WorkerThread inputWorker_;
    // Serial numbers of what was scheduled; a task runs only while its serial is current and
    // the block (that is, the device) still exists.
    struct ScheduleSerials {
        unsigned arrival = 0;
        unsigned resync = 0;
    };
    void Schedule(int delayMs, unsigned ScheduleSerials::*serial, void (CVornakelUSBDevice::*task)());
    void FirstRead();
    void PowerPoll();
    void SchedulePowerPoll();
    std::shared_ptr<ScheduleSerials> scheduled_ = std::make_shared<ScheduleSerials>();
    void IoDone(const std::function<void()>& done);

    std::unique_ptr<CDeviceIoWorker> io_;
    std::function<void(bool)> ioBusyChanged_;
    int ioOutstanding_ = 0;  // jobs submitted whose done has not run
    std::vector<std::function<void()>> whenIoIdle_;

    std::string layoutFile_;
    IDevicePage* page_ = nullptr;
    DeviceOwner owner_;
    std::string profileName_;
    std::string configName_;
    std::string folderTag_;
    int deviceKind_ = 0;
    int keyControlCount_ = 0;
    int ledCount_ = 0;
    int deviceFunction_ = 1;
    int selectedKey_ = -1;
    std::vector<uint32_t> ledColours_;
    std::vector<LightInfoRecord> ledEffects_;  // per-LED effect records
    IPowerPanel* powerPanel_ = nullptr;
    int pollPeriodically_ = 0;
    HidDeviceInfo hidInfo_;
    int userValue_ = 0;
};
