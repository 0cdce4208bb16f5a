// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printers' own UDP protocol for finding them on the network and re-addressing them by
// MAC: the request datagrams (pure functions, byte for byte), the sequence number, the reply
// parsers and the status texts. No socket here: network/discovery_exchange.h sends them.
//
// Every request begins with a 32-byte header, big-endian:
//   0 length of the header (32) | 2 1 | 4 1 | 6 8 | 7 addressing (0 all printers, 2 one)
//   8 kind | 10 payload length | 12 low 16 bits of the sequence | 14 0
//   16 01 00 00 00 00 00 | 22 target MAC (FF… for all) | 28 0 | 30 0

#include "network/ethernet_settings.h"
#include "network/network_address.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace lb {

constexpr uint16_t kDiscoveryPort = 22368;
constexpr int kDiscoveryHeaderSize = 32;
// Every request of a change is built in, and every reply received into, this many bytes.
constexpr int kDatagramBufferSize = 2048;
constexpr int kReadRequestLength = 34;
constexpr int kWriteRequestLength = 1064;
constexpr uint16_t kWritePayloadLength = 1032;

enum class RequestKind : uint16_t { FactoryDefault = 1, Discover = 2, ReadSettings = 3, WriteSettings = 4 };
// Item codes: of a read in byte 32, of a write in byte 34.
enum class SettingsItem : uint8_t { PrinterName = 0, IpSettings = 4, AddressMode = 5, FinalWrite = 7 };

// Offsets inside a request or reply.
namespace datagram {
constexpr int kTargetMac = 22;   // 6 bytes
constexpr int kReadItem = 32;
constexpr int kWriteItem = 34;
constexpr int kIpAddress = 69;   // 4 bytes each, in dotted order
constexpr int kSubnetMask = 73;
constexpr int kGateway = 77;
constexpr int kPrinterName = 176;      // zero-terminated, in a write
constexpr int kAddressMode = 942;      // 8 DHCP, 1 static
constexpr int kAddressModeAux = 948;   // 4 DHCP, 1 static
// In a discovery reply.
constexpr int kState = 40;
constexpr int kFlags = 41;
constexpr int kReplyAddress = 44;   // 4 bytes
constexpr int kModelName = 52;      // up to a zero byte
constexpr int kReplyName = 84;      // up to a zero byte
}   // namespace datagram

// The counter of one TCP/IP Setup dialog (or one command line): 1 at the start, moved on
// after each completed discovery, factory default and confirmed change. Its low 16 bits go
// into every request.
class RequestSequence {
public:
    uint32_t value() const { return m_value; }
    uint16_t wire() const { return uint16_t(m_value & 0xFFFF); }
    void advance() { ++m_value; }

private:
    uint32_t m_value = 1;
};

// 32 bytes: addressing 0, kind 2, no payload, target FF FF FF FF FF FF.
QByteArray DiscoverRequest(uint32_t sequence);
// 32 bytes: addressing 2, kind 1, no payload, the printer's MAC.
QByteArray FactoryDefaultRequest(uint32_t sequence, const MacBytes& mac);

// The 2048-byte buffer of one change of settings: zeroed once when made, with the header of
// a read (addressing 2, kind 3, payload 2, the sequence, the MAC), and never cleared between
// the requests, so each write still carries what the writes before it set. Each call returns
// the datagram to send (the buffer's first 34 or 1064 bytes) and leaves the buffer as it is.
class ChangeRequestBuffer {
public:
    ChangeRequestBuffer(uint32_t sequence, const MacBytes& mac);

    QByteArray readIpSettings();    // 34 bytes, item 4
    QByteArray readAddressMode();   // 34 bytes, item 5
    // Kind 4, payload 1032, bytes 32..35 = 00 00 item 00 from here on.
    QByteArray writePrinterName(const QByteArray& name);   // name + zero at 176, cut to fit
    QByteArray writeIpSettings(const Ipv4Bytes& ip, const Ipv4Bytes& mask, const Ipv4Bytes& gateway);
    QByteArray writeAddressMode(bool dhcp);   // 942/948: 8/4 DHCP, 1/1 static
    QByteArray finalWrite();

    const QByteArray& bytes() const { return m_buffer; }

private:
    void beginWrite(SettingsItem item);
    QByteArray m_buffer;
};

// One listed printer, from a discovery reply of at least 32 bytes. Fields are read only
// within the bytes received: one that lies beyond the end is absent (empty names, no state,
// no address); a name without a zero ends at the datagram's end; names are cut at 63 bytes.
struct DiscoveredPrinter {
    MacBytes mac{};
    std::optional<uint8_t> state;
    uint8_t flags = 0;
    std::optional<Ipv4Bytes> address;
    QByteArray modelName;
    QByteArray printerName;

    QByteArray macText() const { return FormatMacText(mac); }
    QByteArray addressText() const { return address ? FormatDottedAddress(*address) : QByteArray(); }
    // DiscoveryStatusText of state and flags; empty when the reply carried no state.
    QString statusText() const;
};

// Nothing for a datagram shorter than 32 bytes (it is skipped). The header is not examined.
std::optional<DiscoveredPrinter> ParseDiscoveryReply(const QByteArray& datagram);

// "Printing", "Pause", "Carriage Open", "Over Heat", "Paper Jam", "Paper Empty", "Ribbon
// Error", "Cutter Error", "Error" or "Ready"; first match wins (state 3 looks at the flags).
// The same in every language: they are not translated.
QString DiscoveryStatusText(uint8_t state, uint8_t flags);

// The reply to the read of the IP settings: 69..72, 73..76 and 77..80, each present only
// when all four of its bytes were received. Nothing for a reply shorter than 32 bytes.
struct IpSettingsReply {
    std::optional<Ipv4Bytes> address, mask, gateway;
};
std::optional<IpSettingsReply> ParseIpSettingsReply(const QByteArray& datagram);
// The reply to the read of the address mode: true (DHCP) when byte 942 is 8, false for any
// other value. Nothing when the reply is shorter than 32 bytes or ends before byte 942.
std::optional<bool> ParseAddressModeReply(const QByteArray& datagram);

// Whether datagram answers request, a read of the settings: the same kind, sequence and MAC
// in its header, the same item where the printer echoes it (0 where it does not), and long
// enough to hold the field read (through the gateway, or the address-mode byte). Anything
// else (a stray discovery reply, an echo, a reply to another read) is not its answer.
bool IsSettingsReplyTo(const QByteArray& datagram, const QByteArray& request);

// The replies put into the record as the change of settings does: the address as IpAddress
// and CurrentIp, the mask, the gateway; Dhcp. A field the reply does not carry is left as
// it was. Each returns false when the reply is not one (shorter than 32 bytes).
bool ApplyIpSettingsReply(const QByteArray& datagram, EthernetSettings& settings);
bool ApplyAddressModeReply(const QByteArray& datagram, EthernetSettings& settings);

}   // namespace lb
