// SPDX-License-Identifier: Apache-2.0
#include "network/network_address.h"

#include "link/command_format.h"

namespace lb {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The parse itself; end is where the fourth number ended.
std::optional<Ipv4Bytes> ParseAddress(const QByteArray& text, qsizetype& end) {
    Ipv4Bytes bytes{};
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    for (;;) {
        if (i >= n || !IsDigit(text[i])) return std::nullopt;
        int value = 0;
        while (i < n && IsDigit(text[i])) {
            value = value * 10 + (text[i] - '0');
            if (value > 255) return std::nullopt;
            ++i;
        }
        bytes[size_t(count++)] = uint8_t(value);
        if (i >= n || text[i] != '.') {
            if (count != 4) return std::nullopt;
            end = i;
            return bytes;
        }
        if (count == 4) return std::nullopt;
        ++i;
    }
}

}   // namespace

std::optional<Ipv4Bytes> ParseDottedAddress(const QByteArray& text) {
    qsizetype end = 0;
    return ParseAddress(text, end);
}

Ipv4Bytes DottedAddressOrAllOnes(const QByteArray& text) {
    return ParseDottedAddress(text).value_or(kFailedAddress);
}

bool IsDottedAddressText(const QByteArray& text) {
    qsizetype end = 0;
    return ParseAddress(text, end) && end == text.size();
}

QByteArray FormatDottedAddress(const Ipv4Bytes& bytes) {
    return FormatDottedAddress(bytes.data());
}

QByteArray FormatDottedAddress(const uint8_t* bytes) {
    QByteArray text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text += '.';
        text += CommandInteger(bytes[i]);
    }
    return text;
}

std::optional<MacBytes> ParseMacText(const QByteArray& text) {
    if (text.size() != 17) return std::nullopt;
    MacBytes mac{};
    for (int group = 0; group < 6; ++group) {
        const qsizetype at = group * 3;
        if (group > 0 && text[at - 1] != ':') return std::nullopt;
        const int high = HexValue(text[at]);
        const int low = HexValue(text[at + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        mac[size_t(group)] = uint8_t(high * 16 + low);
    }
    return mac;
}

QByteArray FormatMacText(const MacBytes& mac) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray text;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i > 0) text += ':';
        text += kHex[mac[i] >> 4];
        text += kHex[mac[i] & 0x0F];
    }
    return text;
}

}   // namespace lb
