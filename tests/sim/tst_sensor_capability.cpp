// SPDX-License-Identifier: Apache-2.0
// The simulated printer's media sensor: the readings over what lies under it (set, or
// alternating as in the demo), a calibration the shipped curves allow, the calibration
// commands read back, and the sensor of a JSON profile.

#include "functions/sensor_calibration.h"
#include "sim/simulated_printer.h"
#include "tests/sim/session_output.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace lb::sim;

namespace {

QByteArray Talk(SimulatedPrinter& printer, const QByteArray& input) {
    PrinterSession session(printer, {});
    return test::FedInPieces(session, input, 7);
}

QByteArray Frames(const QList<int32_t>& values) {
    QByteArray all;
    for (const int32_t v : values) {
        const QByteArray n = QByteArray::number(v);
        all += "{" + QByteArray::number(n.size()) + "|" + n + "}";
    }
    return all + "{0|}";
}

lb::SensorReadings Pass(const QList<int32_t>& values) {
    lb::SensorReadings r{};
    r.Count = int32_t(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        r.Readings[i] = values[i];
    return r;
}

}   // namespace

class TestSensorCapability : public QObject {
    Q_OBJECT

private slots:
    // Media that turns each pass: liner first, then label and back; after a quiet minute the
    // liner again; a fixed side stops it.
    void turnsEachPass() {
        SimulatedPrinter printer;
        const MediaSensor sensor = printer.profile().sensor;
        printer.setSensorTurnsEachPass();
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT BLINESENSOR\r\n"), Frames(sensor.blackMark.liner));
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT GAPSENSOR\r\n"), Frames(sensor.gap.label));
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT GAPSENSOR\r\n"), Frames(sensor.gap.liner));
        printer.edit([](Profile& p) { p.sensor.lastPassMs -= MediaSensor::kNewCalibrationAfterMs; });
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT GAPSENSOR\r\n"), Frames(sensor.gap.liner));
        printer.setUnderSensor(UnderSensor::Label);
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT GAPSENSOR\r\n"), Frames(sensor.gap.label));
        QCOMPARE(Talk(printer, "DIAGNOSTIC REPORT GAPSENSOR\r\n"), Frames(sensor.gap.label));
    }

    // A person can complete an assisted calibration of either media on the demo printer.
    void shippedCurvesCanBeCalibrated() {
        const MediaSensor sensor = Profile::Default().sensor;
        for (const SensorCurve& curve : {sensor.gap, sensor.blackMark})
            QVERIFY(lb::ProposeFromTwoPasses(Pass(curve.liner), Pass(curve.label)).ok);
    }

    void commandsReadBack_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<QMap<QByteArray, QByteArray>>("reports");   // "-": not known
        using Reports = QMap<QByteArray, QByteArray>;
        QTest::newRow("gap detect with sizes")
            << 104 << QByteArray("SET SENSOR_REF MANUAL\r\nGAPDETECT 812,24\r\n")
            << Reports{{"SENSORMODE", "0"},    {"GAPINTEN", "9"}, {"THRESHOLD", "640"},
                       {"PAPERHEIGHT", "812"}, {"GAPSIZE", "24"}, {"AUTOTHRESHOLD", "0"}};
        QTest::newRow("bline detect")
            << 104 << QByteArray("SET SENSOR_REF AUTO\r\nBLINEDETECT\r\n")
            << Reports{
                   {"SENSORMODE", "1"}, {"BLINEINTEN", "13"}, {"THRESHOLD", "612"}, {"AUTOTHRESHOLD", "1"}};
        QTest::newRow("manual gap 7,444")
            << 104 << QByteArray("GAP 0.08,0\r\nSET GAP 7,444\r\n")
            << Reports{{"SENSORMODE", "0"}, {"GAPINTEN", "7"}, {"THRESHOLD", "444"}};
        QTest::newRow("103 has no threshold") << 103 << QByteArray("GAP 0.08,0\r\nSET GAP 5,300\r\n")
                                              << Reports{{"GAPINTEN", "5"}, {"THRESHOLD", "-"}};
    }
    void commandsReadBack() {
        QFETCH(int, edition);
        QFETCH(QByteArray, commands);
        using Reports = QMap<QByteArray, QByteArray>;
        QFETCH(Reports, reports);
        SimulatedPrinter printer(Profile::ForEdition(edition));
        QVERIFY(Talk(printer, commands).isEmpty());   // none of them answers
        for (auto it = reports.begin(); it != reports.end(); ++it) {
            bool known = false;
            const QByteArray value = printer.reportReply(it.key(), &known);
            QCOMPARE(known ? value : QByteArray("-"), it.value());
        }
    }

    void profileSensor_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("loads");
        QTest::newRow("curves and liner")
            << QByteArray(
                   R"({"sensor": {"gap": {"liner": [1, 2], "label": [3, 4]}, "underSensor": "liner"}})")
            << true;
        QTest::newRow("lengths differ")
            << QByteArray(R"({"sensor": {"gap": {"liner": [1, 2], "label": [3]}}})") << false;
    }
    void profileSensor() {
        QFETCH(QByteArray, json);
        QFETCH(bool, loads);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(json);
        file.close();
        Profile p;
        QString error;
        QCOMPARE(Profile::LoadFromFile(file.fileName(), p, &error), loads);
        if (!loads) {
            QVERIFY(error.contains("sensor"));
            return;
        }
        QCOMPARE(p.sensor.gap.liner, (QList<int32_t>{1, 2}));
        QCOMPARE(p.sensor.under, UnderSensor::Liner);
        QCOMPARE(p.sensor.blackMark.label, Profile::Default().sensor.blackMark.label);   // kept
    }
};

QTEST_GUILESS_MAIN(TestSensorCapability)
#include "tst_sensor_capability.moc"
