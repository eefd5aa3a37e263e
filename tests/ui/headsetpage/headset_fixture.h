#pragma once
// The real main window with the device part and the page wiring, the simulated headset
// (with its own device row) found by discovery and read, its simulated audio library, and
// helpers to drive the page as a user does and read what reached the library, the headset
// and the disk.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <json/json.h>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "devices/audio/simulated_audio_library.h"
#include "devices/discovery/simulated_rows.h"
#include "devices/hs6533_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "shell/msg_wnd.h"
#include "sim/sim_bus.h"
#include "sim/sim_headset.h"
#include "ui/controls.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class HeadsetFixture : public ::testing::Test {
protected:
    using Lib = SimulatedAudioLibrary;
    const std::string kMic = std::to_string(Lib::kMicrophoneId);
    const std::string kOut = std::to_string(Lib::kHeadphonesId);

    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        QDir(QString::fromLocal8Bit(std::getenv("XDG_DATA_HOME")) + QStringLiteral("/KV_ELM Gaming mouse"))
            .removeRecursively();
        CMsgWnd::ClearNextAnswers();
        AddSimulatedDeviceRows("headset");
        sim = std::make_shared<SimHeadset>();
        sim->Plug();
        OpenWindow();
    }

    // The program ends and starts again on the same data folder and headset.
    void Restart() {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        slot = nullptr;
        OpenWindow();
    }

    void OpenWindow() {
        wnd = std::make_unique<CMainWnd>();
        auto devices = std::make_unique<CDevicePart>("headset");
        devicePart = devices.get();
        wnd->AddPart(std::move(devices));
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        ASSERT_TRUE(wnd->CreateMainWindow());
        // Found, opened, read, its profile loaded and shown.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                slot = wnd->SelectedSlot();
                return slot && slot->headset && !slot->device->GetProfileFile().empty() &&
                       QFile::exists(QString::fromStdString(slot->device->GetProfileFile()));
            },
            5000));
        headset = slot->headset;
        library = dynamic_cast<Lib*>(slot->audioLibrary.get());
        ASSERT_NE(library, nullptr);
        QApplication::processEvents();
        library->ClearCalls();
        sim->ClearFrames();
    }

    void TearDown() override {
        CMsgWnd::ClearNextAnswers();
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
    }

    // ---- the page as the user drives it ----
    QWidget* PageControl(const std::string& name) const {
        return FindControl(slot->page, QString::fromStdString(name));
    }
    void Click(const std::string& name) const {
        auto* button = qobject_cast<QAbstractButton*>(PageControl(name));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name;
        button->click();
    }
    // Drags a slider's handle to a position and lets it go there.
    void DragAndRelease(const std::string& name, int position) const {
        auto* slider = qobject_cast<QAbstractSlider*>(PageControl(name));
        ASSERT_NE(slider, nullptr) << name;
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
    void TypeName(const QString& text) const {
        auto* edit = qobject_cast<QLineEdit*>(PageControl("custom_eq_name_edit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
    }
    // The user picks entry i of the custom preset combo.
    void ChooseCustomPreset(int i) const {
        QWidget* combo = PageControl("custom_eq_name_combo");
        ASSERT_NE(combo, nullptr);
        ASSERT_LT(i, GetItemCount(combo));
        SelectItem(combo, i, true);
    }
    bool Selected(const std::string& name) const { return IsSelected(PageControl(name)); }
    int Value(const std::string& name) const { return GetValue(PageControl(name)); }
    std::vector<int> ShownBands() const {
        std::vector<int> bands;
        for (int n = 0; n < 10; ++n) bands.push_back(Value("6533_eq_hz_slider_" + std::to_string(n)));
        return bands;
    }
    QStringList ComboNames() const {
        auto* combo = qobject_cast<QComboBox*>(PageControl("custom_eq_name_combo"));
        QStringList names;
        for (int i = 0; combo && i < combo->count(); ++i) names << combo->itemText(i);
        return names;
    }

    // ---- what reached the library ----
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& call : library->Calls())
            if (call.rfind("write ", 0) == 0) writes.push_back(call);
        return writes;
    }
    std::vector<std::string> BandWrites(const std::vector<int>& bands) const {
        std::vector<std::string> lines;
        for (size_t n = 0; n < bands.size(); ++n)
            lines.push_back("write " + kOut + " EQ_Slider" + std::to_string(n + 1) + " = " +
                            std::to_string(bands[n]));
        return lines;
    }

    // ---- what reached the disk ----
    Json::Value ProfileDevice() const {
        QFile file(QString::fromStdString(slot->device->GetProfileFile()));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        Json::Value root;
        Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root);
        return root["Device"][0];
    }
    int Stored(const char* setting) const { return ProfileDevice()["SystemSetStages"][setting].asInt(); }
    std::vector<int> StoredCustomBands(int preset) const {
        const Json::Value device = ProfileDevice();  // kept: the loop walks into it
        std::vector<int> bands;
        for (const Json::Value& band : device["CustomEQHzValueInfo"][preset])
            bands.push_back(band["value"].asInt());
        return bands;
    }
    QStringList StoredCustomNames() const {
        const Json::Value device = ProfileDevice();
        QStringList names;
        for (const Json::Value& entry : device["CustomEQNameInfo"])
            names << QString::fromStdString(entry["Name"].asString());
        return names;
    }

    std::shared_ptr<SimHeadset> sim;
    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* devicePart = nullptr;
    DeviceSlot* slot = nullptr;
    CVornakelHS6533Device* headset = nullptr;
    Lib* library = nullptr;
};
