// SPDX-License-Identifier: Apache-2.0
#include "link/interface_status.h"

#include <array>

namespace lb {
namespace {

template <std::size_t N> QString Item(const std::array<const char*, N>& items, int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return QString();
    return QString::fromLatin1(items[static_cast<std::size_t>(index)]);
}

constexpr std::array<const char*, 7> kBaudTexts = {"2400",  "4800",  "9600",  "19200",
                                                   "38400", "57600", "115200"};
constexpr std::array<const char*, 3> kParityLetters = {"N", "O", "E"};
constexpr std::array<const char*, 2> kDataBitsTexts = {"7", "8"};
constexpr std::array<const char*, 3> kStopBitsTexts = {"1", "1.5", "2"};
constexpr std::array<const char*, 3> kHardwareHandshakeTexts = {"None", "RTS", "RTS/CTS"};
constexpr std::array<const char*, 2> kSoftwareHandshakeTexts = {"", "Xon/Xoff"};

}   // namespace

QString FieldText(const char* field, std::size_t fieldSize) {
    return QString::fromLatin1(field, static_cast<qsizetype>(FieldLength(field, fieldSize)));
}

QString InterfaceStatusText(const SerialSettings& settings) {
    return QStringLiteral("%1 %2,%3,%4,%5 %6 %7")
        .arg(FieldText(settings.portName), Item(kBaudTexts, settings.baudIndex),
             Item(kParityLetters, settings.parityIndex), Item(kDataBitsTexts, settings.dataBitsIndex),
             Item(kStopBitsTexts, settings.stopBitsIndex),
             Item(kHardwareHandshakeTexts, settings.hardwareHandshakeIndex),
             Item(kSoftwareHandshakeTexts, settings.softwareHandshakeIndex));
}

}   // namespace lb
