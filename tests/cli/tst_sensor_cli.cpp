// SPDX-License-Identifier: Apache-2.0
// labelbench-cli's sensor commands against the simulated printer: the settings and readings
// as JSON, the calibration commands on the wire, the assisted calibration with a person
// pressing Enter, and numbers that are refused before anything is sent.

#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace lb;
using lb::sim::SimServer;
using lb::sim::SimulatedPrinter;
using lb::sim::UnderSensor;

Q_DECLARE_METATYPE(QList<UnderSensor>)

namespace {

// A person at the printer: before each Enter the next thing is put under the sensor; when
// the steps run out the input ends.
class PersonAtPrinter : public QIODevice {
public:
    PersonAtPrinter(SimulatedPrinter& printer, QList<UnderSensor> steps)
        : m_printer(printer), m_steps(std::move(steps)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_steps.isEmpty() || maxSize < 1) return -1;
        m_printer.setUnderSensor(m_steps.takeFirst());
        data[0] = '\n';
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SimulatedPrinter& m_printer;
    QList<UnderSensor> m_steps;
};

int CountIn(const SimServer& server, const QByteArray& bytes) {
    int n = 0;
    for (const QByteArray& t : server.transcripts())
        n += int(t.count(bytes));
    return n;
}

}   // namespace

class TestSensorCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};

    static QStringList Link(const SimServer& server) {
        return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
    }

private slots:
    void jsonOutputs() {
        SimServer server;
        QVERIFY(server.start());
        server.printer().setUnderSensor(UnderSensor::Liner);
        const test::CliRun settings =
            test::RunCliWith(Link(server) + QStringList{"sensor-settings", "--json"});
        QCOMPARE(settings.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(settings.out.toUtf8()).object(),
                 (QJsonObject{{"mediaType", 0}, {"intensity", 5}, {"threshold", 350}}));
        const test::CliRun readings =
            test::RunCliWith(Link(server) + QStringList{"sensor-readings", "--media", "bline", "--json"});
        QCOMPARE(readings.exitCode, 0);
        QJsonArray liner;
        for (const int32_t v : server.printer().profile().sensor.blackMark.liner)
            liner.append(v);
        QCOMPARE(QJsonDocument::fromJson(readings.out.toUtf8()).object(), (QJsonObject{{"readings", liner}}));
        QCOMPARE(CountIn(server, "DIAGNOSTIC REPORT BLINESENSOR\r\n"), 1);
    }

    // The last connection carries the calibration commands and nothing else.
    void calibrationOnTheWire_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("connections");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("auto 4 x 0.12 inch")
            << QStringList{"auto", "--media", "gap", "--height", "4", "--gap", "0.12"} << 3
            << QByteArray("SET SENSOR_REF MANUAL\r\nGAPDETECT 812,24\r\n");
        QTest::newRow("auto in mm") << QStringList{"auto",  "--media", "gap",    "--height", "101.6",
                                                   "--gap", "3",       "--unit", "mm"}
                                    << 3 << QByteArray("SET SENSOR_REF MANUAL\r\nGAPDETECT 812,24\r\n");
        QTest::newRow("manual bline 5")
            << QStringList{"manual", "--media", "bline", "--intensity", "5"} << 2
            << QByteArray("SET SENSOR_REF MANUAL\r\nBLINE 0.08,0\r\nSET GAP 5\r\n");
    }
    void calibrationOnTheWire() {
        QFETCH(QStringList, args);
        QFETCH(int, connections);
        QFETCH(QByteArray, sent);
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(Link(server) << "calibrate" << args);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(server.waitForClosedConnections(connections, 5000));
        QCOMPARE(server.connectionCount(), connections);
        QCOMPARE(server.transcripts().last(), sent);
    }

    void assisted_data() {
        QTest::addColumn<QByteArray>("media");
        QTest::addColumn<QList<UnderSensor>>("steps");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QByteArray>("sent");   // empty: nothing sent
        const QList<UnderSensor> linerThenLabel{UnderSensor::Liner, UnderSensor::Label};
        QTest::newRow("gap, applied")
            << QByteArray("gap") << linerThenLabel << true << 0 << 2
            << QByteArray("SET SENSOR_REF MANUAL\r\nGAP 0.08,0\r\nSET GAP 9,640\r\n");
        QTest::newRow("not applied") << QByteArray("gap") << linerThenLabel << false << 0 << 2
                                     << QByteArray();
        QTest::newRow("nothing moved: 8")
            << QByteArray("gap") << QList<UnderSensor>{UnderSensor::Label, UnderSensor::Label} << true << 8
            << 2 << QByteArray();
        QTest::newRow("input ends: 64")
            << QByteArray("gap") << QList<UnderSensor>{UnderSensor::Liner} << true << 64 << 1 << QByteArray();
        QTest::newRow("continuous reads once")
            << QByteArray("continuous") << QList<UnderSensor>{} << true << 0 << 1
            << QByteArray("SET SENSOR_REF MANUAL\r\nGAP 0,0\r\nSET GAP 7,508\r\n");
    }
    void assisted() {
        QFETCH(QByteArray, media);
        QFETCH(QList<UnderSensor>, steps);
        QFETCH(bool, apply);
        QFETCH(int, exitCode);
        QFETCH(int, reads);
        QFETCH(QByteArray, sent);
        SimServer server;
        QVERIFY(server.start());
        PersonAtPrinter person(server.printer(), steps);
        QStringList args = Link(server) << "calibrate"
                                        << "assisted"
                                        << "--media" << QString::fromLatin1(media);
        if (apply) args << "--apply";
        const test::CliRun r = test::RunCliWith(args, &person);
        QCOMPARE(r.exitCode, exitCode);
        // The readings, then the password read and the setup when something is sent.
        const int connections = reads + (sent.isEmpty() ? 0 : 2);
        QVERIFY(server.waitForClosedConnections(connections, 5000));
        QCOMPARE(server.connectionCount(), connections);
        QCOMPARE(CountIn(server, "SENSOR\r\n"), reads);
        if (exitCode == 8) QVERIFY(r.err.contains("Can't calibration"));
        if (sent.isEmpty())
            QCOMPARE(CountIn(server, "SET SENSOR_REF"), 0);
        else
            QCOMPARE(server.transcripts().last(), sent);
    }

    void refusedNumbers_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("connections");   // the configuration read of auto, before the sizes
        QTest::newRow("height abc") << QStringList{"auto", "--media", "gap", "--height", "abc"} << 0;
        QTest::newRow("negative height") << QStringList{"auto", "--media", "gap", "--height", "-1"} << 0;
        QTest::newRow("height nan") << QStringList{"auto", "--media", "gap", "--height", "nan"} << 0;
        QTest::newRow("gap with a comma") << QStringList{"auto", "--media", "gap", "--gap", "0,12"} << 0;
        QTest::newRow("intensity 5.5") << QStringList{"manual", "--media", "gap", "--intensity", "5.5"} << 0;
        QTest::newRow("intensity -1") << QStringList{"manual", "--media", "gap", "--intensity", "-1"} << 0;
        QTest::newRow("threshold beyond int32")
            << QStringList{"manual", "--media", "gap", "--intensity", "1", "--threshold", "99999999999"} << 0;
        // No printer's resolution carries it: refused before the configuration is read.
        QTest::newRow("height beyond int32 dots")
            << QStringList{"auto", "--media", "gap", "--height", "99999999", "--gap", "1"} << 0;
    }
    void refusedNumbers() {
        QFETCH(QStringList, args);
        QFETCH(int, connections);
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(Link(server) << "calibrate" << args);
        QCOMPARE(r.exitCode, 64);
        QVERIFY(server.waitForClosedConnections(connections, 5000));
        QCOMPARE(server.connectionCount(), connections);
        QCOMPARE(CountIn(server, "SET "), 0);
    }
};

QTEST_GUILESS_MAIN(TestSensorCli)
#include "tst_sensor_cli.moc"
