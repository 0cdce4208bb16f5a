// SPDX-License-Identifier: Apache-2.0
// The datagrams a printer answers the discovery protocol with: the discover reply as the
// TCP/IP Setup list shows it, and the replies to the reads of the IP settings and of the
// address mode as a change of settings puts them into the record. No socket: the datagram
// is the input.
//
// Input: one byte choosing the parser, then the datagram.

#include "network/discovery_protocol.h"
#include "network/ethernet_settings.h"
#include "network/network_address.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lb;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void Discover(const QByteArray& datagram) {
    const std::optional<DiscoveredPrinter> printer = ParseDiscoveryReply(datagram);
    Check(printer.has_value() == (datagram.size() >= kDiscoveryHeaderSize));
    if (!printer) return;
    // Names are cut at 63 bytes.
    Check(printer->modelName.size() <= 63 && printer->printerName.size() <= 63);
    Check(ParseMacText(printer->macText()) == printer->mac);
    if (printer->address) Check(ParseDottedAddress(printer->addressText()) == printer->address);
    printer->statusText();
}

void Settings(const QByteArray& datagram) {
    const std::optional<IpSettingsReply> ip = ParseIpSettingsReply(datagram);
    const std::optional<bool> dhcp = ParseAddressModeReply(datagram);
    EthernetSettings settings = EmptyEthernetSettings();
    Check(ApplyIpSettingsReply(datagram, settings) == ip.has_value());
    Check(ApplyAddressModeReply(datagram, settings) == (datagram.size() >= kDiscoveryHeaderSize));
    if (dhcp) Check(settings.Dhcp == (*dhcp ? 1 : 0));
    // What the Set IP of the dialog would send with the record as the replies left it: the
    // addresses of a whole reply are sent as they came.
    const EthernetField invalid = InvalidEthernetField(settings, true, false);
    if (ip && ip->address && ip->mask && ip->gateway) Check(invalid == EthernetField::None);
    const QByteArray command = NetworkAddressCommand(settings);
    Check(command.isEmpty() == (invalid != EthernetField::None && !settings.Dhcp));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray datagram(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1)
        Settings(datagram);
    else
        Discover(datagram);
    return 0;
}
