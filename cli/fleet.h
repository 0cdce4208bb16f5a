// SPDX-License-Identifier: Apache-2.0
#pragma once
// One command on many printers: each printer in a thread of its own, jobs at a time, its
// output kept apart and printed in the order of the list.

#include "cli/cli_app.h"
#include "cli/link_options.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace lb::cli {

constexpr int kExitSomePrintersFailed = 9;

// One printer's run of the command, on the calling thread, printing to the streams given.
// Returns its exit status.
using RunOnePrinter = std::function<int(const HostPort& printer, const CliStreams& streams)>;

// Runs run for each printer, at most jobs at a time, each with the link state of its thread
// (the calling thread's timing carried over) and streams of its own; standard input, when
// given, is read once and each printer reads its own copy. Prints, in the order of hosts,
// with json one line a printer: {"host": …, "port": …, "exit": …, "error": …, "result": …}
// (result: what the printer's run printed, as JSON when it is JSON, null when nothing);
// without, a block a printer headed by its address, then "N of M printers succeeded".
// Returns 0 when every printer's run returned 0, kExitSomePrintersFailed otherwise.
int RunFleet(const QList<HostPort>& hosts, int jobs, bool json, QIODevice* input, const RunOnePrinter& run,
             const CliStreams& s);

// A file name for one printer: {host} and {port} replaced by its own.
QString PrinterFileName(const QString& pattern, const HostPort& printer);

}   // namespace lb::cli
