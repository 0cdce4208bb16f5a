// SPDX-License-Identifier: Apache-2.0
// A full configuration read of the edition-104 simulated printer over TCP loopback, against a
// minimal raw-socket client doing the same exchanges in the same run.
//
//   bench_config_read [rounds=30]

#include "config/printer_config.h"
#include "config/read_configuration.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

struct Exchange {
    QByteArray command;
    int replyLength;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Sends each command and waits for exactly its reply's bytes.
double RawRead(int port, const std::vector<Exchange>& exchanges) {
    QElapsedTimer timer;
    timer.start();
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(port));
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return -1;
    char buffer[4096];
    for (const Exchange& e : exchanges) {
        if (send(s, e.command.constData(), size_t(e.command.size()), MSG_NOSIGNAL) != e.command.size())
            return -1;
        int got = 0;
        while (got < e.replyLength) {
            const ssize_t n = recv(s, buffer, sizeof buffer, 0);
            if (n <= 0) return -1;
            got += int(n);
        }
    }
    close(s);
    return timer.nsecsElapsed() / 1e6;
}

double LabelBenchRead() {
    lb::PrinterConfig config{};
    lb::ClearConfig(config);
    QElapsedTimer timer;
    timer.start();
    const int r = lb::RunPrinterOperation(lb::kOpReadConfiguration, lb::InterfaceKind::Ethernet, &config, 0);
    return r == 0 ? timer.nsecsElapsed() / 1e6 : -1;
}

}   // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    lb::sim::SimServer server(lb::sim::Profile::ForEdition(104));
    if (!server.start()) return 1;

    lb::SerialSettings serial = lb::DefaultSerialSettings();
    lb::ParallelPortName parallel = lb::DefaultParallelPortName();
    lb::NetworkTarget target = lb::DefaultNetworkTarget();
    lb::CopyToField(target.host, "127.0.0.1", 9);
    target.port = server.port();
    lb::RegisterLinkSettings(&serial, &parallel, &target);

    // One read shows the exchanges; a session of the same printer gives each reply's length.
    if (LabelBenchRead() < 0) {
        std::fprintf(stderr, "the configuration read failed\n");
        return 1;
    }
    server.waitForClosedConnections(1, 5000);
    lb::sim::SimulatedPrinter printer(lb::sim::Profile::ForEdition(104));
    lb::sim::PrinterSession session(printer, {});
    std::vector<Exchange> exchanges;
    for (const lb::sim::Command& c : server.commands().first()) {
        Exchange e{c.kind == lb::sim::Command::Kind::TextLine ? c.bytes + "\r\n" : c.bytes, 0};
        for (const QByteArray& segment : session.feed(e.command).segments)
            e.replyLength += int(segment.size());
        exchanges.push_back(e);
    }

    std::vector<double> lbTimes, rawTimes;
    for (int i = 0; i < rounds; ++i) {
        lbTimes.push_back(LabelBenchRead());
        rawTimes.push_back(RawRead(server.port(), exchanges));
    }
    const double tl = Median(lbTimes), tr = Median(rawTimes);
    std::printf("configuration read, edition 104, %zu exchanges, %d rounds, median\n", exchanges.size(),
                rounds);
    std::printf("labelbench operation 1: %8.3f ms\n", tl);
    std::printf("raw socket client:      %8.3f ms\n", tr);
    std::printf("ratio labelbench / raw: %.2f (goal <= 1.5)\n", tl / tr);
    return 0;
}
