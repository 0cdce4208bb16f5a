// SPDX-License-Identifier: Apache-2.0
// labelbench-cli diff-config: the lines and JSON it prints for two files of either form or
// for a file and the printer, and its exit statuses.

#include "cli/cli_app.h"
#include "config/config_file.h"
#include "link/link_error.h"
#include "sim/sim_server.h"
#include "tests/config/sample_config.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <functional>

using namespace lb;
using lb::sim::Profile;
using lb::sim::SimServer;
using lb::test::CliRun;
using lb::test::RunCliWith;

using Edit = std::function<void(PrinterConfig&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

PrinterConfig Sample() {
    PrinterConfig c = lb::test::SampleConfig(1);
    c.GapSize = {1, 24.0f};
    c.SensorMode = {1, 0};
    return c;
}

QStringList Link(const SimServer& server) {
    return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
}

}   // namespace

class TestDiffConfigCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(300)};
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString save(const QString& name, const PrinterConfig& c) const {
        const QString p = path(name);
        [&] { QCOMPARE(SaveConfigFile(p, c, PrinterStatus{}, kUnitInch), ConfigFileResult::Ok); }();
        return p;
    }

private slots:
    void twoFiles_data() {
        QTest::addColumn<QString>("formA");   // the files' extensions
        QTest::addColumn<QString>("formB");
        QTest::addColumn<Edit>("editB");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        const Edit none = [](PrinterConfig&) {};
        const Edit changed = [](PrinterConfig& c) {
            c.Speed.value = 6.0f;
            c.GapSize.value = 48.0f;
            c.Reprint = {1, 1};
        };
        QTest::newRow("same, .dcf and text") << "dcf"
                                             << "json" << none << QStringList{} << 0 << "";
        QTest::newRow("same, a unit of its own")
            << "json"
            << "dcf" << Edit([](PrinterConfig& c) { c.UnitIsInch = 0; }) << QStringList{} << 0 << "";
        QTest::newRow("differ") << "dcf"
                                << "dcf" << changed << QStringList{} << int(cli::kExitDiffers)
                                << "Speed: 4 \u2192 6\nGap: 0.12 in \u2192 0.24 in\n"
                                   "Reprint After Error: (absent) \u2192 ON\n";
        QTest::newRow("differ in mm")
            << "json"
            << "dcf" << changed << QStringList{"--unit", "mm"} << int(cli::kExitDiffers)
            << "Speed: 4 \u2192 6\nGap: 3.00 mm \u2192 6.00 mm\n"
               "Reprint After Error: (absent) \u2192 ON\n";
        QTest::newRow("a control character is escaped")
            << "json"
            << "json" << Edit([](PrinterConfig& c) {
                   c.ZDelimiter = {1, '\x1b'};
               })
            << QStringList{} << int(cli::kExitDiffers) << "Delimiter Char (Z): (absent) \u2192 \\x1b\n";
        QTest::newRow("json") << "dcf"
                              << "json" << changed << QStringList{"--json"} << int(cli::kExitDiffers)
                              << R"([{"a":"4","b":"6","caption":"Speed","key":"Speed"},)"
                                 R"({"a":"0.12 in","b":"0.24 in","caption":"Gap","key":"GapSize"},)"
                                 R"({"a":null,"b":"ON","caption":"Reprint After Error","key":"Reprint"}])";
        QTest::newRow("json, same") << "dcf"
                                    << "json" << none << QStringList{"--json"} << 0 << "[]";
    }
    void twoFiles() {
        QFETCH(QString, formA);
        QFETCH(QString, formB);
        QFETCH(Edit, editB);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        PrinterConfig b = Sample();
        editB(b);
        const QString fileA = save("a." + formA, Sample());
        const QString fileB = save("b." + formB, b);
        const CliRun r = RunCliWith(QStringList{"diff-config", fileA, fileB} + options);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, exitCode);
        if (options.contains("--json"))
            QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).toJson(QJsonDocument::Compact), out.toUtf8());
        else
            QCOMPARE(r.out, out);
    }

    // One file: against what the printer reports, read as read-config reads it.
    void fileAgainstThePrinter() {
        SimServer server(Profile::ForEdition(103));
        QVERIFY(server.start());
        const QString saved = path("printer.json");
        CliRun r = RunCliWith(Link(server) << "read-config"
                                           << "--unit"
                                           << "mm"
                                           << "--save" << saved);
        QCOMPARE(r.exitCode, 0);
        r = RunCliWith(Link(server) << "diff-config" << saved);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QString());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(server.waitForClosedConnections(2, 5000));
        QCOMPARE(server.transcripts().at(1), server.transcripts().at(0));   // the same read

        PrinterConfig edited{};
        PrinterStatus status{};
        int32_t unit = kUnitInch;
        QCOMPARE(LoadConfigFile(saved, edited, status, unit), ConfigFileResult::Ok);
        const float speed = edited.Speed.value;
        const int32_t offset = edited.Offset.value;
        QCOMPARE(edited.Offset.present, uint8_t(1));
        edited.Speed.value = speed + 2.0f;
        edited.Offset.present = 0;
        const QString changed = save("changed.dcf", edited);
        r = RunCliWith(Link(server) << "diff-config" << changed);
        QCOMPARE(r.exitCode, int(cli::kExitDiffers));
        QCOMPARE(r.out, QStringLiteral("Speed: %1 \u2192 %2\nOffset: (absent) \u2192 %3\n")
                            .arg(speed + 2.0f)
                            .arg(speed)
                            .arg(offset));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");   // its start
        quint16 closedPort = 0;
        {
            SimServer gone;
            if (gone.start()) closedPort = gone.port();
        }   // stopped: nothing listens there now
        const QStringList link{"--host", "127.0.0.1", "--port", QString::number(closedPort)};
        QTest::newRow("no file") << QStringList{"diff-config"} << int(cli::kExitUsage)
                                 << "labelbench-cli: diff-config takes 1 to 2 arguments: A [B]\n";
        QTest::newRow("three files") << QStringList{"diff-config", "a", "b", "c"} << int(cli::kExitUsage)
                                     << "labelbench-cli: diff-config takes 1 to 2 arguments: A [B]\n";
        QTest::newRow("bad unit") << QStringList{"diff-config", "GOOD", "GOOD", "--unit", "cm"}
                                  << int(cli::kExitUsage) << "labelbench-cli: --unit takes inch or mm\n";
        QTest::newRow("missing file") << QStringList{"diff-config", "GOOD", "/nonexistent/b.json"}
                                      << int(kFileOpenError) << "File Open Error\n/nonexistent/b.json: ";
        QTest::newRow("refused text") << QStringList{"diff-config", "BAD", "GOOD"} << int(cli::kExitUsage)
                                      << "File Data Error\nBAD: unknown key \"Colour\"\n";
        QTest::newRow("refused text before the printer")
            << link + QStringList{"diff-config", "BAD"} << int(cli::kExitUsage) << "File Data Error\n";
        QTest::newRow("printer error") << link + QStringList{"diff-config", "GOOD"} << int(kPortOpenError)
                                       << LinkErrorTextEnglish(kPortOpenError) + "\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const QString good = save("good.json", Sample());
        const QString bad = path("bad.json");
        {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"Colour": "red"})");
        }
        args.replaceInStrings("GOOD", good).replaceInStrings("BAD", bad);
        err.replace("BAD", bad);
        const CliRun r = RunCliWith(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
        QCOMPARE(r.out, QString());
    }

    void helpTellsTheExitStatuses() {
        const CliRun r = RunCliWith({"diff-config", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("diff-config A [B] [--unit inch|mm] [--json]\n"), qPrintable(r.out));
        QVERIFY(r.out.contains("10 when they differ"));
    }
};

QTEST_GUILESS_MAIN(TestDiffConfigCli)
#include "tst_diff_config_cli.moc"
