// SPDX-License-Identifier: Apache-2.0
// Operation 0: the bytes sent, the status and detail bytes read, their flags and the status word.

#include "config/printer_status.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "sim/in_process_transport.h"
#include "sim/sim_server.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <cstring>

using namespace lb;

Q_DECLARE_METATYPE(lb::InterfaceKind)

namespace {

const QByteArray kStatusQuery("\x1b\x21\x3f", 3);
const QByteArray kDetailQuery("\x1b\x21\x53\x0d\x0a", 5);

QByteArray Bytes(const PrinterStatus& s) {
    return QByteArray(reinterpret_cast<const char*>(&s), sizeof s);
}

// Ten flags written as a text of 0s and 1s, byte 0 first.
QByteArray Flags(const char* text) {
    QByteArray b;
    for (const char* p = text; *p; ++p)
        b.append(*p == '1' ? '\1' : '\0');
    return b;
}

QByteArray Detail(uint8_t fifth) {
    QByteArray d(8, '\0');
    d[4] = char(fifth);
    return d;
}

PrinterStatus Stale() {
    PrinterStatus s;
    std::memset(&s, 0x55, sizeof s);
    return s;
}

}   // namespace

class TestPrinterStatus : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();

private slots:
    void initTestCase() { RegisterLinkSettings(&m_serial, &m_parallel, &m_target); }

    // Status byte and detail answer -> flags -> status word.
    void decodesAndNames_data() {
        QTest::addColumn<QByteArray>("reply");   // what the printer sends, both answers
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, uint8_t status, const QByteArray& detail, const char* flags,
                      const char* text) {
            QTest::newRow(name) << (QByteArray(1, char(status)) + detail) << Flags(flags) << QString(text);
        };
        row("nothing, no detail answer", 0x00, {}, "0000000000", "Ready");
        row("nothing, detail zero", 0x00, Detail(0), "0000000000", "Ready");
        row("head open and printing", 0x21, Detail(0), "1000010000", "Head Open");
        row("ribbon, encoder bit wins over out-of-ribbon", 0x08, Detail(0x0c), "0001000010",
            "Ribbon Encoder Err.");
        row("ribbon, out of ribbon", 0x08, Detail(0x04), "0001000001", "Out of Ribbon");
        row("ribbon error without detail answer", 0x08, {}, "0001000000", "Ready");
        row("ribbon error, detail without ribbon bits", 0x08, Detail(0x03), "0001000000", "Ready");
        row("detail bits without ribbon error", 0x00, Detail(0x0c), "0000000010", "Ready");
        row("bit 6 alone", 0x40, Detail(0), "0000001000", "Ready");
        row("printing", 0x20, Detail(0), "0000010000", "Printing");
        row("pause over printing", 0x30, Detail(0), "0000110000", "Pause");
        row("paper jam over pause", 0x12, Detail(0), "0100100000", "Paper Jam");
        row("out of paper over paper jam", 0x06, Detail(0), "0110000000", "Out of Paper");
        row("out of ribbon over out of paper", 0x0c, Detail(0x04), "0011000001", "Out of Ribbon");
        row("other error over out of ribbon", 0x88, Detail(0x04), "0001000101", "Other Error");
        row("head open over everything", 0xff, Detail(0x0c), "1111111110", "Head Open");
        row("only the fifth detail byte counts", 0x08, QByteArray("\x0c\x0c\x0c\x0c\x00\x0c\x0c\x0c", 8),
            "0001000000", "Ready");
        row("short detail answer is ignored", 0x08, QByteArray("\0\0\0\0\x0c", 5), "0001000000", "Ready");
    }

    void decodesAndNames() {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, flags);
        QFETCH(QString, text);
        TransportScript script;
        script.segments = {reply.left(1)};
        if (reply.size() > 1) script.segments.append(reply.mid(1));
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        PrinterStatus status = Stale();
        QCOMPARE(RunPrinterOperation(kOpQueryStatus, InterfaceKind::Usb, &status, 0), 0);
        QCOMPARE(Bytes(status), flags);
        QCOMPARE(StatusText(status), text);
        QCOMPARE(script.written(), kStatusQuery + kDetailQuery);
        QCOMPARE(script.opens, 1);
        QCOMPARE(script.closes, 1);
    }

    // A record loaded from a file may hold both ribbon flags: out of ribbon ranks higher.
    void textOfLoadedRecord() {
        PrinterStatus s{};
        s.ribbonError = 1;
        s.ribbonEncoderError = 1;
        s.outOfRibbon = 1;
        QCOMPARE(StatusText(s), QString("Out of Ribbon"));
        s.ribbonError = 0;
        QCOMPARE(StatusText(s), QString("Ready"));
    }

    void failures_data() {
        QTest::addColumn<bool>("openFails");
        QTest::addColumn<int>("failWriteAt");
        QTest::addColumn<QList<QByteArray>>("segments");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("cannot open") << true << -1 << QList<QByteArray>{} << 1 << QByteArray();
        QTest::newRow("status query not written") << false << 0 << QList<QByteArray>{} << 2 << QByteArray();
        QTest::newRow("no status byte") << false << -1 << QList<QByteArray>{} << 3 << kStatusQuery;
        QTest::newRow("detail query not written")
            << false << 1 << QList<QByteArray>{QByteArray(1, '\x21')} << 2 << kStatusQuery;
    }

    // Every failure ends with its LinkError, the link closed, the caller's record untouched.
    void failures() {
        QFETCH(bool, openFails);
        QFETCH(int, failWriteAt);
        QFETCH(QList<QByteArray>, segments);
        QFETCH(int, result);
        QFETCH(QByteArray, written);
        TransportScript script;
        script.openFails = openFails;
        script.failWriteAt = failWriteAt;
        script.segments = segments;
        ScopedScriptedTransport transport(InterfaceKind::Com, &script);
        PrinterStatus status = Stale();
        QCOMPARE(RunPrinterOperation(kOpQueryStatus, InterfaceKind::Com, &status, 0), result);
        QCOMPARE(Bytes(status), Bytes(Stale()));
        QCOMPARE(script.written(), written);
        QCOMPARE(script.closes, openFails ? 0 : 1);
        QVERIFY(!LinkIsOpen());
    }

    void lptAndNullRecordOpenNothing() {
        TransportScript script;
        script.segments = {QByteArray(1, '\0'), Detail(0)};
        ScopedScriptedTransport lpt(InterfaceKind::Lpt, &script);
        PrinterStatus status = Stale();
        QCOMPARE(RunPrinterOperation(kOpQueryStatus, InterfaceKind::Lpt, &status, 0), 3);
        QCOMPARE(Bytes(status), Bytes(Stale()));
        ScopedScriptedTransport usb(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpQueryStatus, InterfaceKind::Usb, nullptr, 0), int(kUnknownError));
        QCOMPARE(script.opens, 0);
    }

    // The simulated printer over the in-process transport, on the reading kinds, including a
    // printer that hangs up right after its status byte.
    void simulatedPrinter_data() {
        QTest::addColumn<InterfaceKind>("kind");
        QTest::addColumn<int>("closeAfter");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("transcript");
        QTest::newRow("USB") << InterfaceKind::Usb << -1 << 0 << kStatusQuery + kDetailQuery;
        QTest::newRow("COM") << InterfaceKind::Com << -1 << 0 << kStatusQuery + kDetailQuery;
        QTest::newRow("USB, closed after the status byte") << InterfaceKind::Usb << 1 << 2 << kStatusQuery;
        QTest::newRow("COM, closed after the status byte") << InterfaceKind::Com << 1 << 2 << kStatusQuery;
    }

    void simulatedPrinter() {
        QFETCH(InterfaceKind, kind);
        QFETCH(int, closeAfter);
        QFETCH(int, result);
        QFETCH(QByteArray, transcript);
        sim::Profile profile = sim::Profile::Default();
        profile.statusByte = 0x08;
        profile.statusDetail = Detail(0x04);
        sim::SimulatedPrinter printer(profile);
        sim::Faults faults;
        faults.closeAfterCommands = closeAfter;
        sim::InProcessStats stats;
        QList<std::shared_ptr<sim::PrinterSession>> sessions;
        SetTransport(kind, sim::MakeInProcessTransport(&printer, faults, &stats, &sessions));
        PrinterStatus status = Stale();
        const int got = RunPrinterOperation(kOpQueryStatus, kind, &status, 0);
        SetTransport(kind, nullptr);
        QCOMPARE(got, result);
        if (result == 0)
            QCOMPARE(StatusText(status), QString("Out of Ribbon"));
        else
            QCOMPARE(Bytes(status), Bytes(Stale()));
        QCOMPARE(sessions.size(), 1);
        QCOMPARE(sessions.first()->transcript(), transcript);
        QVERIFY(!LinkIsOpen());
    }

    void overTcp() {
        sim::Profile profile = sim::Profile::Default();
        profile.statusByte = 0x08;
        profile.statusDetail = Detail(0x0c);
        sim::SimServer server(profile);
        QVERIFY(server.start());
        NetworkTarget target = DefaultNetworkTarget();
        CopyToField(target.host, "127.0.0.1", 9);
        target.port = server.port();
        RegisterLinkSettings(&m_serial, &m_parallel, &target);
        PrinterStatus status{};
        const int result = RunPrinterOperation(kOpQueryStatus, InterfaceKind::Ethernet, &status, 0);
        RegisterLinkSettings(&m_serial, &m_parallel, &m_target);
        QCOMPARE(result, 0);
        QCOMPARE(StatusText(status), QString("Ribbon Encoder Err."));
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), kStatusQuery + kDetailQuery);
    }
};

QTEST_GUILESS_MAIN(TestPrinterStatus)
#include "tst_printer_status.moc"
