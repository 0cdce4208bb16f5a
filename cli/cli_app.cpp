#include "cli/cli_app.h"

#include "config/config_file.h"
#include "config/config_text.h"
#include "config/password.h"
#include "config/printer_status.h"
#include "config/write_configuration.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/link_observer.h"
#include "link/printer_link.h"
#include "link/serial_port_settings.h"
#include "link/usb_backend.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QTextStream>
#include <functional>
#include <map>
#include <optional>

namespace lb::cli {
namespace {

const char* const kUsage =
    "Usage: labelbench-cli [LINK OPTIONS] COMMAND [ARGS]\n"
    "\n"
    "Link options:\n"
    "  --interface usb|com|lpt|ethernet   the printer's interface (default usb)\n"
    "  --host HOST                        the printer's host name or address (selects ethernet)\n"
    "  --port N                           the printer's TCP port (default 9100)\n"
    "  --com COMn|PATH                    serial port (COM1..COM30, or a device path; selects com)\n"
    "  --baud N                           2400, 4800, 9600 (default), 19200, 38400, 57600, 115200\n"
    "  --data-bits 7|8                    (default 8)\n"
    "  --parity none|odd|even             (default none; odd is checked, even is not)\n"
    "  --stop-bits 1|1.5|2                (default 1)\n"
    "  --handshake none|rts|rts-cts       hardware handshake (default rts)\n"
    "  --xonxoff                          XON/XOFF software handshake\n"
    "  --lpt LPTn|PATH                    parallel port (LPT1..LPT4, or a device path; selects lpt)\n"
    "  --usb-vid XXXX                     accept this USB vendor identifier instead of the\n"
    "                                     product's (repeatable, at most two, tried in order)\n"
    "\n"
    "Commands:\n"
    "  check          open and close the link (is the printer there?)\n"
    "  usb-list       list the USB devices present, with their names\n"
    "  line-mode-out  make the printer leave line mode\n"
    "  self-test      print the configuration page\n"
    "  reset          reset the printer\n"
    "  ignore-auto    start without running AUTO.BAS\n"
    "  send FILE      send a file's bytes unchanged ('-' reads standard input)\n"
    "  status         print the printer's status (\"Ready\", \"Head Open\", ...)\n"
    "  password [--old TEXT] --new TEXT\n"
    "                 change the printer's password (edition 101 and later)\n"
    "  read-config [--unit inch|mm] [--json] [--save FILE]\n"
    "                 read and print the printer's configuration, optionally save it\n"
    "  show-config FILE [--unit inch|mm] [--json]\n"
    "                 print a saved configuration file (no printer needed)\n"
    "  write-config FILE --page common|z|d|interface [--password TEXT]\n"
    "                 write one page of a configuration file to the printer\n"
    "  test-page      read the configuration, then print a test page\n"
    "  factory-default [--password TEXT]\n"
    "                 return the printer to its factory settings\n"
    "\n"
    "COMMAND --help describes a command.\n"
    "Exit status: 0 success; 1-6 the printer error shown on stderr; 7 password refused;\n"
    "64 bad usage or bad input (nothing sent).\n";

// argumentCount kTakesOptions: the command reads its own --options.
constexpr int kTakesOptions = -1;

struct CommandInfo {
    const char* help;
    int argumentCount;
};

const std::map<QString, CommandInfo>& Commands() {
    static const std::map<QString, CommandInfo> commands = {
        {"check", {"check: opens the link to the printer and closes it again; nothing is sent.", 0}},
        {"usb-list",
         {"usb-list: prints one line per USB device present: its identity (usb#vid_xxxx&pid_yyyy#...),\n"
          "a tab and its name. Devices whose vendor identifier is accepted are marked with '*'.",
          0}},
        {"line-mode-out", {"line-mode-out: sends ESC Z CR LF, which makes the printer leave line mode.", 0}},
        {"self-test", {"self-test: sends SELFTEST; the printer prints its configuration page.", 0}},
        {"reset", {"reset: sends ESC ! R; the printer resets.", 0}},
        {"ignore-auto", {"ignore-auto: sends ESC ! C; the printer skips its AUTO.BAS start-up program.", 0}},
        {"send",
         {"send FILE: sends the bytes of FILE unchanged, in one operation. '-' reads standard input.", 1}},
        {"status",
         {"status: asks the printer for its status bytes and prints the status as the first line:\n"
          "Ready, Printing, Pause, Paper Jam, Out of Paper, Ribbon Encoder Err., Out of Ribbon,\n"
          "Other Error or Head Open (the most important condition when several apply).",
          0}},
        {"password",
         {"password [--old TEXT] --new TEXT: changes the printer's password.\n"
          "Reads the printer's password first; --old must equal it exactly (leave --old out, or\n"
          "give it empty, when no password is set), otherwise nothing is sent and the exit status\n"
          "is 7. A new password equal to the old one sends nothing (exit status 0). An empty\n"
          "--new removes the password. The new password holds at most 999 Latin-1 characters and\n"
          "no double quote or control character (exit status 64, nothing sent).",
          kTakesOptions}},
        {"read-config",
         {"read-config [--unit inch|mm] [--json] [--save FILE]: reads the printer's configuration and\n"
          "prints the printer information and every setting the printer reported, as the panel\n"
          "shows them: lengths in --unit (default inch) with two decimals, lists by their texts.\n"
          "--json prints every field of the record by its name instead, null for settings not read.\n"
          "--save writes the configuration file (.dcf) with that unit; a read that fails writes no\n"
          "file and leaves an existing one as it was.",
          kTakesOptions}},
        {"show-config",
         {"show-config FILE [--unit inch|mm] [--json]: prints a configuration file (.dcf) as\n"
          "read-config prints a read, plus the saved status. Lengths are shown in the file's unit\n"
          "unless --unit is given. A file that is not a configuration file gives \"File Data Error\"\n"
          "and exit status 64; one that cannot be opened gives \"File Open Error\" (4).",
          kTakesOptions}},
        {"write-config",
         {"write-config FILE --page common|z|d|interface [--password TEXT]: writes one page of a\n"
          "configuration file (.dcf) to the printer: the settings present in the file, as the\n"
          "panel's Set button sends them. When the printer has a password, --password must equal it\n"
          "exactly (exit status 7 otherwise, nothing sent).",
          kTakesOptions}},
        {"test-page",
         {"test-page: reads the printer's configuration, then prints a test page sized to its\n"
          "label (paper width and height from the read).",
          0}},
        {"factory-default",
         {"factory-default [--password TEXT]: sends INITIALPRINTER; the printer returns to its\n"
          "factory settings. When the printer has a password, --password must equal it exactly\n"
          "(exit status 7 otherwise, nothing sent).",
          kTakesOptions}},
    };
    return commands;
}

// Draws "[#####     ]  50%" on stderr while a long transfer runs.
class ProgressBarObserver : public LinkObserver {
public:
    explicit ProgressBarObserver(QTextStream* err) : m_err(err) {}
    void progressShown() override { m_visible = true; }
    void progressChanged(int value) override {
        if (!m_visible || value == m_last) return;
        m_last = value;
        const int filled = value * 40 / 100;
        *m_err << '\r' << '[' << QString(filled, '#') << QString(40 - filled, ' ') << "] "
               << qSetFieldWidth(3) << value << qSetFieldWidth(0) << '%';
        m_err->flush();
    }
    void progressHidden() override {
        if (m_visible && m_last >= 0) {
            *m_err << '\n';
            m_err->flush();
        }
        m_visible = false;
        m_last = -1;
    }

private:
    QTextStream* m_err;
    bool m_visible = false;
    int m_last = -1;
};

class ScopedObserver {
public:
    explicit ScopedObserver(LinkObserver* o) : m_saved(CurrentLinkObserver()) { SetLinkObserver(o); }
    ~ScopedObserver() { SetLinkObserver(m_saved); }
    ScopedObserver(const ScopedObserver&) = delete;
    ScopedObserver& operator=(const ScopedObserver&) = delete;

private:
    LinkObserver* m_saved;
};

struct Options {
    InterfaceKind kind = InterfaceKind::Usb;
    bool kindGiven = false;
    QByteArray host;
    int port = 9100;
    QString command;
    QStringList arguments;
    bool help = false;
    // The serial and parallel settings start from the main window's defaults.
    SerialSettings serial = DefaultSerialSettings();
    bool comGiven = false;
    ParallelPortName parallel = DefaultParallelPortName();
    bool lptGiven = false;
    QList<QByteArray> usbVendorIds;
};

// The index of text in a list of choices, or -1.
int ChoiceIndex(const QString& text, const QStringList& choices) {
    return int(choices.indexOf(text.toLower()));
}

// "COMn"/"LPTn" (any case) within 1..last, or an absolute device path that fits its field.
// Returns the text to store, or an empty one when the name is refused.
QByteArray PortField(const QString& text, const char* prefix, int last, std::size_t fieldSize) {
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

bool ParseInterface(const QString& text, InterfaceKind& kind) {
    static const std::map<QString, InterfaceKind> names = {{"usb", InterfaceKind::Usb},
                                                           {"com", InterfaceKind::Com},
                                                           {"lpt", InterfaceKind::Lpt},
                                                           {"ethernet", InterfaceKind::Ethernet}};
    const auto it = names.find(text.toLower());
    if (it == names.end()) return false;
    kind = it->second;
    return true;
}

// Returns an empty text on success, otherwise what was wrong.
QString ParseArguments(const QStringList& args, Options& o) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& out) -> bool {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        if (!o.command.isEmpty()) {
            // Commands with options find --help among them, so that it can also be a value.
            o.arguments.append(a);
            continue;
        }
        QString v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--interface") {
            if (!value(v) || !ParseInterface(v, o.kind)) return "--interface takes usb, com, lpt or ethernet";
            o.kindGiven = true;
        } else if (a == "--host") {
            if (!value(v) || v.isEmpty()) return "--host takes a host name or address";
            // The host travels in a 64-byte field: 63 characters of plain ASCII at most.
            bool ascii = true;
            for (QChar c : v)
                ascii = ascii && c.unicode() > 32 && c.unicode() < 127;
            if (!ascii || v.size() > 63)
                return "--host takes a host name or address of at most 63 characters";
            o.host = v.toLatin1();
        } else if (a == "--port") {
            bool ok = false;
            if (!value(v)) return "--port takes a number";
            o.port = v.toInt(&ok);
            if (!ok || o.port < 1 || o.port > 65535) return "--port takes a number from 1 to 65535";
        } else if (a == "--com") {
            const QByteArray field =
                value(v) ? PortField(v, "COM", kSerialPortCount, sizeof o.serial.portName) : QByteArray();
            if (field.isEmpty())
                return QString("--com takes COM1 to COM%1 or a device path of at most %2 bytes")
                    .arg(kSerialPortCount)
                    .arg(sizeof o.serial.portName - 1);
            CopyToField(o.serial.portName, field.constData(), std::size_t(field.size()));
            o.comGiven = true;
        } else if (a == "--baud") {
            int index = -1;
            if (value(v))
                for (int k = 0; k < kSerialBaudRateCount; ++k)
                    if (v == QString::number(kSerialBaudRates[k])) index = k;
            if (index < 0) return "--baud takes 2400, 4800, 9600, 19200, 38400, 57600 or 115200";
            o.serial.baudIndex = index;
        } else if (a == "--data-bits") {
            const int index = value(v) ? ChoiceIndex(v, {"7", "8"}) : -1;
            if (index < 0) return "--data-bits takes 7 or 8";
            o.serial.dataBitsIndex = index;
        } else if (a == "--parity") {
            const int index = value(v) ? ChoiceIndex(v, {"none", "odd", "even"}) : -1;
            if (index < 0) return "--parity takes none, odd or even";
            o.serial.parityIndex = index;
        } else if (a == "--stop-bits") {
            const int index = value(v) ? ChoiceIndex(v, {"1", "1.5", "2"}) : -1;
            if (index < 0) return "--stop-bits takes 1, 1.5 or 2";
            o.serial.stopBitsIndex = index;
        } else if (a == "--handshake") {
            const int index = value(v) ? ChoiceIndex(v, {"none", "rts", "rts-cts"}) : -1;
            if (index < 0) return "--handshake takes none, rts or rts-cts";
            o.serial.hardwareHandshakeIndex = index;
        } else if (a == "--xonxoff") {
            o.serial.softwareHandshakeIndex = 1;
        } else if (a == "--lpt") {
            const QByteArray field =
                value(v) ? PortField(v, "LPT", 4, sizeof o.parallel.name) : QByteArray();
            if (field.isEmpty()) return "--lpt takes LPT1 to LPT4 or a device path";
            CopyToField(o.parallel.name, field.constData(), std::size_t(field.size()));
            o.lptGiven = true;
        } else if (a == "--usb-vid") {
            const QByteArray id = value(v) ? v.toLower().toLatin1() : QByteArray();
            if (!IsUsbVendorIdText(id)) return "--usb-vid takes four hexadecimal digits, such as 0a5f";
            if (o.usbVendorIds.size() == 2) return "--usb-vid may be given at most twice";
            o.usbVendorIds.append(id);
        } else if (a.startsWith("--")) {
            return "unknown option " + a;
        } else {
            o.command = a;
        }
    }
    // A link's own option alone selects that link, as --host does.
    if (!o.kindGiven) {
        const int given = int(!o.host.isEmpty()) + int(o.comGiven) + int(o.lptGiven);
        if (given > 1) return "--host, --com and --lpt name different links: give --interface too";
        if (!o.host.isEmpty()) o.kind = InterfaceKind::Ethernet;
        if (o.comGiven) o.kind = InterfaceKind::Com;
        if (o.lptGiven) o.kind = InterfaceKind::Lpt;
    }
    return {};
}

int Fail(const CliStreams& s, int code) {
    *s.err << LinkErrorTextEnglish(code) << '\n';
    // Which link failed and why, on a line of its own, so the first line stays the message.
    const QString detail = LinkErrorDetail(code);
    if (!detail.isEmpty()) *s.err << detail << '\n';
    s.err->flush();
    return code;
}

int Usage(const CliStreams& s, const QString& message) {
    *s.err << "labelbench-cli: " << message << "\nTry 'labelbench-cli --help'.\n";
    s.err->flush();
    return kExitUsage;
}

// Input that cannot be used, such as a file's value the printer cannot be sent.
int BadInput(const CliStreams& s, const QString& message) {
    *s.err << "labelbench-cli: " << message << "; nothing was sent\n";
    s.err->flush();
    return kExitUsage;
}

// The options of one command: "--name VALUE" pairs and --help. Returns what was wrong, or
// an empty text.
QString ParseCommandOptions(const QStringList& args, const QStringList& names,
                            std::map<QString, QString>& values, bool& help) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (names.contains(a)) {
            if (i + 1 >= args.size()) return a + " takes a value";
            if (values.count(a)) return a + " given twice";
            values[a] = args[++i];
        } else {
            return "unknown argument " + a;
        }
    }
    return {};
}

// A text from a file, a printer or a device as a terminal line: control characters (C0, DEL
// and C1) are shown escaped, so a crafted text can neither forge lines nor reach the terminal
// as an escape sequence.
QString Printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

int RunUsbList(const CliStreams& s) {
    UsbDeviceList& list = ProgramUsbDeviceList();
    list.enumerate(CurrentUsbBackend());
    const QList<QByteArray> accepted = AcceptedUsbVendorIds();
    for (int i = 0; i < list.count(); ++i) {
        bool mine = false;
        for (const QByteArray& id : accepted)
            mine = mine || UsbPathHasVendor(list.path(i), id);
        *s.out << (mine ? "* " : "  ") << Printable(QString::fromLatin1(list.path(i))) << '\t'
               << Printable(list.displayName(i)) << '\n';
    }
    if (list.count() == 0) *s.err << "labelbench-cli: no USB device found\n";
    s.out->flush();
    s.err->flush();
    return 0;
}

int RunStatus(InterfaceKind kind, const CliStreams& s) {
    PrinterStatus status{};
    const int result = RunPrinterOperation(kOpQueryStatus, kind, &status, 0);
    if (result != kLinkOk) return Fail(s, result);
    *s.out << StatusText(status) << '\n';
    s.out->flush();
    return 0;
}

// The Password Setup flow: read the printer's password, check the old entry, send the new one.
int RunPasswordSetup(InterfaceKind kind, const std::map<QString, QString>& options, const CliStreams& s) {
    const auto newIt = options.find("--new");
    if (newIt == options.end()) return Usage(s, "password needs --new TEXT");
    QByteArray oldEntry;
    const auto oldIt = options.find("--old");
    if (oldIt != options.end() && !PasswordBytes(oldIt->second, oldEntry))
        return Usage(s, "--old holds a character outside Latin-1");
    QByteArray newEntry;
    if (!PasswordBytes(newIt->second, newEntry)) return Usage(s, "--new holds a character outside Latin-1");
    // Refused before the printer is asked anything.
    if (!IsSendablePassword(newEntry))
        return Usage(s, QString("the new password must have at most %1 characters and no double quote or "
                                "control character")
                            .arg(kMaxPasswordLength));

    char current[kPasswordBufferSize];
    // The parallel port cannot read: there the dispatcher answers with "no password".
    int32_t edition = kFirstPasswordEdition;
    const int read = kind == InterfaceKind::Lpt ? RunPrinterOperation(kOpReadPassword, kind, current, 0)
                                                : ReadPasswordAndEdition(kind, current, &edition);
    if (read != kLinkOk) return Fail(s, read);
    // Older firmware has no password and would leave the command unanswered until the
    // reply time-out.
    if (edition < kFirstPasswordEdition)
        return BadInput(s, QString("the printer's firmware (edition %1) has no password").arg(edition));
    switch (DecidePasswordSetup(QByteArray(current), oldEntry, newEntry)) {
    case PasswordSetupDecision::WrongOldPassword:
        *s.err << "labelbench-cli: Incorrect: the old password does not match; nothing was sent\n";
        s.err->flush();
        return kExitPasswordRefused;
    case PasswordSetupDecision::Unchanged:
        *s.out << "The new password equals the old one; nothing was sent.\n";
        s.out->flush();
        return 0;
    case PasswordSetupDecision::NotSendable:   // checked above; kept for completeness
        return Usage(s, "the new password cannot be sent");
    case PasswordSetupDecision::Send:
        break;
    }
    const int sent = RunPrinterOperation(kOpSendPassword, kind, newEntry.data(), 0);
    if (sent != kLinkOk) return Fail(s, sent);
    *s.out << (newEntry.isEmpty() ? "Password removed.\n" : "Password set.\n");
    s.out->flush();
    return 0;
}

// The options of read-config and show-config: --unit VALUE, --save VALUE (read-config), the
// flag --json and, for show-config, one FILE. Returns what was wrong, or an empty text.
struct ConfigCommandOptions {
    std::optional<LengthUnit> unit;
    bool json = false;
    std::optional<QString> save;
    QString file;
};

QString ParseConfigCommand(const QStringList& args, bool takesFile, ConfigCommandOptions& o, bool& help) {
    bool fileGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--unit") {
            if (i + 1 >= args.size()) return "--unit takes inch or mm";
            if (o.unit) return "--unit given twice";
            const QString v = args[++i].toLower();
            if (v == "inch")
                o.unit = LengthUnit::Inch;
            else if (v == "mm")
                o.unit = LengthUnit::Mm;
            else
                return "--unit takes inch or mm";
        } else if (a == "--save" && !takesFile) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) return "--save takes a file name";
            if (o.save) return "--save given twice";
            o.save = args[++i];
        } else if (takesFile && !fileGiven && !a.startsWith("-")) {
            o.file = a;
            fileGiven = true;
        } else {
            return "unknown argument " + a;
        }
    }
    if (takesFile && !fileGiven && !help) return "show-config takes a FILE";
    return {};
}

void PrintConfig(const PrinterConfig& config, LengthUnit unit, bool json, const CliStreams& s,
                 const PrinterStatus* status) {
    if (json) {
        *s.out << QJsonDocument(ConfigJson(config)).toJson(QJsonDocument::Indented);
    } else {
        *s.out << "Unit: " << (unit == LengthUnit::Inch ? "inch" : "mm") << '\n';
        if (status) *s.out << "Status: " << StatusText(*status) << '\n';
        for (const ConfigTextRow& row : ConfigInformationRows(config))
            *s.out << row.name << ": " << Printable(row.text) << '\n';
        for (const ConfigTextRow& row : ConfigItemRows(config, unit))
            *s.out << row.name << ": " << Printable(row.text) << '\n';
    }
    s.out->flush();
}

int RunShowConfig(const ConfigCommandOptions& o, const CliStreams& s) {
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unitItem = kUnitInch;
    switch (LoadConfigFile(o.file, config, status, unitItem)) {
    case ConfigFileResult::OpenError:
        return Fail(s, kFileOpenError);
    case ConfigFileResult::DataError:
        *s.err << kFileDataError << '\n';
        s.err->flush();
        return kExitUsage;
    case ConfigFileResult::Ok:
        break;
    }
    // The selector has two items; a saved item other than mm is shown as inch.
    const LengthUnit unit = o.unit.value_or(unitItem == kUnitMm ? LengthUnit::Mm : LengthUnit::Inch);
    PrintConfig(config, unit, o.json, s, &status);
    return 0;
}

int RunReadConfig(InterfaceKind kind, const ConfigCommandOptions& o, const CliStreams& s) {
    const LengthUnit unit = o.unit.value_or(LengthUnit::Inch);
    PrinterConfig config{};
    ClearConfig(config);
    config.UnitIsInch = unit == LengthUnit::Inch ? 1 : 0;
    const int result = RunPrinterOperation(kOpReadConfiguration, kind, &config, 0);
    if (result != kLinkOk) return Fail(s, result);   // nothing saved
    if (o.save) {
        const PrinterStatus noStatus{};
        const int32_t unitItem = unit == LengthUnit::Inch ? kUnitInch : kUnitMm;
        if (SaveConfigFile(*o.save, config, noStatus, unitItem) != ConfigFileResult::Ok)
            return Fail(s, kFileOpenError);
    }
    PrintConfig(config, unit, o.json, s, nullptr);
    return 0;
}

// The gate in front of a command that changes the printer, then the command itself.
int RunGated(InterfaceKind kind, const std::map<QString, QString>& options, const CliStreams& s,
             const std::function<int()>& action);

int RunWriteConfig(InterfaceKind kind, const std::map<QString, QString>& options, const QString& file,
                   const CliStreams& s) {
    static const std::map<QString, int32_t> pages = {
        {"common", kPageCommon}, {"z", kPageZ}, {"d", kPageD}, {"interface", kPageInterface}};
    const auto page = options.find("--page");
    if (page == options.end()) return Usage(s, "write-config needs --page common|z|d|interface");
    const auto pageIt = pages.find(page->second.toLower());
    if (pageIt == pages.end()) return Usage(s, "--page takes common, z, d or interface");
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unitItem = kUnitInch;
    switch (LoadConfigFile(file, config, status, unitItem)) {
    case ConfigFileResult::OpenError: return Fail(s, kFileOpenError);
    case ConfigFileResult::DataError:
        *s.err << kFileDataError << '\n';
        s.err->flush();
        return kExitUsage;
    case ConfigFileResult::Ok: break;
    }
    // A damaged or crafted file's value is refused before the printer is asked anything.
    const QString problem = ConfigurationProblem(config, pageIt->second);
    if (!problem.isEmpty()) return BadInput(s, problem);
    return RunGated(kind, options, s, [&] {
        return RunPrinterOperation(kOpWriteConfiguration, kind, &config, pageIt->second);
    });
}

}   // namespace

int CheckPasswordGate(InterfaceKind kind, const std::optional<QByteArray>& entry) {
    char password[kPasswordBufferSize];
    const int result = RunPrinterOperation(kOpReadPassword, kind, password, 0);
    if (result != kLinkOk) return result;
    // A missing --password is a dialog that was never confirmed.
    const GateAnswer answer = entry ? GateAnswer::Confirmed : GateAnswer::Cancelled;
    return PasswordGatePasses(QByteArray(password), answer, entry.value_or(QByteArray()))
               ? 0
               : kExitPasswordRefused;
}

namespace {

int RunGated(InterfaceKind kind, const std::map<QString, QString>& options, const CliStreams& s,
             const std::function<int()>& action) {
    std::optional<QByteArray> entry;
    const auto given = options.find("--password");
    if (given != options.end()) {
        QByteArray bytes;
        if (!PasswordBytes(given->second, bytes)) return Usage(s, "--password holds a character outside Latin-1");
        entry = bytes;
    }
    const int gate = CheckPasswordGate(kind, entry);
    if (gate == kExitPasswordRefused) {
        *s.err << "labelbench-cli: Incorrect: the printer's password was not given; nothing was sent\n";
        s.err->flush();
        return kExitPasswordRefused;
    }
    if (gate != kLinkOk) return Fail(s, gate);
    const int result = action();
    return result == kLinkOk ? 0 : Fail(s, result);
}

}   // namespace

int RunCli(const QStringList& arguments, const CliStreams& s) {
    Options o;
    const QString problem = ParseArguments(arguments, o);
    if (!problem.isEmpty()) return Usage(s, problem);
    if (o.command.isEmpty()) {
        if (o.help) {
            *s.out << kUsage;
            s.out->flush();
            return 0;
        }
        return Usage(s, "no command given");
    }
    const auto it = Commands().find(o.command);
    if (it == Commands().end()) return Usage(s, "unknown command " + o.command);
    std::map<QString, QString> options;
    ConfigCommandOptions configOptions;
    const bool configCommand = o.command == "read-config" || o.command == "show-config";
    if (configCommand) {
        const QString bad =
            ParseConfigCommand(o.arguments, o.command == "show-config", configOptions, o.help);
        if (!bad.isEmpty() && !o.help) return Usage(s, bad);
    } else if (it->second.argumentCount == kTakesOptions) {
        QStringList names;
        if (o.command == "password") names = {"--old", "--new"};
        if (o.command == "write-config") names = {"--page", "--password"};
        if (o.command == "factory-default") names = {"--password"};
        // write-config's FILE is its one argument that is not an option.
        if (o.command == "write-config" && !o.arguments.isEmpty() && !o.arguments.first().startsWith("--"))
            configOptions.file = o.arguments.takeFirst();
        const QString bad = ParseCommandOptions(o.arguments, names, options, o.help);
        if (!bad.isEmpty() && !o.help) return Usage(s, bad);
    } else {
        o.help = o.help || o.arguments.removeAll("--help") + o.arguments.removeAll("-h") > 0;
    }
    if (o.help) {
        *s.out << it->second.help << '\n';
        s.out->flush();
        return 0;
    }
    if (it->second.argumentCount != kTakesOptions && o.arguments.size() != it->second.argumentCount)
        return Usage(s,
                     o.command + (it->second.argumentCount ? " takes one argument" : " takes no argument"));

    // The link settings live for the whole run, as the main window's do.
    static SerialSettings serial = DefaultSerialSettings();
    static ParallelPortName parallel = DefaultParallelPortName();
    static NetworkTarget network = DefaultNetworkTarget();
    serial = o.serial;
    parallel = o.parallel;
    CopyToField(network.host, o.host.constData(), std::size_t(o.host.size()));
    network.port = o.port;
    // Empty: the product's identifiers.
    SetAcceptedUsbVendorIds(o.usbVendorIds);
    RegisterLinkSettings(&serial, &parallel, &network);

    ProgressBarObserver bar(s.err);
    ScopedObserver observer(s.progressBar ? static_cast<LinkObserver*>(&bar) : nullptr);

    if (o.command == "usb-list") return RunUsbList(s);
    if (o.command == "status") return RunStatus(o.kind, s);
    if (o.command == "show-config") return RunShowConfig(configOptions, s);
    if (o.command == "read-config") return RunReadConfig(o.kind, configOptions, s);
    if (o.command == "password") return RunPasswordSetup(o.kind, options, s);
    if (o.command == "write-config") {
        if (configOptions.file.isEmpty()) return Usage(s, "write-config needs a configuration FILE");
        return RunWriteConfig(o.kind, options, configOptions.file, s);
    }
    if (o.command == "factory-default")
        return RunGated(o.kind, options, s, [&] { return RunPrinterOperation(kOpFactoryDefault, o.kind, nullptr, 0); });

    int result = kLinkOk;
    if (o.command == "test-page") {
        // The page is laid out from the label the printer reports, so it is read first.
        PrinterConfig config{};
        ClearConfig(config);
        result = RunPrinterOperation(kOpReadConfiguration, o.kind, &config, 0);
        if (result != kLinkOk) return Fail(s, result);
        if (!config.PaperWidth.present) return Usage(s, "Please Enter Paper Width");
        if (!config.PaperHeight.present) return Usage(s, "Please Enter Paper Height");
        const TestPageRequest request = TestPageRequestFromConfig(config);
        result = RunPrinterOperation(kOpPrintTestPage, o.kind, const_cast<TestPageRequest*>(&request), 0);
    } else if (o.command == "check")
        result = RunPrinterOperation(kOpLinkCheck, o.kind, nullptr, 0);
    else if (o.command == "line-mode-out")
        result = RunPrinterOperation(kOpLeaveLineMode, o.kind, nullptr, 0);
    else if (o.command == "self-test")
        result = RunPrinterOperation(kOpSelfTest, o.kind, nullptr, 0);
    else if (o.command == "reset")
        result = RunPrinterOperation(kOpResetPrinter, o.kind, nullptr, 0);
    else if (o.command == "ignore-auto")
        result = RunPrinterOperation(kOpIgnoreAutoBas, o.kind, nullptr, 0);
    else if (o.command == "send") {
        const QString path = o.arguments.first();
        QByteArray bytes;
        if (path == "-") {
            if (!s.in) return Fail(s, kFileOpenError);
            bytes = s.in->readAll();
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) return Fail(s, kFileOpenError);
            if (file.size() > INT32_MAX) return Usage(s, path + " is larger than 2 GiB");
            bytes = file.readAll();
            if (bytes.size() != file.size()) return Fail(s, kFileOpenError);
        }
        result = RunPrinterOperation(kOpSendRawBlock, o.kind, bytes.data(), int32_t(bytes.size()));
    }
    return result == kLinkOk ? 0 : Fail(s, result);
}

}   // namespace lb::cli
