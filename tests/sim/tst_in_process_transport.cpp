// SPDX-License-Identifier: Apache-2.0
// The in-process transport: LabelBench's link on USB and COM talking to the simulated
// printer without a device, and the printer's faults as the link's reader sees them.

#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"

#include <QtTest>

using namespace lb;
using lb::sim::Faults;
using lb::sim::InProcessStats;
using lb::sim::MakeInProcessTransport;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

Q_DECLARE_METATYPE(Faults::Malformed)
Q_DECLARE_METATYPE(lb::InterfaceKind)

namespace {

Profile TestProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.reports["VERSION"] = "V1.23 EZ";
    p.statusByte = 0x08;
    p.statusDetail = QByteArray("\0\0\0\0\x0c\0\0\0", 8);
    return p;
}

LinkTiming NoPauses() {
    LinkTiming t;
    t.replyListPauseMs = 0;
    t.progressHidePauseMs = 0;
    return t;
}

}   // namespace

class TestInProcessTransport : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{NoPauses()};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();
    SimulatedPrinter m_printer{TestProfile()};
    InProcessStats m_stats;
    QList<std::shared_ptr<PrinterSession>> m_sessions;

    void use(InterfaceKind kind, const Faults& faults = {}) {
        m_stats = {};
        m_sessions.clear();
        SetTransport(kind, MakeInProcessTransport(&m_printer, faults, &m_stats, &m_sessions));
    }

    // Announcement, then one report; the result of the report exchange.
    int readReport(InterfaceKind kind, const char* keyword, QByteArray* data = nullptr) {
        const LinkHandle h = OpenLink(kind);
        if (h == kNoLink) return kPortOpenError;
        char buffer[kReplyBufferSize];
        int r = SendInterfaceAnnouncement(h, kind, buffer, sizeof buffer);
        uint32_t length = 0;
        if (r == 0) {
            const QByteArray command = QByteArray("DIAGNOSTIC REPORT ") + keyword + "\r\n";
            r = SendCommandReadReply(h, kind, command.constData(), buffer, sizeof buffer, length);
        }
        if (r == 0 && data) *data = QByteArray(buffer, int(length));
        CloseLink(kind, h);
        return r;
    }

private slots:
    void initTestCase() { RegisterLinkSettings(&m_serial, &m_parallel, &m_target); }

    void cleanup() {
        SetTransport(InterfaceKind::Usb, nullptr);
        SetTransport(InterfaceKind::Com, nullptr);
        m_printer.setProfile(TestProfile());
    }

    void reportOverEachKind_data() {
        QTest::addColumn<InterfaceKind>("kind");
        QTest::addColumn<QByteArray>("announcement");
        QTest::newRow("USB") << InterfaceKind::Usb << QByteArray("DIAGNOSTIC INTERFACE USB");
        QTest::newRow("COM") << InterfaceKind::Com << QByteArray("DIAGNOSTIC INTERFACE COM");
    }
    void reportOverEachKind() {
        QFETCH(InterfaceKind, kind);
        QFETCH(QByteArray, announcement);
        use(kind);
        QByteArray data;
        QCOMPARE(readReport(kind, "VERSION", &data), 0);
        QCOMPARE(data, QByteArray("V1.23 EZ"));
        QCOMPARE(m_stats.opens, 1);
        QVERIFY(m_stats.fills > 0);
        QCOMPARE(m_sessions.size(), 1);
        QCOMPARE(m_sessions.first()->commands().size(), 2);
        QCOMPARE(m_sessions.first()->commands().first().bytes, announcement);
    }

    void writesArriveInChunks() {
        // 100 bytes over USB: one chunk of 64 and one of 36.
        use(InterfaceKind::Usb);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        QCOMPARE(h, LinkHandle(7));
        const QByteArray block = QByteArray(98, 'A') + "\r\n";
        QVERIFY(WriteLink(h, InterfaceKind::Usb, block));
        CloseLink(InterfaceKind::Usb, h);
        QCOMPARE(m_stats.chunkSizes, (QList<uint32_t>{64, 36}));
        QCOMPARE(m_sessions.first()->transcript(), block);
    }

    void statusBytes() {
        use(InterfaceKind::Usb);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        QVERIFY(WriteLink(h, InterfaceKind::Usb, QByteArray("\x1b\x21\x3f", 3)));
        uint8_t status = 0xff;
        QVERIFY(ReadLinkByte(h, InterfaceKind::Usb, status));
        QCOMPARE(status, uint8_t(0x08));
        QVERIFY(WriteLink(h, InterfaceKind::Usb, QByteArray("\x1b\x21\x53\x0d\x0a", 5)));
        uint8_t detail[8] = {};
        QVERIFY(ReadLinkBytes(h, InterfaceKind::Usb, detail, 8));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(detail), 8), QByteArray("\0\0\0\0\x0c\0\0\0", 8));
        // Nothing more: the next read finds no byte.
        QVERIFY(!ReadLinkByte(h, InterfaceKind::Usb, status));
        CloseLink(InterfaceKind::Usb, h);
    }

    void faultsAsTheLinkSeesThem_data() {
        QTest::addColumn<Faults::Malformed>("malformed");
        QTest::addColumn<QByteArray>("noise");
        QTest::addColumn<bool>("oneByte");
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<int>("result");
        using M = Faults::Malformed;
        QTest::newRow("plain") << M::None << QByteArray() << false << QByteArray() << 0;
        QTest::newRow("noise is skipped") << M::None << QByteArray("ab\r\n") << false << QByteArray() << 0;
        QTest::newRow("one byte per fill") << M::None << QByteArray() << true << QByteArray() << 0;
        QTest::newRow("missing closing brace")
            << M::MissingClosingBrace << QByteArray() << false << QByteArray() << 3;
        QTest::newRow("32 length digits") << M::TooManyDigits << QByteArray() << false << QByteArray() << 3;
        QTest::newRow("more than the buffer")
            << M::OversizedLength << QByteArray() << false << QByteArray() << 3;
        QTest::newRow("no separator") << M::NoSeparator << QByteArray() << false << QByteArray() << 3;
        QTest::newRow("silent keyword") << M::None << QByteArray() << false << QByteArray("DPI") << 3;
    }
    void faultsAsTheLinkSeesThem() {
        QFETCH(Faults::Malformed, malformed);
        QFETCH(QByteArray, noise);
        QFETCH(bool, oneByte);
        QFETCH(QByteArray, silent);
        QFETCH(int, result);
        Faults f;
        f.malformed = malformed;
        f.noiseBeforeFrame = noise;
        f.oneByteSegments = oneByte;
        if (!silent.isEmpty()) f.silentKeywords.insert(silent);
        use(InterfaceKind::Usb, f);
        QByteArray data;
        QCOMPARE(readReport(InterfaceKind::Usb, "DPI", &data), result);
        if (result == 0) QCOMPARE(data, QByteArray("203"));
        QVERIFY(!LinkIsOpen());
    }

    void closedSessionRefusesWrites() {
        Faults f;
        f.closeAfterCommands = 1;
        use(InterfaceKind::Usb, f);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        // The command that closes is still answered; the next write fails.
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Usb, "DIAGNOSTIC REPORT DPI\r\n", buffer,
                                      sizeof buffer, length),
                 0);
        QCOMPARE(QByteArray(buffer, int(length)), QByteArray("203"));
        QCOMPARE(SendCommand(h, InterfaceKind::Usb, "DIAGNOSTIC REPORT DPI\r\n"),
                 int(kDataTransmissionError));
        CloseLink(InterfaceKind::Usb, h);
        // A new open is a new session: its announcement is answered, then the report cannot be sent.
        QCOMPARE(readReport(InterfaceKind::Usb, "DPI"), int(kDataTransmissionError));
        QCOMPARE(m_stats.opens, 2);
        QCOMPARE(m_sessions.size(), 2);
    }

    void repliesLeftUnreadDoNotReachTheNextOpen() {
        use(InterfaceKind::Com);
        LinkHandle h = OpenLink(InterfaceKind::Com);
        QCOMPARE(SendCommand(h, InterfaceKind::Com, "DIAGNOSTIC REPORT DPI\r\n"), 0);
        CloseLink(InterfaceKind::Com, h);
        QByteArray data;
        QCOMPARE(readReport(InterfaceKind::Com, "VERSION", &data), 0);
        QCOMPARE(data, QByteArray("V1.23 EZ"));
    }

    void passwordWrittenReadsBack() {
        use(InterfaceKind::Usb);
        const LinkHandle h = OpenLink(InterfaceKind::Usb);
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        QCOMPARE(SendCommandReadReply(h, InterfaceKind::Usb, "DIAGNOSTIC PASSWORD \"n3w\"\r\n", buffer,
                                      sizeof buffer, length),
                 0);
        CloseLink(InterfaceKind::Usb, h);
        QByteArray data;
        QCOMPARE(readReport(InterfaceKind::Usb, "PASSWORD", &data), 0);
        QCOMPARE(data, QByteArray("n3w"));
    }
};

QTEST_GUILESS_MAIN(TestInProcessTransport)
#include "tst_in_process_transport.moc"
