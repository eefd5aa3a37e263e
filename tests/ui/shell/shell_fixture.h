#pragma once
// Shared pieces of the shell tests: a debug-line recorder, a main-window part that records
// what the frame hands to parts, and a fixture that brings up the real main window.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>
#include "shell/language_manager.h"
#include "ui/controls.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class DebugLines {
public:
    DebugLines() {
        SetDebugSink([this](std::string_view text) {
            std::lock_guard<std::mutex> guard(lock_);
            lines_.emplace_back(text);
        });
    }
    ~DebugLines() { SetDebugSink({}); }
    DebugLines(const DebugLines&) = delete;
    DebugLines& operator=(const DebugLines&) = delete;

    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> guard(lock_);
        return lines_;
    }
    int Count(const std::string& line) const {
        int n = 0;
        for (const auto& l : Lines()) n += l == line ? 1 : 0;
        return n;
    }
    bool Has(const std::string& line) const { return Count(line) > 0; }
    bool HasStartingWith(const std::string& prefix) const {
        for (const auto& l : Lines())
            if (l.rfind(prefix, 0) == 0) return true;
        return false;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> lines_;
};

// What the frame handed to its parts.
struct PartRecord {
    std::vector<std::pair<DeviceFlag, int>> flags;
    std::vector<unsigned> messages;
    std::vector<WPARAM> messageParams;
    std::vector<int> timers;
    std::vector<QString> notifies;  // "type sender"
    std::vector<QString> menuItems;
    std::vector<int> languages;
    std::vector<bool> settingsRequests;  // docked?
    int windowInits = 0;
    int destroys = 0;
    bool anyEntryVisible = false;
};

class RecordingPart : public IMainWndPart {
public:
    explicit RecordingPart(std::shared_ptr<PartRecord> record) : r_(std::move(record)) {}
    void OnWindowInit(CMainWnd&) override { ++r_->windowInits; }
    bool OnMessage(CMainWnd&, unsigned msg, WPARAM wParam, LPARAM, LRESULT* result) override {
        r_->messages.push_back(msg);
        r_->messageParams.push_back(wParam);
        *result = 7;
        return msg >= 3000 && msg < 4000;
    }
    bool OnTimer(CMainWnd&, int id) override {
        r_->timers.push_back(id);
        return true;
    }
    bool OnNotify(CMainWnd&, TNotifyUI& msg) override {
        r_->notifies.push_back(msg.type + QLatin1Char(' ') + msg.SenderName());
        return true;
    }
    bool OnMenuCommand(CMainWnd&, const QString& item) override {
        r_->menuItems.push_back(item);
        return true;
    }
    bool OpenSettings(CMainWnd&, bool docked) override {
        r_->settingsRequests.push_back(docked);
        return true;
    }
    void OnDeviceFlag(CMainWnd&, DeviceFlag flag, int value) override { r_->flags.emplace_back(flag, value); }
    void OnLanguageApplied(CMainWnd&, int index) override { r_->languages.push_back(index); }
    bool AnyDeviceEntryVisible(const CMainWnd&) const override { return r_->anyEntryVisible; }
    void OnDestroy(CMainWnd&) override { ++r_->destroys; }

private:
    std::shared_ptr<PartRecord> r_;
};

// A plain skin window that records the window messages it gets (a stand-in for the
// settings window and for message targets).
class RecordingWindow : public CSkinWindow {
public:
    struct Seen {
        unsigned msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    QString GetWindowClassName() const override { return QStringLiteral("RecordingWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("XML_MSG"); }
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
        seen.push_back({msg, wParam, lParam});
        handled = msg != WM_CLOSE && msg != WM_DESTROY;
        return 0;
    }
    bool Saw(unsigned msg, WPARAM wParam, LPARAM lParam) const {
        for (const Seen& s : seen)
            if (s.msg == msg && s.wParam == wParam && s.lParam == lParam) return true;
        return false;
    }
    std::vector<Seen> seen;
};

// The real main window with a recording part, initialised and laid out.
class MainWndFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CLanguageManager::Instance().ResetForTest();
        record = std::make_shared<PartRecord>();
        wnd = std::make_unique<CMainWnd>();
        wnd->AddPart(std::make_unique<RecordingPart>(record));
        ASSERT_TRUE(wnd->CreateMainWindow());
        // Shown first, then filled by the parts after the first paint.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return wnd->LayoutAdapted() && wnd->isVisible() && wnd->Initialised(); }, 3000));
        // The activation the window asked for when it came forward arrives before the test.
        ASSERT_TRUE(QTest::qWaitForWindowActive(wnd.get(), 3000));
        QTest::qWait(100);
        // The tests watch what they send themselves, not the platform's start-up activations.
        record->messages.clear();
        record->messageParams.clear();
    }
    void TearDown() override {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
    }

    QWidget* Control(const char* name) const { return wnd->FindControl(QLatin1String(name)); }
    QString TextOf(const char* name) const { return GetText(Control(name)); }
    // A click as the user makes it.
    static void Click(QWidget* control) {
        ASSERT_NE(control, nullptr);
        QTest::mouseClick(control, Qt::LeftButton);
    }

    std::shared_ptr<PartRecord> record;
    std::unique_ptr<CMainWnd> wnd;
};
