// SPDX-License-Identifier: Apache-2.0
#pragma once
// Runs labelbench-cli in-process and keeps what it printed.

#include "cli/cli_app.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace lb::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun RunCliWith(const QStringList& args, QIODevice* in = nullptr) {
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    cli::CliStreams s;
    s.out = &out;
    s.err = &err;
    s.in = in;
    r.exitCode = cli::RunCli(args, s);
    out.flush();
    err.flush();
    return r;
}

}   // namespace lb::test
