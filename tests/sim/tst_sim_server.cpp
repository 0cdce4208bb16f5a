// SPDX-License-Identifier: Apache-2.0
// The simulated printer on TCP loopback: replies, transcripts, faults per connection,
// closing after N commands, large blocks, and the printer state shared by connections.

#include "link/link_timing.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"
#include "tests/support/short_timing.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace lb;
using lb::sim::Command;
using lb::sim::Faults;
using lb::sim::Profile;
using lb::sim::SimServer;

namespace {

// Only a bound for a test that has gone wrong; nothing waits it out when things work.
constexpr int kSafetyMs = 10000;

LinkTiming ShortWaits() {
    return lb::test::ShortLinkTiming(2000);
}

Profile TestProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.reports["VERSION"] = "V1.23 EZ";
    return p;
}

// A plain client: connects, sends, then reads until want bytes arrived or the printer
// closed (want < 0: until it closes). closed tells whether the printer ended the connection.
QByteArray Exchange(quint16 port, const QByteArray& send, qsizetype want, bool* closed = nullptr) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(kSafetyMs)) return "not connected";
    socket.write(send);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(kSafetyMs)) {
    }
    QByteArray got;
    while ((want < 0 || got.size() < want) && socket.state() == QAbstractSocket::ConnectedState) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kSafetyMs)) break;
        got += socket.readAll();
    }
    got += socket.readAll();
    if (closed) {
        // A printer that closes does so right after its last reply.
        if (socket.state() == QAbstractSocket::ConnectedState)
            socket.waitForDisconnected(want < 0 ? kSafetyMs : 1000);
        *closed = socket.state() != QAbstractSocket::ConnectedState;
    }
    socket.disconnectFromHost();
    return got;
}

}   // namespace

class TestSimServer : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{ShortWaits()};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();

    void target(quint16 port) {
        CopyToField(m_target.host, "127.0.0.1", 9);
        m_target.port = port;
        RegisterLinkSettings(&m_serial, &m_parallel, &m_target);
    }

    int readReport(const char* keyword, QByteArray* data = nullptr) {
        const LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        if (h == kNoLink) return kPortOpenError;
        char buffer[kReplyBufferSize];
        int r = SendInterfaceAnnouncement(h, InterfaceKind::Ethernet, buffer, sizeof buffer);
        uint32_t length = 0;
        if (r == 0) {
            const QByteArray command = QByteArray("DIAGNOSTIC REPORT ") + keyword + "\r\n";
            r = SendCommandReadReply(h, InterfaceKind::Ethernet, command.constData(), buffer, sizeof buffer,
                                     length);
        }
        if (r == 0 && data) *data = QByteArray(buffer, int(length));
        CloseLink(InterfaceKind::Ethernet, h);
        return r;
    }

private slots:
    void reportOverTheLink_data() {
        QTest::addColumn<bool>("oneByteSegments");
        QTest::addColumn<QByteArray>("noise");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("plain") << false << QByteArray() << 0;
        QTest::newRow("one byte per segment") << true << QByteArray() << 0;
        QTest::newRow("noise") << false << QByteArray("\r\n>") << 0;
        QTest::newRow("delayed, split, noisy") << true << QByteArray("zz") << 30;
    }
    void reportOverTheLink() {
        QFETCH(bool, oneByteSegments);
        QFETCH(QByteArray, noise);
        QFETCH(int, delayMs);
        Faults f;
        f.oneByteSegments = oneByteSegments;
        f.noiseBeforeFrame = noise;
        f.replyDelayMs = delayMs;
        SimServer server(TestProfile(), f);
        QVERIFY(server.start());
        QVERIFY(server.port() != 0);
        target(server.port());
        QByteArray data;
        QCOMPARE(readReport("VERSION", &data), 0);
        QCOMPARE(data, QByteArray("V1.23 EZ"));
        QVERIFY(server.waitForClosedConnections(1, kSafetyMs));
        QCOMPARE(server.connectionCount(), 1);
        QCOMPARE(server.transcripts().first(),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT VERSION\r\n"));
        const QList<Command> commands = server.commands().first();
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[1].bytes, QByteArray("DIAGNOSTIC REPORT VERSION"));
    }

    void rawRepliesOverTcp_data() {
        QTest::addColumn<QByteArray>("send");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("status byte") << QByteArray("\x1b\x21\x3f") << QByteArray(1, '\0');
        QTest::newRow("status detail") << QByteArray("\x1b\x21\x53\r\n") << QByteArray(8, '\0');
        QTest::newRow("serial line") << QByteArray("OUT _SERIAL$\r\n") << QByteArray("LB4203A0012345\r\n");
        QTest::newRow("two reports in one write")
            << QByteArray("DIAGNOSTIC REPORT DPI\r\nDIAGNOSTIC REPORT EDITION\r\n")
            << QByteArray("{3|203}{3|104}");
    }
    void rawRepliesOverTcp() {
        QFETCH(QByteArray, send);
        QFETCH(QByteArray, reply);
        SimServer server(TestProfile());
        QVERIFY(server.start());
        QCOMPARE(Exchange(server.port(), send, reply.size()), reply);
    }

    void closesAfterCommands() {
        Faults f;
        f.closeAfterCommands = 2;
        SimServer server(TestProfile(), f);
        QVERIFY(server.start());
        bool closed = false;
        const QByteArray got = Exchange(server.port(),
                                        "\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT DPI\r\n"
                                        "DIAGNOSTIC REPORT VERSION\r\n",
                                        -1, &closed);
        QCOMPARE(got, QByteArray("{2|OK}{3|203}"));
        QVERIFY(closed);
        QVERIFY(server.waitForClosedConnections(1, kSafetyMs));
        QCOMPARE(server.commands().first().size(), 2);
    }

    void closeAfterCommandsOverTheLink() {
        // The announcement is the only command answered: the report then fails cleanly, at
        // the send when the close is seen by then, else at the read.
        Faults f;
        f.closeAfterCommands = 1;
        SimServer server(TestProfile(), f);
        QVERIFY(server.start());
        target(server.port());
        const int result = readReport("DPI");
        QVERIFY2(result == kDataTransmissionError || result == kDataReceivingError,
                 qPrintable(QString::number(result)));
        QVERIFY(!LinkIsOpen());
    }

    void connectionsKeepTheirOwnTranscripts() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Exchange(server.port(), "DIAGNOSTIC REPORT DPI\r\n" + QByteArray(i, 'x'), 7),
                     QByteArray("{3|203}"));
        QVERIFY(server.waitForClosedConnections(3, kSafetyMs));
        QCOMPARE(server.connectionCount(), 3);
        const QList<QByteArray> t = server.transcripts();
        QCOMPARE(t.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(t[i], "DIAGNOSTIC REPORT DPI\r\n" + QByteArray(i, 'x'));
        // The unfinished last line is no command.
        QCOMPARE(server.commands()[2].size(), 1);
    }

    void faultsApplyToLaterConnections() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        QCOMPARE(Exchange(server.port(), "DIAGNOSTIC REPORT DPI\r\n", 7), QByteArray("{3|203}"));
        Faults f;
        f.noiseBeforeFrame = "##";
        f.silentKeywords = {"VERSION"};
        server.setFaults(f);
        QCOMPARE(Exchange(server.port(), "DIAGNOSTIC REPORT VERSION\r\nDIAGNOSTIC REPORT DPI\r\n", 9),
                 QByteArray("##{3|203}"));
    }

    void transcriptFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("transcript.bin"));
        const QByteArray first("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT DPI\r\n");
        const QByteArray second = QByteArray("DOWNLOAD \"A\",6,") + QByteArray("\x1b\n\0\n=\xff", 6) + "\r\n";
        {
            SimServer server(TestProfile());
            server.setTranscriptFile(path);
            QVERIFY(server.start());
            QCOMPARE(Exchange(server.port(), first, 13), QByteArray("{2|OK}{3|203}"));
            QVERIFY(server.waitForClosedConnections(1, kSafetyMs));
            Exchange(server.port(), second, 0);
            QVERIFY(server.waitForClosedConnections(2, kSafetyMs));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray all = file.readAll();
        // Header line, exactly the announced number of raw bytes, LF; per connection.
        const QRegularExpression header(QStringLiteral(
            "^=== labelbench-sim connection (\\d+) from 127\\.0\\.0\\.1:\\d+: (\\d+) bytes ===$"));
        qsizetype pos = 0;
        QList<QByteArray> bodies;
        while (pos < all.size()) {
            const qsizetype eol = all.indexOf('\n', pos);
            QVERIFY(eol > pos);
            const QRegularExpressionMatch m = header.match(QString::fromLatin1(all.mid(pos, eol - pos)));
            QVERIFY2(m.hasMatch(), all.mid(pos, eol - pos).constData());
            QCOMPARE(m.captured(1).toInt(), int(bodies.size()) + 1);
            const qsizetype size = m.captured(2).toLongLong();
            bodies << all.mid(eol + 1, size);
            pos = eol + 1 + size;
            QCOMPARE(all.mid(pos, 1), QByteArray("\n"));
            ++pos;
        }
        QCOMPARE(bodies, (QList<QByteArray>{first, second}));
    }

    void largeRawBlockArrivesWhole() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        QByteArray block(8 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < block.size(); ++i)
            block[i] = char((i * 7) & 0xff);
        block += "\r\nDIAGNOSTIC REPORT DPI\r\n";
        // The reply to the report after the block shows that all of it was consumed.
        QCOMPARE(Exchange(server.port(), block, 7), QByteArray("{3|203}"));
        QVERIFY(server.waitForClosedConnections(1, 60000));
        QCOMPARE(server.transcripts().first(), block);
    }

    void stopEndsOpenConnections() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(socket.waitForConnected(kSafetyMs));
        socket.write("DIAGNOSTIC REPORT DPI\r\nSELF");
        QVERIFY(socket.waitForReadyRead(kSafetyMs));
        server.stop();
        QVERIFY(server.waitForClosedConnections(1, 0));
        QCOMPARE(server.transcripts().first(), QByteArray("DIAGNOSTIC REPORT DPI\r\nSELF"));
        QVERIFY(socket.state() != QAbstractSocket::ConnectedState || socket.waitForDisconnected(kSafetyMs));
        QCOMPARE(server.port(), quint16(0));
    }

    void busyPortIsRefused() {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost));
        SimServer server;
        QVERIFY(!server.start(other.serverPort()));
        QCOMPARE(server.port(), quint16(0));
        QVERIFY(server.start());   // a free port still works afterwards
    }

    void stateIsSharedByConnections() {
        SimServer server(TestProfile());
        QVERIFY(server.start());
        QCOMPARE(Exchange(server.port(), "DIAGNOSTIC PASSWORD \"abc\"\r\n", 5), QByteArray("{1|1}"));
        QCOMPARE(Exchange(server.port(), "DIAGNOSTIC REPORT PASSWORD\r\n", 7), QByteArray("{3|abc}"));
        QCOMPARE(server.printer().profile().password, QByteArray("abc"));
    }

    void waitForClosedConnectionsGivesUp() {
        SimServer server;
        QVERIFY(server.start());
        QVERIFY(!server.waitForClosedConnections(1, 10));
    }
};

QTEST_GUILESS_MAIN(TestSimServer)
#include "tst_sim_server.moc"
