// SPDX-License-Identifier: Apache-2.0
// The media sensor's calibration: the command text of every branch, the settings read by
// firmware edition, the readings list and its limits, and the assisted proposals.

#include "functions/sensor_calibration.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "sim/in_process_transport.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;
using Ints = QList<int32_t>;

namespace {

SensorReadings Readings(const Ints& values) {
    SensorReadings r{};
    r.Count = int32_t(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        r.Readings[i] = values[i];
    return r;
}

// A proposal as its numbers; empty when it fails.
Ints Numbers(const SensorProposal& p) {
    return p.ok ? Ints{p.intensity, p.threshold, p.labelReading, p.linerReading} : Ints{};
}

}   // namespace

class TestSensorCalibration : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};

private slots:
    void commandText_data() {
        QTest::addColumn<Ints>("record");   // Mode, MediaType, height, gap, Intensity, Threshold
        QTest::addColumn<QByteArray>("text");
        const QByteArray a = "SET SENSOR_REF AUTO\r\n", m = "SET SENSOR_REF MANUAL\r\n";
        auto row = [](const char* name, Ints r, QByteArray text) { QTest::newRow(name) << r << text; };
        // 4 and 0.12 inch at 203 dpi.
        row("auto gap 812,24", {0, 0, 812, 24, 0, 0}, m + "GAPDETECT 812,24\r\n");
        row("auto selection sizes", {0, 3, 812, 24, 0, 0}, m + "AUTODETECT 812,24\r\n");
        row("auto bline, no gap", {0, 1, 812, 0, 0, 0}, a + "BLINEDETECT\r\n");
        row("auto continuous", {0, 2, 812, 24, 0, 0}, a + "GAP 0.12,0\r\nGAP 0,0\r\n");
        row("manual bline 5, 0", {1, 1, 0, 0, 5, 0}, m + "BLINE 0.08,0\r\nSET GAP 5\r\n");
        row("manual bline 0", {1, 1, 0, 0, 0, 300}, m + "BLINE 0.08,0\r\n");
        row("manual gap 9,640", {1, 0, 0, 0, 9, 640}, m + "GAP 0.08,0\r\nSET GAP 9,640\r\n");
        row("manual selection", {1, 3, 0, 0, 3, 7}, m + "SET GAP 3,7\r\n");
        row("other mode", {2, 0, 812, 24, 5, 5}, QByteArray());
    }
    void commandText() {
        QFETCH(Ints, record);
        QFETCH(QByteArray, text);
        SensorCalibration c{};
        c.Mode = record[0];
        c.MediaType = record[1];
        c.PaperHeightDots = record[2];
        c.GapDots = record[3];
        c.Intensity = record[4];
        c.Threshold = record[5];
        QCOMPARE(SensorCalibrationCommands(c), text);
        // An empty text opens nothing.
        TransportScript script;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        QCOMPARE(RunPrinterOperation(kOpSensorCalibration, InterfaceKind::Usb, &c, 0), 0);
        QCOMPARE(script.written(), text);
        QCOMPARE(script.opens, text.isEmpty() ? 0 : 1);
    }

    void settingsByEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<Ints>("read");   // result, MediaType, Intensity, Threshold
        QTest::addColumn<QByteArray>("asked");
        QTest::newRow("104") << 104 << QByteArray("0") << QByteArray() << Ints{0, 0, 5, 350}
                             << QByteArray("SENSORMODE GAPINTEN EDITION THRESHOLD");
        QTest::newRow("103") << 103 << QByteArray("1") << QByteArray() << Ints{0, 1, 6, 0}
                             << QByteArray("SENSORMODE BLINEINTEN EDITION");
        QTest::newRow("mode 5 as 2") << 104 << QByteArray("5") << QByteArray() << Ints{0, 2, 4, 350}
                                     << QByteArray("SENSORMODE CONINTEN EDITION THRESHOLD");
        QTest::newRow("no edition") << 104 << QByteArray("0") << QByteArray("EDITION") << Ints{0, 0, 5, 0}
                                    << QByteArray("SENSORMODE GAPINTEN EDITION");
        QTest::newRow("no threshold") << 104 << QByteArray("0") << QByteArray("THRESHOLD") << Ints{3, 0, 5, 0}
                                      << QByteArray("SENSORMODE GAPINTEN EDITION THRESHOLD");
    }
    void settingsByEdition() {
        QFETCH(int, edition);
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, silent);
        QFETCH(Ints, read);
        QFETCH(QByteArray, asked);
        sim::Profile p = sim::Profile::ForEdition(edition);
        p.reports["SENSORMODE"] = mode;
        sim::SimulatedPrinter printer(p);
        sim::Faults faults;
        faults.silentKeywords.insert(silent);
        QList<std::shared_ptr<sim::PrinterSession>> sessions;
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&printer, faults, nullptr, &sessions));
        SensorCalibration c{};
        c.MediaType = kMediaContinuous;
        const int result = RunPrinterOperation(kOpSensorSettings, InterfaceKind::Usb, &c, 0);
        SetTransport(InterfaceKind::Usb, nullptr);
        QCOMPARE((Ints{result, c.MediaType, c.Intensity, c.Threshold}), read);
        QByteArray sent = "\r\nDIAGNOSTIC INTERFACE USB\r\n";
        for (const QByteArray& k : asked.split(' '))
            sent += "DIAGNOSTIC REPORT " + k + "\r\n";
        QCOMPARE(sessions.first()->transcript(), sent);
    }

    void readingsList_data() {
        QTest::addColumn<int32_t>("media");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<Ints>("readings");   // on failure the record stays as it was
        QByteArray many;
        Ints first128;
        for (int i = 0; i < 200; ++i) {
            many +=
                "{" + QByteArray::number(QByteArray::number(i).size()) + "|" + QByteArray::number(i) + "}";
            if (i < kMaxSensorReadings) first128.append(i);
        }
        const Ints before{1, 2, 3};
        QTest::newRow("gap") << 0 << QByteArray("{3|512}{2|17}{0|}") << 0 << Ints{512, 17};
        QTest::newRow("black mark") << 1 << QByteArray("{2|40}{0|}") << 0 << Ints{40};
        QTest::newRow("not numbers") << 2 << QByteArray("{3|abc}{4| 42x}{2|-3}{0|}") << 0 << Ints{0, 42, -3};
        QTest::newRow("64 bytes") << 0 << "{64|9" + QByteArray(63, ' ') + "}{0|}" << 0 << Ints{9};
        QTest::newRow("65 bytes") << 0 << "{1|5}{65|" + QByteArray(65, '1') + "}{0|}" << 3 << before;
        QTest::newRow("no empty frame") << 0 << QByteArray("{1|5}") << 3 << before;
        QTest::newRow("200 frames keep 128") << 0 << many + "{0|}" << 0 << first128;
        QTest::newRow("write fails") << 0 << QByteArray() << 2 << before;
    }
    void readingsList() {
        QFETCH(int32_t, media);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(Ints, readings);
        TransportScript script;
        script.segments = {reply};
        if (reply.isEmpty()) script.failWriteAt = 0;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        SensorReadings r = Readings({1, 2, 3});
        r.MediaType = media;
        QCOMPARE(RunPrinterOperation(kOpSensorReadings, InterfaceKind::Usb, &r, 0), result);
        if (result != 2)
            QCOMPARE(script.written(), QByteArray(media == 1 ? "DIAGNOSTIC REPORT BLINESENSOR\r\n"
                                                             : "DIAGNOSTIC REPORT GAPSENSOR\r\n"));
        QCOMPARE(script.closes, 1);
        Ints got;
        for (int i = 0; i < r.Count; ++i)
            got.append(r.Readings[i]);
        QCOMPARE(got, readings);
    }

    // A peer whose list never ends gives 3 instead of holding the read.
    void endlessReadings() {
        TransportScript script;
        script.repeat = "{1|5}";
        script.repeatLimit = 500000;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        SensorReadings r{};
        QCOMPARE(RunPrinterOperation(kOpSensorReadings, InterfaceKind::Usb, &r, 0), 3);
        QVERIFY(script.delivered < script.repeatLimit);
    }

    void twoPasses_data() {
        QTest::addColumn<Ints>("liner");
        QTest::addColumn<Ints>("label");
        QTest::addColumn<Ints>("proposal");   // intensity, threshold, label, liner
        QTest::newRow("95 fails") << Ints{100, 200, 300} << Ints{5, 295, 205} << Ints{};
        QTest::newRow("96 succeeds") << Ints{100, 200, 300} << Ints{5, 296, 205} << Ints{1, 248, 296, 200};
        QTest::newRow("a tie keeps the first")
            << Ints{0, 500, 100} << Ints{0, 100, 500} << Ints{1, 300, 100, 500};
        QTest::newRow("threshold truncated") << Ints{0, 97} << Ints{0, 0} << Ints{1, 48, 0, 97};
        QTest::newRow("only levels both read") << Ints{0, 0, 500} << Ints{0, 10} << Ints{};
    }
    void twoPasses() {
        QFETCH(Ints, liner);
        QFETCH(Ints, label);
        QFETCH(Ints, proposal);
        SensorReadings linerPass = Readings(liner);
        linerPass.Readings[liner.size()] = 5000;   // beyond Count: not a reading
        QCOMPARE(Numbers(ProposeFromTwoPasses(linerPass, Readings(label))), proposal);
    }

    void continuous_data() {
        QTest::addColumn<Ints>("readings");
        QTest::addColumn<Ints>("proposal");   // intensity, threshold, reading, 0
        QTest::newRow("rising: last below 768") << Ints{100, 200, 700, 800, 900} << Ints{1, 478, 700, 0};
        QTest::newRow("falling: last above 256") << Ints{900, 800, 300, 200, 100} << Ints{1, 534, 300, 0};
        QTest::newRow("flat runs down to 1") << Ints{500, 500, 500, 500} << Ints{1, 378, 500, 0};
        // Compared with the last reading, not with the count (3): these readings rise.
        QTest::newRow("compared with the last") << Ints{10, 20, 30} << Ints{1, 143, 30, 0};
        QTest::newRow("one reading fails") << Ints{500} << Ints{};
    }
    void continuous() {
        QFETCH(Ints, readings);
        QFETCH(Ints, proposal);
        QCOMPARE(Numbers(ProposeContinuous(Readings(readings))), proposal);
    }
};

QTEST_GUILESS_MAIN(TestSensorCalibration)
#include "tst_sensor_calibration.moc"
