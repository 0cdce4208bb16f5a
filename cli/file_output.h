// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the commands that write a printer's bytes share: reading a printer file back, the
// bytes on standard output as they are, and the message of a file that cannot be written.

#include "cli/cli_app.h"
#include "cli/command_registry.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lb::cli {

// "File Open Error" (the same in every language, for scripts), then which file and the
// system's reason on a line of its own. Returns kFileOpenError.
int FileOpenFailure(const CliStreams& s, const QString& path, const QString& reason);

// Bytes on standard output as they are: past the text stream, to its device. A stream on a
// string (in-process callers) gets one Latin-1 character per byte. Returns 0, or
// kFileOpenError after its message when the write fails.
int WriteRaw(const CliStreams& s, const QByteArray& data);

// Operation 22 for the printer file name (checked by the caller; at most 15 bytes) into a
// reply buffer of capacity bytes (2 to 1 GiB), then its bytes unchanged to out, or to
// standard output without out. Returns 0 or the exit status after its message: the LinkError
// (nothing written), kFileOpenError when out cannot be written (an existing file is left as
// it was), 64 when the buffer cannot be reserved.
int FetchPrinterFile(const CommandRun& run, const QByteArray& name, qint64 capacity,
                     const std::optional<QString>& out);

}   // namespace lb::cli
