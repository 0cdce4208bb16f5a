// SPDX-License-Identifier: Apache-2.0
// labelbench-sim as a user starts it: options, the line that tells the port, replies over
// TCP, the transcript file, and a clean end on SIGTERM.

#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

namespace {

constexpr int kSafetyMs = 10000;   // bound for a test gone wrong; never waited out otherwise

// Reads until want bytes came (want < 0: until the printer closes).
QByteArray Exchange(quint16 port, const QByteArray& send, qsizetype want) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(kSafetyMs)) return "not connected";
    socket.write(send);
    QByteArray got;
    while ((want < 0 || got.size() < want) && socket.state() == QAbstractSocket::ConnectedState) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kSafetyMs)) break;
        got += socket.readAll();
    }
    got += socket.readAll();
    socket.disconnectFromHost();
    return got;
}

class Simulator {
public:
    explicit Simulator(const QStringList& args) {
        m_process.setProgram(QStringLiteral(LABELBENCH_SIM_PATH));
        m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0")} + args);
        m_process.start();
    }
    ~Simulator() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kSafetyMs);
        }
    }
    // The port from "labelbench-sim listening on 127.0.0.1:PORT"; 0 when it did not say so.
    quint16 waitForPort() {
        static const QRegularExpression line(
            QStringLiteral("^labelbench-sim listening on 127\\.0\\.0\\.1:(\\d+)$"));
        while (!m_process.canReadLine() && m_process.waitForReadyRead(kSafetyMs)) {
        }
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(m_process.readLine()).trimmed());
        return m.hasMatch() ? quint16(m.captured(1).toUInt()) : 0;
    }
    // Sends SIGTERM; the exit code, or -1 when it did not end normally.
    int terminate() {
        m_process.terminate();
        if (!m_process.waitForFinished(kSafetyMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

}   // namespace

class TestSimExecutable : public QObject {
    Q_OBJECT

private slots:
    void answersAndWritesItsTranscript() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString transcript = dir.filePath(QStringLiteral("t.bin"));
        Simulator sim(
            {QStringLiteral("--transcript"), transcript, QStringLiteral("--noise"), QStringLiteral("XY")});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        const QByteArray sent("\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT DPI\r\n");
        QCOMPARE(Exchange(port, sent, 17), QByteArray("XY{2|OK}XY{3|203}"));
        QCOMPARE(sim.terminate(), 0);
        QFile file(transcript);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray all = file.readAll();
        QVERIFY2(all.startsWith("=== labelbench-sim connection 1 from 127.0.0.1:"), all.constData());
        QVERIFY2(all.endsWith(": " + QByteArray::number(sent.size()) + " bytes ===\n" + sent + "\n"),
                 all.constData());
    }

    void faultOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("send");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray dpi("DIAGNOSTIC REPORT DPI\r\n");
        QTest::newRow("silent") << QStringList{"--silent", "dpi", "--silent", "VERSION"}
                                << dpi + "DIAGNOSTIC REPORT VERSION\r\nDIAGNOSTIC REPORT EDITION\r\n"
                                << QByteArray("{3|104}");
        QTest::newRow("missing-brace")
            << QStringList{"--malformed", "missing-brace"} << dpi << QByteArray("{3|203]");
        QTest::newRow("no-separator")
            << QStringList{"--malformed", "no-separator"} << dpi << QByteArray("{3:203}");
        QTest::newRow("too-many-digits") << QStringList{"--malformed", "too-many-digits"} << dpi
                                         << QByteArray("{" + QByteArray(31, '0') + "3|203}");
        QTest::newRow("close-after") << QStringList{"--close-after", "1"} << dpi + dpi
                                     << QByteArray("{3|203}");
        QTest::newRow("one-byte-segments, delay")
            << QStringList{"--one-byte-segments", "--delay", "20"} << dpi << QByteArray("{3|203}");
    }
    void faultOptions() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, send);
        QFETCH(QByteArray, reply);
        Simulator sim(args);
        const quint16 port = sim.waitForPort();
        QVERIFY2(port != 0, sim.process().readAllStandardError().constData());
        // Read until the printer closes or the expected reply (and nothing more) came.
        const QByteArray got = Exchange(port, send, args.contains("--close-after") ? -1 : reply.size());
        QCOMPARE(got, reply);
        QCOMPARE(sim.terminate(), 0);
    }

    void underSensorOption() {
        Simulator sim({QStringLiteral("--under-sensor"), QStringLiteral("liner")});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        // The first two levels of the gap sensor over the liner.
        QVERIFY(Exchange(port, "DIAGNOSTIC REPORT GAPSENSOR\r\n", 13).startsWith("{2|80}{3|150}"));
        QCOMPARE(sim.terminate(), 0);
    }

    // Without --under-sensor the media moves on, one side per reading pass, liner first, so
    // an assisted calibration's two passes see liner and label.
    void mediaTurnsEachPass() {
        Simulator sim({});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        QVERIFY(Exchange(port, "DIAGNOSTIC REPORT GAPSENSOR\r\n", 13).startsWith("{2|80}{3|150}"));
        QVERIFY(!Exchange(port, "DIAGNOSTIC REPORT GAPSENSOR\r\n", 13).startsWith("{2|80}{3|150}"));
        QCOMPARE(sim.terminate(), 0);
    }

    // The printer announces over UDP the address its TCP port answers on.
    void discoveryAnnouncesLoopback() {
        Simulator sim({QStringLiteral("--udp-port"), QStringLiteral("0")});
        QVERIFY(sim.waitForPort() != 0);
        static const QRegularExpression line(QStringLiteral("UDP on 127\\.0\\.0\\.1:(\\d+)$"));
        while (!sim.process().canReadLine() && sim.process().waitForReadyRead(kSafetyMs)) {
        }
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(sim.process().readLine()).trimmed());
        QVERIFY(m.hasMatch());
        QUdpSocket socket;
        QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
        QByteArray discover(32, '\0');
        discover[1] = 32;   // header size
        discover[6] = 8;
        discover[9] = 2;   // kind: discover; addressing 0: every printer
        socket.writeDatagram(discover, QHostAddress::LocalHost, quint16(m.captured(1).toUInt()));
        QVERIFY(socket.waitForReadyRead(kSafetyMs));
        const QByteArray reply = socket.receiveDatagram().data();
        QVERIFY(reply.size() >= 48);
        QCOMPARE(reply.mid(44, 4), QByteArray("\x7f\x00\x00\x01", 4));
        QCOMPARE(sim.terminate(), 0);
    }

    void profileOption() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile profile(dir.filePath(QStringLiteral("p.json")));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"edition": 99, "reports": {"DPI": "300"}})");
        profile.close();
        Simulator sim({QStringLiteral("--profile"), profile.fileName()});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        QCOMPARE(Exchange(port, "DIAGNOSTIC REPORT DPI\r\nDIAGNOSTIC REPORT EDITION\r\n", 13),
                 QByteArray("{3|300}{2|99}"));
        QCOMPARE(sim.terminate(), 0);
    }

    void editionAndPasswordOptions() {
        Simulator sim({QStringLiteral("--edition"), QStringLiteral("103"), QStringLiteral("--password"),
                       QStringLiteral("Secret")});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        QCOMPARE(Exchange(port, "DIAGNOSTIC REPORT EDITION\r\nDIAGNOSTIC REPORT PASSWORD\r\n", 17),
                 QByteArray("{3|103}{6|Secret}"));
        QCOMPARE(sim.terminate(), 0);
    }

    void badUsage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown option") << QStringList{"--frobnicate"};
        QTest::newRow("bad malformed kind") << QStringList{"--malformed", "wobbly"};
        QTest::newRow("port out of range") << QStringList{"--port", "70000"};
        QTest::newRow("negative delay") << QStringList{"--delay", "-5"};
        QTest::newRow("zero commands") << QStringList{"--close-after", "0"};
        QTest::newRow("missing profile") << QStringList{"--profile", "/nonexistent/p.json"};
        QTest::newRow("stray argument") << QStringList{"extra"};
        QTest::newRow("bad edition") << QStringList{"--edition", "x"};
        QTest::newRow("edition and profile") << QStringList{"--edition", "99", "--profile", "p.json"};
        QTest::newRow("quote in password") << QStringList{"--password", "a\"b"};
        QTest::newRow("under the sensor") << QStringList{"--under-sensor", "floor"};
    }
    void badUsage() {
        QFETCH(QStringList, args);
        QProcess p;
        p.start(QStringLiteral(LABELBENCH_SIM_PATH), args);
        QVERIFY(p.waitForFinished(kSafetyMs));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 64);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(p.readAllStandardError().startsWith("labelbench-sim: "));
    }

    void busyPortFails() {
        Simulator first({});
        const quint16 port = first.waitForPort();
        QVERIFY(port != 0);
        QProcess second;
        second.start(QStringLiteral(LABELBENCH_SIM_PATH), {QStringLiteral("--port"), QString::number(port)});
        QVERIFY(second.waitForFinished(kSafetyMs));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardError().contains("cannot listen"));
    }
};

QTEST_GUILESS_MAIN(TestSimExecutable)
#include "tst_sim_executable.moc"
