#pragma once
// The wiring fixture with the mouse's key page or macro page open, and helpers that send
// captured input to the main window the way the input capture does.
#include <QComboBox>
#include <QDir>
#include <QListWidget>

#include "macros/hook_record.h"
#include "macros/hook_records.h"
#include "macros/hook_messages.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/macro/macro_control_ui.h"
#include "ui/window_messages.h"
#include "wiring_fixture.h"

class KeyMacroFixture : public WiringFixture {
protected:
    CKeySetControlUI* FindKeyPanel() const { return slot->page->findChild<CKeySetControlUI*>(); }
    CMacroControlUI* FindMacroPage() const { return slot->page->findChild<CMacroControlUI*>(); }

    static QString MessageName(std::optional<std::string_view> name) {
        return name ? QString::fromLatin1(name->data(), static_cast<qsizetype>(name->size())) : QString();
    }

    // Sends one captured key as the capture of `mode` does.
    void SendKey(int mode, std::uint8_t scan, bool extended, bool down) const {
        macros::HookRecord record;
        record.kind = macros::HookKind::Key;
        record.down = down;
        record.scan = scan;
        record.extended = extended;
        record.timeMs = macros::MonotonicMilliseconds();
        const macros::KeyboardHookRecord sent = macros::ToKeyboardHookRecord(record);
        SendWindowMessage(wnd->GetHWND(), RegisterWindowMessage(MessageName(macros::KeyMessageName(mode))),
                          down ? macros::KeyboardMessage::kKeyDown : macros::KeyboardMessage::kKeyUp,
                          reinterpret_cast<LPARAM>(&sent));
    }
    void SendButton(int mode, std::uint16_t message) const {
        macros::HookRecord record;
        record.kind = macros::HookKind::Button;
        record.message = message;
        record.x = record.y = -1000;  // far from the stop button
        record.timeMs = macros::MonotonicMilliseconds();
        const macros::MouseHookRecord sent = macros::ToMouseHookRecord(record);
        SendWindowMessage(wnd->GetHWND(), RegisterWindowMessage(MessageName(macros::MouseMessageName(mode))),
                          message, reinterpret_cast<LPARAM>(&sent));
    }

    // The three bytes the device holds for button n.
    std::vector<uint8_t> DeviceKey(int button) const {
        const std::vector<uint8_t> block = sim->KeyBlock();
        const size_t at = static_cast<size_t>(mouse->ButtonSlots()[static_cast<size_t>(button)]) * 3;
        return at + 3 <= block.size() ? std::vector<uint8_t>(block.begin() + static_cast<long>(at),
                                                             block.begin() + static_cast<long>(at) + 3)
                                      : std::vector<uint8_t>{};
    }
    int ProfileAssignment(int button) const {
        return ProfileDevice()["KeyList"][button]["Assignment"].asInt();
    }

    // Saves the window's picture to the build's artifacts folder.
    void SaveScreenshot(const QString& name) const {
        QApplication::processEvents();
        const QString folder = QStringLiteral(KVELM_ARTIFACTS_DIR);
        QDir().mkpath(folder);
        EXPECT_TRUE(wnd->grab().save(folder + QLatin1Char('/') + name)) << name.toStdString();
    }
};
