// SPDX-License-Identifier: Apache-2.0
// The simulated printer's network interface: the NET commands over the link and the reports
// they change, and the UDP responder on loopback answering as two printers, each only to its
// own MAC, applying a change at the final write and resetting at a factory default.

#include "network/discovery_protocol.h"
#include "sim/simulated_printer.h"
#include "sim/udp_responder.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

using namespace lb;
using lb::sim::Command;
using lb::sim::NetworkInterface;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;
using lb::sim::UdpResponder;

namespace {

QByteArray Report(const SimulatedPrinter& printer, const char* keyword) {
    return printer.reportReply(keyword, nullptr);
}

// A client socket on loopback: one request, and every answer to it. The responder writes its
// answers before it counts the request as served, and loopback delivers them at once, so they
// are all waiting once it has counted it.
class Client {
public:
    explicit Client(const UdpResponder& responder) : m_responder(responder) {
        m_socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
    }
    QList<QByteArray> send(const QByteArray& request) {
        const int served = int(m_responder.received().size());
        m_socket.writeDatagram(request, QHostAddress(QHostAddress::LocalHost), m_responder.port());
        QList<QByteArray> answers;
        if (!m_responder.waitForReceived(served + 1, 5000)) return answers;
        while (m_socket.hasPendingDatagrams())
            answers.append(m_socket.receiveDatagram().data());
        return answers;
    }

private:
    const UdpResponder& m_responder;
    QUdpSocket m_socket;
};

}   // namespace

class TestNetCapability : public QObject {
    Q_OBJECT

private slots:
    void netCommands_data();
    void netCommands();
    void responderAsTwoPrinters();
    void loopbackOnly();
};

void TestNetCapability::netCommands_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("configIp");
    QTest::addColumn<QByteArray>("lastUsedIp");
    QTest::addColumn<QByteArray>("mask");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("factory") << QByteArray() << QByteArray("192.168.1.100") << QByteArray("192.168.1.100")
                             << QByteArray("255.255.255.0") << QByteArray("LABELPRINTER");
    QTest::newRow("DHCP") << QByteArray("NET DHCP") << QByteArray("0.0.0.0") << QByteArray("192.168.1.57")
                          << QByteArray("255.255.255.0") << QByteArray("LABELPRINTER");
    QTest::newRow("static") << QByteArray("NET IP \"10.0.0.5\",\"255.0.0.0\",\"10.0.0.1\"")
                            << QByteArray("10.0.0.5") << QByteArray("10.0.0.5") << QByteArray("255.0.0.0")
                            << QByteArray("LABELPRINTER");
    QTest::newRow("an address that is none changes nothing")
        << QByteArray("NET IP \"10.0.0\",\"255.0.0.0\",\"10.0.0.1\"") << QByteArray("192.168.1.100")
        << QByteArray("192.168.1.100") << QByteArray("255.255.255.0") << QByteArray("LABELPRINTER");
    QTest::newRow("name") << QByteArray("NET NAME \"DOCK-3\"") << QByteArray("192.168.1.100")
                          << QByteArray("192.168.1.100") << QByteArray("255.255.255.0")
                          << QByteArray("DOCK-3");
}

void TestNetCapability::netCommands() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, configIp);
    QFETCH(QByteArray, lastUsedIp);
    QFETCH(QByteArray, mask);
    QFETCH(QByteArray, name);
    SimulatedPrinter printer;
    if (!line.isEmpty()) printer.apply(Command{Command::Kind::TextLine, line});
    QCOMPARE(Report(printer, "CONFIGIP"), configIp);
    QCOMPARE(Report(printer, "LASTUSEDIP"), lastUsedIp);
    QCOMPARE(Report(printer, "IPMASK"), mask);
    QCOMPARE(Report(printer, "NETNAME"), name);
    QCOMPARE(Report(printer, "MACADDR"), QByteArray("02:00:00:00:00:01"));
}

void TestNetCapability::responderAsTwoPrinters() {
    SimulatedPrinter first;
    Profile secondProfile;
    secondProfile.network = sim::NumberedNetworkInterface(2);
    secondProfile.network.state = 3;
    secondProfile.network.flags = 0x04;
    SimulatedPrinter second(secondProfile);
    UdpResponder responder({&first, &second});
    QVERIFY(responder.start());
    Client client(responder);

    const QList<QByteArray> found = client.send(DiscoverRequest(1));
    QCOMPARE(found.size(), 2);
    const auto one = ParseDiscoveryReply(found[0]);
    const auto two = ParseDiscoveryReply(found[1]);
    QCOMPARE(one->printerName, QByteArray("LABELPRINTER"));
    QCOMPARE(one->modelName, QByteArray("LB-4203"));
    QCOMPARE(two->macText(), QByteArray("02:00:00:00:00:02"));
    QCOMPARE(two->addressText(), QByteArray("192.168.1.101"));
    QCOMPARE(two->statusText(), QString("Paper Empty"));

    // Only the printer addressed answers; writes wait for the final one.
    ChangeRequestBuffer change(2, two->mac);
    const QList<QByteArray> read = client.send(change.readIpSettings());
    QCOMPARE(read.size(), 1);
    QCOMPARE(read[0].mid(22, 6), QByteArray::fromHex("020000000002"));
    QCOMPARE(read[0].mid(69, 12).toHex(), QByteArray("c0a80165ffffff00c0a80101"));
    QCOMPARE(ParseAddressModeReply(client.send(change.readAddressMode()).value(0)),
             std::optional<bool>(false));
    client.send(change.writePrinterName("DOCK-3"));
    client.send(change.writeIpSettings({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1}));
    client.send(change.writeAddressMode(true));
    QCOMPARE(second.profile().network.name, QByteArray("LABELPRINTER-2"));
    QCOMPARE(client.send(change.finalWrite()).size(), 1);
    const NetworkInterface changed = second.profile().network;
    QCOMPARE(changed.name, QByteArray("DOCK-3"));
    QVERIFY(changed.dhcp);
    QCOMPARE(changed.address, (NetworkInterface::Address{10, 0, 0, 5}));
    QCOMPARE(Report(second, "CONFIGIP"), QByteArray("0.0.0.0"));   // the link sees it too
    QCOMPARE(first.profile().network.name, QByteArray("LABELPRINTER"));

    // Factory default: no answer, settings back, MAC kept.
    QVERIFY(client.send(FactoryDefaultRequest(3, two->mac)).isEmpty());
    const NetworkInterface reset = second.profile().network;
    QCOMPARE(reset.name, QByteArray("LABELPRINTER"));
    QVERIFY(!reset.dhcp);
    QCOMPARE(reset.mac, two->mac);
}

// The simulated printers never answer on a real interface.
void TestNetCapability::loopbackOnly() {
    SimulatedPrinter printer;
    UdpResponder responder({&printer});
    QVERIFY(!responder.start(0, QHostAddress(QHostAddress::AnyIPv4)));
    QVERIFY(!responder.start(0, QHostAddress(QStringLiteral("192.168.1.2"))));
    QVERIFY(responder.start(0, QHostAddress(QStringLiteral("127.0.0.2"))));
}

QTEST_GUILESS_MAIN(TestNetCapability)
#include "tst_net_capability.moc"
