// SPDX-License-Identifier: Apache-2.0
#include "network/discovery_protocol.h"

#include <algorithm>
#include <cstring>

namespace lb {

namespace {

void Put16(QByteArray& bytes, int at, uint16_t value) {
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

// The 32-byte header at the start of bytes (which holds at least 32).
void WriteHeader(QByteArray& bytes, uint8_t addressing, RequestKind kind, uint16_t payload, uint32_t sequence,
                 const MacBytes& target) {
    Put16(bytes, 0, kDiscoveryHeaderSize);
    Put16(bytes, 2, 1);
    Put16(bytes, 4, 1);
    bytes[6] = char(8);
    bytes[7] = char(addressing);
    Put16(bytes, 8, uint16_t(kind));
    Put16(bytes, 10, payload);
    Put16(bytes, 12, uint16_t(sequence & 0xFFFF));
    Put16(bytes, 14, 0);
    static const uint8_t kSource[6] = {0x01, 0, 0, 0, 0, 0};
    std::memcpy(bytes.data() + 16, kSource, sizeof kSource);
    std::memcpy(bytes.data() + datagram::kTargetMac, target.data(), target.size());
    Put16(bytes, 28, 0);
    Put16(bytes, 30, 0);
}

constexpr uint8_t kAddressingAll = 0;
constexpr uint8_t kAddressingOne = 2;

void PutAddress(QByteArray& bytes, int at, const Ipv4Bytes& address) {
    std::memcpy(bytes.data() + at, address.data(), address.size());
}

// Four bytes at at, when all four were received.
std::optional<Ipv4Bytes> AddressAt(const QByteArray& bytes, int at) {
    if (bytes.size() < at + 4) return std::nullopt;
    Ipv4Bytes address;
    std::memcpy(address.data(), bytes.constData() + at, address.size());
    return address;
}

// The text from at up to a zero byte or the datagram's end, cut at 63 bytes.
QByteArray NameAt(const QByteArray& bytes, int at) {
    if (bytes.size() <= at) return {};
    const qsizetype zero = bytes.indexOf('\0', at);
    const qsizetype length = (zero < 0 ? bytes.size() : zero) - at;
    return bytes.mid(at, std::min<qsizetype>(length, kEthernetTextMax));
}

}   // namespace

QByteArray DiscoverRequest(uint32_t sequence) {
    QByteArray bytes(kDiscoveryHeaderSize, '\0');
    MacBytes all;
    all.fill(0xFF);
    WriteHeader(bytes, kAddressingAll, RequestKind::Discover, 0, sequence, all);
    return bytes;
}

QByteArray FactoryDefaultRequest(uint32_t sequence, const MacBytes& mac) {
    QByteArray bytes(kDiscoveryHeaderSize, '\0');
    WriteHeader(bytes, kAddressingOne, RequestKind::FactoryDefault, 0, sequence, mac);
    return bytes;
}

ChangeRequestBuffer::ChangeRequestBuffer(uint32_t sequence, const MacBytes& mac)
    : m_buffer(kDatagramBufferSize, '\0') {
    WriteHeader(m_buffer, kAddressingOne, RequestKind::ReadSettings, 2, sequence, mac);
}

QByteArray ChangeRequestBuffer::readIpSettings() {
    m_buffer[datagram::kReadItem] = char(SettingsItem::IpSettings);
    m_buffer[datagram::kReadItem + 1] = 0;
    return m_buffer.left(kReadRequestLength);
}

QByteArray ChangeRequestBuffer::readAddressMode() {
    m_buffer[datagram::kReadItem] = char(SettingsItem::AddressMode);
    m_buffer[datagram::kReadItem + 1] = 0;
    return m_buffer.left(kReadRequestLength);
}

void ChangeRequestBuffer::beginWrite(SettingsItem item) {
    Put16(m_buffer, 8, uint16_t(RequestKind::WriteSettings));
    Put16(m_buffer, 10, kWritePayloadLength);
    m_buffer[32] = 0;
    m_buffer[33] = 0;
    m_buffer[datagram::kWriteItem] = char(item);
    m_buffer[35] = 0;
}

QByteArray ChangeRequestBuffer::writePrinterName(const QByteArray& name) {
    beginWrite(SettingsItem::PrinterName);
    // The name and its zero; the field runs up to the next item the buffer carries.
    const QByteArray cut = name.left(kEthernetTextMax);
    const qsizetype end = qsizetype(std::strlen(cut.constData()));   // a zero inside ends it
    std::memcpy(m_buffer.data() + datagram::kPrinterName, cut.constData(), size_t(end));
    m_buffer[datagram::kPrinterName + int(end)] = 0;
    return m_buffer.left(kWriteRequestLength);
}

QByteArray ChangeRequestBuffer::writeIpSettings(const Ipv4Bytes& ip, const Ipv4Bytes& mask,
                                                const Ipv4Bytes& gateway) {
    beginWrite(SettingsItem::IpSettings);
    PutAddress(m_buffer, datagram::kIpAddress, ip);
    PutAddress(m_buffer, datagram::kSubnetMask, mask);
    PutAddress(m_buffer, datagram::kGateway, gateway);
    return m_buffer.left(kWriteRequestLength);
}

QByteArray ChangeRequestBuffer::writeAddressMode(bool dhcp) {
    beginWrite(SettingsItem::AddressMode);
    m_buffer[datagram::kAddressMode] = char(dhcp ? 8 : 1);
    m_buffer[datagram::kAddressModeAux] = char(dhcp ? 4 : 1);
    return m_buffer.left(kWriteRequestLength);
}

QByteArray ChangeRequestBuffer::finalWrite() {
    beginWrite(SettingsItem::FinalWrite);
    return m_buffer.left(kWriteRequestLength);
}

QString DiscoveredPrinter::statusText() const {
    return state ? DiscoveryStatusText(*state, flags) : QString();
}

std::optional<DiscoveredPrinter> ParseDiscoveryReply(const QByteArray& bytes) {
    if (bytes.size() < kDiscoveryHeaderSize) return std::nullopt;
    DiscoveredPrinter printer;
    std::memcpy(printer.mac.data(), bytes.constData() + datagram::kTargetMac, printer.mac.size());
    if (bytes.size() > datagram::kState) printer.state = uint8_t(bytes[datagram::kState]);
    if (bytes.size() > datagram::kFlags) printer.flags = uint8_t(bytes[datagram::kFlags]);
    printer.address = AddressAt(bytes, datagram::kReplyAddress);
    printer.modelName = NameAt(bytes, datagram::kModelName);
    printer.printerName = NameAt(bytes, datagram::kReplyName);
    return printer;
}

// Not translated: the printers' own words, the same in every language.
QString DiscoveryStatusText(uint8_t state, uint8_t flags) {
    switch (state) {
    case 1:
        return QStringLiteral("Printing");
    case 2:
        return QStringLiteral("Pause");
    case 3:
        if (flags & 0x01) return QStringLiteral("Carriage Open");
        if (flags & (0x40 | 0x80)) return QStringLiteral("Over Heat");
        if (flags & 0x02) return QStringLiteral("Paper Jam");
        if (flags & 0x04) return QStringLiteral("Paper Empty");
        if (flags & (0x08 | 0x10)) return QStringLiteral("Ribbon Error");
        if (flags & 0x20) return QStringLiteral("Cutter Error");
        return QStringLiteral("Error");
    default:
        return QStringLiteral("Ready");
    }
}

std::optional<IpSettingsReply> ParseIpSettingsReply(const QByteArray& bytes) {
    if (bytes.size() < kDiscoveryHeaderSize) return std::nullopt;
    return IpSettingsReply{AddressAt(bytes, datagram::kIpAddress), AddressAt(bytes, datagram::kSubnetMask),
                           AddressAt(bytes, datagram::kGateway)};
}

std::optional<bool> ParseAddressModeReply(const QByteArray& bytes) {
    if (bytes.size() <= datagram::kAddressMode) return std::nullopt;
    return uint8_t(bytes[datagram::kAddressMode]) == 8;
}

bool IsSettingsReplyTo(const QByteArray& datagram, const QByteArray& request) {
    if (request.size() <= datagram::kReadItem || datagram.size() < kDiscoveryHeaderSize) return false;
    const uint8_t item = uint8_t(request[datagram::kReadItem]);
    const qsizetype needed = item == 5 ? datagram::kAddressMode + 1 : datagram::kGateway + 4;
    if (datagram.size() < needed) return false;
    const auto same = [&](int at, int length) { return datagram.mid(at, length) == request.mid(at, length); };
    if (!same(8, 2) || !same(12, 2) || !same(datagram::kTargetMac, 6)) return false;
    const uint8_t echoed = uint8_t(datagram[datagram::kReadItem]);
    return echoed == 0 || echoed == item;
}

bool ApplyIpSettingsReply(const QByteArray& bytes, EthernetSettings& settings) {
    const std::optional<IpSettingsReply> reply = ParseIpSettingsReply(bytes);
    if (!reply) return false;
    if (reply->address) {
        SetEthernetText(settings.IpAddress, FormatDottedAddress(*reply->address));
        SetEthernetText(settings.CurrentIp, FormatDottedAddress(*reply->address));
    }
    if (reply->mask) SetEthernetText(settings.SubnetMask, FormatDottedAddress(*reply->mask));
    if (reply->gateway) SetEthernetText(settings.Gateway, FormatDottedAddress(*reply->gateway));
    return true;
}

bool ApplyAddressModeReply(const QByteArray& bytes, EthernetSettings& settings) {
    if (bytes.size() < kDiscoveryHeaderSize) return false;
    if (const std::optional<bool> dhcp = ParseAddressModeReply(bytes)) settings.Dhcp = *dhcp ? 1 : 0;
    return true;
}

}   // namespace lb
