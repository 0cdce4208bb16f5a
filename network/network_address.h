// SPDX-License-Identifier: Apache-2.0
#pragma once
// The texts of network addresses: dotted IPv4 addresses and MAC addresses, as the printers'
// discovery datagrams and the NET commands carry them.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace lb {

// Four bytes in the order of the dotted text (network order): 192.168.1.100 is C0 A8 01 64.
using Ipv4Bytes = std::array<uint8_t, 4>;
using MacBytes = std::array<uint8_t, 6>;

// The all-ones value a failed parse stands for in a datagram (255.255.255.255).
constexpr Ipv4Bytes kFailedAddress = {0xFF, 0xFF, 0xFF, 0xFF};

// Four decimal numbers of at most 255 separated by '.', each starting with a digit (leading
// zeros allowed: 010 reads as 10). What follows the fourth number, when it is not a '.', is
// ignored ("1.2.3.4 and more" gives 1.2.3.4); a fifth dot fails. Nothing on failure.
std::optional<Ipv4Bytes> ParseDottedAddress(const QByteArray& text);
// The same, all ones (kFailedAddress) on failure: what the datagram would carry.
Ipv4Bytes DottedAddressOrAllOnes(const QByteArray& text);
// Whether a typed text may be sent as an address: ParseDottedAddress accepts it and nothing
// follows the fourth number, so the text that goes into "NET IP" is the address itself.
bool IsDottedAddressText(const QByteArray& text);
// Each byte as a decimal number without leading zeros, joined by '.'.
QByteArray FormatDottedAddress(const Ipv4Bytes& bytes);
QByteArray FormatDottedAddress(const uint8_t* bytes);   // four bytes

// Six groups of exactly two hexadecimal digits (either case) separated by ':', nothing after
// the sixth. Nothing for any other text.
std::optional<MacBytes> ParseMacText(const QByteArray& text);
// "%02X:%02X:%02X:%02X:%02X:%02X", upper-case.
QByteArray FormatMacText(const MacBytes& mac);

}   // namespace lb
