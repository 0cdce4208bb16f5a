// SPDX-License-Identifier: Apache-2.0
#include "link/serial_port_settings.h"

#include <cstring>

namespace lb {

SerialPortSettings DeriveSerialPortSettings(const SerialSettings& s) {
    SerialPortSettings p;
    p.baudRate =
        s.baudIndex >= 0 && s.baudIndex < kSerialBaudRateCount ? kSerialBaudRates[s.baudIndex] : 9600;
    p.dataBits = s.dataBitsIndex == 0 ? 7 : 8;
    switch (s.parityIndex) {
    case 1:
        p.parity = SerialPortSettings::Parity::Odd;
        p.parityChecking = true;
        break;
    case 2:
        // Even parity goes out on the line, but what comes back is not checked.
        p.parity = SerialPortSettings::Parity::Even;
        p.parityChecking = false;
        break;
    default:
        p.parity = SerialPortSettings::Parity::None;
        p.parityChecking = false;
        break;
    }
    switch (s.stopBitsIndex) {
    case 1:
        p.stopBits = SerialPortSettings::StopBits::OneAndHalf;
        break;
    case 2:
        p.stopBits = SerialPortSettings::StopBits::Two;
        break;
    default:
        p.stopBits = SerialPortSettings::StopBits::One;
        break;
    }
    switch (s.hardwareHandshakeIndex) {
    case 0:
        p.rts = p.dtr = LineControl::Disabled;
        p.ctsOutputFlow = p.dsrOutputFlow = false;
        break;
    case 1:
        p.rts = p.dtr = LineControl::Enabled;
        p.ctsOutputFlow = p.dsrOutputFlow = true;
        break;
    default:
        p.rts = p.dtr = LineControl::Handshake;
        p.ctsOutputFlow = p.dsrOutputFlow = true;
        break;
    }
    p.xonXoff = s.softwareHandshakeIndex == 1;
    return p;
}

int PortNumber(const char* name, std::size_t fieldSize, const char* prefix, int last) {
    const std::size_t length = FieldLength(name, fieldSize);
    const std::size_t prefixLength = std::strlen(prefix);
    if (length <= prefixLength || length > prefixLength + 2) return 0;
    if (std::strncmp(name, prefix, prefixLength) != 0) return 0;
    int number = 0;
    for (std::size_t i = prefixLength; i < length; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number >= 1 && number <= last ? number : 0;
}

QByteArray SerialDevicePath(const char* portName, std::size_t fieldSize) {
    const std::size_t length = FieldLength(portName, fieldSize);
#ifdef _WIN32
    return QByteArray(portName, qsizetype(length));
#else
    if (length > 0 && portName[0] == '/') return QByteArray(portName, qsizetype(length));
    const int number = PortNumber(portName, fieldSize, "COM", kSerialPortCount);
    if (number == 0) return {};
    return "/dev/ttyS" + QByteArray::number(number - 1);
#endif
}

QByteArray ParallelDevicePath(const ParallelPortName& name) {
    const std::size_t length = FieldLength(name.name);
#ifdef _WIN32
    return QByteArray(name.name, qsizetype(length));
#else
    if (length > 0 && name.name[0] == '/') return QByteArray(name.name, qsizetype(length));
    const int number = PortNumber(name.name, sizeof name.name, "LPT", 4);
    if (number == 0) return {};
    return "/dev/lp" + QByteArray::number(number - 1);
#endif
}

}   // namespace lb
