// SPDX-License-Identifier: Apache-2.0
// The commands behind the password gate: write-config and factory-default.

#include "cli/cli_app.h"
#include "config/config_file.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "config/read_configuration.h"
#include "config/write_configuration.h"
#include "functions/test_page.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"
#include "tests/support/short_timing.h"

#include <QTemporaryDir>
#include <QtTest>
#include <limits>

using namespace lb;
using lb::sim::Profile;
using lb::sim::SimServer;

namespace {

int RunWith(const QStringList& args, QString* err = nullptr) {
    QString out, errText;
    QTextStream o(&out), e(&errText);
    cli::CliStreams s;
    s.out = &o;
    s.err = &e;
    const int code = cli::RunCli(args, s);
    e.flush();
    if (err) *err = errText;
    return code;
}

bool AnyTranscriptContains(const SimServer& server, const QByteArray& bytes) {
    for (const QByteArray& t : server.transcripts())
        if (t.contains(bytes)) return true;
    return false;
}

}   // namespace

class TestGatedCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
    QTemporaryDir m_dir;

    QStringList link(const SimServer& server) {
        return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
    }

private slots:
    void factoryDefaultGate_data() {
        QTest::addColumn<QByteArray>("printerPassword");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");   // in the refusal
        QTest::newRow("no password set") << QByteArray() << QStringList{} << 0 << QString();
        QTest::newRow("none set, one given")
            << QByteArray() << QStringList{"--password", "x"} << 0 << QString();
        QTest::newRow("set, none given") << QByteArray("Secret") << QStringList{} << 7 << "was not given";
        QTest::newRow("set, wrong case")
            << QByteArray("Secret") << QStringList{"--password", "secret"} << 7 << "does not match";
        QTest::newRow("set, empty given")
            << QByteArray("Secret") << QStringList{"--password", ""} << 7 << "does not match";
        QTest::newRow("set, right") << QByteArray("Secret") << QStringList{"--password", "Secret"} << 0
                                    << QString();
    }

    void factoryDefaultGate() {
        QFETCH(QByteArray, printerPassword);
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        Profile profile = Profile::ForEdition(104);
        profile.password = printerPassword;
        SimServer server(profile);
        QVERIFY(server.start());
        QString err;
        QCOMPARE(RunWith(link(server) << "factory-default" << extra, &err), exitCode);
        QVERIFY2(err.contains(says), qPrintable(err));
        // The password report, then the command itself when the gate passed.
        QVERIFY(server.waitForClosedConnections(exitCode == 0 ? 2 : 1, 5000));
        QCOMPARE(AnyTranscriptContains(server, "INITIALPRINTER\r\n"), exitCode == 0);
    }

    void writeConfigSendsThePage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("index");
        QTest::newRow("common") << "common" << int(kPageCommon);
        QTest::newRow("z") << "Z" << int(kPageZ);
        QTest::newRow("d") << "d" << int(kPageD);
        QTest::newRow("interface") << "interface" << int(kPageInterface);
    }

    void writeConfigSendsThePage() {
        QFETCH(QString, page);
        QFETCH(int, index);
        SimServer server(Profile::ForEdition(104));
        QVERIFY(server.start());
        const QString file = m_dir.filePath("read.dcf");
        QCOMPARE(RunWith(link(server) << "read-config"
                                      << "--save" << file),
                 0);
        PrinterConfig config{};
        PrinterStatus status{};
        int32_t unit = 0;
        QCOMPARE(LoadConfigFile(file, config, status, unit), ConfigFileResult::Ok);

        QCOMPARE(RunWith(link(server) << "write-config" << file << "--page" << page), 0);
        // The read, the password report, the write.
        QVERIFY(server.waitForClosedConnections(3, 5000));
        QCOMPARE(server.connectionCount(), 3);
        QByteArray expected;
        for (const QByteArray& c : ConfigurationCommands(config, index))
            expected += c;
        QVERIFY(!expected.isEmpty());
        QCOMPARE(server.transcripts().last(), expected);
    }

    void writeConfigRefusesBadInput_data() {
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        PrinterConfig config{};
        ClearConfig(config);
        const QByteArray good = BuildConfigFile(config, PrinterStatus{}, 0);
        QByteArray wrongMagic = good;
        wrongMagic[0] = 0x55;
        QTest::newRow("wrong magic") << wrongMagic << QStringList{"--page", "common"} << cli::kExitUsage;
        QTest::newRow("short file") << good.left(682) << QStringList{"--page", "common"} << cli::kExitUsage;
        QTest::newRow("no page") << good << QStringList{} << cli::kExitUsage;
        QTest::newRow("bad page") << good << QStringList{"--page", "x"} << cli::kExitUsage;
        QTest::newRow("stray argument") << good << QStringList{"--page", "z", "again"} << cli::kExitUsage;
        // Values no command can carry: "SPEED nan", "SIZE inf,2.00", a 39-digit speed.
        auto withItem = [&](auto set) {
            PrinterConfig c = config;
            set(c);
            return BuildConfigFile(c, PrinterStatus{}, 0);
        };
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("speed nan") << withItem([&](PrinterConfig& c) {
            c.Speed = {1, nan};
        }) << QStringList{"--page", "common"}
                                   << cli::kExitUsage;
        QTest::newRow("width inf") << withItem([](PrinterConfig& c) {
            c.PaperWidth = {1, std::numeric_limits<float>::infinity()};
            c.PaperHeight = {1, 400.0f};
        }) << QStringList{"--page", "common"}
                                   << cli::kExitUsage;
        QTest::newRow("speed of 39 digits") << withItem([](PrinterConfig& c) {
            c.Speed = {1, 3.0e38f};
        }) << QStringList{"--page", "common"}
                                            << cli::kExitUsage;
    }

    void writeConfigRefusesBadInput() {
        QFETCH(QByteArray, fileBytes);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        SimServer server(Profile::ForEdition(104));
        QVERIFY(server.start());
        const QString file = m_dir.filePath("input.dcf");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(fileBytes);
        f.close();
        QString err;
        QCOMPARE(RunWith(link(server) << "write-config" << file << args, &err), exitCode);
        QCOMPARE(server.connectionCount(), 0);   // the printer was never contacted
        if (QTest::currentDataTag() == QByteArray("speed nan"))
            QCOMPARE(err, QString("labelbench-cli: Speed holds nan, which cannot be sent to the printer; "
                                  "nothing was sent\n"));
    }

    void writeConfigBehindAPassword() {
        Profile profile = Profile::ForEdition(104);
        profile.password = "pw";
        SimServer server(profile);
        QVERIFY(server.start());
        PrinterConfig config{};
        ClearConfig(config);
        config.Speed.present = 1;
        config.Speed.value = 4;
        const QString file = m_dir.filePath("speed.dcf");
        QCOMPARE(SaveConfigFile(file, config, PrinterStatus{}, 0), ConfigFileResult::Ok);
        QString err;
        QCOMPARE(RunWith(link(server) << "write-config" << file << "--page"
                                      << "common",
                         &err),
                 7);
        QVERIFY(err.contains("Incorrect"));
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QVERIFY(!AnyTranscriptContains(server, "SPEED"));
        QCOMPARE(RunWith(link(server) << "write-config" << file << "--page"
                                      << "common"
                                      << "--password"
                                      << "pw"),
                 0);
        QVERIFY(server.waitForClosedConnections(3, 5000));
        QCOMPARE(server.connectionCount(), 3);
        QVERIFY(server.transcripts().last().startsWith("SPEED 4"));
    }

    void testPageReadsTheLabelFirst() {
        SimServer server(Profile::ForEdition(104));
        QVERIFY(server.start());
        QCOMPARE(RunWith(link(server) << "test-page"), 0);
        QVERIFY(server.waitForClosedConnections(2, 5000));
        QCOMPARE(server.connectionCount(), 2);
        PrinterConfig config{};
        ClearConfig(config);
        // The same read again, for the page the printer should have received.
        SerialSettings serial = DefaultSerialSettings();
        ParallelPortName parallel = DefaultParallelPortName();
        NetworkTarget target = DefaultNetworkTarget();
        CopyToField(target.host, "127.0.0.1", 9);
        target.port = server.port();
        RegisterLinkSettings(&serial, &parallel, &target);
        QCOMPARE(ReadConfiguration(InterfaceKind::Ethernet, &config), 0);
        const QByteArray page = TestPageText(TestPageRequestFromConfig(config));
        QVERIFY(page.contains("PRINT"));
        QCOMPARE(server.transcripts().at(1), page);
    }

    void missingFileIsFileOpenError() {
        QString err;
        QCOMPARE(RunWith({"--host", "127.0.0.1", "write-config", "/nonexistent.dcf", "--page", "z"}, &err),
                 4);
        QCOMPARE(err, QString("File Open Error\n/nonexistent.dcf: No such file or directory\n"));
    }
};

QTEST_GUILESS_MAIN(TestGatedCli)
#include "tst_gated_cli.moc"
