// SPDX-License-Identifier: Apache-2.0
// The line settings a SerialSettings record stands for, and the devices port names open.

#include "link/serial_port_settings.h"

#include <QtTest>

using namespace lb;
using P = SerialPortSettings;

Q_DECLARE_METATYPE(lb::SerialPortSettings)

class TestSerialPortSettings : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        // 9600 8-N-1, RTS and DTR enabled, CTS and DSR output flow on, no XON/XOFF.
        const P p = DeriveSerialPortSettings(DefaultSerialSettings());
        QCOMPARE(p.baudRate, 9600);
        QCOMPARE(p.dataBits, 8);
        QCOMPARE(p.parity, P::Parity::None);
        QVERIFY(!p.parityChecking);
        QCOMPARE(p.stopBits, P::StopBits::One);
        QCOMPARE(p.rts, LineControl::Enabled);
        QCOMPARE(p.dtr, LineControl::Enabled);
        QVERIFY(p.ctsOutputFlow);
        QVERIFY(p.dsrOutputFlow);
        QVERIFY(!p.xonXoff);
    }

    void baudRate_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("baud");
        const int rates[] = {2400, 4800, 9600, 19200, 38400, 57600, 115200};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("index %d", i) << i << rates[i];
        QTest::newRow("the empty eighth item") << 7 << 9600;
        QTest::newRow("negative") << -1 << 9600;
        QTest::newRow("far out") << 1000 << 9600;
    }
    void baudRate() {
        QFETCH(int, index);
        QFETCH(int, baud);
        SerialSettings s = DefaultSerialSettings();
        s.baudIndex = index;
        QCOMPARE(DeriveSerialPortSettings(s).baudRate, baud);
    }

    void byteSize_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bits");
        QTest::newRow("0: 7 bits") << 0 << 7;
        QTest::newRow("1: 8 bits") << 1 << 8;
        QTest::newRow("other: 8 bits") << 5 << 8;
        QTest::newRow("negative: 8 bits") << -3 << 8;
    }
    void byteSize() {
        QFETCH(int, index);
        QFETCH(int, bits);
        SerialSettings s = DefaultSerialSettings();
        s.dataBitsIndex = index;
        QCOMPARE(DeriveSerialPortSettings(s).dataBits, bits);
    }

    void parity_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("parity");
        QTest::addColumn<bool>("checking");
        QTest::newRow("none") << 0 << int(P::Parity::None) << false;
        QTest::newRow("odd is checked") << 1 << int(P::Parity::Odd) << true;
        QTest::newRow("even is sent, not checked") << 2 << int(P::Parity::Even) << false;
        QTest::newRow("other") << 3 << int(P::Parity::None) << false;
        QTest::newRow("negative") << -1 << int(P::Parity::None) << false;
    }
    void parity() {
        QFETCH(int, index);
        QFETCH(int, parity);
        QFETCH(bool, checking);
        SerialSettings s = DefaultSerialSettings();
        s.parityIndex = index;
        const P p = DeriveSerialPortSettings(s);
        QCOMPARE(int(p.parity), parity);
        QCOMPARE(p.parityChecking, checking);
    }

    void stopBits_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stop");
        QTest::newRow("one") << 0 << int(P::StopBits::One);
        QTest::newRow("one and a half") << 1 << int(P::StopBits::OneAndHalf);
        QTest::newRow("two") << 2 << int(P::StopBits::Two);
        QTest::newRow("other") << 9 << int(P::StopBits::One);
    }
    void stopBits() {
        QFETCH(int, index);
        QFETCH(int, stop);
        SerialSettings s = DefaultSerialSettings();
        s.stopBitsIndex = index;
        QCOMPARE(int(DeriveSerialPortSettings(s).stopBits), stop);
    }

    void handshake_data() {
        QTest::addColumn<int>("hardware");
        QTest::addColumn<int>("software");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("outputFlow");
        QTest::addColumn<bool>("xonXoff");
        QTest::newRow("none") << 0 << 0 << int(LineControl::Disabled) << false << false;
        QTest::newRow("RTS") << 1 << 0 << int(LineControl::Enabled) << true << false;
        QTest::newRow("RTS/CTS") << 2 << 0 << int(LineControl::Handshake) << true << false;
        QTest::newRow("other hardware index") << 7 << 0 << int(LineControl::Handshake) << true << false;
        QTest::newRow("negative hardware index") << -1 << 0 << int(LineControl::Handshake) << true << false;
        QTest::newRow("Xon/Xoff alone") << 0 << 1 << int(LineControl::Disabled) << false << true;
        QTest::newRow("RTS and Xon/Xoff") << 1 << 1 << int(LineControl::Enabled) << true << true;
        QTest::newRow("other software index") << 0 << 2 << int(LineControl::Disabled) << false << false;
    }
    void handshake() {
        QFETCH(int, hardware);
        QFETCH(int, software);
        QFETCH(int, lines);
        QFETCH(bool, outputFlow);
        QFETCH(bool, xonXoff);
        SerialSettings s = DefaultSerialSettings();
        s.hardwareHandshakeIndex = hardware;
        s.softwareHandshakeIndex = software;
        const P p = DeriveSerialPortSettings(s);
        QCOMPARE(int(p.rts), lines);
        QCOMPARE(int(p.dtr), lines);
        QCOMPARE(p.ctsOutputFlow, outputFlow);
        QCOMPARE(p.dsrOutputFlow, outputFlow);
        QCOMPARE(p.xonXoff, xonXoff);
    }

    void serialDevice_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("device");
        QTest::newRow("COM1") << QByteArray("COM1") << QByteArray("/dev/ttyS0");
        QTest::newRow("COM12") << QByteArray("COM12") << QByteArray("/dev/ttyS11");
        QTest::newRow("COM30") << QByteArray("COM30") << QByteArray("/dev/ttyS29");
        QTest::newRow("COM31 is no port") << QByteArray("COM31") << QByteArray();
        QTest::newRow("COM0 is no port") << QByteArray("COM0") << QByteArray();
        QTest::newRow("lower case is no port") << QByteArray("com1") << QByteArray();
        QTest::newRow("trailing text") << QByteArray("COM1x") << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("a path as it is") << QByteArray("/dev/ttyUSB0") << QByteArray("/dev/ttyUSB0");
        QTest::newRow("relative path refused") << QByteArray("ttyUSB0") << QByteArray();
    }
    void serialDevice() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, device);
        SerialSettings s = DefaultSerialSettings();
        CopyToField(s.portName, name.constData(), std::size_t(name.size()));
        QCOMPARE(SerialDevicePath(s.portName), device);
    }

    void unterminatedPortName() {
        // A name that fills the whole field is read within the field only.
        SerialSettings s = DefaultSerialSettings();
        std::memset(s.portName, '/', sizeof s.portName);
        QCOMPARE(SerialDevicePath(s.portName).size(), qsizetype(sizeof s.portName));
    }

    void parallelDevice_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("device");
        QTest::newRow("LPT1") << QByteArray("LPT1") << QByteArray("/dev/lp0");
        QTest::newRow("LPT4") << QByteArray("LPT4") << QByteArray("/dev/lp3");
        QTest::newRow("LPT5 is no port") << QByteArray("LPT5") << QByteArray();
        QTest::newRow("a path") << QByteArray("/tmp/printer.fifo") << QByteArray("/tmp/printer.fifo");
    }
    void parallelDevice() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, device);
        ParallelPortName p = DefaultParallelPortName();
        CopyToField(p.name, name.constData(), std::size_t(name.size()));
        QCOMPARE(ParallelDevicePath(p), device);
    }
};

QTEST_APPLESS_MAIN(TestSerialPortSettings)
#include "tst_serial_port_settings.moc"
