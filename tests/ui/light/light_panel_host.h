#pragma once
// A stand-in for a device page inside the main window: it embeds the lighting panel the
// way the pages do (class "LightSetControlUI" named "LightControlItem"), hears every
// notification of its controls, and runs the panel's part of the lighting chain on a
// device record as the main window does.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/skin_builder.h"
#include "ui/ui_types.h"
#include "panels/light/light_control_ui.h"
#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_mode_list.h"

inline const char* kPageSkin = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Page</class>
 <widget class="QWidget" name="page_root">
  <layout class="QVBoxLayout" name="page_layout">
   <item><widget class="LightSetControlUI" name="LightControlItem"/></item>
   <item><widget class="QLineEdit" name="page_other_edit"/></item>
  </layout>
 </widget>
</ui>)";

struct HeardNotify {
    QString type;
    QString sender;
    LightChange change = LightChange::None;
};

class PageHost : public QWidget, public INotifyUI {
public:
    PageHost() {
        auto* layout = new QVBoxLayout(this);
        page = CSkinBuilder::BuildFromData(kPageSkin, this);
        if (page) layout->addWidget(page);
        panel = page ? FindControl<CLightControlUI>(page, QStringLiteral("LightControlItem")) : nullptr;
    }
    void Notify(TNotifyUI& msg) override {
        const LightChange change = panel ? panel->TakeChange(msg, &record) : LightChange::None;
        heard.push_back({msg.type, msg.SenderName(), change});
    }
    // Notifications other than focus gains and typing, which every edit raises.
    std::vector<HeardNotify> Changes() const {
        std::vector<HeardNotify> out;
        for (const HeardNotify& h : heard)
            if (h.type != QLatin1String("setfocus") && h.type != QLatin1String("textchanged") &&
                h.type != QLatin1String("timer"))
                out.push_back(h);
        return out;
    }

    QWidget* page = nullptr;
    CLightControlUI* panel = nullptr;
    LightInfoRecord record;
    std::vector<HeardNotify> heard;
};

// The mouse's mode list from the shipped default names and a preset file.
inline std::vector<LightModeEntry> MouseModes() {
    return LoadLightModeList(kKindMouse, std::string(KVELM_RESOURCES) + "/DefaultData/default_light.json",
                             std::string(KVELM_LIGHT_TEST_DATA) + "/tolva_light.config");
}

class LightPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(host.panel, nullptr) << "the page skin holds no lighting panel";
        panel = host.panel;
        host.resize(520, 760);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }
    template <class T = QWidget>
    T* Find(const char* name) {
        T* control = FindControl<T>(panel, QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // Shows a mouse with the shipped mode names and the preset fixture.
    void ShowMouse(const LightInfoRecord& r) {
        panel->SetDeviceKind(kKindMouse);
        panel->FillModes(MouseModes(), kLightLevelMax, kLightLevelMax);
        panel->ShowLightRecord(r);
        host.record = r;
        host.heard.clear();
    }
    bool Enabled(const char* name) { return Find(name)->isEnabled(); }
    bool Hidden(const char* name) { return Find(name)->isHidden(); }

    PageHost host;
    CLightControlUI* panel = nullptr;
};
