#pragma once
// CMpDevicePowerUI: the power panel of one device slot (skin class "MpDevicePower", built
// from "XML\\CustomControlXML\\MpDevicePower.xml" and placed in "device_power_switch").
// It shows the battery level and power state a device read with its power status query,
// the wireless logo of a mouse and the phone on a mouse pad's charger. Setters raise no
// notifications; a press on the panel raises "selectchanged" from it.
//
// Controls, looked up by name on first use: "device_power_Layout" (the whole display),
// "device_power_value", "device_Power_progress", "device_power_status",
// "device_wuxian_logo", "device_phone_type". The background image a status or phone
// control shows is also kept, as "file='power/...png'", in its property "bkimage".
#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include "devices/device_page.h"

class CMpDevicePowerUI : public QWidget, public IPowerPanel {
    Q_OBJECT
public:
    explicit CMpDevicePowerUI(QWidget* parent = nullptr);

    // Kind and sub-kind of the panel's device slot.
    void SetKind(int kind, int subKind);
    int Kind() const { return kind_; }
    int SubKind() const { return subKind_; }

    // Shows "device_power_Layout" when flag is not 0.
    void ShowPowerLayout(int flag);
    // Shows a power status record of `length` bytes (at most 64 are read; missing bytes
    // are 0). Nothing at all is shown when one of the five display controls is missing.
    void ShowPowerStatus(const uint8_t* record, size_t length);

    // IPowerPanel
    void ShowPowerStatus(const PowerStatusRecord& record) override {
        ShowPowerStatus(record.data(), record.size());
    }
    void SetPollPeriodically(int flag) override { ShowPowerLayout(flag); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool LookUpControls();

    int kind_ = 0;
    int subKind_ = 0;
    bool looked_ = false;
    QPointer<QWidget> value_, wirelessLogo_, progress_, status_, phone_;
};
