// SPDX-License-Identifier: Apache-2.0
#include "cli/link_options.h"

#include "cli/cli_output.h"
#include "link/link_timing.h"
#include "link/printer_link.h"
#include "link/serial_port_settings.h"
#include "link/usb_backend.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <map>

namespace lb::cli {
namespace {

// The index of text in a list of choices, or -1.
int ChoiceIndex(const QString& text, const QStringList& choices) {
    return int(choices.indexOf(text.toLower()));
}

// "COMn"/"LPTn" (any case) within 1..last, or an absolute device path that fits its field.
// Returns the text to store, or an empty one when the name is refused.
QByteArray PortField(const QString& text, const char* prefix, int last, std::size_t fieldSize) {
    if (text.isEmpty()) return {};
    if (text.startsWith('/')) {
        QByteArray path = QFile::encodeName(text);
        // A long name (a /dev/serial/by-id link) may stand for a short one.
        if (path.size() >= qsizetype(fieldSize)) {
            const QString target = QFileInfo(text).canonicalFilePath();
            if (!target.isEmpty()) path = QFile::encodeName(target);
        }
        if (path.size() >= qsizetype(fieldSize) || path.contains('\0')) return {};
        return path;
    }
    const QByteArray name = text.toUpper().toLatin1();
    return PortNumber(name.constData(), std::size_t(name.size()), prefix, last) > 0 ? name : QByteArray();
}

QString ApplyInterface(const QString& v, LinkOptions& o) {
    static const std::map<QString, InterfaceKind> names = {{"usb", InterfaceKind::Usb},
                                                           {"com", InterfaceKind::Com},
                                                           {"lpt", InterfaceKind::Lpt},
                                                           {"ethernet", InterfaceKind::Ethernet}};
    const auto it = names.find(v.toLower());
    if (it == names.end()) return CliText::tr("--interface takes usb, com, lpt or ethernet");
    o.kind = it->second;
    return {};
}

QString ApplyHost(const QString& v, LinkOptions& o) {
    if (v.isEmpty()) return CliText::tr("--host takes a host name or address");
    // The host travels in a 64-byte field, as the printer reads it.
    if (!IsNetworkHostText(v))
        return CliText::tr("--host takes a host name or address of 1 to 63 characters of plain ASCII, "
                           "without blanks");
    o.host = v.toLatin1();
    return {};
}

QString ApplyPort(const QString& v, LinkOptions& o) {
    if (v.isNull()) return CliText::tr("--port takes a number");
    bool ok = false;
    o.port = v.toInt(&ok);
    if (!ok || o.port < 1 || o.port > 65535) return CliText::tr("--port takes a number from 1 to 65535");
    return {};
}

void AddHost(QList<HostPort>& hosts, const HostPort& h) {
    if (!hosts.contains(h)) hosts.append(h);
}

QString ApplyHosts(const QString& v, LinkOptions& o) {
    if (v.isEmpty()) return CliText::tr("--hosts takes HOST[:PORT],…");
    return ReadHostList(v, false, o.hosts);
}

QString ApplyHostsFile(const QString& v, LinkOptions& o) {
    if (v.isEmpty()) return CliText::tr("--hosts-file takes a file name");
    QFile file(v);
    // A site's list of printers, not a firmware image: a few MiB is plenty.
    constexpr qint64 kMaxBytes = 4 << 20;
    if (!file.open(QIODevice::ReadOnly))
        return CliText::tr("--hosts-file: cannot open %1: %2").arg(v, file.errorString());
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes) return CliText::tr("--hosts-file: %1 is larger than 4 MiB").arg(v);
    const QString problem = ReadHostList(QString::fromUtf8(bytes), true, o.hosts);
    return problem.isEmpty() ? problem : CliText::tr("--hosts-file %1: %2").arg(v, problem);
}

QString ApplyJobs(const QString& v, LinkOptions& o) {
    bool ok = false;
    o.jobs = v.toInt(&ok);
    if (!ok || o.jobs < 1 || o.jobs > 256) return CliText::tr("--jobs takes a number from 1 to 256");
    return {};
}

QString ApplyReplyTimeout(const QString& v, LinkOptions& o) {
    bool ok = false;
    o.replyTimeoutMs = v.toInt(&ok);
    if (!ok || o.replyTimeoutMs < 1 || o.replyTimeoutMs > 600000)
        return CliText::tr("--reply-timeout takes milliseconds from 1 to 600000");
    return {};
}

QString ApplyCom(const QString& v, LinkOptions& o) {
    const QByteArray field = PortField(v, "COM", kSerialPortCount, sizeof o.serial.portName);
    if (field.isEmpty())
        return CliText::tr("--com takes COM1 to COM%1 or a device path of at most %2 bytes")
            .arg(kSerialPortCount)
            .arg(sizeof o.serial.portName - 1);
    CopyToField(o.serial.portName, field.constData(), std::size_t(field.size()));
    return {};
}

QString ApplyBaud(const QString& v, LinkOptions& o) {
    for (int k = 0; k < kSerialBaudRateCount; ++k)
        if (v == QString::number(kSerialBaudRates[k])) {
            o.serial.baudIndex = k;
            return {};
        }
    return CliText::tr("--baud takes 2400, 4800, 9600, 19200, 38400, 57600 or 115200");
}

QString ApplyDataBits(const QString& v, LinkOptions& o) {
    const int index = ChoiceIndex(v, {"7", "8"});
    if (index < 0) return CliText::tr("--data-bits takes 7 or 8");
    o.serial.dataBitsIndex = index;
    return {};
}

QString ApplyParity(const QString& v, LinkOptions& o) {
    const int index = ChoiceIndex(v, {"none", "odd", "even"});
    if (index < 0) return CliText::tr("--parity takes none, odd or even");
    o.serial.parityIndex = index;
    return {};
}

QString ApplyStopBits(const QString& v, LinkOptions& o) {
    const int index = ChoiceIndex(v, {"1", "1.5", "2"});
    if (index < 0) return CliText::tr("--stop-bits takes 1, 1.5 or 2");
    o.serial.stopBitsIndex = index;
    return {};
}

QString ApplyHandshake(const QString& v, LinkOptions& o) {
    const int index = ChoiceIndex(v, {"none", "rts", "rts-cts"});
    if (index < 0) return CliText::tr("--handshake takes none, rts or rts-cts");
    o.serial.hardwareHandshakeIndex = index;
    return {};
}

QString ApplyXonXoff(const QString&, LinkOptions& o) {
    o.serial.softwareHandshakeIndex = 1;
    return {};
}

QString ApplyLpt(const QString& v, LinkOptions& o) {
    const QByteArray field = PortField(v, "LPT", 4, sizeof o.parallel.name);
    if (field.isEmpty()) return CliText::tr("--lpt takes LPT1 to LPT4 or a device path");
    CopyToField(o.parallel.name, field.constData(), std::size_t(field.size()));
    return {};
}

QString ApplyUsbVendorId(const QString& v, LinkOptions& o) {
    const QByteArray id = v.toLower().toLatin1();
    if (!IsUsbVendorIdText(id)) return CliText::tr("--usb-vid takes four hexadecimal digits, such as 0a5f");
    if (o.usbVendorIds.size() == 2) return CliText::tr("--usb-vid may be given at most twice");
    o.usbVendorIds.append(id);
    return {};
}

struct LinkOption {
    const char* name;
    const char* valueName;   // nullptr: a flag
    const char* description;
    QString (*apply)(const QString& value, LinkOptions& options);   // what was wrong, or empty
};

// Given more than once, an option's last value counts (--usb-vid collects its values).
const LinkOption kLinkOptions[] = {
    {"interface", "usb|com|lpt|ethernet",
     QT_TRANSLATE_NOOP("LabelBenchCli", "the printer's interface (default usb)"), ApplyInterface},
    {"host", "HOST",
     QT_TRANSLATE_NOOP("LabelBenchCli", "the printer's host name or address (selects ethernet)"), ApplyHost},
    {"port", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "the printer's TCP port (default 9100)"), ApplyPort},
    {"hosts", "HOST[:PORT],…",
     QT_TRANSLATE_NOOP("LabelBenchCli", "run the command on each of these printers over ethernet,\n"
                                        "several at once (see --jobs); exit status 9 when any failed"),
     ApplyHosts},
    {"hosts-file", "FILE",
     QT_TRANSLATE_NOOP("LabelBenchCli", "as --hosts, the printers listed in FILE: one HOST[:PORT] a line\n"
                                        "(# comments), or the JSON that discover --json prints"),
     ApplyHostsFile},
    {"jobs", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "printers served at once with --hosts (default 16)"),
     ApplyJobs},
    {"reply-timeout", "MS",
     QT_TRANSLATE_NOOP("LabelBenchCli", "how long to wait for an ethernet printer (default 30000)"),
     ApplyReplyTimeout},
    {"com", "COMn|PATH",
     QT_TRANSLATE_NOOP("LabelBenchCli", "serial port (COM1..COM30, or a device path; selects com)"),
     ApplyCom},
    {"baud", "N",
     QT_TRANSLATE_NOOP("LabelBenchCli", "2400, 4800, 9600 (default), 19200, 38400, 57600, 115200"),
     ApplyBaud},
    {"data-bits", "7|8", QT_TRANSLATE_NOOP("LabelBenchCli", "(default 8)"), ApplyDataBits},
    {"parity", "none|odd|even",
     QT_TRANSLATE_NOOP("LabelBenchCli", "(default none; odd is checked, even is not)"), ApplyParity},
    {"stop-bits", "1|1.5|2", QT_TRANSLATE_NOOP("LabelBenchCli", "(default 1)"), ApplyStopBits},
    {"handshake", "none|rts|rts-cts", QT_TRANSLATE_NOOP("LabelBenchCli", "hardware handshake (default rts)"),
     ApplyHandshake},
    {"xonxoff", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "XON/XOFF software handshake"), ApplyXonXoff},
    {"lpt", "LPTn|PATH",
     QT_TRANSLATE_NOOP("LabelBenchCli", "parallel port (LPT1..LPT4, or a device path; selects lpt)"),
     ApplyLpt},
    {"usb-vid", "XXXX",
     QT_TRANSLATE_NOOP("LabelBenchCli", "accept this USB vendor identifier instead of the\n"
                                        "product's (repeatable, at most two, tried in order)"),
     ApplyUsbVendorId},
};

const LinkOption* FindLinkOption(const QString& name) {
    for (const LinkOption& option : kLinkOptions)
        if (name == QLatin1String(option.name)) return &option;
    return nullptr;
}

}   // namespace

LinkCommandLine ParseLinkOptions(const QStringList& arguments) {
    LinkCommandLine line;
    QCommandLineParser parser;
    // The command's own options follow it; none of them is a link option.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    for (const LinkOption& option : kLinkOptions)
        parser.addOption(option.valueName ? QCommandLineOption(option.name, QString(), option.valueName)
                                          : QCommandLineOption(option.name));
    const bool parsed = parser.parse(QStringList{"labelbench-cli"} + arguments);
    line.help = parser.isSet("help");
    line.version = parser.isSet("version");
    line.command = parser.positionalArguments();
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            line.problem = CliText::tr("unknown option %1")
                               .arg((unknown.first().size() == 1 ? "-" : "--") + unknown.first());
            return line;
        }
        // A value can only be missing after the last argument.
        const QString last = arguments.isEmpty() ? QString() : arguments.last();
        const LinkOption* option = last.startsWith("--") ? FindLinkOption(last.mid(2)) : nullptr;
        line.problem = option && option->valueName ? option->apply(QString(), line.link) : parser.errorText();
        return line;
    }
    for (const LinkOption& option : kLinkOptions) {
        if (!parser.isSet(option.name)) continue;
        const QStringList values = option.valueName ? parser.values(option.name) : QStringList{QString()};
        for (const QString& value : values) {
            line.problem = option.apply(value, line.link);
            if (!line.problem.isEmpty()) return line;
        }
    }
    // With the ports known, "host" and "host:9100" are one printer.
    QList<HostPort> hosts;
    for (HostPort h : std::as_const(line.link.hosts)) {
        if (h.port == 0) h.port = line.link.port;
        AddHost(hosts, h);
    }
    line.link.hosts = hosts;
    if (!line.link.hosts.isEmpty()) {
        // The fleet is reached over Ethernet only, each printer by its own address.
        if (parser.isSet("host") || parser.isSet("com") || parser.isSet("lpt") ||
            (parser.isSet("interface") && line.link.kind != InterfaceKind::Ethernet)) {
            line.problem =
                CliText::tr("--hosts and --hosts-file reach printers over ethernet: give no --host, "
                            "--com, --lpt or other --interface");
            return line;
        }
        line.link.kind = InterfaceKind::Ethernet;
        return line;
    }
    // A link's own option alone selects that link, as --host does.
    if (!parser.isSet("interface")) {
        const bool host = parser.isSet("host"), com = parser.isSet("com"), lpt = parser.isSet("lpt");
        if (int(host) + int(com) + int(lpt) > 1) {
            line.problem = CliText::tr("--host, --com and --lpt name different links: give --interface too");
            return line;
        }
        if (host) line.link.kind = InterfaceKind::Ethernet;
        if (com) line.link.kind = InterfaceKind::Com;
        if (lpt) line.link.kind = InterfaceKind::Lpt;
    }
    return line;
}

bool IsLinkOptionName(const QString& name) {
    return FindLinkOption(name) != nullptr;
}

void RegisterLinkOptions(const LinkOptions& options) {
    thread_local SerialSettings serial = DefaultSerialSettings();
    thread_local ParallelPortName parallel = DefaultParallelPortName();
    thread_local NetworkTarget network = DefaultNetworkTarget();
    serial = options.serial;
    parallel = options.parallel;
    CopyToField(network.host, options.host.constData(), std::size_t(options.host.size()));
    network.port = options.port;
    // The vendor identifiers are the process's: the threads of a fleet (Ethernet, none given)
    // leave them alone.
    if (options.kind != InterfaceKind::Ethernet || !options.usbVendorIds.isEmpty())
        SetAcceptedUsbVendorIds(options.usbVendorIds);
    RegisterLinkSettings(&serial, &parallel, &network);
    if (options.replyTimeoutMs > 0) {
        LinkTiming timing = CurrentLinkTiming();
        timing.tcpTimeoutMs = options.replyTimeoutMs;
        timing.tcpConnectTimeoutMs = std::min(timing.tcpConnectTimeoutMs, options.replyTimeoutMs);
        SetLinkTiming(timing);
    }
}

namespace {

// "HOST", "HOST:PORT", "[v6]" or "[v6]:PORT"; the port 0 stands for --port's.
QString ReadHostPort(const QString& text, HostPort& out) {
    QString host = text, port;
    if (host.startsWith('[')) {
        const qsizetype close = host.indexOf(']');
        if (close < 0) return CliText::tr("%1: an IPv6 address ends with ]").arg(Printable(text));
        port = host.mid(close + 1);
        host = host.mid(1, close - 1);
        if (!port.isEmpty() && !port.startsWith(':'))
            return CliText::tr("%1 is not HOST[:PORT]").arg(Printable(text));
        port = port.mid(1);
    } else if (host.count(':') == 1) {
        port = host.section(':', 1);
        host = host.section(':', 0, 0);
    }
    if (!IsNetworkHostText(host))
        return CliText::tr("%1 is not a host name or address of 1 to 63 characters of plain ASCII")
            .arg(Printable(host));
    out.host = host.toLatin1();
    out.port = 0;
    if (!port.isEmpty() || text.endsWith(':')) {
        bool ok = false;
        out.port = port.toInt(&ok);
        if (!ok || out.port < 1 || out.port > 65535)
            return CliText::tr("%1: the port is a number from 1 to 65535").arg(Printable(text));
    }
    return {};
}

}   // namespace

QString ReadHostList(const QString& text, bool file, QList<HostPort>& hosts) {
    const QString trimmed = text.trimmed();
    if (file && trimmed.startsWith('[')) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(trimmed.toUtf8(), &error);
        if (!document.isArray())
            return CliText::tr("not a JSON list of printers: %1").arg(error.errorString());
        for (const QJsonValue& printer : document.array()) {
            const QJsonValue address = printer.toObject().value(QStringLiteral("ipAddress"));
            if (!address.isString()) return CliText::tr("a printer without an \"ipAddress\" text");
            HostPort h;
            const QString problem = ReadHostPort(address.toString(), h);
            if (!problem.isEmpty()) return problem;
            AddHost(hosts, h);
        }
        return hosts.isEmpty() ? CliText::tr("no printer listed") : QString();
    }
    const QStringList items = file ? text.split('\n') : text.split(',', Qt::KeepEmptyParts);
    int lineNumber = 0;
    for (QString item : items) {
        ++lineNumber;
        if (file) {
            const qsizetype hash = item.indexOf('#');
            if (hash >= 0) item.truncate(hash);
            item = item.trimmed();
            if (item.isEmpty()) continue;
        }
        HostPort h;
        const QString problem = ReadHostPort(item.trimmed(), h);
        if (!problem.isEmpty())
            return file ? CliText::tr("line %1: %2").arg(lineNumber).arg(problem) : problem;
        AddHost(hosts, h);
    }
    if (hosts.isEmpty()) return CliText::tr("no printer listed");
    return {};
}

QList<std::pair<QString, QString>> LinkOptionsHelp() {
    QList<std::pair<QString, QString>> rows;
    for (const LinkOption& option : kLinkOptions) {
        QString left = QStringLiteral("--") + option.name;
        if (option.valueName) left += ' ' + QLatin1String(option.valueName);
        rows.append({left, Translated(option.description)});
    }
    return rows;
}

}   // namespace lb::cli
