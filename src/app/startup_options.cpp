#include "app/startup_options.h"

#include <QCommandLineParser>
#include "update/program_version.h"

namespace {

bool IsSet(const char* value) {
    return value && *value;
}

// Qt's own options that take a value; QApplication reads and removes them later.
const char* const kQtValueOptions[] = {"platform", "style", "stylesheet", "display"};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the program version and exit.")};
    QCommandLineOption simulate{QStringLiteral("simulate"),
                                QStringLiteral("Plug simulated devices, e.g. mouse,mouse3389 "
                                               "(default: the variable KVELM_SIMULATE)."),
                                QStringLiteral("LIST")};
    QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the main window to FILE (PNG) once "
                                                 "it is ready, then exit. Works without a display."),
                                  QStringLiteral("FILE")};
    QCommandLineOption click{QStringLiteral("click"),
                             QStringLiteral("Before the screenshot, click the shown button or option NAME "
                                            "as a user would."),
                             QStringLiteral("NAME")};
    QCommandLineOption minimized{QStringLiteral("minimized"), QStringLiteral("Start in the tray.")};
    QCommandLineOption followFocus{QStringLiteral("follow-focus"),
                                   QStringLiteral("Switch profiles with the focused program for this run.")};

    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("Configuration program of the KV_ELM gaming devices."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, simulate, screenshot, click, minimized, followFocus});
        for (const char* name : kQtValueOptions) {
            QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
            qt.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(qt);
        }
    }
};

StartupOptions Error(const QString& text) {
    StartupOptions options;
    options.action = StartupAction::UsageError;
    options.error = text.toStdString();
    return options;
}

}  // namespace

StartupOptions ParseStartupOptions(const QStringList& args, const char* simulateEnv) {
    Parser p;
    if (!p.parser.parse(args)) return Error(p.parser.errorText());
    if (!p.parser.positionalArguments().isEmpty())
        return Error(QStringLiteral("unexpected argument '%1'").arg(p.parser.positionalArguments().front()));
    StartupOptions options;
    if (p.parser.isSet(p.help)) {
        options.action = StartupAction::ShowHelp;
        return options;
    }
    if (p.parser.isSet(p.version)) {
        options.action = StartupAction::ShowVersion;
        return options;
    }
    if (p.parser.isSet(p.screenshot)) {
        options.screenshotPath = p.parser.values(p.screenshot).constLast();
        if (options.screenshotPath.isEmpty()) return Error(QStringLiteral("--screenshot needs a file name"));
    }
    if (p.parser.isSet(p.click)) {
        options.clickBeforeScreenshot = p.parser.values(p.click).constLast();
        if (options.clickBeforeScreenshot.isEmpty())
            return Error(QStringLiteral("--click needs a control name"));
    }
    if (p.parser.isSet(p.simulate))
        options.simulate = p.parser.values(p.simulate).constLast().toStdString();
    else if (simulateEnv)
        options.simulate = simulateEnv;
    options.minimized = p.parser.isSet(p.minimized);
    options.followFocus = p.parser.isSet(p.followFocus);
    return options;
}

StartupOptions ParseStartupOptions(int argc, const char* const* argv, const char* simulateEnv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return ParseStartupOptions(args, simulateEnv);
}

QString StartupHelpText() {
    Parser p;
    QString text = p.parser.helpText();
    // The first line names the executable as the application object knows it, and there
    // may be none yet.
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    return QStringLiteral("Usage: kvelm [options]") + (lineEnd < 0 ? QString() : text.mid(lineEnd));
}

QString StartupVersionText() {
    return QStringLiteral("kvelm %1\n").arg(QString::fromLatin1(ProgramVersionDotted()));
}

bool NeedsOffscreenFallback(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    return !IsSet(display) && !IsSet(waylandDisplay) && !IsSet(qpaPlatform);
}

bool ArgumentsChoosePlatform(const QStringList& args) {
    for (const QString& arg : args)
        if (arg == QLatin1String("-platform") || arg == QLatin1String("--platform") ||
            arg.startsWith(QLatin1String("-platform=")) || arg.startsWith(QLatin1String("--platform=")))
            return true;
    return false;
}
