#pragma once
// A window that takes the hook messages as the macro page does: each keyboard or mouse
// message of the macro modes goes through a CMacroRecorder into event rows (append, before,
// after or replace by message), and the rows are saved as a macro file with CMacroStore.
// Single keys of the key-capture mode are kept as they arrive. A line edit in it holds the
// keyboard focus and counts the keys that reach it.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "macros/hook_messages.h"
#include "macros/hook_records.h"
#include "macros/macro_events.h"
#include "macros/macro_recorder.h"
#include "macros/macro_store.h"
#include "shell/device_hook.h"
#include "ui/skin_window.h"

class CountingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int keysSeen = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keysSeen;
        QLineEdit::keyPressEvent(event);
    }
};

class RecordingWindow : public CSkinWindow {
public:
    RecordingWindow() {
        for (const auto& [name, position, keyboard] : kRoutes)
            routes_.push_back(
                {RegisterWindowMessage(QLatin1String(name.data(), name.size())), position, keyboard});
        singleKeyMessage_ =
            RegisterWindowMessage(QLatin1String(macros::HookMessageName::kKeySingleKey.data()));
    }
    QString GetWindowClassName() const override { return QStringLiteral("RecordingWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("XML_ROW"); }  // a small plain skin

    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
        if (msg == singleKeyMessage_) {
            singleKeys.push_back(*reinterpret_cast<const macros::KeyboardHookRecord*>(lParam));
            handled = true;
            return 0;
        }
        for (const Route& route : routes_) {
            if (route.message != msg) continue;
            const auto message = static_cast<std::uint32_t>(wParam);
            const macros::HookRecord record =
                route.keyboard ? macros::FromKeyboardHook(
                                     message, *reinterpret_cast<const macros::KeyboardHookRecord*>(lParam))
                               : macros::FromMouseHook(
                                     message, *reinterpret_cast<const macros::MouseHookRecord*>(lParam));
            recorder.Record(record, route.position, rows);
            handled = true;
            return 0;
        }
        handled = false;
        return 0;
    }

    // Saves the rows as a new macro in a private user folder and reads its events back.
    std::vector<macros::MacroEvent> SaveAndReload() {
        macros::CMacroStore store;
        store.SetUserFolder(folder_.path().toStdString());
        const int index = store.NewMacro();
        EXPECT_GE(index, 0);
        EXPECT_EQ(store.SaveEvents(index, rows.Events()), macros::MacroResult::Done);
        macros::CMacroStore reader;
        reader.SetUserFolder(folder_.path().toStdString());
        reader.Load();
        return reader.LoadEvents(index);
    }

    void ShowWithEdit() {
        ASSERT_TRUE(Create(nullptr, QStringLiteral("recording"), 300, 200));
        edit = new CountingEdit(this);
        edit->setGeometry(10, 10, 200, 30);
        show();
        activateWindow();
        edit->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(this));
    }

    macros::CMacroRecorder recorder;
    macros::CMacroEventList rows;
    std::vector<macros::KeyboardHookRecord> singleKeys;
    CountingEdit* edit = nullptr;

private:
    struct RouteName {
        std::string_view name;
        macros::RecordPosition position;
        bool keyboard;
    };
    static constexpr RouteName kRoutes[] = {
        {macros::HookMessageName::kKeyMacro, macros::RecordPosition::Append, true},
        {macros::HookMessageName::kKeyMacroPrevious, macros::RecordPosition::Before, true},
        {macros::HookMessageName::kKeyMacroLater, macros::RecordPosition::After, true},
        {macros::HookMessageName::kKeyMacroSingle, macros::RecordPosition::Replace, true},
        {macros::HookMessageName::kMouseMacro, macros::RecordPosition::Append, false},
        {macros::HookMessageName::kMouseMacroPrevious, macros::RecordPosition::Before, false},
        {macros::HookMessageName::kMouseMacroLater, macros::RecordPosition::After, false},
        {macros::HookMessageName::kMouseMacroSingle, macros::RecordPosition::Replace, false},
    };
    struct Route {
        unsigned message;
        macros::RecordPosition position;
        bool keyboard;
    };
    std::vector<Route> routes_;
    unsigned singleKeyMessage_ = 0;
    QTemporaryDir folder_;
};

// Macro events in the stored form, for readable expectations.
inline constexpr int kKeyType = macros::EventType::kKey;
inline constexpr int kModifierType = macros::EventType::kModifier;
inline constexpr int kButtonType = macros::EventType::kMouseButton;

struct Step {
    int type;
    int button;
    bool down;
};

inline void ExpectSteps(const std::vector<macros::MacroEvent>& events, const std::vector<Step>& steps) {
    ASSERT_EQ(events.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].type, steps[i].type);
        EXPECT_EQ(events[i].button, steps[i].button);
        EXPECT_EQ(events[i].down, steps[i].down);
    }
}

// Fixed delay: every row has it; no delay: every row 0; measured: the last row 0 until
// another event follows.
inline void ExpectDelays(const std::vector<macros::MacroEvent>& events, macros::RecordMode mode) {
    for (size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        if (mode == macros::RecordMode::Fixed) {
            EXPECT_EQ(events[i].delay, macros::kDefaultFixedDelay);
        } else if (mode == macros::RecordMode::NoDelay || i + 1 == events.size()) {
            EXPECT_EQ(events[i].delay, 0);
        }
    }
}
