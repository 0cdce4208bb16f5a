// The labelbench program: the main window over a real printer, or over the simulated one
// with --demo.

#include "app/ui/form_main.h"
#include "link/printer_link.h"
#include "link/ui/form_process.h"
#include "link/ui/message_box.h"
#include "sim/sim_server.h"

#include <QApplication>
#include <QCommandLineParser>
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

}   // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    // Also the title of message boxes. (No display name: the platform would append it to
    // every window title.)
    QApplication::setApplicationName(QStringLiteral("LabelBench"));
    QApplication::setApplicationVersion(QStringLiteral(LABELBENCH_VERSION_TEXT));

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
    parser.addOptions({interfaceOption, hostOption, portOption, demoOption, exitAfterShowOption});
    if (!parser.parse(QApplication::arguments())) return UsageError(parser.errorText());
    if (parser.isSet(helpOption)) parser.showHelp(0);
    if (parser.isSet(versionOption)) parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return UsageError(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    lb::StartOptions options;
    if (parser.isSet(hostOption)) {
        options.host = parser.value(hostOption);
        options.kind = lb::InterfaceKind::Ethernet;
        const QByteArray host = options.host.toLatin1();
        bool printable = !host.isEmpty() && host.size() < qsizetype(sizeof(lb::NetworkTarget::host));
        for (const char c : host)
            printable = printable && c > ' ' && c <= '~';
        if (!printable || QString::fromLatin1(host) != options.host)
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

    std::unique_ptr<lb::sim::SimServer> demoPrinter;
    if (parser.isSet(demoOption)) {
        if (parser.isSet(interfaceOption) || parser.isSet(hostOption) || parser.isSet(portOption))
            return UsageError(
                QStringLiteral("--demo chooses the link itself; leave out --interface, --host, --port"));
        demoPrinter = std::make_unique<lb::sim::SimServer>();
        if (!demoPrinter->start(0)) {
            lb::MessageBox::critical(nullptr, QString(),
                                     QStringLiteral("The simulated printer could not be started."));
            return 1;
        }
        options.kind = lb::InterfaceKind::Ethernet;
        options.host = QHostAddress(QHostAddress::LocalHost).toString();
        options.port = demoPrinter->port();
    }

    lb::GuiLinkObserver observer;
    lb::SetLinkObserver(&observer);
    int status = 1;
    try {
        lb::TFormMain window(options);
        if (parser.isSet(exitAfterShowOption)) {
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
