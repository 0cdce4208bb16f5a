#pragma once
// labelbench-cli: the printer operations without a window.

#include <QByteArray>
#include <QStringList>

class QIODevice;
class QTextStream;

namespace lb::cli {

constexpr int kExitUsage = 64;            // bad usage or bad input; nothing was sent
constexpr int kExitPasswordRefused = 7;   // the password gate said no

struct CliStreams {
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
    QIODevice* in = nullptr;    // for "send -"
    bool progressBar = false;   // draw a progress bar on err (stderr is a terminal)
};

// Runs one command line (without the program name). Returns the exit status.
int RunCli(const QStringList& arguments, const CliStreams& streams);

}   // namespace lb::cli
