#include "cli/cli_app.h"
#include "cli/command_registry.h"
#include "cli/link_options.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// The font commands draw with the desktop's fonts and need a QGuiApplication, off screen when
// there is no display; every other command starts without one.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const lb::cli::LinkCommandLine line = lb::cli::ParseLinkOptions(arguments);
    if (line.command.isEmpty() || !lb::cli::IsFontCommand(line.command.first()))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}   // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    lb::cli::CliStreams streams;
    streams.out = &out;
    streams.err = &err;
    streams.in = &in;
    streams.progressBar = isatty(STDERR_FILENO) == 1;
    QStringList args = app->arguments();
    args.removeFirst();
    return lb::cli::RunCli(args, streams);
}
