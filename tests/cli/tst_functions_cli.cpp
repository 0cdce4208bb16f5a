// SPDX-License-Identifier: Apache-2.0
// labelbench-cli rtc, dump and send --reply-ms against the simulated printer: the clock read
// as JSON, the seven lines of a set over what was read, the gate and bad values that send
// nothing, card names refused, the dump fetched into a file, and the printer's answer to a
// block as it sent it.

#include "functions/printer_clock.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <time.h>

using namespace lb;
using lb::sim::Memory;
using lb::sim::Profile;
using lb::sim::SimServer;

namespace {

// The computer's clock and the printer's run on it, held still.
const QDateTime kComputer(QDate(2026, 3, 31), QTime(23, 59, 58));

bool AnyTranscriptContains(const SimServer& server, const QByteArray& bytes) {
    for (const QByteArray& t : server.transcripts())
        if (t.contains(bytes)) return true;
    return false;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

test::CliRun Run(const SimServer& server, const QStringList& args) {
    return test::RunCliWith(QStringList{"--host", "127.0.0.1", "--port", QString::number(server.port())} +
                            args);
}

// The commands ended with this many connections.
bool Connections(const SimServer& server, int count) {
    return server.waitForClosedConnections(count, 5000) && server.connectionCount() == count;
}

// The seven lines of operation 8 for these values.
QByteArray ClockLines(const QList<int>& v) {
    QByteArray text;
    int i = 0;
    for (const char* field : {"YEAR", "MONTH", "DATE", "HOUR", "MINUTE", "SECOND"})
        text += QByteArray("@") + field + " = \"" + QByteArray::number(v[i++]) + "\"\r\n";
    return text + "SET RTCFORMAT " + QByteArray::number(v[6]) + "\r\n";
}

}   // namespace

class TestFunctionsCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
    ScopedLocalClock m_clock{[] { return kComputer; }};
    QTemporaryDir m_dir;

private slots:
    // Clocks are compared as wall-clock times, whatever the zone's daylight saving time does
    // between them.
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void rtcGetJson_data() {
        QTest::addColumn<QDateTime>("computer");
        QTest::addColumn<qint64>("offset");
        QTest::newRow("ahead") << kComputer << qint64(125);
        QTest::newRow("a day and an hour behind") << kComputer << qint64(-90000);
        // Summer time begins at 02:00 on 29 March 2026 in Berlin.
        const QDateTime beforeChange(QDate(2026, 3, 29), QTime(1, 30));
        QTest::newRow("across the change to summer time") << beforeChange << qint64(7200);
        QTest::newRow("in the skipped hour") << beforeChange << qint64(3600);
    }
    void rtcGetJson() {
        QFETCH(QDateTime, computer);
        QFETCH(qint64, offset);
        SimServer server;
        QVERIFY(server.start());
        server.printer().setComputerClock([computer] { return computer; });
        server.printer().setClockOffsetSeconds(offset);
        ScopedLocalClock clock([computer] { return computer; });
        const test::CliRun r = Run(server, {"rtc", "get", "--json"});
        QCOMPARE(r.exitCode, 0);
        // The printer's clock knows no summer time: it runs on from the computer's wall clock.
        const QDateTime printer = QDateTime(computer.date(), computer.time(), Qt::UTC).addSecs(offset);
        const QDate d = printer.date();
        const QTime t = printer.time();
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object(), (QJsonObject{{"year", d.year()},
                                                                                {"month", d.month()},
                                                                                {"date", d.day()},
                                                                                {"hour", t.hour()},
                                                                                {"minute", t.minute()},
                                                                                {"second", t.second()},
                                                                                {"format", 0},
                                                                                {"offsetSeconds", offset}}));
    }

    // The printer's format is 3 and its clock 100 s ahead; a set that goes out is the last of
    // three connections (read, password, set).
    void rtcSet_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("password");   // the printer's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("connections");
        QTest::addColumn<QByteArray>("sent");   // empty: no @ line anywhere
        QTest::newRow("all fields, format kept")
            << QStringList{"--year", "2012", "--month",  "7", "--date",   "4",
                           "--hour", "9",    "--minute", "5", "--second", "0"}
            << QByteArray() << 0 << 3 << ClockLines({12, 7, 4, 9, 5, 0, 3});
        // 2026-04-01 00:01:38 as read.
        QTest::newRow("one field over the read clock, format given")
            << QStringList{"--hour", "7", "--format", "4"} << QByteArray() << 0 << 3
            << ClockLines({26, 4, 1, 7, 1, 38, 4});
        QTest::newRow("system time") << QStringList{"--system-time", "--password", "pw"} << QByteArray("pw")
                                     << 0 << 3 << ClockLines({26, 3, 31, 23, 59, 58, 3});
        QTest::newRow("gate refuses")
            << QStringList{"--system-time"} << QByteArray("pw") << 7 << 2 << QByteArray();
        QTest::newRow("not a number")
            << QStringList{"--month", "7.5"} << QByteArray() << 64 << 0 << QByteArray();
        QTest::newRow("month 13") << QStringList{"--month", "13"} << QByteArray() << 64 << 0 << QByteArray();
        QTest::newRow("format 5") << QStringList{"--system-time", "--format", "5"} << QByteArray() << 64 << 0
                                  << QByteArray();
        QTest::newRow("system time and a field")
            << QStringList{"--system-time", "--hour", "3"} << QByteArray() << 64 << 0 << QByteArray();
        QTest::newRow("nothing to set") << QStringList{} << QByteArray() << 64 << 0 << QByteArray();
    }
    void rtcSet() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, password);
        QFETCH(int, exitCode);
        QFETCH(int, connections);
        QFETCH(QByteArray, sent);
        Profile profile = Profile::Default();
        profile.password = password;
        profile.clock.format = 3;
        SimServer server(profile);
        QVERIFY(server.start());
        server.printer().setComputerClock([] { return kComputer; });
        server.printer().setClockOffsetSeconds(100);
        QCOMPARE(Run(server, QStringList{"rtc", "set"} + args).exitCode, exitCode);
        QVERIFY(Connections(server, connections));
        if (sent.isEmpty())
            QVERIFY(!AnyTranscriptContains(server, "@"));
        else
            QCOMPARE(server.transcripts().last(), sent);
    }

    // A field not given goes back as read only when the clock can hold it: a format of 9 read
    // from the printer is refused, named, and nothing is written.
    void rtcSetRefusesAnImpossibleReading() {
        Profile profile = Profile::Default();
        profile.clock.format = 9;
        SimServer server(profile);
        QVERIFY(server.start());
        const test::CliRun r = Run(server, {"rtc", "set", "--hour", "9"});
        QCOMPARE(r.exitCode, 64);
        QVERIFY2(r.err.contains("format 9"), qPrintable(r.err));
        QVERIFY(Connections(server, 1));
        QVERIFY(!AnyTranscriptContains(server, "@"));
    }

    void dumpCard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("LOG1.TXT") << QString("LOG1.TXT") << 0;
        QTest::newRow("quote") << QString("A\"B") << 64;
        QTest::newRow("CR") << QString("A\rB") << 64;
        QTest::newRow("NUL") << QString::fromLatin1("A\0B", 3) << 64;
        QTest::newRow("ESC") << QString("A\x1b!R") << 64;
        QTest::newRow("13 characters") << QString("ABCDEFGH.TXTX") << 64;
        QTest::newRow("empty") << QString() << 64;
    }
    void dumpCard() {
        QFETCH(QString, name);
        QFETCH(int, exitCode);
        SimServer server;
        QVERIFY(server.start());
        QCOMPARE(Run(server, {"dump", "card", name}).exitCode, exitCode);
        QVERIFY(Connections(server, exitCode == 0 ? 1 : 0));
        if (exitCode == 0) {
            QCOMPARE(server.transcripts().first(), "DUMP_TEXT SAVE 1000,E,\"" + name.toLatin1() + "\",");
            QVERIFY(server.printer().profile().memories[Memory::Card].find(name.toLatin1()));
        }
    }

    // The printer is put into dump mode, a job goes to it, and dump file --out fetches what it kept.
    void dumpFileOut_data() {
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("written") << QString("dump.txt") << 0;
        QTest::newRow("cannot be written") << QString("missing/dump.txt") << 4;
    }
    void dumpFileOut() {
        QFETCH(QString, out);
        QFETCH(int, exitCode);
        SimServer server;
        QVERIFY(server.start());
        const QByteArray job = "SIZE 4,2\r\nTEXT 10,10,\"3\",0,1,1,\"x\"\r\nPRINT 1\r\n";
        QCOMPARE(Run(server, {"dump", "file"}).exitCode, 0);
        QCOMPARE(Run(server, {"send", WriteFile(m_dir.filePath("job.txt"), job)}).exitCode, 0);
        const QString path = m_dir.filePath(out);
        const test::CliRun r = Run(server, {"dump", "file", "--out", path});
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 0)
            QCOMPARE(ReadFile(path), job);
        else
            QVERIFY(r.err.startsWith("File Open Error"));
        QVERIFY(Connections(server, 4));
        QVERIFY(server.transcripts().last().contains("DIAGNOSTIC FILE \"Dump.txt\""));
    }

    void sendReplyMs_data() {
        QTest::addColumn<QStringList>("link");   // empty: the simulator's
        QTest::addColumn<QString>("ms");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the framed answer") << QStringList{} << QString("100") << 0;
        QTest::newRow("0 ms") << QStringList{} << QString("0") << 64;
        QTest::newRow("beyond a minute") << QStringList{} << QString("60001") << 64;
        QTest::newRow("not a number") << QStringList{} << QString("1e3") << 64;
        QTest::newRow("lpt cannot read") << QStringList{"--lpt", "/nonexistent/lp0"} << QString("100") << 64;
    }
    void sendReplyMs() {
        QFETCH(QStringList, link);
        QFETCH(QString, ms);
        QFETCH(int, exitCode);
        SimServer server;
        QVERIFY(server.start());
        const QStringList args{"send", WriteFile(m_dir.filePath("dpi.txt"), "DIAGNOSTIC REPORT DPI\r\n"),
                               "--reply-ms", ms};
        const test::CliRun r = link.isEmpty() ? Run(server, args) : test::RunCliWith(link + args);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 64) QVERIFY(r.err.contains("--reply-ms"));
        QCOMPARE(r.out, exitCode == 0 ? QString("{3|203}") : QString());
        QVERIFY(Connections(server, exitCode == 0 ? 1 : 0));
    }
};

QTEST_GUILESS_MAIN(TestFunctionsCli)
#include "tst_functions_cli.moc"
