// SPDX-License-Identifier: Apache-2.0
// The network core: the discovery datagrams byte for byte, the change's one buffer, the
// sequence numbers on the wire, the reply parsers on short and cut replies, the status texts,
// the address texts, and operations 18 to 20 on the link. Every datagram goes to the
// simulator's responder on 127.0.0.1.

#include "link/dispatcher.h"
#include "link/link_observer.h"
#include "link/transport.h"
#include "network/discovery_exchange.h"
#include "network/ethernet_settings.h"
#include "sim/in_process_transport.h"
#include "sim/udp_responder.h"
#include "tests/network/loopback_endpoint.h"
#include "tests/support/short_timing.h"

#include <QtTest>

using namespace lb;
using lb::sim::Faults;
using lb::sim::PrinterSession;
using lb::sim::Profile;
using lb::sim::SimulatedPrinter;
using lb::sim::UdpResponder;

namespace {

const MacBytes kMac = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
const QByteArray kLongName = "LABELPRINTER-" + QByteArray(70, 'X');

QByteArray Hex(const char* spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A reply of size bytes, zero but for what is put at offsets.
QByteArray Reply(int size, const QList<std::pair<int, QByteArray>>& at = {}) {
    QByteArray bytes(size, '\0');
    for (const auto& [offset, data] : at)
        bytes.replace(offset, data.size(), data);
    return bytes.left(size);
}

// The bytes the link carried for one operation on the in-process printer.
struct LinkRun {
    int result = -1;
    QByteArray sent;
};

LinkRun RunOnLink(SimulatedPrinter& printer, uint32_t code, EthernetSettings& settings, Faults faults = {}) {
    QList<std::shared_ptr<PrinterSession>> sessions;
    SetTransport(InterfaceKind::Usb, lb::sim::MakeInProcessTransport(&printer, faults, nullptr, &sessions));
    LinkRun run;
    run.result = RunPrinterOperation(code, InterfaceKind::Usb, &settings, 0);
    SetTransport(InterfaceKind::Usb, nullptr);
    for (const auto& session : sessions)
        run.sent += session->transcript();
    return run;
}

}   // namespace

class TestNetworkProtocol : public QObject {
    Q_OBJECT

private slots:
    void requests_data();
    void requests();
    void changeCarriesItsBuffer();
    void sequenceAcrossDiscoveryAndChange();
    void nestedActionIsRefused();
    void defaultEndpoint();
    void statusText_data();
    void statusText();
    void dottedAddress_data();
    void dottedAddress();
    void macText_data();
    void macText();
    void shortReplies();
    void readNetworkSettings_data();
    void readNetworkSettings();
    void setCommands_data();
    void setCommands();

private:
    ScopedLinkTiming m_timing{test::ShortLinkTiming(500)};
};

void TestNetworkProtocol::requests_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("first discover") << DiscoverRequest(1)
                                    << Hex("00 20 00 01 00 01 08 00 00 02 00 00 00 01 00 00"
                                           "01 00 00 00 00 00 FF FF FF FF FF FF 00 00 00 00");
    QTest::newRow("factory default, sequence 2") << FactoryDefaultRequest(2, kMac)
                                                 << Hex("00 20 00 01 00 01 08 02 00 01 00 00 00 02 00 00"
                                                        "01 00 00 00 00 00 02 00 00 00 00 01 00 00 00 00");
    QTest::newRow("read IP settings, sequence 2")
        << ChangeRequestBuffer(2, kMac).readIpSettings()
        << Hex("00 20 00 01 00 01 08 02 00 03 00 02 00 02 00 00"
               "01 00 00 00 00 00 02 00 00 00 00 01 00 00 00 00 04 00");
    // Only the low 16 bits of the counter go out.
    QTest::newRow("sequence beyond 16 bits") << DiscoverRequest(0x10005).mid(12, 2) << Hex("00 05");
}

void TestNetworkProtocol::requests() {
    QFETCH(QByteArray, datagram);
    QFETCH(QByteArray, expected);
    QCOMPARE(datagram.toHex(' '), expected.toHex(' '));
}

// The buffer is zeroed once: each write carries what the writes before it set, and the
// final write all of it, with nothing else but the header and its item.
void TestNetworkProtocol::changeCarriesItsBuffer() {
    ChangeRequestBuffer buffer(7, kMac);
    QCOMPARE(buffer.readIpSettings().size(), kReadRequestLength);
    QCOMPARE(buffer.readAddressMode().mid(32).toHex(), QByteArray("0500"));
    const QByteArray name = buffer.writePrinterName("DOCK-3");
    const QByteArray ip = buffer.writeIpSettings({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1});
    const QByteArray mode = buffer.writeAddressMode(true);
    const QByteArray final = buffer.finalWrite();

    QCOMPARE(name.mid(32, 4).toHex(), QByteArray("00000000"));   // the read's item is gone
    QCOMPARE(ip.mid(datagram::kPrinterName, 7), QByteArray("DOCK-3\0", 7));
    QCOMPARE(mode.mid(datagram::kIpAddress, 12).toHex(), QByteArray("0a000005ff0000000a000001"));

    QByteArray expected = DiscoverRequest(7).leftJustified(kWriteRequestLength, '\0');
    expected.replace(6, 6, Hex("08 02 00 04 04 08"));
    expected.replace(22, 6, QByteArray(reinterpret_cast<const char*>(kMac.data()), 6));
    expected[34] = 7;
    expected.replace(69, 12, Hex("0A 00 00 05 FF 00 00 00 0A 00 00 01"));
    expected.replace(176, 6, "DOCK-3");
    expected[942] = 8;
    expected[948] = 4;
    QCOMPARE(final.toHex(' '), expected.toHex(' '));
    QCOMPARE(buffer.writeAddressMode(false).mid(942, 7).toHex(), QByteArray("01000000000001"));
}

// The first discovery sends 1; the change after it sends 2 in all six requests, and the
// printer takes the settings with the final write.
void TestNetworkProtocol::sequenceAcrossDiscoveryAndChange() {
    SimulatedPrinter printer;
    UdpResponder responder({&printer});
    QVERIFY(responder.start());
    ScopedDiscoveryEndpoint endpoint(test::LoopbackEndpoint(responder.port()));

    RequestSequence sequence;
    QList<DiscoveredPrinter> printers;
    QCOMPARE(Discover(sequence, printers), NetworkResult::Done);
    QCOMPARE(printers.size(), 2);   // once per request
    QCOMPARE(printers[0].macText(), QByteArray("02:00:00:00:00:01"));
    QCOMPARE(sequence.value(), 2u);

    RemoteSettingsChange change(sequence, printers[0].mac);
    EthernetSettings settings = EmptyEthernetSettings();
    const RemoteReadResult read = change.readSettings(settings);
    QVERIFY(read.ipSettingsAnswered && read.addressModeAnswered);
    QCOMPARE(EthernetText(settings.CurrentIp), QByteArray("192.168.1.100"));
    QCOMPARE(EthernetText(settings.MacText), QByteArray("02:00:00:00:00:01"));
    QCOMPARE(settings.Dhcp, uint8_t(0));
    SetEthernetText(settings.PrinterName, "DOCK-3");
    SetEthernetText(settings.Gateway, "192.168.1.254");
    QCOMPARE(change.writeSettings(settings, sequence), NetworkResult::Done);
    QCOMPARE(sequence.value(), 3u);

    QVERIFY(responder.waitForReceived(8, 5000));
    const QList<QByteArray> received = responder.received();
    QCOMPARE(received.size(), 8);
    for (int i = 0; i < received.size(); ++i)
        QCOMPARE(received[i].mid(12, 2).toHex(), QByteArray(i < 2 ? "0001" : "0002"));
    const Profile after = printer.profile();
    QCOMPARE(after.network.name, QByteArray("DOCK-3"));
    QCOMPARE(after.network.gateway, (sim::NetworkInterface::Address{192, 168, 1, 254}));

    // A typed address that does not parse sends nothing at all.
    RemoteSettingsChange refused(sequence, printers[0].mac);
    SetEthernetText(settings.SubnetMask, "255.255.0");
    QCOMPARE(refused.writeSettings(settings, sequence), NetworkResult::InvalidInput);
    QCOMPARE(InvalidEthernetField(settings, true, true), EthernetField::SubnetMask);
    QCOMPARE(sequence.value(), 3u);
    QCOMPARE(responder.received().size(), 8);
}

// A click delivered while a discovery pumps events starts nothing.
void TestNetworkProtocol::nestedActionIsRefused() {
    SimulatedPrinter printer;
    UdpResponder responder({&printer});
    QVERIFY(responder.start());
    ScopedDiscoveryEndpoint endpoint(test::LoopbackEndpoint(responder.port(), 50));
    struct Nested : LinkObserver {
        QList<NetworkResult> results;
        void pumpEvents() override {
            RequestSequence other;
            results.append(SendFactoryDefault(other, kMac));
        }
    } nested;
    ScopedObserver observer(&nested);
    RequestSequence sequence;
    QList<DiscoveredPrinter> printers;
    QCOMPARE(Discover(sequence, printers), NetworkResult::Done);
    QVERIFY(!nested.results.isEmpty());
    QVERIFY(std::all_of(nested.results.begin(), nested.results.end(),
                        [](NetworkResult r) { return r == NetworkResult::Busy; }));
    QVERIFY(!NetworkActionRunning());
}

// The product's destinations, compared only: no test sends to them.
void TestNetworkProtocol::defaultEndpoint() {
    const DiscoveryEndpoint endpoint = DefaultDiscoveryEndpoint();
    QCOMPARE(endpoint.firstDestination, QHostAddress(QStringLiteral("255.255.255.255")));
    QCOMPARE(endpoint.secondDestination, QHostAddress(QStringLiteral("224.0.0.251")));
    QCOMPARE(endpoint.port, quint16(22368));
    QCOMPARE(endpoint.quietMs, 1000);
    QCOMPARE(endpoint.replyWaitMs, 3000);
}

void TestNetworkProtocol::statusText_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("text");
    QTest::newRow("printing") << 1 << 0xFF << "Printing";
    QTest::newRow("paused") << 2 << 0x01 << "Pause";
    QTest::newRow("carriage open wins over overheat") << 3 << 0x41 << "Carriage Open";
    QTest::newRow("overheat 0x80") << 3 << 0x80 << "Over Heat";
    QTest::newRow("paper jam wins over empty") << 3 << 0x06 << "Paper Jam";
    QTest::newRow("paper empty") << 3 << 0x04 << "Paper Empty";
    QTest::newRow("ribbon 0x10") << 3 << 0x10 << "Ribbon Error";
    QTest::newRow("cutter") << 3 << 0x20 << "Cutter Error";
    QTest::newRow("error without flags") << 3 << 0x00 << "Error";
    QTest::newRow("state 0") << 0 << 0x01 << "Ready";
    QTest::newRow("state 7") << 7 << 0x00 << "Ready";
}

void TestNetworkProtocol::statusText() {
    QFETCH(int, state);
    QFETCH(int, flags);
    QFETCH(QString, text);
    QCOMPARE(DiscoveryStatusText(uint8_t(state), uint8_t(flags)), text);
}

void TestNetworkProtocol::dottedAddress_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("bytes");   // empty: refused
    QTest::addColumn<bool>("sendable");      // may go out as typed
    QTest::newRow("multicast group") << QByteArray("224.0.0.251") << Hex("E0 00 00 FB") << true;
    QTest::newRow("leading zeros") << QByteArray("010.001.0.255") << Hex("0A 01 00 FF") << true;
    QTest::newRow("text after the fourth number")
        << QByteArray("1.2.3.4 office") << Hex("01 02 03 04") << false;
    QTest::newRow("256") << QByteArray("256.1.1.1") << QByteArray() << false;
    QTest::newRow("three numbers") << QByteArray("1.2.3") << QByteArray() << false;
    QTest::newRow("empty number") << QByteArray("1..2.3") << QByteArray() << false;
    QTest::newRow("letters") << QByteArray("a.b.c.d") << QByteArray() << false;
    QTest::newRow("a fifth dot") << QByteArray("1.2.3.4.") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << QByteArray() << false;
}

void TestNetworkProtocol::dottedAddress() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, sendable);
    QCOMPARE(ParseDottedAddress(text).has_value(), !bytes.isEmpty());
    // What a datagram would carry: all ones for a refused text.
    const Ipv4Bytes value = DottedAddressOrAllOnes(text);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(value.data()), 4).toHex(),
             (bytes.isEmpty() ? Hex("FF FF FF FF") : bytes).toHex());
    QCOMPARE(IsDottedAddressText(text), sendable);
}

void TestNetworkProtocol::macText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("upper case") << QByteArray("02:00:0A:FF:00:01") << true;
    QTest::newRow("lower case") << QByteArray("02:00:0a:ff:00:01") << true;
    QTest::newRow("five groups") << QByteArray("02:00:0A:FF:00") << false;
    QTest::newRow("dashes") << QByteArray("02-00-0A-FF-00-01") << false;
    QTest::newRow("three digits") << QByteArray("02:00:0A:FF:00:010") << false;
    QTest::newRow("not hexadecimal") << QByteArray("02:00:0G:FF:00:01") << false;
}

void TestNetworkProtocol::macText() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    const std::optional<MacBytes> mac = ParseMacText(text);
    QCOMPARE(mac.has_value(), valid);
    if (valid) QCOMPARE(FormatMacText(*mac), text.toUpper());
}

// Fields are read only within what arrived; names end at a zero or the datagram's end and are
// cut at 63 characters.
void TestNetworkProtocol::shortReplies() {
    QVERIFY(!ParseDiscoveryReply(QByteArray(31, '\x01')));
    const std::optional<DiscoveredPrinter> bare =
        ParseDiscoveryReply(Reply(32, {{22, Hex("02 00 00 00 00 07")}}));
    QVERIFY(bare);
    QCOMPARE(bare->macText(), QByteArray("02:00:00:00:00:07"));
    QVERIFY(!bare->state && !bare->address);
    QVERIFY(bare->statusText().isEmpty() && bare->modelName.isEmpty() && bare->printerName.isEmpty());

    // State and flags, an address cut after three bytes.
    const auto cutAddress = ParseDiscoveryReply(Reply(47, {{40, Hex("03 02 00 00 0A 00 00")}}));
    QCOMPARE(cutAddress->statusText(), QString("Paper Jam"));
    QVERIFY(!cutAddress->address);

    const QByteArray longName(80, 'N');
    const auto named = ParseDiscoveryReply(
        Reply(84 + 80, {{44, Hex("C0 A8 01 64")}, {52, QByteArray("LB-4203\0junk", 12)}, {84, longName}}));
    QCOMPARE(named->addressText(), QByteArray("192.168.1.100"));   // no leading zeros
    QCOMPARE(named->modelName, QByteArray("LB-4203"));
    QCOMPARE(named->printerName, longName.left(63));
    const auto unterminated = ParseDiscoveryReply(Reply(88, {{84, "DOCK"}}));
    QCOMPARE(unterminated->printerName, QByteArray("DOCK"));

    // The IP settings cut inside the mask; the address mode without byte 942.
    EthernetSettings settings = EmptyEthernetSettings();
    SetEthernetText(settings.SubnetMask, "255.255.255.0");
    QVERIFY(ApplyIpSettingsReply(Reply(76, {{69, Hex("0A 00 00 05 FF FF")}}), settings));
    QCOMPARE(EthernetText(settings.IpAddress), QByteArray("10.0.0.5"));
    QCOMPARE(EthernetText(settings.CurrentIp), QByteArray("10.0.0.5"));
    QCOMPARE(EthernetText(settings.SubnetMask), QByteArray("255.255.255.0"));   // kept
    QVERIFY(!ApplyIpSettingsReply(QByteArray(31, '\0'), settings));
    settings.Dhcp = 1;
    QVERIFY(ApplyAddressModeReply(Reply(942), settings));
    QCOMPARE(settings.Dhcp, uint8_t(1));   // nothing said: kept
    QVERIFY(ApplyAddressModeReply(Reply(943, {{942, Hex("05")}}), settings));
    QCOMPARE(settings.Dhcp, uint8_t(0));
    QCOMPARE(ParseAddressModeReply(Reply(1064, {{942, Hex("08")}})), std::optional<bool>(true));
}

void TestNetworkProtocol::readNetworkSettings_data() {
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QByteArray>("silent");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("mac");
    const QByteArray mac = "02:00:00:00:00:01";
    const QByteArray name = kLongName.left(63);   // cut to fit the record
    QTest::newRow("static") << false << QByteArray() << 0 << QByteArray("192.168.1.100") << name << mac;
    QTest::newRow("DHCP: CONFIGIP 0.0.0.0")
        << true << QByteArray() << 0 << QByteArray("0.0.0.0") << name << mac;
    QTest::newRow("no NETNAME: still read")
        << false << QByteArray("NETNAME") << 0 << QByteArray("192.168.1.100") << QByteArray() << QByteArray();
    QTest::newRow("no MACADDR: still read")
        << false << QByteArray("MACADDR") << 0 << QByteArray("192.168.1.100") << name << QByteArray();
    QTest::newRow("no GATEWAY: receive error")
        << false << QByteArray("GATEWAY") << 3 << QByteArray("192.168.1.100") << QByteArray("old")
        << QByteArray("old");
}

void TestNetworkProtocol::readNetworkSettings() {
    QFETCH(bool, dhcp);
    QFETCH(QByteArray, silent);
    QFETCH(int, result);
    QFETCH(QByteArray, ip);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, mac);
    SimulatedPrinter printer;
    printer.edit([&](Profile& p) {
        p.network.dhcp = dhcp;
        p.network.name = kLongName;
    });
    Faults faults;
    if (!silent.isEmpty()) faults.silentKeywords.insert(silent);
    EthernetSettings settings = EmptyEthernetSettings();
    SetEthernetText(settings.PrinterName, "old");
    SetEthernetText(settings.MacText, "old");
    settings.Dhcp = 7;
    const LinkRun run = RunOnLink(printer, kOpNetworkReports, settings, faults);
    QCOMPARE(run.result, result);
    QCOMPARE(EthernetText(settings.IpAddress), ip);
    QCOMPARE(settings.Dhcp, uint8_t(dhcp ? 1 : 0));
    QCOMPARE(EthernetText(settings.PrinterName), name);
    QCOMPARE(EthernetText(settings.MacText), mac);
    if (result == 0 && silent.isEmpty()) {
        QCOMPARE(EthernetText(settings.CurrentIp), QByteArray(dhcp ? "192.168.1.57" : "192.168.1.100"));
        QCOMPARE(EthernetText(settings.SubnetMask), QByteArray("255.255.255.0"));
        QCOMPARE(EthernetText(settings.Gateway), QByteArray("192.168.1.1"));
    }
}

void TestNetworkProtocol::setCommands_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("sent");   // empty: refused with 5
    const QByteArray ip = "10.0.0.5";
    QTest::newRow("DHCP sends only NET DHCP")
        << int(kOpSetAddress) << 1 << QByteArray("junk") << QByteArray() << QByteArray("NET DHCP\r\n");
    QTest::newRow("static") << int(kOpSetAddress) << 0 << ip << QByteArray()
                            << QByteArray("NET IP \"10.0.0.5\",\"255.0.0.0\",\"10.0.0.1\"\r\n");
    QTest::newRow("address that does not parse")
        << int(kOpSetAddress) << 0 << QByteArray("10.0.0") << QByteArray() << QByteArray();
    QTest::newRow("quote after the address")
        << int(kOpSetAddress) << 0 << QByteArray("10.0.0.5\",\"x") << QByteArray() << QByteArray();
    QTest::newRow("name of 15") << int(kOpSetPrinterName) << 0 << ip << QByteArray("ABCDEFGHIJKLMNO")
                                << QByteArray("NET NAME \"ABCDEFGHIJKLMNO\"\r\n");
    QTest::newRow("name with a quote")
        << int(kOpSetPrinterName) << 0 << ip << QByteArray("A\"B") << QByteArray();
    QTest::newRow("name with CR LF") << int(kOpSetPrinterName) << 0 << ip << QByteArray("A\r\nSELFTEST")
                                     << QByteArray();
}

void TestNetworkProtocol::setCommands() {
    QFETCH(int, code);
    QFETCH(int, dhcp);
    QFETCH(QByteArray, ip);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, sent);
    SimulatedPrinter printer;
    EthernetSettings settings = EmptyEthernetSettings();
    settings.Dhcp = uint8_t(dhcp);
    SetEthernetText(settings.IpAddress, ip);
    SetEthernetText(settings.SubnetMask, "255.0.0.0");
    SetEthernetText(settings.Gateway, "10.0.0.1");
    SetEthernetText(settings.PrinterName, name);
    const LinkRun run = RunOnLink(printer, uint32_t(code), settings);
    QCOMPARE(run.result, sent.isEmpty() ? int(kUnknownError) : 0);
    QCOMPARE(run.sent, sent);
}

QTEST_GUILESS_MAIN(TestNetworkProtocol)
#include "tst_network_protocol.moc"
