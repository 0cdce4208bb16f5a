// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "link/link_types.h"

#include <QString>

namespace lb {

// The status-bar text of the serial settings: port, baud rate, parity, data bits, stop
// bits, hardware and software handshake, as in "COM1 9600,N,8,1 RTS " (the software
// handshake is empty for none, hence the trailing blank). An index outside its list
// gives an empty item rather than a wrong one.
QString InterfaceStatusText(const SerialSettings& settings);

// The text of a zero-terminated 8-bit field, read only within the field (a loaded file may
// hold a text without its NUL).
QString FieldText(const char* field, std::size_t fieldSize);
template <std::size_t N> QString FieldText(const char (&field)[N]) {
    return FieldText(field, N);
}

}   // namespace lb
