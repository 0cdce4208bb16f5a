// SPDX-License-Identifier: Apache-2.0
// The USB link through a fake backend, and the libusb backend on this machine.

#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "link/usb_backend.h"
#include "tests/link/fake_usb_backend.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;

namespace {

const InterfaceKind kUsb = InterfaceKind::Usb;

class ScopedFakeUsb {
public:
    explicit ScopedFakeUsb(FakeUsbState* state) {
        SetUsbBackend(std::make_unique<FakeUsbBackend>(state));
        SetTransport(kUsb, nullptr);
    }
    ~ScopedFakeUsb() {
        SetTransport(kUsb, nullptr);
        SetUsbBackend(nullptr);
    }
};

}   // namespace

class TestUsbLink : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};

private slots:
    void init() { SetAcceptedUsbVendorIds({"1111", "2222"}); }
    void cleanup() { SetAcceptedUsbVendorIds({}); }

    void productIdentifiers() {
        SetAcceptedUsbVendorIds({});
        const QList<QByteArray> ids = AcceptedUsbVendorIds();
        QCOMPARE(ids.size(), 2);
        for (const QByteArray& id : ids)
            QVERIFY2(IsUsbVendorIdText(id), id.constData());
    }

    void selection_data() {
        QTest::addColumn<QList<QByteArray>>("paths");
        QTest::addColumn<QByteArray>("selected");
        QTest::addColumn<int>("enumerations");
        QTest::newRow("first identifier, first in order")
            << QList<QByteArray>{"usb#vid_9999&pid_0001#1-1", "usb#vid_1111&pid_0001#1-2",
                                 "usb#vid_1111&pid_0002#1-3"}
            << QByteArray("usb#vid_1111&pid_0001#1-2") << 1;
        QTest::newRow("first identifier wins over an earlier second")
            << QList<QByteArray>{"usb#vid_2222&pid_0001#1-1", "usb#vid_1111&pid_0001#1-2"}
            << QByteArray("usb#vid_1111&pid_0001#1-2") << 1;
        QTest::newRow("second identifier only when the first is absent")
            << QList<QByteArray>{"usb#vid_9999&pid_0001#1-1", "usb#vid_2222&pid_0007#2-1"}
            << QByteArray("usb#vid_2222&pid_0007#2-1") << 2;
        QTest::newRow("upper-case VID is not accepted")
            << QList<QByteArray>{"usb#VID_1111&PID_0001#1-1"} << QByteArray() << 2;
        QTest::newRow("upper-case hex digits are not accepted")
            << QList<QByteArray>{"usb#vid_11A1&pid_0001#1-1"} << QByteArray() << 2;
        QTest::newRow("the first vid marker decides")
            << QList<QByteArray>{"usb#vid_9999&pid_0001#vid_1111"} << QByteArray() << 2;
        QTest::newRow("path ends early") << QList<QByteArray>{"usb#vid_11"} << QByteArray() << 2;
        QTest::newRow("no devices") << QList<QByteArray>{} << QByteArray() << 2;
    }
    void selection() {
        QFETCH(QList<QByteArray>, paths);
        QFETCH(QByteArray, selected);
        QFETCH(int, enumerations);
        FakeUsbState state;
        for (const QByteArray& p : paths)
            state.devices.append(UsbDevice(p.constData()));
        ScopedFakeUsb fake(&state);
        const LinkHandle h = OpenLink(kUsb);
        QCOMPARE(h != kNoLink, !selected.isEmpty());
        QCOMPARE(state.opened, selected);
        QCOMPARE(state.enumerations, enumerations);
        if (h != kNoLink) CloseLink(kUsb, h);
        QVERIFY(state.opened.isEmpty());
        if (selected.isEmpty())
            QCOMPARE(RunPrinterOperation(kOpLinkCheck, kUsb, nullptr, 0), int(kPortOpenError));
    }

    void displayNames() {
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1", "Label Printer 200", "Acme USB device"),
                         UsbDevice("usb#vid_1111&pid_0002#1-2", "", "Acme USB device 1111:0002"),
                         UsbDevice("usb#vid_1111&pid_0003#1-3")};
        UsbDeviceList list;
        FakeUsbBackend backend(&state);
        QCOMPARE(list.enumerate(backend), 3);
        QCOMPARE(list.displayName(0), QString("Label Printer 200"));
        QCOMPARE(list.displayName(1), QString("Acme USB device 1111:0002"));
        QCOMPARE(list.displayName(2), QString("usb#vid_1111&pid_0003#1-3"));
        // Names are cut to 255 bytes; the list holds at most 256 devices.
        state.devices.clear();
        for (int i = 0; i < 300; ++i)
            state.devices.append(UsbDevice("usb#vid_1111&pid_0001#x", QByteArray(400, 'n').constData()));
        QCOMPARE(list.enumerate(backend), 256);
        QCOMPARE(list.displayName(0).toUtf8().size(), 255);
    }

    void fills_data() {
        QTest::addColumn<int>("replySize");
        QTest::addColumn<int>("packetSize");
        QTest::addColumn<int>("reads");
        QTest::newRow("64 bytes, one read") << 64 << 64 << 1;
        QTest::newRow("65 bytes, two reads") << 65 << 64 << 2;
        // A high-speed endpoint sends up to 512 bytes at once: none of it is lost.
        QTest::newRow("100 bytes in one 512-byte packet") << 100 << 512 << 1;
    }
    void fills() {
        QFETCH(int, replySize);
        QFETCH(int, packetSize);
        QFETCH(int, reads);
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1")};
        state.packetSize = packetSize;
        QByteArray reply(replySize, '\0');
        for (int i = 0; i < replySize; ++i)
            reply[i] = char(i);
        for (qsizetype at = 0; at < reply.size(); at += packetSize)
            state.packets.append(reply.mid(at, packetSize));
        ScopedFakeUsb fake(&state);
        const LinkHandle h = OpenLink(kUsb);
        QVERIFY(h != kNoLink);
        QByteArray got(replySize, '\0');
        QVERIFY(ReadLinkBytes(h, kUsb, reinterpret_cast<uint8_t*>(got.data()), uint32_t(replySize)));
        QCOMPARE(got, reply);
        QCOMPARE(state.reads, reads);
        // The ring never held more than one fill of 64 bytes.
        uint8_t extra = 0;
        QVERIFY(!ReadLinkByte(h, kUsb, extra));
        CloseLink(kUsb, h);
    }

    void chunking() {
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1")};
        ScopedFakeUsb fake(&state);
        RecordingObserver observer;
        ScopedObserver scoped(&observer);
        QByteArray block(100, 'b');
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, kUsb, block.data(), int(block.size())), 0);
        QCOMPARE(state.writes.size(), 2);
        QCOMPARE(state.writes[0].size(), 64);
        QCOMPARE(state.writes[1].size(), 36);
        QVERIFY(observer.values.contains(64));
        QCOMPARE(observer.values.last(), 100);
    }

    void writeFaults_data() {
        QTest::addColumn<int>("acceptLimit");
        QTest::addColumn<bool>("gone");
        QTest::newRow("printer takes part of a chunk, then nothing") << 10 << false;
        QTest::newRow("printer takes nothing") << 0 << false;
        QTest::newRow("printer unplugged") << -1 << true;
    }
    void writeFaults() {
        QFETCH(int, acceptLimit);
        QFETCH(bool, gone);
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1")};
        state.acceptLimit = acceptLimit;
        ScopedFakeUsb fake(&state);
        const LinkHandle h = OpenLink(kUsb);
        QVERIFY(h != kNoLink);
        state.gone = gone;
        QVERIFY(!WriteLink(h, kUsb, QByteArray(200, 'w')));
        QCOMPARE(state.writes.size(), gone ? 0 : 1);   // the first failing chunk ends the write
        CloseLink(kUsb, h);
        QVERIFY(!LinkIsOpen());
    }

    void readFaults_data() {
        QTest::addColumn<bool>("gone");
        QTest::newRow("printer silent") << false;
        QTest::newRow("printer unplugged") << true;
    }
    void readFaults() {
        QFETCH(bool, gone);
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1")};
        ScopedFakeUsb fake(&state);
        const LinkHandle h = OpenLink(kUsb);
        QVERIFY(h != kNoLink);
        state.gone = gone;
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        QCOMPARE(SendCommandReadReply(h, kUsb, "DIAGNOSTIC REPORT DPI\r\n", buffer, sizeof buffer, length),
                 gone ? int(kDataTransmissionError) : int(kDataReceivingError));
        CloseLink(kUsb, h);
    }

    void openRefused() {
        // Another program holds the printer.
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_1111&pid_0001#1-1")};
        state.openFails = true;
        state.openError = "in use by another program";
        ScopedFakeUsb fake(&state);
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kUsb, nullptr, 0), int(kPortOpenError));
        QVERIFY(!LinkIsOpen());
        QCOMPARE(LastLinkErrorDetail(), QString("USB usb#vid_1111&pid_0001#1-1: in use by another program"));
    }

    void libusbBackend() {
        // The real backend on this machine: with no accepted printer present (and maybe no
        // USB bus at all) the open fails cleanly with 1, and listing does not fail.
        SetAcceptedUsbVendorIds({"fffe", "fffd"});
        SetUsbBackend(nullptr);
        SetTransport(kUsb, nullptr);
        UsbDeviceList list;
        QVERIFY(list.enumerate(CurrentUsbBackend()) >= 0);
        QCOMPARE(OpenLink(kUsb), kNoLink);
        QCOMPARE(RunPrinterOperation(kOpLinkCheck, kUsb, nullptr, 0), int(kPortOpenError));
        QCOMPARE(RunPrinterOperation(kOpSelfTest, kUsb, nullptr, 0), int(kPortOpenError));
        QCOMPARE(LastLinkErrorDetail(),
                 QString("USB: no device with an accepted vendor identifier (fffe, fffd)"));
    }
};

QTEST_GUILESS_MAIN(TestUsbLink)
#include "tst_usb_link.moc"
