// SPDX-License-Identifier: Apache-2.0
// Operation 1 against the simulated printer: the exact report sequence of each firmware
// edition, where every reply lands, the reply mappings, and every way a read can fail.

#include "config/printer_config.h"
#include "config/read_configuration.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <cstring>
#include <functional>

using namespace lb;
using lb::sim::Faults;
using lb::sim::InProcessStats;
using lb::sim::MakeInProcessTransport;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

using Check = std::function<void(const PrinterConfig&)>;
Q_DECLARE_METATYPE(Check)
Q_DECLARE_METATYPE(lb::InterfaceKind)
Q_DECLARE_METATYPE(Faults::Malformed)

namespace {

// The native settings in the order they are asked for.
const char* const kNativeKeywords[] = {"SPEED",      "DENSITY",    "DENSITYBASE", "PAPERWIDTH", "PAPERHEIGHT",
                                       "SENSORMODE", "GAPSIZE",    "GAPOFFSET",   "PRINTOUT",   "CUTTERPIECE",
                                       "REFERENCEX", "REFERENCEY", "DIRCTION",    "MIRROR",     "OFFSET",
                                       "OFFSETBASE", "SHIFT",      "SHIFTBASE",   "RIBBON",     "CODEPAGE",
                                       "COUNTRY",    "HEAD",       "GAPINTEN",    "BLINEINTEN", "CONINTEN",
                                       "BAUDRATE",   "DATABIT",    "PARITY",      "STOPBIT"};
const char* const kEmulationKeywords[] = {
    "ZDARKNESS",      "ZSPEED",          "ZPOSITION",     "ZPRINTMODE",    "ZLABELWIDTH",
    "ZCONTROL",       "ZFORMAT",         "ZDELIMITER",    "ZFEEDPOWERUP",  "ZFEEDHEADCLOSE",
    "ZLABELTOP",      "ZLABELSHIFT",     "DHEAT",         "DSPEED",        "DLABELWIDTH",
    "DPRESENTSENSOR", "DCUTTEREQUIPPED", "DCONTROLCODES", "DCOLUMNOFFSET", "DROWOFFSET"};

// Everything a full read sends to a printer of the given edition.
QByteArray ExpectedTranscript(const QByteArray& interfaceName, int edition) {
    QByteArray t = "\r\nDIAGNOSTIC INTERFACE " + interfaceName + "\r\n";
    auto report = [&t](const char* keyword) { t += QByteArray("DIAGNOSTIC REPORT ") + keyword + "\r\n"; };
    for (const char* k : {"DPI", "VERSION", "MILAGE", "CHECKSUM"})
        report(k);
    t += "OUT _SERIAL$\r\n";
    for (const char* k : kNativeKeywords)
        report(k);
    for (const char* k : {"REPRINT", "SHIFTX", "SHIFTXBASE", "EDITION"})
        report(k);
    if (edition >= 100)
        for (const char* k : kEmulationKeywords)
            report(k);
    if (edition >= 102)
        for (const char* k : {"CUTCOUNTER", "MAXLENGTH"})
            report(k);
    if (edition >= 103)
        for (const char* k :
             {"RESETMILAGE", "RESETCUTCOUNTER", "RIBBONSENSOR", "RIBBONENCODER", "AUTOTHRESHOLD"})
            report(k);
    return t;
}

// Present-byte offsets of the 20 emulation items.
const int kEmulationOffsets[] = {550, 555, 560, 565, 570, 575, 577, 579, 581, 586,
                                 591, 596, 601, 606, 611, 616, 621, 626, 631, 636};

PrinterConfig Cleared() {
    PrinterConfig c{};
    ClearConfig(c);
    return c;
}

QByteArray Bytes(const PrinterConfig& c) {
    return QByteArray(reinterpret_cast<const char*>(&c), sizeof c);
}
uint8_t ByteAt(const PrinterConfig& c, int offset) {
    return reinterpret_cast<const uint8_t*>(&c)[offset];
}
int32_t IntAt(const PrinterConfig& c, int offset) {
    int32_t v;
    std::memcpy(&v, reinterpret_cast<const char*>(&c) + offset, 4);
    return v;
}
float FloatAt(const PrinterConfig& c, int offset) {
    float v;
    std::memcpy(&v, reinterpret_cast<const char*>(&c) + offset, 4);
    return v;
}

}   // namespace

class TestReadConfiguration : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_target = DefaultNetworkTarget();
    SimulatedPrinter m_printer;
    InProcessStats m_stats;
    QList<std::shared_ptr<PrinterSession>> m_sessions;

    void use(const Profile& profile, const Faults& faults = {}, InterfaceKind kind = InterfaceKind::Usb) {
        m_printer.setProfile(profile);
        m_stats = {};
        m_sessions.clear();
        SetTransport(kind, MakeInProcessTransport(&m_printer, faults, &m_stats, &m_sessions));
    }
    QByteArray transcript() const {
        return m_sessions.isEmpty() ? QByteArray() : m_sessions.last()->transcript();
    }
    qsizetype commandCount() const { return m_sessions.isEmpty() ? 0 : m_sessions.last()->commands().size(); }
    QByteArray lastCommand() const {
        return commandCount() ? m_sessions.last()->commands().last().bytes : QByteArray();
    }

    // A read of the edition-104 profile with one report changed.
    int readWith(const QByteArray& keyword, const QByteArray& reply, PrinterConfig& c) {
        Profile p = Profile::ForEdition(104);
        p.reports.insert(keyword, reply);
        use(p);
        c = Cleared();
        return ReadConfiguration(InterfaceKind::Usb, &c);
    }

private slots:
    void initTestCase() { RegisterLinkSettings(&m_serial, &m_parallel, &m_target); }
    void cleanup() {
        QVERIFY(!LinkIsOpen());
        for (InterfaceKind k :
             {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt, InterfaceKind::Ethernet})
            SetTransport(k, nullptr);
    }
    void cleanupTestCase() { RegisterLinkSettings(nullptr, nullptr, nullptr); }

    void shippedProfilesMatchTheirFiles_data() {
        QTest::addColumn<int>("edition");
        for (int e : {99, 100, 102, 103, 104})
            QTest::addRow("edition %d", e) << e;
    }
    void shippedProfilesMatchTheirFiles() {
        QFETCH(int, edition);
        Profile fromFile;
        QString error;
        const QString path = QStringLiteral(LABELBENCH_SIM_PROFILE_DIR "/edition-%1.json").arg(edition);
        QVERIFY2(Profile::LoadFromFile(path, fromFile, &error), qPrintable(error));
        const Profile built = Profile::ForEdition(edition);
        QCOMPARE(fromFile.edition, edition);
        QCOMPARE(fromFile.reports, built.reports);
        QCOMPARE(fromFile.serialNumber, built.serialNumber);
    }

    // The whole report sequence, byte for byte, on each interface that can read.
    void commandSequence_data() {
        QTest::addColumn<InterfaceKind>("kind");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("edition");
        for (int e : {99, 100, 102, 103, 104})
            QTest::addRow("USB edition %d", e) << InterfaceKind::Usb << QByteArray("USB") << e;
        QTest::newRow("COM edition 104") << InterfaceKind::Com << QByteArray("COM") << 104;
        QTest::newRow("ETHERNET edition 104") << InterfaceKind::Ethernet << QByteArray("NET") << 104;
    }
    void commandSequence() {
        QFETCH(InterfaceKind, kind);
        QFETCH(QByteArray, name);
        QFETCH(int, edition);
        use(Profile::ForEdition(edition), {}, kind);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(kind, &c), int(kLinkOk));
        QCOMPARE(m_stats.opens, 1);
        QCOMPARE(transcript(), ExpectedTranscript(name, edition));
    }

    void editionProfiles_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<Check>("check");
        QTest::newRow("99") << 99 << Check([](const PrinterConfig& c) {
            QCOMPARE(float(c.Dpi), 300.0f);
            QCOMPARE(float(c.DotsPerMm), 11.8f);
            QCOMPARE(QByteArray(c.Version), QByteArray("LB-4300 V0.99"));
            QCOMPARE(QByteArray(c.SerialNumber), QByteArray("LB4300B0000042"));
            QCOMPARE(c.SensorMode.value, 2);
            QCOMPARE(c.CodePage.value, 0);   // "USA"
            QCOMPARE(float(c.PaperWidth.value), 1200.0f);
            QCOMPARE(c.CutCounter, 0);
            QCOMPARE(QByteArray(c.ResetMilage), QByteArray());
        });
        QTest::newRow("100") << 100 << Check([](const PrinterConfig& c) {
            QCOMPARE(float(c.Dpi), 203.0f);
            QCOMPARE(float(c.DotsPerMm), 8.0f);
            QCOMPARE(QByteArray(c.SerialNumber), QByteArray("LB4203A0000100"));
            QCOMPARE(float(c.Speed.value), 3.5f);
            QCOMPARE(c.Density.value, 10);
            QCOMPARE(c.CodePage.value, 9);     // "437"
            QCOMPARE(c.Country.value, 12);     // "044"
            QCOMPARE(c.BaudRate.value, 5);     // "19200"
            QCOMPARE(c.ZSpeed.value, 5);       // a number, not a letter
            QCOMPARE(c.ZPrintMode.value, 2);   // "P"
            QCOMPARE(c.ZControlPrefix.value, '#');
            QCOMPARE(c.ZMediaPowerUp.value, 3);           // "L"
            QCOMPARE(c.ZHeadClose.value, 1);              // "F"
            QCOMPARE(float(c.DPrintSpeed.value), 2.0f);   // "C"
            QCOMPARE(c.DPresentSensor.value, 2);          // "A"
            QCOMPARE(c.DControlCodes.value, 2);           // "1"
            QCOMPARE(c.CutCounter, 0);
        });
        QTest::newRow("102") << 102 << Check([](const PrinterConfig& c) {
            QCOMPARE(float(c.Dpi), 600.0f);
            QCOMPARE(float(c.DotsPerMm), 23.6f);
            QCOMPARE(QByteArray(c.Milage), QByteArray("0.85"));
            QCOMPARE(c.PrintOut.value, 3);
            QCOMPARE(c.CutterPiece.value, 2);
            QCOMPARE(c.CodePage.value, 18);                // "1252"
            QCOMPARE(c.BaudRate.value, 6);                 // "38400"
            QCOMPARE(c.DataBits.value, 0);                 // "7"
            QCOMPARE(c.Parity.value, 1);                   // "Odd"
            QCOMPARE(c.ZSpeed.value, 2);                   // "A"
            QCOMPARE(c.ZPrintMode.value, 3);               // "D"
            QCOMPARE(c.ZMediaPowerUp.value, 2);            // "C"
            QCOMPARE(c.ZHeadClose.value, 4);               // "N"
            QCOMPARE(float(c.DPrintSpeed.value), 20.0f);   // "e"
            QCOMPARE(c.DCutterEquipped.value, 2);          // "E"
            QCOMPARE(c.CutCounter, 96);
            QCOMPARE(float(c.MaxLength.value), 6000.0f);
            QCOMPARE(c.ResetCutCounter, 0);
            QCOMPARE(QByteArray(c.ResetMilage), QByteArray());
        });
        QTest::newRow("103") << 103 << Check([](const PrinterConfig& c) {
            QCOMPARE(float(c.Dpi), 200.0f);
            QCOMPARE(float(c.DotsPerMm), 7.9f);
            QCOMPARE(c.SensorMode.value, 1);
            QCOMPARE(c.CodePage.value, 35);                // "8859-15"
            QCOMPARE(c.Country.value, 17);                 // "049"
            QCOMPARE(c.BaudRate.value, 8);                 // "115200"
            QCOMPARE(c.Parity.value, 2);                   // "Even"
            QCOMPARE(c.StopBits.value, 1);                 // "2"
            QCOMPARE(c.ZSpeed.value, 6);                   // "D"
            QCOMPARE(c.ZPrintMode.value, 3);               // "C"
            QCOMPARE(float(c.DPrintSpeed.value), 12.0f);   // "W"
            QCOMPARE(c.DControlCodes.value, 3);            // "2"
            QCOMPARE(QByteArray(c.ResetMilage), QByteArray("12.50"));
            QCOMPARE(c.ResetCutCounter, 7);
            QCOMPARE(c.RibbonSensor.value, 1);
            QCOMPARE(c.RibbonEncoder.value, 0);
            QCOMPARE(c.AutoThreshold.value, 0);
        });
        QTest::newRow("104") << 104 << Check([](const PrinterConfig& c) {
            QCOMPARE(float(c.Dpi), 203.0f);
            QCOMPARE(float(c.DotsPerMm), 8.0f);
            QCOMPARE(QByteArray(c.Version), QByteArray("LB-4203 V1.04 EZ"));
            QCOMPARE(QByteArray(c.Milage), QByteArray("1.25"));
            QCOMPARE(QByteArray(c.Checksum), QByteArray("8A3C45D1"));
            QCOMPARE(QByteArray(c.SerialNumber), QByteArray("LB4203A0012345"));
            QCOMPARE(QByteArray(c.ResetMilage), QByteArray("0.37"));
            QCOMPARE(c.CutCounter, 1520);
            QCOMPARE(c.ResetCutCounter, 230);
            QCOMPARE(float(c.Speed.value), 4.0f);
            QCOMPARE(float(c.PaperWidth.value), 812.0f);
            QCOMPARE(float(c.GapSize.value), 24.0f);
            QCOMPARE(c.CodePage.value, 10);   // "850"
            QCOMPARE(c.Country.value, 0);
            QCOMPARE(c.BaudRate.value, 4);   // "9600"
            QCOMPARE(c.DataBits.value, 1);
            QCOMPARE(c.Parity.value, 0);
            QCOMPARE(c.StopBits.value, 0);
            QCOMPARE(c.ZDarkness.value, 15);
            QCOMPARE(c.ZSpeed.value, 4);       // "C"
            QCOMPARE(c.ZPrintMode.value, 1);   // "T"
            QCOMPARE(c.ZPrintWidth.value, 812);
            QCOMPARE(c.ZControlPrefix.value, '~');
            QCOMPARE(c.ZFormatPrefix.value, '^');
            QCOMPARE(c.ZDelimiter.value, ',');
            QCOMPARE(c.ZMediaPowerUp.value, 1);
            QCOMPARE(c.DHeat.value, 10);
            QCOMPARE(float(c.DPrintSpeed.value), 4.0f);   // "G"
            QCOMPARE(c.DLabelWidth.value, 812);
            QCOMPARE(c.DPresentSensor.value, 1);   // "N"
            QCOMPARE(c.DCutterEquipped.value, 1);
            QCOMPARE(c.DControlCodes.value, 1);   // "S"
            QCOMPARE(float(c.MaxLength.value), 2030.0f);
            QCOMPARE(c.AutoThreshold.value, 1);
        });
    }
    void editionProfiles() {
        QFETCH(int, edition);
        QFETCH(Check, check);
        use(Profile::ForEdition(edition));
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        QCOMPARE(c.Edition, edition);
        QCOMPARE(c.ConfigRead, uint8_t(1));
        // Every native item and the three answered by newer firmware are present.
        for (int offset = 389; offset <= 544; offset += 5) {
            const bool byEdition = offset == 494 || offset == 499 || offset == 524 || offset == 544;
            if (!byEdition) QVERIFY2(ByteAt(c, offset) == 1, qPrintable(QString::number(offset)));
        }
        for (int offset : kEmulationOffsets)
            QCOMPARE(ByteAt(c, offset), uint8_t(edition >= 100 ? 1 : 0));
        QCOMPARE(c.MaxLength.present, uint8_t(edition >= 102 ? 1 : 0));
        QCOMPARE(c.RibbonSensor.present, uint8_t(edition >= 103 ? 1 : 0));
        QCOMPARE(c.RibbonEncoder.present, uint8_t(edition >= 103 ? 1 : 0));
        QCOMPARE(c.AutoThreshold.present, uint8_t(edition >= 103 ? 1 : 0));
        check(c);
    }

    // Each numeric reply gets a value of its own, so a reply stored in the wrong field shows.
    void everyReplyLandsInItsField() {
        struct Item {
            const char* keyword;
            int offset;   // present byte; -1 for the counters, which have none
            int valueAt;
            bool isFloat;
        };
        const Item items[] = {
            {"SPEED", 389, 390, true},          {"DENSITY", 394, 395, false},
            {"DENSITYBASE", 399, 400, false},   {"PAPERWIDTH", 404, 405, true},
            {"PAPERHEIGHT", 409, 410, true},    {"GAPSIZE", 419, 420, true},
            {"GAPOFFSET", 424, 425, true},      {"PRINTOUT", 429, 430, false},
            {"CUTTERPIECE", 434, 435, false},   {"REFERENCEX", 439, 440, false},
            {"REFERENCEY", 444, 445, false},    {"DIRCTION", 449, 450, false},
            {"MIRROR", 454, 455, false},        {"OFFSET", 459, 460, false},
            {"OFFSETBASE", 464, 465, false},    {"SHIFT", 469, 470, false},
            {"SHIFTBASE", 474, 475, false},     {"SHIFTX", 479, 480, false},
            {"SHIFTXBASE", 484, 485, false},    {"RIBBON", 489, 490, false},
            {"RIBBONSENSOR", 494, 495, false},  {"RIBBONENCODER", 499, 500, false},
            {"HEAD", 514, 515, false},          {"REPRINT", 519, 520, false},
            {"MAXLENGTH", 524, 525, true},      {"GAPINTEN", 529, 530, false},
            {"BLINEINTEN", 534, 535, false},    {"CONINTEN", 539, 540, false},
            {"AUTOTHRESHOLD", 544, 545, false}, {"ZDARKNESS", 550, 551, false},
            {"ZSPEED", 555, 556, false},        {"ZPOSITION", 560, 561, false},
            {"ZLABELWIDTH", 570, 571, false},   {"ZLABELTOP", 591, 592, false},
            {"ZLABELSHIFT", 596, 597, false},   {"DHEAT", 601, 602, false},
            {"DLABELWIDTH", 611, 612, false},   {"DCOLUMNOFFSET", 631, 632, false},
            {"DROWOFFSET", 636, 637, false},    {"CUTCOUNTER", -1, 13, false},
            {"RESETCUTCOUNTER", -1, 17, false},
        };
        Profile p = Profile::ForEdition(104);
        int unique = 1000;
        for (const Item& item : items)
            p.reports.insert(item.keyword, QByteArray::number(unique++));
        use(p);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        unique = 1000;
        for (const Item& item : items) {
            const QByteArray what = item.keyword;
            if (item.offset >= 0) QVERIFY2(ByteAt(c, item.offset) == 1, what.constData());
            if (item.isFloat)
                QVERIFY2(FloatAt(c, item.valueAt) == float(unique), what.constData());
            else
                QVERIFY2(IntAt(c, item.valueAt) == unique, what.constData());
            ++unique;
        }
    }

    void replyMappings_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("offset");   // present byte; the value follows
        QTest::addColumn<char>("type");    // i int, f float, c character
        QTest::addColumn<bool>("present");
        QTest::addColumn<double>("value");
        auto row = [](const char* name, const char* k, QByteArray reply, int offset, char type, bool present,
                      double value) {
            QTest::newRow(name) << QByteArray(k) << reply << offset << type << present << value;
        };
        row("SENSORMODE 5 held at 2", "SENSORMODE", "5", 414, 'i', true, 2);
        row("SENSORMODE 2", "SENSORMODE", "2", 414, 'i', true, 2);
        row("DENSITY non-numeric", "DENSITY", "dark", 394, 'i', true, 0);
        row("SPEED non-numeric", "SPEED", "fast", 389, 'f', true, 0.0);
        row("SPEED with unit", "SPEED", " 5.5ips", 389, 'f', true, 5.5);
        row("REFERENCEX negative", "REFERENCEX", "-12", 439, 'i', true, -12);
        row("CODEPAGE last", "CODEPAGE", "8859-15", 504, 'i', true, 35);
        row("CODEPAGE unknown", "CODEPAGE", "UTF-8", 504, 'i', true, 36);
        row("COUNTRY unknown", "COUNTRY", "999", 509, 'i', true, 22);
        row("BAUDRATE unknown", "BAUDRATE", "14400", 641, 'i', true, 9);
        row("DATABIT unknown", "DATABIT", "9", 646, 'i', true, 2);
        row("PARITY lower case", "PARITY", "none", 651, 'i', true, 3);
        row("STOPBIT unknown", "STOPBIT", "1.5", 656, 'i', true, 2);
        row("ZDARKNESS empty", "ZDARKNESS", "", 550, 'i', false, 0);
        row("ZSPEED A", "ZSPEED", "A", 555, 'i', true, 2);
        row("ZSPEED B", "ZSPEED", "B", 555, 'i', true, 3);
        row("ZSPEED C", "ZSPEED", "C", 555, 'i', true, 4);
        row("ZSPEED D", "ZSPEED", "D", 555, 'i', true, 6);
        row("ZSPEED E", "ZSPEED", "E", 555, 'i', true, 8);
        row("ZSPEED 5", "ZSPEED", "5", 555, 'i', true, 5);
        row("ZSPEED other text", "ZSPEED", "F", 555, 'i', true, 0);
        row("ZSPEED empty", "ZSPEED", "", 555, 'i', false, 0);
        row("ZPOSITION negative", "ZPOSITION", "-30", 560, 'i', true, -30);
        row("ZPOSITION empty", "ZPOSITION", "", 560, 'i', false, 0);
        row("ZPRINTMODE T", "ZPRINTMODE", "T", 565, 'i', true, 1);
        row("ZPRINTMODE P", "ZPRINTMODE", "P", 565, 'i', true, 2);
        row("ZPRINTMODE R", "ZPRINTMODE", "R", 565, 'i', true, 1);
        row("ZPRINTMODE A", "ZPRINTMODE", "A", 565, 'i', true, 1);
        row("ZPRINTMODE C", "ZPRINTMODE", "C", 565, 'i', true, 3);
        row("ZPRINTMODE D", "ZPRINTMODE", "D", 565, 'i', true, 3);
        row("ZPRINTMODE lower case", "ZPRINTMODE", "t", 565, 'i', false, 0);
        row("ZPRINTMODE two letters", "ZPRINTMODE", "TP", 565, 'i', false, 0);
        row("ZLABELWIDTH empty", "ZLABELWIDTH", "", 570, 'i', false, 0);
        row("ZCONTROL one character", "ZCONTROL", "!", 575, 'c', true, '!');
        row("ZCONTROL two characters", "ZCONTROL", "~~", 575, 'c', false, '~');
        row("ZCONTROL empty", "ZCONTROL", "", 575, 'c', false, '~');
        row("ZFORMAT one character", "ZFORMAT", "$", 577, 'c', true, '$');
        row("ZFORMAT two characters", "ZFORMAT", "^^", 577, 'c', false, '^');
        row("ZDELIMITER one character", "ZDELIMITER", ";", 579, 'c', true, ';');
        row("ZDELIMITER empty", "ZDELIMITER", "", 579, 'c', false, ',');
        row("ZFEEDPOWERUP F", "ZFEEDPOWERUP", "F", 581, 'i', true, 1);
        row("ZFEEDPOWERUP C", "ZFEEDPOWERUP", "C", 581, 'i', true, 2);
        row("ZFEEDPOWERUP L", "ZFEEDPOWERUP", "L", 581, 'i', true, 3);
        row("ZFEEDPOWERUP N", "ZFEEDPOWERUP", "N", 581, 'i', true, 4);
        row("ZFEEDPOWERUP other", "ZFEEDPOWERUP", "X", 581, 'i', false, 0);
        row("ZFEEDHEADCLOSE N", "ZFEEDHEADCLOSE", "N", 586, 'i', true, 4);
        row("ZFEEDHEADCLOSE L", "ZFEEDHEADCLOSE", "L", 586, 'i', true, 3);
        row("ZFEEDHEADCLOSE empty", "ZFEEDHEADCLOSE", "", 586, 'i', false, 0);
        row("ZLABELTOP negative", "ZLABELTOP", "-12", 591, 'i', true, -12);
        row("ZLABELSHIFT empty", "ZLABELSHIFT", "", 596, 'i', false, 0);
        row("DHEAT empty", "DHEAT", "", 601, 'i', false, 0);
        row("DSPEED A", "DSPEED", "A", 606, 'f', true, 1.0);
        row("DSPEED C", "DSPEED", "C", 606, 'f', true, 2.0);
        row("DSPEED V", "DSPEED", "V", 606, 'f', true, 11.5);
        row("DSPEED W", "DSPEED", "W", 606, 'f', true, 12.0);
        row("DSPEED Z", "DSPEED", "Z", 606, 'f', true, 15.0);
        row("DSPEED a", "DSPEED", "a", 606, 'f', true, 16.0);
        row("DSPEED e", "DSPEED", "e", 606, 'f', true, 20.0);
        row("DSPEED f", "DSPEED", "f", 606, 'f', false, 0.0);
        row("DSPEED two characters", "DSPEED", "AB", 606, 'f', false, 0.0);
        row("DSPEED digit", "DSPEED", "5", 606, 'f', false, 0.0);
        row("DLABELWIDTH empty", "DLABELWIDTH", "", 611, 'i', false, 0);
        row("DPRESENTSENSOR N", "DPRESENTSENSOR", "N", 616, 'i', true, 1);
        row("DPRESENTSENSOR E", "DPRESENTSENSOR", "E", 616, 'i', true, 2);
        row("DPRESENTSENSOR A", "DPRESENTSENSOR", "A", 616, 'i', true, 2);
        row("DPRESENTSENSOR lower case", "DPRESENTSENSOR", "n", 616, 'i', false, 0);
        row("DCUTTEREQUIPPED A", "DCUTTEREQUIPPED", "A", 621, 'i', true, 2);
        row("DCUTTEREQUIPPED other", "DCUTTEREQUIPPED", "Y", 621, 'i', false, 0);
        row("DCONTROLCODES S", "DCONTROLCODES", "S", 626, 'i', true, 1);
        row("DCONTROLCODES 1", "DCONTROLCODES", "1", 626, 'i', true, 2);
        row("DCONTROLCODES 2", "DCONTROLCODES", "2", 626, 'i', true, 3);
        row("DCONTROLCODES 3", "DCONTROLCODES", "3", 626, 'i', false, 0);
        row("DCOLUMNOFFSET empty", "DCOLUMNOFFSET", "", 631, 'i', false, 0);
        row("DROWOFFSET negative", "DROWOFFSET", "-4", 636, 'i', true, -4);
    }
    void replyMappings() {
        QFETCH(QByteArray, keyword);
        QFETCH(QByteArray, reply);
        QFETCH(int, offset);
        QFETCH(char, type);
        QFETCH(bool, present);
        QFETCH(double, value);
        PrinterConfig c;
        QCOMPARE(readWith(keyword, reply, c), int(kLinkOk));
        QCOMPARE(ByteAt(c, offset), uint8_t(present ? 1 : 0));
        // An absent item keeps the value it had (here the cleared one).
        if (type == 'i') QCOMPARE(IntAt(c, offset + 1), int32_t(value));
        if (type == 'f') QCOMPARE(FloatAt(c, offset + 1), float(value));
        if (type == 'c') QCOMPARE(char(ByteAt(c, offset + 1)), char(value));
    }

    void countersNeverNegative_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("reset");
        QTest::newRow("CUTCOUNTER -5") << QByteArray("CUTCOUNTER") << QByteArray("-5") << 0 << 230;
        QTest::newRow("CUTCOUNTER empty") << QByteArray("CUTCOUNTER") << QByteArray("") << 0 << 230;
        QTest::newRow("RESETCUTCOUNTER -1") << QByteArray("RESETCUTCOUNTER") << QByteArray("-1") << 1520 << 0;
        QTest::newRow("RESETCUTCOUNTER 12")
            << QByteArray("RESETCUTCOUNTER") << QByteArray("12") << 1520 << 12;
    }
    void countersNeverNegative() {
        QFETCH(QByteArray, keyword);
        QFETCH(QByteArray, reply);
        QFETCH(int, cut);
        QFETCH(int, reset);
        PrinterConfig c;
        QCOMPARE(readWith(keyword, reply, c), int(kLinkOk));
        QCOMPARE(c.CutCounter, cut);
        QCOMPARE(c.ResetCutCounter, reset);
    }

    // Absent items keep the caller's value bytes: a present byte says whether a value came.
    void absentItemsKeepTheCallersValues() {
        use(Profile::ForEdition(99));
        PrinterConfig c;
        std::memset(&c, 0x5A, sizeof c);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        for (int offset : kEmulationOffsets) {
            QCOMPARE(ByteAt(c, offset), uint8_t(0));
            QCOMPARE(ByteAt(c, offset + 1), uint8_t(0x5A));
        }
        for (int offset : {494, 499, 524, 544}) {
            QCOMPARE(ByteAt(c, offset), uint8_t(0));
            QCOMPARE(IntAt(c, offset + 1), int32_t(0x5A5A5A5A));
        }
        QCOMPARE(c.CutCounter, int32_t(0x5A5A5A5A));
        QCOMPARE(c.ResetCutCounter, int32_t(0x5A5A5A5A));
        QCOMPARE(ByteAt(c, 293), uint8_t(0x5A));   // ResetMilage not asked for
    }

    // Older firmware has no answer to these: the read ends there, successfully.
    void oldFirmwareEndsEarly_data() {
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<bool>("reprint");
        QTest::addColumn<bool>("shiftX");
        QTest::addColumn<bool>("shiftXBase");
        QTest::addColumn<int>("edition");
        QTest::newRow("no REPRINT") << QByteArray("REPRINT") << false << false << false << 7;
        QTest::newRow("no SHIFTX") << QByteArray("SHIFTX") << true << false << false << 7;
        QTest::newRow("no SHIFTXBASE") << QByteArray("SHIFTXBASE") << true << true << false << 7;
        QTest::newRow("no EDITION") << QByteArray("EDITION") << true << true << true << 0;
    }
    void oldFirmwareEndsEarly() {
        QFETCH(QByteArray, silent);
        QFETCH(bool, reprint);
        QFETCH(bool, shiftX);
        QFETCH(bool, shiftXBase);
        QFETCH(int, edition);
        Faults faults;
        faults.silentKeywords = {silent};
        use(Profile::ForEdition(104), faults);
        PrinterConfig c = Cleared();
        c.Edition = 7;   // written only by an answered or missing edition query
        c.ShiftX.value = 55;
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        QCOMPARE(lastCommand(), "DIAGNOSTIC REPORT " + silent);
        QCOMPARE(c.Reprint.present, uint8_t(reprint));
        QCOMPARE(c.ShiftX.present, uint8_t(shiftX));
        QCOMPARE(c.ShiftXBase.present, uint8_t(shiftXBase));
        QCOMPARE(c.ShiftX.value, shiftX ? 0 : 55);   // not read: the value is left alone
        QCOMPARE(c.Edition, edition);
        QCOMPARE(c.ZDarkness.present, uint8_t(0));
        QCOMPARE(c.CutCounter, 0);
        QCOMPARE(c.Speed.present, uint8_t(1));
    }

    // A printer that closes the connection where older firmware would stay silent: the read
    // fails with the receiving error and the caller keeps nothing of it.
    void closedIsNotOldFirmware_data() {
        QTest::addColumn<QByteArray>("keyword");
        for (const char* k : {"REPRINT", "SHIFTX", "SHIFTXBASE", "EDITION"})
            QTest::newRow(k) << QByteArray(k);
    }
    void closedIsNotOldFirmware() {
        QFETCH(QByteArray, keyword);
        // Where the keyword's query comes in a full read.
        use(Profile::ForEdition(104));
        PrinterConfig full = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &full), int(kLinkOk));
        const QList<lb::sim::Command> commands = m_sessions.last()->commands();
        qsizetype at = 0;
        while (at < commands.size() && commands[at].bytes != "DIAGNOSTIC REPORT " + keyword)
            ++at;
        QVERIFY(at < commands.size());
        Faults faults;
        faults.silentKeywords = {keyword};
        faults.closeAfterCommands = int(at + 1);
        use(Profile::ForEdition(104), faults);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kDataReceivingError));
        QCOMPARE(lastCommand(), "DIAGNOSTIC REPORT " + keyword);
    }

    void shippedOldFirmwareProfile() {
        Profile p;
        QString error;
        QVERIFY2(Profile::LoadFromFile(QStringLiteral(LABELBENCH_TEST_PROFILE_DIR "/old-firmware.json"), p,
                                       &error),
                 qPrintable(error));
        use(p);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        QCOMPARE(c.Edition, 0);
        QCOMPARE(float(c.Dpi), 300.0f);
        QCOMPARE(c.Reprint.present, uint8_t(0));
        QCOMPARE(c.StopBits.present, uint8_t(1));
    }

    // A printer that goes away after any command: the next exchange fails, nothing crashes,
    // the link is closed.
    void everyExchangeCanFail_data() {
        QTest::addColumn<int>("edition");
        for (int e : {99, 100, 102, 103, 104})
            QTest::addRow("edition %d", e) << e;
    }
    void everyExchangeCanFail() {
        QFETCH(int, edition);
        use(Profile::ForEdition(edition));
        PrinterConfig full = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &full), int(kLinkOk));
        const qsizetype total = commandCount();
        QVERIFY(total >= 39);   // the shortest full read, edition 99
        for (int n = 1; n < total; ++n) {
            Faults faults;
            faults.closeAfterCommands = n;
            use(Profile::ForEdition(edition), faults);
            PrinterConfig c = Cleared();
            const int result = ReadConfiguration(InterfaceKind::Usb, &c);
            QVERIFY2(result == kDataTransmissionError,
                     qPrintable(QStringLiteral("after %1: %2").arg(n).arg(result)));
            QVERIFY(!LinkIsOpen());
            QCOMPARE(commandCount(), qsizetype(n));
        }
        Faults faults;
        faults.closeAfterCommands = int(total);
        use(Profile::ForEdition(edition), faults);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kLinkOk));
        QCOMPARE(Bytes(c), Bytes(full));
    }

    // A reply that never comes: a receiving error, except where older firmware is expected
    // to be silent.
    void everyReplyCanBeMissing_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<int>("result");
        QTest::newRow("DPI") << QByteArray("DPI") << 3;
        for (const char* k : {"VERSION", "MILAGE", "CHECKSUM"})
            QTest::newRow(k) << QByteArray(k) << 3;
        for (const char* k : kNativeKeywords)
            QTest::newRow(k) << QByteArray(k) << 3;
        for (const char* k : {"REPRINT", "SHIFTX", "SHIFTXBASE", "EDITION"})
            QTest::newRow(k) << QByteArray(k) << 0;
        for (const char* k : kEmulationKeywords)
            QTest::newRow(k) << QByteArray(k) << 3;
        for (const char* k : {"CUTCOUNTER", "MAXLENGTH", "RESETMILAGE", "RESETCUTCOUNTER", "RIBBONSENSOR",
                              "RIBBONENCODER", "AUTOTHRESHOLD"})
            QTest::newRow(k) << QByteArray(k) << 3;
    }
    void everyReplyCanBeMissing() {
        QFETCH(QByteArray, keyword);
        QFETCH(int, result);
        Faults faults;
        faults.silentKeywords = {keyword};
        use(Profile::ForEdition(104), faults);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), result);
        QCOMPARE(lastCommand(), "DIAGNOSTIC REPORT " + keyword);   // nothing asked after it
    }

    void malformedFrames_data() {
        QTest::addColumn<Faults::Malformed>("malformed");
        QTest::newRow("missing closing brace") << Faults::Malformed::MissingClosingBrace;
        QTest::newRow("too many digits") << Faults::Malformed::TooManyDigits;
        QTest::newRow("oversized length") << Faults::Malformed::OversizedLength;
        QTest::newRow("no separator") << Faults::Malformed::NoSeparator;
    }
    void malformedFrames() {
        QFETCH(Faults::Malformed, malformed);
        Faults faults;
        faults.malformed = malformed;
        use(Profile::ForEdition(104), faults);
        PrinterConfig c = Cleared();
        const QByteArray before = Bytes(c);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kDataReceivingError));
        QCOMPARE(commandCount(), qsizetype(1));   // the announcement's reply already fails
        QCOMPARE(Bytes(c), before);
    }

    // Replies trickling in byte by byte behind line noise give the same record.
    void noiseAndSplitReplies() {
        use(Profile::ForEdition(104));
        PrinterConfig plain = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &plain), int(kLinkOk));
        Faults faults;
        faults.oneByteSegments = true;
        faults.noiseBeforeFrame = "ab\r\n";
        use(Profile::ForEdition(104), faults);
        PrinterConfig noisy = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &noisy), int(kLinkOk));
        QCOMPARE(Bytes(noisy), Bytes(plain));
    }

    void textReplySizes_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("field");   // offset of the text field
        QTest::newRow("VERSION 254") << QByteArray("VERSION") << 254 << 0 << 21;
        QTest::newRow("VERSION 255") << QByteArray("VERSION") << 255 << 3 << 21;
        QTest::newRow("MILAGE 14") << QByteArray("MILAGE") << 14 << 0 << 277;
        QTest::newRow("MILAGE 15") << QByteArray("MILAGE") << 15 << 3 << 277;
        QTest::newRow("CHECKSUM 14") << QByteArray("CHECKSUM") << 14 << 0 << 309;
        QTest::newRow("CHECKSUM 15") << QByteArray("CHECKSUM") << 15 << 3 << 309;
        QTest::newRow("RESETMILAGE 14") << QByteArray("RESETMILAGE") << 14 << 0 << 293;
        QTest::newRow("RESETMILAGE 15") << QByteArray("RESETMILAGE") << 15 << 3 << 293;
        QTest::newRow("VERSION empty") << QByteArray("VERSION") << 0 << 0 << 21;
        QTest::newRow("SPEED 1022") << QByteArray("SPEED") << 1022 << 0 << -1;
        QTest::newRow("SPEED 1023") << QByteArray("SPEED") << 1023 << 3 << -1;
    }
    void textReplySizes() {
        QFETCH(QByteArray, keyword);
        QFETCH(int, length);
        QFETCH(int, result);
        QFETCH(int, field);
        QByteArray reply(length, 'x');
        for (int i = 0; i < length; ++i)
            reply[i] = char('A' + i % 26);
        PrinterConfig c;
        QCOMPARE(readWith(keyword, reply, c), result);
        if (field >= 0) {
            const char* text = reinterpret_cast<const char*>(&c) + field;
            if (result == kLinkOk)
                QCOMPARE(QByteArray(text), reply);
            else
                QCOMPARE(QByteArray(text), QByteArray());   // an oversized reply stores nothing
        }
        if (result != kLinkOk) QCOMPARE(lastCommand(), "DIAGNOSTIC REPORT " + keyword);
    }

    void serialNumberLine_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stored");
        QTest::newRow("empty") << 0 << 0 << 0;
        QTest::newRow("63 fits") << 63 << 0 << 63;
        QTest::newRow("64 cut") << 64 << 0 << 63;
        QTest::newRow("1024 cut") << 1024 << 0 << 63;
        QTest::newRow("1025 is no line") << 1025 << 3 << 0;
    }
    void serialNumberLine() {
        QFETCH(int, length);
        QFETCH(int, result);
        QFETCH(int, stored);
        Profile p = Profile::ForEdition(104);
        p.serialNumber = QByteArray(length, 'S');
        use(p);
        PrinterConfig c = Cleared();
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), result);
        QCOMPARE(QByteArray(c.SerialNumber), QByteArray(stored, 'S'));
        QCOMPARE(c.SerialNumber[63], '\0');
        if (result == kLinkOk)
            QCOMPARE(c.StopBits.present, uint8_t(1));
        else
            QCOMPARE(lastCommand(), QByteArray("OUT _SERIAL$"));
    }

    // A resolution that gives no dots per millimetre ends the read; the resolution fields
    // stay as the caller had them.
    void unusableResolution_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a number") << QByteArray("high");
        QTest::newRow("zero") << QByteArray("0");
        QTest::newRow("below one dot per 100 mm") << QByteArray("0.25");
        QTest::newRow("negative below") << QByteArray("-0.25");
        QTest::newRow("beyond any printer") << QByteArray("1e30");
    }
    void unusableResolution() {
        QFETCH(QByteArray, reply);
        Profile p = Profile::ForEdition(104);
        p.reports.insert("DPI", reply);
        use(p);
        PrinterConfig c = Cleared();
        const QByteArray before = Bytes(c);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kDataReceivingError));
        QCOMPARE(Bytes(c), before);
        QCOMPARE(lastCommand(), QByteArray("DIAGNOSTIC REPORT DPI"));
    }

    void resolutionRounding_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<float>("dpi");
        QTest::addColumn<float>("dotsPerMm");
        QTest::newRow("203") << QByteArray("203") << 203.0f << 8.0f;
        QTest::newRow("300") << QByteArray("300") << 300.0f << 11.8f;
        QTest::newRow("600") << QByteArray("600") << 600.0f << 23.6f;
        QTest::newRow("200") << QByteArray("200") << 200.0f << 7.9f;
        QTest::newRow("with unit") << QByteArray(" 203 DPI") << 203.0f << 8.0f;
    }
    void resolutionRounding() {
        QFETCH(QByteArray, reply);
        QFETCH(float, dpi);
        QFETCH(float, dotsPerMm);
        PrinterConfig c;
        QCOMPARE(readWith("DPI", reply, c), int(kLinkOk));
        QCOMPARE(float(c.Dpi), dpi);
        QCOMPARE(float(c.DotsPerMm), dotsPerMm);
        QCOMPARE(c.ConfigRead, uint8_t(1));
    }

    void noRecordOpensNothing() {
        use(Profile::ForEdition(104));
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, nullptr), int(kUnknownError));
        QCOMPARE(m_stats.opens, 0);
    }

    void linkThatCannotOpen() {
        SetTransport(InterfaceKind::Usb, MakeAbsentTransport());
        PrinterConfig c = Cleared();
        const QByteArray before = Bytes(c);
        QCOMPARE(ReadConfiguration(InterfaceKind::Usb, &c), int(kPortOpenError));
        QCOMPARE(Bytes(c), before);
    }

    void parallelCannotRead() {
        use(Profile::ForEdition(104), {}, InterfaceKind::Lpt);
        PrinterConfig c = Cleared();
        // Through the dispatcher no exchange happens at all.
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Lpt, &c, 0),
                 int(kDataReceivingError));
        QCOMPARE(m_stats.opens, 0);
        // Called directly, the announcement's reply cannot be read.
        QCOMPARE(ReadConfiguration(InterfaceKind::Lpt, &c), int(kDataReceivingError));
        QCOMPARE(transcript(), QByteArray("\r\nDIAGNOSTIC INTERFACE LPT\r\n"));
    }

    void throughTheDispatcher() {
        use(Profile::ForEdition(103), {}, InterfaceKind::Ethernet);
        PrinterConfig c = Cleared();
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Ethernet, &c, 0), int(kLinkOk));
        QCOMPARE(c.Edition, 103);
        QCOMPARE(float(c.DotsPerMm), 7.9f);
    }
};

QTEST_GUILESS_MAIN(TestReadConfiguration)
#include "tst_read_configuration.moc"
