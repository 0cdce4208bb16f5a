// SPDX-License-Identifier: Apache-2.0
// The network interface over the printer link: NET DHCP, NET IP "ip","mask","gateway" and
// NET NAME "name" change the printer's network settings (the same ones that the discovery
// protocol's writes change over UDP, sim/udp_responder.cpp), and the reports CONFIGIP
// ("0.0.0.0" under DHCP), GATEWAY, IPMASK, LASTUSEDIP, NETNAME and MACADDR tell them.

#include "sim/capability.h"
#include "sim/simulated_printer.h"

#include <optional>

namespace lb::sim {

namespace {

using Address = NetworkInterface::Address;

// Four decimal numbers of at most 255, nothing else: the printer takes no other text.
std::optional<Address> ParseAddress(const QByteArray& text) {
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 4) return std::nullopt;
    Address address{};
    for (int i = 0; i < 4; ++i) {
        const QByteArray& part = parts[i];
        if (part.isEmpty() || part.size() > 3) return std::nullopt;
        for (const char c : part)
            if (c < '0' || c > '9') return std::nullopt;
        const int value = part.toInt();
        if (value > 255) return std::nullopt;
        address[size_t(i)] = uint8_t(value);
    }
    return address;
}

QByteArray AddressText(const Address& address) {
    QByteArray text;
    for (size_t i = 0; i < address.size(); ++i) {
        if (i > 0) text += '.';
        text += QByteArray::number(address[i]);
    }
    return text;
}

QByteArray MacText(const std::array<uint8_t, 6>& mac) {
    QByteArray text;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i > 0) text += ':';
        text += QByteArray::number(mac[i], 16).rightJustified(2, '0').toUpper();
    }
    return text;
}

// "a","b","c": three quoted addresses separated by commas; nothing for anything else.
std::optional<std::array<Address, 3>> ParseAddressTriple(const QByteArray& arguments) {
    const QList<QByteArray> parts = arguments.split(',');
    if (parts.size() != 3) return std::nullopt;
    std::array<Address, 3> addresses;
    for (int i = 0; i < 3; ++i) {
        const QByteArray part = parts[i].trimmed();
        if (part.size() < 2 || !part.startsWith('"') || !part.endsWith('"')) return std::nullopt;
        const std::optional<Address> address = ParseAddress(part.mid(1, part.size() - 2));
        if (!address) return std::nullopt;
        addresses[size_t(i)] = *address;
    }
    return addresses;
}

std::optional<QByteArray> Text(const QByteArray& text) {
    return text;
}

}   // namespace

void AddNetCapability(CapabilityRegistry& r) {
    r.addReport("CONFIGIP", [](const Profile& p) {
        return Text(p.network.dhcp ? QByteArray("0.0.0.0") : AddressText(p.network.address));
    });
    r.addReport("GATEWAY", [](const Profile& p) { return Text(AddressText(p.network.gateway)); });
    r.addReport("IPMASK", [](const Profile& p) { return Text(AddressText(p.network.mask)); });
    r.addReport("LASTUSEDIP", [](const Profile& p) { return Text(AddressText(p.network.addressInUse())); });
    r.addReport("NETNAME", [](const Profile& p) { return Text(p.network.name); });
    r.addReport("MACADDR", [](const Profile& p) { return Text(MacText(p.network.mac)); });

    r.addCommand("NET DHCP", [](Exchange& x, const QByteArray&) {
        x.printer().edit([](Profile& p) { p.network.dhcp = true; });
    });
    // A line that is not three addresses changes nothing, as the printer ignores it.
    r.addCommand("NET IP", [](Exchange& x, const QByteArray& arguments) {
        const std::optional<std::array<Address, 3>> addresses = ParseAddressTriple(arguments);
        if (!addresses) return;
        x.printer().edit([&](Profile& p) {
            p.network.dhcp = false;
            p.network.address = (*addresses)[0];
            p.network.mask = (*addresses)[1];
            p.network.gateway = (*addresses)[2];
        });
    });
    r.addCommand("NET NAME", [](Exchange& x, const QByteArray& arguments) {
        QByteArray name;
        if (!QuotedText(arguments, name)) return;
        x.printer().edit([&](Profile& p) { p.network.name = name.left(63); });
    });
}

}   // namespace lb::sim
