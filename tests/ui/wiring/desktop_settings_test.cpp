// "windowdeviceset_" n: which desktop tool opens the mouse settings, and that a click
// starts it without waiting.
#include <QByteArray>

#include "mainwnd/desktop_settings.h"
#include "wiring_fixture.h"

TEST(DesktopMouseSettings, ToolsByDesktopAndButton) {
    using Commands = std::vector<DesktopCommand>;
    const DesktopCommand gnome{"gnome-control-center", {"mouse"}};
    struct Case {
        const char* desktops;
        int n;
        Commands commands;
    };
    const Case cases[] = {
        {"GNOME", 1, {gnome}},
        {"ubuntu:GNOME", 0, {gnome}},
        {"gnome", 1, {gnome}},
        {"KDE", 1, {{"systemsettings", {"kcm_mouse"}}, {"systemsettings5", {"mouse"}}}},
        {"XFCE", 0, {{"xfce4-mouse-settings", {}}}},
        {"X-Cinnamon", 1, {{"cinnamon-settings", {"mouse"}}}},
        {"Budgie:GNOME", 1, {{"budgie-control-center", {"mouse"}}, gnome}},
        {"GNOME", 2, {}},
        {"GNOME", -1, {}},
        {"", 1, {}},
        {"Hyprland", 1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesktopMouseSettingsCommands(c.desktops, c.n), c.commands) << c.desktops << ' ' << c.n;
}

class DesktopSettingsButtons : public WiringFixture {
protected:
    void SetUp() override {
        const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
        savedDesktop_ = desktop ? QByteArray(desktop) : QByteArray();
        hadDesktop_ = desktop != nullptr;
        setenv("XDG_CURRENT_DESKTOP", "KDE", 1);
        // Only the older tool is installed here.
        SetDesktopLauncherForTest(
            [](const QString& program) { return program == QLatin1String("systemsettings5"); },
            [this](const DesktopCommand& command) {
                started.push_back(command);
                return true;
            });
        WiringFixture::SetUp();
    }
    void TearDown() override {
        WiringFixture::TearDown();
        SetDesktopLauncherForTest({}, {});
        if (hadDesktop_)
            setenv("XDG_CURRENT_DESKTOP", savedDesktop_.constData(), 1);
        else
            unsetenv("XDG_CURRENT_DESKTOP");
    }

    std::vector<DesktopCommand> started;

private:
    QByteArray savedDesktop_;
    bool hadDesktop_ = false;
};

TEST_F(DesktopSettingsButtons, BothButtonsOpenTheInstalledToolAndOthersNothing) {
    const DesktopCommand expected{"systemsettings5", {"mouse"}};
    Click("windowdeviceset_1");
    Click("windowdeviceset_0");
    EXPECT_EQ(started, (std::vector<DesktopCommand>{expected, expected}));

    // A button that opens nothing says so instead of doing nothing.
    CMsgWnd::SetNextAnswer(1);
    AddPageButton("windowdeviceset_2")->click();
    EXPECT_EQ(started.size(), 2u);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_no_desktop_tool"));
    EXPECT_EQ(CMsgWnd::PendingAnswers(), 0);
    EXPECT_TRUE(Commands().empty());
}
