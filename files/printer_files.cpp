// SPDX-License-Identifier: Apache-2.0
#include "files/printer_files.h"

#include "files/source_file.h"
#include "link/command_format.h"
#include "link/link_timing.h"
#include "link/printer_link.h"

#include <QCoreApplication>
#include <QFile>
#include <cstring>

namespace lb {

namespace {

bool IsSendableName(const QByteArray& name, int maxLength) {
    return !name.isEmpty() && name.size() <= maxLength && IsQuotableText(name);
}

}   // namespace

QByteArray DownloadHeader(MemoryDevice memory, const QByteArray& printerFileName, uint32_t size) {
    // The size is unsigned: a file beyond 2 GiB must not announce a negative length.
    return FormatCommand("DOWNLOAD %s\"%s\",%d,",
                         {MemoryFilePrefix(memory), printerFileName, static_cast<long long>(size)});
}

int DownloadFile(InterfaceKind kind, const DownloadRequest* request) {
    if (!request || !IsSendableName(request->printerFileName, kMaxFontFileName)) return kUnknownError;
    MemoryDevice memory;
    if (!MemoryDeviceAt(static_cast<int>(request->memory), memory)) return kUnknownError;
    SourceFile source;
    if (!source.load(request->sourcePath, kMaxDownloadSize)) return kFileOpenError;

    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    int result = kLinkOk;
    if (!WriteLink(handle, kind,
                   DownloadHeader(memory, request->printerFileName, static_cast<uint32_t>(source.size())))) {
        result = kDataTransmissionError;
    } else {
        ShowProgress(PercentOfBlock, 3, 3);
        if (!WriteLink(handle, kind, source.data(), static_cast<uint32_t>(source.size())))
            result = kDataTransmissionError;
        HideProgress();
    }
    CloseLink(kind, handle);
    return result;
}

QByteArray FormatCommandOf(MemoryDevice memory) {
    return FormatCommand("KILL %s\"*.*\"\r\n", {MemoryFilePrefix(memory)});
}

int FormatMemory(InterfaceKind kind, int32_t memory) {
    MemoryDevice device;
    if (!MemoryDeviceAt(memory, device)) return kUnknownError;
    return SendOneCommand(kind, FormatCommandOf(device).constData());
}

QByteArray FetchCommand(const QByteArray& fileName) {
    return FormatCommand("DIAGNOSTIC FILE \"%s\"\r\n\r\n", {fileName});
}

int ReadPrinterFile(InterfaceKind kind, FileReadRequest* request) {
    if (!request || !request->buffer || request->capacity < 2) return kUnknownError;
    const char* end =
        static_cast<const char*>(std::memchr(request->fileName, '\0', sizeof request->fileName));
    if (!end) return kUnknownError;
    const QByteArray name(request->fileName, end - request->fileName);
    if (!IsSendableName(name, int(sizeof request->fileName) - 1)) return kUnknownError;
    request->length = 0;

    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    if (SendCommand(handle, kind, "\r\n") != kLinkOk) {
        CloseLink(kind, handle);
        return kDataTransmissionError;
    }
    PauseLink(CurrentLinkTiming().fileReadSettleMs);
    const QByteArray command = FetchCommand(name);
    PauseLink(CurrentLinkTiming().fileReadCommandPauseMs);
    uint32_t length = 0;
    const int result = SendCommandReadReply(handle, kind, command.constData(), request->buffer,
                                            static_cast<uint32_t>(request->capacity), length);
    if (result == kLinkOk) request->length = static_cast<int32_t>(length);
    CloseLink(kind, handle);
    return result;
}

QString PrinterFileNameProblem(const QString& name) {
    if (name.isEmpty()) return QCoreApplication::translate("lb::PrinterFiles", "Type the printer file name.");
    QByteArray bytes;
    if (!Latin1Bytes(name, bytes) || !IsQuotableText(bytes))
        return QCoreApplication::translate(
            "lb::PrinterFiles",
            "The printer file name cannot contain a double quote, a line break or another control character, "
            "nor a character beyond Latin-1.");
    return QString();
}

}   // namespace lb
