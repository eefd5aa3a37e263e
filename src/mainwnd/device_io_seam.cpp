// Every device of the window gets an I/O worker of its own for its slow transactions (the
// first read after an arrival, the writes of a profile switch): a device that stops
// answering then holds up neither the window nor the other devices. While a device has I/O
// outstanding its page is disabled, so nothing on it can start another transaction, and
// the pointer shows the busy cursor over it; the results come back to the window's thread as
// queued calls.
#include <QPointer>
#include <QStackedWidget>
#include <QVariant>

#include "devices/usb_device.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"

namespace {

// Marks a page whose device has I/O outstanding.
constexpr char kBusyProperty[] = "deviceIoBusy";

// The busy cursor shows while the page on top is busy. It is set on the stack: a disabled
// widget shows no cursor of its own.
void ShowCursorOfShownPage(QStackedWidget* stack) {
    QWidget* shown = stack->currentWidget();
    if (shown && shown->property(kBusyProperty).toBool())
        stack->setCursor(Qt::BusyCursor);
    else
        stack->unsetCursor();
}

}  // namespace

void CDevicePart::AttachDeviceIo() {
    if (!pageStack_ || !wnd_) return;
    QStackedWidget* stack = pageStack_;
    QObject::connect(stack, &QStackedWidget::currentChanged, stack,
                     [stack] { ShowCursorOfShownPage(stack); });
    // Called on a device's worker thread; the workers are stopped (OnDestroy) before the
    // window goes.
    CMainWnd* window = wnd_;
    auto post = [window](std::function<void()> task) {
        QMetaObject::invokeMethod(window, std::move(task), Qt::QueuedConnection);
    };
    for (const auto& slot : slots_.All()) {
        // The page is built on the device's first arrival: it is looked up when needed.
        const DeviceSlot* owner = slot.get();
        QPointer<QStackedWidget> stackOfPage = stack;
        slot->device->SetIoOwner(post, [owner, stackOfPage](bool busy) {
            QWidget* page = owner->page;
            if (!page) return;
            page->setEnabled(!busy);
            page->setProperty(kBusyProperty, busy);
            if (stackOfPage) ShowCursorOfShownPage(stackOfPage);
        });
    }
}

void CDevicePart::StopDeviceIo() {
    for (const auto& slot : slots_.All())
        if (slot->device) slot->device->StopIo();
}
