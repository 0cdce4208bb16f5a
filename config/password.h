#pragma once

#include "link/link_types.h"

namespace lb {

constexpr int kPasswordBufferSize = 1024;

// Operation 2: the printer's password into buffer (kPasswordBufferSize bytes); empty when
// none is set or the printer cannot report one.
int ReadPassword(InterfaceKind kind, char* buffer);
// Operation 3: sets the printer's password to text.
int SendPassword(InterfaceKind kind, const char* text);

} // namespace lb
