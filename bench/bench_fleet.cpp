// SPDX-License-Identifier: Apache-2.0
// labelbench-cli --hosts … --jobs N read-config --json against one and against many simulated
// printers on loopback, each answering every reply after a printer-like delay. The simulated
// printers are served from this process, one thread each, so that the command line's own
// memory is what stands out; the figures are the wall time of both runs (median), their ratio,
// and the peak memory of the many-printer run: the command line's plus what serving added to
// this process.
//
//   bench_fleet [printers=64] [rounds=3] [reply delay ms=20] [jobs=64]

#include "sim/sim_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A "Name:   N kB" line of /proc/self/status, in KiB; -1 when it is missing.
long StatusKiB(const char* name) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// The measuring side of RunCli, run as a small process of its own: runs a program to its end,
// its standard output passed on, then prints "wall-ns N" and "peak-kib N" (its peak resident
// memory) and returns its exit status. Spawned straight from the benchmark, the program would
// report the benchmark's own peak, since it starts in (a copy of) the benchmark's memory.
int Measure(char** argv) {
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return 125;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return 125;
    clock_gettime(CLOCK_MONOTONIC, &end);
    const long long ns = (end.tv_sec - start.tv_sec) * 1000000000LL + (end.tv_nsec - start.tv_nsec);
    std::fflush(stdout);
    std::printf("wall-ns %lld\npeak-kib %ld\n", ns, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 126;
}

struct CliRun {
    bool ok = false;   // it ran, exited 0, and every printer's line said "exit": 0
    double ms = 0;
    long peakKiB = 0;
    QString problem;
};

// labelbench-cli with these printers, through Measure; checks its JSON lines, one a printer.
CliRun RunCli(const std::vector<quint16>& ports, int jobs) {
    CliRun r;
    QStringList hosts;
    for (const quint16 port : ports)
        hosts.append(QStringLiteral("127.0.0.1:%1").arg(port));
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(),
            {"--measure", LABELBENCH_CLI_PATH, "--hosts", hosts.join(','), "--jobs", QString::number(jobs),
             "read-config", "--json"});
    if (!p.waitForFinished(300000)) {
        r.problem = QStringLiteral("labelbench-cli did not finish");
        return r;
    }
    QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2 || !lines[lines.size() - 2].startsWith("wall-ns ") ||
        !lines.last().startsWith("peak-kib ")) {
        r.problem = QStringLiteral("no measurement (exit status %1)").arg(p.exitCode());
        return r;
    }
    r.peakKiB = lines.takeLast().mid(9).toLong();
    r.ms = lines.takeLast().mid(8).toLongLong() / 1e6;
    if (lines.size() != qsizetype(ports.size())) {
        r.problem = QStringLiteral("%1 JSON lines for %2 printers").arg(lines.size()).arg(ports.size());
        return r;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject line = QJsonDocument::fromJson(lines[i]).object();
        if (line.value("port").toInt() != ports[size_t(i)] || line.value("exit").toInt(-1) != 0 ||
            !line.value("result").isObject()) {
            r.problem =
                QStringLiteral("printer %1: %2").arg(i + 1).arg(QString::fromUtf8(lines[i].left(200)));
            return r;
        }
    }
    // The lines come first: a failed printer's own line says more than the exit status 9.
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        r.problem = QStringLiteral("labelbench-cli exit status %1").arg(p.exitCode());
        return r;
    }
    r.ok = true;
    return r;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--measure") == 0) return Measure(argv + 2);
    QCoreApplication app(argc, argv);
    const int printers = argc > 1 ? std::max(1, atoi(argv[1])) : 64;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const int delayMs = argc > 3 ? std::max(0, atoi(argv[3])) : 20;
    const int jobs = argc > 4 ? std::clamp(atoi(argv[4]), 1, 256) : 64;

    const long before = StatusKiB("VmRSS");
    lb::sim::Faults faults;
    faults.replyDelayMs = delayMs;
    std::vector<std::unique_ptr<lb::sim::SimServer>> servers;
    std::vector<quint16> ports;
    for (int i = 0; i < printers; ++i) {
        servers.push_back(std::make_unique<lb::sim::SimServer>(lb::sim::Profile::Default(), faults));
        if (!servers.back()->start()) {
            std::fprintf(stderr, "bench_fleet: simulated printer %d cannot listen\n", i + 1);
            return 1;
        }
        ports.push_back(servers.back()->port());
    }

    std::vector<double> one, many;
    long cliPeakKiB = 0;
    for (int i = 0; i < rounds; ++i) {
        for (const bool all : {false, true}) {
            const CliRun r = RunCli(all ? ports : std::vector<quint16>{ports.front()}, jobs);
            if (!r.ok) {
                std::fprintf(stderr, "bench_fleet: %d printer(s): %s\n", all ? printers : 1,
                             qPrintable(r.problem));
                return 1;
            }
            (all ? many : one).push_back(r.ms);
            if (all) cliPeakKiB = std::max(cliPeakKiB, r.peakKiB);
        }
    }
    // This process's high-water mark covers the simulated printers from their start through
    // every run; before them it held only the program itself.
    const long benchPeakKiB = StatusKiB("VmHWM") - before;

    const double t1 = Median(one), tn = Median(many);
    std::printf("fleet read-config --json: %d simulated printers, %d ms per reply, --jobs %d, %d rounds\n",
                printers, delayMs, jobs, rounds);
    const QByteArray manyLabel = QByteArray::number(printers) + " printers:";
    std::printf("%-22s %9.1f ms (median)\n", "1 printer:", t1);
    std::printf("%-22s %9.1f ms (median)\n", manyLabel.constData(), tn);
    std::printf("%-22s %9.2f (goal <= 2.00)\n", "ratio:", tn / t1);
    std::printf("peak memory, %d printers (goal <= 256 MiB):\n", printers);
    std::printf("%-22s %9.1f MiB\n", "  labelbench-cli:", cliPeakKiB / 1024.0);
    std::printf("%-22s %9.1f MiB\n", "  simulators (bench):", benchPeakKiB / 1024.0);
    std::printf("%-22s %9.1f MiB\n", "  together:", (cliPeakKiB + benchPeakKiB) / 1024.0);
    std::printf("every printer's line \"exit\": 0: yes\n");
    return 0;
}
