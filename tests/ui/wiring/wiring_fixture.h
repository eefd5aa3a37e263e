#pragma once
// The real main window with the program's parts (device part, then page wiring), a
// simulated mouse (sensor 0x3327, step 50, smallest DPI 100) found by discovery and read,
// and helpers to drive the page as a user does and to read what reached the device and
// the disk.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <json/json.h>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "shell/msg_wnd.h"
#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "devices/mouse_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/file_dialog.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "panels/profile/device_profile_ui.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The 86 bytes of one settings write (command 6) as the device received them.
struct SettingsWriteSeen {
    std::vector<uint8_t> record;              // 86 bytes, chunks put at their offsets
    std::vector<std::pair<int, int>> chunks;  // (length, offset) in order
};

class WiringFixture : public ::testing::Test {
protected:
    static constexpr uint8_t kBegin = 0x01, kEnd = 0x02, kWriteMemory = 0x06, kWriteKeyBlock = 0x09;

    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        // Every test starts with an empty user data folder.
        QDir(QString::fromLocal8Bit(std::getenv("XDG_DATA_HOME")) + QStringLiteral("/KV_ELM Gaming mouse"))
            .removeRecursively();
        CMsgWnd::ClearNextAnswers();
        ClearNextFileNames();
        sim = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        sim->Plug();

        wnd = std::make_unique<CMainWnd>();
        auto devices = std::make_unique<CDevicePart>();
        devicePart = devices.get();
        wnd->AddPart(std::move(devices));
        auto wiring = std::make_unique<CPageWiringPart>();
        wiringPart = wiring.get();
        wnd->AddPart(std::move(wiring));
        ASSERT_TRUE(wnd->CreateMainWindow());
        // Found, opened, read, its profile loaded and shown.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                slot = wnd->SelectedSlot();
                // The read runs on the device's I/O worker; the page is the user's once the
                // result was taken in.
                return slot && slot->mouse && !slot->device->IoBusy() && slot->mouse->KeyBlockRead() &&
                       !slot->device->GetProfileFile().empty() &&
                       !GetText(PageControl("DPI_edit_2")).isEmpty();
            },
            5000));
        mouse = slot->mouse;
        panel = slot->profilePanel;
        ASSERT_NE(panel, nullptr);
        wnd->activateWindow();
        QApplication::processEvents();
        sim->ClearFrames();
    }

    void TearDown() override {
        CMsgWnd::ClearNextAnswers();
        ClearNextFileNames();
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
    }

    // ---- the page as the user drives it ----
    QWidget* PageControl(const char* name) const { return FindControl(slot->page, QLatin1String(name)); }

    void Click(const char* name) const {
        auto* button = qobject_cast<QAbstractButton*>(PageControl(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // A button the skin does not have (yet), wired like the skin's own.
    QPushButton* AddPageButton(const char* name) const {
        auto* button = new QPushButton(slot->page);
        button->setObjectName(QLatin1String(name));
        WireControls(button);
        return button;
    }

    // Types text into an edit in place of what it held; the edit keeps the focus.
    static void Type(QWidget* control, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(edit, nullptr);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }
    // The control loses the focus (told so directly when it is not on screen).
    static void Leave(QWidget* control) {
        if (control->hasFocus()) {
            control->clearFocus();
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
            QApplication::sendEvent(control, &out);
        }
    }
    // Types text into an edit, then the edit loses the focus.
    static void TypeAndLeave(QWidget* control, const QString& text) {
        Type(control, text);
        Leave(control);
    }
    // Types text into an edit and presses Enter; the edit keeps the focus.
    static void TypeAndEnter(QWidget* control, const QString& text) {
        Type(control, text);
        QTest::keyClick(control, Qt::Key_Return);
    }

    // Drags a slider's handle to position (and, with release, lets it go there).
    static void DragSlider(QWidget* control, int position, bool release) {
        auto* slider = qobject_cast<QAbstractSlider*>(control);
        ASSERT_NE(slider, nullptr);
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        if (release) slider->setSliderDown(false);
    }

    static void ChooseItem(QWidget* control, int index) {
        ASSERT_NE(control, nullptr);
        ASSERT_LT(index, GetItemCount(control));
        SelectItem(control, index, true);
    }

    // ---- what reached the device ----
    std::vector<uint8_t> Commands() const {
        std::vector<uint8_t> out;
        for (const auto& frame : sim->CommandFrames()) out.push_back(frame.at(3));
        return out;
    }
    int CountCommand(uint8_t command) const {
        const auto commands = Commands();
        return static_cast<int>(std::count(commands.begin(), commands.end(), command));
    }
    // The settings writes received since the last ClearFrames, in order.
    std::vector<SettingsWriteSeen> SettingsWrites() const {
        std::vector<SettingsWriteSeen> writes;
        bool open = false;
        for (const auto& frame : sim->CommandFrames()) {
            if (frame.at(3) != kWriteMemory) {
                open = false;
                continue;
            }
            if (!open) writes.push_back({std::vector<uint8_t>(86, 0xEE), {}});
            open = true;
            const int length = frame.at(4);
            const int offset = frame.at(5) | (frame.at(6) << 8);
            writes.back().chunks.emplace_back(length, offset);
            for (int i = 0; i < length && offset + i < 86; ++i)
                writes.back().record[static_cast<size_t>(offset + i)] = frame.at(static_cast<size_t>(8 + i));
        }
        return writes;
    }
    // The record of the one settings write expected since the last ClearFrames.
    std::vector<uint8_t> OnlySettingsRecord() const {
        const auto writes = SettingsWrites();
        EXPECT_EQ(writes.size(), 1u);
        return writes.empty() ? std::vector<uint8_t>(86, 0) : writes.front().record;
    }

    // ---- what reached the disk ----
    std::string ProfilePath() const { return slot->device->GetProfileFile(); }
    static QByteArray FileBytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static Json::Value ReadJson(const std::string& path) {
        const QByteArray bytes = FileBytes(path);
        Json::Value root;
        Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root);
        return root;
    }
    static bool WriteJson(const std::string& path, const Json::Value& root) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        const std::string text = Json::StyledWriter().write(root);
        return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    }
    // The mouse's object in its profile file.
    Json::Value ProfileDevice() const { return ReadJson(ProfilePath())["Device"][0]; }
    std::string InUserFolder(const std::string& name) const {
        std::string folder = panel->ProfileList().UserFolder();
        if (!folder.empty() && folder.back() != '/') folder += '/';
        return folder + name;
    }
    std::string ListFile() const { return InUserFolder("ProfileList.ini"); }

    std::shared_ptr<SimMouse> sim;
    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* devicePart = nullptr;
    CPageWiringPart* wiringPart = nullptr;
    DeviceSlot* slot = nullptr;
    CVornakelMouseDevice* mouse = nullptr;
    CDeviceProfileUI* panel = nullptr;
};
