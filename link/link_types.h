// SPDX-License-Identifier: Apache-2.0
#pragma once
// Shared link-layer types: interface kinds, error codes, the three link settings records.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace lb {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are laid out little-endian");

// Item index of the main window's interface list.
enum class InterfaceKind : int32_t { Usb = 0, Com = 1, Lpt = 2, Ethernet = 3 };

constexpr bool IsValidInterfaceKind(InterfaceKind kind) {
    return static_cast<int32_t>(kind) >= 0 && static_cast<int32_t>(kind) <= 3;
}

// Result of every printer operation. 0 is success.
enum LinkError : int {
    kLinkOk = 0,
    kPortOpenError = 1,
    kDataTransmissionError = 2,
    kDataReceivingError = 3,
    kFileOpenError = 4,
    kUnknownError = 5,
    kReadConfigFirst = 6,
    // Returned when an operation is requested while another one is under way. It is not
    // one of the printer's messages: ShowLinkError shows nothing for it.
    kOperationBusy = 100,
};

using LinkHandle = int32_t;
constexpr LinkHandle kNoLink = -1;
constexpr LinkHandle kEthernetHandle = 1;

#pragma pack(push, 1)
struct SerialSettings {
    char portName[24];
    int32_t baudIndex;
    int32_t dataBitsIndex;
    int32_t parityIndex;
    int32_t stopBitsIndex;
    int32_t hardwareHandshakeIndex;
    int32_t softwareHandshakeIndex;
};
static_assert(sizeof(SerialSettings) == 48);
static_assert(offsetof(SerialSettings, baudIndex) == 24);
static_assert(offsetof(SerialSettings, softwareHandshakeIndex) == 44);

struct ParallelPortName {
    char name[256];
};
static_assert(sizeof(ParallelPortName) == 256);

struct NetworkTarget {
    char host[64];
    int32_t port;
};
static_assert(sizeof(NetworkTarget) == 68);
static_assert(offsetof(NetworkTarget, port) == 64);
#pragma pack(pop)

// "COM1", 9600 baud (index 2), 8 data bits (index 1), no parity, 1 stop bit, RTS, no XON/XOFF.
SerialSettings DefaultSerialSettings();
// "LPT1".
ParallelPortName DefaultParallelPortName();
// Empty host, port 9100.
NetworkTarget DefaultNetworkTarget();

// Whether a typed host name or address can go into NetworkTarget::host: 1 to 63 characters of
// printable ASCII without blanks.
bool IsNetworkHostText(const QString& text);
// A typed text as the printer's 8-bit text. False when it holds a character beyond Latin-1,
// which the printer's texts cannot contain (QString::toLatin1 would put '?' in its place).
bool Latin1Bytes(const QString& text, QByteArray& bytes);

// Copies text into a fixed zero-terminated field, cutting it to fit. Returns false when cut.
bool CopyToField(char* field, std::size_t fieldSize, const char* text, std::size_t length);
template <std::size_t N> bool CopyToField(char (&field)[N], const char* text, std::size_t length) {
    return CopyToField(field, N, text, length);
}
// Length of a zero-terminated field, never reading past its end.
std::size_t FieldLength(const char* field, std::size_t fieldSize);
template <std::size_t N> std::size_t FieldLength(const char (&field)[N]) {
    return FieldLength(field, N);
}

}   // namespace lb
