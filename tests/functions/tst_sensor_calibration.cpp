// The media sensor's calibration: the command text of every branch, operation 10's write,
// the settings read by firmware edition, the readings list and its limits, and the assisted
// proposals (the 96 limit, ties, the continuous evaluation).

#include "functions/sensor_calibration.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "sim/in_process_transport.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;
using lb::sim::Faults;
using lb::sim::InProcessStats;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;

Q_DECLARE_METATYPE(lb::SensorCalibration)

namespace {

SensorCalibration Record(int32_t mode, int32_t media, int32_t height, int32_t gap, int32_t intensity,
                         int32_t threshold) {
    SensorCalibration c{};
    c.Confirmed = 1;
    c.Mode = mode;
    c.MediaType = media;
    c.PaperHeightDots = height;
    c.GapDots = gap;
    c.Intensity = intensity;
    c.Threshold = threshold;
    c.DotsPerUnit = 203;
    return c;
}

SensorReadings Readings(const QList<int32_t>& values) {
    SensorReadings r{};
    r.Count = int32_t(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        r.Readings[i] = values[i];
    return r;
}

QByteArray Reports(const QList<QByteArray>& keywords) {
    QByteArray all = "\r\nDIAGNOSTIC INTERFACE USB\r\n";
    for (const QByteArray& k : keywords)
        all += "DIAGNOSTIC REPORT " + k + "\r\n";
    return all;
}

}   // namespace

class TestSensorCalibration : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(10)};

private slots:
    void commandText_data() {
        QTest::addColumn<SensorCalibration>("record");
        QTest::addColumn<QByteArray>("text");
        const QByteArray autoRef = "SET SENSOR_REF AUTO\r\n", manualRef = "SET SENSOR_REF MANUAL\r\n";
        // 4 and 0.12 inch at 203 dpi.
        QTest::newRow("auto gap 812,24") << Record(0, 0, 812, 24, 0, 0) << manualRef + "GAPDETECT 812,24\r\n";
        QTest::newRow("auto bline sizes")
            << Record(0, 1, 812, 24, 0, 0) << manualRef + "BLINEDETECT 812,24\r\n";
        QTest::newRow("auto selection sizes")
            << Record(0, 3, 812, 24, 0, 0) << manualRef + "AUTODETECT 812,24\r\n";
        QTest::newRow("auto gap, no height") << Record(0, 0, 0, 24, 0, 0) << autoRef + "GAPDETECT\r\n";
        QTest::newRow("auto bline, no gap") << Record(0, 1, 812, 0, 0, 0) << autoRef + "BLINEDETECT\r\n";
        QTest::newRow("auto selection bare") << Record(0, 3, 0, 0, 0, 0) << autoRef + "AUTODETECT\r\n";
        QTest::newRow("auto continuous ignores sizes")
            << Record(0, 2, 812, 24, 0, 0) << autoRef + "GAP 0.12,0\r\nGAP 0,0\r\n";
        QTest::newRow("manual bline 5, threshold 0")
            << Record(1, 1, 0, 0, 5, 0) << manualRef + "BLINE 0.08,0\r\nSET GAP 5\r\n";
        QTest::newRow("manual bline intensity 0")
            << Record(1, 1, 0, 0, 0, 300) << manualRef + "BLINE 0.08,0\r\n";
        QTest::newRow("manual gap 9,640")
            << Record(1, 0, 0, 0, 9, 640) << manualRef + "GAP 0.08,0\r\nSET GAP 9,640\r\n";
        QTest::newRow("manual continuous")
            << Record(1, 2, 0, 0, 4, 0) << manualRef + "GAP 0,0\r\nSET GAP 4\r\n";
        QTest::newRow("manual selection") << Record(1, 3, 0, 0, 3, 7) << manualRef + "SET GAP 3,7\r\n";
        QTest::newRow("other mode") << Record(2, 0, 812, 24, 5, 5) << QByteArray();
    }
    void commandText() {
        QFETCH(SensorCalibration, record);
        QFETCH(QByteArray, text);
        QCOMPARE(SensorCalibrationCommands(record), text);
    }

    // One write of the text; an empty text opens nothing.
    void calibrateWritesTheText() {
        SimulatedPrinter printer;
        InProcessStats stats;
        QList<std::shared_ptr<PrinterSession>> sessions;
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&printer, {}, &stats, &sessions));
        SensorCalibration c = Record(0, 0, 812, 24, 0, 0);
        const int sent = RunPrinterOperation(kOpSensorCalibration, InterfaceKind::Usb, &c, 0);
        SensorCalibration none = Record(5, 0, 812, 24, 0, 0);
        const int empty = RunPrinterOperation(kOpSensorCalibration, InterfaceKind::Usb, &none, 0);
        SetTransport(InterfaceKind::Usb, nullptr);
        QCOMPARE(sent, 0);
        QCOMPARE(empty, 0);
        QCOMPARE(stats.opens, 1);
        QCOMPARE(stats.chunkSizes.size(), 1);
        QCOMPARE(sessions.first()->transcript(), QByteArray("SET SENSOR_REF MANUAL\r\nGAPDETECT 812,24\r\n"));
    }

    void settingsByEdition_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("sensorMode");
        QTest::addColumn<QByteArray>("silent");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("read");   // MediaType, Intensity, Threshold
        QTest::addColumn<QList<QByteArray>>("asked");
        QTest::newRow("104 gap") << 104 << QByteArray("0") << QByteArray() << 0 << QList<int>{0, 5, 350}
                                 << QList<QByteArray>{"SENSORMODE", "GAPINTEN", "EDITION", "THRESHOLD"};
        QTest::newRow("103: no threshold")
            << 103 << QByteArray("1") << QByteArray() << 0 << QList<int>{1, 6, 0}
            << QList<QByteArray>{"SENSORMODE", "BLINEINTEN", "EDITION"};
        QTest::newRow("mode 5 held at 2")
            << 104 << QByteArray("5") << QByteArray() << 0 << QList<int>{2, 4, 350}
            << QList<QByteArray>{"SENSORMODE", "CONINTEN", "EDITION", "THRESHOLD"};
        QTest::newRow("no edition: 0")
            << 104 << QByteArray("0") << QByteArray("EDITION") << 0 << QList<int>{0, 5, 0}
            << QList<QByteArray>{"SENSORMODE", "GAPINTEN", "EDITION"};
        QTest::newRow("no threshold: 3")
            << 104 << QByteArray("0") << QByteArray("THRESHOLD") << 3 << QList<int>{0, 5, 0}
            << QList<QByteArray>{"SENSORMODE", "GAPINTEN", "EDITION", "THRESHOLD"};
        QTest::newRow("no intensity: 3")
            << 104 << QByteArray("1") << QByteArray("BLINEINTEN") << 3 << QList<int>{1, 0, 0}
            << QList<QByteArray>{"SENSORMODE", "BLINEINTEN"};
    }
    void settingsByEdition() {
        QFETCH(int, edition);
        QFETCH(QByteArray, sensorMode);
        QFETCH(QByteArray, silent);
        QFETCH(int, result);
        QFETCH(QList<int>, read);
        QFETCH(QList<QByteArray>, asked);
        Profile p = Profile::ForEdition(edition);
        p.reports["SENSORMODE"] = sensorMode;
        SimulatedPrinter printer(p);
        Faults faults;
        if (!silent.isEmpty()) faults.silentKeywords.insert(silent);
        InProcessStats stats;
        QList<std::shared_ptr<PrinterSession>> sessions;
        SetTransport(InterfaceKind::Usb, sim::MakeInProcessTransport(&printer, faults, &stats, &sessions));
        SensorCalibration c{};
        c.MediaType = kMediaContinuous;
        const int got = RunPrinterOperation(kOpSensorSettings, InterfaceKind::Usb, &c, 0);
        SetTransport(InterfaceKind::Usb, nullptr);
        QCOMPARE(got, result);
        QCOMPARE((QList<int>{c.MediaType, c.Intensity, c.Threshold}), read);
        QCOMPARE(sessions.first()->transcript(), Reports(asked));
    }

    void readingsList_data() {
        QTest::addColumn<int32_t>("media");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int32_t>>("readings");   // empty on failure: the record unchanged
        QTest::addColumn<QByteArray>("command");
        const QByteArray gap = "DIAGNOSTIC REPORT GAPSENSOR\r\n";
        QTest::newRow("gap") << int32_t(0) << QByteArray("{3|512}{2|17}{1|9}{0|}") << 0
                             << QList<int32_t>{512, 17, 9} << gap;
        QTest::newRow("black mark") << int32_t(1) << QByteArray("{2|40}{0|}") << 0 << QList<int32_t>{40}
                                    << QByteArray("DIAGNOSTIC REPORT BLINESENSOR\r\n");
        QTest::newRow("continuous reads the gap sensor")
            << int32_t(2) << QByteArray("{1|7}{0|}") << 0 << QList<int32_t>{7} << gap;
        QTest::newRow("not numbers") << int32_t(0) << QByteArray("{3|abc}{4| 42x}{2|-3}{0|}") << 0
                                     << QList<int32_t>{0, 42, -3} << gap;
        QTest::newRow("64 bytes") << int32_t(0) << "{64|" + QByteArray("9") + QByteArray(63, ' ') + "}{0|}"
                                  << 0 << QList<int32_t>{9} << gap;
        QTest::newRow("65 bytes: 3") << int32_t(0) << "{1|5}{65|" + QByteArray(65, '1') + "}{0|}" << 3
                                     << QList<int32_t>{} << gap;
        QTest::newRow("no empty frame: 3")
            << int32_t(0) << QByteArray("{1|5}{1|6}") << 3 << QList<int32_t>{} << gap;
        QByteArray many;
        QList<int32_t> first128;
        for (int i = 0; i < 200; ++i) {
            const QByteArray n = QByteArray::number(i);
            many += "{" + QByteArray::number(n.size()) + "|" + n + "}";
            if (i < kMaxSensorReadings) first128.append(i);
        }
        QTest::newRow("200 frames keep the first 128") << int32_t(0) << many + "{0|}" << 0 << first128 << gap;
    }
    void readingsList() {
        QFETCH(int32_t, media);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(QList<int32_t>, readings);
        QFETCH(QByteArray, command);
        TransportScript script;
        script.segments = {reply};
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        SensorReadings r = Readings({1, 2, 3, 4, 5, 6, 7});
        r.MediaType = media;
        QCOMPARE(RunPrinterOperation(kOpSensorReadings, InterfaceKind::Usb, &r, 0), result);
        QCOMPARE(script.written(), command);
        QCOMPARE(script.closes, 1);
        const SensorReadings want =
            Readings(readings.isEmpty() ? QList<int32_t>{1, 2, 3, 4, 5, 6, 7} : readings);
        QCOMPARE(r.Count, want.Count);
        QCOMPARE(r.MediaType, media);
        for (int i = 0; i < want.Count; ++i)
            QCOMPARE(r.Readings[i], want.Readings[i]);
    }

    // A peer whose list never ends gives 3 instead of holding the read.
    void endlessReadings() {
        TransportScript script;
        script.repeat = "{1|5}";
        script.repeatLimit = 5 * 100000;
        ScopedScriptedTransport transport(InterfaceKind::Usb, &script);
        SensorReadings r{};
        QCOMPARE(RunPrinterOperation(kOpSensorReadings, InterfaceKind::Usb, &r, 0), 3);
        QVERIFY(script.delivered < script.repeatLimit);
    }

    void readingsFailures() {
        TransportScript refused;
        refused.openFails = true;
        TransportScript writeFails;
        writeFails.failWriteAt = 0;
        SensorReadings r{};
        for (auto [script, code] : {std::pair{&refused, 1}, {&writeFails, 2}}) {
            ScopedScriptedTransport transport(InterfaceKind::Usb, script);
            QCOMPARE(RunPrinterOperation(kOpSensorReadings, InterfaceKind::Usb, &r, 0), code);
        }
    }

    void twoPasses_data() {
        QTest::addColumn<QList<int32_t>>("liner");
        QTest::addColumn<QList<int32_t>>("label");
        QTest::addColumn<QList<int32_t>>("proposal");   // intensity, threshold, label, liner; empty: fails
        QTest::newRow("95 everywhere fails")
            << QList<int32_t>{100, 200, 300} << QList<int32_t>{5, 295, 205} << QList<int32_t>{};
        QTest::newRow("96 succeeds") << QList<int32_t>{100, 200, 300} << QList<int32_t>{5, 296, 205}
                                     << QList<int32_t>{1, 248, 296, 200};
        QTest::newRow("a tie keeps the first")
            << QList<int32_t>{0, 500, 100, 900} << QList<int32_t>{0, 100, 500, 500}
            << QList<int32_t>{1, 300, 100, 500};
        QTest::newRow("threshold truncated")
            << QList<int32_t>{0, 97} << QList<int32_t>{0, 0} << QList<int32_t>{1, 48, 0, 97};
        QTest::newRow("only the levels both read")
            << QList<int32_t>{0, 0, 500} << QList<int32_t>{0, 10} << QList<int32_t>{};
        QTest::newRow("no readings") << QList<int32_t>{} << QList<int32_t>{} << QList<int32_t>{};
    }
    void twoPasses() {
        QFETCH(QList<int32_t>, liner);
        QFETCH(QList<int32_t>, label);
        QFETCH(QList<int32_t>, proposal);
        SensorReadings linerPass = Readings(liner), labelPass = Readings(label);
        // What lies beyond a pass's Count is not a reading.
        linerPass.Readings[liner.size()] = 5000;
        const SensorProposal p = ProposeFromTwoPasses(linerPass, labelPass);
        QCOMPARE(p.ok, !proposal.isEmpty());
        if (p.ok)
            QCOMPARE((QList<int32_t>{p.intensity, p.threshold, p.labelReading, p.linerReading}), proposal);
    }

    void continuous_data() {
        QTest::addColumn<QList<int32_t>>("readings");
        QTest::addColumn<QList<int32_t>>("proposal");   // intensity, threshold, reading; empty: fails
        QTest::newRow("rising: highest below 768")
            << QList<int32_t>{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}
            << QList<int32_t>{3, 478, 700};
        QTest::newRow("falling: highest above 256")
            << QList<int32_t>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}
            << QList<int32_t>{4, 534, 300};
        QTest::newRow("flat runs down to 1")
            << QList<int32_t>{500, 500, 500, 500} << QList<int32_t>{1, 378, 500};
        // Compared with the last reading, not with the count (3): the readings rise.
        QTest::newRow("compared with the last reading")
            << QList<int32_t>{10, 20, 30} << QList<int32_t>{1, 143, 30};
        // With two readings the first is compared with itself: s = 0.
        QTest::newRow("two readings") << QList<int32_t>{900, 100} << QList<int32_t>{1, 178, 100};
        QTest::newRow("one reading fails") << QList<int32_t>{500} << QList<int32_t>{};
        QTest::newRow("none fails") << QList<int32_t>{} << QList<int32_t>{};
    }
    void continuous() {
        QFETCH(QList<int32_t>, readings);
        QFETCH(QList<int32_t>, proposal);
        const SensorProposal p = ProposeContinuous(Readings(readings));
        QCOMPARE(p.ok, !proposal.isEmpty());
        if (p.ok) QCOMPARE((QList<int32_t>{p.intensity, p.threshold, p.labelReading}), proposal);
    }
};

QTEST_GUILESS_MAIN(TestSensorCalibration)
#include "tst_sensor_calibration.moc"
