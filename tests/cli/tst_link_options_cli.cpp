// SPDX-License-Identifier: Apache-2.0
// labelbench-cli's serial, parallel and USB options, and usb-list.

#include "link/transport.h"
#include "link/usb_backend.h"
#include "sim/pty_server.h"
#include "tests/link/fake_usb_backend.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lb;
using lb::test::RunCliWith;

class TestLinkOptionsCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    QTemporaryDir m_dir;

private slots:
    void badValues_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("COM31") << QStringList{"--com", "COM31", "check"};
        QTest::newRow("COM0") << QStringList{"--com", "COM0", "check"};
        QTest::newRow("relative device") << QStringList{"--com", "ttyS0", "check"};
        QTest::newRow("path too long for the field")
            << QStringList{"--com", "/dev/no-such-directory/no-such-serial-device", "check"};
        QTest::newRow("missing --com value") << QStringList{"check", "--com"};
        QTest::newRow("baud 1200") << QStringList{"--com", "COM1", "--baud", "1200", "check"};
        QTest::newRow("baud text") << QStringList{"--com", "COM1", "--baud", "fast", "check"};
        QTest::newRow("data bits 6") << QStringList{"--com", "COM1", "--data-bits", "6", "check"};
        QTest::newRow("parity mark") << QStringList{"--com", "COM1", "--parity", "mark", "check"};
        QTest::newRow("stop bits 3") << QStringList{"--com", "COM1", "--stop-bits", "3", "check"};
        QTest::newRow("handshake dtr") << QStringList{"--com", "COM1", "--handshake", "dtr", "check"};
        QTest::newRow("LPT5") << QStringList{"--lpt", "LPT5", "check"};
        QTest::newRow("vid of three digits") << QStringList{"--usb-vid", "123", "check"};
        QTest::newRow("vid not hex") << QStringList{"--usb-vid", "12g4", "check"};
        QTest::newRow("three vids") << QStringList{"--usb-vid", "0001", "--usb-vid", "0002",
                                                   "--usb-vid", "0003", "check"};
        QTest::newRow("two links without --interface")
            << QStringList{"--com", "COM1", "--lpt", "LPT1", "check"};
    }
    void badValues() {
        QFETCH(QStringList, args);
        const auto r = RunCliWith(args);
        QCOMPARE(r.exitCode, 64);
        QVERIFY(r.err.contains("labelbench-cli:"));
        QVERIFY(r.out.isEmpty());
    }

    void serialOperations_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("defaults") << QStringList{};
        QTest::newRow("115200 7-E-2 RTS/CTS Xon/Xoff")
            << QStringList{"--baud",      "115200", "--data-bits", "7",       "--parity", "even",
                           "--stop-bits", "2",      "--handshake", "rts-cts", "--xonxoff"};
        QTest::newRow("2400 odd, no handshake")
            << QStringList{"--baud", "2400", "--parity", "odd", "--stop-bits", "1.5", "--handshake", "none"};
    }
    void serialOperations() {
        // Any settings open the pseudo-terminal; the operation runs over it.
        QFETCH(QStringList, settings);
        sim::PtyServer pty;
        QVERIFY(pty.start());
        const QString path = QString::fromLocal8Bit(pty.slavePath());
        auto r = RunCliWith(QStringList{"--com", path} + settings + QStringList{"status"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("Ready\n"));
        const qsizetype before = pty.transcript().size();
        r = RunCliWith(QStringList{"--interface", "com", "--com", path, "self-test"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(pty.waitForTranscript(before + 10, 5000));
        QVERIFY(pty.transcript().endsWith("SELFTEST\r\n"));
    }

    void serialPortMissing() {
        const auto r = RunCliWith({"--com", "/dev/ttyLabelbenchNone", "check"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.section('\n', 0, 0), QString("Port Open Error"));
        QCOMPARE(r.err.section('\n', 1), QString("/dev/ttyLabelbenchNone: no such device\n"));
    }

    void parallelSend() {
        const QString port = m_dir.filePath("lp.bin");
        QFile empty(port);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        const QString data = m_dir.filePath("data.prn");
        QFile file(data);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'p'));
        file.close();
        auto r = RunCliWith({"--lpt", port, "send", data});
        QCOMPARE(r.exitCode, 0);
        QFile written(port);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray(5000, 'p'));
        // Reading over LPT fails with 3.
        r = RunCliWith({"--lpt", port, "status"});
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.err.section('\n', 0, 0), QString("Data Receiving Error"));
        QCOMPARE(r.err.section('\n', 1), QString("LPT: the parallel port cannot read.\n"));
    }

    void usbListAndVendorOverride() {
        FakeUsbState state;
        state.devices = {UsbDevice("usb#vid_abcd&pid_0001#1-1", "Rebadged Printer"),
                         UsbDevice("usb#vid_9999&pid_0002#1-2", "", "Some Keyboard")};
        SetUsbBackend(std::make_unique<FakeUsbBackend>(&state));
        SetTransport(InterfaceKind::Usb, nullptr);

        auto r = RunCliWith({"--usb-vid", "ABCD", "usb-list"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("* usb#vid_abcd&pid_0001#1-1\tRebadged Printer\n"
                                "  usb#vid_9999&pid_0002#1-2\tSome Keyboard\n"));
        // Without the override the rebadged printer is not accepted.
        r = RunCliWith({"check"});
        QCOMPARE(r.exitCode, 1);
        r = RunCliWith({"--usb-vid", "abcd", "check"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(state.openedPaths, QList<QByteArray>{"usb#vid_abcd&pid_0001#1-1"});
        // The second identifier is tried when the first is absent.
        r = RunCliWith({"--usb-vid", "0001", "--usb-vid", "9999", "check"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(state.openedPaths.last(), QByteArray("usb#vid_9999&pid_0002#1-2"));

        SetTransport(InterfaceKind::Usb, nullptr);
        SetUsbBackend(nullptr);
        SetAcceptedUsbVendorIds({});
    }

    void helpMentionsOptions() {
        const auto r = RunCliWith({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char* option : {"--com", "--baud", "--data-bits", "--parity", "--stop-bits", "--handshake",
                                   "--xonxoff", "--lpt", "--usb-vid", "usb-list"})
            QVERIFY2(r.out.contains(option), option);
    }
};

QTEST_GUILESS_MAIN(TestLinkOptionsCli)
#include "tst_link_options_cli.moc"
