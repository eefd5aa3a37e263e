// Starts the real program twice on an X display: the second start hands over to the first
// and ends at once, and the first window comes to the front. Also saves a screenshot of
// the main window while no device is connected.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <filesystem>
#include <functional>

#include "temp_folder.h"

namespace {

const QString kTitle = QStringLiteral("KV_ELM Gaming mouse");

bool WaitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Top-level windows of the display, top-most first, as "id name" lines.
QStringList Stacking() {
    QStringList windows;
    for (const QString& line :
         Output(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")})
             .split('\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(QStringLiteral("0x"))) windows << t;
    }
    return windows;
}

int StackPosition(const QString& name) {
    const QStringList windows = Stacking();
    for (int i = 0; i < windows.size(); ++i)
        if (windows[i].contains(QLatin1Char('"') + name + QLatin1Char('"'))) return i;
    return -1;
}

bool VisibleWindowNamed(const QString& name) {
    return !Output(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                    QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')})
                .trimmed()
                .isEmpty();
}

class ShellE2e : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display: run through run_shell_e2e.sh (xvfb-run)";
        for (const char* tool : {"xdotool", "xwininfo", "xlogo"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing (x11-utils, x11-apps, xdotool: scripts/install-deps.sh)";
        ASSERT_TRUE(home.IsValid());
        // The programs' data, settings and runtime folders are in the home.
        home.UseAsUserHome();
        std::filesystem::create_directory(home.Path() / "runtime");
        std::filesystem::permissions(home.Path() / "runtime", std::filesystem::perms::owner_all);
        home.SetEnv("XDG_RUNTIME_DIR", home.File("runtime"));
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KVELM_SIMULATE"), QStringLiteral("none"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("KVELM_DATA_DIR"));
    }
    void TearDown() override {
        for (QProcess* p : {&first, &cover}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }
    void StartKvelm(QProcess& p, const QStringList& args, const QString& debugFile) {
        QProcessEnvironment e = env;
        e.insert(QStringLiteral("KVELM_DEBUG"), debugFile);
        p.setProcessEnvironment(e);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral(KVELM_BIN), args);
    }
    QString InHome(const char* name) const { return QString::fromStdString(home.File(name)); }
    QString DebugText(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    TempFolder home;
    QProcessEnvironment env;
    QProcess first;
    QProcess cover;
};

}  // namespace

TEST_F(ShellE2e, SecondStartHandsOverAndTheFirstWindowComesForward) {
    const QString firstLog = InHome("first.log");
    StartKvelm(first, {}, firstLog);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([] { return VisibleWindowNamed(kTitle); }, 15000))
        << "the main window shows without a device";

    // Another program's window on top of it.
    cover.start(QStringLiteral("xlogo"), {QStringLiteral("-name"), QStringLiteral("e2e_cover"),
                                          QStringLiteral("-geometry"), QStringLiteral("1280x1024+0+0")});
    ASSERT_TRUE(cover.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([] { return VisibleWindowNamed(QStringLiteral("e2e_cover")); }, 5000));
    ASSERT_LT(StackPosition(QStringLiteral("e2e_cover")), StackPosition(kTitle))
        << Stacking().join('\n').toStdString();

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    StartKvelm(second, {}, InHome("second.log"));
    ASSERT_TRUE(second.waitForFinished(1000)) << "the second start ends within a second";
    EXPECT_LE(clock.elapsed(), 1000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first one keeps running";

    EXPECT_TRUE(WaitFor(
        [] {
            return StackPosition(kTitle) >= 0 &&
                   StackPosition(kTitle) < StackPosition(QStringLiteral("e2e_cover"));
        },
        3000))
        << "the first window is above the other program's now\n"
        << Stacking().join('\n').toStdString();
    EXPECT_TRUE(DebugText(firstLog).contains(QStringLiteral("软件标示 ")))
        << "the first one got the instance message";
    EXPECT_FALSE(DebugText(InHome("second.log")).contains(QStringLiteral("InitWindow")))
        << "the second start builds no window";
}

TEST_F(ShellE2e, ScreenshotOfTheWindowWithoutDevice) {
    QDir().mkpath(QStringLiteral(KVELM_E2E_ARTIFACTS));
    const QString shot = QStringLiteral(KVELM_E2E_ARTIFACTS "/shell_main_window.png");
    QFile::remove(shot);
    QProcess kvelm;
    StartKvelm(kvelm, {QStringLiteral("--screenshot"), shot}, InHome("shot.log"));
    ASSERT_TRUE(kvelm.waitForFinished(30000));
    EXPECT_EQ(kvelm.exitCode(), 0);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull()) << shot.toStdString();
    EXPECT_EQ(image.size(), QSize(1000, 640));
    // The "No_device_Link" panel with its accent-blue OK button is on it.
    int accent = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.green() > 120 && c.green() < 200 && c.red() < 80) ++accent;
        }
    EXPECT_GT(accent, 2000) << "accent pixels: " << accent;
    EXPECT_TRUE(DebugText(InHome("shot.log")).contains(QStringLiteral("InitWindow")));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
