// SPDX-License-Identifier: Apache-2.0
// The file manager's commands: the memories and their files, downloading a file or the
// firmware, formatting a memory, and reading a printer file back.

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/config_commands.h"
#include "cli/file_output.h"
#include "cli/password_gate.h"
#include "files/file_types.h"
#include "files/memory_info.h"
#include "files/printer_files.h"
#include "files/source_file.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/save_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <cstdint>
#include <memory>
#include <new>

namespace lb::cli {
namespace {

// A raw block goes to the printer with its length as a signed 32-bit count.
constexpr qint64 kMaxRawBytes = INT32_MAX;
// The largest reply buffer fetch reserves.
constexpr qint64 kMaxFetchCapacity = qint64(1) << 30;

// --memory dram|flash|card, in any case. False for any other text.
bool MemoryByName(const QString& text, MemoryDevice& device) {
    for (int i = 0; i < kMemoryDeviceCount; ++i) {
        const auto candidate = static_cast<MemoryDevice>(i);
        if (text.compare(QLatin1String(MemoryDeviceItem(candidate)), Qt::CaseInsensitive) == 0) {
            device = candidate;
            return true;
        }
    }
    return false;
}

// --memory into device, which keeps its default when the option is absent. Returns the exit
// status of a bad value, after its message; nullopt to go on.
std::optional<int> ReadMemoryOption(const CommandRun& run, MemoryDevice& device) {
    const std::optional<QString> text = run.value("memory");
    if (text && !MemoryByName(*text, device))
        return run.usage(CliText::tr("--memory takes dram, flash or card"));
    return std::nullopt;
}

// The standard input is a terminal a person answers at (not a pipe, a file or a test's buffer).
QByteArray SpaceJson(uint8_t known, int32_t value) {
    return known == 1 ? QByteArray::number(value) : QByteArray("null");
}

// The memories in their own order, DRAM, FLASH, CARD, and each one's fields in a fixed
// order (a QJsonObject would sort them).
QByteArray MemoriesJson(const MemoryInfoSet& memories) {
    QByteArray json = "{\n";
    for (int i = 0; i < kMemoryDeviceCount; ++i) {
        const MemoryInfo& m = memories[std::size_t(i)];
        QJsonArray names;
        for (const QByteArray& name : FileListNames(m))
            names.append(QString::fromLatin1(name));
        json += QByteArray("  \"") + MemoryDeviceItem(static_cast<MemoryDevice>(i)) +
                "\": {\"physicalSpace\": " + SpaceJson(m.physicalSpaceKnown, m.physicalSpace) +
                ", \"freeSpace\": " + SpaceJson(m.freeSpaceKnown, m.freeSpace) +
                ", \"files\": " + JsonText(QJsonDocument(names), QJsonDocument::Compact) + "}" +
                (i + 1 < kMemoryDeviceCount ? ",\n" : "\n");
    }
    return json + "}\n";
}

QString SpaceText(uint8_t known, int32_t value) {
    return known == 1 ? CliText::tr("%1 KB").arg(value) : CliText::tr("not read");
}

int RunFiles(const CommandRun& run) {
    const CliStreams& s = run.streams();
    // Three 64 KiB lists: on the heap, and cleared.
    const auto memories = std::make_unique<MemoryInfoSet>();
    const int result = RunPrinterOperation(kOpMemoryInfo, run.kind(), memories->data(), 0);
    if (result != kLinkOk) return Fail(s, result);
    if (run.isSet("json")) {
        *s.out << QString::fromUtf8(MemoriesJson(*memories));
    } else {
        for (int i = 0; i < kMemoryDeviceCount; ++i) {
            const MemoryInfo& m = (*memories)[std::size_t(i)];
            const QList<QByteArray> names = FileListNames(m);
            *s.out << MemoryDeviceItem(static_cast<MemoryDevice>(i)) << '\n'
                   << "  "
                   << CliText::tr("Physical space: %1").arg(SpaceText(m.physicalSpaceKnown, m.physicalSpace))
                   << '\n'
                   << "  " << CliText::tr("Free space: %1").arg(SpaceText(m.freeSpaceKnown, m.freeSpace))
                   << '\n'
                   << "  " << CliText::tr("Files: %1").arg(names.size()) << '\n';
            for (const QByteArray& name : names)
                *s.out << "    " << Printable(QString::fromLatin1(name)) << '\n';
        }
    }
    s.out->flush();
    return 0;
}

QString FileTypeNames() {
    QStringList names;
    for (const FileType& type : FileTypes())
        names.append(QLatin1String(type.cliName));
    return names.join(", ");
}

// Firmware and VQX files: their bytes as they are, after the configuration backup when asked.
int DownloadRaw(const CommandRun& run, const QString& path, const std::optional<QString>& backup) {
    const CliStreams& s = run.streams();
    SourceFile source;
    if (!source.load(path, kMaxRawBytes)) return FileOpenFailure(s, path, source.errorString());
    bool backupFailed = false;
    QString saveError;
    const int status = RunGated(run, [&] {
        if (backup) {
            PrinterConfig config{};
            if (const int result =
                    ReadConfigAndSave(run.kind(), LengthUnit::Inch, backup, config, &saveError)) {
                backupFailed = true;
                return result;
            }
        }
        return RunPrinterOperation(kOpSendRawBlock, run.kind(), const_cast<uint8_t*>(source.data()),
                                   static_cast<int32_t>(source.size()));
    });
    if (backupFailed) {
        if (!saveError.isEmpty()) *s.err << Printable(*backup) << ": " << saveError << '\n';
        *s.err << "labelbench-cli: "
               << CliText::tr("the configuration was not saved to %1; the firmware was not sent")
                      .arg(Printable(*backup))
               << '\n';
        s.err->flush();
    }
    if (status != 0) return status;
    // The same in every language.
    *s.out << "Please Wait Led change to Green..." << '\n';
    s.out->flush();
    return 0;
}

int RunDownload(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString path = run.arguments().first();
    int type = kNoFileType;
    if (const std::optional<QString> text = run.value("type");
        text && !FileTypeByCliName(text->toLower(), type))
        return run.usage(CliText::tr("--type takes %1").arg(FileTypeNames()));
    MemoryDevice memory = MemoryDevice::Flash;
    if (const std::optional<int> failed = ReadMemoryOption(run, memory)) return *failed;
    const std::optional<QString> backup = run.value("backup");
    if (backup && type != kFileTypeFirmware)
        return run.usage(CliText::tr("--backup goes with --type firmware"));
    if (backup && backup->isEmpty()) return run.usage(CliText::tr("--backup takes a file name"));
    if (FileTypeAt(type).raw) return DownloadRaw(run, path, backup);

    // The source is tried before the name, as the window's Browse does.
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) return FileOpenFailure(s, path, source.errorString());
    source.close();
    const QString name = run.value("name").value_or(ProposePrinterFileName(path, type));
    if (name.size() > kMaxPrinterFileName)
        // "File name too long" is the same in every language.
        return BadInput(s, QStringLiteral("File name too long") + ' ' +
                               CliText::tr("(%1 has %2 characters; at most %3)")
                                   .arg(Printable(name))
                                   .arg(name.size())
                                   .arg(kMaxPrinterFileName));
    if (const QString problem = PrinterFileNameProblem(name); !problem.isEmpty())
        return BadInput(s, Printable(name) + ": " + problem);
    DownloadRequest request;
    request.sourcePath = path;
    Latin1Bytes(name, request.printerFileName);
    request.memory = memory;
    return RunGated(run, [&] { return RunPrinterOperation(kOpDownloadFile, run.kind(), &request, 0); });
}

int RunFormat(const CommandRun& run) {
    const CliStreams& s = run.streams();
    MemoryDevice memory = MemoryDevice::Flash;
    if (const std::optional<int> failed = ReadMemoryOption(run, memory)) return *failed;
    if (!run.isSet("yes")) {
        // A script cannot answer the question: it says --yes instead.
        if (!InputIsTerminal(s.in))
            return run.usage(CliText::tr("standard input is not a terminal to ask on; give --yes to format"));
        // The same in every language.
        *s.err << "Are you sure? [y/N] ";
        s.err->flush();
        const QByteArray answer = s.in->readLine().trimmed().toLower();
        if (answer != "y" && answer != "yes") {
            *s.err << CliText::tr("Not formatted.") << '\n';
            s.err->flush();
            return kExitUsage;
        }
    }
    return RunGated(run, [&] {
        return RunPrinterOperation(kOpFormatMemory, run.kind(), nullptr, static_cast<int32_t>(memory));
    });
}

int RunFetch(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString name = run.arguments().first();
    if (const QString problem = PrinterFileNameProblem(name); !problem.isEmpty())
        return BadInput(s, Printable(name) + ": " + problem);
    QByteArray nameBytes;
    Latin1Bytes(name, nameBytes);
    FileReadRequest request{};
    if (nameBytes.size() >= qsizetype(sizeof request.fileName))
        return BadInput(s,
                        CliText::tr("the printer file name %1 has %2 characters; at most %3 can be asked for")
                            .arg(Printable(name))
                            .arg(nameBytes.size())
                            .arg(sizeof request.fileName - 1));
    qint64 capacity = kDumpFileCapacity;
    if (const std::optional<QString> text = run.value("capacity")) {
        bool ok = false;
        capacity = text->toLongLong(&ok);   // locale-free
        if (!ok || capacity < 2 || capacity > kMaxFetchCapacity)
            return run.usage(
                CliText::tr("--capacity takes a number of bytes from 2 to %1").arg(kMaxFetchCapacity));
    }
    const std::optional<QString> out = run.value("out");
    if (out && out->isEmpty()) return run.usage(CliText::tr("--out takes a file name"));
    return FetchPrinterFile(run, nameBytes, capacity, out);
}

const CommandOption kMemoryOption = {
    "memory", "dram|flash|card", QT_TRANSLATE_NOOP("LabelBenchCli", "the printer's memory (default flash)")};

}   // namespace

int FileOpenFailure(const CliStreams& s, const QString& path, const QString& reason) {
    *s.err << LinkErrorTextEnglish(kFileOpenError) << '\n' << Printable(path) << ": " << reason << '\n';
    s.err->flush();
    return kFileOpenError;
}

int WriteRaw(const CliStreams& s, const QByteArray& data) {
    s.out->flush();
    QIODevice* device = s.out->device();
    if (!device) {
        *s.out << QString::fromLatin1(data);
        s.out->flush();
        return 0;
    }
    auto* file = qobject_cast<QFileDevice*>(device);
    const bool written = device->write(data) == data.size() && (!file || file->flush());
    if (!written) return FileOpenFailure(s, CliText::tr("standard output"), device->errorString());
    return 0;
}

int FetchPrinterFile(const CommandRun& run, const QByteArray& name, qint64 capacity,
                     const std::optional<QString>& out) {
    const CliStreams& s = run.streams();
    FileReadRequest request{};
    // The callers' checks; the request could hold neither.
    if (name.size() >= qsizetype(sizeof request.fileName) || capacity < 2 || capacity > kMaxFetchCapacity)
        return Fail(s, kUnknownError);
    // The reply buffer, reserved once; the operation ends the data with a zero byte.
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[std::size_t(capacity)]);
    if (!buffer) return BadInput(s, CliText::tr("%1 bytes cannot be reserved for the reply").arg(capacity));
    request.capacity = static_cast<int32_t>(capacity);
    std::copy(name.cbegin(), name.cend(), request.fileName);
    request.buffer = buffer.get();
    const int result = RunPrinterOperation(kOpFetchFile, run.kind(), &request, 0);
    if (result != kLinkOk) return Fail(s, result);   // nothing written
    const QByteArray data = QByteArray::fromRawData(buffer.get(), request.length);
    if (!out) return WriteRaw(s, data);
    QString error;
    if (!SaveFileChecked(*out, data, &error)) return FileOpenFailure(s, *out, error);
    return 0;
}

std::vector<Command> FileCommands() {
    return {
        {.name = "files",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "list the printer's memories: their space and files"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Reads the physical and free space (KB) and the file names of DRAM, FLASH and CARD\n"
             "over one link, and prints them. The card's free space is not asked for."),
         .options = {{"json", nullptr,
                      QT_TRANSLATE_NOOP(
                          "LabelBenchCli",
                          "print {\"DRAM\": {\"physicalSpace\": N, \"freeSpace\": N, \"files\": [...]},\n"
                          "\"FLASH\": ..., \"CARD\": ...} instead, null for a space not read")}},
         .run = RunFiles},
        {.name = "download",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "store a file in a memory of the printer, or send firmware"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Stores FILE in a memory of the printer under a printer file name of at most 12\n"
             "characters: by default the file's name cut to 8 characters with the type's extension\n"
             "(mylogo_large.bmp as bmp: mylogo_l.BMP). Firmware and VQX files are sent byte for byte\n"
             "instead, without name or memory. A source that cannot be read gives \"File Open Error\"\n"
             "(4); a name that is too long or cannot be sent gives 64; nothing is sent then."),
         .options = {{"type", "bmp|pcx|ttf|bitmap-font|bas|data|firmware|vqx",
                      QT_TRANSLATE_NOOP("LabelBenchCli", "the kind of file (default none: no extension)")},
                     {"name", "NAME",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "the printer file name, at most 12 Latin-1 characters without\n"
                                        "double quote or control character")},
                     kMemoryOption,
                     {"backup", "FILE",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "with --type firmware: first save the printer's configuration\n"
                                        "in this file (as text when it ends in .json, as .dcf otherwise);\n"
                                        "the firmware is sent only when that succeeded")},
                     PasswordGateOption()},
         .arguments = {{"FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "the file to download")}},
         .run = RunDownload},
        {.name = "format",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "delete every file in one memory of the printer"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Deletes every file in the memory. Asks \"Are you sure? [y/N]\" when standard input is a\n"
             "terminal; any answer but y gives \"Not formatted.\" and exit status 64. Without a\n"
             "terminal, --yes is needed (exit status 64 otherwise); nothing is sent then."),
         .options = {{"memory", "dram|flash|card", QT_TRANSLATE_NOOP("LabelBenchCli", "the memory to format"),
                      true},
                     {"yes", nullptr, QT_TRANSLATE_NOOP("LabelBenchCli", "format without asking")},
                     PasswordGateOption()},
         .run = RunFormat,
         .asksUnless = "yes"},
        {.name = "fetch",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "read a file back from the printer"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Reads the printer file NAME and writes its bytes unchanged to standard output or to\n"
             "--out. A file that does not fit the capacity gives \"Data Receiving Error\" (3) and\n"
             "writes nothing; a file that cannot be written gives \"File Open Error\" (4) and leaves\n"
             "an existing one as it was."),
         .options = {{"out", "FILE", QT_TRANSLATE_NOOP("LabelBenchCli", "write the bytes to this file")},
                     {"capacity", "BYTES",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "the reply buffer, 2 to 1073741824 bytes (default 1048576); it\n"
                                        "holds at most capacity - 2 bytes of the file")}},
         .arguments = {{"NAME", QT_TRANSLATE_NOOP("LabelBenchCli",
                                                  "the printer file name, at most 15 Latin-1 characters")}},
         .run = RunFetch},
    };
}

}   // namespace lb::cli
