// SPDX-License-Identifier: Apache-2.0
// Throughput of a raw block send (operation 14) over TCP loopback, against a plain socket
// write loop sending the same bytes to the same sink in the same run.
//
//   bench_raw_block [MiB=8] [rounds=7]

#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/printer_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Accepts connections on 127.0.0.1 and throws away what they send.
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
        m_stop = true;
        shutdown(m_listener, SHUT_RDWR);
        close(m_listener);
        m_thread.join();
    }
    int port() const { return m_port; }
    long long received() const { return m_received; }

private:
    void run() {
        std::vector<char> buffer(1 << 16);
        while (!m_stop) {
            const int c = accept(m_listener, nullptr, nullptr);
            if (c < 0) return;
            ssize_t n;
            while ((n = recv(c, buffer.data(), buffer.size(), 0)) > 0)
                m_received += n;
            close(c);
        }
    }
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_received{0};
    std::thread m_thread;
};

double PlainSend(int port, const std::vector<char>& bytes, size_t chunk) {
    QElapsedTimer timer;
    timer.start();
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    if (getenv("BENCH_NODELAY")) setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(port));
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return -1;
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t n = std::min(chunk, bytes.size() - done);
        const ssize_t w = send(s, bytes.data() + done, n, MSG_NOSIGNAL);
        if (w <= 0) return -1;
        done += size_t(w);
    }
    close(s);
    return timer.nsecsElapsed() / 1e6;
}

double LabelBenchSend(const std::vector<char>& bytes) {
    QElapsedTimer timer;
    timer.start();
    const int r = lb::RunPrinterOperation(lb::kOpSendRawBlock, lb::InterfaceKind::Ethernet,
                                          const_cast<char*>(bytes.data()), int32_t(bytes.size()));
    return r == 0 ? timer.nsecsElapsed() / 1e6 : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}   // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int mib = argc > 1 ? std::max(1, atoi(argv[1])) : 8;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    std::vector<char> bytes(size_t(mib) << 20);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 131);

    Sink sink;
    lb::SerialSettings serial = lb::DefaultSerialSettings();
    lb::ParallelPortName parallel = lb::DefaultParallelPortName();
    lb::NetworkTarget target = lb::DefaultNetworkTarget();
    lb::CopyToField(target.host, "127.0.0.1", 9);
    target.port = sink.port();
    lb::RegisterLinkSettings(&serial, &parallel, &target);
    // The progress window's closing pause is a fixed 200 ms, not throughput: it is measured
    // once on its own and left out of the rounds.
    const double withPause = LabelBenchSend(bytes);
    lb::LinkTiming timing = lb::CurrentLinkTiming();
    timing.progressHidePauseMs = 0;
    lb::SetLinkTiming(timing);

    std::vector<double> lbTimes, plain512, plainBulk;
    for (int i = 0; i < rounds; ++i) {
        lbTimes.push_back(LabelBenchSend(bytes));
        plain512.push_back(PlainSend(sink.port(), bytes, 512));
        plainBulk.push_back(PlainSend(sink.port(), bytes, bytes.size()));
    }
    const double tl = Median(lbTimes), t512 = Median(plain512), tBulk = Median(plainBulk);
    auto rate = [&](double ms) { return mib / (ms / 1000.0); };
    std::printf("block: %d MiB, %d rounds, median times\n", mib, rounds);
    std::printf("labelbench op 14 (512-byte chunks): %8.2f ms  %8.1f MiB/s\n", tl, rate(tl));
    std::printf("plain socket, 512-byte sends:       %8.2f ms  %8.1f MiB/s\n", t512, rate(t512));
    std::printf("plain socket, one send call:        %8.2f ms  %8.1f MiB/s\n", tBulk, rate(tBulk));
    std::printf("labelbench op 14 with the 200 ms progress-window pause, once: %.2f ms\n", withPause);
    std::printf("throughput ratio vs 512-byte plain loop: %.2f (goal >= 0.80)\n", t512 / tl);
    std::printf("throughput ratio vs one-call plain send: %.2f\n", tBulk / tl);
    return 0;
}
