#include "cli/cli_app.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    lb::cli::CliStreams streams;
    streams.out = &out;
    streams.err = &err;
    streams.in = &in;
    streams.progressBar = isatty(STDERR_FILENO) == 1;
    QStringList args = app.arguments();
    args.removeFirst();
    return lb::cli::RunCli(args, streams);
}
