// SPDX-License-Identifier: Apache-2.0
#pragma once
// Files in the printer's memories: downloading one (operation 13), formatting a memory
// (operation 15) and reading a file back (operation 22).

#include "files/memory_info.h"
#include "link/link_types.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace lb {

// The argument of operation 13.
struct DownloadRequest {
    QString sourcePath;           // the file on the computer
    QByteArray printerFileName;   // the name in the printer: quotable, at most 31 bytes
    MemoryDevice memory = MemoryDevice::Flash;
};

// The printer's names: at most 12 characters typed on the File Manager page, 31 from the
// bitmap font manager.
constexpr int kMaxPrinterFileName = 12;
constexpr int kMaxFontFileName = 31;
// The size goes out in the header as a 32-bit number: the largest file that can be sent.
constexpr int64_t kMaxDownloadSize = 0xFFFFFFFFLL;

// "DOWNLOAD " + prefix + "\"" + name + "\"," + size + ",": no line end; the data follows.
QByteArray DownloadHeader(MemoryDevice memory, const QByteArray& printerFileName, uint32_t size);

// Operation 13: the header, then exactly the file's bytes (progress in percent of them);
// no reply is read. The file is read before the link is opened: a source that cannot be
// opened or read, or larger than kMaxDownloadSize bytes, gives 4 and nothing is sent. A
// name that cannot go between quotes gives 5. Returns 0, 1, 2, 4 or 5.
int DownloadFile(InterfaceKind kind, const DownloadRequest* request);

// "KILL \"*.*\"\r\n" with the memory's prefix.
QByteArray FormatCommandOf(MemoryDevice memory);
// Operation 15: deletes every file of the memory; no reply is read. Returns 0, 1, 2 (5 for a
// memory outside 0..2).
int FormatMemory(InterfaceKind kind, int32_t memory);

// The argument of operation 22.
struct FileReadRequest {
    int32_t capacity;    // bytes at buffer
    int32_t length;      // set to the number of data bytes received
    char fileName[16];   // NUL-terminated
    char* buffer;        // the caller's, of capacity bytes; the data is followed by a NUL
};
constexpr int32_t kDumpFileCapacity = 1048576;

// "DIAGNOSTIC FILE \"name\"\r\n\r\n".
QByteArray FetchCommand(const QByteArray& fileName);
// Operation 22: "\r\n", a pause for the printer, the command, and one framed reply into the
// request's buffer (3 when it does not fit). No announcement is sent. A name that is not
// NUL-terminated within its 16 bytes or cannot go between quotes, or a buffer of fewer than
// 2 bytes, gives 5 without opening the link. Returns 0, 1, 2, 3 or 5.
int ReadPrinterFile(InterfaceKind kind, FileReadRequest* request);

// Why a printer file name cannot be sent, for a person (empty when it can): empty, or
// holding '"', a control character or a character beyond Latin-1. The length is checked by
// the caller ("File name too long").
QString PrinterFileNameProblem(const QString& name);

}   // namespace lb
