// SPDX-License-Identifier: Apache-2.0
// The labelbench program: the main window over a real printer, or over the simulated one
// with --demo.

#include "app/language.h"
#include "app/ui/form_main.h"
#include "link/printer_link.h"
#include "network/discovery_exchange.h"
#include "sim/sim_server.h"
#include "sim/udp_responder.h"
#include "ui_common/form_process.h"
#include "ui_common/message_box.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace {

constexpr int kUsageError = 64;

// An exception that escapes an event handler is shown and the program goes on.
class Application final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            lb::MessageBox::critical(nullptr, QString(), QString::fromLocal8Bit(e.what()));
        } catch (...) {
            lb::MessageBox::critical(nullptr, QString(), QStringLiteral("Unexpected error"));
        }
        return false;
    }
};

std::optional<lb::InterfaceKind> ParseInterface(const QString& text) {
    const QString name = text.toLower();
    if (name == u"usb") return lb::InterfaceKind::Usb;
    if (name == u"com") return lb::InterfaceKind::Com;
    if (name == u"lpt") return lb::InterfaceKind::Lpt;
    if (name == u"ethernet") return lb::InterfaceKind::Ethernet;
    return std::nullopt;
}

int UsageError(const QString& message) {
    std::fprintf(stderr, "labelbench: %s\n", qPrintable(message));
    return kUsageError;
}

void SetApplicationNames() {
    // Also the title of message boxes. (No display name: the platform would append it to
    // every window title.)
    QCoreApplication::setApplicationName(QStringLiteral("LabelBench"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELBENCH_VERSION_TEXT));
}

// The options the toolkit takes for itself (-platform xcb, -style fusion, …): QApplication
// removes them from the arguments, but the command line is read before it exists.
QStringList WithoutToolkitOptions(const QStringList& arguments) {
    static const QStringList withValue = {QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qmljsdebugger"),
                                          QStringLiteral("session"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("title"),
                                          QStringLiteral("icon"),
                                          QStringLiteral("name"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("testability"), QStringLiteral("nograb"),
                                      QStringLiteral("dograb")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {   // the rest are arguments, whatever they look like
            kept.append(arguments.mid(i));
            break;
        }
        if (i == 0 || !argument.startsWith(u'-')) {
            kept.append(argument);
            continue;
        }
        QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) name.truncate(equals);
        if (flags.contains(name) || (equals >= 0 && withValue.contains(name))) continue;
        if (withValue.contains(name)) {
            ++i;   // and its value
            continue;
        }
        kept.append(argument);
    }
    return kept;
}

// What the command line asks for, once it is known to be usable.
struct Launch {
    lb::StartOptions options;
    bool demo = false;
    bool exitAfterShow = false;
};

// Reads the command line without a window system, so that --help, --version and usage
// errors work where there is no display. Returns the exit status when the program ends here.
std::optional<int> ParseCommandLine(const QStringList& arguments, Launch& launch) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Service utility for thermal label printers."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption interfaceOption(
        QStringLiteral("interface"),
        QStringLiteral("Interface selected at start: usb, com, lpt or ethernet."), QStringLiteral("kind"));
    const QCommandLineOption hostOption(
        QStringLiteral("host"), QStringLiteral("Printer host name or address; alone it selects ethernet."),
        QStringLiteral("host"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Printer TCP port (default 9100)."), QStringLiteral("n"));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral("Talk to a simulated printer on 127.0.0.1 instead of a real one."));
    // For timing the start: prints "shown" once the window is on screen, then quits when the
    // start-up contact is over.
    const QCommandLineOption exitAfterShowOption(
        QStringLiteral("exit-after-show"),
        QStringLiteral("Quit once the window is shown and the printer looked for (for timing)."));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Window language for this run instead of the desktop's: en, zh_TW, zh_CN, ja, es, pt, "
                       "de, fr, it, ru, pl, lt, cs or uk."),
        QStringLiteral("code"));
    parser.addOptions(
        {interfaceOption, hostOption, portOption, demoOption, exitAfterShowOption, languageOption});
    if (!parser.parse(WithoutToolkitOptions(arguments))) return UsageError(parser.errorText());
    if (parser.isSet(helpOption)) parser.showHelp(0);
    if (parser.isSet(versionOption)) parser.showVersion();
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(WithoutToolkitOptions(arguments));   // prints and exits
    if (!parser.positionalArguments().isEmpty())
        return UsageError(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    lb::StartOptions& options = launch.options;
    if (parser.isSet(hostOption)) {
        options.host = parser.value(hostOption);
        options.kind = lb::InterfaceKind::Ethernet;
        if (!lb::IsNetworkHostText(options.host))
            return UsageError(
                QStringLiteral("--host needs a host name or address of at most %1 printable ASCII "
                               "characters")
                    .arg(sizeof(lb::NetworkTarget::host) - 1));
    }
    if (parser.isSet(portOption)) {
        bool ok = false;
        const int port = parser.value(portOption).toInt(&ok, 10);
        if (!ok || port < 1 || port > 65535)
            return UsageError(QStringLiteral("--port needs a number from 1 to 65535"));
        options.port = port;
    }
    if (parser.isSet(interfaceOption)) {
        const std::optional<lb::InterfaceKind> kind = ParseInterface(parser.value(interfaceOption));
        if (!kind) return UsageError(QStringLiteral("--interface needs one of usb, com, lpt, ethernet"));
        options.kind = *kind;
    }
    launch.demo = parser.isSet(demoOption);
    if (launch.demo &&
        (parser.isSet(interfaceOption) || parser.isSet(hostOption) || parser.isSet(portOption)))
        return UsageError(
            QStringLiteral("--demo chooses the link itself; leave out --interface, --host, --port"));
    launch.exitAfterShow = parser.isSet(exitAfterShowOption);
    options.language = lb::ChooseInitialLanguage();
    if (parser.isSet(languageOption)) {
        options.language = lb::LanguageIndexOfCode(parser.value(languageOption));
        if (options.language < 0)
            return UsageError(
                QStringLiteral("--language needs one of en, zh_TW, zh_CN, ja, es, pt, de, fr, it, "
                               "ru, pl, lt, cs, uk"));
    }
    return std::nullopt;
}

}   // namespace

int main(int argc, char** argv) {
    Launch launch;
    {
        // Only the command line so far: no window system is needed to print help or refuse.
        QCoreApplication parsing(argc, argv);
        SetApplicationNames();
        if (const std::optional<int> status = ParseCommandLine(QCoreApplication::arguments(), launch))
            return *status;
    }

    Application app(argc, argv);
    SetApplicationNames();
    // The desktop entry: Wayland compositors and docks find the window's icon and name by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(LABELBENCH_APP_ID));
    lb::StartOptions options = launch.options;
    std::unique_ptr<lb::sim::SimServer> demoPrinter;
    std::unique_ptr<lb::sim::UdpResponder> demoResponder;
    if (launch.demo) {
        demoPrinter = std::make_unique<lb::sim::SimServer>();
        demoPrinter->printer().setSensorTurnsEachPass();   // so an assisted calibration can succeed
        demoPrinter->printer().edit([](lb::sim::Profile& p) { p.network.serveOnLoopback(); });
        if (!demoPrinter->start(0)) {
            lb::MessageBox::critical(nullptr, QString(),
                                     QStringLiteral("The simulated printer could not be started."));
            return 1;
        }
        options.kind = lb::InterfaceKind::Ethernet;
        options.host = QHostAddress(QHostAddress::LocalHost).toString();
        options.port = demoPrinter->port();
        // The TCP/IP Setup dialog finds the same printer on loopback: no discovery datagram
        // leaves the machine.
        demoResponder = std::make_unique<lb::sim::UdpResponder>(
            QList<lb::sim::SimulatedPrinter*>{&demoPrinter->printer()});
        if (!demoResponder->start(0)) {
            lb::MessageBox::critical(nullptr, QString(),
                                     QStringLiteral("The simulated printer could not be started."));
            return 1;
        }
        lb::SetDiscoveryEndpoint(
            lb::SingleDestinationEndpoint(QHostAddress(QHostAddress::LocalHost), demoResponder->port()));
    }

    lb::GuiLinkObserver observer;
    lb::SetLinkObserver(&observer);
    int status = 1;
    try {
        lb::TFormMain window(options);
        if (launch.exitAfterShow) {
            QObject::connect(&window, &lb::TFormMain::firstContactStarted, &app, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
            });
            QObject::connect(&window, &lb::TFormMain::firstContactFinished, &app, &QApplication::quit);
        }
        // The window comes up at once, disabled while the printer is looked for.
        window.show();
        QTimer::singleShot(0, &window, &lb::TFormMain::RunFirstContact);
        status = QApplication::exec();
    } catch (const std::exception& e) {
        lb::MessageBox::critical(nullptr, QString(), QString::fromLocal8Bit(e.what()));
    }
    lb::SetLinkObserver(nullptr);
    return status;
}
