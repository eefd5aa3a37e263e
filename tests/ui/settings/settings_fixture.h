#pragma once
// The real main window with the settings part, a clean language and update setting, and a
// way to act inside the modal settings window once it shows.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include "shell/app_names.h"
#include "shell/language_manager.h"
#include "shell/user_settings.h"
#include "ui/controls.h"
#include "update/service_url.h"
#include "panels/settings/set_wnd.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/settings_part.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The settings window shown now, if any.
inline CSetWnd* OpenSettingsWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* settings = qobject_cast<CSetWnd*>(top); settings && settings->isVisible()) return settings;
    return nullptr;
}

// Runs body inside the settings window once it shows (it is modal, so the opener only
// returns after it closed), then closes it with "closebtn" if body left it open.
// *ran tells whether body ran.
inline void WhenSettingsShow(std::function<void(CSetWnd&)> body, bool* ran) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, body = std::move(body), ran] {
        CSetWnd* settings = OpenSettingsWindow();
        if (!settings) return;
        poll->stop();
        poll->deleteLater();
        body(*settings);
        *ran = true;
        if (OpenSettingsWindow() == settings)
            QTest::mouseClick(settings->FindControl(QStringLiteral("closebtn")), Qt::LeftButton);
    });
    poll->start();
}

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv(kUpdateUrlVariable);
        QFile::remove(QString::fromStdString(UserIniPath()));
        CLanguageManager::Instance().ResetForTest();
        StoreLanguage(QStringLiteral("1033"));
    }
    void TearDown() override {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        unsetenv(kUpdateUrlVariable);
    }
    void StartMainWindow(UpdateServices services = DefaultUpdateServices()) {
        wnd = std::make_unique<CMainWnd>();
        wnd->AddPart(std::make_unique<CSettingsPart>(std::move(services)));
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->LayoutAdapted() && wnd->isVisible(); }, 3000));
    }
    QWidget* Control(const char* name) const { return wnd->FindControl(QLatin1String(name)); }
    QAbstractButton* SetButton() const { return wnd->FindControl<QAbstractButton>(QStringLiteral("setbtn")); }

    std::unique_ptr<CMainWnd> wnd;
};
