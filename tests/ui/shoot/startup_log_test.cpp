// Starting the main window with a simulated mouse builds every skin and control class the
// skins name: nothing in the start-up log may say that a class or a skin file is missing.
#include <QMutex>
#include <QStringList>

#include "util/debug_log.h"
#include "wiring_fixture.h"

namespace {

QMutex linesLock;
QStringList qtLines;
QStringList debugLines;

void CaptureQt(QtMsgType, const QMessageLogContext&, const QString& text) {
    QMutexLocker lock(&linesLock);
    qtLines << text;
}

bool MentionsMissingPart(const QString& line) {
    static const char* const kSigns[] = {"unable to create", "custom widget", "Cannot open", "not found",
                                         "no such",          "unknown",       "skin:",       "could not",
                                         "missing"};
    for (const char* sign : kSigns)
        if (line.contains(QLatin1String(sign), Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace

class StartupLog : public WiringFixture {
protected:
    void SetUp() override {
        {
            QMutexLocker lock(&linesLock);
            qtLines.clear();
            debugLines.clear();
        }
        previous = qInstallMessageHandler(CaptureQt);
        SetDebugSink([](std::string_view text) {
            QMutexLocker lock(&linesLock);
            debugLines << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        });
        WiringFixture::SetUp();
        // The gun presets page is built and shown as well.
        if (!HasFatalFailure()) Click("mouse_device_seting_option_1");
        QApplication::processEvents();
    }
    void TearDown() override {
        WiringFixture::TearDown();
        qInstallMessageHandler(previous);
        SetDebugSink({});
    }
    QtMessageHandler previous = nullptr;
};

TEST_F(StartupLog, NamesNoMissingClassOrSkinFile) {
    QMutexLocker lock(&linesLock);
    EXPECT_FALSE(debugLines.isEmpty());  // the sink did capture the start
    QStringList missing;
    for (const QString& line : qtLines + debugLines)
        if (MentionsMissingPart(line)) missing << line.trimmed();
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
}

TEST_F(StartupLog, TheMousePageUsesTheProgramsOwnControls) {
    for (const char* name : {"mouse_device_key_light", "key_0", "light_3", "ShootControlItem"}) {
        QWidget* control = PageControl(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_STRNE(control->metaObject()->className(), "QWidget") << name;
        EXPECT_STRNE(control->metaObject()->className(), "QPushButton") << name;
    }
}
