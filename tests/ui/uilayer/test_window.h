#pragma once
// A skin window that records what reaches it, and a fixture that shows one.
#include <gtest/gtest.h>
#include <QAbstractSlider>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QThread>
#include <functional>
#include <ostream>
#include <vector>
#include "ui/controls.h"
#include "ui/skin_window.h"

// Readable QString values in assertion messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct SeenNotify {
    QString type;
    QString sender;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int valueAtNotify = 0;  // the sender's value when the window heard of it
};

struct SeenMessage {
    unsigned msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool onUiThread = false;
};

class TestWindow : public CSkinWindow {
public:
    explicit TestWindow(QString skin = QStringLiteral("XML_TEST")) : skin_(std::move(skin)) {}
    QString GetWindowClassName() const override { return QStringLiteral("TestWnd"); }
    QString GetSkinFile() const override { return skin_; }
    void InitWindow() override {
        ++initCalls;
        notifiesAtInit = static_cast<int>(notes.size());
    }
    void Notify(TNotifyUI& msg) override {
        notes.push_back({msg.type, msg.SenderName(), msg.wParam, msg.lParam, GetValue(msg.sender)});
        if (onNotify) onNotify(msg);
    }
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
        messages.push_back({msg, wParam, lParam, QThread::currentThread() == qApp->thread()});
        if (onMessage) return onMessage(msg, wParam, lParam, handled);
        handled = false;
        return 0;
    }
    QWidget* CreateControl(const QString& className, QWidget* parent) override {
        if (className.compare(QLatin1String("shared"), Qt::CaseInsensitive) == 0)
            return new QLabel(QStringLiteral("from window"), parent);
        return nullptr;
    }

    // Notifications other than "timer", as (type, sender) pairs.
    std::vector<std::pair<QString, QString>> Seen() const {
        std::vector<std::pair<QString, QString>> out;
        for (const SeenNotify& n : notes)
            if (n.type != QLatin1String("timer")) out.emplace_back(n.type, n.sender);
        return out;
    }
    int CountMessages(unsigned msg) const {
        int n = 0;
        for (const SeenMessage& m : messages) n += m.msg == msg;
        return n;
    }

    std::vector<SeenNotify> notes;
    std::vector<SeenMessage> messages;
    std::function<void(TNotifyUI&)> onNotify;
    std::function<LRESULT(unsigned, WPARAM, LPARAM, bool&)> onMessage;
    int initCalls = 0;
    int notifiesAtInit = -1;

private:
    QString skin_;
};

class ShownWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr, QStringLiteral("test"), 520, 900));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();  // "windowinit"
        window.notes.clear();
        window.messages.clear();
    }
    template <class T = QWidget>
    T* Find(const char* name) {
        T* control = window.FindControl<T>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    TestWindow window;
};

using Seen = std::vector<std::pair<QString, QString>>;
