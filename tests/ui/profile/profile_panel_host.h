#pragma once
// A stand-in for a device page: it embeds the profile panel the way the pages do (class
// "DeviceProfileUI" named "DeviceProfileItem") and hears every notification of its
// controls. Profiles live in a temporary XDG data home; new profiles start from the
// shipped mouse defaults.
#include <gtest/gtest.h>
#include <json/json.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QVBoxLayout>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/skin_builder.h"
#include "ui/ui_types.h"
#include "panels/profile/device_profile_ui.h"
#include "profiles/profile_list.h"
#include "temp_folder.h"
#include "util/json_file.h"

inline const char* kPageSkin = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Page</class>
 <widget class="QWidget" name="page_root">
  <layout class="QVBoxLayout" name="page_layout">
   <item><widget class="DeviceProfileUI" name="DeviceProfileItem"/></item>
   <item><widget class="QLineEdit" name="page_other_edit"/></item>
  </layout>
 </widget>
</ui>)";

struct HeardNotify {
    QString type;
    QString sender;
    WPARAM wParam = 0;
};

class PageHost : public QWidget, public INotifyUI {
public:
    PageHost() {
        auto* layout = new QVBoxLayout(this);
        page = CSkinBuilder::BuildFromData(kPageSkin, this);
        if (page) layout->addWidget(page);
        panel = page ? FindControl<CDeviceProfileUI>(page, QStringLiteral("DeviceProfileItem")) : nullptr;
    }
    void Notify(TNotifyUI& msg) override { heard.push_back({msg.type, msg.SenderName(), msg.wParam}); }
    // The notifications of one type.
    std::vector<HeardNotify> Heard(const char* type) const {
        std::vector<HeardNotify> out;
        for (const HeardNotify& h : heard)
            if (h.type == QLatin1String(type)) out.push_back(h);
        return out;
    }

    QWidget* page = nullptr;
    CDeviceProfileUI* panel = nullptr;
    std::vector<HeardNotify> heard;
};

class ProfilePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.IsValid());
        userFolder_ = root_.File("mouse") + "/";
        std::filesystem::create_directories(userFolder_);
        defaultData_ = std::string(KVELM_RESOURCES) + "/DefaultData/mouse.Json";

        ASSERT_NE(host.panel, nullptr) << "the page skin holds no profile panel";
        panel = host.panel;
        host.resize(800, 160);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    // Leaves a list with these names and this selection in the user folder, as an earlier
    // run of the program would have left it.
    void Prepare(const std::vector<std::string>& names, int selected) {
        CProfileList list;
        list.SetPaths(userFolder_, defaultData_);
        ASSERT_EQ(list.Init(), kProfileDone);
        for (size_t i = 1; i < names.size(); ++i) ASSERT_EQ(list.NewProfile(), kProfileDone);
        for (size_t i = 0; i < names.size(); ++i)
            ASSERT_EQ(list.RenameProfile(static_cast<int>(i), names[i]), kProfileDone);
        list.Select(selected);
        ids_.clear();
        for (const ProfileEntry& entry : list.Entries()) ids_.push_back(entry.id);
    }
    // SetDeviceKind, SetPaths and Init as a device page does; forgets what was heard.
    void Bind(int kind = 2) {
        panel->SetDeviceKind(kind);
        panel->SetPaths(QString::fromStdString(userFolder_), QString::fromStdString(defaultData_));
        ASSERT_EQ(panel->Init(), kProfileDone);
    }

    template <class T = QWidget>
    T* Find(const char* name) {
        T* control = FindControl<T>(panel, QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo() { return Find<QComboBox>("device_profile_combo"); }
    QStringList ComboTexts() {
        QStringList texts;
        for (int i = 0; i < Combo()->count(); ++i) texts << Combo()->itemText(i);
        return texts;
    }
    Json::Value ListOnDisk() const { return CJsonFile().ReadJsonFile(userFolder_ + "ProfileList.ini"); }

    TempFolder root_;
    std::string userFolder_;
    std::string defaultData_;
    std::vector<std::string> ids_;
    PageHost host;
    CDeviceProfileUI* panel = nullptr;
};
