// SPDX-License-Identifier: Apache-2.0
#include "link/link_types.h"

#include <cstring>

namespace lb {

SerialSettings DefaultSerialSettings() {
    SerialSettings s{};
    CopyToField(s.portName, "COM1", 4);
    s.baudIndex = 2;
    s.dataBitsIndex = 1;
    s.parityIndex = 0;
    s.stopBitsIndex = 0;
    s.hardwareHandshakeIndex = 1;
    s.softwareHandshakeIndex = 0;
    return s;
}

ParallelPortName DefaultParallelPortName() {
    ParallelPortName p{};
    CopyToField(p.name, "LPT1", 4);
    return p;
}

NetworkTarget DefaultNetworkTarget() {
    NetworkTarget t{};
    t.port = 9100;
    return t;
}

bool CopyToField(char* field, std::size_t fieldSize, const char* text, std::size_t length) {
    if (fieldSize == 0) return length == 0;
    const std::size_t n = length < fieldSize - 1 ? length : fieldSize - 1;
    std::memset(field, 0, fieldSize);
    if (n > 0) std::memcpy(field, text, n);
    return n == length;
}

std::size_t FieldLength(const char* field, std::size_t fieldSize) {
    const void* end = std::memchr(field, 0, fieldSize);
    return end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : fieldSize;
}

bool IsNetworkHostText(const QString& text) {
    if (text.isEmpty() || text.size() >= qsizetype(sizeof(NetworkTarget::host))) return false;
    for (const QChar c : text)
        if (c.unicode() <= u' ' || c.unicode() > u'~') return false;
    return true;
}

bool Latin1Bytes(const QString& text, QByteArray& bytes) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return false;
    bytes = text.toLatin1();
    return true;
}

}   // namespace lb
