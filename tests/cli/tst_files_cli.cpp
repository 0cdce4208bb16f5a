// SPDX-License-Identifier: Apache-2.0
// labelbench-cli files, download, format and fetch against the simulated printer: the bytes
// sent, what is refused before anything is sent, and what is written.

#include "cli/cli_app.h"
#include "config/config_file.h"
#include "sim/sim_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace lb;
using lb::sim::Memory;
using lb::sim::Profile;
using lb::sim::SimServer;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every byte value, line ends and a zero among them.
QByteArray Binary() {
    QByteArray b("\r\n\0\xff{3|x}\"", 10);
    for (int i = 0; i < 256; ++i)
        b += char(i);
    return b;
}

// A terminal at which the user has typed line, as the command's standard input.
class TypedTerminal {
public:
    explicit TypedTerminal(const QByteArray& line) {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) return;
        // Never the test's controlling terminal, whose closing would hang the test up.
        const int slave = open(ptsname(m_master), O_RDONLY | O_NOCTTY);
        if (slave >= 0 &&
            m_slave.open(slave, QIODevice::ReadOnly | QIODevice::Unbuffered, QFile::AutoCloseHandle))
            m_ok = write(m_master, line.constData(), size_t(line.size())) == line.size();
    }
    ~TypedTerminal() {
        m_slave.close();
        if (m_master >= 0) close(m_master);
    }
    bool ok() const { return m_ok; }
    QFile* device() { return &m_slave; }

private:
    int m_master = -1;
    QFile m_slave;
    bool m_ok = false;
};

}   // namespace

class TestFilesCli : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
    QTemporaryDir m_dir;

    static QStringList link(const SimServer& server) {
        return {"--host", "127.0.0.1", "--port", QString::number(server.port())};
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void filesJson() {
        Profile profile = Profile::Default();
        profile.memories[Memory::Dram] = {
            512, 100, {{"A.BAS", "1"}, {"caf\xe9.DAT", "2"}, {"X\x1b[2J", "3"}}};
        profile.memories[Memory::Flash] = {4096, 3968, {}};
        profile.memories[Memory::Card] = {65536, 12, {{"SHELF.PCX", "4"}}};
        SimServer server(profile);
        QVERIFY(server.start());
        test::CliRun r = test::RunCliWith(link(server) << "files"
                                                       << "--json");
        QCOMPARE(r.exitCode, 0);
        auto memory = [](int physical, QJsonValue free, QStringList files) {
            return QJsonObject{{"physicalSpace", physical},
                               {"freeSpace", free},
                               {"files", QJsonArray::fromStringList(files)}};
        };
        const QJsonObject expected = {
            {"DRAM", memory(512, 100, {"A.BAS", "caf\u00e9.DAT", "X\x1b[2J"})},
            {"FLASH", memory(4096, 3968, {})},
            {"CARD", memory(65536, QJsonValue::Null, {"SHELF.PCX"})},
        };
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object(), expected);
        // In the memories' own order.
        QVERIFY2(r.out.indexOf("\"DRAM\"") < r.out.indexOf("\"FLASH\"") &&
                     r.out.indexOf("\"FLASH\"") < r.out.indexOf("\"CARD\""),
                 qPrintable(r.out));
        // A name cannot reach the terminal as an escape sequence.
        r = test::RunCliWith(link(server) << "files");
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("    caf\u00e9.DAT\n    X\\x1b[2J\n"), qPrintable(r.out));
        QVERIFY(!r.out.contains('\x1b'));
    }

    void downloadSendsHeaderAndBytes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("dram, proposed BMP name")
            << "mylogo_large.bmp" << QStringList{"--type", "bmp", "--memory", "dram"}
            << QByteArray("DOWNLOAD \"mylogo_l.BMP\",266,");
        QTest::newRow("flash by default, no type")
            << "data.txt" << QStringList{} << QByteArray("DOWNLOAD F,\"data\",266,");
        QTest::newRow("card, given name")
            << "x.dat" << QStringList{"--memory", "CARD", "--name", "PRICES.DAT"}
            << QByteArray("DOWNLOAD E,\"PRICES.DAT\",266,");
        QTest::newRow("empty file") << "empty.bas" << QStringList{"--type", "bas"}
                                    << QByteArray("DOWNLOAD F,\"empty.BAS\",0,");
    }
    void downloadSendsHeaderAndBytes() {
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, header);
        const QByteArray bytes = file.startsWith("empty") ? QByteArray() : Binary();
        WriteFile(path(file), bytes);
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(link(server) << "download" << path(file) << options);
        QCOMPARE(r.exitCode, 0);
        // The password report, then the download.
        QVERIFY(server.waitForClosedConnections(2, 5000));
        QCOMPARE(server.transcripts().last(), header + bytes);
    }

    void downloadRefusesBeforeSending_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringList{"/nonexistent/logo.bmp", "--type", "bmp"} << 4
                                      << "File Open Error\n/nonexistent/logo.bmp: No such file";
        QTest::newRow("13-character name")
            << QStringList{"x.dat", "--name", "ABCDEFGHI.BMP"} << 64 << "labelbench-cli: File name too long";
        QTest::newRow("name with a quote")
            << QStringList{"x.dat", "--name", "A\"B.BMP"} << 64 << "double quote";
        QTest::newRow("unknown type") << QStringList{"x.dat", "--type", "gif"} << 64 << "--type takes";
        QTest::newRow("unknown memory") << QStringList{"x.dat", "--memory", "rom"} << 64 << "--memory takes";
        QTest::newRow("backup without firmware")
            << QStringList{"x.dat", "--type", "vqx", "--backup", "b.dcf"} << 64 << "--backup goes with";
        QTest::newRow("firmware of 2 GiB")
            << QStringList{"huge.new", "--type", "firmware"} << 4 << "File Open Error\n";
    }
    void downloadRefusesBeforeSending() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        WriteFile(path("x.dat"), "data");
        QFile huge(path("huge.new"));   // sparse: no disk space taken
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 31));
        huge.close();
        if (!args.first().startsWith('/')) args.first() = path(args.first());
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r = test::RunCliWith(link(server) << "download" << args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.startsWith(message) || r.err.contains(message), qPrintable(r.err));
        QCOMPARE(server.connectionCount(), 0);
    }

    void firmwareIsSentAsItIs_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("firmware") << "firmware";
        QTest::newRow("vqx") << "vqx";
    }
    void firmwareIsSentAsItIs() {
        QFETCH(QString, type);
        WriteFile(path("fw.bin"), Binary());
        SimServer server;
        QVERIFY(server.start());
        // Memory and name are not used for raw files.
        const test::CliRun r =
            test::RunCliWith(link(server) << "download" << path("fw.bin") << "--type" << type << "--memory"
                                          << "dram"
                                          << "--name"
                                          << "IGNORED");
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("Please Wait Led change to Green...\n"));
        QVERIFY(server.waitForClosedConnections(2, 5000));
        QCOMPARE(server.transcripts().last(), Binary());
        QCOMPARE(server.printer().lastFirmware(), Binary());
    }

    void firmwareBackupComesFirst() {
        WriteFile(path("fw.new"), Binary());
        SimServer server;
        QVERIFY(server.start());
        const QString backup = path("before.dcf");
        test::CliRun r = test::RunCliWith(link(server) << "download" << path("fw.new") << "--type"
                                                       << "firmware"
                                                       << "--backup" << backup);
        QCOMPARE(r.exitCode, 0);
        // The password report, the configuration read, the firmware.
        QVERIFY(server.waitForClosedConnections(3, 5000));
        QCOMPARE(server.connectionCount(), 3);
        QCOMPARE(server.transcripts().last(), Binary());
        PrinterConfig config{};
        PrinterStatus status{};
        int32_t unit = -1;
        QCOMPARE(LoadConfigFile(backup, config, status, unit), ConfigFileResult::Ok);
        QCOMPARE(config.Edition, 104);

        // A backup that cannot be written: no firmware.
        SimServer second;
        QVERIFY(second.start());
        r = test::RunCliWith(link(second) << "download" << path("fw.new") << "--type"
                                          << "firmware"
                                          << "--backup" << path("missing-folder/before.dcf"));
        QCOMPARE(r.exitCode, 4);
        QVERIFY2(r.err.startsWith("File Open Error\n" + path("missing-folder/before.dcf") + ": "),
                 qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(second.waitForClosedConnections(2, 5000));
        QCOMPARE(second.connectionCount(), 2);
        QVERIFY(second.printer().lastFirmware().isEmpty());
    }

    void format_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("typed");   // at a terminal; empty: no terminal
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("no --yes, no terminal")
            << QStringList{"--memory", "flash"} << QByteArray() << 64 << QByteArray();
        QTest::newRow("--yes dram") << QStringList{"--memory", "dram", "--yes"} << QByteArray() << 0
                                    << QByteArray("KILL \"*.*\"\r\n");
        QTest::newRow("--yes card") << QStringList{"--memory", "card", "--yes"} << QByteArray() << 0
                                    << QByteArray("KILL E,\"*.*\"\r\n");
        QTest::newRow("answered y") << QStringList{"--memory", "flash"} << QByteArray("y\n") << 0
                                    << QByteArray("KILL F,\"*.*\"\r\n");
        QTest::newRow("answered no") << QStringList{"--memory", "flash"} << QByteArray("no\n") << 64
                                     << QByteArray();
    }
    void format() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, typed);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, sent);
        std::optional<TypedTerminal> terminal;
        if (!typed.isEmpty()) {
            terminal.emplace(typed);
            QVERIFY(terminal->ok());
        }
        SimServer server;
        QVERIFY(server.start());
        const test::CliRun r =
            test::RunCliWith(link(server) << "format" << options, terminal ? terminal->device() : nullptr);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.err.startsWith("Are you sure? [y/N] "), !typed.isEmpty());
        if (sent.isEmpty()) {
            QCOMPARE(server.connectionCount(), 0);
        } else {
            QVERIFY(server.waitForClosedConnections(2, 5000));
            QCOMPARE(server.transcripts().last(), sent);
        }
    }

    void fetch_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("written");   // the --out file afterwards
        QTest::newRow("to a file") << QStringList{} << 0 << Binary();
        QTest::newRow("reply beyond the capacity")
            << QStringList{"--capacity", "100"} << 3 << QByteArray("old");
        QTest::newRow("capacity 1") << QStringList{"--capacity", "1"} << 64 << QByteArray("old");
        QTest::newRow("name of 16 characters")
            << QStringList{"--name", "ABCDEFGHIJKL.BIN"} << 64 << QByteArray("old");
    }
    void fetch() {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, written);
        Profile profile = Profile::Default();
        profile.memories[Memory::Card].files = {{"BLOB.BIN", Binary()}};
        SimServer server(profile);
        QVERIFY(server.start());
        QString name = "blob.bin";
        if (const qsizetype at = options.indexOf("--name"); at >= 0) {
            name = options.at(at + 1);
            options.remove(at, 2);
        }
        const QString out = path("fetched.bin");
        WriteFile(out, "old");
        const test::CliRun r = test::RunCliWith(link(server) << "fetch" << name << "--out" << out << options);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(ReadFile(out), written);
        if (exitCode == 64) QCOMPARE(server.connectionCount(), 0);
    }

    void fetchToStandardOutput() {
        Profile profile = Profile::Default();
        profile.memories[Memory::Flash].files = {{"BLOB.BIN", Binary()}};
        SimServer server(profile);
        QVERIFY(server.start());
        QProcess p;
        p.start(LABELBENCH_CLI_PATH, link(server) << "fetch"
                                                  << "BLOB.BIN");
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), Binary());
        // A file that cannot be written is File Open Error with the reason.
        const test::CliRun r = test::RunCliWith(link(server) << "fetch"
                                                             << "BLOB.BIN"
                                                             << "--out" << path("no-folder/x.bin"));
        QCOMPARE(r.exitCode, 4);
        QVERIFY2(r.err.startsWith("File Open Error\n"), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestFilesCli)
#include "tst_files_cli.moc"
