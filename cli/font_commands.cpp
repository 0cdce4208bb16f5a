// SPDX-License-Identifier: Apache-2.0
// The bitmap font manager's commands: a desktop font built into a printer bitmap font file,
// the same font downloaded into the printer, and a font file read back.

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/file_output.h"
#include "cli/password_gate.h"
#include "files/printer_files.h"
#include "fonts/bitmap_font.h"
#include "fonts/font_charsets.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/save_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <QTextStream>
#include <memory>

namespace lb::cli {
namespace {

// The largest font file show-font reads.
constexpr qint64 kMaxShownFontBytes = qint64(1) << 30;

struct Name {
    const char* text;
    int value;
};
constexpr Name kEncodes[] = {{"standard", kStandardEncode},
                             {"asian", kAsianFontEncode},
                             {"table", kEncodeByTable},
                             {"asian-table", kEncodeByTableAsian}};
constexpr Name kCodePages[] = {{"tc", 0}, {"sc", 1}, {"korean", 2}, {"japanese", 3}};
constexpr Name kPitches[] = {{"fixed", kFixedPitch}, {"variable", kVariablePitch}};
constexpr Name kMappings[] = {{"standard", 0}, {"full", 1}};
constexpr Name kMemories[] = {{"dram", int(MemoryDevice::Dram)},
                              {"flash", int(MemoryDevice::Flash)},
                              {"card", int(MemoryDevice::Card)}};

// --option NAME among names, into value (which keeps its default when absent). Returns the
// exit status of a bad value, after its message; nullopt to go on.
template <std::size_t N>
std::optional<int> ReadName(const CommandRun& run, const char* option, const Name (&names)[N], int& value) {
    const std::optional<QString> text = run.value(option);
    if (!text) return std::nullopt;
    QStringList all;
    for (const Name& name : names) {
        all.append(QLatin1String(name.text));
        if (text->compare(QLatin1String(name.text), Qt::CaseInsensitive) == 0) {
            value = name.value;
            return std::nullopt;
        }
    }
    return run.usage(CliText::tr("--%1 takes %2").arg(option, all.join(QStringLiteral(", "))));
}

// A whole number within min..max (locale-free).
std::optional<int> ReadNumber(const CommandRun& run, const char* option, int min, int max, int& value) {
    const std::optional<QString> text = run.value(option);
    if (!text) return std::nullopt;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok || number < min || number > max)
        return run.usage(
            CliText::tr("--%1 takes a whole number from %2 to %3").arg(option).arg(min).arg(max));
    value = number;
    return std::nullopt;
}

// "Font Parameter Error" (the same in every language) and why.
int ParameterError(const CliStreams& s, const QString& why) {
    *s.err << "Font Parameter Error" << '\n' << why << '\n';
    s.err->flush();
    return kExitUsage;
}

// A font as the page would collect it: the surface carries its font and character set, the
// table its bytes.
struct FontJob {
    std::unique_ptr<GlyphSurface> surface = std::make_unique<GlyphSurface>();
    QByteArray table;
    FontParameters parameters;
};

// The command line's font, with the page's defaults. Returns the exit status of a refusal,
// after its message; nullopt when job is ready to build.
std::optional<int> CollectFont(const CommandRun& run, FontJob& job) {
    const CliStreams& s = run.streams();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return BadInput(s, CliText::tr("fonts can only be drawn in a GUI application"));
    int encode = kStandardEncode, codePage = 0;
    if (auto failed = ReadName(run, "encode", kEncodes, encode)) return failed;
    if (auto failed = ReadName(run, "code-page", kCodePages, codePage)) return failed;
    const bool asian = encode == kAsianFontEncode || encode == kEncodeByTableAsian;
    const bool byTable = encode == kEncodeByTable || encode == kEncodeByTableAsian;
    if (run.isSet("code-page") && !asian)
        return run.usage(CliText::tr("--code-page goes with an Asian encode"));

    QFont font = InitialFont();
    if (const std::optional<QString> family = run.value("family")) {
        if (family->isEmpty()) return run.usage(CliText::tr("--family takes a font family"));
        font.setFamily(*family);
    }
    if (run.isSet("pixel-size") && run.isSet("point-size"))
        return run.usage(CliText::tr("give --pixel-size or --point-size, not both"));
    int size = 13;
    if (auto failed = ReadNumber(run, "pixel-size", 1, kMaxCellSize, size)) return failed;
    font.setPixelSize(size);
    if (run.isSet("point-size")) {
        if (auto failed = ReadNumber(run, "point-size", 1, 1536, size)) return failed;
        font.setPointSize(size);
    }
    font.setBold(run.isSet("bold"));
    font.setItalic(run.isSet("italic"));
    int charset = asian ? CharsetOfAsianCodePage(codePage) : kAnsiCharset;
    if (const std::optional<QString> name = run.value("charset")) {
        charset = FontCharsetByCliName(*name);
        if (charset < 0) {
            QStringList names;
            for (const FontCharset& set : FontCharsets())
                names.append(QLatin1String(set.cliName));
            return run.usage(CliText::tr("--charset takes %1").arg(names.join(QStringLiteral(", "))));
        }
    }
    job.surface->setFont(font, charset);

    FontParameters& p = job.parameters;
    p.surface = job.surface.get();
    p.encode = asian ? kDoubleByteEncode : kSingleByteEncode;
    p.codePage = uint8_t(codePage);
    int pitch = PitchPresetForEncode(encode);
    if (auto failed = ReadName(run, "pitch", kPitches, pitch)) return failed;
    p.pitch = uint8_t(pitch);

    const bool range = run.isSet("start") || run.isSet("end") || run.isSet("mapping");
    if (range && encode != kStandardEncode)
        return run.usage(CliText::tr("--start, --end and --mapping go with --encode standard"));
    if (run.isSet("mapping") && (run.isSet("start") || run.isSet("end")))
        return run.usage(CliText::tr("give --mapping or --start and --end, not both"));
    if (encode == kStandardEncode) {
        int mapping = 0;
        if (auto failed = ReadName(run, "mapping", kMappings, mapping)) return failed;
        const CodeRange preset = *MappingPreset(mapping);
        p.firstCode = preset.start;
        p.lastCode = preset.end;
        // Any whole number gets through here; the builder's limits say what is wrong with it.
        if (auto failed = ReadNumber(run, "start", INT32_MIN, INT32_MAX, p.firstCode)) return failed;
        if (auto failed = ReadNumber(run, "end", INT32_MIN, INT32_MAX, p.lastCode)) return failed;
    }
    if (byTable != run.isSet("table"))
        return run.usage(byTable ? CliText::tr("--encode table and asian-table need --table FILE")
                                 : CliText::tr("--table goes with --encode table or asian-table"));
    if (byTable) {
        const QString path = *run.value("table");
        const int bytes = ReadEncodeTableFile(path, job.table);
        const int count = asian ? bytes / 2 : bytes;
        if (count == 0)
            return ParameterError(s,
                                  CliText::tr("The encode table %1 cannot be read, holds no character or is "
                                              "larger than %2 bytes.")
                                      .arg(Printable(path))
                                      .arg(kMaxEncodeTableBytes));
        p.byTable = 1;
        p.table = reinterpret_cast<const uint8_t*>(job.table.constData());
        p.tableCount = count;
    }

    const ProbeSize probe = MeasureProbe(*job.surface, encode);
    p.cellWidth = probe.width;
    p.cellHeight = probe.height;
    p.italicWidth = ProposedItalicWidth(job.surface->font(), probe.width);
    if (auto failed = ReadNumber(run, "width", INT32_MIN, INT32_MAX, p.cellWidth)) return failed;
    if (auto failed = ReadNumber(run, "height", INT32_MIN, INT32_MAX, p.cellHeight)) return failed;
    if (auto failed = ReadNumber(run, "italic-width", INT32_MIN, INT32_MAX, p.italicWidth)) return failed;

    // The page asks before it builds such a font; a script cannot answer: it is warned, and the
    // build goes on.
    if (const std::optional<MissingScript> missing =
            FindMissingScript(job.surface->font(), charset, encode)) {
        *s.err << "labelbench-cli: "
               << CliText::tr("warning: %1 has no characters of the character set %2 (it lacks %3): the "
                              "font's cells will come out empty or drawn in another font")
                      .arg(Printable(missing->family), QLatin1String(FontCharsetAt(charset).name),
                           missing->character)
               << '\n';
        s.err->flush();
    }
    return std::nullopt;
}

// Builds the collected font into path. Returns 0, or the exit status after its message.
int Build(const CliStreams& s, FontParameters& p, const QString& path) {
    p.filePath = path;
    if (const QString problem = FontParametersProblem(p); !problem.isEmpty())
        return ParameterError(s, problem);
    QString fileError;
    if (BuildBitmapFont(p, &fileError)) return 0;
    if (!fileError.isEmpty()) return FileOpenFailure(s, path, fileError);
    // The same in every language.
    *s.err << "Make Font Error" << '\n';
    s.err->flush();
    return kExitUsage;
}

int RunBuildFont(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString out = run.value("out").value_or(QString());
    if (out.isEmpty()) return run.usage(CliText::tr("--out takes a file name"));
    FontJob job;
    if (const std::optional<int> refused = CollectFont(run, job)) return *refused;
    if (const int status = Build(s, job.parameters, out)) return status;
    *s.out << CliText::tr("%1: %2 bytes").arg(Printable(out)).arg(QFileInfo(out).size()) << '\n';
    s.out->flush();
    return 0;
}

int RunDownloadFont(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString name = run.value("name").value_or(QStringLiteral("FONT001"));
    if (const QString problem = PrinterFontNameProblem(name); !problem.isEmpty())
        return BadInput(s, Printable(name) + ": " + problem);
    int memory = int(MemoryDevice::Flash);
    if (auto failed = ReadName(run, "memory", kMemories, memory)) return *failed;
    FontJob job;
    if (const std::optional<int> refused = CollectFont(run, job)) return *refused;
    // Built afresh by every download; removed afterwards.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/labelbench-font-XXXXXX.bmf"));
    if (!file.open()) return FileOpenFailure(s, file.fileTemplate(), file.errorString());
    file.close();
    job.parameters.filePath = file.fileName();
    // Refused parameters go no further than the page's "Font Parameter Error": no password asked.
    if (const QString problem = FontParametersProblem(job.parameters); !problem.isEmpty())
        return ParameterError(s, problem);
    int built = 0;
    const int status = RunGated(run, [&] {
        built = Build(s, job.parameters, file.fileName());
        if (built != 0) return int(kLinkOk);
        DownloadRequest request;
        request.sourcePath = file.fileName();
        Latin1Bytes(name, request.printerFileName);
        request.memory = static_cast<MemoryDevice>(memory);
        return RunPrinterOperation(kOpDownloadFile, run.kind(), &request, 0);
    });
    return status != 0 ? status : built;
}

// The header's fields, and what the file holds.
QString Kind(const BitmapFontHeader& h) {
    if (h.doubleByte == 0) return h.hasIndex && h.firstCode == 0 && h.lastCode == 0 ? "table" : "single-byte";
    return h.hasIndex ? "asian-table" : "asian";
}

int RunShowFont(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString path = run.arguments().first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileOpenFailure(s, path, file.errorString());
    if (file.size() > kMaxShownFontBytes)
        return BadInput(
            s, CliText::tr("%1 is larger than %2 bytes").arg(Printable(path)).arg(kMaxShownFontBytes));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return FileOpenFailure(s, path, file.errorString());
    BitmapFontFile font;
    QString problem;
    if (!ParseBitmapFont(bytes, font, &problem)) return BadInput(s, Printable(path) + ": " + problem);
    const BitmapFontHeader& h = font.header;
    const int italicWidth = int16_t(h.italicWidth);
    const char letter = char(h.codePageLetter);
    const QString kind = Kind(h);
    if (run.isSet("json")) {
        // Fields in a fixed order (a QJsonObject would sort them).
        QString json =
            "{\"kind\": \"" + kind + "\", \"pitch\": \"" + (h.pitch ? "variable" : "fixed") +
            "\", \"cellWidth\": " + QString::number(h.cellWidth) +
            ", \"cellHeight\": " + QString::number(h.cellHeight) +
            ", \"firstCode\": " + QString::number(h.firstCode) +
            ", \"lastCode\": " + QString::number(h.lastCode) + ", \"codePage\": " +
            (letter >= 'A' && letter <= 'Z' ? '"' + QString(QChar(letter)) + '"' : QStringLiteral("null")) +
            ", \"characterCount\": " + QString::number(h.characterCount) +
            ", \"glyphs\": " + QString::number(font.glyphs.size()) +
            ", \"index\": " + (h.hasIndex ? "true" : "false") +
            ", \"italic\": " + (h.italic ? "true" : "false") +
            ", \"italicWidth\": " + QString::number(italicWidth) +
            ", \"size\": " + QString::number(bytes.size()) + "}\n";
        *s.out << json;
    } else {
        *s.out << CliText::tr("Kind: %1").arg(kind) << '\n'
               << CliText::tr("Pitch: %1").arg(h.pitch ? "variable" : "fixed") << '\n'
               << CliText::tr("Cell: %1 x %2 pixels").arg(h.cellWidth).arg(h.cellHeight) << '\n';
        if (kind == "single-byte")
            *s.out << CliText::tr("Codes: %1..%2").arg(h.firstCode).arg(h.lastCode) << '\n';
        if (kind == "asian") *s.out << CliText::tr("Code page: %1").arg(QChar(letter)) << '\n';
        *s.out << CliText::tr("Characters: %1 in the header, %2 in the file")
                      .arg(h.characterCount)
                      .arg(font.glyphs.size())
               << '\n'
               << CliText::tr("Italic width: %1").arg(italicWidth) << '\n'
               << CliText::tr("Size: %1 bytes").arg(bytes.size()) << '\n';
    }
    s.out->flush();

    const std::optional<QString> png = run.value("png");
    if (!png) return 0;
    if (png->isEmpty()) return run.usage(CliText::tr("--png takes a file name"));
    const QImage sheet = RenderFontSheet(font);
    if (sheet.isNull())
        return BadInput(s, CliText::tr("the font has too many or too large glyphs for a picture"));
    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    if (!sheet.save(&buffer, "PNG")) return BadInput(s, CliText::tr("the picture could not be made"));
    QString error;
    if (!SaveFileChecked(*png, image, &error)) return FileOpenFailure(s, *png, error);
    return 0;
}

// The options that describe the font, the same for build-font and download-font.
std::vector<CommandOption> FontOptions() {
    return {
        {"family", "NAME",
         QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "the desktop font's family (default Arial, or what\nthe system draws in its place)")},
        {"pixel-size", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "the font's size in pixels (default 13)")},
        {"point-size", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "the font's size in points instead")},
        {"bold", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "bold")},
        {"italic", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "italic")},
        {"charset", "NAME",
         QT_TRANSLATE_NOOP("LabelBenchCli", "the character set the codes are read in: ansi, big5, gb2312,\n"
                                            "hangul, shift-jis, central-european, cyrillic, greek, turkish,\n"
                                            "hebrew, arabic, baltic, vietnamese, thai (default ansi; the\n"
                                            "code page's own for an Asian encode)")},
        {"encode", "standard|asian|table|asian-table",
         QT_TRANSLATE_NOOP("LabelBenchCli", "a range of single-byte codes (default), the full grid of an\n"
                                            "Asian code page, or the characters of --table")},
        {"start", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "the first code of the range, 0..255")},
        {"end", "N", QT_TRANSLATE_NOOP("LabelBenchCli", "the last code of the range, 0..255")},
        {"mapping", "standard|full",
         QT_TRANSLATE_NOOP("LabelBenchCli", "the range 32..127 (default) or 32..255")},
        {"code-page", "tc|sc|korean|japanese",
         QT_TRANSLATE_NOOP("LabelBenchCli", "the Asian code page (default tc, Traditional Chinese)")},
        {"table", "FILE",
         QT_TRANSLATE_NOOP("LabelBenchCli", "the encode table: its bytes in the character set, one per\n"
                                            "character (two for asian-table), bytes below 0x20 ignored")},
        {"pitch", "fixed|variable",
         QT_TRANSLATE_NOOP("LabelBenchCli",
                           "default variable for standard and table, fixed for the Asian\nencodes")},
        {"width", "W",
         QT_TRANSLATE_NOOP("LabelBenchCli",
                           "the cell width (default the probe's: \"W\",\nor 0xE0 0xA2 for Asian encodes)")},
        {"height", "H", QT_TRANSLATE_NOOP("LabelBenchCli", "the cell height (default the probe's)")},
        {"italic-width", "N",
         QT_TRANSLATE_NOOP("LabelBenchCli", "default 3/10 of the probe's width for italic, else 0")},
    };
}

}   // namespace

bool IsFontCommand(const QString& name) {
    return name == QLatin1String("build-font") || name == QLatin1String("download-font") ||
           name == QLatin1String("show-font");
}

std::vector<Command> FontCommands() {
    std::vector<CommandOption> build = FontOptions();
    build.insert(build.begin(),
                 {"out", "FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "the font file to write"), true});
    std::vector<CommandOption> download = FontOptions();
    download.push_back(
        {"name", "NAME",
         QT_TRANSLATE_NOOP("LabelBenchCli", "the printer font name, at most 31 Latin-1 characters without\n"
                                            "double quote or control character (default FONT001)")});
    download.push_back({"memory", "dram|flash|card",
                        QT_TRANSLATE_NOOP("LabelBenchCli", "the printer's memory (default flash)")});
    download.push_back(PasswordGateOption());
    return {
        {.name = "build-font",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "build a printer bitmap font file from a desktop font"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Draws every character of the encode with the desktop font and writes the printer\n"
             "bitmap font file. Without a display the font is drawn off screen. Parameters the\n"
             "builder cannot take give \"Font Parameter Error\" and the reason, a failed build\n"
             "\"Make Font Error\", both with exit status 64; a file that cannot be written gives\n"
             "\"File Open Error\" (4). No file is left behind, an existing one stays as it was.\n"
             "A font without the script of its character set is built all the same, with a\n"
             "warning on stderr."),
         .options = build,
         .run = RunBuildFont,
         .printerless = true},
        {.name = "download-font",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "build a bitmap font and store it in the printer"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Builds the font as build-font does, into a temporary file, and downloads it into a\n"
             "memory of the printer under the printer font name. Refused parameters and names give\n"
             "64 before anything is sent; the password gate comes before the build."),
         .options = download,
         .run = RunDownloadFont},
        {.name = "show-font",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "describe a printer bitmap font file"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Reads a bitmap font file and prints its header. A short or malformed file gives 64."),
         .options = {{"json", nullptr,
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "print {\"kind\": \"single-byte|asian|table|asian-table\",\n"
                                        "\"pitch\": \"fixed|variable\", \"cellWidth\", \"cellHeight\",\n"
                                        "\"firstCode\", \"lastCode\", \"codePage\": \"T|G|K|J\" or null,\n"
                                        "\"characterCount\" (the header's), \"glyphs\" (read), \"index\",\n"
                                        "\"italic\", \"italicWidth\", \"size\"} instead")},
                     {"png", "OUT",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "also write a picture of every glyph's bits to this PNG file")}},
         .arguments = {{"FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "the bitmap font file")}},
         .run = RunShowFont,
         .printerless = true},
    };
}

}   // namespace lb::cli
