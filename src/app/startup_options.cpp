#include "app/startup_options.h"

#include <QCommandLineParser>
#include "sdk/sdk_address.h"
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
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("V"), QStringLiteral("version")},
                               QStringLiteral("Show the program version and exit.")};
    QCommandLineOption simulate{QStringLiteral("simulate"),
                                QStringLiteral("Plug simulated devices: mouse, mouse3389, mousewl, keyboard, "
                                               "pad, headset, comma-separated (default: the variable "
                                               "KVELM_SIMULATE). Their memory is kept per user in "
                                               "$XDG_RUNTIME_DIR/kvelm-sim, shared with kvelmctl; "
                                               "KVELM_SIM_STATE_DIR chooses another folder, 'off' "
                                               "keeps it in this run; delete the folder to start "
                                               "fresh."),
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
    // For the help only: the value is optional, so TakeSdkServer reads it before the parser.
    QCommandLineOption sdkServer{
        QStringLiteral("sdk-server"),
        QStringLiteral("Serve the devices' lighting to OpenRGB-protocol programs for this run, "
                       "on ADDRESS:PORT (default 127.0.0.1:6742, loopback only)."),
        QStringLiteral("ADDRESS:PORT")};
    QCommandLineOption followFocus{QStringLiteral("follow-focus"),
                                   QStringLiteral("Switch profiles with the focused program for this run.")};

    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("Configuration program of the KV_ELM gaming devices."));
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, simulate, screenshot, click, minimized, sdkServer, followFocus});
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

// --sdk-server takes its value only after '=': QCommandLineParser knows no optional values.
bool TakeSdkServer(QStringList& args, StartupOptions& options, QString* error) {
    for (auto it = args.begin(); it != args.end();) {
        QString arg = *it;
        if (arg.startsWith(QLatin1String("--"))) arg.remove(0, 1);
        if (arg != QLatin1String("-sdk-server") && !arg.startsWith(QLatin1String("-sdk-server="))) {
            ++it;
            continue;
        }
        const QString value = arg.section(QLatin1Char('='), 1);
        const auto parsed =
            sdk::ParseListenAddress(value.isEmpty() ? sdk::kDefaultAddress : value.toStdString());
        if (!parsed) {
            *error =
                QStringLiteral("--sdk-server needs ADDRESS:PORT with an IPv4 address, not '%1'").arg(value);
            return false;
        }
        options.sdkServer = true;
        options.sdkAddress = parsed->address;
        options.sdkPort = parsed->port;
        it = args.erase(it);
    }
    return true;
}

}  // namespace

StartupOptions ParseStartupOptions(const QStringList& givenArgs, const char* simulateEnv) {
    QStringList args = givenArgs;
    StartupOptions sdkOptions;
    QString sdkError;
    if (!TakeSdkServer(args, sdkOptions, &sdkError)) return Error(sdkError);
    Parser p;
    if (!p.parser.parse(args)) return Error(p.parser.errorText());
    if (!p.parser.positionalArguments().isEmpty())
        return Error(QStringLiteral("unexpected argument '%1'").arg(p.parser.positionalArguments().front()));
    StartupOptions options = sdkOptions;
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
