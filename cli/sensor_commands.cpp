// SPDX-License-Identifier: Apache-2.0
// The media sensor's commands: its settings, its raw readings, and the three ways of
// calibrating it (the printer's own, a manual setup, and the assisted two-pass reading).

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/config_commands.h"
#include "cli/password_gate.h"
#include "functions/assisted_calibration.h"
#include "functions/sensor_calibration.h"
#include "link/dispatcher.h"
#include "link/link_error.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lb::cli {
namespace {

// The assisted calibration found no level where label and liner can be told apart.
constexpr int kExitCannotCalibrate = 8;

struct MediaName {
    const char* name;
    int32_t type;
};
constexpr MediaName kMediaNames[] = {
    {"gap", kMediaGap},
    {"bline", kMediaBlackMark},
    {"continuous", kMediaContinuous},
    {"auto", kMediaAutoSelection},
};

// --media into type, among the first count names of kMediaNames. Returns the exit status of a
// bad value, after its message; nullopt to go on.
std::optional<int> ReadMedia(const CommandRun& run, int count, int32_t& type) {
    const QString text = run.value("media").value_or(QString()).toLower();
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names.append(QLatin1String(kMediaNames[i].name));
        if (text == QLatin1String(kMediaNames[i].name)) {
            type = kMediaNames[i].type;
            return std::nullopt;
        }
    }
    return run.usage(CliText::tr("--media takes %1").arg(names.join(QStringLiteral(", "))));
}

// The designed texts of the media types, the same in every language, as scripts read them.
const char* MediaTypeText(int32_t type) {
    switch (type) {
    case kMediaGap:
        return "GAP";
    case kMediaBlackMark:
        return "Black Mark";
    case kMediaContinuous:
        return "Continuous";
    case kMediaAutoSelection:
        return "Auto Selection";
    }
    return "?";
}

// An option's decimal number (4, 0.12, 101.6; no sign, no exponent) into value, which keeps
// its default when the option is absent. Returns the exit status of a bad value.
std::optional<int> ReadLength(const CommandRun& run, const char* option, double& value) {
    const std::optional<QString> text = run.value(option);
    if (!text) return std::nullopt;
    static const QRegularExpression decimal(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
    bool ok = decimal.match(*text).hasMatch();
    // toDouble reads the C locale's decimal point, whatever the desktop's.
    if (ok) value = text->toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return run.usage(CliText::tr("--%1 takes a decimal number such as 4 or 0.12").arg(option));
    return std::nullopt;
}

// An option's whole number >= 0 that fits the record into value (0 when absent).
std::optional<int> ReadWhole(const CommandRun& run, const char* option, int32_t& value) {
    const std::optional<QString> text = run.value(option);
    if (!text) return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    bool ok = digits.match(*text).hasMatch();
    if (ok) value = text->toInt(&ok);
    if (!ok)
        return run.usage(CliText::tr("--%1 takes a whole number from 0 to %2").arg(option).arg(INT32_MAX));
    return std::nullopt;
}

// trunc(length x dots per unit), refused when it does not fit the record.
// The finest resolution a label printer has: a length beyond what it can carry is no label's.
constexpr int32_t kFinestDotsPerInch = 2400;

bool LengthInDots(double length, int32_t dotsPerUnit, int32_t& dots) {
    const double product = std::trunc(length * double(dotsPerUnit));
    if (!std::isfinite(product) || product < 0 || product > double(std::numeric_limits<int32_t>::max()))
        return false;
    dots = static_cast<int32_t>(product);
    return true;
}

void Flush(const CliStreams& s) {
    s.out->flush();
}

int RunSensorSettings(const CommandRun& run) {
    const CliStreams& s = run.streams();
    // The settings the window starts from: continuous media, nothing else known.
    SensorCalibration c{};
    c.MediaType = kMediaContinuous;
    const int result = RunPrinterOperation(kOpSensorSettings, run.kind(), &c, 0);
    if (result != kLinkOk) return Fail(s, result);
    const int32_t mediaType = c.MediaType;
    const int32_t intensity = c.Intensity;
    const int32_t threshold = c.Threshold;
    if (run.isSet("json")) {
        const QJsonObject o{{"mediaType", mediaType}, {"intensity", intensity}, {"threshold", threshold}};
        *s.out << JsonText(QJsonDocument(o), QJsonDocument::Indented);
    } else {
        *s.out << "Media type: " << MediaTypeText(mediaType) << '\n'
               << "Intensity: " << intensity << '\n'
               << "Threshold: " << threshold << '\n';
    }
    Flush(s);
    return 0;
}

// Operation 24 for the media type. Prints the LinkError on failure.
int ReadPass(const CommandRun& run, int32_t mediaType, SensorReadings& readings) {
    readings = SensorReadings{};
    readings.MediaType = mediaType;
    const int result = RunPrinterOperation(kOpSensorReadings, run.kind(), &readings, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

int RunSensorReadings(const CommandRun& run) {
    const CliStreams& s = run.streams();
    int32_t mediaType = kMediaGap;
    if (const std::optional<int> failed = ReadMedia(run, 2, mediaType)) return *failed;
    SensorReadings readings;
    if (const int failed = ReadPass(run, mediaType, readings)) return failed;
    const int32_t count = readings.Count;
    if (run.isSet("json")) {
        QJsonArray values;
        for (int i = 0; i < count; ++i)
            values.append(readings.Readings[i]);
        *s.out << JsonText(QJsonDocument(QJsonObject{{"readings", values}}), QJsonDocument::Indented);
    } else {
        for (int i = 0; i < count; ++i)
            *s.out << i << ": " << readings.Readings[i] << '\n';
    }
    Flush(s);
    return 0;
}

int SendCalibration(const CommandRun& run, const SensorCalibration& c) {
    return RunGated(run, [&] {
        SensorCalibration record = c;
        return RunPrinterOperation(kOpSensorCalibration, run.kind(), &record, 0);
    });
}

int RunCalibrateAuto(const CommandRun& run) {
    const CliStreams& s = run.streams();
    int32_t mediaType = kMediaGap;
    if (const std::optional<int> failed = ReadMedia(run, 4, mediaType)) return *failed;
    double height = 0, gap = 0;
    if (const std::optional<int> failed = ReadLength(run, "height", height)) return *failed;
    if (const std::optional<int> failed = ReadLength(run, "gap", gap)) return *failed;
    std::optional<LengthUnit> unitChoice;
    if (const std::optional<int> failed = ReadUnit(run, unitChoice)) return *failed;
    const LengthUnit unit = unitChoice.value_or(LengthUnit::Inch);
    // A length no printer's resolution can carry is refused before anything is sent.
    int32_t unused = 0;
    const int32_t finest = unit == LengthUnit::Inch ? kFinestDotsPerInch : kFinestDotsPerInch / 25;
    if (!LengthInDots(height, finest, unused) || !LengthInDots(gap, finest, unused))
        return BadInput(s, CliText::tr("the height or gap is too large for a label printer"));

    // The resolution comes from the configuration, as the window's record holds it.
    PrinterConfig config{};
    if (const int result = ReadConfigAndSave(run.kind(), unit, std::nullopt, config)) return Fail(s, result);
    const float perUnit = unit == LengthUnit::Inch ? config.Dpi : config.DotsPerMm;
    const double truncated = std::trunc(double(perUnit));
    if (!std::isfinite(truncated) || truncated < 0 || truncated > double(std::numeric_limits<int32_t>::max()))
        return BadInput(s, CliText::tr("the printer's resolution %1 cannot be used").arg(double(perUnit)));

    SensorCalibration c{};
    c.Confirmed = 1;
    c.MediaType = mediaType;
    c.Mode = kSensorAutoCalibration;
    c.DotsPerUnit = static_cast<int32_t>(truncated);
    int32_t heightDots = 0, gapDots = 0;
    if (!LengthInDots(height, c.DotsPerUnit, heightDots) || !LengthInDots(gap, c.DotsPerUnit, gapDots)) {
        *s.err << "labelbench-cli: "
               << CliText::tr(
                      "the height or gap is too large for the printer's resolution; no calibration was sent")
               << '\n';
        s.err->flush();
        return kExitUsage;
    }
    c.PaperHeightDots = heightDots;
    c.GapDots = gapDots;
    return SendCalibration(run, c);
}

int RunCalibrateManual(const CommandRun& run) {
    int32_t mediaType = kMediaGap;
    if (const std::optional<int> failed = ReadMedia(run, 4, mediaType)) return *failed;
    int32_t intensity = 0, threshold = 0;
    if (const std::optional<int> failed = ReadWhole(run, "intensity", intensity)) return *failed;
    if (const std::optional<int> failed = ReadWhole(run, "threshold", threshold)) return *failed;
    SensorCalibration c{};
    c.Confirmed = 1;
    c.MediaType = mediaType;
    c.Mode = kSensorManualSetup;
    c.Intensity = intensity;
    c.Threshold = threshold;
    return SendCalibration(run, c);
}

// Tells the person what to put under the sensor and waits for Enter. False when the input
// ends first.
bool Prompt(const CliStreams& s, const QString& text) {
    *s.out << text << '\n';
    *s.out << CliText::tr("Press Enter to read the sensor.") << '\n';
    Flush(s);
    if (!s.in) return false;
    // An empty read is the end of the input; an Enter gives at least "\n".
    return !s.in->readLine().isEmpty();
}

int RunCalibrateAssisted(const CommandRun& run) {
    const CliStreams& s = run.streams();
    int32_t mediaType = kMediaGap;
    if (const std::optional<int> failed = ReadMedia(run, 3, mediaType)) return *failed;

    using Next = AssistedCalibration::Next;
    AssistedCalibration calibration;
    for (Next next = calibration.begin(mediaType); next != Next::Done;) {
        // Continuous media is read as it lies; the others wait for the person.
        const QString put = next == Next::PutLiner       ? CliText::tr("Put linner please")
                            : next == Next::PutBlackMark ? CliText::tr("Put black mark please")
                            : next == Next::PutLabel     ? CliText::tr("Put label please")
                                                         : QString();
        if (!put.isEmpty() && !Prompt(s, put))
            return BadInput(s, CliText::tr("the input ended before the readings were taken"));
        SensorReadings reading;
        if (const int failed = ReadPass(run, mediaType, reading)) return failed;
        next = calibration.take(reading);
    }
    const SensorProposal& proposal = calibration.proposal();
    if (!proposal.ok) {
        *s.err << "labelbench-cli: " << CliText::tr("Can't calibration") << '\n';
        s.err->flush();
        return kExitCannotCalibrate;
    }

    *s.out << CliText::tr("Calibration is complete") << '\n'
           << "Intensity: " << proposal.intensity << '\n'
           << "Threshold: " << proposal.threshold << '\n';
    if (mediaType == kMediaContinuous) {
        *s.out << "Reading: " << proposal.labelReading << '\n';
    } else {
        *s.out << "Label reading: " << proposal.labelReading << '\n'
               << (mediaType == kMediaGap ? "Gap reading: " : "Black mark reading: ") << proposal.linerReading
               << '\n';
    }
    Flush(s);
    if (!run.isSet("apply")) return 0;

    SensorCalibration c{};
    c.Confirmed = 1;
    c.MediaType = mediaType;
    c.Mode = kSensorManualSetup;
    c.Intensity = proposal.intensity;
    c.Threshold = proposal.threshold;
    return SendCalibration(run, c);
}

const CommandOption kJsonOption = {"json", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "print JSON instead")};

}   // namespace

std::vector<Command> SensorCommands() {
    const CommandOption anyMedia = {"media", "gap|bline|continuous|auto",
                                    QT_TRANSLATE_NOOP("LabelBenchCli",
                                                      "the media: labels with gaps, black mark,\n"
                                                      "continuous, or the printer's choice"),
                                    true};
    return {
        {.name = "sensor-settings",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "print the media sensor's settings"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli", "Reads the sensor mode, the intensity of that media's sensor and, from\n"
                              "firmware edition 104 on, the threshold (0 when older firmware has none).\n"
                              "--json prints mediaType (0 gap, 1 black mark, 2 continuous), intensity\n"
                              "and threshold."),
         .options = {kJsonOption},
         .run = RunSensorSettings},
        {.name = "sensor-readings",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "print the sensor's raw reading at every intensity level"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Reads the gap or black mark sensor's raw value at every intensity level\n"
                                   "over what lies under it now (at most 128 levels), one \"LEVEL: VALUE\"\n"
                                   "line each; --json prints {\"readings\": [...]}."),
         .options = {{"media", "gap|bline", QT_TRANSLATE_NOOP("LabelBenchCli", "which sensor"), true},
                     kJsonOption},
         .run = RunSensorReadings},
        {.name = "calibrate",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "calibrate the media sensor: auto, manual or assisted"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli", "Sets up the printer's media sensor."),
         .subcommands =
             {
                 {.name = "auto",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "the printer measures the media itself"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Reads the configuration for the printer's resolution, then has the printer\n"
                      "measure the media. With both --height and --gap (in the unit, inch by\n"
                      "default) it is told the label's sizes in dots; otherwise it finds them."),
                  .options =
                      {anyMedia,
                       {"height", "N",
                        QT_TRANSLATE_NOOP("LabelBenchCli", "the label height, such as 4 or 101.6")},
                       {"gap", "N",
                        QT_TRANSLATE_NOOP("LabelBenchCli", "the gap or black mark size, such as 0.12")},
                       {"unit", "inch|mm", QT_TRANSLATE_NOOP("LabelBenchCli", "the unit of both (inch)")},
                       PasswordGateOption()},
                  .run = RunCalibrateAuto},
                 {.name = "manual",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "set the sensor's intensity and threshold"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "Sets the media and, when given, the sensor intensity and the threshold\n"
                      "(the threshold is sent only with an intensity; 0 is not given)."),
                  .options = {anyMedia,
                              {"intensity", "N",
                               QT_TRANSLATE_NOOP("LabelBenchCli", "the sensor intensity level")},
                              {"threshold", "N",
                               QT_TRANSLATE_NOOP("LabelBenchCli", "the threshold (reference) value")},
                              PasswordGateOption()},
                  .run = RunCalibrateManual},
                 {.name = "assisted",
                  .summary = QT_TRANSLATE_NOOP("LabelBenchCli",
                                               "read the sensor over liner and label, propose settings"),
                  .help = QT_TRANSLATE_NOOP(
                      "LabelBenchCli",
                      "For gap or black mark media, asks for the liner (or black mark) under the\n"
                      "sensor, reads every level after Enter, asks for the label and reads again;\n"
                      "continuous media is read once. Prints the proposed intensity and threshold\n"
                      "with the readings at that level. Nothing is sent unless --apply is given.\n"
                      "Exit status 8 when no level tells label and liner apart (\"Can't calibration\");\n"
                      "64 when the input ends before a reading."),
                  .options = {{"media", "gap|bline|continuous",
                               QT_TRANSLATE_NOOP("LabelBenchCli", "the media"), true},
                              {"apply", nullptr,
                               QT_TRANSLATE_NOOP("LabelBenchCli",
                                                 "then send the proposal as a manual setup")},
                              PasswordGateOption()},
                  .run = RunCalibrateAssisted,
                  .asksUnless = ""},
             }},
    };
}

}   // namespace lb::cli
