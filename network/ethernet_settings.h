// SPDX-License-Identifier: Apache-2.0
#pragma once
// A printer's network settings over the printer link: the EthernetSettings record shared
// with the Ethernet Setup dialog, and operations 18 (set IP settings), 19 (set printer name)
// and 20 (read network settings).

#include "link/link_types.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace lb {

// What the Ethernet Setup dialog was confirmed with.
enum EthernetAction : int32_t {
    kEthernetSetAddress = 0,   // "Set IP": operation 18
    kEthernetSetName = 1,      // "Set Printer Name": operation 19
};

// Each text field holds at most 63 characters and its terminating zero.
constexpr int kEthernetTextMax = 63;
// The longest printer name a person may type (the dialog's edit, the command line).
constexpr int kMaxNetworkNameLength = 15;
// The reply buffer of each report of operation 20.
constexpr uint32_t kNetworkReplyBufferSize = 2048;

#pragma pack(push, 1)
struct EthernetSettings {
    uint8_t Dhcp;         // 1: the printer takes its address by DHCP; 0: static
    char IpAddress[64];   // configured address, dotted text
    char SubnetMask[64];
    char Gateway[64];
    char CurrentIp[64];     // the address in use (the last one the printer used)
    char PrinterName[64];   // the printer's network name
    char MacText[64];       // for display only
    int32_t Action;         // EthernetAction
    uint8_t Confirmed;      // 1 when the dialog was closed with "Set IP" or "Set Printer Name"
};
#pragma pack(pop)
static_assert(sizeof(EthernetSettings) == 390);
static_assert(offsetof(EthernetSettings, IpAddress) == 1);
static_assert(offsetof(EthernetSettings, SubnetMask) == 65);
static_assert(offsetof(EthernetSettings, Gateway) == 129);
static_assert(offsetof(EthernetSettings, CurrentIp) == 193);
static_assert(offsetof(EthernetSettings, PrinterName) == 257);
static_assert(offsetof(EthernetSettings, MacText) == 321);
static_assert(offsetof(EthernetSettings, Action) == 385);
static_assert(offsetof(EthernetSettings, Confirmed) == 389);

// All zero: static, every text empty, Action 0, not confirmed.
EthernetSettings EmptyEthernetSettings();
// Stores text into one of the record's text fields, cut at 63 bytes. Returns false when cut.
template <std::size_t N> bool SetEthernetText(char (&field)[N], const QByteArray& text) {
    static_assert(N == kEthernetTextMax + 1);
    return CopyToField(field, text.constData(), std::size_t(text.size()));
}
// A text field as bytes (up to its zero, never beyond the field).
template <std::size_t N> QByteArray EthernetText(const char (&field)[N]) {
    return QByteArray(field, qsizetype(FieldLength(field)));
}

// A field that must not be sent as it is, or none.
enum class EthernetField { None, IpAddress, SubnetMask, Gateway, PrinterName };
// The first field of those to be sent that cannot go out: an IP address, mask or gateway that
// IsDottedAddressText refuses (checked only when addresses is set), a printer name with '"' or
// a control character (IsQuotableText; checked only when name is set). In that order.
EthernetField InvalidEthernetField(const EthernetSettings& settings, bool addresses, bool name);
// A message for a person naming the field and the text refused, e.g. 'The gateway "1.2.3"
// is not an IPv4 address such as 192.168.1.100.' Empty for EthernetField::None.
QString InvalidEthernetFieldMessage(EthernetField field, const EthernetSettings& settings);
// Whether a typed printer name may be sent: at most 15 characters, none of them '"' or a
// control character, all of them Latin-1. The CLI and the dialogs check with it first.
bool IsNetworkNameText(const QString& name);

// Operation 18's command: "NET DHCP\r\n" when Dhcp is 1, otherwise
// "NET IP \"ip\",\"mask\",\"gateway\"\r\n". Empty when an address is refused
// (InvalidEthernetField with addresses set).
QByteArray NetworkAddressCommand(const EthernetSettings& settings);
// Operation 19's command: "NET NAME \"name\"\r\n". Empty when the name is refused.
QByteArray NetworkNameCommand(const EthernetSettings& settings);

// Operation 18: NetworkAddressCommand in one write, nothing read. 1 when the link cannot be
// opened, 2 when the write fails, 5 with nothing sent for a refused address.
int SetNetworkAddress(InterfaceKind kind, const EthernetSettings* settings);
// Operation 19: NetworkNameCommand in one write, nothing read. 1, 2, or 5 with nothing sent
// for a refused name.
int SetNetworkPrinterName(InterfaceKind kind, const EthernetSettings* settings);
// Operation 20: the announcement, then CONFIGIP (IpAddress; Dhcp = 1 when it is exactly
// "0.0.0.0"), GATEWAY, IPMASK, LASTUSEDIP (CurrentIp), NETNAME (PrinterName) and MACADDR
// (MacText), each one frame read into a 2048-byte buffer and stored as it came, cut at 63
// characters. A failure of the first five exchanges ends it with that error (2 or 3), the
// fields read so far kept; a failed NETNAME leaves PrinterName and MacText empty, a failed
// MACADDR leaves MacText empty, and both still succeed. Action and Confirmed are untouched.
int ReadNetworkSettings(InterfaceKind kind, EthernetSettings* settings);

}   // namespace lb
