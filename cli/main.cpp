// SPDX-License-Identifier: Apache-2.0
#include "cli/cli_app.h"
#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "cli/link_options.h"
#include "link/link_wait.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kInterruptedExit = 130;   // as a shell reports a command ended by SIGINT
constexpr int kOutputErrorExit = 74;    // the standard output could not be written (EX_IOERR)
constexpr int kDisplayProbeMs = 1000;

volatile sig_atomic_t g_interrupts = 0;

// The first Ctrl-C cancels the wait under way (the link closes, nothing more is sent or
// saved); a second one ends the program at once.
extern "C" void OnInterrupt(int) {
    if (g_interrupts > 0) _exit(kInterruptedExit);
    g_interrupts = 1;
    lb::RequestLinkCancel();
}

bool InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;   // no SA_RESTART: a blocking read of the terminal ends too
    return sigaction(SIGINT, &action, nullptr) == 0;
}

// Whether host accepts a TCP connection on port within kDisplayProbeMs.
bool TcpAnswers(const QByteArray& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    bool connected = false;
    for (const addrinfo* a = found; a && !connected; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
            connected = true;
        } else if (errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int error = 0;
            socklen_t length = sizeof error;
            connected = ::poll(&p, 1, kDisplayProbeMs) == 1 &&
                        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return connected;
}

// Whether the X server that DISPLAY names ("[host]:N[.S]") accepts a connection: its local
// socket, or TCP port 6000 + N on a host.
bool XDisplayAnswers(const QByteArray& display) {
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0) return false;
    const QByteArray host = display.left(colon);
    bool ok = false;
    const int number = display.mid(colon + 1).split('.').first().toInt(&ok);
    if (!ok || number < 0 || number > 59535) return false;
    if (!host.isEmpty() && host != "unix") return TcpAnswers(host, 6000 + number);
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    for (const bool abstract : {true, false}) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const size_t offset = abstract ? 1 : 0;   // an abstract name begins with a NUL
        std::memcpy(address.sun_path + offset, path.data(), path.size());
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
        ::close(fd);
        if (connected) return true;
    }
    return false;
}

// The font commands draw with the desktop's fonts and need a QGuiApplication, off screen when
// no display can be opened (none named, or one that does not answer); every other command
// starts without one. A platform the user chose is left alone.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const lb::cli::LinkCommandLine line = lb::cli::ParseLinkOptions(arguments);
    if (line.command.isEmpty() || !lb::cli::IsFontCommand(line.command.first()))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !XDisplayAnswers(qgetenv("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}   // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    // A file-size limit makes a write fail, which is reported, instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The standard output unbuffered below the stream, so that a failed write (a full disk,
    // /dev/full) is seen by the stream rather than lost in a C buffer at exit.
    QFile outFile;
    outFile.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    QTextStream out(&outFile);
    QTextStream err(stderr);
    if (!InstallInterruptHandler()) err << "labelbench-cli: Ctrl-C cannot cancel a wait here\n";
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    lb::cli::CliStreams streams;
    streams.out = &out;
    streams.err = &err;
    streams.in = &in;
    streams.progressBar = isatty(STDERR_FILENO) == 1;
    QStringList args = app->arguments();
    args.removeFirst();
    const int result = lb::cli::RunCli(args, streams);
    out.flush();
    if (out.status() == QTextStream::WriteFailed || outFile.error() != QFileDevice::NoError) {
        err << "labelbench-cli: " << lb::cli::CliText::tr("write error: %1").arg(outFile.errorString())
            << '\n';
        err.flush();
        return kOutputErrorExit;
    }
    if (g_interrupts == 0) return result;
    err << "labelbench-cli: " << lb::cli::CliText::tr("Interrupted") << '\n';
    err.flush();
    return kInterruptedExit;
}
