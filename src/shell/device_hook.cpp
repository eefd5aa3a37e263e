#include "shell/device_hook.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMetaObject>

#include "macros/capture/capture_choice.h"
#include "macros/hook_messages.h"
#include "macros/hook_records.h"
#include "shell/window_input_filter.h"

namespace {

unsigned RegisteredMessage(std::string_view name) {
    return RegisterWindowMessage(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

CDeviceHook::CDeviceHook(QObject* parent) : QObject(parent), factory_(capture::CreateSystemCapture) {
    for (std::string_view name : macros::AllHookMessageNames()) RegisteredMessage(name);
}

CDeviceHook::~CDeviceHook() {
    Uninstall();
}

int CDeviceHook::Install(int value, int mode, WindowHandle window, int keyboardHook, int hookLibrary) {
    if (keyboard_) Uninstall();
    if (!QCoreApplication::instance()) return 0;
    StopCapture();  // a mouse side installed alone is replaced too
    filter_.reset();
    ++generation_;
    keyboard_ = keyboardHook != 0;
    mouse_ = hookLibrary != 0;
    value_ = value;
    mode_ = mode;
    window_ = window;
    if (!keyboard_ && !mouse_) return 1;
    capture_ = factory_ ? factory_() : nullptr;
    const unsigned generation = generation_;
    const bool outside = capture_ && capture_->Start([this, generation](const macros::HookRecord& record) {
        // On the capture thread: hand over and return at once.
        QMetaObject::invokeMethod(
            this,
            [this, generation, record] {
                if (generation == generation_) Deliver(record);
            },
            Qt::QueuedConnection);
    });
    if (!outside) capture_.reset();
    filter_ = std::make_unique<CWindowInputFilter>(
        keyboard_, !outside, [this](const macros::HookRecord& record) { Deliver(record); });
    return 1;
}

int CDeviceHook::Uninstall() {
    const int removed = keyboard_ ? 1 : 0;
    StopCapture();
    filter_.reset();
    ++generation_;
    keyboard_ = false;
    mouse_ = false;
    return removed;
}

bool CDeviceHook::CapturesOutsideWindow() const {
    return capture_ && capture_->Running();
}

capture::CaptureKind CDeviceHook::RunningCapture() const {
    return CapturesOutsideWindow() ? capture_->Kind() : capture::CaptureKind::None;
}

void CDeviceHook::StopCapture() {
    if (capture_) capture_->Stop();
    capture_.reset();
}

void CDeviceHook::Deliver(const macros::HookRecord& record) {
    if (record.kind == macros::HookKind::Key) {
        const auto name = macros::KeyMessageName(mode_);
        if (!keyboard_ || !name) return;
        macros::KeyboardHookRecord hook = macros::ToKeyboardHookRecord(record);
        SendWindowMessage(window_, RegisteredMessage(*name), macros::KeyboardMessageOf(record),
                          reinterpret_cast<LPARAM>(&hook));
        return;
    }
    const auto name = macros::MouseMessageName(mode_);
    if (!mouse_ || !name) return;
    macros::MouseHookRecord hook = macros::ToMouseHookRecord(record);
    if (capture_ && !capture_->KnowsCursorPosition()) {
        const QPoint cursor = QCursor::pos();
        hook.x = cursor.x();
        hook.y = cursor.y();
    }
    SendWindowMessage(window_, RegisteredMessage(*name), record.message, reinterpret_cast<LPARAM>(&hook));
}
