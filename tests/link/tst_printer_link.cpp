// SPDX-License-Identifier: Apache-2.0
// The command exchange: framing, reply lines and lists, the rings, chunked writes and progress.

#include "link/link_timing.h"
#include "link/printer_link.h"
#include "link/receive_ring.h"
#include "scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;

Q_DECLARE_METATYPE(lb::InterfaceKind)

namespace {

LinkTiming NoWaits() {
    return lb::test::ShortLinkTiming(10);
}

QList<QByteArray> Split(const QByteArray& bytes, int size) {
    QList<QByteArray> out;
    for (int i = 0; i < bytes.size(); i += size)
        out.append(bytes.mid(i, size));
    return out;
}

}   // namespace

class TestPrinterLink : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{NoWaits()};

private slots:
    void ringWrapsAround() {
        auto ring = std::make_unique<ReceiveRing>();
        ring->resetAt(ReceiveRing::kSize - 2);
        const uint8_t bytes[] = {1, 2, 3, 4, 5};
        QCOMPARE(ring->append(bytes, 5), 5u);
        QCOMPARE(ring->writePosition(), 3u);
        uint8_t b = 0;
        for (uint8_t expected = 1; expected <= 5; ++expected) {
            QVERIFY(ring->take(b));
            QCOMPARE(b, expected);
        }
        QVERIFY(!ring->take(b));
        QCOMPARE(ring->readPosition(), 3u);
        QCOMPARE(ring->count(), 0u);
    }

    void ringNeverOverfills() {
        auto ring = std::make_unique<ReceiveRing>();
        std::vector<uint8_t> big(ReceiveRing::kSize + 10, 7);
        QCOMPARE(ring->append(big.data(), uint32_t(big.size())), ReceiveRing::kSize);
        QCOMPARE(ring->count(), ReceiveRing::kSize);
    }

    void framedReply_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("capacity");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("data");

        QTest::newRow("plain") << QByteArray("{5|hello}") << 1024u << true << QByteArray("hello");
        QTest::newRow("length 0") << QByteArray("{0|}") << 1024u << true << QByteArray();
        QTest::newRow("no digits") << QByteArray("{|}") << 1024u << true << QByteArray();
        QTest::newRow("noise before brace")
            << QByteArray("ab\r\n{5|hello}") << 1024u << true << QByteArray("hello");
        QTest::newRow("binary data") << QByteArray("{4|{|}\0}", 8) << 1024u << true << QByteArray("{|}\0", 4);
        QTest::newRow("1022 fits 1024")
            << (QByteArray("{1022|") + QByteArray(1022, 'x') + "}") << 1024u << true << QByteArray(1022, 'x');
        QTest::newRow("1023 too big for 1024")
            << (QByteArray("{1023|") + QByteArray(1023, 'x') + "}") << 1024u << false << QByteArray();
        QTest::newRow("31 digits") << (QByteArray("{") + QByteArray(30, '0') + "5|hello}") << 1024u << true
                                   << QByteArray("hello");
        QTest::newRow("32 digits") << (QByteArray("{") + QByteArray(31, '0') + "5|hello}") << 1024u << false
                                   << QByteArray();
        QTest::newRow("beyond 32-bit") << QByteArray("{4294967301|x}") << 1024u << false << QByteArray();
        QTest::newRow("huge with 31 digits")
            << (QByteArray("{") + QByteArray(31, '9') + "|}") << 1024u << false << QByteArray();
        QTest::newRow("missing closing brace") << QByteArray("{5|helloX") << 1024u << false << QByteArray();
        QTest::newRow("ends after data") << QByteArray("{5|hello") << 1024u << false << QByteArray();
        QTest::newRow("no separator") << QByteArray("{5Xhello}") << 1024u << false << QByteArray();
        QTest::newRow("cut inside data") << QByteArray("{5|hel") << 1024u << false << QByteArray();
        QTest::newRow("cut inside length") << QByteArray("{12") << 1024u << false << QByteArray();
        QTest::newRow("nothing") << QByteArray() << 1024u << false << QByteArray();
        QTest::newRow("only noise") << QByteArray("noise") << 1024u << false << QByteArray();
        QTest::newRow("64 KiB of noise")
            << (QByteArray(65536, 'n') + "{2|ok}") << 1024u << true << QByteArray("ok");
        QTest::newRow("64 KiB + 1 of noise")
            << (QByteArray(65537, 'n') + "{2|ok}") << 1024u << false << QByteArray();
        QTest::newRow("capacity 2 takes empty") << QByteArray("{0|}") << 2u << true << QByteArray();
        QTest::newRow("capacity 2 refuses 1") << QByteArray("{1|a}") << 2u << false << QByteArray();
    }

    void framedReply() {
        QFETCH(QByteArray, input);
        QFETCH(uint, capacity);
        QFETCH(bool, ok);
        QFETCH(QByteArray, data);
        // The same bytes, whole and one at a time, on a kind with large and one with 1-byte fills.
        for (InterfaceKind kind : {InterfaceKind::Ethernet, InterfaceKind::Com, InterfaceKind::Usb}) {
            for (int split : {4096, 1}) {
                TransportScript script;
                script.segments = Split(input, split);
                ScopedScriptedTransport t(kind, &script);
                const LinkHandle h = OpenLink(kind);
                QVERIFY(h != kNoLink);
                std::vector<char> buffer(capacity + 1, '#');
                uint32_t length = 12345;
                QCOMPARE(ReadFramedReply(h, kind, buffer.data(), capacity, length), ok);
                if (ok) {
                    QCOMPARE(QByteArray(buffer.data(), int(length)), data);
                    QCOMPARE(buffer[length], '\0');
                }
                CloseLink(kind, h);
            }
        }
    }

    void comReadsOneBytePerFill() {
        TransportScript script;
        script.segments = {QByteArray("{12|abcdefghijkl}")};   // a 17-byte frame
        ScopedScriptedTransport t(InterfaceKind::Com, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Com);
        char buffer[64];
        uint32_t length = 0;
        QVERIFY(ReadFramedReply(h, InterfaceKind::Com, buffer, sizeof buffer, length));
        QCOMPARE(script.fills, 17);
        CloseLink(InterfaceKind::Com, h);
    }

    void replyLine_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("crlf") << QByteArray("A1234567\r\nrest") << true << QByteArray("A1234567");
        QTest::newRow("cr dropped inside") << QByteArray("a\rb\r\n") << true << QByteArray("ab");
        QTest::newRow("empty line") << QByteArray("\n") << true << QByteArray();
        QTest::newRow("no lf: ends at time-out") << QByteArray("partial") << true << QByteArray("partial");
        QTest::newRow("nothing at all") << QByteArray() << true << QByteArray();
        QTest::newRow("1024 characters") << (QByteArray(1024, 'x') + "\r\n") << true << QByteArray(1024, 'x');
        QTest::newRow("1024 plus CRs")
            << (QByteArray(1024, 'x') + QByteArray(5, '\r') + "\n") << true << QByteArray(1024, 'x');
        QTest::newRow("1025 characters") << (QByteArray(1025, 'x') + "\n") << false << QByteArray();
        // A CR beside every character is still a line; CRs beyond that are not.
        QTest::newRow("1024 characters, 1024 CRs")
            << (QByteArray(1024, 'x') + QByteArray(1024, '\r') + "\n") << true << QByteArray(1024, 'x');
        QTest::newRow("1 character, 2048 CRs")
            << (QByteArray("x") + QByteArray(2048, '\r') + "\n") << false << QByteArray();
    }

    void replyLine() {
        QFETCH(QByteArray, input);
        QFETCH(bool, ok);
        QFETCH(QByteArray, line);
        TransportScript script;
        script.segments = Split(input, 64);
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        char buffer[kReplyLineMax + 1];
        uint32_t length = 0;
        QCOMPARE(ReadReplyLine(h, InterfaceKind::Usb, buffer, length), ok);
        if (ok) QCOMPARE(QByteArray(buffer, int(length)), line);
        CloseLink(InterfaceKind::Usb, h);
    }

    // A peer that never stops sending noise, or CRs, cannot hold a read: it fails once the
    // bound is passed, long before the peer would stop.
    void endlessStreamEnds_data() {
        QTest::addColumn<bool>("line");
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<int>("bound");
        QTest::newRow("noise before a frame")
            << false << QByteArray("noise\r\n") << int(kMaxSkippedBeforeFrame);
        QTest::newRow("CRs in a line")
            << true << QByteArray(64, '\r') << int(kReplyLineMax + kReplyLineMaxCrs);
    }

    void endlessStreamEnds() {
        QFETCH(bool, line);
        QFETCH(QByteArray, pattern);
        QFETCH(int, bound);
        TransportScript script;
        script.repeat = pattern;
        script.repeatLimit = 16 * bound;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        char buffer[kReplyLineMax + 1];
        uint32_t length = 0;
        if (line) {
            QVERIFY(!ReadReplyLine(h, InterfaceKind::Usb, buffer, length));
        } else {
            QCOMPARE(SendCommandReadReply(h, InterfaceKind::Usb, "DIAGNOSTIC REPORT DPI\r\n", buffer,
                                          sizeof buffer, length),
                     int(kDataReceivingError));
        }
        QVERIFY2(script.delivered <= bound + 64, qPrintable(QString::number(script.delivered)));
        CloseLink(InterfaceKind::Usb, h);
    }

    // The transport's account of a failed open, write or read becomes the detail; a reply
    // the protocol does not allow is told by the link; each open starts without one.
    void failureDetail_data() {
        QTest::addColumn<bool>("openFails");
        QTest::addColumn<int>("failWriteAt");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("detail");
        const QString transport = "TEST: it broke";
        QTest::newRow("open fails") << true << -1 << QByteArray() << transport;
        QTest::newRow("write fails") << false << 0 << QByteArray() << transport;
        QTest::newRow("no reply") << false << -1 << QByteArray() << transport;
        QTest::newRow("cut inside data") << false << -1 << QByteArray("{5|hel") << transport;
        QTest::newRow("not a frame") << false << -1 << QByteArray("{5Xhello}")
                                     << "The reply is not a valid frame.";
        QTest::newRow("too long") << false << -1 << QByteArray("{100|")
                                  << "The reply is longer than the 62 bytes it may have.";
        QTest::newRow("endless noise") << false << -1 << QByteArray(70000, 'n')
                                       << "More than 65536 bytes arrived without a reply frame.";
        QTest::newRow("good reply") << false << -1 << QByteArray("{2|ok}") << QString();
    }

    void failureDetail() {
        QFETCH(bool, openFails);
        QFETCH(int, failWriteAt);
        QFETCH(QByteArray, reply);
        QFETCH(QString, detail);
        TransportScript script;
        script.errorText = "TEST: it broke";
        script.openFails = openFails;
        script.failWriteAt = failWriteAt;
        if (!reply.isEmpty()) script.segments = {reply};
        SetLastLinkErrorDetail("left from before");
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        if (h != kNoLink) {
            char buffer[64];
            uint32_t length = 0;
            SendCommandReadReply(h, InterfaceKind::Ethernet, "X\r\n", buffer, sizeof buffer, length);
            CloseLink(InterfaceKind::Ethernet, h);
        }
        QCOMPARE(LastLinkErrorDetail(), detail);
    }

    void replyList_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("capacity");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("two files") << QByteArray("{8|AUTO.BAS}{8|LOGO.PCX}{0|}") << 1024u << 0
                                   << QByteArray("AUTO.BAS\r\nLOGO.PCX\r\n");
        QTest::newRow("empty list") << QByteArray("{0|}") << 1024u << 0 << QByteArray();
        QTest::newRow("no end frame") << QByteArray("{3|abc}") << 1024u << 3 << QByteArray();
        QTest::newRow("malformed second") << QByteArray("{3|abc}{3|abcX") << 1024u << 3 << QByteArray();
        // Room for a frame is capacity - fill - 2, and a frame carries at most room - 2 bytes:
        // after 10 + 2 bytes, 2 more still leave room for the closing empty frame.
        QTest::newRow("fills exactly")
            << QByteArray("{10|0123456789}{2|ab}{0|}") << 20u << 0 << QByteArray("0123456789\r\nab\r\n");
        QTest::newRow("no room for the end")
            << QByteArray("{10|0123456789}{4|abcd}{0|}") << 20u << 3 << QByteArray();
        QTest::newRow("overflows") << QByteArray("{10|0123456789}{5|abcde}{0|}") << 20u << 3 << QByteArray();
    }

    // A list that never ends is cut by frames or by time, and says which.
    void endlessReplyList_data() {
        QTest::addColumn<int>("maxMs");
        QTest::addColumn<QString>("detail");
        QTest::newRow("frames") << 120000 << "more than 4096 entries";
        QTest::newRow("time") << -1 << "did not end within";
    }
    void endlessReplyList() {
        QFETCH(int, maxMs);
        QFETCH(QString, detail);
        LinkTiming timing = NoWaits();
        timing.replyListMaxMs = maxMs;
        ScopedLinkTiming scoped(timing);
        TransportScript script;
        script.segments = {QByteArray("{1|A}").repeated(5000)};
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        std::vector<char> buffer(65536);
        uint32_t total = 0;
        QCOMPARE(SendCommandReadReplyList(h, InterfaceKind::Ethernet, "DIAGNOSTIC REPORT DFILELIST\r\n",
                                          buffer.data(), uint32_t(buffer.size()), total),
                 int(kDataReceivingError));
        QVERIFY2(LastLinkErrorDetail().contains(detail), qPrintable(LastLinkErrorDetail()));
        CloseLink(InterfaceKind::Ethernet, h);
    }

    void replyList() {
        QFETCH(QByteArray, input);
        QFETCH(uint, capacity);
        QFETCH(int, result);
        QFETCH(QByteArray, text);
        TransportScript script;
        script.segments = {input};
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        std::vector<char> buffer(capacity, '#');
        uint32_t total = 999;
        QCOMPARE(SendCommandReadReplyList(h, InterfaceKind::Ethernet, "DIAGNOSTIC REPORT DFILELIST\r\n",
                                          buffer.data(), capacity, total),
                 result);
        QCOMPARE(script.written(), QByteArray("DIAGNOSTIC REPORT DFILELIST\r\n"));
        if (result == 0) {
            QCOMPARE(QByteArray(buffer.data(), int(total)), text);
            QCOMPARE(buffer[total], '\0');
        }
        CloseLink(InterfaceKind::Ethernet, h);
    }

    void readBytesFillsFromStart_data() {
        QTest::addColumn<InterfaceKind>("kind");
        QTest::newRow("USB") << InterfaceKind::Usb;
        QTest::newRow("COM") << InterfaceKind::Com;
        QTest::newRow("ETHERNET") << InterfaceKind::Ethernet;
    }

    void readBytesFillsFromStart() {
        QFETCH(InterfaceKind, kind);
        TransportScript script;
        script.segments = {QByteArray("\x01\x02\x03"), QByteArray("\x04\x05\x06\x07\x08\x09")};
        ScopedScriptedTransport t(kind, &script);
        const LinkHandle h = OpenLink(kind);
        uint8_t buffer[10] = {};
        QVERIFY(ReadLinkBytes(h, kind, buffer, 8));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(buffer[i]), i + 1);
        QCOMPARE(int(buffer[8]), 0);
        uint8_t more[4];
        QVERIFY(ReadLinkBytes(h, kind, more, 1));   // the ninth byte is still in the ring
        QVERIFY(!ReadLinkBytes(h, kind, more, 1));
        CloseLink(kind, h);
    }

    void parallelCannotRead() {
        TransportScript script;
        script.segments = {QByteArray("{1|a}")};
        ScopedScriptedTransport t(InterfaceKind::Lpt, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Lpt);
        uint8_t b;
        char buffer[16];
        uint32_t length = 0;
        QVERIFY(!ReadLinkByte(h, InterfaceKind::Lpt, b));
        QVERIFY(!ReadFramedReply(h, InterfaceKind::Lpt, buffer, sizeof buffer, length));
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Lpt, "X\r\n", buffer, sizeof buffer, length),
                 int(kDataReceivingError));
        QCOMPARE(script.fills, 0);
        CloseLink(InterfaceKind::Lpt, h);
    }

    void openResetsTheRing() {
        TransportScript script;
        script.segments = {QByteArray("{1|a}{1|b}")};
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        char buffer[16];
        uint32_t length = 0;
        QVERIFY(ReadFramedReply(h, InterfaceKind::Ethernet, buffer, sizeof buffer, length));
        CloseLink(InterfaceKind::Ethernet, h);
        // "{1|b}" was left in the ring: the next operation must not see it.
        h = OpenLink(InterfaceKind::Ethernet);
        QCOMPARE(ReceiveRingOf(InterfaceKind::Ethernet)->count(), 0u);
        QVERIFY(!ReadFramedReply(h, InterfaceKind::Ethernet, buffer, sizeof buffer, length));
        CloseLink(InterfaceKind::Ethernet, h);
    }

    void openRejectsUnknownKind() {
        QCOMPARE(OpenLink(static_cast<InterfaceKind>(4)), kNoLink);
        QCOMPARE(OpenLink(static_cast<InterfaceKind>(-1)), kNoLink);
        QVERIFY(!WriteLink(1, static_cast<InterfaceKind>(4), reinterpret_cast<const uint8_t*>("x"), 1));
        QCOMPARE(InterfaceAnnouncement(static_cast<InterfaceKind>(4)), nullptr);
    }

    void announcements() {
        QCOMPARE(QByteArray(InterfaceAnnouncement(InterfaceKind::Usb)),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE USB\r\n"));
        QCOMPARE(QByteArray(InterfaceAnnouncement(InterfaceKind::Com)),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE COM\r\n"));
        QCOMPARE(QByteArray(InterfaceAnnouncement(InterfaceKind::Lpt)),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE LPT\r\n"));
        QCOMPARE(QByteArray(InterfaceAnnouncement(InterfaceKind::Ethernet)),
                 QByteArray("\r\nDIAGNOSTIC INTERFACE NET\r\n"));
    }

    void chunking_data() {
        QTest::addColumn<InterfaceKind>("kind");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("chunks");
        QTest::addColumn<QList<int>>("percentages");
        QTest::newRow("USB 100") << InterfaceKind::Usb << 100 << QList<int>{64, 36} << QList<int>{3, 64, 100};
        QTest::newRow("COM 130") << InterfaceKind::Com << 130 << QList<int>{64, 64, 2}
                                 << QList<int>{3, 49, 98, 100};
        QTest::newRow("ETHERNET 1000")
            << InterfaceKind::Ethernet << 1000 << QList<int>{512, 488} << QList<int>{3, 51, 100, 100};
        QTest::newRow("ETHERNET 512")
            << InterfaceKind::Ethernet << 512 << QList<int>{512} << QList<int>{3, 100, 100};
        QTest::newRow("LPT 10000") << InterfaceKind::Lpt << 10000 << QList<int>{10000} << QList<int>{3, 100};
        QTest::newRow("USB empty") << InterfaceKind::Usb << 0 << QList<int>{} << QList<int>{3};
        QTest::newRow("ETHERNET empty") << InterfaceKind::Ethernet << 0 << QList<int>{} << QList<int>{3};
    }

    void chunking() {
        QFETCH(InterfaceKind, kind);
        QFETCH(int, length);
        QFETCH(QList<int>, chunks);
        QFETCH(QList<int>, percentages);
        TransportScript script;
        ScopedScriptedTransport t(kind, &script);
        RecordingObserver observer;
        ScopedObserver o(&observer);
        QByteArray block(length, '\0');
        for (int i = 0; i < length; ++i)
            block[i] = char(i * 7);
        const LinkHandle h = OpenLink(kind);
        ShowProgress(PercentOfBlock, 3, 3);
        QVERIFY(WriteLink(h, kind, block));
        QList<int> sizes;
        for (const QByteArray& c : script.chunks)
            sizes.append(int(c.size()));
        QCOMPARE(sizes, chunks);
        QCOMPARE(script.written(), block);
        QCOMPARE(observer.values, percentages);
        QCOMPARE(observer.pumps, int(chunks.size()));
        HideProgress();
        CloseLink(kind, h);
    }

    void stepPerWriteAdvancesOncePerWrite() {
        TransportScript script;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        RecordingObserver observer;
        ScopedObserver o(&observer);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        ShowProgress(StepPerWrite, 3, 3);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(SendCommand(h, InterfaceKind::Usb, "DIAGNOSTIC REPORT SPEED\r\n"), 0);
        HideProgress();
        CloseLink(InterfaceKind::Usb, h);
        QCOMPARE(observer.shown, 1);
        QCOMPARE(observer.hidden, 1);
        QCOMPARE(observer.values.first(), 3);
        QCOMPARE(observer.values.at(1), 6);
        QCOMPARE(observer.values.at(32), 99);
        QCOMPARE(observer.values.at(33), 100);   // never beyond the maximum
        QCOMPARE(observer.values.last(), 100);
        QVERIFY(!ProgressActive());
    }

    void progressIgnoresOtherModeAndInactive() {
        RecordingObserver observer;
        ScopedObserver o(&observer);
        AdvanceProgress(PercentOfBlock, 50);   // nothing shown
        QVERIFY(observer.values.isEmpty());
        ShowProgress(StepPerWrite, 3, 3);
        AdvanceProgress(PercentOfBlock, 50);
        QCOMPARE(observer.values, QList<int>{3});
        HideProgress();
        QCOMPARE(observer.values, (QList<int>{3, 100}));
    }

    void failingChunkStopsTheWrite() {
        TransportScript script;
        script.failWriteAt = 1;
        ScopedScriptedTransport t(InterfaceKind::Usb, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        QVERIFY(!WriteLink(h, InterfaceKind::Usb, QByteArray(200, 'a')));
        QCOMPARE(script.chunks.size(), 1);   // the first 64 bytes stay written, nothing after the failure
        QCOMPARE(SendCommand(h, InterfaceKind::Usb, "X\r\n"), int(kDataTransmissionError));
        char buffer[16];
        uint32_t length;
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Usb, "X\r\n", buffer, sizeof buffer, length),
                 int(kDataTransmissionError));
        CloseLink(InterfaceKind::Usb, h);
    }

    void sendCommandReadReply() {
        TransportScript script;
        script.segments = {QByteArray("\r\n{3|203}")};
        ScopedScriptedTransport t(InterfaceKind::Ethernet, &script);
        const LinkHandle h = OpenLink(InterfaceKind::Ethernet);
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Ethernet, "DIAGNOSTIC REPORT DPI\r\n", buffer,
                                      sizeof buffer, length),
                 0);
        QCOMPARE(QByteArray(buffer, int(length)), QByteArray("203"));
        QCOMPARE(script.written(), QByteArray("DIAGNOSTIC REPORT DPI\r\n"));
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Ethernet, "DIAGNOSTIC REPORT DPI\r\n", buffer,
                                      sizeof buffer, length),
                 int(kDataReceivingError));
        CloseLink(InterfaceKind::Ethernet, h);
    }
};

QTEST_GUILESS_MAIN(TestPrinterLink)
#include "tst_printer_link.moc"
