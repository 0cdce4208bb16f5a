// SPDX-License-Identifier: Apache-2.0
// Discovery and the change of settings against a responder that does not play fair: one that
// keeps answering, one that answers too much, and replies that are short, stray or another
// read's. A discovery ends on time and within its count; a settings field the printer did not
// report stays unknown, and a change that would write it back is refused before any write.

#include "cli/cli_app.h"
#include "network/discovery_exchange.h"
#include "sim/profile.h"
#include "sim/udp_responder.h"
#include "tests/network/loopback_endpoint.h"
#include "tests/support/cli_run.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>
#include <atomic>
#include <functional>
#include <future>
#include <thread>

using namespace lb;

namespace {

constexpr char kMac[] = "02:00:00:00:00:01";

// A loopback responder on its own thread: answer(request) gives the datagrams to send back;
// with flood set, the first of them is sent again every millisecond after the first request.
class ScriptedResponder {
public:
    using Answer = std::function<QList<QByteArray>(const QByteArray& request)>;
    ScriptedResponder(Answer answer, bool flood = false) : m_answer(std::move(answer)), m_flood(flood) {
        std::promise<quint16> bound;
        std::future<quint16> port = bound.get_future();
        m_thread = std::thread([this, &bound] { run(bound); });
        m_port = port.get();
    }
    ~ScriptedResponder() {
        m_stop = true;
        m_thread.join();
    }
    quint16 port() const { return m_port; }
    QList<QByteArray> received() const {
        QMutexLocker lock(&m_mutex);
        return m_received;
    }

private:
    void run(std::promise<quint16>& bound) {
        QUdpSocket socket;
        socket.bind(QHostAddress::LocalHost, 0);
        bound.set_value(socket.localPort());
        QByteArray floodWith;
        QHostAddress peer;
        quint16 peerPort = 0;
        while (!m_stop) {
            if (socket.waitForReadyRead(1)) {
                while (socket.hasPendingDatagrams()) {
                    const QNetworkDatagram d = socket.receiveDatagram();
                    {
                        QMutexLocker lock(&m_mutex);
                        m_received.append(d.data());
                    }
                    const QList<QByteArray> answers = m_answer(d.data());
                    for (const QByteArray& a : answers)
                        socket.writeDatagram(a, d.senderAddress(), quint16(d.senderPort()));
                    if (m_flood && !answers.isEmpty()) {
                        floodWith = answers.first();
                        peer = d.senderAddress();
                        peerPort = quint16(d.senderPort());
                    }
                }
            } else if (!floodWith.isEmpty()) {
                socket.writeDatagram(floodWith, peer, peerPort);
            }
        }
    }

    Answer m_answer;
    bool m_flood = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QList<QByteArray> m_received;
};

int Kind(const QByteArray& request) {
    return request.size() > 9 ? (uint8_t(request[8]) << 8 | uint8_t(request[9])) : -1;
}

// A read's reply as the simulated printer gives it, cut to size bytes.
QByteArray SettingsReply(const QByteArray& request, int size, bool dhcp = true) {
    QByteArray reply(1064, '\0');
    std::memcpy(reply.data(), request.constData(), 32);
    const QByteArray address("\x0a\x00\x00\x07\xff\xff\xff\x00\x0a\x00\x00\x01", 12);
    std::memcpy(reply.data() + 69, address.constData(), size_t(address.size()));
    reply[942] = char(dhcp ? 8 : 1);
    return reply.left(size);
}

QByteArray DiscoveryReply(const QByteArray& request) {
    return sim::DiscoverReplyOf(sim::Profile::Default(), request);
}

// A printer's reply to an earlier discovery, arriving late.
QByteArray StrayDiscoveryReply() {
    return DiscoveryReply(DiscoverRequest(1));
}

}   // namespace

class TestHostileResponder : public QObject {
    Q_OBJECT

private slots:
    // A responder that keeps answering, or answers a thousand times: the discovery ends on
    // time, or at its count, and says which.
    void discoveryIsBounded_data() {
        QTest::addColumn<bool>("flood");
        QTest::addColumn<int>("replies");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("maxPrinters");
        QTest::newRow("keeps answering") << true << 1 << int(DiscoveryCut::Time) << 100000;
        QTest::newRow("too many") << false << 40 << int(DiscoveryCut::Count) << 10;
    }
    void discoveryIsBounded() {
        QFETCH(bool, flood);
        QFETCH(int, replies);
        QFETCH(int, cut);
        QFETCH(int, maxPrinters);
        ScriptedResponder responder(
            [&](const QByteArray& request) {
                return Kind(request) == 2 ? QList<QByteArray>(replies, DiscoveryReply(request))
                                          : QList<QByteArray>{};
            },
            flood);
        DiscoveryEndpoint endpoint = test::LoopbackEndpoint(responder.port(), 200);
        endpoint.discoveryMaxMs = 500;
        endpoint.maxPrinters = maxPrinters;
        ScopedDiscoveryEndpoint scoped(endpoint);
        RequestSequence sequence;
        QList<DiscoveredPrinter> printers;
        DiscoveryCut stopped = DiscoveryCut::None;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(Discover(sequence, printers, {}, &stopped), NetworkResult::Done);
        QVERIFY2(timer.elapsed() < 3000, "the discovery was held");
        QCOMPARE(int(stopped), cut);
        QVERIFY(printers.size() <= maxPrinters);
        QVERIFY(!printers.isEmpty());
    }

    // Only a reply to the read counts: too short, a stray discovery reply, or another read's
    // reply leaves its fields unknown.
    void settingsReplies_data() {
        QTest::addColumn<int>("ipReply");     // bytes; 0 a discovery reply; -1 the address mode's
        QTest::addColumn<int>("modeReply");   // bytes
        QTest::addColumn<bool>("ipKnown");
        QTest::addColumn<bool>("modeKnown");
        QTest::newRow("whole") << 1064 << 1064 << true << true;
        QTest::newRow("IP reply cut inside the mask") << 76 << 1064 << false << true;
        QTest::newRow("address mode without its byte") << 1064 << 942 << true << false;
        QTest::newRow("a discovery reply for the IP settings") << 0 << 1064 << false << true;
    }
    void settingsReplies() {
        QFETCH(int, ipReply);
        QFETCH(int, modeReply);
        QFETCH(bool, ipKnown);
        QFETCH(bool, modeKnown);
        ScriptedResponder responder([&](const QByteArray& request) -> QList<QByteArray> {
            if (Kind(request) != 3) return {};
            if (request[32] == 4)
                return {ipReply > 0 ? SettingsReply(request, ipReply) : StrayDiscoveryReply()};
            return {SettingsReply(request, modeReply)};
        });
        DiscoveryEndpoint endpoint = test::LoopbackEndpoint(responder.port());
        endpoint.replyWaitMs = 300;
        ScopedDiscoveryEndpoint scoped(endpoint);
        RequestSequence sequence;
        RemoteSettingsChange change(sequence, *ParseMacText(kMac));
        EthernetSettings settings = EmptyEthernetSettings();
        const RemoteReadResult read = change.readSettings(settings);
        QCOMPARE(read.result, NetworkResult::Done);
        QCOMPARE(read.ipSettingsAnswered, ipKnown);
        QCOMPARE(read.addressModeAnswered, modeKnown);
        if (ipKnown) QCOMPARE(EthernetText(settings.Gateway), QByteArray("10.0.0.1"));
        if (modeKnown) QCOMPARE(settings.Dhcp, uint8_t(1));
    }

    // remote set --name against a printer whose IP settings did not come back: refused
    // (3), and not one write sent, where the printer would have lost its addresses.
    void changeOfUnknownFieldsIsRefused() {
        ScriptedResponder responder([](const QByteArray& request) -> QList<QByteArray> {
            if (Kind(request) == 2) return {DiscoveryReply(request)};
            if (Kind(request) == 3)
                return {request[32] == 4 ? StrayDiscoveryReply() : SettingsReply(request, 1064)};
            return {};
        });
        const QString to = QStringLiteral("127.0.0.1:%1").arg(responder.port());
        const test::CliRun r = test::RunCliWith({"remote", "set", kMac, "--name", "DOCK-4", "--to", to});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains("nothing was written"), qPrintable(r.err));
        for (const QByteArray& request : responder.received())
            QVERIFY(Kind(request) != 4);
    }
};

QTEST_GUILESS_MAIN(TestHostileResponder)
#include "tst_hostile_responder.moc"
