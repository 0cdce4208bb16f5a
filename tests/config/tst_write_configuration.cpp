// SPDX-License-Identifier: Apache-2.0
// Operation 4: the command bytes of each configuration page, the failure results, and
// configurations written to the simulated printer reading back through operation 1.

#include "config/config_panel.h"
#include "config/printer_config.h"
#include "config/read_configuration.h"
#include "config/write_configuration.h"
#include "functions/test_page.h"
#include "link/number_text.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>

using namespace lb;
using lb::sim::Faults;
using lb::sim::InProcessStats;
using lb::sim::MakeInProcessTransport;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

using Setup = std::function<void(PrinterConfig&)>;
using Commands = QList<QByteArray>;
Q_DECLARE_METATYPE(Setup)

namespace {

PrinterConfig Cleared(float dpi = 203.0f, float dotsPerMm = 8.0f) {
    PrinterConfig c;
    std::memset(&c, 0, sizeof c);
    ClearConfig(c);
    c.Dpi = dpi;
    c.DotsPerMm = dotsPerMm;
    c.UnitIsInch = 1;
    return c;
}
template <typename T> void Set(ConfigItem<T>& item, T value) {
    item.present = 1;
    item.value = value;
}
// The Z framing around a command body.
QByteArray ZControl(const QByteArray& body) {
    return "\x10" + body + "\x1eXA\x1eJUS\x1eXZ\r\n";
}
QByteArray ZFormat(const QByteArray& body) {
    return "\x1eXA\x1e" + body + "\x1eJUS\x1eXZ\r\n";
}
QByteArray DThree(const QByteArray& body) {
    return "\x02" + body + "\r\r\n~" + body + "\r\r\n~" + body + "|\r\n";
}

}   // namespace

class TestWriteConfiguration : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();

private slots:
    void initTestCase() { RegisterLinkSettings(&m_serial, &m_parallel, &m_target); }
    void cleanupTestCase() { RegisterLinkSettings(nullptr, nullptr, nullptr); }
    void cleanup() {
        for (InterfaceKind k : {InterfaceKind::Usb, InterfaceKind::Lpt})
            SetTransport(k, nullptr);
    }

    void commands_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Commands>("expected");
        auto row = [](const char* name, int page, Setup setup, Commands expected) {
            QTest::newRow(name) << page << setup << expected;
        };
        // Common page. A cleared record has sensor mode 0, so the gap intensity closes it.
        row("common nothing present", kPageCommon, [](PrinterConfig&) {}, {});
        row("speed and density", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.Speed, 4.0f);
                Set(c.Density, 12);
            },
            {"SPEED 4.0\r\n", "DENSITY 12\r\n"});
        row("size inch", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.PaperWidth, 812.0f);
                Set(c.PaperHeight, 406.0f);
            },
            {"SIZE 4.00,2.00\r\n"});
        row("size mm", kPageCommon,
            [](PrinterConfig& c) {
                c.UnitIsInch = 0;
                Set(c.PaperWidth, 812.0f);
                Set(c.PaperHeight, 406.0f);
            },
            {"SIZE 101.50 mm,50.75 mm\r\n"});
        row("width without height", kPageCommon, [](PrinterConfig& c) { Set(c.PaperWidth, 812.0f); }, {});
        row("gap inch", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.SensorMode, 0);
                Set(c.GapSize, 24.0f);
                Set(c.GapOffset, 0.0f);
                Set(c.GapInten, 5);
            },
            {"GAP 0.12,0.00\r\n", "SET GAP 5\r\n"});
        row("black line mm", kPageCommon,
            [](PrinterConfig& c) {
                c.UnitIsInch = 0;
                Set(c.SensorMode, 1);
                Set(c.GapSize, 24.0f);
                Set(c.GapOffset, 8.0f);
                Set(c.BlineInten, 6);
            },
            {"BLINE 3.00 mm,1.00 mm\r\n", "SET GAP 6\r\n"});
        row("black line without offset", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.SensorMode, 1);
                Set(c.GapSize, 24.0f);
                Set(c.BlineInten, 6);
            },
            {"SET GAP 6\r\n"});
        row("continuous", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.SensorMode, 2);
                Set(c.Speed, 3.0f);
                Set(c.ContinuousInten, 4);
                Set(c.GapInten, 9);
            },
            {"SPEED 3.0\r\n", "GAP 0,0\r\n", "SET GAP 4\r\n"});
        // A cleared record holds 0 in the mode and the intensities: nothing of them is sent.
        row("intensity without its mode", kPageCommon, [](PrinterConfig& c) { Set(c.GapInten, 7); }, {});
        row("mode without its intensity", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.SensorMode, 2);
                Set(c.GapInten, 7);
            },
            {"GAP 0,0\r\n"});
        row("sensor mode beyond the table", kPageCommon, [](PrinterConfig& c) { Set(c.SensorMode, 3); }, {});
        row("print out off", kPageCommon, [](PrinterConfig& c) { Set(c.PrintOut, 0); },
            {"SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n"});
        row("print out tear", kPageCommon, [](PrinterConfig& c) { Set(c.PrintOut, 1); },
            {"SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n"});
        row("print out peel", kPageCommon, [](PrinterConfig& c) { Set(c.PrintOut, 2); },
            {"SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n"});
        row("cutter pieces", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.PrintOut, 3);
                Set(c.CutterPiece, 5);
            },
            {"SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 5\r\n"});
        row("cutter pieces absent", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.PrintOut, 3);
                c.CutterPiece.value = 5;
            },
            {"SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 1\r\n"});
        row("cutter pieces 0", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.PrintOut, 3);
                Set(c.CutterPiece, 0);
            },
            {"SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 1\r\n"});
        row("reference and direction", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.ReferenceX, 10);
                Set(c.ReferenceY, -20);
                Set(c.Direction, 1);
            },
            {"REFERENCE 10,-20\r\n", "DIRECTION 1\r\n"});
        row("direction and mirror", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.Direction, 0);
                Set(c.Mirror, 1);
                Set(c.Offset, -3);
            },
            {"DIRECTION 0,1\r\n", "OFFSET -3 dot\r\n"});
        row("only shift y", kPageCommon, [](PrinterConfig& c) { Set(c.ShiftY, -5); }, {"SHIFT -5\r\n"});
        row("only shift x", kPageCommon, [](PrinterConfig& c) { Set(c.ShiftX, 3); }, {"SHIFT 3,0\r\n"});
        row("switches", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.Ribbon, 2);
                Set(c.RibbonSensor, 0);
                Set(c.RibbonEncoder, 1);
                Set(c.HeadSensor, 0);
                Set(c.Reprint, 1);
                Set(c.AutoThreshold, 0);
            },
            {"SET RIBBON ON\r\n", "SET RIBBONEND OFF\r\n", "SET ENCODER ON\r\n", "SET HEAD OFF\r\n",
             "SET REPRINT ON\r\n", "SET SENSOR_REF MANUAL\r\n"});
        row("tables and limit feed", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.CodePage, 35);
                Set(c.Country, 0);
                Set(c.MaxLength, 2030.0f);
                Set(c.AutoThreshold, 1);
            },
            {"CODEPAGE 8859-15\r\n", "COUNTRY 001\r\n", "LIMITFEED 2030.00 dot\r\n",
             "SET SENSOR_REF AUTO\r\n"});
        row("unknown table texts", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.CodePage, 36);
                Set(c.Country, 22);
            },
            {});
        row("no resolution", kPageCommon,
            [](PrinterConfig& c) {
                c.Dpi = 0.0f;
                Set(c.PaperWidth, 812.0f);
                Set(c.PaperHeight, 406.0f);
            },
            {});
        row("common ignores other pages", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.ZDarkness, 15);
                Set(c.DHeat, 5);
                Set(c.BaudRate, 4);
                Set(c.DataBits, 1);
                Set(c.Parity, 0);
                Set(c.StopBits, 0);
            },
            {});

        // Z page.
        row("z nothing present", kPageZ, [](PrinterConfig&) {}, {});
        row("z darkness", kPageZ, [](PrinterConfig& c) { Set(c.ZDarkness, 15); },
            {QByteArray("\x10SD15\x1eXA\x1eJUS\x1eXZ\r\n")});
        row("z tear off negative", kPageZ, [](PrinterConfig& c) { Set(c.ZTearOff, -5); },
            {ZControl("TA-05")});
        row("z tear off", kPageZ, [](PrinterConfig& c) { Set(c.ZTearOff, 7); }, {ZControl("TA007")});
        row("z every item", kPageZ,
            [](PrinterConfig& c) {
                Set(c.ZDarkness, 20);
                Set(c.ZSpeed, 6);
                Set(c.ZTearOff, 12);
                Set(c.ZPrintMode, 3);
                Set(c.ZPrintWidth, 812);
                Set(c.ZControlPrefix, '#');
                Set(c.ZFormatPrefix, '!');
                Set(c.ZDelimiter, ';');
                Set(c.ZMediaPowerUp, 2);
                Set(c.ZHeadClose, 4);
                Set(c.ZLabelTop, -10);
                Set(c.ZLeftPosition, 25);
                Set(c.Speed, 5.0f);
            },
            {ZControl("SD20"), ZFormat("PR6"), ZControl("TA012"), ZFormat("MMC"), ZFormat("PW812"),
             ZControl("CT#"), ZControl("CC!"), ZControl("CD;"), ZFormat("MFC"), ZFormat("MF;N"),
             ZFormat("LT-10"), ZFormat("LS25")});
        row("z letters outside the tables", kPageZ,
            [](PrinterConfig& c) {
                Set(c.ZPrintMode, 0);
                Set(c.ZMediaPowerUp, 5);
                Set(c.ZHeadClose, 0);
            },
            {});
        row("z print mode 4", kPageZ, [](PrinterConfig& c) { Set(c.ZPrintMode, 4); }, {});
        row("z head close with absent delimiter", kPageZ,
            [](PrinterConfig& c) {
                Set(c.ZPrintMode, 1);
                Set(c.ZHeadClose, 3);
            },
            {ZFormat("MMT"), ZFormat("MF,L")});
        row("z unsendable characters", kPageZ,
            [](PrinterConfig& c) {
                Set(c.ZControlPrefix, '\0');
                Set(c.ZFormatPrefix, '\n');
                Set(c.ZDelimiter, '\0');
                Set(c.ZHeadClose, 1);
            },
            {ZFormat("MF,F")});

        // D page.
        row("d nothing present", kPageD, [](PrinterConfig&) {}, {});
        row("d heat", kPageD, [](PrinterConfig& c) { Set(c.DHeat, 5); },
            {QByteArray("\x02KZH05\r\r\n~KZH05\r\r\n~KZH05|\r\n")});
        row("d speed", kPageD, [](PrinterConfig& c) { Set(c.DPrintSpeed, 12.0f); }, {DThree("KZPW")});
        row("d settings list", kPageD,
            [](PrinterConfig& c) {
                Set(c.DLabelWidth, 812);
                Set(c.DPresentSensor, 2);
            },
            {DThree("KcLW0400;PSY;")});
        row("d full list", kPageD,
            [](PrinterConfig& c) {
                c.UnitIsInch = 0;   // the list is in hundredths of an inch whatever the unit
                Set(c.DHeat, 12);
                Set(c.DPrintSpeed, 1.0f);
                Set(c.DLabelWidth, 812);
                Set(c.DPresentSensor, 1);
                Set(c.DCutterEquipped, 2);
                Set(c.DControlCodes, 3);
                Set(c.DColumnOffset, 20);
                Set(c.DRowOffset, 0);
            },
            {DThree("KZH12"), DThree("KZPA"), DThree("KcLW0400;PSN;CEY;CC2;CO0010;RO0000;")});
        row("d switches outside their values", kPageD,
            [](PrinterConfig& c) {
                Set(c.DPresentSensor, 0);
                Set(c.DCutterEquipped, 3);
                Set(c.DControlCodes, 4);
            },
            {});

        // Interface page.
        row("interface", kPageInterface,
            [](PrinterConfig& c) {
                Set(c.BaudRate, 4);
                Set(c.DataBits, 1);
                Set(c.Parity, 0);
                Set(c.StopBits, 0);
            },
            {"SET COM1 96,N,8,1\r\n"});
        row("interface other values", kPageInterface,
            [](PrinterConfig& c) {
                Set(c.BaudRate, 8);
                Set(c.DataBits, 0);
                Set(c.Parity, 2);
                Set(c.StopBits, 1);
            },
            {"SET COM1 115,E,7,2\r\n"});
        row("interface three of four", kPageInterface,
            [](PrinterConfig& c) {
                Set(c.BaudRate, 4);
                Set(c.DataBits, 1);
                Set(c.Parity, 1);
            },
            {});
        row("interface unknown rate", kPageInterface,
            [](PrinterConfig& c) {
                Set(c.BaudRate, 9);
                Set(c.DataBits, 1);
                Set(c.Parity, 1);
                Set(c.StopBits, 0);
            },
            {});
        row("page outside the panel", 4, [](PrinterConfig& c) { Set(c.Speed, 4.0f); }, {});
    }
    void commands() {
        QFETCH(int, page);
        QFETCH(Setup, setup);
        QFETCH(Commands, expected);
        PrinterConfig c = Cleared();
        setup(c);
        QCOMPARE(ConfigurationCommands(c, page), expected);
    }

    void dSpeedLetter_data() {
        QTest::addColumn<float>("speed");
        QTest::addColumn<char>("letter");
        QTest::newRow("below the range") << 0.5f << 'G';
        QTest::newRow("above the range") << 25.0f << 'G';
        QTest::newRow("1.0") << 1.0f << 'A';
        QTest::newRow("1.5") << 1.5f << 'B';
        QTest::newRow("11.75") << 11.75f << 'W';
        QTest::newRow("12.0") << 12.0f << 'W';
        QTest::newRow("13.0") << 13.0f << 'X';
        QTest::newRow("15.4") << 15.4f << 'Z';
        QTest::newRow("16.0") << 16.0f << 'a';
        QTest::newRow("20.0") << 20.0f << 'e';
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 'G';
    }
    void dSpeedLetter() {
        QFETCH(float, speed);
        QFETCH(char, letter);
        QCOMPARE(DSpeedLetter(speed), letter);
    }

    // What reaches the printer is the command list, in order, one write each.
    void sendsThePage_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("usb") << int(InterfaceKind::Usb);
        QTest::newRow("lpt") << int(InterfaceKind::Lpt);
    }
    void sendsThePage() {
        QFETCH(int, kind);
        const auto k = InterfaceKind(kind);
        SimulatedPrinter printer;
        InProcessStats stats;
        QList<std::shared_ptr<PrinterSession>> sessions;
        SetTransport(k, MakeInProcessTransport(&printer, {}, &stats, &sessions));
        PrinterConfig c = Cleared();
        Set(c.ZDarkness, 15);
        Set(c.ZPrintWidth, 812);
        Set(c.Speed, 4.0f);
        QCOMPARE(WriteConfiguration(k, &c, kPageZ), int(kLinkOk));
        QCOMPARE(stats.opens, 1);
        QCOMPARE(sessions.size(), 1);
        QCOMPARE(sessions[0]->transcript(), ZControl("SD15") + ZFormat("PW812"));
        QVERIFY(!LinkIsOpen());
    }

    void emptyPageOpensAndCloses() {
        SimulatedPrinter printer;
        InProcessStats stats;
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&printer, {}, &stats));
        const PrinterConfig c = Cleared();
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, &c, kPageD), int(kLinkOk));
        QCOMPARE(stats.opens, 1);
        QVERIFY(stats.chunkSizes.isEmpty());
        QVERIFY(!LinkIsOpen());
    }

    void refusedWithoutOpening_data() {
        QTest::addColumn<bool>("withRecord");
        QTest::addColumn<int>("page");
        QTest::newRow("no record") << false << int(kPageCommon);
        QTest::newRow("page -1") << true << -1;
        QTest::newRow("page 4") << true << 4;
    }
    void refusedWithoutOpening() {
        QFETCH(bool, withRecord);
        QFETCH(int, page);
        SimulatedPrinter printer;
        InProcessStats stats;
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&printer, {}, &stats));
        const PrinterConfig c = Cleared();
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, withRecord ? &c : nullptr, page), int(kUnknownError));
        QCOMPARE(stats.opens, 0);
    }

    // A damaged or crafted file's reals never reach the printer as "nan", "inf" or a
    // runaway number: the page is refused, naming the item, and nothing is opened.
    void refusesUnsendableValues_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("item");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        auto row = [](const char* name, int page, Setup setup, const char* item) {
            QTest::newRow(name) << page << setup << QString(item);
        };
        row(
            "speed nan", kPageCommon, [=](PrinterConfig& c) { Set(c.Speed, nan); }, "Speed");
        row(
            "speed of 39 digits", kPageCommon, [](PrinterConfig& c) { Set(c.Speed, 3.0e38f); }, "Speed");
        row(
            "width inf", kPageCommon,
            [=](PrinterConfig& c) {
                Set(c.PaperWidth, inf);
                Set(c.PaperHeight, 406.0f);
            },
            "PaperWidth");
        row(
            "height beyond a million inch", kPageCommon,
            [](PrinterConfig& c) {
                Set(c.PaperWidth, 812.0f);
                Set(c.PaperHeight, 1.0e12f);
            },
            "PaperHeight");
        row(
            "gap offset nan", kPageCommon,
            [=](PrinterConfig& c) {
                Set(c.SensorMode, 0);
                Set(c.GapSize, 24.0f);
                Set(c.GapOffset, nan);
            },
            "GapOffset");
        row(
            "limit feed -inf", kPageCommon, [=](PrinterConfig& c) { Set(c.MaxLength, -inf); }, "MaxLength");
        row(
            "size without resolution", kPageCommon,
            [](PrinterConfig& c) {
                c.Dpi = 0.0f;
                Set(c.PaperWidth, 812.0f);
                Set(c.PaperHeight, 406.0f);
            },
            "PaperWidth");
        row(
            "d speed nan", kPageD, [=](PrinterConfig& c) { Set(c.DPrintSpeed, nan); }, "DPrintSpeed");
        row(
            "d width without resolution", kPageD,
            [=](PrinterConfig& c) {
                c.Dpi = nan;
                Set(c.DLabelWidth, 812);
            },
            "DLabelWidth");
    }
    void refusesUnsendableValues() {
        QFETCH(int, page);
        QFETCH(Setup, setup);
        QFETCH(QString, item);
        PrinterConfig c = Cleared();
        Set(c.Density, 8);   // a sendable item beside it is not sent either
        Set(c.DHeat, 5);
        setup(c);
        const QString problem = ConfigurationProblem(c, page);
        QVERIFY2(problem.startsWith(item + ' '), qPrintable(problem));
        QVERIFY(ConfigurationCommands(c, page).isEmpty());
        SimulatedPrinter printer;
        InProcessStats stats;
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&printer, {}, &stats));
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, &c, page), int(kUnknownError));
        QCOMPARE(stats.opens, 0);
    }
    void acceptsLargeSendableValues() {
        PrinterConfig c = Cleared();
        Set(c.MaxLength, 1000000.0f);
        QVERIFY(ConfigurationProblem(c, kPageCommon).isEmpty());
        QCOMPARE(ConfigurationCommands(c, kPageCommon), Commands{"LIMITFEED 1000000.00 dot\r\n"});
    }

    // The printer reads "4.0", never "4,0": the commands are the same bytes whatever the
    // desktop's locale, here one with a decimal comma set in-process.
    void commandsIgnoreTheLocale() {
        PrinterConfig c = Cleared();
        Set(c.Speed, 4.0f);
        Set(c.PaperWidth, 812.0f);
        Set(c.PaperHeight, 406.0f);
        Set(c.SensorMode, 0);
        Set(c.GapSize, 24.0f);
        Set(c.GapOffset, 0.0f);
        Set(c.GapInten, 5);
        Set(c.MaxLength, 2030.5f);
        Set(c.ZTearOff, -5);
        Set(c.DPrintSpeed, 2.5f);
        Set(c.DLabelWidth, 812);
        const TestPageRequest request{8.0f, 101.5f, 50.75f};
        auto everything = [&] {
            QList<QByteArray> all;
            for (int unit : {1, 0}) {
                c.UnitIsInch = uint8_t(unit);
                for (int page = kPageCommon; page <= kPageInterface; ++page)
                    all += ConfigurationCommands(c, page);
            }
            all << TestPageText(request);
            return all;
        };
        const QList<QByteArray> inC = everything();
        QVERIFY(inC.contains("SPEED 4.0\r\n"));
        QVERIFY(inC.contains("SIZE 4.00,2.00\r\n"));
        QVERIFY(inC.contains("GAP 0.12,0.00\r\n"));

        const std::string saved = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QFAIL("the de_DE.UTF-8 locale is missing: packaging/install-build-deps.sh --test generates it");
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 4.0);
        const QList<QByteArray> inGerman = everything();
        // Replies and typed numbers are read the same way too.
        const float reply = LeadingFloat("3.5 ips");
        double typed = 0;
        const bool typedOk = PanelTextToDouble("2.25", typed);
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(QByteArray(probe), QByteArray("4,0"));   // the locale does write a comma
        QCOMPARE(inGerman, inC);
        QCOMPARE(reply, 3.5f);
        QVERIFY(typedOk);
        QCOMPARE(typed, 2.25);
    }

    void openFails() {
        SetTransport(InterfaceKind::Usb, MakeAbsentTransport());
        PrinterConfig c = Cleared();
        Set(c.ZDarkness, 15);
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, &c, kPageZ), int(kPortOpenError));
        QVERIFY(!LinkIsOpen());
    }

    // The printer goes away after the first command: the second send fails, nothing later
    // is sent, and the link is closed.
    void writeFails() {
        SimulatedPrinter printer;
        InProcessStats stats;
        QList<std::shared_ptr<PrinterSession>> sessions;
        Faults faults;
        faults.closeAfterCommands = 1;
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&printer, faults, &stats, &sessions));
        PrinterConfig c = Cleared();
        Set(c.ZDarkness, 15);
        Set(c.ZSpeed, 4);
        Set(c.ZLabelTop, 2);
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, &c, kPageZ), int(kDataTransmissionError));
        QCOMPARE(sessions.size(), 1);
        QCOMPARE(sessions[0]->commands().size(), 1);
        QCOMPARE(stats.chunkSizes.size(), 2);   // the failed second write is the last
        QVERIFY(!LinkIsOpen());
    }

    // A page written to the simulated printer reads back through operation 1.
    void roundTrip_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Setup>("check");
        QTest::newRow("common") << int(kPageCommon) << Setup([](PrinterConfig& c) {
            Set(c.Speed, 6.0f);
            Set(c.Density, 12);
            Set(c.PaperWidth, 406.0f);
            Set(c.PaperHeight, 203.0f);
            Set(c.SensorMode, 1);
            Set(c.GapSize, 24.0f);
            Set(c.GapOffset, 10.0f);
            Set(c.BlineInten, 3);
            Set(c.PrintOut, 3);
            Set(c.CutterPiece, 4);
            Set(c.ReferenceX, 8);
            Set(c.ReferenceY, 16);
            Set(c.Direction, 1);
            Set(c.Mirror, 1);
            Set(c.Offset, -2);
            Set(c.ShiftX, 3);
            Set(c.ShiftY, -5);
            Set(c.Ribbon, 0);
            Set(c.RibbonSensor, 0);
            Set(c.RibbonEncoder, 0);
            Set(c.CodePage, 35);
            Set(c.Country, 17);
            Set(c.HeadSensor, 0);
            Set(c.Reprint, 0);
            Set(c.MaxLength, 1000.0f);
            Set(c.AutoThreshold, 0);
        }) << Setup([](PrinterConfig& c) {
            QCOMPARE(float(c.Speed.value), 6.0f);
            QCOMPARE(c.Density.value, 12);
            QCOMPARE(float(c.PaperWidth.value), 406.0f);
            QCOMPARE(float(c.PaperHeight.value), 203.0f);
            QCOMPARE(c.SensorMode.value, 1);
            QCOMPARE(float(c.GapSize.value), 24.0f);
            QCOMPARE(float(c.GapOffset.value), 10.0f);
            QCOMPARE(c.BlineInten.value, 3);
            QCOMPARE(c.PrintOut.value, 3);
            QCOMPARE(c.CutterPiece.value, 4);
            QCOMPARE(c.ReferenceX.value, 8);
            QCOMPARE(c.ReferenceY.value, 16);
            QCOMPARE(c.Direction.value, 1);
            QCOMPARE(c.Mirror.value, 1);
            QCOMPARE(c.Offset.value, -2);
            QCOMPARE(c.ShiftX.value, 3);
            QCOMPARE(c.ShiftY.value, -5);
            QCOMPARE(c.Ribbon.value, 0);
            QCOMPARE(c.RibbonSensor.value, 0);
            QCOMPARE(c.RibbonEncoder.value, 0);
            QCOMPARE(c.CodePage.value, 35);
            QCOMPARE(c.Country.value, 17);
            QCOMPARE(c.HeadSensor.value, 0);
            QCOMPARE(c.Reprint.value, 0);
            QCOMPARE(float(c.MaxLength.value), 1000.0f);
            QCOMPARE(c.AutoThreshold.value, 0);
        });
        QTest::newRow("z") << int(kPageZ) << Setup([](PrinterConfig& c) {
            Set(c.ZDarkness, 20);
            Set(c.ZSpeed, 6);
            Set(c.ZTearOff, -5);
            Set(c.ZPrintMode, 2);
            Set(c.ZPrintWidth, 600);
            Set(c.ZControlPrefix, '#');
            Set(c.ZFormatPrefix, '!');
            Set(c.ZDelimiter, ';');
            Set(c.ZMediaPowerUp, 3);
            Set(c.ZHeadClose, 4);
            Set(c.ZLabelTop, -10);
            Set(c.ZLeftPosition, 25);
        }) << Setup([](PrinterConfig& c) {
            QCOMPARE(c.ZDarkness.value, 20);
            QCOMPARE(c.ZSpeed.value, 6);
            QCOMPARE(c.ZTearOff.value, -5);
            QCOMPARE(c.ZPrintMode.value, 2);
            QCOMPARE(c.ZPrintWidth.value, 600);
            QCOMPARE(c.ZControlPrefix.value, '#');
            QCOMPARE(c.ZFormatPrefix.value, '!');
            QCOMPARE(c.ZDelimiter.value, ';');
            QCOMPARE(c.ZMediaPowerUp.value, 3);
            QCOMPARE(c.ZHeadClose.value, 4);
            QCOMPARE(c.ZLabelTop.value, -10);
            QCOMPARE(c.ZLeftPosition.value, 25);
        });
        QTest::newRow("d") << int(kPageD) << Setup([](PrinterConfig& c) {
            Set(c.DHeat, 5);
            Set(c.DPrintSpeed, 13.0f);
            Set(c.DLabelWidth, 406);
            Set(c.DPresentSensor, 2);
            Set(c.DCutterEquipped, 2);
            Set(c.DControlCodes, 3);
            Set(c.DColumnOffset, 203);
            Set(c.DRowOffset, 0);
        }) << Setup([](PrinterConfig& c) {
            QCOMPARE(c.DHeat.value, 5);
            QCOMPARE(float(c.DPrintSpeed.value), 13.0f);
            QCOMPARE(c.DLabelWidth.value, 406);
            QCOMPARE(c.DPresentSensor.value, 2);
            QCOMPARE(c.DCutterEquipped.value, 2);
            QCOMPARE(c.DControlCodes.value, 3);
            QCOMPARE(c.DColumnOffset.value, 203);
            QCOMPARE(c.DRowOffset.value, 0);
        });
        QTest::newRow("interface") << int(kPageInterface) << Setup([](PrinterConfig& c) {
            Set(c.BaudRate, 7);
            Set(c.DataBits, 0);
            Set(c.Parity, 1);
            Set(c.StopBits, 1);
        }) << Setup([](PrinterConfig& c) {
            QCOMPARE(c.BaudRate.value, 7);
            QCOMPARE(c.DataBits.value, 0);
            QCOMPARE(c.Parity.value, 1);
            QCOMPARE(c.StopBits.value, 1);
        });
    }
    void roundTrip() {
        QFETCH(int, page);
        QFETCH(Setup, setup);
        QFETCH(Setup, check);
        SimulatedPrinter printer;   // edition 104, 203 dpi
        InProcessStats stats;
        SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&printer, {}, &stats));
        PrinterConfig written = Cleared();
        setup(written);
        QCOMPARE(WriteConfiguration(InterfaceKind::Usb, &written, page), int(kLinkOk));
        PrinterConfig read = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &read), int(kLinkOk));
        check(read);
    }
};

QTEST_GUILESS_MAIN(TestWriteConfiguration)
#include "tst_write_configuration.moc"
