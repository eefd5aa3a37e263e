#pragma once
// Keeps devices on their selected profile for users who turned it on: after the computer
// wakes, every attached mouse whose settings differ from its selected profile gets the
// profile written again (arrivals do the same after their first read, see
// KeepSelectedProfile). The tray menu carries the two choices of profile_keep_settings.h.
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

// With the choice on, writes the selected profile to a mouse whose settings differ from it;
// nothing for other kinds or with the choice off.
void KeepSelectedProfile(CVornakelUSBDevice& device);
