// SPDX-License-Identifier: Apache-2.0
#pragma once
// labelbench-cli: the printer operations without a window.

#include "config/password.h"
#include "link/link_types.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

class QIODevice;
class QTextStream;

namespace lb::cli {

constexpr int kExitUsage = 64;            // bad usage or bad input; nothing was sent
constexpr int kExitDiffers = 10;          // diff-config found settings that differ
constexpr int kExitPasswordRefused = 7;   // the password gate said no

struct CliStreams {
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
    QIODevice* in = nullptr;    // for "send -"
    bool progressBar = false;   // draw a progress bar on err (stderr is a terminal)
};

// A password typed on the command line becomes the printer's 8-bit text with
// lb::PasswordBytes (config/password.h).
using lb::PasswordBytes;

// The password gate for a command that changes the printer: reads the printer's password
// and compares the --password entry (nullopt: not given). Returns 0 to go on,
// kExitPasswordRefused, or the LinkError of the read.
int CheckPasswordGate(InterfaceKind kind, const std::optional<QByteArray>& entry);

// Runs one command line (without the program name). Returns the exit status.
int RunCli(const QStringList& arguments, const CliStreams& streams);

}   // namespace lb::cli
