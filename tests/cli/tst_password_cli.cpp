// SPDX-License-Identifier: Apache-2.0
// labelbench-cli status and password against the simulated printer: exit codes, output and
// the bytes that reach the printer.

#include "cli/cli_app.h"
#include "link/printer_link.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"

#include <QtTest>
#include <optional>

using namespace lb;
using lb::sim::SimServer;

namespace {

using Run = lb::test::CliRun;

Run RunWith(const QStringList& args) {
    return lb::test::RunCliWith(args);
}

QStringList Link(const SimServer& server) {
    return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
}

sim::Profile WithPassword(const QByteArray& password, int edition = 104) {
    sim::Profile p = sim::Profile::Default();
    p.edition = edition;
    p.password = password;
    return p;
}

const QByteArray kPasswordRead("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT EDITION\r\n"
                               "DIAGNOSTIC REPORT PASSWORD\r\n");

}   // namespace

class TestPasswordCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    lb::test::ScopedNoRealDevices m_noRealDevices;

private slots:
    void status_data() {
        QTest::addColumn<int>("statusByte");
        QTest::addColumn<int>("detail");
        QTest::addColumn<QString>("text");
        QTest::newRow("ready") << 0x00 << 0x00 << "Ready";
        QTest::newRow("head open and printing") << 0x21 << 0x00 << "Head Open";
        QTest::newRow("ribbon encoder") << 0x08 << 0x0c << "Ribbon Encoder Err.";
        QTest::newRow("out of ribbon") << 0x08 << 0x04 << "Out of Ribbon";
    }

    void status() {
        QFETCH(int, statusByte);
        QFETCH(int, detail);
        QFETCH(QString, text);
        sim::Profile p = sim::Profile::Default();
        p.statusByte = uint8_t(statusByte);
        p.statusDetail[4] = char(detail);
        SimServer server(p);
        QVERIFY(server.start());
        const Run r = RunWith(Link(server) << "status");
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.split('\n').first(), text);
        QCOMPARE(r.err, QString());
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), QByteArray("\x1b\x21\x3f\x1b\x21\x53\x0d\x0a", 8));
    }

    void statusFailures() {
        Run r = RunWith({"--interface", "lpt", "status"});
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.err, QString("Data Receiving Error\nLPT: the parallel port cannot read.\n"));
        QCOMPARE(r.out, QString());
        r = RunWith({"status"});   // no USB printer here
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.section('\n', 0, 0), QString("Port Open Error"));
        r = RunWith({"status", "now"});
        QCOMPARE(r.exitCode, cli::kExitUsage);
    }

    void password_data() {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("sent");   // the password command, empty when none is sent
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first password") << QByteArray() << 104 << QStringList{"--new", "abc"} << 0
                                        << QByteArray("DIAGNOSTIC PASSWORD \"abc\"\r\n") << QByteArray("abc");
        QTest::newRow("first password, empty old")
            << QByteArray() << 102 << QStringList{"--old", "", "--new", "abc"} << 0
            << QByteArray("DIAGNOSTIC PASSWORD \"abc\"\r\n") << QByteArray("abc");
        QTest::newRow("change") << QByteArray("Secret") << 104
                                << QStringList{"--old", "Secret", "--new", "Other"} << 0
                                << QByteArray("DIAGNOSTIC PASSWORD \"Other\"\r\n") << QByteArray("Other");
        QTest::newRow("remove") << QByteArray("Secret") << 104 << QStringList{"--new", "", "--old", "Secret"}
                                << 0 << QByteArray("DIAGNOSTIC PASSWORD \"\"\r\n") << QByteArray();
        QTest::newRow("old differs in case")
            << QByteArray("Secret") << 104 << QStringList{"--old", "secret", "--new", "Other"}
            << cli::kExitPasswordRefused << QByteArray() << QByteArray("Secret");
        QTest::newRow("old missing") << QByteArray("Secret") << 104 << QStringList{"--new", "Other"}
                                     << cli::kExitPasswordRefused << QByteArray() << QByteArray("Secret");
        QTest::newRow("new equals old")
            << QByteArray("Secret") << 104 << QStringList{"--old", "Secret", "--new", "Secret"} << 0
            << QByteArray() << QByteArray("Secret");
        // Refused at once: the command would wait out the reply time-out for nothing.
        QTest::newRow("edition 100 cannot take one") << QByteArray() << 100 << QStringList{"--new", "abc"}
                                                     << int(cli::kExitUsage) << QByteArray() << QByteArray();
    }

    void password() {
        QFETCH(QByteArray, current);
        QFETCH(int, edition);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, after);
        SimServer server(WithPassword(current, edition));
        QVERIFY(server.start());
        const Run r = RunWith(Link(server) << "password" << args);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == cli::kExitPasswordRefused) QVERIFY(r.err.contains("Incorrect"));
        if (exitCode == 0) QCOMPARE(r.err, QString());
        if (edition <= 100)
            QCOMPARE(r.err, QString("labelbench-cli: the printer's firmware (edition 100) has no password; "
                                    "nothing was sent\n"));
        const int connections = sent.isEmpty() ? 1 : 2;
        QVERIFY(server.waitForClosedConnections(connections, 5000));
        QCOMPARE(server.connectionCount(), connections);
        const QList<QByteArray> transcripts = server.transcripts();
        QCOMPARE(transcripts.first(), edition > 100
                                          ? kPasswordRead
                                          : kPasswordRead.left(kPasswordRead.indexOf("DIAGNOSTIC REPORT P")));
        if (!sent.isEmpty()) QCOMPARE(transcripts.at(1), sent);
        QCOMPARE(server.printer().profile().password, after);
    }

    // Bad input is refused before the printer is asked anything.
    void passwordBadInput_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("quote") << QStringList{"--new", "a\"b"};
        QTest::newRow("CR") << QStringList{"--new", "a\rb"};
        QTest::newRow("LF") << QStringList{"--new", "a\nb"};
        QTest::newRow("ESC ! R") << QStringList{"--new", "a\x1b!R"};
        QTest::newRow("TAB") << QStringList{"--new", "a\tb"};
        QTest::newRow("1000 characters") << QStringList{"--new", QString(1000, 'x')};
        QTest::newRow("outside Latin-1") << QStringList{"--new", QString::fromUtf8("\xe5\xaf\x86")};
        QTest::newRow("no --new") << QStringList{"--old", "abc"};
        QTest::newRow("--new without value") << QStringList{"--new"};
        QTest::newRow("--new twice") << QStringList{"--new", "a", "--new", "b"};
        QTest::newRow("unknown option") << QStringList{"--new", "a", "--force"};
        QTest::newRow("positional argument") << QStringList{"abc"};
    }

    void passwordBadInput() {
        QFETCH(QStringList, args);
        SimServer server(WithPassword("Secret"));
        QVERIFY(server.start());
        const Run r = RunWith(Link(server) << "password" << args);
        QCOMPARE(r.exitCode, cli::kExitUsage);
        QVERIFY(r.err.startsWith("labelbench-cli: "));
        QCOMPARE(server.connectionCount(), 0);
        QCOMPARE(server.printer().profile().password, QByteArray("Secret"));
    }

    // 999 characters is the longest password that fits its command.
    void longestPassword() {
        SimServer server(WithPassword(""));
        QVERIFY(server.start());
        const Run r = RunWith(Link(server) << "password"
                                           << "--new" << QString(999, 'y'));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(server.printer().profile().password, QByteArray(999, 'y'));
    }

    // A value may look like an option.
    void passwordValueLooksLikeHelp() {
        SimServer server(WithPassword("--help"));
        QVERIFY(server.start());
        const Run r = RunWith(Link(server) << "password"
                                           << "--old"
                                           << "--help"
                                           << "--new"
                                           << "x");
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(server.printer().profile().password, QByteArray("x"));
    }

    void help() {
        Run r = RunWith({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("status"));
        QVERIFY(r.out.contains("password [--old TEXT] --new TEXT"));
        r = RunWith({"password", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("password [--old TEXT] --new TEXT"));
        r = RunWith({"status", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("status"));
    }

    // The gate for later commands that change the printer.
    void gate_data() {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<int>("edition");
        QTest::addColumn<std::optional<QByteArray>>("entry");
        QTest::addColumn<int>("result");
        QTest::newRow("no password set") << QByteArray() << 104 << std::optional<QByteArray>() << 0;
        QTest::newRow("edition 100 is never asked")
            << QByteArray("Secret") << 100 << std::optional<QByteArray>() << 0;
        QTest::newRow("right entry") << QByteArray("Secret") << 104 << std::optional<QByteArray>("Secret")
                                     << 0;
        QTest::newRow("wrong case") << QByteArray("Secret") << 104 << std::optional<QByteArray>("SECRET")
                                    << cli::kExitPasswordRefused;
        QTest::newRow("no entry") << QByteArray("Secret") << 104 << std::optional<QByteArray>()
                                  << cli::kExitPasswordRefused;
    }

    void gate() {
        QFETCH(QByteArray, current);
        QFETCH(int, edition);
        QFETCH(std::optional<QByteArray>, entry);
        QFETCH(int, result);
        SimServer server(WithPassword(current, edition));
        QVERIFY(server.start());
        SerialSettings serial = DefaultSerialSettings();
        ParallelPortName parallel = DefaultParallelPortName();
        NetworkTarget target = DefaultNetworkTarget();
        CopyToField(target.host, "127.0.0.1", 9);
        target.port = server.port();
        RegisterLinkSettings(&serial, &parallel, &target);
        QCOMPARE(cli::CheckPasswordGate(InterfaceKind::Ethernet, entry), result);
        target.port = 1;   // a read that cannot connect is the read's LinkError
        QCOMPARE(cli::CheckPasswordGate(InterfaceKind::Ethernet, entry), 1);
        QCOMPARE(cli::CheckPasswordGate(InterfaceKind::Lpt, std::nullopt), 0);
    }
};

QTEST_GUILESS_MAIN(TestPasswordCli)
#include "tst_password_cli.moc"
