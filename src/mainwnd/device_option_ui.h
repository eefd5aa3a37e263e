#pragma once
// CDeviceOptionUI: one entry of the device bar (skin class "DeviceOption", built from
// "XML\\CustomControlXML\\DeviceOption.xml"). It holds the option "device_select" (selecting
// it selects the device and shows its page), the option "synchro_device_select" (marks the
// device for light synchronisation) and the label "device_select_name".
//
// The entry also drives its device: its control timers 1001-1005 call the device's
// OnDeviceTimer1..5 (timer 1001 starts the power poll 1005 when the device asks for it).
// While the timer gate says no (the system sleeps) a timer that fires is left running and
// does its work once the gate opens.
//
// Setters change controls without notifications, except Select and SetSynchro, which
// raise "selectchanged" as a user's choice does.
#include <QString>
#include <QWidget>
#include <functional>
#include "ui/ui_types.h"

class CVornakelUSBDevice;
class QAbstractButton;

class CDeviceOptionUI : public QWidget, public IControlTimerTarget {
    Q_OBJECT
public:
    static constexpr int kTimerStartUp = 1001;       // 500 ms after arrival: the first read
    static constexpr int kTimerResync = 1002;        // the device asked to be read again
    static constexpr int kTimerDevice3 = 1003;
    static constexpr int kTimerDevice4 = 1004;
    static constexpr int kTimerPowerPoll = 1005;     // every 5000 ms while the device polls
    static constexpr int kStartUpDelayMs = 500;
    static constexpr int kResyncDelayMs = 500;
    static constexpr int kPowerPollMs = 5000;

    explicit CDeviceOptionUI(QWidget* parent = nullptr);

    // The device the entry drives (not owned).
    void SetDevice(CVornakelUSBDevice* device) { device_ = device; }
    CVornakelUSBDevice* Device() const { return device_; }
    // Timers do their work only while gate() is true (no gate: always).
    void SetTimerGate(std::function<bool()> gate) { gate_ = std::move(gate); }

    // Images and tool tip of "device_select" for a device kind (device_kinds.h icon sets);
    // a mouse pad of a sub-kind other than 0 or 1 changes nothing.
    void SetKind(int kind, int subKind);
    int Kind() const { return kind_; }
    int SubKind() const { return subKind_; }
    // The four images as "common/device_ico/<set>_device_<state>.png".
    QString NormalImage() const { return normalImage_; }
    QString SelectedImage() const { return selectedImage_; }
    QString SynchroNormalImage() const { return synchroNormalImage_; }
    QString SynchroSelectedImage() const { return synchroSelectedImage_; }

    void ShowSynchroOption(bool on);
    // Shows the image pair that goes with the synchro option's state (after a user's click).
    void RefreshImages();
    void SetSynchro(bool on);
    bool IsSynchro() const;

    void Select(bool on);
    bool IsSelected() const;

    // Selecting "device_select" shows page index of the tab layout container.
    void BindPage(const QString& container, int index);
    int PageIndex() const;          // -1 when "device_select" is missing
    QString PageContainer() const;  // empty when "device_select" is missing

    // The container of the device's power panel and its index there; a negative index
    // leaves the stored index as it is.
    void SetPowerPanel(const QString& container, int index);
    QString PowerContainer() const { return powerContainer_; }
    int PowerIndex() const { return powerIndex_; }

    void SetGroup(const QString& group);
    void SetName(const QString& text);
    QString Name() const;

    // Shows or hides the entry and keeps the visible flag (the flag holds while the whole
    // window is hidden, when QWidget::isVisible says false).
    void Show(bool on);
    bool IsShown() const { return shown_; }

    QAbstractButton* SelectOption() const;
    QAbstractButton* SynchroOption() const;

    // IControlTimerTarget
    void OnControlTimer(int id) override;

private:

    CVornakelUSBDevice* device_ = nullptr;
    std::function<bool()> gate_;
    bool shown_ = true;
    int kind_ = 0;
    int subKind_ = 0;
    QString normalImage_, selectedImage_, synchroNormalImage_, synchroSelectedImage_;
    QString pageContainer_;
    int pageIndex_ = -1;
    QString powerContainer_;
    int powerIndex_ = -1;
};

// Makes "DeviceOption" and "CDeviceOptionUI" known to the skin loader.
void RegisterDeviceOptionClass();
