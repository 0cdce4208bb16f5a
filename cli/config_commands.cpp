// SPDX-License-Identifier: Apache-2.0
// The configuration's commands: status, password, reading, showing and writing the
// configuration.

#include "cli/config_commands.h"
#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/file_output.h"
#include "cli/password_gate.h"
#include "config/config_diff.h"
#include "config/config_file.h"
#include "config/config_text.h"
#include "config/password.h"
#include "config/printer_status.h"
#include "config/read_configuration.h"
#include "config/write_configuration.h"
#include "link/dispatcher.h"
#include "link/link_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <map>

namespace lb::cli {
namespace {

int RunStatus(const CommandRun& run) {
    const CliStreams& s = run.streams();
    PrinterStatus status{};
    const int result = RunPrinterOperation(kOpQueryStatus, run.kind(), &status, 0);
    if (result != kLinkOk) return Fail(s, result);
    if (run.isSet("json"))
        *s.out << JsonText(QJsonDocument(QJsonObject{{"Status", StatusText(status)}}),
                           QJsonDocument::Indented);
    else
        *s.out << StatusText(status) << '\n';
    s.out->flush();
    return 0;
}

// The identity and the wear of the printer, and its status: a site's inventory, one printer
// at a time.
int RunInfo(const CommandRun& run) {
    const CliStreams& s = run.streams();
    PrinterStatus status{};
    int result = RunPrinterOperation(kOpQueryStatus, run.kind(), &status, 0);
    if (result != kLinkOk) return Fail(s, result);
    PrinterConfig config{};
    result = ReadPrinterIdentity(run.kind(), &config);
    if (result != kLinkOk) return Fail(s, result);
    // The keys and values of read-config --json.
    const QJsonObject all = ConfigJson(config);
    QJsonObject info;
    for (const char* key : {"Version", "Edition", "SerialNumber", "Checksum", "Milage", "ResetMilage",
                            "CutCounter", "ResetCutCounter"})
        info.insert(QLatin1String(key), all.value(QLatin1String(key)));
    info.insert(QStringLiteral("Status"), StatusText(status));
    if (run.isSet("json")) {
        *s.out << JsonText(QJsonDocument(info), QJsonDocument::Indented);
    } else {
        for (const char* key : {"Version", "Edition", "SerialNumber", "Checksum", "Milage", "ResetMilage",
                                "CutCounter", "ResetCutCounter", "Status"}) {
            const QJsonValue value = info.value(QLatin1String(key));
            *s.out << key << ": "
                   << Printable(value.isString() ? value.toString() : QString::number(value.toInteger()))
                   << '\n';
        }
    }
    s.out->flush();
    return 0;
}

// The Password Setup flow: read the printer's password, check the old entry, send the new one.
int RunPasswordSetup(const CommandRun& run) {
    const CliStreams& s = run.streams();
    QByteArray oldEntry;
    const std::optional<QString> oldText = run.value("old");
    if (oldText && !PasswordBytes(*oldText, oldEntry))
        return run.usage(CliText::tr("--old holds a character outside Latin-1"));
    QByteArray newEntry;
    if (!PasswordBytes(run.value("new").value_or(QString()), newEntry))
        return run.usage(CliText::tr("--new holds a character outside Latin-1"));
    // Refused before the printer is asked anything.
    if (!IsSendablePassword(newEntry))
        return run.usage(
            CliText::tr("the new password must have at most %1 characters and no double quote or "
                        "control character")
                .arg(kMaxPasswordLength));

    char current[kPasswordBufferSize];
    // The parallel port cannot read: there the dispatcher answers with "no password".
    int32_t edition = kFirstPasswordEdition;
    const int read = run.kind() == InterfaceKind::Lpt
                         ? RunPrinterOperation(kOpReadPassword, run.kind(), current, 0)
                         : ReadPasswordAndEdition(run.kind(), current, &edition);
    if (read != kLinkOk) return Fail(s, read);
    // Older firmware has no password and would leave the command unanswered until the
    // reply time-out.
    if (edition < kFirstPasswordEdition)
        return BadInput(s, CliText::tr("the printer's firmware (edition %1) has no password").arg(edition));
    switch (DecidePasswordSetup(QByteArray(current), oldEntry, newEntry)) {
    case PasswordSetupDecision::WrongOldPassword:
        *s.err << "labelbench-cli: "
               << CliText::tr("Incorrect: the old password does not match; nothing was sent") << '\n';
        s.err->flush();
        return kExitPasswordRefused;
    case PasswordSetupDecision::Unchanged:
        *s.out << CliText::tr("The new password equals the old one; nothing was sent.") << '\n';
        s.out->flush();
        return 0;
    case PasswordSetupDecision::NotSendable:   // checked above; kept for completeness
        return run.usage(CliText::tr("the new password cannot be sent"));
    case PasswordSetupDecision::Send:
        break;
    }
    const int sent = RunPrinterOperation(kOpSendPassword, run.kind(), newEntry.data(), 0);
    if (sent != kLinkOk) return Fail(s, sent);
    *s.out << (newEntry.isEmpty() ? CliText::tr("Password removed.") : CliText::tr("Password set.")) << '\n';
    s.out->flush();
    return 0;
}

// Loads a configuration file of either form. Returns the exit status of a failure, after its
// message: "File Open Error" (4), or "File Data Error" (64) for a file that is not a
// configuration file, with the file and what is wrong with a text form on a second line;
// nullopt to go on.
std::optional<int> LoadConfig(const CommandRun& run, const QString& path, PrinterConfig& config,
                              PrinterStatus& status, int32_t& unitItem, ConfigFileForm* form = nullptr) {
    const CliStreams& s = run.streams();
    QString error;
    ConfigFileDetail detail;
    switch (LoadConfigFile(path, config, status, unitItem, &error, &detail)) {
    case ConfigFileResult::OpenError:
        return FileOpenFailure(s, path, error);
    case ConfigFileResult::DataError:
        // The same in every language, for scripts.
        *s.err << kFileDataError << '\n';
        if (!error.isEmpty()) *s.err << Printable(path) << ": " << Printable(error) << '\n';
        s.err->flush();
        return kExitUsage;
    case ConfigFileResult::Ok:
        break;
    }
    if (form) *form = detail.form;
    return std::nullopt;
}

void PrintConfig(const PrinterConfig& config, LengthUnit unit, bool json, const CliStreams& s,
                 const PrinterStatus* status) {
    if (json) {
        *s.out << JsonText(QJsonDocument(ConfigJson(config)), QJsonDocument::Indented);
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

int RunShowConfig(const CommandRun& run) {
    std::optional<LengthUnit> unit;
    if (const std::optional<int> failed = ReadUnit(run, unit)) return *failed;
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unitItem = kUnitInch;
    ConfigFileForm form = ConfigFileForm::Binary;
    if (const std::optional<int> failed =
            LoadConfig(run, run.arguments().first(), config, status, unitItem, &form))
        return *failed;
    // The selector has two items; a saved item other than mm is shown as inch. The text form
    // keeps no status, so none is shown for it.
    PrintConfig(config, unit.value_or(unitItem == kUnitMm ? LengthUnit::Mm : LengthUnit::Inch),
                run.isSet("json"), run.streams(), form == ConfigFileForm::Binary ? &status : nullptr);
    return 0;
}

int RunReadConfig(const CommandRun& run) {
    const CliStreams& s = run.streams();
    std::optional<LengthUnit> given;
    if (const std::optional<int> failed = ReadUnit(run, given)) return *failed;
    const std::optional<QString> save = run.value("save");
    if (save && save->isEmpty()) return run.usage(CliText::tr("--save takes a file name"));
    const LengthUnit unit = given.value_or(LengthUnit::Inch);
    PrinterConfig config{};
    QString saveError;
    if (const int result = ReadConfigAndSave(run.kind(), unit, save, config, &saveError)) {
        if (!saveError.isEmpty()) return FileOpenFailure(s, *save, saveError);
        return Fail(s, result);
    }
    PrintConfig(config, unit, run.isSet("json"), s, nullptr);
    return 0;
}

int RunWriteConfig(const CommandRun& run) {
    static const std::map<QString, int32_t> pages = {
        {"common", kPageCommon}, {"z", kPageZ}, {"d", kPageD}, {"interface", kPageInterface}};
    const auto page = pages.find(run.value("page").value_or(QString()).toLower());
    if (page == pages.end()) return run.usage(CliText::tr("--page takes common, z, d or interface"));
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unitItem = kUnitInch;
    if (const std::optional<int> failed = LoadConfig(run, run.arguments().first(), config, status, unitItem))
        return *failed;
    // A damaged or crafted file's value is refused before the printer is asked anything.
    const QString problem = ConfigurationProblem(config, page->second);
    if (!problem.isEmpty()) return BadInput(run.streams(), problem);
    return RunGated(
        run, [&] { return RunPrinterOperation(kOpWriteConfiguration, run.kind(), &config, page->second); });
}

// The settings of two files, or of a file and the printer, that differ; prints one line or
// one JSON object per setting.
int RunDiffConfig(const CommandRun& run) {
    const CliStreams& s = run.streams();
    std::optional<LengthUnit> given;
    if (const std::optional<int> failed = ReadUnit(run, given)) return *failed;
    const LengthUnit unit = given.value_or(LengthUnit::Inch);
    PrinterConfig a{}, b{};
    PrinterStatus status{};
    int32_t unitItem = kUnitInch;
    // Both files are loaded before the printer is asked anything.
    if (const std::optional<int> failed = LoadConfig(run, run.arguments().at(0), a, status, unitItem))
        return *failed;
    if (run.arguments().size() > 1) {
        if (const std::optional<int> failed = LoadConfig(run, run.arguments().at(1), b, status, unitItem))
            return *failed;
    } else if (const int result = ReadConfigAndSave(run.kind(), unit, std::nullopt, b)) {
        return Fail(s, result);
    }
    const QList<ConfigDifference> differences = ConfigDifferences(a, b, unit);
    if (run.isSet("json")) {
        const auto value = [](const std::optional<QString>& text) {
            return text ? QJsonValue(*text) : QJsonValue();
        };
        QJsonArray list;
        for (const ConfigDifference& d : differences)
            list.append(
                QJsonObject{{"key", d.key}, {"caption", d.caption}, {"a", value(d.a)}, {"b", value(d.b)}});
        *s.out << JsonText(QJsonDocument(list), QJsonDocument::Indented);
    } else {
        const QString absent = QStringLiteral("(absent)");
        for (const ConfigDifference& d : differences)
            *s.out << d.caption << ": " << Printable(d.a.value_or(absent)) << QStringLiteral(" \u2192 ")
                   << Printable(d.b.value_or(absent)) << '\n';
    }
    s.out->flush();
    return differences.isEmpty() ? 0 : kExitDiffers;
}

const CommandOption kJsonOption = {
    "json", nullptr,
    QT_TRANSLATE_NOOP("LabelBenchCli", "print every field of the record by its name instead, null for\n"
                                       "settings not read")};
const CommandOption kJsonObjectOption = {"json", nullptr,
                                         QT_TRANSLATE_NOOP("LabelBenchCli", "print it as a JSON object")};

}   // namespace

std::optional<int> ReadUnit(const CommandRun& run, std::optional<LengthUnit>& unit) {
    const QString text = run.value("unit").value_or(QString()).toLower();
    if (text == "inch")
        unit = LengthUnit::Inch;
    else if (text == "mm")
        unit = LengthUnit::Mm;
    else if (run.isSet("unit"))
        return run.usage(CliText::tr("--unit takes inch or mm"));
    return std::nullopt;
}

int ReadConfigAndSave(InterfaceKind kind, LengthUnit unit, const std::optional<QString>& save,
                      PrinterConfig& config, QString* saveError) {
    ClearConfig(config);
    config.UnitIsInch = unit == LengthUnit::Inch ? 1 : 0;
    const int result = RunPrinterOperation(kOpReadConfiguration, kind, &config, 0);
    if (result != kLinkOk) return result;   // nothing saved
    if (save) {
        const PrinterStatus noStatus{};
        const int32_t unitItem = unit == LengthUnit::Inch ? kUnitInch : kUnitMm;
        // A read holds only finite numbers, so the text form can always carry it; were it
        // refused, saveError would name the value.
        if (SaveConfigFile(*save, config, noStatus, unitItem, saveError) != ConfigFileResult::Ok)
            return kFileOpenError;
    }
    return kLinkOk;
}

std::vector<Command> ConfigCommands() {
    return {
        {.name = "status",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "print the printer's status (\"Ready\", \"Head Open\", ...)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Asks the printer for its status bytes and prints the status as the first line:\n"
             "Ready, Printing, Pause, Paper Jam, Out of Paper, Ribbon Encoder Err., Out of Ribbon,\n"
             "Other Error or Head Open (the most important condition when several apply)."),
         .options = {kJsonObjectOption},
         .run = RunStatus},
        {.name = "info",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli",
                                      "print the printer's identity, wear and status (not its settings)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Reads the version, edition, serial number, checksum, mileage and cut counters (from the\n"
             "editions that keep them) and the status, in about a dozen exchanges rather than a whole\n"
             "configuration read; --json uses the keys of read-config --json, plus Status. With\n"
             "--hosts-file it is a site's inventory."),
         .options = {kJsonObjectOption},
         .run = RunInfo},
        {.name = "password",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "change the printer's password (edition 101 and later)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Changes the printer's password. Reads the printer's password first; --old must equal it\n"
             "exactly, otherwise nothing is sent and the exit status is 7. A new password equal to the\n"
             "old one sends nothing (exit status 0). Firmware before edition 101 has no password\n"
             "(exit status 64, nothing sent)."),
         .options = {{"old", "TEXT",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "the printer's password; leave it out, or give it empty, when\n"
                                        "no password is set")},
                     {"new", "TEXT",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "the new password, at most 999 Latin-1 characters and no double\n"
                                        "quote or control character (exit status 64 otherwise, nothing\n"
                                        "sent); empty removes the password"),
                      true}},
         .run = RunPasswordSetup},
        {.name = "read-config",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli",
                                      "read and print the printer's configuration, optionally save it"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Reads the printer's configuration and prints the printer information and every setting\n"
             "the printer reported, as the panel shows them: lengths in the unit, lists by their texts."),
         .options = {{"unit", "inch|mm",
                      QT_TRANSLATE_NOOP("LabelBenchCli", "the unit of lengths (default inch)")},
                     kJsonOption,
                     {"save", "FILE",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "also write the configuration file with that unit: as text (the\n"
                                        "JSON of --json) when FILE ends in .json, as .dcf otherwise; a read\n"
                                        "that fails writes no file and leaves an existing one as it was")}},
         .run = RunReadConfig},
        {.name = "show-config",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "print a saved configuration file (no printer needed)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Prints a configuration file as read-config prints a read, plus the saved status of a\n"
             ".dcf. The file is either a .dcf or the text form, the JSON that --json prints (a file\n"
             "whose text starts with '{'). A file that is not a configuration file, or a text form\n"
             "with an unknown or missing key, a value of the wrong type, out of range or too long,\n"
             "gives \"File Data Error\" (the text form's key named on the next line) and exit status\n"
             "64; a file that cannot be opened gives \"File Open Error\" (4)."),
         .options = {{"unit", "inch|mm",
                      QT_TRANSLATE_NOOP("LabelBenchCli", "the unit of lengths (default: the file's unit)")},
                     kJsonOption},
         .arguments = {{"FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "the configuration file")}},
         .run = RunShowConfig,
         .printerless = true},
        {.name = "write-config",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "write one page of a configuration file to the printer"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Writes one page of a configuration file (.dcf or text form, see show-config) to the\n"
             "printer: the settings present in the file, as the panel's Set button sends them; the\n"
             "two forms of one configuration send the same bytes. A file show-config refuses, or a\n"
             "value no command can carry, is refused by name (exit status 64, nothing sent)."),
         .options = {{"page", "common|z|d|interface", QT_TRANSLATE_NOOP("LabelBenchCli", "the page to write"),
                      true},
                     PasswordGateOption()},
         .arguments = {{"FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "the configuration file")}},
         .run = RunWriteConfig},
        {.name = "diff-config",
         .summary = QT_TRANSLATE_NOOP(
             "LabelBenchCli", "show the settings in which two configurations differ (exit status 10)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Compares two configuration files (.dcf or text form, see show-config), or with one file\n"
             "the file against the configuration read from the printer the link options select (as\n"
             "read-config reads it). Prints one line per setting that differs: the caption of its\n"
             "label on the configuration page, then both values as the panel shows them, lengths in\n"
             "the unit (\"Gap: 0.12 in \u2192 0.24 in\"), \"(absent)\" for a setting only one side has.\n"
             "The unit, the resolution and the printer information are not compared.\n"
             "Exit status: 0 when the settings match, 10 when they differ, 1-6 on a printer error, 4\n"
             "when a file cannot be opened, 64 on bad usage or a file show-config refuses."),
         .options = {{"unit", "inch|mm",
                      QT_TRANSLATE_NOOP("LabelBenchCli", "the unit of lengths (default inch)")},
                     {"json", nullptr,
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "print the differences as a JSON list instead: objects with key,\n"
                                        "caption, a (A's value) and b (B's or the printer's), null when\n"
                                        "absent")}},
         .arguments = {{"A", QT_TRANSLATE_NOOP("LabelBenchCli", "a configuration file")},
                       {"B",
                        QT_TRANSLATE_NOOP(
                            "LabelBenchCli",
                            "another configuration file; without it, the printer's configuration"),
                        true}},
         .run = RunDiffConfig},
    };
}

}   // namespace lb::cli
