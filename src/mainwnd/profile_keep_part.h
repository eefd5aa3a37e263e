#pragma once
// Keeps devices on their selected profile for users who turned it on: after the computer
// wakes, every attached device gets its selected profile back (arrivals do the same after
// their first read, see KeepSelectedProfile). The tray menu carries the two choices of
// profile_keep_settings.h.
#include "mainwnd/main_wnd_part.h"

class CDevicePart;
class CVornakelUSBDevice;

class CProfileKeepPart final : public IMainWndPart {
public:
    explicit CProfileKeepPart(CDevicePart& devices) : devices_(devices) {}

    void OnPowerNotice(CMainWnd& wnd, WPARAM event) override;
    bool OnMenuCommand(CMainWnd& wnd, const QString& item) override;
    void OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) override;

    static constexpr const char* kApplyOnArrivalItem = "keep_profile_menu";
    static constexpr const char* kApplyAtLoginItem = "login_apply_menu";

private:
    CDevicePart& devices_;
};

// With the choice on, puts an attached device back on its selected profile: a mouse is read
// and written only when its settings differ from the profile; a keyboard, mouse pad or
// headset, which cannot be compared, gets the profile written as a profile switch writes
// it, on its I/O worker. Nothing with the choice off or the device closed.
void KeepSelectedProfile(CVornakelUSBDevice& device);
