// SPDX-License-Identifier: Apache-2.0
// labelbench-sim: the simulated printer on 127.0.0.1, for the demo and for trying LabelBench
// without a printer. Runs until SIGTERM or SIGINT.

#include "sim/pty_server.h"
#include "sim/sim_server.h"
#include "sim/transcript_file.h"
#include "sim/udp_responder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

// What the command line asks for.
struct SimOptions {
    quint16 port = 9100;
    lb::sim::Profile profile;
    lb::sim::Faults faults;
    QString transcriptPath;   // empty: no transcript
    bool pty = false;
    bool udp = false;   // also answer the discovery protocol
    quint16 udpPort = 0;
    int udpPrinters = 1;
};

// The options' texts and the parser that reads them.
struct SimCommandLine {
    QCommandLineParser parser;
    QCommandLineOption port{QStringLiteral("port"), QStringLiteral("TCP port (0: any free port)."),
                            QStringLiteral("N"), QStringLiteral("9100")};
    QCommandLineOption profile{QStringLiteral("profile"), QStringLiteral("JSON printer profile."),
                               QStringLiteral("FILE")};
    QCommandLineOption edition{
        QStringLiteral("edition"),
        QStringLiteral(
            "A printer of this firmware edition (99, 100, 102, 103, 104 are shipped; others take the "
            "nearest one below)."),
        QStringLiteral("N")};
    QCommandLineOption password{QStringLiteral("password"),
                                QStringLiteral("The printer's settings password."), QStringLiteral("TEXT")};
    QCommandLineOption transcript{QStringLiteral("transcript"),
                                  QStringLiteral("Append every connection's bytes to FILE."),
                                  QStringLiteral("FILE")};
    QCommandLineOption delay{QStringLiteral("delay"), QStringLiteral("Wait before each reply."),
                             QStringLiteral("MS")};
    QCommandLineOption segments{QStringLiteral("one-byte-segments"),
                                QStringLiteral("Send every reply byte on its own.")};
    QCommandLineOption noise{QStringLiteral("noise"), QStringLiteral("Send TEXT ahead of every frame."),
                             QStringLiteral("TEXT")};
    QCommandLineOption malformed{
        QStringLiteral("malformed"),
        QStringLiteral("Break every frame: missing-brace, too-many-digits, oversized or no-separator."),
        QStringLiteral("KIND")};
    QCommandLineOption silent{QStringLiteral("silent"),
                              QStringLiteral("Do not answer report KEY (repeatable)."),
                              QStringLiteral("KEY")};
    QCommandLineOption closeAfter{QStringLiteral("close-after"),
                                  QStringLiteral("Close each connection after N commands."),
                                  QStringLiteral("N")};
    QCommandLineOption underSensor{
        QStringLiteral("under-sensor"),
        QStringLiteral("What lies under the media sensor: liner or label (the sensor readings answer it). "
                       "Without it the media moves on by itself, one side per reading pass, liner first "
                       "(again after a quiet minute), so an assisted calibration succeeds."),
        QStringLiteral("liner|label")};
    QCommandLineOption pty{
        QStringLiteral("pty"),
        QStringLiteral("Serve a pseudo-terminal instead of TCP, for the COM link; prints its device path.")};
    QCommandLineOption udpPort{
        QStringLiteral("udp-port"),
        QStringLiteral(
            "Also answer the discovery protocol on UDP 127.0.0.1:N (0: any free port); prints it."),
        QStringLiteral("N")};
    QCommandLineOption udpPrinters{
        QStringLiteral("udp-printers"),
        QStringLiteral("Answer over UDP as N printers (1 to 9): the first is the linked one, the others "
                       "have MACs 02:00:00:00:00:02 and up."),
        QStringLiteral("N"), QStringLiteral("1")};

    SimCommandLine() {
        parser.setApplicationDescription(QStringLiteral(
            "Simulated label printer on 127.0.0.1.\n"
            "Where a real printer's behaviour is not known, the simulator chooses: a dump into a file\n"
            "ends when that file is fetched (as well as on a reset), the media under the sensor moves\n"
            "on at each reading pass (see --under-sensor), and the linked printer announces itself\n"
            "over UDP at 127.0.0.1, the address it serves on."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({port, profile, edition, password, transcript, delay, segments, noise, malformed,
                           silent, closeAfter, underSensor, pty, udpPort, udpPrinters});
    }
};

// A port number of 0 to 65535.
bool ReadPort(const QString& text, quint16& port) {
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 65535) return false;
    port = quint16(value);
    return true;
}

// The printer: a shipped edition or a profile file, its password and what lies under its
// sensor. Returns an empty text or what is wrong.
QString ReadPrinter(const SimCommandLine& c, lb::sim::Profile& profile) {
    const QCommandLineParser& p = c.parser;
    profile = lb::sim::Profile::Default();
    if (p.isSet(c.edition) && p.isSet(c.profile))
        return QStringLiteral("--edition and --profile both choose the printer; give one");
    if (p.isSet(c.edition)) {
        bool ok = false;
        const int edition = p.value(c.edition).toInt(&ok);
        if (!ok || edition < 0) return QStringLiteral("bad edition %1").arg(p.value(c.edition));
        profile = lb::sim::Profile::ForEdition(edition);
    }
    if (p.isSet(c.profile)) {
        QString error;
        if (!lb::sim::Profile::LoadFromFile(p.value(c.profile), profile, &error)) return error;
    }
    if (p.isSet(c.password)) {
        const QString password = p.value(c.password);
        bool latin1 = true;
        for (const QChar ch : password)
            latin1 = latin1 && ch.unicode() <= 0xFF && ch != u'"' && ch != u'\r' && ch != u'\n';
        if (!latin1 || password.isEmpty())
            return QStringLiteral("--password takes Latin-1 text without quotes or line breaks");
        profile.password = password.toLatin1();
    }
    if (p.isSet(c.underSensor)) {
        const QString under = p.value(c.underSensor);
        if (under != QLatin1String("liner") && under != QLatin1String("label"))
            return QStringLiteral("--under-sensor takes liner or label");
        profile.sensor.under =
            under == QLatin1String("liner") ? lb::sim::UnderSensor::Liner : lb::sim::UnderSensor::Label;
    } else {
        profile.sensor.turnsEachPass = true;
    }
    profile.network.serveOnLoopback();   // the linked printer, announced where it answers
    return {};
}

// The faults the printer shows on every connection. Returns an empty text or what is wrong.
QString ReadFaults(const SimCommandLine& c, lb::sim::Faults& faults) {
    const QCommandLineParser& p = c.parser;
    bool ok = false;
    if (p.isSet(c.delay)) {
        faults.replyDelayMs = p.value(c.delay).toInt(&ok);
        if (!ok || faults.replyDelayMs < 0) return QStringLiteral("bad delay %1").arg(p.value(c.delay));
    }
    faults.oneByteSegments = p.isSet(c.segments);
    faults.noiseBeforeFrame = p.value(c.noise).toLatin1();
    if (p.isSet(c.malformed)) {
        const QString kind = p.value(c.malformed);
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
            return QStringLiteral("bad malformed kind %1").arg(kind);
    }
    for (const QString& key : p.values(c.silent))
        faults.silentKeywords.insert(key.toLatin1().toUpper());
    if (p.isSet(c.closeAfter)) {
        faults.closeAfterCommands = p.value(c.closeAfter).toInt(&ok);
        if (!ok || faults.closeAfterCommands < 1)
            return QStringLiteral("bad command count %1").arg(p.value(c.closeAfter));
    }
    return {};
}

// Reads the command line into options. Returns -1 to go on, or the exit status: 0 after
// --help, kUsageError with the message on stderr.
int ParseSimOptions(const QStringList& arguments, SimOptions& options) {
    SimCommandLine c;
    QCommandLineParser& p = c.parser;
    if (!p.parse(arguments)) return Fail(p.errorText(), kUsageError);
    if (p.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(p.helpText()), stdout);
        return 0;
    }
    if (p.isSet(QStringLiteral("help-all")) || p.isSet(QStringLiteral("version")))
        p.process(arguments);   // prints and exits
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("unexpected argument %1").arg(p.positionalArguments().first()),
                    kUsageError);
    if (!ReadPort(p.value(c.port), options.port))
        return Fail(QStringLiteral("bad port %1").arg(p.value(c.port)), kUsageError);
    QString problem = ReadPrinter(c, options.profile);
    if (problem.isEmpty()) problem = ReadFaults(c, options.faults);
    if (!problem.isEmpty()) return Fail(problem, kUsageError);

    options.transcriptPath = p.value(c.transcript);
    options.pty = p.isSet(c.pty);
    options.udp = p.isSet(c.udpPort);
    if (options.udp && !ReadPort(p.value(c.udpPort), options.udpPort))
        return Fail(QStringLiteral("bad UDP port %1").arg(p.value(c.udpPort)), kUsageError);
    bool ok = false;
    options.udpPrinters = p.value(c.udpPrinters).toInt(&ok);
    if (!ok || options.udpPrinters < 1 || options.udpPrinters > 9)
        return Fail(QStringLiteral("--udp-printers takes 1 to 9"), kUsageError);
    if (p.isSet(c.udpPrinters) && !options.udp)
        return Fail(QStringLiteral("--udp-printers needs --udp-port"), kUsageError);
    return -1;
}

// The discovery protocol's answers: the linked printer first, then the printers reached over
// UDP only, each with a MAC of its own.
class UdpAnswers {
public:
    explicit UdpAnswers(const SimOptions& options) : m_options(options) {}

    // True when not asked for, or when answering.
    bool start(lb::sim::SimulatedPrinter& linked) {
        if (!m_options.udp) return true;
        QList<lb::sim::SimulatedPrinter*> printers{&linked};
        for (int n = 2; n <= m_options.udpPrinters; ++n) {
            lb::sim::Profile other = m_options.profile;
            other.network = lb::sim::NumberedNetworkInterface(n);
            m_others.append(std::make_shared<lb::sim::SimulatedPrinter>(other));
            printers.append(m_others.last().get());
        }
        m_responder = std::make_unique<lb::sim::UdpResponder>(printers);
        if (!m_responder->start(m_options.udpPort)) return false;
        std::printf("labelbench-sim answering UDP on 127.0.0.1:%u\n", unsigned(m_responder->port()));
        std::fflush(stdout);
        return true;
    }
    void stop() { m_responder.reset(); }

private:
    const SimOptions& m_options;
    QList<std::shared_ptr<lb::sim::SimulatedPrinter>> m_others;
    std::unique_ptr<lb::sim::UdpResponder> m_responder;
};

int RunPty(const SimOptions& options) {
    lb::sim::PtyServer pty(options.profile, options.faults);
    if (!pty.start()) return Fail(QStringLiteral("cannot create a pseudo-terminal"), 1);
    std::printf("labelbench-sim serving %s\n", pty.slavePath().constData());
    std::fflush(stdout);
    UdpAnswers udp(options);
    if (!udp.start(pty.printer()))
        return Fail(QStringLiteral("cannot bind UDP 127.0.0.1:%1").arg(options.udpPort), 1);
    const int result = QCoreApplication::exec();
    udp.stop();
    pty.stop();
    QString error;
    if (!options.transcriptPath.isEmpty() &&
        !lb::sim::AppendTranscript(options.transcriptPath, QStringLiteral("labelbench-sim pseudo-terminal"),
                                   pty.transcript(), &error))
        return Fail(error, 1);
    return result;
}

int RunTcp(const SimOptions& options) {
    lb::sim::SimServer server(options.profile, options.faults);
    if (!options.transcriptPath.isEmpty()) server.setTranscriptFile(options.transcriptPath);
    if (!server.start(options.port))
        return Fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(options.port), 1);
    std::printf("labelbench-sim listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    UdpAnswers udp(options);
    if (!udp.start(server.printer()))
        return Fail(QStringLiteral("cannot bind UDP 127.0.0.1:%1").arg(options.udpPort), 1);
    const int result = QCoreApplication::exec();
    udp.stop();
    server.stop();   // ends the open connections, so their transcripts are written
    return result;
}

}   // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("labelbench-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LABELBENCH_VERSION_TEXT));

    SimOptions options;
    if (const int status = ParseSimOptions(QCoreApplication::arguments(), options); status >= 0)
        return status;

    if (!InstallSignalHandlers()) return Fail(QStringLiteral("cannot install signal handlers"), 1);
    QSocketNotifier notifier(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[1], &byte, 1);
        QCoreApplication::quit();
    });
    return options.pty ? RunPty(options) : RunTcp(options);
}
