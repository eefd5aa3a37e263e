#pragma once
// The SDK server as a part of the main window: serves the attached devices to lighting
// programs while it runs (the settings window's switch, or kvelm --sdk-server), tells clients when devices
// come and go, and carries clients' writes to the devices on their I/O workers.
//
// Running the server hands the lights over to other programs, as the caption's
// light-control button shows. While the user has taken them back with the button, clients
// still see the devices but their writes are refused, and the devices go back to their
// profiles' lighting.
//
// Writes: the latest write per device wins. While one is on its way to the device, later
// ones only replace what goes next; a client sending faster than the device answers never
// queues more than one write.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwnd/main_wnd_part.h"
#include "mainwnd/sdk_device_host.h"
#include "sdk/sdk_address.h"
#include "sdk/sdk_server.h"

class CDevicePart;

class CSdkPart final : public IMainWndPart {
public:
    // startRunning: the server listens from the window's start on.
    CSdkPart(CDevicePart& devices, sdk::ServerOptions options, bool startRunning = true);
    ~CSdkPart() override;

    // Starts the server on `address` (nothing else of the options changes) or stops it;
    // stopping closes every client and gives the lights back to the profiles. False, with
    // `error`, when the server cannot listen there.
    bool SetRunning(bool on, const sdk::ListenAddress& address, std::string* error);
    bool Running() const { return server_.Running(); }
    // Called on the window's thread whenever the number of clients changed; empty: nobody.
    void SetClientCountListener(std::function<void(std::size_t)> listener) {
        clientCountListener_ = std::move(listener);
    }

    void OnWindowInit(CMainWnd& wnd) override;
    bool OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnDeviceFlag(CMainWnd& wnd, DeviceFlag flag, int value) override;
    void OnDestroy(CMainWnd& wnd) override;

    std::size_t ClientCount() const { return server_.ClientCount(); }

private:
    struct Pending;
    // Builds the controllers of the attached devices; tells clients when the list changed.
    void Publish();
    // The window's thread: the latest client write to controller `index`.
    void Apply(std::size_t index);
    void Send(int slotIndex);
    void RestoreProfiles();
    bool StartServer(std::string* error);

    CDevicePart& devices_;
    sdk::ServerOptions options_;
    CMainWnd* wnd_ = nullptr;
    CSdkDeviceHost host_;
    sdk::CSdkServer server_{host_};
    std::vector<int> slotOfController_;              // device slot of each published controller
    std::vector<std::unique_ptr<Pending>> pending_;  // per device slot
    bool handedOver_ = true;
    bool startRunning_ = true;
    std::function<void(std::size_t)> clientCountListener_;
};
