// SPDX-License-Identifier: Apache-2.0
// A file download (operation 13) over TCP loopback against a plain socket loop sending the
// same header and bytes in 512-byte sends to the same sink in the same run; then the peak
// memory of labelbench-cli downloading a large file to the simulated printer.
//
//   bench_download [MiB=8] [rounds=15] [large MiB=64]

#include "files/printer_files.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Accepts connections on 127.0.0.1 and throws away what they send, counting each one's bytes.
class Sink {
public:
    Sink() {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        listen(m_listener, 8);
        socklen_t len = sizeof addr;
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { run(); });
    }
    ~Sink() {
        shutdown(m_listener, SHUT_RDWR);
        close(m_listener);
        m_thread.join();
    }
    int port() const { return m_port; }
    // The byte count of each closed connection, in order, once count of them have closed.
    std::vector<long long> totals(size_t count) const {
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(m_mutex);
                if (m_totals.size() >= count) return m_totals;
            }
            usleep(2000);
        }
        return {};
    }

private:
    void run() {
        std::vector<char> buffer(1 << 16);
        while (true) {
            const int c = accept(m_listener, nullptr, nullptr);
            if (c < 0) return;
            long long total = 0;
            ssize_t n;
            while ((n = recv(c, buffer.data(), buffer.size(), 0)) > 0)
                total += n;
            {
                std::lock_guard lock(m_mutex);
                m_totals.push_back(total);
            }
            close(c);
        }
    }
    int m_listener = -1;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::vector<long long> m_totals;
    std::thread m_thread;
};

// The header, then the bytes, in sends of at most chunk bytes.
double PlainSend(int port, const QByteArray& header, const QByteArray& bytes, size_t chunk) {
    QElapsedTimer timer;
    timer.start();
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(port));
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return -1;
    for (const QByteArray* part : {&header, &bytes}) {
        size_t done = 0;
        while (done < size_t(part->size())) {
            const size_t n = std::min(chunk, size_t(part->size()) - done);
            const ssize_t w = send(s, part->constData() + done, n, MSG_NOSIGNAL);
            if (w <= 0) return -1;
            done += size_t(w);
        }
    }
    close(s);
    return timer.nsecsElapsed() / 1e6;
}

double LabelBenchDownload(const lb::DownloadRequest& request) {
    QElapsedTimer timer;
    timer.start();
    const int r = lb::RunPrinterOperation(lb::kOpDownloadFile, lb::InterfaceKind::Ethernet,
                                          const_cast<lb::DownloadRequest*>(&request), 0);
    return r == 0 ? timer.nsecsElapsed() / 1e6 : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs a program to its end and prints its peak resident memory in KiB: the measuring side
// of PeakKiB, run as a small process of its own. Spawned straight from the benchmark, the child
// would report the benchmark's own peak, since it shares (or copies) the benchmark's memory
// until it starts the program.
int PrintPeak(char** argv) {
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return 1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return 1;
    std::printf("%ld\n", usage.ru_maxrss);
    return WEXITSTATUS(status);
}

// The peak resident memory of a program run to its end, in KiB; -1 when it failed.
long PeakKiB(const QStringList& arguments) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), QStringList{"--peak"} + arguments);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return -1;
    bool ok = false;
    const long kib = p.readAllStandardOutput().trimmed().split('\n').last().toLong(&ok);
    return ok ? kib : -1;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--peak") == 0) return PrintPeak(argv + 2);
    QCoreApplication app(argc, argv);
    const int mib = argc > 1 ? std::max(1, atoi(argv[1])) : 8;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    const int largeMib = argc > 3 ? std::max(1, atoi(argv[3])) : 64;
    QTemporaryDir dir;
    QByteArray bytes(qsizetype(mib) << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 131);
    const QString source = dir.filePath("image.bin");
    if (!WriteFile(source, bytes)) return 1;
    lb::DownloadRequest request;
    request.sourcePath = source;
    request.printerFileName = "IMAGE.BIN";
    const QByteArray header =
        lb::DownloadHeader(request.memory, request.printerFileName, uint32_t(bytes.size()));

    Sink sink;
    lb::SerialSettings serial = lb::DefaultSerialSettings();
    lb::ParallelPortName parallel = lb::DefaultParallelPortName();
    lb::NetworkTarget target = lb::DefaultNetworkTarget();
    lb::CopyToField(target.host, "127.0.0.1", 9);
    target.port = sink.port();
    lb::RegisterLinkSettings(&serial, &parallel, &target);
    // The progress window's closing pause is a fixed 200 ms, not throughput: it is measured
    // once on its own and left out of the rounds.
    const double withPause = LabelBenchDownload(request);
    lb::LinkTiming timing = lb::CurrentLinkTiming();
    timing.progressHidePauseMs = 0;
    lb::SetLinkTiming(timing);

    std::vector<double> ours, plain;
    for (int i = 0; i < rounds; ++i) {
        ours.push_back(LabelBenchDownload(request));
        plain.push_back(PlainSend(sink.port(), header, bytes, 512));
    }
    // Every connection, ours and the plain ones, carried the header and the whole file.
    const std::vector<long long> totals = sink.totals(size_t(2 * rounds + 1));
    const bool sameBytes = !totals.empty() && std::all_of(totals.begin(), totals.end(), [&](long long n) {
        return n == header.size() + bytes.size();
    });
    const double to = Median(ours), tp = Median(plain);
    auto rate = [&](double ms) { return mib / (ms / 1000.0); };
    std::printf("download: %d MiB, %d rounds, median times\n", mib, rounds);
    std::printf("labelbench op 13 (header + file):  %8.2f ms  %8.1f MiB/s\n", to, rate(to));
    std::printf("plain socket, 512-byte sends:      %8.2f ms  %8.1f MiB/s\n", tp, rate(tp));
    std::printf("labelbench op 13 with the 200 ms progress-window pause, once: %.2f ms\n", withPause);
    std::printf("same byte count on both: %s\n", sameBytes ? "yes" : "NO");
    std::printf("throughput ratio vs 512-byte plain loop: %.2f (goal >= 0.90)\n", tp / to);

    // The command line with a large file against the simulated printer, in a child process.
    lb::sim::SimServer server;
    if (!server.start()) return 1;
    QByteArray large(qsizetype(largeMib) << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < large.size(); ++i)
        large[i] = char(i * 7);
    const QString largePath = dir.filePath("large.bin");
    if (!WriteFile(largePath, large)) return 1;
    large.clear();
    large.squeeze();
    const QStringList link = {LABELBENCH_CLI_PATH, "--host", "127.0.0.1", "--port",
                              QString::number(server.port())};
    const long named =
        PeakKiB(link + QStringList{"download", largePath, "--type", "data", "--memory", "dram"});
    const long firmware = PeakKiB(link + QStringList{"download", largePath, "--type", "firmware"});
    const long idle = PeakKiB({LABELBENCH_CLI_PATH, "download", "--help"});
    const double limit = largeMib + 30;
    std::printf("labelbench-cli peak memory, %d MiB file (goal < %.0f MiB):\n", largeMib, limit);
    std::printf("  download --type data:      %7.1f MiB\n", named / 1024.0);
    std::printf("  download --type firmware:  %7.1f MiB\n", firmware / 1024.0);
    std::printf("  download --help (baseline): %6.1f MiB\n", idle / 1024.0);
    return named > 0 && firmware > 0 ? 0 : 1;
}
