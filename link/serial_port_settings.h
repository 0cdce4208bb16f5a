// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a SerialSettings record means for the port: the line settings applied at every open,
// and the device a port name stands for.

#include "link/link_types.h"

#include <QByteArray>
#include <cstdint>

namespace lb {

// The state a modem control line is given at open.
enum class LineControl { Disabled, Enabled, Handshake };

struct SerialPortSettings {
    int32_t baudRate = 9600;
    int dataBits = 8;
    enum class Parity { None, Odd, Even } parity = Parity::None;
    bool parityChecking = false;
    enum class StopBits { One, OneAndHalf, Two } stopBits = StopBits::One;
    LineControl rts = LineControl::Enabled;
    LineControl dtr = LineControl::Enabled;
    bool ctsOutputFlow = true;
    bool dsrOutputFlow = true;
    bool xonXoff = false;

    friend bool operator==(const SerialPortSettings&, const SerialPortSettings&) = default;
};

// The baud rates of the list, by index; any other index gives 9600.
constexpr int32_t kSerialBaudRates[] = {2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kSerialBaudRateCount = 7;
constexpr int kSerialPortCount = 30;   // "COM1" to "COM30"

// The line settings derived from the record's list indexes. Indexes outside a list fall
// back to 9600 baud, 8 data bits, no parity, one stop bit, RTS/CTS handshake, no XON/XOFF.
SerialPortSettings DeriveSerialPortSettings(const SerialSettings& settings);

// The device a port name opens. On Windows the name itself; elsewhere "COMn" (1..30) is
// /dev/ttyS(n-1), and a name that starts with '/' is a device path used as it is. Any
// other name gives an empty result (no such port).
QByteArray SerialDevicePath(const char* portName, std::size_t fieldSize);
template <std::size_t N> QByteArray SerialDevicePath(const char (&portName)[N]) {
    return SerialDevicePath(portName, N);
}

// The same for the parallel port: "LPT1".."LPT4" are /dev/lp0../dev/lp3 (Windows: the name).
QByteArray ParallelDevicePath(const ParallelPortName& name);

// The number that follows a "COM"/"LPT" prefix, when it lies in 1..last; 0 otherwise.
int PortNumber(const char* name, std::size_t fieldSize, const char* prefix, int last);

}   // namespace lb
