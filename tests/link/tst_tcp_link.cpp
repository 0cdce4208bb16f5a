// SPDX-License-Identifier: Apache-2.0
// The ETHERNET link against the simulated printer on loopback, faults included.

#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"
#include "tests/support/short_timing.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <array>

using namespace lb;
using lb::sim::Faults;
using lb::sim::Profile;
using lb::sim::SimServer;

namespace {

LinkTiming ShortWaits() {
    return lb::test::ShortLinkTiming(300);
}

Profile TestProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.reports["VERSION"] = "V1.23 EZ";
    return p;
}

const InterfaceKind kNet = InterfaceKind::Ethernet;

}   // namespace

class TestTcpLink : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{ShortWaits()};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();

    void target(quint16 port, const char* host = "127.0.0.1") {
        CopyToField(m_target.host, host, strlen(host));
        m_target.port = port;
        RegisterLinkSettings(&m_serial, &m_parallel, &m_target);
    }

    // Announcement, then one report; the result of the report exchange.
    int readReport(const char* keyword, QByteArray* data = nullptr) {
        const LinkHandle h = OpenLink(kNet);
        if (h == kNoLink) return kPortOpenError;
        char buffer[kReplyBufferSize];
        int r = SendInterfaceAnnouncement(h, kNet, buffer, sizeof buffer);
        uint32_t length = 0;
        if (r == 0) {
            const QByteArray command = QByteArray("DIAGNOSTIC REPORT ") + keyword + "\r\n";
            r = SendCommandReadReply(h, kNet, command.constData(), buffer, sizeof buffer, length);
        }
        if (r == 0 && data) *data = QByteArray(buffer, int(length));
        CloseLink(kNet, h);
        return r;
    }

private slots:
    void reportReply_data() {
        QTest::addColumn<bool>("oneByteSegments");
        QTest::addColumn<QByteArray>("noise");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("plain") << false << QByteArray() << 0;
        QTest::newRow("one byte per segment") << true << QByteArray() << 0;
        QTest::newRow("noise before the frame") << false << QByteArray("\r\nxy\r\n") << 0;
        QTest::newRow("noise, split, delayed") << true << QByteArray("ab\r\n") << 50;
    }

    void reportReply() {
        QFETCH(bool, oneByteSegments);
        QFETCH(QByteArray, noise);
        QFETCH(int, delayMs);
        Faults f;
        f.oneByteSegments = oneByteSegments;
        f.noiseBeforeFrame = noise;
        f.replyDelayMs = delayMs;
        SimServer server(TestProfile(), f);
        QVERIFY(server.start());
        target(server.port());
        QByteArray data;
        QCOMPARE(readReport("VERSION", &data), 0);
        QCOMPARE(data, QByteArray("V1.23 EZ"));
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT VERSION\r\n"));
    }

    void badReplies_data() {
        QTest::addColumn<int>("malformed");
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<QString>("detail");   // a part of what the technician is told
        const QString notAFrame = "not a valid frame";
        const QString noReply = "no reply within 300 ms";
        QTest::newRow("missing closing brace")
            << int(Faults::Malformed::MissingClosingBrace) << QByteArray() << 0 << notAFrame;
        QTest::newRow("32 length digits")
            << int(Faults::Malformed::TooManyDigits) << QByteArray() << 0 << notAFrame;
        QTest::newRow("more than the buffer")
            << int(Faults::Malformed::OversizedLength) << QByteArray() << 0 << "longer than the 1022 bytes";
        QTest::newRow("no separator")
            << int(Faults::Malformed::NoSeparator) << QByteArray() << 0 << notAFrame;
        QTest::newRow("no answer") << int(Faults::Malformed::None) << QByteArray("DPI") << 0 << noReply;
        QTest::newRow("answer after the wait")
            << int(Faults::Malformed::None) << QByteArray() << 900 << noReply;
    }

    void badReplies() {
        QFETCH(int, malformed);
        QFETCH(QByteArray, silent);
        QFETCH(int, delayMs);
        QFETCH(QString, detail);
        Faults f;
        f.malformed = static_cast<Faults::Malformed>(malformed);
        if (!silent.isEmpty()) f.silentKeywords.insert(silent);
        f.replyDelayMs = delayMs;
        SimServer server(TestProfile(), f);
        QVERIFY(server.start());
        target(server.port());
        QCOMPARE(readReport("DPI"), int(kDataReceivingError));
        QVERIFY(!LinkIsOpen());
        QVERIFY2(LastLinkErrorDetail().contains(detail), qPrintable(LastLinkErrorDetail()));
    }

    void printerClosesAfterCommands() {
        // A printer that drops the connection after each number of commands: every exchange
        // fails cleanly, with the link closed.
        for (int n = 1; n <= 2; ++n) {
            Faults f;
            f.closeAfterCommands = n;
            SimServer server(TestProfile(), f);
            QVERIFY(server.start());
            target(server.port());
            const LinkHandle h = OpenLink(kNet);
            QVERIFY(h != kNoLink);
            char buffer[kReplyBufferSize];
            uint32_t length = 0;
            int failures = 0;
            for (int i = 0; i < 4; ++i)
                if (SendCommandReadReply(h, kNet, "DIAGNOSTIC REPORT DPI\r\n", buffer, sizeof buffer,
                                         length) != 0)
                    ++failures;
            CloseLink(kNet, h);
            QVERIFY2(failures >= 4 - n, qPrintable(QString("n=%1 failures=%2").arg(n).arg(failures)));
            QVERIFY(!LinkIsOpen());
        }
    }

    void noPrinter_data() {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<bool>("closedPort");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused") << QByteArray("127.0.0.1") << true << "refused";
        QTest::newRow("empty host") << QByteArray() << false << "ETHERNET: no printer address is set";
        QTest::newRow("unresolvable") << QByteArray("no-such-printer.invalid") << false << "host not found";
    }

    void noPrinter() {
        QFETCH(QByteArray, host);
        QFETCH(bool, closedPort);
        QFETCH(QString, reason);
        quint16 port = 9;
        if (closedPort) {
            QTcpServer probe;   // a port that was free a moment ago and is closed now
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        target(port, host.constData());
        QCOMPARE(OpenLink(kNet), kNoLink);
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kNet, nullptr, 0), int(kPortOpenError));
        QCOMPARE(RunPrinterOperation(kOpLeaveLineMode, kNet, nullptr, 0), int(kPortOpenError));
        // Which printer could not be reached, and why.
        const QString detail = LastLinkErrorDetail();
        if (!host.isEmpty())
            QVERIFY2(detail.contains(QString("%1:%2").arg(host).arg(port)), qPrintable(detail));
        QVERIFY2(detail.contains(reason), qPrintable(detail));
    }

    void operationsSendExactBytes_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("leave line mode") << uint(kOpLeaveLineMode) << QByteArray("\x1b\x5a\x0d\x0a", 4);
        QTest::newRow("reset") << uint(kOpResetPrinter) << QByteArray("\x1b\x21\x52", 3);
        QTest::newRow("ignore AUTO.BAS") << uint(kOpIgnoreAutoBas) << QByteArray("\x1b\x21\x43", 3);
        QTest::newRow("self test") << uint(kOpSelfTest) << QByteArray("SELFTEST\r\n");
        QTest::newRow("link check") << uint(kOpLinkCheck) << QByteArray();
    }

    void operationsSendExactBytes() {
        QFETCH(uint, code);
        QFETCH(QByteArray, bytes);
        SimServer server(TestProfile());
        QVERIFY(server.start());
        target(server.port());
        QCOMPARE(RunPrinterOperation(code, kNet, nullptr, 0), 0);
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), bytes);
    }

    void rawBlockArrivesWhole() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        target(server.port());
        QByteArray block(300000, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = char('A' + i % 26);
        block.append("\r\n");
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, kNet, block.data(), int(block.size())), 0);
        QVERIFY(server.waitForClosedConnections(1, 10000));
        QCOMPARE(server.transcripts().first(), block);
    }

    void nextOperationStartsClean() {
        // Bytes of one operation's reply that were never read do not reach the next one.
        SimServer server(TestProfile());
        QVERIFY(server.start());
        target(server.port());
        LinkHandle h = OpenLink(kNet);
        QCOMPARE(SendCommand(h, kNet, "DIAGNOSTIC REPORT DPI\r\n"), 0);
        CloseLink(kNet, h);
        QByteArray data;
        QCOMPARE(readReport("VERSION", &data), 0);
        QCOMPARE(data, QByteArray("V1.23 EZ"));
    }

    // A printer that takes the connection and never answers, with the link's real 30 s
    // wait: a cancel 100 ms in ends the operation within a second, the link closed, and the
    // waits let the event loop run meanwhile (the timer that cancels is one of its events).
    void silentPrinterIsCancelled_data() {
        QTest::addColumn<uint32_t>("code");
        QTest::addColumn<int32_t>("extra");
        QTest::newRow("configuration read with progress") << uint32_t(kOpReadConfiguration) << int32_t(1);
        QTest::newRow("status") << uint32_t(kOpQueryStatus) << int32_t(0);
    }
    void silentPrinterIsCancelled() {
        QFETCH(uint32_t, code);
        QFETCH(int32_t, extra);
        ScopedLinkTiming realWaits{LinkTiming{}};
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        target(silent.serverPort());
        struct Pump : LinkObserver {
            void pumpEvents() override { QCoreApplication::processEvents(); }
        } pump;
        ScopedObserver observer(&pump);
        ClearLinkCancel();
        QTimer::singleShot(100, [] { RequestLinkCancel(); });

        QElapsedTimer took;
        took.start();
        std::array<char, 1024> record{};
        const int result = RunPrinterOperation(code, kNet, record.data(), extra);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(result, int(kDataReceivingError));
        QVERIFY(LastOperationCancelled());
        QVERIFY(LastLinkErrorDetail().contains(QStringLiteral("cancelled")));
        QVERIFY(!LinkIsOpen());
        QVERIFY(silent.hasPendingConnections() || silent.waitForNewConnection(1000));
        QTcpSocket* peer = silent.nextPendingConnection();
        QVERIFY(peer->state() == QAbstractSocket::UnconnectedState || peer->waitForDisconnected(1000));

        // The cancel stays until the front end clears it: nothing more is opened meanwhile.
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kNet, nullptr, 0), int(kPortOpenError));
        ClearLinkCancel();
    }
};

QTEST_GUILESS_MAIN(TestTcpLink)
#include "tst_tcp_link.moc"
