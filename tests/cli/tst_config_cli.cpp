// SPDX-License-Identifier: Apache-2.0
// labelbench-cli read-config and show-config: the printed configuration, the saved file's
// bytes, and that failures write nothing.

#include "cli/cli_app.h"
#include "config/config_file.h"
#include "config/read_configuration.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/short_timing.h"
#include "tests/support/test_files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

using namespace lb;
using lb::sim::SimServer;

namespace {

using Run = lb::test::CliRun;
using lb::test::ReadFile;
using lb::test::WriteFile;

Run RunWith(const QStringList& args) {
    return lb::test::RunCliWith(args);
}

QStringList Link(quint16 port) {
    return {"--host", "127.0.0.1", "--port", QString::number(port)};
}

PrinterConfig Sample() {
    PrinterConfig c;
    ClearConfig(c);
    c.UnitIsInch = 0;
    c.Dpi = 203.0f;
    c.DotsPerMm = 8.0f;
    c.Edition = 104;
    std::memcpy(c.Version, "LB-4203 V1.04", 14);
    c.CutCounter = 1520;
    c.PaperWidth = {1, 812.0f};
    c.CodePage = {1, 10};
    c.ZPrintMode = {1, 2};
    return c;
}

}   // namespace

class TestConfigCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};

private slots:
    void showConfig_data() {
        QTest::addColumn<int>("savedUnit");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("width");
        QTest::newRow("saved mm") << int(kUnitMm) << QStringList{}
                                  << "Unit: mm\n"
                                     "PaperWidth: 101.50";
        QTest::newRow("saved inch") << int(kUnitInch) << QStringList{}
                                    << "Unit: inch\n"
                                       "PaperWidth: 4.00";
        QTest::newRow("--unit wins") << int(kUnitMm) << QStringList{"--unit", "inch"}
                                     << "Unit: inch\n"
                                        "PaperWidth: 4.00";
    }
    void showConfig() {
        QFETCH(int, savedUnit);
        QFETCH(QStringList, options);
        QFETCH(QString, width);
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.dcf");
        PrinterStatus status{};
        status.headOpen = 1;
        QCOMPARE(SaveConfigFile(path, Sample(), status, savedUnit), ConfigFileResult::Ok);
        const Run r = RunWith(QStringList{"show-config", path} + options);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        const QStringList lines = r.out.split('\n');
        QCOMPARE(lines.at(0), width.section('\n', 0, 0));
        QCOMPARE(lines.at(1), QString("Status: Head Open"));
        QVERIFY(lines.contains("Version: LB-4203 V1.04"));
        QVERIFY(lines.contains("CutCounter: 1520"));
        QVERIFY(lines.contains(width.section('\n', 1, 1)));
        QVERIFY(lines.contains("CodePage: 850"));
        QVERIFY(lines.contains("ZPrintMode: Peel Off"));
        // Absent settings have no line, the default speed among them.
        QVERIFY(!r.out.contains("Speed:"));
        QVERIFY(!r.out.contains("Density:"));
    }

    // A crafted file cannot forge lines or send escape sequences to the terminal.
    void showConfigEscapesControlCharacters() {
        QTemporaryDir dir;
        const QString path = dir.filePath("crafted.dcf");
        PrinterConfig c = Sample();
        const char version[] = "V1\r\nStatus: Ready\x1b[2J\x7f\x9b";
        std::memcpy(c.Version, version, sizeof version);
        c.ZControlPrefix = {1, '\n'};
        QCOMPARE(SaveConfigFile(path, c, PrinterStatus{}, kUnitInch), ConfigFileResult::Ok);
        const Run r = RunWith({"show-config", path});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split('\n');
        QVERIFY(lines.contains("Version: V1\\x0d\\x0aStatus: Ready\\x1b[2J\\x7f\\x9b"));
        QVERIFY(lines.contains("ZControlPrefix: \\x0a"));
        QCOMPARE(lines.filter("Status:").size(), 2);   // the saved status and the escaped text
        QVERIFY(!r.out.contains(QChar(0x1b)) && !r.out.contains(QChar(0x9b)) && !r.out.contains('\r'));
    }

    void showConfigJson() {
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.dcf");
        QCOMPARE(SaveConfigFile(path, Sample(), PrinterStatus{}, kUnitInch), ConfigFileResult::Ok);
        const Run r = RunWith({"show-config", "--json", path});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(o.value("PaperWidth").toDouble(), 812.0);
        QCOMPARE(o.value("CodePage").toInt(), 10);
        QVERIFY(o.value("Speed").isNull());
        QCOMPARE(o.value("Version").toString(), QString("LB-4203 V1.04"));
    }

    void showConfigRefusesBadFiles_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = BuildConfigFile(Sample(), PrinterStatus{}, kUnitInch);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short") << good.left(600);
        QTest::newRow("text") << QByteArray("hello\n").repeated(200);
        QByteArray wrong = good;
        wrong[1] = 0;
        QTest::newRow("wrong magic") << wrong;
    }
    void showConfigRefusesBadFiles() {
        QFETCH(QByteArray, data);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.dcf");
        WriteFile(path, data);
        const Run r = RunWith({"show-config", path});
        QCOMPARE(r.exitCode, cli::kExitUsage);
        QCOMPARE(r.err, QString("File Data Error\n"));
        QCOMPARE(r.out, QString());
        QCOMPARE(ReadFile(path), data);
    }

    void showConfigUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no file") << QStringList{"show-config"} << int(cli::kExitUsage);
        QTest::newRow("two files") << QStringList{"show-config", "a.dcf", "b.dcf"} << int(cli::kExitUsage);
        QTest::newRow("bad unit") << QStringList{"show-config", "a.dcf", "--unit", "cm"}
                                  << int(cli::kExitUsage);
        QTest::newRow("save is read-config's")
            << QStringList{"show-config", "a.dcf", "--save", "b.dcf"} << int(cli::kExitUsage);
        QTest::newRow("missing file")
            << QStringList{"show-config", "/nonexistent/printer.dcf"} << int(kFileOpenError);
        QTest::newRow("help") << QStringList{"show-config", "--help"} << 0;
        QTest::newRow("read-config help") << QStringList{"read-config", "--help"} << 0;
        QTest::newRow("read-config file") << QStringList{"read-config", "a.dcf"} << int(cli::kExitUsage);
        QTest::newRow("read-config save twice")
            << QStringList{"read-config", "--save", "a", "--save", "b"} << int(cli::kExitUsage);
    }
    void showConfigUsage() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const Run r = RunWith(args);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == int(kFileOpenError))
            QCOMPARE(r.err, LinkErrorTextEnglish(kFileOpenError) +
                                "\n/nonexistent/printer.dcf: No such file or directory\n");
        if (exitCode == 0) QVERIFY(r.out.startsWith(args.first() + " "));
    }

    void readConfig_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("inch default")
            << QStringList{} << QStringList{"Unit: inch",           "PaperWidth: 4.00",
                                            "PaperHeight: 2.00",    "Version: LB-4203 V1.04 EZ",
                                            "CodePage: 850",        "BaudRate: 9600",
                                            "ZPrintMode: Tear Off", "Speed: 4"};
        QTest::newRow("mm") << QStringList{"--unit", "mm"}
                            << QStringList{"Unit: mm", "PaperWidth: 101.50", "PaperHeight: 50.75",
                                           "ZPrintWidth: 101.50"};
    }
    void readConfig() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        SimServer server(sim::Profile::ForEdition(104));
        QVERIFY(server.start());
        const Run r = RunWith(Link(server.port()) << "read-config" << options);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 0);
        const QStringList out = r.out.split('\n');
        for (const QString& line : lines)
            QVERIFY2(out.contains(line), qPrintable(line + " not in:\n" + r.out));
        QVERIFY(!r.out.contains("Status:"));   // nothing asked the printer for its status
    }

    void readConfigSaves_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QByteArray>("unitItem");
        QTest::addColumn<char>("unitIsInch");
        QTest::newRow("inch") << "inch" << QByteArray::fromHex("00000000") << '\1';
        QTest::newRow("mm") << "mm" << QByteArray::fromHex("01000000") << '\0';
    }
    void readConfigSaves() {
        QFETCH(QString, unit);
        QFETCH(QByteArray, unitItem);
        QFETCH(char, unitIsInch);
        SimServer server(sim::Profile::ForEdition(104));
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.dcf");
        WriteFile(path, "an older file");
        const Run r = RunWith(Link(server.port()) << "read-config"
                                                  << "--json"
                                                  << "--unit" << unit << "--save" << path);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("Edition").toInt(), 104);

        // The same read straight from the core, for comparison.
        PrinterConfig expected;
        ClearConfig(expected);
        expected.UnitIsInch = uint8_t(unitIsInch);
        static NetworkTarget target = DefaultNetworkTarget();   // stays registered after this test
        CopyToField(target.host, "127.0.0.1", 9);
        target.port = server.port();
        RegisterLinkSettings(nullptr, nullptr, &target);
        QCOMPARE(RunPrinterOperation(kOpReadConfiguration, InterfaceKind::Ethernet, &expected, 0),
                 int(kLinkOk));

        const QByteArray file = ReadFile(path);
        QCOMPARE(file.size(), 683);
        QCOMPARE(file.left(8), QByteArray::fromHex("aa55000001000000"));
        QCOMPARE(file.mid(8, 4), unitItem);
        QCOMPARE(file.at(12 + 549), unitIsInch);
        QCOMPARE(file.mid(12, 661), QByteArray(reinterpret_cast<const char*>(&expected), sizeof expected));
        QCOMPARE(file.mid(673), QByteArray(10, '\0'));
        QCOMPARE(file.mid(12 + 4, 1), QByteArray("\1"));   // ConfigRead
    }

    void failedReadWritesNothing_data() {
        QTest::addColumn<QStringList>("link");
        QTest::addColumn<int>("exitCode");
        quint16 closedPort = 0;
        {
            SimServer gone;
            if (gone.start()) closedPort = gone.port();
        }   // stopped: nothing listens there now
        QTest::newRow("closed port") << Link(closedPort) << int(kPortOpenError);
        QTest::newRow("lpt") << QStringList{"--interface", "lpt"} << int(kDataReceivingError);
    }
    void failedReadWritesNothing() {
        QFETCH(QStringList, link);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString existing = dir.filePath("existing.dcf");
        const QByteArray before = BuildConfigFile(Sample(), PrinterStatus{}, kUnitMm);
        WriteFile(existing, before);
        Run r = RunWith(link + QStringList{"read-config", "--save", existing});
        QCOMPARE(r.exitCode, exitCode);
        // The message, then which link failed and why.
        QCOMPARE(r.err.section('\n', 0, 0), LinkErrorTextEnglish(exitCode));
        QCOMPARE(r.err.count('\n'), 2);
        QCOMPARE(r.out, QString());
        QCOMPARE(ReadFile(existing), before);
        const QString fresh = dir.filePath("fresh.dcf");
        r = RunWith(link + QStringList{"read-config", "--save", fresh});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(!QFile::exists(fresh));
    }

    void printerStopsMidRead() {
        sim::Faults faults;
        faults.closeAfterCommands = 12;
        SimServer server(sim::Profile::ForEdition(104), faults);
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath("printer.dcf");
        const Run r = RunWith(Link(server.port()) << "read-config"
                                                  << "--save" << path);
        QVERIFY(r.exitCode == kDataTransmissionError || r.exitCode == kDataReceivingError);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(r.out, QString());
    }

    // A disk that fills while the file is written: exit 4, and the old file is as it was.
    void saveOnAFullDisk() {
        SimServer server(sim::Profile::ForEdition(104));
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath("cfg.dcf");
        const QByteArray old = BuildConfigFile(Sample(), PrinterStatus{}, kUnitMm);
        WriteFile(path, old);
        Run r;
        {
            test::ScopedFileSizeLimit full(100);
            QVERIFY(full.active());
            r = RunWith(Link(server.port()) << "read-config"
                                            << "--save" << path);
        }
        QCOMPARE(r.exitCode, int(kFileOpenError));
        QVERIFY(r.err.startsWith(LinkErrorTextEnglish(kFileOpenError) + "\n"));
        QCOMPARE(ReadFile(path), old);
    }

    void saveToUnwritablePath() {
        SimServer server(sim::Profile::ForEdition(104));
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString path = dir.filePath("no/such/dir/printer.dcf");
        const Run r = RunWith(Link(server.port()) << "read-config"
                                                  << "--save" << path);
        QCOMPARE(r.exitCode, int(kFileOpenError));
        QCOMPARE(r.err, LinkErrorTextEnglish(kFileOpenError) + "\n" + path + ": No such file or directory\n");
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestConfigCli)
#include "tst_config_cli.moc"
