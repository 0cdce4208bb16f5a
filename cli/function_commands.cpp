// SPDX-License-Identifier: Apache-2.0
// The printer's one-shot functions, its real-time clock and its dump mode.

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/file_output.h"
#include "cli/password_gate.h"
#include "config/printer_config.h"
#include "files/printer_files.h"
#include "functions/dump_text.h"
#include "functions/printer_clock.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "link/link_error.h"

#include <QRegularExpression>
#include <QTextStream>
#include <array>

namespace lb::cli {
namespace {

int RunOperation(const CommandRun& run, uint32_t code) {
    const int result = RunPrinterOperation(code, run.kind(), nullptr, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

int RunLeaveLineMode(const CommandRun& run) {
    return RunOperation(run, kOpLeaveLineMode);
}
int RunSelfTest(const CommandRun& run) {
    return RunOperation(run, kOpSelfTest);
}
int RunReset(const CommandRun& run) {
    return RunOperation(run, kOpResetPrinter);
}
int RunIgnoreAutoBas(const CommandRun& run) {
    return RunOperation(run, kOpIgnoreAutoBas);
}

int RunTestPage(const CommandRun& run) {
    const CliStreams& s = run.streams();
    // The page is laid out from the label the printer reports, so it is read first.
    PrinterConfig config{};
    ClearConfig(config);
    int result = RunPrinterOperation(kOpReadConfiguration, run.kind(), &config, 0);
    if (result != kLinkOk) return Fail(s, result);
    if (!config.PaperWidth.present) return run.usage(CliText::tr("Please Enter Paper Width"));
    if (!config.PaperHeight.present) return run.usage(CliText::tr("Please Enter Paper Height"));
    TestPageRequest request = TestPageRequestFromConfig(config);
    result = RunPrinterOperation(kOpPrintTestPage, run.kind(), &request, 0);
    return result == kLinkOk ? 0 : Fail(s, result);
}

int RunFactoryDefault(const CommandRun& run) {
    return RunGated(run, [&] { return RunPrinterOperation(kOpFactoryDefault, run.kind(), nullptr, 0); });
}

// The items of the RTC Setup dialog's Format Type, the same in every language.
constexpr std::array<const char*, kRtcFormatCount> kRtcFormatTexts = {
    "Disable Timestamp", "mm/dd/yyyy hh:mm:ss am/pm", "dd/mm/yyyy hh:mm:ss", "dd.mm.yyyy hh:mm:ss",
    "yyyy-mm-dd hh:mm:ss"};

// Operation 9 into a cleared record. Returns 0 or the exit status of the failure, after its
// message.
int ReadClock(const CommandRun& run, RtcSettings& rtc) {
    rtc = RtcSettings{};
    const int result = RunPrinterOperation(kOpReadClock, run.kind(), &rtc, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

// The fields in a fixed order (a QJsonObject would sort them); offsetSeconds is null when the
// printer's fields are no valid time.
QByteArray ClockJson(const RtcSettings& rtc, const std::optional<qint64>& offset) {
    const auto field = [](const char* name, qint64 value) {
        return QByteArray("  \"") + name + "\": " + QByteArray::number(value) + ",\n";
    };
    return "{\n" + field("year", rtc.Year) + field("month", rtc.Month) + field("date", rtc.Date) +
           field("hour", rtc.Hour) + field("minute", rtc.Minute) + field("second", rtc.Second) +
           field("format", rtc.Format) +
           "  \"offsetSeconds\": " + (offset ? QByteArray::number(*offset) : QByteArray("null")) + "\n}\n";
}

QString OffsetText(const std::optional<qint64>& offset) {
    if (!offset) return CliText::tr("the printer's clock reads no valid time");
    if (*offset > 0) return CliText::tr("the printer is %1 s ahead of the computer").arg(*offset);
    if (*offset < 0) return CliText::tr("the printer is %1 s behind the computer").arg(-*offset);
    return CliText::tr("the printer shows the computer's time");
}

int RunRtcGet(const CommandRun& run) {
    const CliStreams& s = run.streams();
    RtcSettings rtc;
    if (const int failed = ReadClock(run, rtc)) return failed;
    const std::optional<qint64> offset = PrinterClockOffsetSeconds(rtc, LocalNow());
    if (run.isSet("json")) {
        *s.out << QString::fromLatin1(ClockJson(rtc, offset));
    } else {
        const int32_t format = rtc.Format;
        const QString formatText = format >= 0 && format < kRtcFormatCount
                                       ? QLatin1String(kRtcFormatTexts[std::size_t(format)])
                                       : CliText::tr("unknown");
        *s.out << CliText::tr("Year: %1").arg(rtc.Year) << '\n'
               << CliText::tr("Month: %1").arg(rtc.Month) << '\n'
               << CliText::tr("Date: %1").arg(rtc.Date) << '\n'
               << CliText::tr("Hour: %1").arg(rtc.Hour) << '\n'
               << CliText::tr("Minute: %1").arg(rtc.Minute) << '\n'
               << CliText::tr("Second: %1").arg(rtc.Second) << '\n'
               << CliText::tr("Format: %1 (%2)").arg(format).arg(formatText) << '\n'
               << CliText::tr("Difference: %1").arg(OffsetText(offset)) << '\n';
    }
    s.out->flush();
    return 0;
}

struct ClockField {
    const char* option;
    int minimum;
    int maximum;
    int32_t RtcSettings::*field;
};
// What each option may hold: a date and time the printer can keep (the year in full, 2012).
constexpr ClockField kClockFields[] = {
    {"year", 0, 9999, &RtcSettings::Year},   {"month", 1, 12, &RtcSettings::Month},
    {"date", 1, 31, &RtcSettings::Date},     {"hour", 0, 23, &RtcSettings::Hour},
    {"minute", 0, 59, &RtcSettings::Minute}, {"second", 0, 59, &RtcSettings::Second},
};

// An option's whole number from minimum to maximum into value (nullopt when absent). Returns
// the exit status of a bad value, after its message.
std::optional<int> ReadBounded(const CommandRun& run, const char* option, int minimum, int maximum,
                               std::optional<int32_t>& value) {
    const std::optional<QString> text = run.value(option);
    if (!text) return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    bool ok = digits.match(*text).hasMatch();
    const int number = ok ? text->toInt(&ok) : 0;   // locale-free
    if (!ok || number < minimum || number > maximum)
        return run.usage(
            CliText::tr("--%1 takes a whole number from %2 to %3").arg(option).arg(minimum).arg(maximum));
    value = number;
    return std::nullopt;
}

int RunRtcSet(const CommandRun& run) {
    // Every option is checked before anything is sent.
    std::array<std::optional<int32_t>, std::size(kClockFields)> fields;
    bool anyField = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ClockField& f = kClockFields[i];
        if (const std::optional<int> failed = ReadBounded(run, f.option, f.minimum, f.maximum, fields[i]))
            return *failed;
        anyField = anyField || fields[i].has_value();
    }
    std::optional<int32_t> format;
    if (const std::optional<int> failed = ReadBounded(run, "format", 0, kRtcFormatCount - 1, format))
        return *failed;
    const bool systemTime = run.isSet("system-time");
    if (systemTime && anyField) return run.usage(CliText::tr("--system-time goes without the field options"));
    if (!systemTime && !anyField && !format)
        return run.usage(CliText::tr("rtc set needs --system-time, a field option or --format"));

    // The clock is read first, as the dialog opens with it: what is not given stays as read.
    RtcSettings rtc;
    if (const int failed = ReadClock(run, rtc)) return failed;
    if (systemTime) SetClockFields(rtc, LocalNow());
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i]) rtc.*kClockFields[i].field = *fields[i];
    if (format) rtc.Format = *format;
    // What goes back as read must be a value the clock can hold: a printer that reported an
    // impossible one does not get it written back.
    for (const ClockField& f : kClockFields) {
        const int32_t value = rtc.*f.field;
        if (value < f.minimum || value > f.maximum)
            return BadInput(run.streams(),
                            CliText::tr("the printer reported %1 %2, which is not from %3 to %4; "
                                        "give --%1")
                                .arg(QLatin1String(f.option))
                                .arg(value)
                                .arg(f.minimum)
                                .arg(f.maximum));
    }
    if (rtc.Format < 0 || rtc.Format >= kRtcFormatCount)
        return BadInput(
            run.streams(),
            CliText::tr("the printer reported format %1, which is not from 0 to %2; give --format")
                .arg(rtc.Format)
                .arg(kRtcFormatCount - 1));
    rtc.Confirmed = 1;
    return RunGated(run, [&] { return RunPrinterOperation(kOpSetClock, run.kind(), &rtc, 0); });
}

// Operation 6 for the mode; the card name is the caller's, checked.
int SendDump(const CommandRun& run, int32_t mode, const QByteArray& cardName = kDumpFileName) {
    DumpTextSettings settings = DefaultDumpTextSettings();
    settings.Mode = mode;
    SetDumpFileName(settings, cardName);
    const int result = RunPrinterOperation(kOpDumpText, run.kind(), &settings, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

int RunDumpPrint(const CommandRun& run) {
    return SendDump(run, kDumpPrint);
}

int RunDumpCard(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString name = run.arguments().first();
    // It goes between double quotes in the command.
    if (const QString problem = PrinterFileNameProblem(name); !problem.isEmpty())
        return BadInput(s, Printable(name) + ": " + problem);
    if (name.size() > kMaxDumpFileName)
        return BadInput(s, CliText::tr("the card file name %1 has %2 characters; at most %3")
                               .arg(Printable(name))
                               .arg(name.size())
                               .arg(kMaxDumpFileName));
    return SendDump(run, kDumpToCard, name.toLatin1());
}

int RunDumpFile(const CommandRun& run) {
    const std::optional<QString> out = run.value("out");
    if (out && out->isEmpty()) return run.usage(CliText::tr("--out takes a file name"));
    if (const int failed = SendDump(run, kDumpToFile)) return failed;
    if (!out) return 0;

    // What the printer has kept in its file so far, fetched at once.
    return FetchPrinterFile(run, kDumpFileName, kDumpFileCapacity, out);
}

const CommandOption kJsonOption = {"json", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "print JSON instead")};

CommandOption FieldOption(const char* name, const char* description) {
    return {name, "N", description};
}

}   // namespace

std::vector<Command> FunctionCommands() {
    return {
        {.name = "line-mode-out",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "make the printer leave line mode"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends ESC Z CR LF, which makes the printer leave line mode."),
         .run = RunLeaveLineMode},
        {.name = "self-test",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "print the configuration page"),
         .help =
             QT_TRANSLATE_NOOP("LabelBenchCli", "Sends SELFTEST; the printer prints its configuration page."),
         .run = RunSelfTest},
        {.name = "reset",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "reset the printer"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli", "Sends ESC ! R; the printer resets."),
         .run = RunReset},
        {.name = "ignore-auto",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "start without running AUTO.BAS"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends ESC ! C; the printer skips its AUTO.BAS start-up program."),
         .run = RunIgnoreAutoBas},
        {.name = "test-page",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read the configuration, then print a test page"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Reads the printer's configuration, then prints a test page sized to its\n"
                                   "label (paper width and height from the read)."),
         .run = RunTestPage},
        {.name = "factory-default",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "return the printer to its factory settings"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Sends INITIALPRINTER; the printer returns to its factory settings."),
         .options = {PasswordGateOption()},
         .run = RunFactoryDefault},
        {.name = "rtc",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read or set the printer's real-time clock"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Reads or sets the printer's clock and its time-stamp format."),
         .subcommands =
             {
                 {.name = "get",
                  .summary =
                      QT_TRANSLATE_NOOP("LabelBenchCli", "print the clock, its format and the difference"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Reads the printer's year, month, date, hour, minute, second and time-stamp\n"
                      "format (0 Disable Timestamp, 1 mm/dd/yyyy, 2 dd/mm/yyyy, 3 dd.mm.yyyy,\n"
                      "4 yyyy-mm-dd) and prints them with how far the printer is from the computer.\n"
                      "--json prints year, month, date, hour, minute, second, format and\n"
                      "offsetSeconds (printer minus computer; null when the printer reads no valid\n"
                      "time)."),
                  .options = {kJsonOption},
                  .run = RunRtcGet},
                 {.name = "set",
                  .summary =
                      QT_TRANSLATE_NOOP("LabelBenchCli", "set the clock to the computer's time or to fields"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Reads the clock, puts the computer's local time (--system-time) or the given\n"
                      "fields over it, and sets it; what is not given stays as read, the format too\n"
                      "unless --format is given. The year goes to the printer as two digits. A value\n"
                      "that is no whole number in its range, or --system-time with a field option,\n"
                      "gives 64 and nothing is sent."),
                  .options =
                      {{"system-time", nullptr,
                        QT_TRANSLATE_NOOP("LabelBenchCli", "take the computer's local time")},
                       FieldOption("year", QT_TRANSLATE_NOOP("LabelBenchCli", "the year in full, 0 to 9999")),
                       FieldOption("month", QT_TRANSLATE_NOOP("LabelBenchCli", "the month, 1 to 12")),
                       FieldOption("date",
                                   QT_TRANSLATE_NOOP("LabelBenchCli", "the day of the month, 1 to 31")),
                       FieldOption("hour", QT_TRANSLATE_NOOP("LabelBenchCli", "the hour, 0 to 23")),
                       FieldOption("minute", QT_TRANSLATE_NOOP("LabelBenchCli", "the minute, 0 to 59")),
                       FieldOption("second", QT_TRANSLATE_NOOP("LabelBenchCli", "the second, 0 to 59")),
                       {"format", "0..4", QT_TRANSLATE_NOOP("LabelBenchCli", "the time-stamp format")},
                       PasswordGateOption()},
                  .run = RunRtcSet},
             }},
        {.name = "dump",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "put the printer into its dump mode"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Puts the printer into its dump mode: what it receives from then on is printed or\n"
             "stored as plain text instead of being executed, until it is reset\n"
             "(labelbench-cli reset)."),
         .subcommands =
             {
                 {.name = "print",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "print what the printer receives"),
                  .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                            "Sends DUMP_TEXT PRINT,; the dump is printed on labels."),
                  .run = RunDumpPrint},
                 {.name = "card",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli",
                                               "store what the printer receives on its memory card"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "The dump goes to the file NAME on the printer's memory card. A name\n"
                      "that is empty, longer than 12 characters, or holds a double quote or a\n"
                      "control character gives 64 and nothing is sent."),
                  .arguments = {{"NAME",
                                 QT_TRANSLATE_NOOP("LabelBenchCli", "the card file name, such as LOG1.TXT")}},
                  .run = RunDumpCard},
                 {.name = "file",
                  .summary =
                      QT_TRANSLATE_NOOP("LabelBenchCli", "store what the printer receives in Dump.txt"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "The dump goes to the printer file Dump.txt. With --out, that file is read back\n"
                      "at once, as the printer holds it then, and written to FILE (\"File Open Error\",\n"
                      "4, when FILE cannot be written; an existing one is left as it was). What the\n"
                      "printer keeps later is read with labelbench-cli fetch Dump.txt."),
                  .options = {{"out", "FILE",
                               QT_TRANSLATE_NOOP("LabelBenchCli", "then fetch Dump.txt into this file")}},
                  .run = RunDumpFile},
             }},
    };
}

}   // namespace lb::cli
