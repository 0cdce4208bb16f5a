// SPDX-License-Identifier: Apache-2.0
// The COM link against the simulated printer on a pseudo-terminal, faults included.

#include "config/printer_config.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/pty_server.h"
#include "tests/support/short_timing.h"

#include <QSerialPort>
#include <QtTest>

using namespace lb;
using lb::sim::Faults;
using lb::sim::Profile;
using lb::sim::PtyServer;

namespace {

const InterfaceKind kCom = InterfaceKind::Com;

// Counts the fills the link asks of the real serial transport, and their sizes.
struct FillCount {
    int fills = 0;
    uint32_t largest = 0;
};

class CountingTransport final : public Transport {
public:
    CountingTransport(std::unique_ptr<Transport> inner, FillCount* count)
        : m_inner(std::move(inner)), m_count(count) {}
    LinkHandle open(const LinkSettingsView& s) override { return m_inner->open(s); }
    void close() override { m_inner->close(); }
    int64_t writeChunk(const uint8_t* b, uint32_t n) override { return m_inner->writeChunk(b, n); }
    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        ++m_count->fills;
        m_count->largest = std::max(m_count->largest, maxLength);
        return m_inner->fill(buffer, maxLength, timeoutMs);
    }

private:
    std::unique_ptr<Transport> m_inner;
    FillCount* m_count;
};

Profile TestProfile() {
    Profile p = Profile::Default();
    p.reports["DPI"] = "203";
    p.reports["VERSION"] = "V1.23 EZ";
    return p;
}

}   // namespace

class TestSerialLink : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_network = DefaultNetworkTarget();

    void usePort(const QByteArray& name, int baudIndex = 2) {
        m_serial = DefaultSerialSettings();
        CopyToField(m_serial.portName, name.constData(), std::size_t(name.size()));
        m_serial.baudIndex = baudIndex;
        RegisterLinkSettings(&m_serial, &m_parallel, &m_network);
    }

private slots:
    void init() { SetTransport(kCom, nullptr); }
    void cleanup() { SetTransport(kCom, nullptr); }

    void readConfiguration_data() {
        QTest::addColumn<int>("baudIndex");
        QTest::newRow("9600") << 2;
        QTest::newRow("115200") << 6;
    }
    void readConfiguration() {
        // A pseudo-terminal refuses the modem lines and ignores the baud rate: the open
        // goes on regardless, and the whole configuration read runs over the line.
        QFETCH(int, baudIndex);
        PtyServer pty(TestProfile());
        QVERIFY(pty.start());
        usePort(pty.slavePath(), baudIndex);
        PrinterConfig config{};
        ClearConfig(config);
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, kCom, &config, 0), 0);
        QCOMPARE(float(config.Dpi), 203.0f);
        QCOMPARE(QByteArray(config.Version), QByteArray("V1.23 EZ"));
        QVERIFY(pty.transcript().startsWith("\r\nDIAGNOSTIC INTERFACE COM\r\nDIAGNOSTIC REPORT "));
        QVERIFY(!LinkIsOpen());
    }

    void writeArrivesWhole_data() {
        QTest::addColumn<int>("baudIndex");
        QTest::newRow("9600") << 2;
        QTest::newRow("115200") << 6;
    }
    void writeArrivesWhole() {
        QFETCH(int, baudIndex);
        PtyServer pty(TestProfile());
        QVERIFY(pty.start());
        usePort(pty.slavePath(), baudIndex);
        QByteArray block;
        for (int i = 0; i < 2000; ++i)
            block += char('A' + i % 26);
        block += "\r\n";
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, kCom, block.data(), int(block.size())), 0);
        QVERIFY(pty.waitForTranscript(block.size(), 5000));
        QCOMPARE(pty.transcript(), block);
    }

    void oneByteFills() {
        // A frame of 20 data bytes ("{20|" + 20 + "}") is 25 bytes: at least 25 one-byte reads.
        Profile profile = TestProfile();
        profile.reports["VERSION"] = QByteArray(20, 'v');
        PtyServer pty(profile);
        QVERIFY(pty.start());
        usePort(pty.slavePath());
        FillCount count;
        SetTransport(kCom, std::make_unique<CountingTransport>(MakeSerialTransport(), &count));
        const LinkHandle h = OpenLink(kCom);
        QVERIFY(h != kNoLink);
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        const int r =
            SendCommandReadReply(h, kCom, "DIAGNOSTIC REPORT VERSION\r\n", buffer, sizeof buffer, length);
        CloseLink(kCom, h);
        QCOMPARE(r, 0);
        QCOMPARE(QByteArray(buffer, int(length)), QByteArray(20, 'v'));
        QVERIFY2(count.fills >= 25, qPrintable(QString::number(count.fills)));
        QCOMPARE(count.largest, 1u);
    }

    void missingPort_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("detail");   // a part of what the technician is told
        // The name is cut to the record's 23 characters; the detail names what was tried.
        QTest::newRow("no such device")
            << QByteArray("/dev/labelbench-no-such-tty") << "/dev/labelbench-no-such: no such device";
        QTest::newRow("not a port name") << QByteArray("COM31") << "COM31: not a serial port";
        QTest::newRow("empty name") << QByteArray() << "COM: not a serial port";
    }
    void missingPort() {
        QFETCH(QByteArray, name);
        QFETCH(QString, detail);
        usePort(name);
        QCOMPARE(OpenLink(kCom), kNoLink);
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kCom, nullptr, 0), int(kPortOpenError));
        QCOMPARE(RunPrinterOperation(kOpSelfTest, kCom, nullptr, 0), int(kPortOpenError));
        QVERIFY(!LinkIsOpen());
        QVERIFY2(LastLinkErrorDetail().contains(detail), qPrintable(LastLinkErrorDetail()));
    }

    void busyPort() {
        PtyServer pty(TestProfile());
        QVERIFY(pty.start());
        usePort(pty.slavePath());
        QSerialPort other(QString::fromLocal8Bit(pty.slavePath()));
        QVERIFY(other.open(QIODevice::ReadWrite));
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kCom, nullptr, 0), int(kPortOpenError));
        QVERIFY2(LastLinkErrorDetail().endsWith("in use by another program"),
                 qPrintable(LastLinkErrorDetail()));
        other.close();
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kCom, nullptr, 0), 0);
    }

    void silentPrinter() {
        // A printer that does not answer: the read gives up after the (shortened) wait.
        Faults f;
        f.silentKeywords.insert("DPI");
        PtyServer pty(TestProfile(), f);
        QVERIFY(pty.start());
        usePort(pty.slavePath());
        PrinterConfig config{};
        ClearConfig(config);
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, kCom, &config, 0), int(kDataReceivingError));
        QVERIFY(!LinkIsOpen());
    }

    void deviceGoneMidOperation() {
        // The line hangs up after the first command (an unplugged adapter): the read fails
        // with 3 or, when the next command no longer goes out, 2; never success, no hang.
        Faults f;
        f.closeAfterCommands = 1;
        PtyServer pty(TestProfile(), f);
        QVERIFY(pty.start());
        usePort(pty.slavePath());
        PrinterConfig config{};
        ClearConfig(config);
        const int r = RunPrinterOperation(kOpReadConfiguration, kCom, &config, 0);
        QVERIFY2(r == kDataTransmissionError || r == kDataReceivingError, qPrintable(QString::number(r)));
        QVERIFY(!LinkIsOpen());
        QVERIFY(pty.hungUp());
        // The device is gone now: the next operation cannot open it.
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kCom, nullptr, 0), int(kPortOpenError));
    }

    void writeToDeadLine() {
        // The line goes away between open and write: the write fails at once with 2.
        PtyServer pty(TestProfile());
        QVERIFY(pty.start());
        usePort(pty.slavePath());
        const LinkHandle h = OpenLink(kCom);
        QVERIFY(h != kNoLink);
        pty.stop();
        QByteArray block(4096, 'x');
        QVERIFY(!WriteLink(h, kCom, block));
        uint8_t byte = 0;
        QVERIFY(!ReadLinkByte(h, kCom, byte));
        CloseLink(kCom, h);
        QVERIFY(!LinkIsOpen());
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_serial_link.moc"
