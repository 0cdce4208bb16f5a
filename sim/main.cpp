// labelbench-sim: the simulated printer on 127.0.0.1, for the demo and for trying LabelBench
// without a printer. Runs until SIGTERM or SIGINT.

#include "sim/pty_server.h"
#include "sim/sim_server.h"
#include "sim/udp_responder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &byte, 1);
}

bool InstallSignalHandlers() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

int Fail(const QString& message, int code) {
    std::fprintf(stderr, "labelbench-sim: %s\n", qPrintable(message));
    return code;
}

constexpr int kUsageError = 64;

}   // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("labelbench-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELBENCH_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated label printer on 127.0.0.1.\n"
        "Where a real printer's behaviour is not known, the simulator chooses: a dump into a file\n"
        "ends when that file is fetched (as well as on a reset), the media under the sensor moves\n"
        "on at each reading pass (see --under-sensor), and the linked printer announces itself\n"
        "over UDP at 127.0.0.1, the address it serves on."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("TCP port (0: any free port)."), QStringLiteral("N"),
                                        QStringLiteral("9100"));
    const QCommandLineOption profileOption(QStringLiteral("profile"), QStringLiteral("JSON printer profile."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption editionOption(
        QStringLiteral("edition"),
        QStringLiteral(
            "A printer of this firmware edition (99, 100, 102, 103, 104 are shipped; others take the "
            "nearest one below)."),
        QStringLiteral("N"));
    const QCommandLineOption passwordOption(QStringLiteral("password"),
                                            QStringLiteral("The printer's settings password."),
                                            QStringLiteral("TEXT"));
    const QCommandLineOption transcriptOption(QStringLiteral("transcript"),
                                              QStringLiteral("Append every connection's bytes to FILE."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption delayOption(QStringLiteral("delay"), QStringLiteral("Wait before each reply."),
                                         QStringLiteral("MS"));
    const QCommandLineOption segmentsOption(QStringLiteral("one-byte-segments"),
                                            QStringLiteral("Send every reply byte on its own."));
    const QCommandLineOption noiseOption(
        QStringLiteral("noise"), QStringLiteral("Send TEXT ahead of every frame."), QStringLiteral("TEXT"));
    const QCommandLineOption malformedOption(
        QStringLiteral("malformed"),
        QStringLiteral("Break every frame: missing-brace, too-many-digits, oversized or no-separator."),
        QStringLiteral("KIND"));
    const QCommandLineOption silentOption(QStringLiteral("silent"),
                                          QStringLiteral("Do not answer report KEY (repeatable)."),
                                          QStringLiteral("KEY"));
    const QCommandLineOption closeOption(QStringLiteral("close-after"),
                                         QStringLiteral("Close each connection after N commands."),
                                         QStringLiteral("N"));
    const QCommandLineOption underSensorOption(
        QStringLiteral("under-sensor"),
        QStringLiteral("What lies under the media sensor: liner or label (the sensor readings answer it). "
                       "Without it the media moves on by itself, one side per reading pass, liner first "
                       "(again after a quiet minute), so an assisted calibration succeeds."),
        QStringLiteral("liner|label"));
    const QCommandLineOption ptyOption(
        QStringLiteral("pty"),
        QStringLiteral("Serve a pseudo-terminal instead of TCP, for the COM link; prints its device path."));
    const QCommandLineOption udpPortOption(
        QStringLiteral("udp-port"),
        QStringLiteral(
            "Also answer the discovery protocol on UDP 127.0.0.1:N (0: any free port); prints it."),
        QStringLiteral("N"));
    const QCommandLineOption udpPrintersOption(
        QStringLiteral("udp-printers"),
        QStringLiteral("Answer over UDP as N printers (1 to 9): the first is the linked one, the others "
                       "have MACs 02:00:00:00:00:02 and up."),
        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({portOption, profileOption, editionOption, passwordOption, transcriptOption,
                       delayOption, segmentsOption, noiseOption, malformedOption, silentOption, closeOption,
                       underSensorOption, ptyOption, udpPortOption, udpPrintersOption});
    if (!parser.parse(QCoreApplication::arguments())) return Fail(parser.errorText(), kUsageError);
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")))
        parser.process(QCoreApplication::arguments());   // prints and exits
    if (!parser.positionalArguments().isEmpty())
        return Fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()),
                    kUsageError);

    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535)
        return Fail(QStringLiteral("bad port %1").arg(parser.value(portOption)), kUsageError);

    lb::sim::Profile profile = lb::sim::Profile::Default();
    if (parser.isSet(editionOption) && parser.isSet(profileOption))
        return Fail(QStringLiteral("--edition and --profile both choose the printer; give one"), kUsageError);
    if (parser.isSet(editionOption)) {
        const int edition = parser.value(editionOption).toInt(&ok);
        if (!ok || edition < 0)
            return Fail(QStringLiteral("bad edition %1").arg(parser.value(editionOption)), kUsageError);
        profile = lb::sim::Profile::ForEdition(edition);
    }
    if (parser.isSet(profileOption)) {
        QString error;
        if (!lb::sim::Profile::LoadFromFile(parser.value(profileOption), profile, &error))
            return Fail(error, kUsageError);
    }

    if (parser.isSet(passwordOption)) {
        const QString password = parser.value(passwordOption);
        bool latin1 = true;
        for (const QChar c : password)
            latin1 = latin1 && c.unicode() <= 0xFF && c != u'"' && c != u'\r' && c != u'\n';
        if (!latin1 || password.isEmpty())
            return Fail(QStringLiteral("--password takes Latin-1 text without quotes or line breaks"),
                        kUsageError);
        profile.password = password.toLatin1();
    }

    if (parser.isSet(underSensorOption)) {
        const QString under = parser.value(underSensorOption);
        if (under != QLatin1String("liner") && under != QLatin1String("label"))
            return Fail(QStringLiteral("--under-sensor takes liner or label"), kUsageError);
        profile.sensor.under =
            under == QLatin1String("liner") ? lb::sim::UnderSensor::Liner : lb::sim::UnderSensor::Label;
    } else {
        profile.sensor.turnsEachPass = true;
    }
    profile.network.serveOnLoopback();   // the linked printer, announced where it answers

    lb::sim::Faults faults;
    if (parser.isSet(delayOption)) {
        faults.replyDelayMs = parser.value(delayOption).toInt(&ok);
        if (!ok || faults.replyDelayMs < 0)
            return Fail(QStringLiteral("bad delay %1").arg(parser.value(delayOption)), kUsageError);
    }
    faults.oneByteSegments = parser.isSet(segmentsOption);
    faults.noiseBeforeFrame = parser.value(noiseOption).toLatin1();
    if (parser.isSet(malformedOption)) {
        const QString kind = parser.value(malformedOption);
        using M = lb::sim::Faults::Malformed;
        if (kind == QLatin1String("missing-brace"))
            faults.malformed = M::MissingClosingBrace;
        else if (kind == QLatin1String("too-many-digits"))
            faults.malformed = M::TooManyDigits;
        else if (kind == QLatin1String("oversized"))
            faults.malformed = M::OversizedLength;
        else if (kind == QLatin1String("no-separator"))
            faults.malformed = M::NoSeparator;
        else
            return Fail(QStringLiteral("bad malformed kind %1").arg(kind), kUsageError);
    }
    for (const QString& key : parser.values(silentOption))
        faults.silentKeywords.insert(key.toLatin1().toUpper());
    if (parser.isSet(closeOption)) {
        faults.closeAfterCommands = parser.value(closeOption).toInt(&ok);
        if (!ok || faults.closeAfterCommands < 1)
            return Fail(QStringLiteral("bad command count %1").arg(parser.value(closeOption)), kUsageError);
    }

    uint udpPort = 0;
    if (parser.isSet(udpPortOption)) {
        udpPort = parser.value(udpPortOption).toUInt(&ok);
        if (!ok || udpPort > 65535)
            return Fail(QStringLiteral("bad UDP port %1").arg(parser.value(udpPortOption)), kUsageError);
    }
    const int udpPrinters = parser.value(udpPrintersOption).toInt(&ok);
    if (!ok || udpPrinters < 1 || udpPrinters > 9)
        return Fail(QStringLiteral("--udp-printers takes 1 to 9"), kUsageError);
    if (parser.isSet(udpPrintersOption) && !parser.isSet(udpPortOption))
        return Fail(QStringLiteral("--udp-printers needs --udp-port"), kUsageError);
    // The printers beyond the first are reached over UDP only.
    QList<std::shared_ptr<lb::sim::SimulatedPrinter>> others;
    for (int n = 2; n <= udpPrinters; ++n) {
        lb::sim::Profile other = profile;
        other.network = lb::sim::NumberedNetworkInterface(n);
        others.append(std::make_shared<lb::sim::SimulatedPrinter>(other));
    }
    std::unique_ptr<lb::sim::UdpResponder> responder;
    auto startResponder = [&](lb::sim::SimulatedPrinter& linked) {
        if (!parser.isSet(udpPortOption)) return true;
        QList<lb::sim::SimulatedPrinter*> printers{&linked};
        for (const auto& other : others)
            printers.append(other.get());
        responder = std::make_unique<lb::sim::UdpResponder>(printers);
        if (!responder->start(quint16(udpPort))) return false;
        std::printf("labelbench-sim answering UDP on 127.0.0.1:%u\n", unsigned(responder->port()));
        std::fflush(stdout);
        return true;
    };

    if (!InstallSignalHandlers()) return Fail(QStringLiteral("cannot install signal handlers"), 1);
    QSocketNotifier notifier(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
        QCoreApplication::quit();
    });

    if (parser.isSet(ptyOption)) {
        lb::sim::PtyServer pty(profile, faults);
        if (!pty.start()) return Fail(QStringLiteral("cannot create a pseudo-terminal"), 1);
        std::printf("labelbench-sim serving %s\n", pty.slavePath().constData());
        std::fflush(stdout);
        if (!startResponder(pty.printer()))
            return Fail(QStringLiteral("cannot bind UDP 127.0.0.1:%1").arg(udpPort), 1);
        const int result = QCoreApplication::exec();
        responder.reset();
        pty.stop();
        if (parser.isSet(transcriptOption)) {
            QFile file(parser.value(transcriptOption));
            const QByteArray bytes = pty.transcript();
            if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
                file.write(QStringLiteral("=== labelbench-sim pseudo-terminal: %1 bytes ===\n")
                               .arg(bytes.size())
                               .toLatin1());
                file.write(bytes);
                file.write("\n");
            }
        }
        return result;
    }

    lb::sim::SimServer server(profile, faults);
    if (parser.isSet(transcriptOption)) server.setTranscriptFile(parser.value(transcriptOption));
    if (!server.start(quint16(port)))
        return Fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port), 1);
    std::printf("labelbench-sim listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    if (!startResponder(server.printer()))
        return Fail(QStringLiteral("cannot bind UDP 127.0.0.1:%1").arg(udpPort), 1);

    const int result = QCoreApplication::exec();
    responder.reset();
    server.stop();   // ends the open connections, so their transcripts are written
    return result;
}
