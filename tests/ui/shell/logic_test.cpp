// The shell's rules that need no window: DPI, fonts, colours, the command line.
#include <gtest/gtest.h>
#include "shell/dpi_rule.h"
#include "shell/font_table.h"
#include "shell/skin_frame.h"
#include "app/sdk_server_choice.h"
#include "app/startup_options.h"
#include "shell_fixture.h"

TEST(DpiRule, WindowTakesEqualOrSupportedDpiElseNinetySixWithTheErrorLine) {
    struct Case {
        int requested, current, expected;
        bool errorLine;
    };
    const Case cases[] = {
        {96, 96, 96, false},    {110, 96, 96, true},   {144, 96, 144, false}, {100, 144, 96, true},
        {144, 144, 144, false}, {192, 96, 192, false}, {0, 96, 96, true},     {-96, 96, 96, true},
    };
    for (const Case& c : cases) {
        DebugLines lines;
        EXPECT_EQ(TakeWindowDpi(c.requested, c.current, "MSG_WND DPI SET ERROR\n"), c.expected)
            << c.requested << " at " << c.current;
        EXPECT_EQ(lines.Has("MSG_WND DPI SET ERROR\n"), c.errorLine) << c.requested << " at " << c.current;
    }
}

TEST(DpiRule, UiDpiIsHighOnlyForScreensAboveFifteenHundredByNineSixty) {
    struct Case {
        QSize size;
        int dpi;
    };
    const Case cases[] = {{{1920, 1080}, 144}, {{1501, 961}, 144}, {{1500, 1080}, 96},
                          {{1920, 960}, 96},   {{1280, 1024}, 96}, {{3840, 2160}, 144}};
    for (const Case& c : cases)
        EXPECT_EQ(UiDpiForScreen(c.size), c.dpi) << c.size.width() << "x" << c.size.height();
}

TEST(FontTable, RebuildRuleLooksAtBothIndexes) {
    struct Case {
        int next, current;
        bool rebuild;
    };
    const Case cases[] = {{0, -1, true}, {1, -1, true}, {1, 0, true},  {0, 1, true},  {2, 1, true},
                          {15, 3, true}, {3, 1, false}, {1, 3, false}, {4, 5, false}, {1, 2, true}};
    for (const Case& c : cases)
        EXPECT_EQ(ShouldRebuildFonts(c.next, c.current), c.rebuild) << c.next << " after " << c.current;
}

TEST(FontTable, RebuildMakesTheThirteenFontsWithFontZeroAsDefault) {
    CFontTable& table = CFontTable::Instance();
    table.RebuildProgramFonts();
    ASSERT_EQ(table.Count(), 13);
    EXPECT_EQ(table.DefaultFont().pixelSize(), 15);
    EXPECT_TRUE(table.Font(1).underline());
    EXPECT_EQ(table.Font(1).pixelSize(), 14);
    EXPECT_TRUE(table.Font(50).bold());
    EXPECT_EQ(table.Font(50).pixelSize(), 18);
    EXPECT_EQ(table.Font(11).pixelSize(), 28);
    EXPECT_FALSE(table.Font(3).bold());
    EXPECT_EQ(table.Font(12345).pixelSize(), 15) << "an unknown id gives the default font";
    EXPECT_EQ(table.Font(0).families().value(0), QStringLiteral("Verdana Unicode MS"));
}

TEST(SkinColours, ArgbTextForms) {
    struct Case {
        const char* text;
        bool ok;
        unsigned argb;
    };
    const Case cases[] = {{"#FF2A0F16", true, 0xFF2A0F16u},
                          {"80112233", true, 0x80112233u},
                          {"0x00ABCDEF", true, 0x00ABCDEFu},
                          {"#22a7ff", true, 0xFF22A7FFu},
                          {"#12345", false, 0},
                          {"#GG112233", false, 0},
                          {"", false, 0},
                          {"#FF2A0F16AA", false, 0}};
    for (const Case& c : cases) {
        unsigned argb = 0;
        EXPECT_EQ(ParseArgbText(QLatin1String(c.text), &argb), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(argb, c.argb) << c.text;
        }
    }
}

TEST(SkinFrame, PopUpHangsBelowTheAnchorRightAligned) {
    // Anchor at x 900..931, y 10..41; a 360 wide pop-up ends where the anchor ends.
    EXPECT_EQ(CSkinFrame::PlaceBelow(QRect(900, 10, 32, 32), 360), QPoint(572, 42));
}

TEST(StartupOptions, CommandLineAndEnvironment) {
    using A = StartupAction;
    struct Case {
        std::vector<const char*> args;
        const char* env;
        A action;
        const char* screenshot;
        const char* simulate;
        bool minimized;
    };
    const Case cases[] = {
        {{"kvelm"}, nullptr, A::Run, "", "", false},
        {{"kvelm"}, "mouse", A::Run, "", "mouse", false},
        {{"kvelm", "--simulate", "mouse,mouse3389"}, "none", A::Run, "", "mouse,mouse3389", false},
        {{"kvelm", "--simulate=mousewl", "--simulate", "mouse"}, nullptr, A::Run, "", "mouse", false},
        {{"kvelm", "--screenshot", "/tmp/a b.png"}, nullptr, A::Run, "/tmp/a b.png", "", false},
        {{"kvelm", "--screenshot=/tmp/x.png", "-platform", "offscreen"},
         nullptr,
         A::Run,
         "/tmp/x.png",
         "",
         false},
        {{"kvelm", "--minimized"}, nullptr, A::Run, "", "", true},
        {{"kvelm", "--help"}, nullptr, A::ShowHelp, "", "", false},
        {{"kvelm", "-h", "--bogus"}, nullptr, A::UsageError, "", "", false},
        {{"kvelm", "--simulate", "mouse", "-h"}, nullptr, A::ShowHelp, "", "", false},
        {{"kvelm", "--version"}, nullptr, A::ShowVersion, "", "", false},
        {{"kvelm", "-v"}, nullptr, A::ShowVersion, "", "", false},
        {{"kvelm", "-V"}, nullptr, A::ShowVersion, "", "", false},
        {{"kvelm", "--screenshot"}, nullptr, A::UsageError, "", "", false},
        {{"kvelm", "--screenshot="}, nullptr, A::UsageError, "", "", false},
        {{"kvelm", "--simulate"}, "mouse", A::UsageError, "", "", false},
        {{"kvelm", "--screenshotx", "y"}, nullptr, A::UsageError, "", "", false},
        {{"kvelm", "--frobnicate"}, nullptr, A::UsageError, "", "", false},
        {{"kvelm", "stray"}, nullptr, A::UsageError, "", "", false},
    };
    for (const Case& c : cases) {
        const StartupOptions o = ParseStartupOptions(static_cast<int>(c.args.size()), c.args.data(), c.env);
        std::string line;
        for (size_t i = 1; i < c.args.size(); ++i) line += std::string(c.args[i]) + " ";
        EXPECT_EQ(o.action, c.action) << line << ": " << o.error;
        EXPECT_EQ(o.error.empty(), c.action != A::UsageError) << line;
        if (c.action != A::Run) continue;
        EXPECT_EQ(o.screenshotPath, QString::fromUtf8(c.screenshot)) << line;
        EXPECT_EQ(o.simulate, c.simulate) << line;
        EXPECT_EQ(o.minimized, c.minimized) << line;
    }
}

TEST(StartupOptions, AButtonToClickBeforeTheScreenshot) {
    const char* const given[] = {"kvelm", "--screenshot", "a.png", "--click=mouse_device_seting_option_1"};
    EXPECT_EQ(ParseStartupOptions(4, given, nullptr).clickBeforeScreenshot,
              QStringLiteral("mouse_device_seting_option_1"));
    const char* const empty[] = {"kvelm", "--click"};
    EXPECT_EQ(ParseStartupOptions(2, empty, nullptr).action, StartupAction::UsageError);
    const char* const none[] = {"kvelm", "--screenshot", "a.png"};
    EXPECT_TRUE(ParseStartupOptions(3, none, nullptr).clickBeforeScreenshot.isEmpty());
}

TEST(StartupOptions, SdkServerWithOrWithoutItsAddress) {
    const struct {
        std::vector<const char*> args;
        bool ok;
        bool on;
        const char* address;
        std::uint16_t port;
    } cases[] = {
        {{"kvelm"}, true, false, "", 0},
        {{"kvelm", "--sdk-server"}, true, true, "127.0.0.1", 6742},
        {{"kvelm", "-sdk-server", "--minimized"}, true, true, "127.0.0.1", 6742},
        {{"kvelm", "--sdk-server=0.0.0.0:7000"}, true, true, "0.0.0.0", 7000},
        {{"kvelm", "--sdk-server=127.0.0.1:99999"}, false, false, "", 0},
        {{"kvelm", "--sdk-server=localhost"}, false, false, "", 0},
    };
    for (const auto& c : cases) {
        const StartupOptions o = ParseStartupOptions(static_cast<int>(c.args.size()), c.args.data(), nullptr);
        const std::string line = c.args.back();
        EXPECT_EQ(o.action == StartupAction::Run, c.ok) << line;
        EXPECT_EQ(o.sdkServer, c.on) << line;
        if (!c.on) continue;
        EXPECT_EQ(o.sdkAddress, c.address) << line;
        EXPECT_EQ(o.sdkPort, c.port) << line;
    }
}

// The stored choice decides unless --sdk-server is given, which never changes it; a
// hand-broken stored address falls back to the default and says so.
TEST(SdkServerChoice, CommandLineWinsForTheRunAndABrokenStoredAddressFallsBack) {
    const struct {
        bool given;
        bool storedOn;
        const char* storedAddress;
        bool run;
        const char* address;
        std::uint16_t port;
        bool problem;
    } cases[] = {
        {false, false, "127.0.0.1:6742", false, "127.0.0.1", 6742, false},
        {false, true, "0.0.0.0:7000", true, "0.0.0.0", 7000, false},
        {true, false, "0.0.0.0:7000", true, "127.0.0.1", 6800, false},
        {false, true, "nowhere:1", true, "127.0.0.1", 6742, true},
    };
    for (const auto& c : cases) {
        StartupOptions options;
        options.sdkServer = c.given;
        options.sdkAddress = "127.0.0.1";
        options.sdkPort = 6800;
        const SdkServerChoice choice =
            ChooseSdkServer(options, {.enabled = c.storedOn, .address = QLatin1String(c.storedAddress)});
        const std::string line = c.storedAddress;
        EXPECT_EQ(choice.run, c.run) << line;
        EXPECT_EQ(choice.address.address, c.address) << line;
        EXPECT_EQ(choice.address.port, c.port) << line;
        EXPECT_EQ(choice.text, QStringLiteral("%1:%2").arg(QLatin1String(c.address)).arg(c.port)) << line;
        EXPECT_EQ(!choice.problem.isEmpty(), c.problem) << line;
    }
}

TEST(StartupOptions, HelpNamesEveryOptionAndNotQtsOwn) {
    const QString help = StartupHelpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: kvelm [options]"))) << help.toStdString();
    for (const char* option :
         {"--help", "--version", "--simulate <LIST>", "--screenshot <FILE>", "--minimized", "--sdk-server"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_FALSE(help.contains(QLatin1String("platform")));
}

TEST(StartupOptions, PlatformOnTheCommandLineCountsAsADisplay) {
    EXPECT_TRUE(ArgumentsChoosePlatform(
        {QStringLiteral("kvelm"), QStringLiteral("-platform"), QStringLiteral("xcb")}));
    EXPECT_TRUE(ArgumentsChoosePlatform({QStringLiteral("kvelm"), QStringLiteral("--platform=offscreen")}));
    EXPECT_FALSE(ArgumentsChoosePlatform(
        {QStringLiteral("kvelm"), QStringLiteral("--simulate"), QStringLiteral("mouse")}));
}

TEST(StartupOptions, OffscreenOnlyWhenNoDisplayAndNoPlatformIsChosen) {
    EXPECT_TRUE(NeedsOffscreenFallback(nullptr, nullptr, nullptr));
    EXPECT_TRUE(NeedsOffscreenFallback("", "", ""));
    EXPECT_FALSE(NeedsOffscreenFallback(":0", nullptr, nullptr));
    EXPECT_FALSE(NeedsOffscreenFallback(nullptr, "wayland-0", nullptr));
    EXPECT_FALSE(NeedsOffscreenFallback(nullptr, nullptr, "xcb"));
}
