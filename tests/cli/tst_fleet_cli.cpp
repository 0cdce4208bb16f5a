// SPDX-License-Identifier: Apache-2.0
// One command on several simulated printers at once: the bytes each printer gets, the JSON
// lines in the order of the list, exit status 9, the refusals before any printer is
// contacted, and the lists of printers --hosts and --hosts-file take.

#include "cli/link_options.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace lb;
using lb::test::RunCliWith;

namespace {

QString Address(const sim::SimServer& server) {
    return QStringLiteral("127.0.0.1:%1").arg(server.port());
}

QList<QJsonObject> JsonLines(const QString& out) {
    QList<QJsonObject> lines;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts))
        lines.append(QJsonDocument::fromJson(line.toUtf8()).object());
    return lines;
}

}   // namespace

class TestFleetCli : public QObject {
    Q_OBJECT

private:
    // Every worker thread starts from the calling thread's timing.
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(2000)};
    QTemporaryDir m_dir;

private slots:
    // Each printer of the fleet receives exactly what one printer receives alone, and the
    // lines come in the order of the list whichever printer answers first.
    void sameBytesAsOnePrinter_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("read-config") << QStringList{"read-config", "--json"};
        QTest::newRow("info") << QStringList{"info", "--json"};
        QTest::newRow("reset, no JSON of its own") << QStringList{"reset", "--json"};
    }
    void sameBytesAsOnePrinter() {
        QFETCH(QStringList, command);
        sim::SimServer alone;
        QVERIFY(alone.start());
        const bool printsJson = command.first() != QLatin1String("reset");
        // Alone, a command without JSON of its own takes no --json.
        const QStringList singleCommand = printsJson ? command : command.mid(0, 1);
        const auto single = RunCliWith(
            QStringList{"--host", "127.0.0.1", "--port", QString::number(alone.port())} + singleCommand);
        QCOMPARE(single.exitCode, 0);
        QVERIFY(alone.waitForClosedConnections(1, 5000));

        std::vector<std::unique_ptr<sim::SimServer>> fleet;
        QStringList hosts;
        for (int delay : {60, 0, 30}) {
            sim::Faults faults;
            faults.replyDelayMs = delay;
            fleet.push_back(std::make_unique<sim::SimServer>(sim::Profile::Default(), faults));
            QVERIFY(fleet.back()->start());
            hosts.append(Address(*fleet.back()));
        }
        const auto r = RunCliWith(QStringList{"--hosts", hosts.join(','), "--jobs", "3"} + command);
        QCOMPARE(r.exitCode, 0);
        const QList<QJsonObject> lines = JsonLines(r.out);
        QCOMPARE(lines.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lines[i].value("host").toString(), QString("127.0.0.1"));
            QCOMPARE(lines[i].value("port").toInt(), int(fleet[std::size_t(i)]->port()));
            QCOMPARE(lines[i].value("exit").toInt(), 0);
            QVERIFY(lines[i].value("error").isNull());
            QCOMPARE(lines[i].value("result").isObject(), printsJson);
            QVERIFY(fleet[std::size_t(i)]->waitForClosedConnections(1, 5000));
            QCOMPARE(fleet[std::size_t(i)]->transcripts(), alone.transcripts());
        }
        if (printsJson)
            QCOMPARE(lines[1].value("result").toObject(),
                     QJsonDocument::fromJson(single.out.toUtf8()).object());
    }

    // A closed port and a printer that never answers fail in their own lines; the others
    // succeed, and the run ends 9 with the summary line.
    void failuresKeepTheirOwnStatus() {
        sim::SimServer good, silent;
        sim::Faults never;
        never.replyDelayMs = 600000;
        silent.setFaults(never);
        QVERIFY(good.start());
        QVERIFY(silent.start());
        sim::SimServer gone;
        QVERIFY(gone.start());
        const QString closed = Address(gone);
        gone.stop();
        const QString hosts = QStringList{Address(good), closed, Address(silent)}.join(',');

        auto r = RunCliWith({"--hosts", hosts, "--reply-timeout", "200", "status", "--json"});
        QCOMPARE(r.exitCode, 9);
        const QList<QJsonObject> lines = JsonLines(r.out);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].value("exit").toInt(), 0);
        QCOMPARE(lines[0].value("result").toObject().value("Status").toString(), QString("Ready"));
        QCOMPARE(lines[1].value("exit").toInt(), 1);
        QVERIFY(lines[1].value("error").toString().startsWith("Port Open Error"));
        QVERIFY(lines[1].value("result").isNull());
        QCOMPARE(lines[2].value("exit").toInt(), 3);
        QVERIFY(lines[2].value("error").toString().startsWith("Data Receiving Error"));

        r = RunCliWith({"--hosts", hosts, "--reply-timeout", "200", "status"});
        QCOMPARE(r.exitCode, 9);
        QVERIFY(r.out.startsWith("== " + Address(good) + " ==\nReady\n"));
        QVERIFY(r.out.contains("== " + closed + " ==\nPort Open Error"));
        QVERIFY(r.out.endsWith("1 of 3 printers succeeded\n"));
    }

    // What cannot run on a fleet is refused before any printer hears of it.
    void refusedBeforeAnyContact_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("format asks") << QStringList{"format", "--memory", "dram"};
        QTest::newRow("assisted calibration asks") << QStringList{"calibrate", "assisted", "--media", "gap"};
        QTest::newRow("show-config needs no printer") << QStringList{"show-config", "a.dcf"};
        QTest::newRow("diff-config of two files") << QStringList{"diff-config", "a.dcf", "b.dcf"};
        QTest::newRow("remote reaches by MAC") << QStringList{"remote", "get", "02:00:00:00:00:02"};
        QTest::newRow("one file for all") << QStringList{"read-config", "--save", "all.dcf"};
        QTest::newRow("backup without {host}")
            << QStringList{"download", "fw.bin", "--type", "firmware", "--backup", "before.dcf"};
        QTest::newRow("bad command line") << QStringList{"read-config", "--unit", "yard"};
    }
    void refusedBeforeAnyContact() {
        QFETCH(QStringList, args);
        sim::SimServer a, b;
        QVERIFY(a.start());
        QVERIFY(b.start());
        const auto r = RunCliWith(QStringList{"--hosts", Address(a) + ',' + Address(b)} + args);
        QCOMPARE(r.exitCode, 64);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("labelbench-cli: "));
        QCOMPARE(a.connectionCount() + b.connectionCount(), 0);
    }

    // Each printer writes its own file, named by its address.
    void filesNamedPerPrinter() {
        sim::SimServer a, b;
        QVERIFY(a.start());
        QVERIFY(b.start());
        const QString pattern = m_dir.filePath("cfg-{host}-{port}.json");
        const auto r =
            RunCliWith({"--hosts", Address(a) + ',' + Address(b), "read-config", "--save", pattern});
        QCOMPARE(r.exitCode, 0);
        for (const sim::SimServer* s : {&a, &b})
            QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("cfg-127.0.0.1-%1.json").arg(s->port()))));
    }

    void hostLists_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("file");
        QTest::addColumn<QStringList>("want");   // host:port, in order; empty: refused
        QTest::newRow("list with ports") << "10.0.0.7,printer-3:9101,[::1]:9200" << false
                                         << QStringList{"10.0.0.7:9100", "printer-3:9101", "::1:9200"};
        QTest::newRow("file with comments and blanks")
            << "# dock A\n10.0.0.7\n\n  10.0.0.8:9101   # the cutter\n#10.0.0.9\n"
            << true << QStringList{"10.0.0.7:9100", "10.0.0.8:9101"};
        QTest::newRow("a printer listed twice")
            << "10.0.0.7,10.0.0.8,10.0.0.7" << false << QStringList{"10.0.0.7:9100", "10.0.0.8:9100"};
        QTest::newRow("discover --json, each printer twice")
            << R"([{"printerName":"A","ipAddress":"10.0.0.7"},{"printerName":"B","ipAddress":"10.0.0.8"},)"
               R"({"printerName":"A","ipAddress":"10.0.0.7"}])"
            << true << QStringList{"10.0.0.7:9100", "10.0.0.8:9100"};
        QTest::newRow("empty item") << "10.0.0.7,,10.0.0.8" << false << QStringList{};
        QTest::newRow("port out of range") << "10.0.0.7:70000" << false << QStringList{};
        QTest::newRow("blank in a host") << "bad host\n" << true << QStringList{};
        QTest::newRow("only comments") << "# nothing yet\n" << true << QStringList{};
        QTest::newRow("JSON without addresses") << R"([{"printerName":"A"}])" << true << QStringList{};
        QTest::newRow("empty JSON list") << "[]" << true << QStringList{};
    }
    void hostLists() {
        QFETCH(QString, text);
        QFETCH(bool, file);
        QFETCH(QStringList, want);
        QList<cli::HostPort> hosts;
        const QString problem = cli::ReadHostList(text, file, hosts);
        if (want.isEmpty()) {
            QVERIFY(!problem.isEmpty());
            return;
        }
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QStringList got;
        for (cli::HostPort& h : hosts)
            got.append(QString::fromLatin1(h.host) + ':' + QString::number(h.port ? h.port : 9100));
        QCOMPARE(got, want);
    }
};

QTEST_GUILESS_MAIN(TestFleetCli)
#include "tst_fleet_cli.moc"
