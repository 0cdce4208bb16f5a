// SPDX-License-Identifier: Apache-2.0
// labelbench-cli's network commands against the simulated printer: net over the link, discover
// and remote over UDP to its responder on 127.0.0.1 (--to, and a loopback endpoint besides),
// refusals that send nothing, and a MAC that did not answer.

#include "sim/sim_server.h"
#include "sim/udp_responder.h"
#include "tests/network/loopback_endpoint.h"
#include "tests/support/cli_run.h"
#include "tests/support/short_timing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace lb;
using lb::sim::NetworkInterface;
using lb::sim::SimServer;
using lb::sim::UdpResponder;

namespace {

const QString kMac = QStringLiteral("02:00:00:00:00:01");

}   // namespace

class TestNetCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void netSetAndGet();
    void refusedBeforeSending_data();
    void refusedBeforeSending();
    void discoverListsTwice();
    void remoteSetApplies();
    void unknownMac();

private:
    test::CliRun run(const QStringList& args) const {
        return test::RunCliWith(
            QStringList{"--host", "127.0.0.1", "--port", QString::number(m_server->port())} + args);
    }
    QString to() const { return QStringLiteral("127.0.0.1:%1").arg(m_responder->port()); }

    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
    std::unique_ptr<SimServer> m_server;
    std::unique_ptr<UdpResponder> m_responder;
    std::unique_ptr<ScopedDiscoveryEndpoint> m_endpoint;
};

void TestNetCli::init() {
    m_server = std::make_unique<SimServer>();
    QVERIFY(m_server->start());
    m_responder = std::make_unique<UdpResponder>(QList<sim::SimulatedPrinter*>{&m_server->printer()});
    QVERIFY(m_responder->start());
    // Loopback even where a command is given no --to; --to keeps these waits.
    m_endpoint = std::make_unique<ScopedDiscoveryEndpoint>(test::LoopbackEndpoint(m_responder->port()));
}

void TestNetCli::cleanup() {
    m_endpoint.reset();
    m_responder.reset();
    m_server.reset();
}

void TestNetCli::netSetAndGet() {
    const test::CliRun set = run({"net", "set-ip", "10.0.0.5", "255.0.0.0", "10.0.0.1"});
    QCOMPARE(set.exitCode, 0);
    QVERIFY(m_server->waitForClosedConnections(2, 5000));   // the gate's read, then the write
    QVERIFY(m_server->transcripts().last().endsWith("NET IP \"10.0.0.5\",\"255.0.0.0\",\"10.0.0.1\"\r\n"));

    const test::CliRun get = run({"net", "get", "--json"});
    QCOMPARE(get.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(get.out.toUtf8()).object();
    QCOMPARE(o.keys().size(), 7);
    QCOMPARE(o["dhcp"].toBool(true), false);
    QCOMPARE(o["ipAddress"].toString(), QString("10.0.0.5"));
    QCOMPARE(o["subnetMask"].toString(), QString("255.0.0.0"));
    QCOMPARE(o["gateway"].toString(), QString("10.0.0.1"));
    QCOMPARE(o["currentIp"].toString(), QString("10.0.0.5"));
    QCOMPARE(o["printerName"].toString(), QString("LABELPRINTER"));
    QCOMPARE(o["macAddress"].toString(), kMac);

    QCOMPARE(run({"net", "set-dhcp"}).exitCode, 0);
    const QJsonObject dhcp = QJsonDocument::fromJson(run({"net", "get", "--json"}).out.toUtf8()).object();
    QCOMPARE(dhcp["dhcp"].toBool(false), true);
    QCOMPARE(dhcp["currentIp"].toString(), QString("192.168.1.57"));
}

void TestNetCli::refusedBeforeSending_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("set-ip, a mask of three numbers")
        << QStringList{"net", "set-ip", "10.0.0.5", "255.0.0", "10.0.0.1"};
    QTest::newRow("set-ip, a leading zero")
        << QStringList{"net", "set-ip", "01.2.3.4", "255.0.0.0", "10.0.0.1"};
    QTest::newRow("set-ip, text after the address")
        << QStringList{"net", "set-ip", "10.0.0.5 x", "255.0.0.0", "10.0.0.1"};
    QTest::newRow("set-name with a quote") << QStringList{"net", "set-name", "A\"B"};
    QTest::newRow("set-name of 16") << QStringList{"net", "set-name", "ABCDEFGHIJKLMNOP"};
    QTest::newRow("remote set, a bad MAC") << QStringList{"remote", "set", "02:00:00:00:00:1", "--name", "X"};
    QTest::newRow("remote set, a bad gateway") << QStringList{"remote", "set", kMac, "--gateway", "1.2.3"};
    QTest::newRow("remote set, a name with LF") << QStringList{"remote", "set", kMac, "--name", "A\nB"};
    QTest::newRow("remote set, nothing to set") << QStringList{"remote", "set", kMac};
    QTest::newRow("factory default without --yes or a terminal")
        << QStringList{"remote", "factory-default", kMac};
    QTest::newRow("discover --to a name") << QStringList{"discover", "--to", "printer.local"};
}

void TestNetCli::refusedBeforeSending() {
    QFETCH(QStringList, args);
    const test::CliRun r = run(args);
    QCOMPARE(r.exitCode, 64);
    QVERIFY(!r.err.isEmpty());
    QCOMPARE(m_server->connectionCount(), 0);
    QVERIFY(m_responder->received().isEmpty());
}

void TestNetCli::discoverListsTwice() {
    const test::CliRun r = run({"discover", "--to", to(), "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QCOMPARE(list.size(), 2);
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        QCOMPARE(o["printerName"].toString(), QString("LABELPRINTER"));
        QCOMPARE(o["mac"].toString(), kMac);
        QCOMPARE(o["ipAddress"].toString(), QString("192.168.1.100"));
        QCOMPARE(o["modelName"].toString(), QString("LB-4203"));
        QCOMPARE(o["status"].toString(), QString("Ready"));
    }
    QCOMPARE(m_server->connectionCount(), 0);   // no link
}

// Read, replace what was given, write all of it: the mode and the name as read stay.
void TestNetCli::remoteSetApplies() {
    m_server->printer().edit([](sim::Profile& p) { p.network.dhcp = true; });
    const test::CliRun r = run(
        {"remote", "set", kMac.toLower(), "--gateway", "192.168.1.254", "--name", "DOCK-3", "--to", to()});
    QCOMPARE(r.exitCode, 0);
    const NetworkInterface n = m_server->printer().profile().network;
    QCOMPARE(n.name, QByteArray("DOCK-3"));
    QCOMPARE(n.gateway, (NetworkInterface::Address{192, 168, 1, 254}));
    QVERIFY(n.dhcp);
    // The discovery's two requests with 1, the change's six with 2.
    QVERIFY(m_responder->waitForReceived(8, 5000));
    const QList<QByteArray> received = m_responder->received();
    QCOMPARE(received.size(), 8);
    QCOMPARE(received[1].mid(12, 2).toHex(), QByteArray("0001"));
    QCOMPARE(received[2].mid(12, 2).toHex(), QByteArray("0002"));
    QCOMPARE(received[7].mid(12, 2).toHex(), QByteArray("0002"));

    const test::CliRun get = run({"remote", "get", kMac, "--json", "--to", to()});
    QCOMPARE(get.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(get.out.toUtf8()).object();
    QCOMPARE(o["dhcp"].toBool(false), true);
    QCOMPARE(o["gateway"].toString(), QString("192.168.1.254"));
    QCOMPARE(o["printerName"].toString(), QString("DOCK-3"));
    QCOMPARE(o["macAddress"].toString(), kMac);
}

void TestNetCli::unknownMac() {
    for (const QStringList& args : {QStringList{"remote", "get", "02:00:00:00:00:09"},
                                    QStringList{"remote", "factory-default", "02:00:00:00:00:09", "--yes"}}) {
        const int before = int(m_responder->received().size());
        const test::CliRun r = run(args + QStringList{"--to", to()});
        QCOMPARE(r.exitCode, 3);
        QVERIFY(r.err.contains("02:00:00:00:00:09"));
        QVERIFY(m_responder->waitForReceived(before + 2, 5000));
        QCOMPARE(m_responder->received().size(), before + 2);   // the discovery only
    }
}

QTEST_GUILESS_MAIN(TestNetCli)
#include "tst_net_cli.moc"
