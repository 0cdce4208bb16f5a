// SPDX-License-Identifier: Apache-2.0
// Configuration commands sent to the simulated printer change what operation 1 reads back.

#include "config/printer_config.h"
#include "config/read_configuration.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <functional>

using namespace lb;
using lb::sim::InProcessStats;
using lb::sim::MakeInProcessTransport;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

using Check = std::function<void(const PrinterConfig&)>;
Q_DECLARE_METATYPE(Check)

class TestReadConfigurationWritten : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();
    SimulatedPrinter m_printer;
    InProcessStats m_stats;

private slots:
    void initTestCase() {
        RegisterLinkSettings(&m_serial, &m_parallel, &m_target);
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&m_printer, {}, &m_stats));
    }
    void cleanupTestCase() {
        SetTransport(InterfaceKind::Usb, nullptr);
        RegisterLinkSettings(nullptr, nullptr, nullptr);
    }

    void commandsReadBack_data() {
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<Check>("check");
        auto row = [](const char* name, const char* commands, Check check) {
            QTest::newRow(name) << QByteArray(commands) << check;
        };
        row("speed", "SPEED 6.0\r\n", [](const PrinterConfig& c) { QCOMPARE(float(c.Speed.value), 6.0f); });
        row("density", "DENSITY 12\r\n", [](const PrinterConfig& c) { QCOMPARE(c.Density.value, 12); });
        row("size in inch", "SIZE 4.00,2.00\r\n", [](const PrinterConfig& c) {
            QCOMPARE(float(c.PaperWidth.value), 812.0f);
            QCOMPARE(float(c.PaperHeight.value), 406.0f);
        });
        row("size in mm", "SIZE 50.00 mm,25.00 mm\r\n", [](const PrinterConfig& c) {
            QCOMPARE(float(c.PaperWidth.value), 400.0f);
            QCOMPARE(float(c.PaperHeight.value), 200.0f);
        });
        row("black line", "BLINE 0.12,0.05\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.SensorMode.value, 1);
            QCOMPARE(float(c.GapSize.value), 24.0f);
            QCOMPARE(float(c.GapOffset.value), 10.0f);
        });
        row("continuous", "GAP 0,0\r\nSET GAP 3\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.SensorMode.value, 2);
            QCOMPARE(c.ContinuousInten.value, 3);
            QCOMPARE(c.GapInten.value, 5);
        });
        row("gap intensity", "SET GAP 9\r\n", [](const PrinterConfig& c) { QCOMPARE(c.GapInten.value, 9); });
        row("cutter", "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 5\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.PrintOut.value, 3);
            QCOMPARE(c.CutterPiece.value, 5);
        });
        row("peel", "SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n",
            [](const PrinterConfig& c) { QCOMPARE(c.PrintOut.value, 2); });
        row("no action", "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n",
            [](const PrinterConfig& c) { QCOMPARE(c.PrintOut.value, 0); });
        row("reference", "REFERENCE 10,20\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.ReferenceX.value, 10);
            QCOMPARE(c.ReferenceY.value, 20);
        });
        row("direction and mirror", "DIRECTION 1,1\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.Direction.value, 1);
            QCOMPARE(c.Mirror.value, 1);
        });
        row("offset", "OFFSET -3 dot\r\n", [](const PrinterConfig& c) { QCOMPARE(c.Offset.value, -3); });
        row("shift x and y", "SHIFT 3,-5\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.ShiftX.value, 3);
            QCOMPARE(c.ShiftY.value, -5);
        });
        row("shift y only", "SHIFT 7\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.ShiftX.value, 0);
            QCOMPARE(c.ShiftY.value, 7);
        });
        row("switches off",
            "SET RIBBON OFF\r\nSET RIBBONEND OFF\r\nSET ENCODER OFF\r\nSET HEAD OFF\r\nSET REPRINT OFF\r\n"
            "SET SENSOR_REF MANUAL\r\n",
            [](const PrinterConfig& c) {
                QCOMPARE(c.Ribbon.value, 0);
                QCOMPARE(c.RibbonSensor.value, 0);
                QCOMPARE(c.RibbonEncoder.value, 0);
                QCOMPARE(c.HeadSensor.value, 0);
                QCOMPARE(c.Reprint.value, 0);
                QCOMPARE(c.AutoThreshold.value, 0);
            });
        row("code page and country", "CODEPAGE 8859-15\r\nCOUNTRY 358\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.CodePage.value, 35);
            QCOMPARE(c.Country.value, 21);
        });
        row("feed limit", "LIMITFEED 1500.00 dot\r\n",
            [](const PrinterConfig& c) { QCOMPARE(float(c.MaxLength.value), 1500.0f); });
        row("serial port", "SET COM1 115,E,7,2\r\n", [](const PrinterConfig& c) {
            QCOMPARE(c.BaudRate.value, 8);
            QCOMPARE(c.Parity.value, 2);
            QCOMPARE(c.DataBits.value, 0);
            QCOMPARE(c.StopBits.value, 1);
        });
    }
    void commandsReadBack() {
        QFETCH(QByteArray, commands);
        QFETCH(Check, check);
        m_printer.setProfile(Profile::ForEdition(104));
        QCOMPARE(SendOneCommand(InterfaceKind::Usb, commands.constData()), int(kLinkOk));
        PrinterConfig c{};
        ClearConfig(c);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        check(c);
    }

    // Firmware without a keyword does not learn it from a command.
    void unknownKeywordStaysUnknown() {
        m_printer.setProfile(Profile::ForEdition(102));
        QCOMPARE(SendOneCommand(InterfaceKind::Usb, "SET RIBBONEND ON\r\n"), int(kLinkOk));
        bool known = true;
        m_printer.reportReply("RIBBONSENSOR", &known);
        QVERIFY(!known);
    }
};

QTEST_GUILESS_MAIN(TestReadConfigurationWritten)
#include "tst_read_configuration_written.moc"
