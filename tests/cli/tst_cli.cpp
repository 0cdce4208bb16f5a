// SPDX-License-Identifier: Apache-2.0
// labelbench-cli against the simulated printer: bytes sent, exit codes, messages.

#include "cli/cli_app.h"
#include "link/link_timing.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/short_timing.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <csignal>
#include <sys/types.h>

using namespace lb;
using lb::sim::SimServer;

namespace {

using Run = lb::test::CliRun;

Run RunWith(const QStringList& args, QIODevice* in = nullptr) {
    return lb::test::RunCliWith(args, in);
}

quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

LinkTiming ShortWaits() {
    return lb::test::ShortLinkTiming(500);
}

// A pipe that yields a given number of zero bytes.
class ZeroStream : public QIODevice {
public:
    explicit ZeroStream(qint64 size) : m_left(size) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = qMin(maxSize, m_left);
        memset(data, 0, size_t(n));
        m_left -= n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 m_left;
};

}   // namespace

class TestCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{ShortWaits()};
    test::ScopedNoRealDevices m_noRealDevices;

    QStringList link(const SimServer& server) {
        return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
    }

private slots:
    // A printer that sends every reply twice: each query reads its own answer, not the copy
    // of the one before it.
    void repliesSentTwice_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("net get") << QStringList{"net", "get", "--json"} << "ipAddress"
                                 << "192.168.1.100";
        QTest::newRow("read-config") << QStringList{"read-config", "--json"} << "Speed"
                                     << "4";
    }
    void repliesSentTwice() {
        QFETCH(QStringList, command);
        QFETCH(QString, field);
        QFETCH(QString, value);
        lb::sim::Faults faults;
        faults.framesTwice = true;
        SimServer server(lb::sim::Profile::Default(), faults);
        QVERIFY(server.start());
        const Run r = RunWith(link(server) << command);
        QCOMPARE(r.exitCode, 0);
        const QJsonValue got = QJsonDocument::fromJson(r.out.toUtf8()).object().value(field);
        QCOMPARE(got.isString() ? got.toString() : QString::number(got.toDouble()), value);
    }

    // Controls from a printer reach the terminal escaped, in JSON as in text, and so does a
    // mistyped argument echoed in a usage error.
    void controlsAreEscaped() {
        lb::sim::Profile profile = lb::sim::Profile::Default();
        profile.memories[lb::sim::Memory::Flash].files = {{QByteArray("A\x85[\x7f"), QByteArray("x")}};
        SimServer server(profile);
        QVERIFY(server.start());
        const Run files = RunWith(link(server) << "files"
                                               << "--json");
        QCOMPARE(files.exitCode, 0);
        QVERIFY2(files.out.contains("A\\u0085[\\u007f"), qPrintable(files.out));
        const Run usage = RunWith({"bogus\x1b]0;x\x07"});
        QCOMPARE(usage.exitCode, 64);
        QVERIFY2(usage.err.contains("bogus\\x1b]0;x\\x07"), qPrintable(usage.err));
        QVERIFY(!usage.err.contains(QChar(0x1b)));
    }

    // An output that cannot be written is an error (74), not a success; a file-size limit
    // makes the save fail with its reason instead of killing the program.
    void outputThatCannotBeWritten() {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(LABELBENCH_CLI_PATH, {"--help"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 74);
        QVERIFY(p.readAllStandardError().contains("write error"));

        SimServer server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        const QString save = dir.filePath("a.dcf");
        QProcess limited;
        limited.start("/bin/sh", {"-c",
                                  QStringLiteral("ulimit -f 0; exec \"$0\" --host 127.0.0.1 --port %1 "
                                                 "read-config --save \"$1\"")
                                      .arg(server.port()),
                                  LABELBENCH_CLI_PATH, save});
        QVERIFY(limited.waitForFinished(30000));
        QCOMPARE(limited.exitStatus(), QProcess::NormalExit);
        QCOMPARE(limited.exitCode(), 4);
        const QByteArray err = limited.readAllStandardError();
        QVERIFY2(err.contains("File too large"), err.constData());
        QVERIFY(!QFile::exists(save));
    }

    void commandsSendTheirBytes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("reset") << "reset" << QByteArray("\x1b\x21\x52", 3);
        QTest::newRow("line-mode-out") << "line-mode-out" << QByteArray("\x1b\x5a\x0d\x0a", 4);
        QTest::newRow("ignore-auto") << "ignore-auto" << QByteArray("\x1b\x21\x43", 3);
        QTest::newRow("self-test") << "self-test" << QByteArray("SELFTEST\r\n");
        QTest::newRow("check") << "check" << QByteArray();
    }

    void commandsSendTheirBytes() {
        QFETCH(QString, command);
        QFETCH(QByteArray, bytes);
        SimServer server;
        QVERIFY(server.start());
        const Run r = RunWith(link(server) << command);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), bytes);
    }

    void closedPortIsPortOpenError() {
        const quint16 port = ClosedPort();
        const Run r = RunWith({"--host", "127.0.0.1", "--port", QString::number(port), "reset"});
        QCOMPARE(r.exitCode, 1);
        const QStringList lines = r.err.split('\n');
        QCOMPARE(lines.first(), QString("Port Open Error"));
        // The second line tells which printer could not be reached, and why.
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[1].startsWith(QString("ETHERNET 127.0.0.1:%1: ").arg(port)), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains("refused"), qPrintable(lines[1]));
    }

    void usbWithoutDeviceIsPortOpenError() {
        const Run r = RunWith({"check"});
        QCOMPARE(r.exitCode, 1);
        const QStringList lines = r.err.split('\n');
        QCOMPARE(lines.first(), QString("Port Open Error"));
        QVERIFY2(lines.value(1).startsWith("USB: no device with an accepted vendor identifier"),
                 qPrintable(r.err));
    }

    void sendFile() {
        SimServer server;
        QVERIFY(server.start());
        QTemporaryFile file;
        QVERIFY(file.open());
        QByteArray content("SIZE 4,2.5\r\nCLS\r\nTEXT 10,10,\"3\",0,1,1,\"caf\xe9\"\r\nPRINT 1\r\n");
        content.append(QByteArray(5000, '\x1b'));
        file.write(content);
        file.close();
        const Run r = RunWith(link(server) << "send" << file.fileName());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), content);
    }

    void sendStandardInput() {
        SimServer server;
        QVERIFY(server.start());
        QByteArray content("SELFTEST\r\n");
        QBuffer in(&content);
        in.open(QIODevice::ReadOnly);
        const Run r = RunWith(link(server) << "send"
                                           << "-",
                              &in);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), content);
    }

    // A block's length travels as 32 bits: a longer input would be cut, not sent whole.
    void sendRefusesStandardInputBeyondABlock() {
        SimServer server;
        QVERIFY(server.start());
        ZeroStream in(qint64(INT32_MAX) + 1);
        const Run r = RunWith(link(server) << "send"
                                           << "-",
                              &in);
        QCOMPARE(r.exitCode, cli::kExitUsage);
        QCOMPARE(r.err, QString("labelbench-cli: standard input holds more than 2 GiB; nothing was sent\n"));
        QCOMPARE(server.connectionCount(), 0);
    }

    void sendMissingFileSendsNothing() {
        SimServer server;
        QVERIFY(server.start());
        const Run r = RunWith(link(server) << "send"
                                           << "/nonexistent/label.prn");
        QCOMPARE(r.exitCode, 4);
        QCOMPARE(r.err, QString("File Open Error\n/nonexistent/label.prn: No such file or directory\n"));
        QCOMPARE(server.connectionCount(), 0);
    }

    void badUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{"--host", "127.0.0.1"};
        QTest::newRow("unknown command") << QStringList{"--host", "127.0.0.1", "frobnicate"};
        QTest::newRow("unknown option") << QStringList{"--hots", "127.0.0.1", "reset"};
        QTest::newRow("port not a number") << QStringList{"--host", "127.0.0.1", "--port", "91OO", "reset"};
        QTest::newRow("port out of range") << QStringList{"--host", "127.0.0.1", "--port", "70000", "reset"};
        QTest::newRow("port missing") << QStringList{"--port"};
        QTest::newRow("bad interface") << QStringList{"--interface", "firewire", "reset"};
        QTest::newRow("extra argument") << QStringList{"--host", "127.0.0.1", "reset", "now"};
        QTest::newRow("send without file") << QStringList{"--host", "127.0.0.1", "send"};
        QTest::newRow("host too long") << QStringList{"--host", QString(64, 'h'), "reset"};
        QTest::newRow("host with a line break") << QStringList{"--host", "127.0.0.1\r\nX", "reset"};
    }

    void badUsage() {
        QFETCH(QStringList, args);
        const Run r = RunWith(args);
        QCOMPARE(r.exitCode, cli::kExitUsage);
        QVERIFY(r.err.startsWith("labelbench-cli: "));
        QCOMPARE(r.out, QString());
    }

    void help() {
        Run r = RunWith({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char* c : {"check", "line-mode-out", "self-test", "reset", "ignore-auto", "send FILE"})
            QVERIFY2(r.out.contains(c), c);
        r = RunWith({"send", "--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("send FILE"));
    }

    void executableEndToEnd() {
        SimServer server;
        QVERIFY(server.start());
        QProcess p;
        p.start(LABELBENCH_CLI_PATH, link(server) << "reset");
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(server.waitForClosedConnections(1, 5000));
        QCOMPARE(server.transcripts().first(), QByteArray("\x1b\x21\x52", 3));

        p.start(LABELBENCH_CLI_PATH,
                {"--host", "127.0.0.1", "--port", QString::number(ClosedPort()), "reset"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        const QList<QByteArray> lines = p.readAllStandardError().split('\n');
        QCOMPARE(lines.first(), QByteArray("Port Open Error"));
        QVERIFY(lines.value(1).contains("refused"));
    }

    // Ctrl-C during a reply wait of the real 30 s closes the link at once and exits 130,
    // without the output file; a font command draws off screen when DISPLAY does not answer.
    void interruptedAndDisplayless() {
        QTcpServer silent;   // accepts and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QTemporaryDir dir;
        const QString out = dir.filePath("A.TXT");
        QProcess p;
        p.start(LABELBENCH_CLI_PATH, {"--host", "127.0.0.1", "--port", QString::number(silent.serverPort()),
                                      "fetch", "A.TXT", "--out", out});
        QVERIFY(silent.waitForNewConnection(10000));
        QElapsedTimer timer;
        timer.start();
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(10000));
        QVERIFY2(timer.elapsed() < 5000, "the wait was not cancelled");
        QCOMPARE(p.exitCode(), 130);
        QCOMPARE(p.readAllStandardError(), QByteArray("labelbench-cli: Interrupted\n"));
        QVERIFY(!QFile::exists(out));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", ":97");   // no X server there
        p.setProcessEnvironment(env);
        p.start(LABELBENCH_CLI_PATH, {"build-font", "--out", dir.filePath("f.fnt"), "--end", "40"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(dir.filePath("f.fnt")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
