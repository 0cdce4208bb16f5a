// SPDX-License-Identifier: Apache-2.0
#include "link/interface_status.h"

#include <QTest>
#include <cstring>

Q_DECLARE_METATYPE(lb::SerialSettings)

namespace {

lb::SerialSettings With(void (*change)(lb::SerialSettings&)) {
    lb::SerialSettings s = lb::DefaultSerialSettings();
    change(s);
    return s;
}

}   // namespace

class TestInterfaceStatus : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<lb::SerialSettings>("settings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << lb::DefaultSerialSettings() << "COM1 9600,N,8,1 RTS ";
        QTest::newRow("baud 2400") << With([](auto& s) { s.baudIndex = 0; }) << "COM1 2400,N,8,1 RTS ";
        QTest::newRow("baud 115200") << With([](auto& s) { s.baudIndex = 6; }) << "COM1 115200,N,8,1 RTS ";
        QTest::newRow("xon/xoff") << With([](auto& s) { s.softwareHandshakeIndex = 1; })
                                  << "COM1 9600,N,8,1 RTS Xon/Xoff";
        QTest::newRow("odd parity, 7 bits") << With([](auto& s) {
            s.parityIndex = 1;
            s.dataBitsIndex = 0;
        }) << "COM1 9600,O,7,1 RTS ";
        QTest::newRow("even parity, 1.5 stop bits") << With([](auto& s) {
            s.parityIndex = 2;
            s.stopBitsIndex = 1;
        }) << "COM1 9600,E,8,1.5 RTS ";
        QTest::newRow("2 stop bits, no handshake") << With([](auto& s) {
            s.stopBitsIndex = 2;
            s.hardwareHandshakeIndex = 0;
        }) << "COM1 9600,N,8,2 None ";
        QTest::newRow("RTS/CTS and Xon/Xoff") << With([](auto& s) {
            s.hardwareHandshakeIndex = 2;
            s.softwareHandshakeIndex = 1;
        }) << "COM1 9600,N,8,1 RTS/CTS Xon/Xoff";
        QTest::newRow("other port") << With([](auto& s) { std::strcpy(s.portName, "/dev/ttyUSB0"); })
                                    << "/dev/ttyUSB0 9600,N,8,1 RTS ";
        QTest::newRow("percent signs are text")
            << With([](auto& s) { std::strcpy(s.portName, "%2%1"); }) << "%2%1 9600,N,8,1 RTS ";
        // A name filling all 24 bytes, without its zero: read within the field only.
        QTest::newRow("full-width name")
            << With([](auto& s) { std::memset(s.portName, 'A', sizeof s.portName); })
            << QString(24, 'A') + " 9600,N,8,1 RTS ";
        QTest::newRow("baud index beyond the list")
            << With([](auto& s) { s.baudIndex = 7; }) << "COM1 ,N,8,1 RTS ";
        QTest::newRow("negative indexes") << With([](auto& s) {
            s.parityIndex = -1;
            s.softwareHandshakeIndex = -5;
        }) << "COM1 9600,,8,1 RTS ";
    }
    void text() {
        QFETCH(lb::SerialSettings, settings);
        QFETCH(QString, expected);
        QCOMPARE(lb::InterfaceStatusText(settings), expected);
    }
};

QTEST_APPLESS_MAIN(TestInterfaceStatus)
#include "tst_interface_status.moc"
