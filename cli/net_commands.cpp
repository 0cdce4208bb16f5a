// SPDX-License-Identifier: Apache-2.0
// The printer's network settings: over the link (net …, operations 18, 19 and 20), and over
// the printers' own UDP protocol (discover, remote …), which reaches a printer by its MAC even
// when its address cannot be reached from here.

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/password_gate.h"
#include "link/dispatcher.h"
#include "network/discovery_exchange.h"
#include "network/ethernet_settings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

namespace lb::cli {
namespace {

// A JSON string (escaped as JSON needs) of a printer's 8-bit text.
QByteArray JsonString(const QByteArray& text) {
    const QByteArray array =
        JsonText(QJsonDocument(QJsonArray{QString::fromLatin1(text)}), QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray JsonBool(bool value) {
    return value ? "true" : "false";
}

// "  \"key\": value" lines joined into one object, in the order given.
QByteArray JsonObject(const QList<std::pair<const char*, QByteArray>>& fields, const QByteArray& indent) {
    QByteArray text = "{\n";
    for (qsizetype i = 0; i < fields.size(); ++i) {
        text += indent + "  \"" + fields[i].first + "\": " + fields[i].second;
        text += i + 1 < fields.size() ? ",\n" : "\n";
    }
    return text + indent + "}";
}

QString Shown(const QByteArray& text) {
    return Printable(QString::fromLatin1(text));
}

void Print(const CliStreams& s, const QString& text) {
    *s.out << text;
    s.out->flush();
}

// ---- over the link ----

int RunNetGet(const CommandRun& run) {
    const CliStreams& s = run.streams();
    EthernetSettings settings = EmptyEthernetSettings();
    const int result = RunPrinterOperation(kOpNetworkReports, run.kind(), &settings, 0);
    if (result != kLinkOk) return Fail(s, result);
    if (run.isSet("json")) {
        Print(s,
              QString::fromUtf8(JsonObject({{"dhcp", JsonBool(settings.Dhcp == 1)},
                                            {"ipAddress", JsonString(EthernetText(settings.IpAddress))},
                                            {"subnetMask", JsonString(EthernetText(settings.SubnetMask))},
                                            {"gateway", JsonString(EthernetText(settings.Gateway))},
                                            {"currentIp", JsonString(EthernetText(settings.CurrentIp))},
                                            {"printerName", JsonString(EthernetText(settings.PrinterName))},
                                            {"macAddress", JsonString(EthernetText(settings.MacText))}},
                                           "") +
                                "\n"));
        return 0;
    }
    Print(s,
          CliText::tr("Address: %1").arg(settings.Dhcp == 1 ? CliText::tr("DHCP") : CliText::tr("static")) +
              '\n' + CliText::tr("IP address: %1").arg(Shown(EthernetText(settings.IpAddress))) + '\n' +
              CliText::tr("Subnet mask: %1").arg(Shown(EthernetText(settings.SubnetMask))) + '\n' +
              CliText::tr("Gateway: %1").arg(Shown(EthernetText(settings.Gateway))) + '\n' +
              CliText::tr("Current IP: %1").arg(Shown(EthernetText(settings.CurrentIp))) + '\n' +
              CliText::tr("Printer name: %1").arg(Shown(EthernetText(settings.PrinterName))) + '\n' +
              CliText::tr("MAC address: %1").arg(Shown(EthernetText(settings.MacText))) + '\n');
    return 0;
}

// A typed address as the record's text; nullopt when it may be sent, else the exit status
// after the message naming it.
std::optional<int> TakeAddress(const CommandRun& run, const QString& what, const QString& text,
                               char (&field)[kEthernetTextMax + 1]) {
    const QByteArray bytes = text.toLatin1();
    if (!IsDottedAddressText(bytes) || bytes.size() > kEthernetTextMax || QString::fromLatin1(bytes) != text)
        return BadInput(
            run.streams(),
            CliText::tr("the %1 %2 is not an IPv4 address such as 192.168.1.100").arg(what, Printable(text)));
    // "010" reads as ten here and as eight in many other tools: a leading zero is refused.
    static const QRegularExpression leadingZero(QStringLiteral("(^|\\.)0\\d"));
    if (leadingZero.match(text).hasMatch())
        return BadInput(run.streams(), CliText::tr("the %1 %2 has a number with a leading zero, which other "
                                                   "tools read as octal; write it without")
                                           .arg(what, Printable(text)));
    SetEthernetText(field, bytes);
    return std::nullopt;
}

std::optional<int> TakeName(const CommandRun& run, const QString& name, EthernetSettings& settings) {
    if (!IsNetworkNameText(name))
        return BadInput(run.streams(),
                        CliText::tr("the printer name %1 cannot be sent: at most %2 Latin-1 "
                                    "characters, without a double quote or a control character")
                            .arg(Printable(name))
                            .arg(kMaxNetworkNameLength));
    SetEthernetText(settings.PrinterName, name.toLatin1());
    return std::nullopt;
}

int RunNetSetIp(const CommandRun& run) {
    EthernetSettings settings = EmptyEthernetSettings();
    const QStringList& a = run.arguments();
    if (const std::optional<int> bad = TakeAddress(run, CliText::tr("IP address"), a[0], settings.IpAddress))
        return *bad;
    if (const std::optional<int> bad =
            TakeAddress(run, CliText::tr("subnet mask"), a[1], settings.SubnetMask))
        return *bad;
    if (const std::optional<int> bad = TakeAddress(run, CliText::tr("gateway"), a[2], settings.Gateway))
        return *bad;
    settings.Action = kEthernetSetAddress;
    return RunGated(run, [&] { return RunPrinterOperation(kOpSetAddress, run.kind(), &settings, 0); });
}

int RunNetSetDhcp(const CommandRun& run) {
    EthernetSettings settings = EmptyEthernetSettings();
    settings.Dhcp = 1;
    settings.Action = kEthernetSetAddress;
    return RunGated(run, [&] { return RunPrinterOperation(kOpSetAddress, run.kind(), &settings, 0); });
}

int RunNetSetName(const CommandRun& run) {
    EthernetSettings settings = EmptyEthernetSettings();
    if (const std::optional<int> bad = TakeName(run, run.arguments().first(), settings)) return *bad;
    settings.Action = kEthernetSetName;
    return RunGated(run, [&] { return RunPrinterOperation(kOpSetPrinterName, run.kind(), &settings, 0); });
}

// ---- over UDP ----

// Where --to sends: ADDRESS or ADDRESS:PORT (IPv4). Nothing when the text is none.
std::optional<std::pair<QHostAddress, quint16>> ParseDestination(const QString& text) {
    QString host = text;
    quint16 port = kDiscoveryPort;
    if (const qsizetype colon = text.indexOf(':'); colon >= 0) {
        bool ok = false;
        const QString digits = text.mid(colon + 1);
        const uint value = digits.toUInt(&ok);
        if (!ok || digits.isEmpty() || !digits.front().isDigit() || value == 0 || value > 65535)
            return std::nullopt;
        host = text.left(colon);
        port = quint16(value);
    }
    const QByteArray bytes = host.toLatin1();
    if (QString::fromLatin1(bytes) != host || !IsDottedAddressText(bytes)) return std::nullopt;
    return std::pair{QHostAddress(host), port};
}

// The --to option, as the endpoint of this command (its waits kept); nullopt to go on, else
// the exit status after the message.
std::optional<int> TakeDestination(const CommandRun& run, std::optional<ScopedDiscoveryEndpoint>& scope) {
    const std::optional<QString> to = run.value("to");
    if (!to) return std::nullopt;
    const auto destination = ParseDestination(*to);
    if (!destination)
        return run.usage(CliText::tr("--to takes an IPv4 address, optionally with :PORT (1 to 65535), not %1")
                             .arg(Printable(*to)));
    DiscoveryEndpoint endpoint = CurrentDiscoveryEndpoint();
    endpoint.firstDestination = endpoint.secondDestination = destination->first;
    endpoint.port = destination->second;
    scope.emplace(endpoint);
    return std::nullopt;
}

// A result other than Done as an exit status, after its message.
int NetworkFailure(const CliStreams& s, NetworkResult result) {
    *s.err << "labelbench-cli: ";
    switch (result) {
    case NetworkResult::NoSocket:
        *s.err << CliText::tr("no UDP socket could be made") << '\n';
        s.err->flush();
        return kPortOpenError;
    case NetworkResult::SendFailed:
        *s.err << CliText::tr("the system refused to send the datagram") << '\n';
        s.err->flush();
        return kDataTransmissionError;
    default:
        *s.err << CliText::tr("the network action did not run") << '\n';
        s.err->flush();
        return kUnknownError;
    }
}

QByteArray PrinterJson(const DiscoveredPrinter& p, const QByteArray& indent) {
    return JsonObject({{"printerName", JsonString(p.printerName)},
                       {"mac", JsonString(p.macText())},
                       {"ipAddress", JsonString(p.addressText())},
                       {"modelName", JsonString(p.modelName)},
                       {"status", JsonString(p.statusText().toLatin1())}},
                      indent);
}

int RunDiscover(const CommandRun& run) {
    const CliStreams& s = run.streams();
    std::optional<ScopedDiscoveryEndpoint> scope;
    if (const std::optional<int> bad = TakeDestination(run, scope)) return *bad;
    RequestSequence sequence;
    QList<DiscoveredPrinter> printers;
    DiscoveryCut cut = DiscoveryCut::None;
    const NetworkResult result = Discover(sequence, printers, {}, &cut);
    if (result != NetworkResult::Done) return NetworkFailure(s, result);
    // The list is what arrived; a limit that cut it is said beside it, on the error stream.
    if (cut != DiscoveryCut::None) {
        const DiscoveryEndpoint endpoint = CurrentDiscoveryEndpoint();
        *s.err << "labelbench-cli: "
               << (cut == DiscoveryCut::Time
                       ? CliText::tr("printers were still answering after %1 s; the list holds those before")
                             .arg(endpoint.discoveryMaxMs / 1000)
                       : CliText::tr("more than %1 replies arrived; the list holds the first %1")
                             .arg(endpoint.maxPrinters))
               << '\n';
        s.err->flush();
    }
    if (run.isSet("json")) {
        QByteArray text = "[";
        for (qsizetype i = 0; i < printers.size(); ++i)
            text += QByteArray(i > 0 ? "," : "") + "\n  " + PrinterJson(printers[i], "  ");
        text += printers.isEmpty() ? "]\n" : "\n]\n";
        Print(s, QString::fromUtf8(text));
        return 0;
    }
    // The columns of the TCP/IP Setup dialog's list, one row per reply.
    QString text;
    for (const DiscoveredPrinter& p : printers)
        text += Shown(p.printerName) + '\t' + QString::fromLatin1(p.macText()) + '\t' +
                QString::fromLatin1(p.addressText()) + '\t' + Shown(p.modelName) + '\t' + p.statusText() +
                '\n';
    if (printers.isEmpty()) text = CliText::tr("No printer answered.") + '\n';
    Print(s, text);
    return 0;
}

// What every remote command does first, as the dialog does when it opens: the MAC checked,
// the endpoint taken, a discovery, and the printer with that MAC among the replies.
struct RemoteTarget {
    MacBytes mac{};
    RequestSequence sequence;
    DiscoveredPrinter printer;
    std::optional<ScopedDiscoveryEndpoint> scope;
};

// The checks before anything is sent; nullopt to go on.
std::optional<int> CheckRemote(const CommandRun& run, RemoteTarget& target) {
    const QString macText = run.arguments().first();
    const std::optional<MacBytes> mac = ParseMacText(macText.toLatin1());
    if (!mac || QString::fromLatin1(macText.toLatin1()) != macText)
        return BadInput(run.streams(),
                        CliText::tr("the MAC address %1 is not six pairs of hexadecimal digits such as "
                                    "02:00:00:00:00:01")
                            .arg(Printable(macText)));
    target.mac = *mac;
    return TakeDestination(run, target.scope);
}

// The discovery, and the printer found; nullopt to go on.
std::optional<int> FindRemote(const CommandRun& run, RemoteTarget& target) {
    const CliStreams& s = run.streams();
    QList<DiscoveredPrinter> printers;
    const NetworkResult result = Discover(target.sequence, printers);
    if (result != NetworkResult::Done) return NetworkFailure(s, result);
    for (const DiscoveredPrinter& p : printers) {
        if (p.mac == target.mac) {
            target.printer = p;
            return std::nullopt;
        }
    }
    *s.err << "labelbench-cli: "
           << CliText::tr("no printer with the MAC address %1 answered the discovery; nothing more was sent")
                  .arg(QString::fromLatin1(FormatMacText(target.mac)))
           << '\n';
    s.err->flush();
    return kDataReceivingError;
}

// The standard input is a terminal a person answers at (not a pipe, a file or a test's buffer).
int RunRemoteFactoryDefault(const CommandRun& run) {
    const CliStreams& s = run.streams();
    RemoteTarget target;
    if (const std::optional<int> failed = CheckRemote(run, target)) return *failed;
    const bool ask = !run.isSet("yes");
    // A script cannot answer the question: it says --yes instead.
    if (ask && !InputIsTerminal(s.in))
        return run.usage(
            CliText::tr("standard input is not a terminal to ask on; give --yes to reset the printer"));
    if (const std::optional<int> failed = FindRemote(run, target)) return *failed;
    if (ask) {
        *s.err << CliText::tr("%1 (%2) at %3 returns to its factory network settings.")
                      .arg(Shown(target.printer.printerName), QString::fromLatin1(target.printer.macText()),
                           QString::fromLatin1(target.printer.addressText()))
               << '\n';
        // The same in every language.
        *s.err << "Are you sure? [y/N] ";
        s.err->flush();
        const QByteArray answer = s.in->readLine().trimmed().toLower();
        if (answer != "y" && answer != "yes") {
            *s.err << CliText::tr("Nothing was reset.") << '\n';
            s.err->flush();
            return kExitUsage;
        }
    }
    const NetworkResult result = SendFactoryDefault(target.sequence, target.mac);
    return result == NetworkResult::Done ? 0 : NetworkFailure(s, result);
}

int RunRemoteGet(const CommandRun& run) {
    const CliStreams& s = run.streams();
    RemoteTarget target;
    if (const std::optional<int> failed = CheckRemote(run, target)) return *failed;
    if (const std::optional<int> failed = FindRemote(run, target)) return *failed;
    EthernetSettings settings = EmptyEthernetSettings();
    RemoteSettingsChange change(target.sequence, target.mac);
    const RemoteReadResult read = change.readSettings(settings);
    if (read.result != NetworkResult::Done) return NetworkFailure(s, read.result);
    if (!read.ipSettingsAnswered && !read.addressModeAnswered) {
        *s.err << "labelbench-cli: " << CliText::tr("the printer did not answer the reads of its settings")
               << '\n';
        s.err->flush();
        return kDataReceivingError;
    }
    SetEthernetText(settings.PrinterName, target.printer.printerName);
    // What was not answered is null in JSON and "?" in text.
    const auto address = [&](const char(&field)[kEthernetTextMax + 1]) {
        return read.ipSettingsAnswered ? JsonString(EthernetText(field)) : QByteArray("null");
    };
    if (run.isSet("json")) {
        Print(s, QString::fromUtf8(
                     JsonObject({{"dhcp", read.addressModeAnswered ? JsonBool(settings.Dhcp == 1) : "null"},
                                 {"ipAddress", address(settings.IpAddress)},
                                 {"subnetMask", address(settings.SubnetMask)},
                                 {"gateway", address(settings.Gateway)},
                                 {"printerName", JsonString(EthernetText(settings.PrinterName))},
                                 {"macAddress", JsonString(EthernetText(settings.MacText))}},
                                "") +
                     "\n"));
        return 0;
    }
    const QString unknown = QStringLiteral("?");
    const auto text = [&](const char(&field)[kEthernetTextMax + 1]) {
        return read.ipSettingsAnswered ? Shown(EthernetText(field)) : unknown;
    };
    const QString mode = !read.addressModeAnswered ? unknown
                         : settings.Dhcp == 1      ? CliText::tr("DHCP")
                                                   : CliText::tr("static");
    Print(s, CliText::tr("Address: %1").arg(mode) + '\n' +
                 CliText::tr("IP address: %1").arg(text(settings.IpAddress)) + '\n' +
                 CliText::tr("Subnet mask: %1").arg(text(settings.SubnetMask)) + '\n' +
                 CliText::tr("Gateway: %1").arg(text(settings.Gateway)) + '\n' +
                 CliText::tr("Printer name: %1").arg(Shown(EthernetText(settings.PrinterName))) + '\n' +
                 CliText::tr("MAC address: %1").arg(Shown(EthernetText(settings.MacText))) + '\n');
    return 0;
}

int RunRemoteSet(const CommandRun& run) {
    const CliStreams& s = run.streams();
    RemoteTarget target;
    if (const std::optional<int> failed = CheckRemote(run, target)) return *failed;
    // Everything given is checked before anything is sent.
    EthernetSettings given = EmptyEthernetSettings();
    struct AddressOption {
        const char* option;
        QString what;
        char (EthernetSettings::*field)[kEthernetTextMax + 1];
    };
    const AddressOption addresses[] = {{"ip", CliText::tr("IP address"), &EthernetSettings::IpAddress},
                                       {"mask", CliText::tr("subnet mask"), &EthernetSettings::SubnetMask},
                                       {"gateway", CliText::tr("gateway"), &EthernetSettings::Gateway}};
    bool anyAddress = false;
    for (const AddressOption& a : addresses) {
        if (const std::optional<QString> text = run.value(a.option)) {
            if (const std::optional<int> bad = TakeAddress(run, a.what, *text, given.*a.field)) return *bad;
            anyAddress = true;
        }
    }
    const std::optional<QString> name = run.value("name");
    if (name)
        if (const std::optional<int> bad = TakeName(run, *name, given)) return *bad;
    const bool dhcp = run.isSet("dhcp");
    const bool fixed = run.isSet("static");
    if (dhcp && fixed) return run.usage(CliText::tr("--dhcp and --static exclude each other"));
    if (!anyAddress && !name && !dhcp && !fixed)
        return run.usage(CliText::tr("remote set needs --ip, --mask, --gateway, --dhcp, --static or --name"));

    if (const std::optional<int> failed = FindRemote(run, target)) return *failed;
    // The dialog's flow: read, replace what was given, write all of it.
    EthernetSettings settings = EmptyEthernetSettings();
    RemoteSettingsChange change(target.sequence, target.mac);
    const RemoteReadResult read = change.readSettings(settings);
    if (read.result != NetworkResult::Done) return NetworkFailure(s, read.result);
    // What was not read cannot go out "as read": it would be written as zeros or all ones.
    const bool allAddresses = run.isSet("ip") && run.isSet("mask") && run.isSet("gateway");
    const bool missingAddresses = !read.ipSettingsAnswered && !allAddresses;
    const bool missingMode = !read.addressModeAnswered && !dhcp && !fixed;
    if (missingAddresses || missingMode) {
        *s.err << "labelbench-cli: "
               << (missingAddresses ? CliText::tr("the printer did not answer the read of its IP settings")
                                    : CliText::tr("the printer did not answer the read of its address mode"))
               << "; " << CliText::tr("nothing was written") << '\n';
        s.err->flush();
        return kDataReceivingError;
    }
    SetEthernetText(settings.PrinterName, target.printer.printerName);
    for (const AddressOption& a : addresses)
        if (run.isSet(a.option)) SetEthernetText(settings.*a.field, EthernetText(given.*a.field));
    if (name) SetEthernetText(settings.PrinterName, EthernetText(given.PrinterName));
    if (dhcp || fixed) settings.Dhcp = dhcp ? 1 : 0;

    const NetworkResult result = change.writeSettings(settings, target.sequence);
    if (result == NetworkResult::InvalidInput)
        return BadInput(s, InvalidEthernetFieldMessage(InvalidEthernetField(settings, true, true), settings));
    return result == NetworkResult::Done ? 0 : NetworkFailure(s, result);
}

const CommandOption kJsonOption = {"json", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "print JSON instead")};
const CommandOption kToOption = {
    "to", "ADDRESS[:PORT]",
    QT_TRANSLATE_NOOP("LabelBenchCli",
                      "send every request to this IPv4 address (port 22368 unless given)\n"
                      "instead of the broadcast address and the multicast group 224.0.0.251")};
const CommandArgument kMacArgument = {
    "MAC", QT_TRANSLATE_NOOP("LabelBenchCli",
                             "the printer's MAC address, as discover lists it (02:00:00:00:00:01)")};

}   // namespace

std::vector<Command> NetworkCommands() {
    return {
        {.name = "net",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read or change the network settings over the link"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "The printer's IP settings and network name, read and changed over the\n"
                                   "selected link with printer commands."),
         .subcommands =
             {
                 {.name = "get",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read the network settings"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Reads the configured address (DHCP when it is 0.0.0.0), gateway, subnet mask,\n"
                      "the address in use, the network name and the MAC address. A printer that knows\n"
                      "no name or MAC leaves them empty."),
                  .options = {kJsonOption},
                  .run = RunNetGet},
                 {.name = "set-ip",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "give the printer a static address"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli", "Sends NET IP with the three addresses, each a dotted IPv4 address;\n"
                                       "any other text is refused and nothing is sent."),
                  .options = {PasswordGateOption()},
                  .arguments =
                      {{"IP", QT_TRANSLATE_NOOP("LabelBenchCli", "the address, e.g. 192.168.1.100")},
                       {"MASK", QT_TRANSLATE_NOOP("LabelBenchCli", "the subnet mask, e.g. 255.255.255.0")},
                       {"GATEWAY", QT_TRANSLATE_NOOP("LabelBenchCli", "the gateway, e.g. 192.168.1.1")}},
                  .run = RunNetSetIp},
                 {.name = "set-dhcp",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "let the printer take its address by DHCP"),
                  .help = QT_TRANSLATE_NOOP("LabelBenchCli", "Sends NET DHCP."),
                  .options = {PasswordGateOption()},
                  .run = RunNetSetDhcp},
                 {.name = "set-name",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "change the printer's network name"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Sends NET NAME with the name: at most 15 Latin-1 characters, without\n"
                      "a double quote or a control character."),
                  .options = {PasswordGateOption()},
                  .arguments = {{"NAME", QT_TRANSLATE_NOOP("LabelBenchCli", "the new name")}},
                  .run = RunNetSetName},
             }},
        {.name = "discover",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "list the printers on the network (UDP)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Sends the discovery request to the broadcast address, then to the multicast group,\n"
             "and lists every reply until the network has been quiet for a second after each:\n"
             "name, MAC, IP address, model and status. A printer that answers both is listed\n"
             "twice, as it is when --to sends both requests to one address. No link is used."),
         .options = {kJsonOption, kToOption},
         .run = RunDiscover,
         .printerless = true},
        {.name = "remote",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "reach a printer by its MAC address (UDP)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Each command first runs a discovery and acts only when the printer with the MAC\n"
             "answered it (exit status 3 otherwise, nothing more sent). No link is used."),
         .subcommands =
             {
                 {.name = "factory-default",
                  .summary =
                      QT_TRANSLATE_NOOP("LabelBenchCli", "return its network settings to the factory's"),
                  .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                            "Sends the factory-default request; no answer is awaited. Asks\n"
                                            "first on a terminal; without one, needs --yes."),
                  .options = {{"yes", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "reset without asking")},
                              kToOption},
                  .arguments = {kMacArgument},
                  .run = RunRemoteFactoryDefault},
                 {.name = "get",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read its IP settings and address mode"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli", "Reads the IP settings and the address mode, and shows them with the\n"
                                       "name the printer answered the discovery with."),
                  .options = {kJsonOption, kToOption},
                  .arguments = {kMacArgument},
                  .run = RunRemoteGet},
                 {.name = "set",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "change its address, address mode or name"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Reads the IP settings and the address mode, replaces what is given, and writes\n"
                      "name, IP settings and address mode back; the printer applies them together.\n"
                      "Addresses are dotted IPv4 addresses; anything else is refused before anything\n"
                      "is sent."),
                  .options =
                      {{"ip", "A", QT_TRANSLATE_NOOP("LabelBenchCli", "the static address")},
                       {"mask", "M", QT_TRANSLATE_NOOP("LabelBenchCli", "the subnet mask")},
                       {"gateway", "G", QT_TRANSLATE_NOOP("LabelBenchCli", "the gateway")},
                       {"dhcp", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "take the address by DHCP")},
                       {"static", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "use the static address")},
                       {"name", "NAME",
                        QT_TRANSLATE_NOOP("LabelBenchCli", "the network name (at most 15 characters)")},
                       kToOption},
                  .arguments = {kMacArgument},
                  .run = RunRemoteSet},
             },
         .printerless = true},
    };
}

}   // namespace lb::cli
