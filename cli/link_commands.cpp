// SPDX-License-Identifier: Apache-2.0
// The link's own commands: is the printer there, which USB devices are, send a file (and
// show what the printer answers to it).

#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/file_output.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/usb_backend.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace lb::cli {
namespace {

int RunCheck(const CommandRun& run) {
    const int result = RunPrinterOperation(kOpLinkCheck, run.kind(), nullptr, 0);
    return result == kLinkOk ? 0 : Fail(run.streams(), result);
}

int RunUsbList(const CommandRun& run) {
    const CliStreams& s = run.streams();
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
    if (list.count() == 0) *s.err << "labelbench-cli: " << CliText::tr("no USB device found") << '\n';
    s.out->flush();
    s.err->flush();
    return 0;
}

// A block goes to the printer with its length as a 32-bit count.
constexpr qint64 kMaxBlockBytes = INT32_MAX;

// Reads a stream to its end as readAll() does, refusing one longer than a block can be: its
// length would otherwise be cut to 32 bits and only part of it sent.
bool ReadBlock(QIODevice& in, QByteArray& bytes) {
    constexpr qint64 kChunk = 1 << 20;
    qint64 size = 0;
    while (true) {
        // Room for one byte beyond the limit tells a longer stream.
        const qint64 room = std::min(kChunk, kMaxBlockBytes + 1 - size);
        bytes.resize(size + room);
        const qint64 n = in.read(bytes.data() + size, room);
        if (n <= 0) break;
        size += n;
        if (size > kMaxBlockBytes) return false;
    }
    bytes.resize(size);
    return true;
}

// The longest silence --reply-ms may wait for.
constexpr int kMaxReplyQuietMs = 60000;

int RunSend(const CommandRun& run) {
    const CliStreams& s = run.streams();
    const QString path = run.arguments().first();
    std::optional<int> quietMs;
    if (const std::optional<QString> text = run.value("reply-ms")) {
        bool ok = false;
        const int ms = text->toInt(&ok);   // locale-free
        if (!ok || ms < 1 || ms > kMaxReplyQuietMs)
            return run.usage(CliText::tr("--reply-ms takes milliseconds from 1 to %1").arg(kMaxReplyQuietMs));
        if (run.kind() == InterfaceKind::Lpt)
            return run.usage(CliText::tr("--reply-ms needs a link that reads; the parallel port cannot"));
        quietMs = ms;
    }
    QByteArray bytes;
    if (path == "-") {
        if (!s.in) return FileOpenFailure(s, CliText::tr("standard input"), CliText::tr("not available"));
        if (!ReadBlock(*s.in, bytes)) return BadInput(s, CliText::tr("standard input holds more than 2 GiB"));
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return FileOpenFailure(s, path, file.errorString());
        if (file.size() > kMaxBlockBytes) return run.usage(CliText::tr("%1 is larger than 2 GiB").arg(path));
        bytes = file.readAll();
        if (bytes.size() != file.size()) return FileOpenFailure(s, path, file.errorString());
    }
    if (!quietMs) {
        const int result =
            RunPrinterOperation(kOpSendRawBlock, run.kind(), bytes.data(), int32_t(bytes.size()));
        return result == kLinkOk ? 0 : Fail(s, result);
    }
    RawBlockExchange exchange;
    exchange.bytes = reinterpret_cast<const uint8_t*>(bytes.constData());
    exchange.length = uint32_t(bytes.size());
    exchange.quietMs = *quietMs;
    const int result = RunPrinterOperation(kOpSendRawBlockReadReply, run.kind(), &exchange, 0);
    if (result != kLinkOk) return Fail(s, result);
    return WriteRaw(s, exchange.reply);
}

}   // namespace

std::vector<Command> LinkCommands() {
    return {
        {.name = "check",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "open and close the link (is the printer there?)"),
         .help = QT_TRANSLATE_NOOP("LabelBenchCli",
                                   "Opens the link to the printer and closes it again; nothing is sent."),
         .run = RunCheck},
        {.name = "usb-list",
         .summary = QT_TRANSLATE_NOOP("LabelBenchCli", "list the USB devices present, with their names"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Prints one line per USB device present: its identity (usb#vid_xxxx&pid_yyyy#...), a tab\n"
             "and its name. Devices whose vendor identifier is accepted are marked with '*'."),
         .run = RunUsbList,
         .printerless = true},
        {.name = "send",
         .summary =
             QT_TRANSLATE_NOOP("LabelBenchCli", "send a file's bytes unchanged ('-' reads standard input)"),
         .help = QT_TRANSLATE_NOOP(
             "LabelBenchCli",
             "Sends the bytes of FILE unchanged, in one operation. With --reply-ms, what the printer\n"
             "answers is read until it has been silent for that long (at most 1 MiB) and written\n"
             "unchanged to standard output, frames and all; not on lpt, which cannot read."),
         .options = {{"reply-ms", "N",
                      QT_TRANSLATE_NOOP("LabelBenchCli",
                                        "then read the answer until N ms of silence, 1 to 60000")}},
         .arguments = {{"FILE",
                        QT_TRANSLATE_NOOP("LabelBenchCli",
                                          "the file to send, at most 2 GiB; '-' reads standard input")}},
         .run = RunSend},
    };
}

}   // namespace lb::cli
